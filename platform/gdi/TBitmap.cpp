#include "platform/gdi/TBitmap.h"

#include "platform/base/Exception.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TCanvas.h"

#include <algorithm>
#include <cstring>

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height) {
    SetSize(width, height);
}

TBitmap::TBitmap(const TBitmap& o) : TGraphic() {
    Assign(o);
}

TBitmap& TBitmap::operator=(const TBitmap& o) {
    Assign(o);
    return *this;
}

TBitmap::~TBitmap() = default;

void TBitmap::SetSize(int width, int height) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (width == FWidth && height == FHeight) return;
    if ((long long)width * height > kMaxImagePixels) throw EInvalidGraphic("Bitmap too large");
    std::vector<uint32_t> bits(size_t(width) * size_t(height), 0xFFFFFFFFu);
    int w = std::min(width, FWidth), h = std::min(height, FHeight);
    if (w > 0)
        for (int y = 0; y < h; ++y)
            std::memcpy(bits.data() + size_t(y) * size_t(width), FBits.data() + size_t(y) * size_t(FWidth),
                        size_t(w) * 4);
    FBits = std::move(bits);
    FWidth = width;
    FHeight = height;
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat pf) {
    if (FPixelFormat == pf) return;
    FPixelFormat = pf;
    Changed();
}

uint32_t* TBitmap::ScanLine(int row) {
    if (row < 0 || row >= FHeight) throw EInvalidGraphic("Scan line index out of range");
    return FBits.data() + size_t(row) * size_t(FWidth);
}

const uint32_t* TBitmap::ScanLine(int row) const {
    return const_cast<TBitmap*>(this)->ScanLine(row);
}

void TBitmap::Fill(uint32_t pixel) {
    std::fill(FBits.begin(), FBits.end(), pixel);
}

TCanvas* TBitmap::Canvas() {
    if (!FCanvas) FCanvas = std::make_unique<TCanvas>(this);
    return FCanvas.get();
}

TColor TBitmap::TransparentColor() const {
    if (FTransparentMode == tmFixed) return FTransparentColor;
    if (Empty()) return clNone;
    return PixelToColor(FBits[size_t(FHeight - 1) * size_t(FWidth)]);
}

void TBitmap::SetTransparentColor(TColor c) {
    FTransparentColor = c;
    FTransparentMode = tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode m) {
    FTransparentMode = m;
    Changed();
}

void TBitmap::Assign(const TBitmap& s) {
    if (&s == this) return;
    FWidth = s.FWidth;
    FHeight = s.FHeight;
    FBits = s.FBits;
    FPixelFormat = s.FPixelFormat;
    FAlphaFormat = s.FAlphaFormat;
    FTransparentMode = s.FTransparentMode;
    FTransparentColor = s.FTransparentColor;
    FTransparent = s.FTransparent;
    Changed();
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) {
    HDC dc = canvas.Handle();
    if (!dc || Empty()) return;
    TDeviceContext src(this);
    if (FTransparent) {
        dc->TransparentBlt(rect.Left, rect.Top, rect.Width(), rect.Height(), src, 0, 0, FWidth, FHeight,
                           TransparentColor());
    } else if (FAlphaFormat == afDefined && HasAlpha()) {
        BLENDFUNCTION bf;
        bf.AlphaFormat = AC_SRC_ALPHA;
        dc->AlphaBlend(rect.Left, rect.Top, rect.Width(), rect.Height(), src, 0, 0, FWidth, FHeight, bf);
    } else {
        dc->StretchBlt(rect.Left, rect.Top, rect.Width(), rect.Height(), src, 0, 0, FWidth, FHeight,
                       canvas.CopyMode());
    }
}

void TBitmap::LoadFromStream(TStream& stream) {
    std::string data = stream.ReadAll();
    TBitmap loaded;
    DecodeImage(data, loaded);
    FWidth = loaded.FWidth;
    FHeight = loaded.FHeight;
    FBits = std::move(loaded.FBits);
    FPixelFormat = loaded.FPixelFormat;
    FAlphaFormat = loaded.FAlphaFormat;
    Changed();
}

void TBitmap::SaveToStream(TStream& stream) {
    std::string data = EncodeBmp(*this, FPixelFormat == pf32bit ? 32 : 24);
    stream.WriteBuffer(data.data(), Int64(data.size()));
}
