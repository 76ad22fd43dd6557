// The skinned and the built-in look of TlxSkinButton, both drawn from Look(),
// and the glow layer's pictures.

#include "platform/vcl/TCustomForm.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/SkinPressableParts.h"
#include "skin/controls/TlxSkinButton.h"
#include "skin/engine/DrawImageAndText.h"
#include "skin/engine/OsVersion.h"
#include "skin/engine/SkinColors.h"
#include "skin/engine/SkinGlyphs.h"
#include "skin/engine/SkinImages.h"
#include "skin/engine/TlxLayerManager.h"

void TlxSkinButton::GetSkinData() {
    TlxSkinCustomControl::GetSkinData();
    AnimateSkinRect = {};
    FNormalRect = Geometry.SkinRect;
    auto* d = dynamic_cast<TlxDataSkinButtonControl*>(Description());
    if (!d) return;
    // A button stretched to any size has no window region.
    if (!FUseSkinSize) FMaskPictureIndex = -1;
    CopyFaces(*d, Geometry.SkinRect);
    FocusedSkinRect = d->FocusedSkinRect;
    ShowFocus = d->ShowFocus;
    GlowLayerPictureIndex = d->GlowLayerPictureIndex;
    GlowLayerMaskPictureIndex = d->GlowLayerMaskPictureIndex;
    GlowLayerOffsetLeft = d->GlowLayerOffsetLeft;
    GlowLayerOffsetRight = d->GlowLayerOffsetRight;
    GlowLayerOffsetTop = d->GlowLayerOffsetTop;
    GlowLayerOffsetBottom = d->GlowLayerOffsetBottom;
    GlowLayerShowOffsetX = d->GlowLayerShowOffsetX;
    GlowLayerShowOffsetY = d->GlowLayerShowOffsetY;
    GlowLayerAlphaBlendValue = d->GlowLayerAlphaBlendValue;
    if (EffectsOn() && FAnimating && CurrentFrame >= 1 && CurrentFrame <= FrameCount &&
        !AnimateSkinRect.IsEmpty()) {
        if (AnimateInc)
            ActiveSkinRect = AnimationFrame(Geometry.SkinRect, CurrentFrame);
        else
            FNormalRect = AnimationFrame(Geometry.SkinRect, CurrentFrame);
    }
}

void TlxSkinButton::CalcSize(int& W, int& H) {
    if (FUseSkinSize || ResizeMode() == TlxResizeMode::Both) {
        TlxSkinCustomControl::CalcSize(W, H);
        return;
    }
    if (!Skinned()) return;
    // The requested size stays; the client part grows with it.
    Sized.NewClRect = GrownClient(Geometry, W, H);
}

void TlxSkinButton::DrawContent(TCanvas& C, const TRect& R, bool IsDown, bool IsActive, bool PressOffset,
                                int GlyphIndex) {
    TCustomImageList* list = FImageList.Get();
    if (list && FImageIndex >= 0 && FImageIndex < list->Count())
        DrawImageAndText(&C, R, FMargin, FSpacing, FLayout, Caption(), FImageIndex, list, IsDown && IsActive,
                         Enabled(), false, clNone);
    else
        DrawGlyphAndText(&C, R, FMargin, FSpacing, FLayout, Caption(), &FGlyph, FNumGlyphs, GlyphIndex,
                         PressOffset, false, clNone);
}

void TlxSkinButton::CreateButtonImage(TBitmap& B, const TRect& R, bool IsDown, bool IsActive) {
    TCanvas& c = *B.Canvas();
    const TRect content = DrawFaceBackground(
        B, Picture(), R, FUseSkinSize || ResizeMode() == TlxResizeMode::Both, Geometry, Sized);

    TFont* font = c.Font();
    SetSkinCaptionFont(*font, UseSkinFont(), FontName, FontHeight, FontStyle, FDefaultFont, SkinData());
    font->SetColor(CaptionColor(Enabled(), FUseSkinFontColor, FDefaultFont, IsDown, IsActive));

    if (ShowFocus && Focused()) {
        TlxSkinColors* colors = SkinData()->SkinColors();
        c.Brush()->SetColor(colors ? colors->cBtnFace() : clBtnFace);
        DrawSkinFocusRect(&c, content);
        c.Brush()->SetStyle(bsClear);
    }

    bool drawDefault = true;
    if (OnPaint) OnPaint(this, &c, content, IsDown, IsActive, drawDefault);
    if (!drawDefault) return;
    DrawContent(c, content, IsDown, IsActive, IsDown && IsActive,
                GlyphFrame(IsDown, IsActive, Enabled(), FNumGlyphs));
}

void TlxSkinButton::DrawMorph(TCanvas& C) {
    TBitmap normal(Width(), Height()), hot(Width(), Height());
    CreateButtonImage(normal, FNormalRect, false, false);
    CreateButtonImage(hot, ActiveSkinRect, false, true);
    DrawMorphed(C, normal, hot, FMorphKf);
}

void TlxSkinButton::PaintSkinned() {
    TBitmap b(Width(), Height());
    b.Fill(ColorToPixel(clBtnFace));
    if (MorphOn() && FMorphKf > 0 && FMorphKf < 1 && Enabled()) {
        DrawMorph(*Canvas());
        return;
    }
    switch (Look()) {
    case TlxButtonLook::Disabled:
        CreateButtonImage(b, DisabledSkinRect, false, false);
        break;
    case TlxButtonLook::Pressed:
        CreateButtonImage(b, DownSkinRect, true, true);
        break;
    case TlxButtonLook::Focused:
        CreateButtonImage(b, FocusedSkinRect, false, true);
        break;
    case TlxButtonLook::Hot:
    case TlxButtonLook::HotAfterFade:
        CreateButtonImage(b, ActiveSkinRect, false, true);
        break;
    case TlxButtonLook::Normal:
        CreateButtonImage(b, FNormalRect, false, false);
        break;
    }
    Canvas()->Draw(0, 0, &b);
}

void TlxSkinButton::DrawControl() {
    if (Skinned())
        PaintSkinned();
    else
        TlxSkinCustomControl::DrawControl();
}

void TlxSkinButton::CreateControlDefaultImage(TBitmap& B) {
    TCanvas& c = *B.Canvas();
    const TRect client{0, 0, B.Width(), B.Height()};
    const TlxButtonLook look = Look();
    const bool pressed = look == TlxButtonLook::Pressed;
    DrawPressablePart(c, client, pressed, look == TlxButtonLook::Hot);
    TFont* font = c.Font();
    font->Assign(FDefaultFont);
    if (SkinData()) font->SetCharset(SkinCharset(SkinData(), FDefaultFont));
    if (!Enabled()) font->SetColor(clBtnShadow);
    bool drawDefault = true;
    if (OnPaint) OnPaint(this, &c, client, FDown, FMouseIn, drawDefault);
    if (!drawDefault) return;
    DrawContent(c, client, FDown, FMouseIn, pressed, GlyphFrame(FDown, FMouseIn, Enabled(), FNumGlyphs));
}

// ---- Glow layer

bool TlxSkinButton::GlowPicture(int Index, TBitmap& Out) {
    TBitmap* p = SkinPicture(Index);
    if (!p || p->Empty()) return false;
    const int pw = p->Width(), ph = p->Height();
    const TRect all{0, 0, pw, ph};
    const int dw = Width() - Geometry.SkinRect.Width();
    const int dh = Height() - Geometry.SkinRect.Height();
    switch (ResizeMode()) {
    case TlxResizeMode::Fixed:
        Out.Assign(*p);
        return true;
    case TlxResizeMode::Horizontal:
        if (!FUseSkinSize || pw + dw <= 0) return false;
        CreateHSkinImage(GlowLayerOffsetLeft, GlowLayerOffsetRight, &Out, p, all, pw + dw, true);
        return !Out.Empty();
    case TlxResizeMode::Both:
        if (pw + dw <= 0 || ph + dh <= 0) return false;
        Out.SetSize(pw + dw, ph + dh);
        CreateSkinImageByClient(
            &Out, p, all,
            {GlowLayerOffsetLeft, GlowLayerOffsetTop, pw - GlowLayerOffsetRight, ph - GlowLayerOffsetBottom},
            true);
        return true;
    default:
        return false;
    }
}

void TlxSkinButton::ShowLayer() {
    TlxSkinData* sd = SkinData();
    if (!sd || sd->Empty || !IsWindows2000OrLater()) return;
    GetSkinData();
    if (!Skinned() || !(sd->ShowButtonGlowFrames() || FAlwaysShowGlowFrame) || GlowLayerPictureIndex == -1)
        return;
    TBitmap image, mask;
    if (!GlowPicture(GlowLayerPictureIndex, image) || !GlowPicture(GlowLayerMaskPictureIndex, mask)) return;
    TCustomForm* form = GetParentForm(this);
    FLayerManager->TopMostMode = form && form->FormStyle() == fsStayOnTop;
    const TPoint origin = ClientToScreen({0, 0});
    FLayerManager->Show(origin.X - GlowLayerShowOffsetX, origin.Y - GlowLayerShowOffsetY, &image, &mask,
                        GlowLayerAlphaBlendValue);
}

void TlxSkinButton::HideLayer() {
    if (FLayerManager->IsVisible) FLayerManager->Hide();
}
