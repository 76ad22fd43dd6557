#include "platform/sys/TCriticalSection.h"
#include "platform/sys/TEvent.h"
#include "platform/sys/TTimedMutex.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

TEST(TEvent, ManualResetReleasesEveryWaiterAndStaysSignalled) {
    TEvent event(true, false);
    std::atomic<int> released{0};
    std::vector<std::thread> waiters;
    for (int i = 0; i < 3; ++i)
        waiters.emplace_back([&] {
            if (event.WaitFor(5000) == TWaitResult::wrSignaled) ++released;
        });
    event.SetEvent();
    for (auto& t : waiters)
        t.join();
    EXPECT_EQ(released, 3);
    EXPECT_EQ(event.WaitFor(0), TWaitResult::wrSignaled);
    event.ResetEvent();
    EXPECT_EQ(event.WaitFor(10), TWaitResult::wrTimeout);
}

TEST(TEvent, AutoResetReleasesOneWaiterPerSignal) {
    TEvent event(false, false);
    std::atomic<int> released{0};
    std::vector<std::thread> waiters;
    for (int i = 0; i < 2; ++i)
        waiters.emplace_back([&] {
            if (event.WaitFor(300) == TWaitResult::wrSignaled) ++released;
        });
    event.SetEvent();
    for (auto& t : waiters)
        t.join();
    EXPECT_EQ(released, 1);
    EXPECT_FALSE(event.IsSet());

    TEvent initiallySet(false, true);
    EXPECT_EQ(initiallySet.WaitFor(0), TWaitResult::wrSignaled);
    EXPECT_EQ(initiallySet.WaitFor(0), TWaitResult::wrTimeout);
}

TEST(TTimedMutex, GivesUpAfterTheTimeLimitAndIsRecursiveForTheOwner) {
    TTimedMutex mutex;
    ASSERT_TRUE(mutex.Lock(100));
    EXPECT_TRUE(mutex.Lock(0)); // the owner enters again
    bool other = true;
    std::thread([&] { other = mutex.Lock(50); }).join();
    EXPECT_FALSE(other);
    mutex.Unlock();
    mutex.Unlock();
    std::thread([&] {
        other = mutex.Lock(50);
        if (other) mutex.Unlock();
    }).join();
    EXPECT_TRUE(other);
}

TEST(TCriticalSection, OwnerReentersOthersWait) {
    TCriticalSection cs;
    cs.Enter();
    cs.Enter();
    bool entered = true;
    std::thread([&] { entered = cs.TryEnter(); }).join();
    EXPECT_FALSE(entered);
    cs.Leave();
    cs.Leave();
    std::thread([&] {
        entered = cs.TryEnter();
        if (entered) cs.Leave();
    }).join();
    EXPECT_TRUE(entered);
}
