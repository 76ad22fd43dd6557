#include "platform/vcl/TCustomLabel.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/Text.h"
#include "platform/vcl/TWinControl.h"

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle.Include(csOpaque);
    FControlStyle.Include(csReplicatable);
    FAutoSize = true;
    SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAlignment(TAlignment Value) {
    if (FAlignment == Value) return;
    FAlignment = Value;
    Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
    if (FLayout == Value) return;
    FLayout = Value;
    Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value) {
    if (FWordWrap == Value) return;
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
    if (Transparent() == Value) return;
    if (Value)
        FControlStyle.Exclude(csOpaque);
    else
        FControlStyle.Include(csOpaque);
    Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
    if (FShowAccelChar == Value) return;
    FShowAccelChar = Value;
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* Value) {
    FFocusControl.Set(Value);
}

void TCustomLabel::SetAutoSize(bool Value) {
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    AdjustBounds();
}

void TCustomLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

uint32_t TCustomLabel::TextFlags() const {
    static const uint32_t align[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
    return DT_EXPANDTABS | (FWordWrap ? uint32_t(DT_WORDBREAK) : 0u) | align[FAlignment];
}

void TCustomLabel::DoDrawText(TRect& Rect, uint32_t Flags) {
    std::string text = GetLabelText();
    // A measured empty caption (or a lone accelerator mark) keeps one line's height.
    if ((Flags & DT_CALCRECT) && (text.empty() || (FShowAccelChar && text == "&"))) text += ' ';
    if (!FShowAccelChar) Flags |= DT_NOPREFIX;
    TCanvas* canvas = Canvas();
    canvas->SetFont(FFont);
    HDC dc = canvas->Handle();
    if (!Enabled() && !(Flags & DT_CALCRECT)) {
        // Disabled: embossed, a highlight copy one pixel down and right under the shadow-coloured text.
        TRect r = Rect;
        OffsetRect(r, 1, 1);
        SetTextColor(dc, ColorToRGB(clBtnHighlight));
        DrawText(dc, text, r, Flags);
        SetTextColor(dc, ColorToRGB(clBtnShadow));
        DrawText(dc, text, Rect, Flags);
    } else {
        DrawText(dc, text, Rect, Flags);
    }
}

void TCustomLabel::Paint() {
    TCanvas* canvas = Canvas();
    TRect r = ClientRect();
    if (!Transparent()) {
        canvas->Brush()->SetColor(FColor);
        canvas->Brush()->SetStyle(bsSolid);
        canvas->FillRect(r);
    }
    canvas->Brush()->SetStyle(bsClear);
    uint32_t flags = TextFlags();
    if (FLayout != tlTop) {
        TRect calc = r;
        DoDrawText(calc, flags | DT_CALCRECT);
        int free = FHeight - calc.Bottom;
        OffsetRect(r, 0, FLayout == tlBottom ? free : free / 2);
    }
    DoDrawText(r, flags);
}

void TCustomLabel::AdjustBounds() {
    if (!FAutoSize || ComponentState().Contains(csLoading)) return;
    // Measured on a context of its own: the label may not be painting now.
    TBitmap scratch(1, 1);
    HDC dc = CreateBitmapDC(&scratch);
    Canvas()->SetHandle(dc);
    TRect r = ClientRect();
    DoDrawText(r, DT_EXPANDTABS | DT_CALCRECT | (FWordWrap ? uint32_t(DT_WORDBREAK) : 0u));
    Canvas()->SetHandle(nullptr);
    DeleteDC(dc);
    int x = FLeft;
    if (FAlignment == taRightJustify) x += FWidth - r.Right;
    SetBounds(x, FTop, r.Right, r.Bottom);
}

void TCustomLabel::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        Invalidate();
        AdjustBounds();
        return;
    case CM_DIALOGCHAR:
        if (FFocusControl && Enabled() && FShowAccelChar &&
            IsAccel(static_cast<char32_t>(Message.WParam), Caption()) && FFocusControl->CanFocus()) {
            FFocusControl->SetFocus();
            Message.Result = 1;
            return;
        }
        break;
    }
    TGraphicControl::Dispatch(Message);
}
