#pragma once

#include <condition_variable>
#include <mutex>

enum class TWaitResult { wrSignaled, wrTimeout };

// An event object. A manual-reset event stays signalled until ResetEvent;
// an auto-reset event releases one waiter and resets itself.
class TEvent {
public:
    explicit TEvent(bool manualReset = true, bool initialState = false)
        : FManualReset(manualReset), FSignaled(initialState) {}
    TEvent(const TEvent&) = delete;
    TEvent& operator=(const TEvent&) = delete;

    void SetEvent();
    void ResetEvent();
    // Negative timeout waits for ever.
    TWaitResult WaitFor(int timeoutMs = -1);
    bool IsSet() const;
    bool ManualReset() const { return FManualReset; }

private:
    const bool FManualReset;
    bool FSignaled;
    mutable std::mutex FMutex;
    std::condition_variable FCond;
};
