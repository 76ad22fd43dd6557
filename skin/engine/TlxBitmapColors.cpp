// Hue, saturation and lightness adjustments of TlxBitmap.
#include "platform/base/Math.h"
#include "skin/engine/TlxBitmap.h"

#include <algorithm>
#include <cmath>

namespace {

struct THsl {
    double H = 0, S = 0, L = 0;
};

THsl ToHsl(TlxColor c) {
    const double r = ((c >> 16) & 0xFF) / 255.0, g = ((c >> 8) & 0xFF) / 255.0, b = (c & 0xFF) / 255.0;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    THsl out;
    out.L = (mx + mn) / 2;
    if (mx == mn) return out;
    const double d = mx - mn;
    out.S = out.L < 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
    double h;
    if (mx == r)
        h = (g - b) / d;
    else if (mx == g)
        h = 2 + (b - r) / d;
    else
        h = 4 + (r - g) / d;
    h /= 6;
    if (h < 0) h += 1;
    if (h >= 1) h -= 1;
    out.H = h;
    return out;
}

double HueValue(double m1, double m2, double h) {
    h -= std::floor(h);
    if (h < 1.0 / 6) return m1 + (m2 - m1) * 6 * h;
    if (h < 0.5) return m2;
    if (h < 2.0 / 3) return m1 + (m2 - m1) * (2.0 / 3 - h) * 6;
    return m1;
}

TlxColor FromHsl(const THsl& c, TlxColor alpha) {
    auto channel = [](double v) { return TlxColor(std::clamp<Int64>(Round(255 * v), 0, 255)); };
    if (c.S == 0) {
        TlxColor v = channel(c.L);
        return alpha | (v << 16) | (v << 8) | v;
    }
    const double m2 = c.L <= 0.5 ? c.L * (1 + c.S) : c.L + c.S - c.L * c.S;
    const double m1 = 2 * c.L - m2;
    return alpha | (channel(HueValue(m1, m2, c.H + 1.0 / 3)) << 16) | (channel(HueValue(m1, m2, c.H)) << 8) |
           channel(HueValue(m1, m2, c.H - 1.0 / 3));
}

// nearest(v * 255) + Delta wrapped back into 0..255 by 255, as a fraction.
double Wrapped(double v, int Delta) {
    Int64 n = Round(v * 255) + Delta;
    if (n >= 256) n -= 255;
    if (n < 0) n += 255;
    return n / 255.0;
}

template <class F> void ForVisible(TlxBitmap& b, F f) {
    if (b.Empty()) return;
    TlxColor* p = b.Bits();
    for (int i = 0, n = b.Width() * b.Height(); i < n; ++i)
        if (p[i] >> 24) p[i] = f(p[i]);
}

} // namespace

void TlxBitmap::ChangeBitmapBrightness(int DeltaBrightness) {
    if (DeltaBrightness == 0) return;
    ForVisible(*this, [&](TlxColor c) {
        return MakeBitmapColor(int((c >> 16) & 0xFF) + DeltaBrightness,
                               int((c >> 8) & 0xFF) + DeltaBrightness, int(c & 0xFF) + DeltaBrightness,
                               int(c >> 24));
    });
}

void TlxBitmap::SetBitmapHue(int Hue) {
    const double h = std::clamp(Hue, 0, 255) / 255.0;
    ForVisible(*this, [&](TlxColor c) {
        THsl v = ToHsl(c);
        v.H = h;
        return FromHsl(v, c & 0xFF000000u);
    });
}

void TlxBitmap::ChangeBitmapHue(int DeltaHue) {
    if (DeltaHue == 0) return;
    ForVisible(*this, [&](TlxColor c) {
        THsl v = ToHsl(c);
        v.H = Wrapped(v.H, DeltaHue);
        return FromHsl(v, c & 0xFF000000u);
    });
}

void TlxBitmap::ChangeBitmapSat(int DeltaSat) {
    if (DeltaSat == 0) return;
    ForVisible(*this, [&](TlxColor c) {
        THsl v = ToHsl(c);
        v.S = Wrapped(v.S, DeltaSat);
        return FromHsl(v, c & 0xFF000000u);
    });
}
