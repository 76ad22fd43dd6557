#include "skin/controls/TlxSkinButton.h"
#include "skin/controls/SkinPressableParts.h"

#include "platform/vcl/TCustomForm.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/engine/TlxLayerManager.h"

#include <algorithm>

namespace {
constexpr uint32_t MorphStepMs = 20;
constexpr uint32_t RepeatDelayMs = 500;
} // namespace

TlxSkinButton::TlxSkinButton(TComponent* AOwner)
    : TlxSkinCustomControl(AOwner), FLayerManager(std::make_unique<TlxLayerManager>(nullptr)) {
    FControlStyle = {csCaptureMouse, csSetCaption, csOpaque, csDoubleClicks, csReplicatable};
    SetTabStop(true);
    SetSkinDataName("button");
    SetBounds(0, 0, 75, 25);
}

TlxSkinButton::~TlxSkinButton() {
    if (HandleAllocated()) {
        KillTimer(WindowHandle(), MorphTimer);
        KillTimer(WindowHandle(), AnimateTimer);
        KillTimer(WindowHandle(), RepeatTimer);
    }
}

// ---- Properties

void TlxSkinButton::RefreshButton() {
    FMouseIn = false;
    FDown = false;
    if (MorphOn()) FMorphKf = 0;
    if (EffectsOn()) StopAnimate();
    Invalidate();
}

void TlxSkinButton::SetGlyph(const TBitmap& Value) {
    FGlyph.Assign(Value);
    Invalidate();
}

void TlxSkinButton::SetNumGlyphs(int Value) {
    FNumGlyphs = std::clamp(Value, 1, 4);
    Invalidate();
}

void TlxSkinButton::SetImageList(TCustomImageList* Value) {
    if (FImageList.Set(Value)) Invalidate();
}

void TlxSkinButton::SetImageIndex(int Value) {
    if (FImageIndex == Value) return;
    FImageIndex = Value;
    Invalidate();
}

void TlxSkinButton::SetMargin(int Value) {
    if (FMargin == Value || Value < -1) return;
    FMargin = Value;
    Invalidate();
}

void TlxSkinButton::SetSpacing(int Value) {
    if (FSpacing == Value) return;
    FSpacing = Value;
    Invalidate();
}

void TlxSkinButton::SetLayout(TlxButtonLayout Value) {
    if (FLayout == Value) return;
    FLayout = Value;
    Invalidate();
}

void TlxSkinButton::SetDown(bool Value) {
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
        auto* other = dynamic_cast<TlxSkinButton*>(Parent()->Controls(i));
        if (other && other != this && other->FGroupIndex == FGroupIndex && other->FDown)
            other->SetDown(false);
    }
}

void TlxSkinButton::SetGroupIndex(int Value) {
    FGroupIndex = Value;
    if (Value != 0) SetCanFocused(false);
}

void TlxSkinButton::SetCanFocused(bool Value) {
    FCanFocused = Value;
    SetTabStop(Value);
}

void TlxSkinButton::SetDefault(bool Value) {
    FDefault = Value;
    if (!HandleAllocated() || !FCanFocused) return;
    if (TCustomForm* form = GetParentForm(this))
        form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
}

void TlxSkinButton::SetUseSkinSize(bool Value) {
    if (FUseSkinSize == Value) return;
    FUseSkinSize = Value;
    if (SkinData() && !Designing()) ChangeSkinData();
}

bool TlxSkinButton::LayerVisible() const {
    return FLayerManager->IsVisible;
}

bool TlxSkinButton::EffectsOn() const {
    TlxSkinData* sd = SkinData();
    return sd && !sd->Empty && sd->EnableSkinEffects();
}

bool TlxSkinButton::ShowsPressed() const {
    return FDown && (FMouseIn || (FocusedHot() && !FMouseDown) || FGroupIndex != 0);
}

TlxButtonLook TlxSkinButton::Look() const {
    if (!Enabled() && Skinned() && !DisabledSkinRect.IsEmpty()) return TlxButtonLook::Disabled;
    if (ShowsPressed()) return TlxButtonLook::Pressed;
    if (Skinned() && FocusedHot() && !FocusedSkinRect.IsEmpty() && !FAnimating) return TlxButtonLook::Focused;
    if (FocusedHot() || FMouseIn) return TlxButtonLook::Hot;
    if (Skinned() && MorphOn() && FMorphKf == 1) return TlxButtonLook::HotAfterFade;
    return TlxButtonLook::Normal;
}

// ---- Clicks

void TlxSkinButton::ButtonClick() {
    TKeepAlive alive(this);
    if (FCanFocused)
        if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
    if (OnClick) OnClick(this);
}

// ---- Timers

void TlxSkinButton::StartMorph() {
    if (FMorphing || !HandleAllocated()) {
        if (!FMorphing) Invalidate();
        return;
    }
    FMorphing = true;
    SetTimer(WindowHandle(), MorphTimer, MorphStepMs);
}

void TlxSkinButton::StopMorph() {
    if (!FMorphing) return;
    FMorphing = false;
    if (HandleAllocated()) KillTimer(WindowHandle(), MorphTimer);
}

void TlxSkinButton::MorphOrRepaint() {
    GetSkinData();
    if (MorphOn() && Skinned())
        StartMorph();
    else
        Invalidate();
}

void TlxSkinButton::MorphStep() {
    GetSkinData();
    const double target = FMouseIn || FocusedHot() ? 1 : 0;
    if (!Skinned() || !MorphOn()) {
        FMorphKf = target;
        StopMorph();
        return;
    }
    if (MorphTowards(FMorphKf, target)) StopMorph();
    Invalidate();
}

void TlxSkinButton::StartAnimate(bool Forward) {
    StopAnimate();
    if (!HandleAllocated() || FrameCount < 1) return;
    AnimateInc = Forward;
    CurrentFrame = Forward ? 1 : FrameCount;
    FAnimating = true;
    SetTimer(WindowHandle(), AnimateTimer, static_cast<uint32_t>(std::max(AnimateInterval, 1)));
}

void TlxSkinButton::StopAnimate() {
    CurrentFrame = 0;
    if (!FAnimating) return;
    FAnimating = false;
    if (HandleAllocated()) KillTimer(WindowHandle(), AnimateTimer);
}

void TlxSkinButton::AnimateStep() {
    if (AnimateInc) {
        if (CurrentFrame > FrameCount) {
            StopAnimate();
        } else {
            ++CurrentFrame;
        }
    } else {
        --CurrentFrame;
        if (CurrentFrame <= 0) StopAnimate();
    }
    Invalidate();
}

void TlxSkinButton::StartRepeat() {
    if (!HandleAllocated()) return;
    FRepeatStarted = false;
    SetTimer(WindowHandle(), RepeatTimer, RepeatDelayMs);
}

void TlxSkinButton::StopRepeat() {
    FRepeatStarted = false;
    if (HandleAllocated()) KillTimer(WindowHandle(), RepeatTimer);
}

// ---- Pointer

void TlxSkinButton::MouseEnter() {
    GetSkinData();
    FMouseIn = true;
    if (Reacts()) {
        if (FDown) {
            if (MorphOn()) FMorphKf = 1;
            Invalidate();
        } else {
            if (HasAnimation()) StartAnimate(true);
            MorphOrRepaint();
        }
    }
    if (FDown && FRepeatMode && FGroupIndex == 0 && FMouseDown) StartRepeat();
    if (HandleAllocated()) PostMessage(WindowHandle(), WM_SHOWLAYER);
}

void TlxSkinButton::MouseLeave() {
    GetSkinData();
    // The form's active default button keeps its hot look.
    if (!(FCanFocused && FDefault && FActive && !Focused())) FMouseIn = false;
    if (Reacts()) {
        if (HasAnimation()) StartAnimate(false);
        MorphOrRepaint();
    } else {
        Invalidate();
    }
    if (FDown && FRepeatMode && FGroupIndex == 0) StopRepeat();
    if (HandleAllocated()) PostMessage(WindowHandle(), WM_HIDELAYER);
}

void TlxSkinButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TlxSkinCustomControl::MouseDown(Button, Shift, X, Y);
    if (FreePending() || Button != TMouseButton::mbLeft) return;
    GetSkinData();
    if (HasAnimation()) StopAnimate();
    FMouseDown = true;
    if (!FDown) {
        FMouseIn = true;
        SetDown(true);
        if (FRepeatMode && FGroupIndex == 0)
            StartRepeat();
        else if (FGroupIndex != 0)
            ButtonClick(); // a group button clicks as it goes down
        FAllowAllUpCheck = false;
    } else if (FGroupIndex != 0) {
        FAllowAllUpCheck = true;
    }
}

void TlxSkinButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    if (Button == TMouseButton::mbLeft) {
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
        if (FreePending()) return;
    }
    if (HandleAllocated() && Visible()) TlxSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

// ---- Keyboard and focus

void TlxSkinButton::KeyDown(uint16_t& Key, TShiftState Shift) {
    TKeepAlive alive(this);
    TlxSkinCustomControl::KeyDown(Key, Shift);
    if (FreePending() || !FCanFocused || !FSpaceSupport) return;
    if (Key == VK_SPACE) {
        GetSkinData();
        if (HasAnimation()) StopAnimate();
        SetDown(true);
        if (FRepeatMode) ButtonClick();
    } else if (Key == VK_RETURN) {
        ButtonClick();
    }
}

void TlxSkinButton::KeyUp(uint16_t& Key, TShiftState Shift) {
    TKeepAlive alive(this);
    TlxSkinCustomControl::KeyUp(Key, Shift);
    // Only a press the space bar began ends in a click.
    if (FreePending() || !FCanFocused || !FSpaceSupport || Key != VK_SPACE || !FDown) return;
    SetDown(false);
    ButtonClick();
}

bool TlxSkinButton::DialogKey(uint16_t Key) {
    const TShiftState shift = KeyboardStateToShiftState();
    const bool noShift = !shift.Contains(ssShift) && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt);
    const bool enter = Key == VK_RETURN && FActive && Enabled();
    const bool escape = Key == VK_ESCAPE && FCancel && FCanFocused;
    if (!(enter || escape) || !noShift || !CanFocus()) return false;
    ButtonClick();
    return true;
}

bool TlxSkinButton::DialogChar(char32_t Key) {
    if (!IsAccel(Key, Caption()) || !CanFocus() || !FCanFocused) return false;
    TKeepAlive alive(this);
    SetFocus();
    if (FreePending()) return true;
    ButtonClick();
    return true;
}

void TlxSkinButton::FocusChanged(TControl* Sender) {
    const bool skinnedButton = dynamic_cast<TlxSkinButton*>(Sender) != nullptr;
    FActive = skinnedButton ? Sender == this : FDefault;
    if (!FCanFocused || !FDefault || Sender == this) return;
    GetSkinData();
    if (skinnedButton) {
        FMouseIn = false;
        MorphOrRepaint();
    } else {
        // The default button looks hot while the focus rests elsewhere.
        FMouseIn = true;
        if (MorphOn()) FMorphKf = 1;
        Invalidate();
    }
}

void TlxSkinButton::CreateWnd() {
    TlxSkinCustomControl::CreateWnd();
    FActive = FDefault;
}

void TlxSkinButton::WndProc(TMessage& Message) {
    // A click on a focusable button takes the focus first; the command the
    // focus change may raise is swallowed meanwhile.
    if (FCanFocused && !Designing() && !TakeFocusOnClick(this, Message, FClicksDisabled)) return;
    TlxSkinCustomControl::WndProc(Message);
}

void TlxSkinButton::Dispatch(TMessage& Message) {
    TKeepAlive alive(this);
    switch (Message.Msg) {
    case WM_TIMER:
        switch (Message.WParam) {
        case MorphTimer:
            MorphStep();
            return;
        case AnimateTimer:
            AnimateStep();
            return;
        case RepeatTimer:
            if (!FRepeatStarted) {
                FRepeatStarted = true;
                SetTimer(WindowHandle(), RepeatTimer, static_cast<uint32_t>(std::max(FRepeatInterval, 1)));
            }
            ButtonClick();
            return;
        }
        break;
    case WM_SHOWLAYER:
        ShowLayer();
        return;
    case WM_HIDELAYER:
        HideLayer();
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TlxSkinCustomControl::Dispatch(Message);
        if (FreePending() || Message.LParam != reinterpret_cast<LPARAM>(static_cast<TControl*>(this)) ||
            Designing())
            return;
        if (Message.Msg == CM_MOUSEENTER)
            MouseEnter();
        else
            MouseLeave();
        return;
    case WM_SETFOCUS:
        TlxSkinCustomControl::Dispatch(Message);
        if (!FCanFocused) return;
        GetSkinData();
        if (HasAnimation()) StartAnimate(true);
        MorphOrRepaint();
        return;
    case WM_KILLFOCUS:
        if (FRepeatMode) StopRepeat();
        if (FGroupIndex == 0 && FDown) FDown = false;
        TlxSkinCustomControl::Dispatch(Message);
        if (!FCanFocused) return;
        GetSkinData();
        if (HasAnimation()) StartAnimate(false);
        MorphOrRepaint();
        return;
    case CM_DIALOGKEY:
        if (DialogKey(static_cast<uint16_t>(Message.WParam))) {
            Message.Result = 1;
            return;
        }
        break;
    case CM_DIALOGCHAR:
        if (DialogChar(static_cast<char32_t>(Message.WParam))) {
            Message.Result = 1;
            return;
        }
        break;
    case CM_FOCUSCHANGED:
        FocusChanged(reinterpret_cast<TControl*>(Message.LParam));
        break;
    case CM_ENABLEDCHANGED:
        TlxSkinCustomControl::Dispatch(Message);
        StopMorph();
        if (MorphOn()) FMorphKf = 0;
        FMouseIn = false;
        Invalidate();
        return;
    case CM_TEXTCHANGED:
        TlxSkinCustomControl::Dispatch(Message);
        Invalidate();
        return;
    }
    TlxSkinCustomControl::Dispatch(Message);
}

// ---- Skin changes

void TlxSkinButton::BeforeChangeSkinData() {
    TlxSkinCustomControl::BeforeChangeSkinData();
    HideLayer();
}

void TlxSkinButton::ChangeSkinData() {
    StopMorph();
    StopAnimate();
    FMorphKf = 0;
    TlxSkinCustomControl::ChangeSkinData();
    GetSkinData();
    if (MorphOn() && Skinned() && (FocusedHot() || FMouseIn)) FMorphKf = 1;
    if (FMouseIn && HandleAllocated()) PostMessage(WindowHandle(), WM_SHOWLAYER);
}
