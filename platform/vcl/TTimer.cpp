#include "platform/vcl/TTimer.h"

#include "platform/vcl/TApplication.h"

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
    UpdateTimer();
}

TTimer::~TTimer() {
    Stop();
}

void TTimer::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    FEnabled = Value;
    UpdateTimer();
}

void TTimer::SetInterval(uint32_t Value) {
    if (FInterval == Value) return;
    FInterval = Value;
    UpdateTimer();
}

void TTimer::Loaded() {
    TComponent::Loaded();
    UpdateTimer();
}

void TTimer::Stop() {
    if (FTimerId && WindowSystemReady()) KillTimer(nullptr, FTimerId);
    FTimerId = 0;
}

void TTimer::UpdateTimer() {
    Stop();
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
    if (!FEnabled || FInterval == 0 || !WindowSystemReady()) return;
    FTimerId = SetTimer(nullptr, 0, FInterval, [this](HWND, uintptr_t, uint64_t) {
        TKeepAlive alive(this);
        try {
            Timer();
        } catch (...) {
            if (Application) Application->HandleException(this);
        }
    });
}

void TTimer::Timer() {
    if (FEnabled && OnTimer) OnTimer(this);
}
