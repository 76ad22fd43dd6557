#pragma once
// Pictures as text, for small exact comparisons: one letter a pixel, each
// letter an exact colour (0xRRGGBB) of a legend, '?' for a pixel of any
// other colour. Larger pictures are PNG goldens (GoldenPicture.h).

#include "platform/base/Types.h"
#include "platform/gdi/TBitmap.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

using TPixelRows = std::vector<std::string>;
using TPixelLegend = std::vector<std::pair<char, uint32_t>>;

// '.' white, '#' black, 'r' red, 'g' green, 'b' blue.
const TPixelLegend& BasicPixelLegend();

// The colour of a pixel, 0xRRGGBB (alpha left out).
inline uint32_t PixelAt(const TBitmap& b, int x, int y) {
    return b.ScanLine(y)[x] & 0xFFFFFF;
}

// The whole bitmap, or the part of it in area, as rows of letters.
TPixelRows PixelArt(const TBitmap& b, const TPixelLegend& legend = BasicPixelLegend());
TPixelRows PixelArt(const TBitmap& b, const TRect& area, const TPixelLegend& legend = BasicPixelLegend());

// An opaque bitmap drawn from rows of the legend's letters; a letter not in
// the legend gives grey 0x808080.
TBitmap FromPixelArt(const TPixelRows& rows, const TPixelLegend& legend = BasicPixelLegend());

// The rows as C++ source lines, to paste a new expectation into a test.
std::string PixelArtSource(const TPixelRows& rows);
