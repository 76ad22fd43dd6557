// The move and size loop of WM_SYSCOMMAND SC_MOVE / SC_SIZE. It runs inside
// the handler that started it and takes the mouse input itself until the
// button is released, Esc is pressed or the capture is lost.

#include "platform/win/WinInternal.h"

#include <cstdlib>

namespace {

// Takes the next input event; other messages are dispatched meanwhile.
bool NextInput(TRawInput& in) {
    auto& ws = WS();
    for (;;) {
        {
            std::lock_guard lock(ws.FQueueLock);
            if (!ws.FInput.empty()) {
                in = ws.FInput.front();
                ws.FInput.pop_front();
                return true;
            }
        }
        TMsg m;
        if (PeekMessage(m, PM_REMOVE | PM_NOINPUT)) {
            if (m.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(m.wParam));
                return false;
            }
            TranslateMessage(m);
            DispatchMessage(m);
            continue;
        }
        // A virtual clock means a test feeds the input: when it has all been
        // read nothing more can come, so the drag ends where it stands.
        if (ws.Backend().VirtualClock()) return false;
        WaitMessage();
    }
}

void ApplyEdge(TRect& r, WPARAM edge, int dx, int dy) {
    bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    bool right = edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
    bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
    bool bottom = edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
    if (left) r.Left += dx;
    if (right) r.Right += dx;
    if (top) r.Top += dy;
    if (bottom) r.Bottom += dy;
}

// Keeps the size within the tracking limits by moving the dragged edges.
void ClampSize(TRect& r, WPARAM edge, const TMinMaxInfo& mm) {
    bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
    int w = std::clamp(r.Width(), mm.ptMinTrackSize.X, std::max(mm.ptMinTrackSize.X, mm.ptMaxTrackSize.X));
    int h = std::clamp(r.Height(), mm.ptMinTrackSize.Y, std::max(mm.ptMinTrackSize.Y, mm.ptMaxTrackSize.Y));
    if (left)
        r.Left = r.Right - w;
    else
        r.Right = r.Left + w;
    if (top)
        r.Top = r.Bottom - h;
    else
        r.Bottom = r.Top + h;
}

} // namespace

void RunMoveSizeLoop(HWND wnd, WPARAM command, TPoint start) {
    auto& ws = WS();
    TWindow* w = W(wnd);
    if (!w || ws.FInMoveSize || w->ShowState != TShowState::ssNormal) return;
    const bool sizing = (command & 0xFFF0) == SC_SIZE;
    const WPARAM edge = command & 0x000F;
    if (sizing && (edge < WMSZ_LEFT || edge > WMSZ_BOTTOMRIGHT)) return;

    // Rectangles in screen coordinates; a child is placed back in its parent's.
    TRect original;
    GetWindowRect(wnd, original);
    TPoint toParent{0, 0};
    if (w->IsChild()) {
        TPoint o = ClientOriginOnScreen(w->Parent);
        toParent = {-o.X, -o.Y};
    }
    TMinMaxInfo mm;
    mm.ptMinTrackSize = {GetSystemMetrics(SM_CXFRAME) * 2 + 1, GetSystemMetrics(SM_CYFRAME) * 2 + 1};
    mm.ptMaxTrackSize = {INT32_MAX / 4, INT32_MAX / 4};
    TMonitorInfo mi;
    GetMonitorInfo(MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST), mi);
    mm.ptMaxPosition = mi.rcWork.TopLeft();
    mm.ptMaxSize = {mi.rcWork.Width(), mi.rcWork.Height()};
    if (sizing) SendMessage(wnd, WM_GETMINMAXINFO, 0, PtrToLParam(&mm));

    ws.FInMoveSize = true;
    SetCapture(wnd);
    const int dragX = GetSystemMetrics(SM_CXDRAG), dragY = GetSystemMetrics(SM_CYDRAG);
    bool started = false;
    TRect current = original;
    TRawInput in;
    while (IsWindow(wnd) && GetCapture() == wnd && NextInput(in)) {
        if (in.Kind == TRawInputKind::riKeyDown && in.VKey == VK_ESCAPE) {
            if (started)
                SetWindowPos(wnd, nullptr, original.Left + toParent.X, original.Top + toParent.Y,
                             original.Width(), original.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        }
        if (in.Kind == TRawInputKind::riButtonUp) {
            ws.FCursorPos = in.Pos;
            break;
        }
        if (in.Kind != TRawInputKind::riMouseMove) continue;
        ws.FCursorPos = in.Pos;
        int dx = in.Pos.X - start.X, dy = in.Pos.Y - start.Y;
        if (!started) {
            // Below the drag threshold nothing moves.
            if (std::abs(dx) < dragX && std::abs(dy) < dragY) continue;
            started = true;
            SendMessage(wnd, WM_ENTERSIZEMOVE);
            if (!IsWindow(wnd)) break;
        }
        TRect r = original;
        if (sizing) {
            ApplyEdge(r, edge, dx, dy);
            ClampSize(r, edge, mm);
            SendMessage(wnd, WM_SIZING, edge, PtrToLParam(&r));
        } else {
            OffsetRect(r, dx, dy);
            SendMessage(wnd, WM_MOVING, 0, PtrToLParam(&r));
        }
        if (!IsWindow(wnd)) break;
        if (r != current) {
            current = r;
            SetWindowPos(wnd, nullptr, r.Left + toParent.X, r.Top + toParent.Y, r.Width(), r.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    ws.FInMoveSize = false;
    if (GetCapture() == wnd) ReleaseCapture();
    if (started && IsWindow(wnd)) SendMessage(wnd, WM_EXITSIZEMOVE);
}
