#include "platform/backend/headless/THeadlessSession.h"

#include "platform/gdi/TBitmap.h"

#include <gtest/gtest.h>

namespace {

HWND Filled(uint32_t exStyle, TRect r, TColor color, HWND owner = nullptr) {
    return CreateWindowEx(exStyle, "Test", "", WS_POPUP | WS_VISIBLE, r.Left, r.Top, r.Width(), r.Height(),
                          owner, 0, [color](HWND w, TMessage& m, const TCallNext& next) {
                              if (m.Msg != WM_PAINT) return next(m);
                              TPaintStruct ps;
                              HDC dc = BeginPaint(w, ps);
                              dc->FillRect(Rect(0, 0, 1000, 1000), color);
                              EndPaint(w, ps);
                          });
}

uint32_t At(const TBitmap& b, int x, int y) {
    return b.ScanLine(y)[x] & 0xFFFFFF;
}

} // namespace

TEST(THeadlessBackend, ScreenSpansMonitorsLeftOfTheOrigin) {
    THeadlessSession s;
    s.Backend().SetMonitors({{Rect(-100, 0, 0, 50), Rect(-100, 0, 0, 50), false},
                             {Rect(0, 0, 100, 50), Rect(0, 0, 100, 40), true}});
    s.Backend().SetDesktopPixel(0xFF000000);
    Filled(0, Bounds(-60, 10, 100, 20), RGB(0, 0, 255));
    s.Pump();
    TBitmap shot = s.Screenshot();
    ASSERT_EQ(shot.Width(), 200);
    ASSERT_EQ(shot.Height(), 50);
    EXPECT_EQ(At(shot, 39, 15), 0u);
    EXPECT_EQ(At(shot, 40, 15), 0x0000FFu);
    EXPECT_EQ(At(shot, 139, 29), 0x0000FFu);
    EXPECT_EQ(At(shot, 140, 15), 0u);
}

TEST(THeadlessBackend, SurfacesFollowWindows) {
    THeadlessSession s;
    HWND a = Filled(WS_EX_TOOLWINDOW, Bounds(0, 0, 10, 10), RGB(1, 2, 3));
    HWND b = Filled(WS_EX_TOPMOST, Bounds(5, 5, 10, 10), RGB(4, 5, 6));
    SetWindowText(a, "Preview");
    s.Pump();
    auto* sa = s.Backend().SurfaceOf(a);
    ASSERT_NE(sa, nullptr);
    EXPECT_EQ(sa->Kind(), TSurfaceKind::skTool);
    EXPECT_EQ(sa->Title(), "Preview");
    // The topmost window stays above the one activated after it.
    SetActiveWindow(a);
    auto stack = s.Backend().Stack();
    ASSERT_EQ(stack.size(), 2u);
    EXPECT_EQ(stack[0]->Wnd(), b);
    MoveWindow(a, 30, 40, 20, 10);
    EXPECT_EQ(sa->ScreenBounds(), Bounds(30, 40, 20, 10));
    ShowWindow(a, SW_HIDE);
    EXPECT_EQ(s.Backend().Stack().size(), 1u);
    DestroyWindow(a);
    EXPECT_EQ(s.Backend().SurfaceOf(a), nullptr);
    EXPECT_EQ(At(s.WindowShot(b), 0, 0), 0x040506u);
}

TEST(THeadlessBackend, RunUntilGivesUpAfterItsTimeout) {
    THeadlessSession s(false);
    EXPECT_FALSE(s.RunUntil([] { return false; }, 30));
    bool flag = false;
    HWND w = Filled(0, Bounds(0, 0, 5, 5), 0);
    SetTimer(w, 1, 10, [&](HWND, uintptr_t, uint64_t) { flag = true; });
    EXPECT_TRUE(s.RunUntil([&] { return flag; }, 2000));
}
