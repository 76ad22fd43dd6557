#pragma once

#include "platform/vcl/TComponentRef.h"
#include "skin/controls/TlxSkinCustomListView.h"
#include "skin/dialogs/shell/ShellTypes.h"
#include "skin/dialogs/shell/ShellViewEvents.h"
#include "skin/dialogs/shell/TShellItem.h"

#include <optional>
#include <string>
#include <vector>

class TlxCustomShellChangeNotifier;
class TlxCustomShellTreeView;
class TlxCustomShellComboBox;
class TlxSkinPopupMenu;
class TShellImageList;
class TShellLabelEditor;
class TStrings;

// The skinned list of one folder of the shell namespace, the current folder:
// its sub-folders and the files Mask lets through, folders first. Rows are
// asked for when painted (owner data); row n shows entry n of Folders().
// Clicking a column sorts by it (again: descending); a double click or Enter
// enters a folder, Backspace goes up, F5 re-reads, F2 renames. Right-click
// and the context menu: Open, Rename, New Folder, Refresh, Move to Trash.
class TlxCustomShellListView : public TlxSkinCustomListView {
public:
    explicit TlxCustomShellListView(TComponent* AOwner);
    ~TlxCustomShellListView() override;

    // A root name or an absolute folder: the folder shown first. A bad root
    // reverts and raises EInvalidPath "Error setting path: \"root\"".
    const std::string& Root() const { return FRoot; }
    void SetRoot(const std::string& Value);
    // The current folder's path (a place's display name; empty without one).
    // Setting it ("/..", "~/..", a place name) opens that folder; anything
    // else raises EInvalidPath.
    std::string Path() const;
    void SetPath(const std::string& Value);
    // Masks separated by ";" or "|"; a part without a dot (a filter's
    // description) takes nothing but "*" takes every file. Folders always show.
    const std::string& Mask() const { return FMask; }
    void SetMask(const std::string& Value);
    TShellObjectTypes ObjectTypes() const { return FObjectTypes; }
    void SetObjectTypes(TShellObjectTypes Value);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    bool AutoContextMenus() const { return FAutoContext; }
    void SetAutoContextMenus(bool Value) { FAutoContext = Value; }
    bool AutoNavigate() const { return FAutoNavigate; }
    void SetAutoNavigate(bool Value) { FAutoNavigate = Value; }
    bool AutoRefresh() const { return FAutoRefresh; }
    void SetAutoRefresh(bool Value);
    void SetViewStyle(TViewStyle Value);

    TlxCustomShellTreeView* ShellTreeView() const { return FTreeView; }
    void SetShellTreeView(TlxCustomShellTreeView* Value);
    TlxCustomShellComboBox* ShellComboBox() const { return FComboBox; }
    void SetShellComboBox(TlxCustomShellComboBox* Value);

    // The current folder (none before the window exists).
    const TShellItem* RootFolder() const { return FRootFolder ? &*FRootFolder : nullptr; }
    const std::vector<TShellItem>& Folders() const { return FFolders; }
    // Entry N (nullptr out of range).
    const TShellItem* FolderAt(int N) const;
    const TShellItem* SelectedFolder();
    int SortColumn() const { return FSortColumn; }
    bool SortDescending() const { return FSortDirection; }

    // The selected file's path (empty for a folder or no selection), and
    // the paths of all selected files in row order.
    std::string GetSelectedFile();
    void GetSelectedFiles(TStrings* AFiles);

    // Opens the current folder's parent; nothing at places.
    void Back();
    // Re-reads the current folder (its nearest existing ancestor when it went
    // away), keeping the selected items selected.
    void Refresh();
    // Opens ID unless it is the current folder.
    void SetPathFromID(const TShellItem& ID);
    // Opens ID unless updating or already there.
    void SyncPathFromID(const TShellItem& ID);
    void UpdateContents();
    virtual void Populate();
    void BuildColumns();

    // The context menu's commands.
    void OpenSelected();
    void RenameSelected();
    void NewFolder();
    void TrashSelected();

    TlxSkinPopupMenu* ContextMenu() const { return FContextMenu; }
    TShellLabelEditor* LabelEditor() const { return FEditor; }

    TAddFolderEvent OnAddFolder;
    TNotifyEvent OnPathChanged;

protected:
    void Loaded() override;
    void CreateWnd() override;
    bool OwnerDataFetch(TListItem* Item, TItemRequest Request) override;
    int OwnerDataFind(TItemFind Find, const std::string& FindString, TPoint FindPosition, void* FindData,
                      int StartIndex, TSearchDirection Direction, bool Wrap) override;
    void ColClick(TListColumn* Column) override;
    void DblClick() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void LoadRoot();
    void ClearFolders();
    bool MatchesListMask(const TShellItem& Item) const;
    void SortFolders();
    void SyncLinkedViews();
    void RetargetNotifier();
    void SelectItems(const std::vector<TShellItem>& Items, int FallbackIndex);
    std::vector<TShellItem> SelectedItems();
    void StartEditing(int Index);
    void EndEdit(const TShellItem& Item, const std::string& Text);
    // Lists Folder, one of the items; one deleted since it was listed is
    // not entered, the current folder is read again instead.
    void EnterFolder(const TShellItem& Folder);
    void ShowContextMenu(TPoint Screen);
    void AddDefaultColumns(int Count);

    int FOldSortColumn = -1;
    int FSortColumn = -1;
    bool FSortDirection = false;
    std::string FOldRoot = "rfDesktop";
    std::string FRoot = "rfDesktop";
    std::optional<TShellItem> FRootFolder;
    bool FAutoContext = true;
    bool FAutoRefresh = false;
    bool FAutoNavigate = true;
    bool FSorted = true;
    bool FUpdating = false;
    TShellObjectTypes FObjectTypes{otFolders, otNonFolders};
    TShellImageList* FLargeImages = nullptr;
    TShellImageList* FSmallImages = nullptr;
    std::vector<TShellItem> FFolders;
    TComponentRef<TlxCustomShellTreeView> FTreeView{this};
    TComponentRef<TlxCustomShellComboBox> FComboBox{this};
    TComponentRef<TlxCustomShellChangeNotifier> FNotifier{this};
    bool FSettingRoot = false;
    std::string FMask = "*.*|*.*";
    TlxSkinPopupMenu* FContextMenu = nullptr;
    TShellLabelEditor* FEditor = nullptr;
};

// The published form of the shell file list.
class TlxSkinFileListView : public TlxCustomShellListView {
public:
    using TlxCustomShellListView::TlxCustomShellListView;
};
