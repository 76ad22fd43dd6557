#pragma once

#include "platform/base/Types.h"

#include <cstdint>
#include <functional>

// Opaque window handle. It is never dereferenced: a handle names a window in
// the window system's table, and a handle of a destroyed window is never
// reused, so using a stale one is harmless.
enum class TMouseButton { mbLeft, mbRight, mbMiddle };

struct HWND__;
using HWND = HWND__*;

using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;

// Full-width message parameters: nothing is packed into 16 bits. Where a
// parameter carries two values (a point, a hit code and a message) they are
// its two 32-bit halves, low then high.
struct TMessage {
    uint32_t Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// A queued message as GetMessage/PeekMessage return it.
struct TMsg {
    HWND hwnd = nullptr;
    uint32_t message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    uint64_t time = 0;
    TPoint pt;
};

inline LPARAM MakeLParam(int32_t lo, int32_t hi) {
    return static_cast<LPARAM>((static_cast<uint64_t>(static_cast<uint32_t>(hi)) << 32) |
                               static_cast<uint32_t>(lo));
}
inline WPARAM MakeWParam(int32_t lo, int32_t hi) {
    return static_cast<WPARAM>(MakeLParam(lo, hi));
}
inline int32_t LoPart(uint64_t v) {
    return static_cast<int32_t>(static_cast<uint32_t>(v));
}
inline int32_t HiPart(uint64_t v) {
    return static_cast<int32_t>(static_cast<uint32_t>(v >> 32));
}
inline LPARAM PointToLParam(TPoint p) {
    return MakeLParam(p.X, p.Y);
}
inline TPoint LParamToPoint(LPARAM lp) {
    return {LoPart(static_cast<uint64_t>(lp)), HiPart(static_cast<uint64_t>(lp))};
}
template <class T> LPARAM PtrToLParam(T* p) {
    return reinterpret_cast<LPARAM>(p);
}
template <class T> T* LParamToPtr(LPARAM lp) {
    return reinterpret_cast<T*>(lp);
}
inline HWND WParamToHwnd(WPARAM wp) {
    return reinterpret_cast<HWND>(wp);
}
inline WPARAM HwndToWParam(HWND h) {
    return reinterpret_cast<WPARAM>(h);
}
inline HWND LParamToHwnd(LPARAM lp) {
    return reinterpret_cast<HWND>(lp);
}
inline LPARAM HwndToLParam(HWND h) {
    return reinterpret_cast<LPARAM>(h);
}

// Special places in the z-order for SetWindowPos.
inline HWND const HWND_TOP = reinterpret_cast<HWND>(0);
inline HWND const HWND_BOTTOM = reinterpret_cast<HWND>(1);
inline HWND const HWND_TOPMOST = reinterpret_cast<HWND>(-1);
inline HWND const HWND_NOTOPMOST = reinterpret_cast<HWND>(-2);

// WM_WINDOWPOSCHANGING/CHANGED: lParam points to it.
struct TWindowPos {
    HWND hwnd = nullptr;
    HWND hwndInsertAfter = nullptr;
    int x = 0, y = 0, cx = 0, cy = 0;
    uint32_t flags = 0;
};

// WM_NCCALCSIZE: lParam points to it. rgrc[0] comes in as the proposed window
// rectangle (parent client coordinates) and goes out as the client rectangle
// in the same coordinates.
struct TNCCalcSizeParams {
    TRect rgrc[3];
    TWindowPos* lppos = nullptr;
};

// WM_GETMINMAXINFO: lParam points to it.
struct TMinMaxInfo {
    TPoint ptReserved;
    TPoint ptMaxSize;
    TPoint ptMaxPosition;
    TPoint ptMinTrackSize;
    TPoint ptMaxTrackSize;
};

struct TScrollInfo {
    uint32_t fMask = 0;
    int nMin = 0;
    int nMax = 0;
    unsigned nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

using HMONITOR = uintptr_t;
struct TMonitorInfo {
    TRect rcMonitor;
    TRect rcWork;
    uint32_t dwFlags = 0;
};

struct TTrackMouseEvent {
    uint32_t dwFlags = 0;
    HWND hwndTrack = nullptr;
};

// A window procedure in a chain. Next passes the message on to the handler
// below (at the bottom, the default window procedure).
class TCallNext;
using TWindowHandler = std::function<void(HWND Wnd, TMessage& Message, const TCallNext& Next)>;
using THandlerId = uint64_t;

using TTimerProc = std::function<void(HWND Wnd, uintptr_t Id, uint64_t Time)>;
