#pragma once

#include "platform/base/Types.h"

class TControl;

// The windowless control that holds the mouse capture through its parent's
// window, or a windowed control holding it itself; nullptr when none.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* Control);

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
