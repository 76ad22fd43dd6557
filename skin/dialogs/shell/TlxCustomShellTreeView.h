#pragma once

#include "platform/vcl/TComponentRef.h"
#include "skin/controls/TlxSkinCustomTreeView.h"
#include "skin/dialogs/shell/ShellTypes.h"
#include "skin/dialogs/shell/ShellViewEvents.h"
#include "skin/dialogs/shell/TShellItem.h"

#include <optional>
#include <string>

class TlxCustomShellChangeNotifier;
class TlxCustomShellComboBox;
class TlxCustomShellListView;
class TlxSkinPopupMenu;
class TMenuItem;
class TShellImageList;
class TShellLabelEditor;

// The skinned tree of the shell namespace below Root: one node per folder,
// each node's data its TShellItem (owned by the tree), children read when a
// node first expands. Right-click and the context menu: Open, Rename (F2),
// New Folder, Refresh, Move to Trash. Label editing renames. With
// AutoRefresh a change notifier on the selected folder refreshes it.
class TlxCustomShellTreeView : public TlxSkinCustomTreeView {
public:
    explicit TlxCustomShellTreeView(TComponent* AOwner);
    ~TlxCustomShellTreeView() override;

    // A root name ("rfDesktop", "rfMyComputer", ...) or an absolute folder.
    // A bad root rebuilds the tree from the previous one, reverts and raises
    // EInvalidPath "Error setting path: \"root\"".
    const std::string& Root() const { return FRoot; }
    void SetRoot(const std::string& Value);
    // The selected folder's path (a place's or the computer's display name;
    // empty without a selection). Setting it ("/..", "~/..", a place name)
    // expands the ancestors and selects the folder; a path that names no
    // existing folder raises EInvalidPath.
    std::string Path() const;
    void SetPath(const std::string& Value);
    TShellObjectTypes ObjectTypes() const { return FObjectTypes; }
    virtual void SetObjectTypes(TShellObjectTypes Value);
    bool AutoContextMenus() const { return FAutoContext; }
    void SetAutoContextMenus(bool Value) { FAutoContext = Value; }
    bool AutoRefresh() const { return FAutoRefresh; }
    void SetAutoRefresh(bool Value);
    bool UseShellImages() const { return FUseShellImages; }
    void SetUseShellImages(bool Value);

    // A linked list shows the tree's root and selected folder, and moves the
    // tree when it opens a folder.
    TlxCustomShellListView* ShellListView() const { return FListView; }
    void SetShellListView(TlxCustomShellListView* Value);
    // A linked combo box shows the chain down to the selected folder.
    TlxCustomShellComboBox* ShellComboBox() const { return FComboBox; }
    void SetShellComboBox(TlxCustomShellComboBox* Value);

    // The folder of a node (nullptr for none).
    static const TShellItem* FolderOf(const TTreeNode* Node);
    const TShellItem* SelectedFolder() const { return FolderOf(Selected()); }
    const TShellItem* RootFolder() const { return FRootFolder ? &*FRootFolder : nullptr; }
    // The node of ID in Start's subtree (read nodes only), Start included.
    TTreeNode* FindNodeByID(const TShellItem& ID, TTreeNode* Start) const;

    // Re-reads the node's subtree, keeping expanded nodes, the selection and
    // the top node. A node whose folder went away refreshes its nearest
    // existing ancestor; a selection that went away moves to its nearest
    // existing ancestor.
    void Refresh(TTreeNode* Node);
    // Selects and expands the computer.
    void ExpandMyComputer();
    // Expands the ancestors of ID and selects its node (the deepest ancestor
    // found when it has none).
    void SetPathFromID(const TShellItem& ID);
    virtual void ClearItems();

    // The context menu's commands on the selected node.
    void OpenSelected();
    void RenameSelected();
    void NewFolder();
    void RefreshSelected();
    void TrashSelected();

    TlxSkinPopupMenu* ContextMenu() const { return FContextMenu; }
    TShellLabelEditor* LabelEditor() const { return FEditor; }

    TAddFolderEvent OnAddFolder;
    TTVEditedEvent OnEdited;

protected:
    void Loaded() override;
    void CreateWnd() override;
    bool CanExpand(TTreeNode* Node) override;
    void Change(TTreeNode* Node) override;
    void Delete(TTreeNode* Node) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;

private:
    void LoadRoot();
    void RootChanged();
    void ClearNodes();
    void PopulateNode(TTreeNode* Node);
    TTreeNode* InitNode(TTreeNode* Parent, const TShellItem& Item);
    void SetNodeImages(TTreeNode* Node, const TShellItem& Item);
    bool HasSubItems(const TShellItem& Item) const;
    void SelectionChanged(TTreeNode* Node);
    void RetargetNotifier();
    void StartEditing(TTreeNode* Node);
    void EndEdit(const TShellItem& Item, const std::string& Text);
    void ShowContextMenu(TPoint Screen);
    // The linked views follow the selected folder, and the root.
    void SelectionMoved(const TShellItem& Folder);
    void RootMoved();
    void BuildContextMenu();

    std::string FPath;
    std::string FRoot = "rfDesktop";
    std::string FOldRoot = "rfDesktop";
    std::optional<TShellItem> FRootFolder;
    TShellObjectTypes FObjectTypes{otFolders};
    bool FUpdating = false;
    bool FLoadingRoot = false;
    bool FRebuilding = false;
    bool FAutoContext = true;
    bool FAutoRefresh = false;
    bool FUseShellImages = true;
    TShellImageList* FShellImages = nullptr;
    TComponentRef<TlxCustomShellChangeNotifier> FNotifier{this};
    TComponentRef<TlxCustomShellListView> FListView{this};
    TComponentRef<TlxCustomShellComboBox> FComboBox{this};
    TlxSkinPopupMenu* FContextMenu = nullptr;
    TShellLabelEditor* FEditor = nullptr;
};

// The published form of the shell folder tree.
class TlxSkinDirTreeView : public TlxCustomShellTreeView {
public:
    using TlxCustomShellTreeView::TlxCustomShellTreeView;
};
