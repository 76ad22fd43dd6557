#include "WinTestUtil.h"

#include "platform/gdi/TBitmap.h"

#include <gtest/gtest.h>

namespace {

std::vector<HWND> Order(HWND parent) {
    return GetChildWindows(parent);
}

} // namespace

TEST(WindowTree, SetWindowPosPlacesInTheZOrder) {
    THeadlessSession s;
    HWND top = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
    HWND a = MakeWindow(WS_CHILD | WS_VISIBLE, Bounds(0, 0, 10, 10), top);
    HWND b = MakeWindow(WS_CHILD | WS_VISIBLE, Bounds(0, 0, 10, 10), top);
    HWND c = MakeWindow(WS_CHILD | WS_VISIBLE, Bounds(0, 0, 10, 10), top);
    EXPECT_EQ(Order(top), (std::vector<HWND>{c, b, a})); // newest on top
    struct TCase {
        HWND Wnd;
        HWND After;
        std::vector<HWND> Expected;
    };
    const TCase cases[] = {
        {c, HWND_BOTTOM, {b, a, c}},
        {c, HWND_TOP, {c, b, a}},
        {c, a, {b, a, c}},
        {b, a, {a, b, c}},
    };
    for (auto& k : cases) {
        SetWindowPos(k.Wnd, k.After, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        EXPECT_EQ(Order(top), k.Expected);
    }
    // SWP_NOZORDER leaves it; topmost windows stay above the others.
    SetWindowPos(a, HWND_BOTTOM, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(Order(top), (std::vector<HWND>{a, b, c}));
    HWND pinned = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 10, 10));
    SetWindowPos(pinned, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    HWND later = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 10, 10));
    EXPECT_EQ(Order(nullptr).front(), pinned);
    SetWindowPos(pinned, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    BringWindowToTop(later);
    EXPECT_EQ(Order(nullptr).front(), later);
}

TEST(WindowTree, PositionChangesSendTheirMessagesAndEditsStick) {
    THeadlessSession s;
    std::vector<uint32_t> msgs;
    TPoint moved;
    TRect sized;
    HWND w = MakeWindow(WS_POPUP, Bounds(0, 0, 100, 100), nullptr, [&](HWND, TMessage& m) {
        if (m.Msg == WM_WINDOWPOSCHANGING) {
            // A handler may change the proposal: widths are kept even.
            auto* p = LParamToPtr<TWindowPos>(m.LParam);
            p->cx &= ~1;
        }
        if (m.Msg == WM_MOVE) moved = LParamToPoint(m.LParam);
        if (m.Msg == WM_SIZE)
            sized =
                Rect(0, 0, LoPart(static_cast<uint64_t>(m.LParam)), HiPart(static_cast<uint64_t>(m.LParam)));
        if (m.Msg == WM_WINDOWPOSCHANGING || m.Msg == WM_WINDOWPOSCHANGED || m.Msg == WM_MOVE ||
            m.Msg == WM_SIZE || m.Msg == WM_NCCALCSIZE || m.Msg == WM_SHOWWINDOW)
            msgs.push_back(m.Msg);
        return NcInsets(m, 2, 3, 4, 5);
    });
    msgs.clear();
    MoveWindow(w, 10, 20, 51, 40);
    EXPECT_EQ(msgs, (std::vector<uint32_t>{WM_WINDOWPOSCHANGING, WM_NCCALCSIZE, WM_WINDOWPOSCHANGED, WM_MOVE,
                                           WM_SIZE}));
    TRect r;
    GetWindowRect(w, r);
    EXPECT_EQ(r, Bounds(10, 20, 50, 40));
    EXPECT_EQ(moved, TPoint(12, 23));
    EXPECT_EQ(sized, Rect(0, 0, 44, 32));
    TPoint p{0, 0};
    ClientToScreen(w, p);
    EXPECT_EQ(p, TPoint(12, 23));
    msgs.clear();
    ShowWindow(w, SW_SHOWNA);
    EXPECT_EQ(msgs.front(), WM_SHOWWINDOW);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_NE(GetActiveWindow(), w);
}

TEST(WindowTree, HidingOrMovingAChildRepaintsWhatItUncovered) {
    THeadlessSession s;
    auto filler = [](TColor color) {
        return [color](HWND w, TMessage& m) {
            if (m.Msg != WM_PAINT) return false;
            TPaintStruct ps;
            HDC dc = BeginPaint(w, ps);
            dc->FillRect(Rect(0, 0, 1000, 1000), color);
            EndPaint(w, ps);
            return true;
        };
    };
    HWND top = MakeWindow(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, Bounds(0, 0, 100, 100), nullptr,
                          filler(RGB(255, 0, 0)));
    HWND child = MakeWindow(WS_CHILD | WS_VISIBLE, Bounds(10, 10, 20, 20), top, filler(RGB(0, 0, 255)));
    s.Pump();
    EXPECT_EQ(PixelAt(s.WindowShot(top), 15, 15), 0x0000FFu);
    MoveWindow(child, 50, 50, 20, 20);
    s.Pump();
    EXPECT_EQ(PixelAt(s.WindowShot(top), 15, 15), 0xFF0000u);
    EXPECT_EQ(PixelAt(s.WindowShot(top), 55, 55), 0x0000FFu);
    ShowWindow(child, SW_HIDE);
    s.Pump();
    EXPECT_EQ(PixelAt(s.WindowShot(top), 55, 55), 0xFF0000u);
    DestroyWindow(child);
    EXPECT_FALSE(IsWindow(child));
    EXPECT_TRUE(GetChildWindows(top).empty());
}

TEST(WindowTree, DestroyingAWindowTakesItsChildrenAndOwnedWindows) {
    THeadlessSession s;
    std::vector<std::pair<HWND, uint32_t>> log;
    auto logger = [&](HWND w, TMessage& m) {
        if (m.Msg == WM_DESTROY || m.Msg == WM_NCDESTROY) log.emplace_back(w, m.Msg);
        return false;
    };
    HWND top = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100), nullptr, logger);
    HWND child = MakeWindow(WS_CHILD | WS_VISIBLE, Bounds(0, 0, 10, 10), top, logger);
    HWND owned = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 10, 10), top, logger);
    SetFocus(child);
    SetCapture(child);
    SetTimer(child, 1, 10);
    DestroyWindow(top);
    std::vector<std::pair<HWND, uint32_t>> expected = {{owned, WM_DESTROY},   {owned, WM_NCDESTROY},
                                                       {top, WM_DESTROY},     {child, WM_DESTROY},
                                                       {child, WM_NCDESTROY}, {top, WM_NCDESTROY}};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    s.Advance(50); // the child's timer died with it
    EXPECT_FALSE(IsWindow(child));
}
