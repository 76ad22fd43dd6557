// The flat and the framed look of TlxSkinCheckRadioBox, skinned and built in.

#include "platform/gdi/Text.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/controls/SkinPressableParts.h"
#include "skin/controls/TlxSkinCheckRadioBox.h"
#include "skin/engine/DrawParentImage.h"
#include "skin/engine/SkinColors.h"
#include "skin/engine/SkinGlyphs.h"
#include "skin/engine/SkinText.h"
#include "skin/engine/TlxEffectBmp.h"

#include <algorithm>

namespace {
constexpr int BuiltInTextLeft = 22;
} // namespace

void TlxSkinCheckRadioBox::GetSkinData() {
    TlxSkinCustomControl::GetSkinData();
    auto* d = dynamic_cast<TlxDataSkinCheckRadioControl*>(Description());
    if (!d) return;
    FontName = d->FontName;
    FontColor = d->FontColor;
    ActiveFontColor = d->ActiveFontColor;
    FrameFontColor = d->FrameFontColor;
    UnEnabledFontColor = d->UnEnabledFontColor;
    FontStyle = d->FontStyle;
    FontHeight = d->FontHeight;
    ActiveSkinRect = d->ActiveSkinRect.IsEmpty() ? Geometry.SkinRect : d->ActiveSkinRect;
    CheckImageArea = d->CheckImageArea;
    TextArea = d->TextArea;
    CheckImageRect = d->CheckImageRect;
    UnCheckImageRect = d->UnCheckImageRect;
    ActiveCheckImageRect = d->ActiveCheckImageRect.IsEmpty() ? CheckImageRect : d->ActiveCheckImageRect;
    ActiveUnCheckImageRect =
        d->ActiveUnCheckImageRect.IsEmpty() ? UnCheckImageRect : d->ActiveUnCheckImageRect;
    UnEnabledCheckImageRect =
        d->UnEnabledCheckImageRect.IsEmpty() ? CheckImageRect : d->UnEnabledCheckImageRect;
    UnEnabledUnCheckImageRect =
        d->UnEnabledUnCheckImageRect.IsEmpty() ? UnCheckImageRect : d->UnEnabledUnCheckImageRect;
    GrayedCheckImageRect = d->GrayedCheckImageRect;
    ActiveGrayedCheckImageRect = d->ActiveGrayedCheckImageRect;
    // The flat look is transparent and has no window region.
    if (FFlat) FMaskPictureIndex = -1;
}

void TlxSkinCheckRadioBox::CalcSize(int& W, int& H) {
    if (FFlat) return;
    TlxSkinCustomControl::CalcSize(W, H);
    if (!Skinned()) return;
    const int dx = W - Geometry.SkinRect.Width();
    NewTextArea = {TextArea.Left, TextArea.Top, TextArea.Right + dx, TextArea.Bottom};
    TRect area = CheckImageArea;
    // A check area right of the text moves with the right edge.
    if (TextArea.Right < CheckImageArea.Right)
        area = {area.Left + dx, area.Top, area.Right + dx, area.Bottom};
    const int w = CheckImageRect.Width(), h = CheckImageRect.Height();
    const int x = Centred(area.Left, area.Width(), w), y = Centred(area.Top, area.Height(), h);
    CIRect = {x, y, x + w, y + h};
}

TBitmap TlxSkinCheckRadioBox::CheckImage(TCheckBoxState State, bool Hot) {
    const bool unchecked = State == cbUnchecked;
    TRect r;
    if (!Enabled())
        r = unchecked ? UnEnabledUnCheckImageRect : UnEnabledCheckImageRect;
    else if (Hot)
        r = unchecked ? ActiveUnCheckImageRect : ActiveCheckImageRect;
    else
        r = unchecked ? UnCheckImageRect : CheckImageRect;
    const bool lighten = State == cbGrayed && GrayedCheckImageRect.IsEmpty();
    if (State == cbGrayed && !lighten)
        r = Hot && !ActiveGrayedCheckImageRect.IsEmpty() ? ActiveGrayedCheckImageRect : GrayedCheckImageRect;
    const TRect source = ClipToPicture(r, Picture());
    TBitmap b(source.Width(), source.Height());
    if (source.IsEmpty()) return b;
    b.Canvas()->CopyRect({0, 0, source.Width(), source.Height()}, *Picture()->Canvas(), source);
    if (lighten) {
        TlxEffectBmp e = TlxEffectBmp::CreateFromhWnd(b);
        e.ChangeBrightness(0.5);
        e.ToBitmap(b);
    }
    b.SetTransparent(true);
    return b;
}

void TlxSkinCheckRadioBox::DrawBuiltInBox(TCanvas& C, int H, TCheckBoxState State, bool Hot) {
    C.Brush()->SetColor(Hot ? clNavy : clBtnShadow);
    C.FrameRect({3, H / 2 - 7, 17, H / 2 + 7});
    if (State == cbGrayed) {
        DrawCheckMark(&C, 7, H / 2 - 4, clGrayText);
    } else if (State == cbChecked) {
        const TColor mark = Enabled() ? clBlack : clBtnShadow;
        if (FRadio)
            DrawSquareMark(&C, 7, H / 2 - 3, mark);
        else
            DrawCheckMark(&C, 7, H / 2 - 4, mark);
    }
}

void TlxSkinCheckRadioBox::DrawFlat(TBitmap& B, TCheckBoxState State, bool Hot) {
    TCanvas& c = *B.Canvas();
    const int w = B.Width(), h = B.Height();
    DrawParentImage(this, &c);
    const bool skinned = Skinned();
    int textX = BuiltInTextLeft;
    if (skinned) {
        TBitmap image = CheckImage(State, Hot);
        c.Draw(3, Centred(0, h, CheckImageRect.Height()), &image);
        textX = CheckImageRect.Width() + 7;
    } else {
        DrawBuiltInBox(c, h, State, Hot);
    }

    TFont* font = c.Font();
    SetSkinCaptionFont(*font, skinned && UseSkinFont(), FontName, FontHeight, FontStyle, FDefaultFont,
                       SkinData());
    font->SetColor(FDefaultFont.Color());
    if (!skinned)
        font->SetColor(Enabled() ? FDefaultFont.Color() : clBtnShadow);
    else if (FUseSkinFontColor)
        font->SetColor(Enabled() ? FrameFontColor : UnEnabledFontColor);

    TCustomImageList* images = FImages.Get();
    const bool hasImage = images && FImageIndex >= 0 && FImageIndex < images->Count();
    const int imageWidth = hasImage ? images->Width() + (skinned ? 8 : 5) : 0;
    c.Brush()->SetStyle(bsClear);
    TRect textRect;
    if (FWordWrap) {
        TRect measured{textX + imageWidth, 0, w, h};
        DrawWideText(&c, Caption(), measured, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        const int top = std::max(0, h / 2 - measured.Height() / 2);
        textRect = {textX + imageWidth, top, w, top + measured.Height()};
        TRect r = textRect;
        DrawWideText(&c, Caption(), r, DT_WORDBREAK | DT_EXPANDTABS);
    } else {
        const int tw = CalcTextWidthW(&c, Caption()), th = CalcTextHeightW(&c, Caption());
        const int x = textX + imageWidth;
        textRect = {x, h / 2 - th / 2, std::min(x + tw, w - 2), h / 2 - th / 2 + th};
        DrawTextVCenter(&c, Caption(), textRect);
    }
    TRect imageRect;
    if (hasImage) {
        const int y = Centred(0, h, images->Height());
        images->Draw(&c, textX, y, FImageIndex, true);
        imageRect = {textX, y, textX + images->Width(), y + images->Height()};
    }
    if (!FocusedToShow()) return;
    TlxSkinColors* colors = skinned ? SkinData()->SkinColors() : nullptr;
    c.Brush()->SetColor(colors ? colors->cBtnFace() : clBtnFace);
    const TRect focus =
        Caption().empty()
            ? TRect{imageRect.Left - 1, imageRect.Top - 1, imageRect.Right + 1, imageRect.Bottom + 1}
            : TRect{textRect.Left - 2, textRect.Top - 1, textRect.Right + 3, textRect.Bottom + 1};
    if (!Caption().empty() || hasImage) DrawSkinFocusRect(&c, focus);
}

void TlxSkinCheckRadioBox::DrawFramed(TBitmap& B, TCheckBoxState State, bool Active, bool Hot) {
    TCanvas& c = *B.Canvas();
    TlxSkinCustomControl::CreateSkinControlImage(B, Picture(), Active ? ActiveSkinRect : Geometry.SkinRect);
    TBitmap image = CheckImage(State, Hot);
    c.Draw(CIRect.Left, Centred(CIRect.Top, CIRect.Height(), image.Height()), &image);
    TFont* font = c.Font();
    SetSkinCaptionFont(*font, UseSkinFont(), FontName, FontHeight, FontStyle, FDefaultFont, SkinData());
    font->SetColor(!Enabled() ? UnEnabledFontColor : Active ? ActiveFontColor : FontColor);
    c.Brush()->SetStyle(bsClear);
    DrawTextVCenter(&c, Caption(), NewTextArea);
}

void TlxSkinCheckRadioBox::DrawControl() {
    if (!FFlat) {
        TlxSkinCustomControl::DrawControl();
        return;
    }
    TBitmap b(Width(), Height());
    DrawFlat(b, FState, FMouseIn);
    Canvas()->Draw(0, 0, &b);
}

void TlxSkinCheckRadioBox::CreateControlSkinImage(TBitmap& B) {
    DrawFramed(B, FState, FMouseIn || FocusedToShow(), FMouseIn);
}

void TlxSkinCheckRadioBox::CreateControlDefaultImage(TBitmap& B) {
    TCanvas& c = *B.Canvas();
    const int w = B.Width(), h = B.Height();
    c.Brush()->SetColor(clBtnFace);
    c.FillRect({0, 0, w, h});
    if (FMouseIn || FocusedToShow()) {
        c.Brush()->SetColor(clBtnShadow);
        c.FrameRect({0, 0, w, h});
    }
    DrawBuiltInBox(c, h, FState, FMouseIn);
    c.Font()->Assign(FDefaultFont);
    c.Font()->SetCharset(SkinCharset(SkinData(), FDefaultFont));
    if (!Enabled()) c.Font()->SetColor(clBtnShadow);
    c.Brush()->SetStyle(bsClear);
    DrawTextVCenter(&c, Caption(), {19, 0, w, h});
}

void TlxSkinCheckRadioBox::PaintSkinTo(TCanvas* C, int X, int Y, bool AChecked) {
    if (!C || Width() < 1 || Height() < 1) return;
    GetSkinData();
    const TCheckBoxState state = AChecked ? cbChecked : cbUnchecked;
    TBitmap b(Width(), Height());
    if (FFlat) {
        DrawFlat(b, state, FMouseIn);
    } else if (Skinned()) {
        int w = Width(), h = Height();
        CalcSize(w, h);
        DrawFramed(b, state, false, false);
    } else {
        return;
    }
    C->Draw(X, Y, &b);
}
