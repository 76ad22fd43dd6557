#include "skin/engine/SkinImages.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/engine/SkinImageCopy.h"

namespace {

struct Geometry {
    TPoint LTPt, RTPt, LBPt, RBPt;
    TRect ClRect;
    TPoint NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
    TRect NewClRect;
};

// The client part stretched by type; clipped to clip.
void DrawStretchedClient(TCanvas& dst, const TRect& d, const TRect& clip, TCanvas& src, const TRect& s,
                         TlxStretchType type) {
    if (d.IsEmpty() || s.IsEmpty()) return;
    if (type == lxstFull) {
        SkinCopyPart(dst, d, src, s);
        return;
    }
    // A strip stretched along one axis, repeated along the other.
    TBitmap strip;
    if (type == lxstHorz)
        strip.SetSize(s.Width(), d.Height());
    else
        strip.SetSize(d.Width(), s.Height());
    strip.Canvas()->CopyRect({0, 0, strip.Width(), strip.Height()}, src, s);
    HDC dc = dst.Handle();
    if (!dc) return;
    dc->SaveDC();
    dc->IntersectClipRect(clip);
    const TRect all{0, 0, strip.Width(), strip.Height()};
    if (type == lxstHorz) {
        for (int k = 0; k <= d.Width() / strip.Width(); ++k)
            dst.CopyRect(Bounds(d.Left + k * strip.Width(), d.Top, strip.Width(), strip.Height()),
                         *strip.Canvas(), all);
    } else {
        for (int k = 0; k <= d.Height() / strip.Height(); ++k)
            dst.CopyRect(Bounds(d.Left, d.Top + k * strip.Height(), strip.Width(), strip.Height()),
                         *strip.Canvas(), all);
    }
    dc->RestoreDC(-1);
}

// The nine-part composition; leftOnly leaves out the right side and corners
// and runs top, bottom and client to AW.
void Compose(const Geometry& g, TBitmap* B, TBitmap* SB, const TRect& R, int AW, int AH, bool DrawClient,
             bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch, bool StretchEffect,
             TlxStretchType StretchType, bool leftOnly) {
    if (!B) return;
    B->SetSize(AW, AH);
    AW = B->Width();
    AH = B->Height();
    if (g.RBPt.X == g.LTPt.X || g.RBPt.Y == g.LTPt.Y || !SB || SB->Empty()) return;

    TCanvas& d = *B->Canvas();
    TCanvas& s = *SB->Canvas();
    const int W = RectWidth(R);
    const int H = RectHeight(R);
    // A rectangle relative to R, in SB's coordinates.
    auto src = [&](int l, int t, int r, int b) {
        return TRect{R.Left + l, R.Top + t, R.Left + r, R.Top + b};
    };
    const TRect& cl = g.ClRect;
    const TRect& ncl = g.NewClRect;

    // Sides.
    const int topRight = leftOnly ? AW : g.NewRTPoint.X;
    const int bottomRight = leftOnly ? AW : g.NewRBPoint.X;
    SkinSide(d, {g.NewLTPoint.X, 0, topRight, ncl.Top}, s, src(g.LTPt.X, 0, g.RTPt.X, cl.Top), TopStretch,
             true);
    SkinSide(d, {g.NewLBPoint.X, ncl.Bottom, bottomRight, AH}, s, src(g.LBPt.X, cl.Bottom, g.RBPt.X, H),
             BottomStretch, true);
    if (LeftStretch)
        SkinCopyPart(d, {0, g.NewLTPoint.Y, ncl.Left, g.NewLBPoint.Y}, s,
                     src(0, g.LTPt.Y, cl.Left, g.LBPt.Y));
    else
        SkinTileVert(d, {0, g.NewLTPoint.Y, ncl.Left, g.NewLBPoint.Y}, s,
                     src(0, g.LTPt.Y, ncl.Left, g.LBPt.Y));
    if (!leftOnly)
        SkinSide(d, {ncl.Right, g.NewRTPoint.Y, AW, g.NewRBPoint.Y}, s, src(cl.Right, g.RTPt.Y, W, g.RBPt.Y),
                 RightStretch, false);

    // Corners, in their fixed order.
    SkinCopyPart(d, {0, 0, g.NewLTPoint.X, ncl.Top}, s, src(0, 0, g.LTPt.X, cl.Top));
    SkinCopyPart(d, {0, ncl.Top, ncl.Left, g.NewLTPoint.Y}, s, src(0, cl.Top, cl.Left, g.LTPt.Y));
    if (!leftOnly) {
        SkinCopyPart(d, {g.NewRTPoint.X, 0, AW, ncl.Top}, s, src(g.RTPt.X, 0, W, cl.Top));
        SkinCopyPart(d, {ncl.Right, ncl.Top, AW, g.NewRTPoint.Y}, s, src(cl.Right, cl.Top, W, g.RTPt.Y));
    }
    SkinCopyPart(d, {0, g.NewLBPoint.Y, ncl.Left, AH}, s, src(0, g.LBPt.Y, cl.Left, H));
    SkinCopyPart(d, {ncl.Left, ncl.Bottom, g.NewLBPoint.X, AH}, s, src(cl.Left, cl.Bottom, g.LBPt.X, H));
    if (!leftOnly) {
        SkinCopyPart(d, {g.NewRBPoint.X, ncl.Bottom, AW, AH}, s, src(g.RBPt.X, cl.Bottom, W, H));
        SkinCopyPart(d, {ncl.Right, g.NewRBPoint.Y, AW, ncl.Bottom}, s,
                     src(cl.Right, g.RBPt.Y, W, cl.Bottom));
    }

    // Client.
    if (!DrawClient) return;
    const TRect clientSrc = src(cl.Left, cl.Top, cl.Right, cl.Bottom);
    TRect dest = ncl;
    if (leftOnly) dest.Right = AW;
    if (StretchEffect) {
        // The vertical strips of the left-only image stop at the client's own right edge.
        const TRect clip = leftOnly && StretchType == lxstVert ? ncl : dest;
        DrawStretchedClient(d, dest, clip, s, clientSrc, StretchType);
    } else {
        SkinTileBoth(d, dest, s, clientSrc);
    }
}

} // namespace

void CreateSkinImage(const TPoint& LTPt, const TPoint& RTPt, const TPoint& LBPt, const TPoint& RBPt,
                     const TRect& ClRect, const TPoint& NewLTPoint, const TPoint& NewRTPoint,
                     const TPoint& NewLBPoint, const TPoint& NewRBPoint, const TRect& NewClRect, TBitmap* B,
                     TBitmap* SB, const TRect& R, int AW, int AH, bool DrawClient, bool LeftStretch,
                     bool TopStretch, bool RightStretch, bool BottomStretch, bool StretchEffect,
                     TlxStretchType StretchType) {
    Compose({LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewClRect}, B,
            SB, R, AW, AH, DrawClient, LeftStretch, TopStretch, RightStretch, BottomStretch, StretchEffect,
            StretchType, false);
}

void CreateSkinWindowImage(const TPoint& LTPt, const TPoint& RTPt, const TPoint& LBPt, const TPoint& RBPt,
                           const TRect& ClRect, const TPoint& NewLTPoint, const TPoint& NewRTPoint,
                           const TPoint& NewLBPoint, const TPoint& NewRBPoint, const TRect& NewClRect,
                           TBitmap* B, TBitmap* SB, const TRect& R, int AW, int AH, bool DrawClient,
                           bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch,
                           bool StretchEffect, TlxStretchType StretchType) {
    CreateSkinImage(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewClRect,
                    B, SB, R, AW, AH, DrawClient, LeftStretch, TopStretch, RightStretch, BottomStretch,
                    StretchEffect, StretchType);
}

void CreateSkinImageLeft(const TPoint& LTPt, const TPoint& RTPt, const TPoint& LBPt, const TPoint& RBPt,
                         const TRect& ClRect, const TPoint& NewLTPoint, const TPoint& NewRTPoint,
                         const TPoint& NewLBPoint, const TPoint& NewRBPoint, const TRect& NewClRect,
                         TBitmap* B, TBitmap* SB, const TRect& R, int AW, int AH, bool DrawClient,
                         bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch,
                         bool StretchEffect, TlxStretchType StretchType) {
    Compose({LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint, NewClRect}, B,
            SB, R, AW, AH, DrawClient, LeftStretch, TopStretch, RightStretch, BottomStretch, StretchEffect,
            StretchType, true);
}

void CreateSkinImageByClient(TBitmap* B, TBitmap* SB, const TRect& R, const TRect& ClRect, bool DrawClient) {
    if (!B) return;
    TRect n = ClRect;
    n.Right += B->Width() - RectWidth(R);
    n.Bottom += B->Height() - RectHeight(R);
    CreateSkinImage({ClRect.Left, ClRect.Top}, {ClRect.Right, ClRect.Top}, {ClRect.Left, ClRect.Bottom},
                    {ClRect.Right, ClRect.Bottom}, ClRect, {n.Left, n.Top}, {n.Right, n.Top},
                    {n.Left, n.Bottom}, {n.Right, n.Bottom}, n, B, SB, R, B->Width(), B->Height(), DrawClient,
                    true, true, true, true, true, lxstFull);
}

namespace {

enum class StripEnds { Both, LeftOnly, None };

void HStrip(int LOffset, int ROffset, TBitmap* B, TBitmap* SB, const TRect& R, int NewWidth, bool Stretch,
            StripEnds ends) {
    if (!B) return;
    B->SetSize(NewWidth, RectHeight(R));
    NewWidth = B->Width();
    if (!SB || SB->Empty()) return;
    TCanvas& d = *B->Canvas();
    TCanvas& s = *SB->Canvas();
    const int h = B->Height();
    if (ends != StripEnds::None && LOffset != 0)
        SkinCopyPart(d, {0, 0, LOffset, h}, s, {R.Left, R.Top, R.Left + LOffset, R.Bottom});
    if (ends == StripEnds::Both && ROffset != 0)
        SkinCopyPart(d, {NewWidth - ROffset, 0, NewWidth, h}, s,
                     {R.Right - ROffset, R.Top, R.Right, R.Bottom});
    TRect mid{R.Left + LOffset, R.Top, R.Right - ROffset, R.Bottom};
    if (mid.Width() == 0) mid.Right = mid.Left + 1;
    TRect dest{0, 0, NewWidth, h};
    if (ends != StripEnds::None) dest.Left = LOffset;
    if (ends == StripEnds::Both) dest.Right = NewWidth - ROffset;
    if (Stretch)
        SkinCopyPart(d, dest, s, mid);
    else
        SkinTileHorz(d, dest, s, mid);
}

} // namespace

void CreateHSkinImage(int LOffset, int ROffset, TBitmap* B, TBitmap* SB, const TRect& R, int NewWidth,
                      bool Stretch) {
    HStrip(LOffset, ROffset, B, SB, R, NewWidth, Stretch, StripEnds::Both);
}

void CreateHSkinImageLeft(int LOffset, int ROffset, TBitmap* B, TBitmap* SB, const TRect& R, int NewWidth,
                          bool Stretch) {
    HStrip(LOffset, ROffset, B, SB, R, NewWidth, Stretch, StripEnds::LeftOnly);
}

void CreateHSkinImageMiddle(int LOffset, int ROffset, TBitmap* B, TBitmap* SB, const TRect& R, int NewWidth,
                            bool Stretch) {
    HStrip(LOffset, ROffset, B, SB, R, NewWidth, Stretch, StripEnds::None);
}

void CreateVSkinImage(int TOffset, int BOffset, TBitmap* B, TBitmap* SB, const TRect& R, int NewHeight,
                      bool Stretch) {
    if (!B) return;
    B->SetSize(RectWidth(R), NewHeight);
    NewHeight = B->Height();
    if (!SB || SB->Empty()) return;
    TCanvas& d = *B->Canvas();
    TCanvas& s = *SB->Canvas();
    const int w = B->Width();
    if (TOffset != 0) SkinCopyPart(d, {0, 0, w, TOffset}, s, {R.Left, R.Top, R.Right, R.Top + TOffset});
    if (BOffset != 0)
        SkinCopyPart(d, {0, NewHeight - BOffset, w, NewHeight}, s,
                     {R.Left, R.Bottom - BOffset, R.Right, R.Bottom});
    const TRect mid{R.Left, R.Top + TOffset, R.Right, R.Bottom - BOffset};
    const TRect dest{0, TOffset, w, NewHeight - BOffset};
    if (Stretch)
        SkinCopyPart(d, dest, s, mid);
    else
        SkinTileVert(d, dest, s, mid);
}
