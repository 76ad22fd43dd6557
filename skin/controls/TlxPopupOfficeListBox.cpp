#include "skin/controls/TlxPopupOfficeListBox.h"

#include <algorithm>

namespace {

constexpr uintptr_t FadeTimer = 1;
constexpr uint32_t FadeMs = 6; // "more than 5 ms" between steps

} // namespace

TlxPopupOfficeListBox::TlxPopupOfficeListBox(TComponent* AOwner) : TlxSkinOfficeListBox(AOwner) {
    FControlStyle.Include(csNoDesignVisible);
    SetVisible(false);
}

void TlxPopupOfficeListBox::CreateParams(TCreateParams& Params) {
    TlxSkinOfficeListBox::CreateParams(Params);
    Params.Style = WS_POPUP | WS_CLIPCHILDREN;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | (FOldAlphaBlend ? WS_EX_LAYERED : 0);
    Params.ClassStyle |= CS_SAVEBITS;
    Params.WndParent = nullptr;
}

void TlxPopupOfficeListBox::ApplyAlpha(uint8_t Alpha) {
    FWindowAlpha = Alpha;
    if (HandleAllocated()) SetLayeredWindowAttributes(WindowHandle(), clNone, Alpha, LWA_ALPHA);
}

void TlxPopupOfficeListBox::Show(TPoint Origin, const TlxPopupAlpha& Alpha) {
    StopFade();
    HandleNeeded();
    HWND wnd = WindowHandle();
    const intptr_t ex = GetWindowLongPtr(wnd, GWL_EXSTYLE);
    if (Alpha.AlphaBlend && !(ex & WS_EX_LAYERED)) SetWindowLongPtr(wnd, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    if (!Alpha.AlphaBlend && (ex & WS_EX_LAYERED)) {
        SetWindowLongPtr(wnd, GWL_EXSTYLE, ex & ~intptr_t(WS_EX_LAYERED));
        FWindowAlpha = 255;
    }
    FOldAlphaBlend = Alpha.AlphaBlend;
    const bool animate = Alpha.AlphaBlend && Alpha.AlphaBlendAnimation;
    if (Alpha.AlphaBlend && (FOldAlphaBlendValue != Alpha.AlphaBlendValue || animate)) {
        FOldAlphaBlendValue = animate ? 0 : Alpha.AlphaBlendValue;
        ApplyAlpha(FOldAlphaBlendValue);
    }
    SetBounds(Origin.X, Origin.Y, Width(), Height());
    SetWindowPos(wnd, HWND_TOP, Origin.X, Origin.Y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    SetVisible(true);
    if (!animate) return;
    FFadeTarget = Alpha.AlphaBlendValue;
    FFading = true;
    FadeStepNow();
    if (FFading) SetTimer(wnd, FadeTimer, FadeMs);
}

void TlxPopupOfficeListBox::FadeStepNow() {
    const int next = std::min<int>(FWindowAlpha + FadeStep(FFadeTarget), FFadeTarget);
    FOldAlphaBlendValue = static_cast<uint8_t>(next);
    ApplyAlpha(FOldAlphaBlendValue);
    if (next >= FFadeTarget) StopFade();
}

void TlxPopupOfficeListBox::StopFade() {
    if (FFading && HandleAllocated()) KillTimer(WindowHandle(), FadeTimer);
    FFading = false;
}

void TlxPopupOfficeListBox::Hide() {
    StopFade();
    if (HandleAllocated())
        SetWindowPos(WindowHandle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetVisible(false);
}

void TlxPopupOfficeListBox::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_MOUSEACTIVATE:
        Message.Result = MA_NOACTIVATE;
        return;
    case WM_TIMER:
        if (Message.WParam == FadeTimer) {
            if (FFading) FadeStepNow();
            return;
        }
        break;
    }
    TlxSkinOfficeListBox::Dispatch(Message);
}
