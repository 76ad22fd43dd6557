// The skinned list's two looks of its frame and caption, drawn from the
// caption buttons' state the handlers keep.

#include "platform/gdi/TCanvas.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/TlxSkinCustomListBox.h"
#include "skin/engine/DrawImageAndText.h"
#include "skin/engine/SkinGlyphs.h"
#include "skin/engine/SkinImageCopy.h"

#include <algorithm>

void TlxSkinCustomListBox::DrawCaptionButton(TCanvas& C, int Index) {
    const TlxCBButtonX& b = Buttons[Index];
    if (b.R.IsEmpty()) return;
    const bool pressed = b.Down && b.MouseIn;
    if (!Skinned()) {
        if (pressed || b.MouseIn) {
            DrawPressablePart(C, b.R, pressed, b.MouseIn);
        } else {
            C.Brush()->SetStyle(bsSolid);
            C.Brush()->SetColor(clBtnFace);
            C.FillRect(b.R);
        }
        if (Index == CheckButton)
            DrawCheckMark(&C, b.R.Left + 4, b.R.Top + 4, clBlack);
        else
            DrawArrowImage(&C, b.R, clBlack, Index == UpButton ? 3 : 4);
        return;
    }
    const TRect* rects[3][3] = {{&UpButtonRect, &ActiveUpButtonRect, &DownUpButtonRect},
                                {&DownButtonRect, &ActiveDownButtonRect, &DownDownButtonRect},
                                {&CheckButtonRect, &ActiveCheckButtonRect, &DownCheckButtonRect}};
    TRect source = pressed ? *rects[Index][2] : b.MouseIn ? *rects[Index][1] : TRect{};
    if (source.IsEmpty()) {
        // The normal picture is relative to the skin rectangle.
        source = *rects[Index][0];
        OffsetRect(source, Geometry.SkinRect.Left, Geometry.SkinRect.Top);
    }
    CopyPicturePart(C, b.R, Picture(), source);
}

void TlxSkinCustomListBox::DrawCaption(TCanvas& C, const TRect& R, TFont& F, int TextY, bool SkinLook) {
    const std::string& text = Caption();
    C.Font()->Assign(F);
    C.Font()->SetCharset(SkinCharset(SkinData(), FDefaultCaptionFont));
    int glyphWidth = 0;
    if (!FGlyph.Empty()) {
        if (FNumGlyphs == 0) FNumGlyphs = 1;
        glyphWidth = FGlyph.Width() / std::max(FNumGlyphs, 1) + FSpacing;
    }
    const int w = C.TextWidth(text) + glyphWidth;
    int x;
    if (FAlignment == taRightJustify)
        x = R.Right - w - (SkinLook ? 2 : 0);
    else if (FAlignment == taCenter)
        x = R.Left + (SkinLook ? 2 : 0) + R.Width() / 2 - w / 2;
    else
        x = R.Left + (SkinLook ? 2 : 0);
    if (glyphWidth > 0) {
        const int frame = !Enabled() && FNumGlyphs == 2 ? 2 : 1;
        const int center = R.Top + R.Height() / 2;
        DrawGlyphFrame(&C, x, center - FGlyph.Height() / 2 - (SkinLook ? 0 : 1), &FGlyph, FNumGlyphs, frame);
        x += glyphWidth;
    }
    C.Brush()->SetStyle(bsClear);
    C.TextRect(R, x, TextY, text);
}

void TlxSkinCustomListBox::LayoutCaption() {
    const int w = Width();
    const bool buttons = FCaptionMode && FShowCaptionButtons;
    for (TlxCBButtonX& b : Buttons)
        b.R = {};
    if (!Skinned()) {
        if (!buttons) return;
        int a = FDefaultCaptionHeight - 3;
        if (a > 16) a = 17;
        Buttons[UpButton].R = {w - a - 2, 2, w - 2, a + 1};
        Buttons[DownButton].R = {w - 2 * a - 2, 2, w - a - 2, a + 1};
        Buttons[CheckButton].R = {w - 3 * a - 2, 2, w - 2 * a - 2, a + 1};
        return;
    }
    const TlxSkinGeometry& g = Geometry;
    const int dw = w - g.SkinRect.Width();
    const int dh = Height() - g.SkinRect.Height();
    NewCaptionRect = CaptionRect;
    if (!FCaptionMode) return;
    if (!buttons) {
        NewCaptionRect.Right = w - CaptionRect.Left;
        return;
    }
    if (CaptionRect.Right >= g.RTPt.X) NewCaptionRect.Right += dw;
    const TRect* rects[3] = {&UpButtonRect, &DownButtonRect, &CheckButtonRect};
    for (int i = 0; i < 3; ++i) {
        TRect r = *rects[i];
        if (r.Top > g.LTPt.Y) {
            OffsetRect(r, 0, dh);
            if (r.Left > g.RBPt.X) OffsetRect(r, dw, 0);
        } else if (r.Left > g.RTPt.X) {
            OffsetRect(r, dw, 0);
        }
        Buttons[i].R = r;
    }
}

void TlxSkinCustomListBox::CreateControlDefaultImage(TBitmap& B) {
    TlxSkinCustomControl::CreateControlDefaultImage(B);
    TCanvas& c = *B.Canvas();
    const int w = Width();
    const bool buttons = FCaptionMode && FShowCaptionButtons;
    c.Brush()->SetStyle(bsSolid);
    c.Brush()->SetColor(clBtnShadow);
    c.FrameRect({0, 0, B.Width(), B.Height()});
    if (!FCaptionMode) return;
    const int a = Buttons[UpButton].R.Width();
    const TRect r{3, 2, buttons ? w - 3 * a - 3 : w - 2, FDefaultCaptionHeight - 2};
    c.Font()->Assign(FDefaultCaptionFont);
    const int y = (FDefaultCaptionHeight - 2) / 2 - c.TextHeight(Caption()) / 2;
    DrawCaption(c, r, FDefaultCaptionFont, y, false);
    c.Pen()->SetColor(clBtnShadow);
    c.MoveTo(1, FDefaultCaptionHeight - 1);
    c.LineTo(w - 1, FDefaultCaptionHeight - 1);
    if (buttons)
        for (int i = 0; i < 3; ++i)
            DrawCaptionButton(c, i);
}

void TlxSkinCustomListBox::CreateControlSkinImage(TBitmap& B) {
    TlxSkinCustomControl::CreateControlSkinImage(B);
    TCanvas& c = *B.Canvas();
    const int dw = Width() - Geometry.SkinRect.Width();
    const bool buttons = FCaptionMode && FShowCaptionButtons;
    TBitmap* picture = Picture();
    if (!buttons && !UpButtonRect.IsEmpty()) {
        // The skin draws its buttons into the frame: cover them.
        if (!DisabledButtonsRect.IsEmpty()) {
            TRect area = ButtonsArea;
            OffsetRect(area, dw, 0);
            CopyPicturePart(c, area, picture, DisabledButtonsRect);
        } else {
            const int left = Sized.NewLTPoint.X, right = Sized.NewRTPoint.X;
            const int bottom = std::min(std::max(Sized.NewClRect.Top - 1, 0), B.Height());
            const TRect strip{left, 0, std::min(right, B.Width()), bottom};
            const TRect span{left, 0, UpButtonRect.Right + dw, bottom};
            if (!strip.IsEmpty() && !span.IsEmpty()) {
                TBitmap piece(strip.Width(), strip.Height());
                piece.Canvas()->CopyRect({0, 0, strip.Width(), strip.Height()}, c, strip);
                c.CopyRect(span, *piece.Canvas(), {0, 0, strip.Width(), strip.Height()});
            }
        }
    }
    if (FCaptionMode && !CaptionRect.IsEmpty()) {
        TFont f;
        f.SetName(CaptionFontName);
        f.SetHeight(CaptionFontHeight);
        f.SetColor(CaptionFontColor);
        f.SetStyle(CaptionFontStyle);
        c.Font()->Assign(f);
        const int y = NewCaptionRect.Top + NewCaptionRect.Height() / 2 - c.TextHeight(Caption()) / 2;
        DrawCaption(c, NewCaptionRect, f, y, true);
    }
    if (buttons)
        for (int i = 0; i < 3; ++i)
            DrawCaptionButton(c, i);
}
