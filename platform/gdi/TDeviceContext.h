#pragma once

#include "platform/base/Color.h"
#include "platform/base/Types.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/TRegion.h"

#include <optional>
#include <string_view>
#include <vector>

class TBitmap;
class TDeviceContext;
using HDC = TDeviceContext*;

// Background modes and raster operations with their Windows numbers.
enum : int { TRANSPARENT = 1, OPAQUE = 2 };
enum : uint32_t {
    SRCCOPY = 0x00CC0020,
    SRCPAINT = 0x00EE0086,
    SRCAND = 0x008800C6,
    SRCINVERT = 0x00660046,
    NOTSRCCOPY = 0x00330008,
    DSTINVERT = 0x00550009,
    PATCOPY = 0x00F00021,
    BLACKNESS = 0x00000042,
    WHITENESS = 0x00FF0062,
};

// AlphaBlend's parameters: SourceConstantAlpha scales the source; with
// AlphaFormat AC_SRC_ALPHA the source's own (straight) alpha counts too.
enum : Byte { AC_SRC_OVER = 0, AC_SRC_ALPHA = 1 };
struct BLENDFUNCTION {
    Byte BlendOp = AC_SRC_OVER;
    Byte BlendFlags = 0;
    Byte SourceConstantAlpha = 255;
    Byte AlphaFormat = 0;
};

// A device context: drawing state over one target bitmap.
//
// Coordinates: a logical point p lands on bitmap pixel
// p + ViewportOrg + DeviceOrigin. The device origin and the system clip are
// the window system's (where a window sits in its top-level back buffer, and
// which of its pixels are visible); code drawing through the context never
// changes or escapes them. The viewport origin and the clip region are the
// drawing code's, saved and restored by SaveDC/RestoreDC. Clip regions given
// to SelectClipRgn are in device coordinates (relative to DeviceOrigin).
//
// Every primitive is clipped to the bitmap, the system clip and the clip
// region, and leaves the alpha byte untouched; copies (BitBlt and friends)
// move whole 32-bit pixels.
class TDeviceContext {
public:
    // A context drawing into target (which may be null: draws nothing until SetTarget).
    explicit TDeviceContext(TBitmap* target = nullptr);
    TDeviceContext(const TDeviceContext&) = delete;
    TDeviceContext& operator=(const TDeviceContext&) = delete;

    TBitmap* Target() const { return FTarget; }
    void SetTarget(TBitmap* target);

    // --- The window system's part ---
    TPoint DeviceOrigin() const { return FDeviceOrigin; }
    void SetDeviceOrigin(TPoint p);
    // In bitmap coordinates; null removes it (the whole bitmap is visible).
    void SetSystemClip(const TRegion* region);
    // Back to the initial state: no clip region, origin 0, default objects.
    void Reset();

    // --- State ---
    int SaveDC();
    // level > 0: back to that saved level; level < 0: that many levels back.
    bool RestoreDC(int level);
    TPoint ViewportOrg() const { return FState.ViewportOrg; }
    void SetViewportOrg(TPoint p);
    // null removes the clip region; the region is copied.
    void SelectClipRgn(const TRegion* deviceRegion);
    // The region combined with the current clip (RGN_AND, RGN_OR, RGN_DIFF, RGN_XOR, RGN_COPY).
    int ExtSelectClipRgn(const TRegion* deviceRegion, int mode);
    int IntersectClipRect(const TRect& logical);
    int ExcludeClipRect(const TRect& logical);
    int OffsetClipRgn(int dx, int dy);
    // The clip region in device coordinates, if one is selected.
    const std::optional<TRegion>& ClipRegion() const { return FState.Clip; }
    // The bounding box of what can be drawn, in logical coordinates; the region kind.
    int GetClipBox(TRect& logical);
    // True when any pixel of the logical rectangle can be drawn.
    bool RectVisible(const TRect& logical);
    bool PtVisible(TPoint logical);

    HGDIOBJ SelectObject(HGDIOBJ obj);
    HPEN Pen() const { return FState.Pen; }
    HBRUSH Brush() const { return FState.Brush; }
    HFONT Font() const { return FState.Font; }
    TColor TextColor() const { return FState.TextColor; }
    TColor SetTextColor(TColor c);
    TColor BkColor() const { return FState.BkColor; }
    TColor SetBkColor(TColor c);
    int BkMode() const { return FState.BkMode; }
    int SetBkMode(int mode);
    TPoint PenPos() const { return FState.PenPos; }

    // --- Primitives (logical coordinates) ---
    void FillRect(const TRect& r, TColor color);
    void FillRect(const TRect& r, HBRUSH brush);
    // A one-pixel frame just inside r; a 1x1 rectangle is one pixel.
    void FrameRect(const TRect& r, TColor color);
    // Inverts (RGB) every other pixel of the frame just inside r, counted
    // from the top-left corner; drawing it twice restores the picture.
    void DrawFocusRect(const TRect& r);
    void InvertRect(const TRect& r);
    // The pen outline just inside the rectangle, the inside filled with the
    // brush (the whole rectangle when the pen is clear).
    void Rectangle(int left, int top, int right, int bottom);
    void MoveTo(int x, int y);
    // A line from the pen position to (x, y), the end point not drawn.
    void LineTo(int x, int y);
    void Polyline(const TPoint* points, int count);
    // CLR_INVALID (-1) outside the visible area.
    TColor GetPixel(int x, int y);
    void SetPixel(int x, int y, TColor color);

    // --- Copies (logical coordinates in both contexts) ---
    // Source pixels outside the source bitmap are skipped (the destination keeps its pixels).
    bool BitBlt(int x, int y, int w, int h, TDeviceContext& src, int sx, int sy, uint32_t rop);
    // Nearest neighbour: source index = left + floor((2u + 1) * srcW / (2 * dstW)).
    bool StretchBlt(int x, int y, int w, int h, TDeviceContext& src, int sx, int sy, int sw, int sh,
                    uint32_t rop);
    // Stretch copy skipping source pixels whose RGB equals key (alpha ignored).
    bool TransparentBlt(int x, int y, int w, int h, TDeviceContext& src, int sx, int sy, int sw, int sh,
                        TColor key);
    // Stretch and straight-alpha source-over (see TBlend.h).
    bool AlphaBlend(int x, int y, int w, int h, TDeviceContext& src, int sx, int sy, int sw, int sh,
                    BLENDFUNCTION blend);

    // --- Pixel access for the text and picture code ---
    // The visible area in bitmap coordinates.
    const TRegion& EffectiveClip();
    TPoint LogicalToBitmap(TPoint p) const {
        return {p.X + FState.ViewportOrg.X + FDeviceOrigin.X, p.Y + FState.ViewportOrg.Y + FDeviceOrigin.Y};
    }
    TRect LogicalToBitmap(TRect r) const {
        TPoint o = LogicalToBitmap(TPoint{0, 0});
        OffsetRect(r, o.X, o.Y);
        return r;
    }

private:
    struct State {
        TPoint ViewportOrg;
        std::optional<TRegion> Clip; // device coordinates
        HPEN Pen = nullptr;
        HBRUSH Brush = nullptr;
        HFONT Font = nullptr;
        TColor TextColor = clBlack;
        TColor BkColor = clWhite;
        int BkMode = OPAQUE;
        TPoint PenPos;
    };
    enum class BlitMode { Copy, Rop, Key, Alpha };
    struct BlitParams {
        BlitMode Mode = BlitMode::Copy;
        uint32_t Rop = SRCCOPY;
        uint32_t Key = 0;
        BLENDFUNCTION Blend;
    };
    bool Blit(int x, int y, int w, int h, TDeviceContext& src, int sx, int sy, int sw, int sh,
              const BlitParams& params);
    void FillBitmapRect(const TRect& bitmapRect, uint32_t rgb);
    void PlotPen(int bx, int by, uint32_t rgb);
    void Invalidate() { FClipValid = false; }
    TRegion ClipInDevice();

    TBitmap* FTarget;
    TPoint FDeviceOrigin;
    std::optional<TRegion> FSystemClip;
    State FState;
    std::vector<State> FSaved;
    TRegion FEffective;
    bool FClipValid = false;
    int FClipW = -1, FClipH = -1; // the target size the cached clip was made for
    int FDotPhase = 0;
};
