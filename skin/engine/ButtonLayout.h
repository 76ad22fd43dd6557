#pragma once

#include "platform/base/Types.h"

// Where a glyph stands relative to the caption.
enum TlxButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// Positions of a glyph and a caption in R. Margin -1 centres the pair; any
// other margin measures from the edge at the glyph's side. Spacing counts
// only when there is a glyph.
void CalcButtonLayout(TlxButtonLayout Layout, const TRect& R, int GlyphWidth, int GlyphHeight, int TextWidth,
                      int TextHeight, int Spacing, int Margin, int& TextX, int& TextY, int& GlyphX,
                      int& GlyphY);
