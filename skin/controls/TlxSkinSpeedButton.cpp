#include "skin/controls/TlxSkinSpeedButton.h"

#include "platform/vcl/TTimer.h"
#include "platform/vcl/TWinControl.h"

#include <algorithm>

namespace {
constexpr uint32_t MorphStepMs = 20;
constexpr uint32_t RepeatDelayMs = 500;

TTimer* NewTimer(TComponent* Owner, std::function<void()> OnTimer) {
    auto* t = new TTimer(Owner);
    t->SetEnabled(false);
    t->OnTimer = [OnTimer = std::move(OnTimer)](TObject*) { OnTimer(); };
    return t;
}
} // namespace

TlxSkinSpeedButton::TlxSkinSpeedButton(TComponent* AOwner) : TlxGraphicSkinCustomControl(AOwner) {
    FControlStyle = {csCaptureMouse, csOpaque, csDoubleClicks};
    SetSkinDataName("toolbutton");
    SetBounds(0, 0, 25, 25);
    MorphTimer = NewTimer(this, [this] { MorphStep(); });
    AnimateTimer = NewTimer(this, [this] { AnimateStep(); });
    RepeatTimer = NewTimer(this, [this] { RepeatStep(); });
}

TlxSkinSpeedButton::~TlxSkinSpeedButton() {
    // The menu's callbacks point at this button.
    if (TlxSkinImagesMenu* menu = FSkinImagesMenu.Get())
        menu->OnInternalChange = menu->OnInternalMenuClose = nullptr;
}

// ---- Properties

void TlxSkinSpeedButton::SetSkinImagesMenu(TlxSkinImagesMenu* Value) {
    if (TlxSkinImagesMenu* old = FSkinImagesMenu.Get(); old && old != Value)
        old->OnInternalChange = old->OnInternalMenuClose = nullptr;
    FSkinImagesMenu.Set(Value);
    if (Value) Value->OnInternalChange = [this](TObject*) { Invalidate(); };
    Invalidate();
}

void TlxSkinSpeedButton::SetUseImagesMenuImage(bool Value) {
    FUseImagesMenuImage = Value;
    Invalidate();
}

void TlxSkinSpeedButton::SetUseImagesMenuCaption(bool Value) {
    FUseImagesMenuCaption = Value;
    Invalidate();
}

void TlxSkinSpeedButton::RefreshButton() {
    FMouseIn = false;
    FDown = false;
    if (MorphOn()) FMorphKf = 0;
    if (EffectsOn()) StopAnimate();
    Invalidate();
}

void TlxSkinSpeedButton::SetGlyph(const TBitmap& Value) {
    FGlyph.Assign(Value);
    Invalidate();
}

void TlxSkinSpeedButton::SetNumGlyphs(int Value) {
    FNumGlyphs = std::clamp(Value, 1, 4);
    Invalidate();
}

void TlxSkinSpeedButton::SetImageList(TCustomImageList* Value) {
    if (FButtonImages.Set(Value)) Invalidate();
}

void TlxSkinSpeedButton::SetImageIndex(int Value) {
    FImageIndex = Value;
    Invalidate();
}

void TlxSkinSpeedButton::SetMargin(int Value) {
    if (FMargin == Value || Value < -1) return;
    FMargin = Value;
    Invalidate();
}

void TlxSkinSpeedButton::SetSpacing(int Value) {
    if (FSpacing == Value) return;
    FSpacing = Value;
    Invalidate();
}

void TlxSkinSpeedButton::SetLayout(TlxButtonLayout Value) {
    if (FLayout == Value) return;
    FLayout = Value;
    Invalidate();
}

void TlxSkinSpeedButton::SetDown(bool Value) {
    FDown = Value;
    if (MorphOn()) {
        FMorphKf = 1;
        if (Value)
            StopMorph();
        else
            StartMorph(); // the hot image fades back when the pointer is gone
    }
    Invalidate();
    if (FGroupIndex == 0 || !FDown || FAllowAllUp || !Parent()) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TlxSkinSpeedButton*>(Parent()->Controls(i));
        if (other && other != this && other->FGroupIndex == FGroupIndex && other->FDown)
            other->SetDown(false);
    }
}

void TlxSkinSpeedButton::SetFlat(bool Value) {
    FFlat = Value;
    SetTransparent(Value);
    Invalidate();
}

void TlxSkinSpeedButton::SetTransparent(bool Value) {
    TControlStyle style = ControlStyle();
    if (Value)
        style.Exclude(csOpaque);
    else
        style.Include(csOpaque);
    SetControlStyle(style);
    Invalidate();
}

void TlxSkinSpeedButton::SetShowCaption(bool Value) {
    if (FShowCaption == Value) return;
    FShowCaption = Value;
    if (FWidthWithCaption > 0 && FWidthWithoutCaption > 0)
        SetWidth(Value ? FWidthWithCaption : FWidthWithoutCaption);
    else
        Invalidate();
}

void TlxSkinSpeedButton::SetUseSkinSize(bool Value) {
    if (FUseSkinSize == Value) return;
    FUseSkinSize = Value;
    if (SkinData() && !Designing()) ChangeSkinData();
}

void TlxSkinSpeedButton::SetDrawColorMarker(bool Value) {
    FDrawColorMarker = Value;
    Invalidate();
}

void TlxSkinSpeedButton::SetColorMarkerValue(TColor Value) {
    FColorMarkerValue = Value;
    Invalidate();
}

bool TlxSkinSpeedButton::EffectsOn() const {
    TlxSkinData* sd = SkinData();
    return sd && !sd->Empty && sd->EnableSkinEffects();
}

TlxButtonLook TlxSkinSpeedButton::Look() const {
    if (ShowsPressed()) return TlxButtonLook::Pressed;
    if (FMouseIn) return TlxButtonLook::Hot;
    if (Skinned() && MorphOn() && FMorphKf == 1) return TlxButtonLook::HotAfterFade;
    if (!Enabled()) return TlxButtonLook::Disabled;
    return TlxButtonLook::Normal;
}

void TlxSkinSpeedButton::ButtonClick() {
    TKeepAlive alive(this);
    if (OnClick) OnClick(this);
}

// ---- Timers

void TlxSkinSpeedButton::StartMorph() {
    if (MorphTimer->Enabled()) return;
    MorphTimer->SetInterval(MorphStepMs);
    MorphTimer->SetEnabled(true);
}

void TlxSkinSpeedButton::StopMorph() {
    MorphTimer->SetEnabled(false);
}

void TlxSkinSpeedButton::MorphOrRepaint() {
    GetSkinData();
    if (MorphOn() && Skinned() && !Transparent())
        StartMorph();
    else
        Invalidate();
}

void TlxSkinSpeedButton::MorphStep() {
    GetSkinData();
    const double target = FMouseIn ? 1 : 0;
    if (!Skinned() || !MorphOn()) {
        FMorphKf = target;
        StopMorph();
        return;
    }
    if (MorphTowards(FMorphKf, target)) StopMorph();
    Invalidate();
}

void TlxSkinSpeedButton::StartAnimate(bool Forward) {
    StopAnimate();
    if (FrameCount < 1) return;
    AnimateInc = Forward;
    CurrentFrame = Forward ? 1 : FrameCount;
    AnimateTimer->SetInterval(static_cast<uint32_t>(std::max(AnimateInterval, 1)));
    AnimateTimer->SetEnabled(true);
}

void TlxSkinSpeedButton::StopAnimate() {
    CurrentFrame = 0;
    AnimateTimer->SetEnabled(false);
}

void TlxSkinSpeedButton::AnimateStep() {
    if (AnimateInc) {
        if (CurrentFrame > FrameCount)
            StopAnimate();
        else
            ++CurrentFrame;
    } else {
        --CurrentFrame;
        if (CurrentFrame <= 0) StopAnimate();
    }
    Invalidate();
}

void TlxSkinSpeedButton::StartRepeat() {
    RepeatTimer->SetEnabled(false);
    RepeatTimer->SetInterval(RepeatDelayMs);
    RepeatTimer->SetEnabled(true);
}

void TlxSkinSpeedButton::StopRepeat() {
    RepeatTimer->SetEnabled(false);
}

void TlxSkinSpeedButton::RepeatStep() {
    // After the first delay the clicks come every RepeatInterval.
    RepeatTimer->SetInterval(static_cast<uint32_t>(std::max(FRepeatInterval, 1)));
    ButtonClick();
}

// ---- Pointer

void TlxSkinSpeedButton::MouseEnter() {
    GetSkinData();
    FMouseIn = true;
    if (!Reacts()) return;
    if (FDown) {
        if (MorphOn()) FMorphKf = 1;
        Invalidate();
    } else {
        if (HasAnimation()) StartAnimate(true);
        MorphOrRepaint();
    }
    if (FDown && FRepeatMode && FGroupIndex == 0 && FMouseDown) StartRepeat();
}

void TlxSkinSpeedButton::MouseLeave() {
    GetSkinData();
    FMouseIn = false;
    if (!Reacts()) return;
    if (HasAnimation()) StartAnimate(false);
    MorphOrRepaint();
    if (FDown && FRepeatMode && FGroupIndex == 0) StopRepeat();
}

void TlxSkinSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TlxGraphicSkinCustomControl::MouseDown(Button, Shift, X, Y);
    if (FreePending() || Button != TMouseButton::mbLeft) return;
    GetSkinData();
    if (HasAnimation()) StopAnimate();
    FMouseDown = true;
    if (!FDown) {
        FMouseIn = true;
        SetDown(true);
        FAllowAllUpCheck = false;
        if (FRepeatMode && FGroupIndex == 0)
            StartRepeat();
        else if (FGroupIndex != 0)
            ButtonClick(); // a group button clicks as it goes down
    } else if (FGroupIndex != 0) {
        FAllowAllUpCheck = true;
    }
}

void TlxSkinSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TlxGraphicSkinCustomControl::MouseUp(Button, Shift, X, Y);
    if (FreePending() || Button != TMouseButton::mbLeft) return;
    FMouseDown = false;
    const bool over = X >= 0 && Y >= 0 && X < Width() && Y < Height();
    const bool wasDown = FDown;
    if (FGroupIndex == 0) {
        StopRepeat();
        if (over) {
            SetDown(false);
            if (wasDown) ButtonClick();
        } else {
            // Released outside: no click, and the normal look again.
            FDown = false;
            FMouseIn = false;
            if (MorphOn()) FMorphKf = 0;
            Invalidate();
        }
    } else if (wasDown && FAllowAllUp && FAllowAllUpCheck && over) {
        SetDown(false);
        ButtonClick();
    }
}

bool TlxSkinSpeedButton::DialogChar(char32_t Key) {
    if (!IsAccel(Key, Caption()) || !Enabled() || !Visible() || !Parent() || !Parent()->Showing())
        return false;
    ButtonClick();
    return true;
}

void TlxSkinSpeedButton::Dispatch(TMessage& Message) {
    TKeepAlive alive(this);
    switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TlxGraphicSkinCustomControl::Dispatch(Message);
        if (FreePending() || Message.LParam != reinterpret_cast<LPARAM>(static_cast<TControl*>(this)) ||
            Designing() || !Enabled())
            return;
        if (Message.Msg == CM_MOUSEENTER)
            MouseEnter();
        else
            MouseLeave();
        return;
    case CM_DIALOGCHAR:
        if (DialogChar(static_cast<char32_t>(Message.WParam))) {
            Message.Result = 1;
            return;
        }
        break;
    case CM_ENABLEDCHANGED:
        // Enter and leave are not followed while disabled: the hot state
        // would outlive the pointer.
        TlxGraphicSkinCustomControl::Dispatch(Message);
        StopMorph();
        if (MorphOn()) FMorphKf = 0;
        FMouseIn = false;
        Invalidate();
        return;
    case CM_TEXTCHANGED:
        TlxGraphicSkinCustomControl::Dispatch(Message);
        Invalidate();
        return;
    }
    TlxGraphicSkinCustomControl::Dispatch(Message);
}

// ---- Skin changes

void TlxSkinSpeedButton::ChangeSkinData() {
    StopAnimate();
    StopMorph();
    TlxGraphicSkinCustomControl::ChangeSkinData();
    GetSkinData();
    if (MorphOn() && Skinned() && FMouseIn && !Transparent()) FMorphKf = 1;
}
