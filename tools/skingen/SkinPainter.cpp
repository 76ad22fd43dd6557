#include "SkinPainter.h"

#include <algorithm>
#include <cmath>

namespace {

int Channel(TRgb c, int shift) {
    return int((c >> shift) & 0xFF);
}

TRgb Rgb(double r, double g, double b) {
    auto clamp = [](double v) { return uint32_t(std::clamp(int(std::lround(v)), 0, 255)); };
    return (clamp(r) << 16) | (clamp(g) << 8) | clamp(b);
}

double Linear(int channel) {
    const double v = channel / 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// Coverage of a pixel by a shape whose signed distance at its centre is d
// (negative inside): a one-pixel ramp across the edge.
double Coverage(double d) {
    return std::clamp(0.5 - d, 0.0, 1.0);
}

// Signed distance from (px, py) to a rounded rectangle.
double RoundRectDistance(double px, double py, double l, double t, double r, double b, double radius) {
    const double cx = (l + r) / 2, cy = (t + b) / 2;
    const double hx = (r - l) / 2 - radius, hy = (b - t) / 2 - radius;
    const double qx = std::abs(px - cx) - hx, qy = std::abs(py - cy) - hy;
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

double SegmentDistance(double px, double py, double x0, double y0, double x1, double y1) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double len = dx * dx + dy * dy;
    const double t = len == 0 ? 0 : std::clamp(((px - x0) * dx + (py - y0) * dy) / len, 0.0, 1.0);
    return std::hypot(px - (x0 + t * dx), py - (y0 + t * dy));
}

} // namespace

TRgb Mix(TRgb a, TRgb b, double t) {
    auto m = [&](int s) { return Channel(a, s) + (Channel(b, s) - Channel(a, s)) * t; };
    return Rgb(m(16), m(8), m(0));
}

TRgb Lighter(TRgb c, double t) {
    return Mix(c, 0xFFFFFF, t);
}

TRgb Darker(TRgb c, double t) {
    return Mix(c, 0x000000, t);
}

double Luminance(TRgb c) {
    return 0.2126 * Linear(Channel(c, 16)) + 0.7152 * Linear(Channel(c, 8)) + 0.0722 * Linear(Channel(c, 0));
}

double Contrast(TRgb a, TRgb b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TColor ToColor(TRgb c) {
    return TColor(((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));
}

void TSkinPainter::Blend(int x, int y, TRgb Color, double Alpha) {
    if (x < 0 || y < 0 || x >= B.Width() || y >= B.Height() || Alpha <= 0) return;
    uint32_t& p = B.ScanLine(y)[x];
    p = 0xFF000000u | (Alpha >= 1 ? Color : Mix(p & 0xFFFFFF, Color, Alpha));
}

void TSkinPainter::Fill(const TRect& R, TRgb Color) {
    for (int y = R.Top; y < R.Bottom; ++y)
        for (int x = R.Left; x < R.Right; ++x)
            Blend(x, y, Color, 1);
}

void TSkinPainter::VerticalGradient(const TRect& R, TRgb Top, TRgb Bottom) {
    const int h = R.Height();
    for (int y = R.Top; y < R.Bottom; ++y) {
        const TRgb c = Mix(Top, Bottom, h > 1 ? double(y - R.Top) / (h - 1) : 0);
        for (int x = R.Left; x < R.Right; ++x)
            Blend(x, y, c, 1);
    }
}

void TSkinPainter::Box(const TRect& R, const TBoxStyle& S) {
    const double l = R.Left, t = R.Top, r = R.Right, b = R.Bottom;
    const int h = R.Height();
    const double radius = std::min<double>(S.Radius, std::min(R.Width(), h) / 2.0);
    for (int y = R.Top; y < R.Bottom; ++y) {
        const double fy = h > 1 ? double(y - R.Top) / (h - 1) : 0;
        TRgb fill = Mix(S.Top, S.Bottom, fy);
        if (S.GlossAmount > 0 && fy < 0.5) fill = Mix(fill, S.Gloss, S.GlossAmount * (1 - fy * 2));
        for (int x = R.Left; x < R.Right; ++x) {
            const double d = RoundRectDistance(x + 0.5, y + 0.5, l, t, r, b, radius);
            const double outer = Coverage(d);
            if (outer <= 0) continue;
            // The border is the outermost pixel ring; the inner line the one inside it.
            const double inBorder = Coverage(d + 1);
            TRgb c = Mix(S.Border, fill, inBorder);
            if (S.InnerAmount > 0) {
                const double inInner = Coverage(d + 2) * (1 - Coverage(d + 3));
                if (y < R.Top + h / 2) c = Mix(c, S.Inner, S.InnerAmount * inInner);
            }
            Blend(x, y, c, outer);
        }
    }
}

void TSkinPainter::Line(double x0, double y0, double x1, double y1, double Width, TRgb Color) {
    const int l = int(std::floor(std::min(x0, x1) - Width)), r = int(std::ceil(std::max(x0, x1) + Width));
    const int t = int(std::floor(std::min(y0, y1) - Width)), b = int(std::ceil(std::max(y0, y1) + Width));
    for (int y = t; y <= b; ++y)
        for (int x = l; x <= r; ++x)
            Blend(x, y, Color, Coverage(SegmentDistance(x + 0.5, y + 0.5, x0, y0, x1, y1) - Width / 2));
}

void TSkinPainter::Triangle(double ax, double ay, double bx, double by, double cx, double cy, TRgb Color) {
    const int l = int(std::floor(std::min({ax, bx, cx}))) - 1, r = int(std::ceil(std::max({ax, bx, cx}))) + 1;
    const int t = int(std::floor(std::min({ay, by, cy}))) - 1, b = int(std::ceil(std::max({ay, by, cy}))) + 1;
    const double area = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
    for (int y = t; y <= b; ++y)
        for (int x = l; x <= r; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double e0 = (bx - ax) * (py - ay) - (by - ay) * (px - ax);
            const double e1 = (cx - bx) * (py - by) - (cy - by) * (px - bx);
            const double e2 = (ax - cx) * (py - cy) - (ay - cy) * (px - cx);
            const bool inside = area > 0 ? (e0 >= 0 && e1 >= 0 && e2 >= 0) : (e0 <= 0 && e1 <= 0 && e2 <= 0);
            double d =
                std::min({SegmentDistance(px, py, ax, ay, bx, by), SegmentDistance(px, py, bx, by, cx, cy),
                          SegmentDistance(px, py, cx, cy, ax, ay)});
            Blend(x, y, Color, Coverage(inside ? -d : d));
        }
}

void TSkinPainter::Disc(double cx, double cy, double r, TRgb Color) {
    for (int y = int(cy - r) - 1; y <= int(cy + r) + 1; ++y)
        for (int x = int(cx - r) - 1; x <= int(cx + r) + 1; ++x)
            Blend(x, y, Color, Coverage(std::hypot(x + 0.5 - cx, y + 0.5 - cy) - r));
}

void TSkinPainter::Ring(double cx, double cy, double r, double Width, TRgb Color) {
    for (int y = int(cy - r) - 1; y <= int(cy + r) + 1; ++y)
        for (int x = int(cx - r) - 1; x <= int(cx + r) + 1; ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            Blend(x, y, Color, Coverage(d - r) * (1 - Coverage(d - r + Width)));
        }
}

void TSkinPainter::Arrow(const TRect& R, TArrow D, int Size, TRgb Color) {
    const double cx = (R.Left + R.Right) / 2.0, cy = (R.Top + R.Bottom) / 2.0;
    const double a = Size / 2.0, h = Size / 4.0 + 0.5;
    switch (D) {
    case TArrow::Down:
        Triangle(cx - a, cy - h, cx + a, cy - h, cx, cy + h, Color);
        break;
    case TArrow::Up:
        Triangle(cx - a, cy + h, cx, cy - h, cx + a, cy + h, Color);
        break;
    case TArrow::Left:
        Triangle(cx + h, cy - a, cx + h, cy + a, cx - h, cy, Color);
        break;
    case TArrow::Right:
        Triangle(cx - h, cy - a, cx + h, cy, cx - h, cy + a, Color);
        break;
    }
}

void TSkinPainter::Check(const TRect& R, TRgb Color) {
    const double w = R.Width(), h = R.Height();
    const double x = R.Left, y = R.Top;
    Line(x + w * 0.24, y + h * 0.52, x + w * 0.43, y + h * 0.72, Weight + 0.3, Color);
    Line(x + w * 0.43, y + h * 0.72, x + w * 0.78, y + h * 0.30, Weight + 0.3, Color);
}

void TSkinPainter::Cross(const TRect& R, int Size, TRgb Color) {
    const double cx = (R.Left + R.Right) / 2.0, cy = (R.Top + R.Bottom) / 2.0, a = Size / 2.0;
    Line(cx - a, cy - a, cx + a, cy + a, Weight, Color);
    Line(cx - a, cy + a, cx + a, cy - a, Weight, Color);
}

void TSkinPainter::Minimize(const TRect& R, int Size, TRgb Color) {
    const int cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
    Fill({cx - Size / 2, cy + Size / 2 - 1, cx - Size / 2 + Size, cy + Size / 2 + 1}, Color);
}

void TSkinPainter::Maximize(const TRect& R, int Size, TRgb Color) {
    const int l = (R.Left + R.Right) / 2 - Size / 2, t = (R.Top + R.Bottom) / 2 - Size / 2;
    Fill({l, t, l + Size, t + 2}, Color);
    Fill({l, t, l + 1, t + Size}, Color);
    Fill({l + Size - 1, t, l + Size, t + Size}, Color);
    Fill({l, t + Size - 1, l + Size, t + Size}, Color);
}

void TSkinPainter::Restore(const TRect& R, int Size, TRgb Color) {
    const int s = Size - 3;
    const int l = (R.Left + R.Right) / 2 - Size / 2, t = (R.Top + R.Bottom) / 2 - Size / 2;
    // The back window: its top and right edges.
    Fill({l + 3, t, l + 3 + s, t + 2}, Color);
    Fill({l + 3 + s - 1, t, l + 3 + s, t + s}, Color);
    Fill({l + 3, t, l + 4, t + 3}, Color);
    // The front window.
    const int ft = t + 3;
    Fill({l, ft, l + s, ft + 2}, Color);
    Fill({l, ft, l + 1, ft + s}, Color);
    Fill({l + s - 1, ft, l + s, ft + s}, Color);
    Fill({l, ft + s - 1, l + s, ft + s}, Color);
}

void TSkinPainter::Grip(const TRect& R, bool Horizontal, TRgb Light, TRgb Dark) {
    const int cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
    for (int i = -2; i <= 2; ++i) {
        const int x = Horizontal ? cx + i * 3 : cx - 1, y = Horizontal ? cy - 1 : cy + i * 3;
        Fill({x, y, x + 2, y + 2}, Light);
        Fill({x, y, x + 1, y + 1}, Dark);
    }
}
