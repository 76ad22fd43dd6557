#pragma once

#include "skin/controls/TlxSkinCustomListBox.h"

// The drop-down list of the skinned combo box: a skinned list in a popup
// window of its own that never takes activation or the focus. Shown at a
// screen point; with the owner's AlphaBlend it is translucent and, with
// AlphaBlendAnimation, fades in on a timer from fully transparent.
class TlxPopupListBox : public TlxSkinListBox {
public:
    explicit TlxPopupListBox(TComponent* AOwner);

    // Shows the list with its top-left corner at Origin (screen coordinates).
    void Show(TPoint Origin);
    void Hide();
    // The alpha the window shows now (255 when opaque).
    Byte CurrentAlpha() const { return FCurrentAlpha; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void WndProc(TMessage& Message) override;

private:
    void SetAlpha(Byte Value);
    void FadeStep();

    bool FOldAlphaBlend = false;
    Byte FCurrentAlpha = 255;
    Byte FTargetAlpha = 255;
    int FFadeStep = 0;
};
