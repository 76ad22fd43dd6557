#include "AlphaBitmapFixtures.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/engine/PixelRoutines.h"

#include <gtest/gtest.h>

using namespace alphafix;

// The one blend of the engine, with the values the straight-alpha formula gives.
TEST(PixelRoutines, PixelBlendTable) {
    struct Case {
        uint32_t f, b, want;
    } cases[] = {
        {0x00FFFFFF, 0xFF123456, 0xFF123456}, // alpha 0 keeps the background
        {0xFF102030, 0x80FFFFFF, 0xFF102030}, // alpha 255 stores the foreground
        {0x80FFFFFF, 0xFF000000, 0xFF808080}, // half white over opaque black
        {0x80FF0000, 0x00000000, 0x80FF0000}, // over nothing: the foreground as it is
        {0x80000000, 0x800000FF, 0xBF000055}, // translucent over translucent
    };
    for (const Case& c : cases)
        EXPECT_EQ(PixelBlend(c.f, c.b), c.want) << std::hex << c.f << " over " << c.b;
}

TEST(PixelRoutines, LineRoutinesHonourKeysCountsAndOverlap) {
    // Key copy: the key colour is tested on the low 24 bits only.
    uint32_t src[] = {0xFF7F007F, 0x007F007F, 0x00123456, 0x807F0080};
    uint32_t dst[] = {1, 2, 3, 4};
    LineKeyCopy(src, dst, 4);
    EXPECT_EQ(std::vector<uint32_t>(dst, dst + 4), (std::vector<uint32_t>{1, 2, 0xFF123456, 0xFF7F0080}));

    uint32_t line[] = {0xFF000000, 0xFF000000, 0xFF000000};
    uint32_t over[] = {0x00FFFFFF, 0x80FFFFFF, 0xFFFFFFFF};
    LineBlend(over, line, 3);
    EXPECT_EQ(std::vector<uint32_t>(line, line + 3),
              (std::vector<uint32_t>{0xFF000000, 0xFF808080, 0xFFFFFFFF}));

    uint32_t run[] = {1, 2, 3, 4, 5};
    LineCopy(run, run + 1, 4); // overlapping
    EXPECT_EQ(std::vector<uint32_t>(run, run + 5), (std::vector<uint32_t>{1, 1, 2, 3, 4}));
    LineFill(run, 0, 9);
    LineFill(run, -3, 9);
    LineAlpha(run, -1, 0);
    EXPECT_EQ(run[0], 1u);

    uint32_t grid[9] = {};
    RectFill(grid, 3, 7, 1, 1, 2, 2); // inclusive corners
    RectFill(grid, 3, 9, 2, 0, 1, 0); // empty
    EXPECT_EQ(std::vector<uint32_t>(grid, grid + 9), (std::vector<uint32_t>{0, 0, 0, 0, 7, 7, 0, 7, 7}));
    RectAlpha(grid, 3, 0x80, 0, 0, 0, 1);
    EXPECT_EQ(grid[0], 0x80000000u);
    EXPECT_EQ(grid[3], 0x80000000u);
    EXPECT_EQ(grid[4], 7u);
}

TEST(PixelRoutines, ScaledIndexAlignsEndPoints) {
    struct Case {
        int src, dst;
        std::vector<int> want;
    } cases[] = {
        {2, 5, {0, 0, 0, 1, 1}}, // 0.5 rounds to the even 0
        {5, 1, {2}},             // a single destination takes the middle
        {4, 1, {1}},
        {5, 2, {0, 4}}, // shrinking keeps both ends
        {4, 3, {0, 2, 3}},
        {3, 3, {0, 1, 2}},
    };
    for (const Case& c : cases) {
        std::vector<int> got;
        for (int u = 0; u < c.dst; ++u)
            got.push_back(ScaledSourceIndex(u, c.src, c.dst));
        EXPECT_EQ(got, c.want) << c.src << " to " << c.dst;
    }
}

TEST(PixelRoutines, BitmapEngineScalesAndClips) {
    TlxBitmap src, dst;
    FillCells(src, 3, 3);
    dst.SetSize(3, 3);
    // Unscaled at a negative position: the source start moves with the clipped corner.
    BitmapDraw(&dst, TRect{-1, -1, 2, 2}, &src, TRect{0, 0, 3, 3}, dmCopy);
    EXPECT_EQ(At(dst, 0, 0), Cell(1, 1));
    EXPECT_EQ(At(dst, 1, 1), Cell(2, 2));
    EXPECT_EQ(At(dst, 2, 2), 0u);
    // Partly outside on the right.
    dst.Clear(0);
    BitmapDraw(&dst, TRect{2, 0, 5, 3}, &src, TRect{0, 0, 3, 3}, dmCopy);
    EXPECT_EQ(Row(dst, 1), (std::vector<uint32_t>{0, 0, Cell(0, 1)}));

    // Scaled: 2 columns into 5, and the mapping keeps its origin when clipped.
    TlxBitmap wide;
    wide.SetSize(5, 1);
    BitmapDraw(&wide, TRect{0, 0, 5, 1}, &src, TRect{0, 0, 2, 1}, dmCopy);
    EXPECT_EQ(Row(wide, 0),
              (std::vector<uint32_t>{Cell(0, 0), Cell(0, 0), Cell(0, 0), Cell(1, 0), Cell(1, 0)}));
    wide.Clear(0);
    BitmapDraw(&wide, TRect{-2, 0, 2, 1}, &src, TRect{0, 0, 2, 1}, dmCopy); // u = 2, 3 of 4
    EXPECT_EQ(Row(wide, 0), (std::vector<uint32_t>{Cell(1, 0), Cell(1, 0), 0, 0, 0}));
    // Rows are scaled too: 3 rows into 2 take the first and the last.
    TlxBitmap tall;
    tall.SetSize(1, 2);
    BitmapDraw(&tall, TRect{0, 0, 1, 2}, &src, TRect{1, 0, 3, 3}, dmCopy);
    EXPECT_EQ(At(tall, 0, 0), Cell(1, 0));
    EXPECT_EQ(At(tall, 0, 1), Cell(1, 2));

    // Nothing for a source rectangle outside the source or an empty one.
    dst.Clear(0);
    BitmapDraw(&dst, TRect{0, 0, 3, 3}, &src, TRect{-1, 0, 2, 3}, dmCopy);
    BitmapDraw(&dst, TRect{0, 0, 3, 3}, &src, TRect{0, 0, 4, 3}, dmCopy);
    BitmapDraw(&dst, TRect{0, 0, 3, 3}, &src, TRect{1, 1, 1, 3}, dmCopy);
    EXPECT_EQ(At(dst, 0, 0), 0u);
    EXPECT_THROW(BitmapDraw(nullptr, TRect{0, 0, 1, 1}, &src, TRect{0, 0, 1, 1}, dmCopy), EAssertionFailed);
}

TEST(PixelRoutines, BitmapEngineBlendAndKeyModesScaled) {
    TlxBitmap src, dst;
    FillPixels(src, 2, 1, {0x80FFFFFF, 0x007F007F});
    dst.SetSize(4, 1);
    dst.Clear(0xFF000000);
    BitmapDraw(&dst, TRect{0, 0, 4, 1}, &src, TRect{0, 0, 2, 1}, dmBlend); // columns 0, 0, 1, 1
    EXPECT_EQ(Row(dst, 0), (std::vector<uint32_t>{0xFF808080, 0xFF808080, 0xFF000000, 0xFF000000}));
    dst.Clear(0xFF000000);
    BitmapDraw(&dst, TRect{0, 0, 4, 1}, &src, TRect{0, 0, 2, 1}, dmKey);
    EXPECT_EQ(Row(dst, 0), (std::vector<uint32_t>{0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000, 0xFF000000}));
}
