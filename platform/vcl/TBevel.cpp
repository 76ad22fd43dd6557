#include "platform/vcl/TBevel.h"

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle.Include(csReplicatable);
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape Value) {
    if (FShape == Value) return;
    FShape = Value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    Invalidate();
}

void TBevel::BevelRect(const TRect& R, TColor Color1, TColor Color2) {
    TCanvas* c = Canvas();
    c->Pen()->SetColor(Color1);
    const TPoint first[] = {{R.Left, R.Bottom}, {R.Left, R.Top}, {R.Right, R.Top}};
    c->Polyline(first);
    c->Pen()->SetColor(Color2);
    const TPoint second[] = {{R.Right, R.Top}, {R.Right, R.Bottom}, {R.Left, R.Bottom}};
    c->Polyline(second);
}

void TBevel::BevelLine(TColor C, int X1, int Y1, int X2, int Y2) {
    TCanvas* c = Canvas();
    c->Pen()->SetColor(C);
    c->MoveTo(X1, Y1);
    c->LineTo(X2, Y2);
}

void TBevel::Paint() {
    PaintShape(clBtnShadow, clBtnHighlight);
}

void TBevel::PaintShape(TColor Dark, TColor Light) {
    TCanvas* c = Canvas();
    c->Pen()->SetWidth(1);
    c->Pen()->SetStyle(psSolid);
    TColor color1 = FStyle == bsLowered ? Dark : Light;
    TColor color2 = FStyle == bsLowered ? Light : Dark;
    const int w = FWidth, h = FHeight;
    switch (FShape) {
    case bsBox:
        BevelRect({0, 0, w - 1, h - 1}, color1, color2);
        break;
    case bsFrame:
        // The outer edge in the first colour, the inner one in the second, offset by a pixel.
        BevelRect({1, 1, w - 1, h - 1}, color2, color2);
        BevelRect({0, 0, w - 2, h - 2}, color1, color1);
        break;
    case bsTopLine:
        BevelLine(color1, 0, 0, w, 0);
        BevelLine(color2, 0, 1, w, 1);
        break;
    case bsBottomLine:
        BevelLine(color1, 0, h - 2, w, h - 2);
        BevelLine(color2, 0, h - 1, w, h - 1);
        break;
    case bsLeftLine:
        BevelLine(color1, 0, 0, 0, h);
        BevelLine(color2, 1, 0, 1, h);
        break;
    case bsRightLine:
        BevelLine(color1, w - 2, 0, w - 2, h);
        BevelLine(color2, w - 1, 0, w - 1, h);
        break;
    case bsSpacer:
        break;
    }
}
