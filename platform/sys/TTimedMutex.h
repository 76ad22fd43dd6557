#pragma once

#include <chrono>
#include <mutex>

// A recursive mutex whose lock can give up after a time limit
// (callers that must not hang, e.g. reading shared data with a 100 ms limit).
class TTimedMutex {
public:
    TTimedMutex() = default;
    TTimedMutex(const TTimedMutex&) = delete;
    TTimedMutex& operator=(const TTimedMutex&) = delete;

    // Negative timeout waits for ever. True when the lock was taken.
    bool Lock(int timeoutMs = -1) {
        if (timeoutMs < 0) {
            FMutex.lock();
            return true;
        }
        return FMutex.try_lock_for(std::chrono::milliseconds(timeoutMs));
    }
    void Unlock() { FMutex.unlock(); }

    void lock() { FMutex.lock(); }
    void unlock() { FMutex.unlock(); }
    bool try_lock() { return FMutex.try_lock(); }

private:
    std::recursive_timed_mutex FMutex;
};
