#include "platform/vcl/TTreeView.h"

#include "platform/base/ScopeGuard.h"
#include "platform/gdi/Gdi.h"

#include <algorithm>
#include <functional>

namespace {

bool SameScroll(const TScrollInfo& A, const TScrollInfo& B) {
    return A.nMin == B.nMin && A.nMax == B.nMax && A.nPage == B.nPage && A.nPos == B.nPos;
}

bool Within(const TTreeNode* Node, const TTreeNode* Ancestor) {
    for (const TTreeNode* n = Node; n; n = n->Parent())
        if (n == Ancestor) return true;
    return false;
}

} // namespace

TCustomTreeView::TCustomTreeView(TComponent* AOwner)
    : TCustomControl(AOwner), FItems(std::make_unique<TTreeNodes>(this)) {
    FParentColor = false;
    FColor = clWindow;
    FTabStop = true;
    SetBounds(0, 0, 121, 97);
}

TCustomTreeView::~TCustomTreeView() {
    // Nodes go quietly: no events reach a view being destroyed.
    FSelected = nullptr;
    FItems.reset();
}

// ---- events

bool TCustomTreeView::CanChange(TTreeNode* Node) {
    bool allow = true;
    if (OnChanging) OnChanging(this, Node, allow);
    return allow;
}

void TCustomTreeView::Change(TTreeNode* Node) {
    if (OnChange) OnChange(this, Node);
}

bool TCustomTreeView::CanExpand(TTreeNode* Node) {
    bool allow = true;
    if (OnExpanding) OnExpanding(this, Node, allow);
    return allow;
}

void TCustomTreeView::Expand(TTreeNode* Node) {
    if (OnExpanded) OnExpanded(this, Node);
}

bool TCustomTreeView::CanCollapse(TTreeNode* Node) {
    bool allow = true;
    if (OnCollapsing) OnCollapsing(this, Node, allow);
    return allow;
}

void TCustomTreeView::Collapse(TTreeNode* Node) {
    if (OnCollapsed) OnCollapsed(this, Node);
}

void TCustomTreeView::Delete(TTreeNode* Node) {
    if (OnDeletion) OnDeletion(this, Node);
}

void TCustomTreeView::GetImageIndex(TTreeNode* Node) {
    if (OnGetImageIndex) OnGetImageIndex(this, Node);
}

void TCustomTreeView::GetSelectedIndex(TTreeNode* Node) {
    if (OnGetSelectedIndex) OnGetSelectedIndex(this, Node);
}

void TCustomTreeView::ScrollChanged() {
    if (OnScrollChanged) OnScrollChanged(this);
}

// ---- selection, expansion, deletion

void TCustomTreeView::SetSelected(TTreeNode* Value) {
    if (Value == FSelected) return;
    TKeepAlive alive(this);
    if (!CanChange(Value) || FreePending()) return;
    FSelected = Value;
    if (Value) MakeNodeVisible(Value);
    Invalidate();
    Change(Value);
    if (FreePending()) return;
    QueryShownImages();
}

void TCustomTreeView::SelectByUser(TTreeNode* Node) {
    if (Node) SetSelected(Node);
}

bool TCustomTreeView::DoExpand(TTreeNode* Node, bool Expanding) {
    if (!Node) return false;
    TKeepAlive alive(this);
    if (Expanding) {
        if (Node->FExpanded) return true;
        if (!Node->HasChildren()) return false;
        if (!CanExpand(Node) || FreePending()) return false;
        if (Node->Count() == 0) {
            Invalidate();
            return false;
        }
        Node->FExpanded = true;
        NodesChanged();
        Expand(Node);
        return true;
    }
    if (!Node->FExpanded) return true;
    if (!CanCollapse(Node) || FreePending()) return false;
    Node->FExpanded = false;
    NodesChanged();
    // A selection hidden by the collapse moves to the collapsed node.
    if (FSelected && FSelected != Node && Within(FSelected, Node)) SetSelected(Node);
    if (FreePending()) return true;
    Collapse(Node);
    return true;
}

void TCustomTreeView::NodeDeleting(TTreeNode* Node) {
    TKeepAlive alive(this);
    bool destroying = ComponentState().Contains(csDestroying);
    // Deletion events for the node and its subtree, children first.
    std::function<void(TTreeNode*)> notify = [&](TTreeNode* n) {
        for (int i = 0; i < n->Count(); ++i)
            notify(n->Item(i));
        if (!destroying) Delete(n);
    };
    notify(Node);
    TTreeNode* newSelection = FSelected;
    bool selectionGoes = FSelected && Within(FSelected, Node);
    if (selectionGoes) {
        newSelection = Node->GetNextSibling();
        if (!newSelection) newSelection = Node->GetPrevSibling();
        if (!newSelection) newSelection = Node->Parent();
        FSelected = nullptr;
    }
    TTreeNode* parent = Node->FParent;
    auto& siblings = parent->FChildren;
    auto it =
        std::find_if(siblings.begin(), siblings.end(), [Node](const auto& p) { return p.get() == Node; });
    std::unique_ptr<TTreeNode> doomed = std::move(*it);
    siblings.erase(it);
    if (parent->FChildren.empty() && parent->FParent) parent->FExpanded = false;
    FItems->Changed();
    doomed.reset();
    if (selectionGoes && !destroying) {
        FSelected = newSelection;
        if (newSelection) MakeNodeVisible(newSelection);
        Change(newSelection);
    }
}

void TCustomTreeView::FullExpand() {
    FItems->BeginUpdate();
    for (TTreeNode* n = FItems->GetFirstNode(); n; n = n->GetNextSibling())
        n->Expand(true);
    FItems->EndUpdate();
}

void TCustomTreeView::FullCollapse() {
    FItems->BeginUpdate();
    for (TTreeNode* n = FItems->GetFirstNode(); n; n = n->GetNextSibling())
        n->Collapse(true);
    FItems->EndUpdate();
}

// ---- rows and geometry

void TCustomTreeView::BuildRows() {
    FRows.clear();
    std::function<void(TTreeNode*)> add = [&](TTreeNode* parent) {
        for (int i = 0; i < parent->Count(); ++i) {
            TTreeNode* n = parent->Item(i);
            FRows.push_back(n);
            if (n->FExpanded) add(n);
        }
    };
    add(&FItems->FRoot);
    FRowsValid = true;
}

const std::vector<TTreeNode*>& TCustomTreeView::Rows() {
    if (!FRowsValid) BuildRows();
    return FRows;
}

int TCustomTreeView::RowOf(const TTreeNode* Node) {
    const auto& rows = Rows();
    auto it = std::find(rows.begin(), rows.end(), Node);
    return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

int TCustomTreeView::ItemHeight() const {
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(const_cast<TCustomTreeView*>(this)->FFont);
    int height = measure.Canvas()->TextHeight("Ag") + 4;
    if (FImages) height = std::max(height, FImages->Height() + 2);
    if (FStateImages) height = std::max(height, FStateImages->Height() + 2);
    return height;
}

int TCustomTreeView::NodeLeft(const TTreeNode* Node) const {
    return (Node->Level() + (FShowRoot ? 1 : 0)) * FIndent;
}

TRect TCustomTreeView::RowLabelRect(const TTreeNode* Node, int Row) {
    int x = NodeLeft(Node) - FScrollX;
    if (FStateImages) x += FStateImages->Width();
    if (FImages) x += FImages->Width() + 3;
    int top = (Row - FTopRow) * ItemHeight();
    return {x, top, x + LabelWidth(Node), top + ItemHeight()};
}

int TCustomTreeView::LabelWidth(const TTreeNode* Node) const {
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(const_cast<TCustomTreeView*>(this)->FFont);
    return measure.Canvas()->TextWidth(Node->Text()) + 4;
}

int TCustomTreeView::VisibleRowCount() {
    return static_cast<int>(Rows().size());
}

int TCustomTreeView::VisibleCount() {
    return std::max(0, ClientHeight() / ItemHeight());
}

TTreeNode* TCustomTreeView::TopItem() {
    const auto& rows = Rows();
    return FTopRow < static_cast<int>(rows.size()) ? rows[FTopRow] : nullptr;
}

void TCustomTreeView::SetTopItem(TTreeNode* Value) {
    int row = RowOf(Value);
    if (row >= 0) SetTopRow(row);
}

void TCustomTreeView::ScrollTo(int Position) {
    SetTopRow(Position);
}

TTreeNode* TCustomTreeView::GetNodeAt(int X, int Y) {
    if (Y < 0 || X < 0 || X >= ClientWidth()) return nullptr;
    int row = Y / ItemHeight() + FTopRow;
    const auto& rows = Rows();
    return row < static_cast<int>(rows.size()) ? rows[row] : nullptr;
}

TTreeNode* TCustomTreeView::GetButtonAt(int X, int Y) {
    TTreeNode* node = GetNodeAt(X, Y);
    if (!node || !FShowButtons || !node->HasChildren() || (!FShowRoot && node->Level() == 0)) return nullptr;
    int right = NodeLeft(node) - FScrollX;
    return X >= right - FIndent && X < right ? node : nullptr;
}

void TCustomTreeView::MakeNodeVisible(TTreeNode* Node) {
    for (TTreeNode* p = Node->Parent(); p; p = p->Parent())
        if (!p->IsVisible() || !p->FExpanded) {
            // Expand from the top down.
            std::vector<TTreeNode*> chain;
            for (TTreeNode* q = Node->Parent(); q; q = q->Parent())
                chain.insert(chain.begin(), q);
            for (TTreeNode* q : chain)
                DoExpand(q, true);
            break;
        }
    int row = RowOf(Node);
    if (row < 0) return;
    int visible = std::max(1, VisibleCount());
    if (row < FTopRow)
        SetTopRow(row);
    else if (row >= FTopRow + visible)
        SetTopRow(row - visible + 1);
}

// ---- scrolling

void TCustomTreeView::UpdateScrollInfo() {
    int rows = VisibleRowCount();
    int visible = VisibleCount();
    FTopRow = std::clamp(FTopRow, 0, std::max(0, rows - visible));
    TScrollInfo vert;
    vert.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (rows > visible) {
        vert.nMax = rows - 1;
        vert.nPage = static_cast<unsigned>(visible);
        vert.nPos = FTopRow;
    }
    int content = 0;
    for (TTreeNode* n : Rows()) {
        int right = NodeLeft(n) + LabelWidth(n);
        if (FStateImages) right += FStateImages->Width();
        if (FImages) right += FImages->Width() + 3;
        content = std::max(content, right);
    }
    int width = ClientWidth();
    FScrollX = std::clamp(FScrollX, 0, std::max(0, content - width));
    TScrollInfo horz;
    horz.fMask = vert.fMask;
    if (content > width) {
        horz.nMax = content - 1;
        horz.nPage = static_cast<unsigned>(std::max(0, width));
        horz.nPos = FScrollX;
    }
    bool changed = !SameScroll(vert, FVert) || !SameScroll(horz, FHorz);
    FVert = vert;
    FHorz = horz;
    if (HandleAllocated()) {
        SetScrollInfo(WindowHandle(), SB_VERT, vert, true);
        SetScrollInfo(WindowHandle(), SB_HORZ, horz, true);
    }
    if (changed) ScrollChanged();
}

void TCustomTreeView::SetTopRow(int Row) {
    int rows = VisibleRowCount();
    Row = std::clamp(Row, 0, std::max(0, rows - VisibleCount()));
    if (Row == FTopRow) return;
    FTopRow = Row;
    UpdateScrollInfo();
    Invalidate();
    QueryShownImages();
}

void TCustomTreeView::SetScrollX(int X) {
    if (X == FScrollX) return;
    FScrollX = X;
    UpdateScrollInfo();
    Invalidate();
}

void TCustomTreeView::NodesChanged() {
    FRowsValid = false;
    if (FItems && !FItems->Updating()) UpdateScrollInfo();
    Invalidate();
    QueryShownImages();
}

void TCustomTreeView::QueryShownImages() {
    if (!FImages || FQueryingImages || !FItems || FItems->Updating() ||
        ComponentState().Contains(csDestroying))
        return;
    TKeepAlive alive(this);
    FQueryingImages = true;
    TScopeGuard done([this] { FQueryingImages = false; });
    const std::vector<TTreeNode*> rows = Rows();
    int last = std::min(static_cast<int>(rows.size()), FTopRow + VisibleCount() + 1);
    for (int row = FTopRow; row < last; ++row) {
        if (rows[row] == FSelected)
            GetSelectedIndex(rows[row]);
        else
            GetImageIndex(rows[row]);
        // A handler that freed the view or changed its nodes ends the round.
        if (FreePending() || !FRowsValid) return;
    }
}

// ---- properties

void TCustomTreeView::SetImages(TCustomImageList* Value) {
    if (FImages.Set(Value)) NodesChanged();
}

void TCustomTreeView::SetStateImages(TCustomImageList* Value) {
    if (FStateImages.Set(Value)) NodesChanged();
}

void TCustomTreeView::SetShowButtons(bool Value) {
    FShowButtons = Value;
    Invalidate();
}

void TCustomTreeView::SetShowRoot(bool Value) {
    if (Value == FShowRoot) return;
    FShowRoot = Value;
    NodesChanged();
}

void TCustomTreeView::SetShowLines(bool Value) {
    if (Value == FShowLines) return;
    FShowLines = Value;
    Invalidate();
}

void TCustomTreeView::VisualStateChanged(TVisualState Changed) {
    // The selection is drawn one way with the focus and another without it.
    if (Changed.Contains(vsFocused) && FSelected) Invalidate();
}

void TCustomTreeView::SetHideSelection(bool Value) {
    FHideSelection = Value;
    Invalidate();
}

void TCustomTreeView::SetIndent(int Value) {
    if (Value == FIndent || Value < 0) return;
    FIndent = Value;
    NodesChanged();
}

void TCustomTreeView::Resize() {
    UpdateScrollInfo();
    QueryShownImages();
    if (FreePending()) return;
    TCustomControl::Resize();
}

void TCustomTreeView::CreateWnd() {
    TCustomControl::CreateWnd();
    SetScrollInfo(WindowHandle(), SB_VERT, FVert, false);
    SetScrollInfo(WindowHandle(), SB_HORZ, FHorz, false);
}

// ---- input

void TCustomTreeView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    if (Button == TMouseButton::mbLeft || (Button == TMouseButton::mbRight && FRightClickSelect)) {
        if (CanFocus() && !Focused()) SetFocus();
        if (TTreeNode* button = Button == TMouseButton::mbLeft ? GetButtonAt(X, Y) : nullptr) {
            DoExpand(button, !button->Expanded());
        } else if (TTreeNode* node = GetNodeAt(X, Y)) {
            if (X >= NodeLeft(node) - FScrollX && X < RowLabelRect(node, RowOf(node)).Right) {
                SelectByUser(node);
                if (!FreePending() && Shift.Contains(ssDouble) && node->HasChildren())
                    DoExpand(node, !node->Expanded());
            }
        }
        if (FreePending()) return;
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomTreeView::DblClick() {
    TCustomControl::DblClick();
}

void TCustomTreeView::KeyDown(uint16_t& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == 0) return;
    const auto& rows = Rows();
    if (rows.empty()) return;
    TTreeNode* sel = FSelected;
    int row = sel ? RowOf(sel) : -1;
    int last = static_cast<int>(rows.size()) - 1;
    auto go = [&](int r) { SelectByUser(rows[std::clamp(r, 0, last)]); };
    switch (Key) {
    case VK_UP:
        go(row < 0 ? 0 : row - 1);
        break;
    case VK_DOWN:
        go(row + 1);
        break;
    case VK_HOME:
        go(0);
        break;
    case VK_END:
        go(last);
        break;
    case VK_PRIOR:
        go(row - std::max(1, VisibleCount() - 1));
        break;
    case VK_NEXT:
        go(row + std::max(1, VisibleCount() - 1));
        break;
    case VK_LEFT:
        if (!sel)
            go(0);
        else if (sel->Expanded())
            DoExpand(sel, false);
        else if (sel->Parent())
            SelectByUser(sel->Parent());
        break;
    case VK_RIGHT:
        if (!sel)
            go(0);
        else if (sel->HasChildren() && !sel->Expanded())
            DoExpand(sel, true);
        else if (sel->Expanded() && sel->GetFirstChild())
            SelectByUser(sel->GetFirstChild());
        break;
    case VK_ADD:
        if (sel) DoExpand(sel, true);
        break;
    case VK_SUBTRACT:
        if (sel) DoExpand(sel, false);
        break;
    case VK_MULTIPLY:
        if (sel) sel->Expand(true);
        break;
    default:
        return;
    }
    Key = 0;
}

void TCustomTreeView::KeyPress(char32_t& Key) {
    TCustomControl::KeyPress(Key);
    if ((Key == U'+' || Key == U'-') && FSelected) {
        DoExpand(FSelected, Key == U'+');
        Key = 0;
    }
}

void TCustomTreeView::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case TVM_GETCOUNT:
        Message.Result = FItems->Count();
        return;
    case TVM_GETVISIBLECOUNT:
        Message.Result = VisibleCount();
        return;
    case WM_VSCROLL: {
        int page = std::max(1, VisibleCount());
        switch (LoPart(Message.WParam)) {
        case SB_LINEUP:
            SetTopRow(FTopRow - 1);
            break;
        case SB_LINEDOWN:
            SetTopRow(FTopRow + 1);
            break;
        case SB_PAGEUP:
            SetTopRow(FTopRow - page);
            break;
        case SB_PAGEDOWN:
            SetTopRow(FTopRow + page);
            break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            SetTopRow(HiPart(Message.WParam));
            break;
        case SB_TOP:
            SetTopRow(0);
            break;
        case SB_BOTTOM:
            SetTopRow(VisibleRowCount());
            break;
        }
        return;
    }
    case WM_HSCROLL: {
        int page = std::max(1, ClientWidth());
        switch (LoPart(Message.WParam)) {
        case SB_LINELEFT:
            SetScrollX(std::max(0, FScrollX - 5));
            break;
        case SB_LINERIGHT:
            SetScrollX(FScrollX + 5);
            break;
        case SB_PAGELEFT:
            SetScrollX(std::max(0, FScrollX - page));
            break;
        case SB_PAGERIGHT:
            SetScrollX(FScrollX + page);
            break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            SetScrollX(std::max(0, HiPart(Message.WParam)));
            break;
        case SB_LEFT:
            SetScrollX(0);
            break;
        case SB_RIGHT:
            SetScrollX(1 << 30);
            break;
        }
        return;
    }
    case WM_MOUSEWHEEL:
        // Three rows per notch, down for a negative delta.
        SetTopRow(FTopRow - HiPart(Message.WParam) / WHEEL_DELTA * 3);
        Message.Result = 1;
        return;
    case CM_FONTCHANGED:
        TCustomControl::Dispatch(Message);
        NodesChanged();
        return;
    }
    TCustomControl::Dispatch(Message);
}

// ---- painting

TVisualState TCustomTreeView::NodeVisualState(const TTreeNode* Node) const {
    TVisualState state = FVisualState;
    if (Node == FSelected) state.Include(vsSelected);
    return state;
}

void TCustomTreeView::Paint() {
    TCanvas* c = Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(FColor);
    c->FillRect(ClientRect());
    c->SetFont(FFont);
    int height = ItemHeight();
    const auto& rows = Rows();
    for (int row = FTopRow; row < static_cast<int>(rows.size()); ++row) {
        int top = (row - FTopRow) * height;
        if (top >= ClientHeight()) break;
        DrawNode(c, rows[row], top, NodeVisualState(rows[row]));
    }
}

void TCustomTreeView::DrawLines(TCanvas* C, TTreeNode* Node, int Top) {
    int height = ItemHeight();
    auto dotted = [&](int l, int t, int r, int b) {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(clBtnShadow);
        for (int y = t; y < b; ++y)
            for (int x = l; x < r; ++x)
                if (((x + FScrollX + y) & 1) == 0) C->FillRect({x, y, x + 1, y + 1});
    };
    // A top-level node without ShowRoot has no column to draw in.
    int firstLevel = FShowRoot ? 0 : 1;
    int cy = Top + height / 2;
    if (Node->Level() >= firstLevel) {
        int cx = NodeLeft(Node) - FScrollX - FIndent / 2;
        dotted(cx, cy, NodeLeft(Node) - FScrollX - 2, cy + 1);
        bool above = Node->GetPrevSibling() || Node->Level() > firstLevel;
        dotted(cx, above ? Top : cy, cx + 1, Node->GetNextSibling() ? Top + height : cy + 1);
    }
    // Ancestors with siblings still to come carry their line past this row.
    for (TTreeNode* a = Node->Parent(); a && a->Level() >= firstLevel; a = a->Parent())
        if (a->GetNextSibling()) {
            int ax = NodeLeft(a) - FScrollX - FIndent / 2;
            dotted(ax, Top, ax + 1, Top + height);
        }
}

void TCustomTreeView::DrawNode(TCanvas* C, TTreeNode* Node, int Top, TVisualState State) {
    int height = ItemHeight();
    auto line = [&](int l, int t, int r, int b, TColor color) {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(color);
        C->FillRect({l, t, r, b});
    };
    if (FShowLines) DrawLines(C, Node, Top);
    int x = NodeLeft(Node) - FScrollX;
    if (FShowButtons && Node->HasChildren() && (FShowRoot || Node->Level() > 0)) {
        int cx = x - FIndent / 2;
        int cy = Top + height / 2;
        line(cx - 4, cy - 4, cx + 5, cy + 5, clBtnShadow);
        line(cx - 3, cy - 3, cx + 4, cy + 4, clWindow);
        line(cx - 2, cy, cx + 3, cy + 1, clWindowText);
        if (!Node->Expanded()) line(cx, cy - 2, cx + 1, cy + 3, clWindowText);
    }
    if (FStateImages) {
        if (Node->StateIndex() >= 0)
            FStateImages->Draw(C, x, Top + height / 2 - FStateImages->Height() / 2, Node->StateIndex());
        x += FStateImages->Width();
    }
    bool selected = State.Contains(vsSelected);
    bool focused = State.Contains(vsFocused);
    if (FImages) {
        int index = selected ? Node->SelectedIndex() : Node->ImageIndex();
        FImages->Draw(C, x, Top + height / 2 - FImages->Height() / 2, index);
        x += FImages->Width() + 3;
    }
    TRect label{x, Top, x + LabelWidth(Node), Top + height};
    TColor text = FFont.Color();
    if (selected && (focused || !FHideSelection)) {
        line(label.Left, label.Top, label.Right, label.Bottom, focused ? clHighlight : clBtnFace);
        text = focused ? clHighlightText : clWindowText;
    }
    C->Brush()->SetStyle(bsClear);
    C->Font()->SetColor(text);
    C->TextOut(x + 2, Top + (height - C->TextHeight(Node->Text())) / 2, Node->Text());
}
