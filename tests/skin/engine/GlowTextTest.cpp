#include "AlphaBitmapFixtures.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "skin/engine/GlowText.h"
#include "skin/engine/StackBlur.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kFlags = DT_SINGLELINE | DT_NOPREFIX;
const TRect kText{20, 10, 90, 30};

struct Surface {
    TBitmap Bitmap{120, 70};
    TCanvas* Canvas;
    explicit Surface(TColor textColor) {
        Canvas = Bitmap.Canvas();
        Canvas->Font()->SetName("Arial");
        Canvas->Font()->SetHeight(-14);
        Canvas->Font()->SetColor(textColor);
        Canvas->Brush()->SetStyle(bsClear);
    }
    // The centre of mass of how far each pixel is from white, in tenths of a pixel.
    TPoint InkCentre() const {
        double sx = 0, sy = 0, total = 0;
        for (int y = 0; y < Bitmap.Height(); ++y)
            for (int x = 0; x < Bitmap.Width(); ++x) {
                const uint32_t p = Bitmap.ScanLine(y)[x];
                const double ink = 3 * 255 - double((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF));
                sx += ink * x;
                sy += ink * y;
                total += ink;
            }
        return total > 0 ? TPoint{int(sx * 10 / total + 0.5), int(sy * 10 / total + 0.5)} : TPoint{-1, -1};
    }
};

// The shadow mask as the routine must build it: the text in red in a margin
// of Radius, blurred, red as alpha.
void ExpectedMask(TlxBitmap& mask, const std::string& text, int radius) {
    mask.SetSize(kText.Width() + 2 * radius, kText.Height() + 2 * radius);
    TCanvas* c = mask.Canvas();
    c->Font()->SetName("Arial");
    c->Font()->SetHeight(-14);
    c->Font()->SetColor(clRed);
    c->Brush()->SetStyle(bsClear);
    TRect r{radius, radius, mask.Width() - radius, mask.Height() - radius};
    DrawText(c->Handle(), text, r, kFlags);
    StackBlur(&mask, radius);
}

} // namespace

TEST(GlowText, ShadowIsTheBlurredMaskBlendedInTheShadowColourAtTheOffset) {
    const int radius = 3, apart = 25;
    const TColor shadow = RGB(0, 0, 200);
    // White text on white, the shadow clear of it: only the shadow shows.
    Surface s(clWhite);
    DrawBlurShadowText(s.Canvas, kText, "Shadow", kFlags, apart, shadow, radius);
    TlxBitmap mask;
    ExpectedMask(mask, "Shadow", radius);
    const int left = kText.Left + apart - radius, top = kText.Top + apart - radius;
    int touched = 0;
    for (int y = 0; y < s.Bitmap.Height(); ++y)
        for (int x = 0; x < s.Bitmap.Width(); ++x) {
            uint32_t want = 0xFFFFFFFF;
            const int mx = x - left, my = y - top;
            if (mx >= 0 && my >= 0 && mx < mask.Width() && my < mask.Height()) {
                const uint32_t a = (alphafix::At(mask, mx, my) >> 16) & 0xFF;
                want = PixelBlend((a << 24) | 0x0000C8, 0xFFFFFFFF);
                touched += a > 0;
            }
            ASSERT_EQ(s.Bitmap.ScanLine(y)[x], want) << x << "," << y;
        }
    EXPECT_GT(touched, 100);

    // The shadow's ink sits Offset pixels right and down of the text's own.
    Surface plain(clBlack), shadowed(clWhite);
    TRect r = kText;
    DrawText(plain.Canvas->Handle(), "Shadow", r, kFlags);
    DrawBlurShadowText(shadowed.Canvas, kText, "Shadow", kFlags, apart, clBlack, radius);
    const TPoint a = plain.InkCentre(), b = shadowed.InkCentre();
    EXPECT_NEAR(b.X - a.X, apart * 10, 3);
    EXPECT_NEAR(b.Y - a.Y, apart * 10, 3);
}

TEST(GlowText, GlowIsThickerThanTheShadowAndTheTextStaysOnTop) {
    Surface shadow(clWhite), glow(clWhite);
    DrawBlurShadowText(shadow.Canvas, kText, "Glow", kFlags, 0, clBlack, 2);
    DrawBlurGlowText(glow.Canvas, kText, "Glow", kFlags, 0, clBlack, 2);
    auto ink = [](const Surface& s) {
        long sum = 0;
        for (int y = 0; y < s.Bitmap.Height(); ++y)
            for (int x = 0; x < s.Bitmap.Width(); ++x)
                sum += 255 - (s.Bitmap.ScanLine(y)[x] & 0xFF);
        return sum;
    };
    EXPECT_GT(ink(glow), ink(shadow) * 3 / 2);

    // The text itself is drawn over the halo with the canvas's font and colour.
    Surface plain(clBlack), halo(clBlack);
    TRect r = kText;
    DrawText(plain.Canvas->Handle(), "Glow", r, kFlags);
    DrawBlurGlowText(halo.Canvas, kText, "Glow", kFlags, 0, clWhite, 2);
    for (int y = 0; y < 70; ++y)
        for (int x = 0; x < 120; ++x)
            ASSERT_EQ(halo.Bitmap.ScanLine(y)[x], plain.Bitmap.ScanLine(y)[x]);
}

TEST(GlowText, EmptyTextDrawsNothingVisible) {
    Surface s(clBlack);
    DrawBlurShadowText(s.Canvas, kText, "", kFlags, 2, clBlack, 3);
    DrawBlurGlowText(s.Canvas, kText, "", kFlags, 2, clBlack, 3);
    DrawReflectionText(s.Canvas, kText, "", kFlags, 2, clBlack);
    DrawReflectionTextW(s.Canvas, TRect{20, 10, 20, 30}, "", kFlags, 2, clBlack); // no area at all
    EXPECT_EQ(s.InkCentre(), (TPoint{-1, -1}));
    // The caption halo keeps its plate even without text.
    DrawVistaGlowText(s.Canvas, kText, "", kFlags, clBlack);
    EXPECT_NE(s.InkCentre(), (TPoint{-1, -1}));
}

TEST(GlowText, ReflectionMirrorsTheTextBelowIt) {
    Surface plain(clBlack), mirrored(clBlack);
    TRect r = kText;
    DrawText(plain.Canvas->Handle(), "Mirror", r, kFlags);
    DrawReflectionText(mirrored.Canvas, kText, "Mirror", kFlags, 2, clBlack);
    // Above the text's bottom the pictures agree; below it the mirror image shows.
    TRect measured = kText;
    DrawText(plain.Canvas->Handle(), "Mirror", measured, kFlags | DT_CALCRECT);
    bool below = false;
    for (int y = 0; y < 70; ++y)
        for (int x = 0; x < 120; ++x) {
            const uint32_t a = plain.Bitmap.ScanLine(y)[x], b = mirrored.Bitmap.ScanLine(y)[x];
            if (y < measured.Bottom)
                ASSERT_EQ(a, b) << x << "," << y;
            else
                below |= a != b;
        }
    EXPECT_TRUE(below);
}
