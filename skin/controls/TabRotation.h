#pragma once

class TBitmap;
class TCanvas;

// Quarter turns and flips of the tab pictures: a tab is laid out as a top
// tab, flipped for the bottom and turned for the sides.

// Bitmap turned counter-clockwise (clockwise), drawn with its top-left at X, Y.
void DrawRotated90Left(TCanvas* Canvas, const TBitmap& Bitmap, int X, int Y);
void DrawRotated90Right(TCanvas* Canvas, const TBitmap& Bitmap, int X, int Y);
// Turns Bitmap in place; its width and height swap.
void RotateBitmap90Left(TBitmap& Bitmap);
void RotateBitmap90Right(TBitmap& Bitmap);
// Mirrors Bitmap top to bottom in place.
void FlipBitmapVert(TBitmap& Bitmap);
