#pragma once

#include "platform/vcl/TGraphicControl.h"

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

// A windowless bevel: a sunken or raised box, frame or edge line in the
// button shadow and highlight colours; a spacer draws nothing.
class TBevel : public TGraphicControl {
public:
    explicit TBevel(TComponent* AOwner);

    TBevelShape Shape() const { return FShape; }
    void SetShape(TBevelShape Value);
    TBevelStyle Style() const { return FStyle; }
    void SetStyle(TBevelStyle Value);

protected:
    void Paint() override;
    // The shape in a dark and a light colour (lowered: dark at the top left).
    void PaintShape(TColor Dark, TColor Light);
    // Color1 from bottom-left up and across to top-right, Color2 back round.
    void BevelRect(const TRect& R, TColor Color1, TColor Color2);
    void BevelLine(TColor C, int X1, int Y1, int X2, int Y2);

    TBevelShape FShape = bsBox;
    TBevelStyle FStyle = bsLowered;
};
