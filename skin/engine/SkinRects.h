#pragma once

#include "platform/base/Types.h"

// Rectangle helpers of the skinned controls (RectWidth and RectHeight are the
// platform's). Note the two containment tests differ: PointInRect takes all
// four edges as inside, RectInRect takes R2's right and bottom edges as outside.

inline TRect NullRect() {
    return {0, 0, 0, 0};
}

// True when the width or the height is 0 or less.
inline bool IsNullRect(const TRect& R) {
    return RectWidth(R) <= 0 || RectHeight(R) <= 0;
}

inline bool PointInRect(const TRect& R, const TPoint& P) {
    return P.X >= R.Left && P.X <= R.Right && P.Y >= R.Top && P.Y <= R.Bottom;
}

// Both corners (Left, Top) and (Right, Bottom) of R1 lie in R2 by PtInRect.
inline bool RectInRect(const TRect& R1, const TRect& R2) {
    return PtInRect(R2, {R1.Left, R1.Top}) && PtInRect(R2, {R1.Right, R1.Bottom});
}

// R1's top or bottom edge falls within the rows of R2 (by PtInRect, so R2's
// bottom row is outside); only the vertical position of R1 counts.
inline bool RectInRectVert(const TRect& R1, const TRect& R2) {
    return PtInRect(R2, {R2.Left + 1, R1.Top}) || PtInRect(R2, {R2.Right - 1, R1.Bottom});
}

// True when either coordinate is 0.
inline bool IsNullPoint(const TPoint& P) {
    return P.X == 0 || P.Y == 0;
}

inline bool EqualRects(const TRect& R1, const TRect& R2) {
    return R1.Left == R2.Left && R1.Top == R2.Top && R1.Right == R2.Right && R1.Bottom == R2.Bottom;
}
