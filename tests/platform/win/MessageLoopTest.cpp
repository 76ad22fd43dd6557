#include "WinTestUtil.h"

#include "platform/sys/MainThread.h"
#include "platform/sys/TEvent.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

TEST(MessageLoop, PostsFromFourThreadsArriveOnceInOrderPerThread) {
    THeadlessSession s(false);
    constexpr int kThreads = 4, kEach = 1000;
    std::vector<std::vector<int>> seen(kThreads);
    int total = 0;
    HWND w = MakeWindow(WS_POPUP, Rect(0, 0, 10, 10), nullptr, [&](HWND, TMessage& m) {
        if (m.Msg != WM_USER) return false;
        seen[m.WParam].push_back(static_cast<int>(m.LParam));
        if (++total == kThreads * kEach) PostQuitMessage(0);
        return true;
    });
    std::vector<std::thread> workers;
    for (int t = 0; t < kThreads; ++t)
        workers.emplace_back([w, t] {
            for (int i = 0; i < kEach; ++i)
                PostMessage(w, WM_USER, t, i);
        });
    EXPECT_EQ(RunMessageLoop(), 0);
    for (auto& th : workers)
        th.join();
    for (int t = 0; t < kThreads; ++t) {
        ASSERT_EQ(seen[t].size(), size_t(kEach));
        for (int i = 0; i < kEach; ++i)
            ASSERT_EQ(seen[t][i], i);
    }
}

TEST(MessageLoop, SendFromWorkerRunsOnGuiThreadWhileSenderWaits) {
    THeadlessSession s(false);
    std::thread::id handlerThread;
    HWND w = MakeWindow(WS_POPUP, Rect(0, 0, 10, 10), nullptr, [&](HWND, TMessage& m) {
        if (m.Msg != WM_USER) return false;
        handlerThread = std::this_thread::get_id();
        m.Result = static_cast<LRESULT>(m.WParam * 2);
        return true;
    });
    LRESULT got = 0;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        got = SendMessage(w, WM_USER, 21);
        done = true;
    });
    EXPECT_TRUE(s.RunUntil([&] { return done.load(); }));
    worker.join();
    EXPECT_EQ(got, 42);
    EXPECT_EQ(handlerThread, std::this_thread::get_id());
}

TEST(MessageLoop, IdleLoopWakesSoonOnRealClock) {
    THeadlessSession s(false);
    HWND w = MakeWindow(WS_POPUP, Rect(0, 0, 10, 10));
    std::chrono::steady_clock::time_point posted;
    std::thread worker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        posted = std::chrono::steady_clock::now();
        PostMessage(w, WM_USER);
    });
    TMsg m;
    ASSERT_TRUE(GetMessage(m));
    auto woke = std::chrono::steady_clock::now();
    worker.join();
    EXPECT_EQ(m.message, WM_USER);
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(woke - posted).count(), 50);
}

TEST(MessageLoop, ServingWaitOnGuiThreadLetsBlockingCallFinish) {
    THeadlessSession s(false);
    TEvent finished;
    bool ranOnGui = false;
    std::thread worker([&] {
        CallInMainThread([&] { ranOnGui = IsGuiThread(); });
        finished.SetEvent();
    });
    // A plain join here would deadlock: the worker waits for the GUI thread.
    EXPECT_EQ(WaitServing(finished, 5000), TWaitResult::wrSignaled);
    worker.join();
    EXPECT_TRUE(ranOnGui);
}

TEST(MessageLoop, QuitSeenInNestedWaitIsKept) {
    THeadlessSession s;
    HWND w = MakeWindow(WS_POPUP, Rect(0, 0, 10, 10), nullptr, [&](HWND, TMessage& m) {
        if (m.Msg == WM_USER) {
            PostQuitMessage(3);
            return true;
        }
        return false;
    });
    PostMessage(w, WM_USER);
    PostMessage(w, WM_USER + 1);
    // A nested wait pumps, meets the quit request and leaves it pending.
    PumpMessages();
    int code = 0;
    EXPECT_TRUE(QuitPending(&code));
    EXPECT_EQ(code, 3);
    TMsg m;
    EXPECT_FALSE(GetMessage(m));
    EXPECT_EQ(m.wParam, 3u);
}

TEST(MessageLoop, PaintAndTimerComeOnlyWhenQueueIsEmpty) {
    THeadlessSession s;
    std::vector<uint32_t> order;
    HWND w = MakeWindow(WS_POPUP | WS_VISIBLE, Rect(0, 0, 10, 10), nullptr, [&](HWND, TMessage& m) {
        if (m.Msg == WM_USER || m.Msg == WM_TIMER || m.Msg == WM_PAINT) order.push_back(m.Msg);
        return false;
    });
    s.Pump();
    order.clear();
    SetTimer(w, 1, 10);
    s.Skip(20);
    InvalidateRect(w, nullptr, false);
    PostMessage(w, WM_USER);
    PostMessage(w, WM_USER);
    s.Pump();
    EXPECT_EQ(order, (std::vector<uint32_t>{WM_USER, WM_USER, WM_PAINT, WM_TIMER}));
}

TEST(MessageLoop, HooksSeeMessagesFirstAndCanEatThem) {
    THeadlessSession s;
    int reached = 0;
    HWND w = MakeWindow(WS_POPUP, Rect(0, 0, 10, 10), nullptr, [&](HWND, TMessage& m) {
        reached += m.Msg == WM_USER;
        return false;
    });
    int hooked = 0;
    uint64_t id = AddMessageHook([&](TMsg& m) {
        if (m.message != WM_USER) return false;
        ++hooked;
        return m.wParam == 1;
    });
    PostMessage(w, WM_USER, 1);
    PostMessage(w, WM_USER, 2);
    s.Pump();
    EXPECT_EQ(hooked, 2);
    EXPECT_EQ(reached, 1);
    RemoveMessageHook(id);
    PostMessage(w, WM_USER, 1);
    s.Pump();
    EXPECT_EQ(reached, 2);
}

TEST(MessageLoop, ThreadMessageWithoutWindowReachesGetMessage) {
    THeadlessSession s;
    PostMessage(nullptr, WM_APP + 5, 9);
    TMsg m;
    ASSERT_TRUE(PeekMessage(m));
    EXPECT_EQ(m.message, WM_APP + 5);
    EXPECT_EQ(m.hwnd, nullptr);
    EXPECT_EQ(DispatchMessage(m), 0);
}
