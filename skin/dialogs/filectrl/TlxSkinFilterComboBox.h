#pragma once

#include "skin/controls/TlxSkinCustomComboBox.h"
#include "skin/dialogs/filectrl/TFilterList.h"

#include <string>
#include <vector>

class TlxSkinFileListBox;

// A combo box of file types: Filter ("Videos|*.avi;*.mp4|All files|*.*")
// gives one entry per description, and Mask the selected entry's masks. A
// linked file list takes the mask whenever the choice changes.
class TlxSkinFilterComboBox : public TlxSkinComboBox {
public:
    explicit TlxSkinFilterComboBox(TComponent* AOwner);

    const std::string& Filter() const { return FFilterList.Filter(); }
    // Rebuilds the entries (entry 0 selected) when the text differs, then
    // passes the new mask on.
    void SetFilter(const std::string& Value);
    // The selected entry's masks; with none selected the last entry is
    // selected first; "*.*" without entries.
    std::string Mask();
    const std::vector<std::string>& MaskList() const { return FFilterList.MaskList(); }

    TlxSkinFileListBox* FileList() const { return FFileList; }
    void SetFileList(TlxSkinFileListBox* Value);

protected:
    void Change() override;
    void FillFilterList();

private:
    friend class TlxSkinFileListBox;

    TFilterList FFilterList;
    TComponentRef<TlxSkinFileListBox> FFileList{this};
};
