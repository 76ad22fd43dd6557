#include "skin/dialogs/shell/TlxCustomShellTreeView.h"

#include "platform/vcl/TMenu.h"
#include "platform/win/WinConst.h"
#include "skin/controls/TlxSkinPopupMenu.h"
#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/shell/ShellEnumeration.h"
#include "skin/dialogs/shell/ShellFileOps.h"
#include "skin/dialogs/shell/ShellSort.h"
#include "skin/dialogs/shell/ShellTrash.h"
#include "skin/dialogs/shell/ShellViewContext.h"
#include "skin/dialogs/shell/ShellViewMenu.h"
#include "skin/dialogs/shell/TShellImageList.h"
#include "skin/dialogs/shell/TShellLabelEditor.h"
#include "skin/dialogs/shell/TlxCustomShellComboBox.h"
#include "skin/dialogs/shell/TlxCustomShellListView.h"
#include "skin/dialogs/shell/TlxShellChangeNotifier.h"

#include <set>

TlxCustomShellTreeView::TlxCustomShellTreeView(TComponent* AOwner) : TlxSkinCustomTreeView(AOwner) {
    SetShowRoot(false);
    SetRightClickSelect(true);
    SetHideSelection(false);
    FShellImages = new TShellImageList(this, 16);
    SetImages(FShellImages);
    FEditor = new TShellLabelEditor(this);
    BuildContextMenu();
}

TlxCustomShellTreeView::~TlxCustomShellTreeView() {
    FNotifier.Set(nullptr);
    // The nodes go with the base, which tells no one: free their folders now.
    for (TTreeNode* n = Items()->GetFirstNode(); n; n = n->GetNext()) {
        delete static_cast<TShellItem*>(n->Data());
        n->SetData(nullptr);
    }
}

const TShellItem* TlxCustomShellTreeView::FolderOf(const TTreeNode* Node) {
    return Node ? static_cast<const TShellItem*>(Node->Data()) : nullptr;
}

void TlxCustomShellTreeView::BuildContextMenu() {
    FContextMenu = new TlxSkinPopupMenu(this);
    AddShellViewMenuItems(FContextMenu, {
                                            [this] { OpenSelected(); },
                                            [this] { RenameSelected(); },
                                            [this] { NewFolder(); },
                                            [this] { RefreshSelected(); },
                                            [this] { TrashSelected(); },
                                        });
}

// ---- root and nodes

void TlxCustomShellTreeView::SetRoot(const std::string& Value) {
    if (SameShellRoot(Value, FRoot)) return;
    FOldRoot = FRoot;
    FRoot = Value;
    RootChanged();
}

void TlxCustomShellTreeView::SetObjectTypes(TShellObjectTypes Value) {
    FObjectTypes = Value;
    RootChanged();
}

void TlxCustomShellTreeView::RootChanged() {
    if (FUpdating) return;
    TShellUpdating updating(FUpdating);
    LoadRoot();
    RootMoved();
}

void TlxCustomShellTreeView::LoadRoot() {
    if (ComponentState().Contains(csLoading)) return;
    std::optional<EInvalidPath> error;
    try {
        FRootFolder = ShellNamespace().Resolve(FRoot);
    } catch (const EInvalidPath& e) {
        error = e;
        FRoot = FOldRoot;
        if (!FRootFolder) {
            try {
                FRootFolder = ShellNamespace().Resolve(FRoot);
            } catch (const EInvalidPath&) {
                FRootFolder = ShellNamespace().PlacesItem();
            }
        }
    }
    if (FRootFolder) {
        TShellUpdating loading(FLoadingRoot);
        ClearNodes();
        TTreeNode* node = InitNode(nullptr, *FRootFolder);
        if (node) {
            node->Expand(false);
            SetSelected(node);
        }
    }
    if (error) throw *error;
}

void TlxCustomShellTreeView::ClearNodes() {
    TShellUpdating rebuilding(FRebuilding);
    Items()->BeginUpdate();
    Items()->Clear();
    Items()->EndUpdate();
}

void TlxCustomShellTreeView::ClearItems() {
    ClearNodes();
}

void TlxCustomShellTreeView::SetNodeImages(TTreeNode* Node, const TShellItem& Item) {
    if (!FUseShellImages || Images() != FShellImages) return;
    Node->SetImageIndex(TShellImageList::IndexOf(Item));
    Node->SetSelectedIndex(TShellImageList::IndexOf(Item, true));
}

bool TlxCustomShellTreeView::HasSubItems(const TShellItem& Item) const {
    if (Item.IsVirtual()) return true;
    // A network volume is never read to decide: it may not answer.
    if (Item.Volume == vkNetwork) return true;
    if (Item.Kind != ikDirectory) return false;
    TShellListing listing = ListDirectory(Item.Path, FObjectTypes);
    return !listing.Items.empty();
}

TTreeNode* TlxCustomShellTreeView::InitNode(TTreeNode* Parent, const TShellItem& Item) {
    bool canAdd = true;
    if (OnAddFolder) OnAddFolder(this, Item, canAdd);
    if (!canAdd) return nullptr;
    TTreeNode* node = Items()->AddChildObject(Parent, Item.DisplayName, new TShellItem(Item));
    SetNodeImages(node, Item);
    node->SetHasChildren(HasSubItems(Item));
    return node;
}

void TlxCustomShellTreeView::PopulateNode(TTreeNode* Node) {
    const TShellItem* folder = FolderOf(Node);
    if (!folder) return;
    TShellListing listing = ListFolder(ShellNamespace(), *folder, FObjectTypes);
    // Places and the computer keep the namespace's own order.
    if (!folder->IsVirtual()) SortShellItems(listing.Items);
    Items()->BeginUpdate();
    for (const TShellItem& item : listing.Items)
        InitNode(Node, item);
    Items()->EndUpdate();
}

bool TlxCustomShellTreeView::CanExpand(TTreeNode* Node) {
    bool allow = TlxSkinCustomTreeView::CanExpand(Node);
    if (const TShellItem* item = FolderOf(Node); allow && item) {
        if (item->Kind == ikFile) {
            ExecuteDefault(*item);
            allow = false;
        } else if (Node->Count() == 0) {
            PopulateNode(Node);
        }
    }
    // A refused or empty first expansion takes the expand button away.
    Node->SetHasChildren(Node->Count() > 0);
    return allow;
}

void TlxCustomShellTreeView::Delete(TTreeNode* Node) {
    delete static_cast<TShellItem*>(Node->Data());
    Node->SetData(nullptr);
    TlxSkinCustomTreeView::Delete(Node);
}

// ---- selection

void TlxCustomShellTreeView::Change(TTreeNode* Node) {
    TKeepAlive alive(this);
    // Rebuilding moves the selection through nodes that go away: only the
    // final selection is announced, by Refresh.
    if (FRebuilding) return;
    if (!FUpdating && Node) {
        // A folder deleted since it was listed is not selected: its nearest
        // existing ancestor is read again and selected instead.
        if (const TShellItem* folder = FolderOf(Node);
            folder && folder->IsFolder() && Node->Parent() && !ShellFolderExists(*folder)) {
            Refresh(Node);
            return;
        }
        SelectionChanged(Node);
    }
    RetargetNotifier();
    if (FreePending()) return;
    TlxSkinCustomTreeView::Change(Node);
}

void TlxCustomShellTreeView::SelectionChanged(TTreeNode* Node) {
    const TShellItem* folder = FolderOf(Node);
    if (!folder) return;
    TShellItem shown = *folder;
    if (shown.Kind == ikFile && Node->Parent()) shown = *FolderOf(Node->Parent());
    TShellUpdating updating(FUpdating);
    SelectionMoved(shown);
}

void TlxCustomShellTreeView::SelectionMoved(const TShellItem& Folder) {
    TKeepAlive alive(this);
    if (FComboBox) FComboBox->SyncPathFromID(Folder);
    if (FreePending()) return;
    if (FListView) FListView->SyncPathFromID(Folder);
}

void TlxCustomShellTreeView::RootMoved() {
    if (FListView) FListView->SetRoot(FRoot);
}

void TlxCustomShellTreeView::SetShellComboBox(TlxCustomShellComboBox* Value) {
    LinkShellView(this, FComboBox, Value, &TlxCustomShellComboBox::ShellTreeView,
                  &TlxCustomShellComboBox::SetShellTreeView);
}

void TlxCustomShellTreeView::SetShellListView(TlxCustomShellListView* Value) {
    LinkShellView(this, FListView, Value, &TlxCustomShellListView::ShellTreeView,
                  &TlxCustomShellListView::SetShellTreeView);
}

TTreeNode* TlxCustomShellTreeView::FindNodeByID(const TShellItem& ID, TTreeNode* Start) const {
    if (!Start) return nullptr;
    const int level = Start->Level();
    for (TTreeNode* n = Start; n; n = n->GetNext()) {
        if (n != Start && n->Level() <= level) break;
        if (const TShellItem* item = FolderOf(n); item && *item == ID) return n;
    }
    return nullptr;
}

void TlxCustomShellTreeView::SetPathFromID(const TShellItem& ID) {
    if (ComponentState().Contains(csLoading)) return;
    if (ID.IsFolder() && !ShellFolderExists(ID)) {
        // A folder gone since it was seen (a history entry, a linked view's)
        // gives way to its nearest existing ancestor, read again so that the
        // gone folder's node goes too.
        TKeepAlive alive(this);
        SetPathFromID(NearestExistingFolder(ID));
        if (!FreePending() && Selected()) Refresh(Selected());
        return;
    }
    if (const TShellItem* sel = SelectedFolder(); sel && *sel == ID) return;
    TTreeNode* target = nullptr;
    {
        TShellUpdating updating(FUpdating);
        Items()->BeginUpdate();
        TTreeNode* current = Items()->GetFirstNode();
        for (const TShellItem& ancestor : ShellNamespace().Ancestors(ID))
            if (TTreeNode* n = FindNodeByID(ancestor, current)) {
                n->Expand(false);
                current = n;
            }
        target = FindNodeByID(ID, current);
        if (!target) target = current;
        Items()->EndUpdate();
        if (target) SetSelected(target);
    }
    if (target && !FreePending()) SelectionChanged(target);
}

std::string TlxCustomShellTreeView::Path() const {
    const TShellItem* sel = SelectedFolder();
    if (!sel) return {};
    return sel->IsVirtual() ? sel->DisplayName : sel->Path;
}

void TlxCustomShellTreeView::SetPath(const std::string& Value) {
    FPath = Value;
    std::optional<TShellItem> item = ShellItemOfPath(Value);
    if (!item || !ShellFolderExists(*item) || item->Kind == ikFile)
        throw EInvalidPath("Error setting path: \"" + Value + "\"");
    if (!HandleAllocated() || ComponentState().Contains(csLoading)) return;
    if (Items()->Count() == 0) LoadRoot();
    SetPathFromID(*item);
    if (TTreeNode* sel = Selected()) sel->Expand(false);
}

void TlxCustomShellTreeView::ExpandMyComputer() {
    SetPathFromID(ShellNamespace().ComputerItem());
    if (TTreeNode* sel = Selected()) sel->Expand(false);
}

// ---- refreshing

void TlxCustomShellTreeView::Refresh(TTreeNode* Node) {
    if (!Node || !FolderOf(Node)) return;
    while (Node->Parent() && !ShellFolderExists(*FolderOf(Node)))
        Node = Node->Parent();
    const std::optional<TShellItem> selected =
        SelectedFolder() ? std::optional<TShellItem>(*SelectedFolder()) : std::nullopt;
    const TTreeNode* topNode = TopItem();
    const std::optional<TShellItem> top =
        FolderOf(topNode) ? std::optional<TShellItem>(*FolderOf(topNode)) : std::nullopt;
    std::set<std::pair<int, std::string>> expanded;
    auto key = [](const TShellItem& i) {
        return std::pair<int, std::string>(static_cast<int>(i.Kind), i.Path);
    };
    const int level = Node->Level();
    for (TTreeNode* n = Node; n && (n == Node || n->Level() > level); n = n->GetNext())
        if (n->Expanded()) expanded.insert(key(*FolderOf(n)));

    TTreeNode* target = nullptr;
    {
        TShellUpdating rebuilding(FRebuilding);
        Items()->BeginUpdate();
        Node->DeleteChildren();
        PopulateNode(Node);
        Node->SetHasChildren(Node->Count() > 0);
        for (TTreeNode* n = Node; n && (n == Node || n->Level() > level); n = n->GetNext())
            if (expanded.contains(key(*FolderOf(n)))) n->Expand(false);
        Items()->EndUpdate();
        if (selected) {
            TTreeNode* first = Items()->GetFirstNode();
            target = FindNodeByID(*selected, first);
            if (!target) {
                std::vector<TShellItem> ancestors = ShellNamespace().Ancestors(*selected);
                for (size_t i = ancestors.size(); !target && i-- > 0;)
                    target = FindNodeByID(ancestors[i], first);
            }
            SetSelected(target);
        }
        if (top)
            if (TTreeNode* t = FindNodeByID(*top, Items()->GetFirstNode())) SetTopItem(t);
    }
    // A selection that moved is announced once, and the linked views follow.
    if (selected && (!target || !(*FolderOf(target) == *selected))) {
        TKeepAlive alive(this);
        Change(target);
    }
}

void TlxCustomShellTreeView::RefreshSelected() {
    if (Selected()) Refresh(Selected());
}

// ---- automatic refresh

void TlxCustomShellTreeView::SetAutoRefresh(bool Value) {
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
    FNotifier->SetOnChange([this] { RefreshSelected(); });
}

void TlxCustomShellTreeView::RetargetNotifier() {
    if (!FNotifier) return;
    const TShellItem* folder = SelectedFolder();
    if (!folder && FRootFolder) folder = &*FRootFolder;
    // Places and the computer have no folder to watch.
    FNotifier->SetRoot(folder && !folder->IsVirtual() ? folder->Path : std::string());
}

// ---- images

void TlxCustomShellTreeView::SetUseShellImages(bool Value) {
    FUseShellImages = Value;
    if (Value && !Images())
        SetImages(FShellImages);
    else if (!Value && Images() == FShellImages)
        SetImages(nullptr);
}

// ---- window

void TlxCustomShellTreeView::Loaded() {
    TlxSkinCustomTreeView::Loaded();
    LoadRoot();
    if (FAutoRefresh) SetAutoRefresh(true);
}

void TlxCustomShellTreeView::CreateWnd() {
    TlxSkinCustomTreeView::CreateWnd();
    if (FLoadingRoot || Items()->Count() > 0) return;
    LoadRoot();
    if (!FPath.empty()) SetPath(FPath);
}

// ---- commands

void TlxCustomShellTreeView::OpenSelected() {
    TTreeNode* node = Selected();
    const TShellItem* item = FolderOf(node);
    if (!item) return;
    if (item->Kind == ikFile)
        ExecuteDefault(*item);
    else
        node->Expand(false);
}

void TlxCustomShellTreeView::RenameSelected() {
    if (Selected()) StartEditing(Selected());
}

void TlxCustomShellTreeView::StartEditing(TTreeNode* Node) {
    const TShellItem* item = FolderOf(Node);
    if (!item || !CanRenameShellItem(*item)) return;
    Node->MakeVisible();
    TRect r = Node->DisplayRect(true);
    r.Right = std::max(r.Right + 40, ClientWidth() - 2);
    TShellItem edited = *item;
    FEditor->Start(r, Node->Text(), [this, edited](const std::string& Text) { EndEdit(edited, Text); });
}

void TlxCustomShellTreeView::EndEdit(const TShellItem& Item, const std::string& Text) {
    TTreeNode* node = FindNodeByID(Item, Items()->GetFirstNode());
    if (!node || Text.empty()) return;
    std::string text = Text;
    TKeepAlive alive(this);
    if (OnEdited) OnEdited(this, node, text);
    if (FreePending() || text.empty()) return;
    auto* folder = static_cast<TShellItem*>(node->Data());
    try {
        if (RenameShellItem(*folder, text)) node->SetText(folder->DisplayName);
    } catch (const EInvalidPath& e) {
        ReportShellError(this, SkinData(), e.Message());
        return;
    }
    const bool wasSelected = node == Selected();
    const TShellItem renamed = *folder;
    if (node->Parent()) Refresh(node->Parent());
    // The selected folder has a new path: its watchers, linked views and
    // change handler learn it as of any other selection.
    if (wasSelected)
        if (TTreeNode* n = FindNodeByID(renamed, Items()->GetFirstNode())) Change(n);
}

void TlxCustomShellTreeView::NewFolder() {
    TTreeNode* node = Selected();
    const TShellItem* parent = FolderOf(node);
    if (!parent || parent->Kind != ikDirectory) return;
    TShellItem created;
    try {
        created = CreateNewFolder(parent->Path);
    } catch (const EInvalidPath& e) {
        ReportShellError(this, SkinData(), e.Message());
        return;
    }
    Refresh(node);
    node = FindNodeByID(*parent, Items()->GetFirstNode());
    if (!node) return;
    node->Expand(false);
    if (TTreeNode* made = FindNodeByID(created, node)) {
        SetSelected(made);
        StartEditing(made);
    }
}

void TlxCustomShellTreeView::TrashSelected() {
    TTreeNode* node = Selected();
    const TShellItem* item = FolderOf(node);
    if (!item || !node->Parent() || !CanRenameShellItem(*item)) return;
    TTrashResult result = MoveToTrash(item->Path);
    if (!result.Ok) {
        ReportShellError(this, SkinData(),
                         "Cannot move \"" + item->DisplayName + "\" to the trash: " + result.Error);
        return;
    }
    Refresh(node->Parent());
}

void TlxCustomShellTreeView::ShowContextMenu(TPoint Screen) {
    if (!FAutoContext || PopupMenu() || !Selected()) return;
    UpdateShellViewMenu(FContextMenu, SelectedFolder());
    FContextMenu->Popup(Screen.X, Screen.Y);
}

void TlxCustomShellTreeView::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TlxSkinCustomTreeView::MouseUp(Button, Shift, X, Y);
    if (FreePending()) return;
    if (Button == TMouseButton::mbRight && GetNodeAt(X, Y)) ShowContextMenu(ClientToScreen({X, Y}));
}

void TlxCustomShellTreeView::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (Key == VK_F2 && Shift.Empty()) {
        Key = 0;
        RenameSelected();
        return;
    }
    if (Key == VK_APPS) {
        Key = 0;
        if (TTreeNode* sel = Selected()) {
            TRect r = sel->DisplayRect(true);
            ShowContextMenu(ClientToScreen({r.Left, r.Bottom}));
        }
        return;
    }
    TlxSkinCustomTreeView::KeyDown(Key, Shift);
}
