// Painting: update regions, paint messages, device contexts on the top-level
// back buffers, window regions, the built-in frame, and presenting to the
// backend.

#include "platform/win/WinInternal.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/Text.h"

#include <algorithm>

namespace {

// Where a window's corner lies in its top-level window's back buffer.
TPoint OriginInTop(const TWindow* w) {
    TPoint p{0, 0};
    for (; w->IsChild(); w = w->Parent) {
        p.X += w->WindowRect.Left + w->Parent->ClientRect.Left;
        p.Y += w->WindowRect.Top + w->Parent->ClientRect.Top;
    }
    return p;
}

TRegion ShapeInTop(const TWindow* w) {
    TPoint o = OriginInTop(w);
    TRegion r(Bounds(o.X, o.Y, w->WindowRect.Width(), w->WindowRect.Height()));
    if (w->Region) {
        TRegion shape = *w->Region;
        shape.Offset(o.X, o.Y);
        r = r.Intersect(shape);
    }
    return r;
}

TRect ClientInTop(const TWindow* w) {
    TPoint o = OriginInTop(w);
    TRect c = w->ClientRect;
    OffsetRect(c, o.X, o.Y);
    return c;
}

// The pixels of the window (client area only, or the whole window) that
// show, in back-buffer coordinates: inside every parent's client area,
// outside the siblings above it, outside its children when it clips them.
TRegion VisibleRegion(const TWindow* w, bool clientOnly) {
    TRegion vis = ShapeInTop(w);
    if (clientOnly) vis = vis.Intersect(ClientInTop(w));
    if (w->Style & WS_CLIPCHILDREN)
        for (TWindow* c : w->Children)
            if (c->Visible()) vis = vis.Subtract(ShapeInTop(c));
    for (const TWindow* x = w; x->IsChild(); x = x->Parent) {
        const TWindow* p = x->Parent;
        vis = vis.Intersect(ClientInTop(p)).Intersect(ShapeInTop(p));
        for (TWindow* s : p->Children) {
            if (s == x) break;
            if (s->Visible()) vis = vis.Subtract(ShapeInTop(s));
        }
    }
    return vis;
}

bool ShowsOnScreen(const TWindow* w) {
    for (; w; w = w->IsChild() ? w->Parent : nullptr) {
        if (!w->Visible()) return false;
        if (w->IsTopLevel() && w->ShowState == TShowState::ssMinimized) return false;
    }
    return true;
}

// The caret shows only in what is presented (inverted pixels over a copy),
// so the back buffer never holds it and painting needs no care for it.
bool CaretRectInTop(TWindow* top, TRect& out, TRegion& clip) {
    auto& ws = WS();
    TWindow* cw = W(ws.FCaretWnd);
    if (!cw || !CaretVisible() || !ws.FCaretPhase || TopLevelOf(cw) != top || !ShowsOnScreen(cw))
        return false;
    TPoint o = OriginInTop(cw);
    out = ws.FCaretRect;
    OffsetRect(out, o.X + cw->ClientRect.Left, o.Y + cw->ClientRect.Top);
    clip = VisibleRegion(cw, true);
    return true;
}

void Present(TWindow* w, const TRect& dirtyInTop) {
    TWindow* top = TopLevelOf(w);
    if (!top || !top->Surface || !top->BackBuffer || !ShowsOnScreen(top)) return;
    TRect caret;
    TRegion clip;
    if (!CaretRectInTop(top, caret, clip)) {
        top->Surface->Present(*top->BackBuffer, dirtyInTop);
        return;
    }
    TBitmap shown(*top->BackBuffer);
    TRegion area = clip.Intersect(caret);
    for (const TRect& r : area.Rects())
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (x >= 0 && y >= 0 && x < shown.Width() && y < shown.Height())
                    shown.ScanLine(y)[x] ^= 0x00FFFFFFu;
    TRect dirty;
    UnionRect(dirty, dirtyInTop, caret);
    top->Surface->Present(shown, dirty);
}

// Adds area (client coordinates of w) to w's update region and, for windows
// that do not clip their children, to the children under it.
void AddInvalid(TWindow* w, const TRegion& area, uint32_t flags) {
    TRect client = Rect(0, 0, w->ClientRect.Width(), w->ClientRect.Height());
    TRegion a = area.Intersect(client);
    if (flags & RDW_INVALIDATE) {
        w->UpdateRegion = w->UpdateRegion.Union(a);
        if (flags & RDW_ERASE) w->ErasePending = true;
        if (flags & RDW_FRAME) w->NcPaintPending = true;
        if (flags & RDW_INTERNALPAINT) w->InternalPaint = true;
    }
    if (flags & RDW_VALIDATE) {
        w->UpdateRegion = w->UpdateRegion.Subtract(a);
        if (flags & RDW_NOFRAME) w->NcPaintPending = false;
        if (flags & RDW_NOERASE) w->ErasePending = false;
        if (flags & RDW_NOINTERNALPAINT) w->InternalPaint = false;
        if (w->UpdateRegion.IsEmpty()) w->ErasePending = false;
    }
    bool children = (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w->Style & WS_CLIPCHILDREN));
    if (!children) return;
    for (TWindow* c : w->Children) {
        if (!c->Visible()) continue;
        TRegion ca = a;
        ca.Offset(-c->WindowRect.Left, -c->WindowRect.Top);
        TRect cr = Rect(0, 0, c->WindowRect.Width(), c->WindowRect.Height());
        if (!ca.Intersects(cr)) continue;
        // The part over the child's frame asks for its frame to be painted.
        uint32_t cf = flags;
        TRegion frame = ca.Intersect(cr).Subtract(TRegion(c->ClientRect));
        if ((flags & RDW_INVALIDATE) && !frame.IsEmpty()) cf |= RDW_FRAME;
        ca.Offset(-c->ClientRect.Left, -c->ClientRect.Top);
        AddInvalid(c, ca, cf);
    }
}

bool NeedsPaint(const TWindow* w) {
    return !w->UpdateRegion.IsEmpty() || w->NcPaintPending || w->InternalPaint;
}

} // namespace

LRESULT SendPaint(HWND wnd) {
    TWindow* w = W(wnd);
    if (!w) return 0;
    uint64_t serial = w->PaintSerial;
    LRESULT r = SendMessage(wnd, WM_PAINT);
    // A handler that never began painting would get WM_PAINT for ever.
    if ((w = W(wnd)) != nullptr && w->PaintSerial == serial) DropPaintState(w);
    return r;
}

namespace {

TWindow* FindPaintTarget(const std::vector<TWindow*>& list) {
    for (TWindow* w : list) {
        if (!w->Visible() || w->Destroying || (w->IsTopLevel() && w->ShowState == TShowState::ssMinimized))
            continue;
        if (w->ContentGiven) {
            DropPaintState(w);
            continue;
        }
        if (NeedsPaint(w)) return w;
        if (TWindow* c = FindPaintTarget(w->Children)) return c;
    }
    return nullptr;
}

void UpdateTree(HWND wnd, bool children) {
    TWindow* w = W(wnd);
    if (!w || !ShowsOnScreen(w)) return;
    if (NeedsPaint(w)) SendPaint(wnd);
    if (!children || !(w = W(wnd))) return;
    std::vector<HWND> kids;
    for (TWindow* c : w->Children)
        kids.push_back(c->Handle);
    for (HWND k : kids)
        UpdateTree(k, true);
}

HDC MakeDC(TWindow* w, bool clientOnly, const TRegion* limit) {
    TWindow* top = TopLevelOf(w);
    if (!top || !top->BackBuffer) return nullptr;
    auto* dc = new TDeviceContext(top->BackBuffer.get());
    TPoint o = OriginInTop(w);
    if (clientOnly) o = {o.X + w->ClientRect.Left, o.Y + w->ClientRect.Top};
    dc->SetDeviceOrigin(o);
    TRegion clip = ShowsOnScreen(w) ? VisibleRegion(w, clientOnly) : TRegion();
    if (limit) clip = clip.Intersect(*limit);
    dc->SetSystemClip(&clip);
    return dc;
}

// DCs handed out, with the window each belongs to.
struct TDcRecord {
    HDC Dc;
    HWND Wnd;
};
std::vector<TDcRecord> GDcs;

void FreeDC(HDC dc) {
    auto it = std::find_if(GDcs.begin(), GDcs.end(), [dc](auto& r) { return r.Dc == dc; });
    if (it == GDcs.end()) return;
    HWND wnd = it->Wnd;
    GDcs.erase(it);
    TRegion drawn = dc->EffectiveClip();
    delete dc;
    if (TWindow* w = W(wnd)) Present(w, drawn.Bounds());
}

} // namespace

bool PointInWindowShape(const TWindow* w, TPoint screenPt) {
    TRect r = ScreenWindowRect(w);
    if (!r.Contains(screenPt)) return false;
    return !w->Region || w->Region->Contains(screenPt.X - r.Left, screenPt.Y - r.Top);
}

void SyncSurface(TWindow* w) {
    if (!w->IsTopLevel() || w->Destroying) return;
    auto& ws = WS();
    TRect screen = ScreenWindowRect(w);
    if (!w->Surface) {
        TSurfaceParams p;
        p.Kind = (w->ExStyle & WS_EX_TOOLWINDOW) ? TSurfaceKind::skTool
                 : (w->Style & WS_POPUP)         ? TSurfaceKind::skPopup
                                                 : TSurfaceKind::skNormal;
        p.Bounds = screen;
        p.Topmost = (w->ExStyle & WS_EX_TOPMOST) != 0;
        p.Title = w->Text;
        w->Surface = ws.Backend().CreateSurface(w->Handle, p);
        if (!w->Surface) return;
        if (w->Region) w->Surface->SetShape(&*w->Region);
    }
    if (!w->BackBuffer) w->BackBuffer = std::make_unique<TBitmap>();
    if (w->BackBuffer->Width() != screen.Width() || w->BackBuffer->Height() != screen.Height()) {
        w->BackBuffer->SetPixelFormat(pf32bit);
        w->BackBuffer->SetSize(screen.Width(), screen.Height());
        // Content is kept where it fits; the window repaints anyway.
        InvalidateWhole(w, true, true);
    }
    w->Surface->SetBounds(screen);
    bool layered = (w->ExStyle & WS_EX_LAYERED) && w->LayeredAlphaSet && ws.Backend().LayeredSupported();
    w->Surface->SetLayered(layered, layered ? w->LayeredAlpha : 255, layered && w->PerPixelAlpha);
    bool shown = w->Visible() && w->ShowState != TShowState::ssMinimized;
    // A layered window shows nothing until it was given its attributes.
    if ((w->ExStyle & WS_EX_LAYERED) && ws.Backend().LayeredSupported() && !w->LayeredAlphaSet) shown = false;
    w->Surface->SetVisible(shown);
    if (shown) Present(w, Rect(0, 0, screen.Width(), screen.Height()));
}

void RestackSurfaces() {
    auto* ws = WSOrNull();
    if (!ws) return;
    std::vector<TBackendSurface*> order;
    for (TWindow* t : ws->TopLevels())
        if (t->Surface && t->Visible() && t->ShowState != TShowState::ssMinimized)
            order.push_back(t->Surface.get());
    ws->Backend().Restack(order);
}

void InvalidateWhole(TWindow* w, bool frame, bool erase) {
    TRegion all(Rect(0, 0, w->ClientRect.Width(), w->ClientRect.Height()));
    uint32_t flags = RDW_INVALIDATE | RDW_ALLCHILDREN | (frame ? RDW_FRAME : 0) | (erase ? RDW_ERASE : 0);
    AddInvalid(w, all, flags);
    if (frame) w->NcPaintPending = true;
    WS().WakeLoop();
}

void ExposeScreenArea(TWindow* parent, const TRect& screenRect) {
    if (!parent || !ShowsOnScreen(parent)) return;
    TPoint o = ClientOriginOnScreen(parent);
    TRect r = screenRect;
    OffsetRect(r, -o.X, -o.Y);
    AddInvalid(parent, TRegion(r), RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    // The parent's frame may lie under the area too.
    TRect wr = ScreenWindowRect(parent);
    TRect inner = Bounds(o.X, o.Y, parent->ClientRect.Width(), parent->ClientRect.Height());
    if (!TRegion(screenRect).Intersect(wr).Subtract(TRegion(inner)).IsEmpty()) parent->NcPaintPending = true;
}

bool NextPaintMessage(TMsg& out) {
    TWindow* w = FindPaintTarget(WS().TopLevels());
    if (!w) return false;
    out = TMsg{};
    out.hwnd = w->Handle;
    out.message = WM_PAINT;
    out.time = GetTickCount();
    return true;
}

bool RedrawWindow(HWND wnd, const TRect* rect, HRGN region, uint32_t flags) {
    TWindow* w = W(wnd);
    if (!w) return false;
    TRegion area;
    if (region)
        area = region->Region;
    else if (rect)
        area = TRegion(*rect);
    else
        area = TRegion(Rect(0, 0, w->ClientRect.Width(), w->ClientRect.Height()));
    if ((flags & RDW_FRAME) && (flags & RDW_INVALIDATE)) w->NcPaintPending = true;
    if ((flags & RDW_NOFRAME) && (flags & RDW_VALIDATE)) w->NcPaintPending = false;
    if ((flags & RDW_FRAME) && (flags & RDW_INVALIDATE) && (flags & RDW_ALLCHILDREN)) {
        std::function<void(TWindow*)> frames = [&](TWindow* x) {
            for (TWindow* c : x->Children) {
                c->NcPaintPending = true;
                frames(c);
            }
        };
        frames(w);
    }
    AddInvalid(w, area, flags);
    if (flags & (RDW_INVALIDATE | RDW_INTERNALPAINT)) WS().WakeLoop();
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) UpdateTree(wnd, !(flags & RDW_NOCHILDREN));
    return true;
}

bool InvalidateRect(HWND wnd, const TRect* rect, bool erase) {
    if (!wnd) {
        // All windows, as a display change would.
        for (HWND t : GetChildWindows(nullptr))
            RedrawWindow(t, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE);
        return true;
    }
    return RedrawWindow(wnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

bool InvalidateRgn(HWND wnd, HRGN region, bool erase) {
    return RedrawWindow(wnd, nullptr, region, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

bool ValidateRect(HWND wnd, const TRect* rect) {
    return RedrawWindow(wnd, rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

bool ValidateRgn(HWND wnd, HRGN region) {
    return RedrawWindow(wnd, nullptr, region, RDW_VALIDATE | RDW_NOCHILDREN);
}

bool GetUpdateRect(HWND wnd, TRect* rect, bool erase) {
    TWindow* w = W(wnd);
    if (!w) return false;
    if (rect) *rect = w->UpdateRegion.Bounds();
    bool any = !w->UpdateRegion.IsEmpty();
    if (erase && any) UpdateTree(wnd, false);
    return any;
}

int GetUpdateRgn(HWND wnd, HRGN region, bool erase) {
    TWindow* w = W(wnd);
    if (!w || !region) return 0;
    region->Region = w->UpdateRegion;
    (void)erase;
    return w->UpdateRegion.IsEmpty() ? 1 : (w->UpdateRegion.IsRect() ? 2 : 3);
}

bool UpdateWindow(HWND wnd) {
    if (!W(wnd)) return false;
    UpdateTree(wnd, true);
    return true;
}

HDC BeginPaint(HWND wnd, TPaintStruct& ps) {
    ps = TPaintStruct{};
    TWindow* w = W(wnd);
    if (!w) return nullptr;
    ++w->PaintSerial;
    if (w->NcPaintPending) {
        w->NcPaintPending = false;
        SendMessage(wnd, WM_NCPAINT, 1);
        if (!(w = W(wnd))) return nullptr;
    }
    TRegion update = w->UpdateRegion;
    bool erase = w->ErasePending;
    w->UpdateRegion = TRegion();
    w->ErasePending = false;
    w->InternalPaint = false;
    HDC dc = MakeDC(w, true, nullptr);
    if (!dc) return nullptr;
    TPoint o = dc->DeviceOrigin();
    TRegion limit = update;
    limit.Offset(o.X, o.Y);
    TRegion clip = dc->EffectiveClip().Intersect(limit);
    dc->SetSystemClip(&clip);
    GDcs.push_back({dc, wnd});
    ps.hdc = dc;
    ps.rcPaint = update.Bounds();
    if (erase) ps.fErase = SendMessage(wnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc)) == 0;
    return dc;
}

bool EndPaint(HWND wnd, const TPaintStruct& ps) {
    (void)wnd;
    if (ps.hdc) FreeDC(ps.hdc);
    return true;
}

HDC GetDC(HWND wnd) {
    TWindow* w = W(wnd);
    if (!w) return nullptr;
    HDC dc = MakeDC(w, true, nullptr);
    if (dc) GDcs.push_back({dc, wnd});
    return dc;
}

HDC GetWindowDC(HWND wnd) {
    TWindow* w = W(wnd);
    if (!w) return nullptr;
    HDC dc = MakeDC(w, false, nullptr);
    if (dc) GDcs.push_back({dc, wnd});
    return dc;
}

int ReleaseDC(HWND wnd, HDC dc) {
    (void)wnd;
    bool known = std::any_of(GDcs.begin(), GDcs.end(), [dc](auto& r) { return r.Dc == dc; });
    FreeDC(dc);
    return known ? 1 : 0;
}

void ReleaseAllDCs() {
    // Contexts nobody released would point into freed back buffers.
    for (auto& r : GDcs)
        delete r.Dc;
    GDcs.clear();
}

void PresentCaretWindow() {
    auto* ws = WSOrNull();
    if (!ws) return;
    if (TWindow* cw = W(ws->FCaretShownIn)) Present(cw, TRect{});
    if (TWindow* cw = W(ws->FCaretWnd)) Present(cw, TRect{});
    ws->FCaretShownIn = CaretVisible() ? ws->FCaretWnd : nullptr;
}

const TBitmap* GetWindowBackBuffer(HWND wnd) {
    TWindow* w = W(wnd);
    return w && w->IsTopLevel() ? w->BackBuffer.get() : nullptr;
}

void DropPaintState(TWindow* w) {
    w->UpdateRegion = TRegion();
    w->NcPaintPending = w->ErasePending = w->InternalPaint = false;
}

void DefaultNcPaint(HWND wnd) {
    TWindow* w = W(wnd);
    if (!w) return;
    TRect in = DefaultFrameInsets(w);
    if (in.Left == 0 && in.Top == 0 && in.Right == 0 && in.Bottom == 0) return;
    HDC dc = GetWindowDC(wnd);
    if (!dc) return;
    int width = w->WindowRect.Width(), height = w->WindowRect.Height();
    dc->ExcludeClipRect(w->ClientRect);
    TRect all = Rect(0, 0, width, height);
    dc->FillRect(all, ColorToRGB(clBtnFace));
    dc->FrameRect(all, ColorToRGB(cl3DDkShadow));
    if ((w->Style & WS_CAPTION) == WS_CAPTION) {
        int b = in.Left;
        TRect caption = Rect(b, b, width - b, in.Top);
        bool active = TopLevelOf(w)->Handle == GetActiveWindow();
        dc->FillRect(caption, ColorToRGB(active ? clActiveCaption : clInactiveCaption));
        if (!w->Text.empty()) {
            TRect textRect = caption;
            InflateRect(textRect, -4, 0);
            SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, ColorToRGB(active ? clCaptionText : clInactiveCaptionText));
            try {
                DrawText(dc, w->Text, textRect,
                         DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
            } catch (...) {
                // Without a usable font the caption stays plain.
            }
        }
    }
    ReleaseDC(wnd, dc);
}

bool SetWindowRgn(HWND wnd, HRGN region, bool redraw) {
    TWindow* w = W(wnd);
    if (!w) {
        if (region) DeleteObject(region);
        return false;
    }
    TRect oldScreen = ScreenWindowRect(w);
    if (region) {
        w->Region = region->Region;
        DeleteObject(region);
    } else {
        w->Region.reset();
    }
    if (w->Surface) w->Surface->SetShape(w->Region ? &*w->Region : nullptr);
    if (redraw && w->Visible()) {
        if (w->IsChild()) ExposeScreenArea(w->Parent, oldScreen);
        InvalidateWhole(w, true, true);
        if (w->IsTopLevel()) Present(w, Rect(0, 0, w->WindowRect.Width(), w->WindowRect.Height()));
    }
    return true;
}

int GetWindowRgn(HWND wnd, HRGN region) {
    TWindow* w = W(wnd);
    if (!w || !w->Region || !region) return 0;
    region->Region = *w->Region;
    return w->Region->IsRect() ? 2 : 3;
}

bool LayeredWindowsSupported() {
    auto* ws = WSOrNull();
    return ws && ws->Backend().LayeredSupported();
}

void LayeredCapabilityChanged() {
    auto* ws = WSOrNull();
    if (!ws) return;
    std::vector<HWND> wnds;
    for (TWindow* t : ws->TopLevels())
        wnds.push_back(t->Handle);
    for (HWND h : wnds) {
        if (TWindow* w = W(h); w && w->Surface) SyncSurface(w);
        PostMessage(h, WM_DWMCOMPOSITIONCHANGED);
    }
}

bool SetLayeredWindowAttributes(HWND wnd, TColor colorKey, Byte alpha, uint32_t flags) {
    (void)colorKey;
    TWindow* w = W(wnd);
    if (!w || !w->IsTopLevel() || !(w->ExStyle & WS_EX_LAYERED) || !LayeredWindowsSupported()) return false;
    w->LayeredAlphaSet = true;
    w->LayeredAlpha = (flags & LWA_ALPHA) ? alpha : 255;
    w->PerPixelAlpha = false;
    SyncSurface(w);
    return true;
}

bool GetLayeredWindowAttributes(HWND wnd, TColor* colorKey, Byte* alpha, uint32_t* flags) {
    TWindow* w = W(wnd);
    if (!w || !w->LayeredAlphaSet) return false;
    if (colorKey) *colorKey = 0;
    if (alpha) *alpha = w->LayeredAlpha;
    if (flags) *flags = LWA_ALPHA;
    return true;
}

bool UpdateLayeredWindow(HWND wnd, const TPoint* pos, const TSize* size, const TBitmap* pixels,
                         const TPoint* srcPos, Byte constantAlpha, uint32_t flags) {
    TWindow* w = W(wnd);
    if (!w || !w->IsTopLevel() || !(w->ExStyle & WS_EX_LAYERED) || !LayeredWindowsSupported()) return false;
    if (pos || size) {
        TRect r = w->WindowRect;
        int x = pos ? pos->X : r.Left, y = pos ? pos->Y : r.Top;
        int cx = size ? size->cx : r.Width(), cy = size ? size->cy : r.Height();
        SetWindowPos(wnd, nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
        if (!(w = W(wnd))) return false;
    }
    w->LayeredAlphaSet = true;
    w->LayeredAlpha = constantAlpha;
    w->PerPixelAlpha = (flags & ULW_ALPHA) != 0;
    w->ContentGiven = true;
    // The pixels are the window's content; nothing paints over them.
    if (pixels && w->BackBuffer) {
        TBitmap& bb = *w->BackBuffer;
        int sx = srcPos ? srcPos->X : 0, sy = srcPos ? srcPos->Y : 0;
        for (int y = 0; y < bb.Height(); ++y) {
            uint32_t* dst = bb.ScanLine(y);
            int yy = y + sy;
            for (int x = 0; x < bb.Width(); ++x) {
                int xx = x + sx;
                bool inside = yy >= 0 && yy < pixels->Height() && xx >= 0 && xx < pixels->Width();
                dst[x] = inside ? pixels->ScanLine(yy)[xx] : 0;
            }
        }
    }
    DropPaintState(w);
    std::function<void(TWindow*)> drop = [&](TWindow* x) {
        for (TWindow* c : x->Children) {
            DropPaintState(c);
            drop(c);
        }
    };
    drop(w);
    SyncSurface(w);
    return true;
}
