#include "skin/engine/PixelRoutines.h"

#include "platform/gdi/Blend.h"
#include "platform/gdi/Gdi.h"
#include "skin/engine/TlxBitmap.h"

#include <algorithm>
#include <cstring>
#include <vector>

TlxColor MakeBitmapColor(int R, int G, int B, int A) {
    R = std::clamp(R, 0, 255);
    G = std::clamp(G, 0, 255);
    B = std::clamp(B, 0, 255);
    return (TlxColor(A) << 24) + (TlxColor(R) << 16) + (TlxColor(G) << 8) + TlxColor(B);
}

TlxColor ToBitmapColor(TColor Color) {
    return ColorToPixel(Color, 255);
}

TlxColor PixelBlend(TlxColor F, TlxColor B) {
    return BlendPixel(B, F, F >> 24, true);
}

void LineBlend(const TlxColor* Src, TlxColor* Dst, int Count) {
    BlendLine(Dst, Src, Count);
}

void LineKeyCopy(const TlxColor* Src, TlxColor* Dst, int Count) {
    for (int i = 0; i < Count; ++i)
        if ((Src[i] & 0x00FFFFFFu) != lxKeyColor) Dst[i] = Src[i] | 0xFF000000u;
}

void LineCopy(const TlxColor* Src, TlxColor* Dst, int Count) {
    if (Count <= 0 || Src == Dst) return;
    std::memmove(Dst, Src, size_t(Count) * sizeof(TlxColor));
}

void LineFill(TlxColor* Dst, int Count, TlxColor Color) {
    if (Count > 0) std::fill(Dst, Dst + Count, Color);
}

void LineAlpha(TlxColor* Dst, int Count, Byte Alpha) {
    for (int i = 0; i < Count; ++i)
        Dst[i] = (Dst[i] & 0x00FFFFFFu) | (TlxColor(Alpha) << 24);
}

void RectFill(TlxColor* Bits, int Width, TlxColor Color, int Left, int Top, int Right, int Bottom) {
    if (Right < Left || Bottom < Top) return;
    for (int y = Top; y <= Bottom; ++y)
        LineFill(Bits + size_t(y) * Width + Left, Right - Left + 1, Color);
}

void RectAlpha(TlxColor* Bits, int Width, Byte Alpha, int Left, int Top, int Right, int Bottom) {
    if (Right < Left || Bottom < Top) return;
    for (int y = Top; y <= Bottom; ++y)
        LineAlpha(Bits + size_t(y) * Width + Left, Right - Left + 1, Alpha);
}

int ScaledSourceIndex(int U, int SrcLen, int DstLen) {
    if (DstLen < 2) return (SrcLen - 1) / 2;
    // nearest(U * (SrcLen - 1) / (DstLen - 1)) with ties to even, in integers.
    const int64_t num = int64_t(U) * (SrcLen - 1), den = DstLen - 1;
    int64_t q = num / den, r = num % den;
    if (2 * r > den || (2 * r == den && (q & 1))) ++q;
    return int(q);
}

TlxDrawMode DrawModeOf(const TlxBitmap& Bitmap) {
    return Bitmap.AlphaBlend() ? dmBlend : Bitmap.Transparent() ? dmKey : dmCopy;
}

namespace {

void ApplyLine(const TlxColor* Src, TlxColor* Dst, int Count, TlxDrawMode Mode) {
    switch (Mode) {
    case dmCopy:
        LineCopy(Src, Dst, Count);
        break;
    case dmBlend:
        LineBlend(Src, Dst, Count);
        break;
    case dmKey:
        LineKeyCopy(Src, Dst, Count);
        break;
    }
}

} // namespace

void BitmapDraw(TlxBitmap* Target, const TRect& DstRect, const TlxBitmap* Bitmap, const TRect& SrcRect,
                TlxDrawMode Mode) {
    if (!Target || !Bitmap) throw EAssertionFailed();
    if (Target->Empty() || Bitmap->Empty() || SrcRect.IsEmpty()) return;
    if (SrcRect.Left < 0 || SrcRect.Top < 0 || SrcRect.Right > Bitmap->Width() ||
        SrcRect.Bottom > Bitmap->Height())
        return;
    TRect clip;
    if (!IntersectRect(clip, DstRect, TRect{0, 0, Target->Width(), Target->Height()})) return;
    const int srcW = SrcRect.Width(), srcH = SrcRect.Height();
    const int dstW = DstRect.Width(), dstH = DstRect.Height();
    const TlxColor* src = Bitmap->Bits();
    TlxColor* dst = Target->Bits();
    const int sw = Bitmap->Width(), tw = Target->Width();
    const int cw = clip.Width();

    if (srcW == dstW && srcH == dstH) {
        const int sx = SrcRect.Left + (clip.Left - DstRect.Left);
        const int sy = SrcRect.Top + (clip.Top - DstRect.Top);
        // A bitmap drawn onto itself downwards must go bottom-up to read rows before they change.
        const bool up = Target == Bitmap && clip.Top > sy;
        for (int i = 0; i < clip.Height(); ++i) {
            int row = up ? clip.Height() - 1 - i : i;
            ApplyLine(src + size_t(sy + row) * sw + sx, dst + size_t(clip.Top + row) * tw + clip.Left, cw,
                      Mode);
        }
        return;
    }

    std::vector<int> columns(cw);
    for (int j = 0; j < cw; ++j)
        columns[j] = SrcRect.Left + ScaledSourceIndex(clip.Left + j - DstRect.Left, srcW, dstW);
    std::vector<TlxColor> buffer(cw);
    int lastRow = -1;
    for (int y = clip.Top; y < clip.Bottom; ++y) {
        const int sy = SrcRect.Top + ScaledSourceIndex(y - DstRect.Top, srcH, dstH);
        TlxColor* out = dst + size_t(y) * tw + clip.Left;
        if (Mode == dmCopy && sy == lastRow) {
            LineCopy(out - tw, out, cw);
            continue;
        }
        if (sy != lastRow) {
            const TlxColor* in = src + size_t(sy) * sw;
            for (int j = 0; j < cw; ++j)
                buffer[j] = in[columns[j]];
            lastRow = sy;
        }
        ApplyLine(buffer.data(), out, cw, Mode);
    }
}

void DCDraw(HDC DC, const TRect& DstRect, const TlxBitmap* Bitmap, const TRect& SrcRect, TlxDrawMode Mode) {
    if (!DC || !Bitmap) throw EAssertionFailed();
    if (Bitmap->Empty() || DstRect.IsEmpty() || SrcRect.IsEmpty()) return;
    if (Mode == dmCopy) {
        SetStretchBltMode(DC, COLORONCOLOR);
        StretchBlt(DC, DstRect.Left, DstRect.Top, DstRect.Width(), DstRect.Height(), Bitmap->DC(),
                   SrcRect.Left, SrcRect.Top, SrcRect.Width(), SrcRect.Height(), SRCCOPY);
        return;
    }
    TlxBitmap scratch;
    scratch.SetSize(DstRect.Width(), DstRect.Height());
    BitBlt(scratch.DC(), 0, 0, DstRect.Width(), DstRect.Height(), DC, DstRect.Left, DstRect.Top, SRCCOPY);
    BitmapDraw(&scratch, TRect{0, 0, DstRect.Width(), DstRect.Height()}, Bitmap, SrcRect, Mode);
    BitBlt(DC, DstRect.Left, DstRect.Top, DstRect.Width(), DstRect.Height(), scratch.DC(), 0, 0, SRCCOPY);
}
