#include "X11Fixture.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <thread>

void X11Fixture::SetUp() {
    if (!TXvfbServer::Installed()) GTEST_SKIP() << "Xvfb is not installed: the X11 backend tests need it";
    FServer = std::make_unique<TXvfbServer>();
    auto backend = std::make_unique<TX11Backend>(FServer->Display().c_str());
    FBackend = backend.get();
    InitWindowSystem(std::move(backend));
    FOther = XOpenDisplay(FServer->Display().c_str());
    ASSERT_NE(FOther, nullptr);
}

void X11Fixture::TearDown() {
    DoneWindowSystem();
    FBackend = nullptr;
    if (FOther) XCloseDisplay(FOther);
    FOther = nullptr;
    FServer.reset();
}

void X11Fixture::Reconnect() {
    DoneWindowSystem();
    auto backend = std::make_unique<TX11Backend>(FServer->Display().c_str());
    FBackend = backend.get();
    InitWindowSystem(std::move(backend));
}

void X11Fixture::MouseMove(TPoint p) {
    XTestFakeMotionEvent(FOther, -1, p.X, p.Y, CurrentTime);
}

void X11Fixture::MouseDown(TPoint p, int button) {
    MouseMove(p);
    XTestFakeButtonEvent(FOther, static_cast<unsigned>(button), True, CurrentTime);
}

void X11Fixture::MouseUp(TPoint p, int button) {
    MouseMove(p);
    XTestFakeButtonEvent(FOther, static_cast<unsigned>(button), False, CurrentTime);
}

void X11Fixture::Click(TPoint p, int button) {
    MouseDown(p, button);
    MouseUp(p, button);
}

void X11Fixture::Drag(TPoint from, TPoint to, int steps) {
    MouseDown(from);
    for (int i = 1; i <= steps; ++i)
        MouseMove({from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps});
    MouseUp(to);
}

void X11Fixture::KeyDown(unsigned long keySym) {
    XTestFakeKeyEvent(FOther, XKeysymToKeycode(FOther, keySym), True, CurrentTime);
}

void X11Fixture::KeyUp(unsigned long keySym) {
    XTestFakeKeyEvent(FOther, XKeysymToKeycode(FOther, keySym), False, CurrentTime);
}

void X11Fixture::Key(unsigned long keySym) {
    KeyDown(keySym);
    KeyUp(keySym);
}

void X11Fixture::Pump() {
    // Handlers may talk to the server (grabs, focus) and get answers: a few
    // rounds let those settle too.
    for (int i = 0; i < 3; ++i) {
        XSync(FOther, False);
        FBackend->Sync();
        PumpPendingMessages(false);
    }
    FBackend->Flush();
}

bool X11Fixture::WindowViewable(uintptr_t id) {
    XWindowAttributes wa;
    return XGetWindowAttributes(FOther, id, &wa) && wa.map_state == IsViewable;
}

TPoint X11Fixture::WindowOnScreen(uintptr_t id) {
    Window child;
    int x = 0, y = 0;
    XTranslateCoordinates(FOther, id, DefaultRootWindow(FOther), 0, 0, &x, &y, &child);
    return {x, y};
}

TSize X11Fixture::WindowSize(uintptr_t id) {
    XWindowAttributes wa;
    if (!XGetWindowAttributes(FOther, id, &wa)) return {0, 0};
    return {wa.width, wa.height};
}

void X11Fixture::FillWindow(uintptr_t id, uint32_t rgb) {
    const TSize size = WindowSize(id);
    GC gc = XCreateGC(FOther, id, 0, nullptr);
    XSetForeground(FOther, gc, rgb);
    XFillRectangle(FOther, id, gc, 0, 0, static_cast<unsigned>(size.cx), static_cast<unsigned>(size.cy));
    XFreeGC(FOther, gc);
    XSync(FOther, False);
}

bool X11Fixture::PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        Pump();
        WaitMessage(5);
    }
    return true;
}

HWND MakeWindow(uint32_t style, TRect r, HWND parent, TTestHandler fn, uint32_t exStyle, uint32_t classStyle,
                const char* text) {
    return CreateWindowEx(exStyle, "Test", text, style, r.Left, r.Top, r.Width(), r.Height(), parent,
                          classStyle, [fn](HWND w, TMessage& m, const TCallNext& next) {
                              if (!fn || !fn(w, m)) next(m);
                          });
}

HWND MakeColorWindow(uint32_t style, TRect r, TColor color, HWND parent, uint32_t exStyle) {
    return MakeWindow(
        style, r, parent,
        [color](HWND w, TMessage& m) {
            if (m.Msg == WM_ERASEBKGND) {
                m.Result = 1;
                return true;
            }
            if (m.Msg != WM_PAINT) return false;
            TPaintStruct ps;
            HDC dc = BeginPaint(w, ps);
            TRect c;
            GetClientRect(w, c);
            dc->FillRect(c, color);
            EndPaint(w, ps);
            return true;
        },
        exStyle);
}
