#include "WinTestUtil.h"

#include <gtest/gtest.h>

namespace {

struct TTicker {
    HWND Wnd;
    std::vector<uint64_t> Ticks;
    std::function<void(HWND, uintptr_t)> OnTick;
    TTicker() {
        Wnd = MakeWindow(WS_POPUP, Rect(0, 0, 10, 10), nullptr, [this](HWND w, TMessage& m) {
            if (m.Msg != WM_TIMER) return false;
            Ticks.push_back(GetTickCount());
            if (OnTick) OnTick(w, m.WParam);
            return true;
        });
    }
};

} // namespace

TEST(Timers, SettingAnIdAgainReplacesIt) {
    THeadlessSession s;
    TTicker t;
    SetTimer(t.Wnd, 1, 500);
    s.Advance(450);
    SetTimer(t.Wnd, 1, 50);
    s.Advance(150);
    EXPECT_EQ(t.Ticks, (std::vector<uint64_t>{500, 550, 600}));
}

TEST(Timers, LongAbsenceLeavesOnePendingTick) {
    THeadlessSession s;
    TTicker t;
    SetTimer(t.Wnd, 1, 100);
    SetTimer(t.Wnd, 2, 300);
    s.Skip(1000);
    s.Pump();
    EXPECT_EQ(t.Ticks.size(), 2u); // one per timer
    s.Pump();
    EXPECT_EQ(t.Ticks.size(), 2u);
}

TEST(Timers, ShortTimerTicksOnTime) {
    THeadlessSession s;
    TTicker t;
    SetTimer(t.Wnd, 7, 25);
    s.Advance(125);
    EXPECT_EQ(t.Ticks, (std::vector<uint64_t>{25, 50, 75, 100, 125}));
}

TEST(Timers, KillInsideHandlerAndWindowDestroyedInsideItsHandler) {
    THeadlessSession s;
    TTicker t;
    int calls = 0;
    t.OnTick = [&](HWND w, uintptr_t id) {
        ++calls;
        if (id == 1) KillTimer(w, 1);
        if (id == 2) {
            DestroyWindow(w);
            EXPECT_TRUE(IsWindow(w)); // still alive until the handler returns
        }
    };
    SetTimer(t.Wnd, 1, 10);
    s.Advance(100);
    EXPECT_EQ(calls, 1);
    SetTimer(t.Wnd, 2, 10);
    s.Advance(100);
    EXPECT_EQ(calls, 2);
    EXPECT_FALSE(IsWindow(t.Wnd));
}

TEST(Timers, WindowlessTimerCallsItsProcedure) {
    THeadlessSession s;
    std::vector<uint64_t> at;
    uintptr_t id = SetTimer(nullptr, 0, 40, [&](HWND, uintptr_t, uint64_t time) { at.push_back(time); });
    EXPECT_NE(id, 0u);
    s.Advance(100);
    EXPECT_EQ(at, (std::vector<uint64_t>{40, 80}));
    KillTimer(nullptr, id);
    s.Advance(100);
    EXPECT_EQ(at.size(), 2u);
}

TEST(Timers, RealClockLoopSleepsUntilTheTimer) {
    THeadlessSession s(false);
    TTicker t;
    SetTimer(t.Wnd, 1, 30);
    uint64_t start = GetTickCount();
    TMsg m;
    ASSERT_TRUE(GetMessage(m));
    EXPECT_EQ(m.message, WM_TIMER);
    EXPECT_GE(GetTickCount() - start, 29u);
}
