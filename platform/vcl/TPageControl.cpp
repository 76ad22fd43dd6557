#include "platform/vcl/TPageControl.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Text.h"
#include "platform/vcl/TCustomForm.h"
#include "platform/vcl/TTabSheet.h"

#include <algorithm>

namespace {

bool Horizontal(TTabPosition P) {
    return P == tpTop || P == tpBottom;
}

} // namespace

TPageControl::TPageControl(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle.Include(csAcceptsControls);
    FControlStyle.Include(csOpaque);
    FParentColor = false;
    FColor = clBtnFace;
    FTabStop = true;
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl() {
    for (TTabSheet* page : FPages)
        page->FPageControl = nullptr;
    FPages.clear();
    FTabs.clear();
    FActivePage = nullptr;
}

TTabSheet* TPageControl::Pages(int Index) const {
    if (Index < 0 || Index >= PageCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FPages[Index];
}

int TPageControl::ActivePageIndex() const {
    return FActivePage ? FActivePage->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int Value) {
    SetActivePage(Value >= 0 && Value < PageCount() ? FPages[Value] : nullptr);
}

void TPageControl::SetActivePage(TTabSheet* Value) {
    if (Value && Value->FPageControl != this) return;
    if (Value && Value->TabIndex() >= 0)
        Perform(TCM_SETCURSEL, static_cast<WPARAM>(Value->TabIndex()));
    else
        ShowActivePage(Value);
}

int TPageControl::TabIndex() const {
    return FActivePage ? FActivePage->TabIndex() : -1;
}

void TPageControl::SetTabIndex(int Value) {
    Perform(TCM_SETCURSEL, static_cast<WPARAM>(Value));
}

TTabSheet* TPageControl::TabPage(int TabIdx) const {
    return TabIdx >= 0 && TabIdx < TabCount() ? FTabs[TabIdx] : nullptr;
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* CurPage, bool GoForward, bool CheckTabVisible) const {
    if (FPages.empty()) return nullptr;
    int n = PageCount();
    auto it = std::find(FPages.begin(), FPages.end(), CurPage);
    int start = it == FPages.end() ? (GoForward ? n - 1 : 0) : static_cast<int>(it - FPages.begin());
    int i = start;
    do {
        i = GoForward ? (i + 1) % n : (i + n - 1) % n;
        if (!CheckTabVisible || FPages[i]->TabVisible()) return FPages[i];
    } while (i != start);
    return nullptr;
}

void TPageControl::SelectNextPage(bool GoForward) {
    TTabSheet* page = FindNextPage(FActivePage, GoForward, true);
    if (page && page != FActivePage) SelectByUser(page->TabIndex());
}

bool TPageControl::CanChange() {
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    return allow;
}

void TPageControl::Change() {
    if (OnChange) OnChange(this);
}

void TPageControl::SelectByUser(int TabIdx) {
    TTabSheet* page = TabPage(TabIdx);
    if (!page || page == FActivePage || !page->Enabled()) return;
    TKeepAlive alive(this);
    if (!CanChange() || FreePending()) return;
    Perform(TCM_SETCURSEL, static_cast<WPARAM>(TabIdx));
    Change();
}

void TPageControl::ShowActivePage(TTabSheet* Page) {
    if (Page == FActivePage) return;
    TTabSheet* old = FActivePage;
    FActivePage = Page;
    if (Page) {
        Page->BringToFront();
        Page->SetVisible(true);
    }
    if (old) old->SetVisible(false);
    Layout();
    if (Page) MakeTabVisible(Page->TabIndex());
    Realign();
    Invalidate();
}

// ---- pages

void TPageControl::InsertPage(TTabSheet* Page) {
    FPages.push_back(Page);
    TabsChanged();
    if (!FActivePage && Page->TabVisible()) ShowActivePage(Page);
}

void TPageControl::RemovePage(TTabSheet* Page) {
    TTabSheet* next = nullptr;
    if (Page == FActivePage) {
        next = FindNextPage(Page, true, true);
        if (next == Page) next = nullptr;
    }
    std::erase(FPages, Page);
    std::erase(FTabs, Page);
    if (Page == FActivePage) {
        FActivePage = nullptr;
        if (next) ShowActivePage(next);
    }
    TabsChanged();
}

void TPageControl::MovePage(TTabSheet* Page, int NewIndex) {
    auto it = std::find(FPages.begin(), FPages.end(), Page);
    if (it == FPages.end()) return;
    FPages.erase(it);
    NewIndex = std::clamp(NewIndex, 0, PageCount());
    FPages.insert(FPages.begin() + NewIndex, Page);
    TabsChanged();
}

// ---- layout

int TPageControl::TabThickness() const {
    if (FItemHeight > 0) return FItemHeight;
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(const_cast<TPageControl*>(this)->FFont);
    return measure.Canvas()->TextHeight("Ag") + 6;
}

int TPageControl::TabLength(TTabSheet* Page) const {
    if (FItemWidth > 0) return FItemWidth;
    TBitmap measure(1, 1);
    measure.Canvas()->SetFont(const_cast<TPageControl*>(this)->FFont);
    int length = measure.Canvas()->TextWidth(Page->Caption()) + 12;
    // Every tab keeps room for an image once there is an image list.
    if (FImages) length += (Horizontal(FTabPosition) ? FImages->Width() : FImages->Height()) + 3;
    return length;
}

void TPageControl::Layout() {
    FTabs.clear();
    for (TTabSheet* page : FPages)
        if (page->TabVisible()) FTabs.push_back(page);
    int n = TabCount();
    FFirstVisible = std::clamp(FFirstVisible, 0, std::max(0, n - 1));
    bool tabs = FStyle == tsTabs;
    int margin = tabs ? 2 : 0;
    int gap = tabs ? 0 : 3;
    int thick = TabThickness();
    bool horz = Horizontal(FTabPosition);
    int extent = horz ? FWidth : FHeight;
    int avail = extent - 2 * margin;

    std::vector<int> length(n), row(n), along(n);
    for (int i = 0; i < n; ++i)
        length[i] = TabLength(FTabs[i]);
    int rows = 1;
    if (FMultiLine) {
        int pos = 0;
        for (int i = 0; i < n; ++i) {
            if (pos > 0 && pos + length[i] > avail) {
                ++rows;
                pos = 0;
            }
            row[i] = rows - 1;
            along[i] = margin + pos;
            pos += length[i] + gap;
        }
    } else {
        // Tabs before the first shown one end at or left of 0.
        std::vector<int> acc(n + 1, 0);
        for (int i = 0; i < n; ++i)
            acc[i + 1] = acc[i] + length[i] + gap;
        int first = n ? acc[FFirstVisible] : 0;
        for (int i = 0; i < n; ++i) {
            row[i] = 0;
            along[i] = acc[i] - first + (i >= FFirstVisible ? margin : 0);
        }
    }
    FRows = rows;
    int area = rows * thick + (rows - 1) * gap;
    FAreaThickness = margin + area;

    // The row of the selected tab lies next to the pages (tabs style only).
    int selRow = rows - 1;
    if (tabs && FActivePage)
        for (int i = 0; i < n; ++i)
            if (FTabs[i] == FActivePage) selRow = row[i];
    FTabRects.assign(n, TRect{});
    for (int i = 0; i < n; ++i) {
        int d = tabs ? (selRow - row[i] + rows) % rows : rows - 1 - row[i]; // distance from the pages
        int across = 0;
        switch (FTabPosition) {
        case tpTop:
        case tpLeft:
            across = margin + (rows - 1 - d) * (thick + gap);
            break;
        case tpBottom:
            across = FHeight - margin - area + d * (thick + gap);
            break;
        case tpRight:
            across = FWidth - margin - area + d * (thick + gap);
            break;
        }
        FTabRects[i] = horz ? TRect{along[i], across, along[i] + length[i], across + thick}
                            : TRect{across, along[i], across + thick, along[i] + length[i]};
    }
}

void TPageControl::MakeTabVisible(int TabIdx) {
    if (FMultiLine || TabIdx < 0 || TabIdx >= TabCount()) return;
    if (TabIdx < FFirstVisible) {
        FFirstVisible = TabIdx;
        Layout();
        return;
    }
    int extent = Horizontal(FTabPosition) ? FWidth : FHeight;
    while (FFirstVisible < TabIdx) {
        TRect r = FTabRects[TabIdx];
        if ((Horizontal(FTabPosition) ? r.Right : r.Bottom) <= extent - 3) break;
        ++FFirstVisible;
        Layout();
    }
}

void TPageControl::TabsChanged() {
    FHotTab = -1;
    Layout();
    Realign();
    Invalidate();
}

TRect TPageControl::RawTabRect(int TabIdx) const {
    return TabIdx >= 0 && TabIdx < static_cast<int>(FTabRects.size()) ? FTabRects[TabIdx] : TRect{};
}

TRect TPageControl::RawDisplayRect() const {
    TRect r{0, 0, FWidth, FHeight};
    int inset = FStyle == tsTabs ? 4 : 0;
    int side = FAreaThickness + (FStyle == tsTabs ? 4 : 3);
    r = {r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset};
    switch (FTabPosition) {
    case tpTop:
        r.Top = side;
        break;
    case tpBottom:
        r.Bottom = FHeight - side;
        break;
    case tpLeft:
        r.Left = side;
        break;
    case tpRight:
        r.Right = FWidth - side;
        break;
    }
    return r;
}

TRect TPageControl::TabRect(int TabIdx) {
    TRect r;
    Perform(TCM_GETITEMRECT, static_cast<WPARAM>(TabIdx), reinterpret_cast<LPARAM>(&r));
    return r;
}

TRect TPageControl::DisplayRect() {
    TRect r = ClientRect();
    Perform(TCM_ADJUSTRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r;
}

int TPageControl::IndexOfTabAt(int X, int Y) const {
    for (int i = 0; i < static_cast<int>(FTabRects.size()); ++i)
        if (FTabRects[i].Contains({X, Y})) return i;
    return -1;
}

void TPageControl::AdjustClientRect(TRect& Rect) {
    Rect = DisplayRect();
}

bool TPageControl::FocusInside() const {
    TCustomForm* form = GetParentForm(this);
    TWinControl* active = form ? form->ActiveControl() : nullptr;
    return active && ContainsControl(active);
}

// ---- setters

void TPageControl::SetTabPosition(TTabPosition Value) {
    if (Value == FTabPosition) return;
    FTabPosition = Value;
    TabsChanged();
}

void TPageControl::SetMultiLine(bool Value) {
    if (Value == FMultiLine) return;
    FMultiLine = Value;
    FFirstVisible = 0;
    TabsChanged();
}

void TPageControl::SetStyle(TTabStyle Value) {
    if (Value == FStyle) return;
    FStyle = Value;
    TabsChanged();
}

void TPageControl::SetTabWidth(int Value) {
    if (Value == FTabWidth) return;
    FTabWidth = Value;
    Perform(TCM_SETITEMSIZE, 0, MakeLParam(FTabWidth, FTabHeight));
}

void TPageControl::SetTabHeight(int Value) {
    if (Value == FTabHeight) return;
    FTabHeight = Value;
    Perform(TCM_SETITEMSIZE, 0, MakeLParam(FTabWidth, FTabHeight));
}

void TPageControl::SetImages(TCustomImageList* Value) {
    if (FImages.Set(Value)) TabsChanged();
}

void TPageControl::Resize() {
    int rows = FRows;
    Layout();
    if (rows != FRows) Realign();
    TCustomControl::Resize();
}

void TPageControl::Loaded() {
    TCustomControl::Loaded();
    TabsChanged();
}

// ---- messages

void TPageControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case TCM_GETITEMCOUNT:
        Message.Result = TabCount();
        return;
    case TCM_GETROWCOUNT:
        Message.Result = FRows;
        return;
    case TCM_GETCURSEL:
        Message.Result = TabIndex();
        return;
    case TCM_SETCURSEL: {
        Message.Result = TabIndex();
        int idx = static_cast<int>(static_cast<intptr_t>(Message.WParam));
        if (idx >= 0 && idx < TabCount()) ShowActivePage(FTabs[idx]);
        return;
    }
    case TCM_GETITEMRECT: {
        int idx = static_cast<int>(static_cast<intptr_t>(Message.WParam));
        if (auto* r = reinterpret_cast<TRect*>(Message.LParam)) *r = RawTabRect(idx);
        Message.Result = idx >= 0 && idx < TabCount();
        return;
    }
    case TCM_ADJUSTRECT:
        if (auto* r = reinterpret_cast<TRect*>(Message.LParam)) {
            TRect d = RawDisplayRect();
            r->Left += d.Left;
            r->Top += d.Top;
            r->Right -= FWidth - d.Right;
            r->Bottom -= FHeight - d.Bottom;
        }
        return;
    case TCM_SETITEMSIZE:
        Message.Result = MakeLParam(FItemWidth, FItemHeight);
        FItemWidth = std::max(0, LoPart(static_cast<uint64_t>(Message.LParam)));
        FItemHeight = std::max(0, HiPart(static_cast<uint64_t>(Message.LParam)));
        TabsChanged();
        return;
    case WM_HSCROLL:
        if (LoPart(Message.WParam) == SB_THUMBPOSITION && !FMultiLine) {
            FFirstVisible = HiPart(Message.WParam);
            Layout();
            Invalidate();
        }
        return;
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS;
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        TPoint p = LParamToPoint(Message.LParam);
        int idx = IndexOfTabAt(p.X, p.Y);
        if (idx >= 0) {
            TKeepAlive alive(this);
            if (CanFocus() && !Focused()) SetFocus();
            SelectByUser(idx);
            if (FreePending()) return;
        }
        break;
    }
    case WM_MOUSEMOVE: {
        TPoint p = LParamToPoint(Message.LParam);
        SetHotTab(IndexOfTabAt(p.X, p.Y));
        break;
    }
    case CM_MOUSELEAVE:
        if (Message.LParam == reinterpret_cast<LPARAM>(this)) SetHotTab(-1);
        break;
    case CM_DIALOGKEY:
        if (Message.WParam == VK_TAB && KeyboardStateToShiftState().Contains(ssCtrl) && FocusInside()) {
            SelectNextPage(!KeyboardStateToShiftState().Contains(ssShift));
            Message.Result = 1;
            return;
        }
        break;
    case CM_FONTCHANGED:
        TCustomControl::Dispatch(Message);
        TabsChanged();
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TPageControl::KeyDown(uint16_t& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    if (Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN) {
        SelectNextPage(Key == VK_RIGHT || Key == VK_DOWN);
        Key = 0;
    }
}

// ---- painting

TVisualState TPageControl::TabVisualState(int TabIdx) const {
    TVisualState state = FVisualState;
    state.Exclude(vsHot);
    state.Exclude(vsFocused);
    TTabSheet* page = TabPage(TabIdx);
    if (!page) return state;
    if (!page->Enabled()) state.Exclude(vsEnabled);
    if (TabIdx == FHotTab) state.Include(vsHot);
    if (page == FActivePage) {
        state.Include(vsSelected);
        // The selected tab stands for the control while it has the focus.
        if (FVisualState.Contains(vsFocused)) state.Include(vsFocused);
    }
    return state;
}

void TPageControl::VisualStateChanged(TVisualState Changed) {
    if (Changed.Contains(vsFocused)) Invalidate();
}

void TPageControl::SetHotTab(int TabIdx) {
    if (TabIdx == FHotTab) return;
    FHotTab = TabIdx;
    Invalidate();
}

void TPageControl::Paint() {
    TCanvas* c = Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(FColor);
    c->FillRect(ClientRect());
    if (FStyle == tsTabs) {
        TRect d = DisplayRect();
        c->Brush()->SetColor(clBtnShadow);
        c->FrameRect({d.Left - 1, d.Top - 1, d.Right + 1, d.Bottom + 1});
    }
    c->SetFont(FFont);
    for (int i = 0; i < TabCount(); ++i) {
        TRect r = TabRect(i);
        if (r.Width() <= 0 || r.Height() <= 0) continue;
        DrawTab(c, i, r, TabVisualState(i));
    }
}

void TPageControl::DrawTab(TCanvas* C, int TabIdx, const TRect& Rect, TVisualState State) {
    TTabSheet* page = FTabs[TabIdx];
    bool enabled = State.Contains(vsEnabled);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(State.Contains(vsSelected) ? clWindow : FColor);
    C->FillRect(Rect);
    C->Brush()->SetColor(clBtnShadow);
    C->FrameRect(Rect);
    TRect text = Rect;
    if (FImages) {
        int x = Rect.Left + 6;
        int y = Rect.Top + Rect.Height() / 2 - FImages->Height() / 2;
        FImages->Draw(C, x, y, page->ImageIndex(), enabled);
        text.Left = x + FImages->Width();
    }
    C->Brush()->SetStyle(bsClear);
    C->Font()->SetColor(enabled ? FFont.Color() : clGrayText);
    DrawText(C->Handle(), page->Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
