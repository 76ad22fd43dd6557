#pragma once

#include "platform/base/Color.h"
#include "platform/base/Types.h"

class TCanvas;

// Small built-in glyphs drawn with the pen (and brush) in the given colour.
// X, Y is the glyph's top-left corner; lines exclude their end point. The
// canvas keeps the pen and brush the glyph set.

// A dotted one-pixel frame just inside R in the canvas font colour. The dots
// run round the frame from the top-left corner; each corner continues the
// pattern of the edge before it.
void DrawSkinFocusRect(TCanvas* Canvas, const TRect& R);
// A downward triangle of rows 5, 3 and 1 wide from R's centre down.
void DrawDropDownArrow(TCanvas* Canvas, const TRect& R, TColor Color);
// A triangle of lines 1, 3, 5 and 7 long round R's centre pointing left (1),
// right (2), up (3) or down (4); other directions draw nothing.
void DrawArrowImage(TCanvas* Canvas, const TRect& R, TColor Color, int Direction);
void DrawSquareMark(TCanvas* Canvas, int X, int Y, TColor Color);
// A check mark three pixels thick, 7 x 8.
void DrawCheckMark(TCanvas* Canvas, int X, int Y, TColor Color);
// Top and left edges of R in TopLeftColor, bottom and right in BottomRightColor.
void DrawFrame3D(TCanvas* Canvas, const TRect& R, TColor TopLeftColor, TColor BottomRightColor);

// The frame-button symbols.
void DrawCloseImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawSysMenuImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawMinimizeImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawMaximizeImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawRestoreImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawRollDownImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawRollUpImage(TCanvas* Canvas, int X, int Y, TColor Color);
void DrawTrayImage(TCanvas* Canvas, int X, int Y, TColor Color);
