#include "WinTestUtil.h"

#include <gtest/gtest.h>

namespace {

constexpr int kCustomHit = 119;

// A 200 x 150 popup at (100, 100) with a frame of (5, 20, 5, 5) and hit codes
// from a table: the caption strip is HTCAPTION left of x 180 (window
// coordinates) and the custom code 119 right of it; the side strips size.
struct TRoutingWindow {
    HWND Wnd = nullptr;
    std::vector<int> CursorHits;

    explicit TRoutingWindow(uint32_t classStyle = 0) {
        Wnd = MakeWindow(
            WS_POPUP | WS_VISIBLE, Bounds(100, 100, 200, 150), nullptr,
            [this](HWND w, TMessage& m) {
                if (NcInsets(m, 5, 20, 5, 5)) return true;
                if (m.Msg == WM_NCHITTEST) {
                    TRect r;
                    GetWindowRect(w, r);
                    TPoint p = LParamToPoint(m.LParam);
                    int x = p.X - r.Left, y = p.Y - r.Top;
                    m.Result = y < 20     ? (x >= 180 ? kCustomHit : HTCAPTION)
                               : x < 5    ? HTLEFT
                               : x >= 195 ? HTRIGHT
                               : y >= 145 ? HTBOTTOM
                                          : HTCLIENT;
                    return true;
                }
                if (m.Msg == WM_SETCURSOR) CursorHits.push_back(LoPart(static_cast<uint64_t>(m.LParam)));
                // Presses on the frame start nothing here.
                return m.Msg == WM_NCLBUTTONDOWN || m.Msg == WM_NCLBUTTONDBLCLK;
            },
            0, classStyle);
    }
};

const std::set<uint32_t> kMouse = {WM_MOUSEMOVE,   WM_LBUTTONDOWN,     WM_LBUTTONUP,     WM_LBUTTONDBLCLK,
                                   WM_RBUTTONDOWN, WM_RBUTTONUP,       WM_NCMOUSEMOVE,   WM_NCLBUTTONDOWN,
                                   WM_NCLBUTTONUP, WM_NCLBUTTONDBLCLK, WM_NCRBUTTONDOWN, WM_NCRBUTTONUP};

} // namespace

TEST(InputRouting, PressesGiveClientOrNonClientMessagesByHitCode) {
    struct TCase {
        TPoint Screen;
        uint32_t Msg;
        intptr_t WParam; // the hit code for non-client messages
        TPoint Coords;   // client coordinates, or screen ones for non-client messages
    };
    const TCase cases[] = {
        {{150, 150}, WM_LBUTTONDOWN, MK_LBUTTON, {45, 30}},
        {{105, 120}, WM_LBUTTONDOWN, MK_LBUTTON, {0, 0}},
        {{294, 244}, WM_LBUTTONDOWN, MK_LBUTTON, {189, 124}},
        {{150, 105}, WM_NCLBUTTONDOWN, HTCAPTION, {150, 105}},
        {{285, 110}, WM_NCLBUTTONDOWN, kCustomHit, {285, 110}},
        {{102, 200}, WM_NCLBUTTONDOWN, HTLEFT, {102, 200}},
        {{297, 200}, WM_NCLBUTTONDOWN, HTRIGHT, {297, 200}},
        {{200, 247}, WM_NCLBUTTONDOWN, HTBOTTOM, {200, 247}},
    };
    for (const auto& c : cases) {
        THeadlessSession s;
        TRoutingWindow win;
        s.Pump();
        TMessageRecorder rec({win.Wnd}, {c.Msg});
        s.MouseDown(c.Screen);
        s.Pump();
        ASSERT_EQ(rec.Messages().size(), 1u) << c.Screen.X << "," << c.Screen.Y;
        const auto& m = rec.Messages()[0];
        EXPECT_EQ(static_cast<intptr_t>(m.WParam), c.WParam) << c.Screen.X << "," << c.Screen.Y;
        EXPECT_EQ(LParamToPoint(m.LParam), c.Coords) << c.Screen.X << "," << c.Screen.Y;
        s.MouseUp(c.Screen);
        s.Pump();
    }
}

TEST(InputRouting, CustomHitCodeReachesSetCursorAndPress) {
    THeadlessSession s;
    TRoutingWindow win;
    TMessageRecorder rec({win.Wnd}, {WM_NCMOUSEMOVE, WM_NCLBUTTONDOWN});
    s.MouseMove({290, 105});
    s.MouseDown({290, 105});
    s.Pump();
    ASSERT_EQ(rec.Messages().size(), 2u);
    EXPECT_EQ(static_cast<int>(rec.Messages()[0].WParam), kCustomHit);
    EXPECT_EQ(static_cast<int>(rec.Messages()[1].WParam), kCustomHit);
    EXPECT_EQ(win.CursorHits, (std::vector<int>{kCustomHit, kCustomHit}));
}

TEST(InputRouting, UnderCaptureEveryMessageIsClientWithNegativeCoordinates) {
    THeadlessSession s;
    TRoutingWindow win;
    HWND other = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(400, 400, 50, 50));
    s.Pump();
    SetCapture(win.Wnd);
    TMessageRecorder rec({}, kMouse);
    s.MouseMove({150, 105}); // over the caption
    s.MouseMove({50, 60});   // outside, left and above
    s.MouseDown({410, 410}); // over the other window
    s.MouseUp({410, 410});
    s.Pump();
    ASSERT_EQ(rec.Messages().size(), 4u);
    for (auto& m : rec.Messages())
        EXPECT_EQ(m.Wnd, win.Wnd);
    EXPECT_EQ(rec.Msgs(), (std::vector<uint32_t>{WM_MOUSEMOVE, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_EQ(LParamToPoint(rec.Messages()[0].LParam), TPoint(45, -15));
    EXPECT_EQ(LParamToPoint(rec.Messages()[1].LParam), TPoint(-55, -60));
    EXPECT_EQ(rec.Count(WM_MOUSEMOVE, other), 0);
}

TEST(InputRouting, PressInAMoveAndReleaseOverBAllGoToA) {
    THeadlessSession s;
    // A takes the capture on a press, as controls do, and drops it on release.
    HWND a = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100), nullptr, [](HWND w, TMessage& m) {
        if (m.Msg == WM_LBUTTONDOWN) SetCapture(w);
        if (m.Msg == WM_LBUTTONUP) ReleaseCapture();
        return false;
    });
    HWND b = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(200, 0, 100, 100));
    s.Pump();
    TMessageRecorder rec({}, kMouse);
    s.MouseDown({50, 50});
    s.MouseMove({250, 50});
    s.MouseUp({250, 50});
    s.MouseMove({260, 50});
    s.Pump();
    EXPECT_EQ(rec.Msgs(a), (std::vector<uint32_t>{WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP}));
    EXPECT_EQ(rec.Msgs(b), (std::vector<uint32_t>{WM_MOUSEMOVE}));
    EXPECT_EQ(LParamToPoint(rec.Messages()[2].LParam), TPoint(250, 50));
}

TEST(InputRouting, DoubleClicksFollowClassTimeAndDistance) {
    struct TCase {
        uint32_t ClassStyle;
        uint64_t Gap;
        int Dx;
        std::vector<uint32_t> Expected;
    };
    const TCase cases[] = {
        {CS_DBLCLKS, 100, 0, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}},
        {CS_DBLCLKS, 100, 2, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}},
        {CS_DBLCLKS, 100, 3, {WM_LBUTTONDOWN, WM_LBUTTONDOWN}}, // too far
        {CS_DBLCLKS, 501, 0, {WM_LBUTTONDOWN, WM_LBUTTONDOWN}}, // too late
        {0, 100, 0, {WM_LBUTTONDOWN, WM_LBUTTONDOWN}},          // not asked for
    };
    for (const auto& c : cases) {
        THeadlessSession s;
        TRoutingWindow win(c.ClassStyle);
        s.Pump();
        TMessageRecorder rec({win.Wnd}, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK});
        s.Click({150, 150});
        s.Pump();
        s.Skip(c.Gap);
        s.Click({150 + c.Dx, 150});
        s.Pump();
        EXPECT_EQ(rec.Msgs(), c.Expected) << c.ClassStyle << " " << c.Gap << " " << c.Dx;
    }
    // A third quick press starts a new click; non-client double clicks come
    // without the class style.
    THeadlessSession s;
    TRoutingWindow win(CS_DBLCLKS);
    s.Pump();
    TMessageRecorder rec({win.Wnd}, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_NCLBUTTONDOWN, WM_NCLBUTTONDBLCLK});
    for (int i = 0; i < 3; ++i)
        s.Click({150, 150});
    s.Click({150, 105});
    s.Click({150, 105});
    s.Pump();
    EXPECT_EQ(rec.Msgs(), (std::vector<uint32_t>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN,
                                                 WM_NCLBUTTONDOWN, WM_NCLBUTTONDBLCLK}));
}

TEST(InputRouting, ChildrenGetTheirOwnCoordinatesAndParentsHearOfPresses) {
    THeadlessSession s;
    HWND top = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(10, 10, 200, 200));
    HWND mid = MakeWindow(WS_CHILD | WS_VISIBLE, Bounds(20, 20, 150, 150), top);
    HWND leaf = MakeWindow(WS_CHILD | WS_VISIBLE, Bounds(10, 10, 50, 50), mid);
    HWND hidden = MakeWindow(WS_CHILD, Bounds(0, 0, 150, 150), mid);
    (void)hidden;
    s.Pump();
    TMessageRecorder rec({}, {WM_LBUTTONDOWN, WM_PARENTNOTIFY});
    s.MouseDown({45, 45});
    s.Pump();
    ASSERT_EQ(rec.Messages().size(), 3u);
    EXPECT_EQ(rec.Messages()[0].Wnd, mid);
    EXPECT_EQ(LParamToPoint(rec.Messages()[0].LParam), TPoint(15, 15));
    EXPECT_EQ(rec.Messages()[1].Wnd, top);
    EXPECT_EQ(LParamToPoint(rec.Messages()[1].LParam), TPoint(35, 35));
    EXPECT_EQ(rec.Messages()[2].Wnd, leaf);
    EXPECT_EQ(LParamToPoint(rec.Messages()[2].LParam), TPoint(5, 5));
    EXPECT_EQ(WindowFromPoint({45, 45}), leaf);
    EXPECT_EQ(WindowFromPoint({100, 100}), mid);
    EXPECT_EQ(WindowFromPoint({500, 500}), nullptr);
}

TEST(InputRouting, WheelGoesToFocusInStepsOf120) {
    THeadlessSession s;
    HWND top = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 200, 200));
    HWND edit = MakeWindow(WS_CHILD | WS_VISIBLE, Bounds(0, 0, 50, 50), top);
    s.Pump();
    SetFocus(edit);
    TMessageRecorder rec({}, {WM_MOUSEWHEEL});
    s.Wheel(40, {150, 150});
    s.Wheel(40, {150, 150});
    s.Pump();
    EXPECT_EQ(rec.Messages().size(), 0u);
    s.Wheel(300, {150, 150}); // 380 in all: three steps, 20 kept
    s.Wheel(-20, {150, 150});
    s.Pump();
    ASSERT_EQ(rec.Messages().size(), 2u); // the child passes it on to its parent
    EXPECT_EQ(rec.Messages()[0].Wnd, edit);
    EXPECT_EQ(HiPart(rec.Messages()[0].WParam), 360);
    EXPECT_EQ(rec.Messages()[1].Wnd, top);
    s.Wheel(-120, {150, 150});
    s.Pump();
    EXPECT_EQ(HiPart(rec.Messages().back().WParam), -120);
}

TEST(InputRouting, ContextMenuFromRightClickAndMenuKey) {
    THeadlessSession s;
    std::vector<TPoint> points;
    HWND w = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(100, 100, 100, 100), nullptr, [&](HWND, TMessage& m) {
        if (m.Msg == WM_CONTEXTMENU) {
            points.push_back(LParamToPoint(m.LParam));
            return true;
        }
        return false;
    });
    s.Pump();
    SetFocus(w);
    s.Click({130, 140}, TMouseButton::mbRight);
    s.Key(VK_APPS);
    s.Pump();
    EXPECT_EQ(points, (std::vector<TPoint>{{130, 140}, {-1, -1}}));
}
