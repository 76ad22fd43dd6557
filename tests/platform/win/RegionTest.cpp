#include "WinTestUtil.h"

#include "platform/gdi/TBitmap.h"

#include <gtest/gtest.h>

namespace {

// A 60 x 60 ring: the outer square minus a 20 x 20 hole in the middle.
HRGN Ring() {
    TRegion ring = TRegion(Rect(0, 0, 60, 60)).Subtract(TRegion(Rect(20, 20, 40, 40)));
    return new TRgnObj(ring);
}

} // namespace

TEST(WindowRegions, PressInTheHoleReachesTheWindowBelow) {
    THeadlessSession s;
    HWND below = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 200, 200));
    // Owned by the window below, so it stays above it when that one activates.
    HWND ring = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(50, 50, 60, 60), below);
    SetWindowRgn(ring, Ring(), true);
    s.Pump();
    TMessageRecorder rec({}, {WM_LBUTTONDOWN});
    s.Click({80, 80}); // the hole
    s.Click({55, 55}); // the ring
    s.Pump();
    ASSERT_EQ(rec.Messages().size(), 2u);
    EXPECT_EQ(rec.Messages()[0].Wnd, below);
    EXPECT_EQ(rec.Messages()[1].Wnd, ring);
    EXPECT_EQ(WindowFromPoint({80, 80}), below);

    // The same for a child window with a region.
    HWND child = MakeWindow(WS_CHILD | WS_VISIBLE, Bounds(120, 120, 60, 60), below);
    SetWindowRgn(child, Ring(), true);
    EXPECT_EQ(WindowFromPoint({150, 150}), below);
    EXPECT_EQ(WindowFromPoint({125, 125}), child);
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(child, copy), 0);
    EXPECT_TRUE(copy->Region.Contains(5, 5));
    EXPECT_FALSE(copy->Region.Contains(30, 30));
    DeleteObject(copy);
}

TEST(WindowRegions, NoPixelShowsOutsideTheRegion) {
    THeadlessSession s;
    s.Backend().SetMonitors({{Rect(0, 0, 100, 100), Rect(0, 0, 100, 100), true}});
    s.Backend().SetDesktopPixel(0xFF000000);
    HWND ring = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(20, 20, 60, 60), nullptr, [](HWND w, TMessage& m) {
        if (m.Msg != WM_PAINT) return false;
        TPaintStruct ps;
        HDC dc = BeginPaint(w, ps);
        dc->FillRect(Rect(-10, -10, 100, 100), RGB(255, 255, 255));
        EndPaint(w, ps);
        return true;
    });
    SetWindowRgn(ring, Ring(), true);
    s.Pump();
    TBitmap shot = s.Screenshot();
    TRegion shape = TRegion(Rect(20, 20, 80, 80)).Subtract(TRegion(Rect(40, 40, 60, 60)));
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(PixelAt(shot, x, y), shape.Contains(x, y) ? 0xFFFFFFu : 0u) << x << "," << y;
}
