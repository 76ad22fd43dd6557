#include "skin/controls/TlxSkinCustomControl.h"

#include "skin/controls/SkinControlMessages.h"
#include "skin/engine/SkinBorderImages.h"
#include "skin/engine/SkinImageCopy.h"

TlxSkinCustomControl::TlxSkinCustomControl(TComponent* AOwner) : TlxSkinCustomBase<TlxSkinControl>(AOwner) {}

void TlxSkinCustomControl::CheckControlsBackground() {
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->Perform(WM_CHECKPARENTBG, 0, 0);
}

void TlxSkinCustomControl::SetControlRegion() {
    if (!Parent() || !HandleAllocated()) return;
    HRGN region = nullptr;
    if (Skinned() && MaskPicture()) {
        int w = Width(), h = Height();
        CalcSize(w, h);
        region = CreateSkinControlRgn(Geometry, Sized, MaskPicture());
    }
    if (!region && !FRegionSet) return;
    // The window owns the region from here on and frees the one it held.
    SetWindowRgn(WindowHandle(), region, true);
    FRegionSet = region != nullptr;
}

void TlxSkinCustomControl::CreateWnd() {
    TlxSkinCustomBase::CreateWnd();
    FRegionSet = false;
    GetSkinData();
    SetControlRegion();
}

void TlxSkinCustomControl::DrawControl() {
    if (Skinned() && FForceBackground && ResizeMode() == TlxResizeMode::Both)
        PaintFrame();
    else
        TlxSkinCustomBase::DrawControl();
}

void TlxSkinCustomControl::CreateSkinControlImage(TBitmap& B, TBitmap* P, const TRect& R) {
    // The frame path draws a forced nine-part background itself.
    if (FForceBackground && Sized.ResizeMode == TlxResizeMode::Both) return;
    TlxSkinCustomBase::CreateSkinControlImage(B, P, R);
}

void TlxSkinCustomControl::BoundsSet(bool Changed) {
    if (Changed) {
        SetControlRegion();
        Invalidate();
    }
    if (Skinned() && Geometry.StretchEffect) CheckControlsBackground();
}

void TlxSkinCustomControl::SkinApplied() {
    SetControlRegion();
    Invalidate();
}

void TlxSkinCustomControl::PaintFrame() {
    const TlxSkinGeometry& g = Geometry;
    const TlxSkinSize& s = Sized;
    TBitmap* picture = Picture();
    TBitmap top, left, right, bottom;
    CreateSkinBorderImages(g.LTPt, g.RTPt, g.LBPt, g.RBPt, g.ClRect, s.NewLTPoint, s.NewRTPoint, s.NewLBPoint,
                           s.NewRBPoint, s.NewClRect, &left, &top, &right, &bottom, picture, g.SkinRect,
                           Width(), Height(), g.LeftStretch, g.TopStretch, g.RightStretch, g.BottomStretch);
    // Derived controls draw into the top strip (the panel its caption).
    CreateControlSkinImage(top);
    TCanvas* c = Canvas();
    if (FDrawbackground) PaintSkinClient(*c, Sized.NewClRect);
    c->Draw(0, 0, &top);
    c->Draw(0, top.Height(), &left);
    c->Draw(Width() - right.Width(), top.Height(), &right);
    c->Draw(0, Height() - bottom.Height(), &bottom);
}

void TlxSkinCustomControl::PaintSkinClient(TCanvas& C, const TRect& dest) {
    if (dest.IsEmpty()) return;
    TBitmap* P = Picture();
    const TRect& sr = Geometry.SkinRect;
    const TRect& cl = Geometry.ClRect;
    TRect source{sr.Left + cl.Left, sr.Top + cl.Top, sr.Left + cl.Right, sr.Top + cl.Bottom};
    // A skin's rectangles are untrusted: read only what lies in the picture.
    if (P && !IntersectRect(source, source, {0, 0, P->Width(), P->Height()})) source = {};
    const int cw = source.Width();
    const int ch = source.Height();
    if (!P || cw <= 0 || ch <= 0) {
        C.Brush()->SetColor(clBtnFace);
        C.FillRect(dest);
        return;
    }
    TBitmap piece(cw, ch);
    piece.Canvas()->CopyRect({0, 0, cw, ch}, *P->Canvas(), source);
    const TRect all{0, 0, cw, ch};
    if (!Geometry.StretchEffect) {
        SkinTileBoth(C, dest, *piece.Canvas(), all);
        return;
    }
    switch (Geometry.StretchType) {
    case lxstFull:
        SkinCopyPart(C, dest, *piece.Canvas(), all);
        break;
    case lxstHorz: {
        TBitmap strip(cw, dest.Height());
        SkinCopyPart(*strip.Canvas(), {0, 0, cw, dest.Height()}, *piece.Canvas(), all);
        SkinTileHorz(C, dest, *strip.Canvas(), {0, 0, cw, dest.Height()});
        break;
    }
    case lxstVert: {
        TBitmap strip(dest.Width(), ch);
        SkinCopyPart(*strip.Canvas(), {0, 0, dest.Width(), ch}, *piece.Canvas(), all);
        SkinTileVert(C, dest, *strip.Canvas(), {0, 0, dest.Width(), ch});
        break;
    }
    }
}
