#include "skin/controls/TlxSkinPageControl.h"

#include "platform/vcl/TImageList.h"
#include "platform/vcl/VclMessages.h"
#include "platform/win/WinApi.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/controls/TlxSkinTabSheet.h"
#include "skin/controls/TlxSkinUpDown.h"
#include "skin/engine/DataSkinListControls.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinRects.h"

#include <algorithm>

TlxSkinPageControl::TlxSkinPageControl(TComponent* AOwner) : TPageControl(AOwner) {
    FDefaultFont.SetName("Arial");
    FDefaultFont.SetHeight(14);
    FDefaultFont.SetColor(clBtnText);
    FDefaultFont.SetStyle({});
    FFont.Assign(FDefaultFont);
    FParentFont = false;
    FTempImages = new TCustomImageList(this);
    FTempImages->SetWidth(1);
    FTempImages->SetHeight(1);
    TPageControl::SetImages(FTempImages);
}

TlxSkinPageControl::~TlxSkinPageControl() = default;

TlxSkinCustomTabSheet* TlxSkinPageControl::SkinPage(int PageIndex) const {
    return PageIndex >= 0 && PageIndex < PageCount() ? dynamic_cast<TlxSkinCustomTabSheet*>(Pages(PageIndex))
                                                     : nullptr;
}

// ---- properties

void TlxSkinPageControl::SetTabExtededDraw(bool Value) {
    FTabExtendedDraw = Value;
    Invalidate();
}

void TlxSkinPageControl::SetTextInHorizontal(bool Value) {
    FTextInHorizontal = Value;
    Invalidate();
}

void TlxSkinPageControl::SetTabLayout(TlxButtonLayout Value) {
    if (Value == FTabLayout) return;
    FTabLayout = Value;
    Invalidate();
}

void TlxSkinPageControl::SetTabSpacing(int Value) {
    if (Value == FTabSpacing) return;
    FTabSpacing = Value;
    Invalidate();
}

void TlxSkinPageControl::SetTabMargin(int Value) {
    if (Value < -1 || Value == FTabMargin) return;
    FTabMargin = Value;
    Invalidate();
}

void TlxSkinPageControl::SetTabsBGTransparent(bool Value) {
    if (Value == FTabsBGTransparent) return;
    FTabsBGTransparent = Value;
    Invalidate();
}

void TlxSkinPageControl::SetDefaultItemHeight(int Value) {
    FDefaultItemHeight = Value;
    if (Skinned()) return;
    SetItemSize(TabWidth(), Value);
    UpdateScrollerPosition();
    Realign();
}

void TlxSkinPageControl::SetSkinData(TlxSkinData* Value) {
    FSD.Set(Value);
    if (Value && !Value->Empty && !ComponentState().Contains(csDesigning)) ChangeSkinData();
}

void TlxSkinPageControl::SetTabsInCenter(bool Value) {
    if (TabWidth() == 0) {
        FTabsInCenter = false;
        return;
    }
    FTabsInCenter = Value;
    if (Value) {
        SetTabPosition(tpTop);
        SetMultiLine(false);
        SetTabsBGTransparent(true);
    }
    Invalidate();
}

void TlxSkinPageControl::SetTabsOffset(int Value) {
    FTabsOffset = Value;
    if (Value > 0) {
        SetTabPosition(tpTop);
        SetMultiLine(false);
        SetTabsBGTransparent(true);
    }
    Invalidate();
}

void TlxSkinPageControl::ResizeTempImages(int Delta) {
    if (SideTabs())
        FTempImages->SetHeight(FTempImages->Height() + Delta);
    else
        FTempImages->SetWidth(FTempImages->Width() + Delta);
    TabsChanged();
}

void TlxSkinPageControl::SetShowCloseButtons(bool Value) {
    if (Value != FShowCloseButtons) {
        FShowCloseButtons = Value;
        ResizeTempImages(Value ? FCloseSize : -FCloseSize);
    }
    Invalidate();
}

void TlxSkinPageControl::SetImages(TCustomImageList* Value) {
    auto along = [this](TCustomImageList* L) { return L ? (SideTabs() ? L->Height() : L->Width()) : 0; };
    const int old = along(FImages);
    FImages.Set(Value);
    ResizeTempImages(along(Value) - old);
    Invalidate();
}

// ---- tab geometry

void TlxSkinPageControl::SetItemSize(int W, int H) {
    Perform(TCM_SETITEMSIZE, 0, MakeLParam(W, H));
}

int TlxSkinPageControl::SkinTabHeight() const {
    if (TabHeight() > 0) return TabHeight();
    return Skinned() ? RectHeight(FTabRect) : FDefaultItemHeight;
}

void TlxSkinPageControl::UpDateTabs() {
    SetItemSize(TabWidth(), SkinTabHeight());
    if (MultiLine()) FreeScroller();
    Realign();
}

TRect TlxSkinPageControl::GetTabRect(int TabIdx) {
    TRect r;
    Perform(TCM_GETITEMRECT, static_cast<WPARAM>(TabIdx), reinterpret_cast<LPARAM>(&r));
    if (TabIdx == 0 && !MultiLine()) r.Left += 1;
    return r;
}

int TlxSkinPageControl::GetTabsOffset() {
    if (FTabsOffset > 0) return FTabsOffset;
    if (TabWidth() == 0) return 0;
    return std::max(0, (Width() - TabCount() * TabWidth()) / 2);
}

int TlxSkinPageControl::GetCloseSize() const {
    return !Skinned() || IsNullRect(CloseButtonRect) ? 14 : RectWidth(CloseButtonRect);
}

// ---- skin

TBitmap* TlxSkinPageControl::SkinPicture(int Index) const {
    TlxSkinData* sd = FSD.Get();
    return Skinned() && sd ? sd->ActivePicture(Index) : nullptr;
}

void TlxSkinPageControl::GetSkinData() {
    BGPictureIndex = -1;
    TlxSkinData* sd = FSD.Get();
    FIndex = !sd || sd->Empty ? -1 : sd->GetControlIndex(FSkinDataName);
    auto* d = FIndex == -1 ? nullptr : dynamic_cast<TlxDataSkinTabControl*>(sd->CtrlList[FIndex].get());
    if (!d) return;
    ButtonTransparent = d->ButtonTransparent;
    ButtonTransparentColor = d->ButtonTransparentColor;
    FPictureIndex = d->PictureIndex;
    // Nothing lies beyond the picture: a rectangle reaching past it would
    // only size the tabs and the frame (and their bitmaps) without bound.
    TBitmap* p = SkinPicture(FPictureIndex);
    SkinRect = ClipToPicture(d->SkinRect, p);
    // The client lies within the skin rectangle, so the frame's sides are never
    // wider than the skin's.
    if (!IntersectRect(ClRect, d->ClRect, {0, 0, RectWidth(SkinRect), RectHeight(SkinRect)})) ClRect = {};
    FTabRect = ClipToPicture(d->TabRect, p);
    ActiveTabRect = IsNullRect(d->ActiveTabRect) ? FTabRect : ClipToPicture(d->ActiveTabRect, p);
    FocusTabRect = ClipToPicture(IsNullRect(d->FocusTabRect) ? d->ActiveTabRect : d->FocusTabRect, p);
    if (IsNullRect(FocusTabRect)) FocusTabRect = ActiveTabRect;
    MouseInTabRect = ClipToPicture(d->MouseInTabRect, p);
    TabsBGRect = ClipToPicture(d->TabsBGRect, p);
    CloseButtonRect = ClipToPicture(d->CloseButtonRect, p);
    ClosebuttonActiveRect =
        IsNullRect(d->CloseButtonActiveRect) ? CloseButtonRect : ClipToPicture(d->CloseButtonActiveRect, p);
    CloseButtonDownRect =
        IsNullRect(d->CloseButtonDownRect) ? ClosebuttonActiveRect : ClipToPicture(d->CloseButtonDownRect, p);
    LTPoint = d->LTPoint;
    RTPoint = d->RTPoint;
    LBPoint = d->LBPoint;
    RBPoint = d->RBPoint;
    TabLeftOffset = d->TabLeftOffset;
    TabRightOffset = d->TabRightOffset;
    FontName = d->FontName;
    FontStyle = d->FontStyle;
    FontHeight = d->FontHeight;
    FontColor = d->FontColor;
    ActiveFontColor = d->ActiveFontColor;
    FocusFontColor = d->FocusFontColor;
    MouseInFontColor = d->MouseInFontColor;
    UpDown = d->UpDown;
    BGPictureIndex = d->BGPictureIndex;
    TabStretchEffect = d->TabStretchEffect;
    ShowFocus = d->ShowFocus;
    FocusOffsetX = d->FocusOffsetX;
    FocusOffsetY = d->FocusOffsetY;
    StretchEffect = d->StretchEffect;
    LeftStretch = d->LeftStretch;
    TopStretch = d->TopStretch;
    RightStretch = d->RightStretch;
    BottomStretch = d->BottomStretch;
    StretchType = d->StretchType;
}

void TlxSkinPageControl::ChangeSkinData() {
    GetSkinData();
    if (FShowCloseButtons) {
        const int old = FCloseSize;
        FCloseSize = GetCloseSize();
        ResizeTempImages(FCloseSize - old);
    }
    TlxSkinData* sd = FSD.Get();
    TFont font;
    if (!Skinned()) {
        font.Assign(FDefaultFont);
        if (sd && sd->ResourceStrData()) font.SetCharset(SkinCharset(sd, FDefaultFont));
    } else {
        font.Assign(FFont);
        if (FUseSkinFont) {
            font.SetName(FontName);
            font.SetHeight(FontHeight);
            font.SetStyle(FontStyle);
        } else {
            font.Assign(FDefaultFont);
        }
        font.SetCharset(SkinCharset(sd, FDefaultFont));
        font.SetColor(FontColor);
    }
    SetFont(font);
    SetItemSize(TabWidth(), SkinTabHeight());
    UpdateScrollerPosition();
    Realign();
    FreeScroller();
    UpdateTabScroller();
    Invalidate();
    if (ActivePage()) ActivePage()->Invalidate();
}

void TlxSkinPageControl::Loaded() {
    TPageControl::Loaded();
    if (!Skinned()) {
        SetItemSize(TabWidth(), TabHeight() > 0 ? TabHeight() : FDefaultItemHeight);
        UpdateScrollerPosition();
        Realign();
    }
}

// ---- hiding

void TlxSkinPageControl::HideTabs() {
    if (FHideTabs || TabCount() == 0) return;
    FHideTabs = true;
    FOLdTabPosition = TabPosition();
    FOldMultiLine = MultiLine();
    if (SideTabs()) SetTabPosition(tpTop);
    SetMultiLine(false);
    FOldTabHeight = TabHeight();
    SetTabHeight(1);
    FreeScroller();
}

void TlxSkinPageControl::ShowTabs() {
    if (!FHideTabs) return;
    SetTabPosition(FOLdTabPosition);
    SetMultiLine(FOldMultiLine);
    SetTabHeight(FOldTabHeight);
    FOldTabHeight = -1;
    FHideTabs = false;
    if (TabHeight() <= 0 && Skinned()) SetItemSize(TabWidth(), RectHeight(FTabRect));
    if (!MultiLine()) UpdateTabScroller();
}

void TlxSkinPageControl::HideBorderAndTabs() {
    SetTabPosition(tpTop);
    FHideTabs = FHideBorder = true;
    FreeScroller();
    Realign();
}

void TlxSkinPageControl::ShowBorderAndTabs() {
    FHideTabs = FHideBorder = false;
    ShowTabs();
    Realign();
}

// ---- the tab scroller

// Side tabs run down the control: their ends are measured against its height.
int TlxSkinPageControl::HiddenTabCount() {
    const int extent = SideTabs() ? Height() : Width();
    int n = 0;
    for (int i = 0; i < TabCount(); ++i) {
        const TRect r = GetTabRect(i);
        const int end = SideTabs() ? r.Bottom : r.Right;
        if (end > extent - 3 || end <= 0) ++n;
    }
    return n;
}

int TlxSkinPageControl::ScrolledTabCount() {
    int n = 0;
    for (int i = 0; i < TabCount(); ++i) {
        const TRect r = GetTabRect(i);
        if ((SideTabs() ? r.Bottom : r.Right) <= 0) ++n;
    }
    return n;
}

void TlxSkinPageControl::FreeScroller() {
    if (!FSkinUpDown) return;
    TlxSkinUpDown* u = FSkinUpDown;
    FSkinUpDown = nullptr;
    u->Free();
}

void TlxSkinPageControl::UpdateTabScroller() {
    // The platform control draws no scroller of its own to take away.
    const int hidden = HiddenTabCount();
    if (hidden == 0 || MultiLine()) {
        FreeScroller();
        return;
    }
    if (!FSkinUpDown && !FHideTabs) {
        FSkinUpDown = new TlxSkinUpDown(this);
        FSkinUpDown->SetParent(this);
        FSkinUpDown->SetOrientation(udHorizontal);
        FSkinUpDown->SetBounds(0, 0, 2 * FDefaultItemHeight, FDefaultItemHeight);
        FSkinUpDown->SetMin(0);
        FSkinUpDown->SetMax(hidden);
        FSkinUpDown->SetPosition(ScrolledTabCount());
        FSkinUpDown->SetIncrement(1);
        FSkinUpDown->OnChange = [this](TObject*) { UpDownChange(); };
        FSkinUpDown->SetSkinDataName(UpDown);
        FSkinUpDown->SetSkinData(FSD.Get());
        FSkinUpDown->Show();
    }
    if (!FSkinUpDown) return;
    FSkinUpDown->SetMax(hidden);
    FSkinUpDown->SetLeft(Width() - FSkinUpDown->Width());
    FSkinUpDown->SetTop(TabPosition() == tpTop ? 0 : Height() - FSkinUpDown->Height());
}

void TlxSkinPageControl::UpdateScrollerPosition() {
    if (FSkinUpDown) FSkinUpDown->SetPosition(ScrolledTabCount());
}

void TlxSkinPageControl::UpDownChange() {
    if (!FSkinUpDown) return;
    FSkinUpDown->SetMax(HiddenTabCount());
    Perform(WM_HSCROLL, MakeWParam(SB_THUMBPOSITION, FSkinUpDown->Position()));
}

void TlxSkinPageControl::Change() {
    UpdateScrollerPosition();
    TKeepAlive alive(this);
    TPageControl::Change();
    if (FreePending()) return;
    Invalidate();
    if (ActivePage()) ActivePage()->Invalidate();
}

// ---- hover, close buttons, wheel

void TlxSkinPageControl::RedrawTabs() {
    // The hover and button state is the handlers'; the next paint shows it.
    if (HandleAllocated() && Showing()) Invalidate();
}

void TlxSkinPageControl::TestActive(int X, int Y) {
    if (FHideTabs) return;
    FOldActiveTab = FActiveTab;
    FOldActiveTabIndex = FActiveTabIndex;
    FActiveTab = FActiveTabIndex = -1;
    for (int i = 0; i < TabCount(); ++i)
        if (GetTabRect(i).Contains({X, Y})) {
            FActiveTabIndex = i;
            FActiveTab = TabPage(i)->PageIndex();
            break;
        }
    const int selected = TabIndex();
    if (FActiveTabIndex != FOldActiveTabIndex) {
        if (FOldActiveTabIndex >= 0 && FOldActiveTabIndex != selected)
            if (TlxSkinCustomTabSheet* old = SkinPage(FOldActiveTab)) {
                old->ButtonMouseIn = old->ButtonMouseDown = false;
                RedrawTabs();
            }
        if (FActiveTabIndex >= 0 && FActiveTabIndex != selected) RedrawTabs();
    }
    if (!FShowCloseButtons || FActiveTabIndex < 0) return;
    TlxSkinCustomTabSheet* page = SkinPage(FActiveTab);
    if (!page) return;
    const TRect tab = GetTabRect(FActiveTabIndex);
    TRect button = page->ButtonRect;
    OffsetRect(button, tab.Left, tab.Top);
    if (button.Contains({X, Y})) {
        if (!page->ButtonMouseIn) {
            page->ButtonMouseIn = true;
            RedrawTabs();
        }
    } else if (page->ButtonMouseIn) {
        page->ButtonMouseIn = page->ButtonMouseDown = false;
        RedrawTabs();
    }
}

void TlxSkinPageControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (!ComponentState().Contains(csDesigning) && !FHideTabs) TestActive(X, Y);
    TPageControl::MouseMove(Shift, X, Y);
}

void TlxSkinPageControl::MouseLeft() {
    TestActive(-1, -1);
    for (int page : {FOldActiveTab, FActiveTab})
        if (TlxSkinCustomTabSheet* p = SkinPage(page); p && p != ActivePage()) {
            p->ButtonMouseIn = p->ButtonMouseDown = false;
            RedrawTabs();
        }
}

void TlxSkinPageControl::MouseButton(const TMessage& Message, bool Down) {
    const TPoint p = LParamToPoint(Message.LParam);
    const bool centred = FTabsInCenter || FTabsOffset > 0;
    if (!ComponentState().Contains(csDesigning) && !centred) TestActive(p.X, p.Y);
    if (!FShowCloseButtons || FActiveTabIndex < 0) return;
    TlxSkinCustomTabSheet* page = SkinPage(FActiveTab);
    if (!page) return;
    const TRect tab = GetTabRect(FActiveTabIndex);
    TRect button = page->ButtonRect;
    OffsetRect(button, tab.Left - (centred ? GetTabsOffset() : 0), tab.Top);
    if (!button.Contains(p)) {
        page->ButtonMouseIn = page->ButtonMouseDown = false;
        return;
    }
    page->ButtonMouseIn = true;
    page->ButtonMouseDown = Down;
    RedrawTabs();
    if (!Down) CloseActivePage();
}

void TlxSkinPageControl::CloseActivePage() {
    auto* page = dynamic_cast<TlxSkinCustomTabSheet*>(ActivePage());
    if (!page) return;
    TKeepAlive alive(this);
    bool canClose = true;
    if (OnClose) OnClose(page, canClose);
    if (FreePending()) return;
    // The handler may have freed the page itself.
    if (ActivePage() != page) return;
    if (canClose) {
        page->SetTabVisible(false);
        if (FFreeOnClose) page->Free();
        FActiveTab = FActiveTabIndex = -1;
        if (OnAfterClose) OnAfterClose(this);
        return;
    }
    TPoint cursor;
    if (GetCursorPos(cursor) && WindowFromPoint(cursor) != WindowHandle()) {
        page->ButtonMouseIn = page->ButtonMouseDown = false;
        RedrawTabs();
    }
}

void TlxSkinPageControl::WheelPaging(int Delta) {
    if (!FMouseWheelSupport || PageCount() == 0) return;
    const int from = ActivePageIndex();
    if (Delta < 0) {
        for (int i = from + 1; i < PageCount(); ++i)
            if (Pages(i)->TabVisible()) {
                SetActivePageIndex(i);
                return;
            }
    } else {
        for (int i = from - 1; i >= 0; --i)
            if (Pages(i)->TabVisible()) {
                SetActivePageIndex(i);
                return;
            }
    }
}

// ---- the window procedure

void TlxSkinPageControl::AdjustDisplayRect(TRect& R) {
    if (FHideBorder) {
        R = {0, -2, Width(), Height()};
        return;
    }
    const bool skinned = Skinned();
    const int rm = skinned ? RectWidth(SkinRect) - ClRect.Right : 0;
    const int bm = skinned ? RectHeight(SkinRect) - ClRect.Bottom : 0;
    const int cw = ClientWidth(), ch = ClientHeight();
    switch (TabPosition()) {
    case tpTop:
        if (skinned)
            R = {ClRect.Left, R.Top - 6 + ClRect.Top, cw - rm, ch - bm};
        else
            R = {1, R.Top - 5, cw - 1, ch - 1};
        if (FHideTabs) R.Top -= 1;
        break;
    case tpBottom:
        if (skinned) {
            R = {ClRect.Left, R.Top - 4 + ClRect.Top, cw - rm, R.Bottom + 4 - bm};
            if (FHideTabs) R.Bottom += 1;
        } else {
            R = {1, 1, cw - 1, R.Bottom + 3};
        }
        break;
    case tpLeft:
        if (skinned)
            R = {R.Left + ClRect.Left - 4, R.Top - 4 + ClRect.Top, cw - rm, ch - bm};
        else
            R = {R.Left - 3, R.Top - 5, cw - 1, ch - 1};
        if (FHideTabs) R.Left -= 1;
        break;
    case tpRight:
        if (skinned)
            R = {ClRect.Left, R.Top - 4 + ClRect.Top, R.Right - rm + 4, ch - bm};
        else
            R = {R.Left - 3, R.Top - 5, R.Right + 3, ch - 1};
        if (FHideTabs) R.Right += 1;
        break;
    }
}

void TlxSkinPageControl::AdjustItemRect(TRect& R) {
    if (Style() != tsTabs) return;
    switch (TabPosition()) {
    case tpTop:
        if (!MultiLine()) OffsetRect(R, -2, 0);
        OffsetRect(R, 0, -2);
        if (FTabsInCenter || FTabsOffset > 0) OffsetRect(R, GetTabsOffset(), 0);
        break;
    case tpBottom:
        if (!MultiLine()) OffsetRect(R, -2, 0);
        OffsetRect(R, 0, 2);
        break;
    case tpLeft:
        OffsetRect(R, -2, 0);
        break;
    case tpRight:
        OffsetRect(R, 2, 0);
        break;
    }
}

void TlxSkinPageControl::WndProc(TMessage& Message) {
    TKeepAlive alive(this);
    const bool centred = FTabsInCenter || FTabsOffset > 0;
    switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TPageControl::WndProc(Message);
        if (centred && !FreePending()) Invalidate();
        return;
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
        if (centred) {
            // The platform control hit-tests the tabs where it laid them out.
            TPoint p = LParamToPoint(Message.LParam);
            p.X -= GetTabsOffset();
            Message.LParam = PointToLParam(p);
        }
        TPageControl::WndProc(Message);
        if (FreePending() || FHideTabs || Message.Msg == WM_LBUTTONDBLCLK) return;
        MouseButton(Message, Message.Msg == WM_LBUTTONDOWN);
        return;
    }
    case TCM_ADJUSTRECT:
        TPageControl::WndProc(Message);
        if (auto* r = reinterpret_cast<TRect*>(Message.LParam)) AdjustDisplayRect(*r);
        return;
    case TCM_GETITEMRECT:
        TPageControl::WndProc(Message);
        if (auto* r = reinterpret_cast<TRect*>(Message.LParam)) AdjustItemRect(*r);
        return;
    case TCM_SETCURSEL:
        TPageControl::WndProc(Message);
        if (!ComponentState().Contains(csLoading)) Invalidate();
        return;
    case WM_MOUSEWHEEL:
        TPageControl::WndProc(Message);
        if (!FreePending()) WheelPaging(HiPart(Message.WParam));
        return;
    case WM_CHECKPARENTBG:
        if (FTabsBGTransparent) Invalidate();
        return;
    case CM_SKINPAINTNC:
        Message.Result = SkinPaintNCAnswer;
        return;
    case WM_SIZE:
        GetSkinData();
        break;
    case CM_MOUSELEAVE:
        TPageControl::WndProc(Message);
        if (!FreePending() && Message.LParam == reinterpret_cast<LPARAM>(static_cast<TControl*>(this)))
            MouseLeft();
        return;
    }
    TPageControl::WndProc(Message);
    if (FreePending()) return;
    if (Message.Msg == WM_SIZE && !MultiLine() && !ComponentState().Contains(csDesigning))
        UpdateTabScroller();
}
