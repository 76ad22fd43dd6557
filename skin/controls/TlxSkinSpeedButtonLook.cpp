// The skinned, the built-in and the transparent look of TlxSkinSpeedButton,
// all drawn from Look().

#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/SkinPressableParts.h"
#include "skin/controls/TlxSkinSpeedButton.h"
#include "skin/controls/TlxSkinToolBar.h"
#include "skin/engine/DrawImageAndText.h"
#include "skin/engine/SkinColors.h"

void TlxSkinSpeedButton::GetSkinData() {
    TlxGraphicSkinCustomControl::GetSkinData();
    FNormalRect = Geometry.SkinRect;
    auto* d = dynamic_cast<TlxDataSkinButtonControl*>(Description());
    if (!d) {
        ActiveSkinRect = AnimateSkinRect = {};
        return;
    }
    CopyFaces(*d, Geometry.SkinRect);
    // A transparent button has no background to fade.
    if (Transparent()) Morphing = false;
    if (MenuMarkerFlatRect.IsEmpty()) MenuMarkerFlatRect = MenuMarkerRect;
    if (EffectsOn() && CurrentFrame >= 1 && CurrentFrame <= FrameCount && !AnimateSkinRect.IsEmpty()) {
        if (AnimateInc)
            ActiveSkinRect = AnimationFrame(Geometry.SkinRect, CurrentFrame);
        else
            FNormalRect = AnimationFrame(Geometry.SkinRect, CurrentFrame);
    }
}

void TlxSkinSpeedButton::CalcSize(int& W, int& H) {
    if (FUseSkinSize || ResizeMode() == TlxResizeMode::Both) {
        TlxGraphicSkinCustomControl::CalcSize(W, H);
        return;
    }
    // The requested size stays; the client part grows with it.
    if (Skinned()) Sized.NewClRect = GrownClient(Geometry, W, H);
}

void TlxSkinSpeedButton::DrawContent(TCanvas& C, const TRect& R, bool IsDown, bool IsActive, bool PressOffset,
                                     int GlyphIndex) {
    TCustomImageList* list = FButtonImages.Get();
    if (TlxSkinImagesMenu* menu = FSkinImagesMenu.Get(); menu && FUseImagesMenuImage && menu->Images()) {
        if (TlxImagesMenuItem* item = menu->SelectedItem()) {
            DrawImageAndText(&C, R, FMargin, FSpacing, FLayout,
                             FUseImagesMenuCaption ? item->Caption() : ShownCaption(), item->ImageIndex(),
                             menu->Images(), PressOffset, Enabled(), FDrawColorMarker, FColorMarkerValue);
            return;
        }
    }
    if (auto* bar = dynamic_cast<TlxSkinToolBar*>(Parent()); bar && FGlyph.Empty()) {
        // The bar's lists: the disabled one drawn as enabled, the hot one
        // while hot or down.
        TCustomImageList* barList = bar->Images();
        if (!Enabled() && bar->DisabledImages())
            barList = bar->DisabledImages();
        else if ((IsActive || IsDown) && bar->HotImages())
            barList = bar->HotImages();
        if (barList && FImageIndex >= 0 && FImageIndex < barList->Count()) {
            DrawImageAndText(&C, R, FMargin, FSpacing, FLayout, ShownCaption(), FImageIndex, barList,
                             PressOffset, true, FDrawColorMarker, FColorMarkerValue);
            return;
        }
    }
    if (FGlyph.Empty() && list && FImageIndex >= 0 && FImageIndex < list->Count()) {
        DrawImageAndText(&C, R, FMargin, FSpacing, FLayout, ShownCaption(), FImageIndex, list, PressOffset,
                         Enabled(), FDrawColorMarker, FColorMarkerValue);
        return;
    }
    DrawGlyphAndText(&C, R, FMargin, FSpacing, FLayout, ShownCaption(), &FGlyph, FNumGlyphs, GlyphIndex,
                     PressOffset, FDrawColorMarker, FColorMarkerValue);
}

void TlxSkinSpeedButton::CreateButtonImage(TBitmap& B, const TRect& R, bool IsDown, bool IsActive) {
    TCanvas& c = *B.Canvas();
    const TRect content = DrawFaceBackground(
        B, Picture(), R, FUseSkinSize || ResizeMode() == TlxResizeMode::Both, Geometry, Sized);
    DrawFace(c, content, IsDown, IsActive);
}

void TlxSkinSpeedButton::DrawFace(TCanvas& C, const TRect& R, bool IsDown, bool IsActive) {
    SetSkinCaptionFont(*C.Font(), UseSkinFont(), FontName, FontHeight, FontStyle, FDefaultFont, SkinData());
    C.Font()->SetColor(CaptionColor(Enabled(), FUseSkinFontColor, FDefaultFont, IsDown, IsActive));
    bool drawDefault = true;
    if (OnPaint) OnPaint(this, &C, R, IsDown, IsActive, drawDefault);
    if (!drawDefault) return;
    DrawContent(C, R, IsDown, IsActive, IsDown && IsActive,
                GlyphFrame(IsDown, IsActive, Enabled(), FNumGlyphs));
}

void TlxSkinSpeedButton::CreateControlDefaultImage(TBitmap& B) {
    TCanvas& c = *B.Canvas();
    const TRect client{0, 0, B.Width(), B.Height()};
    const TlxButtonLook look = Look();
    const bool pressed = look == TlxButtonLook::Pressed, hot = look == TlxButtonLook::Hot;
    DrawDefaultBackground(c, client, pressed, hot);
    DrawDefaultFace(c, client, pressed);
}

void TlxSkinSpeedButton::DrawDefaultBackground(TCanvas& C, const TRect& R, bool Pressed, bool Hot) {
    if (Pressed || Hot || Designing() || !FFlat) {
        DrawPressablePart(C, R, Pressed, Hot);
    } else if (!Transparent()) {
        C.Brush()->SetColor(clBtnFace);
        C.FillRect(R);
    }
}

void TlxSkinSpeedButton::DrawDefaultFace(TCanvas& C, const TRect& R, bool Pressed) {
    C.Font()->Assign(FDefaultFont);
    C.Font()->SetCharset(SkinCharset(SkinData(), FDefaultFont));
    if (!Enabled()) C.Font()->SetColor(clBtnShadow);
    bool drawDefault = true;
    if (OnPaint) OnPaint(this, &C, R, FDown, FMouseIn, drawDefault);
    if (!drawDefault) return;
    DrawContent(C, R, FDown, FMouseIn, Pressed, GlyphFrame(FDown, FMouseIn, Enabled(), FNumGlyphs));
}

void TlxSkinSpeedButton::PaintTransparent() {
    PaintTransparentContent(Skinned() ? Sized.NewClRect : TRect{0, 0, Width(), Height()});
}

void TlxSkinSpeedButton::PaintTransparentContent(const TRect& r) {
    TCanvas& c = *Canvas();
    TFont* font = c.Font();
    if (Skinned()) {
        SetSkinCaptionFont(*font, UseSkinFont(), FontName, FontHeight, FontStyle, FDefaultFont, SkinData());
        const TlxSkinColors* colors = SkinData()->SkinColors();
        if (!Enabled())
            font->SetColor(colors ? colors->cBtnShadow() : clBtnShadow);
        else if (FUseSkinFontColor)
            font->SetColor(colors ? colors->cBtnText() : clBtnText);
        else
            font->SetColor(FDefaultFont.Color());
    } else {
        font->Assign(FDefaultFont);
        font->SetCharset(SkinCharset(SkinData(), FDefaultFont));
        if (!Enabled()) font->SetColor(clBtnShadow);
    }
    c.Brush()->SetStyle(bsClear);
    bool drawDefault = true;
    if (OnPaint) OnPaint(this, &c, r, FDown, FMouseIn, drawDefault);
    if (!drawDefault) return;
    DrawContent(c, r, false, false, false, GlyphFrame(false, false, Enabled(), FNumGlyphs));
}

void TlxSkinSpeedButton::PaintImage() {
    if (!Skinned()) {
        TlxGraphicSkinCustomControl::DrawControl();
        return;
    }
    TBitmap b(Width(), Height());
    b.Fill(ColorToPixel(clBtnFace));
    switch (Look()) {
    case TlxButtonLook::Pressed:
        CreateButtonImage(b, DownSkinRect, true, true);
        break;
    case TlxButtonLook::Hot:
    case TlxButtonLook::HotAfterFade:
    case TlxButtonLook::Focused:
        CreateButtonImage(b, ActiveSkinRect, false, true);
        break;
    case TlxButtonLook::Disabled:
        CreateButtonImage(b, DisabledSkinRect.IsEmpty() ? Geometry.SkinRect : DisabledSkinRect, false, false);
        break;
    case TlxButtonLook::Normal:
        CreateButtonImage(b, FNormalRect, false, false);
        break;
    }
    Canvas()->Draw(0, 0, &b);
}

void TlxSkinSpeedButton::DrawMorph(TCanvas& C) {
    TBitmap normal(Width(), Height()), hot(Width(), Height());
    CreateButtonImage(normal, FNormalRect, false, false);
    CreateButtonImage(hot, ActiveSkinRect, false, true);
    DrawMorphed(C, normal, hot, FMorphKf);
}

void TlxSkinSpeedButton::DrawControl() {
    const TlxButtonLook look = Look();
    const bool idle = look == TlxButtonLook::Normal || look == TlxButtonLook::Disabled;
    if (Skinned() && MorphOn() && FMorphKf > 0 && FMorphKf < 1 && !Transparent())
        DrawMorph(*Canvas());
    else if (idle && Transparent())
        PaintTransparent();
    else
        PaintImage();
}
