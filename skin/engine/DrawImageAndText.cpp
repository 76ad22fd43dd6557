#include "skin/engine/DrawImageAndText.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"
#include "platform/vcl/TImageList.h"
#include "skin/engine/SkinText.h"

#include <functional>

namespace {

struct TGlyphSource {
    int Width = 0, Height = 0;
    std::function<void(int X, int Y)> Draw;
};

void Compose(TCanvas* Canvas, const TRect& R, int Margin, int Spacing, TlxButtonLayout Layout,
             const std::string& Caption, const TGlyphSource& Glyph, bool Down, bool DrawColorMarker,
             TColor ColorMarkerValue, uint32_t Align, bool DownMarkerInset) {
    if (!Canvas) return;
    const int gw = Glyph.Width, gh = Glyph.Height;
    const bool horz = Layout == blGlyphLeft || Layout == blGlyphRight;
    int tw = 0, th = 0;
    if (!Caption.empty()) {
        TRect m{0, 0, RectWidth(R) - (horz ? gw : 0), RectHeight(R) - (horz ? 0 : gh)};
        DrawWideText(Canvas, Caption, m, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
        tw = RectWidth(m);
        th = RectHeight(m);
    }
    Canvas->Brush()->SetStyle(bsClear);
    int tx, ty, gx, gy;
    CalcButtonLayout(Layout, R, gw, gh, tw, th, Spacing, Margin, tx, ty, gx, gy);
    if (Down) {
        ++tx;
        ++ty;
        ++gx;
        ++gy;
    }
    TRect textRect{tx, ty, tx + tw + 2, ty + th};
    if (!Caption.empty())
        DrawWideText(Canvas, Caption, textRect, DT_EXPANDTABS | DT_WORDBREAK | DT_VCENTER | Align);
    if (Glyph.Draw) Glyph.Draw(gx, gy);

    if (!DrawColorMarker) return;
    auto bar = [&](int left, int right, int row) {
        for (int y = row - 1; y <= row + 1; ++y) {
            Canvas->MoveTo(left, y);
            Canvas->LineTo(right, y);
        }
    };
    Canvas->Pen()->SetColor(ColorMarkerValue);
    if (Glyph.Draw) {
        bar(gx, gx + gw, gy + gh - 1);
    } else if (!Caption.empty()) {
        bar(textRect.Left, textRect.Right, textRect.Bottom);
    } else {
        Canvas->Brush()->SetColor(ColorMarkerValue);
        Canvas->FillRect(Down && DownMarkerInset ? TRect{R.Left + 4, R.Top + 5, R.Right - 2, R.Bottom - 3}
                                                 : TRect{R.Left + 4, R.Top + 4, R.Right - 2, R.Bottom - 4});
    }
}

TGlyphSource ListGlyph(TCanvas* Canvas, TCustomImageList* Images, int ImageIndex, bool Enabled) {
    TGlyphSource g;
    if (!Images || ImageIndex < 0 || ImageIndex >= Images->Count()) return g;
    g.Width = Images->Width();
    g.Height = Images->Height();
    g.Draw = [=](int X, int Y) { Images->Draw(Canvas, X, Y, ImageIndex, Enabled); };
    return g;
}

} // namespace

void DrawImageAndText(TCanvas* Canvas, const TRect& R, int Margin, int Spacing, TlxButtonLayout Layout,
                      const std::string& Caption, int ImageIndex, TCustomImageList* Images, bool Down,
                      bool Enabled, bool DrawColorMarker, TColor ColorMarkerValue) {
    Compose(Canvas, R, Margin, Spacing, Layout, Caption, ListGlyph(Canvas, Images, ImageIndex, Enabled), Down,
            DrawColorMarker, ColorMarkerValue, DT_CENTER, false);
}

void DrawImageAndLeftText(TCanvas* Canvas, const TRect& R, int Margin, int Spacing, TlxButtonLayout Layout,
                          const std::string& Caption, int ImageIndex, TCustomImageList* Images, bool Down,
                          bool Enabled, bool DrawColorMarker, TColor ColorMarkerValue) {
    Compose(Canvas, R, Margin, Spacing, Layout, Caption, ListGlyph(Canvas, Images, ImageIndex, Enabled), Down,
            DrawColorMarker, ColorMarkerValue, DT_LEFT, false);
}

void DrawGlyphAndText(TCanvas* Canvas, const TRect& R, int Margin, int Spacing, TlxButtonLayout Layout,
                      const std::string& Caption, TBitmap* Glyph, int NumGlyphs, int GlyphIndex, bool Down,
                      bool DrawColorMarker, TColor ColorMarkerValue) {
    TGlyphSource g;
    if (Glyph && !Glyph->Empty()) {
        const int count = NumGlyphs < 1 ? 1 : NumGlyphs;
        g.Width = Glyph->Width() / count;
        g.Height = Glyph->Height();
        g.Draw = [=](int X, int Y) { DrawGlyphFrame(Canvas, X, Y, Glyph, count, GlyphIndex); };
    }
    Compose(Canvas, R, Margin, Spacing, Layout, Caption, g, Down, DrawColorMarker, ColorMarkerValue,
            DT_CENTER, true);
}

void DrawGlyphFrame(TCanvas* Canvas, int X, int Y, TBitmap* Glyph, int Count, int Index) {
    if (!Canvas || !Glyph || Glyph->Empty() || Count < 1 || Index < 1 || Index > Count) return;
    const int w = Glyph->Width() / Count;
    if (w <= 0) return;
    const int h = Glyph->Height();
    TBitmap frame(w, h);
    frame.Canvas()->CopyRect({0, 0, w, h}, *Glyph->Canvas(), Bounds((Index - 1) * w, 0, w, h));
    frame.SetTransparent(true);
    Canvas->Draw(X, Y, &frame);
}
