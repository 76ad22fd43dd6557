#pragma once

#include "platform/gdi/TBitmap.h"

#include <cstdint>
#include <functional>
#include <string>

// Fixtures for the image builders: every source pixel has its own colour, so
// every output pixel names the source pixel it came from.
namespace skinimg {

constexpr uint32_t kWhite = 0xFFFFFFFF;

// The colour of source pixel (x, y); never white.
inline uint32_t Cell(int x, int y) {
    return 0xFF000000u | (uint32_t(x & 0xFF) << 16) | (uint32_t(y & 0xFF) << 8) | 0x01u;
}

// A w x h bitmap whose pixel (x, y) is Cell(x, y).
inline TBitmap CellBitmap(int w, int h) {
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.ScanLine(y)[x] = Cell(x, y);
    return b;
}

// Describes the first pixel of b that differs from expected(x, y), or "" when all match.
inline std::string FirstMismatch(const TBitmap& b, const std::function<uint32_t(int, int)>& expected) {
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x) {
            const uint32_t got = b.ScanLine(y)[x];
            const uint32_t want = expected(x, y);
            if (got != want) {
                char buf[128];
                std::snprintf(buf, sizeof buf, "pixel (%d,%d): got %08X want %08X", x, y, got, want);
                return buf;
            }
        }
    return "";
}

// Nearest-pixel stretch: the source offset for destination offset u of dstW from srcW.
inline int Near(int u, int srcW, int dstW) {
    return int((2LL * u + 1) * srcW / (2LL * dstW));
}

} // namespace skinimg
