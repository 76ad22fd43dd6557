#pragma once

// Steps the pressable skinned controls (buttons, check and radio boxes)
// share.

#include "platform/gdi/TFont.h"
#include "platform/vcl/TWinControl.h"

#include <string>

class TlxSkinData;

// The caption font: the description's name, height and style when UseSkin is
// on, else Default; the character set of the skin's string table, else
// Default's. The colour is left to the caller.
void SetSkinCaptionFont(TFont& F, bool UseSkin, const std::string& Name, int Height, TFontStyles Style,
                        const TFont& Default, const TlxSkinData* SD);

// A left click or double click on a focusable control without the focus
// takes the focus first, with ClicksDisabled set meanwhile. False when the
// message is to be dropped: the control stayed unfocused or was freed.
bool TakeFocusOnClick(TWinControl* Control, const TMessage& Message, bool& ClicksDisabled);
