#pragma once

#include <cstdint>

// Straight-alpha source-over of pixel s onto pixel d (both 0xAARRGGBB) with
// the effective source alpha a, in integers:
//   outA = a + Ba(255 - a)/255, outC = (Fc a + Bc Ba (255 - a)/255) / outA.
// a = 0 keeps d; a = 255 stores s (opaque). A destination without alpha
// (dstHasAlpha false) counts as opaque.
inline uint32_t BlendPixel(uint32_t d, uint32_t s, uint32_t a, bool dstHasAlpha) {
    if (a == 0) return d;
    if (a >= 255) return s | 0xFF000000u;
    uint32_t ba = dstHasAlpha ? d >> 24 : 255;
    uint32_t t = ba * (255 - a);
    uint32_t outA = a + t / 255;
    uint32_t r = (((s >> 16) & 0xFF) * a + ((d >> 16) & 0xFF) * t / 255) / outA;
    uint32_t g = (((s >> 8) & 0xFF) * a + ((d >> 8) & 0xFF) * t / 255) / outA;
    uint32_t b = ((s & 0xFF) * a + (d & 0xFF) * t / 255) / outA;
    return (outA << 24) | (r << 16) | (g << 8) | b;
}

// The source index of destination index u when srcLen pixels are stretched
// to dstLen (nearest sample at the centre of the destination pixel).
inline int StretchIndex(int u, int srcLen, int dstLen) {
    return int(((2 * int64_t(u) + 1) * srcLen) / (2 * int64_t(dstLen)));
}
