#include "skin/controls/TlxSkinLabel.h"

#include "platform/gdi/Text.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/GlowText.h"
#include "skin/engine/SkinImages.h"
#include "skin/engine/SkinMath.h"
#include "skin/engine/SkinText.h"

TlxSkinLabel::TlxSkinLabel(TComponent* AOwner) : TlxSkinCustomControl(AOwner) {
    SetSkinDataName("label");
    SetBounds(0, 0, 75, 21);
}

void TlxSkinLabel::SetShadowEffect(bool Value) {
    if (FShadowEffect == Value) return;
    FShadowEffect = Value;
    Invalidate();
}

void TlxSkinLabel::SetShadowOffset(int Value) {
    if (FShadowOffset == Value) return;
    FShadowOffset = Value;
    Invalidate();
}

void TlxSkinLabel::SetShadowSize(int Value) {
    if (FShadowSize == Value) return;
    FShadowSize = Value;
    Invalidate();
}

void TlxSkinLabel::SetShadowColor(TColor Value) {
    if (FShadowColor == Value) return;
    FShadowColor = Value;
    Invalidate();
}

void TlxSkinLabel::SetReflectionEffect(bool Value) {
    if (FReflectionEffect == Value) return;
    FReflectionEffect = Value;
    Invalidate();
}

void TlxSkinLabel::SetReflectionOffset(int Value) {
    if (FReflectionOffset == Value) return;
    FReflectionOffset = Value;
    Invalidate();
}

void TlxSkinLabel::SetEllipsType(TlxEllipsType2 Value) {
    if (FEllipsType == Value) return;
    FEllipsType = Value;
    Invalidate();
}

void TlxSkinLabel::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TlxSkinLabel::SetBorderStyle(TlxSkinBorderStyle Value) {
    FBorderStyle = Value;
    if (Skinned()) return;
    Invalidate();
    Realign();
}

void TlxSkinLabel::SetAutoSize(bool Value) {
    FAutoSize = Value;
    if (Value) AdjustWidth();
}

void TlxSkinLabel::SetLabelFont(TFont& F) const {
    if (Skinned() && FUseSkinFont) {
        F.SetName(FontName);
        F.SetStyle(FontStyle);
        F.SetHeight(FontHeight);
        F.SetColor(FontColor);
    } else {
        F.Assign(FDefaultFont);
        if (Skinned()) F.SetColor(FontColor);
    }
    if (!FUseSkinFontColor) F.SetColor(FDefaultFont.Color());
    F.SetCharset(SkinCharset(SkinData(), FDefaultFont));
}

int TlxSkinLabel::GetAutoSizeDelta() {
    TBitmap scratch(1, 1);
    TCanvas& c = *scratch.Canvas();
    if (!Skinned()) {
        c.Font()->Assign(FDefaultFont);
        return c.TextWidth(Caption()) + 4 - Width();
    }
    if (ResizeMode() == TlxResizeMode::Fixed) return 0;
    SetLabelFont(*c.Font());
    return c.TextWidth(Caption()) - Sized.NewClRect.Width();
}

void TlxSkinLabel::AdjustWidth() {
    GetSkinData(); // a fixed description turns AutoSize off
    if (!FAutoSize || FAlign == alTop || FAlign == alBottom || FAlign == alClient) return;
    int w = Width(), h = Height();
    TlxSkinCustomControl::CalcSize(w, h); // the client rectangle at the current size
    if (const int delta = GetAutoSizeDelta(); delta != 0) SetWidth(Width() + delta);
}

void TlxSkinLabel::GetSkinData() {
    TlxSkinCustomControl::GetSkinData();
    auto* d = dynamic_cast<TlxDataSkinLabelControl*>(Description());
    if (!d) return;
    FontName = d->FontName;
    FontColor = d->FontColor;
    FontStyle = d->FontStyle;
    FontHeight = d->FontHeight;
    if (ResizeMode() == TlxResizeMode::Fixed) FAutoSize = false;
}

void TlxSkinLabel::CalcSize(int& W, int& H) {
    if (FUseSkinSize || ResizeMode() == TlxResizeMode::Both) {
        TlxSkinCustomControl::CalcSize(W, H);
    } else if (Skinned() && ResizeMode() != TlxResizeMode::None) {
        Sized = CalcSkinSizeFreeWidth(Geometry, W, H);
    }
    if (FAutoSize)
        if (const int delta = GetAutoSizeDelta(); delta > 0) W += delta;
}

void TlxSkinLabel::SetControlRegion() {
    if (FUseSkinSize) TlxSkinCustomControl::SetControlRegion();
}

TRect TlxSkinLabel::TextRect() const {
    if (!Skinned()) return {3, 3, Width() - 3, Height() - 3};
    TRect r = Sized.NewClRect;
    if (!FUseSkinSize && ResizeMode() != TlxResizeMode::Both)
        r.Bottom += Height() - Geometry.SkinRect.Height();
    return r;
}

void TlxSkinLabel::CreateControlDefaultImage(TBitmap& B) {
    TlxSkinCustomControl::CreateControlDefaultImage(B);
    DrawBorderStyleFrame(*B.Canvas(), {0, 0, B.Width(), B.Height()}, FBorderStyle);
    DrawLabelCaption(*B.Canvas(), TextRect(), Caption());
}

void TlxSkinLabel::CreateControlSkinImage(TBitmap& B) {
    if (FUseSkinSize || ResizeMode() == TlxResizeMode::Both) {
        TlxSkinCustomControl::CreateControlSkinImage(B);
    } else {
        CreateSkinImageByClient(&B, Picture(), Geometry.SkinRect, Geometry.ClRect, true);
    }
    DrawLabelCaption(*B.Canvas(), TextRect(), Caption());
}

void TlxSkinLabel::DrawLabelCaption(TCanvas& C, TRect R, const std::string& Caption) {
    std::string text = Caption;
    SetLabelFont(*C.Font());
    if (FEllipsType == lxetEllips) CutTextToWidth(&C, text, R.Width());
    static const uint32_t align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    const uint32_t flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | align[FAlignment];
    C.Brush()->SetStyle(bsClear);
    if (FShadowEffect) {
        TColor shadow = FShadowColor;
        if (Skinned() && FUseSkinFontColor && SkinData() && SkinData()->SkinColors())
            shadow = DarkenColor(SkinData()->SkinColors()->cBtnFace(), 70);
        DrawBlurShadowText(&C, R, text, flags, FShadowOffset, shadow, FShadowSize);
    } else if (FReflectionEffect && !R.IsEmpty()) {
        DrawReflectionText(&C, R, text, flags, FReflectionOffset, C.Font()->Color());
    } else {
        DrawText(C.Handle(), text, R, flags);
    }
}

void TlxSkinLabel::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_TEXTCHANGED) {
        TlxSkinCustomControl::Dispatch(Message);
        AdjustWidth();
        Invalidate();
        return;
    }
    TlxSkinCustomControl::Dispatch(Message);
}
