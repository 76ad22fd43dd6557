// The panel's looks: the built-in image, the skinned image with its caption,
// and the paint paths that draw straight onto the canvas.
#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/TlxSkinPanel.h"

#include "platform/base/ScopeGuard.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/DrawImageAndText.h"
#include "skin/engine/DrawParentImage.h"
#include "skin/engine/SkinGlyphs.h"
#include "skin/engine/SkinImageCopy.h"
#include "skin/engine/SkinImages.h"
#include "skin/engine/SkinRects.h"

namespace {

TRect Deflated(const TRect& R, int D) {
    return {R.Left + D, R.Top + D, R.Right - D, R.Bottom - D};
}

} // namespace

int TlxSkinPanel::CaptionImageWidth() const {
    TCustomImageList* list = FCaptionImageList.Get();
    if (FGlyph.Empty() && list && FCaptionImageIndex >= 0 && FCaptionImageIndex < list->Count())
        return list->Width();
    if (!FGlyph.Empty()) return FGlyph.Width() / FNumGlyphs;
    return 0;
}

void TlxSkinPanel::DrawCaptionImage(TCanvas& C, int X, const TRect& R) {
    TCustomImageList* list = FCaptionImageList.Get();
    if (FGlyph.Empty() && list && FCaptionImageIndex >= 0 && FCaptionImageIndex < list->Count()) {
        list->Draw(&C, X, Centred(R.Top, R.Height(), list->Height()), FCaptionImageIndex, Enabled());
    } else if (!FGlyph.Empty()) {
        const int frame = !Enabled() && FNumGlyphs == 2 ? 2 : 1;
        DrawGlyphFrame(&C, X, Centred(R.Top, R.Height(), FGlyph.Height()), &FGlyph, FNumGlyphs, frame);
    }
}

void TlxSkinPanel::SetCaptionFont(TCanvas& C) {
    TFont* f = C.Font();
    if (Skinned() && FUseSkinFont) {
        f->SetName(FontName);
        f->SetHeight(FontHeight);
        f->SetStyle(FontStyle);
    } else {
        f->Assign(FDefaultFont);
    }
    f->SetCharset(SkinCharset(SkinData(), FDefaultFont));
    f->SetColor(Skinned() ? FontColor : FDefaultFont.Color());
}

void TlxSkinPanel::CreateControlDefaultImage(TBitmap& B) {
    TlxSkinCustomControl::CreateControlDefaultImage(B);
    TCanvas& c = *B.Canvas();
    const int w = B.Width(), h = B.Height();
    DrawBorderStyleFrame(c, {0, 0, w, h}, FBorderStyle);
    if (!FCaptionMode) return;
    const int ch = FDefaultCaptionHeight;
    const bool frame = FBorderStyle == bvFrame;
    TRect r = !FRibbonStyle ? (frame ? TRect{0, 0, w, ch} : TRect{1, 1, w - 1, ch})
                            : (frame ? TRect{0, h - ch, w, h} : TRect{1, h - ch - 1, w - 1, h - 1});
    if (frame) {
        DrawFrame3D(&c, r, clBtnShadow, clBtnShadow);
        DrawFrame3D(&c, Deflated(r, 1), clBtnHighlight, clBtnFace);
    } else {
        DrawFrame3D(&c, r, clBtnShadow, clBtnHighlight);
        DrawFrame3D(&c, Deflated(r, 1), clBtnHighlight, clBtnShadow);
    }
    if (FCheckedMode) r.Left += 20;
    if (FRollUpMode) r.Right -= 10;
    c.Font()->Assign(FDefaultFont);
    c.Font()->SetCharset(SkinCharset(SkinData(), FDefaultFont));
    const std::string& text = Caption();
    const int imageW = CaptionImageWidth();
    const int textW = c.TextWidth(text);
    const int contentW = textW + (imageW > 0 ? imageW + FSpacing : 0);
    int x = FDefaultAlignment == taLeftJustify    ? r.Left + 2
            : FDefaultAlignment == taRightJustify ? r.Right - contentW
                                                  : r.Width() / 2 + r.Left + 2 - contentW / 2;
    const int y = Centred(r.Top, r.Height(), c.TextHeight(text));
    if (FCheckedMode) {
        const TRect box = Bounds(5, Centred(r.Top, r.Height(), 14), 14, 14);
        c.Brush()->SetColor(clBtnShadow);
        c.FrameRect(box);
        if (FChecked) DrawCheckMark(&c, box.Left + 3, box.Top + 2, clBtnText);
    }
    const int imageX = x;
    if (imageW > 0) x += imageW + FSpacing;
    c.Brush()->SetStyle(bsClear);
    c.TextRect(r, x, y, text);
    DrawCaptionImage(c, imageX, r);
    if (FRollUpMode)
        DrawArrowImage(&c, {r.Right, r.Top, r.Right + 10, r.Bottom}, clBtnText, FRollUpState ? 4 : 3);
}

void TlxSkinPanel::CreateControlSkinImage(TBitmap& B) {
    if (FBorderStyle == bvNone && ResizeMode() == TlxResizeMode::Both && !FCaptionMode &&
        !Geometry.StretchEffect) {
        const TRect& sr = Geometry.SkinRect;
        const TRect& cl = Geometry.ClRect;
        TBitmap* p = Picture();
        const TRect part =
            ClipToPicture({sr.Left + cl.Left, sr.Top + cl.Top, sr.Left + cl.Right, sr.Top + cl.Bottom}, p);
        if (!part.IsEmpty()) SkinTileBoth(*B.Canvas(), {0, 0, B.Width(), B.Height()}, *p->Canvas(), part);
        return;
    }
    TlxSkinCustomControl::CreateControlSkinImage(B);
    NewCaptionRect = SkinCaptionRect();
    if (Caption().empty() || IsNullRect(CaptionRect)) return;
    DrawSkinCaption(B);
}

void TlxSkinPanel::DrawSkinCaption(TBitmap& B) {
    TCanvas& c = *B.Canvas();
    TBitmap* picture = Picture();
    TRect r = NewCaptionRect;
    if (FRollUpMode) r.Right -= 12;
    if (FCheckedMode) {
        const TRect& box = FChecked ? CheckImageRect : UnCheckImageRect;
        if (!IsNullRect(box)) {
            DrawPicturePart(c, r.Left, Centred(r.Top, r.Height(), box.Height()), picture, box, true);
            r.Left += box.Width() + 2;
        }
    }
    SetCaptionFont(c);
    const std::string& text = Caption();
    const int textW = c.TextWidth(text);
    const int imageW = CaptionImageWidth();
    auto aligned = [&](int Width) {
        return Alignment == taLeftJustify    ? r.Left
               : Alignment == taRightJustify ? r.Right - Width
                                             : r.Width() / 2 + r.Left - Width / 2;
    };
    int textX, imageX;
    if (FImagePosition == lxipLeft && imageW > 0) {
        imageX = r.Left + 2;
        textX = std::max(aligned(textW), imageX + imageW + FSpacing);
    } else {
        imageX = aligned(textW + (imageW > 0 ? imageW + FSpacing : 0));
        textX = imageX + (imageW > 0 ? imageW + FSpacing : 0);
    }
    if (FRollUpMode) {
        const TRect strip{r.Right, r.Top, r.Right + 10, r.Bottom};
        if (!IsNullRect(MarkFrameRect))
            DrawPicturePart(c, strip.Left, strip.Top, picture, MarkFrameRect, false);
        DrawArrowImage(&c, strip, FontColor, FRollUpState ? 4 : 3);
    }
    if (!IsNullRect(FrameRect)) DrawCaptionFrame(c, textX, imageX, textW);
    c.Brush()->SetStyle(bsClear);
    c.TextRect(r, textX, Centred(r.Top, r.Height(), c.TextHeight(text)), text);
    DrawCaptionImage(c, imageX, r);
}

void TlxSkinPanel::DrawCaptionFrame(TCanvas& C, int& TextX, int& ImageX, int TextWidth) {
    const int extra = FrameRect.Width() - FrameTextRect.Width();
    const int width = extra + TextWidth;
    if (width <= 0) return;
    TBitmap frame;
    CreateHSkinImage(FrameLeftOffset, FrameRightOffset, &frame, Picture(), FrameRect, width, false);
    int frameX;
    switch (Alignment) {
    case taLeftJustify:
        frameX = TextX;
        TextX += FrameTextRect.Left;
        break;
    case taRightJustify:
        frameX = TextX - extra;
        TextX += FrameTextRect.Left - extra;
        ImageX -= extra;
        break;
    default:
        frameX = TextX - FrameTextRect.Left - 2;
        TextX -= 2;
        ImageX -= FrameTextRect.Left;
        break;
    }
    C.Draw(frameX, CaptionRect.Top, &frame);
}

void TlxSkinPanel::DrawControl() {
    if (FTransparentMode && Skinned()) {
        PaintTransparent(FCaptionMode);
    } else if (!Skinned() || (!FForceBackground && Geometry.StretchEffect)) {
        TlxSkinCustomControl::DrawControl();
    } else if (FBorderStyle == bvNone && ResizeMode() == TlxResizeMode::Both && !FCaptionMode &&
               FForceBackground) {
        PaintSkinClient(*Canvas(), {0, 0, Width(), Height()});
    } else if (TBitmap* background = SkinPicture(BGPictureIndex)) {
        PaintBackgroundPicture(background);
    } else {
        TlxSkinCustomControl::DrawControl();
    }
}

void TlxSkinPanel::PaintBackgroundPicture(TBitmap* BG) {
    TCanvas& c = *Canvas();
    const TRect all{0, 0, Width(), Height()};
    const TRect source{0, 0, BG->Width(), BG->Height()};
    if (!Geometry.StretchEffect) {
        SkinTileBoth(c, all, *BG->Canvas(), source);
        return;
    }
    switch (Geometry.StretchType) {
    case lxstFull:
        SkinCopyPart(c, all, *BG->Canvas(), source);
        break;
    case lxstHorz: {
        TBitmap strip(source.Width(), all.Height());
        SkinCopyPart(*strip.Canvas(), {0, 0, source.Width(), all.Height()}, *BG->Canvas(), source);
        SkinTileHorz(c, all, *strip.Canvas(), {0, 0, source.Width(), all.Height()});
        break;
    }
    case lxstVert: {
        TBitmap strip(all.Width(), source.Height());
        SkinCopyPart(*strip.Canvas(), {0, 0, all.Width(), source.Height()}, *BG->Canvas(), source);
        SkinTileVert(c, all, *strip.Canvas(), {0, 0, all.Width(), source.Height()});
        break;
    }
    }
}

void TlxSkinPanel::PaintTransparent(bool WithCaption) {
    const int w = Width(), h = Height();
    TBitmap b(w, h);
    TCanvas& c = *b.Canvas();
    DrawParentImage(this, &c);
    const TColor shadow = SkinData()->SkinColors()->cBtnShadow();
    if (!WithCaption) {
        if (FBorderStyle != bvNone) {
            c.Brush()->SetColor(shadow);
            c.FrameRect({0, 0, w, h});
        }
    } else {
        SetCaptionFont(c);
        TColor textColor = SkinData()->SkinColors()->cBtnText();
        const int label = SkinData()->GetControlIndex("stdlabel");
        if (label >= 0)
            if (auto* d = dynamic_cast<TlxDataSkinStdLabelControl*>(SkinData()->CtrlList[label].get()))
                textColor = d->FontColor;
        const std::string& text = Caption();
        const int th = c.TextHeight(text.empty() ? "A" : text);
        const int captionH = th + 5;
        const TRect band{0, 0, w, captionH};
        int x = 5;
        if (FCheckedMode) {
            const TRect& box = FChecked ? CheckImageRect : UnCheckImageRect;
            if (!IsNullRect(box)) {
                DrawPicturePart(c, x, Centred(0, captionH, box.Height()), Picture(), box, true);
                x += box.Width() + 5;
            }
        }
        if (const int imageW = CaptionImageWidth(); imageW > 0) {
            DrawCaptionImage(c, x, band);
            x += imageW + 2;
        }
        c.Font()->SetColor(textColor);
        c.Brush()->SetStyle(bsClear);
        c.TextOut(x, Centred(0, captionH, th), text);
        const int textEnd = x + c.TextWidth(text);
        if (FRollUpMode)
            DrawArrowImage(&c, {textEnd + 3, 0, textEnd + 10, captionH}, textColor, FRollUpState ? 4 : 3);
        NewCaptionRect = {5, 0, textEnd + (FRollUpMode ? 10 : 0), captionH};
        const int mid = captionH / 2;
        c.Pen()->SetColor(shadow);
        c.MoveTo(textEnd + (FRollUpMode ? 12 : 3), mid);
        c.LineTo(w, mid);
        c.MoveTo(0, mid);
        c.LineTo(4, mid);
        c.MoveTo(w - 1, mid);
        c.LineTo(w - 1, h);
        c.MoveTo(0, h - 1);
        c.LineTo(w, h - 1);
        c.MoveTo(0, mid);
        c.LineTo(0, h);
    }
    PaintClient(&c);
    Canvas()->Draw(0, 0, &b);
}

void TlxSkinPanel::PaintSkinTo(TCanvas* C, int X, int Y) {
    if (Width() < 1 || Height() < 1) return;
    GetSkinData();
    int w = Width(), h = Height();
    CalcSize(w, h);
    // The whole image in one bitmap, also where the screen takes the frame path.
    const bool force = FForceBackground;
    FForceBackground = false;
    TScopeGuard restore([&] { FForceBackground = force; });
    TBitmap b = ControlImage();
    C->Draw(X, Y, &b);
}
