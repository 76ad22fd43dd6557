#pragma once

#include <cstdint>

// Straight-alpha source-over of pixel s onto pixel d (both 0xAARRGGBB) with
// the effective source alpha a, in integers:
//   outA = a + Ba(255 - a)/255, outC = (Fc a + Bc Ba (255 - a)/255) / outA.
// a = 0 keeps d; a = 255 stores s (opaque). A destination without alpha
// (dstHasAlpha false) counts as opaque. outA is rounded down, so a colour can
// come out above 255 (white on nearly clear white); it is held at 255.
inline uint32_t BlendPixel(uint32_t d, uint32_t s, uint32_t a, bool dstHasAlpha) {
    if (a == 0) return d;
    if (a >= 255) return s | 0xFF000000u;
    uint32_t ba = dstHasAlpha ? d >> 24 : 255;
    uint32_t t = ba * (255 - a);
    uint32_t outA = a + t / 255;
    auto channel = [&](int shift) {
        const uint32_t c = (((s >> shift) & 0xFF) * a + ((d >> shift) & 0xFF) * t / 255) / outA;
        return c < 255 ? c : 255;
    };
    return (outA << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
}

// BlendPixel over a line: Dst[i] = BlendPixel(Dst[i], Src[i], a, dstHasAlpha)
// with a = Src[i]'s alpha times constantAlpha / 255 when useSourceAlpha, else
// constantAlpha. The same results as pixel by pixel, eight pixels at a time.
void BlendLine(uint32_t* Dst, const uint32_t* Src, int Count, uint32_t constantAlpha = 255,
               bool useSourceAlpha = true, bool dstHasAlpha = true);

// The source index of destination index u when srcLen pixels are stretched
// to dstLen (nearest sample at the centre of the destination pixel).
inline int StretchIndex(int u, int srcLen, int dstLen) {
    return int(((2 * int64_t(u) + 1) * srcLen) / (2 * int64_t(dstLen)));
}
