#include "platform/gdi/TRegion.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"

#include "tests/support/pictures/PixelArt.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>

TEST(TRegion, FromMaskGivesOneRectanglePerRunPerRow) {
    TBitmap mask = FromPixelArt({
        "##..#",
        "#####",
        ".....",
        ".#.#.",
    });
    mask.ScanLine(3)[1] = 0x7F000000; // alpha is ignored: still black
    TRegion r = TRegion::FromMask(mask, 10, 20);
    std::vector<TRect> expected{
        {10, 20, 12, 21}, {14, 20, 15, 21}, {10, 21, 15, 22}, {11, 23, 12, 24}, {13, 23, 14, 24}};
    EXPECT_EQ(r.Rects(), expected);
    EXPECT_TRUE(TRegion::FromMask(FromPixelArt({"...", "..."})).IsEmpty());

    // The same rectangles through region data, in any order, give the same region.
    std::vector<char> data(sizeof(RGNDATAHEADER) + expected.size() * sizeof(TRect));
    RGNDATAHEADER h{sizeof(RGNDATAHEADER), RDH_RECTANGLES, DWORD(expected.size()), 0, {}};
    std::memcpy(data.data(), static_cast<void*>(&h), sizeof h);
    for (size_t i = 0; i < expected.size(); ++i)
        std::memcpy(data.data() + sizeof h + i * sizeof(TRect),
                    static_cast<void*>(&expected[expected.size() - 1 - i]), sizeof(TRect));
    HRGN rgn = ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
    ASSERT_NE(rgn, nullptr);
    EXPECT_EQ(rgn->Region.Rects(), expected);
    EXPECT_EQ(GetRegionData(rgn, 0, nullptr), DWORD(data.size()));
    DeleteObject(rgn);
    // A count beyond the data, or a foreign type, is refused.
    h.nCount = 100;
    std::memcpy(data.data(), static_cast<void*>(&h), sizeof h);
    EXPECT_EQ(ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<RGNDATA*>(data.data())), nullptr);
    h.nCount = 1;
    h.iType = 2;
    std::memcpy(data.data(), static_cast<void*>(&h), sizeof h);
    EXPECT_EQ(ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<RGNDATA*>(data.data())), nullptr);
}

TEST(TRegion, OperationsAgreeWithAPixelOracleOnRandomMasks) {
    std::mt19937 rng(12345);
    const int W = 13, H = 11;
    auto randomMask = [&](std::vector<uint8_t>& m) {
        m.resize(W * H);
        int density = int(rng() % 4);
        for (auto& v : m)
            v = (rng() % 4) <= unsigned(density) ? 1 : 0;
    };
    for (int round = 0; round < 200; ++round) {
        std::vector<uint8_t> ma, mb;
        randomMask(ma);
        randomMask(mb);
        TRegion a = TRegion::FromByteMask(ma.data(), W, H, W), b = TRegion::FromByteMask(mb.data(), W, H, W);
        int dx = int(rng() % 5) - 2, dy = int(rng() % 5) - 2;
        TRegion bo = b;
        bo.Offset(dx, dy);
        auto inA = [&](int x, int y) { return x >= 0 && y >= 0 && x < W && y < H && ma[size_t(y * W + x)]; };
        auto inB = [&](int x, int y) {
            x -= dx;
            y -= dy;
            return x >= 0 && y >= 0 && x < W && y < H && mb[size_t(y * W + x)];
        };
        TRegion u = a.Union(bo), i = a.Intersect(bo), d = a.Subtract(bo), x = a.Xor(bo);
        for (int py = -3; py < H + 3; ++py)
            for (int px = -3; px < W + 3; ++px) {
                bool pa = inA(px, py), pb = inB(px, py);
                ASSERT_EQ(a.Contains(px, py), pa);
                ASSERT_EQ(bo.Contains(px, py), pb);
                ASSERT_EQ(u.Contains(px, py), pa || pb) << round;
                ASSERT_EQ(i.Contains(px, py), pa && pb) << round;
                ASSERT_EQ(d.Contains(px, py), pa && !pb) << round;
                ASSERT_EQ(x.Contains(px, py), pa != pb) << round;
            }
        // Results stay in bands: sorted, no overlaps.
        const auto& rs = u.Rects();
        for (size_t k = 1; k < rs.size(); ++k)
            ASSERT_TRUE(rs[k].Top > rs[k - 1].Top ||
                        (rs[k].Top == rs[k - 1].Top && rs[k].Left > rs[k - 1].Right));
        ASSERT_TRUE(u.SameAs(bo.Union(a)));
    }
}

TEST(TRegion, HandleFunctions) {
    HRGN a = CreateRectRgn(0, 0, 10, 10), b = CreateRectRgn(5, 5, 15, 15), r = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(r, a, b, RGN_AND), SIMPLEREGION);
    TRect box;
    GetRgnBox(r, &box);
    EXPECT_EQ(box, (TRect{5, 5, 10, 10}));
    EXPECT_EQ(CombineRgn(r, a, b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(r, 14, 14));
    EXPECT_FALSE(PtInRegion(r, 14, 2));
    EXPECT_EQ(CombineRgn(a, a, a, RGN_DIFF), NULLREGION); // a destination may be a source
    EXPECT_EQ(OffsetRgn(b, -5, -5), SIMPLEREGION);
    EXPECT_TRUE(RectInRegion(b, {9, 9, 20, 20}));
    EXPECT_FALSE(RectInRegion(b, {10, 0, 20, 20}));
    HRGN c = CreateRectRgn(10, 10, 0, 0); // corners in either order
    EXPECT_TRUE(EqualRgn(b, c));
    EXPECT_EQ(CombineRgn(r, nullptr, b, RGN_OR), RGN_ERROR);
    for (HRGN h : {a, b, c, r})
        DeleteObject(h);
}
