#pragma once

#include "platform/base/Types.h"

class TBitmap;

// The four border strips of a frame of size AW x AH, from the skin rectangle
// R of the picture SB (points and ClRect relative to R, the New* geometry in
// frame coordinates). TopB is AW x NewClRect.Top and BottomB AW x
// (AH - NewClRect.Bottom), each with its corners; LeftB and RightB fill the
// rows between them. Sides are stretched when their flag is set, else tiled
// from the strip's origin. A strip whose size or source extent is not
// positive is left empty (0 x 0); nothing is read outside SB.
void CreateSkinBorderImages(const TPoint& LTPt, const TPoint& RTPt, const TPoint& LBPt, const TPoint& RBPt,
                            const TRect& ClRect, const TPoint& NewLTPoint, const TPoint& NewRTPoint,
                            const TPoint& NewLBPoint, const TPoint& NewRBPoint, const TRect& NewClRect,
                            TBitmap* LeftB, TBitmap* TopB, TBitmap* RightB, TBitmap* BottomB, TBitmap* SB,
                            const TRect& R, int AW, int AH, bool LeftStretch, bool TopStretch,
                            bool RightStretch, bool BottomStretch);
