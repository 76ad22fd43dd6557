#pragma once

#include "platform/vcl/TCustomLabel.h"
#include "skin/controls/TlxSkinnedLabel.h"

#include <string>

// A label that opens its URL when clicked (OpenLinkURL). It draws in the
// skin's "stdlabel" font and colours (DefaultFont, Arial 14 underlined, and
// DefaultActiveFontColor without a skin); under the pointer it takes the
// active colour, or with GlowEffect a glow of GlowSize in it (the caption
// then always sits GlowSize pixels lower). Disabled, it is embossed.
//
// The enter and leave handlers set FMouseIn; drawing reads it.
class TlxSkinLinkLabel : public TlxSkinnedLabel<TCustomLabel> {
public:
    explicit TlxSkinLinkLabel(TComponent* AOwner);

    bool GlowEffect() const { return FGlowEffect; }
    void SetGlowEffect(bool Value);
    int GlowSize() const { return FGlowSize; }
    void SetGlowSize(int Value);
    TColor DefaultActiveFontColor() const { return FDefaultActiveFontColor; }
    void SetDefaultActiveFontColor(TColor Value);
    const std::string& URL() const { return FURL; }
    void SetURL(const std::string& Value) { FURL = Value; }
    bool UseUnderLine() const { return FUseUnderLine; }
    void SetUseUnderLine(bool Value);
    bool MouseIn() const { return FMouseIn; }

    // OnClick first, then the address is opened.
    void Click() override;

protected:
    void DoDrawText(TRect& Rect, uint32_t Flags) override;
    void AdjustBounds() override { TCustomLabel::AdjustBounds(); }
    void Dispatch(TMessage& Message) override;

private:
    void SetLinkFont(TCanvas& C);

    bool FGlowEffect = false;
    int FGlowSize = 7;
    bool FMouseIn = false;
    TColor FDefaultActiveFontColor = 0xFF0000;
    std::string FURL;
    bool FUseUnderLine = true;
};
