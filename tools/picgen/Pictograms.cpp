#include "Pictograms.h"

#include <cmath>

namespace {

// Coordinates on the 48-pixel design grid, placed into the target square.
struct TGrid {
    double X, Y, S;
    double x(double v) const { return X + v * S / 48; }
    double y(double v) const { return Y + v * S / 48; }
    double d(double v) const { return v * S / 48; }
    TRect r(double l, double t, double rr, double b) const {
        return {int(std::lround(x(l))), int(std::lround(y(t))), int(std::lround(x(rr))),
                int(std::lround(y(b)))};
    }
};

void Solid(TSkinPainter& P, const TRect& R, int Radius, TRgb Color) {
    TBoxStyle s;
    s.Top = s.Bottom = s.Border = Color;
    s.Radius = Radius;
    P.Box(R, s);
}

} // namespace

void DrawPictogram(TSkinPainter& P, TPictogram Kind, double X, double Y, double Size, TRgb C, TRgb Back) {
    const TGrid g{X, Y, Size};
    const int rad = int(std::lround(g.d(4)));
    switch (Kind) {
    case TPictogram::Film:
        Solid(P, g.r(8, 12, 40, 36), rad, C);
        for (int i = 0; i < 4; ++i) {
            Solid(P, g.r(11 + i * 7.5, 14, 15 + i * 7.5, 17), 0, Back);
            Solid(P, g.r(11 + i * 7.5, 31, 15 + i * 7.5, 34), 0, Back);
        }
        P.Triangle(g.x(20), g.y(19), g.x(20), g.y(29), g.x(29), g.y(24), Back);
        break;
    case TPictogram::Phone:
        Solid(P, g.r(15, 6, 33, 42), rad, C);
        Solid(P, g.r(17, 11, 31, 35), 0, Back);
        P.Disc(g.x(24), g.y(38.5), g.d(1.8), Back);
        break;
    case TPictogram::Tablet:
        Solid(P, g.r(8, 9, 40, 39), rad, C);
        Solid(P, g.r(11, 12, 37, 33), 0, Back);
        P.Disc(g.x(24), g.y(36), g.d(1.6), Back);
        break;
    case TPictogram::Player:
        Solid(P, g.r(13, 5, 35, 43), rad, C);
        Solid(P, g.r(16, 8, 32, 20), 0, Back);
        P.Ring(g.x(24), g.y(32), g.d(7.5), g.d(4), Back);
        break;
    case TPictogram::Console:
        Solid(P, g.r(5, 15, 43, 35), int(std::lround(g.d(10))), C);
        P.Line(g.x(12), g.y(25), g.x(20), g.y(25), g.d(3), Back);
        P.Line(g.x(16), g.y(21), g.x(16), g.y(29), g.d(3), Back);
        P.Disc(g.x(31), g.y(22), g.d(2.3), Back);
        P.Disc(g.x(36), g.y(27), g.d(2.3), Back);
        break;
    case TPictogram::Monitor:
        Solid(P, g.r(5, 8, 43, 34), rad, C);
        Solid(P, g.r(8, 11, 40, 31), 0, Back);
        Solid(P, g.r(21, 34, 27, 39), 0, C);
        Solid(P, g.r(14, 39, 34, 42), int(std::lround(g.d(1))), C);
        break;
    case TPictogram::Disc:
        P.Ring(g.x(24), g.y(24), g.d(18), g.d(12), C);
        P.Ring(g.x(24), g.y(24), g.d(4), g.d(1.5), C);
        break;
    case TPictogram::Note:
        P.Disc(g.x(16), g.y(35), g.d(6), C);
        P.Disc(g.x(34), g.y(31), g.d(6), C);
        P.Line(g.x(20.5), g.y(35), g.x(20.5), g.y(11), g.d(3), C);
        P.Line(g.x(38.5), g.y(31), g.x(38.5), g.y(7), g.d(3), C);
        P.Line(g.x(20.5), g.y(11), g.x(38.5), g.y(7), g.d(5), C);
        break;
    case TPictogram::Camera:
        Solid(P, g.r(6, 15, 32, 35), rad, C);
        P.Triangle(g.x(33), g.y(25), g.x(43), g.y(17), g.x(43), g.y(33), C);
        P.Disc(g.x(19), g.y(25), g.d(5.5), Back);
        P.Disc(g.x(19), g.y(25), g.d(3), C);
        break;
    case TPictogram::Flash:
        P.Triangle(g.x(28), g.y(5), g.x(13), g.y(28), g.x(25), g.y(28), C);
        P.Triangle(g.x(23), g.y(20), g.x(35), g.y(20), g.x(20), g.y(43), C);
        break;
    }
}

void DrawToolGlyph(TSkinPainter& P, TToolGlyph Kind, int Size) {
    const TGrid g{0, 0, double(Size) * 48 / 32}; // tool glyphs are designed on a 32-pixel grid
    const TRgb ink = 0x2B3A4F, green = 0x2E9B47, red = 0xC8383A, blue = 0x2F74C0, paper = 0xFFFFFF;
    auto sheet = [&](TRgb fold) {
        Solid(P, g.r(6, 3, 24, 29), 2, ink);
        Solid(P, g.r(7.5, 4.5, 22.5, 27.5), 1, paper);
        P.Triangle(g.x(17), g.y(4.5), g.x(22.5), g.y(4.5), g.x(22.5), g.y(10), fold);
    };
    auto badge = [&](TRgb color) { P.Disc(g.x(23), g.y(23), g.d(8), color); };
    switch (Kind) {
    case TToolGlyph::Add:
        sheet(0xD8DEE8);
        badge(green);
        P.Line(g.x(23), g.y(18.5), g.x(23), g.y(27.5), g.d(2.6), paper);
        P.Line(g.x(18.5), g.y(23), g.x(27.5), g.y(23), g.d(2.6), paper);
        break;
    case TToolGlyph::Remove:
        sheet(0xD8DEE8);
        badge(red);
        P.Line(g.x(18.5), g.y(23), g.x(27.5), g.y(23), g.d(2.6), paper);
        break;
    case TToolGlyph::Clear:
        Solid(P, g.r(9, 9, 25, 29), 2, ink);
        Solid(P, g.r(11, 11, 23, 27), 1, 0xE6EAF0);
        Solid(P, g.r(6, 6, 28, 9), 1, ink);
        Solid(P, g.r(13, 3, 21, 6), 1, ink);
        for (double x : {14.0, 17.0, 20.0})
            P.Line(g.x(x), g.y(13), g.x(x), g.y(25), g.d(1.4), ink);
        break;
    case TToolGlyph::Skin:
        P.Disc(g.x(16), g.y(16), g.d(13), ink);
        P.Disc(g.x(16), g.y(16), g.d(11.5), 0xF4EFE6);
        P.Disc(g.x(10), g.y(12), g.d(3), red);
        P.Disc(g.x(17), g.y(8.5), g.d(3), 0xE8B030);
        P.Disc(g.x(23.5), g.y(13), g.d(3), green);
        P.Disc(g.x(22), g.y(21), g.d(3), blue);
        P.Disc(g.x(11), g.y(21), g.d(3.5), ink);
        break;
    case TToolGlyph::WebSite:
        P.Disc(g.x(16), g.y(16), g.d(13), blue);
        P.Ring(g.x(16), g.y(16), g.d(13), g.d(1.5), ink);
        P.Line(g.x(3.5), g.y(16), g.x(28.5), g.y(16), g.d(1.4), paper);
        P.Line(g.x(16), g.y(3.5), g.x(16), g.y(28.5), g.d(1.4), paper);
        P.Ring(g.x(16), g.y(16), g.d(6.5), g.d(1.4), paper);
        break;
    case TToolGlyph::Options:
        for (int i = 0; i < 8; ++i) {
            const double a = i * 3.14159265358979 / 4;
            P.Line(g.x(16 + 9 * std::cos(a)), g.y(16 + 9 * std::sin(a)), g.x(16 + 13 * std::cos(a)),
                   g.y(16 + 13 * std::sin(a)), g.d(4.5), ink);
        }
        P.Disc(g.x(16), g.y(16), g.d(10), ink);
        P.Disc(g.x(16), g.y(16), g.d(4.5), paper);
        break;
    case TToolGlyph::Start:
    case TToolGlyph::Resume:
        P.Disc(g.x(16), g.y(16), g.d(13.5), Kind == TToolGlyph::Start ? green : blue);
        P.Triangle(g.x(12.5), g.y(9), g.x(12.5), g.y(23), g.x(24), g.y(16), paper);
        break;
    case TToolGlyph::Stop:
        P.Disc(g.x(16), g.y(16), g.d(13.5), red);
        Solid(P, g.r(10.5, 10.5, 21.5, 21.5), 1, paper);
        break;
    case TToolGlyph::Pause:
        P.Disc(g.x(16), g.y(16), g.d(13.5), 0xD98A1C);
        Solid(P, g.r(10.5, 9.5, 14.5, 22.5), 1, paper);
        Solid(P, g.r(17.5, 9.5, 21.5, 22.5), 1, paper);
        break;
    }
}
