#pragma once

#include "platform/base/Color.h"
#include "platform/base/Types.h"
#include "skin/engine/ButtonLayout.h"

#include <string>

class TBitmap;
class TCanvas;
class TCustomImageList;

// A glyph and a caption laid out in R by CalcButtonLayout. The glyph is image
// ImageIndex of Images (none when the list is missing or the index outside
// it); the caption is measured word-wrapped in R less the glyph and drawn
// centred line by line in its own rectangle, top-aligned (DrawText centres
// vertically only single lines). Down moves everything one pixel right and
// down. With DrawColorMarker a bar in ColorMarkerValue is drawn under the
// glyph, else under the caption, else R (inset) is filled with it.
void DrawImageAndText(TCanvas* Canvas, const TRect& R, int Margin, int Spacing, TlxButtonLayout Layout,
                      const std::string& Caption, int ImageIndex, TCustomImageList* Images, bool Down,
                      bool Enabled, bool DrawColorMarker, TColor ColorMarkerValue);
// The same with the caption lines left-aligned in the caption rectangle.
void DrawImageAndLeftText(TCanvas* Canvas, const TRect& R, int Margin, int Spacing, TlxButtonLayout Layout,
                          const std::string& Caption, int ImageIndex, TCustomImageList* Images, bool Down,
                          bool Enabled, bool DrawColorMarker, TColor ColorMarkerValue);
// The same with frame GlyphIndex (1-based) of a strip of NumGlyphs frames as
// the glyph; a strip count below 1 counts as 1.
void DrawGlyphAndText(TCanvas* Canvas, const TRect& R, int Margin, int Spacing, TlxButtonLayout Layout,
                      const std::string& Caption, TBitmap* Glyph, int NumGlyphs, int GlyphIndex, bool Down,
                      bool DrawColorMarker, TColor ColorMarkerValue);
// Frame Index (1-based) of a strip of Count frames, each Glyph.Width / Count
// wide, drawn at X, Y with the strip's bottom-left colour transparent.
// Nothing for an empty glyph, a count below 1 or an index outside 1..Count.
void DrawGlyphFrame(TCanvas* Canvas, int X, int Y, TBitmap* Glyph, int Count, int Index);
