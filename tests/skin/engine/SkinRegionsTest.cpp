#include "skin/engine/SkinRegions.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TRegion.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// A white w x h mask with the listed pixels black.
TBitmap Mask(int w, int h, std::initializer_list<TPoint> black) {
    TBitmap b(w, h);
    for (auto p : black)
        b.ScanLine(p.Y)[p.X] = 0xFF000000;
    return b;
}

std::vector<TRect> RectsOf(const std::vector<uint8_t>& data) {
    RGNDATAHEADER h;
    std::memcpy(&h, data.data(), sizeof h);
    std::vector<TRect> r(h.nCount);
    if (h.nCount) std::memcpy(r.data(), data.data() + sizeof h, h.nCount * sizeof(TRect));
    return r;
}

} // namespace

TEST(MaskToRgnData, RectangleListsOfThreeMasks) {
    struct {
        TBitmap mask;
        std::vector<TRect> want;
    } cases[] = {
        {Mask(4, 3, {}), {}},
        {Mask(5, 2, {{1, 1}, {2, 1}, {3, 1}}), {{11, 21, 14, 22}}},
        {Mask(3, 3, {{0, 0}, {0, 1}, {1, 1}, {0, 2}, {1, 2}, {2, 2}}),
         {{10, 20, 11, 21}, {10, 21, 12, 22}, {10, 22, 13, 23}}},
    };
    for (auto& c : cases) {
        std::vector<uint8_t> data;
        const uint32_t size = MaskToRgnData(&c.mask, 10, 20, data);
        ASSERT_EQ(size, 32 + 16 * c.want.size());
        ASSERT_EQ(data.size(), size);
        RGNDATAHEADER h;
        std::memcpy(&h, data.data(), sizeof h);
        EXPECT_EQ(h.dwSize, 32u);
        EXPECT_EQ(h.iType, uint32_t(RDH_RECTANGLES));
        EXPECT_EQ(h.rcBound, (TRect{10, 20, 10 + c.mask.Width(), 20 + c.mask.Height()}));
        EXPECT_EQ(RectsOf(data), c.want);
    }
    TBitmap empty;
    std::vector<uint8_t> data{1, 2};
    EXPECT_EQ(MaskToRgnData(&empty, 0, 0, data), 0u);
    EXPECT_TRUE(data.empty());
}

TEST(MaskToRgnData, HasNoCapOnRectangles) {
    // Every other pixel black: 100 runs per row, 20,000 runs in all.
    TBitmap m(200, 200);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; x += 2)
            m.ScanLine(y)[x] = 0;
    std::vector<uint8_t> data;
    EXPECT_EQ(MaskToRgnData(&m, 0, 0, data), 32u + 16u * 20000u);
}

TEST(CreateSkinRgn, UnionOfClientAndMaskStripsAndNullCases) {
    // A 6 x 6 frame mask with borders 2 everywhere; black except the two
    // top corners' outer pixels.
    TBitmap mask(6, 6);
    mask.Fill(0xFF000000);
    mask.ScanLine(0)[0] = 0xFFFFFFFF;
    mask.ScanLine(0)[5] = 0xFFFFFFFF;
    const TRect cl{2, 2, 4, 4}, ncl{2, 2, 8, 6};
    HRGN rgn = nullptr;
    CreateSkinRgn(rgn, {2, 2}, {4, 2}, {2, 4}, {4, 4}, cl, {2, 2}, {8, 2}, {2, 6}, {8, 6}, ncl, &mask, 10, 8);
    ASSERT_NE(rgn, nullptr);
    TRegion want = TRegion(TRect{0, 0, 10, 8})
                       .Subtract(TRegion(TRect{0, 0, 1, 1}))
                       .Subtract(TRegion(TRect{9, 0, 10, 1}));
    EXPECT_TRUE(rgn->Region.SameAs(want));
    DeleteObject(rgn);

    // Crossing new points and an empty new client give no region.
    CreateSkinRgn(rgn, {2, 2}, {4, 2}, {2, 4}, {4, 4}, cl, {8, 2}, {2, 2}, {2, 6}, {8, 6}, ncl, &mask, 10, 8);
    EXPECT_EQ(rgn, nullptr);
    CreateSkinRgn(rgn, {2, 2}, {4, 2}, {2, 4}, {4, 4}, cl, {2, 2}, {2, 2}, {2, 2}, {2, 2}, {2, 2, 2, 2},
                  &mask, 4, 4);
    EXPECT_EQ(rgn, nullptr);
}
