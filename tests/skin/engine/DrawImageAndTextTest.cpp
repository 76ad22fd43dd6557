#include "skin/engine/DrawImageAndText.h"
#include "SkinImagePixels.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/vcl/TImageList.h"

#include <gtest/gtest.h>

using namespace skinimg;

namespace {

constexpr uint32_t kRed = 0xFFFF0000, kBlue = 0xFF0000FF;

// A white w x h surface with the fixed-advance test font in black.
struct Surface {
    TBitmap Bitmap;
    TCanvas* Canvas;
    Surface(int w, int h) : Bitmap(w, h), Canvas(Bitmap.Canvas()) {
        Canvas->Font()->SetName("Liberation Mono");
        Canvas->Font()->SetHeight(-13);
        Canvas->Font()->SetColor(clBlack);
    }
    int Advance() { return Canvas->TextWidth("x"); }
    int Line() { return Canvas->TextHeight("x"); }
    // Text as DrawText shows one line, with no background.
    void Text(int x, int y, const char* t) {
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->TextOut(x, y, t);
    }
    void Fill(const TRect& r, uint32_t pixel) {
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                Bitmap.ScanLine(y)[x] = pixel;
    }
    std::string Diff(const Surface& want) const {
        return FirstMismatch(Bitmap, [&](int x, int y) { return want.Bitmap.ScanLine(y)[x]; });
    }
};

// An image list of 8 x 8 images: 0 red.
struct RedList {
    TImageList List{nullptr};
    RedList() {
        List.SetWidth(8);
        List.SetHeight(8);
        TBitmap red(8, 8);
        red.Fill(kRed);
        List.Add(&red, nullptr);
    }
};

} // namespace

TEST(DrawImageAndText, WrappedCaptionLinesStartAtTheTopOfTheirRectangle) {
    Surface got(60, 60), want(60, 60);
    const int a = got.Advance(), line = got.Line();
    // R is 5 advances wide: "aaa bbb" wraps to two lines of 3.
    const TRect R{0, 0, 5 * a, 60};
    DrawImageAndText(got.Canvas, R, -1, 4, blGlyphLeft, "aaa bbb", -1, nullptr, false, true, false, 0);
    // Centred as a block: width 3 advances, two lines; each line centred in
    // the block's rectangle, which is 2 pixels wider than the text.
    const int tx = R.Width() / 2 + (3 * a) / 2 - 3 * a;
    const int ty = 30 - (2 * line) / 2;
    want.Text(tx + 1, ty, "aaa");
    want.Text(tx + 1, ty + line, "bbb");
    EXPECT_EQ(got.Diff(want), "");
}

TEST(DrawImageAndText, GlyphFromTheMarginPressedWithItsMarker) {
    RedList red;
    Surface got(60, 50), want(60, 50);
    const int a = got.Advance();
    // Glyph on top, 2 from the top edge; the caption 3 below it; all one pixel
    // down and right; the marker's three rows cover the glyph's last two and
    // the row beneath.
    DrawImageAndText(got.Canvas, {0, 0, 60, 50}, 2, 3, blGlyphTop, "ab", 0, &red.List, true, true, true,
                     clBlue);
    const int gx = 30 - 4 + 1, gy = 2 + 1;
    want.Fill({gx, gy, gx + 8, gy + 8}, kRed);
    want.Text(30 - a + 1 + 1, gy + 8 + 3, "ab");
    want.Fill({gx, gy + 6, gx + 8, gy + 9}, kBlue);
    EXPECT_EQ(got.Diff(want), "");
}

TEST(DrawImageAndText, MarkerUnderTheCaptionOrFillingTheButton) {
    Surface captioned(60, 40), expectCaptioned(60, 40);
    const int a = captioned.Advance(), line = captioned.Line();
    // An image index outside the list counts as no glyph.
    RedList red;
    DrawImageAndText(captioned.Canvas, {0, 0, 60, 40}, -1, 4, blGlyphLeft, "ab", 7, &red.List, false, true,
                     true, clBlue);
    const int tx = 30 + a - 2 * a, ty = 20 - line / 2;
    expectCaptioned.Text(tx + 1, ty, "ab");
    expectCaptioned.Fill({tx, ty + line - 1, tx + 2 * a + 2, ty + line + 2}, kBlue);
    EXPECT_EQ(captioned.Diff(expectCaptioned), "");

    struct Case {
        const char* name;
        bool glyphVariant, down;
        TRect fill;
    } cases[] = {
        {"image list", false, false, {4, 4, 18, 16}},
        {"image list down", false, true, {4, 4, 18, 16}},
        {"glyph strip", true, false, {4, 4, 18, 16}},
        {"glyph strip down", true, true, {4, 5, 18, 17}},
    };
    for (const Case& c : cases) {
        Surface got(20, 20), want(20, 20);
        if (c.glyphVariant)
            DrawGlyphAndText(got.Canvas, {0, 0, 20, 20}, -1, 4, blGlyphLeft, "", nullptr, 1, 1, c.down, true,
                             clBlue);
        else
            DrawImageAndText(got.Canvas, {0, 0, 20, 20}, -1, 4, blGlyphLeft, "", -1, nullptr, c.down, true,
                             true, clBlue);
        want.Fill(c.fill, kBlue);
        EXPECT_EQ(got.Diff(want), "") << c.name;
    }
}

TEST(DrawImageAndText, TheListDrawsTheGlyphWithEnabledPassedOn) {
    RedList red;
    for (bool enabled : {true, false}) {
        Surface got(12, 12), want(12, 12);
        DrawImageAndText(got.Canvas, {0, 0, 12, 12}, 0, 0, blGlyphLeft, "", 0, &red.List, false, enabled,
                         false, 0);
        red.List.Draw(want.Canvas, 0, 2, 0, enabled);
        EXPECT_EQ(got.Diff(want), "") << enabled;
    }
}

TEST(DrawGlyphAndText, DrawsOneFrameOfTheStripWithItsKeyColourSkipped) {
    // Three 4 x 3 frames; each frame's bottom-left pixel is its key colour.
    TBitmap strip = CellBitmap(12, 3);
    for (int f = 0; f < 3; ++f)
        strip.ScanLine(1)[f * 4 + 1] = Cell(f * 4, 2); // one more key-coloured pixel per frame
    auto frameDrawn = [&](int index, int count) {
        Surface got(8, 5);
        DrawGlyphFrame(got.Canvas, 2, 1, &strip, count, index);
        return got;
    };
    Surface two = frameDrawn(2, 3);
    EXPECT_EQ(FirstMismatch(two.Bitmap,
                            [&](int x, int y) {
                                const int sx = x - 2 + 4, sy = y - 1;
                                if (x < 2 || x >= 6 || y < 1 || y >= 4) return kWhite;
                                const uint32_t p = strip.ScanLine(sy)[sx];
                                return p == Cell(4, 2) ? kWhite : p;
                            }),
              "");
    for (auto [index, count] : {std::pair{0, 3}, {4, 3}, {1, 0}, {1, 20}})
        EXPECT_EQ(FirstMismatch(frameDrawn(index, count).Bitmap, [](int, int) { return kWhite; }), "")
            << index << " of " << count;

    // In the layout a strip count of 0 counts as 1: the whole strip is the glyph.
    Surface got(20, 7), want(20, 7);
    DrawGlyphAndText(got.Canvas, {0, 0, 20, 7}, 1, 0, blGlyphLeft, "", &strip, 0, 1, false, false, 0);
    want.Canvas->Draw(0, 0, &strip); // the reference: key pixels skipped by hand below
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 20; ++x) {
            uint32_t& p = want.Bitmap.ScanLine(y)[x];
            const bool inside = x >= 1 && x < 13 && y >= 2 && y < 5;
            p = inside && strip.ScanLine(y - 2)[x - 1] != Cell(0, 2) ? strip.ScanLine(y - 2)[x - 1] : kWhite;
        }
    EXPECT_EQ(got.Diff(want), "");
}
