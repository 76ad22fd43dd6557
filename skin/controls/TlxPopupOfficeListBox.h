#pragma once

#include "skin/controls/TlxSkinOfficeListBox.h"

#include <algorithm>
#include <cstdint>

// How the popup list blends with the screen: its owner's (the office combo
// box's) alpha settings at the moment it opens.
struct TlxPopupAlpha {
    bool AlphaBlend = false;
    uint8_t AlphaBlendValue = 255;
    bool AlphaBlendAnimation = false;
};

// The office list as a drop-down window: a top-level tool window that never
// takes activation or the focus. With AlphaBlend it is layered at
// AlphaBlendValue; with AlphaBlendAnimation it fades in from 0, one step of
// AlphaBlendValue div 15 (at least 1) every 6 ms on a timer, the first step
// at once, so the program's loop runs on while it fades.
class TlxPopupOfficeListBox : public TlxSkinOfficeListBox {
public:
    explicit TlxPopupOfficeListBox(TComponent* AOwner);

    // Shows the list with its top-left at Origin (screen coordinates) on top
    // of the other windows, without activating it.
    void Show(TPoint Origin, const TlxPopupAlpha& Alpha = {});
    void Hide();
    // The alpha last applied to the window (255 while not layered).
    uint8_t WindowAlpha() const { return FWindowAlpha; }
    bool Fading() const { return FFading; }
    // The step of a fade to Value.
    static int FadeStep(int Value) { return std::max(1, Value / 15); }

protected:
    void CreateParams(TCreateParams& Params) override;
    void Dispatch(TMessage& Message) override;

private:
    void ApplyAlpha(uint8_t Alpha);
    void FadeStepNow();
    void StopFade();

    bool FOldAlphaBlend = false;
    uint8_t FOldAlphaBlendValue = 0;
    uint8_t FWindowAlpha = 255;
    uint8_t FFadeTarget = 255;
    bool FFading = false;
};
