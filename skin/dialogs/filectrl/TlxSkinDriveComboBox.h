#pragma once

#include "platform/gdi/TBitmap.h"
#include "skin/controls/TlxSkinCustomComboBox.h"
#include "skin/dialogs/filectrl/DriveRoots.h"

#include <string>
#include <vector>

class TlxSkinDirectoryListBox;

enum class TTextCase { tcLowerCase, tcUpperCase };
using enum TTextCase;

// A combo box of the places a path can start from (home, the root directory,
// the mounted volumes), each shown by its label, cased by TextCase, beside
// the glyph of its kind. Choosing one takes a linked directory list there.
class TlxSkinDriveComboBox : public TlxSkinComboBox {
public:
    explicit TlxSkinDriveComboBox(TComponent* AOwner);

    // The selected root's path, empty for none.
    const std::string& Drive() const { return FDrive; }
    // Selects the root Value (none when empty or not listed), then tells the
    // linked directory list. Nothing when Value is already selected.
    void SetDrive(const std::string& Value);
    TTextCase TextCase() const { return FTextCase; }
    void SetTextCase(TTextCase Value);
    TlxSkinDirectoryListBox* DirList() const { return FDirList; }
    void SetDirList(TlxSkinDirectoryListBox* Value);
    // The roots listed (the system's by default); refills.
    const std::vector<TDriveRoot>& Roots() const { return FRoots; }
    void SetRoots(std::vector<TDriveRoot> Value);

    virtual void FillDriveList();
    // The text of root R as listed.
    std::string RootCaption(const TDriveRoot& R) const;
    const TBitmap* ItemGlyph(int Index) const;

    TBitmap FloppyBMP, FixedBMP, NetworkBMP, CDROMBMP, RAMBMP;

protected:
    void Change() override;
    void CreateWnd() override;
    void DrawDriveItem(TCanvas* Cnvs, int Index, int ItemWidth, int ItemHeight, const TRect& TxtRect,
                       TOwnerDrawState State);
    void SelectDrive();

    std::string FDrive;
    TTextCase FTextCase = tcLowerCase;
    std::vector<TDriveRoot> FRoots;
    TComponentRef<TlxSkinDirectoryListBox> FDirList{this};

private:
    friend class TlxSkinDirectoryListBox;
};
