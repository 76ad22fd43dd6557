#pragma once

// Drawing steps the skinned controls share. Skin rectangles are untrusted:
// every source rectangle is clipped to its picture, and an empty one draws
// nothing.

#include "platform/base/Color.h"
#include "platform/base/Types.h"
#include "platform/gdi/TFont.h"
#include "skin/controls/SkinControlTypes.h"

#include <string>

class TBitmap;
class TCanvas;
class TlxSkinData;

// R clipped to P's bounds; empty without a picture.
TRect ClipToPicture(const TRect& R, const TBitmap* P);

// R of P copied, scaled, onto Dest.
void CopyPicturePart(TCanvas& C, const TRect& Dest, TBitmap* P, const TRect& R);

// R of P drawn at (X, Y) in its own size; with Transparent, pixels of Key are
// skipped (clNone: the part's bottom-left pixel).
void DrawPicturePart(TCanvas& C, int X, int Y, TBitmap* P, const TRect& R, bool Transparent,
                     TColor Key = clNone);

// The character set the skinned controls draw text in: the skin's string
// table's, else Default's.
TFontCharset SkinCharset(const TlxSkinData* SD, const TFont& Default);

// The one-pixel built-in frame of a border style over R.
void DrawBorderStyleFrame(TCanvas& C, const TRect& R, TlxSkinBorderStyle Style);

// The built-in look of a pressable part: pressed, a navy frame filled with
// RGB 133, 147, 181; hot, the navy frame filled with RGB 182, 189, 210;
// otherwise a button-shadow frame filled with the button face.
void DrawPressablePart(TCanvas& C, const TRect& R, bool Pressed, bool Hot);

// Left of an item of extent s centred in a span of extent S starting at p.
inline int Centred(int p, int S, int s) {
    return p + S / 2 - s / 2;
}
