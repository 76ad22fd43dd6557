#include "platform/gdi/Gdi.h"

#include "platform/gdi/TBitmap.h"

#include <cstring>
#include <vector>

HDC CreateBitmapDC(TBitmap* bitmap) {
    return new TDeviceContext(bitmap);
}

BOOL DeleteDC(HDC dc) {
    delete dc;
    return dc != nullptr;
}

int SaveDC(HDC dc) {
    return dc ? dc->SaveDC() : 0;
}
BOOL RestoreDC(HDC dc, int level) {
    return dc && dc->RestoreDC(level);
}

BOOL SetViewportOrgEx(HDC dc, int x, int y, TPoint* old) {
    if (!dc) return false;
    if (old) *old = dc->ViewportOrg();
    dc->SetViewportOrg({x, y});
    return true;
}

BOOL GetViewportOrgEx(HDC dc, TPoint* org) {
    if (!dc || !org) return false;
    *org = dc->ViewportOrg();
    return true;
}

BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, TPoint* old) {
    if (!dc) return false;
    TPoint o = dc->ViewportOrg();
    if (old) *old = o;
    dc->SetViewportOrg({o.X + dx, o.Y + dy});
    return true;
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom) {
    return dc ? dc->IntersectClipRect({left, top, right, bottom}) : RGN_ERROR;
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom) {
    return dc ? dc->ExcludeClipRect({left, top, right, bottom}) : RGN_ERROR;
}

int SelectClipRgn(HDC dc, HRGN rgn) {
    if (!dc) return RGN_ERROR;
    dc->SelectClipRgn(rgn ? &rgn->Region : nullptr);
    return RegionKind(dc->EffectiveClip());
}

int ExtSelectClipRgn(HDC dc, HRGN rgn, int mode) {
    return dc ? dc->ExtSelectClipRgn(rgn ? &rgn->Region : nullptr, mode) : RGN_ERROR;
}

int OffsetClipRgn(HDC dc, int dx, int dy) {
    return dc ? dc->OffsetClipRgn(dx, dy) : RGN_ERROR;
}

int GetClipBox(HDC dc, TRect* rect) {
    if (!dc || !rect) return RGN_ERROR;
    return dc->GetClipBox(*rect);
}

int GetClipRgn(HDC dc, HRGN rgn) {
    if (!dc || !rgn) return -1;
    if (!dc->ClipRegion()) return 0;
    rgn->Region = *dc->ClipRegion();
    return 1;
}

BOOL RectVisible(HDC dc, const TRect& rect) {
    return dc && dc->RectVisible(rect);
}
BOOL PtVisible(HDC dc, int x, int y) {
    return dc && dc->PtVisible({x, y});
}

namespace {

// The stock objects, made and marked once by the first caller whatever the
// thread: a static's initialisation is the one step other threads wait for,
// so nobody sees an object before it is marked as stock.
struct TStockObjects {
    TBrushObj White{BS_SOLID, clWhite}, LtGray{BS_SOLID, RGB(192, 192, 192)},
        Gray{BS_SOLID, RGB(128, 128, 128)}, DkGray{BS_SOLID, RGB(64, 64, 64)}, Black{BS_SOLID, clBlack},
        Null{BS_NULL, clBlack};
    TPenObj WhitePen{PS_SOLID, 1, clWhite}, BlackPen{PS_SOLID, 1, clBlack}, NullPen{PS_NULL, 1, clBlack};
    TFontObj GuiFont{[] {
        LOGFONT lf;
        lf.lfHeight = -11;
        lf.lfFaceName = "MS Sans Serif";
        return lf;
    }()};

    TStockObjects() {
        for (TGdiObject* o : std::initializer_list<TGdiObject*>{
                 &White, &LtGray, &Gray, &DkGray, &Black, &Null, &WhitePen, &BlackPen, &NullPen, &GuiFont})
            o->Stock = true;
    }
};

} // namespace

HGDIOBJ GetStockObject(int index) {
    static TStockObjects stock;
    switch (index) {
    case WHITE_BRUSH:
        return &stock.White;
    case LTGRAY_BRUSH:
        return &stock.LtGray;
    case GRAY_BRUSH:
        return &stock.Gray;
    case DKGRAY_BRUSH:
        return &stock.DkGray;
    case BLACK_BRUSH:
        return &stock.Black;
    case NULL_BRUSH:
        return &stock.Null;
    case WHITE_PEN:
        return &stock.WhitePen;
    case BLACK_PEN:
        return &stock.BlackPen;
    case NULL_PEN:
        return &stock.NullPen;
    case SYSTEM_FONT:
    case DEFAULT_GUI_FONT:
        return &stock.GuiFont;
    default:
        return nullptr;
    }
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ obj) {
    return dc ? dc->SelectObject(obj) : nullptr;
}

BOOL DeleteObject(HGDIOBJ obj) {
    if (!obj) return false;
    if (!obj->Stock) delete obj;
    return true;
}

HBRUSH CreateSolidBrush(TColor color) {
    return new TBrushObj(BS_SOLID, color);
}
HPEN CreatePen(int style, int width, TColor color) {
    return new TPenObj(style, width, color);
}
HFONT CreateFontIndirect(const LOGFONT& lf) {
    return new TFontObj(lf);
}

TColor SetTextColor(HDC dc, TColor color) {
    return dc ? dc->SetTextColor(color) : CLR_INVALID;
}
TColor GetTextColor(HDC dc) {
    return dc ? dc->TextColor() : CLR_INVALID;
}
TColor SetBkColor(HDC dc, TColor color) {
    return dc ? dc->SetBkColor(color) : CLR_INVALID;
}
TColor GetBkColor(HDC dc) {
    return dc ? dc->BkColor() : CLR_INVALID;
}
int SetBkMode(HDC dc, int mode) {
    return dc ? dc->SetBkMode(mode) : 0;
}
int GetBkMode(HDC dc) {
    return dc ? dc->BkMode() : 0;
}
int SetStretchBltMode(HDC dc, int) {
    return dc ? COLORONCOLOR : 0;
}

int FillRect(HDC dc, const TRect& rect, HBRUSH brush) {
    if (!dc || !brush) return 0;
    dc->FillRect(rect, brush);
    return 1;
}

int FrameRect(HDC dc, const TRect& rect, HBRUSH brush) {
    if (!dc || !brush) return 0;
    if (brush->Style != BS_NULL) dc->FrameRect(rect, brush->Color);
    return 1;
}

BOOL InvertRect(HDC dc, const TRect& rect) {
    if (!dc) return false;
    dc->InvertRect(rect);
    return true;
}

BOOL DrawFocusRect(HDC dc, const TRect& rect) {
    if (!dc) return false;
    dc->DrawFocusRect(rect);
    return true;
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
    if (!dc) return false;
    dc->Rectangle(left, top, right, bottom);
    return true;
}

BOOL MoveToEx(HDC dc, int x, int y, TPoint* old) {
    if (!dc) return false;
    if (old) *old = dc->PenPos();
    dc->MoveTo(x, y);
    return true;
}

BOOL LineTo(HDC dc, int x, int y) {
    if (!dc) return false;
    dc->LineTo(x, y);
    return true;
}

BOOL Polyline(HDC dc, const TPoint* points, int count) {
    if (!dc || !points || count < 2) return false;
    dc->Polyline(points, count);
    return true;
}

TColor GetPixel(HDC dc, int x, int y) {
    return dc ? dc->GetPixel(x, y) : CLR_INVALID;
}

TColor SetPixel(HDC dc, int x, int y, TColor color) {
    if (!dc || !dc->PtVisible({x, y})) return CLR_INVALID;
    dc->SetPixel(x, y, color);
    return ColorToRGB(color);
}

BOOL BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, DWORD rop) {
    if (!dst) return false;
    if (!src) {
        // Only the operations that read no source work without one.
        if (rop != BLACKNESS && rop != WHITENESS && rop != DSTINVERT && rop != PATCOPY) return false;
        return dst->BitBlt(x, y, w, h, *dst, 0, 0, rop);
    }
    return dst->BitBlt(x, y, w, h, *src, sx, sy, rop);
}

BOOL StretchBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, DWORD rop) {
    return dst && src && dst->StretchBlt(x, y, w, h, *src, sx, sy, sw, sh, rop);
}

BOOL TransparentBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, UINT key) {
    return dst && src && dst->TransparentBlt(x, y, w, h, *src, sx, sy, sw, sh, TColor(key));
}

BOOL AlphaBlend(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh,
                BLENDFUNCTION blend) {
    return dst && src && dst->AlphaBlend(x, y, w, h, *src, sx, sy, sw, sh, blend);
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    // Windows accepts the corners in either order.
    return new TRgnObj(TRegion(
        TRect{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)}));
}

HRGN CreateRectRgnIndirect(const TRect& r) {
    return CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
}

BOOL SetRectRgn(HRGN rgn, int left, int top, int right, int bottom) {
    if (!rgn) return false;
    rgn->Region = TRegion(
        TRect{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)});
    return true;
}

int CombineRgn(HRGN dst, HRGN src1, HRGN src2, int mode) {
    if (!dst || !src1 || (mode != RGN_COPY && !src2)) return RGN_ERROR;
    switch (mode) {
    case RGN_COPY:
        dst->Region = TRegion(src1->Region);
        break;
    case RGN_AND:
        dst->Region = src1->Region.Intersect(src2->Region);
        break;
    case RGN_OR:
        dst->Region = src1->Region.Union(src2->Region);
        break;
    case RGN_XOR:
        dst->Region = src1->Region.Xor(src2->Region);
        break;
    case RGN_DIFF:
        dst->Region = src1->Region.Subtract(src2->Region);
        break;
    default:
        return RGN_ERROR;
    }
    return RegionKind(dst->Region);
}

int OffsetRgn(HRGN rgn, int dx, int dy) {
    if (!rgn) return RGN_ERROR;
    rgn->Region.Offset(dx, dy);
    return RegionKind(rgn->Region);
}

BOOL PtInRegion(HRGN rgn, int x, int y) {
    return rgn && rgn->Region.Contains(x, y);
}
BOOL RectInRegion(HRGN rgn, const TRect& rect) {
    return rgn && rgn->Region.Intersects(rect);
}

int GetRgnBox(HRGN rgn, TRect* rect) {
    if (!rgn || !rect) return RGN_ERROR;
    *rect = rgn->Region.Bounds();
    return RegionKind(rgn->Region);
}

BOOL EqualRgn(HRGN a, HRGN b) {
    return a && b && a->Region.SameAs(b->Region);
}

HRGN ExtCreateRegion(const void* xform, DWORD size, const RGNDATA* data) {
    if (xform || !data || size < sizeof(RGNDATAHEADER)) return nullptr;
    RGNDATAHEADER h;
    std::memcpy(static_cast<void*>(&h), static_cast<const void*>(data), sizeof h);
    if (h.iType != RDH_RECTANGLES || h.dwSize < sizeof(RGNDATAHEADER) || h.dwSize > size) return nullptr;
    if (uint64_t(h.nCount) * sizeof(TRect) > uint64_t(size) - h.dwSize) return nullptr;
    std::vector<TRect> rects(h.nCount);
    if (h.nCount)
        std::memcpy(rects.data(), reinterpret_cast<const char*>(data) + h.dwSize, h.nCount * sizeof(TRect));
    return new TRgnObj(TRegion::FromRects(rects));
}

DWORD GetRegionData(HRGN rgn, DWORD size, RGNDATA* data) {
    if (!rgn) return 0;
    const auto& rects = rgn->Region.Rects();
    DWORD need = DWORD(sizeof(RGNDATAHEADER) + rects.size() * sizeof(TRect));
    if (!data) return need;
    if (size < need) return 0;
    RGNDATAHEADER h{sizeof(RGNDATAHEADER), RDH_RECTANGLES, DWORD(rects.size()),
                    DWORD(rects.size() * sizeof(TRect)), rgn->Region.Bounds()};
    std::memcpy(static_cast<void*>(data), static_cast<const void*>(&h), sizeof h);
    if (!rects.empty())
        std::memcpy(reinterpret_cast<char*>(data) + sizeof h, rects.data(), rects.size() * sizeof(TRect));
    return need;
}
