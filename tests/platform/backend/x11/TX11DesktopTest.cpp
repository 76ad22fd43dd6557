// The desktop services on an X display: the clipboard, monitors and tray.

#include "X11Fixture.h"

#include "platform/vcl/TClipboard.h"

#include <X11/Xlib.h>

#include <chrono>
#include <poll.h>

namespace {

Atom A(Display* dpy, const char* name) {
    return XInternAtom(dpy, name, False);
}

bool WaitClientMessage(Display* dpy, Window w, XEvent& ev, int timeoutMs = 3000) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < end) {
        if (XCheckTypedWindowEvent(dpy, w, ClientMessage, &ev)) return true;
        pollfd p{ConnectionNumber(dpy), POLLIN, 0};
        poll(&p, 1, 10);
    }
    return false;
}

TTrayImage Solid(int Size, uint32_t Pixel) {
    return {Size, Size, std::vector<uint32_t>(static_cast<size_t>(Size) * Size, Pixel)};
}

} // namespace

using TX11DesktopTest = X11Fixture;

TEST_F(TX11DesktopTest, TheDisplayServesTheClipboardAndTheMonitors) {
    ASSERT_EQ(&DesktopServices(), Backend().Desktop());
    Clipboard().SetAsText("剪贴板 clipboard");
    EXPECT_EQ(Backend().ClipboardText(), "剪贴板 clipboard");
    Backend().SetClipboardText("back");
    EXPECT_EQ(Clipboard().AsText(), "back");

    std::vector<TDesktopMonitor> monitors = DesktopServices().Monitors();
    ASSERT_EQ(monitors.size(), 1u);
    EXPECT_EQ(monitors[0].Bounds, Rect(0, 0, 1024, 768));
    EXPECT_TRUE(monitors[0].Primary);
}

TEST_F(TX11DesktopTest, WithoutATrayManagerTheIconIsRefusedAtOnce) {
    std::string error;
    EXPECT_FALSE(DesktopServices().AddTrayIcon(Solid(16, 0xFF00FF00), "tip", error));
    EXPECT_EQ(error, NoTrayMessage);
}

TEST_F(TX11DesktopTest, ATrayManagerDocksTheIconAndItsClicksArrive) {
    // The other connection plays the tray manager of screen 0.
    Display* dpy = Other();
    Window manager = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(dpy, A(dpy, "_NET_SYSTEM_TRAY_S0"), manager, CurrentTime);
    XSync(dpy, False);

    std::string error;
    std::unique_ptr<TTrayIcon> icon = DesktopServices().AddTrayIcon(Solid(16, 0xFF00FF00), "转换中", error);
    ASSERT_TRUE(icon) << error;
    XEvent ev;
    ASSERT_TRUE(WaitClientMessage(dpy, manager, ev));
    EXPECT_EQ(ev.xclient.message_type, A(dpy, "_NET_SYSTEM_TRAY_OPCODE"));
    EXPECT_EQ(ev.xclient.data.l[1], 0); // SYSTEM_TRAY_REQUEST_DOCK
    auto iconWindow = static_cast<Window>(ev.xclient.data.l[2]);
    char* name = nullptr;
    ASSERT_TRUE(XFetchName(dpy, iconWindow, &name));
    EXPECT_STREQ(name, "转换中");
    XFree(name);

    // The manager shows it; a user clicks it, then asks for its menu.
    XMoveWindow(dpy, iconWindow, 300, 200);
    XMapRaised(dpy, iconWindow);
    XSync(dpy, False);
    Pump();
    EXPECT_EQ(icon->ScreenRect(), Rect(300, 200, 316, 216));
    std::vector<TTrayEventKind> events;
    std::vector<std::pair<TTrayMouseKind, TTrayButton>> presses;
    TPoint at;
    icon->OnEvent = [&](TTrayEventKind Kind, TPoint P) {
        events.push_back(Kind);
        at = P;
    };
    icon->OnMouse = [&](TTrayMouseKind Kind, TTrayButton Button, TPoint) {
        if (Kind != TTrayMouseKind::tmMove) presses.emplace_back(Kind, Button);
    };
    Click({305, 205});
    ASSERT_TRUE(PumpUntil([&] { return events.size() == 1 && presses.size() == 2; }));
    EXPECT_EQ(at, (TPoint{305, 205}));
    Click({306, 206}, 3);
    ASSERT_TRUE(PumpUntil([&] { return events.size() == 2 && presses.size() == 4; }));
    EXPECT_EQ(events, (std::vector<TTrayEventKind>{TTrayEventKind::tkClick, TTrayEventKind::tkMenu}));
    using P = std::pair<TTrayMouseKind, TTrayButton>;
    EXPECT_EQ(presses, (std::vector<P>{{TTrayMouseKind::tmDown, TTrayButton::tbLeft},
                                       {TTrayMouseKind::tmUp, TTrayButton::tbLeft},
                                       {TTrayMouseKind::tmDown, TTrayButton::tbRight},
                                       {TTrayMouseKind::tmUp, TTrayButton::tbRight}}));

    // Removing the icon destroys its window.
    icon.reset();
    XSync(dpy, False);
    XWindowAttributes wa;
    EXPECT_EQ(XGetWindowAttributes(dpy, iconWindow, &wa), 0);
}

// A tray manager that (re)starts announces itself with MANAGER on the root
// window; the watches run so icons can be added again.
TEST_F(TX11DesktopTest, ARestartedTrayManagerIsAnnounced) {
    int started = 0;
    uint64_t watch = DesktopServices().AddTrayHostWatch([&] { ++started; });
    Display* dpy = Other();
    Window root = DefaultRootWindow(dpy);
    Window manager = XCreateSimpleWindow(dpy, root, 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(dpy, A(dpy, "_NET_SYSTEM_TRAY_S0"), manager, CurrentTime);
    auto announce = [&](Atom Selection) {
        XEvent ev{};
        ev.xclient.type = ClientMessage;
        ev.xclient.window = root;
        ev.xclient.message_type = A(dpy, "MANAGER");
        ev.xclient.format = 32;
        ev.xclient.data.l[0] = CurrentTime;
        ev.xclient.data.l[1] = static_cast<long>(Selection);
        ev.xclient.data.l[2] = static_cast<long>(manager);
        XSendEvent(dpy, root, False, StructureNotifyMask, &ev);
        XSync(dpy, False);
    };
    announce(A(dpy, "_NET_WM_CM_S0")); // another selection's manager: not a tray
    announce(A(dpy, "_NET_SYSTEM_TRAY_S0"));
    EXPECT_TRUE(PumpUntil([&] { return started == 1; }));
    DesktopServices().RemoveTrayHostWatch(watch);
}
