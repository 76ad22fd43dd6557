#include "skin/engine/SkinBorderImages.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/engine/SkinImageCopy.h"

void CreateSkinBorderImages(const TPoint& LTPt, const TPoint& RTPt, const TPoint& LBPt, const TPoint& RBPt,
                            const TRect& ClRect, const TPoint& NewLTPoint, const TPoint& NewRTPoint,
                            const TPoint& NewLBPoint, const TPoint& NewRBPoint, const TRect& NewClRect,
                            TBitmap* LeftB, TBitmap* TopB, TBitmap* RightB, TBitmap* BottomB, TBitmap* SB,
                            const TRect& R, int AW, int AH, bool LeftStretch, bool TopStretch,
                            bool RightStretch, bool BottomStretch) {
    if (!LeftB || !TopB || !RightB || !BottomB) return;
    // A strip that is not produced must not show what a reused bitmap held before.
    for (TBitmap* b : {LeftB, TopB, RightB, BottomB})
        b->SetSize(0, 0);
    const bool drawable = SB && !SB->Empty();
    const int W = RectWidth(R);
    const int H = RectHeight(R);
    auto src = [&](int l, int t, int r, int b) {
        return TRect{R.Left + l, R.Top + t, R.Left + r, R.Top + b};
    };

    // A horizontal strip of h rows taken from source rows r0 .. r0 + h.
    auto horizontal = [&](TBitmap* b, int h, int r0, const TPoint& left, const TPoint& right,
                          const TPoint& newLeft, const TPoint& newRight, bool stretch) {
        if (AW <= 0 || h <= 0 || right.X <= left.X) return;
        b->SetSize(AW, h);
        if (!drawable) return;
        TCanvas& d = *b->Canvas();
        TCanvas& s = *SB->Canvas();
        const TRect side = src(left.X, r0, right.X, r0 + h);
        if (stretch)
            SkinCopyPart(d, {newLeft.X, 0, newRight.X, h}, s, side);
        else
            SkinTileHorz(d, {0, 0, AW, h}, s, side);
        SkinCopyPart(d, {0, 0, newLeft.X, h}, s, src(0, r0, left.X, r0 + h));
        SkinCopyPart(d, {newRight.X, 0, AW, h}, s, src(right.X, r0, W, r0 + h));
    };
    horizontal(TopB, NewClRect.Top, 0, LTPt, RTPt, NewLTPoint, NewRTPoint, TopStretch);
    const int bottomH = AH - NewClRect.Bottom;
    horizontal(BottomB, bottomH, H - bottomH, LBPt, RBPt, NewLBPoint, NewRBPoint, BottomStretch);

    // A vertical strip of width w between the horizontal ones, from source columns c0 .. c1.
    const int stripH = AH - BottomB->Height() - TopB->Height();
    auto vertical = [&](TBitmap* b, int w, int c0, int c1, const TPoint& top, const TPoint& bottom,
                        bool stretch) {
        if (w <= 0 || stripH <= 0 || bottom.Y <= top.Y) return;
        b->SetSize(w, stripH);
        if (!drawable) return;
        TCanvas& d = *b->Canvas();
        TCanvas& s = *SB->Canvas();
        const TRect side = src(c0, top.Y, c1, bottom.Y);
        if (stretch)
            SkinCopyPart(d, {0, top.Y - ClRect.Top, w, stripH + bottom.Y - ClRect.Bottom}, s, side);
        else
            SkinTileVert(d, {0, 0, w, stripH}, s, side);
        const int above = top.Y - ClRect.Top;
        if (above > 0) SkinCopyPart(d, {0, 0, w, above}, s, src(c0, ClRect.Top, c1, top.Y));
        const int below = ClRect.Bottom - bottom.Y;
        if (below > 0)
            SkinCopyPart(d, {0, stripH - below, w, stripH}, s, src(c0, bottom.Y, c1, ClRect.Bottom));
    };
    vertical(LeftB, NewClRect.Left, 0, NewClRect.Left, LTPt, LBPt, LeftStretch);
    vertical(RightB, AW - NewClRect.Right, ClRect.Right, W, RTPt, RBPt, RightStretch);
}
