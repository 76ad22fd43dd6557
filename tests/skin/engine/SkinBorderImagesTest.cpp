#include "skin/engine/SkinBorderImages.h"
#include "SkinImagePixels.h"
#include "skin/engine/SkinRegions.h"

#include <gtest/gtest.h>

using namespace skinimg;

namespace {

// A 12 x 10 frame with borders 3, 2, 3, 2 whose corner points sit off the
// client corners, so every corner has an upper and a lower piece; grown by
// 5 x 3 to 17 x 13. The top side (columns 5..8) is 3 wide and does not divide
// its start, so tiling from 0 and from the new point differ.
constexpr int kW = 12, kH = 10, kAW = 17, kAH = 13;
const TPoint kLT{5, 3}, kRT{8, 4}, kLB{5, 6}, kRB{7, 7};
const TRect kCl{3, 2, 9, 8};
const TPoint kNewLT{5, 3}, kNewRT{13, 4}, kNewLB{5, 9}, kNewRB{12, 10};
const TRect kNewCl{3, 2, 14, 11};

// Source column of a horizontal strip: corners fixed, the side between
// newL and newR taken from l..r, tiled from tile0 or stretched.
int StripX(int x, int l, int r, int newL, int newR, int tile0, bool stretch) {
    if (x < newL) return x;
    if (x >= newR) return r + (x - newR);
    const int w = r - l;
    return stretch ? l + Near(x - newL, w, newR - newL) : l + (x - tile0) % w;
}

// Source row of a vertical strip of height h: the pieces above and below the
// side fixed, the side (rows t..b) tiled from 0 or stretched.
int StripY(int y, int h, int t, int b, bool stretch) {
    const int above = t - kCl.Top, below = kCl.Bottom - b;
    if (y < above) return kCl.Top + y;
    if (y >= h - below) return b + (y - (h - below));
    return stretch ? t + Near(y - above, b - t, h - above - below) : t + y % (b - t);
}

} // namespace

TEST(CreateSkinBorderImages, FourStripsTiledAndStretched) {
    const TRect R{1, 1, 1 + kW, 1 + kH};
    TBitmap sb = CellBitmap(kW + 2, kH + 2);
    for (bool stretch : {false, true}) {
        TBitmap left, top, right, bottom;
        CreateSkinBorderImages(kLT, kRT, kLB, kRB, kCl, kNewLT, kNewRT, kNewLB, kNewRB, kNewCl, &left, &top,
                               &right, &bottom, &sb, R, kAW, kAH, stretch, stretch, stretch, stretch);
        ASSERT_EQ(top.Width(), kAW);
        ASSERT_EQ(top.Height(), 2);
        ASSERT_EQ(bottom.Width(), kAW);
        ASSERT_EQ(bottom.Height(), 2);
        ASSERT_EQ(left.Width(), 3);
        ASSERT_EQ(left.Height(), 9);
        ASSERT_EQ(right.Width(), 3);
        ASSERT_EQ(right.Height(), 9);
        auto cell = [&](int x, int y) { return Cell(R.Left + x, R.Top + y); };
        EXPECT_EQ(FirstMismatch(top,
                                [&](int x, int y) {
                                    return cell(StripX(x, kLT.X, kRT.X, kNewLT.X, kNewRT.X, 0, stretch), y);
                                }),
                  "")
            << "top, stretch " << stretch;
        EXPECT_EQ(FirstMismatch(bottom,
                                [&](int x, int y) {
                                    return cell(StripX(x, kLB.X, kRB.X, kNewLB.X, kNewRB.X, 0, stretch),
                                                kCl.Bottom + y);
                                }),
                  "")
            << "bottom, stretch " << stretch;
        EXPECT_EQ(
            FirstMismatch(left, [&](int x, int y) { return cell(x, StripY(y, 9, kLT.Y, kLB.Y, stretch)); }),
            "")
            << "left, stretch " << stretch;
        EXPECT_EQ(FirstMismatch(
                      right,
                      [&](int x, int y) { return cell(kCl.Right + x, StripY(y, 9, kRT.Y, kRB.Y, stretch)); }),
                  "")
            << "right, stretch " << stretch;
    }
}

TEST(CreateSkinBorderImages, UntrustedGeometryLeavesStripsEmptyAndReadsNothingOutside) {
    TBitmap sb = CellBitmap(6, 6);
    struct Case {
        const char* name;
        TPoint lt, rt, lb, rb;
        TRect r;
        int aw, ah;
        bool produced; // the top strip
    } cases[] = {
        {"zero-width sides", {2, 2}, {2, 2}, {2, 2}, {2, 2}, {0, 0, 6, 6}, 8, 8, false},
        {"crossing points", {4, 4}, {1, 1}, {4, 4}, {1, 1}, {0, 0, 6, 6}, 8, 8, false},
        {"rectangle outside the picture", {2, 2}, {4, 4}, {2, 4}, {4, 4}, {40, 40, 46, 46}, 8, 8, true},
        {"negative frame size", {2, 2}, {4, 4}, {2, 4}, {4, 4}, {0, 0, 6, 6}, -5, -5, false},
    };
    for (const Case& c : cases) {
        // Reused bitmaps holding an old image.
        TBitmap left(5, 5), top(5, 5), right(5, 5), bottom(5, 5);
        for (bool stretch : {false, true})
            CreateSkinBorderImages(c.lt, c.rt, c.lb, c.rb, {2, 2, 4, 4}, c.lt, c.rt, c.lb, c.rb, {2, 2, 6, 6},
                                   &left, &top, &right, &bottom, &sb, c.r, c.aw, c.ah, stretch, stretch,
                                   stretch, stretch);
        EXPECT_EQ(!top.Empty(), c.produced) << c.name;
        if (c.produced) {
            // Nothing of the picture lies under the rectangle: the strip stays fresh.
            EXPECT_EQ(FirstMismatch(top, [](int, int) { return kWhite; }), "") << c.name;
        } else {
            EXPECT_TRUE(left.Empty() && right.Empty() && bottom.Empty()) << c.name;
        }
    }
}

TEST(CreateMaskBorderImages, StripsTiledFromTheNewPointsNeverStretched) {
    // The mask is the whole frame: the geometry above with R at the origin.
    TBitmap mask = CellBitmap(kW, kH);
    TBitmap left, top, right, bottom;
    CreateMaskBorderImages(kLT, kRT, kLB, kRB, kCl, kNewLT, kNewRT, kNewLB, kNewRB, kNewCl, &mask, &top,
                           &left, &right, &bottom, kAW);
    ASSERT_EQ(top.Width(), kAW);
    ASSERT_EQ(top.Height(), kCl.Top);
    ASSERT_EQ(bottom.Width(), kAW);
    ASSERT_EQ(bottom.Height(), kH - kCl.Bottom);
    ASSERT_EQ(left.Width(), kCl.Left);
    ASSERT_EQ(left.Height(), kNewCl.Height());
    ASSERT_EQ(right.Width(), kW - kCl.Right);
    ASSERT_EQ(right.Height(), kNewCl.Height());
    EXPECT_EQ(FirstMismatch(top,
                            [&](int x, int y) {
                                return Cell(StripX(x, kLT.X, kRT.X, kNewLT.X, kNewRT.X, kNewLT.X, false), y);
                            }),
              "");
    EXPECT_EQ(FirstMismatch(bottom,
                            [&](int x, int y) {
                                return Cell(StripX(x, kLB.X, kRB.X, kNewLB.X, kNewRB.X, kNewLB.X, false),
                                            kCl.Bottom + y);
                            }),
              "");
    EXPECT_EQ(FirstMismatch(left, [&](int x, int y) { return Cell(x, StripY(y, 9, kLT.Y, kLB.Y, false)); }),
              "");
    EXPECT_EQ(
        FirstMismatch(right,
                      [&](int x, int y) { return Cell(kCl.Right + x, StripY(y, 9, kRT.Y, kRB.Y, false)); }),
        "");
}
