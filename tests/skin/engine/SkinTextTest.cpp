#include "skin/engine/SkinText.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"

#include <gtest/gtest.h>

namespace {

// A canvas with the fixed-advance test font: every character of the tests
// (the accented ones too) is one advance wide.
struct MonoCanvas {
    TBitmap Bitmap{200, 40};
    TCanvas* Canvas = Bitmap.Canvas();
    int Advance = 0;
    MonoCanvas() {
        Canvas->Font()->SetName("Liberation Mono");
        Canvas->Font()->SetHeight(-13);
        Advance = Canvas->TextWidth("x");
    }
};

} // namespace

TEST(CutTextToWidth, CutsWholeCharactersAndAppendsTheEllipsis) {
    MonoCanvas m;
    const int a = m.Advance;
    ASSERT_GT(a, 0);
    ASSERT_EQ(m.Canvas->TextWidth("iWé.&"), 5 * a); // the font is fixed-advance
    struct Case {
        const char* text;
        int width;
        const char* want;
    } cases[] = {
        {"abcde", 5 * a, "abcde"},     // fits exactly
        {"abcdefgh", 6 * a, "abc..."}, // the rest and "..." fill the width
        {"abcdefgh", 6 * a + a - 1, "abc..."},
        {"abcdefgh", 2 * a, "..."}, // narrower than "..." itself
        {"ééééé", 4 * a, "é..."},   // code points, never bytes
        {"", 0, ""},
        {"a&bcdef", 6 * a, "a&b..."}, // TextWidth counts the "&"
    };
    for (const Case& c : cases) {
        std::string t = c.text;
        CutTextToWidth(m.Canvas, t, c.width);
        EXPECT_EQ(t, c.want) << c.text << " in " << c.width / a << " advances";
    }
    // Measured by DrawText the prefix "&" is hidden, so the same text fits.
    std::string t = "a&bcdef";
    CutTextToWidthW(m.Canvas, t, 6 * a);
    EXPECT_EQ(t, "a&bcdef");
    t = "abcdefgh";
    CutTextToWidthW(m.Canvas, t, 6 * a);
    EXPECT_EQ(t, "abc...");
}

TEST(DrawWideText, MeasuresTheWidestLineAndTheHeight) {
    MonoCanvas m;
    const int line = m.Canvas->TextHeight("x");
    EXPECT_EQ(CalcTextWidthW(m.Canvas, "ab\ncdef\nx"), 4 * m.Advance);
    EXPECT_EQ(CalcTextHeightW(m.Canvas, "ab\ncdef\nx"), 3 * line);
    TRect r{3, 4, 3, 4};
    EXPECT_EQ(DrawWideText(m.Canvas, "abc", r, DT_CALCRECT | DT_SINGLELINE), line);
    EXPECT_EQ(r, (TRect{3, 4, 3 + 3 * m.Advance, 4 + line}));
}
