// Keyboard focus and activation of top-level windows.

#include "platform/win/WinInternal.h"

namespace {

bool Inside(HWND wnd, HWND top) {
    return wnd && (wnd == top || IsChild(top, wnd));
}

} // namespace

HWND GetFocus() {
    auto* ws = WSOrNull();
    return ws && W(ws->FFocus) ? ws->FFocus : nullptr;
}

HWND SetFocus(HWND wnd) {
    auto& ws = WS();
    if (wnd && !W(wnd)) return nullptr;
    HWND old = GetFocus();
    if (wnd == old) return old;
    if (wnd) {
        TWindow* top = TopLevelOf(W(wnd));
        if (top->Handle != ws.FActive) {
            if (top->ExStyle & WS_EX_NOACTIVATE) return nullptr; // such a window never takes the focus
            ActivateWindow(top->Handle, WA_ACTIVE);
            if (!W(wnd)) return nullptr;
            old = GetFocus();
            if (old == wnd) return old;
        }
    }
    if (old) {
        SendMessage(old, WM_KILLFOCUS, HwndToWParam(wnd));
        // The handler moved the focus elsewhere: that wins.
        if (GetFocus() != old) return old;
    }
    ws.FFocus = W(wnd) ? wnd : nullptr;
    if (ws.FFocus) SendMessage(wnd, WM_SETFOCUS, HwndToWParam(old));
    return old;
}

HWND GetActiveWindow() {
    auto* ws = WSOrNull();
    return ws && W(ws->FActive) ? ws->FActive : nullptr;
}

void ActivateWindow(HWND top, WPARAM how) {
    auto& ws = WS();
    if (top == ws.FActive && (top == nullptr || ws.FAppActive)) return;
    HWND old = W(ws.FActive) ? ws.FActive : nullptr;
    if (old && old != top) {
        SendMessage(old, WM_NCACTIVATE, 0, HwndToLParam(top));
        SendMessage(old, WM_ACTIVATE, MakeWParam(static_cast<int32_t>(WA_INACTIVE), IsIconic(old) ? 1 : 0),
                    HwndToLParam(top));
    }
    ws.FActive = W(top) ? top : nullptr;
    if (ws.FActive) ws.FLastActive = ws.FActive;
    ws.Backend().SetActiveSurface(ws.FActive ? W(ws.FActive)->Surface.get() : nullptr);
    if (!ws.FActive) {
        if (HWND f = GetFocus()) {
            ws.FFocus = nullptr;
            SendMessage(f, WM_KILLFOCUS, 0);
        }
        return;
    }
    if (!ws.FAppActive) {
        ws.FAppActive = true;
        for (HWND t : GetChildWindows(nullptr))
            SendMessage(t, WM_ACTIVATEAPP, 1);
        if (ws.FActive != top || !W(top)) return;
    }
    if (TWindow* t = W(top)) BringTopLevelToTop(t);
    SendMessage(top, WM_NCACTIVATE, 1, HwndToLParam(old));
    SendMessage(top, WM_ACTIVATE, MakeWParam(static_cast<int32_t>(how), IsIconic(top) ? 1 : 0),
                HwndToLParam(old));
    // The focus never stays in a window that is no longer active.
    if (HWND f = GetFocus(); f && ws.FActive == top && !Inside(f, top)) {
        ws.FFocus = nullptr;
        SendMessage(f, WM_KILLFOCUS, 0);
    }
}

HWND SetActiveWindow(HWND wnd) {
    HWND old = GetActiveWindow();
    TWindow* w = TopLevelOf(W(wnd));
    if (wnd && !w) return nullptr;
    if (w && (w->ExStyle & WS_EX_NOACTIVATE)) return old;
    ActivateWindow(w ? w->Handle : nullptr, WA_ACTIVE);
    return old;
}

bool SetForegroundWindow(HWND wnd) {
    if (!W(wnd)) return false;
    SetActiveWindow(wnd);
    return true;
}

HWND GetForegroundWindow() {
    return GetActiveWindow();
}

void ActivateNextAfter(TWindow* leaving) {
    auto& ws = WS();
    HWND gone = leaving->Handle;
    if (ws.FActive != gone) return;
    // The owner first, else the topmost shown window that can be active.
    TWindow* next = nullptr;
    if (leaving->Owner && leaving->Owner->Visible() && leaving->Owner->Enabled() &&
        leaving->Owner->ShowState != TShowState::ssMinimized)
        next = leaving->Owner;
    if (!next)
        for (TWindow* t : ws.TopLevels())
            if (t != leaving && t->Visible() && t->Enabled() && !t->Destroying &&
                t->ShowState != TShowState::ssMinimized && !(t->ExStyle & WS_EX_NOACTIVATE) &&
                !(t->Style & WS_POPUP)) {
                next = t;
                break;
            }
    ActivateWindow(next ? next->Handle : nullptr, WA_ACTIVE);
}

void ForgetInputState(TWindow* w) {
    auto& ws = WS();
    HWND wnd = w->Handle;
    if (ws.FCapture && Inside(ws.FCapture, wnd)) ReleaseCapture();
    if (ws.FFocus && Inside(ws.FFocus, wnd)) {
        HWND f = ws.FFocus;
        // The focus goes to the parent of a hidden child, or nowhere.
        TWindow* fw = W(wnd);
        HWND to = fw && fw->IsChild() && fw->Parent->Visible() ? fw->Parent->Handle : nullptr;
        ws.FFocus = nullptr;
        SendMessage(f, WM_KILLFOCUS, HwndToWParam(to));
        if (to && !ws.FFocus && W(to)) SetFocus(to);
    }
    if (ws.FTracking && Inside(ws.FTracking, wnd)) ws.FTracking = nullptr;
    if (ws.FCaretWnd && Inside(ws.FCaretWnd, wnd) && w->Destroying) ws.FCaretWnd = nullptr;
    if (w->IsTopLevel() && w->Destroying) ActivateNextAfter(w);
    if (ws.FLastActive == wnd && w->Destroying) ws.FLastActive = nullptr;
}
