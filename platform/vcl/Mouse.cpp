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

namespace {

bool Windowless(const TControl* Control) {
    return !dynamic_cast<const TWinControl*>(Control);
}

// A windowless control shares its parent's window, so the window system
// cannot tell it of the loss: it hears WM_CAPTURECHANGED from here.
void TellCaptureLost(TControl* Old) {
    if (Old && Windowless(Old) && !Old->ComponentState().Contains(csDestroying))
        Old->Perform(WM_CAPTURECHANGED, 0, 0);
}

} // namespace

void SetCaptureControl(TControl* Control) {
    TControl* old = gCaptureControl;
    gCaptureControl = Control;
    if (!Control) {
        if (GetCapture()) ReleaseCapture();
    } else if (auto* win = dynamic_cast<TWinControl*>(Control)) {
        SetCapture(win->Handle());
    } else if (Control->Parent() && Control->Parent()->HandleAllocated()) {
        SetCapture(Control->Parent()->WindowHandle());
    }
    if (old != Control) TellCaptureLost(old);
}

void WindowCaptureChanged(TWinControl* Window, HWND NewCapture) {
    TControl* held = gCaptureControl;
    if (!held || !Window->HandleAllocated() || NewCapture == Window->WindowHandle()) return;
    if (held != Window && (!Windowless(held) || held->Parent() != Window)) return;
    // The window lost the capture without SetCaptureControl: a modal loop,
    // another window or the window system took it.
    gCaptureControl = nullptr;
    TellCaptureLost(held);
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
