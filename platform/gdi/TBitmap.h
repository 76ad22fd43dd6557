#pragma once

#include "platform/base/Color.h"
#include "platform/base/Types.h"

#include <cstdint>
#include <vector>

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
using enum TPixelFormat;

// A bitmap: one raster of 32-bit pixels, top-down, each 0xAARRGGBB (bytes B, G,
// R, A in memory), row stride = Width pixels. pf24bit bitmaps are the same
// raster with the alpha byte ignored. A fresh bitmap, and the area a larger
// SetSize adds, is white with alpha 255.
class TBitmap {
public:
    TBitmap() = default;
    TBitmap(int width, int height) { SetSize(width, height); }
    virtual ~TBitmap() = default;

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Keeps the pixels that stay inside; negative sizes count as 0.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, FHeight); }
    void SetHeight(int height) { SetSize(FWidth, height); }
    bool Empty() const { return FWidth == 0 || FHeight == 0; }

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat pf) { FPixelFormat = pf; }
    // True when the alpha byte carries meaning (pf32bit).
    bool HasAlpha() const { return FPixelFormat == pf32bit; }

    // Row y of the raster (0 is the top); EInvalidGraphic outside 0..Height-1.
    uint32_t* ScanLine(int row);
    const uint32_t* ScanLine(int row) const;
    // The whole raster, Width * Height pixels, or null when empty.
    uint32_t* Bits() { return FBits.empty() ? nullptr : FBits.data(); }
    const uint32_t* Bits() const { return FBits.empty() ? nullptr : FBits.data(); }
    // Sets every pixel (alpha included).
    void Fill(uint32_t pixel);

protected:
    int FWidth = 0;
    int FHeight = 0;
    TPixelFormat FPixelFormat = pfDevice;
    std::vector<uint32_t> FBits;
};
