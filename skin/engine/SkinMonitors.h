#pragma once

#include "platform/base/Types.h"
#include "platform/win/WinTypes.h"

// The work area (WorkArea true) or the whole rectangle of the monitor
// nearest the window; the primary monitor's for a null or dead window.
TRect GetMonitorWorkArea(HWND Handle, bool WorkArea);
// The same for the primary monitor.
TRect GetScreenWorkArea(bool WorkArea);
