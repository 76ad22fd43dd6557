#include "skin/controls/TlxSkinOfficeListBox.h"

#include "skin/controls/TlxSkinScrollBar.h"
#include "skin/engine/DataSkinListControls.h"
#include "skin/engine/SkinRects.h"

#include <algorithm>

TlxSkinOfficeListBox::TlxSkinOfficeListBox(TComponent* AOwner) : TlxSkinCustomControl(AOwner) {
    FControlStyle.Include(csAcceptsControls);
    FControlStyle.Include(csReplicatable);
    SetSkinDataName("listbox");
    SetBounds(Left(), Top(), 150, 150);
}

TlxSkinOfficeListBox::~TlxSkinOfficeListBox() {
    FItems.DetachListBox();
}

// ---- Rows and properties

void TlxSkinOfficeListBox::SetItems(const TlxSkinOfficeItems& Value) {
    FItems.Assign(&Value);
    ItemsChanged();
}

void TlxSkinOfficeListBox::ItemsChanged() {
    // Rows went away under the selection: it names none now.
    if (FItemIndex >= FItems.Count()) FItemIndex = -1;
    if (FMouseActive >= FItems.Count()) FMouseActive = -1;
    Invalidate();
    UpdateScrollInfo();
}

void TlxSkinOfficeListBox::SetShowLines(bool Value) {
    if (FShowLines == Value) return;
    FShowLines = Value;
    Invalidate();
}

void TlxSkinOfficeListBox::SetShowItemTitles(bool Value) {
    if (FShowItemTitles == Value) return;
    FShowItemTitles = Value;
    Invalidate();
}

void TlxSkinOfficeListBox::SetItemHeight(int Value) {
    // A row of no height would never fill a page.
    Value = std::max(1, Value);
    if (FItemHeight == Value) return;
    FItemHeight = Value;
    Invalidate();
    UpdateScrollInfo();
}

void TlxSkinOfficeListBox::SetHeaderHeight(int Value) {
    Value = std::max(0, Value);
    if (FHeaderHeight == Value) return;
    FHeaderHeight = Value;
    Invalidate();
    UpdateScrollInfo();
}

bool TlxSkinOfficeListBox::Selectable(int Index) const {
    if (!ValidIndex(Index)) return false;
    const TlxSkinOfficeItem* item = FItems.Items(Index);
    return item->Enabled() && !item->Header();
}

// ---- Selection

void TlxSkinOfficeListBox::SetItemIndex(int Value) {
    if (Value >= FItems.Count()) Value = -1;
    FItemIndex = Value;
    if (Value < 0) {
        Invalidate();
        return;
    }
    for (int i = 0; i < FItems.Count(); ++i)
        FItems.Items(i)->Active = i == Value;
    Invalidate();
    ScrollToItem(Value);
    if (Designing()) return;
    TKeepAlive alive(this);
    TlxSkinOfficeItem* item = FItems.Items(Value);
    if (item->OnClick) {
        // The handler may clear the rows; only a row still there is told.
        const TNotifyEvent handler = item->OnClick;
        handler(this);
        if (FreePending()) return;
    }
    if (OnItemClick) OnItemClick(this);
}

void TlxSkinOfficeListBox::SetActiveItem(int Index) {
    if (Index >= FItems.Count()) Index = -1;
    FItemIndex = Index;
    for (int i = 0; i < FItems.Count(); ++i)
        FItems.Items(i)->Active = i == Index;
    Invalidate();
    ScrollToItem(Index);
}

// ---- Layout and scrolling

TRect TlxSkinOfficeListBox::AreaRect() {
    if (!Skinned()) return {2, 2, Width() - 2, Height() - 2};
    int w = Width(), h = Height();
    CalcSize(w, h); // refreshes Sized for the current size
    return Sized.NewClRect;
}

void TlxSkinOfficeListBox::CalcItemRects() {
    GetSkinData();
    FRealMax = 0;
    FItemsRect = AreaRect();
    if (FScrollBar) FItemsRect.Right -= FScrollBar->Width();
    int top = FItemsRect.Top;
    const int width = FItemsRect.Width();
    for (int i = 0; i < FItems.Count(); ++i) {
        TlxSkinOfficeItem* item = FItems.Items(i);
        const int h = item->Header() ? FHeaderHeight : FItemHeight;
        item->ItemRect = {FItemsRect.Left, top - FScrollOffset, FItemsRect.Left + width,
                          top + h - FScrollOffset};
        const TRect& r = item->ItemRect;
        item->IsVisible =
            RectInRectVert(r, FItemsRect) || (r.Top <= FItemsRect.Top && r.Bottom >= FItemsRect.Bottom);
        if (item->IsVisible) FRealMax = r.Bottom;
        top += h;
    }
    FMax = top;
}

void TlxSkinOfficeListBox::Scroll(int Offset) {
    FScrollOffset = Offset;
    Invalidate();
    UpdateScrollInfo();
}

void TlxSkinOfficeListBox::UpdateScrollInfo() {
    CalcItemRects();
    int max = FMax - FItemsRect.Top;
    int page = FItemsRect.Height();
    if (page >= max) max = page = 0;
    if (max == 0) {
        HideScrollBar();
        return;
    }
    ShowScrollbar();
    FScrollBar->SetRange(0, max, page, FScrollOffset);
    FScrollBar->SetLargeChange(std::max(1, page));
    // Fewer or lower rows: the offset stays within what the bar can reach.
    if (FScrollBar->Position() != FScrollOffset) {
        FScrollOffset = FScrollBar->Position();
        CalcItemRects();
        Invalidate();
    }
}

void TlxSkinOfficeListBox::ShowScrollbar() {
    if (FScrollBar) return;
    auto* bar = new TlxSkinScrollBar(this);
    bar->SetVisible(false);
    bar->SetParent(this);
    bar->SetDefaultHeight(0);
    bar->SetDefaultWidth(19);
    bar->SetSmallChange(FItemHeight);
    bar->SetLargeChange(FItemHeight);
    bar->SetSkinDataName("vscrollbar");
    bar->SetKind(sbVertical);
    bar->SetSkinData(SkinData());
    bar->OnChange = [this](TObject*) { Scroll(FScrollBar->Position()); };
    FScrollBar = bar;
    AdjustScrollBar();
    bar->SetVisible(true);
    CalcItemRects();
    Invalidate();
}

void TlxSkinOfficeListBox::HideScrollBar() {
    if (!FScrollBar) return;
    TlxSkinScrollBar* bar = FScrollBar;
    FScrollBar = nullptr;
    bar->SetVisible(false);
    bar->Free();
    // Without a bar nothing scrolls.
    FScrollOffset = 0;
    CalcItemRects();
    Invalidate();
}

void TlxSkinOfficeListBox::AdjustScrollBar() {
    if (!FScrollBar) return;
    const TRect r = AreaRect();
    const int w = FScrollBar->Width();
    FScrollBar->SetBounds(r.Right - w, r.Top, w, r.Height());
}

void TlxSkinOfficeListBox::ScrollToItem(int Index) {
    if (!ValidIndex(Index)) {
        UpdateScrollInfo();
        return;
    }
    CalcItemRects();
    const TRect scrolled = FItems.Items(Index)->ItemRect;
    TRect r = scrolled;
    OffsetRect(r, 0, FScrollOffset);
    if (scrolled.Top <= FItemsRect.Top) {
        const bool headerAbove = Index == 1 && FItems.Items(0)->Header();
        FScrollOffset = headerAbove ? 0 : r.Top - FItemsRect.Top;
        CalcItemRects();
        Invalidate();
    } else if (scrolled.Bottom >= FItemsRect.Bottom) {
        FScrollOffset = std::max(0, r.Bottom + FItemsRect.Top - Height() + 1);
        CalcItemRects();
        Invalidate();
    }
    UpdateScrollInfo();
}

int TlxSkinOfficeListBox::CalcHeight(int ACount) {
    ACount = std::clamp(ACount, 0, FItems.Count());
    GetSkinData();
    if (!Skinned()) return ACount * FItemHeight + 5;
    return ACount * FItemHeight + Height() - AreaRect().Height() + 1;
}

int TlxSkinOfficeListBox::ItemAtPos(int X, int Y) {
    CalcItemRects();
    for (int i = 0; i < FItems.Count(); ++i) {
        const TlxSkinOfficeItem* item = FItems.Items(i);
        if (PtInRect(item->ItemRect, {X, Y}) && item->Enabled()) return i;
    }
    return -1;
}

void TlxSkinOfficeListBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TlxSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FOldHeight != -1 && FOldHeight != Height()) {
        CalcItemRects();
        // A taller list pulls the content down instead of showing empty space.
        if (FItemsRect.Bottom >= FRealMax && FScrollOffset > 0) {
            FScrollOffset = std::max(0, FScrollOffset - (FItemsRect.Bottom - FRealMax));
            CalcItemRects();
            Invalidate();
        }
    }
    AdjustScrollBar();
    UpdateScrollInfo();
    FOldHeight = Height();
}

void TlxSkinOfficeListBox::ChangeSkinData() {
    TlxSkinCustomControl::ChangeSkinData();
    if (TlxSkinData* sd = SkinData(); sd && !sd->Empty) {
        const int i = sd->GetControlIndex("edit");
        auto* edit = i >= 0 ? dynamic_cast<TlxDataSkinEditControl*>(sd->CtrlList[i].get()) : nullptr;
        if (edit)
            FDisabledFontColor = edit->DisabledFontColor;
        else if (sd->SkinColors())
            FDisabledFontColor = sd->SkinColors()->cBtnShadow();
    }
    if (FScrollBar) {
        FScrollBar->SetSkinData(SkinData());
        AdjustScrollBar();
    }
    CalcItemRects();
    Invalidate();
}

// ---- Keys

void TlxSkinOfficeListBox::FindUp() {
    if (FItemIndex < 1) return;
    for (int i = FItemIndex - 1; i >= 0; --i)
        if (Selectable(i)) {
            SetItemIndex(i);
            return;
        }
}

void TlxSkinOfficeListBox::FindDown() {
    for (int i = FItemIndex < 0 ? 0 : FItemIndex + 1; i < FItems.Count(); ++i)
        if (Selectable(i)) {
            SetItemIndex(i);
            return;
        }
}

namespace {

// A page of rows walked from First towards Last (either direction): after a
// header the first selectable row is taken at once, else the last
// selectable row reached; -1 when there is none.
template <class TSelectable>
int PageTarget(int First, int Last, TSelectable Selectable, const TlxSkinOfficeItems& Items) {
    const int step = Last >= First ? 1 : -1;
    bool headerPassed = false;
    int candidate = -1;
    for (int i = First; i != Last + step; i += step) {
        if (Items.Items(i)->Header()) {
            headerPassed = true;
            continue;
        }
        if (!Selectable(i)) continue;
        if (headerPassed) return i;
        candidate = i;
    }
    return candidate;
}

} // namespace

void TlxSkinOfficeListBox::FindPageUp() {
    if (FItemIndex < 1) return;
    CalcItemRects();
    const int page = std::max(1, FItemsRect.Height() / FItemHeight);
    const int target = PageTarget(
        FItemIndex - 1, std::max(0, FItemIndex - 1 - page), [this](int i) { return Selectable(i); }, FItems);
    if (target != -1) SetItemIndex(target);
}

void TlxSkinOfficeListBox::FindPageDown() {
    const int start = FItemIndex < 0 ? 0 : FItemIndex + 1;
    if (start > FItems.Count() - 1) return;
    CalcItemRects();
    const int page = std::max(1, FItemsRect.Height() / FItemHeight);
    const int target = PageTarget(
        start, std::min(start + page, FItems.Count() - 1), [this](int i) { return Selectable(i); }, FItems);
    if (target != -1) SetItemIndex(target);
}

void TlxSkinOfficeListBox::KeyDown(uint16_t& Key, TShiftState Shift) {
    TKeepAlive alive(this);
    TlxSkinCustomControl::KeyDown(Key, Shift);
    if (FreePending()) return;
    switch (Key) {
    case VK_NEXT:
        FindPageDown();
        break;
    case VK_PRIOR:
        FindPageUp();
        break;
    case VK_UP:
    case VK_LEFT:
        FindUp();
        break;
    case VK_DOWN:
    case VK_RIGHT:
        FindDown();
        break;
    }
}

// ---- Mouse

int TlxSkinOfficeListBox::MouseRow(int X, int Y) {
    const int row = ItemAtPos(X, Y);
    return row != -1 && !FItems.Items(row)->Header() ? row : -1;
}

void TlxSkinOfficeListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TlxSkinCustomControl::MouseDown(Button, Shift, X, Y);
    if (FreePending() || Button != TMouseButton::mbLeft) return;
    const int row = MouseRow(X, Y);
    if (row == -1) return;
    SetActiveItem(row);
    FMouseDown = true;
    FMouseActive = row;
}

void TlxSkinOfficeListBox::MouseMove(TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TlxSkinCustomControl::MouseMove(Shift, X, Y);
    if (FreePending() || (!FMouseDown && !FMouseMoveChangeIndex)) return;
    const int row = MouseRow(X, Y);
    if (row == -1 || row == FMouseActive) return;
    SetActiveItem(row);
    FMouseActive = row;
}

void TlxSkinOfficeListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TlxSkinCustomControl::MouseUp(Button, Shift, X, Y);
    if (FreePending() || Button != TMouseButton::mbLeft) return;
    FMouseDown = false;
    const int row = MouseRow(X, Y);
    if (row != -1) SetItemIndex(row);
}

void TlxSkinOfficeListBox::WndProc(TMessage& Message) {
    const bool press = Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK;
    if (press && !Focused() && !Designing()) {
        TKeepAlive alive(this);
        FClicksDisabled = true;
        if (CanFocus()) SetFocus();
        FClicksDisabled = false;
        if (FreePending() || !Focused()) return;
    }
    TlxSkinCustomControl::WndProc(Message);
}

void TlxSkinOfficeListBox::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS;
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TlxSkinCustomControl::Dispatch(Message);
        Invalidate();
        return;
    case WM_MOUSEWHEEL:
        if (FScrollBar) {
            TKeepAlive alive(this);
            const int delta = HiPart(Message.WParam);
            const int change = FScrollBar->SmallChange();
            FScrollBar->SetPosition(FScrollBar->Position() + (delta < 0 ? change : -change));
            Message.Result = 1;
            return;
        }
        break;
    }
    TlxSkinCustomControl::Dispatch(Message);
}
