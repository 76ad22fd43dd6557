#include "platform/sys/TThread.h"

#include <exception>

#include <pthread.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

void ApplyPriorityTo(pid_t tid, TThreadPriority priority) {
    switch (priority) {
    case TThreadPriority::tpIdle: {
        sched_param param{};
        sched_setscheduler(tid, SCHED_IDLE, &param);
        break;
    }
    case TThreadPriority::tpLowest:
        setpriority(PRIO_PROCESS, static_cast<id_t>(tid), 15);
        break;
    case TThreadPriority::tpLower:
        setpriority(PRIO_PROCESS, static_cast<id_t>(tid), 10);
        break;
    default:
        break;
    }
}

} // namespace

void SetCurrentThreadPriority(TThreadPriority priority) {
    ApplyPriorityTo(gettid(), priority);
}

TThread::TThread() = default;

TThread::~TThread() {
    if (FThread.joinable()) {
        Terminate();
        FThread.join();
    }
}

uint32_t TThread::CurrentThreadID() {
    return static_cast<uint32_t>(gettid());
}

void TThread::Start() {
    bool expected = false;
    if (!FStarted.compare_exchange_strong(expected, true)) return;
    FThread = std::thread([this] { Run(); });
}

void TThread::Run() {
    FThreadID = CurrentThreadID();
    ApplyName();
    ApplyPriority();
    try {
        Execute();
    } catch (const std::exception& e) {
        FFatalException = e.what();
    } catch (...) {
        FFatalException = "Unknown exception";
    }
    FFinished = true;
    FDone.SetEvent();
}

int TThread::WaitFor() {
    if (!FStarted) return FReturnValue;
    if (FThread.joinable() && FThread.get_id() == std::this_thread::get_id())
        return FReturnValue; // a thread cannot wait for itself
    WaitServing(FDone, -1, 10, true);
    if (FThread.joinable()) FThread.join();
    return FReturnValue;
}

void TThread::SetPriority(TThreadPriority value) {
    FPriority = value;
    if (FThreadID != 0 && !FFinished) ApplyPriorityTo(static_cast<pid_t>(FThreadID.load()), value);
}

void TThread::ApplyPriority() {
    ApplyPriorityTo(static_cast<pid_t>(FThreadID.load()), FPriority);
}

void TThread::SetName(const std::string& value) {
    FName = value;
    if (FThreadID != 0 && !FFinished && FThread.joinable())
        pthread_setname_np(FThread.native_handle(), FName.substr(0, 15).c_str());
}

void TThread::ApplyName() {
    if (!FName.empty()) pthread_setname_np(pthread_self(), FName.substr(0, 15).c_str());
}
