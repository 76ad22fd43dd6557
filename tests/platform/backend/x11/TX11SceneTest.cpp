// Pixels: the X server shows what the headless backend composes, and native
// child windows show what another client draws into them.

#include "X11Fixture.h"

#include "platform/backend/headless/THeadlessSession.h"
#include "platform/win/TNativeChildWindow.h"

#include <X11/Xlib.h>

#include <memory>

namespace {

// A form with a frame, two overlapping children (one with a region) and an
// open popup partly over the form.
struct TScene {
    HWND Form, Popup;
    TScene() {
        Form = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(40, 30, 320, 240), nullptr, [](HWND w, TMessage& m) {
            if (m.Msg == WM_NCCALCSIZE) {
                auto* p = LParamToPtr<TNCCalcSizeParams>(m.LParam);
                p->rgrc[0] = {p->rgrc[0].Left + 4, p->rgrc[0].Top + 24, p->rgrc[0].Right - 4,
                              p->rgrc[0].Bottom - 4};
                return true;
            }
            if (m.Msg == WM_NCPAINT) {
                HDC dc = GetWindowDC(w);
                dc->FillRect(Rect(0, 0, 320, 240), RGB(30, 60, 120));
                ReleaseDC(w, dc);
                return true;
            }
            return false;
        });
        HWND body = MakeColorWindow(WS_CHILD | WS_VISIBLE, Bounds(0, 0, 312, 212), RGB(240, 240, 240), Form);
        MakeColorWindow(WS_CHILD | WS_VISIBLE, Bounds(20, 20, 120, 80), RGB(200, 30, 30), body);
        HWND round = MakeColorWindow(WS_CHILD | WS_VISIBLE, Bounds(100, 60, 90, 90), RGB(30, 160, 60), body);
        SetWindowRgn(round, new TRgnObj(TRegion(Rect(10, 0, 80, 90)).Union(TRegion(Rect(0, 10, 90, 80)))),
                     true);
        Popup = MakeColorWindow(WS_POPUP, Bounds(300, 200, 150, 100), RGB(255, 255, 225), Form,
                                WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
        ShowWindow(Popup, SW_SHOWNA);
    }
};

} // namespace

using TX11Pixels = X11Fixture;

TEST_F(TX11Pixels, SceneOnTheServerEqualsTheHeadlessComposite) {
    const TRect area = Rect(40, 30, 450, 300); // the form and the popup
    TScene scene;
    Pump();
    TBitmap shown = Screenshot(area);
    DoneWindowSystem();

    TBitmap expected;
    {
        THeadlessSession s;
        TScene again;
        s.Pump();
        TBitmap all = s.Screenshot();
        expected.SetPixelFormat(pf32bit);
        expected.SetSize(area.Width(), area.Height());
        for (int y = 0; y < area.Height(); ++y)
            for (int x = 0; x < area.Width(); ++x)
                expected.ScanLine(y)[x] = all.ScanLine(area.Top + y)[area.Left + x];
    }
    ASSERT_EQ(shown.Width(), expected.Width());
    ASSERT_EQ(shown.Height(), expected.Height());
    // Only where a window of the scene lies: the desktops differ.
    const TRect form = Bounds(40, 30, 320, 240), popup = Bounds(300, 200, 150, 100);
    int differ = 0;
    TPoint first{-1, -1};
    for (int y = 0; y < area.Height(); ++y)
        for (int x = 0; x < area.Width(); ++x) {
            TPoint p{area.Left + x, area.Top + y};
            if (!form.Contains(p) && !popup.Contains(p)) continue;
            if ((shown.ScanLine(y)[x] & 0xFFFFFF) != (expected.ScanLine(y)[x] & 0xFFFFFF)) {
                if (!differ) first = p;
                ++differ;
            }
        }
    EXPECT_EQ(differ, 0) << "first at " << first.X << "," << first.Y;
}

TEST_F(TX11Pixels, NativeChildCanBeDrawnByAnotherConnection) {
    HWND form = MakeColorWindow(WS_POPUP | WS_VISIBLE, Bounds(50, 50, 300, 200), RGB(255, 255, 255));
    HWND video = MakeColorWindow(WS_CHILD | WS_VISIBLE, Bounds(20, 30, 160, 120), RGB(0, 0, 255), form);
    Pump();
    TNativeChildWindow native(video);
    Window id = native.WindowId();
    ASSERT_NE(id, 0u);
    // Usable at once from another connection: mapped, 24 bits deep.
    Display* dpy = Other();
    XWindowAttributes wa;
    ASSERT_TRUE(XGetWindowAttributes(dpy, id, &wa));
    EXPECT_EQ(wa.depth, 24);
    EXPECT_EQ(wa.map_state, IsViewable);
    GC gc = XCreateGC(dpy, id, 0, nullptr);
    XSetForeground(dpy, gc, 0xFF8000);
    XFillRectangle(dpy, id, gc, 0, 0, 160, 120);
    XFreeGC(dpy, gc);
    XSync(dpy, False);
    // Our own painting of the host does not cover it.
    InvalidateRect(form, nullptr, true);
    Pump();
    TBitmap shot = Screenshot(Bounds(70, 80, 160, 120));
    ASSERT_FALSE(shot.Empty());
    for (TPoint p : {TPoint(0, 0), TPoint(159, 119), TPoint(80, 60)})
        EXPECT_EQ(shot.ScanLine(p.Y)[p.X] & 0xFFFFFF, 0xFF8000u) << p.X << "," << p.Y;
    EXPECT_EQ(Screenshot(Bounds(60, 60, 1, 1)).ScanLine(0)[0] & 0xFFFFFF, 0xFFFFFFu);

    // It follows its host and never changes its id.
    MoveWindow(video, 100, 40, 100, 80);
    Pump();
    EXPECT_EQ(native.WindowId(), id);
    Window child;
    int x = 0, y = 0;
    XTranslateCoordinates(dpy, id, DefaultRootWindow(dpy), 0, 0, &x, &y, &child);
    EXPECT_EQ(TPoint(x, y), TPoint(150, 90));
    ShowWindow(video, SW_HIDE);
    Pump();
    XGetWindowAttributes(dpy, id, &wa);
    EXPECT_EQ(wa.map_state, IsUnmapped);
}
