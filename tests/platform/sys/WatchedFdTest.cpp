#include "platform/sys/WatchedFd.h"
#include "platform/sys/MainThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include <sys/eventfd.h>
#include <unistd.h>

namespace {

// An eventfd that closes itself; Signal makes it readable, Consume empties it.
struct TFdFixture {
    int Fd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    ~TFdFixture() { close(Fd); }
    void Signal() const {
        uint64_t one = 1;
        EXPECT_EQ(write(Fd, &one, sizeof one), static_cast<ssize_t>(sizeof one));
    }
    void Consume() const {
        uint64_t n;
        while (read(Fd, &n, sizeof n) > 0) {
        }
    }
};

} // namespace

TEST(WatchedFd, HandlerRunsOnTheGuiThreadWhenReadableAndNotAfterUnwatch) {
    TFdFixture fd;
    int calls = 0;
    bool onGui = false;
    TFdWatchId id = WatchFd(fd.Fd, [&] {
        ++calls;
        onGui = IsGuiThread();
        fd.Consume();
    });
    ASSERT_NE(id, 0u);
    EXPECT_FALSE(CheckSynchronize(0)) << "nothing is readable yet";
    std::thread writer([&] { fd.Signal(); });
    writer.join();
    EXPECT_TRUE(CheckSynchronize(1000));
    EXPECT_EQ(calls, 1);
    EXPECT_TRUE(onGui);
    EXPECT_FALSE(CheckSynchronize(0)) << "the handler consumed the event";

    UnwatchFd(id);
    fd.Signal();
    EXPECT_FALSE(CheckSynchronize(0));
    EXPECT_EQ(calls, 1);
}

TEST(WatchedFd, TimedWaitEndsWhenAWatchedDescriptorTurnsReadable) {
    TFdFixture fd;
    std::atomic<int> calls{0};
    TFdWatchId id = WatchFd(fd.Fd, [&] {
        ++calls;
        fd.Consume();
    });
    std::thread writer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        fd.Signal();
    });
    // Served from the waits that serve queued calls, not only the window loop.
    EXPECT_TRUE(WaitServingFor([&] { return calls.load() == 1; }, 5000));
    writer.join();
    UnwatchFd(id);
}

TEST(WatchedFd, HandlerMayUnwatchItselfAndOthersAndIsNotReentered) {
    TFdFixture a, b;
    int callsA = 0, callsB = 0, nested = 0;
    TFdWatchId idB = 0, idA = 0;
    idA = WatchFd(a.Fd, [&] {
        ++callsA;
        UnwatchFd(idB);
        // A nested serve while the event is still unread must not re-enter us.
        CheckSynchronize(0);
        nested = callsA;
        a.Consume();
        UnwatchFd(idA);
    });
    idB = WatchFd(b.Fd, [&] { ++callsB; });
    a.Signal();
    b.Signal();
    CheckSynchronize(0);
    EXPECT_EQ(callsA, 1);
    EXPECT_EQ(nested, 1);
    EXPECT_EQ(callsB, 0) << "unwatched by an earlier handler of the same pass";
    a.Signal();
    CheckSynchronize(0);
    EXPECT_EQ(callsA, 1);
    EXPECT_TRUE(WatchedFds().empty());
}

TEST(WatchedFd, RefusesABadDescriptorOrAnEmptyHandler) {
    EXPECT_EQ(WatchFd(-1, [] {}), 0u);
    EXPECT_EQ(WatchFd(0, nullptr), 0u);
    UnwatchFd(12345); // unknown: ignored
}
