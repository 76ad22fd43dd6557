#pragma once

#include "platform/base/Types.h"
#include "platform/gdi/TBitmap.h"

#include <cstdint>

// Anti-aliased drawing of the skins' shapes onto a 24-bit picture. Shapes are
// measured in pixels with edges on pixel boundaries, so straight edges stay
// crisp and only curves and slanted strokes get partial coverage. Colours
// are RGB values 0xRRGGBB.

using TRgb = uint32_t;

TRgb Mix(TRgb a, TRgb b, double t); // t = 0: a, t = 1: b
TRgb Lighter(TRgb c, double t);     // towards white
TRgb Darker(TRgb c, double t);      // towards black
// Relative luminance and the contrast ratio of two colours (1 to 21).
double Luminance(TRgb c);
double Contrast(TRgb a, TRgb b);
// The platform's colour value (0x00BBGGRR) of an RGB value.
TColor ToColor(TRgb c);

struct TBoxStyle {
    TRgb Top = 0, Bottom = 0; // the fill, a vertical gradient
    TRgb Border = 0;          // 1 pixel; equal to Top for none
    TRgb Gloss = 0;           // the upper half lightened towards this
    double GlossAmount = 0;   // 0: no gloss
    TRgb Inner = 0;           // a 1-pixel line inside the border at the top
    double InnerAmount = 0;   // 0: none
    int Radius = 0;
};

class TSkinPainter {
public:
    explicit TSkinPainter(TBitmap& Target, double GlyphWeight = 1.6) : B(Target), Weight(GlyphWeight) {}

    void Fill(const TRect& R, TRgb Color);
    void VerticalGradient(const TRect& R, TRgb Top, TRgb Bottom);
    // A rounded box inside R; pixels outside the corners keep what is there.
    void Box(const TRect& R, const TBoxStyle& Style);
    // A stroke from (x0, y0) to (x1, y1) of the given width, round-capped.
    void Line(double x0, double y0, double x1, double y1, double Width, TRgb Color);
    void Triangle(double ax, double ay, double bx, double by, double cx, double cy, TRgb Color);
    void Disc(double cx, double cy, double r, TRgb Color);
    void Ring(double cx, double cy, double r, double Width, TRgb Color);

    // Glyphs centred in R; check marks and crosses are stroked GlyphWeight wide.
    enum class TArrow { Left, Right, Up, Down };
    void Arrow(const TRect& R, TArrow Direction, int Size, TRgb Color);
    void Check(const TRect& R, TRgb Color);
    void Cross(const TRect& R, int Size, TRgb Color);
    void Minimize(const TRect& R, int Size, TRgb Color);
    void Maximize(const TRect& R, int Size, TRgb Color);
    void Restore(const TRect& R, int Size, TRgb Color);
    void Grip(const TRect& R, bool Horizontal, TRgb Light, TRgb Dark);

private:
    void Blend(int x, int y, TRgb Color, double Alpha);
    TBitmap& B;
    double Weight;
};
