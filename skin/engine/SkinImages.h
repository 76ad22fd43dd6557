#pragma once

#include "platform/base/Types.h"
#include "skin/engine/SkinTypes.h"

class TBitmap;

// TlxStretchType: how a stretched client part fills its destination:
// stretched whole, or as a strip stretched on one axis and repeated along the other.

// Nine-part images built from a skin rectangle R of the picture SB. The points
// and ClRect are relative to R; the New* geometry is in B's coordinates. The
// corners keep their size, sides and client are stretched or tiled. B is
// sized AW x AH in every case; nothing is drawn when SB is empty or the corner
// points give a zero-sized image. Geometry from a skin is untrusted: parts of
// no extent draw nothing and nothing is read outside SB.
void CreateSkinImage(const TPoint& LTPt, const TPoint& RTPt, const TPoint& LBPt, const TPoint& RBPt,
                     const TRect& ClRect, const TPoint& NewLTPoint, const TPoint& NewRTPoint,
                     const TPoint& NewLBPoint, const TPoint& NewRBPoint, const TRect& NewClRect, TBitmap* B,
                     TBitmap* SB, const TRect& R, int AW, int AH, bool DrawClient, bool LeftStretch,
                     bool TopStretch, bool RightStretch, bool BottomStretch, bool StretchEffect,
                     TlxStretchType StretchType);
// The same image (popup and hint windows).
void CreateSkinWindowImage(const TPoint& LTPt, const TPoint& RTPt, const TPoint& LBPt, const TPoint& RBPt,
                           const TRect& ClRect, const TPoint& NewLTPoint, const TPoint& NewRTPoint,
                           const TPoint& NewLBPoint, const TPoint& NewRBPoint, const TRect& NewClRect,
                           TBitmap* B, TBitmap* SB, const TRect& R, int AW, int AH, bool DrawClient,
                           bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch,
                           bool StretchEffect, TlxStretchType StretchType);
// Without the right side and right corners: top, bottom and client run to AW.
void CreateSkinImageLeft(const TPoint& LTPt, const TPoint& RTPt, const TPoint& LBPt, const TPoint& RBPt,
                         const TRect& ClRect, const TPoint& NewLTPoint, const TPoint& NewRTPoint,
                         const TPoint& NewLBPoint, const TPoint& NewRBPoint, const TRect& NewClRect,
                         TBitmap* B, TBitmap* SB, const TRect& R, int AW, int AH, bool DrawClient,
                         bool LeftStretch, bool TopStretch, bool RightStretch, bool BottomStretch,
                         bool StretchEffect, TlxStretchType StretchType);
// B keeps its size; the corners are ClRect's, everything stretched.
void CreateSkinImageByClient(TBitmap* B, TBitmap* SB, const TRect& R, const TRect& ClRect, bool DrawClient);

// Three-part strips: fixed ends, a stretched or tiled middle.
void CreateHSkinImage(int LOffset, int ROffset, TBitmap* B, TBitmap* SB, const TRect& R, int NewWidth,
                      bool Stretch);
void CreateHSkinImageLeft(int LOffset, int ROffset, TBitmap* B, TBitmap* SB, const TRect& R, int NewWidth,
                          bool Stretch);
void CreateHSkinImageMiddle(int LOffset, int ROffset, TBitmap* B, TBitmap* SB, const TRect& R, int NewWidth,
                            bool Stretch);
void CreateVSkinImage(int TOffset, int BOffset, TBitmap* B, TBitmap* SB, const TRect& R, int NewHeight,
                      bool Stretch);
