// The scroll bar's two looks over the parts' state.
#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/TlxSkinScrollBar.h"

#include "skin/engine/SkinGlyphs.h"
#include "skin/engine/SkinImages.h"

bool TlxSkinScrollBar::ThumbPressed() const {
    return FParts[ThumbPart].MouseHeld() || FDown || (FCanFocused && Focused());
}

void TlxSkinScrollBar::CreateControlDefaultImage(TBitmap& B) {
    LayoutParts();
    TCanvas& c = *B.Canvas();
    c.Brush()->SetColor(clBtnFace);
    c.FillRect({0, 0, B.Width(), B.Height()});
    if (Enabled()) DrawPressablePart(c, FPartRects[ThumbPart], ThumbPressed(), FParts[ThumbPart].Hot());
    for (int i : {UpPart, DownPart}) {
        const TlxScrollBarPart part = Part(i);
        DrawPressablePart(c, part.R, FParts[i].Pressed(), part.MouseIn);
        // Up: right or down; down: left or up.
        const int direction = i == UpPart ? (Horizontal() ? 2 : 4) : (Horizontal() ? 1 : 3);
        const TRect inner{part.R.Left + 1, part.R.Top + 1, part.R.Right - 1, part.R.Bottom - 1};
        DrawArrowImage(&c, inner, clBlack, direction);
    }
}

void TlxSkinScrollBar::CreateControlSkinImage(TBitmap& B) {
    TlxSkinCustomControl::CreateControlSkinImage(B);
    LayoutParts();
    TCanvas& c = *B.Canvas();
    TBitmap* picture = Picture();
    for (int i : {UpPart, DownPart}) {
        const TlxScrollBarPart part = Part(i);
        const TRect& pressed = i == UpPart ? DownUpButtonRect : DownDownButtonRect;
        const TRect& hot = i == UpPart ? ActiveUpButtonRect : ActiveDownButtonRect;
        // The normal state is part of the description's image.
        const TRect source = FParts[i].Pressed() ? pressed : part.MouseIn ? hot : TRect{};
        CopyPicturePart(c, part.R, picture, source);
    }
    if (Enabled()) DrawSkinThumb(c);
}

void TlxSkinScrollBar::DrawSkinThumb(TCanvas& C) {
    const TRect& r = FPartRects[ThumbPart];
    if (r.IsEmpty()) return;
    TBitmap* picture = Picture();
    const bool pressed = ThumbPressed();
    const bool hot = FParts[ThumbPart].Hot();
    const TRect source = pressed ? DownThumbRect : hot ? ActiveThumbRect : ThumbRect;
    TBitmap thumb(r.Width(), r.Height());
    if (FPageSize != 0 || ThumbMinPageSize != 0) {
        if (Horizontal())
            CreateHSkinImage(ThumbOffset1, ThumbOffset2, &thumb, picture, source, r.Width(),
                             ThumbStretchEffect);
        else
            CreateVSkinImage(ThumbOffset1, ThumbOffset2, &thumb, picture, source, r.Height(),
                             ThumbStretchEffect);
    } else {
        CopyPicturePart(*thumb.Canvas(), {0, 0, r.Width(), r.Height()}, picture, source);
    }
    const TRect grip = pressed ? DownGlyphRect : hot ? ActiveGlyphRect : GlyphRect;
    const int gripLength = Horizontal() ? grip.Width() : grip.Height();
    const int thumbLength = Horizontal() ? thumb.Width() : thumb.Height();
    if (!grip.IsEmpty() && gripLength < thumbLength)
        DrawPicturePart(*thumb.Canvas(), thumb.Width() / 2 - grip.Width() / 2,
                        thumb.Height() / 2 - grip.Height() / 2, picture, grip, GlyphTransparent,
                        GlyphTransparentColor);
    if (ThumbTransparent) thumb.SetTransparentColor(ThumbTransparentColor);
    thumb.SetTransparent(ThumbTransparent);
    C.Draw(r.Left, r.Top, &thumb);
}
