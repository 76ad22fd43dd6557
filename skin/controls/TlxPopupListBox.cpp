#include "skin/controls/TlxPopupListBox.h"

#include "platform/win/WinApi.h"
#include "skin/controls/TlxSkinCustomComboBox.h"

#include <algorithm>

namespace {
constexpr uintptr_t FadeTimer = 2;
// A little over the 5 ms a step of the fade waits.
constexpr uint32_t FadeIntervalMs = 6;
} // namespace

TlxPopupListBox::TlxPopupListBox(TComponent* AOwner) : TlxSkinListBox(AOwner) {
    SetControlStyle(ControlStyle() + csAcceptsControls + csNoDesignVisible + csReplicatable);
    FVisible = false;
}

void TlxPopupListBox::CreateParams(TCreateParams& Params) {
    TlxSkinListBox::CreateParams(Params);
    Params.Style = WS_POPUP | WS_CLIPCHILDREN;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    Params.ClassStyle |= CS_SAVEBITS;
    Params.WndParent = nullptr;
}

void TlxPopupListBox::SetAlpha(Byte Value) {
    FCurrentAlpha = Value;
    if (HandleAllocated()) SetLayeredWindowAttributes(WindowHandle(), clNone, Value, LWA_ALPHA);
}

void TlxPopupListBox::Show(TPoint Origin) {
    auto* combo = dynamic_cast<TlxSkinCustomComboBox*>(Owner());
    SetBounds(Origin.X, Origin.Y, Width(), Height());
    HandleNeeded();
    KillTimer(WindowHandle(), FadeTimer);
    // A final alpha of 0 would show nothing at all: such a list is opaque.
    const bool blend = combo && combo->AlphaBlend() && combo->AlphaBlendValue() > 0;
    if (blend != FOldAlphaBlend) {
        const auto ex = static_cast<uint32_t>(GetWindowLongPtr(WindowHandle(), GWL_EXSTYLE));
        SetWindowLongPtr(WindowHandle(), GWL_EXSTYLE, blend ? (ex | WS_EX_LAYERED) : (ex & ~WS_EX_LAYERED));
        FOldAlphaBlend = blend;
    }
    FTargetAlpha = blend ? combo->AlphaBlendValue() : 255;
    const bool fade = blend && combo->AlphaBlendAnimation();
    if (blend) SetAlpha(fade ? 0 : FTargetAlpha);
    FCurrentAlpha = fade ? 0 : FTargetAlpha;
    SetWindowPos(WindowHandle(), HWND_TOP, Origin.X, Origin.Y, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    FVisible = true;
    if (!fade) return;
    // Fifteen steps to the final alpha (steps of 1 below 15), the first at
    // once, the rest on a timer: the program stays responsive meanwhile.
    FFadeStep = std::max(FTargetAlpha / 15, 1);
    FadeStep();
    if (FCurrentAlpha < FTargetAlpha) SetTimer(WindowHandle(), FadeTimer, FadeIntervalMs);
}

void TlxPopupListBox::FadeStep() {
    SetAlpha(static_cast<Byte>(std::min<int>(FCurrentAlpha + FFadeStep, FTargetAlpha)));
    if (FCurrentAlpha >= FTargetAlpha && HandleAllocated()) KillTimer(WindowHandle(), FadeTimer);
}

void TlxPopupListBox::Hide() {
    if (HandleAllocated()) {
        KillTimer(WindowHandle(), FadeTimer);
        SetWindowPos(WindowHandle(), nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    }
    FVisible = false;
}

void TlxPopupListBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_MOUSEACTIVATE:
        Message.Result = MA_NOACTIVATE;
        return;
    case WM_TIMER:
        if (Message.WParam == FadeTimer) {
            FadeStep();
            return;
        }
        break;
    }
    TlxSkinListBox::WndProc(Message);
}
