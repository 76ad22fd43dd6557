#pragma once

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/TDeviceContext.h"
#include "platform/vcl/TPersistent.h"
#include "skin/engine/PixelRoutines.h"

#include <memory>
#include <string>

class TGraphic;
class TPicture;
class TStream;
class TlxBitmapLink;

// A 32-bit bitmap with straight per-pixel alpha, with a device context of its
// own so that it can be drawn on with the drawing layer and addressed in
// memory at once. Pixel (x, y) is Bits()[y * Width + x], rows top-down.
//
// Drawn onto a device context, a canvas or another TlxBitmap it honours its
// flags: AlphaBlend blends by the pixels' alpha, else Transparent skips
// key-colour pixels, else it copies. A device context that belongs to a live
// TlxBitmap is drawn into that bitmap's memory directly.
class TlxBitmap : public TPersistent {
public:
    TlxBitmap();
    ~TlxBitmap() override;
    TlxBitmap(const TlxBitmap&) = delete;
    TlxBitmap& operator=(const TlxBitmap&) = delete;

    // The raster behind the device context (null while empty).
    TBitmap* Handle() const { return FHandle.get(); }
    HDC DC() const { return FDC.get(); }
    // Made on first use, kept, and moved to every new device context.
    TCanvas* Canvas();
    PlxColorArray Bits() const { return FBits; }
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value) { FTransparent = Value; }
    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }
    bool NewFormat() const { return FNewFormat; }
    void SetNewFormat(bool Value) { FNewFormat = Value; }

    // Negative sizes count as their absolute value; a zero width or height, or
    // the current size, changes nothing; otherwise the pixels are replaced by
    // new ones, all zero (transparent black).
    void SetSize(int AWidth, int AHeight);
    bool Empty() const { return !FHandle; }
    void Clear(TlxColor Color);

    // From another TlxBitmap (pixels, Name, Transparent, AlphaBlend); other
    // sources go to the inherited assignment.
    void Assign(const TPersistent* Source) override;
    void Assign(const TlxBitmap& Source);
    // A 32-bit bitmap keeps its alpha (then CheckingAlphaBlend); any other is
    // copied opaque. A TPicture's plain bitmap is copied opaque; other
    // pictures, and any other graphic, are drawn with DrawGraphic, then made opaque.
    void Assign(const TBitmap& Source);
    void Assign(const TPicture& Source);
    void AssignGraphic(TGraphic& Source);
    // Dest becomes a 32-bit bitmap of this size with this bitmap drawn on it
    // at 0, 0 by the flags.
    void AssignTo(TBitmap& Dest) const;

    // Name (count of UTF-16 units, then the units), Width, Height, then the
    // pixels top-down, integers little-endian. A negative stored height means
    // rows stored bottom-up. Stored sizes that the rest of the stream cannot
    // hold raise EReadError and leave the bitmap as it was.
    void LoadFromStream(TStream& Stream);
    void SaveToStream(TStream& Stream) const;

    // AlphaBlend := some pixel has an alpha other than 0 and 255.
    void CheckingAlphaBlend();
    void CheckingAlphaBlend(const TRect& ARect);
    // Pixels whose red, green and blue each differ from Color's by less than 6
    // become the key colour; Transparent becomes true.
    void CheckingTransparent(TlxColor Color);
    void CheckingTransparent(const TRect& ARect, TlxColor Color);
    void SetAlpha(Byte Alpha);
    // Rect clipped to the bitmap.
    void SetAlpha(Byte Alpha, const TRect& Rect);

    // A new link to Rect of this bitmap, owned by the caller, named as the bitmap.
    TlxBitmapLink* GetBitmapLink(const TRect& Rect);
    // The rectangle from text "L, T, R, B" (separators: space ( ) , : ; =);
    // unreadable text gives the empty rectangle.
    TlxBitmapLink* GetBitmapLink(const std::string& Rect);

    // Colour adjustments of every pixel whose alpha is not 0 (alpha kept).
    void ChangeBitmapBrightness(int DeltaBrightness);
    void SetBitmapHue(int Hue);
    void ChangeBitmapSat(int DeltaSat);
    void ChangeBitmapHue(int DeltaHue);

    void FlipVert();
    // Flipped, then faded to transparent toward the bottom half.
    void Reflection();
    void Reflection2();
    void Reflection3();

    void Draw(HDC DC, int X, int Y);
    void Draw(HDC DC, int X, int Y, const TRect& SrcRect);
    void Draw(HDC DC, const TRect& DstRect);
    void Draw(HDC DC, const TRect& DstRect, const TRect& SrcRect);
    void Draw(TCanvas* Canvas, int X, int Y);
    void Draw(TCanvas* Canvas, int X, int Y, const TRect& SrcRect);
    void Draw(TCanvas* Canvas, const TRect& DstRect);
    void Draw(TCanvas* Canvas, const TRect& DstRect, const TRect& SrcRect);
    void Draw(TlxBitmap* Bitmap, int X, int Y);
    void Draw(TlxBitmap* Bitmap, int X, int Y, const TRect& SrcRect);
    void Draw(TlxBitmap* Bitmap, const TRect& DstRect);
    void Draw(TlxBitmap* Bitmap, const TRect& DstRect, const TRect& SrcRect);

    // SrcRect repeated over DstRect from its top-left corner; tiles cut at the
    // right and bottom draw the matching top-left part of SrcRect.
    void Tile(HDC DC, const TRect& DstRect, const TRect& SrcRect);
    void Tile(TCanvas* Canvas, const TRect& DstRect, const TRect& SrcRect);
    void Tile(TlxBitmap* Bitmap, const TRect& DstRect, const TRect& SrcRect);
    // Only the tiles that meet DstClip (every tile when DstClip is empty).
    void TileClip(HDC DC, const TRect& DstRect, const TRect& DstClip, const TRect& SrcRect);
    void TileClip(TCanvas* Canvas, const TRect& DstRect, const TRect& DstClip, const TRect& SrcRect);
    void TileClip(TlxBitmap* Bitmap, const TRect& DstRect, const TRect& DstClip, const TRect& SrcRect);

    // SrcRect of Bitmap underneath this bitmap at X, Y: transparent pixels
    // take the source, translucent ones are blended over it, opaque ones stay.
    void MergeDraw(const TlxBitmap& Bitmap, int X, int Y, const TRect& SrcRect);
    // Graphic stretched into DstRect; only what it covers (everything but the
    // magenta key of a scratch bitmap) is stored.
    void DrawGraphic(TGraphic& Graphic, const TRect& DstRect);
    // R clipped to the bitmap; with AlphaBlend, Color is blended by its own alpha.
    void FillRect(const TRect& R, TlxColor Color);

    // The live bitmap whose device context DC is, or null.
    static TlxBitmap* FromDC(HDC DC);

private:
    void DrawTo(HDC DC, TRect DstRect, const TRect& SrcRect);
    template <class Target>
    void TileTo(Target* T, const TRect& DstRect, const TRect& DstClip, const TRect& SrcRect, bool Clip);
    void Reflect(int K);
    void Registered(bool On);

    PlxColorArray FBits = nullptr;
    int FWidth = 0;
    int FHeight = 0;
    std::string FName;
    std::unique_ptr<TBitmap> FHandle;
    std::unique_ptr<TDeviceContext> FDC;
    std::unique_ptr<TCanvas> FCanvas;
    bool FAlphaBlend = false;
    bool FTransparent = false;
    bool FNewFormat = false;
    bool FRegistered = false;
};
