#pragma once

#include "platform/base/Color.h"
#include "platform/base/Math.h"

#include <algorithm>

inline int IntMax(int A, int B) {
    return A > B ? A : B;
}
inline int IntMin(int A, int B) {
    return A < B ? A : B;
}

// Color (system colours resolved) with each channel reduced by Percent
// percent of itself, clamped to 0..255 for percentages outside 0..100.
inline TColor DarkenColor(TColor Color, int Percent) {
    const TColor c = ColorToRGB(Color);
    // Beyond this every non-zero channel saturates anyway; it keeps the arithmetic in range.
    const int p = std::clamp(Percent, -100000, 100000);
    auto channel = [&](Byte v) { return Byte(std::clamp(v - MulDiv(v, p, 100), 0, 255)); };
    return RGB(channel(GetRValue(c)), channel(GetGValue(c)), channel(GetBValue(c)));
}
