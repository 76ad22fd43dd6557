#include "skin/engine/TlxEffectBmp.h"

#include "platform/base/Math.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

uint8_t Clamp(double v) {
    return uint8_t(std::clamp<Int64>(Round(v), 0, 255));
}

double Limit(double Kf) {
    return std::clamp(Kf, 0.0, 1.0);
}

int Nearest(double v) {
    return int(Round(v));
}

TlxNoiseGenerator& SharedNoise() {
    static TlxNoiseGenerator gen{std::random_device{}()};
    return gen;
}

} // namespace

TlxEffectBmp::TlxEffectBmp(int cx, int cy) : FWidth(std::max(cx, 0)), FHeight(std::max(cy, 0)) {
    FBits.assign(size_t(RowBytes()) * FHeight, 0);
}

TlxEffectBmp TlxEffectBmp::CreateFromhWnd(const TBitmap& hBmp) {
    TlxEffectBmp e(hBmp.Width(), hBmp.Height());
    for (int y = 0; y < e.FHeight; ++y) {
        const uint32_t* row = hBmp.ScanLine(y);
        for (int x = 0; x < e.FWidth; ++x)
            e.SetPixel(x, y, row[x] & 0x00FFFFFFu);
    }
    return e;
}

uint32_t TlxEffectBmp::Pixel(int x, int y) const {
    const uint8_t* p = At(x, y);
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
}

void TlxEffectBmp::SetPixel(int x, int y, uint32_t rgb) {
    uint8_t* p = At(x, y);
    p[0] = uint8_t(rgb);
    p[1] = uint8_t(rgb >> 8);
    p[2] = uint8_t(rgb >> 16);
}

void TlxEffectBmp::GetScanLine(int y, uint8_t* Line) const {
    if (Line && FWidth > 0 && y >= 0 && y < FHeight) std::memcpy(Line, At(0, y), size_t(FWidth) * 3);
}

void TlxEffectBmp::ToBitmap(TBitmap& Dest) const {
    Dest.SetSize(FWidth, FHeight);
    for (int y = 0; y < FHeight; ++y) {
        uint32_t* row = Dest.ScanLine(y);
        for (int x = 0; x < FWidth; ++x)
            row[x] = 0xFF000000u | Pixel(x, y);
    }
}

void TlxEffectBmp::Draw(HDC hDC, int x, int y) const {
    DrawRect(hDC, x, y, 0, 0, FWidth, FHeight);
}

void TlxEffectBmp::Stretch(HDC hDC, int x, int y, int cx, int cy) const {
    if (!hDC || FWidth == 0 || FHeight == 0) return;
    TBitmap b;
    ToBitmap(b);
    TDeviceContext src(&b);
    StretchBlt(hDC, x, y, cx, cy, &src, 0, 0, FWidth, FHeight, SRCCOPY);
}

void TlxEffectBmp::DrawRect(HDC hDC, int hx, int hy, int x, int y, int cx, int cy) const {
    if (!hDC || FWidth == 0 || FHeight == 0) return;
    TBitmap b;
    ToBitmap(b);
    TDeviceContext src(&b);
    BitBlt(hDC, hx, hy, cx, cy, &src, x, y, SRCCOPY);
}

void TlxEffectBmp::Resize(TlxEffectBmp& Dst) const {
    if (FWidth == 0 || FHeight == 0) return;
    const double fx = double(Dst.FWidth - 1) / FWidth, fy = double(Dst.FHeight - 1) / FHeight;
    const int bw = Nearest(fx) + 1, bh = Nearest(fy) + 1;
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            const int left = Nearest(fx * x), top = Nearest(fy * y);
            const uint32_t p = Pixel(x, y);
            for (int yy = top; yy < top + bh; ++yy)
                for (int xx = left; xx < left + bw; ++xx)
                    if (xx >= 0 && yy >= 0 && xx < Dst.FWidth && yy < Dst.FHeight) Dst.SetPixel(xx, yy, p);
        }
}

void TlxEffectBmp::Mix(int x, int y, const TlxEffectBmp& BMP, int bx, int by, double t) {
    uint8_t* p = At(x, y);
    const uint8_t* q = BMP.At(bx, by);
    for (int c = 0; c < 3; ++c)
        p[c] = Clamp(t * p[c] + (1 - t) * q[c]);
}

// ---- Transitions

void TlxEffectBmp::Morph(const TlxEffectBmp& BMP, double Kf) {
    if (!SameSize(BMP)) return;
    Kf = Limit(Kf);
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            Mix(x, y, BMP, x, y, 1 - Kf);
}

void TlxEffectBmp::MorphRect(const TlxEffectBmp& BMP, double Kf, const TRect& Rct, int StartX, int StartY) {
    Kf = Limit(Kf);
    for (int y = std::max(Rct.Top, 0), by = StartY + (y - Rct.Top); y < std::min(Rct.Bottom, FHeight);
         ++y, ++by)
        for (int x = std::max(Rct.Left, 0), bx = StartX + (x - Rct.Left); x < std::min(Rct.Right, FWidth);
             ++x, ++bx)
            if (bx >= 0 && by >= 0 && bx < BMP.FWidth && by < BMP.FHeight) Mix(x, y, BMP, bx, by, 1 - Kf);
}

void TlxEffectBmp::CopyRect(const TlxEffectBmp& BMP, const TRect& Rct, int StartX, int StartY) {
    const int right = std::min(Rct.Right, FWidth - 1), bottom = std::min(Rct.Bottom, FHeight - 1);
    for (int y = std::max(Rct.Top, 0), by = StartY + (y - Rct.Top); y <= bottom; ++y, ++by)
        for (int x = std::max(Rct.Left, 0), bx = StartX + (x - Rct.Left); x <= right; ++x, ++bx)
            if (bx >= 0 && by >= 0 && bx < BMP.FWidth && by < BMP.FHeight) SetPixel(x, y, BMP.Pixel(bx, by));
}

void TlxEffectBmp::MorphHGrad(const TlxEffectBmp& BMP, double Kf) {
    if (!SameSize(BMP) || FWidth == 0) return;
    const int W = FWidth;
    const int b = Nearest(W * Kf), c = (W - b) / 2, d = b / 2;
    const double f = c != 0 ? 1.0 / c : 1;
    const int h = std::max(W / 2 - d, 0), e = std::min(W / 2 + d, W - 1);
    for (int y = 0; y < FHeight; ++y) {
        for (int x = h; x <= e; ++x)
            SetPixel(x, y, BMP.Pixel(x, y));
        double t = 0;
        for (int x = h; x >= 0; --x, t = std::min(t + f, 1.0))
            Mix(x, y, BMP, x, y, t);
        t = 0;
        for (int x = e; x < W; ++x, t = std::min(t + f, 1.0))
            Mix(x, y, BMP, x, y, t);
    }
}

void TlxEffectBmp::MorphVGrad(const TlxEffectBmp& BMP, double Kf) {
    if (!SameSize(BMP) || FHeight == 0) return;
    const int H = FHeight;
    const int b = Nearest(H * Kf), c = (H - b - 1) / 2, d = b / 2;
    const double f = c != 0 ? 1.0 / c : 0;
    const int h = std::max(H / 2 - d, 0), e = std::min(H / 2 + d, H - 1);
    for (int x = 0; x < FWidth; ++x) {
        for (int y = h; y <= e; ++y)
            SetPixel(x, y, BMP.Pixel(x, y));
        double t = 0;
        for (int y = h; y >= 0; --y, t = std::min(t + f, 1.0))
            Mix(x, y, BMP, x, y, t);
        t = 0;
        for (int y = e; y < H; ++y, t = std::min(t + f, 1.0))
            Mix(x, y, BMP, x, y, t);
    }
}

void TlxEffectBmp::MorphGrad(const TlxEffectBmp& BMP, double Kf) {
    if (FWidth < FHeight)
        MorphVGrad(BMP, Kf);
    else
        MorphHGrad(BMP, Kf);
}

void TlxEffectBmp::MorphLeftGrad(const TlxEffectBmp& BMP, double Kf) {
    if (!SameSize(BMP) || FWidth == 0) return;
    const int W = FWidth;
    const int b = std::min(std::max(Nearest(W * Kf), 1), W - 1);
    const double step = b > 0 ? 1.0 / b : 0;
    for (int y = 0; y < FHeight; ++y) {
        double t = 0;
        for (int x = 0; x <= b; ++x, t += step)
            Mix(x, y, BMP, x, y, std::min(t, 1.0));
    }
}

void TlxEffectBmp::MorphRightGrad(const TlxEffectBmp& BMP, double Kf) {
    if (!SameSize(BMP) || FWidth == 0) return;
    const int W = FWidth;
    const int c = std::clamp(W - Nearest(W * Kf), 0, W - 1);
    const double step = W - c > 0 ? 1.0 / (W - c) : 1;
    for (int y = 0; y < FHeight; ++y) {
        double t = 0;
        for (int x = W - 1; x >= c; --x, t += step)
            Mix(x, y, BMP, x, y, std::min(t, 1.0));
    }
}

void TlxEffectBmp::MorphPush(const TlxEffectBmp& BMP, double Kf) {
    if (!SameSize(BMP) || FWidth == 0) return;
    const int W = FWidth;
    const int b = std::clamp(Nearest(W * Kf), 0, W - 1);
    for (int y = 0; y < FHeight; ++y) {
        for (int x = W - 1; x > b; --x)
            SetPixel(x, y, Pixel(x - b - 1, y));
        for (int x = 0; x <= b; ++x)
            SetPixel(x, y, BMP.Pixel(W - b - 1 + x, y));
    }
}

void TlxEffectBmp::MorphLeftSlide(const TlxEffectBmp& BMP, double Kf) {
    if (!SameSize(BMP) || FWidth == 0) return;
    const int W = FWidth;
    const int b = std::max(std::min(Nearest(W * Kf), W - 1), 1);
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < b && x < W; ++x)
            SetPixel(x, y, BMP.Pixel(W - b + x, y));
}

void TlxEffectBmp::MorphRightSlide(const TlxEffectBmp& BMP, double Kf) {
    if (!SameSize(BMP) || FWidth == 0) return;
    const int W = FWidth;
    const int b = std::max(std::min(Nearest(W * Kf), W - 1), 1);
    for (int y = 0; y < FHeight; ++y)
        for (int x = std::max(W - b, 0); x < W; ++x)
            SetPixel(x, y, BMP.Pixel(x - (W - b), y));
}

// ---- Filters

template <class F> void TlxEffectBmp::ForEachChannel(F f) {
    for (int y = 0; y < FHeight; ++y) {
        uint8_t* p = At(0, y);
        for (int i = 0; i < FWidth * 3; ++i)
            p[i] = f(p[i]);
    }
}

void TlxEffectBmp::ChangeBrightness(double Kf) {
    Kf = Limit(Kf);
    ForEachChannel([Kf](uint8_t c) { return Clamp((1 - Kf) * c + Kf * 255); });
}

void TlxEffectBmp::ChangeDarkness(double Kf) {
    Kf = Limit(Kf);
    ForEachChannel([Kf](uint8_t c) { return Clamp((1 - Kf) * c); });
}

void TlxEffectBmp::Invert() {
    ForEachChannel([](uint8_t c) { return uint8_t(255 - c); });
}

void TlxEffectBmp::GrayScale() {
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            uint8_t* p = At(x, y);
            const uint8_t g = Clamp(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]);
            p[0] = p[1] = p[2] = g;
        }
}

void TlxEffectBmp::BlurPixel(int x, int y, int Amount) {
    const int up = y - Amount < 0 ? y : y - Amount, down = std::min(y + Amount, FHeight - 1);
    const int left = x - Amount < 0 ? x : x - Amount, right = std::min(x + Amount, FWidth - 1);
    const uint8_t* s[4] = {At(left, up), At(left, down), At(right, up), At(right, down)};
    uint8_t* p = At(x, y);
    for (int c = 0; c < 3; ++c)
        p[c] = uint8_t((s[0][c] + s[1][c] + s[2][c] + s[3][c]) >> 2);
}

void TlxEffectBmp::SplitBlur(int Amount) {
    if (Amount == 0) return;
    Amount = std::abs(Amount);
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            BlurPixel(x, y, Amount);
}

void TlxEffectBmp::Mosaic(int ASize) {
    if (ASize <= 1) return;
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            SetPixel(x, y, Pixel(x - x % ASize, y - y % ASize));
}

void TlxEffectBmp::AddMonoNoise(int Amount) {
    AddMonoNoise(Amount, SharedNoise());
}

void TlxEffectBmp::AddMonoNoise(int Amount, TlxNoiseGenerator& Generator) {
    if (Amount <= 0) return;
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            const int v = int(Generator() % uint32_t(Amount)) - Amount / 2;
            uint8_t* p = At(x, y);
            for (int c = 0; c < 3; ++c)
                p[c] = Clamp(p[c] + v);
        }
}

void TlxEffectBmp::AddColorNoise(int Amount) {
    AddColorNoise(Amount, SharedNoise());
}

void TlxEffectBmp::AddColorNoise(int Amount, TlxNoiseGenerator& Generator) {
    if (Amount <= 0) return;
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            uint8_t* p = At(x, y);
            for (int c = 0; c < 3; ++c)
                p[c] = Clamp(p[c] + int(Generator() % uint32_t(Amount)) - Amount / 2);
        }
}

void TlxEffectBmp::Wave(int XDIV, int YDIV, double RatioVal) {
    if (XDIV == 0 || YDIV == 0) return;
    const TlxEffectBmp copy = *this;
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            const int sx = std::clamp(Nearest(x + RatioVal * std::sin(double(y) / YDIV)), 0, FWidth - 1);
            const int sy = std::clamp(Nearest(y + RatioVal * std::sin(double(x) / XDIV)), 0, FHeight - 1);
            SetPixel(x, y, copy.Pixel(sx, sy));
        }
}

void TlxEffectBmp::Rotate90_1(TlxEffectBmp& Dst) const {
    if (Dst.FWidth != FHeight || Dst.FHeight != FWidth) return;
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            Dst.SetPixel(y, FWidth - 1 - x, Pixel(x, y));
}

void TlxEffectBmp::Rotate90_2(TlxEffectBmp& Dst) const {
    if (Dst.FWidth != FHeight || Dst.FHeight != FWidth) return;
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            Dst.SetPixel(FHeight - 1 - y, x, Pixel(x, y));
}

void TlxEffectBmp::FlipVert(TlxEffectBmp& Dst) const {
    if (!SameSize(Dst)) return;
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            Dst.SetPixel(x, FHeight - 1 - y, Pixel(x, y));
}

bool TlxEffectBmp::MaskFits(const TlxEffectBmp& Msk) const {
    return FWidth > 0 && FHeight > 0 && Msk.FWidth == FWidth && Msk.FHeight >= FHeight;
}

bool TlxEffectBmp::MaskWhite(const TlxEffectBmp& Msk, int x, int y) const {
    return Msk.Pixel(x, y) == 0xFFFFFFu;
}

void TlxEffectBmp::MaskBlur(const TlxEffectBmp& Msk, int Amount) {
    if (Amount == 0 || !MaskFits(Msk)) return;
    Amount = std::abs(Amount);
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x)
            if (!MaskWhite(Msk, x, y)) BlurPixel(x, y, Amount);
}

void TlxEffectBmp::MaskAntialiasing(const TlxEffectBmp& Msk, int Amount) {
    if (Amount == 0 || !MaskFits(Msk)) return;
    Amount = std::abs(Amount);
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            if (MaskWhite(Msk, x, y)) continue;
            const int up = y - Amount < 0 ? y : y - Amount, down = std::min(y + Amount, FHeight - 1);
            const int left = x - Amount < 0 ? x : x - Amount, right = std::min(x + Amount, FWidth - 1);
            if (MaskWhite(Msk, left, up) || MaskWhite(Msk, left, down) || MaskWhite(Msk, right, up) ||
                MaskWhite(Msk, right, down))
                BlurPixel(x, y, Amount);
        }
}

void TlxEffectBmp::MaskFillColor(const TlxEffectBmp& Msk, TColor Color, double kf) {
    if (!MaskFits(Msk)) return;
    const TColor rgb = ColorToRGB(Color);
    const uint8_t c[3] = {GetBValue(rgb), GetGValue(rgb), GetRValue(rgb)};
    for (int y = 0; y < FHeight; ++y)
        for (int x = 0; x < FWidth; ++x) {
            if (MaskWhite(Msk, x, y)) continue;
            uint8_t* p = At(x, y);
            for (int i = 0; i < 3; ++i)
                p[i] = Clamp((1 - kf) * p[i] + kf * c[i]);
        }
}
