#include "platform/vcl/TListView.h"

#include "platform/base/ScopeGuard.h"
#include "platform/base/SysUtils.h"
#include "platform/base/Utf8.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"

#include <algorithm>

namespace {

bool SameScroll(const TScrollInfo& A, const TScrollInfo& B) {
    return A.nMin == B.nMin && A.nMax == B.nMax && A.nPage == B.nPage && A.nPos == B.nPos;
}

TScrollInfo Range(int Max, int Page, int Pos) {
    TScrollInfo s;
    s.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    s.nMax = Max;
    s.nPage = static_cast<unsigned>(std::max(0, Page));
    s.nPos = Pos;
    return s;
}

int TextHeightOf(TFont& Font) {
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(Font);
    return measure.Canvas()->TextHeight("Ag");
}

} // namespace

TCustomListView::TCustomListView(TComponent* AOwner)
    : TCustomControl(AOwner), FItems(std::make_unique<TListItems>(this)),
      FColumns(std::make_unique<TListColumns>(this)) {
    FParentColor = false;
    FColor = clWindow;
    FTabStop = true;
    SetBounds(0, 0, 250, 150);
}

TCustomListView::~TCustomListView() {
    // The header is a child: the window frees it with the other children.
    FHeader = nullptr;
    FItems.reset();
    FColumns.reset();
}

// ---- events

void TCustomListView::SelectItem(TListItem* Item, bool Selected) {
    if (OnSelectItem) OnSelectItem(this, Item, Selected);
}

void TCustomListView::Change(TListItem* Item, TItemChange Change) {
    if (OnChange) OnChange(this, Item, Change);
}

void TCustomListView::ColClick(TListColumn* Column) {
    if (OnColumnClick) OnColumnClick(this, Column);
}

int TCustomListView::CompareItems(TListItem* Item1, TListItem* Item2) {
    int result = 0;
    if (OnCompare) {
        OnCompare(this, Item1, Item2, 0, result);
        return result;
    }
    if (FSortType == stData) {
        auto a = reinterpret_cast<uintptr_t>(Item1->Data());
        auto b = reinterpret_cast<uintptr_t>(Item2->Data());
        return a < b ? -1 : a > b ? 1 : 0;
    }
    return CompareText(Item1->Caption(), Item2->Caption());
}

bool TCustomListView::OwnerDataFetch(TListItem* Item, TItemRequest) {
    if (OnData) OnData(this, Item);
    return true;
}

int TCustomListView::OwnerDataFind(TItemFind Find, const std::string& FindString, TPoint FindPosition,
                                   void* FindData, int StartIndex, TSearchDirection Direction, bool Wrap) {
    int index = -1;
    if (OnDataFind)
        OnDataFind(this, Find, FindString, FindPosition, FindData, StartIndex, Direction, Wrap, index);
    return index;
}

void TCustomListView::ScrollChanged() {
    if (OnScrollChanged) OnScrollChanged(this);
}

// ---- selection

bool TCustomListView::RowSelectedRaw(int Index) const {
    if (Index < 0) return false;
    if (FOwnerData) return Index < static_cast<int>(FOwnerSelected.size()) && FOwnerSelected[Index];
    return Index < static_cast<int>(FItems->FItems.size()) && FItems->FItems[Index]->FSelected;
}

void TCustomListView::SetRowSelectedRaw(int Index, bool Value) {
    if (FOwnerData) {
        if (Index < static_cast<int>(FOwnerSelected.size())) FOwnerSelected[Index] = Value;
    } else {
        FItems->FItems[Index]->FSelected = Value;
    }
}

void TCustomListView::ApplySelection(const std::vector<int>& Wanted) {
    std::vector<int> wanted = Wanted;
    std::sort(wanted.begin(), wanted.end());
    std::vector<int> off, on;
    int count = FItems->Count();
    for (int i = 0; i < count; ++i) {
        bool now = RowSelectedRaw(i);
        bool want = std::binary_search(wanted.begin(), wanted.end(), i);
        if (now && !want) off.push_back(i);
        if (!now && want) on.push_back(i);
    }
    if (off.empty() && on.empty()) return;
    for (int i : off)
        SetRowSelectedRaw(i, false);
    for (int i : on)
        SetRowSelectedRaw(i, true);
    Invalidate();
    // One notice per row, the rows left first, each group in row order.
    TKeepAlive alive(this);
    for (int pass = 0; pass < 2; ++pass)
        for (int i : pass == 0 ? off : on) {
            if (i >= FItems->Count()) continue;
            TListItem* item = FItems->Item(i);
            SelectItem(item, pass == 1);
            if (FreePending()) return;
            Change(FItems->Count() > i ? FItems->Item(i) : nullptr, ctState);
            if (FreePending()) return;
        }
}

void TCustomListView::SelectRow(int Index, TShiftState Shift, bool ByMouse) {
    int count = FItems->Count();
    if (Index < 0 || Index >= count) {
        if (ByMouse && !Shift.Contains(ssCtrl)) ApplySelection({});
        return;
    }
    std::vector<int> wanted;
    if (FMultiSelect && Shift.Contains(ssCtrl) && ByMouse) {
        for (int i = 0; i < count; ++i)
            if (RowSelectedRaw(i) != (i == Index)) wanted.push_back(i);
        FAnchor = Index;
    } else if (FMultiSelect && Shift.Contains(ssShift) && FAnchor >= 0 && FAnchor < count) {
        for (int i = std::min(FAnchor, Index); i <= std::max(FAnchor, Index); ++i)
            wanted.push_back(i);
    } else {
        wanted.push_back(Index);
        FAnchor = Index;
    }
    FFocused = Index;
    MakeItemVisible(Index, false);
    ApplySelection(wanted);
}

int TCustomListView::ItemIndex() const {
    int count = FItems->Count();
    for (int i = 0; i < count; ++i)
        if (RowSelectedRaw(i)) return i;
    return -1;
}

void TCustomListView::SetItemIndex(int Value) {
    if (Value < 0 || Value >= FItems->Count()) {
        ClearSelection();
        return;
    }
    FFocused = Value;
    FAnchor = Value;
    ApplySelection({Value});
}

TListItem* TCustomListView::Selected() {
    int index = ItemIndex();
    return index >= 0 ? FItems->Item(index) : nullptr;
}

void TCustomListView::SetSelected(TListItem* Value) {
    SetItemIndex(Value ? Value->Index() : -1);
}

TListItem* TCustomListView::ItemFocused() {
    return FFocused >= 0 && FFocused < FItems->Count() ? FItems->Item(FFocused) : nullptr;
}

void TCustomListView::SetItemFocused(TListItem* Value) {
    FFocused = Value ? Value->Index() : -1;
    Invalidate();
}

int TCustomListView::SelCount() const {
    int n = 0;
    for (int i = 0; i < FItems->Count(); ++i)
        n += RowSelectedRaw(i) ? 1 : 0;
    return n;
}

void TCustomListView::ClearSelection() {
    ApplySelection({});
}

void TCustomListView::SelectAll() {
    if (!FMultiSelect) return;
    std::vector<int> all(static_cast<size_t>(FItems->Count()));
    for (int i = 0; i < static_cast<int>(all.size()); ++i)
        all[i] = i;
    ApplySelection(all);
}

// ---- rows and columns changing

void TCustomListView::ItemsInserted(int Index) {
    if (FFocused >= Index) ++FFocused;
    if (FAnchor >= Index) ++FAnchor;
    ContentChanged();
}

void TCustomListView::ItemsDeleted(int Index) {
    if (FFocused == Index)
        FFocused = -1;
    else if (FFocused > Index)
        --FFocused;
    if (FAnchor == Index)
        FAnchor = -1;
    else if (FAnchor > Index)
        --FAnchor;
    ContentChanged();
}

void TCustomListView::ItemsCleared() {
    FFocused = -1;
    FAnchor = -1;
    FTop = 0;
    FScrollY = 0;
    ContentChanged();
}

void TCustomListView::ColumnsChanged() {
    int count = FColumns ? FColumns->Count() : 0;
    std::vector<int> order;
    for (int c : FOrder)
        if (c < count) order.push_back(c);
    for (int c = 0; c < count; ++c)
        if (std::find(order.begin(), order.end(), c) == order.end()) order.push_back(c);
    FOrder = order;
    ContentChanged();
}

void TCustomListView::ContentChanged() {
    FCellWidthValid = false;
    if (!FItems || !FColumns || FItems->Updating()) return;
    UpdateHeader();
    UpdateScrollInfo();
    Invalidate();
    if (FHeader) FHeader->Invalidate();
}

bool TCustomListView::AlphaSort() {
    if (FOwnerData) return false;
    TListItem* focused =
        FFocused >= 0 && FFocused < FItems->Count() ? FItems->FItems[FFocused].get() : nullptr;
    TListItem* anchor = FAnchor >= 0 && FAnchor < FItems->Count() ? FItems->FItems[FAnchor].get() : nullptr;
    std::stable_sort(FItems->FItems.begin(), FItems->FItems.end(),
                     [this](const auto& a, const auto& b) { return CompareItems(a.get(), b.get()) < 0; });
    FItems->Renumber(0);
    FFocused = focused ? focused->FIndex : -1;
    FAnchor = anchor ? anchor->FIndex : -1;
    ContentChanged();
    return true;
}

int TCustomListView::FindCaption(int StartIndex, const std::string& Value, bool Partial, bool Inclusive,
                                 bool Wrap) {
    int count = FItems->Count();
    if (count == 0) return -1;
    int start = std::clamp(Inclusive ? StartIndex : StartIndex + 1, 0, count);
    if (FOwnerData)
        return OwnerDataFind(Partial ? ifPartialString : ifExactString, Value, {}, nullptr,
                             start == count ? 0 : start, sdAll, Wrap);
    std::string wanted = UpperCase(Value);
    auto matches = [&](int i) {
        std::string caption = UpperCase(FItems->FItems[i]->Caption());
        return Partial ? caption.compare(0, wanted.size(), wanted) == 0 : caption == wanted;
    };
    for (int i = start; i < count; ++i)
        if (matches(i)) return i;
    if (Wrap)
        for (int i = 0; i < std::min(start, count); ++i)
            if (matches(i)) return i;
    return -1;
}

// ---- properties

void TCustomListView::SetViewStyle(TViewStyle Value) {
    if (Value == FViewStyle) return;
    FViewStyle = Value;
    FTop = 0;
    FScrollX = 0;
    FScrollY = 0;
    ContentChanged();
}

void TCustomListView::SetShowColumnHeaders(bool Value) {
    if (Value == FShowColumnHeaders) return;
    FShowColumnHeaders = Value;
    ContentChanged();
}

void TCustomListView::SetSmallImages(TCustomImageList* Value) {
    if (FSmallImages.Set(Value)) ContentChanged();
}

void TCustomListView::SetLargeImages(TCustomImageList* Value) {
    if (FLargeImages.Set(Value)) ContentChanged();
}

void TCustomListView::SetRowSelect(bool Value) {
    FRowSelect = Value;
    Invalidate();
}

void TCustomListView::SetMultiSelect(bool Value) {
    if (Value == FMultiSelect) return;
    FMultiSelect = Value;
    if (!Value) {
        int first = ItemIndex();
        ApplySelection(first >= 0 ? std::vector<int>{first} : std::vector<int>{});
    }
}

void TCustomListView::SetGridLines(bool Value) {
    FGridLines = Value;
    Invalidate();
}

void TCustomListView::SetHideSelection(bool Value) {
    FHideSelection = Value;
    Invalidate();
}

void TCustomListView::SetOwnerData(bool Value) {
    if (Value == FOwnerData) return;
    FItems->Clear();
    FOwnerData = Value;
    FItems->FCount = 0;
    FOwnerSelected.clear();
    FRows.clear();
    ContentChanged();
}

void TCustomListView::SetSortType(TSortType Value) {
    if (Value == FSortType) return;
    FSortType = Value;
    if (Value != stNone) AlphaSort();
}

// ---- geometry

int TCustomListView::RowHeight() const {
    int height = TextHeightOf(const_cast<TCustomListView*>(this)->FFont) + 4;
    if (FSmallImages) height = std::max(height, FSmallImages->Height() + 2);
    return height;
}

int TCustomListView::HeaderHeight() const {
    if (FViewStyle != vsReport || !FShowColumnHeaders) return 0;
    return TextHeightOf(const_cast<TCustomListView*>(this)->FFont) + 8;
}

int TCustomListView::ImageWidth(bool Large) const {
    TCustomImageList* images = Large ? FLargeImages.Get() : FSmallImages.Get();
    return images ? images->Width() : 0;
}

int TCustomListView::ColumnsWidth() const {
    int width = 0;
    for (int i = 0; i < FColumns->Count(); ++i)
        width += FColumns->Items(i)->Width();
    return width;
}

int TCustomListView::CellWidth() {
    if (FViewStyle == vsIcon) return std::max(ImageWidth(true) + 12, 75);
    if (FCellWidthValid) return FCellWidth;
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(FFont);
    int widest = 0;
    // Owner-data rows are not all fetched for this: a fixed width serves them.
    if (FOwnerData)
        widest = 150;
    else
        for (const auto& item : FItems->FItems)
            widest = std::max(widest, measure.Canvas()->TextWidth(item->Caption()));
    FCellWidth = 2 + (FSmallImages ? FSmallImages->Width() + 2 : 0) + widest + 8;
    FCellWidthValid = true;
    return FCellWidth;
}

int TCustomListView::CellHeight() const {
    if (FViewStyle == vsIcon)
        return ImageWidth(true)
                   ? FLargeImages->Height() + TextHeightOf(const_cast<TCustomListView*>(this)->FFont) + 8
                   : TextHeightOf(const_cast<TCustomListView*>(this)->FFont) + 8;
    return RowHeight();
}

int TCustomListView::PerLine() {
    if (FViewStyle == vsList) return std::max(1, ClientHeight() / RowHeight());
    return std::max(1, ClientWidth() / CellWidth());
}

TRect TCustomListView::ItemRect(int Index, TDisplayCode Code) {
    if (Index < 0 || Index >= FItems->Count()) return {};
    TRect b;
    int rh = RowHeight();
    switch (FViewStyle) {
    case vsReport: {
        int top = HeaderHeight() + (Index - FTop) * rh;
        b = {-FScrollX, top, ColumnsWidth() - FScrollX, top + rh};
        break;
    }
    case vsList: {
        int per = PerLine();
        int cw = CellWidth();
        int left = (Index / per - FTop) * cw;
        b = {left, (Index % per) * rh, left + cw, (Index % per) * rh + rh};
        break;
    }
    case vsSmallIcon:
    case vsIcon: {
        int per = PerLine();
        int cw = CellWidth();
        int ch = CellHeight();
        int left = (Index % per) * cw;
        int top = (Index / per) * ch - FScrollY;
        b = {left, top, left + cw, top + ch};
        break;
    }
    }
    if (Code == drBounds) return b;
    if (FViewStyle == vsIcon) {
        int iw = ImageWidth(true);
        int ih = FLargeImages ? FLargeImages->Height() : 0;
        TRect icon{b.Left + (b.Width() - iw) / 2, b.Top + 2, b.Left + (b.Width() - iw) / 2 + iw,
                   b.Top + 2 + ih};
        TRect label{b.Left, b.Top + ih + 4, b.Right, b.Bottom};
        if (Code == drIcon) return icon;
        if (Code == drLabel) return label;
        return {b.Left, b.Top, b.Right, b.Bottom};
    }
    int sw = ImageWidth(false);
    int sh = FSmallImages ? FSmallImages->Height() : 0;
    TRect icon{b.Left + 2, b.Top + (rh - sh) / 2, b.Left + 2 + sw, b.Top + (rh - sh) / 2 + sh};
    int labelLeft = icon.Right + (sw ? 2 : 0);
    int labelRight = b.Right;
    if (FViewStyle == vsReport) {
        // The caption lives in column 0, wherever the order put it.
        TRect cell{};
        int x = b.Left;
        for (int c : FOrder) {
            int w = FColumns->Items(c)->Width();
            if (c == 0) cell = {x, b.Top, x + w, b.Bottom};
            x += w;
        }
        icon.Left += cell.Left - b.Left;
        icon.Right += cell.Left - b.Left;
        labelLeft = icon.Right + (sw ? 2 : 0);
        labelRight = cell.Right;
        if (Code == drSelectBounds && FRowSelect) return b;
    }
    TRect label{labelLeft, b.Top, std::max(labelLeft, labelRight), b.Bottom};
    if (Code == drIcon) return icon;
    if (Code == drLabel) return label;
    return {icon.Left, b.Top, label.Right, b.Bottom};
}

int TCustomListView::IndexAt(int X, int Y) {
    int count = FItems->Count();
    if (count == 0 || X < 0 || Y < 0 || X >= ClientWidth() || Y >= ClientHeight()) return -1;
    int candidate = -1;
    switch (FViewStyle) {
    case vsReport:
        if (Y < HeaderHeight()) return -1;
        candidate = (Y - HeaderHeight()) / RowHeight() + FTop;
        break;
    case vsList:
        candidate = (X / CellWidth() + FTop) * PerLine() + Y / RowHeight();
        break;
    case vsSmallIcon:
    case vsIcon:
        candidate = ((Y + FScrollY) / CellHeight()) * PerLine() + X / CellWidth();
        break;
    }
    if (candidate < 0 || candidate >= count) return -1;
    return ItemRect(candidate, drSelectBounds).Contains({X, Y}) ? candidate : -1;
}

TListItem* TCustomListView::GetItemAt(int X, int Y) {
    int index = IndexAt(X, Y);
    return index >= 0 ? FItems->Item(index) : nullptr;
}

int TCustomListView::ItemsPerPage() {
    switch (FViewStyle) {
    case vsReport:
        return std::max(0, (ClientHeight() - HeaderHeight()) / RowHeight());
    case vsList:
        return PerLine() * std::max(1, ClientWidth() / CellWidth());
    default:
        return PerLine() * std::max(1, ClientHeight() / CellHeight());
    }
}

int TCustomListView::VisibleRowCount() {
    return ItemsPerPage();
}

int TCustomListView::TopIndex() {
    switch (FViewStyle) {
    case vsReport:
        return FTop;
    case vsList:
        return FTop * PerLine();
    default:
        return FScrollY / CellHeight() * PerLine();
    }
}

void TCustomListView::MakeItemVisible(int Index, bool PartialOK) {
    if (Index < 0 || Index >= FItems->Count()) return;
    switch (FViewStyle) {
    case vsReport: {
        int page = std::max(1, ItemsPerPage());
        if (Index < FTop)
            SetTop(Index);
        else if (Index >= FTop + page)
            SetTop(Index - page + 1);
        break;
    }
    case vsList: {
        int column = Index / PerLine();
        int columns = std::max(1, ClientWidth() / CellWidth());
        if (column < FTop)
            SetTop(column);
        else if (column >= FTop + columns)
            SetTop(column - columns + 1);
        break;
    }
    default: {
        TRect r = ItemRect(Index);
        if (r.Top < 0 || (!PartialOK && r.Height() > ClientHeight()))
            SetScrollY(FScrollY + r.Top);
        else if (r.Bottom > ClientHeight())
            SetScrollY(FScrollY + r.Bottom - ClientHeight());
        break;
    }
    }
}

// ---- scrolling

void TCustomListView::UpdateScrollInfo() {
    int count = FItems->Count();
    TScrollInfo vert = Range(0, 0, 0);
    TScrollInfo horz = Range(0, 0, 0);
    switch (FViewStyle) {
    case vsReport: {
        int page = ItemsPerPage();
        FTop = std::clamp(FTop, 0, std::max(0, count - page));
        if (count > page) vert = Range(count - 1, page, FTop);
        int content = ColumnsWidth();
        int width = ClientWidth();
        FScrollX = std::clamp(FScrollX, 0, std::max(0, content - width));
        if (content > width) horz = Range(content, width, FScrollX);
        break;
    }
    case vsList: {
        int per = PerLine();
        int columns = (count + per - 1) / per;
        int shown = std::max(1, ClientWidth() / CellWidth());
        FTop = std::clamp(FTop, 0, std::max(0, columns - shown));
        if (columns > shown) horz = Range(columns - 1, shown, FTop);
        FScrollX = 0;
        break;
    }
    default: {
        int per = PerLine();
        int content = (count + per - 1) / per * CellHeight();
        int height = ClientHeight();
        FScrollY = std::clamp(FScrollY, 0, std::max(0, content - height));
        if (content > height) vert = Range(content, height, FScrollY);
        FTop = 0;
        FScrollX = 0;
        break;
    }
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

void TCustomListView::SetTop(int Row) {
    if (Row < 0) Row = 0;
    if (Row == FTop) return;
    int old = FTop;
    FTop = Row;
    UpdateScrollInfo();
    if (FTop != old) Invalidate();
}

void TCustomListView::SetScrollX(int X) {
    if (X < 0) X = 0;
    if (X == FScrollX) return;
    int old = FScrollX;
    FScrollX = X;
    UpdateScrollInfo();
    if (FScrollX != old) {
        Invalidate();
        if (FHeader) FHeader->Invalidate();
    }
}

void TCustomListView::SetScrollY(int Y) {
    if (Y < 0) Y = 0;
    if (Y == FScrollY) return;
    int old = FScrollY;
    FScrollY = Y;
    UpdateScrollInfo();
    if (FScrollY != old) Invalidate();
}

void TCustomListView::Scroll(int DX, int DY) {
    switch (FViewStyle) {
    case vsReport:
        SetTop(FTop + DY / RowHeight());
        SetScrollX(FScrollX + DX);
        break;
    case vsList:
        SetTop(FTop + DX / CellWidth());
        break;
    default:
        SetScrollY(FScrollY + DY);
        break;
    }
}

void TCustomListView::UpdateHeader() {
    bool wanted = FViewStyle == vsReport && FShowColumnHeaders;
    if (!wanted) {
        if (FHeader) {
            TListHeader* header = FHeader;
            FHeader = nullptr;
            header->Free();
        }
        return;
    }
    if (!FHeader) {
        FHeader = new TListHeader(nullptr, this);
        FHeader->SetParent(this);
    }
    FHeader->SetBounds(0, 0, ClientWidth(), HeaderHeight());
}

void TCustomListView::Resize() {
    FCellWidthValid = false;
    UpdateHeader();
    UpdateScrollInfo();
    Invalidate();
    TCustomControl::Resize();
}

void TCustomListView::CreateWnd() {
    TCustomControl::CreateWnd();
    SetScrollInfo(WindowHandle(), SB_VERT, FVert, false);
    SetScrollInfo(WindowHandle(), SB_HORZ, FHorz, false);
    // A fetch posted to an earlier window went with it.
    FFetchPosted = false;
    RequestRows();
}

// ---- input

void TCustomListView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    if (CanFocus() && !Focused()) SetFocus();
    int index = IndexAt(X, Y);
    if (Button == TMouseButton::mbLeft)
        SelectRow(index, Shift, true);
    else if (Button == TMouseButton::mbRight && index >= 0 && !RowSelectedRaw(index))
        SelectRow(index, {}, true);
    if (FreePending()) return;
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomListView::KeyDown(uint16_t& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    int count = FItems->Count();
    if (Key == 0 || count == 0) return;
    int from = FFocused >= 0 ? FFocused : -1;
    int per = PerLine();
    int page = std::max(1, ItemsPerPage() - (FViewStyle == vsReport ? 1 : 0));
    int to = from;
    bool report = FViewStyle == vsReport;
    bool list = FViewStyle == vsList;
    switch (Key) {
    case VK_UP:
        to = report || list ? from - 1 : from - per;
        break;
    case VK_DOWN:
        to = report || list ? from + 1 : from + per;
        break;
    case VK_LEFT:
        if (report) {
            SetScrollX(FScrollX - 8);
            Key = 0;
            return;
        }
        to = list ? from - per : from - 1;
        break;
    case VK_RIGHT:
        if (report) {
            SetScrollX(FScrollX + 8);
            Key = 0;
            return;
        }
        to = list ? from + per : from + 1;
        break;
    case VK_HOME:
        to = 0;
        break;
    case VK_END:
        to = count - 1;
        break;
    case VK_PRIOR:
        to = from - page;
        break;
    case VK_NEXT:
        to = from + page;
        break;
    default:
        return;
    }
    Key = 0;
    to = std::clamp(to < 0 && from < 0 ? 0 : to, 0, count - 1);
    if (FMultiSelect && Shift.Contains(ssCtrl)) {
        FFocused = to;
        MakeItemVisible(to, false);
        Invalidate();
        return;
    }
    SelectRow(to, Shift, false);
}

void TCustomListView::KeyPress(char32_t& Key) {
    TCustomControl::KeyPress(Key);
    if (Key < 32 || Key == 127) return;
    uint64_t now = GetTickCount();
    if (now - FSearchTime > 1000) FSearch.clear();
    FSearchTime = now;
    Utf8Append(FSearch, Key);
    // A first letter moves on from the focused row; a longer prefix may stay on it.
    bool single = Utf8Length(FSearch) == 1;
    int start = FFocused >= 0 ? FFocused : 0;
    int index = FindCaption(start, FSearch, true, !single || FFocused < 0, true);
    if (index >= 0) SelectRow(index, {}, false);
    Key = 0;
}

void TCustomListView::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
        return;
    case LVM_GETITEMCOUNT:
        Message.Result = FItems->Count();
        return;
    case LVM_GETCOUNTPERPAGE:
        Message.Result = ItemsPerPage();
        return;
    case LVM_GETTOPINDEX:
        Message.Result = TopIndex();
        return;
    case LVM_GETITEMRECT: {
        auto* r = reinterpret_cast<TRect*>(Message.LParam);
        int index = static_cast<int>(static_cast<intptr_t>(Message.WParam));
        if (!r || index < 0 || index >= FItems->Count()) return;
        *r = ItemRect(index, static_cast<TDisplayCode>(std::clamp(r->Left, 0, 3)));
        Message.Result = 1;
        return;
    }
    case LVM_SCROLL:
        Scroll(static_cast<int>(static_cast<intptr_t>(Message.WParam)),
               static_cast<int>(static_cast<intptr_t>(Message.LParam)));
        Message.Result = 1;
        return;
    case WM_VSCROLL: {
        int code = LoPart(Message.WParam);
        int pos = HiPart(Message.WParam);
        if (FViewStyle == vsReport) {
            int page = std::max(1, ItemsPerPage());
            switch (code) {
            case SB_LINEUP:
                SetTop(FTop - 1);
                break;
            case SB_LINEDOWN:
                SetTop(FTop + 1);
                break;
            case SB_PAGEUP:
                SetTop(FTop - page);
                break;
            case SB_PAGEDOWN:
                SetTop(FTop + page);
                break;
            case SB_THUMBPOSITION:
            case SB_THUMBTRACK:
                SetTop(pos);
                break;
            case SB_TOP:
                SetTop(0);
                break;
            case SB_BOTTOM:
                SetTop(FItems->Count());
                break;
            }
        } else if (FViewStyle != vsList) {
            int line = RowHeight();
            int page = std::max(1, ClientHeight());
            switch (code) {
            case SB_LINEUP:
                SetScrollY(FScrollY - line);
                break;
            case SB_LINEDOWN:
                SetScrollY(FScrollY + line);
                break;
            case SB_PAGEUP:
                SetScrollY(FScrollY - page);
                break;
            case SB_PAGEDOWN:
                SetScrollY(FScrollY + page);
                break;
            case SB_THUMBPOSITION:
            case SB_THUMBTRACK:
                SetScrollY(pos);
                break;
            case SB_TOP:
                SetScrollY(0);
                break;
            case SB_BOTTOM:
                SetScrollY(1 << 30);
                break;
            }
        }
        return;
    }
    case WM_HSCROLL: {
        int code = LoPart(Message.WParam);
        int pos = HiPart(Message.WParam);
        if (FViewStyle == vsList) {
            int page = std::max(1, ClientWidth() / CellWidth());
            switch (code) {
            case SB_LINELEFT:
                SetTop(FTop - 1);
                break;
            case SB_LINERIGHT:
                SetTop(FTop + 1);
                break;
            case SB_PAGELEFT:
                SetTop(FTop - page);
                break;
            case SB_PAGERIGHT:
                SetTop(FTop + page);
                break;
            case SB_THUMBPOSITION:
            case SB_THUMBTRACK:
                SetTop(pos);
                break;
            case SB_LEFT:
                SetTop(0);
                break;
            case SB_RIGHT:
                SetTop(FItems->Count());
                break;
            }
        } else if (FViewStyle == vsReport) {
            int page = std::max(1, ClientWidth());
            switch (code) {
            case SB_LINELEFT:
                SetScrollX(FScrollX - 8);
                break;
            case SB_LINERIGHT:
                SetScrollX(FScrollX + 8);
                break;
            case SB_PAGELEFT:
                SetScrollX(FScrollX - page);
                break;
            case SB_PAGERIGHT:
                SetScrollX(FScrollX + page);
                break;
            case SB_THUMBPOSITION:
            case SB_THUMBTRACK:
                SetScrollX(pos);
                break;
            case SB_LEFT:
                SetScrollX(0);
                break;
            case SB_RIGHT:
                SetScrollX(1 << 30);
                break;
            }
        }
        return;
    }
    case WM_MOUSEWHEEL: {
        // Three rows a notch (one column in list style), down for a negative delta.
        int steps = HiPart(Message.WParam) / WHEEL_DELTA;
        switch (FViewStyle) {
        case vsReport:
            SetTop(FTop - steps * 3);
            break;
        case vsList:
            SetTop(FTop - steps);
            break;
        default:
            SetScrollY(FScrollY - steps * 3 * RowHeight());
            break;
        }
        Message.Result = 1;
        return;
    }
    case CM_FONTCHANGED:
        TCustomControl::Dispatch(Message);
        ContentChanged();
        return;
    case CM_FETCHROWS:
        if (FFetchPosted) FetchRows();
        return;
    }
    TCustomControl::Dispatch(Message);
}

// ---- painting

void TCustomListView::VisibleRange(int& First, int& Last) {
    int count = FItems->Count();
    First = 0;
    Last = count - 1;
    switch (FViewStyle) {
    case vsReport:
        First = FTop;
        Last = std::min(Last, FTop + ItemsPerPage() + 1);
        break;
    case vsList:
        First = FTop * PerLine();
        Last = std::min(Last, First + (ClientWidth() / CellWidth() + 2) * PerLine());
        break;
    default:
        First = FScrollY / CellHeight() * PerLine();
        Last = std::min(Last, First + (ClientHeight() / CellHeight() + 2) * PerLine());
        break;
    }
}

void TCustomListView::Invalidate() {
    TCustomControl::Invalidate();
    RequestRows();
}

void TCustomListView::Update() {
    // A paint now would show rows the owner has not been asked for yet.
    if (FFetchPosted) FetchRows();
    TCustomControl::Update();
}

void TCustomListView::RequestRows() {
    if (!FOwnerData || FFetchPosted || FFetching || !HandleAllocated() ||
        ComponentState().Contains(csDestroying))
        return;
    FFetchPosted = PostMessage(WindowHandle(), CM_FETCHROWS);
}

void TCustomListView::FetchRows() {
    FFetchPosted = false;
    if (!FOwnerData || FFetching || ComponentState().Contains(csDestroying)) return;
    TKeepAlive alive(this);
    FFetching = true;
    TScopeGuard done([this] { FFetching = false; });
    int first = 0;
    int last = -1;
    VisibleRange(first, last);
    std::vector<TListRowData> rows;
    for (int i = first; i <= last && i < FItems->Count(); ++i) {
        TListItem* item = FItems->Item(i);
        // A handler that freed the view ends the round; one that changed
        // the count has asked for another.
        if (FreePending()) return;
        TListRowData row{item->Caption(), {}, item->ImageIndex()};
        for (int s = 0; s < item->SubItems()->Count(); ++s)
            row.SubItems.push_back(item->SubItems()->Get(s));
        rows.push_back(std::move(row));
    }
    FRows = std::move(rows);
    FRowsFirst = first;
    TCustomControl::Invalidate();
}

const TListRowData* TCustomListView::PaintRow(int Index, TListRowData& Scratch) const {
    if (FOwnerData) {
        int at = Index - FRowsFirst;
        return at >= 0 && at < static_cast<int>(FRows.size()) ? &FRows[at] : nullptr;
    }
    const TListItem* item = FItems->FItems[Index].get();
    Scratch.Caption = item->FCaption;
    Scratch.SubItems.clear();
    for (int s = 0; s < item->FSubItems->Count(); ++s)
        Scratch.SubItems.push_back(item->FSubItems->Get(s));
    Scratch.ImageIndex = item->FImageIndex;
    return &Scratch;
}

void TCustomListView::Paint() {
    TCanvas* c = Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(FColor);
    c->FillRect(ClientRect());
    c->SetFont(FFont);
    int first = 0;
    int last = -1;
    VisibleRange(first, last);
    TListRowData scratch;
    for (int i = first; i <= last; ++i)
        if (const TListRowData* row = PaintRow(i, scratch)) DrawItem(c, i, *row, ItemVisualState(i));
    if (FGridLines && FViewStyle == vsReport) {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(cl3DLight);
        int rh = RowHeight();
        for (int y = HeaderHeight() + rh - 1; y < ClientHeight(); y += rh)
            c->FillRect({0, y, ClientWidth(), y + 1});
        int x = -FScrollX;
        for (int column : FOrder) {
            x += FColumns->Items(column)->Width();
            c->FillRect({x - 1, HeaderHeight(), x, ClientHeight()});
        }
    }
}

TVisualState TCustomListView::ItemVisualState(int Index) const {
    TVisualState state = FVisualState;
    if (RowSelectedRaw(Index)) state.Include(vsSelected);
    return state;
}

void TCustomListView::VisualStateChanged(TVisualState Changed) {
    // The selection is drawn one way with the focus and another without it.
    if (Changed.Contains(vsFocused) && SelCount() > 0) Invalidate();
}

void TCustomListView::DrawItem(TCanvas* C, int Index, const TListRowData& Row, TVisualState State) {
    bool focused = State.Contains(vsFocused);
    bool selected = State.Contains(vsSelected) && (focused || !FHideSelection);
    TColor selBack = focused ? clHighlight : clBtnFace;
    TColor selText = focused ? clHighlightText : clWindowText;
    auto fill = [&](const TRect& r, TColor color) {
        C->Brush()->SetStyle(bsSolid);
        C->Brush()->SetColor(color);
        C->FillRect(r);
    };
    auto text = [&](TRect r, const std::string& s, uint32_t align, TColor color) {
        C->Brush()->SetStyle(bsClear);
        C->Font()->SetColor(color);
        DrawText(C->Handle(), s, r, align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    };
    TRect bounds = ItemRect(Index, drBounds);
    if (FViewStyle == vsIcon) {
        TRect icon = ItemRect(Index, drIcon);
        if (FLargeImages) FLargeImages->Draw(C, icon.Left, icon.Top, Row.ImageIndex);
        TRect label = ItemRect(Index, drLabel);
        int width = std::min(label.Width(), C->TextWidth(Row.Caption) + 4);
        TRect box{label.Left + (label.Width() - width) / 2, label.Top, 0, label.Bottom};
        box.Right = box.Left + width;
        if (selected) fill(box, selBack);
        text(box, Row.Caption, DT_CENTER, selected ? selText : FFont.Color());
        return;
    }
    TRect icon = ItemRect(Index, drIcon);
    TRect label = ItemRect(Index, drLabel);
    if (FViewStyle != vsReport) {
        if (FSmallImages) FSmallImages->Draw(C, icon.Left, icon.Top, Row.ImageIndex);
        TRect box{label.Left, label.Top, std::min(label.Right, label.Left + C->TextWidth(Row.Caption) + 4),
                  label.Bottom};
        if (selected) fill(box, selBack);
        text({box.Left + 2, box.Top, box.Right, box.Bottom}, Row.Caption, DT_LEFT,
             selected ? selText : FFont.Color());
        return;
    }
    if (selected && FRowSelect) fill(bounds, selBack);
    int x = bounds.Left;
    for (int column : FOrder) {
        TListColumn* col = FColumns->Items(column);
        TRect cell{x, bounds.Top, x + col->Width(), bounds.Bottom};
        x += col->Width();
        if (cell.Width() <= 0) continue;
        int saved = SaveDC(C->Handle());
        IntersectClipRect(C->Handle(), cell.Left, cell.Top, cell.Right, cell.Bottom);
        uint32_t align = col->Alignment() == taRightJustify ? DT_RIGHT
                         : col->Alignment() == taCenter     ? DT_CENTER
                                                            : DT_LEFT;
        if (column == 0) {
            if (FSmallImages) FSmallImages->Draw(C, icon.Left, icon.Top, Row.ImageIndex);
            TRect box{label.Left, label.Top,
                      std::min(label.Right, label.Left + C->TextWidth(Row.Caption) + 4), label.Bottom};
            if (selected && !FRowSelect) fill(box, selBack);
            text({label.Left + 2, label.Top, label.Right - 2, label.Bottom}, Row.Caption, align,
                 selected ? selText : FFont.Color());
        } else {
            int sub = column - 1;
            std::string s = sub < static_cast<int>(Row.SubItems.size()) ? Row.SubItems[sub] : std::string();
            text({cell.Left + 6, cell.Top, cell.Right - 6, cell.Bottom}, s, align,
                 selected && FRowSelect ? selText : FFont.Color());
        }
        RestoreDC(C->Handle(), saved);
    }
}
