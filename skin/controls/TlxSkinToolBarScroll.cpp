// The tool bar's scrolling: the range of its content, the two scroll buttons
// in its non-client area and the steps they take.

#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/TlxSkinToolBar.h"
#include "skin/engine/SkinGlyphs.h"
#include "skin/engine/SkinImages.h"

#include <algorithm>

namespace {
constexpr int HitScrollLeft = 119, HitScrollRight = 120;
} // namespace

void TlxSkinToolBar::SetCanScroll(bool Value) {
    if (FCanScroll == Value) return;
    FCanScroll = Value;
    if (Value) {
        UpdateScrollRange();
        return;
    }
    StopScrollTimer();
    if (SPosition > 0) ScrollBy(SPosition, 0);
    SMax = SPosition = SPage = SOldPosition = FHSizeOffset = 0;
    ShowScrollButtons(false);
}

void TlxSkinToolBar::SetScrollOffset(int Value) {
    if (Value >= 0) FScrollOffset = Value;
}

void TlxSkinToolBar::SetScrollTimerInterval(int Value) {
    if (Value > 0) FScrollTimerInterval = Value;
}

void TlxSkinToolBar::GetSkinData() {
    TlxSkinPanel::GetSkinData();
    TlxSkinData* sd = SkinData();
    ButtonDataIndex = Skinned() ? sd->GetControlIndex("resizebutton") : -1;
}

void TlxSkinToolBar::UpdateScrollRange() {
    if (!FCanScroll || Width() == 0 || FUpdatingRange) return;
    FUpdatingRange = true;
    int ext = 0;
    for (int i = 0; i < ControlCount(); ++i)
        if (TControl* c = Controls(i); c->Visible()) ext = std::max(ext, c->Left() + c->Width());
    // No content to the right of the view also ends the scrolling: nothing
    // may stay scrolled out of reach.
    if (ext > 0 && SPosition + ext > ClientWidth()) {
        ShowScrollButtons(true);
        // Measured once the buttons took their room.
        const int cw = ClientWidth();
        if (SPosition > 0 && cw > ext && FHSizeOffset > 0) {
            // The bar grew: the content follows its right end.
            FHSizeOffset = std::min(FHSizeOffset, SPosition);
            SMax = SPosition + ext - 1;
            SPosition -= FHSizeOffset;
            SPage = cw;
            ScrollBy(FHSizeOffset, 0);
        } else if (FHSizeOffset == 0 && SPosition + ext - 1 < SMax && SPosition > 0 && cw > ext) {
            // The content shrank: its end stays at the bar's right end.
            SMax = SPosition + ext - 1;
            SPosition -= cw - ext;
            SPage = cw;
            ScrollBy(cw - ext, 0);
        } else {
            SMax = SPosition + ext - 1;
            SPage = cw;
        }
        FHSizeOffset = 0;
        SOldPosition = SPosition;
    } else {
        if (SPosition > 0) ScrollBy(SPosition, 0);
        FHSizeOffset = SMax = SPosition = SPage = SOldPosition = 0;
        ShowScrollButtons(false);
    }
    FUpdatingRange = false;
}

void TlxSkinToolBar::ShowScrollButtons(bool Show) {
    if (Buttons[0].Visible == Show) return;
    Buttons[0].Visible = Buttons[1].Visible = Show;
    if (!Show) StopScrollTimer();
    // The frame changes without a new window: only the client is measured again.
    if (HandleAllocated())
        SetWindowPos(WindowHandle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PlaceScrollButtons();
    Realign();
}

void TlxSkinToolBar::PlaceScrollButtons() {
    Buttons[0].R = {0, 0, ScrollButtonWidth, Height()};
    Buttons[1].R = {Width() - ScrollButtonWidth, 0, Width(), Height()};
}

void TlxSkinToolBar::AdjustClientRect(TRect& Rect) {
    TlxSkinPanel::AdjustClientRect(Rect);
    if (!Buttons[0].Visible) return;
    // The whole content, moved by the scroll offset.
    const int h = ClientHeight();
    Rect = {-SPosition, 0, -SPosition + std::max(SMax, ClientWidth()), h};
    if (!Skinned() || Designing()) {
        Rect.Top = 1;
        Rect.Bottom = h - 1;
    } else if (!(BorderStyle() == bvNone && ResizeMode() == TlxResizeMode::Both)) {
        Rect.Top = Sized.NewClRect.Top;
        Rect.Bottom = Sized.NewClRect.Bottom;
    }
}

void TlxSkinToolBar::AlignControls(TControl* AControl, TRect& Rect) {
    TlxSkinPanel::AlignControls(AControl, Rect);
    UpdateScrollRange();
}

void TlxSkinToolBar::CreateControlSkinImage(TBitmap& B) {
    if (!Buttons[0].Visible || ResizeMode() != TlxResizeMode::Horizontal) {
        TlxSkinPanel::CreateControlSkinImage(B);
        return;
    }
    // Only the middle of the description: its ends belong to the bar's ends.
    const TlxSkinGeometry& g = Geometry;
    const int w = B.Width();
    CreateHSkinImageMiddle(g.LTPt.X, g.SkinRect.Width() - g.RTPt.X, &B, Picture(), g.SkinRect, w,
                           g.StretchEffect);
}

int TlxSkinToolBar::ScrollHit(TPoint Screen) {
    TRect window;
    GetWindowRect(WindowHandle(), window);
    const int x = Screen.X - window.Left;
    const int clientLeft = Buttons[0].Visible ? ScrollButtonWidth : 0;
    if (x < clientLeft && Buttons[0].Visible) return HitScrollLeft;
    if (x >= clientLeft + ClientWidth() && Buttons[1].Visible) return HitScrollRight;
    return 0;
}

void TlxSkinToolBar::StartScrollTimer(int Mode) {
    TimerMode = Mode;
    if (HandleAllocated()) SetTimer(WindowHandle(), ScrollTimer, static_cast<uint32_t>(FScrollTimerInterval));
}

void TlxSkinToolBar::StopScrollTimer() {
    TimerMode = 0;
    if (HandleAllocated()) KillTimer(WindowHandle(), ScrollTimer);
}

void TlxSkinToolBar::ScrollStep(bool Left) {
    const int step = FScrollOffset > 0 ? FScrollOffset : ClientWidth();
    if (Left)
        SPosition = std::max(SPosition - step, 0);
    else
        SPosition = std::max(std::min(SPosition + step, SMax - SPage + 1), 0);
    if (SPosition == SOldPosition) {
        StopScrollTimer();
        return;
    }
    ScrollBy(-(SPosition - SOldPosition), 0);
    SOldPosition = SPosition;
    Realign();
    UpdateScrollRange();
}

void TlxSkinToolBar::ScrollButtonsLeft() {
    bool changed = TimerMode != 0;
    for (auto& b : Buttons)
        if (b.Visible && b.MouseIn) {
            b.MouseIn = false;
            changed = true;
        }
    StopScrollTimer();
    if (changed) PaintScrollButtons();
}

bool TlxSkinToolBar::ScrollMessage(TMessage& Message) {
    if (!FCanScroll) return false;
    const int hit = static_cast<int>(static_cast<intptr_t>(Message.WParam));
    const bool onButton = hit == HitScrollLeft || hit == HitScrollRight;
    const int index = hit == HitScrollRight ? 1 : 0;
    switch (Message.Msg) {
    case WM_NCCALCSIZE: {
        GetSkinData();
        if (auto* p = LParamToPtr<TNCCalcSizeParams>(Message.LParam)) {
            if (Buttons[0].Visible) p->rgrc[0].Left += ScrollButtonWidth;
            if (Buttons[1].Visible) p->rgrc[0].Right -= ScrollButtonWidth;
        }
        return true;
    }
    case WM_SIZE:
        TlxSkinPanel::Dispatch(Message);
        if (Buttons[0].Visible) {
            PlaceScrollButtons();
            PaintScrollButtons();
        }
        return true;
    case WM_NCHITTEST:
        if (Designing()) return false;
        if (const int code = ScrollHit(LParamToPoint(Message.LParam))) {
            Message.Result = code;
            return true;
        }
        return false;
    case WM_SETCURSOR: {
        // The scroll buttons take the client area's cursor.
        const int code = LoPart(static_cast<uint64_t>(Message.LParam));
        if (code != HitScrollLeft && code != HitScrollRight) return false;
        Message.LParam = MakeLParam(HTCLIENT, HiPart(static_cast<uint64_t>(Message.LParam)));
        return false;
    }
    case WM_NCPAINT:
        TlxSkinPanel::Dispatch(Message);
        if (Buttons[0].Visible) PaintScrollButtons();
        return true;
    case WM_NCMOUSEMOVE:
        if (!onButton || Buttons[index].MouseIn) return false;
        Buttons[index].MouseIn = true;
        Buttons[1 - index].MouseIn = false;
        PaintScrollButtons();
        if (FHotScroll) StartScrollTimer(index + 1);
        return true;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (!onButton) return false;
        Buttons[index].Down = true;
        PaintScrollButtons();
        StartScrollTimer(index + 1);
        return true;
    case WM_NCLBUTTONUP:
        if (!onButton) return false;
        Buttons[index].Down = false;
        PaintScrollButtons();
        StopScrollTimer();
        // A short click scrolls exactly one step.
        ScrollStep(index == 0);
        return true;
    case WM_MOUSEMOVE:
        TlxSkinPanel::Dispatch(Message);
        ScrollButtonsLeft();
        return true;
    case CM_MOUSELEAVE:
        TlxSkinPanel::Dispatch(Message);
        if (Message.LParam == reinterpret_cast<LPARAM>(static_cast<TControl*>(this)) && !Designing())
            ScrollButtonsLeft();
        return true;
    case WM_TIMER:
        if (Message.WParam != ScrollTimer) return false;
        TlxSkinPanel::Dispatch(Message);
        if (TimerMode != 0) ScrollStep(TimerMode == 1);
        return true;
    }
    return false;
}

// ---- The scroll buttons' look

void TlxSkinToolBar::PaintScrollButtons() {
    if (!HandleAllocated() || !Buttons[0].Visible) return;
    HDC dc = GetWindowDC(WindowHandle());
    if (!dc) return;
    {
        TCanvas c(dc);
        DrawScrollButton(c, 0);
        DrawScrollButton(c, 1);
    }
    ReleaseDC(WindowHandle(), dc);
}

void TlxSkinToolBar::DrawScrollButton(TCanvas& C, int Index) {
    const TlxToolBarScrollButton& button = Buttons[Index];
    const TRect& r = button.R;
    if (r.IsEmpty()) return;
    TBitmap b(r.Width(), r.Height());
    TCanvas& bc = *b.Canvas();
    const bool pressed = (button.Down && button.MouseIn) || (button.MouseIn && FHotScroll);
    TColor color = clBtnText;
    TlxSkinData* sd = SkinData();
    auto* d = ButtonDataIndex >= 0 && sd && ButtonDataIndex < static_cast<int>(sd->CtrlList.size())
                  ? dynamic_cast<TlxDataSkinButtonControl*>(sd->CtrlList[ButtonDataIndex].get())
                  : nullptr;
    TBitmap* picture = d ? sd->ActivePicture(d->PictureIndex) : nullptr;
    if (d && picture) {
        TRect state = d->SkinRect;
        color = d->FontColor;
        if (pressed && !d->DownSkinRect.IsEmpty()) {
            state = d->DownSkinRect;
            color = d->DownFontColor;
        } else if (button.MouseIn && !d->ActiveSkinRect.IsEmpty()) {
            state = d->ActiveSkinRect;
            color = d->ActiveFontColor;
        }
        TlxSkinGeometry g = TlxSkinGeometry::Of(*d);
        g.SkinRect = ClipToPicture(g.SkinRect, picture);
        const TRect source = ClipToPicture(state, picture);
        if (!source.IsEmpty()) {
            const TlxSkinSize s = CalcSkinSize(g, b.Width(), b.Height());
            ::CreateSkinControlImage(g, s, picture, source, b);
        }
    } else {
        DrawPressablePart(bc, {0, 0, b.Width(), b.Height()}, pressed, button.MouseIn);
    }
    DrawArrowImage(&bc, {0, 0, r.Width(), r.Height()}, color, Index == 0 ? 1 : 2);
    C.Draw(r.Left, r.Top, &b);
}
