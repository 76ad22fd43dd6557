#pragma once

#include "platform/base/Types.h"

class TCanvas;

// Copy primitives of the image builders. Rectangles of no extent copy
// nothing, so untrusted skin geometry never reaches a division by zero.

// Copies s of src into d of dst, stretched when the sizes differ.
void SkinCopyPart(TCanvas& dst, const TRect& d, TCanvas& src, const TRect& s);
// Lays tiles of s's width across d from d.Left, the last one clipped at d.Right.
void SkinTileHorz(TCanvas& dst, const TRect& d, TCanvas& src, const TRect& s);
// Lays tiles of s's height down d from d.Top, the last one clipped at d.Bottom.
void SkinTileVert(TCanvas& dst, const TRect& d, TCanvas& src, const TRect& s);
// Tiles in both directions, column by column and row by row.
void SkinTileBoth(TCanvas& dst, const TRect& d, TCanvas& src, const TRect& s);
// Stretched when stretch, else tiled along one axis.
inline void SkinSide(TCanvas& dst, const TRect& d, TCanvas& src, const TRect& s, bool stretch, bool horz) {
    if (stretch)
        SkinCopyPart(dst, d, src, s);
    else if (horz)
        SkinTileHorz(dst, d, src, s);
    else
        SkinTileVert(dst, d, src, s);
}
