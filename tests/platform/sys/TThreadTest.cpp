#include "platform/sys/TThread.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>

namespace {

class TLambdaThread : public TThread {
public:
    explicit TLambdaThread(std::function<void(TLambdaThread&)> body) : FBody(std::move(body)) {}
    ~TLambdaThread() override { WaitFor(); }
    using TThread::SetReturnValue;

protected:
    void Execute() override { FBody(*this); }

private:
    std::function<void(TLambdaThread&)> FBody;
};

} // namespace

TEST(TThread, PriorityAndNameAreAppliedOnTheNewThread) {
    struct Case {
        TThreadPriority Priority;
        int Nice;
        int Policy;
    } cases[] = {
        {TThreadPriority::tpLower, 10, SCHED_OTHER},
        {TThreadPriority::tpLowest, 15, SCHED_OTHER},
        {TThreadPriority::tpIdle, getpriority(PRIO_PROCESS, 0), SCHED_IDLE},
        {TThreadPriority::tpNormal, getpriority(PRIO_PROCESS, 0), SCHED_OTHER},
    };
    for (const auto& c : cases) {
        int nice = -100, policy = -1;
        char name[32] = {};
        TLambdaThread thread([&](TLambdaThread&) {
            nice = getpriority(PRIO_PROCESS, 0);
            policy = sched_getscheduler(0);
            pthread_getname_np(pthread_self(), name, sizeof name);
        });
        thread.SetPriority(c.Priority);
        thread.SetName("converter-worker-long-name");
        thread.Start();
        thread.WaitFor();
        SCOPED_TRACE(static_cast<int>(c.Priority));
        EXPECT_EQ(nice, c.Nice);
        EXPECT_EQ(policy, c.Policy);
        EXPECT_STREQ(name, "converter-worke");
    }
}

TEST(TThread, WaitForOnTheGuiThreadServesAWorkerThatSynchronizes) {
    int seen = 0;
    TLambdaThread thread([&](TLambdaThread& self) {
        TThread::Synchronize([&] { seen = 7; });
        self.SetReturnValue(3);
    });
    thread.Start();
    EXPECT_EQ(thread.WaitFor(), 3);
    EXPECT_EQ(seen, 7);
    EXPECT_TRUE(thread.Finished());
    EXPECT_NE(thread.ThreadID(), TThread::CurrentThreadID());
}

TEST(TThread, TerminateIsCooperativeAndEscapingErrorsAreKept) {
    TLambdaThread loop([](TLambdaThread& self) {
        while (!self.Terminated())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    loop.Start();
    loop.Terminate();
    loop.WaitFor();
    EXPECT_TRUE(loop.Finished());

    TLambdaThread failing([](TLambdaThread&) { throw std::runtime_error("worker failed"); });
    failing.Start();
    failing.WaitFor();
    EXPECT_EQ(failing.FatalException(), "worker failed");

    TLambdaThread neverStarted([](TLambdaThread&) {});
    EXPECT_EQ(neverStarted.WaitFor(), 0);
}
