#include "platform/sys/MainThread.h"

#include "platform/sys/WatchedFd.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

struct TCallRecord {
    TThreadMethod Method;
    // Set for blocking calls: the caller waits on Done.
    bool Blocking = false;
    bool Done = false;
    std::exception_ptr Failure;
};

// Lives for the whole process, also while static destructors run: workers may
// still post at exit.
struct TCallQueue {
    std::mutex Lock;
    std::condition_variable DoneCond;
    std::deque<std::shared_ptr<TCallRecord>> Calls;
    int WakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    std::function<void()> WakeHook;
    TMessagePumpHook PumpHook;
    bool HasGuiThread = false;
    pid_t GuiThread = 0;
};

TCallQueue& Queue() {
    static TCallQueue* queue = new TCallQueue;
    return *queue;
}

void Wake(TCallQueue& q) {
    uint64_t one = 1;
    ssize_t r = write(q.WakeFd, &one, sizeof one);
    (void)r;
    std::function<void()> hook;
    {
        std::lock_guard lock(q.Lock);
        hook = q.WakeHook;
    }
    if (hook) hook();
}

void Enqueue(const std::shared_ptr<TCallRecord>& rec) {
    auto& q = Queue();
    {
        std::lock_guard lock(q.Lock);
        q.Calls.push_back(rec);
    }
    Wake(q);
}

void DrainWakeFd(TCallQueue& q) {
    uint64_t count;
    while (read(q.WakeFd, &count, sizeof count) > 0) {
    }
}

void CallPumpHook(bool holdInput) {
    auto& q = Queue();
    TMessagePumpHook hook;
    {
        std::lock_guard lock(q.Lock);
        hook = q.PumpHook;
    }
    if (hook) hook(holdInput);
}

} // namespace

bool IsGuiThread() {
    auto& q = Queue();
    std::lock_guard lock(q.Lock);
    if (q.HasGuiThread) return gettid() == q.GuiThread;
    return gettid() == getpid();
}

void SetGuiThread() {
    auto& q = Queue();
    std::lock_guard lock(q.Lock);
    q.HasGuiThread = true;
    q.GuiThread = gettid();
}

void CallInMainThread(const TThreadMethod& method) {
    if (!method) return;
    if (IsGuiThread()) {
        method();
        return;
    }
    auto rec = std::make_shared<TCallRecord>();
    rec->Method = method;
    rec->Blocking = true;
    Enqueue(rec);
    auto& q = Queue();
    std::exception_ptr failure;
    {
        // Take the failure out: only this thread may hold the exception from now on.
        std::unique_lock lock(q.Lock);
        q.DoneCond.wait(lock, [&] { return rec->Done; });
        failure = std::move(rec->Failure);
    }
    if (failure) std::rethrow_exception(failure);
}

void QueueInMainThread(TThreadMethod method) {
    if (!method) return;
    auto rec = std::make_shared<TCallRecord>();
    rec->Method = std::move(method);
    Enqueue(rec);
}

bool CheckSynchronize(int timeoutMs) {
    if (!IsGuiThread()) return false;
    auto& q = Queue();
    size_t pending;
    {
        std::lock_guard lock(q.Lock);
        pending = q.Calls.size();
    }
    if (pending == 0 && timeoutMs != 0) {
        // Watched descriptors end the wait too: they are served below.
        std::vector<pollfd> fds{{q.WakeFd, POLLIN, 0}};
        for (int fd : WatchedFds())
            fds.push_back({fd, POLLIN, 0});
        poll(fds.data(), fds.size(), timeoutMs);
        std::lock_guard lock(q.Lock);
        pending = q.Calls.size();
    }
    DrainWakeFd(q);
    {
        // Calls queued after the drain above must leave the descriptor readable.
        std::lock_guard lock(q.Lock);
        pending = q.Calls.size();
    }
    // Only the calls queued so far: a call that queues another does not keep us here.
    bool ran = false;
    for (size_t i = 0; i < pending; ++i) {
        std::shared_ptr<TCallRecord> rec;
        {
            std::lock_guard lock(q.Lock);
            if (q.Calls.empty()) break;
            rec = q.Calls.front();
            q.Calls.pop_front();
        }
        std::exception_ptr failure;
        try {
            rec->Method();
        } catch (...) {
            failure = std::current_exception();
        }
        ran = true;
        if (rec->Blocking) {
            std::lock_guard lock(q.Lock);
            rec->Failure = std::move(failure);
            rec->Done = true;
            q.DoneCond.notify_all();
        }
    }
    if (ServeWatchedFds()) ran = true;
    return ran;
}

int MainThreadWakeFd() {
    return Queue().WakeFd;
}

void SetMainThreadWakeHook(std::function<void()> hook) {
    auto& q = Queue();
    std::lock_guard lock(q.Lock);
    q.WakeHook = std::move(hook);
}

void SetMessagePumpHook(TMessagePumpHook hook) {
    auto& q = Queue();
    std::lock_guard lock(q.Lock);
    q.PumpHook = std::move(hook);
}

void PumpMessages() {
    if (!IsGuiThread()) return;
    CallPumpHook(false);
    CheckSynchronize(0);
}

bool WaitServingFor(const std::function<bool()>& done, int timeoutMs, int sliceMs, bool holdInput) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    if (sliceMs <= 0) sliceMs = 1;
    const bool serve = IsGuiThread();
    for (;;) {
        if (done()) return true;
        int wait = sliceMs;
        if (timeoutMs >= 0) {
            auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
            if (spent >= timeoutMs) return done();
            wait = std::min<int>(sliceMs, timeoutMs - static_cast<int>(spent));
        }
        if (serve) {
            CallPumpHook(holdInput);
            if (!CheckSynchronize(0)) CheckSynchronize(wait);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(wait));
        }
    }
}

TWaitResult WaitServing(TEvent& event, int timeoutMs, int sliceMs, bool holdInput) {
    if (!IsGuiThread()) return event.WaitFor(timeoutMs);
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    if (sliceMs <= 0) sliceMs = 1;
    for (;;) {
        CallPumpHook(holdInput);
        CheckSynchronize(0);
        int wait = sliceMs;
        if (timeoutMs >= 0) {
            auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
            if (spent >= timeoutMs) return event.WaitFor(0);
            wait = std::min<int>(sliceMs, timeoutMs - static_cast<int>(spent));
        }
        if (event.WaitFor(wait) == TWaitResult::wrSignaled) return TWaitResult::wrSignaled;
    }
}
