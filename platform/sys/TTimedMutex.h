#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

// A recursive mutex whose lock can give up after a time limit
// (callers that must not hang, e.g. reading shared data with a 100 ms limit).
class TTimedMutex {
public:
    TTimedMutex() = default;
    TTimedMutex(const TTimedMutex&) = delete;
    TTimedMutex& operator=(const TTimedMutex&) = delete;

    // Negative timeout waits for ever. True when the lock was taken.
    bool Lock(int timeoutMs = -1) {
        std::unique_lock lock(FMutex);
        const auto me = std::this_thread::get_id();
        if (FCount > 0 && FOwner == me) {
            ++FCount;
            return true;
        }
        auto free = [this] { return FCount == 0; };
        if (timeoutMs < 0)
            FFree.wait(lock, free);
        else if (!FFree.wait_for(lock, std::chrono::milliseconds(timeoutMs), free))
            return false;
        FOwner = me;
        FCount = 1;
        return true;
    }
    // Only the owner unlocks.
    void Unlock() {
        std::lock_guard lock(FMutex);
        if (FCount == 0 || FOwner != std::this_thread::get_id()) return;
        if (--FCount == 0) {
            FOwner = {};
            FFree.notify_one();
        }
    }

    void lock() { Lock(-1); }
    void unlock() { Unlock(); }
    bool try_lock() { return Lock(0); }

private:
    std::mutex FMutex;
    std::condition_variable FFree;
    std::thread::id FOwner;
    int FCount = 0;
};
