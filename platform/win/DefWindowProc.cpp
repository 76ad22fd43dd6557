// The default window procedure: the end of every chain, with the built-in
// frame (border and caption) of the non-client protocol.

#include "platform/win/WinInternal.h"

TRect DefaultFrameInsets(const TWindow* w) {
    int b = 0;
    if (w->Style & WS_THICKFRAME)
        b = GetSystemMetrics(SM_CXFRAME);
    else if (w->Style & (WS_BORDER | WS_DLGFRAME))
        b = 1;
    if (w->ExStyle & WS_EX_CLIENTEDGE) b += 2;
    int caption = (w->Style & WS_CAPTION) == WS_CAPTION ? GetSystemMetrics(SM_CYCAPTION) : 0;
    return {b, b + caption, b, b};
}

int DefaultNcHitTest(TWindow* w, TPoint pt) {
    TRect r = ScreenWindowRect(w);
    if (!r.Contains(pt) || !PointInWindowShape(w, pt)) return HTNOWHERE;
    TPoint co = ClientOriginOnScreen(w);
    if (Bounds(co.X, co.Y, w->ClientRect.Width(), w->ClientRect.Height()).Contains(pt)) return HTCLIENT;
    TRect in = DefaultFrameInsets(w);
    if ((w->Style & WS_THICKFRAME) && w->ShowState == TShowState::ssNormal) {
        const int corner = GetSystemMetrics(SM_CYCAPTION);
        bool left = pt.X < r.Left + in.Left, right = pt.X >= r.Right - in.Right;
        bool top = pt.Y < r.Top + in.Right, bottom = pt.Y >= r.Bottom - in.Bottom;
        bool nearLeft = pt.X < r.Left + corner, nearRight = pt.X >= r.Right - corner;
        bool nearTop = pt.Y < r.Top + corner, nearBottom = pt.Y >= r.Bottom - corner;
        if ((top && nearLeft) || (left && nearTop)) return HTTOPLEFT;
        if ((top && nearRight) || (right && nearTop)) return HTTOPRIGHT;
        if ((bottom && nearLeft) || (left && nearBottom)) return HTBOTTOMLEFT;
        if ((bottom && nearRight) || (right && nearBottom)) return HTBOTTOMRIGHT;
        if (left) return HTLEFT;
        if (right) return HTRIGHT;
        if (top) return HTTOP;
        if (bottom) return HTBOTTOM;
    }
    if ((w->Style & WS_CAPTION) == WS_CAPTION && pt.Y < r.Top + in.Top) return HTCAPTION;
    return HTBORDER;
}

namespace {

int CursorForHit(int hit) {
    switch (hit) {
    case HTLEFT:
    case HTRIGHT:
        return IDC_SIZEWE;
    case HTTOP:
    case HTBOTTOM:
        return IDC_SIZENS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
        return IDC_SIZENWSE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
        return IDC_SIZENESW;
    }
    return IDC_ARROW;
}

WPARAM SizeEdge(int hit) {
    switch (hit) {
    case HTLEFT:
        return WMSZ_LEFT;
    case HTRIGHT:
        return WMSZ_RIGHT;
    case HTTOP:
        return WMSZ_TOP;
    case HTTOPLEFT:
        return WMSZ_TOPLEFT;
    case HTTOPRIGHT:
        return WMSZ_TOPRIGHT;
    case HTBOTTOM:
        return WMSZ_BOTTOM;
    case HTBOTTOMLEFT:
        return WMSZ_BOTTOMLEFT;
    case HTBOTTOMRIGHT:
        return WMSZ_BOTTOMRIGHT;
    }
    return 0;
}

HWND ParentOf(TWindow* w) {
    return w->IsChild() ? w->Parent->Handle : nullptr;
}

} // namespace

LRESULT DefWindowProc(HWND wnd, TMessage& m) {
    TWindow* w = W(wnd);
    m.Result = 0;
    if (!w) return 0;
    switch (m.Msg) {
    case WM_NCCREATE:
        m.Result = 1;
        break;
    case WM_NCCALCSIZE: {
        auto* p = LParamToPtr<TNCCalcSizeParams>(m.LParam);
        if (p) {
            TRect in = DefaultFrameInsets(w);
            TRect& r = p->rgrc[0];
            r = {r.Left + in.Left, r.Top + in.Top, r.Right - in.Right, r.Bottom - in.Bottom};
        }
        break;
    }
    case WM_NCHITTEST:
        m.Result = DefaultNcHitTest(w, LParamToPoint(m.LParam));
        break;
    case WM_NCPAINT:
        DefaultNcPaint(wnd);
        break;
    case WM_NCACTIVATE:
        RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
        m.Result = 1;
        break;
    case WM_PAINT: {
        TPaintStruct ps;
        BeginPaint(wnd, ps);
        EndPaint(wnd, ps);
        break;
    }
    case WM_ERASEBKGND:
        m.Result = 0;
        break;
    case WM_SETTEXT:
        if (auto* s = LParamToPtr<std::string>(m.LParam)) {
            w->Text = *s;
            if (w->Surface) w->Surface->SetTitle(w->Text);
            if ((w->Style & WS_CAPTION) == WS_CAPTION)
                RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
        }
        m.Result = 1;
        break;
    case WM_GETTEXT:
        if (auto* s = LParamToPtr<std::string>(m.LParam)) *s = w->Text;
        m.Result = static_cast<LRESULT>(w->Text.size());
        break;
    case WM_GETTEXTLENGTH:
        m.Result = static_cast<LRESULT>(w->Text.size());
        break;
    case WM_WINDOWPOSCHANGED: {
        auto* pos = LParamToPtr<TWindowPos>(m.LParam);
        if (!pos) break;
        if (!(pos->flags & SWP_NOMOVE))
            SendMessage(wnd, WM_MOVE, 0,
                        PointToLParam({w->WindowRect.Left + w->ClientRect.Left,
                                       w->WindowRect.Top + w->ClientRect.Top}));
        if (!(pos->flags & SWP_NOSIZE) && (w = W(wnd)) != nullptr) {
            WPARAM kind = w->ShowState == TShowState::ssMaximized   ? SIZE_MAXIMIZED
                          : w->ShowState == TShowState::ssMinimized ? SIZE_MINIMIZED
                                                                    : SIZE_RESTORED;
            SendMessage(wnd, WM_SIZE, kind, MakeLParam(w->ClientRect.Width(), w->ClientRect.Height()));
        }
        break;
    }
    case WM_SETCURSOR: {
        // A parent may decide first (it returns non-zero to say so).
        if (HWND parent = ParentOf(w)) {
            if (SendMessage(parent, WM_SETCURSOR, m.WParam, m.LParam)) {
                m.Result = 1;
                break;
            }
        }
        int hit = LoPart(static_cast<uint64_t>(m.LParam));
        if (hit == HTERROR) break;
        TWindow* cw = W(wnd);
        SetCursor(hit == HTCLIENT && cw && cw->CursorId ? cw->CursorId : CursorForHit(hit));
        m.Result = 1;
        break;
    }
    case WM_MOUSEACTIVATE: {
        if (HWND parent = ParentOf(w)) {
            LRESULT r = SendMessage(parent, WM_MOUSEACTIVATE, m.WParam, m.LParam);
            if (r) {
                m.Result = r;
                break;
            }
        }
        m.Result = (w->ExStyle & WS_EX_NOACTIVATE) ? MA_NOACTIVATE : MA_ACTIVATE;
        break;
    }
    case WM_ACTIVATE:
        if (LoPart(m.WParam) != static_cast<int32_t>(WA_INACTIVE) && !HiPart(m.WParam)) SetFocus(wnd);
        break;
    case WM_MOUSEWHEEL:
    case WM_CONTEXTMENU:
        if (HWND parent = ParentOf(w)) m.Result = SendMessage(parent, m.Msg, m.WParam, m.LParam);
        break;
    case WM_RBUTTONUP: {
        TPoint p = LParamToPoint(m.LParam);
        ClientToScreen(wnd, p);
        SendMessage(wnd, WM_CONTEXTMENU, HwndToWParam(wnd), PointToLParam(p));
        break;
    }
    case WM_NCRBUTTONUP:
        SendMessage(wnd, WM_CONTEXTMENU, HwndToWParam(wnd), m.LParam);
        break;
    case WM_KEYUP:
        if (m.WParam == static_cast<WPARAM>(VK_APPS))
            SendMessage(wnd, WM_CONTEXTMENU, HwndToWParam(wnd), MakeLParam(-1, -1));
        break;
    case WM_SYSKEYUP:
        // Alt or F10 pressed and released alone: the window's menu key.
        if ((m.WParam == static_cast<WPARAM>(VK_MENU) || m.WParam == static_cast<WPARAM>(VK_F10)) &&
            WS().FMenuKeyAlone && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0) {
            WS().FMenuKeyAlone = false;
            if (TWindow* top = TopLevelOf(w)) SendMessage(top->Handle, WM_SYSCOMMAND, SC_KEYMENU);
        }
        break;
    case WM_SYSKEYDOWN:
        if (m.WParam == static_cast<WPARAM>(VK_F10) && GetKeyState(VK_SHIFT) < 0)
            SendMessage(wnd, WM_CONTEXTMENU, HwndToWParam(wnd), MakeLParam(-1, -1));
        else if (m.WParam == static_cast<WPARAM>(VK_F4) && GetKeyState(VK_MENU) < 0)
            if (TWindow* top = TopLevelOf(w)) SendMessage(top->Handle, WM_SYSCOMMAND, SC_CLOSE);
        break;
    case WM_NCLBUTTONDOWN: {
        int hit = static_cast<int>(static_cast<intptr_t>(m.WParam));
        TPoint p = LParamToPoint(m.LParam);
        if (hit == HTCAPTION)
            SendMessage(wnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, PointToLParam(p));
        else if (WPARAM edge = SizeEdge(hit); edge && (w->Style & WS_THICKFRAME))
            SendMessage(wnd, WM_SYSCOMMAND, SC_SIZE | edge, PointToLParam(p));
        break;
    }
    case WM_NCLBUTTONDBLCLK:
        if (static_cast<intptr_t>(m.WParam) == HTCAPTION && (w->Style & WS_MAXIMIZEBOX) &&
            (w->Style & WS_CAPTION))
            SendMessage(wnd, WM_SYSCOMMAND, IsZoomed(wnd) ? SC_RESTORE : SC_MAXIMIZE, m.LParam);
        break;
    case WM_SYSCOMMAND:
        switch (m.WParam & 0xFFF0) {
        case SC_MOVE:
        case SC_SIZE:
            RunMoveSizeLoop(wnd, m.WParam, LParamToPoint(m.LParam));
            break;
        case SC_MINIMIZE:
            ShowWindow(wnd, SW_MINIMIZE);
            break;
        case SC_MAXIMIZE:
            ShowWindow(wnd, SW_MAXIMIZE);
            break;
        case SC_RESTORE:
            ShowWindow(wnd, SW_RESTORE);
            break;
        case SC_CLOSE:
            SendMessage(wnd, WM_CLOSE);
            break;
        }
        break;
    case WM_CLOSE:
        DestroyWindow(wnd);
        break;
    case WM_CANCELMODE:
        if (GetCapture() == wnd) ReleaseCapture();
        break;
    case WM_PRINTCLIENT:
    case WM_PRINT:
        break;
    }
    return m.Result;
}
