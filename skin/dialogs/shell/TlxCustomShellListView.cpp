#include "skin/dialogs/shell/TlxCustomShellListView.h"

#include "platform/base/Strings.h"
#include "platform/base/SysUtils.h"
#include "platform/vcl/TMenu.h"
#include "platform/win/WinConst.h"
#include "skin/controls/TlxSkinPopupMenu.h"
#include "skin/dialogs/filectrl/FileMasks.h"
#include "skin/dialogs/shell/ShellDetails.h"
#include "skin/dialogs/shell/ShellEnumeration.h"
#include "skin/dialogs/shell/ShellFileOps.h"
#include "skin/dialogs/shell/ShellSort.h"
#include "skin/dialogs/shell/ShellTrash.h"
#include "skin/dialogs/shell/ShellViewContext.h"
#include "skin/dialogs/shell/ShellViewMenu.h"
#include "skin/dialogs/shell/TShellImageList.h"
#include "skin/dialogs/shell/TShellLabelEditor.h"
#include "skin/dialogs/shell/TlxCustomShellComboBox.h"
#include "skin/dialogs/shell/TlxCustomShellTreeView.h"
#include "skin/dialogs/shell/TlxShellChangeNotifier.h"
#include "skin/engine/ResourceStrData.h"

#include <algorithm>

TlxCustomShellListView::TlxCustomShellListView(TComponent* AOwner) : TlxSkinCustomListView(AOwner) {
    SetOwnerData(true);
    SetHideSelection(false);
    FSmallImages = new TShellImageList(this, 16);
    FLargeImages = new TShellImageList(this, 32);
    SetSmallImages(FSmallImages);
    SetLargeImages(FLargeImages);
    FEditor = new TShellLabelEditor(this);
    FContextMenu = new TlxSkinPopupMenu(this);
    AddShellViewMenuItems(FContextMenu, {
                                            [this] { OpenSelected(); },
                                            [this] { RenameSelected(); },
                                            [this] { NewFolder(); },
                                            [this] { Refresh(); },
                                            [this] { TrashSelected(); },
                                        });
}

TlxCustomShellListView::~TlxCustomShellListView() {
    FNotifier.Set(nullptr);
}

// ---- root, path and contents

void TlxCustomShellListView::SetRoot(const std::string& Value) {
    if (SameShellRoot(Value, FRoot)) return;
    FOldRoot = FRoot;
    FRoot = Value;
    LoadRoot();
    FSettingRoot = true;
    UpdateContents();
}

void TlxCustomShellListView::LoadRoot() {
    if (ComponentState().Contains(csLoading)) return;
    try {
        FRootFolder = ShellNamespace().Resolve(FRoot);
    } catch (const EInvalidPath&) {
        FRoot = FOldRoot;
        throw;
    }
}

std::string TlxCustomShellListView::Path() const {
    if (!FRootFolder) return {};
    return FRootFolder->IsVirtual() ? FRootFolder->DisplayName : FRootFolder->Path;
}

void TlxCustomShellListView::SetPath(const std::string& Value) {
    std::optional<TShellItem> item = ShellItemOfPath(Value);
    if (!item || item->Kind == ikFile || !ShellFolderExists(*item))
        throw EInvalidPath("Error setting path: \"" + Value + "\"");
    SetPathFromID(*item);
}

void TlxCustomShellListView::SetPathFromID(const TShellItem& ID) {
    // A folder gone since it was seen (a history entry, a linked view's) is
    // replaced by its nearest existing ancestor.
    const TShellItem folder = ShellFolderExists(ID) ? ID : NearestExistingFolder(ID);
    if (FUpdating || (FRootFolder && *FRootFolder == folder)) return;
    TKeepAlive alive(this);
    FRootFolder = folder;
    FSettingRoot = false;
    UpdateContents();
    if (!FreePending() && OnPathChanged) OnPathChanged(this);
}

void TlxCustomShellListView::SyncPathFromID(const TShellItem& ID) {
    if (FUpdating) return;
    if (!FRootFolder || !(*FRootFolder == ID)) SetPathFromID(ID);
}

void TlxCustomShellListView::UpdateContents() {
    if (FUpdating) return;
    TShellUpdating updating(FUpdating);
    SyncLinkedViews();
    Populate();
    if (ViewStyle() == vsReport) BuildColumns();
    RetargetNotifier();
}

void TlxCustomShellListView::SyncLinkedViews() {
    if (FSettingRoot) {
        if (FTreeView) FTreeView->SetRoot(FRoot);
    } else if (FRootFolder) {
        if (FTreeView) FTreeView->SetPathFromID(*FRootFolder);
        if (FComboBox) FComboBox->SyncPathFromID(*FRootFolder);
    }
    FSettingRoot = false;
}

void TlxCustomShellListView::ClearFolders() {
    if (!ComponentState().Contains(csDestroying)) Items()->SetCount(0);
    FFolders.clear();
}

bool TlxCustomShellListView::MatchesListMask(const TShellItem& Item) const {
    const std::string name = Item.Name();
    size_t start = 0;
    while (start <= FMask.size()) {
        size_t end = FMask.find_first_of(";|", start);
        if (end == std::string::npos) end = FMask.size();
        std::string_view token = std::string_view(FMask).substr(start, end - start);
        while (!token.empty() && token.front() == ' ')
            token.remove_prefix(1);
        while (!token.empty() && token.back() == ' ')
            token.remove_suffix(1);
        if (token == "*" || (token.find('.') != std::string_view::npos && MatchesMask(name, token)))
            return true;
        start = end + 1;
    }
    return false;
}

void TlxCustomShellListView::Populate() {
    if (ComponentState().Contains(csLoading) && !HandleAllocated()) return;
    Items()->BeginUpdate();
    ClearFolders();
    if (FRootFolder) {
        TShellListing listing = ListFolder(ShellNamespace(), *FRootFolder, FObjectTypes);
        for (TShellItem& item : listing.Items) {
            bool canAdd = item.IsFolder() || MatchesListMask(item);
            if (OnAddFolder) OnAddFolder(this, item, canAdd);
            if (canAdd) FFolders.push_back(std::move(item));
        }
        // Places and the computer keep the namespace's own order.
        if (FSorted && !FRootFolder->IsVirtual()) SortShellItems(FFolders);
    }
    Items()->SetCount(static_cast<int>(FFolders.size()));
    Items()->EndUpdate();
    Invalidate();
}

void TlxCustomShellListView::SortFolders() {
    static constexpr TShellSortColumn columns[] = {scName, scSize, scType, scModified};
    if (FSortColumn < 0 || FSortColumn > 3) return;
    SortShellItems(FFolders, columns[FSortColumn], FSortDirection, &ShellMimeDatabase());
}

void TlxCustomShellListView::ColClick(TListColumn* Column) {
    TKeepAlive alive(this);
    TlxSkinCustomListView::ColClick(Column);
    if (FreePending() || !Column) return;
    const int index = Column->Index();
    if (index != 0 && Columns()->Count() < 4) return;
    const std::vector<TShellItem> selected = SelectedItems();
    FOldSortColumn = FSortColumn;
    FSortColumn = index;
    FSortDirection = index == FOldSortColumn ? !FSortDirection : false;
    Items()->BeginUpdate();
    SortFolders();
    Items()->EndUpdate();
    SelectItems(selected, -1);
    Invalidate();
}

void TlxCustomShellListView::Refresh() {
    if (!FRootFolder) return;
    const int index = ItemIndex();
    const std::vector<TShellItem> selected = SelectedItems();
    ClearSelection();
    TShellItem folder = NearestExistingFolder(*FRootFolder);
    FRootFolder.reset();
    SetPathFromID(folder);
    SelectItems(selected, index);
}

void TlxCustomShellListView::Back() {
    if (!FRootFolder) return;
    if (std::optional<TShellItem> up = ShellNamespace().Up(*FRootFolder)) SetPathFromID(*up);
}

// ---- selection

const TShellItem* TlxCustomShellListView::FolderAt(int N) const {
    return N >= 0 && N < static_cast<int>(FFolders.size()) ? &FFolders[N] : nullptr;
}

const TShellItem* TlxCustomShellListView::SelectedFolder() {
    return FolderAt(ItemIndex());
}

std::vector<TShellItem> TlxCustomShellListView::SelectedItems() {
    std::vector<TShellItem> items;
    for (int i = 0; i < static_cast<int>(FFolders.size()); ++i)
        if (Items()->Item(i)->Selected()) items.push_back(FFolders[i]);
    return items;
}

void TlxCustomShellListView::SelectItems(const std::vector<TShellItem>& Wanted, int FallbackIndex) {
    bool any = false;
    for (int i = 0; i < static_cast<int>(FFolders.size()); ++i)
        if (std::find(Wanted.begin(), Wanted.end(), FFolders[i]) != Wanted.end()) {
            if (!any)
                SetItemIndex(i);
            else
                Items()->Item(i)->SetSelected(true);
            any = true;
        }
    if (!any && FallbackIndex >= 0 && FallbackIndex < static_cast<int>(FFolders.size())) {
        SetItemIndex(FallbackIndex);
        any = true;
    }
    if (any) Items()->Item(ItemIndex())->MakeVisible(false);
}

std::string TlxCustomShellListView::GetSelectedFile() {
    const TShellItem* item = SelectedFolder();
    return item && !item->IsFolder() ? item->Path : std::string();
}

void TlxCustomShellListView::GetSelectedFiles(TStrings* AFiles) {
    AFiles->Clear();
    for (const TShellItem& item : SelectedItems())
        if (!item.IsFolder()) AFiles->Add(item.Path);
}

// ---- rows

bool TlxCustomShellListView::OwnerDataFetch(TListItem* Item, TItemRequest Request) {
    const TShellItem* folder = FolderAt(Item->Index());
    if (!folder) return true;
    Item->SetCaption(folder->DisplayName);
    Item->SetImageIndex(TShellImageList::IndexOf(*folder));
    Item->SubItems()->Clear();
    if (ViewStyle() == vsReport) {
        const std::string details[] = {ShellSizeText(*folder), ShellTypeName(*folder, &ShellMimeDatabase()),
                                       ShellModifiedText(*folder)};
        for (int c = 1; c < Columns()->Count() && c <= 3; ++c)
            Item->SubItems()->Add(details[c - 1]);
    }
    (void)Request;
    return true;
}

int TlxCustomShellListView::OwnerDataFind(TItemFind Find, const std::string& FindString, TPoint, void*,
                                          int StartIndex, TSearchDirection, bool Wrap) {
    if ((Find != ifPartialString && Find != ifExactString) || StartIndex < 0) return -1;
    const int count = static_cast<int>(FFolders.size());
    if (count == 0) return -1;
    const std::string wanted = UpperCase(FindString);
    int i = std::min(StartIndex, count - 1);
    do {
        const std::string name = UpperCase(FFolders[i].DisplayName);
        if (Find == ifExactString ? name == wanted : name.compare(0, wanted.size(), wanted) == 0) return i;
        if (++i == count) {
            if (!Wrap) return -1;
            i = 0;
        }
    } while (i != std::min(StartIndex, count - 1));
    return -1;
}

void TlxCustomShellListView::SetViewStyle(TViewStyle Value) {
    TlxSkinCustomListView::SetViewStyle(Value);
    if (Value == vsReport) BuildColumns();
}

void TlxCustomShellListView::BuildColumns() {
    if (!FRootFolder) return;
    Columns()->BeginUpdate();
    Columns()->Clear();
    AddDefaultColumns(FRootFolder->Kind == ikDirectory ? 4 : 1);
    Columns()->EndUpdate();
}

void TlxCustomShellListView::AddDefaultColumns(int Count) {
    struct TColumnInfo {
        const char* Key;
        const char* Text;
        TAlignment Alignment;
        int Xs;
    };
    static constexpr TColumnInfo infos[] = {
        {"FLV_NAME", "Name", taLeftJustify, 25},
        {"FLV_SIZE", "Size", taRightJustify, 10},
        {"FLV_TYPE", "Type", taLeftJustify, 10},
        {"FLV_MODIFIED", "Modified", taLeftJustify, 14},
    };
    const TlxSkinData* sd = SkinData();
    const TlxResourceStrData* strings = sd ? sd->ResourceStrData() : nullptr;
    Canvas()->SetFont(*Font());
    const int x = std::max(1, Canvas()->TextWidth("X"));
    for (int i = 0; i < Count && i < 4; ++i) {
        TListColumn* column = Columns()->Add();
        column->SetCaption(strings ? strings->GetResStr(infos[i].Key) : infos[i].Text);
        column->SetAlignment(infos[i].Alignment);
        column->SetWidth(infos[i].Xs * x);
    }
}

// ---- navigation and keys

void TlxCustomShellListView::DblClick() {
    TKeepAlive alive(this);
    if (FAutoNavigate)
        if (const TShellItem* item = SelectedFolder(); item && item->IsFolder())
            EnterFolder(TShellItem(*item));
    if (FreePending()) return;
    TlxSkinCustomListView::DblClick();
}

void TlxCustomShellListView::KeyDown(uint16_t& Key, TShiftState Shift) {
    TKeepAlive alive(this);
    if (Key == VK_F2 && Shift.Empty()) {
        Key = 0;
        RenameSelected();
        return;
    }
    if (Key == VK_APPS) {
        Key = 0;
        const int index = ItemIndex();
        TRect r = index >= 0 ? ItemRect(index, drLabel) : TRect{0, 0, 0, 0};
        ShowContextMenu(ClientToScreen({r.Left, r.Bottom}));
        return;
    }
    TlxSkinCustomListView::KeyDown(Key, Shift);
    if (FreePending() || !FAutoNavigate) return;
    switch (Key) {
    case VK_BACK:
        if (!FEditor->Editing()) Back();
        break;
    case VK_RETURN:
        if (const TShellItem* item = SelectedFolder(); item && item->IsFolder() && !Shift.Contains(ssAlt))
            EnterFolder(TShellItem(*item));
        break;
    case VK_F5:
        Refresh();
        break;
    }
}

// ---- automatic refresh

void TlxCustomShellListView::SetAutoRefresh(bool Value) {
    FAutoRefresh = Value;
    if (ComponentState().Contains(csLoading)) return;
    if (!Value) {
        if (FNotifier) FNotifier->Free();
        return;
    }
    if (!FNotifier) {
        auto* notifier = new TlxShellChangeNotifier(this);
        notifier->SetWatchSubTree(false);
        FNotifier.Set(notifier);
    }
    RetargetNotifier();
    FNotifier->SetOnChange([this] { Refresh(); });
}

void TlxCustomShellListView::RetargetNotifier() {
    if (!FNotifier) return;
    FNotifier->SetRoot(FRootFolder && !FRootFolder->IsVirtual() ? FRootFolder->Path : std::string());
}

// ---- settings

void TlxCustomShellListView::SetMask(const std::string& Value) {
    if (Value == FMask) return;
    FMask = Value;
    UpdateContents();
}

void TlxCustomShellListView::SetObjectTypes(TShellObjectTypes Value) {
    FObjectTypes = Value;
    if (!ComponentState().Contains(csLoading)) UpdateContents();
}

void TlxCustomShellListView::SetSorted(bool Value) {
    if (Value == FSorted) return;
    FSorted = Value;
    Populate();
}

// ---- links

void TlxCustomShellListView::SetShellTreeView(TlxCustomShellTreeView* Value) {
    LinkShellView(this, FTreeView, Value, &TlxCustomShellTreeView::ShellListView,
                  &TlxCustomShellTreeView::SetShellListView);
}

void TlxCustomShellListView::SetShellComboBox(TlxCustomShellComboBox* Value) {
    LinkShellView(this, FComboBox, Value, &TlxCustomShellComboBox::ShellListView,
                  &TlxCustomShellComboBox::SetShellListView);
}

// ---- window

void TlxCustomShellListView::Loaded() {
    TlxSkinCustomListView::Loaded();
    Populate();
    SetAutoRefresh(FAutoRefresh);
}

void TlxCustomShellListView::CreateWnd() {
    TlxSkinCustomListView::CreateWnd();
    if (FRootFolder) return;
    LoadRoot();
    UpdateContents();
}

// ---- commands

void TlxCustomShellListView::OpenSelected() {
    const TShellItem* item = SelectedFolder();
    if (!item) return;
    if (item->IsFolder())
        EnterFolder(TShellItem(*item));
    else
        ExecuteDefault(*item);
}

void TlxCustomShellListView::EnterFolder(const TShellItem& Folder) {
    if (ShellFolderExists(Folder))
        SetPathFromID(Folder);
    else
        Refresh();
}

void TlxCustomShellListView::RenameSelected() {
    StartEditing(ItemIndex());
}

void TlxCustomShellListView::StartEditing(int Index) {
    const TShellItem* item = FolderAt(Index);
    if (!item || !CanRenameShellItem(*item)) return;
    MakeItemVisible(Index, false);
    TRect r = ItemRect(Index, drLabel);
    r.Right = std::max(r.Right + 40, r.Left + 120);
    TShellItem edited = *item;
    FEditor->Start(r, item->DisplayName, [this, edited](const std::string& Text) { EndEdit(edited, Text); });
}

void TlxCustomShellListView::EndEdit(const TShellItem& Item, const std::string& Text) {
    auto it = std::find(FFolders.begin(), FFolders.end(), Item);
    if (it == FFolders.end() || Text.empty()) return;
    try {
        if (!RenameShellItem(*it, Text)) return;
    } catch (const EInvalidPath& e) {
        ReportShellError(this, SkinData(), e.Message());
        return;
    }
    const TShellItem renamed = *it;
    Invalidate();
    if (FTreeView && FTreeView->Selected()) FTreeView->Refresh(FTreeView->Selected());
    Refresh();
    SelectItems({renamed}, -1);
}

void TlxCustomShellListView::NewFolder() {
    if (!FRootFolder || FRootFolder->Kind != ikDirectory) return;
    TShellItem created;
    try {
        created = CreateNewFolder(FRootFolder->Path);
    } catch (const EInvalidPath& e) {
        ReportShellError(this, SkinData(), e.Message());
        return;
    }
    Refresh();
    ClearSelection();
    SelectItems({created}, -1);
    auto it = std::find(FFolders.begin(), FFolders.end(), created);
    if (it != FFolders.end()) StartEditing(static_cast<int>(it - FFolders.begin()));
}

void TlxCustomShellListView::TrashSelected() {
    std::vector<TShellItem> items = SelectedItems();
    if (items.empty()) return;
    for (const TShellItem& item : items) {
        if (!CanRenameShellItem(item)) continue;
        TTrashResult result = MoveToTrash(item.Path);
        if (!result.Ok)
            ReportShellError(this, SkinData(),
                             "Cannot move \"" + item.DisplayName + "\" to the trash: " + result.Error);
    }
    const int index = ItemIndex();
    Refresh();
    if (ItemIndex() < 0 && !FFolders.empty())
        SetItemIndex(std::min(index, static_cast<int>(FFolders.size()) - 1));
}

void TlxCustomShellListView::ShowContextMenu(TPoint Screen) {
    if (!FAutoContext || PopupMenu()) return;
    UpdateShellViewMenu(FContextMenu, SelectedFolder(), RootFolder());
    FContextMenu->Popup(Screen.X, Screen.Y);
}

void TlxCustomShellListView::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TlxSkinCustomListView::MouseUp(Button, Shift, X, Y);
    if (FreePending()) return;
    if (Button == TMouseButton::mbRight) ShowContextMenu(ClientToScreen({X, Y}));
}
