#include "platform/vcl/Mouse.h"

#include "platform/vcl/TApplication.h"
#include "platform/vcl/TWinControl.h"

namespace {
TControl* gCaptureControl = nullptr;
TControl* gMouseControl = nullptr;
} // namespace

TControl* GetCaptureControl() {
    return gCaptureControl;
}

void SetCaptureControl(TControl* Control) {
    gCaptureControl = Control;
    if (!Control) {
        if (GetCapture()) ReleaseCapture();
        return;
    }
    if (auto* win = dynamic_cast<TWinControl*>(Control)) {
        SetCapture(win->Handle());
        return;
    }
    if (Control->Parent() && Control->Parent()->HandleAllocated())
        SetCapture(Control->Parent()->WindowHandle());
}

TControl* FindControlAtScreen(TPoint Screen) {
    if (!WindowSystemReady()) return nullptr;
    TWinControl* win = nullptr;
    for (HWND wnd = WindowFromPoint(Screen); wnd && !win; wnd = GetParent(wnd))
        win = TWinControl::FindControl(wnd);
    if (!win) return nullptr;
    TControl* found = win;
    for (;;) {
        auto* parent = dynamic_cast<TWinControl*>(found);
        if (!parent) break;
        TControl* child = parent->ControlAtPos(parent->ScreenToClient(Screen), true, false);
        if (!child) break;
        found = child;
    }
    return found;
}

TControl* MouseControl() {
    return gMouseControl;
}

void UpdateMouseControl(TPoint Screen) {
    TControl* now = FindControlAtScreen(Screen);
    if (now == gMouseControl) return;
    TControl* old = gMouseControl;
    gMouseControl = now;
    if (old) old->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(old));
    if (Application && gMouseControl == now) Application->HintMouseMessage(now);
    // The leave handler may have moved on or freed things; the enter goes to
    // what is under the pointer now only if it is still the one found.
    if (now && gMouseControl == now) {
        now->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(now));
        if (auto* win = dynamic_cast<TWinControl*>(now); win && win->HandleAllocated()) {
            TTrackMouseEvent track{TME_LEAVE, win->WindowHandle()};
            TrackMouseEvent(track);
        } else if (now->Parent() && now->Parent()->HandleAllocated()) {
            TTrackMouseEvent track{TME_LEAVE, now->Parent()->WindowHandle()};
            TrackMouseEvent(track);
        }
    }
}

void UpdateMouseControlFromCursor() {
    TPoint p;
    if (WindowSystemReady() && GetCursorPos(p)) UpdateMouseControl(p);
}

void ForgetMouseControl(TControl* Control) {
    if (gMouseControl == Control && Application) Application->HintMouseMessage(nullptr);
    if (gCaptureControl == Control) gCaptureControl = nullptr;
    if (gMouseControl == Control) gMouseControl = nullptr;
}
