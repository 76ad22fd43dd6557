#pragma once

#include "platform/base/Set.h"
#include "skin/controls/TlxSkinCustomListBox.h"

#include <memory>
#include <string>
#include <vector>

class TCustomEdit;
class TlxSkinDirectoryListBox;
class TlxSkinFilterComboBox;

// What a file list lists. Here a name starting with "." is hidden, a FIFO,
// socket, device or broken link is a system entry, a regular file is an
// archive entry and one without the owner's write right is read-only.
enum class TlxFileAttr {
    lxftReadOnly,
    lxftHidden,
    lxftSystem,
    lxftVolumeID,
    lxftDirectory,
    lxftArchive,
    lxftNormal
};
using enum TlxFileAttr;
using TlxFileType = TSet<TlxFileAttr>;

// The entries of one folder that match Mask (several masks separated by
// ";"), folders shown as "[name]", sorted. A linked edit mirrors the
// selection; typed text goes through ApplyFilePath. The folder is an
// absolute path; the process's current directory is never read or changed.
class TlxSkinFileListBox : public TlxSkinListBox {
public:
    explicit TlxSkinFileListBox(TComponent* AOwner);
    ~TlxSkinFileListBox() override;

    const std::string& Directory() const { return FDirectory; }
    // Runs ApplyFilePath(Value).
    void SetDirectory(const std::string& Value);
    // The root holding Directory (the linked directory list's roots, else
    // the system's); writing another one enters it.
    std::string Drive() const;
    void SetDrive(const std::string& Value);
    // The selected item's path (raw bytes), empty without a selection.
    std::string FileName() { return GetFilePath(); }
    void SetFileName(const std::string& Value) { ApplyFilePath(Value); }
    const std::string& Mask() const { return FMask; }
    void SetMask(const std::string& Value);
    TlxFileType FileType() const { return FFileType; }
    void SetFileType(TlxFileType Value);
    TCustomEdit* FileEdit() const { return FFileEdit; }
    void SetFileEdit(TCustomEdit* Value);
    TlxSkinDirectoryListBox* DirList() const { return FDirList; }
    TlxSkinFilterComboBox* FilterCombo() const { return FFilterCombo; }

    // Refills the list.
    void Update();
    // Text typed by the user: "[name]" or a folder enters it, a mask becomes
    // Mask, a file name is selected (and becomes Mask when it exists but is
    // not listed). Relative text is taken below Directory; "~/" is home.
    // Raises EInOutError for a folder that cannot be entered.
    virtual void ApplyFilePath(const std::string& EditText);
    // Enters Dir (raises EInOutError when it cannot) and refills.
    void SetFileDirectory(const std::string& Dir);
    // The selected item's text, empty without one.
    std::string SelectedFileName() const;
    // Selects the item showing Name (exact, else without case).
    void SelectFileName(const std::string& Name);
    // The raw name behind item Index (without the brackets of a folder).
    std::string ItemName(int Index) const;
    bool ItemIsFolder(int Index) const;

    TNotifyEvent OnChange;

    void ListBoxClick() override;

protected:
    friend class TlxSkinDirectoryListBox;
    friend class TlxSkinFilterComboBox;

    virtual void FileSelectionChanged();
    virtual void FillFileList();
    virtual std::string GetFilePath();
    void CreateWnd() override;
    void Loaded() override;

    std::string FDirectory;
    std::string FMask = "*.*";
    TlxFileType FFileType{lxftNormal};
    int FLastSel = -1;
    TComponentRef<TCustomEdit> FFileEdit{this};
    TComponentRef<TlxSkinDirectoryListBox> FDirList{this};
    TComponentRef<TlxSkinFilterComboBox> FFilterCombo{this};

private:
    struct TEntry;
    // One per item, pointed at by the item's object, so sorting keeps them.
    std::vector<std::unique_ptr<TEntry>> FEntries;
    void ShowSelectionInEdit();
};
