#pragma once

#include "platform/gdi/TCanvas.h"
#include "platform/vcl/TControl.h"

// A control without a window: its parent paints it on the parent's device
// context, clipped to its bounds, and hands it its mouse messages.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}

    // Usable while the control paints.
    TCanvas* Canvas() { return &FCanvas; }

protected:
    virtual void Paint() {}
    void WMPaint(TMessage& Message) override;

private:
    TCanvas FCanvas;
};
