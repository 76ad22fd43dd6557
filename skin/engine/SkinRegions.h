#pragma once

#include "platform/base/Types.h"
#include "platform/gdi/Gdi.h"

#include <cstdint>
#include <vector>

class TBitmap;

// Region data (a RGNDATAHEADER and one rectangle per run of pure black pixels
// per row, rows top to bottom, runs left to right) of Mask moved by X, Y.
// Returns the byte size of Data; an empty mask gives 0 and no data. There is
// no cap on the number of rectangles.
uint32_t MaskToRgnData(const TBitmap* Mask, int X, int Y, std::vector<uint8_t>& Data);
// Rgn = the region of Mask's black pixels, or null for an empty mask. The caller owns it.
void CreateRgnFromMask(HRGN& Rgn, const TBitmap* Mask);

// The four border strips of a frame mask at the new size, tiled, never stretched.
void CreateMaskBorderImages(const TPoint& LTPt, const TPoint& RTPt, const TPoint& LBPt, const TPoint& RBPt,
                            const TRect& ClRect, const TPoint& NewLTPoint, const TPoint& NewRTPoint,
                            const TPoint& NewLBPoint, const TPoint& NewRBPoint, const TRect& NewClRect,
                            TBitmap* Mask, TBitmap* TopB, TBitmap* LeftB, TBitmap* RightB, TBitmap* BottomB,
                            int AW);
// The window region of a skinned frame of the new size: the new client
// rectangle joined with the black pixels of the mask strips. Null when the new
// corner points cross or the new client rectangle is empty. The caller owns it.
void CreateSkinRgn(HRGN& Rgn, const TPoint& LTPt, const TPoint& RTPt, const TPoint& LBPt, const TPoint& RBPt,
                   const TRect& ClRect, const TPoint& NewLTPoint, const TPoint& NewRTPoint,
                   const TPoint& NewLBPoint, const TPoint& NewRBPoint, const TRect& NewClRect, TBitmap* Mask,
                   int AW, int AH);
