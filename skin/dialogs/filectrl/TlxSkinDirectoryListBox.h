#pragma once

#include "platform/gdi/TBitmap.h"
#include "skin/controls/TlxSkinCustomListBox.h"
#include "skin/dialogs/filectrl/DriveRoots.h"

#include <memory>
#include <string>
#include <vector>

class TlxSkinDriveComboBox;
class TlxSkinFileListBox;
class TlxSkinStdLabel;

// The folders of one place: the root (Drive, shown by its label) and each folder down to
// Directory as open folders, Directory as the current folder, then its
// sub-folders (hidden ones left out) in natural order. Double click or Enter
// opens the selected item. Directory is an absolute path; the process's
// current directory is never read or changed.
class TlxSkinDirectoryListBox : public TlxSkinListBox {
public:
    explicit TlxSkinDirectoryListBox(TComponent* AOwner);
    ~TlxSkinDirectoryListBox() override;

    const std::string& Directory() const { return FDirectory; }
    // Enters Value (relative text is taken below Directory); nothing for an
    // empty or unchanged path. Raises EInOutError for a folder that cannot be
    // entered, and then nothing changes.
    virtual void SetDirectory(const std::string& Value);
    // The root holding Directory.
    std::string Drive() const { return RootOfPath(FRoots, FDirectory); }
    // Enters another root.
    void SetDrive(const std::string& Value);
    // The roots a path can start from (the system's by default).
    const std::vector<TDriveRoot>& Roots() const { return FRoots; }
    void SetRoots(std::vector<TDriveRoot> Value);

    TlxSkinFileListBox* FileList() const { return FFileList; }
    void SetFileList(TlxSkinFileListBox* Value);
    TlxSkinStdLabel* DirLabel() const { return FDirLabel; }
    void SetDirLabel(TlxSkinStdLabel* Value);
    TlxSkinDriveComboBox* DriveCombo() const { return FDriveCombo; }

    // Enters the selected item's folder.
    void OpenCurrent();
    // Re-reads the folder.
    void Update();
    // How the root is shown: its label, else its path.
    std::string RootLabel(const std::string& Root) const;
    // The folder of item Index (raw bytes), empty beyond the items.
    std::string GetItemPath(int Index) const;

    enum TFolderGlyph { fgOpened, fgClosed, fgCurrent };
    TFolderGlyph ItemGlyph(int Index) const;
    // The indent of item Index: the open chain steps by 4, sub-folders sit
    // one step below the current folder.
    int ItemIndent(int Index) const;
    const TBitmap& OpenedBMP() const { return FOpenedBMP; }
    const TBitmap& ClosedBMP() const { return FClosedBMP; }
    const TBitmap& CurrentBMP() const { return FCurrentBMP; }

    TNotifyEvent OnChange;

    int GetItemWidth(int Index, TCanvas* Canvas) override;
    void ListBoxDblClick() override;
    void ListBoxKeyPress(char32_t& Key) override;

protected:
    friend class TlxSkinDriveComboBox;
    friend class TlxSkinFileListBox;

    virtual void DirectoryChanged();
    virtual void LoadFolderGlyphs();
    virtual void FillDirectoryList();
    // The linked drive combo chose another root.
    void DriveChanged(const std::string& Root);
    void EnterDirectory(const std::string& Folder);
    void UpdateDirLabel();
    void DrawFolderItem(TCanvas* Cnvs, int Index, int ItemWidth, int ItemHeight, const TRect& TxtRect,
                        TOwnerDrawState State);
    void CreateWnd() override;

    std::string FDirectory;
    std::vector<TDriveRoot> FRoots;
    bool FInSetDir = false;
    TBitmap FOpenedBMP, FClosedBMP, FCurrentBMP;
    TComponentRef<TlxSkinFileListBox> FFileList{this};
    TComponentRef<TlxSkinStdLabel> FDirLabel{this};
    TComponentRef<TlxSkinDriveComboBox> FDriveCombo{this};

private:
    struct TEntry;
    // One per item, in item order (the list is not sorted).
    std::vector<TEntry> FEntries;
    int FCurrentIndex = -1;
};
