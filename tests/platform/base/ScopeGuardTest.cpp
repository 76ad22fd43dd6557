#include "platform/base/ScopeGuard.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(TScopeGuard, RunsOnReturnAndOnExceptionUnlessDismissed) {
    int runs = 0;
    {
        TScopeGuard guard([&] { ++runs; });
    }
    EXPECT_EQ(runs, 1);

    EXPECT_THROW(
        {
            TScopeGuard guard([&] { ++runs; });
            throw std::runtime_error("failed");
        },
        std::runtime_error);
    EXPECT_EQ(runs, 2);

    {
        TScopeGuard guard([&] { ++runs; });
        guard.Dismiss();
    }
    EXPECT_EQ(runs, 2);
}
