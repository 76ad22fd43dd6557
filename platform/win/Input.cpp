// Mouse and keyboard: routing of backend input to windows, capture, key
// state, hit-testing, double clicks, the wheel, translation to characters.

#include "platform/win/WinInternal.h"

#include <cstdlib>

namespace {

struct THit {
    HWND Wnd = nullptr;
    int Code = HTNOWHERE;
};

THit HitTestIn(TWindow* w, TPoint pt);

THit HitTestList(const std::vector<TWindow*>& list, TPoint pt, bool topLevel) {
    std::vector<HWND> order;
    for (TWindow* c : list)
        order.push_back(c->Handle);
    for (HWND h : order) {
        TWindow* c = W(h);
        if (!c || !c->Visible()) continue;
        if (topLevel) {
            if (c->ShowState == TShowState::ssMinimized) continue;
            // Layered and transparent: clicks fall through.
            if ((c->ExStyle & (WS_EX_LAYERED | WS_EX_TRANSPARENT)) == (WS_EX_LAYERED | WS_EX_TRANSPARENT))
                continue;
        } else if (!c->Enabled() || (c->ExStyle & WS_EX_TRANSPARENT)) {
            continue;
        }
        if (!PointInWindowShape(c, pt)) continue;
        THit hit = HitTestIn(c, pt);
        if (hit.Wnd) return hit;
    }
    return {};
}

THit HitTestIn(TWindow* w, TPoint pt) {
    HWND wnd = w->Handle;
    if (!w->Enabled()) return {wnd, HTERROR}; // a disabled top-level window (modal owner)
    TPoint co = ClientOriginOnScreen(w);
    TRect client = Bounds(co.X, co.Y, w->ClientRect.Width(), w->ClientRect.Height());
    if (client.Contains(pt) && !w->Children.empty()) {
        THit hit = HitTestList(w->Children, pt, false);
        if (hit.Wnd) return hit;
        if (!W(wnd)) return {};
    }
    int code = static_cast<int>(SendMessage(wnd, WM_NCHITTEST, 0, PointToLParam(pt)));
    if (code == HTTRANSPARENT || !W(wnd)) return {};
    return {wnd, code};
}

THit HitTestScreen(TPoint pt) {
    return HitTestList(WS().TopLevels(), pt, true);
}

WPARAM MouseKeyState() {
    auto& ws = WS();
    WPARAM k = 0;
    if (ws.FKeys[VK_LBUTTON] & 0x80) k |= MK_LBUTTON;
    if (ws.FKeys[VK_RBUTTON] & 0x80) k |= MK_RBUTTON;
    if (ws.FKeys[VK_MBUTTON] & 0x80) k |= MK_MBUTTON;
    if (ws.FKeys[VK_SHIFT] & 0x80) k |= MK_SHIFT;
    if (ws.FKeys[VK_CONTROL] & 0x80) k |= MK_CONTROL;
    return k;
}

int ButtonVKey(TMouseButton b) {
    switch (b) {
    case TMouseButton::mbRight:
        return VK_RBUTTON;
    case TMouseButton::mbMiddle:
        return VK_MBUTTON;
    default:
        return VK_LBUTTON;
    }
}

// Client message numbers of a button: down, up, double click.
uint32_t ButtonMessage(TMouseButton b, int which) {
    uint32_t base = b == TMouseButton::mbLeft    ? WM_LBUTTONDOWN
                    : b == TMouseButton::mbRight ? WM_RBUTTONDOWN
                                                 : WM_MBUTTONDOWN;
    return base + which;
}

uint32_t ToNonClient(uint32_t clientMsg) {
    if (clientMsg == WM_MOUSEMOVE) return WM_NCMOUSEMOVE;
    return clientMsg - WM_LBUTTONDOWN + WM_NCLBUTTONDOWN;
}

void SetKey(int vk, bool down) {
    auto& ws = WS();
    uint8_t& k = ws.FKeys[vk & 0xFF];
    if (down && !(k & 0x80)) k ^= 1; // toggle state flips on each press
    k = down ? (k | 0x80) : (k & ~0x80);
    // Left and right variants keep the generic key in step.
    auto mirror = [&](int generic, int l, int r) {
        if (vk == l || vk == r) {
            bool any = (ws.FKeys[l] & 0x80) || (ws.FKeys[r] & 0x80);
            ws.FKeys[generic] = any ? (ws.FKeys[generic] | 0x80) : (ws.FKeys[generic] & ~0x80);
        }
    };
    mirror(VK_SHIFT, VK_LSHIFT, VK_RSHIFT);
    mirror(VK_CONTROL, VK_LCONTROL, VK_RCONTROL);
    mirror(VK_MENU, VK_LMENU, VK_RMENU);
}

bool KeyDown(int vk) {
    return (WS().FKeys[vk & 0xFF] & 0x80) != 0;
}

void FillMouse(TMsg& out, HWND wnd, uint32_t msg, WPARAM wp, LPARAM lp, TPoint screen) {
    out = TMsg{};
    out.hwnd = wnd;
    out.message = msg;
    out.wParam = wp;
    out.lParam = lp;
    out.time = GetTickCount();
    out.pt = screen;
}

void CheckMouseLeave(HWND now, bool nonClient) {
    auto& ws = WS();
    if (!ws.FTracking) return;
    bool trackedNc = (ws.FTrackFlags & TME_NONCLIENT) != 0;
    if (ws.FTracking == now && trackedNc == nonClient) return;
    HWND left = ws.FTracking;
    ws.FTracking = nullptr;
    PostMessage(left, trackedNc ? WM_NCMOUSELEAVE : WM_MOUSELEAVE);
}

// The target and message of a mouse event; false when nobody gets it.
bool RouteMouse(const TRawInput& in, uint32_t clientMsg, TMsg& out) {
    auto& ws = WS();
    TPoint pt = in.Pos;
    if (HWND cap = ws.FCapture; cap && W(cap)) {
        // Captured: always a client message, coordinates may be negative.
        TPoint cp = pt;
        ScreenToClient(cap, cp);
        CheckMouseLeave(cap, false);
        FillMouse(out, cap, clientMsg, MouseKeyState(), PointToLParam(cp), pt);
        return true;
    }
    THit hit = HitTestScreen(pt);
    if (!hit.Wnd) {
        CheckMouseLeave(nullptr, false);
        return false;
    }
    HWND wnd = hit.Wnd;
    bool press = clientMsg != WM_MOUSEMOVE && in.Kind == TRawInputKind::riButtonDown;
    if (hit.Code == HTERROR) {
        // A disabled window: only the cursor is asked about.
        SendMessage(wnd, WM_SETCURSOR, HwndToWParam(wnd),
                    MakeLParam(HTERROR, static_cast<int32_t>(clientMsg)));
        return false;
    }
    bool eat = false;
    if (press) {
        TWindow* top = TopLevelOf(W(wnd));
        if (top && top->Handle != ws.FActive) {
            LRESULT ma = SendMessage(wnd, WM_MOUSEACTIVATE, HwndToWParam(top->Handle),
                                     MakeLParam(hit.Code, static_cast<int32_t>(clientMsg)));
            if ((ma == MA_ACTIVATE || ma == MA_ACTIVATEANDEAT || ma == 0) && W(top->Handle) &&
                !(top->ExStyle & WS_EX_NOACTIVATE))
                ActivateWindow(top->Handle, WA_CLICKACTIVE);
            eat = ma == MA_ACTIVATEANDEAT || ma == MA_NOACTIVATEANDEAT;
        }
    }
    if (!W(wnd)) return false;
    SendMessage(wnd, WM_SETCURSOR, HwndToWParam(wnd), MakeLParam(hit.Code, static_cast<int32_t>(clientMsg)));
    if (eat || !W(wnd)) return false;
    bool client = hit.Code == HTCLIENT;
    CheckMouseLeave(wnd, !client);
    if (press) {
        // Parents hear of presses in their children.
        for (TWindow* c = W(wnd); c && c->IsChild() && !(c->ExStyle & WS_EX_NOPARENTNOTIFY);) {
            HWND parent = c->Parent->Handle;
            TPoint pp = pt;
            ScreenToClient(parent, pp);
            SendMessage(parent, WM_PARENTNOTIFY, MakeWParam(static_cast<int32_t>(clientMsg), 0),
                        PointToLParam(pp));
            c = W(parent);
        }
        if (!W(wnd)) return false;
        // Double clicks: the same window, button and area within the time and
        // distance limits; client ones only for windows that ask for them.
        uint32_t msgKind = client ? clientMsg : ToNonClient(clientMsg);
        uint64_t now = GetTickCount();
        int halfX = GetSystemMetrics(SM_CXDOUBLECLK) / 2, halfY = GetSystemMetrics(SM_CYDOUBLECLK) / 2;
        bool wants = !client || (W(wnd)->ClassStyle & CS_DBLCLKS);
        bool dbl = wants && !ws.FClickWasDouble && ws.FClickWnd == wnd && ws.FClickMsg == msgKind &&
                   now - ws.FClickTime <= ws.FDoubleClickTime && std::abs(pt.X - ws.FClickPos.X) <= halfX &&
                   std::abs(pt.Y - ws.FClickPos.Y) <= halfY;
        ws.FClickWnd = wnd;
        ws.FClickMsg = msgKind;
        ws.FClickTime = now;
        ws.FClickPos = pt;
        ws.FClickWasDouble = dbl;
        if (dbl) clientMsg += 2;
    }
    if (client) {
        TPoint cp = pt;
        ScreenToClient(wnd, cp);
        FillMouse(out, wnd, clientMsg, MouseKeyState(), PointToLParam(cp), pt);
    } else {
        FillMouse(out, wnd, ToNonClient(clientMsg), static_cast<WPARAM>(static_cast<intptr_t>(hit.Code)),
                  PointToLParam(pt), pt);
    }
    return true;
}

LPARAM KeyData(int vk, bool up, bool wasDown) {
    (void)vk;
    LPARAM lp = 1;
    if (KeyDown(VK_MENU)) lp |= LPARAM(1) << 29;
    if (wasDown) lp |= LPARAM(1) << 30;
    if (up) lp |= LPARAM(1) << 31;
    return lp;
}

} // namespace

bool ConvertRawInput(const TRawInput& in, TMsg& out) {
    auto& ws = WS();
    switch (in.Kind) {
    case TRawInputKind::riMouseMove:
        ws.FCursorPos = in.Pos;
        return RouteMouse(in, WM_MOUSEMOVE, out);
    case TRawInputKind::riButtonDown:
        ws.FCursorPos = in.Pos;
        ws.FMenuKeyAlone = false;
        SetKey(ButtonVKey(in.Button), true);
        return RouteMouse(in, ButtonMessage(in.Button, 0), out);
    case TRawInputKind::riButtonUp:
        ws.FCursorPos = in.Pos;
        SetKey(ButtonVKey(in.Button), false);
        return RouteMouse(in, ButtonMessage(in.Button, 1), out);
    case TRawInputKind::riWheel: {
        ws.FCursorPos = in.Pos;
        ws.FWheelRest += in.WheelDelta;
        int steps = ws.FWheelRest / WHEEL_DELTA;
        if (steps == 0) return false;
        ws.FWheelRest -= steps * WHEEL_DELTA;
        HWND target = ws.FFocus ? ws.FFocus : ws.FActive;
        if (!W(target)) return false;
        FillMouse(out, target, WM_MOUSEWHEEL,
                  MakeWParam(static_cast<int32_t>(MouseKeyState()), steps * WHEEL_DELTA),
                  PointToLParam(in.Pos), in.Pos);
        return true;
    }
    case TRawInputKind::riKeyDown:
    case TRawInputKind::riKeyUp: {
        bool down = in.Kind == TRawInputKind::riKeyDown;
        bool wasDown = KeyDown(in.VKey);
        const bool menuKey =
            in.VKey == VK_MENU || in.VKey == VK_LMENU || in.VKey == VK_RMENU || in.VKey == VK_F10;
        if (down && !wasDown) ws.FMenuKeyAlone = menuKey;
        SetKey(in.VKey, down);
        HWND target = ws.FFocus;
        bool sys = (KeyDown(VK_MENU) && !KeyDown(VK_CONTROL)) || in.VKey == VK_F10 ||
                   (in.VKey == VK_MENU && !down) || in.VKey == VK_LMENU || in.VKey == VK_RMENU;
        if (!W(target)) {
            // Without a focused window the active one gets the keys as system keys.
            target = ws.FActive;
            sys = true;
        }
        if (!W(target)) return false;
        out = TMsg{};
        out.hwnd = target;
        out.message = sys ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
        out.wParam = static_cast<WPARAM>(in.VKey);
        out.lParam = KeyData(in.VKey, !down, wasDown);
        out.time = GetTickCount();
        out.pt = ws.FCursorPos;
        return true;
    }
    case TRawInputKind::riChar: {
        HWND target = W(ws.FFocus) ? ws.FFocus : ws.FActive;
        if (!W(target)) return false;
        out = TMsg{};
        out.hwnd = target;
        out.message = WM_CHAR;
        out.wParam = in.Char;
        out.lParam = 1;
        out.time = GetTickCount();
        out.pt = ws.FCursorPos;
        return true;
    }
    case TRawInputKind::riAppDeactivate:
    case TRawInputKind::riAppActivate: {
        bool activate = in.Kind == TRawInputKind::riAppActivate;
        if (activate == ws.FAppActive) return false;
        if (!activate) {
            HWND old = ws.FActive;
            ActivateWindow(nullptr, WA_INACTIVE);
            ws.FAppActive = false;
            ws.FLastActive = old;
            for (HWND t : GetChildWindows(nullptr))
                SendMessage(t, WM_ACTIVATEAPP, 0);
        } else if (W(ws.FLastActive)) {
            ActivateWindow(ws.FLastActive, WA_ACTIVE);
        }
        return false;
    }
    case TRawInputKind::riClose:
        if (W(in.Window)) PostMessage(in.Window, WM_SYSCOMMAND, SC_CLOSE);
        return false;
    }
    return false;
}

void QueueRawInput(const TRawInput& input) {
    auto* ws = WSOrNull();
    if (!ws) return;
    {
        std::lock_guard lock(ws->FQueueLock);
        ws->FInput.push_back(input);
    }
    ws->WakeLoop();
}

HWND SetCapture(HWND wnd) {
    auto& ws = WS();
    if (wnd && !W(wnd)) return nullptr;
    HWND old = ws.FCapture;
    ws.FCapture = wnd;
    TWindow* top = TopLevelOf(W(wnd));
    ws.Backend().SetPointerGrab(top ? top->Surface.get() : nullptr);
    if (old && old != wnd && W(old)) SendMessage(old, WM_CAPTURECHANGED, 0, HwndToLParam(wnd));
    return old;
}

bool ReleaseCapture() {
    auto* ws = WSOrNull();
    if (!ws || !ws->FCapture) return true;
    HWND old = ws->FCapture;
    ws->FCapture = nullptr;
    ws->Backend().SetPointerGrab(nullptr);
    if (W(old)) SendMessage(old, WM_CAPTURECHANGED, 0, 0);
    return true;
}

HWND GetCapture() {
    auto* ws = WSOrNull();
    return ws && W(ws->FCapture) ? ws->FCapture : nullptr;
}

int16_t GetKeyState(int vkey) {
    auto* ws = WSOrNull();
    if (!ws) return 0;
    uint8_t k = ws->FKeys[vkey & 0xFF];
    return static_cast<int16_t>(((k & 0x80) ? 0x8000 : 0) | (k & 1));
}

int16_t GetAsyncKeyState(int vkey) {
    return static_cast<int16_t>(GetKeyState(vkey) & 0x8000);
}

bool GetCursorPos(TPoint& pt) {
    auto* ws = WSOrNull();
    if (!ws) return false;
    pt = ws->FCursorPos;
    return true;
}

HWND WindowFromPoint(TPoint pt) {
    if (!WSOrNull()) return nullptr;
    THit hit = HitTestScreen(pt);
    return hit.Wnd;
}

HWND ChildWindowFromPoint(HWND parent, TPoint clientPt) {
    TWindow* p = W(parent);
    if (!p) return nullptr;
    TPoint screen = clientPt;
    ClientToScreen(parent, screen);
    for (TWindow* c : p->Children)
        if (c->Visible() && PointInWindowShape(c, screen)) return c->Handle;
    TRect client;
    GetClientRect(parent, client);
    return client.Contains(clientPt) ? parent : nullptr;
}

bool TrackMouseEvent(TTrackMouseEvent& track) {
    auto& ws = WS();
    if (track.dwFlags & TME_CANCEL) {
        if (ws.FTracking == track.hwndTrack) ws.FTracking = nullptr;
        return true;
    }
    if (!W(track.hwndTrack) || !(track.dwFlags & TME_LEAVE)) return false;
    ws.FTracking = track.hwndTrack;
    ws.FTrackFlags = track.dwFlags;
    // Already outside: the leave comes at once.
    if (WindowFromPoint(ws.FCursorPos) != track.hwndTrack && ws.FCapture != track.hwndTrack) {
        ws.FTracking = nullptr;
        PostMessage(track.hwndTrack, (track.dwFlags & TME_NONCLIENT) ? WM_NCMOUSELEAVE : WM_MOUSELEAVE);
    }
    return true;
}

uint32_t GetDoubleClickTime() {
    return WSOrNull() ? WS().FDoubleClickTime : 500;
}
void SetDoubleClickTime(uint32_t ms) {
    WS().FDoubleClickTime = ms ? ms : 500;
}

int GetSystemMetrics(int index) {
    switch (index) {
    case SM_CXSCREEN:
    case SM_CYSCREEN: {
        TMonitorInfo mi;
        if (!WSOrNull() || !GetMonitorInfo(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), mi)) return 0;
        return index == SM_CXSCREEN ? mi.rcMonitor.Width() : mi.rcMonitor.Height();
    }
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CYCAPTION:
        return 20;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CXDRAG:
    case SM_CYDRAG:
        return 4;
    case SM_CMONITORS:
        return WSOrNull() ? static_cast<int>(EnumDisplayMonitors().size()) : 0;
    }
    return 0;
}

namespace {

// The character a key gives on a US layout, or 0.
uint32_t KeyChar(int vk, bool shift, bool ctrl, bool caps) {
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl) return static_cast<uint32_t>(vk - 'A' + 1);
        bool upper = shift != caps;
        return static_cast<uint32_t>(upper ? vk : vk + 32);
    }
    if (ctrl) return 0;
    if (vk >= '0' && vk <= '9')
        return shift ? static_cast<uint32_t>(")!@#$%^&*("[vk - '0']) : static_cast<uint32_t>(vk);
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9) return static_cast<uint32_t>('0' + vk - VK_NUMPAD0);
    switch (vk) {
    case VK_SPACE:
        return ' ';
    case VK_RETURN:
        return '\r';
    case VK_BACK:
        return 8;
    case VK_TAB:
        return 9;
    case VK_ESCAPE:
        return 0x1B;
    case VK_OEM_1:
        return shift ? ':' : ';';
    case VK_OEM_PLUS:
        return shift ? '+' : '=';
    case VK_OEM_COMMA:
        return shift ? '<' : ',';
    case VK_OEM_MINUS:
        return shift ? '_' : '-';
    case VK_OEM_PERIOD:
        return shift ? '>' : '.';
    case VK_OEM_2:
        return shift ? '?' : '/';
    case VK_MULTIPLY:
        return '*';
    case VK_ADD:
        return '+';
    case VK_SUBTRACT:
        return '-';
    case VK_DECIMAL:
        return '.';
    case VK_DIVIDE:
        return '/';
    }
    return 0;
}

} // namespace

bool TranslateMessage(const TMsg& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    auto& ws = WS();
    int vk = static_cast<int>(message.wParam);
    bool ctrl = KeyDown(VK_CONTROL) && !KeyDown(VK_MENU);
    uint32_t ch = KeyChar(vk, KeyDown(VK_SHIFT), ctrl, (ws.FKeys[VK_CAPITAL] & 1) != 0);
    if (!ch) return false;
    TMsg m = message;
    m.message = message.message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    m.wParam = ch;
    {
        // The character comes next, before anything posted meanwhile.
        std::lock_guard lock(ws.FQueueLock);
        ws.FPosted.push_front(m);
    }
    return true;
}
