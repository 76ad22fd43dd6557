#include "platform/gdi/TDeviceContext.h"

#include "platform/gdi/TBitmap.h"

#include <cstdlib>
#include <utility>

namespace {
uint32_t Rgb(TColor c) {
    c = ColorToRGB(c);
    return (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}
} // namespace

TDeviceContext::TDeviceContext(TBitmap* target) : FTarget(target) {
    Reset();
}

void TDeviceContext::SetTarget(TBitmap* target) {
    FTarget = target;
    Invalidate();
}

void TDeviceContext::SetDeviceOrigin(TPoint p) {
    FDeviceOrigin = p;
    Invalidate();
}

void TDeviceContext::SetSystemClip(const TRegion* region) {
    if (region)
        FSystemClip = *region;
    else
        FSystemClip.reset();
    Invalidate();
}

void TDeviceContext::Reset() {
    FState = State{};
    FState.Pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    FState.Brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    FState.Font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    FSaved.clear();
    Invalidate();
}

int TDeviceContext::SaveDC() {
    FSaved.push_back(FState);
    return int(FSaved.size());
}

bool TDeviceContext::RestoreDC(int level) {
    int n = int(FSaved.size());
    int target = level > 0 ? level : n + level + 1; // the level whose state comes back
    if (level == 0 || target < 1 || target > n) return false;
    FState = FSaved[size_t(target - 1)];
    FSaved.resize(size_t(target - 1));
    Invalidate();
    return true;
}

void TDeviceContext::SetViewportOrg(TPoint p) {
    FState.ViewportOrg = p;
}

void TDeviceContext::SelectClipRgn(const TRegion* deviceRegion) {
    if (deviceRegion)
        FState.Clip = *deviceRegion;
    else
        FState.Clip.reset();
    Invalidate();
}

// The current clip in device coordinates; without a clip region, the whole target.
TRegion TDeviceContext::ClipInDevice() {
    if (FState.Clip) return *FState.Clip;
    TRect all{0, 0, FTarget ? FTarget->Width() : 0, FTarget ? FTarget->Height() : 0};
    OffsetRect(all, -FDeviceOrigin.X, -FDeviceOrigin.Y);
    return TRegion(all);
}

int TDeviceContext::ExtSelectClipRgn(const TRegion* deviceRegion, int mode) {
    if (mode == RGN_COPY) {
        SelectClipRgn(deviceRegion);
    } else {
        if (!deviceRegion) return RGN_ERROR;
        TRegion cur = ClipInDevice();
        switch (mode) {
        case RGN_AND:
            FState.Clip = cur.Intersect(*deviceRegion);
            break;
        case RGN_OR:
            FState.Clip = cur.Union(*deviceRegion);
            break;
        case RGN_XOR:
            FState.Clip = cur.Xor(*deviceRegion);
            break;
        case RGN_DIFF:
            FState.Clip = cur.Subtract(*deviceRegion);
            break;
        default:
            return RGN_ERROR;
        }
        Invalidate();
    }
    return RegionKind(EffectiveClip());
}

int TDeviceContext::IntersectClipRect(const TRect& logical) {
    TRect r = logical;
    OffsetRect(r, FState.ViewportOrg.X, FState.ViewportOrg.Y);
    TRegion rr(r);
    return ExtSelectClipRgn(&rr, RGN_AND);
}

int TDeviceContext::ExcludeClipRect(const TRect& logical) {
    TRect r = logical;
    OffsetRect(r, FState.ViewportOrg.X, FState.ViewportOrg.Y);
    TRegion rr(r);
    return ExtSelectClipRgn(&rr, RGN_DIFF);
}

int TDeviceContext::OffsetClipRgn(int dx, int dy) {
    if (FState.Clip) {
        FState.Clip->Offset(dx, dy);
        Invalidate();
    }
    return RegionKind(EffectiveClip());
}

const TRegion& TDeviceContext::EffectiveClip() {
    TRect all{0, 0, FTarget ? FTarget->Width() : 0, FTarget ? FTarget->Height() : 0};
    if (FClipValid && FClipW == all.Right && FClipH == all.Bottom) return FEffective;
    FClipW = all.Right;
    FClipH = all.Bottom;
    if (FState.Clip) {
        TRegion c = *FState.Clip;
        c.Offset(FDeviceOrigin.X, FDeviceOrigin.Y);
        FEffective = c.Intersect(all);
    } else {
        FEffective = TRegion(all);
    }
    if (FSystemClip) FEffective = FEffective.Intersect(*FSystemClip);
    FClipValid = true;
    return FEffective;
}

int TDeviceContext::GetClipBox(TRect& logical) {
    const TRegion& e = EffectiveClip();
    logical = e.Bounds();
    if (!e.IsEmpty()) {
        TPoint o = LogicalToBitmap(TPoint{0, 0});
        OffsetRect(logical, -o.X, -o.Y);
    }
    return RegionKind(e);
}

bool TDeviceContext::RectVisible(const TRect& logical) {
    return EffectiveClip().Intersects(LogicalToBitmap(logical));
}

bool TDeviceContext::PtVisible(TPoint logical) {
    return EffectiveClip().Contains(LogicalToBitmap(logical));
}

HGDIOBJ TDeviceContext::SelectObject(HGDIOBJ obj) {
    if (!obj) return nullptr;
    HGDIOBJ old = nullptr;
    switch (obj->Kind) {
    case TGdiObjectKind::Pen:
        old = FState.Pen;
        FState.Pen = static_cast<HPEN>(obj);
        break;
    case TGdiObjectKind::Brush:
        old = FState.Brush;
        FState.Brush = static_cast<HBRUSH>(obj);
        break;
    case TGdiObjectKind::Font:
        old = FState.Font;
        FState.Font = static_cast<HFONT>(obj);
        break;
    case TGdiObjectKind::Region:
        SelectClipRgn(&static_cast<HRGN>(obj)->Region);
        return nullptr;
    }
    return old;
}

TColor TDeviceContext::SetTextColor(TColor c) {
    return std::exchange(FState.TextColor, c);
}
TColor TDeviceContext::SetBkColor(TColor c) {
    return std::exchange(FState.BkColor, c);
}
int TDeviceContext::SetBkMode(int mode) {
    return std::exchange(FState.BkMode, mode);
}

// ---------------------------------------------------------------------------

void TDeviceContext::FillBitmapRect(const TRect& bitmapRect, uint32_t rgb) {
    if (!FTarget || bitmapRect.IsEmpty()) return;
    for (const TRect& c : EffectiveClip().Rects()) {
        TRect r;
        if (!IntersectRect(r, c, bitmapRect)) continue;
        for (int y = r.Top; y < r.Bottom; ++y) {
            uint32_t* p = FTarget->ScanLine(y);
            for (int x = r.Left; x < r.Right; ++x)
                p[x] = (p[x] & 0xFF000000u) | rgb;
        }
    }
}

void TDeviceContext::FillRect(const TRect& r, TColor color) {
    FillBitmapRect(LogicalToBitmap(r), Rgb(color));
}

void TDeviceContext::FillRect(const TRect& r, HBRUSH brush) {
    if (!brush || brush->Style == BS_NULL) return;
    FillRect(r, brush->Color);
}

void TDeviceContext::FrameRect(const TRect& r, TColor color) {
    if (r.IsEmpty()) return;
    uint32_t c = Rgb(color);
    TRect b = LogicalToBitmap(r);
    FillBitmapRect({b.Left, b.Top, b.Right, b.Top + 1}, c);
    if (b.Bottom - 1 > b.Top) FillBitmapRect({b.Left, b.Bottom - 1, b.Right, b.Bottom}, c);
    FillBitmapRect({b.Left, b.Top + 1, b.Left + 1, b.Bottom - 1}, c);
    if (b.Right - 1 > b.Left) FillBitmapRect({b.Right - 1, b.Top + 1, b.Right, b.Bottom - 1}, c);
}

void TDeviceContext::InvertRect(const TRect& r) {
    if (!FTarget) return;
    TRect b = LogicalToBitmap(r);
    for (const TRect& c : EffectiveClip().Rects()) {
        TRect t;
        if (!IntersectRect(t, c, b)) continue;
        for (int y = t.Top; y < t.Bottom; ++y) {
            uint32_t* p = FTarget->ScanLine(y);
            for (int x = t.Left; x < t.Right; ++x)
                p[x] ^= 0x00FFFFFFu;
        }
    }
}

void TDeviceContext::DrawFocusRect(const TRect& r) {
    if (!FTarget || r.IsEmpty()) return;
    TRect b = LogicalToBitmap(r);
    const TRegion& clip = EffectiveClip();
    auto flip = [&](int x, int y) {
        if (((x - b.Left) + (y - b.Top)) % 2 == 0 && clip.Contains(x, y))
            FTarget->ScanLine(y)[x] ^= 0x00FFFFFFu;
    };
    for (int x = b.Left; x < b.Right; ++x) {
        flip(x, b.Top);
        if (b.Bottom - 1 > b.Top) flip(x, b.Bottom - 1);
    }
    for (int y = b.Top + 1; y < b.Bottom - 1; ++y) {
        flip(b.Left, y);
        if (b.Right - 1 > b.Left) flip(b.Right - 1, y);
    }
}

void TDeviceContext::Rectangle(int left, int top, int right, int bottom) {
    TRect r{left, top, right, bottom};
    if (r.IsEmpty()) return;
    HPEN pen = FState.Pen;
    bool outline = pen && pen->Style != PS_NULL;
    if (FState.Brush && FState.Brush->Style != BS_NULL) {
        TRect inner = r;
        if (outline) InflateRect(inner, -1, -1);
        FillRect(inner, FState.Brush->Color);
    }
    if (outline) FrameRect(r, pen->Color);
}

void TDeviceContext::MoveTo(int x, int y) {
    FState.PenPos = {x, y};
}

void TDeviceContext::PlotPen(int bx, int by, uint32_t rgb) {
    HPEN pen = FState.Pen;
    if (pen->Style == PS_DOT || pen->Style == PS_DASH || pen->Style == PS_DASHDOT ||
        pen->Style == PS_DASHDOTDOT) {
        // Every other pixel along the line (one pattern for the dotted styles).
        if ((FDotPhase++ & 1) != 0) return;
    }
    int w = std::max(pen->Width, 1);
    if (w == 1) {
        if (EffectiveClip().Contains(bx, by)) {
            uint32_t* p = &FTarget->ScanLine(by)[bx];
            *p = (*p & 0xFF000000u) | rgb;
        }
        return;
    }
    FillBitmapRect({bx - w / 2, by - w / 2, bx - w / 2 + w, by - w / 2 + w}, rgb);
}

void TDeviceContext::LineTo(int x, int y) {
    TPoint from = FState.PenPos;
    FState.PenPos = {x, y};
    HPEN pen = FState.Pen;
    if (!FTarget || !pen || pen->Style == PS_NULL) return;
    uint32_t c = Rgb(pen->Color);
    TPoint a = LogicalToBitmap(from), b = LogicalToBitmap(TPoint{x, y});
    int dx = std::abs(b.X - a.X), sx = a.X < b.X ? 1 : -1;
    int dy = -std::abs(b.Y - a.Y), sy = a.Y < b.Y ? 1 : -1;
    int err = dx + dy;
    FDotPhase = 0;
    while (a.X != b.X || a.Y != b.Y) {
        PlotPen(a.X, a.Y, c);
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            a.X += sx;
        }
        if (e2 <= dx) {
            err += dx;
            a.Y += sy;
        }
    }
}

void TDeviceContext::Polyline(const TPoint* points, int count) {
    if (count < 2) return;
    TPoint keep = FState.PenPos;
    MoveTo(points[0].X, points[0].Y);
    for (int i = 1; i < count; ++i)
        LineTo(points[i].X, points[i].Y);
    FState.PenPos = keep; // Polyline leaves the pen position alone
}

TColor TDeviceContext::GetPixel(int x, int y) {
    TPoint b = LogicalToBitmap(TPoint{x, y});
    if (!FTarget || !EffectiveClip().Contains(b)) return TColor(-1);
    return PixelToColor(FTarget->ScanLine(b.Y)[b.X]);
}

void TDeviceContext::SetPixel(int x, int y, TColor color) {
    TPoint b = LogicalToBitmap(TPoint{x, y});
    if (!FTarget || !EffectiveClip().Contains(b)) return;
    uint32_t* p = &FTarget->ScanLine(b.Y)[b.X];
    *p = (*p & 0xFF000000u) | Rgb(color);
}
