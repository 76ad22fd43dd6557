#pragma once

#include "platform/vcl/TComponent.h"
#include "skin/engine/TlxBitmap.h"

#include <memory>

class TBitmap;
class TTimer;
class TWinControl;
class TlxLayerWindow;

// Bmp := Image (opaque) with its alpha taken from the grey of Mask.
void CreateAlphaBitmap(const TBitmap* Image, const TBitmap* Mask, TlxBitmap* Bmp);
// Bmp as the whole content of Control's layered window at the control's
// position, with the constant alpha Alpha and Bmp's own alpha. Nothing when
// the window system offers no layered windows.
void UpdateLayeredWindowBmp(TlxBitmap* Bmp, Byte Alpha, TWinControl* Control);

// Shows a picture with alpha at a screen position as a layered window that
// never takes the focus and lets the mouse through, fades it in on a 25 ms
// timer, and hides it again. GUI thread only. Where the window system offers
// no layered windows nothing is shown.
class TlxLayerManager : public TComponent {
public:
    explicit TlxLayerManager(TComponent* AOwner);
    ~TlxLayerManager() override;

    // AImage with the alpha of AImageMask at X, Y (screen), faded in to
    // AAlphaBlendValue in steps of a tenth of it (at least 1). A shown
    // picture is hidden first.
    void Show(int X, int Y, const TBitmap* AImage, const TBitmap* AImageMask, int AAlphaBlendValue);
    // Stops the fade, frees the picture, hides and frees the window.
    void Hide();
    void StartTimer();
    void StopTimer();

    TlxLayerWindow* LayerWindow = nullptr;
    std::unique_ptr<TlxBitmap> Bmp;
    TTimer* Timer = nullptr;
    int EndAlphaBlendValue = 0;
    int BeginAlphaBlendValue = 0;
    int StepAlphaBlendValue = 0;
    bool IsVisible = false;
    bool TopMostMode = true;

private:
    void FadeStep();
};
