#include "skin/dialogs/shell/TlxCustomShellComboBox.h"

#include "platform/base/Strings.h"
#include "platform/gdi/TCanvas.h"
#include "skin/controls/TlxPopupListBox.h"
#include "skin/dialogs/shell/ShellEnumeration.h"
#include "skin/dialogs/shell/ShellSort.h"
#include "skin/dialogs/shell/ShellViewContext.h"
#include "skin/dialogs/shell/TShellImageList.h"
#include "skin/dialogs/shell/TlxCustomShellListView.h"
#include "skin/dialogs/shell/TlxCustomShellTreeView.h"

TlxCustomShellComboBox::TlxCustomShellComboBox(TComponent* AOwner) : TlxSkinCustomComboBox(AOwner) {
    FImages = new TShellImageList(this, 16);
    FImageWidth = FImages->Width();
    FImageHeight = FImages->Height();
    OnComboBoxDrawItem = [this](TCanvas* C, int Index, int, int, const TRect& R, TOwnerDrawState) {
        DrawItem(C, Index, R, 0);
    };
    ListBox()->OnDrawItem = [this](TCanvas* C, int Index, int, int, const TRect& R, TOwnerDrawState) {
        if (Index >= 0 && Index < static_cast<int>(FItemsEx.size()))
            DrawItem(C, Index, R, FItemsEx[Index].Indent);
    };
}

TlxCustomShellComboBox::~TlxCustomShellComboBox() {
    OnComboBoxDrawItem = nullptr;
    if (ListBox()) ListBox()->OnDrawItem = nullptr;
}

// ---- entries

void TlxCustomShellComboBox::CopyCaptions() {
    TStrings* items = Items();
    items->BeginUpdate();
    items->Clear();
    for (const TlxItemEx& item : FItemsEx)
        items->Add(item.Caption);
    items->EndUpdate();
}

void TlxCustomShellComboBox::ClearItems() {
    FItemsEx.clear();
    CopyCaptions();
}

void TlxCustomShellComboBox::RebuildItems() {
    if (ComponentState().Contains(csLoading)) return;
    FItemsEx.clear();
    std::optional<EInvalidPath> error;
    try {
        FRootFolder = ShellNamespace().Resolve(FRoot);
    } catch (const EInvalidPath& e) {
        // The previous root stays.
        error = e;
        FRoot = FOldRoot;
        if (!FRootFolder) FRootFolder = ShellNamespace().PlacesItem();
    }
    FItemsEx.push_back({FRootFolder->DisplayName, *FRootFolder, 0, TShellImageList::IndexOf(*FRootFolder)});
    InitItems();
    CopyCaptions();
    if (error) throw *error;
}

void TlxCustomShellComboBox::InitItems() {
    AddChildItems(0, *FRootFolder);
    if (FRoot == "rfDesktop") {
        const int computer = IndexOfID(ShellNamespace().ComputerItem());
        if (computer >= 0) AddChildItems(computer, FItemsEx[computer].Data);
    }
}

void TlxCustomShellComboBox::AddChildItems(int AIndex, const TShellItem& AFolder) {
    TShellListing listing = ListFolder(ShellNamespace(), AFolder, FObjectTypes);
    if (!AFolder.IsVirtual()) SortShellItems(listing.Items);
    const int indent = FItemsEx[AIndex].Indent + 1;
    int at = AIndex + 1;
    for (const TShellItem& item : listing.Items)
        InsertFolderItem(at++, item, indent);
}

void TlxCustomShellComboBox::InsertFolderItem(int Index, const TShellItem& Folder, int Indent) {
    FItemsEx.insert(FItemsEx.begin() + Index,
                    TlxItemEx{Folder.DisplayName, Folder, Indent, TShellImageList::IndexOf(Folder)});
}

int TlxCustomShellComboBox::IndexOfID(const TShellItem& ID) const {
    for (int i = static_cast<int>(FItemsEx.size()) - 1; i >= 0; --i)
        if (FItemsEx[i].Data == ID) return i;
    return -1;
}

const TShellItem* TlxCustomShellComboBox::FolderAt(int N) const {
    if (FItemsEx.empty() || N < 0) return nullptr;
    return &FItemsEx[std::min<size_t>(N, FItemsEx.size() - 1)].Data;
}

void TlxCustomShellComboBox::SelectQuietly(int Index) {
    TShellUpdating updating(FUpdating);
    SetItemIndex(Index);
}

void TlxCustomShellComboBox::SetPathFromID(const TShellItem& ID) {
    RebuildItems();
    std::vector<TShellItem> ancestors = ShellNamespace().Ancestors(ID);
    int anchor = -1;
    size_t below = ancestors.size();
    for (size_t k = ancestors.size(); anchor < 0 && k-- > 0;)
        if ((anchor = IndexOfID(ancestors[k])) >= 0) below = k + 1;
    if (anchor < 0) {
        CopyCaptions();
        SelectQuietly(0);
        return;
    }
    // Each link of the chain one step deeper than the one above it.
    int i = anchor;
    int indent = FItemsEx[anchor].Indent;
    for (size_t k = below; k < ancestors.size(); ++k)
        InsertFolderItem(++i, ancestors[k], ++indent);
    int target = IndexOfID(ID);
    if (target < 0) {
        InsertFolderItem(++i, ID, ++indent);
        target = i;
    }
    CopyCaptions();
    SelectQuietly(target);
}

void TlxCustomShellComboBox::SyncPathFromID(const TShellItem& ID) {
    if (FUpdating) return;
    if (const TShellItem* shown = FolderAt(ItemIndex()); shown && ItemIndex() >= 0 && *shown == ID) return;
    TShellUpdating updating(FUpdating);
    SetPathFromID(ID);
}

std::string TlxCustomShellComboBox::Path() const {
    if (ItemIndex() < 0) return {};
    const TShellItem* item = FolderAt(ItemIndex());
    return item->IsVirtual() ? item->DisplayName : item->Path;
}

void TlxCustomShellComboBox::SetPath(const std::string& Value) {
    std::optional<TShellItem> item = ShellItemOfPath(Value);
    if (!item || item->Kind == ikFile || !ShellFolderExists(*item))
        throw EInvalidPath("Error setting path: \"" + Value + "\"");
    SetPathFromID(*item);
}

// ---- the user's choice

void TlxCustomShellComboBox::Change() {
    TlxSkinCustomComboBox::Change();
    const int index = ItemIndex();
    if (FUpdating || index < 0 || IsPopupVisible()) return;
    TKeepAlive alive(this);
    const TShellItem chosen = *FolderAt(index);
    TShellUpdating updating(FUpdating);
    SetPathFromID(chosen);
    if (FTreeView) FTreeView->SetPathFromID(chosen);
    if (FreePending()) return;
    if (FListView) FListView->SyncPathFromID(chosen);
}

// ---- root and links

void TlxCustomShellComboBox::SetRoot(const std::string& Value) {
    if (SameShellRoot(Value, FRoot)) return;
    FOldRoot = FRoot;
    FRoot = Value;
    RootChanged();
}

void TlxCustomShellComboBox::SetObjectTypes(TShellObjectTypes Value) {
    FObjectTypes = Value;
    RootChanged();
}

void TlxCustomShellComboBox::RootChanged() {
    TShellUpdating updating(FUpdating);
    RebuildItems();
    SelectQuietly(FItemsEx.empty() ? -1 : 0);
    if (FTreeView) FTreeView->SetRoot(FRoot);
    if (FListView) FListView->SetRoot(FRoot);
}

void TlxCustomShellComboBox::SetShellTreeView(TlxCustomShellTreeView* Value) {
    LinkShellView(this, FTreeView, Value, &TlxCustomShellTreeView::ShellComboBox,
                  &TlxCustomShellTreeView::SetShellComboBox);
}

void TlxCustomShellComboBox::SetShellListView(TlxCustomShellListView* Value) {
    LinkShellView(this, FListView, Value, &TlxCustomShellListView::ShellComboBox,
                  &TlxCustomShellListView::SetShellComboBox);
}

// ---- window

void TlxCustomShellComboBox::Loaded() {
    TlxSkinCustomComboBox::Loaded();
    RebuildItems();
    SelectQuietly(FItemsEx.empty() ? -1 : 0);
}

void TlxCustomShellComboBox::CreateWnd() {
    TlxSkinCustomComboBox::CreateWnd();
    if (!FItemsEx.empty()) return;
    RebuildItems();
    SelectQuietly(FItemsEx.empty() ? -1 : 0);
}

// ---- painting

void TlxCustomShellComboBox::DrawItem(TCanvas* C, int Index, const TRect& TxtRect, int Indent) {
    if (Index < 0 || Index >= static_cast<int>(FItemsEx.size())) return;
    const TlxItemEx& item = FItemsEx[Index];
    const int left = TxtRect.Left + Indent * FImageWidth / 2;
    const int iconTop = TxtRect.Top + (TxtRect.Height() - FImageHeight) / 2;
    FImages->Draw(C, left, iconTop, item.ImageIndex);
    C->Brush()->SetStyle(bsClear);
    const int textTop = TxtRect.Top + TxtRect.Height() / 2 - C->TextHeight("Wg") / 2;
    C->TextOut(left + FImageWidth + 4, textTop, item.Caption);
}
