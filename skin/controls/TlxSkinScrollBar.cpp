#include "skin/controls/TlxSkinScrollBar.h"

#include "platform/base/ScopeGuard.h"
#include "skin/engine/DataSkinListControls.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr uintptr_t RepeatTimer = 1;
constexpr uint32_t FirstDelayMs = 500;
constexpr uint32_t RepeatMs = 50;

// To the nearest integer, halves to the even neighbour (within int's range).
int Nearest(double X) {
    return static_cast<int>(std::lrint(std::clamp(X, -2e9, 2e9)));
}

// A thumb is never longer than this, whatever a skin asks.
constexpr int MaxThumbLength = 1 << 15;

TRect Moved(const TRect& R, int DX, int DY) {
    return {R.Left + DX, R.Top + DY, R.Right + DX, R.Bottom + DY};
}

} // namespace

TlxSkinScrollBar::TlxSkinScrollBar(TComponent* AOwner) : TlxSkinCustomControl(AOwner) {
    FControlStyle.Include(csCaptureMouse);
    FControlStyle.Include(csOpaque);
    SetSkinDataName("hscrollbar");
    FDefaultHeight = 19;
    SetBounds(0, 0, 200, 19);
}

// ---- Range and position

int TlxSkinScrollBar::UpperBound() const {
    const int64_t bound = FPageSize == 0 ? FMax : int64_t(FMax) - FPageSize + 1;
    return static_cast<int>(std::clamp<int64_t>(bound, FMin, std::max(FMin, FMax)));
}

int TlxSkinScrollBar::Clamped(int Value) const {
    return std::clamp(Value, FMin, UpperBound());
}

void TlxSkinScrollBar::SetPosition(int Value) {
    Value = Clamped(Value);
    if (Value == FPosition) return;
    FPosition = Value;
    Invalidate();
    if (OnChange) OnChange(this);
}

void TlxSkinScrollBar::MoveBy(int64_t Delta) {
    SetPosition(static_cast<int>(std::clamp<int64_t>(int64_t(FPosition) + Delta, INT32_MIN, INT32_MAX)));
}

void TlxSkinScrollBar::SimplySetPosition(int Value) {
    Value = Clamped(Value);
    if (Value == FPosition) return;
    FPosition = Value;
    Invalidate();
}

void TlxSkinScrollBar::SetRange(int AMin, int AMax, int APageSize, int APosition) {
    FMin = AMin;
    FMax = AMax;
    FPageSize = APageSize;
    FPosition = Clamped(APosition);
    Invalidate();
}

void TlxSkinScrollBar::SetMin(int Value) {
    FMin = Value;
    FPosition = Clamped(FPosition);
    Invalidate();
}

void TlxSkinScrollBar::SetMax(int Value) {
    FMax = Value;
    FPosition = Clamped(FPosition);
    Invalidate();
}

void TlxSkinScrollBar::SetPageSize(int Value) {
    if (int64_t(FPosition) + Value <= int64_t(FMax) - FMin + 1) FPageSize = Value;
    Invalidate();
}

void TlxSkinScrollBar::SetSmallChange(int Value) {
    FSmallChange = Value;
    Invalidate();
}

void TlxSkinScrollBar::SetLargeChange(int Value) {
    FLargeChange = Value;
    Invalidate();
}

void TlxSkinScrollBar::SetKind(TScrollBarKind Value) {
    if (FKind == Value) return;
    FKind = Value;
    if (Designing() && !ComponentState().Contains(csLoading)) {
        SetSkinDataName(Horizontal() ? "hscrollbar" : "vscrollbar");
        if (Horizontal() ? Width() <= Height() : Height() <= Width())
            SetBounds(Left(), Top(), Height(), Width());
        if (Horizontal()) {
            FDefaultHeight = FDefaultWidth;
            FDefaultWidth = 0;
        } else {
            FDefaultWidth = FDefaultHeight;
            FDefaultHeight = 0;
        }
    }
    Invalidate();
}

void TlxSkinScrollBar::SetCanFocused(bool Value) {
    FCanFocused = Value;
    SetTabStop(Value);
}

void TlxSkinScrollBar::SetBoth(bool Value) {
    if (FBoth == Value) return;
    FBoth = Value;
    if (!Designing()) {
        if (Value) {
            FNormalSkinDataName = SkinDataName();
            SetSkinDataName(FBothSkinDataName);
        } else if (!FNormalSkinDataName.empty()) {
            SetSkinDataName(FNormalSkinDataName);
        }
    }
    if (Skinned())
        ChangeSkinData();
    else
        Invalidate();
}

void TlxSkinScrollBar::SetBothMarkerWidth(int Value) {
    if (Value < 0) return;
    FBothMarkerWidth = Value;
    if (!Skinned()) Invalidate();
}

// ---- Skin and layout

void TlxSkinScrollBar::GetSkinData() {
    TlxSkinCustomControl::GetSkinData();
    auto* d = dynamic_cast<TlxDataSkinScrollBarControl*>(Description());
    if (!d) {
        // Nothing of another skin's description is kept.
        SkinTrackArea = UpButtonRect = ActiveUpButtonRect = DownUpButtonRect = {};
        DownButtonRect = ActiveDownButtonRect = DownDownButtonRect = {};
        ThumbRect = ActiveThumbRect = DownThumbRect = GlyphRect = ActiveGlyphRect = DownGlyphRect = {};
        ThumbOffset1 = ThumbOffset2 = ThumbMinSize = ThumbMinPageSize = 0;
        return;
    }
    auto orElse = [](const TRect& R, const TRect& Fallback) { return R.IsEmpty() ? Fallback : R; };
    SkinTrackArea = d->TrackArea;
    UpButtonRect = d->UpButtonRect;
    ActiveUpButtonRect = d->ActiveUpButtonRect;
    DownUpButtonRect = orElse(d->DownUpButtonRect, ActiveUpButtonRect);
    DownButtonRect = d->DownButtonRect;
    ActiveDownButtonRect = d->ActiveDownButtonRect;
    DownDownButtonRect = orElse(d->DownDownButtonRect, ActiveDownButtonRect);
    ThumbRect = d->ThumbRect;
    ActiveThumbRect = orElse(d->ActiveThumbRect, ThumbRect);
    DownThumbRect = orElse(d->DownThumbRect, ActiveThumbRect);
    ThumbOffset1 = d->ThumbOffset1;
    ThumbOffset2 = d->ThumbOffset2;
    ThumbTransparent = d->ThumbTransparent;
    ThumbTransparentColor = d->ThumbTransparentColor;
    ThumbStretchEffect = d->ThumbStretchEffect;
    ThumbMinSize = d->ThumbMinSize;
    ThumbMinPageSize = d->ThumbMinPageSize;
    GlyphRect = d->GlyphRect;
    ActiveGlyphRect = orElse(d->ActiveGlyphRect, GlyphRect);
    DownGlyphRect = orElse(d->DownGlyphRect, ActiveGlyphRect);
    GlyphTransparent = d->GlyphTransparent;
    GlyphTransparentColor = d->GlyphTransparentColor;
}

void TlxSkinScrollBar::CalcSize(int& W, int& H) {
    TlxSkinCustomControl::CalcSize(W, H);
    LayoutParts();
}

int TlxSkinScrollBar::ThumbLength(int TrackLength) const {
    int least = 16;
    int length = 16;
    if (Skinned()) {
        length = Horizontal() ? ThumbRect.Width() : ThumbRect.Height();
        if (ThumbMinSize != 0) length = ThumbMinSize;
        if (FPageSize == 0 && ThumbMinPageSize != 0) length = ThumbMinPageSize;
        least = length;
    }
    if (FPageSize != 0) {
        const double divisor = double(FMax) - FMin + 1;
        const int proportional = divisor == 0 ? 0 : Nearest(double(TrackLength) * FPageSize / divisor);
        length = std::max(proportional, least);
    }
    return std::clamp(length, 0, MaxThumbLength);
}

void TlxSkinScrollBar::LayoutParts() {
    TRect& thumb = FPartRects[ThumbPart];
    TRect& up = FPartRects[UpPart];
    TRect& down = FPartRects[DownPart];
    if (!Skinned()) {
        const int w = Width() - (FBoth && Horizontal() ? FBothMarkerWidth : 0);
        const int h = Height();
        if (Horizontal()) {
            down = {1, 1, 17, h - 1};
            up = {w - 17, 1, w - 1, h - 1};
            NewTrackArea = {17, 1, w - 17, h - 1};
        } else {
            down = {1, 1, Width() - 1, 17};
            up = {1, h - 17, Width() - 1, h - 1};
            NewTrackArea = {1, 17, Width() - 1, h - 17};
        }
    } else {
        const int dx = Width() - Geometry.SkinRect.Width();
        const int dy = Height() - Geometry.SkinRect.Height();
        NewTrackArea = SkinTrackArea;
        up = UpButtonRect;
        down = DownButtonRect;
        // A button in the far end of the three-part image (from the corner
        // point on) moves with that end.
        if (Horizontal()) {
            NewTrackArea.Right += dx;
            if (up.Left >= Geometry.RTPt.X) up = Moved(up, dx, 0);
            if (down.Left >= Geometry.RTPt.X) down = Moved(down, dx, 0);
        } else {
            NewTrackArea.Bottom += dy;
            if (up.Top >= Geometry.LBPt.Y) up = Moved(up, 0, dy);
            if (down.Top >= Geometry.LBPt.Y) down = Moved(down, 0, dy);
        }
    }
    const int start = Horizontal() ? NewTrackArea.Left : NewTrackArea.Top;
    const int end = Horizontal() ? NewTrackArea.Right : NewTrackArea.Bottom;
    const int length = ThumbLength(end - start);
    double f = 0;
    if (FPageSize == 0) {
        if (FMax != FMin) f = (double(FPosition) - FMin) / (double(FMax) - FMin);
    } else if (double(FMin) < double(FMax) - FPageSize + 1) {
        f = (double(FPosition) - FMin) / (double(FMax) - FPageSize + 1 - FMin);
    } else {
        f = Horizontal() ? 1 : 0;
    }
    const int half = length / 2;
    Offset1 = start + half;
    Offset2 = end - half;
    BOffset = Nearest((Offset2 - Offset1) * f);
    const int from = Offset1 + BOffset - half, to = Offset1 + BOffset + half;
    // Across the bar: the whole track, or the skin thumb's thickness centred on it.
    int acrossFrom = Horizontal() ? NewTrackArea.Top : NewTrackArea.Left;
    int acrossTo = Horizontal() ? NewTrackArea.Bottom : NewTrackArea.Right;
    if (Skinned()) {
        const int thickness = Horizontal() ? ThumbRect.Height() : ThumbRect.Width();
        const int centre = acrossFrom + (acrossTo - acrossFrom) / 2;
        acrossFrom = centre - thickness / 2;
        acrossTo = acrossFrom + thickness;
    }
    thumb = Horizontal() ? TRect{from, acrossFrom, to, acrossTo} : TRect{acrossFrom, from, acrossTo, to};
}

int TlxSkinScrollBar::PositionFromOffset(int Coordinate) {
    const int offset = OldBOffset + (Coordinate - OMPos);
    if (FPageSize != 0) {
        const int start = Horizontal() ? NewTrackArea.Left : NewTrackArea.Top;
        const int end = Horizontal() ? NewTrackArea.Right : NewTrackArea.Bottom;
        const int length = Horizontal() ? FPartRects[ThumbPart].Width() : FPartRects[ThumbPart].Height();
        Offset1 = start + length / 2;
        Offset2 = end - length / 2;
    }
    const int span = Offset2 - Offset1;
    const double f = span > 0 ? std::clamp(double(offset) / span, 0.0, 1.0) : 0.0;
    const double range = FPageSize == 0 ? double(FMax) - FMin : double(FMax) - FMin - FPageSize + 1;
    return Clamped(Nearest(FMin + range * f));
}

// ---- Input

bool TlxSkinScrollBar::ArrowStep(int Index) {
    TKeepAlive alive(this);
    const TNotifyEvent& event = Index == UpPart ? OnUpButtonClick : OnDownButtonClick;
    if (event)
        event(this);
    else
        MoveBy(Index == UpPart ? int64_t(FSmallChange) : -int64_t(FSmallChange));
    return !FreePending();
}

bool TlxSkinScrollBar::PageStep(bool Up) {
    TKeepAlive alive(this);
    MoveBy(Up ? -int64_t(FLargeChange) : int64_t(FLargeChange));
    if (FreePending()) return false;
    const TNotifyEvent& event = Up ? OnPageUp : OnPageDown;
    if (event) event(this);
    return !FreePending();
}

void TlxSkinScrollBar::StartRepeat(uint32_t Ms) {
    if (HandleAllocated()) SetTimer(WindowHandle(), RepeatTimer, Ms);
}

void TlxSkinScrollBar::StopRepeat() {
    if (HandleAllocated()) KillTimer(WindowHandle(), RepeatTimer);
    TimerMode = 0;
    FRepeating = false;
}

TlxScrollBarPart TlxSkinScrollBar::Part(int Index) const {
    return {FPartRects[Index], FParts[Index].Hot(), FParts[Index].MouseHeld()};
}

int TlxSkinScrollBar::HeldPart() const {
    for (int i : {ThumbPart, UpPart, DownPart})
        if (FParts[i].MouseHeld()) return i;
    return -1;
}

void TlxSkinScrollBar::PressButton(int Index) {
    if (Index == ThumbPart) {
        OMPos = Horizontal() ? MX : MY;
        OldBOffset = BOffset;
        FDown = true;
        Invalidate();
        return;
    }
    TimerMode = Index == UpPart ? 2 : 1;
    FRepeating = true;
    StartRepeat(FirstDelayMs);
    ArrowStep(Index);
}

void TlxSkinScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TlxSkinCustomControl::MouseDown(Button, Shift, X, Y);
    if (FreePending() || Button != TMouseButton::mbLeft) return;
    MouseD = true;
    MX = X;
    MY = Y;
    TimerMode = 0;
    WaitMode = true;
    // The parts' behaviours took the press first, on this layout.
    if (const int held = HeldPart(); held != -1) {
        CaptureButton = held;
        PressButton(held);
        return;
    }
    if (!PtInRect(NewTrackArea, {X, Y})) return;
    const TRect& thumb = FPartRects[ThumbPart];
    const bool before = Horizontal() ? X < thumb.Left : Y < thumb.Top;
    TimerMode = before ? 3 : 4;
    StartRepeat(FirstDelayMs);
    PageStep(before);
}

void TlxSkinScrollBar::MouseMove(TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    MX = X;
    MY = Y;
    // A held arrow repeats only while the pointer is on it.
    if (CaptureButton == UpPart || CaptureButton == DownPart) {
        const bool on = FParts[CaptureButton].Pressed();
        if (on && !FRepeating) StartRepeat(RepeatMs);
        if (!on && FRepeating && HandleAllocated()) KillTimer(WindowHandle(), RepeatTimer);
        FRepeating = on;
    }
    if (FDown) SetPosition(PositionFromOffset(Horizontal() ? X : Y));
    if (FreePending()) return;
    TlxSkinCustomControl::MouseMove(Shift, X, Y);
}

void TlxSkinScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TlxSkinCustomControl::MouseUp(Button, Shift, X, Y);
    if (FreePending()) return;
    MouseD = false;
    if (TimerMode == 3 || TimerMode == 4) StopRepeat();
    const int captured = CaptureButton;
    if (captured == -1 || FParts[captured].MouseHeld()) return;
    ReleaseCapturedPart();
    if (Button == TMouseButton::mbLeft && captured == ThumbPart && OnLastChange) OnLastChange(this);
}

void TlxSkinScrollBar::ReleaseCapturedPart() {
    if (CaptureButton == ThumbPart)
        FDown = false;
    else
        StopRepeat();
    CaptureButton = -1;
    Invalidate();
}

void TlxSkinScrollBar::Timer() {
    if (WaitMode) {
        WaitMode = false;
        StartRepeat(RepeatMs);
        return;
    }
    switch (TimerMode) {
    case 1:
        ArrowStep(DownPart);
        break;
    case 2:
        ArrowStep(UpPart);
        break;
    case 3:
    case 4: {
        LayoutParts();
        const TRect& thumb = FPartRects[ThumbPart];
        const bool up = TimerMode == 3;
        const bool go = up ? (Horizontal() ? MX < thumb.Left : MY < thumb.Top)
                           : (Horizontal() ? MX > thumb.Right : MY > thumb.Bottom);
        if (go)
            PageStep(up);
        else
            StopRepeat();
        break;
    }
    }
}

void TlxSkinScrollBar::KeyDown(uint16_t& Key, TShiftState Shift) {
    TKeepAlive alive(this);
    TlxSkinCustomControl::KeyDown(Key, Shift);
    if (FreePending() || !FCanFocused) return;
    if (Key == VK_LEFT || Key == VK_UP) MoveBy(-int64_t(FSmallChange));
    if (Key == VK_RIGHT || Key == VK_DOWN) MoveBy(FSmallChange);
}

void TlxSkinScrollBar::WndProc(TMessage& Message) {
    // A click on a focusable bar takes the focus first; a bar that cannot
    // take it ignores the click.
    const bool press = Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK;
    if (press && FCanFocused && !Designing() && !Focused()) {
        TKeepAlive alive(this);
        if (CanFocus()) SetFocus();
        if (FreePending() || !Focused()) return;
    }
    if (press) {
        GetSkinData();
        LayoutParts();
    }
    // A release lets the capture go on its way; that is no lost capture.
    const bool release = Message.Msg == WM_LBUTTONUP;
    if (release) FInRelease = true;
    TScopeGuard done([this, release] {
        if (release) FInRelease = false;
    });
    // While one part is held, the others stay as they are.
    const int held = HeldPart();
    for (int i : {ThumbPart, UpPart, DownPart})
        if (held == -1 || held == i) FParts[i].Handle(Message);
    TlxSkinCustomControl::WndProc(Message);
    // The capture went elsewhere (a dialog, another control): the drag or
    // repetition ends without a release.
    if ((Message.Msg == WM_CAPTURECHANGED || Message.Msg == CM_CANCELMODE) && !FInRelease &&
        CaptureButton != -1 && !FParts[CaptureButton].MouseHeld()) {
        MouseD = false;
        ReleaseCapturedPart();
    }
}

void TlxSkinScrollBar::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_TIMER:
        if (Message.WParam == RepeatTimer) {
            TKeepAlive alive(this);
            Timer();
            return;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_ENABLEDCHANGED:
        TlxSkinCustomControl::Dispatch(Message);
        Invalidate();
        return;
    case WM_MOUSEWHEEL:
        if (FCanFocused && Focused()) {
            // One step for every 120 units of the wheel, up lowering the position.
            const int steps = HiPart(Message.WParam) / 120;
            TKeepAlive alive(this);
            MoveBy(-int64_t(steps) * FSmallChange);
            Message.Result = 1;
            return;
        }
        break;
    case CM_WANTSPECIALKEY:
        if (FCanFocused && (Message.WParam == VK_LEFT || Message.WParam == VK_RIGHT ||
                            Message.WParam == VK_UP || Message.WParam == VK_DOWN)) {
            Message.Result = 1;
            return;
        }
        break;
    case CM_MOUSELEAVE:
        TlxSkinCustomControl::Dispatch(Message);
        if (Message.LParam != reinterpret_cast<LPARAM>(static_cast<TControl*>(this)) || Designing()) return;
        // Leaving the bar ends a page repetition in either direction.
        if (MouseD && (TimerMode == 3 || TimerMode == 4)) StopRepeat();
        return;
    }
    TlxSkinCustomControl::Dispatch(Message);
}
