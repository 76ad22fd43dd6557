#pragma once

// Windows-style drawing functions over our device contexts and drawing
// objects, for code that was written against that interface (the skin
// engine). Each is a thin call into TDeviceContext / TRegion; see there for
// the rules. A null HDC or handle is refused (false, 0 or RGN_ERROR).

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/TDeviceContext.h"

#include <cstdint>
#include <string_view>

using UINT = uint32_t;
using DWORD = uint32_t;
using BOOL = bool;
using COLORREF = TColor;
constexpr TColor CLR_INVALID = TColor(-1);

// --- Contexts ---
// A context drawing into bitmap (freed with DeleteDC; the bitmap stays the caller's).
HDC CreateBitmapDC(TBitmap* bitmap);
BOOL DeleteDC(HDC dc);
int SaveDC(HDC dc);
BOOL RestoreDC(HDC dc, int level);
BOOL SetViewportOrgEx(HDC dc, int x, int y, TPoint* old);
BOOL GetViewportOrgEx(HDC dc, TPoint* org);
BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, TPoint* old);

// --- Clipping (rectangles logical, regions in device coordinates) ---
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int SelectClipRgn(HDC dc, HRGN rgn);
int ExtSelectClipRgn(HDC dc, HRGN rgn, int mode);
int OffsetClipRgn(HDC dc, int dx, int dy);
int GetClipBox(HDC dc, TRect* rect);
// Copies the clip region into rgn: 1, or 0 when none is selected.
int GetClipRgn(HDC dc, HRGN rgn);
BOOL RectVisible(HDC dc, const TRect& rect);
BOOL PtVisible(HDC dc, int x, int y);

// --- Objects ---
HGDIOBJ GetStockObject(int index);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ obj);
// Frees a pen, brush, font or region; stock objects are kept.
BOOL DeleteObject(HGDIOBJ obj);
HBRUSH CreateSolidBrush(TColor color);
HPEN CreatePen(int style, int width, TColor color);
HFONT CreateFontIndirect(const LOGFONT& lf);
TColor SetTextColor(HDC dc, TColor color);
TColor GetTextColor(HDC dc);
TColor SetBkColor(HDC dc, TColor color);
TColor GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
enum : int { BLACKONWHITE = 1, WHITEONBLACK = 2, COLORONCOLOR = 3, HALFTONE = 4 };
// Accepted and remembered nowhere: every stretch samples the nearest pixel.
int SetStretchBltMode(HDC dc, int mode);

// --- Primitives ---
int FillRect(HDC dc, const TRect& rect, HBRUSH brush);
int FrameRect(HDC dc, const TRect& rect, HBRUSH brush);
BOOL InvertRect(HDC dc, const TRect& rect);
BOOL DrawFocusRect(HDC dc, const TRect& rect);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL MoveToEx(HDC dc, int x, int y, TPoint* old);
BOOL LineTo(HDC dc, int x, int y);
BOOL Polyline(HDC dc, const TPoint* points, int count);
TColor GetPixel(HDC dc, int x, int y);
TColor SetPixel(HDC dc, int x, int y, TColor color);

// --- Copies ---
BOOL BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, DWORD rop);
BOOL StretchBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, DWORD rop);
BOOL TransparentBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, UINT key);
BOOL AlphaBlend(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh,
                BLENDFUNCTION blend);

// --- Regions ---
HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const TRect& rect);
BOOL SetRectRgn(HRGN rgn, int left, int top, int right, int bottom);
// dst = src1 op src2 (RGN_COPY: src1); dst may be one of the sources.
int CombineRgn(HRGN dst, HRGN src1, HRGN src2, int mode);
int OffsetRgn(HRGN rgn, int dx, int dy);
BOOL PtInRegion(HRGN rgn, int x, int y);
BOOL RectInRegion(HRGN rgn, const TRect& rect);
int GetRgnBox(HRGN rgn, TRect* rect);
BOOL EqualRgn(HRGN a, HRGN b);

// Region data: a 32-byte header followed by nCount rectangles of four 32-bit integers.
enum : DWORD { RDH_RECTANGLES = 1 };
struct RGNDATAHEADER {
    DWORD dwSize;
    DWORD iType;
    DWORD nCount;
    DWORD nRgnSize;
    TRect rcBound;
};
struct RGNDATA {
    RGNDATAHEADER rdh;
    char Buffer[1];
};
static_assert(sizeof(RGNDATAHEADER) == 32);
// A region of the data's rectangles (any order, overlaps allowed). The
// transform must be null. Data too short for its count, or of another type, gives null.
HRGN ExtCreateRegion(const void* xform, DWORD size, const RGNDATA* data);
// The byte size of the region's data; with a buffer of at least that size, fills it.
DWORD GetRegionData(HRGN rgn, DWORD size, RGNDATA* data);
