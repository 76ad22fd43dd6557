#pragma once

#include <string_view>

class TBitmap;

// The tool-button glyphs of the open and picture dialogs, 16 x 16, drawn in
// code: "LX_BACK" (an arrow left), "LX_UP" (an arrow up), "LX_LVSTYLE" (a
// list of items), "LX_STRETCH" (a frame with arrows to its corners),
// "LX_NEWFOLDER" (a folder with a spark), and the file controls' glyphs by
// their names. The bottom-left pixel holds the
// transparent colour. False, Glyph unchanged, for an unknown name.
bool LoadDialogGlyph(std::string_view Name, TBitmap& Glyph);
