#pragma once

#include "platform/vcl/TComponentRef.h"
#include "skin/controls/TlxSkinCustomComboBox.h"
#include "skin/dialogs/shell/ShellTypes.h"
#include "skin/dialogs/shell/TShellItem.h"

#include <optional>
#include <string>
#include <vector>

class TlxCustomShellTreeView;
class TlxCustomShellListView;
class TShellImageList;

// One entry of the shell combo box: a folder, its caption, its depth below
// the box's root and its icon.
struct TlxItemEx {
    std::string Caption;
    TShellItem Data;
    int Indent = 0;
    int ImageIndex = -1;
};

// The skinned path box of the shell views: the root, the root's children
// and, under places, the computer's volumes, plus the chain of folders from
// the nearest listed ancestor down to the current folder, each drawn with
// its icon and indented by its depth. Choosing an entry moves the linked
// tree and list there; they move the box in turn.
class TlxCustomShellComboBox : public TlxSkinCustomComboBox {
public:
    explicit TlxCustomShellComboBox(TComponent* AOwner);
    ~TlxCustomShellComboBox() override;

    // A root name or an absolute folder; a bad one reverts and raises
    // EInvalidPath "Error setting path: \"root\"".
    const std::string& Root() const { return FRoot; }
    void SetRoot(const std::string& Value);
    // The selected entry's path (a place's display name); setting it shows
    // that folder, anything that names none raises EInvalidPath.
    std::string Path() const;
    void SetPath(const std::string& Value);
    TShellObjectTypes ObjectTypes() const { return FObjectTypes; }
    virtual void SetObjectTypes(TShellObjectTypes Value);

    TlxCustomShellTreeView* ShellTreeView() const { return FTreeView; }
    void SetShellTreeView(TlxCustomShellTreeView* Value);
    TlxCustomShellListView* ShellListView() const { return FListView; }
    void SetShellListView(TlxCustomShellListView* Value);

    const std::vector<TlxItemEx>& ItemsEx() const { return FItemsEx; }
    // The folder of entry N, of the last entry beyond the end (nullptr when empty).
    const TShellItem* FolderAt(int N) const;
    // Rebuilds the entries and inserts the chain down to ID, selecting it.
    void SetPathFromID(const TShellItem& ID);
    // The same unless updating or ID is shown already.
    void SyncPathFromID(const TShellItem& ID);
    int ImageWidth() const { return FImageWidth; }

protected:
    void Loaded() override;
    void CreateWnd() override;
    void Change() override;
    virtual void InitItems();

private:
    void RootChanged();
    void RebuildItems();
    void ClearItems();
    void CopyCaptions();
    void AddChildItems(int AIndex, const TShellItem& AFolder);
    void InsertFolderItem(int Index, const TShellItem& Folder, int Indent);
    int IndexOfID(const TShellItem& ID) const;
    void SelectQuietly(int Index);
    void DrawItem(TCanvas* C, int Index, const TRect& TxtRect, int Indent);

    std::vector<TlxItemEx> FItemsEx;
    TShellImageList* FImages = nullptr;
    int FImageHeight = 16;
    int FImageWidth = 16;
    std::string FOldRoot = "rfDesktop";
    std::string FRoot = "rfDesktop";
    std::optional<TShellItem> FRootFolder;
    TComponentRef<TlxCustomShellTreeView> FTreeView{this};
    TComponentRef<TlxCustomShellListView> FListView{this};
    TShellObjectTypes FObjectTypes{otFolders};
    bool FUpdating = false;
};

// The published form of the shell path combo box.
class TlxSkinShellComboBox : public TlxCustomShellComboBox {
public:
    using TlxCustomShellComboBox::TlxCustomShellComboBox;
};
