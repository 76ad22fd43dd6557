#include "skin/controls/TlxSkinCustomSlider.h"

#include "platform/base/ScopeGuard.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/SliderImages.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/SkinImages.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr uintptr_t TrackTimer = 1;
constexpr uint32_t TrackMs = 400;

// To the nearest integer, halves to the even neighbour, within int's range.
int64_t Nearest(double X) {
    return std::llrint(std::clamp(X, -4e18, 4e18));
}

int ClampToInt(int64_t V) {
    return static_cast<int>(std::clamp<int64_t>(V, INT32_MIN, INT32_MAX));
}

} // namespace

TlxSkinCustomSlider::TlxSkinCustomSlider(TComponent* AOwner) : TlxSkinControl(AOwner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csDoubleClicks, csOpaque};
    SetTabStop(true);
    SetSkinDataName("slider");
    for (TlxSliderImage i : {siHThumb, siHRuler, siVThumb, siVRuler})
        FImages[i] = SliderBuiltInImage(i);
    SetBounds(Left(), Top(), 150, 40);
    FCreating = false;
    UpdateLayout();
}

bool TlxSkinCustomSlider::Reading() const {
    return ComponentState().Contains(csReading) || ComponentState().Contains(csLoading);
}

// ---- Properties

void TlxSkinCustomSlider::SetRange(int AMin, int AMax) {
    if (AMin >= AMax && !Reading()) return;
    FMinValue = AMin;
    FMaxValue = AMax;
    if (!Reading() && int64_t(AMax) < int64_t(AMin) + FIncrement)
        FIncrement = ClampToInt(int64_t(AMax) - AMin);
    if (FOptions.Contains(soShowPoints)) Invalidate();
    SetValue(FValue);
    RangeChanged();
}

void TlxSkinCustomSlider::SetMinValue(int Value) {
    if (Value != FMinValue) SetRange(Value, FMaxValue);
}

void TlxSkinCustomSlider::SetMaxValue(int Value) {
    if (Value != FMaxValue) SetRange(FMinValue, Value);
}

void TlxSkinCustomSlider::SetValue(int AValue) {
    // While a form is read the bounds may cross for a moment.
    AValue = std::max(std::min(AValue, FMaxValue), FMinValue);
    const bool changed = AValue != FValue;
    FValue = AValue;
    MoveThumb();
    if (changed && OnChange) OnChange(this);
}

void TlxSkinCustomSlider::SetIncrement(int Value) {
    if (Value <= 0 || Value == FIncrement) return;
    FIncrement = Value;
    SetValue(FValue);
    Invalidate();
}

void TlxSkinCustomSlider::SetOrientation(TlxSliderOrientation Value) {
    if (Value == FOrientation) return;
    FOrientation = Value;
    UpdateLayout();
    if (!Reading()) SetBounds(Left(), Top(), Height(), Width());
}

void TlxSkinCustomSlider::SetOptions(TlxSliderOptions Value) {
    if (Value == FOptions) return;
    FOptions = Value;
    Invalidate();
}

void TlxSkinCustomSlider::SetEdgeSize(int Value) {
    const TBitmap& ruler = FImages[Vertical() ? siVRuler : siHRuler];
    const int length = Vertical() ? ruler.Height() : ruler.Width();
    if (Value < 0 || int64_t(Value) * 2 >= length || Value == FEdgeSize) return;
    FEdgeSize = Value;
    UpdateLayout();
}

void TlxSkinCustomSlider::SetNumThumbStates(int Value) {
    Value = std::clamp(Value, 1, 2);
    if (Value == FNumThumbStates) return;
    FNumThumbStates = Value;
    UpdateLayout();
}

void TlxSkinCustomSlider::SetUseSkinThumb(bool Value) {
    if (Value == FUseSkinThumb) return;
    FUseSkinThumb = Value;
    UpdateLayout();
}

void TlxSkinCustomSlider::SetTransparent(bool Value) {
    FTransparent = Value;
    Invalidate();
}

void TlxSkinCustomSlider::SetImage(TlxSliderImage Which, const TBitmap* Picture) {
    if (Picture) {
        FImages[Which].Assign(*Picture);
        FUserImages.Include(Which);
    } else {
        FImages[Which] = SliderBuiltInImage(Which);
        FUserImages.Exclude(Which);
        if (!Reading()) {
            const bool ruler = Which == siHRuler || Which == siVRuler;
            FOptions.Exclude(ruler ? soRulerOpaque : soThumbOpaque);
            Invalidate();
        }
    }
    if (!FCreating) UpdateLayout();
}

void TlxSkinCustomSlider::Loaded() {
    TlxSkinControl::Loaded();
    // The pictures read with the form replace the built-in ones.
    for (TlxSliderImage i : {siHThumb, siHRuler, siVThumb, siVRuler})
        if (FUserImages.Contains(i)) {
            TBitmap copy;
            copy.Assign(FImages[i]);
            SetImage(i, &copy);
        }
    UpdateLayout();
}

// ---- Skin and layout

void TlxSkinCustomSlider::GetSkinData() {
    TlxSkinControl::GetSkinData();
    auto* d = dynamic_cast<TlxDataSkinSlider*>(Description());
    if (!d) {
        FIndex = -1;
        return;
    }
    // Rectangles of a skin are untrusted: only what lies in its picture.
    TBitmap* picture = SkinPicture();
    HRulerRect = ClipToPicture(d->HRulerRect, picture);
    HThumbRect = ClipToPicture(d->HThumbRect, picture);
    VRulerRect = ClipToPicture(d->VRulerRect, picture);
    VThumbRect = ClipToPicture(d->VThumbRect, picture);
    SkinEdgeSize = d->EdgeSize;
    BGColor = d->BGColor;
    PointsColor = d->PointsColor;
}

TBitmap* TlxSkinCustomSlider::SkinPicture() const {
    auto* d = dynamic_cast<TlxDataSkinSlider*>(Description());
    return d ? TlxSkinControl::SkinPicture(d->PictureIndex) : nullptr;
}

void TlxSkinCustomSlider::ChangeSkinData() {
    GetSkinData();
    UpdateLayout();
}

TSize TlxSkinCustomSlider::ThumbSize() const {
    if (Skinned() && FUseSkinThumb) {
        const TRect& r = Vertical() ? VThumbRect : HThumbRect;
        return {r.Width() / 2, r.Height()};
    }
    const TBitmap& image = FImages[Vertical() ? siVThumb : siHThumb];
    return {image.Width() / FNumThumbStates, image.Height()};
}

int TlxSkinCustomSlider::RulerTravel() const {
    const TSize t = ThumbSize();
    return Vertical() ? FRuler.Height() - t.cy : FRuler.Width() - t.cx;
}

TRect TlxSkinCustomSlider::RulerRect() const {
    return {FRulerOrg.X, FRulerOrg.Y, FRulerOrg.X + FRuler.Width(), FRulerOrg.Y + FRuler.Height()};
}

void TlxSkinCustomSlider::BuildRuler(const TRect& Area) {
    const int length = std::max(0, (Vertical() ? Area.Height() : Area.Width()) - 12);
    if (!Skinned()) {
        BuildImageRuler(length);
        return;
    }
    const TRect& r = Vertical() ? VRulerRect : HRulerRect;
    const int along = Vertical() ? r.Height() : r.Width();
    const int edge = std::clamp(SkinEdgeSize, 0, along / 2);
    if (Vertical())
        CreateVSkinImage(edge, edge, &FRuler, SkinPicture(), r, length, false);
    else
        CreateHSkinImage(edge, edge, &FRuler, SkinPicture(), r, length, false);
}

void TlxSkinCustomSlider::BuildImageRuler(int Length) {
    TBitmap& image = FImages[Vertical() ? siVRuler : siHRuler];
    const int imageLength = Vertical() ? image.Height() : image.Width();
    const int thickness = Vertical() ? image.Width() : image.Height();
    if (Vertical())
        FRuler.SetSize(thickness, Length);
    else
        FRuler.SetSize(Length, thickness);
    if (image.Empty() || Length == 0) return;
    // A piece of the image, [From, From + Size) along it, at At along the ruler.
    auto piece = [&](int At, int From, int Size) {
        if (Vertical())
            FRuler.Canvas()->CopyRect({0, At, thickness, At + Size}, *image.Canvas(),
                                      {0, From, thickness, From + Size});
        else
            FRuler.Canvas()->CopyRect({At, 0, At + Size, thickness}, *image.Canvas(),
                                      {From, 0, From + Size, thickness});
    };
    const int edge = std::clamp(FEdgeSize, 0, imageLength / 2);
    const int middle = imageLength - 2 * edge;
    if (middle <= 0) {
        // No middle to repeat: the whole image stretched over the ruler.
        FRuler.Canvas()->StretchDraw({0, 0, FRuler.Width(), FRuler.Height()}, &image);
        return;
    }
    piece(0, 0, std::min(Length, imageLength - edge));
    for (int at = edge; at < Length - edge; at += middle)
        piece(at, edge, std::min(middle, Length - at));
    // The ruler ends with the image's own end.
    const int rest = std::max(0, Length - 2 * edge) % middle;
    const int last = std::min(Length, edge + rest);
    piece(Length - last, imageLength - last, last);
}

void TlxSkinCustomSlider::UpdateLayout() {
    GetSkinData();
    TRect r;
    GetTrackArea(r);
    BuildRuler(r);
    const TSize t = ThumbSize();
    const int tw = t.cx, th = t.cy;
    const int rw = FRuler.Width(), rh = FRuler.Height();
    TPoint thumb;
    if (!Vertical()) {
        if (rh < th) {
            thumb = {r.Left + 6, r.Top + 6};
            FRulerOrg = {r.Left + 6, r.Top + 6 + (th - rh) / 2};
            FPointsRect = {FRulerOrg.X, r.Top + th + 7, FRulerOrg.X + rw, r.Bottom - r.Top - 1};
        } else {
            thumb = {r.Left + 6, r.Top + 6 + (rh - th) / 2};
            FRulerOrg = {r.Left + 6, r.Top + 6};
            FPointsRect = {FRulerOrg.X, r.Top + rh + 7, FRulerOrg.X + rw, r.Bottom - r.Top - 1};
        }
    } else {
        if (rw < tw) {
            thumb = {r.Left + 6, r.Top + 6};
            FRulerOrg = {r.Left + 6 + (tw - rw) / 2, r.Top + 6};
            FPointsRect = {r.Left + tw + 7, FRulerOrg.Y, r.Right - r.Left - 1, FRulerOrg.Y + rh};
        } else {
            thumb = {r.Left + 6 + (rw - tw) / 2, r.Top + 6};
            FRulerOrg = {r.Left + 6, r.Top + 6};
            FPointsRect = {r.Left + rw + 7, FRulerOrg.Y, r.Right - r.Left - 1, FRulerOrg.Y + rh};
        }
    }
    FThumbRect = {thumb.X, thumb.Y, thumb.X + tw, thumb.Y + th};
    SetValue(FValue);
    Invalidate();
}

void TlxSkinCustomSlider::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    const bool resized = AWidth != Width() || AHeight != Height();
    TlxSkinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (resized && !Reading() && !FCreating) UpdateLayout();
}

// ---- Value and offset

int TlxSkinCustomSlider::OffsetOfValue(int AValue) {
    TRect r;
    GetTrackArea(r);
    const int start = (Vertical() ? r.Top : r.Left) + 6;
    const int64_t range = int64_t(FMaxValue) - FMinValue;
    const int travel = RulerTravel();
    int64_t off = start;
    if (range > 0 && travel > 0)
        off += Nearest(double(travel) * (int64_t(AValue) - FMinValue) / double(range));
    if (Vertical()) off = int64_t(r.Top) + r.Bottom - off - ThumbSize().cy;
    return ClampToInt(std::max<int64_t>(off, start));
}

int TlxSkinCustomSlider::ValueOfOffset(int Offset) {
    TRect r;
    GetTrackArea(r);
    const int start = (Vertical() ? r.Top : r.Left) + 6;
    if (Vertical()) Offset = r.Top + r.Bottom - Offset - ThumbSize().cy;
    const int64_t range = int64_t(FMaxValue) - FMinValue;
    const int travel = RulerTravel();
    // No ruler to travel or no range: every offset is the minimum.
    if (range <= 0 || travel <= 0) return FMinValue;
    int64_t x = Nearest(double(int64_t(Offset) - start) * double(range) / travel);
    if (!FOptions.Contains(soSmooth)) x = Nearest(double(x) / FIncrement) * FIncrement;
    return ClampToInt(std::min(std::max<int64_t>(x, 0) + FMinValue, int64_t(FMaxValue)));
}

void TlxSkinCustomSlider::MoveThumb() {
    const int offset = OffsetOfValue(FValue);
    const TSize t = ThumbSize();
    if (Vertical())
        FThumbRect = {FThumbRect.Left, offset, FThumbRect.Left + t.cx, offset + t.cy};
    else
        FThumbRect = {offset, FThumbRect.Top, offset + t.cx, FThumbRect.Top + t.cy};
    Invalidate();
}

// ---- Jumps

void TlxSkinCustomSlider::ApplyJump(TlxJumpMode Mode) {
    const int64_t from = int64_t(FValue) - FMinValue; // never negative
    int64_t v = FValue;
    switch (Mode) {
    case jmHome:
        v = FMinValue;
        break;
    case jmEnd:
        v = FMaxValue;
        break;
    case jmNext: // the next multiple of Increment above, counted from MinValue
        v = FMinValue + (from / FIncrement + 1) * FIncrement;
        break;
    case jmPrior: // the one below
        v = FMinValue + ((from + FIncrement - 1) / FIncrement - 1) * FIncrement;
        break;
    case jmNone:
        return;
    }
    if (v >= FMaxValue) v = FMaxValue;
    if (v <= FMinValue) v = FMinValue;
    if (v != FValue) SetValue(static_cast<int>(v));
}

TlxJumpMode TlxSkinCustomSlider::JumpDirection(TPoint P) const {
    if (!Vertical()) {
        if (P.X < FThumbRect.Left) return jmPrior;
        if (P.X >= FThumbRect.Right) return jmNext;
    } else {
        if (P.Y < FThumbRect.Top) return jmNext;
        if (P.Y >= FThumbRect.Bottom) return jmPrior;
    }
    return jmNone;
}

// ---- Input

void TlxSkinCustomSlider::Changed() {
    if (OnChanged) OnChanged(this);
}

void TlxSkinCustomSlider::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TlxSkinControl::MouseDown(Button, Shift, X, Y);
    if (FreePending() || Button != TMouseButton::mbLeft || Shift.Contains(ssDouble)) return;
    if (CanFocus() && !Focused()) SetFocus();
    if (FreePending()) return;
    if (FThumbRect.Contains({X, Y})) {
        ThumbMouseDown(Button, X, Y);
        return;
    }
    TRect ruler = RulerRect();
    if (Vertical())
        InflateRect(ruler, 3, 0);
    else
        InflateRect(ruler, 0, 3);
    if (!ruler.Contains({X, Y}) || !CanChangeValue()) return;
    SetMouseCapture(true);
    FTracking = true;
    FMousePos = {X, Y};
    FStartJump = JumpDirection(FMousePos);
    TrackingStep();
}

void TlxSkinCustomSlider::TrackingStep() {
    if (!FTracking || FStartJump == jmNone || JumpDirection(FMousePos) != FStartJump) return;
    TKeepAlive alive(this);
    ApplyJump(FStartJump);
    if (FreePending() || FTimerActive || !HandleAllocated()) return;
    SetTimer(WindowHandle(), TrackTimer, TrackMs);
    FTimerActive = true;
}

void TlxSkinCustomSlider::StopTracking() {
    if (FTimerActive && HandleAllocated()) KillTimer(WindowHandle(), TrackTimer);
    FTimerActive = false;
    FTracking = false;
}

void TlxSkinCustomSlider::MouseMove(TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    if (Shift.Contains(ssLeft) && FSliding)
        ThumbMouseMove(X, Y);
    else if (FTracking)
        FMousePos = {X, Y};
    if (FreePending()) return;
    TlxSkinControl::MouseMove(Shift, X, Y);
}

void TlxSkinCustomSlider::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    if (FTracking && Button == TMouseButton::mbLeft) {
        StopTracking();
        if (MouseCapture()) SetMouseCapture(false);
        Changed();
        if (FreePending()) return;
    }
    if (FSliding) ThumbMouseUp(Button);
    if (FreePending()) return;
    TlxSkinControl::MouseUp(Button, Shift, X, Y);
}

void TlxSkinCustomSlider::ThumbMouseDown(TMouseButton Button, int X, int Y) {
    if (CanFocus() && !Focused()) SetFocus();
    if (Button != TMouseButton::mbLeft || !CanChangeValue()) return;
    FSliding = true;
    FThumbDown = true;
    FHit = Vertical() ? Y - FThumbRect.Top : X - FThumbRect.Left;
    Repaint();
}

void TlxSkinCustomSlider::ThumbMouseMove(int X, int Y) {
    if (!FSliding || !CanChangeValue()) return;
    TRect r;
    GetTrackArea(r);
    const int start = (Vertical() ? r.Top : r.Left) + 6;
    const int offset = std::clamp((Vertical() ? Y : X) - FHit, start, start + std::max(0, RulerTravel()));
    SetValue(ValueOfOffset(offset));
}

void TlxSkinCustomSlider::ThumbMouseUp(TMouseButton Button) {
    if (Button != TMouseButton::mbLeft) return;
    FSliding = false;
    FThumbDown = false;
    Repaint();
    if (CanChangeValue()) Changed();
}

void TlxSkinCustomSlider::KeyDown(uint16_t& Key, TShiftState Shift) {
    TKeepAlive alive(this);
    TlxJumpMode mode = jmNone;
    if (!Shift.Contains(ssShift) && !Shift.Contains(ssAlt) && !Shift.Contains(ssCtrl)) {
        switch (Key) {
        case VK_HOME:
            mode = jmHome;
            break;
        case VK_END:
            mode = jmEnd;
            break;
        case VK_LEFT:
            if (!Vertical()) mode = jmPrior;
            break;
        case VK_RIGHT:
            if (!Vertical()) mode = jmNext;
            break;
        case VK_UP:
            if (Vertical()) mode = jmNext;
            break;
        case VK_DOWN:
            if (Vertical()) mode = jmPrior;
            break;
        }
    }
    if (mode != jmNone && CanChangeValue()) {
        Key = 0;
        ApplyJump(mode);
        if (FreePending()) return;
        Changed();
        if (FreePending()) return;
    }
    TlxSkinControl::KeyDown(Key, Shift);
}

void TlxSkinCustomSlider::WndProc(TMessage& Message) {
    // A release lets the capture go on its way; that is no lost capture.
    const bool release = Message.Msg == WM_LBUTTONUP;
    if (release) FInRelease = true;
    TScopeGuard done([this, release] {
        if (release) FInRelease = false;
    });
    TlxSkinControl::WndProc(Message);
}

void TlxSkinCustomSlider::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS;
        return;
    case WM_TIMER:
        if (Message.WParam == TrackTimer) {
            TrackingStep();
            return;
        }
        break;
    case WM_MOVE:
        TlxSkinControl::Dispatch(Message);
        Invalidate();
        return;
    case CM_ENABLEDCHANGED:
        TlxSkinControl::Dispatch(Message);
        Invalidate();
        return;
    case CM_FOCUSCHANGED: {
        TlxSkinControl::Dispatch(Message);
        const bool focused = Message.LParam == reinterpret_cast<LPARAM>(static_cast<TControl*>(this));
        if (focused != FFocused) {
            FFocused = focused;
            if (FOptions.Contains(soShowFocus)) Invalidate();
        }
        return;
    }
    case WM_CAPTURECHANGED:
    case CM_CANCELMODE: {
        TlxSkinControl::Dispatch(Message);
        // The capture went elsewhere (a dialog, another control): the drag
        // or the tracking ends as a release would end it.
        if (FInRelease || (!FSliding && !FTracking)) return;
        TKeepAlive alive(this);
        const bool wasSliding = FSliding;
        StopTracking();
        FSliding = FThumbDown = false;
        Invalidate();
        if (wasSliding && !CanChangeValue()) return;
        Changed();
        return;
    }
    }
    TlxSkinControl::Dispatch(Message);
}

void TlxSkinCustomSlider::CheckParentBackground() {
    if (FTransparent) Repaint();
}
