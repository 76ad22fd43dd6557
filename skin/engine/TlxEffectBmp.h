#pragma once

#include "platform/base/Color.h"
#include "platform/base/Types.h"
#include "platform/gdi/TDeviceContext.h"

#include <cstdint>
#include <random>
#include <vector>

class TBitmap;

// The generator of the noise filters; callers that need repeatable noise pass
// their own seeded one.
using TlxNoiseGenerator = std::mt19937;

// A 24-bit picture (rows of blue, green, red bytes, each row padded by
// Width mod 4 bytes, top-down) on which transition frames and filters are
// computed in place. Colour results are taken to the nearest integer (ties
// to even) and clamped to 0..255.
class TlxEffectBmp {
public:
    // cx by cy black pixels.
    TlxEffectBmp(int cx, int cy);
    // A 24-bit copy of a bitmap's pixels.
    static TlxEffectBmp CreateFromhWnd(const TBitmap& hBmp);
    static TlxEffectBmp CreateCopy(const TlxEffectBmp& hBmp) { return hBmp; }

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Bytes of pixel memory: row length times Height.
    int Size() const { return int(FBits.size()); }
    uint8_t* Bits() { return FBits.data(); }
    const uint8_t* Bits() const { return FBits.data(); }
    int RowBytes() const { return FWidth * 3 + FWidth % 4; }
    // The pixel as 0x00RRGGBB.
    uint32_t Pixel(int x, int y) const;
    void SetPixel(int x, int y, uint32_t rgb);

    // Copies row y (Width * 3 bytes) into Line.
    void GetScanLine(int y, uint8_t* Line) const;
    // Onto a device context: the whole picture at x, y; scaled into x, y, cx, cy;
    // the cx by cy part at x, y to hx, hy.
    void Draw(HDC hDC, int x, int y) const;
    void Stretch(HDC hDC, int x, int y, int cx, int cy) const;
    void DrawRect(HDC hDC, int hx, int hy, int x, int y, int cx, int cy) const;
    // A 32-bit opaque bitmap of the picture.
    void ToBitmap(TBitmap& Dest) const;
    // Each pixel enlarged into a block of Dst.
    void Resize(TlxEffectBmp& Dst) const;

    // Transition frames from this picture toward BMP by Kf (0 this, 1 BMP);
    // nothing when the sizes differ.
    void Morph(const TlxEffectBmp& BMP, double Kf);
    void MorphGrad(const TlxEffectBmp& BMP, double Kf);
    void MorphHGrad(const TlxEffectBmp& BMP, double Kf);
    void MorphVGrad(const TlxEffectBmp& BMP, double Kf);
    void MorphLeftGrad(const TlxEffectBmp& BMP, double Kf);
    void MorphRightGrad(const TlxEffectBmp& BMP, double Kf);
    void MorphPush(const TlxEffectBmp& BMP, double Kf);
    void MorphLeftSlide(const TlxEffectBmp& BMP, double Kf);
    void MorphRightSlide(const TlxEffectBmp& BMP, double Kf);
    // Cross-fade inside Rct toward BMP's pixels from StartX, StartY on.
    void MorphRect(const TlxEffectBmp& BMP, double Kf, const TRect& Rct, int StartX, int StartY);
    // BMP's pixels from StartX, StartY on into Rct, its right and bottom included.
    void CopyRect(const TlxEffectBmp& BMP, const TRect& Rct, int StartX, int StartY);

    // Filters (Kf limited to 0..1).
    void ChangeBrightness(double Kf);
    void ChangeDarkness(double Kf);
    void Invert();
    void GrayScale();
    // The mean of the four samples Amount away diagonally, in place from the
    // top-left; samples beyond the top or left take the pixel's own row or
    // column, beyond the bottom or right the last row or column.
    void SplitBlur(int Amount);
    void Mosaic(int ASize);
    // Adds r - Amount div 2 with r uniform in 0..Amount-1, one r per pixel
    // (mono) or per channel (colour); nothing for Amount 0 or less.
    void AddMonoNoise(int Amount);
    void AddMonoNoise(int Amount, TlxNoiseGenerator& Generator);
    void AddColorNoise(int Amount);
    void AddColorNoise(int Amount, TlxNoiseGenerator& Generator);
    void Wave(int XDIV, int YDIV, double RatioVal);

    // Quarter turns (Dst must be Height by Width) and the vertical flip (Dst
    // of the same size); a Dst of another size is left alone.
    void Rotate90_1(TlxEffectBmp& Dst) const;
    void Rotate90_2(TlxEffectBmp& Dst) const;
    void FlipVert(TlxEffectBmp& Dst) const;

    // Filters limited to the pixels whose mask pixel is not white; nothing
    // for a mask of another width or a lower one.
    void MaskBlur(const TlxEffectBmp& Msk, int Amount);
    void MaskAntialiasing(const TlxEffectBmp& Msk, int Amount);
    void MaskFillColor(const TlxEffectBmp& Msk, TColor Color, double kf);

private:
    TlxEffectBmp() = default;
    uint8_t* At(int x, int y) { return FBits.data() + size_t(y) * RowBytes() + size_t(x) * 3; }
    const uint8_t* At(int x, int y) const { return FBits.data() + size_t(y) * RowBytes() + size_t(x) * 3; }
    bool SameSize(const TlxEffectBmp& B) const { return B.FWidth == FWidth && B.FHeight == FHeight; }
    bool MaskFits(const TlxEffectBmp& Msk) const;
    bool MaskWhite(const TlxEffectBmp& Msk, int x, int y) const;
    void BlurPixel(int x, int y, int Amount);
    // pixel := nearest(t * own + (1 - t) * BMP's), per channel.
    void Mix(int x, int y, const TlxEffectBmp& BMP, int bx, int by, double t);
    template <class F> void ForEachChannel(F f);

    int FWidth = 0;
    int FHeight = 0;
    std::vector<uint8_t> FBits;
};
