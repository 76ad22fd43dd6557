#include "platform/vcl/TCustomListBox.h"

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"
#include "platform/base/Utf8.h"
#include "platform/gdi/Gdi.h"

#include <algorithm>

namespace {

void CheckIndex(int Index, int Count) {
    if (Index < 0 || Index >= Count)
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
}

bool KeyIsDown(int VKey) {
    return GetKeyState(VKey) < 0;
}

} // namespace

// ---- items

int TListBoxStrings::Count() const {
    return FListBox->Count();
}

std::string TListBoxStrings::Get(int index) const {
    CheckIndex(index, Count());
    return FListBox->FItems[size_t(index)].S;
}

void TListBoxStrings::Put(int index, const std::string& s) {
    CheckIndex(index, Count());
    // Replaced as the list box does it: the old entry goes, the new one takes its place.
    TObject* obj = Objects(index);
    bool selected = FListBox->FItems[size_t(index)].Selected;
    int itemIndex = FListBox->FItemIndex;
    Delete(index);
    InsertObject(index, s, obj);
    FListBox->FItems[size_t(index)].Selected = selected;
    if (itemIndex == index) FListBox->SetItemIndex(index);
}

TObject* TListBoxStrings::Objects(int index) const {
    CheckIndex(index, Count());
    return FListBox->FItems[size_t(index)].Obj;
}

void TListBoxStrings::SetObjects(int index, TObject* obj) {
    CheckIndex(index, Count());
    FListBox->FItems[size_t(index)].Obj = obj;
}

void TListBoxStrings::InsertObject(int index, const std::string& s, TObject* obj) {
    if (index < 0 || index > Count())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    auto at = static_cast<int>(
        FListBox->Perform(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&s)));
    if (at >= 0 && at < Count()) FListBox->FItems[size_t(at)].Obj = obj;
}

int TListBoxStrings::AddObject(const std::string& s, TObject* obj) {
    auto at = static_cast<int>(FListBox->Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(&s)));
    if (at >= 0 && at < Count()) FListBox->FItems[size_t(at)].Obj = obj;
    return at;
}

void TListBoxStrings::Delete(int index) {
    CheckIndex(index, Count());
    FListBox->Perform(LB_DELETESTRING, static_cast<WPARAM>(index));
}

void TListBoxStrings::Clear() {
    FListBox->Perform(LB_RESETCONTENT);
}

// ---- the list box

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TCustomControl(AOwner), FItemsList(std::make_unique<TListBoxStrings>(this)) {
    FControlStyle = {csCaptureMouse, csSetCaption, csDoubleClicks, csOpaque};
    FTabStop = true;
    FParentColor = false;
    FColor = clWindow;
    SetBounds(0, 0, 121, 97);
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    Params.Style |= LBS_NOTIFY | WS_VSCROLL;
    if (FSorted) Params.Style |= LBS_SORT;
    if (FStyle == lbOwnerDrawFixed) Params.Style |= LBS_OWNERDRAWFIXED;
    if (FMultiSelect) Params.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
    if (FColumns > 0) Params.Style |= LBS_MULTICOLUMN | WS_HSCROLL;
}

void TCustomListBox::CreateWnd() {
    TCustomControl::CreateWnd();
    UpdateScrollState();
}

void TCustomListBox::SetStyle(TListBoxStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    Invalidate();
}

void TCustomListBox::SetItemHeight(int Value) {
    Value = std::max(Value, 1);
    if (FItemHeight == Value) return;
    FItemHeight = Value;
    SetTopIndex(FTopIndex);
    UpdateScrollState();
    Invalidate();
}

void TCustomListBox::SetItemIndex(int Value) {
    if (Value < -1 || Value >= Count()) Value = -1;
    if (!FMultiSelect) {
        FItemIndex = Value;
        FAnchorIndex = Value;
    } else {
        FItemIndex = Value;
    }
    if (Value >= 0) MakeVisible(Value);
    Invalidate();
}

int TCustomListBox::VisibleRows() const {
    return std::max(ClientHeight() / FItemHeight, 1);
}

int TCustomListBox::ColumnWidth() const {
    return FColumns > 0 ? std::max(ClientWidth() / FColumns, 1) : ClientWidth();
}

int TCustomListBox::TotalColumns() const {
    const int rows = VisibleRows();
    return (Count() + rows - 1) / rows;
}

int TCustomListBox::MaxTopIndex() const {
    if (FColumns > 0) return std::max(TotalColumns() - FColumns, 0) * VisibleRows();
    return std::max(Count() - VisibleRows(), 0);
}

void TCustomListBox::SetTopIndex(int Value) {
    int top = std::clamp(Value, 0, MaxTopIndex());
    if (FColumns > 0) top -= top % VisibleRows(); // whole columns
    if (top != FTopIndex) {
        FTopIndex = top;
        Invalidate();
    }
    UpdateScrollState();
}

void TCustomListBox::MakeVisible(int Index) {
    if (Index < 0 || Index >= Count()) return;
    const int rows = VisibleRows();
    if (FColumns > 0) {
        const int col = Index / rows, top = FTopIndex / rows;
        if (col < top)
            SetTopIndex(col * rows);
        else if (col >= top + FColumns)
            SetTopIndex((col - FColumns + 1) * rows);
        return;
    }
    if (Index < FTopIndex)
        SetTopIndex(Index);
    else if (Index >= FTopIndex + rows)
        SetTopIndex(Index - rows + 1);
}

void TCustomListBox::UpdateScrollState() {
    if (!HandleAllocated() || !WindowSystemReady()) return;
    const int rows = VisibleRows();
    TScrollInfo none;
    none.fMask = SIF_ALL;
    TScrollInfo vert = none, horz = none;
    if (FColumns > 0) {
        if (TotalColumns() > FColumns) {
            horz.nMax = TotalColumns() - 1;
            horz.nPage = static_cast<unsigned>(FColumns);
            horz.nPos = FTopIndex / rows;
        }
    } else if (Count() > rows || ClientHeight() < Count() * FItemHeight) {
        vert.nMax = Count() - 1;
        vert.nPage = static_cast<unsigned>(std::min(rows, Count()));
        vert.nPos = FTopIndex;
    }
    SetScrollInfo(FHandle, SB_VERT, vert);
    SetScrollInfo(FHandle, SB_HORZ, horz);
}

void TCustomListBox::Resize() {
    TCustomControl::Resize();
    SetTopIndex(FTopIndex);
}

void TCustomListBox::SetMultiSelect(bool Value) {
    if (FMultiSelect == Value) return;
    FMultiSelect = Value;
    for (TItem& i : FItems)
        i.Selected = false;
    if (!Value) FAnchorIndex = FItemIndex;
    Invalidate();
}

void TCustomListBox::SetExtendedSelect(bool Value) {
    FExtendedSelect = Value;
}

int TCustomListBox::SelCount() const {
    if (!FMultiSelect) return -1;
    return static_cast<int>(
        std::count_if(FItems.begin(), FItems.end(), [](const TItem& i) { return i.Selected; }));
}

bool TCustomListBox::Selected(int Index) const {
    CheckIndex(Index, Count());
    return FMultiSelect ? FItems[size_t(Index)].Selected : Index == FItemIndex;
}

void TCustomListBox::SetSelected(int Index, bool Value) {
    CheckIndex(Index, Count());
    if (FMultiSelect) {
        FItems[size_t(Index)].Selected = Value;
        Invalidate();
    } else if (Value) {
        SetItemIndex(Index);
    } else if (FItemIndex == Index) {
        SetItemIndex(-1);
    }
}

void TCustomListBox::ClearSelection() {
    if (FMultiSelect) {
        for (TItem& i : FItems)
            i.Selected = false;
        Invalidate();
    } else {
        SetItemIndex(-1);
    }
}

void TCustomListBox::SelectAll() {
    if (!FMultiSelect) return;
    for (TItem& i : FItems)
        i.Selected = true;
    Invalidate();
}

void TCustomListBox::SetSorted(bool Value) {
    if (FSorted == Value) return;
    FSorted = Value;
    if (!Value) return;
    // The items take their sorted places; the selection goes with them.
    std::string current = FItemIndex >= 0 ? FItems[size_t(FItemIndex)].S : std::string();
    TItem* caret = FItemIndex >= 0 ? &FItems[size_t(FItemIndex)] : nullptr;
    std::vector<size_t> order(FItems.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return CompareText(FItems[a].S, FItems[b].S) < 0; });
    std::vector<TItem> sorted;
    int newIndex = -1;
    for (size_t i : order) {
        if (caret == &FItems[i]) newIndex = static_cast<int>(sorted.size());
        sorted.push_back(FItems[i]);
    }
    FItems = std::move(sorted);
    FItemIndex = newIndex;
    FAnchorIndex = newIndex;
    (void)current;
    Invalidate();
}

void TCustomListBox::SetColumns(int Value) {
    Value = std::max(Value, 0);
    if (FColumns == Value) return;
    FColumns = Value;
    FTopIndex = 0;
    SetTopIndex(0);
    if (FItemIndex >= 0) MakeVisible(FItemIndex);
    Invalidate();
}

int TCustomListBox::SortedPosition(const std::string& S) const {
    // After any equal items, so equal strings keep the order they came in.
    auto it = std::upper_bound(FItems.begin(), FItems.end(), S,
                               [](const std::string& s, const TItem& i) { return CompareText(s, i.S) < 0; });
    return static_cast<int>(it - FItems.begin());
}

int TCustomListBox::InsertItem(int Index, const std::string& S) {
    if (Index < 0 || Index > Count()) Index = Count();
    FItems.insert(FItems.begin() + Index, TItem{S, nullptr, false});
    if (FItemIndex >= Index) ++FItemIndex;
    if (FAnchorIndex >= Index) ++FAnchorIndex;
    UpdateScrollState();
    Invalidate();
    return Index;
}

void TCustomListBox::DeleteItem(int Index) {
    if (Index < 0 || Index >= Count()) return;
    FItems.erase(FItems.begin() + Index);
    // The selected item going leaves no selection; later ones move up.
    if (FItemIndex == Index)
        FItemIndex = -1;
    else if (FItemIndex > Index)
        --FItemIndex;
    if (FAnchorIndex == Index)
        FAnchorIndex = -1;
    else if (FAnchorIndex > Index)
        --FAnchorIndex;
    SetTopIndex(FTopIndex);
    UpdateScrollState();
    Invalidate();
}

void TCustomListBox::ResetContent() {
    FItems.clear();
    FItemIndex = -1;
    FAnchorIndex = -1;
    FTopIndex = 0;
    UpdateScrollState();
    Invalidate();
}

int TCustomListBox::FindPrefix(const std::string& Prefix, int StartIndex) const {
    const int n = Count();
    if (n == 0) return -1;
    const std::string lower = LowerCase(Prefix);
    const size_t len = Utf8Length(Prefix);
    int start = (StartIndex < -1 || StartIndex >= n) ? -1 : StartIndex;
    for (int step = 1; step <= n; ++step) {
        int i = (start + step) % n;
        if (LowerCase(Utf8Copy(FItems[size_t(i)].S, 0, len)) == lower) return i;
    }
    return -1;
}

TRect TCustomListBox::ItemRect(int Index) const {
    if (Index < 0 || Index > Count()) return {};
    if (FColumns > 0) {
        const int rows = VisibleRows(), w = ColumnWidth();
        const int col = Index / rows - FTopIndex / rows, row = Index % rows;
        return {col * w, row * FItemHeight, col * w + w, row * FItemHeight + FItemHeight};
    }
    const int y = (Index - FTopIndex) * FItemHeight;
    return {0, y, ClientWidth(), y + FItemHeight};
}

int TCustomListBox::ItemAtPos(TPoint Pos, bool Existing) const {
    int index;
    if (FColumns > 0) {
        const int rows = VisibleRows();
        const int col = Pos.X < 0 ? -1 : Pos.X / ColumnWidth(), row = Pos.Y < 0 ? -1 : Pos.Y / FItemHeight;
        index = FTopIndex + col * rows + row;
        if (Existing && (col < 0 || row < 0 || row >= rows)) return -1;
    } else {
        if (Existing && (Pos.Y < 0 || Pos.X < 0 || Pos.X >= ClientWidth())) return -1;
        index = FTopIndex + (Pos.Y < 0 ? -1 : Pos.Y / FItemHeight);
    }
    if (index >= 0 && index < Count()) return index;
    if (Existing) return -1;
    return std::clamp(index, 0, std::max(Count() - 1, 0));
}

// ---- selection by the user

void TCustomListBox::SelectRange(int From, int To, bool Keep) {
    if (!Keep)
        for (TItem& i : FItems)
            i.Selected = false;
    if (From < 0) From = To;
    for (int i = std::min(From, To); i <= std::max(From, To); ++i)
        if (i >= 0 && i < Count()) FItems[size_t(i)].Selected = true;
}

void TCustomListBox::MoveCaret(int Index, bool Shift, bool Ctrl) {
    if (Count() == 0) return;
    Index = std::clamp(Index, 0, Count() - 1);
    if (!FMultiSelect) {
        const bool changed = Index != FItemIndex;
        SetItemIndex(Index);
        if (changed) Click();
        return;
    }
    FItemIndex = Index;
    if (FExtendedSelect && !Ctrl) {
        if (!Shift || FAnchorIndex < 0) FAnchorIndex = Index;
        SelectRange(FAnchorIndex, Index, false);
        Click();
    }
    MakeVisible(Index);
    Invalidate();
}

void TCustomListBox::KeyDownDefault(uint16_t Key) {
    const bool shift = KeyIsDown(VK_SHIFT), ctrl = KeyIsDown(VK_CONTROL);
    const int rows = VisibleRows();
    const int caret = FItemIndex < 0 ? (FMultiSelect ? 0 : -1) : FItemIndex;
    int target;
    switch (Key) {
    case VK_UP:
        target = caret - 1;
        break;
    case VK_DOWN:
        target = caret + 1;
        break;
    case VK_LEFT:
        target = FColumns > 0 ? caret - rows : caret - 1;
        break;
    case VK_RIGHT:
        target = FColumns > 0 ? caret + rows : caret + 1;
        break;
    case VK_PRIOR:
        target = caret - (FColumns > 0 ? rows * FColumns : std::max(rows - 1, 1));
        break;
    case VK_NEXT:
        target = caret + (FColumns > 0 ? rows * FColumns : std::max(rows - 1, 1));
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = Count() - 1;
        break;
    case VK_SPACE:
        if (FMultiSelect && FItemIndex >= 0 && (!FExtendedSelect || ctrl)) {
            FItems[size_t(FItemIndex)].Selected = !FItems[size_t(FItemIndex)].Selected;
            FAnchorIndex = FItemIndex;
            Invalidate();
            Click();
        }
        return;
    default:
        return;
    }
    if (caret < 0 && (Key == VK_UP || Key == VK_DOWN || Key == VK_LEFT || Key == VK_RIGHT)) target = 0;
    MoveCaret(target, shift, ctrl);
}

void TCustomListBox::CharDefault(char32_t Ch) {
    // Space toggles the selection of a multi-select list (on its key-down).
    if (Ch < 32 || Ch == 127 || (Ch == ' ' && FMultiSelect)) return;
    // Characters typed quickly one after another search for a longer prefix.
    const uint64_t now = GetTickCount();
    if (now - FSearchTime > 1000) FSearch.clear();
    FSearchTime = now;
    std::string next = FSearch;
    Utf8Append(next, Ch);
    // A longer prefix may still match the current item; a new one starts after it.
    int from = FSearch.empty() ? FItemIndex : FItemIndex - 1;
    int found = FindPrefix(next, from);
    FSearch = next;
    if (found >= 0) MoveCaret(found, false, false);
}

void TCustomListBox::MouseDefault(TMessage& Message) {
    const TPoint p = LParamToPoint(Message.LParam);
    const bool shift = KeyIsDown(VK_SHIFT), ctrl = KeyIsDown(VK_CONTROL);
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (!Focused() && CanFocus()) SetFocus();
        const int i = ItemAtPos(p, true);
        if (i < 0) return;
        FTracking = true;
        if (!FMultiSelect) {
            SetItemIndex(i);
        } else if (!FExtendedSelect) {
            FItems[size_t(i)].Selected = !FItems[size_t(i)].Selected;
            FItemIndex = i;
            FTracking = false;
        } else {
            FItemIndex = i;
            if (shift) {
                SelectRange(FAnchorIndex, i, ctrl);
            } else if (ctrl) {
                FItems[size_t(i)].Selected = !FItems[size_t(i)].Selected;
                FAnchorIndex = i;
            } else {
                FAnchorIndex = i;
                SelectRange(i, i, false);
            }
        }
        Invalidate();
        return;
    }
    case WM_MOUSEMOVE: {
        if (!FTracking) return;
        // Dragging past either edge scrolls on by one item.
        const int i = ItemAtPos(p, false);
        if (i < 0) return;
        if (!FMultiSelect) {
            if (i != FItemIndex) SetItemIndex(i);
        } else if (FExtendedSelect && i != FItemIndex) {
            FItemIndex = i;
            SelectRange(FAnchorIndex, i, ctrl);
            MakeVisible(i);
            Invalidate();
        }
        return;
    }
    case WM_LBUTTONUP:
        if (FTracking) {
            FTracking = false;
            Click();
        }
        return;
    }
}

void TCustomListBox::Scroll(int Code, int Position, bool Horizontal) {
    const int rows = VisibleRows();
    const int unit = Horizontal ? rows : 1;
    const int page = Horizontal ? rows * std::max(FColumns, 1) : std::max(rows - 1, 1);
    switch (Code) {
    case SB_LINEUP:
        SetTopIndex(FTopIndex - unit);
        break;
    case SB_LINEDOWN:
        SetTopIndex(FTopIndex + unit);
        break;
    case SB_PAGEUP:
        SetTopIndex(FTopIndex - page);
        break;
    case SB_PAGEDOWN:
        SetTopIndex(FTopIndex + page);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        SetTopIndex(Position * unit);
        break;
    case SB_TOP:
        SetTopIndex(0);
        break;
    case SB_BOTTOM:
        SetTopIndex(MaxTopIndex());
        break;
    }
}

void TCustomListBox::DefaultHandler(TMessage& Message) {
    switch (Message.Msg) {
    case LB_ADDSTRING: {
        const auto& s = *reinterpret_cast<const std::string*>(Message.LParam);
        Message.Result = InsertItem(FSorted ? SortedPosition(s) : Count(), s);
        return;
    }
    case LB_INSERTSTRING: {
        const auto& s = *reinterpret_cast<const std::string*>(Message.LParam);
        Message.Result = InsertItem(static_cast<int>(static_cast<intptr_t>(Message.WParam)), s);
        return;
    }
    case LB_DELETESTRING:
        DeleteItem(static_cast<int>(Message.WParam));
        Message.Result = Count();
        return;
    case LB_RESETCONTENT:
        ResetContent();
        return;
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case WM_KEYDOWN:
        KeyDownDefault(static_cast<uint16_t>(Message.WParam));
        return;
    case WM_CHAR:
        CharDefault(static_cast<char32_t>(Message.WParam));
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        MouseDefault(Message);
        break;
    case WM_VSCROLL:
        if (FColumns == 0) Scroll(LoPart(Message.WParam), HiPart(Message.WParam), false);
        return;
    case WM_HSCROLL:
        if (FColumns > 0) Scroll(LoPart(Message.WParam), HiPart(Message.WParam), true);
        return;
    case WM_MOUSEWHEEL: {
        const int steps = HiPart(Message.WParam) / 120;
        if (FColumns > 0)
            SetTopIndex(FTopIndex - steps * VisibleRows());
        else
            SetTopIndex(FTopIndex - steps * 3);
        return;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (FItemIndex >= 0) Invalidate();
        FTracking = false;
        break;
    }
    TCustomControl::DefaultHandler(Message);
}

// ---- painting

TOwnerDrawState TCustomListBox::ItemState(int Index) const {
    TOwnerDrawState state;
    if (Selected(Index)) state.Include(odSelected);
    if (Index == FItemIndex && FVisualState.Contains(vsFocused)) state.Include(odFocused);
    if (!FVisualState.Contains(vsEnabled)) state.Include(odDisabled);
    return state;
}

void TCustomListBox::Paint() {
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(FColor);
    canvas->FillRect(ClientRect());
    const int rows = VisibleRows();
    // Rows cut at the bottom are drawn too; items of later columns only while their column shows.
    const int shownRows = (ClientHeight() + FItemHeight - 1) / FItemHeight;
    int last;
    if (FColumns > 0) {
        const int visibleCols = (ClientWidth() + ColumnWidth() - 1) / ColumnWidth();
        last = FTopIndex + rows * visibleCols - 1;
    } else {
        last = FTopIndex + shownRows - 1;
    }
    last = std::min(last, Count() - 1);
    for (int i = FTopIndex; i <= last; ++i) {
        TRect r = ItemRect(i);
        canvas->Font()->Assign(FFont);
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(FColor);
        DrawItem(i, r, ItemState(i));
    }
}

void TCustomListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
    TCanvas* canvas = Canvas();
    if (FStyle == lbOwnerDrawFixed && OnDrawItem) {
        TKeepAlive alive(this);
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    const bool selected = State.Contains(odSelected);
    canvas->Brush()->SetColor(selected ? clHighlight : FColor);
    canvas->FillRect(Rect);
    canvas->Font()->SetColor(selected ? clHighlightText
                                      : (State.Contains(odDisabled) ? clGrayText : FFont.Color()));
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextRect(Rect, Rect.Left + 2, Rect.Top, FItems[size_t(Index)].S);
    if (State.Contains(odFocused)) canvas->DrawFocusRect(Rect);
}
