#pragma once

#include "platform/base/Types.h"
#include "platform/win/WinTypes.h"

class TControl;
class TWinControl;

// The windowless control that holds the mouse capture through its parent's
// window, or a windowed control holding it itself; nullptr when none.
TControl* GetCaptureControl();
// The control that loses the capture hears WM_CAPTURECHANGED.
void SetCaptureControl(TControl* Control);
// Window heard WM_CAPTURECHANGED: forgets a capture it or a windowless child
// of it held, and tells that child.
void WindowCaptureChanged(TWinControl* Window, HWND NewCapture);

// The deepest control under a screen point, windowless and disabled ones included.
TControl* FindControlAtScreen(TPoint Screen);
// The control the pointer is over, as the last mouse event left it.
TControl* MouseControl();
// Sends CM_MOUSELEAVE to the control the pointer left and CM_MOUSEENTER to
// the one it is over now, in that order.
void UpdateMouseControl(TPoint Screen);
void UpdateMouseControlFromCursor();

// Drops every pointer the mouse bookkeeping keeps to a control that dies.
void ForgetMouseControl(TControl* Control);
