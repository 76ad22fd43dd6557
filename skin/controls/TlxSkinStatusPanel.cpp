#include "skin/controls/TlxSkinStatusPanel.h"

#include "skin/controls/SkinControlDrawing.h"
#include "skin/engine/DrawImageAndText.h"

#include <algorithm>

TlxSkinStatusPanel::TlxSkinStatusPanel(TComponent* AOwner) : TlxSkinLabel(AOwner) {
    SetSkinDataName("statuspanel");
    SetWidth(120);
}

void TlxSkinStatusPanel::SetImageList(TCustomImageList* Value) {
    if (FImageList.Set(Value)) Invalidate();
}

void TlxSkinStatusPanel::SetImageIndex(int Value) {
    if (FImageIndex == Value) return;
    FImageIndex = Value;
    Invalidate();
}

void TlxSkinStatusPanel::SetGlyph(const TBitmap& Value) {
    FGlyph.Assign(Value);
    Invalidate();
    AdjustWidth();
}

void TlxSkinStatusPanel::SetNumGlyphs(int Value) {
    FNumGlyphs = std::clamp(Value, 1, 2);
    Invalidate();
    AdjustWidth();
}

bool TlxSkinStatusPanel::ShowsImage() const {
    TCustomImageList* list = FImageList.Get();
    return FGlyph.Empty() && list && FImageIndex >= 0 && FImageIndex < list->Count();
}

int TlxSkinStatusPanel::GetAutoSizeDelta() {
    int delta = TlxSkinLabel::GetAutoSizeDelta();
    if (ShowsImage())
        delta += FImageList->Width() + 3;
    else if (!FGlyph.Empty())
        delta += FGlyph.Width() / FNumGlyphs + 3;
    return delta;
}

void TlxSkinStatusPanel::DrawPanelCaption(TBitmap& B, TRect R, int GlyphX) {
    TCanvas& c = *B.Canvas();
    if (ShowsImage()) {
        TCustomImageList* list = FImageList.Get();
        list->Draw(&c, R.Left, Centred(R.Top, R.Height(), list->Height()), FImageIndex, true);
        R.Left += list->Width() + 2;
    } else if (!FGlyph.Empty()) {
        const int frame = !Enabled() && FNumGlyphs == 2 ? 2 : 1;
        DrawGlyphFrame(&c, GlyphX, Centred(R.Top, R.Height(), FGlyph.Height()), &FGlyph, FNumGlyphs, frame);
        R.Left += FGlyph.Width() / FNumGlyphs + 2;
    }
    DrawLabelCaption(c, R, Caption());
}

void TlxSkinStatusPanel::CreateControlDefaultImage(TBitmap& B) {
    TlxSkinCustomControl::CreateControlDefaultImage(B);
    DrawBorderStyleFrame(*B.Canvas(), {0, 0, B.Width(), B.Height()}, BorderStyle());
    DrawPanelCaption(B, TextRect(), 3);
}

void TlxSkinStatusPanel::CreateControlSkinImage(TBitmap& B) {
    // Always the skin image, whatever UseSkinSize says.
    CreateSkinControlImage(B, Picture(), Geometry.SkinRect);
    const TRect r = Sized.NewClRect;
    DrawPanelCaption(B, r, r.Left);
}

void TlxSkinStatusPanel::Dispatch(TMessage& Message) {
    TlxSkinLabel::Dispatch(Message);
    if (Message.Msg == CM_ENABLEDCHANGED) Invalidate();
}
