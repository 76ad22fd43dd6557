#include "skin/engine/GlowText.h"

#include "platform/base/Math.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "skin/engine/SkinText.h"
#include "skin/engine/StackBlur.h"
#include "skin/engine/TlxBitmap.h"

#include <algorithm>

namespace {

// A scratch bitmap whose canvas draws in a copy of the canvas's font, pure red, with a clear brush.
void PrepareMask(TlxBitmap& Mask, TCanvas* Canvas, int Width, int Height) {
    Mask.SetSize(Width, Height);
    TCanvas* c = Mask.Canvas();
    c->Font()->Assign(*Canvas->Font());
    c->Font()->SetColor(TColor(255));
    c->Brush()->SetStyle(bsClear);
}

int TextAt(TlxBitmap& Mask, const std::string& Text, TRect R, uint32_t Flags) {
    return DrawWideText(Mask.Canvas(), Text, R, Flags);
}

// Red becomes the alpha, the colour the effect colour.
void ColourMask(TlxBitmap& Mask, TColor Color) {
    const TlxColor rgb = ToBitmapColor(Color) & 0x00FFFFFFu;
    TlxColor* p = Mask.Bits();
    for (int i = 0, n = Mask.Empty() ? 0 : Mask.Width() * Mask.Height(); i < n; ++i)
        p[i] = rgb | (((p[i] >> 16) & 0xFF) << 24);
    Mask.SetAlphaBlend(true);
}

int FinalText(TCanvas* Canvas, const TRect& R, const std::string& Text, uint32_t Flags) {
    Canvas->Brush()->SetStyle(bsClear);
    TRect r = R;
    return DrawWideText(Canvas, Text, r, Flags);
}

int BlurredText(TCanvas* Canvas, const TRect& R, const std::string& Text, uint32_t Flags, int Offset,
                TColor Color, int Radius, bool Glow) {
    if (!Canvas) return 0;
    const int m = std::max(Radius, 0);
    TlxBitmap mask;
    PrepareMask(mask, Canvas, R.Width() + 2 * m, R.Height() + 2 * m);
    if (!mask.Empty()) {
        const TRect t{m, m, mask.Width() - m, mask.Height() - m};
        TextAt(mask, Text, t, Flags);
        if (Glow)
            for (TPoint d : {TPoint{-1, 0}, TPoint{1, 0}, TPoint{0, -1}, TPoint{0, 1}})
                TextAt(mask, Text, TRect{t.Left + d.X, t.Top + d.Y, t.Right + d.X, t.Bottom + d.Y}, Flags);
        StackBlur(&mask, Radius);
        ColourMask(mask, Color);
        mask.Draw(Canvas, R.Left + Offset - m, R.Top + Offset - m);
    }
    return FinalText(Canvas, R, Text, Flags);
}

void Reflection(TCanvas* Canvas, const TRect& R, const std::string& Text, uint32_t Flags, int Offset,
                TColor Color, double MinFactor) {
    if (!Canvas) return;
    TlxBitmap mask;
    PrepareMask(mask, Canvas, R.Width(), R.Height());
    if (!mask.Empty()) {
        const int w = mask.Width(), h = mask.Height();
        TextAt(mask, Text, TRect{0, 0, w, h}, Flags);
        TRect inner{0, 0, w, h};
        DrawWideText(mask.Canvas(), Text, inner, Flags | DT_CALCRECT);
        TRect outer = R;
        DrawWideText(mask.Canvas(), Text, outer, Flags | DT_CALCRECT);
        const int t = inner.Top, b = inner.Bottom, B = outer.Bottom;
        if (b > t) {
            const TlxColor rgb = ToBitmapColor(Color) & 0x00FFFFFFu;
            for (int y = 0; y < h; ++y) {
                TlxColor* row = mask.Bits() + size_t(y) * w;
                if (y < t || y > b) {
                    std::fill(row, row + w, 0u);
                    continue;
                }
                const double f = std::max(0.7 - double(b + t - y) / (b - t), MinFactor);
                for (int x = 0; x < w; ++x) {
                    const TlxColor a =
                        TlxColor(std::clamp<Int64>(Round(((row[x] >> 16) & 0xFF) * f), 0, 255));
                    row[x] = rgb | (a << 24);
                }
            }
            mask.FlipVert();
        }
        mask.SetAlphaBlend(true);
        mask.Draw(Canvas, R.Left, B + b + Offset - h);
    }
    FinalText(Canvas, R, Text, Flags);
}

} // namespace

void DrawBlurShadowText(TCanvas* Canvas, const TRect& R, const std::string& Text, uint32_t Flags, int Offset,
                        TColor ShadowColor, int Radius) {
    BlurredText(Canvas, R, Text, Flags, Offset, ShadowColor, Radius, false);
}

int DrawBlurShadowTextW(TCanvas* Canvas, const TRect& R, const std::string& Text, uint32_t Flags, int Offset,
                        TColor ShadowColor, int Radius) {
    return BlurredText(Canvas, R, Text, Flags, Offset, ShadowColor, Radius, false);
}

void DrawBlurGlowText(TCanvas* Canvas, const TRect& R, const std::string& Text, uint32_t Flags, int Offset,
                      TColor GlowColor, int Radius) {
    BlurredText(Canvas, R, Text, Flags, Offset, GlowColor, Radius, true);
}

int DrawVistaGlowText(TCanvas* Canvas, const TRect& R, const std::string& Text, uint32_t Flags,
                      TColor GlowColor) {
    if (!Canvas) return 0;
    constexpr int m = 12;
    TlxBitmap mask;
    PrepareMask(mask, Canvas, R.Width() + 2 * m, R.Height() + 2 * m);
    if (!mask.Empty()) {
        const TRect t{m, m, mask.Width() - m, mask.Height() - m};
        mask.FillRect(TRect{t.Left - 3, t.Top + 2, t.Right + 3, t.Bottom - 2}, 0xFFFF0000u);
        for (TPoint d : {TPoint{-1, -1}, TPoint{-2, -2}, TPoint{-1, 0}, TPoint{-2, 0}, TPoint{1, 0},
                         TPoint{2, 0}, TPoint{1, 1}, TPoint{2, 2}, TPoint{0, 0}})
            TextAt(mask, Text, TRect{t.Left + d.X, t.Top + d.Y, t.Right + d.X, t.Bottom + d.Y}, Flags);
        StackBlur(&mask, m / 2);
        StackBlur(&mask, m / 2);
        ColourMask(mask, GlowColor);
        mask.Draw(Canvas, R.Left - m, R.Top - m);
    }
    return FinalText(Canvas, R, Text, Flags);
}

void DrawReflectionText(TCanvas* Canvas, const TRect& R, const std::string& Text, uint32_t Flags, int Offset,
                        TColor Color) {
    Reflection(Canvas, R, Text, Flags, Offset, Color, 0.05);
}

void DrawReflectionTextW(TCanvas* Canvas, const TRect& R, const std::string& Text, uint32_t Flags, int Offset,
                         TColor Color) {
    Reflection(Canvas, R, Text, Flags, Offset, Color, 0);
}
