#pragma once

// What the standard and the text label share: the "stdlabel" description's
// font, the choice between it, the default font and the label's own, and the
// embossed look of a disabled label.

#include "platform/base/Color.h"
#include "platform/base/Types.h"
#include "platform/gdi/TFont.h"

#include <string>

class TCanvas;
class TlxSkinData;

struct TlxLabelSkin {
    int Index = -1; // -1: no description
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight = 0;
    TColor FontColor = clWindowText;
    TColor ActiveFontColor = clWindowText;
};

// The description named Name in SD (none without a skin or with an empty
// one); the font of a TlxDataSkinStdLabelControl is copied.
TlxLabelSkin LookUpLabelSkin(const TlxSkinData* SD, const std::string& Name);

// The font a label draws with: without a description DefaultFont (with
// UseSkinFont) or Font; with one the description's name, style and height
// (with UseSkinFont) or Font, and its colour (with UseSkinColor) or Font's.
// The character set is the skin's string table's, else DefaultFont's.
void ChooseLabelFont(TFont& Out, const TlxLabelSkin& Skin, const TlxSkinData* SD, bool UseSkinFont,
                     bool UseSkinColor, const TFont& DefaultFont, const TFont& Font);

// DrawText of Text in R on C. Disabled (and not measuring): embossed, first
// one pixel right and down in the highlight colour, then in place in the
// shadow colour, both the skin's with a description, else the system's.
void DrawLabelText(TCanvas& C, const std::string& Text, TRect& R, uint32_t Flags, bool Enabled,
                   const TlxLabelSkin& Skin, const TlxSkinData* SD);
