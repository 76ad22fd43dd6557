#include "platform/gdi/TBitmap.h"

#include "platform/base/Exception.h"

#include <algorithm>
#include <cstring>

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == FWidth && height == FHeight) return;
    std::vector<uint32_t> bits(size_t(width) * size_t(height), 0xFFFFFFFFu);
    int w = std::min(width, FWidth), h = std::min(height, FHeight);
    for (int y = 0; y < h; ++y)
        std::memcpy(&bits[size_t(y) * size_t(width)], &FBits[size_t(y) * size_t(FWidth)], size_t(w) * 4);
    FBits = std::move(bits);
    FWidth = width;
    FHeight = height;
}

uint32_t* TBitmap::ScanLine(int row) {
    if (row < 0 || row >= FHeight) throw EInvalidGraphic("Scan line index out of range");
    return &FBits[size_t(row) * size_t(FWidth)];
}

const uint32_t* TBitmap::ScanLine(int row) const { return const_cast<TBitmap*>(this)->ScanLine(row); }

void TBitmap::Fill(uint32_t pixel) { std::fill(FBits.begin(), FBits.end(), pixel); }
