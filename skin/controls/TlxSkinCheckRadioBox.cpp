#include "skin/controls/TlxSkinCheckRadioBox.h"
#include "skin/controls/SkinPressableParts.h"

TlxSkinCheckRadioBox::TlxSkinCheckRadioBox(TComponent* AOwner) : TlxSkinCustomControl(AOwner) {
    FControlStyle = {csCaptureMouse, csSetCaption, csOpaque, csDoubleClicks, csReplicatable};
    SetTabStop(false);
    SetSkinDataName("checkbox");
    SetBounds(0, 0, 150, 25);
}

bool TlxSkinCheckRadioBox::DoClick() {
    TKeepAlive alive(this);
    if (OnClick) OnClick(this);
    return !FreePending();
}

void TlxSkinCheckRadioBox::SetChecked(bool Value) {
    TKeepAlive alive(this);
    FChecked = Value;
    // A grayed box unchecked from code stays grayed.
    if (Value || FState == cbChecked) FState = Value ? cbChecked : cbUnchecked;
    Invalidate();
    if (Value && FGroupIndex != 0 && Parent())
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            auto* other = dynamic_cast<TlxSkinCheckRadioBox*>(Parent()->Controls(i));
            if (other && other != this && other->FGroupIndex == FGroupIndex && other->FChecked) {
                other->SetChecked(false);
                if (FreePending()) return;
            }
        }
    if (!FRadio || FChecked) DoClick();
}

void TlxSkinCheckRadioBox::SetState(TCheckBoxState Value) {
    FState = Value;
    FChecked = Value == cbChecked;
    Invalidate();
    DoClick();
}

void TlxSkinCheckRadioBox::Toggle() {
    if (!FRadio)
        SetChecked(!FChecked);
    else if (!FChecked)
        SetChecked(true);
}

void TlxSkinCheckRadioBox::SetRadio(bool Value) {
    FRadio = Value;
    if (Designing() && !ComponentState().Contains(csLoading)) {
        SetSkinDataName(Value ? "radiobox" : "checkbox");
        FGroupIndex = Value ? 1 : 0;
    }
    Invalidate();
}

void TlxSkinCheckRadioBox::SetAllowGrayed(bool Value) {
    FAllowGrayed = Value;
    Invalidate();
}

void TlxSkinCheckRadioBox::SetFlat(bool Value) {
    FFlat = Value;
    if (SkinData() && !Designing()) ChangeSkinData();
    Invalidate();
}

void TlxSkinCheckRadioBox::SetWordWrap(bool Value) {
    if (FWordWrap == Value) return;
    FWordWrap = Value;
    if (FFlat) Invalidate();
}

void TlxSkinCheckRadioBox::SetImages(TCustomImageList* Value) {
    if (FImages.Set(Value)) Invalidate();
}

void TlxSkinCheckRadioBox::SetImageIndex(int Value) {
    FImageIndex = Value;
    Invalidate();
}

void TlxSkinCheckRadioBox::SetCanFocused(bool Value) {
    FCanFocused = Value;
    SetTabStop(Value);
}

void TlxSkinCheckRadioBox::ChangeSkinData() {
    if (FFlat) {
        // The flat look keeps any size.
        GetSkinData();
        Invalidate();
        return;
    }
    TlxSkinCustomControl::ChangeSkinData();
}

void TlxSkinCheckRadioBox::CheckParentBackground() {
    if (FFlat) Invalidate();
}

// ---- Input

void TlxSkinCheckRadioBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (!FMouseIn) {
        FMouseIn = true;
        Invalidate();
    }
    TlxSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TlxSkinCheckRadioBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TlxSkinCustomControl::MouseUp(Button, Shift, X, Y);
    if (FreePending() || Button != TMouseButton::mbLeft || !FMouseIn) return;
    if (!FRadio && FAllowGrayed && FState == cbUnchecked) {
        // An AllowGrayed box cycles unchecked, grayed, checked.
        FState = cbGrayed;
        FChecked = false;
        Invalidate();
        DoClick();
        return;
    }
    Toggle();
}

void TlxSkinCheckRadioBox::KeyUp(uint16_t& Key, TShiftState Shift) {
    TKeepAlive alive(this);
    TlxSkinCustomControl::KeyUp(Key, Shift);
    if (FreePending() || !FCanFocused || Key != VK_SPACE || !Focused()) return;
    Toggle();
}

void TlxSkinCheckRadioBox::WndProc(TMessage& Message) {
    // A click on a focusable box takes the focus first.
    if (FCanFocused && !Designing() && !TakeFocusOnClick(this, Message, FClicksDisabled)) return;
    TlxSkinCustomControl::WndProc(Message);
}

void TlxSkinCheckRadioBox::Dispatch(TMessage& Message) {
    TKeepAlive alive(this);
    switch (Message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        TlxSkinCustomControl::Dispatch(Message);
        if (FreePending() || Message.LParam != reinterpret_cast<LPARAM>(static_cast<TControl*>(this)) ||
            Designing())
            return;
        FMouseIn = Message.Msg == CM_MOUSEENTER;
        Invalidate();
        return;
    case CM_DIALOGCHAR:
        if (FCanFocused && IsAccel(static_cast<char32_t>(Message.WParam), Caption()) && CanFocus()) {
            SetFocus();
            if (FreePending()) return;
            Toggle();
            Message.Result = 1;
            return;
        }
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_TEXTCHANGED:
        TlxSkinCustomControl::Dispatch(Message);
        Invalidate();
        return;
    case CM_ENABLEDCHANGED:
        TlxSkinCustomControl::Dispatch(Message);
        FMouseIn = false;
        Invalidate();
        return;
    case WM_MOVE:
        TlxSkinCustomControl::Dispatch(Message);
        if (FFlat) Invalidate(); // the background behind it changed
        return;
    }
    TlxSkinCustomControl::Dispatch(Message);
}
