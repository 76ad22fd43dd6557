#include "AlphaBitmapFixtures.h"

#include "skin/engine/StackBlur.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace alphafix;

namespace {

uint32_t Grey(uint32_t v, uint32_t a = 255) {
    return (a << 24) | v * 0x010101u;
}

// The blur written as the plain weighted sum over edge-clamped samples, rows then columns.
std::vector<int> NaiveBlur(std::vector<int> v, int w, int h, int r) {
    const int s = (r + 1) * (r + 1);
    auto pass = [&](bool rows) {
        std::vector<int> out(v.size());
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                int sum = 0;
                for (int k = -r; k <= r; ++k) {
                    int sx = rows ? std::clamp(x + k, 0, w - 1) : x,
                        sy = rows ? y : std::clamp(y + k, 0, h - 1);
                    sum += (r + 1 - std::abs(k)) * v[sy * w + sx];
                }
                out[y * w + x] = sum / s;
            }
        v = out;
    };
    pass(true);
    pass(false);
    return v;
}

} // namespace

TEST(StackBlur, RadiusZeroChangesNothing) {
    TlxBitmap b;
    FillPixels(b, 2, 1, {0x80FF0000, 0x00000010});
    StackBlur(&b, 0);
    StackBlur(&b, -2);
    EXPECT_EQ(Row(b, 0), (std::vector<uint32_t>{0x80FF0000, 0x00000010}));
}

TEST(StackBlur, RadiusOneSpreadsASinglePixelOneTwoOne) {
    TlxBitmap b;
    b.SetSize(3, 3);
    b.Bits()[4] = 0x00FFFFFF; // white, transparent
    StackBlur(&b, 1);
    // Rows 63 127 63, then the columns: every pixel opaque.
    EXPECT_EQ(Row(b, 0), (std::vector<uint32_t>{Grey(15), Grey(31), Grey(15)}));
    EXPECT_EQ(Row(b, 1), (std::vector<uint32_t>{Grey(31), Grey(63), Grey(31)}));
    EXPECT_EQ(Row(b, 2), (std::vector<uint32_t>{Grey(15), Grey(31), Grey(15)}));
}

TEST(StackBlur, EdgesClampToTheEdgePixel) {
    TlxBitmap b;
    FillPixels(b, 2, 1, {Grey(0, 0), Grey(200, 9)});
    StackBlur(&b, 1);
    // (0 + 0 + 200) / 4 and (0 + 400 + 200) / 4: the missing neighbours repeat the edge.
    EXPECT_EQ(Row(b, 0), (std::vector<uint32_t>{Grey(50), Grey(150)}));
}

TEST(StackBlur, MatchesTheWeightedSumForLargerRadii) {
    const int w = 7, h = 5;
    for (int r : {2, 3, 9}) {
        TlxBitmap b;
        b.SetSize(w, h);
        std::vector<int> red, blue;
        for (int i = 0; i < w * h; ++i) {
            red.push_back((i * 37) % 256);
            blue.push_back((i * 91 + 13) % 256);
            b.Bits()[i] = (uint32_t(red.back()) << 16) | uint32_t(blue.back());
        }
        StackBlur(&b, r);
        std::vector<int> wantRed = NaiveBlur(red, w, h, r), wantBlue = NaiveBlur(blue, w, h, r);
        for (int i = 0; i < w * h; ++i)
            ASSERT_EQ(b.Bits()[i], 0xFF000000u | (uint32_t(wantRed[i]) << 16) | uint32_t(wantBlue[i]))
                << "radius " << r << " pixel " << i;
    }
}

TEST(SetAlphaFromMask, AlphaIsTheMaskGrey) {
    TlxBitmap b, mask;
    FillPixels(b, 5, 1, {0x11223344, 0x11223344, 0x11223344, 0x11223344, 0x11223344});
    FillPixels(mask, 4, 1, {0xFFFFFFFF, 0x00808080, 0xFF010102, 0xFF010202});
    SetAlphaFromMask(&b, &mask);
    // White 255, grey 128 gives 128, 4/3 rounds to 1, 5/3 to 2; beyond the mask nothing changes.
    EXPECT_EQ(Row(b, 0), (std::vector<uint32_t>{0xFF223344, 0x80223344, 0x01223344, 0x02223344, 0x11223344}));
}
