#pragma once

#include "skin/controls/TlxSkinControl.h"
#include "skin/controls/TlxSkinCustomBase.h"

// The windowed skinned control with the picture model that almost every
// concrete control uses: its image grown from the description, its window
// region cut from the description's mask, and the frame path of the panels.
class TlxSkinCustomControl : public TlxSkinCustomBase<TlxSkinControl> {
public:
    explicit TlxSkinCustomControl(TComponent* AOwner);

    // The frame path is taken for a nine-part description.
    bool ForceBackground() const { return FForceBackground; }
    // Tells every child that its background changed (WM_CHECKPARENTBG).
    void CheckControlsBackground();

protected:
    // Rebuilds the window region from the mask for the current size, or
    // removes the one the window holds when there is no mask any more.
    virtual void SetControlRegion();

    void CreateWnd() override;
    void DrawControl() override;
    void CreateSkinControlImage(TBitmap& B, TBitmap* P, const TRect& R) override;
    void BoundsSet(bool Changed) override;
    void SkinApplied() override;

    // Frame path: a nine-part skin painted as four border strips straight
    // onto the canvas, the client area filled from the skin's client part.
    bool FForceBackground = false;
    bool FDrawbackground = true;

    // The description's client part into Dest: tiled from Dest's top-left,
    // or stretched by StretchType; the button face when the skin has none.
    void PaintSkinClient(TCanvas& C, const TRect& Dest);

private:
    void PaintFrame();

    // The window holds a region this control gave it.
    bool FRegionSet = false;
};
