#include "platform/sys/MainThread.h"
#include "platform/sys/TThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <poll.h>

namespace {

bool WakeFdReadable() {
    pollfd pfd{MainThreadWakeFd(), POLLIN, 0};
    return poll(&pfd, 1, 0) == 1;
}

} // namespace

TEST(MainThread, BlockingCallRunsOnTheGuiThreadAndWaits) {
    ASSERT_TRUE(IsGuiThread());
    std::atomic<bool> ranOnGui{false}, returned{false};
    std::thread worker([&] {
        EXPECT_FALSE(IsGuiThread());
        CallInMainThread([&] { ranOnGui = IsGuiThread(); });
        returned = true;
    });
    TEvent never;
    // Serve until the worker's call came back.
    EXPECT_TRUE(WaitServingFor([&] { return returned.load(); }, 5000));
    worker.join();
    EXPECT_TRUE(ranOnGui);
}

TEST(MainThread, FailureIsRaisedOnTheCallersThread) {
    std::string caught;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        try {
            CallInMainThread([] { throw std::runtime_error("boom on the GUI thread"); });
        } catch (const std::exception& e) {
            caught = e.what();
        }
        done = true;
    });
    WaitServingFor([&] { return done.load(); }, 5000);
    worker.join();
    EXPECT_EQ(caught, "boom on the GUI thread");
}

TEST(MainThread, CallOnTheGuiThreadRunsDirectlyAndMayReenter) {
    int depth = 0;
    CallInMainThread([&] {
        ++depth;
        CallInMainThread([&] { ++depth; });
    });
    EXPECT_EQ(depth, 2);
    EXPECT_FALSE(CheckSynchronize(0));
}

TEST(MainThread, PostedAndBlockingCallsRunInQueueOrder) {
    std::vector<int> order;
    std::atomic<bool> done{false};
    std::thread worker([&] {
        QueueInMainThread([&] { order.push_back(1); });
        QueueInMainThread([&] { order.push_back(2); });
        CallInMainThread([&] { order.push_back(3); });
        QueueInMainThread([&] { order.push_back(4); });
        done = true;
    });
    WaitServingFor([&] { return done.load(); }, 5000);
    worker.join();
    CheckSynchronize(0);
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4}));
}

TEST(MainThread, WakeFdSignalsQueuedCallsAndCheckSynchronizeClearsIt) {
    EXPECT_FALSE(WakeFdReadable());
    int ran = 0;
    std::thread([&] { QueueInMainThread([&] { ++ran; }); }).join();
    EXPECT_TRUE(WakeFdReadable());
    EXPECT_TRUE(CheckSynchronize(0));
    EXPECT_EQ(ran, 1);
    EXPECT_FALSE(WakeFdReadable());
}

TEST(MainThread, CallQueuedByACallRunsInTheNextRoundWithoutDeadlock) {
    std::vector<int> order;
    std::thread([&] {
        QueueInMainThread([&] {
            order.push_back(1);
            std::thread([&] { QueueInMainThread([&] { order.push_back(2); }); }).join();
        });
    }).join();
    EXPECT_TRUE(CheckSynchronize(0));
    EXPECT_EQ(order, (std::vector<int>{1}));
    EXPECT_TRUE(WakeFdReadable());
    EXPECT_TRUE(CheckSynchronize(0));
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
}

TEST(MainThread, CheckSynchronizeWaitsForACallUpToItsTimeout) {
    EXPECT_FALSE(CheckSynchronize(20));
    std::atomic<bool> ran{false};
    std::thread worker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        QueueInMainThread([&] { ran = true; });
    });
    EXPECT_TRUE(CheckSynchronize(5000));
    worker.join();
    EXPECT_TRUE(ran);
}

TEST(MainThread, WaitServingServesCallsAndThePumpHookBetweenSlices) {
    std::vector<bool> hookArgs;
    SetMessagePumpHook([&](bool holdInput) { hookArgs.push_back(holdInput); });
    TEvent finished(true, false);
    std::thread worker([&] {
        int value = 0;
        CallInMainThread([&] { value = 42; }); // would deadlock with a plain wait
        if (value == 42) finished.SetEvent();
    });
    EXPECT_EQ(WaitServing(finished, 5000, 10, true), TWaitResult::wrSignaled);
    worker.join();
    ASSERT_FALSE(hookArgs.empty());
    EXPECT_TRUE(hookArgs.front());

    hookArgs.clear();
    PumpMessages();
    EXPECT_EQ(hookArgs, (std::vector<bool>{false}));

    TEvent never;
    EXPECT_EQ(WaitServing(never, 30, 10, true), TWaitResult::wrTimeout);
    SetMessagePumpHook(nullptr);
}

TEST(MainThread, WaitOffTheGuiThreadIsAPlainWait) {
    TEvent event(true, false);
    std::atomic<int> hookCalls{0};
    SetMessagePumpHook([&](bool) { ++hookCalls; });
    TWaitResult result = TWaitResult::wrTimeout;
    std::thread worker([&] { result = WaitServing(event, 5000, 10, true); });
    event.SetEvent();
    worker.join();
    SetMessagePumpHook(nullptr);
    EXPECT_EQ(result, TWaitResult::wrSignaled);
    EXPECT_EQ(hookCalls, 0);
}

TEST(MainThread, SetGuiThreadMovesTheServiceToAnotherThread) {
    std::atomic<bool> ranThere{false};
    std::thread gui([&] {
        SetGuiThread();
        std::thread worker([&] { CallInMainThread([&] { ranThere = IsGuiThread(); }); });
        CheckSynchronize(5000);
        worker.join();
    });
    gui.join();
    EXPECT_TRUE(ranThere);
    EXPECT_FALSE(IsGuiThread());
}
