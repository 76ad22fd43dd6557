#include "media/engine/CodecThreads.h"

#include <gtest/gtest.h>

#include <memory>
#include <sched.h>
#include <thread>
#include <vector>

namespace {

// Runs ABody on a thread allowed on the first ACores processors only.
template <typename F> void OnCores(int ACores, F ABody) {
    std::thread t([&] {
        cpu_set_t all;
        CPU_ZERO(&all);
        ASSERT_EQ(sched_getaffinity(0, sizeof all, &all), 0);
        cpu_set_t some;
        CPU_ZERO(&some);
        for (int cpu = 0, taken = 0; cpu < CPU_SETSIZE && taken < ACores; ++cpu)
            if (CPU_ISSET(cpu, &all)) {
                CPU_SET(cpu, &some);
                ++taken;
            }
        ASSERT_EQ(sched_setaffinity(0, sizeof some, &some), 0);
        ABody();
    });
    t.join();
}

TEST(CodecThreads, TheCoresAreSharedAmongTheRunningConversionsAtLeastOneEach) {
    cpu_set_t all;
    CPU_ZERO(&all);
    ASSERT_EQ(sched_getaffinity(0, sizeof all, &all), 0);
    if (CPU_COUNT(&all) < 4) GTEST_SKIP() << "needs 4 processors";
    const int base = TRunningConversion::Count();
    ASSERT_EQ(base, 0);
    struct Case {
        int Running;
        int Threads;
    };
    // Nothing counted yet (a codec opened outside a run) counts as one.
    for (const Case c : {Case{0, 4}, Case{1, 4}, Case{2, 2}, Case{3, 1}, Case{4, 1}, Case{9, 1}}) {
        SCOPED_TRACE(c.Running);
        std::vector<std::unique_ptr<TRunningConversion>> running;
        for (int k = 0; k < c.Running; ++k)
            running.push_back(std::make_unique<TRunningConversion>());
        EXPECT_EQ(TRunningConversion::Count(), c.Running);
        OnCores(4, [&] { EXPECT_EQ(CodecThreadCount(), c.Threads); });
    }
    EXPECT_EQ(TRunningConversion::Count(), 0);
}

} // namespace
