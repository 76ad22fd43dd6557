// The preview window on the headless window system: made once, centred, at
// the first frame's size; captioned with the frame's time; dragged from
// anywhere inside; closing it is final.

#include <gtest/gtest.h>

#include "media/AVBindings.h"
#include "media/engine/TPreviewer.h"
#include "platform/backend/headless/THeadlessSession.h"
#include "platform/backend/headless/TMessageRecorder.h"
#include "platform/gdi/TBitmap.h"
#include "platform/vcl/TScreen.h"

namespace {

TBitmap Filled(int AWidth, int AHeight, uint32_t APixel) {
    TBitmap b(AWidth, AHeight);
    b.Fill(APixel);
    return b;
}

TRect ClientOnScreen(HWND AWnd) {
    TRect r;
    GetClientRect(AWnd, r);
    TPoint origin{0, 0};
    ClientToScreen(AWnd, origin);
    OffsetRect(r, origin.X, origin.Y);
    return r;
}

} // namespace

TEST(TPreviewer, FirstFrameMakesACentredWindowOfItsSizeWithTheTimeAsCaption) {
    THeadlessSession session;
    TPreviewer previewer;
    EXPECT_EQ(previewer.FormHandle(), nullptr);

    TBitmap red = Filled(160, 120, 0xFFFF0000);
    ASSERT_TRUE(previewer.PaintFrame(&red, 1, 3723456789LL)); // 1 h 2 min 3.456789 s
    session.Pump();
    HWND wnd = previewer.FormHandle();
    ASSERT_NE(wnd, nullptr);
    EXPECT_TRUE(IsWindowVisible(wnd));
    EXPECT_EQ(GetWindowText(wnd), "01:02:03.456");
    EXPECT_EQ(GetWindowLongPtr(wnd, GWL_EXSTYLE) & WS_EX_TOPMOST, WS_EX_TOPMOST);
    EXPECT_EQ(GetWindowLongPtr(wnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, WS_EX_TOOLWINDOW);
    const TRect client = ClientOnScreen(wnd);
    EXPECT_EQ(client.Width(), 160);
    EXPECT_EQ(client.Height(), 120);
    TRect frame;
    GetWindowRect(wnd, frame);
    EXPECT_NEAR(frame.Left + frame.Width() / 2, Screen->Width() / 2, 1);
    EXPECT_NEAR(frame.Top + frame.Height() / 2, Screen->Height() / 2, 1);
    TBitmap shot = session.Screenshot();
    EXPECT_EQ(shot.ScanLine(client.Top + 60)[client.Left + 80] & 0xFFFFFF, 0xFF0000u);

    // Later frames keep the window and its size; an unknown time reads "N/A".
    TBitmap blue = Filled(320, 240, 0xFF0000FF);
    ASSERT_TRUE(previewer.PaintFrame(&blue, 2, AV_NOPTS_VALUE));
    session.Pump();
    EXPECT_EQ(previewer.FormHandle(), wnd);
    EXPECT_EQ(GetWindowText(wnd), "N/A");
    EXPECT_EQ(ClientOnScreen(wnd).Width(), 160);
    shot = session.Screenshot();
    EXPECT_EQ(shot.ScanLine(client.Top + 60)[client.Left + 80] & 0xFFFFFF, 0x0000FFu);
}

TEST(TPreviewer, PressAnywhereInsideDragsTheWindow) {
    THeadlessSession session;
    TPreviewer previewer;
    TBitmap frame = Filled(200, 150, 0xFF808080);
    ASSERT_TRUE(previewer.PaintFrame(&frame, 1, 0));
    session.Pump();
    HWND wnd = previewer.FormHandle();
    TRect before;
    GetWindowRect(wnd, before);
    const TRect client = ClientOnScreen(wnd);
    session.Drag({client.Left + 150, client.Top + 120}, {client.Left + 110, client.Top + 60});
    session.Pump();
    TRect after;
    GetWindowRect(wnd, after);
    EXPECT_EQ(after.Left - before.Left, -40);
    EXPECT_EQ(after.Top - before.Top, -60);
    EXPECT_EQ(after.Width(), before.Width());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST(TPreviewer, ClosedWindowTakesNoFurtherFrames) {
    THeadlessSession session;
    TPreviewer previewer;
    TBitmap frame = Filled(64, 48, 0xFF00FF00);
    ASSERT_TRUE(previewer.PaintFrame(&frame, 1, 40000));
    session.Pump();
    HWND wnd = previewer.FormHandle();
    TMessageRecorder recorder({wnd}, {WM_SETTEXT, WM_PAINT});
    SendMessage(wnd, WM_CLOSE);
    session.Pump();
    EXPECT_TRUE(previewer.Closed());
    EXPECT_FALSE(IsWindowVisible(wnd));
    EXPECT_FALSE(previewer.PaintFrame(&frame, 2, 80000));
    session.Pump();
    EXPECT_EQ(recorder.Count(WM_SETTEXT), 0);
    EXPECT_EQ(GetWindowText(wnd), "00:00:00.040");
}

TEST(TPreviewer, WithoutAWindowSystemFramesAreRefused) {
    TPreviewer previewer;
    TBitmap frame = Filled(64, 48, 0xFF00FF00);
    EXPECT_FALSE(previewer.PaintFrame(&frame, 1, 0));
    EXPECT_EQ(previewer.FormHandle(), nullptr);
}
