#pragma once

#include "platform/vcl/TControl.h"

#include <functional>

// What makes a control act as a push button: pressed while the left button
// is held over it (or the space bar while it has the focus), hot while the
// pointer is over it, and a click when the press is released over it. Only
// input handlers change this state (mouse down, up, move and leave, space
// down and up, capture loss, cancel mode, focus loss, disabling); painting
// reads it and never changes it.
//
// A control keeps one behaviour and hands it every message before its own
// handling; the click it reports is raised after that handling, so the
// control's state is settled before user code runs:
//
//     class TMyButton : public TCustomControl {
//         TButtonBehaviour FButton{this};
//         void WndProc(TMessage& Message) override {
//             bool click = FButton.Handle(Message);
//             TCustomControl::WndProc(Message);
//             if (click && !FreePending()) Click();
//         }
//         void VisualStateChanged(TVisualState) override { Invalidate(); }
//         void Paint() override { DrawButton(Canvas(), VisualState()); }
//     };
//
// A behaviour for the whole control keeps vsPressed in the control's own
// VisualState() (next to the enabled, focused and hot flags the framework
// keeps) and takes csClickEvents from the control, which now clicks only
// through it. A behaviour for a part (a scroll bar's arrow) is built with the
// part's rectangle, keeps its hot and pressed flags to itself (State()),
// ignores the keyboard and invalidates the control when they change.
class TButtonBehaviour {
public:
    // The whole control is the button.
    explicit TButtonBehaviour(TControl* AControl);
    // Only Area(), in the control's client coordinates, is the button.
    TButtonBehaviour(TControl* AControl, std::function<TRect()> Area);
    TButtonBehaviour(const TButtonBehaviour&) = delete;
    TButtonBehaviour& operator=(const TButtonBehaviour&) = delete;

    // Passes the messages above to the handlers below; true when the
    // control is to click.
    bool Handle(const TMessage& Message);

    void MouseDown(TMouseButton Button, TPoint P);
    bool MouseUp(TMouseButton Button, TPoint P);
    void MouseMove(TPoint P);
    void MouseLeave();
    void KeyDown(uint16_t Key);
    bool KeyUp(uint16_t Key);
    void CaptureLost();
    void FocusLost();
    // Another control was pressed, a modal loop starts, or the control was
    // disabled: every press ends without a click.
    void Cancel();

    bool Pressed() const { return FPressed; }
    bool Hot() const { return FHot; }
    // The left button went down on the button and is still held.
    bool MouseHeld() const { return FMouseHeld; }
    bool KeyHeld() const { return FKeyHeld; }
    // The control's visual state with this button's hot and pressed flags.
    TVisualState State() const;

private:
    bool Over(TPoint P) const;
    void Update();

    TControl* FControl;
    std::function<TRect()> FArea; // empty for the whole control
    bool FMouseHeld = false;
    bool FKeyHeld = false;
    bool FHot = false;
    bool FPressed = false;
    bool FShownHot = false; // the hot flag a part was last drawn with
};
