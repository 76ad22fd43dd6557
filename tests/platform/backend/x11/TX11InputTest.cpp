// The window system's routing scenarios, driven by real X input.

#include "X11Fixture.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

constexpr int kCustomHit = 119;

// A 200 x 150 popup at (100, 100) with a frame of (5, 20, 5, 5): the caption
// strip is HTCAPTION left of x 180 (window coordinates) and the custom code
// 119 right of it; the side strips size.
HWND RoutingWindow() {
    return MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(100, 100, 200, 150), nullptr, [](HWND w, TMessage& m) {
        if (m.Msg == WM_NCCALCSIZE) {
            auto* p = LParamToPtr<TNCCalcSizeParams>(m.LParam);
            p->rgrc[0] = {p->rgrc[0].Left + 5, p->rgrc[0].Top + 20, p->rgrc[0].Right - 5,
                          p->rgrc[0].Bottom - 5};
            return true;
        }
        if (m.Msg == WM_NCHITTEST) {
            TRect r;
            GetWindowRect(w, r);
            TPoint p = LParamToPoint(m.LParam);
            int x = p.X - r.Left, y = p.Y - r.Top;
            m.Result = y < 20     ? (x >= 180 ? kCustomHit : HTCAPTION)
                       : x < 5    ? HTLEFT
                       : x >= 195 ? HTRIGHT
                       : y >= 145 ? HTBOTTOM
                                  : HTCLIENT;
            return true;
        }
        return m.Msg == WM_NCLBUTTONDOWN || m.Msg == WM_NCLBUTTONDBLCLK;
    });
}

const std::set<uint32_t> kMouse = {WM_MOUSEMOVE,   WM_LBUTTONDOWN,   WM_LBUTTONUP,   WM_LBUTTONDBLCLK,
                                   WM_NCMOUSEMOVE, WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK};

Window FocusWindow(Display* dpy) {
    Window f = 0;
    int revert = 0;
    XGetInputFocus(dpy, &f, &revert);
    return f;
}

} // namespace

using TX11Input = X11Fixture;

TEST_F(TX11Input, PressesGiveClientOrNonClientMessagesByHitCode) {
    struct TCase {
        TPoint Screen;
        uint32_t Msg;
        intptr_t WParam;
        TPoint Coords;
    };
    const TCase cases[] = {
        {{150, 150}, WM_LBUTTONDOWN, MK_LBUTTON, {45, 30}},
        {{294, 244}, WM_LBUTTONDOWN, MK_LBUTTON, {189, 124}},
        {{150, 105}, WM_NCLBUTTONDOWN, HTCAPTION, {150, 105}},
        {{285, 110}, WM_NCLBUTTONDOWN, kCustomHit, {285, 110}},
        {{102, 200}, WM_NCLBUTTONDOWN, HTLEFT, {102, 200}},
        {{200, 247}, WM_NCLBUTTONDOWN, HTBOTTOM, {200, 247}},
    };
    for (const auto& c : cases) {
        HWND win = RoutingWindow(); // a new window each time: no double clicks
        Pump();
        TMessageRecorder rec({win}, {c.Msg});
        Click(c.Screen);
        Pump();
        ASSERT_EQ(rec.Messages().size(), 1u) << c.Screen.X << "," << c.Screen.Y;
        EXPECT_EQ(static_cast<intptr_t>(rec.Messages()[0].WParam), c.WParam)
            << c.Screen.X << "," << c.Screen.Y;
        EXPECT_EQ(LParamToPoint(rec.Messages()[0].LParam), c.Coords) << c.Screen.X << "," << c.Screen.Y;
        DestroyWindow(win);
    }
}

TEST_F(TX11Input, CaptureTakesEveryMessageAndPressInAReleaseOverBGoesToA) {
    HWND a = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100), nullptr, [](HWND w, TMessage& m) {
        if (m.Msg == WM_LBUTTONDOWN) SetCapture(w);
        if (m.Msg == WM_LBUTTONUP) ReleaseCapture();
        return false;
    });
    HWND b = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(200, 0, 100, 100));
    MouseMove({50, 50});
    Pump();
    TMessageRecorder rec({}, kMouse);
    MouseDown({50, 50});
    MouseMove({250, 50});
    MouseMove({500, 300}); // outside every window of ours
    MouseUp({500, 300});
    MouseMove({260, 50});
    Pump();
    EXPECT_EQ(rec.Msgs(a), (std::vector<uint32_t>{WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_MOUSEMOVE, WM_LBUTTONUP}));
    EXPECT_EQ(rec.Msgs(b), (std::vector<uint32_t>{WM_MOUSEMOVE}));
    EXPECT_EQ(LParamToPoint(rec.Messages()[2].LParam), TPoint(500, 300));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(TX11Input, CaptionDragMovesTheXWindowWithTheHandlersEdits) {
    bool pinX = true;
    HWND w = MakeWindow(WS_POPUP | WS_CAPTION | WS_VISIBLE, Bounds(100, 100, 200, 150), nullptr,
                        [&](HWND, TMessage& m) {
                            if (m.Msg == WM_MOVING && pinX) {
                                auto* r = LParamToPtr<TRect>(m.LParam);
                                OffsetRect(*r, 100 - r->Left, 0);
                            }
                            return false;
                        });
    Pump();
    TMessageRecorder rec({w}, {WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE});
    Drag({150, 110}, {250, 160});
    Pump();
    EXPECT_EQ(rec.Msgs(), (std::vector<uint32_t>{WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}));
    TRect r;
    GetWindowRect(w, r);
    EXPECT_EQ(r, Bounds(100, 150, 200, 150));
    pinX = false;
    Drag({150, 160}, {250, 210});
    Pump();
    GetWindowRect(w, r);
    EXPECT_EQ(r, Bounds(200, 200, 200, 150));
    // The X window went along.
    Window child;
    int x = 0, y = 0;
    XTranslateCoordinates(Other(), Backend().WindowOf(w), DefaultRootWindow(Other()), 0, 0, &x, &y, &child);
    EXPECT_EQ(TPoint(x, y), TPoint(200, 200));
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(TX11Input, NoActivatePopupTakesNeitherActivationNorTheXFocus) {
    HWND form = MakeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(0, 0, 300, 300));
    HWND edit = MakeWindow(WS_CHILD | WS_VISIBLE, Bounds(10, 40, 100, 20), form);
    HWND popup = MakeWindow(WS_POPUP, Bounds(400, 100, 100, 100), form, [](HWND, TMessage& m) {
        if (m.Msg == WM_MOUSEACTIVATE) {
            m.Result = MA_NOACTIVATE;
            return true;
        }
        return false;
    });
    ShowWindow(popup, SW_SHOWNA);
    Pump();
    SetFocus(edit);
    Pump();
    ASSERT_EQ(GetActiveWindow(), form);
    EXPECT_EQ(FocusWindow(Other()), Backend().WindowOf(form));
    TMessageRecorder rec({}, {WM_ACTIVATE, WM_NCACTIVATE, WM_SETFOCUS, WM_KILLFOCUS, WM_LBUTTONDOWN});
    Click({450, 150});
    Pump();
    EXPECT_EQ(GetActiveWindow(), form);
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(rec.Msgs(), (std::vector<uint32_t>{WM_LBUTTONDOWN}));
    EXPECT_EQ(rec.Messages()[0].Wnd, popup);
    EXPECT_EQ(FocusWindow(Other()), Backend().WindowOf(form));
}

TEST_F(TX11Input, PressInTheRegionsHoleReachesTheWindowBelow) {
    HWND below = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 200, 200));
    HWND ring = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(50, 50, 60, 60), below);
    TRegion shape = TRegion(Rect(0, 0, 60, 60)).Subtract(TRegion(Rect(20, 20, 40, 40)));
    SetWindowRgn(ring, new TRgnObj(shape), true);
    Pump();
    TMessageRecorder rec({}, {WM_LBUTTONDOWN});
    Click({80, 80}); // the hole
    Click({55, 55}); // the ring
    Pump();
    ASSERT_EQ(rec.Messages().size(), 2u);
    EXPECT_EQ(rec.Messages()[0].Wnd, below);
    EXPECT_EQ(rec.Messages()[1].Wnd, ring);
}

TEST_F(TX11Input, LosingTheXFocusDeactivatesAndGettingItBackReactivates) {
    HWND form = MakeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(0, 0, 300, 300));
    Pump();
    ASSERT_EQ(GetActiveWindow(), form);
    TMessageRecorder rec({form}, {WM_ACTIVATE, WM_ACTIVATEAPP});
    // Another program's window takes the focus.
    Display* dpy = Other();
    Window w = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 500, 500, 50, 50, 0, 0, 0);
    XMapWindow(dpy, w);
    XSync(dpy, False);
    XSetInputFocus(dpy, w, RevertToNone, CurrentTime);
    Pump();
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(rec.Msgs(), (std::vector<uint32_t>{WM_ACTIVATE, WM_ACTIVATEAPP}));
    EXPECT_EQ(LoPart(rec.Messages()[0].WParam), WA_INACTIVE);
    XSetInputFocus(dpy, Backend().WindowOf(form), RevertToNone, CurrentTime);
    Pump();
    EXPECT_EQ(GetActiveWindow(), form);
}

TEST_F(TX11Input, WheelNotchesAreStepsOf120ToTheFocus) {
    HWND form = MakeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(0, 0, 300, 300));
    Pump();
    SetFocus(form);
    TMessageRecorder rec({form}, {WM_MOUSEWHEEL, WM_LBUTTONDOWN, WM_LBUTTONUP});
    Click({100, 100}, 4);
    Click({100, 100}, 5);
    Click({100, 100}, 5);
    Pump();
    ASSERT_EQ(rec.Msgs(), (std::vector<uint32_t>{WM_MOUSEWHEEL, WM_MOUSEWHEEL, WM_MOUSEWHEEL}));
    EXPECT_EQ(HiPart(rec.Messages()[0].WParam), 120);
    EXPECT_EQ(HiPart(rec.Messages()[1].WParam), -120);
}

TEST_F(TX11Input, KeyTableGivesKeyAndCharacterMessages) {
    struct TCase {
        const char* Name;
        std::vector<unsigned long> Held; // modifiers, pressed first
        unsigned long Sym;
        std::vector<std::pair<uint32_t, WPARAM>> Expected;
    };
    const TCase cases[] = {
        {"a", {}, XK_a, {{WM_KEYDOWN, 'A'}, {WM_CHAR, 'a'}}},
        {"Shift+a", {XK_Shift_L}, XK_a, {{WM_KEYDOWN, VK_SHIFT}, {WM_KEYDOWN, 'A'}, {WM_CHAR, 'A'}}},
        {"Ctrl+a", {XK_Control_L}, XK_a, {{WM_KEYDOWN, VK_CONTROL}, {WM_KEYDOWN, 'A'}, {WM_CHAR, 1}}},
        {"Shift+1", {XK_Shift_L}, XK_1, {{WM_KEYDOWN, VK_SHIFT}, {WM_KEYDOWN, '1'}, {WM_CHAR, '!'}}},
        {"Left", {}, XK_Left, {{WM_KEYDOWN, VK_LEFT}}},
        {"Down", {}, XK_Down, {{WM_KEYDOWN, VK_DOWN}}},
        {"Enter", {}, XK_Return, {{WM_KEYDOWN, VK_RETURN}, {WM_CHAR, '\r'}}},
        {"Esc", {}, XK_Escape, {{WM_KEYDOWN, VK_ESCAPE}, {WM_CHAR, 0x1B}}},
        {"Tab", {}, XK_Tab, {{WM_KEYDOWN, VK_TAB}, {WM_CHAR, 9}}},
        {"Delete", {}, XK_Delete, {{WM_KEYDOWN, VK_DELETE}}},
        {"Menu", {}, XK_Menu, {{WM_KEYDOWN, VK_APPS}}},
        {"F1", {}, XK_F1, {{WM_KEYDOWN, VK_F1}}},
        {"[", {}, XK_bracketleft, {{WM_KEYDOWN, 0xDB}, {WM_CHAR, '['}}},
    };
    HWND form = MakeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(0, 0, 300, 300));
    Pump();
    SetFocus(form);
    ASSERT_EQ(FocusWindow(Other()), Backend().WindowOf(form));
    for (const auto& c : cases) {
        TMessageRecorder rec({form}, {WM_KEYDOWN, WM_CHAR, WM_SYSKEYDOWN, WM_SYSCHAR});
        for (auto m : c.Held)
            KeyDown(m);
        Key(c.Sym);
        for (auto it = c.Held.rbegin(); it != c.Held.rend(); ++it)
            KeyUp(*it);
        Pump();
        std::vector<std::pair<uint32_t, WPARAM>> got;
        for (auto& m : rec.Messages())
            got.emplace_back(m.Msg, m.WParam);
        EXPECT_EQ(got, c.Expected) << c.Name;
    }
}

TEST_F(TX11Input, KeyOfAnotherLayoutGivesItsCharacterAlone) {
    HWND form = MakeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(0, 0, 300, 300));
    Pump();
    SetFocus(form);
    // A key of the server's keyboard now types "é" (as a French layout would).
    Display* dpy = Other();
    int minCode = 0, maxCode = 0;
    XDisplayKeycodes(dpy, &minCode, &maxCode);
    int perCode = 0;
    KeySym* map = XGetKeyboardMapping(dpy, static_cast<KeyCode>(maxCode), 1, &perCode);
    XFree(map);
    std::vector<KeySym> syms(static_cast<size_t>(perCode), NoSymbol);
    syms[0] = XK_eacute;
    syms[1] = XK_Eacute;
    XChangeKeyboardMapping(dpy, maxCode, perCode, syms.data(), 1);
    XSync(dpy, False);
    Pump(); // the mapping change reaches us
    TMessageRecorder rec({form}, {WM_KEYDOWN, WM_CHAR});
    XTestFakeKeyEvent(dpy, static_cast<unsigned>(maxCode), True, CurrentTime);
    XTestFakeKeyEvent(dpy, static_cast<unsigned>(maxCode), False, CurrentTime);
    Pump();
    ASSERT_EQ(rec.Msgs(), (std::vector<uint32_t>{WM_CHAR}));
    EXPECT_EQ(rec.Messages()[0].WParam, 0xE9u);
}
