#include "skin/controls/TlxSkinLinkLabel.h"

#include "platform/gdi/Text.h"
#include "skin/controls/LinkOpener.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/engine/GlowText.h"

#include <algorithm>

TlxSkinLinkLabel::TlxSkinLinkLabel(TComponent* AOwner) : TlxSkinnedLabel<TCustomLabel>(AOwner) {
    SetTransparent(true);
    TFont* font = DefaultFont();
    font->SetName("Arial");
    font->SetHeight(14);
    font->SetStyle({fsUnderline});
    SetFont(*font);
    SetCursor(crHandPoint);
}

void TlxSkinLinkLabel::SetGlowEffect(bool Value) {
    if (FGlowEffect == Value) return;
    FGlowEffect = Value;
    AdjustBounds(); // the caption moves down by the glow's size
    Invalidate();
}

void TlxSkinLinkLabel::SetGlowSize(int Value) {
    // A glow is blurred over its size in every direction: kept to a sane radius.
    Value = std::clamp(Value, 0, 100);
    if (FGlowSize == Value) return;
    FGlowSize = Value;
    AdjustBounds();
    Invalidate();
}

void TlxSkinLinkLabel::SetDefaultActiveFontColor(TColor Value) {
    FDefaultActiveFontColor = Value;
    Invalidate();
}

void TlxSkinLinkLabel::SetUseUnderLine(bool Value) {
    if (FUseUnderLine == Value) return;
    FUseUnderLine = Value;
    Invalidate();
}

void TlxSkinLinkLabel::Click() {
    TKeepAlive alive(this);
    TCustomLabel::Click();
    OpenLinkURL(FURL);
}

void TlxSkinLinkLabel::SetLinkFont(TCanvas& C) {
    const TlxLabelSkin& skin = LabelSkin();
    TFont& f = *C.Font();
    TFontStyles style;
    if (skin.Index == -1) {
        f.Assign(UseSkinFont() ? *DefaultFont() : FFont);
        if (FMouseIn) f.SetColor(FDefaultActiveFontColor);
        style = f.Style() + fsUnderline;
    } else {
        f.Assign(FFont);
        if (UseSkinFont()) {
            f.SetName(skin.FontName);
            f.SetHeight(skin.FontHeight);
            f.SetStyle(skin.FontStyle);
        }
        f.SetColor(FMouseIn && !FGlowEffect ? skin.ActiveFontColor : skin.FontColor);
        style = FUseUnderLine ? f.Style() + fsUnderline : f.Style() - fsUnderline;
    }
    if (Enabled()) style = FUseUnderLine ? style + fsUnderline : style - fsUnderline;
    f.SetStyle(style);
    f.SetCharset(SkinCharset(SkinData(), *DefaultFont()));
}

void TlxSkinLinkLabel::DoDrawText(TRect& Rect, uint32_t Flags) {
    GetSkinData();
    std::string text = GetLabelText();
    const bool measuring = Flags & DT_CALCRECT;
    if (measuring && (text.empty() || (FShowAccelChar && text == "&"))) text += ' ';
    if (!FShowAccelChar) Flags |= DT_NOPREFIX;
    TRect r = Rect;
    if (FGlowEffect) OffsetRect(r, 0, FGlowSize);
    TCanvas& c = *Canvas();
    SetLinkFont(c);
    if (measuring) {
        // The size includes the glow's offset, so an auto-sized label shows it.
        DrawText(c.Handle(), text, r, Flags);
        Rect.Right = r.Right;
        Rect.Bottom = r.Bottom;
        return;
    }
    if (Enabled() && FMouseIn && FGlowEffect) {
        const TColor glow = LabelSkin().Index == -1 ? FDefaultActiveFontColor : LabelSkin().ActiveFontColor;
        DrawBlurGlowText(&c, r, text, Flags, 0, glow, FGlowSize);
        return;
    }
    DrawLabel(c, text, r, Flags);
}

void TlxSkinLinkLabel::Dispatch(TMessage& Message) {
    TlxSkinnedLabel::Dispatch(Message);
    if (Message.Msg != CM_MOUSEENTER && Message.Msg != CM_MOUSELEAVE) return;
    // A parent also hears of its children's enter and leave.
    if (Message.LParam != reinterpret_cast<LPARAM>(static_cast<TControl*>(this)) ||
        ComponentState().Contains(csDesigning))
        return;
    FMouseIn = Message.Msg == CM_MOUSEENTER;
    Invalidate();
}
