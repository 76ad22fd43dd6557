#include "skin/engine/TlxBitmap.h"

#include "platform/base/Exception.h"
#include "platform/base/Math.h"
#include "platform/base/Stream.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TPicture.h"
#include "skin/engine/BitmapStreamName.h"
#include "skin/engine/TlxBitmapLink.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <typeinfo>
#include <vector>

namespace {

// The bitmaps that own a device context, so that drawing onto such a context
// can go straight into the bitmap's memory.
std::vector<TlxBitmap*>& LiveBitmaps() {
    static std::vector<TlxBitmap*> list;
    return list;
}

Byte Channel(TlxColor c, int shift) {
    return Byte(c >> shift);
}

} // namespace

TlxBitmap::TlxBitmap() = default;

TlxBitmap::~TlxBitmap() {
    Registered(false);
    if (FCanvas) FCanvas->SetHandle(nullptr);
}

void TlxBitmap::Registered(bool On) {
    if (On == FRegistered) return;
    auto& list = LiveBitmaps();
    if (On)
        list.push_back(this);
    else
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
    FRegistered = On;
}

TlxBitmap* TlxBitmap::FromDC(HDC DC) {
    if (!DC) return nullptr;
    for (TlxBitmap* b : LiveBitmaps())
        if (b->FDC.get() == DC) return b;
    return nullptr;
}

TCanvas* TlxBitmap::Canvas() {
    if (!FCanvas) {
        FCanvas = std::make_unique<TCanvas>();
        if (FDC) FCanvas->SetHandle(FDC.get());
    }
    return FCanvas.get();
}

void TlxBitmap::SetSize(int AWidth, int AHeight) {
    AWidth = std::abs(AWidth);
    AHeight = std::abs(AHeight);
    if (AWidth == 0 || AHeight == 0 || (AWidth == FWidth && AHeight == FHeight && FHandle)) return;
    std::unique_ptr<TBitmap> raster;
    std::unique_ptr<TDeviceContext> dc;
    try {
        if (int64_t(AWidth) * AHeight > kMaxImagePixels) throw std::bad_alloc();
        raster = std::make_unique<TBitmap>(AWidth, AHeight);
        raster->SetPixelFormat(pf32bit);
        raster->SetAlphaFormat(afDefined);
        raster->Fill(0);
    } catch (const std::bad_alloc&) {
        if (FCanvas) FCanvas->SetHandle(nullptr);
        FDC.reset();
        FHandle.reset();
        FBits = nullptr;
        FWidth = FHeight = 0;
        Registered(false);
        throw Exception("Can't allocate the DIB handle");
    }
    dc = std::make_unique<TDeviceContext>(raster.get());
    if (FCanvas) FCanvas->SetHandle(dc.get());
    FDC = std::move(dc);
    FHandle = std::move(raster);
    FBits = FHandle->Bits();
    FWidth = AWidth;
    FHeight = AHeight;
    Registered(true);
}

void TlxBitmap::Clear(TlxColor Color) {
    if (!Empty()) LineFill(FBits, FWidth * FHeight, Color);
}

void TlxBitmap::Assign(const TPersistent* Source) {
    if (auto* b = dynamic_cast<const TlxBitmap*>(Source)) {
        Assign(*b);
        return;
    }
    TPersistent::Assign(Source);
}

void TlxBitmap::Assign(const TlxBitmap& Source) {
    if (&Source == this) return;
    SetSize(Source.Width(), Source.Height());
    if (!Source.Empty() && Source.Width() == FWidth && Source.Height() == FHeight)
        LineCopy(Source.Bits(), FBits, FWidth * FHeight);
    FName = Source.FName;
    FTransparent = Source.FTransparent;
    FAlphaBlend = Source.FAlphaBlend;
}

void TlxBitmap::Assign(const TBitmap& Source) {
    if (Source.Empty()) return;
    SetSize(Source.Width(), Source.Height());
    LineCopy(Source.Bits(), FBits, FWidth * FHeight);
    if (Source.HasAlpha())
        CheckingAlphaBlend();
    else
        SetAlpha(255);
}

void TlxBitmap::Assign(const TPicture& Source) {
    if (Source.Empty()) return;
    // A plain bitmap is copied opaque, whatever its depth; pictures of the
    // other formats are drawn.
    if (TBitmap* b = Source.Bitmap(); b && typeid(*b) == typeid(TBitmap)) {
        SetSize(b->Width(), b->Height());
        LineCopy(b->Bits(), FBits, FWidth * FHeight);
        SetAlpha(255);
        return;
    }
    AssignGraphic(*Source.Graphic());
}

void TlxBitmap::AssignGraphic(TGraphic& Source) {
    if (Source.Empty()) return;
    SetSize(Source.Width(), Source.Height());
    DrawGraphic(Source, TRect{0, 0, FWidth, FHeight});
    SetAlpha(255);
}

void TlxBitmap::AssignTo(TBitmap& Dest) const {
    Dest.SetPixelFormat(pf32bit);
    Dest.SetSize(FWidth, FHeight);
    if (Empty()) return;
    const_cast<TlxBitmap*>(this)->Draw(Dest.Canvas(), 0, 0);
}

void TlxBitmap::LoadFromStream(TStream& Stream) {
    std::string name = ReadBitmapStreamName(Stream);
    int32_t w = 0, h = 0;
    Stream.ReadBuffer(&w, 4);
    Stream.ReadBuffer(&h, 4);
    const bool bottomUp = h < 0;
    const int64_t aw = std::abs(int64_t(w)), ah = std::abs(int64_t(h));
    // Sizes the rest of the stream cannot hold are damage, not a picture.
    if (aw * ah > (Stream.Size() - Stream.Position()) / 4) throw EReadError("Stream read error");
    FName = name;
    SetSize(int(aw), int(ah));
    if (aw == 0 || ah == 0 || FWidth != aw || FHeight != ah) return;
    Stream.ReadBuffer(FBits, int64_t(FWidth) * FHeight * 4);
    if (bottomUp) FlipVert();
}

void TlxBitmap::SaveToStream(TStream& Stream) const {
    WriteBitmapStreamName(Stream, FName);
    int32_t w = FWidth, h = FHeight;
    Stream.WriteBuffer(&w, 4);
    Stream.WriteBuffer(&h, 4);
    if (!Empty()) Stream.WriteBuffer(FBits, int64_t(FWidth) * FHeight * 4);
}

void TlxBitmap::CheckingAlphaBlend() {
    FAlphaBlend = false;
    for (int i = 0, n = Empty() ? 0 : FWidth * FHeight; i < n; ++i) {
        Byte a = Channel(FBits[i], 24);
        if (a != 0 && a != 255) {
            FAlphaBlend = true;
            return;
        }
    }
}

// The rectangle forms test the whole bitmap: no caller needs the limit.
void TlxBitmap::CheckingAlphaBlend(const TRect&) {
    CheckingAlphaBlend();
}

void TlxBitmap::CheckingTransparent(TlxColor Color) {
    FTransparent = false;
    const int r = Channel(Color, 16), g = Channel(Color, 8), b = Channel(Color, 0);
    for (int i = 0, n = Empty() ? 0 : FWidth * FHeight; i < n; ++i) {
        TlxColor p = FBits[i];
        if (std::abs(Channel(p, 16) - r) < 6 && std::abs(Channel(p, 8) - g) < 6 &&
            std::abs(Channel(p, 0) - b) < 6)
            FBits[i] = lxKeyColor;
    }
    FTransparent = true;
}

void TlxBitmap::CheckingTransparent(const TRect&, TlxColor Color) {
    CheckingTransparent(Color);
}

void TlxBitmap::SetAlpha(Byte Alpha) {
    if (!Empty()) LineAlpha(FBits, FWidth * FHeight, Alpha);
}

void TlxBitmap::SetAlpha(Byte Alpha, const TRect& Rect) {
    if (Empty() || Rect.Width() == 0 || Rect.Height() == 0) return;
    TRect r;
    if (!IntersectRect(r, Rect, TRect{0, 0, FWidth, FHeight})) return;
    RectAlpha(FBits, FWidth, Alpha, r.Left, r.Top, r.Right - 1, r.Bottom - 1);
}

TlxBitmapLink* TlxBitmap::GetBitmapLink(const TRect& Rect) {
    auto* link = new TlxBitmapLink;
    link->SetImage(this);
    link->SetRect(Rect);
    link->SetName(FName);
    return link;
}

TlxBitmapLink* TlxBitmap::GetBitmapLink(const std::string& Rect) {
    auto trim = [](std::string_view s) {
        while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
            s.remove_prefix(1);
        while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
            s.remove_suffix(1);
        return s;
    };
    std::string_view rest = trim(Rect);
    int v[4] = {};
    bool ok = true;
    for (int i = 0; i < 4 && ok; ++i) {
        size_t end = rest.find_first_of(" (),:;=");
        std::string token(trim(rest.substr(0, end)));
        rest = end == std::string_view::npos ? std::string_view{} : trim(rest.substr(end + 1));
        char* stop = nullptr;
        errno = 0;
        long n = token.empty() ? 0 : std::strtol(token.c_str(), &stop, 10);
        ok = !token.empty() && *stop == '\0' && errno == 0 && n >= INT32_MIN && n <= INT32_MAX;
        v[i] = int(n);
    }
    return GetBitmapLink(ok ? TRect{v[0], v[1], v[2], v[3]} : TRect{});
}

void TlxBitmap::FlipVert() {
    if (Empty()) return;
    std::vector<TlxColor> row(FWidth);
    for (int i = 0; i < FHeight / 2; ++i) {
        TlxColor* a = FBits + size_t(i) * FWidth;
        TlxColor* b = FBits + size_t(FHeight - 1 - i) * FWidth;
        std::memcpy(row.data(), a, FWidth * 4);
        std::memcpy(a, b, FWidth * 4);
        std::memcpy(b, row.data(), FWidth * 4);
    }
}

void TlxBitmap::Reflect(int K) {
    if (Empty()) return;
    FlipVert();
    double f = 1;
    for (int y = 0; y < FHeight; ++y) {
        TlxColor* row = FBits + size_t(y) * FWidth;
        for (int x = 0; x < FWidth; ++x) {
            int a = Channel(row[x], 24);
            if (a == 0) continue;
            int na = std::max<int>(0, int(Round(f * a)) / K);
            row[x] = (row[x] & 0x00FFFFFFu) | (TlxColor(na) << 24);
        }
        f -= 2.0 / FHeight;
    }
}

void TlxBitmap::Reflection() {
    Reflect(3);
}
void TlxBitmap::Reflection2() {
    Reflect(4);
}
void TlxBitmap::Reflection3() {
    Reflect(2);
}

// ---- Drawing

void TlxBitmap::DrawTo(HDC DC, TRect DstRect, const TRect& SrcRect) {
    if (Empty() || !DC) return;
    if (TlxBitmap* target = FromDC(DC)) {
        // The context's origin moves the rectangle, as it would for any drawing call.
        BitmapDraw(target, DC->LogicalToBitmap(DstRect), this, SrcRect, DrawModeOf(*this));
        return;
    }
    DCDraw(DC, DstRect, this, SrcRect, DrawModeOf(*this));
}

void TlxBitmap::Draw(HDC DC, int X, int Y) {
    DrawTo(DC, TRect{X, Y, X + FWidth, Y + FHeight}, TRect{0, 0, FWidth, FHeight});
}
void TlxBitmap::Draw(HDC DC, int X, int Y, const TRect& SrcRect) {
    DrawTo(DC, TRect{X, Y, X + SrcRect.Width(), Y + SrcRect.Height()}, SrcRect);
}
void TlxBitmap::Draw(HDC DC, const TRect& DstRect) {
    DrawTo(DC, DstRect, TRect{0, 0, FWidth, FHeight});
}
void TlxBitmap::Draw(HDC DC, const TRect& DstRect, const TRect& SrcRect) {
    DrawTo(DC, DstRect, SrcRect);
}
void TlxBitmap::Draw(TCanvas* Canvas, int X, int Y) {
    if (Canvas) Draw(Canvas->Handle(), X, Y);
}
void TlxBitmap::Draw(TCanvas* Canvas, int X, int Y, const TRect& SrcRect) {
    if (Canvas) Draw(Canvas->Handle(), X, Y, SrcRect);
}
void TlxBitmap::Draw(TCanvas* Canvas, const TRect& DstRect) {
    if (Canvas) Draw(Canvas->Handle(), DstRect);
}
void TlxBitmap::Draw(TCanvas* Canvas, const TRect& DstRect, const TRect& SrcRect) {
    if (Canvas) Draw(Canvas->Handle(), DstRect, SrcRect);
}
void TlxBitmap::Draw(TlxBitmap* Bitmap, int X, int Y) {
    Draw(Bitmap, TRect{X, Y, X + FWidth, Y + FHeight}, TRect{0, 0, FWidth, FHeight});
}
void TlxBitmap::Draw(TlxBitmap* Bitmap, int X, int Y, const TRect& SrcRect) {
    Draw(Bitmap, TRect{X, Y, X + SrcRect.Width(), Y + SrcRect.Height()}, SrcRect);
}
void TlxBitmap::Draw(TlxBitmap* Bitmap, const TRect& DstRect) {
    Draw(Bitmap, DstRect, TRect{0, 0, FWidth, FHeight});
}
void TlxBitmap::Draw(TlxBitmap* Bitmap, const TRect& DstRect, const TRect& SrcRect) {
    if (!Bitmap) throw EAssertionFailed();
    if (Empty()) return;
    BitmapDraw(Bitmap, DstRect, this, SrcRect, DrawModeOf(*this));
}

template <class Target>
void TlxBitmap::TileTo(Target* T, const TRect& DstRect, const TRect& DstClip, const TRect& SrcRect,
                       bool Clip) {
    const int sw = SrcRect.Width(), sh = SrcRect.Height();
    if (sw <= 0 || sh <= 0 || Empty()) return;
    const bool all = !Clip || DstClip.IsEmpty();
    for (int x = DstRect.Left; x < DstRect.Right; x += sw)
        for (int y = DstRect.Top; y < DstRect.Bottom; y += sh) {
            TRect tile;
            if (!IntersectRect(tile, TRect{x, y, x + sw, y + sh}, DstRect)) continue;
            TRect seen;
            if (!all && !IntersectRect(seen, tile, DstClip)) continue;
            Draw(T, tile.Left, tile.Top,
                 TRect{SrcRect.Left, SrcRect.Top, SrcRect.Left + tile.Width(), SrcRect.Top + tile.Height()});
        }
}

void TlxBitmap::Tile(HDC DC, const TRect& DstRect, const TRect& SrcRect) {
    TileTo(DC, DstRect, TRect{}, SrcRect, false);
}
void TlxBitmap::Tile(TCanvas* Canvas, const TRect& DstRect, const TRect& SrcRect) {
    if (Canvas) TileTo(Canvas->Handle(), DstRect, TRect{}, SrcRect, false);
}
void TlxBitmap::Tile(TlxBitmap* Bitmap, const TRect& DstRect, const TRect& SrcRect) {
    TileTo(Bitmap, DstRect, TRect{}, SrcRect, false);
}
void TlxBitmap::TileClip(HDC DC, const TRect& DstRect, const TRect& DstClip, const TRect& SrcRect) {
    TileTo(DC, DstRect, DstClip, SrcRect, true);
}
void TlxBitmap::TileClip(TCanvas* Canvas, const TRect& DstRect, const TRect& DstClip, const TRect& SrcRect) {
    if (Canvas) TileTo(Canvas->Handle(), DstRect, DstClip, SrcRect, true);
}
void TlxBitmap::TileClip(TlxBitmap* Bitmap, const TRect& DstRect, const TRect& DstClip,
                         const TRect& SrcRect) {
    TileTo(Bitmap, DstRect, DstClip, SrcRect, true);
}

void TlxBitmap::MergeDraw(const TlxBitmap& Bitmap, int X, int Y, const TRect& SrcRect) {
    if (Empty() || Bitmap.Empty()) return;
    TRect src;
    if (!IntersectRect(src, SrcRect, TRect{0, 0, Bitmap.Width(), Bitmap.Height()})) return;
    for (int sy = src.Top; sy < src.Bottom; ++sy) {
        const int dy = Y + sy - SrcRect.Top;
        if (dy < 0 || dy >= FHeight) continue;
        for (int sx = src.Left; sx < src.Right; ++sx) {
            const int dx = X + sx - SrcRect.Left;
            if (dx < 0 || dx >= FWidth) continue;
            TlxColor& d = FBits[size_t(dy) * FWidth + dx];
            const TlxColor s = Bitmap.Bits()[size_t(sy) * Bitmap.Width() + sx];
            const Byte a = Channel(d, 24);
            if (a == 0)
                d = s;
            else if (a < 255)
                d = PixelBlend(d, s);
        }
    }
}

void TlxBitmap::DrawGraphic(TGraphic& Graphic, const TRect& DstRect) {
    if (Empty()) return;
    constexpr TlxColor magenta = 0x00FF00FF;
    TBitmap scratch(FWidth, FHeight);
    scratch.SetPixelFormat(pf32bit);
    scratch.Fill(0xFF000000u | magenta);
    scratch.Canvas()->StretchDraw(DstRect, &Graphic);
    const TlxColor* p = scratch.Bits();
    for (int i = 0, n = FWidth * FHeight; i < n; ++i)
        if ((p[i] & 0x00FFFFFFu) != magenta) FBits[i] = p[i];
}

void TlxBitmap::FillRect(const TRect& R, TlxColor Color) {
    if (Empty()) return;
    TRect r;
    if (!IntersectRect(r, R, TRect{0, 0, FWidth, FHeight})) return;
    if (!FAlphaBlend) {
        RectFill(FBits, FWidth, Color, r.Left, r.Top, r.Right - 1, r.Bottom - 1);
        return;
    }
    std::vector<TlxColor> line(r.Width(), Color);
    for (int y = r.Top; y < r.Bottom; ++y)
        LineBlend(line.data(), FBits + size_t(y) * FWidth + r.Left, r.Width());
}
