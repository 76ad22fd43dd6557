#include "skin/engine/SkinMonitors.h"

#include "platform/win/WinApi.h"

TRect GetMonitorWorkArea(HWND Handle, bool WorkArea) {
    if (!Handle || !IsWindow(Handle)) return GetScreenWorkArea(WorkArea);
    TMonitorInfo info;
    if (!GetMonitorInfo(MonitorFromWindow(Handle, MONITOR_DEFAULTTONEAREST), info))
        return GetScreenWorkArea(WorkArea);
    return WorkArea ? info.rcWork : info.rcMonitor;
}

TRect GetScreenWorkArea(bool WorkArea) {
    TMonitorInfo info;
    if (GetMonitorInfo(MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY), info))
        return WorkArea ? info.rcWork : info.rcMonitor;
    return GetWorkArea();
}
