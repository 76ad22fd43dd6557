#pragma once

#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/TCustomControl.h"
#include "platform/vcl/TImageList.h"
#include "platform/vcl/TTreeNodes.h"

#include <memory>
#include <vector>

using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVChangingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVExpandingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVCollapsingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowCollapse)>;
using TTVExpandedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;

// A tree of nodes drawn one row each: an expand button, a state image, an
// image (SelectedIndex while selected) and the text. A click on a button,
// a double click, +, -, Left and Right expand and collapse; a click and the
// arrow keys select. It draws no scroll bars: the vertical range counts
// rows (max = rows - 1, page = fully visible rows, position = top row) and
// the horizontal one pixels, both 0..0 when the content fits, kept as the
// window's scroll information and changed by WM_VSCROLL, WM_HSCROLL and the
// wheel; every change of either is announced by ScrollChanged.
//
// The handlers that change the rows in view or the selection ask
// OnGetImageIndex and OnGetSelectedIndex for those rows' images; painting
// only reads the nodes' indexes and the visual state (see TVisualState.h).
class TCustomTreeView : public TCustomControl {
public:
    explicit TCustomTreeView(TComponent* AOwner);
    ~TCustomTreeView() override;

    TTreeNodes* Items() { return FItems.get(); }
    TTreeNode* Selected() const { return FSelected; }
    void SetSelected(TTreeNode* Value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    TCustomImageList* StateImages() const { return FStateImages; }
    void SetStateImages(TCustomImageList* Value);
    bool ShowButtons() const { return FShowButtons; }
    void SetShowButtons(bool Value);
    bool ShowRoot() const { return FShowRoot; }
    void SetShowRoot(bool Value);
    bool ShowLines() const { return FShowLines; }
    void SetShowLines(bool Value);
    // Labels are never edited in place; kept for descriptions.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value) { FReadOnly = Value; }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    bool RightClickSelect() const { return FRightClickSelect; }
    void SetRightClickSelect(bool Value) { FRightClickSelect = Value; }
    int Indent() const { return FIndent; }
    void SetIndent(int Value);
    // Row height: text or image height plus a margin.
    int ItemHeight() const;

    // Rows a user can see when scrolled, fully visible rows, first shown row.
    int VisibleRowCount();
    int VisibleCount();
    TTreeNode* TopItem();
    void SetTopItem(TTreeNode* Value);
    // Scrolls so that the row at Position is the top one.
    void ScrollTo(int Position);
    int ScrollX() const { return FScrollX; }
    TTreeNode* GetNodeAt(int X, int Y);
    // The node whose expand button lies at the point, or nullptr.
    TTreeNode* GetButtonAt(int X, int Y);
    void FullExpand();
    void FullCollapse();

    TTVChangedEvent OnChange;
    TTVChangingEvent OnChanging;
    TTVExpandingEvent OnExpanding;
    TTVExpandedEvent OnExpanded;
    TTVCollapsingEvent OnCollapsing;
    TTVExpandedEvent OnCollapsed;
    TTVExpandedEvent OnDeletion;
    TTVExpandedEvent OnGetImageIndex;
    TTVExpandedEvent OnGetSelectedIndex;
    TNotifyEvent OnScrollChanged;

protected:
    virtual bool CanChange(TTreeNode* Node);
    virtual void Change(TTreeNode* Node);
    virtual bool CanExpand(TTreeNode* Node);
    virtual void Expand(TTreeNode* Node);
    virtual bool CanCollapse(TTreeNode* Node);
    virtual void Collapse(TTreeNode* Node);
    virtual void Delete(TTreeNode* Node);
    virtual void GetImageIndex(TTreeNode* Node);
    virtual void GetSelectedIndex(TTreeNode* Node);
    virtual void ScrollChanged();

    void Paint() override;
    void VisualStateChanged(TVisualState Changed) override;
    // The control's state plus the node's own (selected).
    TVisualState NodeVisualState(const TTreeNode* Node) const;
    // Draws one row of the built-in look from the state it is handed.
    void DrawNode(TCanvas* C, TTreeNode* Node, int Top, TVisualState State);
    // The dotted lines joining a row to its parent and siblings.
    void DrawLines(TCanvas* C, TTreeNode* Node, int Top);
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void DblClick() override;
    void Resize() override;
    void CreateWnd() override;

    // Rows, scroll ranges and the picture after a change of the nodes.
    void NodesChanged();
    // Expands or collapses through the events; false when refused.
    bool DoExpand(TTreeNode* Node, bool Expanding);

private:
    friend class TTreeNode;
    friend class TTreeNodes;
    void BuildRows();
    const std::vector<TTreeNode*>& Rows();
    int RowOf(const TTreeNode* Node);
    int NodeLeft(const TTreeNode* Node) const;
    int LabelWidth(const TTreeNode* Node) const;
    TRect RowLabelRect(const TTreeNode* Node, int Row);
    void UpdateScrollInfo();
    void SetTopRow(int Row);
    void SetScrollX(int X);
    void SelectByUser(TTreeNode* Node);
    void NodeDeleting(TTreeNode* Node);
    void MakeNodeVisible(TTreeNode* Node);
    void QueryShownImages();

    std::unique_ptr<TTreeNodes> FItems;
    TTreeNode* FSelected = nullptr;
    TComponentRef<TCustomImageList> FImages{this, [this] { NodesChanged(); }};
    TComponentRef<TCustomImageList> FStateImages{this, [this] { NodesChanged(); }};
    bool FShowButtons = true;
    bool FShowRoot = true;
    bool FShowLines = true;
    bool FReadOnly = false;
    bool FHideSelection = true;
    bool FRightClickSelect = false;
    int FIndent = 19;
    std::vector<TTreeNode*> FRows;
    bool FRowsValid = false;
    int FTopRow = 0;
    int FScrollX = 0;
    TScrollInfo FVert;
    TScrollInfo FHorz;
    bool FQueryingImages = false;
};

class TTreeView : public TCustomTreeView {
public:
    using TCustomTreeView::TCustomTreeView;
};
