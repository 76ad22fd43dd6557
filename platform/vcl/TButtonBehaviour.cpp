#include "platform/vcl/TButtonBehaviour.h"

TButtonBehaviour::TButtonBehaviour(TControl* AControl) : FControl(AControl) {
    TControlStyle style = FControl->ControlStyle();
    style.Exclude(csClickEvents);
    style.Include(csCaptureMouse);
    FControl->SetControlStyle(style);
}

TButtonBehaviour::TButtonBehaviour(TControl* AControl, std::function<TRect()> Area)
    : FControl(AControl), FArea(std::move(Area)) {}

bool TButtonBehaviour::Handle(const TMessage& Message) {
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        MouseDown(TMouseButton::mbLeft, LParamToPoint(Message.LParam));
        break;
    case WM_LBUTTONUP:
        return MouseUp(TMouseButton::mbLeft, LParamToPoint(Message.LParam));
    case WM_MOUSEMOVE:
        MouseMove(LParamToPoint(Message.LParam));
        break;
    case CM_MOUSELEAVE:
        if (Message.LParam == reinterpret_cast<LPARAM>(FControl)) MouseLeave();
        break;
    case WM_KEYDOWN:
        KeyDown(static_cast<uint16_t>(Message.WParam));
        break;
    case WM_KEYUP:
        return KeyUp(static_cast<uint16_t>(Message.WParam));
    case WM_CAPTURECHANGED:
        CaptureLost();
        break;
    case WM_KILLFOCUS:
        FocusLost();
        break;
    case CM_CANCELMODE:
        if (Message.LParam != reinterpret_cast<LPARAM>(FControl)) Cancel();
        break;
    case CM_ENABLEDCHANGED:
        if (!FControl->Enabled()) Cancel();
        break;
    }
    return false;
}

void TButtonBehaviour::MouseDown(TMouseButton Button, TPoint P) {
    if (Button != TMouseButton::mbLeft || !FControl->Enabled() || !Over(P)) return;
    FMouseHeld = true;
    FHot = true;
    // Moves and the release reach the button wherever the pointer goes.
    FControl->SetMouseCapture(true);
    Update();
}

bool TButtonBehaviour::MouseUp(TMouseButton Button, TPoint P) {
    if (Button != TMouseButton::mbLeft || !FMouseHeld) return false;
    FMouseHeld = false;
    FHot = Over(P);
    bool click = FHot && FControl->Enabled();
    Update();
    FControl->SetMouseCapture(false);
    return click;
}

void TButtonBehaviour::MouseMove(TPoint P) {
    FHot = Over(P);
    Update();
}

void TButtonBehaviour::MouseLeave() {
    FHot = false;
    Update();
}

void TButtonBehaviour::KeyDown(uint16_t Key) {
    if (Key != VK_SPACE || FArea || FMouseHeld || !FControl->Enabled()) return;
    FKeyHeld = true;
    Update();
}

bool TButtonBehaviour::KeyUp(uint16_t Key) {
    if (Key != VK_SPACE || !FKeyHeld) return false;
    FKeyHeld = false;
    Update();
    return FControl->Enabled();
}

void TButtonBehaviour::CaptureLost() {
    if (!FMouseHeld) return;
    FMouseHeld = false;
    Update();
}

void TButtonBehaviour::FocusLost() {
    if (!FKeyHeld) return;
    FKeyHeld = false;
    Update();
}

void TButtonBehaviour::Cancel() {
    bool held = FMouseHeld;
    FMouseHeld = false;
    FKeyHeld = false;
    Update();
    if (held) FControl->SetMouseCapture(false);
}

TVisualState TButtonBehaviour::State() const {
    TVisualState state = FControl->VisualState();
    if (!FArea) return state;
    state.Exclude(vsHot);
    state.Exclude(vsPressed);
    if (FHot) state.Include(vsHot);
    if (FPressed) state.Include(vsPressed);
    return state;
}

bool TButtonBehaviour::Over(TPoint P) const {
    return (FArea ? FArea() : FControl->ClientRect()).Contains(P);
}

void TButtonBehaviour::Update() {
    bool pressed = FControl->Enabled() && ((FMouseHeld && FHot) || FKeyHeld);
    if (FArea) {
        // A part has no flags in the control's state: its look changes with both.
        if (pressed == FPressed && FHot == FShownHot) return;
        FPressed = pressed;
        FShownHot = FHot;
        FControl->Invalidate();
        return;
    }
    if (pressed == FPressed) return;
    FPressed = pressed;
    FControl->SetVisualStateItem(vsPressed, pressed);
}
