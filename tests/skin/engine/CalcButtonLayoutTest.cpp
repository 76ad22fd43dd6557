#include "skin/engine/ButtonLayout.h"

#include <gtest/gtest.h>

#include <array>

// R = (0, 0, 100, 20), text 40 x 13, spacing 4; glyph 16 x 16 or none.
TEST(CalcButtonLayout, FourLayoutsCentredAndFromTheMargin) {
    struct {
        TlxButtonLayout layout;
        int margin, glyphW, glyphH;
        int textX, textY, glyphX, glyphY;
    } cases[] = {
        {blGlyphLeft, -1, 16, 16, 40, 4, 20, 2},
        {blGlyphRight, -1, 16, 16, 20, 4, 64, 2},
        {blGlyphTop, -1, 16, 16, 30, 13, 42, -6},
        {blGlyphBottom, -1, 16, 16, 30, -6, 42, 10},
        {blGlyphLeft, 3, 16, 16, 23, 4, 3, 2},
        {blGlyphRight, 3, 16, 16, 37, 4, 81, 2},
        {blGlyphTop, 3, 16, 16, 30, 23, 42, 3},
        {blGlyphBottom, 3, 16, 16, 30, -16, 42, 1},
        // Without a glyph the spacing does not count.
        {blGlyphLeft, -1, 0, 0, 30, 4, 30, 10},
        {blGlyphLeft, 3, 0, 0, 3, 4, 3, 10},
        {blGlyphTop, -1, 0, 0, 30, 3, 50, 4},
        {blGlyphBottom, 3, 0, 0, 30, 4, 50, 17},
    };
    for (const auto& c : cases) {
        int tx = -99, ty = -99, gx = -99, gy = -99;
        CalcButtonLayout(c.layout, {0, 0, 100, 20}, c.glyphW, c.glyphH, 40, 13, 4, c.margin, tx, ty, gx, gy);
        EXPECT_EQ((std::array{tx, ty, gx, gy}), (std::array{c.textX, c.textY, c.glyphX, c.glyphY}))
            << "layout " << int(c.layout) << " margin " << c.margin << " glyph " << c.glyphW;
    }
}
