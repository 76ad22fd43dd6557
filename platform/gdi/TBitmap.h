#pragma once

#include "platform/base/Color.h"
#include "platform/base/Types.h"
#include "platform/gdi/TGraphic.h"

#include <cstdint>
#include <memory>
#include <vector>

class TCanvas;

enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
using enum TPixelFormat;
enum class TTransparentMode { tmAuto, tmFixed };
using enum TTransparentMode;
// afDefined: the alpha bytes are straight alpha and Draw blends with them.
enum class TAlphaFormat { afIgnored, afDefined };
using enum TAlphaFormat;

// A bitmap: one raster of 32-bit pixels, top-down, each 0xAARRGGBB (bytes B, G,
// R, A in memory), row stride = Width pixels. pf24bit bitmaps are the same
// raster with the alpha byte ignored. A fresh bitmap, and the area a larger
// SetSize adds, is white with alpha 255.
//
// LoadFromStream reads BMP, PNG, JPEG and GIF (chosen by signature);
// SaveToStream writes BMP, 32 bits for pf32bit, else 24.
class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height);
    TBitmap(const TBitmap& o);
    TBitmap& operator=(const TBitmap& o);
    ~TBitmap() override;

    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    // Keeps the pixels that stay inside; negative sizes count as 0.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, FHeight); }
    void SetHeight(int height) { SetSize(FWidth, height); }
    bool Empty() const override { return FWidth == 0 || FHeight == 0; }

    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat pf);
    // True when the alpha byte carries meaning (pf32bit).
    bool HasAlpha() const { return FPixelFormat == pf32bit; }
    TAlphaFormat AlphaFormat() const { return FAlphaFormat; }
    void SetAlphaFormat(TAlphaFormat f) { FAlphaFormat = f; }

    // Row y of the raster (0 is the top); EInvalidGraphic outside 0..Height-1.
    uint32_t* ScanLine(int row);
    const uint32_t* ScanLine(int row) const;
    // The whole raster, Width * Height pixels, or null when empty.
    uint32_t* Bits() { return FBits.empty() ? nullptr : FBits.data(); }
    const uint32_t* Bits() const { return FBits.empty() ? nullptr : FBits.data(); }
    // Sets every pixel (alpha included).
    void Fill(uint32_t pixel);

    // A canvas drawing on this bitmap, made on first use, owned by the bitmap.
    TCanvas* Canvas();

    // tmAuto: the bottom-left pixel's colour (clNone when empty); tmFixed: the set colour.
    TColor TransparentColor() const;
    // Also switches to tmFixed.
    void SetTransparentColor(TColor c);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode m);

    // Copies pixels, format and transparency.
    void Assign(const TBitmap& source);
    // Drawn with Transparent: pixels of the transparent colour (RGB) are
    // skipped; with afDefined: blended by their alpha; else copied.
    void Draw(TCanvas& canvas, const TRect& rect) override;
    void LoadFromStream(TStream& stream) override;
    void SaveToStream(TStream& stream) override;
    std::string DefaultExtension() const override { return "bmp"; }

protected:
    int FWidth = 0;
    int FHeight = 0;
    TPixelFormat FPixelFormat = pfDevice;
    TAlphaFormat FAlphaFormat = afIgnored;
    TTransparentMode FTransparentMode = tmAuto;
    TColor FTransparentColor = clNone;
    std::vector<uint32_t> FBits;
    std::unique_ptr<TCanvas> FCanvas;
};
