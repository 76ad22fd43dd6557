#pragma once

#include "skin/controls/TlxSkinPanel.h"

// A bottom-aligned panel drawn from the description "statusbar", with an
// optional size grip in its bottom-right corner: a press on the grip sizes the
// form in the window system's size loop. The grip shows only while both
// SizeGrip and ShowGrip are on; the form's skinning turns ShowGrip off while
// the form is maximized.
class TlxSkinStatusBar : public TlxSkinPanel {
public:
    explicit TlxSkinStatusBar(TComponent* AOwner);

    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool Value);
    bool ShowGrip() const { return FShowGrip; }
    void SetShowGrip(bool Value);
    // Every windowed skinned child follows the same skin.
    void SetSkinData(TlxSkinData* Value) override;

    // The grip's rectangle in client coordinates; empty while it is hidden.
    TRect GripRect();

protected:
    void AdjustClientRect(TRect& Rect) override;
    void GetSkinData() override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void Dispatch(TMessage& Message) override;

    // Copies of the panel description.
    TRect GripperRect;
    bool GripperTransparent = false;
    TColor GripperTransparentColor = clNone;

private:
    bool GripOn() const { return FSizeGrip && FShowGrip; }
    // The built-in grip: diagonal pairs of a shadow and a light line.
    void DrawGrip(TCanvas& C, const TRect& R, TColor Light, TColor Shadow);

    bool FSizeGrip = false;
    bool FShowGrip = true;
};
