#pragma once

#include "platform/vcl/TComponent.h"

#include <cstdint>

// Raises OnTimer every Interval milliseconds while Enabled, on the GUI
// thread's loop (the virtual clock in tests). It runs with a positive
// interval once the window system is up; a handler may be set at any time.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    uint32_t Interval() const { return FInterval; }
    void SetInterval(uint32_t Value);
    TNotifyEvent OnTimer;

    void Loaded() override;

protected:
    virtual void Timer();

private:
    void UpdateTimer();
    void Stop();

    bool FEnabled = true;
    uint32_t FInterval = 1000;
    uintptr_t FTimerId = 0;
};
