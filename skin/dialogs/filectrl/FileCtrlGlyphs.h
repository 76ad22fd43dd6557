#pragma once

#include <string_view>

class TBitmap;

// The glyphs of the file controls and dialogs, drawn in code and looked up
// by resource name: "LX_FLOPPY", "LX_HARD", "LX_NETWORK", "LX_CDROM",
// "LX_NEWFOLDER" (16 x 16), "LX_RAM" (16 x 11), "LX_OPENFOLDER",
// "LX_CLOSEDFOLDER", "LX_CURRENTFOLDER" (16 x 15). Their bottom-left pixel
// holds the transparent colour. False, Glyph unchanged, for another name.
bool LoadFileCtrlGlyph(std::string_view Name, TBitmap& Glyph);
