#include "skin/dialogs/filectrl/TlxSkinDirectoryListBox.h"

#include "platform/gdi/TCanvas.h"
#include "skin/controls/TlxListBox.h"
#include "skin/controls/TlxSkinStdLabel.h"
#include "skin/dialogs/filectrl/FileCtrlGlyphs.h"
#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/filectrl/TlxSkinDriveComboBox.h"
#include "skin/dialogs/filectrl/TlxSkinFileListBox.h"
#include "skin/dialogs/shell/ShellEnumeration.h"
#include "skin/dialogs/shell/ShellSort.h"
#include "skin/engine/SkinText.h"

struct TlxSkinDirectoryListBox::TEntry {
    std::string Path; // raw bytes
    TFolderGlyph Glyph = fgClosed;
    int Level = 0; // place in the open chain
};

std::string TlxSkinDirectoryListBox::RootLabel(const std::string& Root) const {
    for (const TDriveRoot& r : FRoots)
        if (r.Path == Root && !r.Label.empty()) return r.Label;
    return DisplayNameOfBytes(Root);
}

TlxSkinDirectoryListBox::TlxSkinDirectoryListBox(TComponent* AOwner) : TlxSkinListBox(AOwner) {
    OnDrawItem = [this](TCanvas* C, int Index, int W, int H, const TRect& R, TOwnerDrawState S) {
        DrawFolderItem(C, Index, W, H, R, S);
    };
    SetWidth(145);
    SetSorted(false);
    LoadFolderGlyphs();
    FRoots = SystemDriveRoots();
    FDirectory = HomeFolder();
    FillDirectoryList();
}

TlxSkinDirectoryListBox::~TlxSkinDirectoryListBox() = default;

void TlxSkinDirectoryListBox::LoadFolderGlyphs() {
    LoadFileCtrlGlyph("LX_OPENFOLDER", FOpenedBMP);
    LoadFileCtrlGlyph("LX_CLOSEDFOLDER", FClosedBMP);
    LoadFileCtrlGlyph("LX_CURRENTFOLDER", FCurrentBMP);
    for (TBitmap* b : {&FOpenedBMP, &FClosedBMP, &FCurrentBMP})
        b->SetTransparent(true);
}

void TlxSkinDirectoryListBox::CreateWnd() {
    TlxSkinListBox::CreateWnd();
    FillDirectoryList();
}

void TlxSkinDirectoryListBox::SetRoots(std::vector<TDriveRoot> Value) {
    FRoots = std::move(Value);
    FillDirectoryList();
}

void TlxSkinDirectoryListBox::FillDirectoryList() {
    TKeepAlive alive(this);
    FStopUpDateHScrollBar = true;
    Items()->BeginUpdate();
    Clear();
    FEntries.clear();
    const std::string root = Drive();
    const std::vector<std::string> chain = FoldersFromRoot(root, FDirectory);
    for (size_t i = 0; i < chain.size(); ++i) {
        const bool current = i + 1 == chain.size();
        Items()->Add(i == 0 ? RootLabel(root)
                            : DisplayNameOfBytes(chain[i].substr(chain[i].find_last_of('/') + 1)));
        FEntries.push_back({chain[i], current ? fgCurrent : fgOpened, static_cast<int>(i)});
    }
    FCurrentIndex = static_cast<int>(chain.size()) - 1;
    TShellListing listing = ListDirectory(FDirectory, TShellObjectTypes{otFolders});
    SortShellItems(listing.Items);
    for (const TShellItem& item : listing.Items) {
        Items()->Add(item.DisplayName.empty() ? DisplayNameOfBytes(item.Name()) : item.DisplayName);
        FEntries.push_back({item.Path, fgClosed, FCurrentIndex + 1});
    }
    Items()->EndUpdate();
    FStopUpDateHScrollBar = false;
    SetItemIndex(FCurrentIndex);
    UpDateScrollBar();
}

std::string TlxSkinDirectoryListBox::GetItemPath(int Index) const {
    if (Index < 0 || Index >= static_cast<int>(FEntries.size())) return {};
    return FEntries[Index].Path;
}

TlxSkinDirectoryListBox::TFolderGlyph TlxSkinDirectoryListBox::ItemGlyph(int Index) const {
    if (Index < 0 || Index >= static_cast<int>(FEntries.size())) return fgClosed;
    return FEntries[Index].Glyph;
}

int TlxSkinDirectoryListBox::ItemIndent(int Index) const {
    if (Index < 0 || Index >= static_cast<int>(FEntries.size())) return 0;
    // Sub-folders one step (4) and 4 more beyond the current folder's 2.
    return FEntries[Index].Glyph == fgClosed ? FCurrentIndex * 4 + 6 : Index * 4 + 2;
}

void TlxSkinDirectoryListBox::SetDirectory(const std::string& Value) {
    if (Value.empty()) return;
    const std::string folder = NormalizePath(Value, FDirectory);
    if (folder == FDirectory) return;
    CheckEnterableDirectory(folder);
    TKeepAlive alive(this);
    const std::string root = RootOfPath(FRoots, folder);
    if (root != Drive()) {
        FInSetDir = true;
        try {
            if (FDriveCombo)
                FDriveCombo->SetDrive(root);
            else
                DriveChanged(root);
        } catch (...) {
            FInSetDir = false;
            throw;
        }
        FInSetDir = false;
        if (FreePending()) return;
    }
    EnterDirectory(folder);
}

void TlxSkinDirectoryListBox::SetDrive(const std::string& Value) {
    if (Value.empty() || Value == Drive()) return;
    SetDirectory(Value);
}

void TlxSkinDirectoryListBox::EnterDirectory(const std::string& Folder) {
    CheckEnterableDirectory(Folder);
    FDirectory = Folder;
    TKeepAlive alive(this);
    FillDirectoryList();
    if (FreePending()) return;
    DirectoryChanged();
}

void TlxSkinDirectoryListBox::DriveChanged(const std::string& Root) {
    if (Root == Drive()) return;
    // A root that cannot be entered leaves the folder as it is.
    if (!Root.empty() && IsExistingDirectory(Root)) FDirectory = Root;
    if (FInSetDir) return;
    TKeepAlive alive(this);
    FillDirectoryList();
    if (FreePending()) return;
    DirectoryChanged();
}

void TlxSkinDirectoryListBox::DirectoryChanged() {
    TKeepAlive alive(this);
    if (FFileList) FFileList->SetFileDirectory(FDirectory);
    if (FreePending()) return;
    UpdateDirLabel();
    if (OnChange) OnChange(this);
}

void TlxSkinDirectoryListBox::UpdateDirLabel() {
    if (!FDirLabel) return;
    const int width = FDirLabel->AutoSize() ? Width() : FDirLabel->Width();
    FDirLabel->SetCaption(ShortenPathToWidth(DisplayNameOfBytes(FDirectory), *FDirLabel->Canvas(), width));
}

void TlxSkinDirectoryListBox::SetFileList(TlxSkinFileListBox* Value) {
    if (FFileList.Get() == Value) return;
    if (FFileList) FFileList->FDirList.Set(nullptr);
    FFileList.Set(Value);
    if (!Value) return;
    if (Value->FDirList && Value->FDirList.Get() != this) Value->FDirList->FFileList.Set(nullptr);
    Value->FDirList.Set(this);
    Value->SetFileDirectory(FDirectory);
}

void TlxSkinDirectoryListBox::SetDirLabel(TlxSkinStdLabel* Value) {
    FDirLabel.Set(Value);
    UpdateDirLabel();
}

void TlxSkinDirectoryListBox::OpenCurrent() {
    const std::string path = GetItemPath(ItemIndex());
    if (!path.empty()) SetDirectory(path);
}

void TlxSkinDirectoryListBox::Update() {
    TKeepAlive alive(this);
    FillDirectoryList();
    if (FreePending()) return;
    DirectoryChanged();
}

void TlxSkinDirectoryListBox::ListBoxDblClick() {
    TKeepAlive alive(this);
    TlxSkinListBox::ListBoxDblClick();
    if (FreePending()) return;
    OpenCurrent();
}

void TlxSkinDirectoryListBox::ListBoxKeyPress(char32_t& Key) {
    TKeepAlive alive(this);
    TlxSkinListBox::ListBoxKeyPress(Key);
    if (FreePending()) return;
    if (Key == 13) OpenCurrent();
}

int TlxSkinDirectoryListBox::GetItemWidth(int Index, TCanvas* Canvas) {
    const TBitmap& glyph = ItemGlyph(Index) == fgOpened    ? FOpenedBMP
                           : ItemGlyph(Index) == fgCurrent ? FCurrentBMP
                                                           : FClosedBMP;
    return TlxSkinListBox::GetItemWidth(Index, Canvas) + glyph.Width() + ItemIndent(Index) + 4;
}

void TlxSkinDirectoryListBox::DrawFolderItem(TCanvas* Cnvs, int Index, int ItemWidth, int ItemHeight,
                                             const TRect& TxtRect, TOwnerDrawState State) {
    (void)ItemWidth;
    (void)ItemHeight;
    (void)State;
    if (Index < 0 || Index >= Items()->Count()) return;
    TBitmap* glyph = ItemGlyph(Index) == fgOpened    ? &FOpenedBMP
                     : ItemGlyph(Index) == fgCurrent ? &FCurrentBMP
                                                     : &FClosedBMP;
    const int scroll = ListBox()->HorizontalExtentValue();
    const int indent = ItemIndent(Index);
    Cnvs->Draw(TxtRect.Left + indent - scroll, TxtRect.Top + TxtRect.Height() / 2 - glyph->Height() / 2,
               glyph);
    Cnvs->Brush()->SetStyle(bsClear);
    const int glyphWidth = glyph->Empty() ? 16 : glyph->Width();
    TextRectVCenterOffset(Cnvs, Items()->Get(Index), TxtRect, glyphWidth + indent - scroll + 4);
}
