#include "skin/controls/TlxSkinStdLabel.h"

#include "platform/gdi/Text.h"
#include "skin/engine/SkinData.h"

TlxSkinStdLabel::TlxSkinStdLabel(TComponent* AOwner) : TlxSkinnedLabel<TCustomLabel>(AOwner) {
    SetTransparent(true);
}

void TlxSkinStdLabel::SetEllipsType(TlxEllipsType Value) {
    if (FEllipsType == Value) return;
    FEllipsType = Value;
    Invalidate();
}

void TlxSkinStdLabel::DrawTextOn(TCanvas& C, std::string Text, TRect& Rect, uint32_t Flags) {
    GetSkinData();
    if ((Flags & DT_CALCRECT) && (Text.empty() || (FShowAccelChar && Text == "&"))) Text += ' ';
    if (!FShowAccelChar) Flags |= DT_NOPREFIX;
    if (FEllipsType == lxetEndEllips) Flags |= DT_END_ELLIPSIS;
    if (FEllipsType == lxetPathEllips) Flags |= DT_PATH_ELLIPSIS;
    SetLabelFont(C);
    DrawLabel(C, Text, Rect, Flags);
}

void TlxSkinStdLabel::DoDrawText(TRect& Rect, uint32_t Flags) {
    DrawTextOn(*Canvas(), GetLabelText(), Rect, Flags);
}

void TlxSkinStdLabel::PaintSkinTo(TCanvas* C, int X, int Y, const std::string& AText) {
    TRect r = Bounds(X, Y, Width(), Height());
    if (!Transparent()) {
        C->Brush()->SetColor(FColor);
        C->Brush()->SetStyle(bsSolid);
        C->FillRect(r);
    }
    C->Brush()->SetStyle(bsClear);
    const uint32_t flags = TextFlags();
    if (FLayout != tlTop) {
        TRect calc = r;
        DrawTextOn(*C, AText, calc, flags | DT_CALCRECT);
        const int free = r.Bottom - calc.Bottom;
        OffsetRect(r, 0, FLayout == tlBottom ? free : free / 2);
    }
    DrawTextOn(*C, AText, r, flags);
}
