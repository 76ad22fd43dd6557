#include "skin/controls/TlxSkinTextLabel.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/Text.h"
#include "skin/engine/SkinData.h"

TlxSkinTextLabel::TlxSkinTextLabel(TComponent* AOwner) : TlxSkinnedLabel<TGraphicControl>(AOwner) {
    FControlStyle.Exclude(csOpaque);
    FControlStyle.Include(csReplicatable);
    FAutoSize = true;
    FLines.OnChange = [this](TObject*) {
        AdjustBounds();
        Invalidate();
    };
    SetBounds(0, 0, 65, 65);
}

void TlxSkinTextLabel::SetLines(const TStrings& Value) {
    FLines.Assign(Value);
    Invalidate();
}

void TlxSkinTextLabel::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TlxSkinTextLabel::SetLayout(TTextLayout Value) {
    if (FLayout == Value) return;
    FLayout = Value;
    Invalidate();
}

void TlxSkinTextLabel::SetWordWrap(bool Value) {
    if (FWordWrap == Value) return;
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
}

void TlxSkinTextLabel::SetAutoSize(bool Value) {
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    AdjustBounds();
}

void TlxSkinTextLabel::Loaded() {
    TlxSkinnedLabel::Loaded();
    AdjustBounds();
}

uint32_t TlxSkinTextLabel::TextFlags() const {
    static const uint32_t align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    return DT_EXPANDTABS | (FWordWrap ? uint32_t(DT_WORDBREAK) : 0u) | align[FAlignment];
}

TSize TlxSkinTextLabel::MeasureLines(TCanvas& C, const TRect& Within) {
    SetLabelFont(C);
    TRect r = Within;
    DrawText(C.Handle(), GetLabelText(), r, TextFlags() | DT_CALCRECT);
    TRect a = Within;
    DrawText(C.Handle(), "A", a, DT_CALCRECT);
    return {r.Width(), r.Height() - a.Height()};
}

void TlxSkinTextLabel::Paint() {
    GetSkinData();
    TCanvas& c = *Canvas();
    c.Brush()->SetStyle(bsClear);
    TRect r = ClientRect();
    if (FLayout != tlTop) {
        const int free = Height() - MeasureLines(c, r).cy;
        OffsetRect(r, 0, FLayout == tlBottom ? free : free / 2);
    }
    SetLabelFont(c);
    DrawLabel(c, GetLabelText(), r, TextFlags());
}

void TlxSkinTextLabel::AdjustBounds() {
    if (!FAutoSize || ComponentState().Contains(csLoading)) return;
    GetSkinData();
    // Measured on a context of its own: the label may not be painting now.
    TBitmap scratch(1, 1);
    HDC dc = CreateBitmapDC(&scratch);
    Canvas()->SetHandle(dc);
    const TSize size = MeasureLines(*Canvas(), ClientRect());
    Canvas()->SetHandle(nullptr);
    DeleteDC(dc);
    int x = FLeft;
    if (FAlignment == taRightJustify) x += FWidth - size.cx;
    SetBounds(x, FTop, size.cx, size.cy);
}

void TlxSkinTextLabel::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_FONTCHANGED) {
        TlxSkinnedLabel::Dispatch(Message);
        AdjustBounds();
        Invalidate();
        return;
    }
    TlxSkinnedLabel::Dispatch(Message);
}
