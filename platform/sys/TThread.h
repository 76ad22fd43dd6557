#pragma once

#include "platform/sys/MainThread.h"
#include "platform/sys/TEvent.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <thread>

// idle runs under SCHED_IDLE, lowest and lower at nice 15 and 10; normal and
// above leave the thread as it was created. A raised nice value cannot be
// lowered again without privileges, so each task needs a new thread.
enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

// A joinable worker. Derive, implement Execute, call Start. Nothing suspends
// it: Execute checks Terminated() at safe points.
// A derived class must WaitFor (or let Join in its destructor run) before its
// own members die; the base destructor only terminates and joins as a last resort.
class TThread {
public:
    TThread();
    virtual ~TThread();
    TThread(const TThread&) = delete;
    TThread& operator=(const TThread&) = delete;

    void Start();
    void Terminate() { FTerminated = true; }
    bool Terminated() const { return FTerminated; }
    bool Started() const { return FStarted; }
    bool Finished() const { return FFinished; }

    // Waits for the end and joins. On the GUI thread the wait serves queued
    // calls and messages (a worker may sit in a blocking call to it).
    int WaitFor();

    TThreadPriority Priority() const { return FPriority; }
    // Applied when the thread starts, or at once on a running thread.
    void SetPriority(TThreadPriority value);
    // Shown by debuggers and ps; cut to 15 bytes.
    const std::string& Name() const { return FName; }
    void SetName(const std::string& value);
    // The kernel's thread id, 0 before the thread runs.
    uint32_t ThreadID() const { return FThreadID; }

    int ReturnValue() const { return FReturnValue; }
    // The message of an exception that escaped Execute (caught, never rethrown).
    const std::string& FatalException() const { return FFatalException; }

    // The GUI-thread call service seen from a thread.
    static void Synchronize(const TThreadMethod& method) { CallInMainThread(method); }
    static void Queue(TThreadMethod method) { QueueInMainThread(std::move(method)); }
    static uint32_t CurrentThreadID();

protected:
    virtual void Execute() = 0;
    void SetReturnValue(int value) { FReturnValue = value; }

private:
    void Run();
    void ApplyPriority();
    void ApplyName();

    std::thread FThread;
    TEvent FDone{true, false};
    std::atomic<bool> FTerminated{false};
    std::atomic<bool> FStarted{false};
    std::atomic<bool> FFinished{false};
    std::atomic<uint32_t> FThreadID{0};
    TThreadPriority FPriority = TThreadPriority::tpNormal;
    std::string FName;
    int FReturnValue = 0;
    std::string FFatalException;
};

// Applies a priority to the calling thread.
void SetCurrentThreadPriority(TThreadPriority priority);
