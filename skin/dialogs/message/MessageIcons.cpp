#include "skin/dialogs/message/MessageIcons.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace {

struct TVec {
    double X, Y;
};

TVec operator-(TVec A, TVec B) {
    return {A.X - B.X, A.Y - B.Y};
}
double Dot(TVec A, TVec B) {
    return A.X * B.X + A.Y * B.Y;
}
double Length(TVec A) {
    return std::sqrt(Dot(A, A));
}

// Signed distances (negative inside) of the shapes the icons are made of.
double CircleDistance(TVec P, TVec C, double R) {
    return Length(P - C) - R;
}

double SegmentDistance(TVec P, TVec A, TVec B) {
    TVec pa = P - A, ba = B - A;
    double h = std::clamp(Dot(pa, ba) / Dot(ba, ba), 0.0, 1.0);
    return Length({pa.X - ba.X * h, pa.Y - ba.Y * h});
}

// A stroke of half-width R with round ends.
double CapsuleDistance(TVec P, TVec A, TVec B, double R) {
    return SegmentDistance(P, A, B) - R;
}

double TriangleDistance(TVec P, TVec A, TVec B, TVec C) {
    const TVec v[3] = {A, B, C};
    double d = 1e9;
    double sign = 1;
    for (int i = 0, j = 2; i < 3; j = i++) {
        d = std::min(d, SegmentDistance(P, v[j], v[i]));
        // Crossing test of a ray to the right: odd means inside.
        bool c1 = P.Y >= v[i].Y,
             c2 = P.Y<v[j].Y, c3 = (v[j].X - v[i].X) * (P.Y - v[i].Y)>(v[j].Y - v[i].Y) * (P.X - v[i].X);
        if ((c1 && c2 && c3) || (!c1 && !c2 && !c3)) sign = -sign;
    }
    return sign * d;
}

struct TRgb {
    double R, G, B;
};

// One layer: where it lies (distance <= 0) and its colour at a point.
struct TLayer {
    std::function<double(TVec)> Distance;
    std::function<TRgb(TVec)> Color;
};

// A vertical gradient over the icon's height.
std::function<TRgb(TVec)> Gradient(TRgb Top, TRgb Bottom) {
    return [=](TVec P) {
        double t = std::clamp((P.Y - 2) / 28.0, 0.0, 1.0);
        return TRgb{Top.R + (Bottom.R - Top.R) * t, Top.G + (Bottom.G - Top.G) * t,
                    Top.B + (Bottom.B - Top.B) * t};
    };
}

std::function<TRgb(TVec)> Plain(TRgb C) {
    return [=](TVec) { return C; };
}

// The layers composed source-over, each pixel sampled 4 x 4 times for
// smooth edges.
TBitmap Compose(const std::vector<TLayer>& Layers) {
    TBitmap b(MessageIconSize, MessageIconSize);
    b.SetPixelFormat(pf32bit);
    b.SetAlphaFormat(afDefined);
    constexpr int n = 4;
    for (int y = 0; y < MessageIconSize; ++y) {
        uint32_t* row = b.ScanLine(y);
        for (int x = 0; x < MessageIconSize; ++x) {
            double a = 0, r = 0, g = 0, bl = 0; // premultiplied
            const TVec centre{x + 0.5, y + 0.5};
            for (const TLayer& layer : Layers) {
                int inside = 0;
                for (int sy = 0; sy < n; ++sy)
                    for (int sx = 0; sx < n; ++sx)
                        if (layer.Distance({x + (sx + 0.5) / n, y + (sy + 0.5) / n}) <= 0) ++inside;
                if (inside == 0) continue;
                const double la = double(inside) / (n * n);
                const TRgb c = layer.Color(centre);
                r = c.R * la + r * (1 - la);
                g = c.G * la + g * (1 - la);
                bl = c.B * la + bl * (1 - la);
                a = la + a * (1 - la);
            }
            auto byte = [](double v) {
                return static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 255.0)));
            };
            if (a <= 0) {
                row[x] = 0;
                continue;
            }
            row[x] = byte(a * 255) << 24 | byte(r / a) << 16 | byte(g / a) << 8 | byte(bl / a);
        }
    }
    return b;
}

constexpr TRgb White{255, 255, 255};

// A round badge: a darker rim, a gradient face.
void Badge(std::vector<TLayer>& L, TRgb Rim, TRgb Top, TRgb Bottom) {
    L.push_back({[](TVec p) { return CircleDistance(p, {16, 16}, 14.5); }, Plain(Rim)});
    L.push_back({[](TVec p) { return CircleDistance(p, {16, 16}, 13.3); }, Gradient(Top, Bottom)});
}

std::vector<TLayer> WarningLayers() {
    std::vector<TLayer> L;
    const TVec a{16, 4}, b{29, 27.5}, c{3, 27.5};
    // Rounded corners: the triangle grown by the rounding radius.
    L.push_back({[=](TVec p) { return TriangleDistance(p, a, b, c) - 1.8; }, Plain({178, 116, 0})});
    L.push_back({[=](TVec p) { return TriangleDistance(p, a, b, c) - 0.6; },
                 Gradient({255, 222, 89}, {245, 176, 21})});
    const TRgb ink{51, 38, 0};
    L.push_back({[](TVec p) { return CapsuleDistance(p, {16, 11.5}, {16, 19.5}, 1.7); }, Plain(ink)});
    L.push_back({[](TVec p) { return CircleDistance(p, {16, 23.8}, 1.9); }, Plain(ink)});
    return L;
}

std::vector<TLayer> ErrorLayers() {
    std::vector<TLayer> L;
    Badge(L, {150, 22, 22}, {240, 86, 72}, {196, 32, 32});
    L.push_back({[](TVec p) { return CapsuleDistance(p, {11, 11}, {21, 21}, 1.9); }, Plain(White)});
    L.push_back({[](TVec p) { return CapsuleDistance(p, {21, 11}, {11, 21}, 1.9); }, Plain(White)});
    return L;
}

std::vector<TLayer> InformationLayers() {
    std::vector<TLayer> L;
    Badge(L, {22, 74, 156}, {92, 160, 240}, {32, 98, 196});
    L.push_back({[](TVec p) { return CircleDistance(p, {16, 9.6}, 2.2); }, Plain(White)});
    L.push_back({[](TVec p) { return CapsuleDistance(p, {16, 14.6}, {16, 23.4}, 1.9); }, Plain(White)});
    return L;
}

std::vector<TLayer> QuestionLayers() {
    std::vector<TLayer> L;
    Badge(L, {22, 74, 156}, {92, 160, 240}, {32, 98, 196});
    // The hook: an arc from the left over the top down to the lower right,
    // then a stroke down to the stem's foot, and the dot.
    const TVec centre{16, 12};
    const double radius = 4.4, half = 1.8;
    const double from = 165 * std::numbers::pi / 180, to = 60 * std::numbers::pi / 180;
    const TVec start{centre.X + radius * std::cos(from), centre.Y + radius * std::sin(from)};
    const TVec end{centre.X + radius * std::cos(to), centre.Y + radius * std::sin(to)};
    L.push_back({[=](TVec p) {
                     TVec d = p - centre;
                     // Angles with y pointing down: the arc leaves out the
                     // lower left, between "to" and "from".
                     double angle = std::atan2(d.Y, d.X);
                     bool onArc = angle <= to || angle >= from;
                     double arc = onArc ? std::abs(Length(d) - radius) - half : 1e9;
                     double caps =
                         std::min(CircleDistance(p, start, half), CapsuleDistance(p, end, {16, 19.8}, half));
                     return std::min(arc, caps);
                 },
                 Plain(White)});
    L.push_back({[](TVec p) { return CircleDistance(p, {16, 24.2}, 2.0); }, Plain(White)});
    return L;
}

} // namespace

TBitmap MessageDialogIcon(TMsgDlgType Type) {
    switch (Type) {
    case mtWarning:
        return Compose(WarningLayers());
    case mtError:
        return Compose(ErrorLayers());
    case mtInformation:
        return Compose(InformationLayers());
    case mtConfirmation:
        return Compose(QuestionLayers());
    case mtCustom:
        break;
    }
    return {};
}
