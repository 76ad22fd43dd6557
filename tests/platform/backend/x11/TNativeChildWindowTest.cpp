// A native child window tells the library drawing into it what the display
// reports (that library selects no events on a borrowed window), and a click
// in it focuses its host.

#include "X11Fixture.h"

#include "platform/win/TNativeChildWindow.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <utility>
#include <vector>

namespace {

struct TNativeChildScene {
    HWND Form, Host, Other;
    TNativeChildScene() {
        Form = MakeColorWindow(WS_POPUP | WS_VISIBLE, Bounds(50, 50, 400, 300), RGB(255, 255, 255));
        Host = MakeColorWindow(WS_CHILD | WS_VISIBLE, Bounds(20, 20, 200, 150), RGB(0, 0, 255), Form);
        Other = MakeColorWindow(WS_CHILD | WS_VISIBLE, Bounds(250, 20, 100, 100), RGB(0, 255, 0), Form);
    }
};

} // namespace

using TNativeChildWindowX11 = X11Fixture;

TEST_F(TNativeChildWindowX11, ReportsSizeChangesAndExposures) {
    TNativeChildScene scene;
    Pump();
    TNativeChildWindow native(scene.Host);
    ASSERT_NE(native.WindowId(), 0u);
    std::vector<std::pair<int, int>> sizes;
    int exposes = 0;
    native.OnResize = [&](int w, int h) { sizes.emplace_back(w, h); };
    native.OnExpose = [&] { ++exposes; };
    Pump();
    exposes = 0;

    // A move alone is no size change; a new size is told once, as the
    // display gave it.
    MoveWindow(scene.Host, 30, 20, 200, 150);
    Pump();
    EXPECT_TRUE(sizes.empty());
    MoveWindow(scene.Host, 30, 20, 260, 120);
    ASSERT_TRUE(PumpUntil([&] { return !sizes.empty(); }));
    Pump();
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0], std::make_pair(260, 120));
    EXPECT_EQ(native.ClientWidth(), 260);
    EXPECT_EQ(native.ClientHeight(), 120);

    // Another client's drawing is lost over an area: one report for the run.
    exposes = 0;
    XClearArea(Other(), native.WindowId(), 0, 0, 10, 10, True);
    XClearArea(Other(), native.WindowId(), 50, 50, 10, 10, True);
    XSync(Other(), False);
    ASSERT_TRUE(PumpUntil([&] { return exposes > 0; }));
    EXPECT_LE(exposes, 2); // each request is a run of its own
}

TEST_F(TNativeChildWindowX11, ClickInItFocusesTheHost) {
    TNativeChildScene scene;
    SetFocus(scene.Other);
    Pump();
    TNativeChildWindow native(scene.Host);
    Pump();
    ASSERT_EQ(GetFocus(), scene.Other);
    Click({50 + 20 + 100, 50 + 20 + 75});
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == scene.Host; }));
}

TEST_F(TNativeChildWindowX11, ClearTakesAwayWhatAnotherClientDrew) {
    TNativeChildScene scene;
    Pump();
    TNativeChildWindow native(scene.Host);
    ASSERT_NE(native.WindowId(), 0u);
    // Another client's picture, as a player leaves it when it stops.
    Display* other = Other();
    GC gc = XCreateGC(other, native.WindowId(), 0, nullptr);
    XSetForeground(other, gc, 0xFF0000);
    XFillRectangle(other, native.WindowId(), gc, 0, 0, 200, 150);
    XFreeGC(other, gc);
    XSync(other, False);
    auto pixel = [&] {
        XImage* image = XGetImage(other, native.WindowId(), 100, 75, 1, 1, AllPlanes, ZPixmap);
        if (!image) return 0xDEADul;
        const unsigned long value = XGetPixel(image, 0, 0) & 0xFFFFFF;
        XDestroyImage(image);
        return value;
    };
    ASSERT_EQ(pixel(), 0xFF0000ul);
    native.Clear();
    EXPECT_TRUE(PumpUntil([&] { return pixel() == 0; }));
}
