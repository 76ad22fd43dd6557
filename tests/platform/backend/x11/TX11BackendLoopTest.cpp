#include "X11Fixture.h"

#include "platform/sys/MainThread.h"

#include <X11/Xlib.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

constexpr TColor kRed = RGB(255, 0, 0);

bool AllPixels(const TBitmap& b, uint32_t rgb) {
    if (b.Empty()) return false;
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            if ((b.ScanLine(y)[x] & 0xFFFFFF) != rgb) return false;
    return true;
}

} // namespace

using TX11BackendLoop = X11Fixture;

TEST_F(TX11BackendLoop, PaintedPixelsShowAndExposeIsServedFromTheBackBuffer) {
    int paints = 0;
    HWND form =
        MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(100, 100, 200, 150), nullptr, [&](HWND w, TMessage& m) {
            if (m.Msg == WM_ERASEBKGND) {
                m.Result = 1;
                return true;
            }
            if (m.Msg != WM_PAINT) return false;
            ++paints;
            TPaintStruct ps;
            HDC dc = BeginPaint(w, ps);
            dc->FillRect(Rect(0, 0, 200, 150), kRed);
            EndPaint(w, ps);
            return true;
        });
    Pump();
    ASSERT_NE(Backend().WindowOf(form), 0u);
    EXPECT_TRUE(AllPixels(Screenshot(Bounds(100, 100, 200, 150)), 0xFF0000));
    int before = paints;

    // Another client's window covers ours for a moment.
    Display* dpy = Other();
    Window cover = XCreateSimpleWindow(dpy, DefaultRootWindow(dpy), 120, 120, 100, 80, 0, 0, 0x00FF00);
    XSetWindowAttributes a{};
    a.override_redirect = True;
    XChangeWindowAttributes(dpy, cover, CWOverrideRedirect, &a);
    XMapRaised(dpy, cover);
    XSync(dpy, False);
    EXPECT_EQ(Screenshot(Bounds(130, 130, 1, 1)).ScanLine(0)[0] & 0xFFFFFF, 0x00FF00u);
    XDestroyWindow(dpy, cover);
    XSync(dpy, False);
    Pump();
    EXPECT_TRUE(AllPixels(Screenshot(Bounds(100, 100, 200, 150)), 0xFF0000));
    EXPECT_EQ(paints, before); // no repaint was needed
}

TEST_F(TX11BackendLoop, PostFromAWorkerWakesTheIdleLoopWithin50ms) {
    HWND form = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 50, 50));
    Pump();
    using Clock = std::chrono::steady_clock;
    std::atomic<int64_t> postedAt{0};
    std::thread worker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        postedAt = Clock::now().time_since_epoch().count();
        PostMessage(form, WM_USER + 1);
    });
    TMsg m;
    bool got = false;
    while (!got && GetMessage(m)) {
        got = m.message == WM_USER + 1;
        DispatchMessage(m);
    }
    auto woke = Clock::now().time_since_epoch().count();
    worker.join();
    ASSERT_TRUE(got);
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::duration(woke - postedAt)).count(),
              50);

    // A blocking call from a worker is served by the idle loop too.
    bool ran = false;
    std::thread caller([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        CallInMainThread([&] {
            ran = IsGuiThread();
            PostQuitMessage(3);
        });
    });
    EXPECT_EQ(RunMessageLoop(), 3);
    caller.join();
    EXPECT_TRUE(ran);
}
