#pragma once

#include "platform/base/Color.h"
#include "platform/base/Types.h"
#include "platform/gdi/TRegion.h"

#include <memory>
#include <string>

// Drawing objects behind handles, as Windows-style code expects them:
// created by Create* functions, selected into a device context, freed by
// DeleteObject. Stock objects (GetStockObject) are never freed.

enum class TGdiObjectKind { Pen, Brush, Font, Region };

class TGdiObject {
public:
    explicit TGdiObject(TGdiObjectKind kind) : Kind(kind) {}
    virtual ~TGdiObject() = default;
    const TGdiObjectKind Kind;
    bool Stock = false;
};

// Pen styles (PS_*) and brush styles (BS_*) with their Windows numbers.
enum : int {
    PS_SOLID = 0,
    PS_DASH = 1,
    PS_DOT = 2,
    PS_DASHDOT = 3,
    PS_DASHDOTDOT = 4,
    PS_NULL = 5,
    PS_INSIDEFRAME = 6
};
enum : int { BS_SOLID = 0, BS_NULL = 1, BS_HOLLOW = 1 };

class TPenObj : public TGdiObject {
public:
    TPenObj(int style, int width, TColor color)
        : TGdiObject(TGdiObjectKind::Pen), Style(style), Width(width), Color(color) {}
    int Style;
    int Width;
    TColor Color;
};

class TBrushObj : public TGdiObject {
public:
    TBrushObj(int style, TColor color) : TGdiObject(TGdiObjectKind::Brush), Style(style), Color(color) {}
    int Style;
    TColor Color;
};

// Font description in the Windows layout, the face name as UTF-8.
enum : int { FW_DONTCARE = 0, FW_NORMAL = 400, FW_BOLD = 700 };
enum : Byte { ANSI_CHARSET = 0, DEFAULT_CHARSET = 1, GB2312_CHARSET = 134, CHINESEBIG5_CHARSET = 136 };
struct LOGFONT {
    int lfHeight = 0;
    int lfWidth = 0;
    int lfEscapement = 0;
    int lfOrientation = 0;
    int lfWeight = FW_NORMAL;
    Byte lfItalic = 0;
    Byte lfUnderline = 0;
    Byte lfStrikeOut = 0;
    Byte lfCharSet = DEFAULT_CHARSET;
    Byte lfOutPrecision = 0;
    Byte lfClipPrecision = 0;
    Byte lfQuality = 0;
    Byte lfPitchAndFamily = 0;
    std::string lfFaceName;
};

class TFontFace; // a resolved and sized face, see TFontFace.h

class TFontObj : public TGdiObject {
public:
    explicit TFontObj(const LOGFONT& lf) : TGdiObject(TGdiObjectKind::Font), LogFont(lf) {}
    LOGFONT LogFont;
    // The face, resolved when first drawn with.
    std::shared_ptr<TFontFace> Face();
    void SetLogFont(const LOGFONT& lf) {
        LogFont = lf;
        FFace.reset();
    }

private:
    std::shared_ptr<TFontFace> FFace;
};

class TRgnObj : public TGdiObject {
public:
    TRgnObj() : TGdiObject(TGdiObjectKind::Region) {}
    explicit TRgnObj(TRegion r) : TGdiObject(TGdiObjectKind::Region), Region(std::move(r)) {}
    TRegion Region;
};

using HGDIOBJ = TGdiObject*;
using HPEN = TPenObj*;
using HBRUSH = TBrushObj*;
using HFONT = TFontObj*;
using HRGN = TRgnObj*;

// Region kinds returned by region and clip functions, and CombineRgn modes.
enum : int { RGN_ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };
enum : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };

inline int RegionKind(const TRegion& r) {
    return r.IsEmpty() ? NULLREGION : r.IsRect() ? SIMPLEREGION : COMPLEXREGION;
}

// Stock objects (GetStockObject) with their Windows numbers.
enum : int {
    WHITE_BRUSH = 0,
    LTGRAY_BRUSH = 1,
    GRAY_BRUSH = 2,
    DKGRAY_BRUSH = 3,
    BLACK_BRUSH = 4,
    NULL_BRUSH = 5,
    HOLLOW_BRUSH = 5,
    WHITE_PEN = 6,
    BLACK_PEN = 7,
    NULL_PEN = 8,
    SYSTEM_FONT = 13,
    DEFAULT_GUI_FONT = 17,
};
HGDIOBJ GetStockObject(int index);
