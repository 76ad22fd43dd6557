#include "platform/gdi/Blend.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

struct TLineCase {
    uint32_t ConstantAlpha;
    bool UseSourceAlpha, DstHasAlpha;
};

std::ostream& operator<<(std::ostream& os, const TLineCase& c) {
    return os << "constant " << c.ConstantAlpha << (c.UseSourceAlpha ? ", source alpha" : "")
              << (c.DstHasAlpha ? ", destination alpha" : "");
}

} // namespace

// Eight pixels at a time give what the formula gives pixel by pixel: every
// pair of source and destination alpha, extreme and random colours, lines
// whose length is no multiple of eight, groups all clear or all opaque.
TEST(BlendLine, MatchesThePixelFormulaForEveryAlphaPair) {
    const TLineCase cases[] = {{255, true, true}, {255, true, false},  {128, true, true},
                               {77, false, true}, {200, false, false}, {0, true, true}};
    std::mt19937 rng(11);
    for (const TLineCase& c : cases) {
        for (int colours = 0; colours < 4; ++colours) {
            std::vector<uint32_t> src(65536 + 5), dst(src.size()), expected;
            for (size_t i = 0; i < src.size(); ++i) {
                const uint32_t a = uint32_t(i & 255), ba = uint32_t((i >> 8) & 255);
                const uint32_t fc = colours == 0 ? 0xFFFFFF : colours == 1 ? 0 : rng() & 0xFFFFFF;
                const uint32_t bc = colours == 0 ? 0xFFFFFF : colours == 1 ? 0xFFFFFF : rng() & 0xFFFFFF;
                src[i] = a << 24 | fc;
                dst[i] = (colours == 3 ? 255 : ba) << 24 | bc;
                if (colours == 3 && (i / 8) % 3 == 1) src[i] |= 0xFF000000u; // whole groups opaque
                if (colours == 3 && (i / 8) % 3 == 2) src[i] &= 0x00FFFFFFu; // whole groups clear
            }
            expected = dst;
            for (size_t i = 0; i < src.size(); ++i) {
                const uint32_t a =
                    c.UseSourceAlpha ? (src[i] >> 24) * c.ConstantAlpha / 255 : c.ConstantAlpha;
                expected[i] = BlendPixel(expected[i], src[i], a, c.DstHasAlpha);
            }
            BlendLine(dst.data(), src.data(), int(src.size()), c.ConstantAlpha, c.UseSourceAlpha,
                      c.DstHasAlpha);
            for (size_t i = 0; i < src.size(); ++i)
                ASSERT_EQ(dst[i], expected[i])
                    << c << ", colours " << colours << ", pixel " << i << std::hex << " source " << src[i];
        }
    }
}

// A line drawn onto itself a few pixels on reads each source pixel after the
// pixel before it was written, as one pixel after another does.
TEST(BlendLine, ADestinationJustAheadOfItsSourceBlendsInTurn) {
    std::mt19937 rng(5);
    std::vector<uint32_t> line(100);
    for (uint32_t& p : line)
        p = rng();
    std::vector<uint32_t> expected = line;
    for (int i = 0; i < 90; ++i)
        expected[size_t(3 + i)] =
            BlendPixel(expected[size_t(3 + i)], expected[size_t(i)], expected[size_t(i)] >> 24, true);
    BlendLine(line.data() + 3, line.data(), 90);
    EXPECT_EQ(line, expected);
}

// The alpha of a blend is rounded down, so the colour quotient can pass 255:
// it is held there instead of spilling into the alpha byte.
TEST(BlendPixel, AColourAboveTheRoundedAlphaIsHeldAt255) {
    EXPECT_EQ(BlendPixel(0x01FFFFFFu, 0x01FFFFFFu, 1, true), 0x01FFFFFFu);
    EXPECT_EQ(BlendPixel(0x02FF0000u, 0x0100FF00u, 1, true), 0x02FE7F00u);
}
