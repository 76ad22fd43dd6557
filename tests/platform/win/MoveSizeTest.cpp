#include "WinTestUtil.h"

#include <gtest/gtest.h>

namespace {

const std::set<uint32_t> kLoop = {WM_ENTERSIZEMOVE, WM_MOVING, WM_SIZING, WM_WINDOWPOSCHANGED,
                                  WM_EXITSIZEMOVE};

std::vector<uint32_t> Distinct(const std::vector<uint32_t>& v) {
    std::vector<uint32_t> out;
    for (uint32_t m : v)
        if (out.empty() || out.back() != m) out.push_back(m);
    return out;
}

} // namespace

TEST(MoveSizeLoop, CaptionDragMovesAndHandlerCanPinX) {
    THeadlessSession s;
    bool pinX = true;
    HWND w = MakeWindow(WS_POPUP | WS_CAPTION | WS_VISIBLE, Bounds(100, 100, 200, 150), nullptr,
                        [&](HWND, TMessage& m) {
                            if (m.Msg == WM_MOVING && pinX) {
                                auto* r = LParamToPtr<TRect>(m.LParam);
                                OffsetRect(*r, 100 - r->Left, 0);
                            }
                            return false;
                        });
    s.Pump();
    TMessageRecorder rec({w}, kLoop);
    s.Drag({150, 110}, {250, 160}); // on the built-in caption, by (100, 50)
    s.Pump();
    EXPECT_EQ(Distinct(rec.Msgs()),
              (std::vector<uint32_t>{WM_ENTERSIZEMOVE, WM_MOVING, WM_WINDOWPOSCHANGED, WM_MOVING,
                                     WM_WINDOWPOSCHANGED, WM_MOVING, WM_WINDOWPOSCHANGED, WM_MOVING,
                                     WM_WINDOWPOSCHANGED, WM_EXITSIZEMOVE}));
    TRect r;
    GetWindowRect(w, r);
    EXPECT_EQ(r, Bounds(100, 150, 200, 150));
    EXPECT_EQ(GetCapture(), nullptr);

    pinX = false;
    s.Drag({150, 160}, {250, 210});
    s.Pump();
    GetWindowRect(w, r);
    EXPECT_EQ(r, Bounds(200, 200, 200, 150));
}

TEST(MoveSizeLoop, DragBelowThresholdMovesNothing) {
    THeadlessSession s;
    HWND w = MakeWindow(WS_POPUP | WS_CAPTION | WS_VISIBLE, Bounds(100, 100, 200, 150));
    s.Pump();
    TMessageRecorder rec({w}, kLoop);
    s.Drag({150, 110}, {153, 107}, 3);
    s.Pump();
    EXPECT_TRUE(rec.Msgs().empty());
    TRect r;
    GetWindowRect(w, r);
    EXPECT_EQ(r, Bounds(100, 100, 200, 150));
}

TEST(MoveSizeLoop, EscapePutsTheWindowBack) {
    THeadlessSession s;
    HWND w = MakeWindow(WS_POPUP | WS_CAPTION | WS_VISIBLE, Bounds(100, 100, 200, 150));
    s.Pump();
    s.MouseDown({150, 110});
    s.MouseMove({200, 200});
    s.Key(VK_ESCAPE);
    s.MouseUp({200, 200});
    s.Pump();
    TRect r;
    GetWindowRect(w, r);
    EXPECT_EQ(r, Bounds(100, 100, 200, 150));
}

TEST(MoveSizeLoop, BottomRightDragRespectsMinMaxInfoAndSizingEdits) {
    struct TCase {
        TPoint To;
        bool SnapTo10;
        TRect Expected;
    };
    const TCase cases[] = {
        {{400, 350}, false, Bounds(100, 100, 300, 250)}, // free
        {{700, 650}, false, Bounds(100, 100, 400, 300)}, // max track size
        {{120, 120}, false, Bounds(100, 100, 80, 60)},   // min track size
        {{333, 287}, true, Bounds(100, 100, 230, 180)},  // WM_SIZING snaps to 10
    };
    for (const auto& c : cases) {
        THeadlessSession s;
        HWND w = MakeWindow(WS_POPUP | WS_THICKFRAME | WS_VISIBLE, Bounds(100, 100, 200, 150), nullptr,
                            [&](HWND, TMessage& m) {
                                if (m.Msg == WM_GETMINMAXINFO) {
                                    auto* mm = LParamToPtr<TMinMaxInfo>(m.LParam);
                                    mm->ptMinTrackSize = {80, 60};
                                    mm->ptMaxTrackSize = {400, 300};
                                    return true;
                                }
                                if (m.Msg == WM_SIZING && c.SnapTo10) {
                                    EXPECT_EQ(m.WParam, WMSZ_BOTTOMRIGHT);
                                    auto* r = LParamToPtr<TRect>(m.LParam);
                                    r->Right = r->Left + r->Width() / 10 * 10;
                                    r->Bottom = r->Top + r->Height() / 10 * 10;
                                }
                                return false;
                            });
        s.Pump();
        ASSERT_EQ(SendMessage(w, WM_NCHITTEST, 0, PointToLParam({298, 248})), HTBOTTOMRIGHT);
        TMessageRecorder rec({w}, {WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE, WM_SIZE});
        s.Drag({298, 248}, {c.To.X - 2, c.To.Y - 2});
        s.Pump();
        TRect r;
        GetWindowRect(w, r);
        EXPECT_EQ(r, c.Expected) << c.To.X << "," << c.To.Y;
        EXPECT_EQ(rec.Msgs().front(), WM_ENTERSIZEMOVE);
        EXPECT_EQ(rec.Msgs().back(), WM_EXITSIZEMOVE);
        EXPECT_GE(rec.Count(WM_SIZE), 1);
    }
}

TEST(MoveSizeLoop, SystemCommandsChangeWindowState) {
    THeadlessSession s;
    s.Backend().SetMonitors({{Rect(0, 0, 800, 600), Rect(0, 0, 800, 560), true}});
    std::vector<WPARAM> sizes;
    HWND w = MakeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(50, 50, 300, 200), nullptr,
                        [&](HWND, TMessage& m) {
                            if (m.Msg == WM_SIZE) sizes.push_back(m.WParam);
                            return false;
                        });
    s.Pump();
    sizes.clear();
    SendMessage(w, WM_SYSCOMMAND, SC_MAXIMIZE);
    TRect r;
    GetWindowRect(w, r);
    EXPECT_EQ(r, Rect(0, 0, 800, 560));
    EXPECT_TRUE(IsZoomed(w));
    SendMessage(w, WM_SYSCOMMAND, SC_RESTORE);
    GetWindowRect(w, r);
    EXPECT_EQ(r, Bounds(50, 50, 300, 200));
    SendMessage(w, WM_SYSCOMMAND, SC_MINIMIZE);
    EXPECT_TRUE(IsIconic(w));
    EXPECT_NE(GetActiveWindow(), w);
    EXPECT_EQ(s.Backend().Stack().size(), 0u);
    SendMessage(w, WM_SYSCOMMAND, SC_RESTORE);
    EXPECT_FALSE(IsIconic(w));
    EXPECT_EQ(sizes.front(), SIZE_MAXIMIZED);
    EXPECT_NE(std::find(sizes.begin(), sizes.end(), SIZE_MINIMIZED), sizes.end());
    EXPECT_EQ(sizes.back(), SIZE_RESTORED);
    SendMessage(w, WM_SYSCOMMAND, SC_CLOSE);
    EXPECT_FALSE(IsWindow(w));
}
