#include "skin/engine/SkinImages.h"
#include "SkinImagePixels.h"

#include <gtest/gtest.h>

using namespace skinimg;

namespace {

// A 10 x 8 skin rectangle at (1, 1) of a 12 x 10 picture, borders 3, 2, 3, 2,
// the corner points on the client corners, grown to 15 x 11.
constexpr int kW = 10, kH = 8, kAW = 15, kAH = 11;
const TRect kR{1, 1, 11, 9};
const TRect kCl{3, 2, 7, 6};
const TRect kNewCl{3, 2, 12, 9};

struct Flags {
    bool left, top, right, bottom;
};

// Source index (relative to R) along one axis for a destination index d, for a
// part spanning src0..src1 in the source and dst0..dst1 in the destination.
int Along(int d, int src0, int src1, int dst0, int dst1, bool stretch) {
    const int s = src1 - src0;
    const int n = dst1 - dst0;
    return src0 + (stretch ? Near(d - dst0, s, n) : (d - dst0) % s);
}

// The expected image of the separable fixture: x and y map by band.
uint32_t Expected(int x, int y, Flags f, bool drawClient, bool effect, TlxStretchType type) {
    const int xb = x < kNewCl.Left ? 0 : x < kNewCl.Right ? 1 : 2;
    const int yb = y < kNewCl.Top ? 0 : y < kNewCl.Bottom ? 1 : 2;
    auto fixedX = [&] { return xb == 0 ? x : kCl.Right + (x - kNewCl.Right); };
    auto fixedY = [&] { return yb == 0 ? y : kCl.Bottom + (y - kNewCl.Bottom); };
    auto midX = [&](bool stretch) {
        return Along(x, kCl.Left, kCl.Right, kNewCl.Left, kNewCl.Right, stretch);
    };
    auto midY = [&](bool stretch) {
        return Along(y, kCl.Top, kCl.Bottom, kNewCl.Top, kNewCl.Bottom, stretch);
    };
    int sx, sy;
    if (xb != 1 && yb != 1) {
        sx = fixedX();
        sy = fixedY();
    } else if (yb != 1) {
        sx = midX(yb == 0 ? f.top : f.bottom);
        sy = fixedY();
    } else if (xb != 1) {
        sx = fixedX();
        sy = midY(xb == 0 ? f.left : f.right);
    } else {
        if (!drawClient) return kWhite;
        sx = midX(effect && (type == lxstFull || type == lxstVert));
        sy = midY(effect && (type == lxstFull || type == lxstHorz));
    }
    return Cell(kR.Left + sx, kR.Top + sy);
}

void Build(TBitmap& b, TBitmap& sb, Flags f, bool drawClient, bool effect, TlxStretchType type) {
    CreateSkinImage({3, 2}, {7, 2}, {3, 6}, {7, 6}, kCl, {3, 2}, {12, 2}, {3, 9}, {12, 9}, kNewCl, &b, &sb,
                    kR, kAW, kAH, drawClient, f.left, f.top, f.right, f.bottom, effect, type);
}

} // namespace

TEST(CreateSkinImage, IdentityReproducesTheRectangle) {
    TBitmap sb = CellBitmap(14, 12);
    // Corner points inside the borders, so all eight corner pieces have area.
    const TRect r{2, 1, 12, 10}, cl{3, 2, 7, 6};
    for (bool stretch : {false, true}) {
        TBitmap b;
        CreateSkinImage({4, 3}, {6, 3}, {4, 5}, {5, 5}, cl, {4, 3}, {6, 3}, {4, 5}, {5, 5}, cl, &b, &sb, r,
                        10, 9, true, stretch, stretch, stretch, stretch, stretch, lxstFull);
        ASSERT_EQ(b.Width(), 10);
        ASSERT_EQ(b.Height(), 9);
        EXPECT_EQ(FirstMismatch(b, [&](int x, int y) { return Cell(r.Left + x, r.Top + y); }), "")
            << "stretch " << stretch;
    }
}

TEST(CreateSkinImage, GrowthWithEachCombinationOfSideStretchFlags) {
    TBitmap sb = CellBitmap(12, 10);
    for (int m = 0; m < 16; ++m) {
        const Flags f{bool(m & 1), bool(m & 2), bool(m & 4), bool(m & 8)};
        TBitmap b;
        Build(b, sb, f, true, false, lxstFull);
        ASSERT_EQ(b.Width(), kAW);
        ASSERT_EQ(b.Height(), kAH);
        EXPECT_EQ(FirstMismatch(b, [&](int x, int y) { return Expected(x, y, f, true, false, lxstFull); }),
                  "")
            << "flags " << m;
    }
}

TEST(CreateSkinImage, ClientStretchTypesAndClientOff) {
    TBitmap sb = CellBitmap(12, 10);
    const Flags f{true, false, true, false};
    struct {
        bool draw, effect;
        TlxStretchType type;
    } cases[] = {{true, true, lxstFull},  {true, true, lxstHorz},  {true, true, lxstVert},
                 {true, false, lxstHorz}, {false, true, lxstFull}, {false, false, lxstFull}};
    for (const auto& c : cases) {
        TBitmap b;
        Build(b, sb, f, c.draw, c.effect, c.type);
        EXPECT_EQ(FirstMismatch(b, [&](int x, int y) { return Expected(x, y, f, c.draw, c.effect, c.type); }),
                  "")
            << "draw " << c.draw << " effect " << c.effect << " type " << int(c.type);
    }
}

TEST(CreateSkinImage, EarlyExitsLeaveTheBitmapSizedAndUndrawn) {
    TBitmap sb = CellBitmap(12, 10);
    TBitmap empty;
    struct {
        TPoint lt, rb;
        TBitmap* source;
    } cases[] = {
        {{3, 2}, {3, 6}, &sb}, {{3, 2}, {7, 2}, &sb}, {{3, 2}, {7, 6}, &empty}, {{3, 2}, {7, 6}, nullptr}};
    for (const auto& c : cases) {
        TBitmap b;
        CreateSkinImage(c.lt, {7, 2}, {3, 6}, c.rb, kCl, {3, 2}, {12, 2}, {3, 9}, {12, 9}, kNewCl, &b,
                        c.source, kR, kAW, kAH, true, false, false, false, false, false, lxstFull);
        EXPECT_EQ(b.Width(), kAW);
        EXPECT_EQ(b.Height(), kAH);
        EXPECT_EQ(FirstMismatch(b, [](int, int) { return kWhite; }), "");
    }
}

TEST(CreateSkinImage, WindowImageIsTheSameImage) {
    TBitmap sb = CellBitmap(12, 10);
    TBitmap a, b;
    Build(a, sb, {false, true, false, true}, true, true, lxstHorz);
    CreateSkinWindowImage({3, 2}, {7, 2}, {3, 6}, {7, 6}, kCl, {3, 2}, {12, 2}, {3, 9}, {12, 9}, kNewCl, &b,
                          &sb, kR, kAW, kAH, true, false, true, false, true, true, lxstHorz);
    EXPECT_EQ(FirstMismatch(b, [&](int x, int y) { return a.ScanLine(y)[x]; }), "");
}

TEST(CreateSkinImageLeft, TopBottomAndClientRunToTheRightEdge) {
    TBitmap sb = CellBitmap(12, 10);
    const Flags f{false, false, false, true};
    for (TlxStretchType type : {lxstFull, lxstHorz, lxstVert}) {
        TBitmap b;
        CreateSkinImageLeft({3, 2}, {7, 2}, {3, 6}, {7, 6}, kCl, {3, 2}, {12, 2}, {3, 9}, {12, 9}, kNewCl, &b,
                            &sb, kR, kAW, kAH, true, f.left, f.top, true, f.bottom, true, type);
        auto expected = [&](int x, int y) -> uint32_t {
            const bool band = y >= kNewCl.Top && y < kNewCl.Bottom;
            if (x < kNewCl.Left) return Expected(x, y, f, true, true, type);
            if (!band) {
                // Top tiled across 3..15, bottom stretched over it.
                const bool stretch = y >= kNewCl.Bottom;
                const int sx = Along(x, kCl.Left, kCl.Right, kNewCl.Left, kAW, stretch);
                const int sy = y < kNewCl.Top ? y : kCl.Bottom + (y - kNewCl.Bottom);
                return Cell(kR.Left + sx, kR.Top + sy);
            }
            // The vertical strips stop at the client's own right edge.
            if (type == lxstVert && x >= kNewCl.Right) return kWhite;
            const bool sxStretch = type != lxstHorz;
            const bool syStretch = type != lxstVert;
            // The strip is as wide as the widened client, cut at the old edge.
            const int sx = Along(x, kCl.Left, kCl.Right, kNewCl.Left, kAW, sxStretch);
            const int sy = Along(y, kCl.Top, kCl.Bottom, kNewCl.Top, kNewCl.Bottom, syStretch);
            return Cell(kR.Left + sx, kR.Top + sy);
        };
        EXPECT_EQ(FirstMismatch(b, expected), "") << "type " << int(type);
    }
}

TEST(CreateSkinImageByClient, StretchesFromTheClientCornersAndKeepsTheSize) {
    TBitmap sb = CellBitmap(12, 10);
    for (bool drawClient : {true, false}) {
        TBitmap b(kAW, kAH);
        CreateSkinImageByClient(&b, &sb, kR, kCl, drawClient);
        ASSERT_EQ(b.Width(), kAW);
        const Flags all{true, true, true, true};
        EXPECT_EQ(
            FirstMismatch(b, [&](int x, int y) { return Expected(x, y, all, drawClient, true, lxstFull); }),
            "")
            << "draw client " << drawClient;
    }
}

TEST(CreateSkinImage, UntrustedGeometryNeitherCrashesNorReadsOutside) {
    TBitmap sb = CellBitmap(12, 10);
    struct {
        TPoint lt, rt, lb, rb;
        TRect cl, r;
        TPoint nlt, nrt, nlb, nrb;
        TRect ncl;
    } cases[] = {
        // Zero-width tiles on every side, tiled.
        {{3, 2}, {3, 2}, {3, 2}, {4, 3}, {3, 2, 3, 2}, kR, {3, 2}, {12, 2}, {3, 9}, {12, 9}, kNewCl},
        // Crossing corner points.
        {{7, 6}, {3, 2}, {7, 2}, {3, 6}, {7, 6, 3, 2}, kR, {12, 9}, {3, 2}, {12, 2}, {3, 9}, {12, 9, 3, 2}},
        // A rectangle outside its picture, negative points.
        {{3, 2},
         {7, 2},
         {3, 6},
         {7, 6},
         kCl,
         {40, 40, 50, 48},
         {-5, -5},
         {30, 2},
         {3, 40},
         {-9, 9},
         {-3, -2, 40, 60}},
        // A rectangle reaching past the picture's edge.
        {{3, 2}, {7, 2}, {3, 6}, {7, 6}, kCl, {8, 6, 18, 14}, {3, 2}, {12, 2}, {3, 9}, {12, 9}, kNewCl},
    };
    for (const auto& c : cases)
        for (int m = 0; m < 4; ++m) {
            TBitmap b;
            CreateSkinImage(c.lt, c.rt, c.lb, c.rb, c.cl, c.nlt, c.nrt, c.nlb, c.nrb, c.ncl, &b, &sb, c.r,
                            kAW, kAH, true, m & 1, m & 1, m & 1, m & 1, m & 2, m & 1 ? lxstHorz : lxstVert);
            CreateSkinImageLeft(c.lt, c.rt, c.lb, c.rb, c.cl, c.nlt, c.nrt, c.nlb, c.nrb, c.ncl, &b, &sb, c.r,
                                kAW, kAH, true, m & 1, m & 1, m & 1, m & 1, m & 2, lxstVert);
            EXPECT_EQ(b.Width(), kAW);
        }
}

// A 30 x 1 strip: ends 5 and 5, a 20-pixel middle.
TEST(CreateHSkinImage, VariantsMapEveryColumn) {
    TBitmap sb = CellBitmap(32, 3);
    const TRect r{2, 1, 32, 2};
    struct {
        const char* name;
        void (*fn)(int, int, TBitmap*, TBitmap*, const TRect&, int, bool);
        bool stretch;
        int newWidth;
        int (*column)(int x); // source column relative to r
    } cases[] = {
        {"tiled", CreateHSkinImage, false, 47,
         [](int x) { return x < 5    ? x
                            : x < 42 ? 5 + (x - 5) % 20
                                     : 25 + (x - 42); }},
        {"stretched", CreateHSkinImage, true, 47,
         [](int x) { return x < 5    ? x
                            : x < 42 ? 5 + Near(x - 5, 20, 37)
                                     : 25 + (x - 42); }},
        {"narrower", CreateHSkinImage, false, 17,
         [](int x) { return x < 5    ? x
                            : x < 12 ? 5 + (x - 5)
                                     : 25 + (x - 12); }},
        {"left tiled", CreateHSkinImageLeft, false, 47, [](int x) { return x < 5 ? x : 5 + (x - 5) % 20; }},
        {"left stretched", CreateHSkinImageLeft, true, 47,
         [](int x) { return x < 5 ? x : 5 + Near(x - 5, 20, 42); }},
        {"middle tiled", CreateHSkinImageMiddle, false, 47, [](int x) { return 5 + x % 20; }},
        {"middle stretched", CreateHSkinImageMiddle, true, 47, [](int x) { return 5 + Near(x, 20, 47); }},
    };
    for (const auto& c : cases) {
        TBitmap b;
        c.fn(5, 5, &b, &sb, r, c.newWidth, c.stretch);
        ASSERT_EQ(b.Width(), c.newWidth) << c.name;
        ASSERT_EQ(b.Height(), 1) << c.name;
        EXPECT_EQ(FirstMismatch(b, [&](int x, int) { return Cell(r.Left + c.column(x), 1); }), "") << c.name;
    }
}

TEST(CreateHSkinImage, ZeroWidthMiddleCountsAsOneColumnAndOverlapDrawsNoMiddle) {
    TBitmap sb = CellBitmap(10, 1);
    TBitmap b;
    CreateHSkinImage(5, 5, &b, &sb, {0, 0, 10, 1}, 14, false);
    EXPECT_EQ(FirstMismatch(b, [](int x, int) { return Cell(x < 5 ? x : x < 9 ? 5 : x - 4, 0); }), "");
    // Offsets wider than the new width: the ends overlap, no middle, nothing outside.
    TBitmap c;
    CreateHSkinImage(5, 5, &c, &sb, {0, 0, 10, 1}, 7, false);
    EXPECT_EQ(FirstMismatch(c, [](int x, int) { return Cell(x < 2 ? x : x + 3, 0); }), "");
    // Crossing offsets draw no middle.
    TBitmap d;
    CreateHSkinImage(8, 8, &d, &sb, {0, 0, 10, 1}, 20, false);
    EXPECT_EQ(d.ScanLine(0)[10], kWhite);
}

TEST(CreateVSkinImage, TilesOrStretchesAndSkipsAZeroHeightMiddle) {
    TBitmap sb = CellBitmap(2, 12);
    const TRect r{0, 1, 2, 11}; // 10 rows: ends 3 and 2, middle 5
    struct {
        bool stretch;
        int tOff, bOff, newHeight;
        std::function<uint32_t(int, int)> want;
    } cases[] = {
        {false, 3, 2, 16,
         [](int x, int y) {
             return Cell(x, 1 + (y < 3 ? y : y < 14 ? 3 + (y - 3) % 5 : y - 6));
         }},
        {true, 3, 2, 16,
         [](int x, int y) {
             return Cell(x, 1 + (y < 3 ? y : y < 14 ? 3 + Near(y - 3, 5, 11) : y - 6));
         }},
        // Ends 5 and 5 leave a zero-height middle: rows between the ends stay undrawn.
        {false, 5, 5, 14,
         [](int x, int y) { return y < 5   ? Cell(x, 1 + y)
                                   : y < 9 ? kWhite
                                           : Cell(x, 1 + y - 4); }},
        {true, 5, 5, 14,
         [](int x, int y) { return y < 5   ? Cell(x, 1 + y)
                                   : y < 9 ? kWhite
                                           : Cell(x, 1 + y - 4); }},
    };
    for (const auto& c : cases) {
        TBitmap b;
        CreateVSkinImage(c.tOff, c.bOff, &b, &sb, r, c.newHeight, c.stretch);
        ASSERT_EQ(b.Width(), 2);
        ASSERT_EQ(b.Height(), c.newHeight);
        EXPECT_EQ(FirstMismatch(b, c.want), "") << c.stretch << " " << c.tOff;
    }
}
