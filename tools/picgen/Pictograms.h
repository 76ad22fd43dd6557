#pragma once

#include "SkinPainter.h"

// The shapes the program's pictures are made of, each drawn in the square
// (X, Y, X + Size, Y + Size) in one colour. They are designed on a 48-pixel
// grid and scaled, so the 32-pixel pictures match the 48-pixel ones.
enum class TPictogram { Film, Phone, Tablet, Player, Console, Monitor, Disc, Note, Camera, Flash };

void DrawPictogram(TSkinPainter& P, TPictogram Kind, double X, double Y, double Size, TRgb Color, TRgb Back);

// Tool-bar glyphs.
enum class TToolGlyph { Add, Remove, Clear, Skin, WebSite, Options, Start, Stop, Pause, Resume };

void DrawToolGlyph(TSkinPainter& P, TToolGlyph Kind, int Size);
