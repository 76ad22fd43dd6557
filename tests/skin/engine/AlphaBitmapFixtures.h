#pragma once

#include "skin/engine/TlxBitmap.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

// Small TlxBitmap fixtures for the alpha bitmap tests.
namespace alphafix {

// A w x h bitmap whose pixel (x, y) is opaque and names its position.
inline uint32_t Cell(int x, int y) {
    return 0xFF000000u | (uint32_t(x) << 16) | (uint32_t(y) << 8) | 0x01u;
}

inline void FillCells(TlxBitmap& b, int w, int h) {
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.Bits()[y * w + x] = Cell(x, y);
}

inline void FillPixels(TlxBitmap& b, int w, int h, std::initializer_list<uint32_t> px) {
    b.SetSize(w, h);
    int i = 0;
    for (uint32_t p : px)
        b.Bits()[i++] = p;
}

inline uint32_t At(const TlxBitmap& b, int x, int y) {
    return b.Bits()[y * b.Width() + x];
}

inline std::vector<uint32_t> Row(const TlxBitmap& b, int y) {
    return std::vector<uint32_t>(b.Bits() + y * b.Width(), b.Bits() + (y + 1) * b.Width());
}

} // namespace alphafix
