#include "WinTestUtil.h"

#include <gtest/gtest.h>

TEST(ScrollInfo, PositionStaysWithinRangeAndPage) {
    THeadlessSession s;
    HWND w = MakeWindow(WS_POPUP, Bounds(0, 0, 10, 10));
    struct TCase {
        int Min, Max;
        unsigned Page;
        int Pos;
        int Expected;
    };
    const TCase cases[] = {
        {0, 100, 0, 50, 50}, {0, 100, 0, 150, 100}, {0, 100, 0, -5, 0},
        {0, 99, 10, 95, 90}, {10, 20, 0, 0, 10},    {0, 9, 20, 5, 0}, // page larger than the range
    };
    for (auto& c : cases) {
        TScrollInfo si;
        si.fMask = SIF_ALL;
        si.nMin = c.Min;
        si.nMax = c.Max;
        si.nPage = c.Page;
        si.nPos = c.Pos;
        EXPECT_EQ(SetScrollInfo(w, SB_VERT, si), c.Expected) << c.Max << " " << c.Page << " " << c.Pos;
        EXPECT_EQ(GetScrollPos(w, SB_VERT), c.Expected);
    }
    SetScrollRange(w, SB_HORZ, 0, 10);
    EXPECT_EQ(SetScrollPos(w, SB_HORZ, 4), 0);
    EXPECT_EQ(SetScrollPos(w, SB_HORZ, 40), 4);
    EXPECT_EQ(GetScrollPos(w, SB_HORZ), 10);
    EXPECT_EQ(GetScrollPos(w, SB_VERT), 0); // the bars are apart
    EXPECT_EQ(GetScrollPos(nullptr, SB_VERT), 0);
}

TEST(CursorShapes, FollowTheHitCodeUnlessAHandlerSetsOne) {
    THeadlessSession s;
    HWND w = MakeWindow(WS_POPUP | WS_THICKFRAME | WS_VISIBLE, Bounds(100, 100, 200, 100));
    HWND hand = MakeWindow(WS_CHILD | WS_VISIBLE, Bounds(10, 10, 20, 20), w, [](HWND, TMessage& m) {
        if (m.Msg == WM_SETCURSOR) {
            SetCursor(IDC_HAND);
            m.Result = 1;
            return true;
        }
        return false;
    });
    (void)hand;
    s.Pump();
    struct TCase {
        TPoint P;
        int Cursor;
    };
    const TCase cases[] = {{{101, 150}, IDC_SIZEWE}, {{200, 101}, IDC_SIZENS}, {{298, 198}, IDC_SIZENWSE},
                           {{150, 150}, IDC_ARROW},  {{120, 120}, IDC_HAND},   {{101, 198}, IDC_SIZENESW}};
    for (auto& c : cases) {
        s.MouseMove(c.P);
        s.Pump();
        EXPECT_EQ(s.Backend().CursorShape(), c.Cursor) << c.P.X << "," << c.P.Y;
        EXPECT_EQ(GetCursor(), c.Cursor);
    }
}
