// The slider's painting over its layout and state: background, ruler, focus
// rectangle, tick points and thumb, composed in one off-screen bitmap.
#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/TlxSkinCustomSlider.h"

#include "skin/controls/SliderImages.h"
#include "skin/engine/DrawParentImage.h"
#include "skin/engine/SkinGlyphs.h"

#include <algorithm>
#include <cmath>

void TlxSkinCustomSlider::Paint() {
    if (Width() <= 0 || Height() <= 0) return;
    GetSkinData();
    TBitmap b(Width(), Height());
    TCanvas& c = *b.Canvas();
    FPaintCanvas = &c;
    struct TDone {
        TCanvas*& Canvas;
        ~TDone() { Canvas = nullptr; }
    } done{FPaintCanvas};

    if (FTransparent) {
        DrawParentImage(this, &c);
    } else {
        c.Brush()->SetStyle(bsSolid);
        c.Brush()->SetColor(Skinned() ? BGColor : Color());
        c.FillRect({0, 0, Width(), Height()});
    }
    FRuler.SetTransparent(Skinned() || !FOptions.Contains(soRulerOpaque));
    if (!FRuler.Empty()) c.Draw(FRulerOrg.X, FRulerOrg.Y, &FRuler);

    if (FOptions.Contains(soShowFocus) && FFocused && !Designing()) {
        TRect r;
        GetTrackArea(r);
        InflateRect(r, -2, -2);
        const TlxSkinColors* colors = SkinData() ? SkinData()->SkinColors() : nullptr;
        c.Font()->SetColor(Skinned() && colors ? colors->cBtnText() : clBtnText);
        DrawSkinFocusRect(&c, r);
    }
    if (FOptions.Contains(soShowPoints)) {
        if (OnDrawPoints)
            OnDrawPoints(this);
        else
            DefaultDrawPoints(FIncrement, 3, 5);
    }
    TRect thumb = FThumbRect;
    if (ControlState().Contains(csPaintCopy)) {
        const int offset = OffsetOfValue(GetCurrentValue());
        if (Vertical())
            OffsetRect(thumb, 0, offset - thumb.Top);
        else
            OffsetRect(thumb, offset - thumb.Left, 0);
    }
    DrawThumb(c, thumb);
    Canvas()->Draw(0, 0, &b);
}

void TlxSkinCustomSlider::DrawThumb(TCanvas& C, const TRect& R) {
    const int state = FThumbDown || !Enabled() ? 1 : 0;
    if (Skinned() && FUseSkinThumb) {
        const TRect& source = Vertical() ? VThumbRect : HThumbRect;
        const int half = source.Width() / 2;
        const TRect part{source.Left + state * half, source.Top, source.Left + (state + 1) * half,
                         source.Bottom};
        DrawPicturePart(C, R.Left, R.Top, SkinPicture(), part, true);
        return;
    }
    const TlxSliderImage which = Vertical() ? siVThumb : siHThumb;
    TBitmap& image = FImages[which];
    const int w = image.Width() / FNumThumbStates;
    const TRect part = FNumThumbStates == 2 ? TRect{state * w, 0, (state + 1) * w, image.Height()}
                                            : TRect{0, 0, image.Width(), image.Height()};
    // The application's pictures are keyed by their bottom-left pixel.
    DrawPicturePart(C, R.Left, R.Top, &image, part, !FOptions.Contains(soThumbOpaque),
                    FUserImages.Contains(which) ? clNone : SliderImageKey);
}

void TlxSkinCustomSlider::DefaultDrawPoints(int PointsStep, int PointsHeight, int ExtremePointsHeight) {
    TCanvas* c = PointsCanvas();
    const int64_t range = int64_t(FMaxValue) - FMinValue;
    const int length = RulerTravel();
    if (!c || range <= 0 || PointsStep <= 0 || length <= 0) return;
    // The fewest groupings h of the steps that leave the ticks 4 pixels
    // apart (or one tick span over the whole ruler). The spacing only grows
    // with h, so h is searched, never counted up one by one.
    auto marks = [&](int64_t h) { return std::llrint(double(range) / (double(PointsStep) * h)); };
    auto spaced = [&](int64_t h) {
        const int64_t m = marks(h);
        const int64_t spacing = m <= 0 ? length : length / m;
        return spacing >= 4 || spacing >= length;
    };
    int64_t lo = 1, hi = range / PointsStep + 2;
    while (lo < hi) {
        const int64_t mid = lo + (hi - lo) / 2;
        if (spaced(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    const int64_t h = lo;
    const int64_t count = std::max<int64_t>(marks(h), 0) + 1;
    c->Pen()->SetColor(Skinned() ? PointsColor : clWindowText);
    const TSize t = ThumbSize();
    for (int64_t i = 0; i < count; ++i) {
        const int64_t v = i == count - 1 && count > 1 ? FMaxValue : FMinValue + int64_t(PointsStep) * h * i;
        const int value = static_cast<int>(std::min<int64_t>(v, FMaxValue));
        const int height = value == FMinValue || value == FMaxValue ? ExtremePointsHeight : PointsHeight;
        const int offset = OffsetOfValue(value);
        if (!Vertical()) {
            const int x = offset + t.cx / 2;
            c->MoveTo(x, FPointsRect.Top);
            c->LineTo(x, FPointsRect.Top + height);
        } else {
            const int y = offset + t.cy / 2;
            c->MoveTo(FPointsRect.Left, y);
            c->LineTo(FPointsRect.Left + height, y);
        }
    }
}
