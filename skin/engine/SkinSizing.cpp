#include "skin/engine/SkinSizing.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/SkinImages.h"
#include "skin/engine/SkinRects.h"
#include "skin/engine/SkinRegions.h"

namespace {

TPoint Moved(const TPoint& P, int DX, int DY) {
    return {P.X + DX, P.Y + DY};
}

bool NonZero(const TPoint& P) {
    return P.X != 0 || P.Y != 0;
}

} // namespace

TlxSkinGeometry TlxSkinGeometry::Of(const TlxDataSkinCustomControl& D) {
    TlxSkinGeometry g;
    g.SkinRect = D.SkinRect;
    g.LTPt = D.LTPoint;
    g.RTPt = D.RTPoint;
    g.LBPt = D.LBPoint;
    g.RBPt = D.RBPoint;
    g.ClRect = D.ClRect;
    g.LeftStretch = D.LeftStretch;
    g.TopStretch = D.TopStretch;
    g.RightStretch = D.RightStretch;
    g.BottomStretch = D.BottomStretch;
    g.StretchEffect = D.StretchEffect;
    g.StretchType = D.StretchType;
    return g;
}

TlxResizeMode TlxSkinGeometry::ResizeMode() const {
    if (SkinRect.IsEmpty()) return TlxResizeMode::None;
    if (RBPt.X != 0 && RBPt.Y != 0) return TlxResizeMode::Both;
    if (NonZero(RTPt)) return TlxResizeMode::Horizontal;
    if (NonZero(LBPt)) return TlxResizeMode::Vertical;
    return TlxResizeMode::Fixed;
}

TlxSkinSize CalcSkinSize(const TlxSkinGeometry& G, int Width, int Height) {
    TlxSkinSize s;
    s.ResizeMode = G.ResizeMode();
    s.Width = Width;
    s.Height = Height;
    const int skinW = G.SkinRect.Width();
    const int skinH = G.SkinRect.Height();
    switch (s.ResizeMode) {
    case TlxResizeMode::None:
    case TlxResizeMode::Both:
        break;
    case TlxResizeMode::Fixed:
        s.Width = skinW;
        s.Height = skinH;
        break;
    case TlxResizeMode::Horizontal:
        s.Height = skinH;
        break;
    case TlxResizeMode::Vertical:
        s.Width = skinW;
        break;
    }
    // A fixed dimension grows by nothing, so one rule serves every mode.
    const int dx = s.ResizeMode == TlxResizeMode::None ? 0 : s.Width - skinW;
    const int dy = s.ResizeMode == TlxResizeMode::None ? 0 : s.Height - skinH;
    s.NewLTPoint = G.LTPt;
    s.NewRTPoint = Moved(G.RTPt, dx, 0);
    s.NewLBPoint = Moved(G.LBPt, 0, dy);
    s.NewRBPoint = Moved(G.RBPt, dx, dy);
    s.NewClRect = {G.ClRect.Left, G.ClRect.Top, G.ClRect.Right + dx, G.ClRect.Bottom + dy};
    return s;
}

TlxSkinSize CalcSkinSizeFreeWidth(const TlxSkinGeometry& G, int Width, int Height) {
    TlxSkinSize s = CalcSkinSize(G, Width, Height);
    if (s.ResizeMode == TlxResizeMode::None) return s;
    const int dx = Width - G.SkinRect.Width();
    s.Width = Width;
    s.Height = Height;
    s.NewLTPoint = G.LTPt;
    s.NewRTPoint = Moved(G.RTPt, dx, 0);
    s.NewLBPoint = G.LBPt;
    s.NewRBPoint = Moved(G.RBPt, dx, 0);
    s.NewClRect = {G.ClRect.Left, G.ClRect.Top, G.ClRect.Right + dx, G.ClRect.Bottom};
    return s;
}

TRect MapSkinRect(const TlxSkinGeometry& G, int Width, int Height, const TRect& R) {
    const int skinW = G.SkinRect.Width();
    const int skinH = G.SkinRect.Height();
    const int dx = Width - skinW;
    const int dy = Height - skinH;
    TRect r = R;
    auto grow = [&](int DW, int DH) {
        r.Right += DW;
        r.Bottom += DH;
    };
    auto move = [&](int DX, int DY) { r = {r.Left + DX, r.Top + DY, r.Right + DX, r.Bottom + DY}; };
    switch (G.ResizeMode()) {
    case TlxResizeMode::Both: {
        const TRect lt{0, 0, G.LTPt.X, G.LTPt.Y};
        const TRect rt{G.RTPt.X, 0, skinW, G.RTPt.Y};
        const TRect lb{0, G.LBPt.Y, G.LBPt.X, skinH};
        const TRect rb{G.RBPt.X, G.RBPt.Y, skinW, skinH};
        if (RectInRect(R, lt)) break;
        if (RectInRect(R, rt)) {
            move(dx, 0);
            break;
        }
        if (RectInRect(R, lb)) {
            move(0, dy);
            break;
        }
        if (RectInRect(R, rb)) {
            move(dx, dy);
            break;
        }
        const TPoint tl{R.Left, R.Top}, br{R.Right, R.Bottom};
        if (PointInRect(lt, tl) && PointInRect(rb, br)) {
            grow(dx, dy);
        } else if (PointInRect(lt, tl) && PointInRect(rt, br)) {
            grow(dx, 0);
        } else if (PointInRect(lb, tl) && PointInRect(rb, br)) {
            grow(dx, 0);
            move(0, dy);
        } else if (PointInRect(lt, tl) && PointInRect(lb, br)) {
            grow(0, dy);
        } else if (PointInRect(rt, tl) && PointInRect(rb, br)) {
            move(dx, 0);
            grow(0, dy);
        }
        break;
    }
    case TlxResizeMode::Horizontal:
        if (R.Left <= G.LTPt.X && R.Right >= G.RTPt.X)
            grow(dx, 0);
        else if (R.Left >= G.RTPt.X && R.Right > G.RTPt.X)
            move(dx, 0);
        break;
    case TlxResizeMode::Vertical:
        if (R.Top <= G.LTPt.Y && R.Bottom >= G.LBPt.Y)
            grow(0, dy);
        else if (R.Top >= G.LBPt.Y && R.Bottom > G.LBPt.Y)
            move(0, dy);
        break;
    case TlxResizeMode::Fixed:
    case TlxResizeMode::None:
        break;
    }
    return r;
}

void CreateSkinControlImage(const TlxSkinGeometry& G, const TlxSkinSize& S, TBitmap* Picture, const TRect& R,
                            TBitmap& B) {
    switch (S.ResizeMode) {
    case TlxResizeMode::None:
        return;
    case TlxResizeMode::Fixed:
        B.SetSize(R.Width(), R.Height());
        if (Picture && !Picture->Empty())
            B.Canvas()->CopyRect({0, 0, R.Width(), R.Height()}, *Picture->Canvas(), R);
        return;
    case TlxResizeMode::Both:
        CreateSkinImage(G.LTPt, G.RTPt, G.LBPt, G.RBPt, G.ClRect, S.NewLTPoint, S.NewRTPoint, S.NewLBPoint,
                        S.NewRBPoint, S.NewClRect, &B, Picture, R, S.Width, S.Height, true, G.LeftStretch,
                        G.TopStretch, G.RightStretch, G.BottomStretch, G.StretchEffect, G.StretchType);
        return;
    // The end lengths come from the skin rectangle also when R is a state rectangle.
    case TlxResizeMode::Horizontal:
        CreateHSkinImage(G.LTPt.X, G.SkinRect.Width() - G.RTPt.X, &B, Picture, R, S.Width, G.StretchEffect);
        return;
    case TlxResizeMode::Vertical:
        CreateVSkinImage(G.LTPt.Y, G.SkinRect.Height() - G.LBPt.Y, &B, Picture, R, S.Height, G.StretchEffect);
        return;
    }
}

HRGN CreateSkinControlRgn(const TlxSkinGeometry& G, const TlxSkinSize& S, TBitmap* Mask) {
    if (!Mask || Mask->Empty()) return nullptr;
    HRGN rgn = nullptr;
    switch (S.ResizeMode) {
    case TlxResizeMode::None:
        break;
    case TlxResizeMode::Fixed:
        CreateRgnFromMask(rgn, Mask);
        break;
    case TlxResizeMode::Both:
        CreateSkinRgn(rgn, G.LTPt, G.RTPt, G.LBPt, G.RBPt, G.ClRect, S.NewLTPoint, S.NewRTPoint, S.NewLBPoint,
                      S.NewRBPoint, S.NewClRect, Mask, S.Width, S.Height);
        break;
    // A strip is a frame whose corners coincide in pairs: the left (top) ones
    // at LTPt, the right (bottom) ones at RTPt (LBPt).
    case TlxResizeMode::Horizontal:
        CreateSkinRgn(rgn, G.LTPt, G.RTPt, G.LTPt, G.RTPt, G.ClRect, S.NewLTPoint, S.NewRTPoint, S.NewLTPoint,
                      S.NewRTPoint, S.NewClRect, Mask, S.Width, S.Height);
        break;
    case TlxResizeMode::Vertical:
        CreateSkinRgn(rgn, G.LTPt, G.LTPt, G.LBPt, G.LBPt, G.ClRect, S.NewLTPoint, S.NewLTPoint, S.NewLBPoint,
                      S.NewLBPoint, S.NewClRect, Mask, S.Width, S.Height);
        break;
    }
    return rgn;
}
