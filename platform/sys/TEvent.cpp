#include "platform/sys/TEvent.h"

#include <chrono>

void TEvent::SetEvent() {
    {
        std::lock_guard lock(FMutex);
        FSignaled = true;
    }
    if (FManualReset)
        FCond.notify_all();
    else
        FCond.notify_one();
}

void TEvent::ResetEvent() {
    std::lock_guard lock(FMutex);
    FSignaled = false;
}

bool TEvent::IsSet() const {
    std::lock_guard lock(FMutex);
    return FSignaled;
}

TWaitResult TEvent::WaitFor(int timeoutMs) {
    std::unique_lock lock(FMutex);
    auto ready = [this] { return FSignaled; };
    if (timeoutMs < 0)
        FCond.wait(lock, ready);
    else if (!FCond.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready))
        return TWaitResult::wrTimeout;
    if (!FManualReset) FSignaled = false;
    return TWaitResult::wrSignaled;
}
