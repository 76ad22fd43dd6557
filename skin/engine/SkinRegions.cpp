#include "skin/engine/SkinRegions.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/engine/SkinImageCopy.h"
#include "skin/engine/SkinRects.h"

#include <cstring>

uint32_t MaskToRgnData(const TBitmap* Mask, int X, int Y, std::vector<uint8_t>& Data) {
    Data.clear();
    if (!Mask || Mask->Empty()) return 0;
    std::vector<TRect> rects;
    const int w = Mask->Width();
    for (int row = 0; row < Mask->Height(); ++row) {
        const uint32_t* line = Mask->ScanLine(row);
        int x = 0;
        while (x < w) {
            if ((line[x] & 0x00FFFFFFu) != 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < w && (line[x] & 0x00FFFFFFu) == 0)
                ++x;
            rects.push_back({start + X, row + Y, x + X, row + Y + 1});
        }
    }
    const size_t size = sizeof(RGNDATAHEADER) + rects.size() * sizeof(TRect);
    Data.assign(size, 0);
    const RGNDATAHEADER h{sizeof(RGNDATAHEADER),
                          RDH_RECTANGLES,
                          uint32_t(rects.size()),
                          0,
                          {X, Y, X + Mask->Width(), Y + Mask->Height()}};
    std::memcpy(Data.data(), &h, sizeof h);
    if (!rects.empty()) std::memcpy(Data.data() + sizeof h, rects.data(), rects.size() * sizeof(TRect));
    return uint32_t(size);
}

namespace {

HRGN RgnFromMaskAt(const TBitmap* Mask, int X, int Y) {
    std::vector<uint8_t> data;
    const uint32_t size = MaskToRgnData(Mask, X, Y, data);
    if (size == 0) return nullptr;
    return ExtCreateRegion(nullptr, size, reinterpret_cast<const RGNDATA*>(data.data()));
}

// Joins b into a (either may be null); b is freed.
HRGN Join(HRGN a, HRGN b) {
    if (!a) return b;
    if (!b) return a;
    CombineRgn(a, a, b, RGN_OR);
    DeleteObject(b);
    return a;
}

} // namespace

void CreateRgnFromMask(HRGN& Rgn, const TBitmap* Mask) {
    Rgn = RgnFromMaskAt(Mask, 0, 0);
}

void CreateMaskBorderImages(const TPoint& LTPt, const TPoint& RTPt, const TPoint& LBPt, const TPoint& RBPt,
                            const TRect& ClRect, const TPoint& NewLTPoint, const TPoint& NewRTPoint,
                            const TPoint& NewLBPoint, const TPoint& NewRBPoint, const TRect& NewClRect,
                            TBitmap* Mask, TBitmap* TopB, TBitmap* LeftB, TBitmap* RightB, TBitmap* BottomB,
                            int AW) {
    if (!Mask || !TopB || !LeftB || !RightB || !BottomB) return;
    TCanvas& m = *Mask->Canvas();
    const int MW = Mask->Width();
    const int MH = Mask->Height();
    const int nh = RectHeight(NewClRect);

    // A vertical strip: the side rows tiled down it, then the pieces above and below the side.
    auto vertical = [&](TBitmap* b, int c0, int c1, const TPoint& top, const TPoint& bottom) {
        b->SetSize(c1 - c0, nh);
        if (b->Empty() || Mask->Empty()) return;
        TCanvas& d = *b->Canvas();
        const int w = b->Width();
        if (bottom.Y != top.Y) SkinTileVert(d, {0, 0, w, nh}, m, {c0, top.Y, c1, bottom.Y});
        const int above = top.Y - ClRect.Top;
        if (above > 0) SkinCopyPart(d, {0, 0, w, above}, m, {c0, ClRect.Top, c1, top.Y});
        const int below = ClRect.Bottom - bottom.Y;
        if (below > 0) SkinCopyPart(d, {0, nh - below, w, nh}, m, {c0, bottom.Y, c1, ClRect.Bottom});
    };
    vertical(LeftB, 0, ClRect.Left, LTPt, LBPt);
    vertical(RightB, ClRect.Right, MW, RTPt, RBPt);

    // A horizontal strip: the side columns tiled between the new points, then the corners.
    auto horizontal = [&](TBitmap* b, int r0, int r1, const TPoint& left, const TPoint& right,
                          const TPoint& newLeft, const TPoint& newRight) {
        b->SetSize(AW, r1 - r0);
        if (b->Empty() || Mask->Empty()) return;
        TCanvas& d = *b->Canvas();
        const int h = b->Height();
        if (right.X != left.X) SkinTileHorz(d, {newLeft.X, 0, newRight.X, h}, m, {left.X, r0, right.X, r1});
        SkinCopyPart(d, {0, 0, left.X, h}, m, {0, r0, left.X, r1});
        SkinCopyPart(d, {newRight.X, 0, AW, h}, m, {right.X, r0, MW, r1});
    };
    horizontal(TopB, 0, ClRect.Top, LTPt, RTPt, NewLTPoint, NewRTPoint);
    horizontal(BottomB, ClRect.Bottom, MH, LBPt, RBPt, NewLBPoint, NewRBPoint);
}

void CreateSkinRgn(HRGN& Rgn, const TPoint& LTPt, const TPoint& RTPt, const TPoint& LBPt, const TPoint& RBPt,
                   const TRect& ClRect, const TPoint& NewLTPoint, const TPoint& NewRTPoint,
                   const TPoint& NewLBPoint, const TPoint& NewRBPoint, const TRect& NewClRect, TBitmap* Mask,
                   int AW, int AH) {
    (void)AH;
    Rgn = nullptr;
    if (NewRTPoint.X < NewLTPoint.X || NewLBPoint.Y < NewLTPoint.Y) return;
    if (IsNullRect(NewClRect)) return;
    TBitmap top, left, right, bottom;
    if (Mask)
        CreateMaskBorderImages(LTPt, RTPt, LBPt, RBPt, ClRect, NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint,
                               NewClRect, Mask, &top, &left, &right, &bottom, AW);
    HRGN topBottom = Join(RgnFromMaskAt(&top, 0, 0), RgnFromMaskAt(&bottom, 0, NewClRect.Bottom));
    HRGN sides =
        Join(RgnFromMaskAt(&left, 0, NewClRect.Top), RgnFromMaskAt(&right, NewClRect.Right, NewClRect.Top));
    Rgn = Join(CreateRectRgnIndirect(NewClRect), Join(sides, topBottom));
}
