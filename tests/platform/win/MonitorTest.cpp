#include "WinTestUtil.h"

#include "platform/gdi/TBitmap.h"

#include <gtest/gtest.h>

TEST(Monitors, NearestMonitorAndWorkAreaOfTwo) {
    THeadlessSession s;
    s.Backend().SetMonitors({{Rect(0, 0, 1920, 1080), Rect(0, 0, 1920, 1040), true},
                             {Rect(1920, 200, 3200, 1224), Rect(1920, 200, 3200, 1224), false}});
    struct TCase {
        TPoint P;
        HMONITOR Expected;
    };
    const TCase cases[] = {
        {{100, 100}, 1}, {{2000, 300}, 2}, {{5000, 500}, 2}, {{-50, 50}, 1}, {{2500, 100}, 2}};
    for (auto& c : cases)
        EXPECT_EQ(MonitorFromPoint(c.P, MONITOR_DEFAULTTONEAREST), c.Expected) << c.P.X << "," << c.P.Y;
    EXPECT_EQ(MonitorFromPoint({5000, 500}, MONITOR_DEFAULTTONULL), 0u);
    EXPECT_EQ(MonitorFromPoint({5000, 500}, MONITOR_DEFAULTTOPRIMARY), 1u);
    TMonitorInfo mi;
    ASSERT_TRUE(GetMonitorInfo(2, mi));
    EXPECT_EQ(mi.rcWork, Rect(1920, 200, 3200, 1224));
    EXPECT_EQ(mi.dwFlags, 0u);
    EXPECT_EQ(GetWorkArea(), Rect(0, 0, 1920, 1040));
    // A window mostly on the second monitor belongs to it and maximises there.
    HWND w = MakeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(1800, 300, 400, 300));
    EXPECT_EQ(MonitorFromWindow(w, MONITOR_DEFAULTTONEAREST), 2u);
    ShowWindow(w, SW_MAXIMIZE);
    TRect r;
    GetWindowRect(w, r);
    EXPECT_EQ(r, Rect(1920, 200, 3200, 1224));
}

TEST(Monitors, WithoutLayeredCapabilityAlphaCallsChangeNothing) {
    THeadlessSession s;
    s.Backend().SetLayeredCapability(false);
    HWND w = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 20, 20), nullptr, {}, WS_EX_LAYERED);
    s.Pump();
    TBitmap before = s.Screenshot();
    EXPECT_FALSE(LayeredWindowsSupported());
    EXPECT_FALSE(SetLayeredWindowAttributes(w, 0, 10, LWA_ALPHA));
    TBitmap px;
    px.SetPixelFormat(pf32bit);
    px.SetSize(20, 20);
    px.Fill(0x00000000);
    EXPECT_FALSE(UpdateLayeredWindow(w, nullptr, nullptr, &px, nullptr, 10, ULW_ALPHA));
    s.Pump();
    EXPECT_FALSE(s.Backend().SurfaceOf(w)->Layered());
    TBitmap after = s.Screenshot();
    EXPECT_TRUE(std::equal(before.Bits(), before.Bits() + 20, after.Bits()));
    EXPECT_EQ(PixelAt(after, 5, 5), 0xFFFFFFu); // shown opaque, as painted
}
