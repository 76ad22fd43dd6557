// Clipboard, monitors, the layered capability and cursors.

#include "X11Fixture.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <atomic>
#include <chrono>
#include <poll.h>
#include <thread>

namespace {

Atom A(Display* dpy, const char* name) {
    return XInternAtom(dpy, name, False);
}

// Waits on a connection of its own for one event of a type.
bool WaitEvent(Display* dpy, int type, XEvent& ev, int timeoutMs = 3000) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < end) {
        if (XCheckTypedEvent(dpy, type, &ev)) return true;
        pollfd p{ConnectionNumber(dpy), POLLIN, 0};
        poll(&p, 1, 10);
    }
    return false;
}

} // namespace

using TX11Services = X11Fixture;

TEST_F(TX11Services, ClipboardTextReachesAnotherClientAndComesBack) {
    const std::string text = "复制的文字 copied text";
    Backend().SetClipboardText(text);
    EXPECT_EQ(Backend().ClipboardText(), text);

    // A second client asks for UTF-8 text while our loop runs.
    std::string got;
    std::atomic<bool> done{false};
    std::string name = DisplayName();
    std::thread reader([&] {
        Display* dpy = XOpenDisplay(name.c_str());
        Window w = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 1, 1, 0, 0, 0);
        XConvertSelection(dpy, A(dpy, "CLIPBOARD"), A(dpy, "UTF8_STRING"), A(dpy, "PASTE"), w, CurrentTime);
        XFlush(dpy);
        XEvent ev;
        if (WaitEvent(dpy, SelectionNotify, ev) && ev.xselection.property != None) {
            Atom type;
            int format;
            unsigned long n, after;
            unsigned char* data = nullptr;
            XGetWindowProperty(dpy, w, A(dpy, "PASTE"), 0, 1 << 20, True, AnyPropertyType, &type, &format, &n,
                               &after, &data);
            if (data) got.assign(reinterpret_cast<char*>(data), n);
            if (data) XFree(data);
        }
        XCloseDisplay(dpy);
        done = true;
    });
    PumpUntil([&] { return done.load(); });
    reader.join();
    EXPECT_EQ(got, text);

    // Now the other client owns the clipboard and we read it.
    const std::string theirs = "их текст";
    std::atomic<bool> owning{false}, stop{false};
    std::thread owner([&] {
        Display* dpy = XOpenDisplay(name.c_str());
        Window w = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 1, 1, 0, 0, 0);
        XSetSelectionOwner(dpy, A(dpy, "CLIPBOARD"), w, CurrentTime);
        XSync(dpy, False);
        owning = true;
        XEvent ev;
        while (!stop) {
            if (!WaitEvent(dpy, SelectionRequest, ev, 50)) continue;
            const XSelectionRequestEvent& r = ev.xselectionrequest;
            XEvent reply{};
            reply.xselection.type = SelectionNotify;
            reply.xselection.requestor = r.requestor;
            reply.xselection.selection = r.selection;
            reply.xselection.target = r.target;
            reply.xselection.property = None;
            if (r.target == A(dpy, "UTF8_STRING")) {
                XChangeProperty(dpy, r.requestor, r.property, r.target, 8, PropModeReplace,
                                reinterpret_cast<const unsigned char*>(theirs.data()),
                                static_cast<int>(theirs.size()));
                reply.xselection.property = r.property;
            }
            XSendEvent(dpy, r.requestor, False, NoEventMask, &reply);
            XFlush(dpy);
        }
        XCloseDisplay(dpy);
    });
    while (!owning)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    Pump(); // our side hears it lost the selection
    EXPECT_EQ(Backend().ClipboardText(), theirs);
    stop = true;
    owner.join();
}

TEST_F(TX11Services, MonitorsComeFromXRandrAndTheWorkAreaFromTheWindowManager) {
    auto monitors = EnumDisplayMonitors();
    ASSERT_EQ(monitors.size(), 1u);
    TMonitorInfo mi;
    ASSERT_TRUE(GetMonitorInfo(monitors[0], mi));
    EXPECT_EQ(mi.rcMonitor, Rect(0, 0, 1024, 768));
    EXPECT_EQ(mi.rcWork, Rect(0, 0, 1024, 768));

    // A window manager publishes a work area without the task bar's 40 pixels.
    long area[] = {0, 0, 1024, 728};
    Display* dpy = Other();
    XChangeProperty(dpy, DefaultRootWindow(dpy), A(dpy, "_NET_WORKAREA"), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(area), 4);
    XSync(dpy, False);
    Pump();
    EXPECT_EQ(GetWorkArea(), Rect(0, 0, 1024, 728));
}

TEST_F(TX11Services, LayeredWindowsNeedACompositor) {
    // None runs: alpha requests change nothing.
    EXPECT_FALSE(LayeredWindowsSupported());
    HWND plain = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 50, 50), nullptr, {}, WS_EX_LAYERED);
    EXPECT_FALSE(SetLayeredWindowAttributes(plain, 0, 128, LWA_ALPHA));
    DestroyWindow(plain);

    // A compositor takes its selection while the program runs: layered
    // windows get an alpha visual, and every window hears of the change.
    int told = 0;
    HWND listener = MakeWindow(WS_POPUP, Bounds(0, 0, 10, 10), nullptr, [&](HWND, TMessage& M) {
        if (M.Msg == WM_DWMCOMPOSITIONCHANGED) ++told;
        return false;
    });
    Display* dpy = Other();
    Window cm = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(dpy, A(dpy, "_NET_WM_CM_S0"), cm, CurrentTime);
    XSync(dpy, False);
    ASSERT_TRUE(PumpUntil([] { return LayeredWindowsSupported(); }));
    Pump();
    EXPECT_EQ(told, 1);
    HWND layered = MakeWindow(WS_POPUP, Bounds(0, 0, 50, 50), nullptr, {}, WS_EX_LAYERED);
    EXPECT_TRUE(SetLayeredWindowAttributes(layered, 0, 128, LWA_ALPHA));
    ShowWindow(layered, SW_SHOWNA);
    Pump();
    XWindowAttributes wa;
    XGetWindowAttributes(dpy, Backend().WindowOf(layered), &wa);
    EXPECT_EQ(wa.depth, 32);
    EXPECT_EQ(wa.map_state, IsViewable);

    // The compositor goes away.
    XDestroyWindow(dpy, cm);
    XSync(dpy, False);
    EXPECT_TRUE(PumpUntil([] { return !LayeredWindowsSupported(); }));
    DestroyWindow(layered);
    DestroyWindow(listener);
}

TEST_F(TX11Services, CursorShapeFollowsTheHitCode) {
    HWND w = MakeWindow(WS_POPUP | WS_VISIBLE | WS_THICKFRAME, Bounds(100, 100, 200, 200));
    Pump();
    MouseMove({200, 200});
    Pump();
    EXPECT_EQ(Backend().CurrentCursor(), IDC_ARROW);
    TRect r;
    GetWindowRect(w, r);
    MouseMove({r.Right - 2, 200});
    Pump();
    EXPECT_EQ(Backend().CurrentCursor(), IDC_SIZEWE);
}
