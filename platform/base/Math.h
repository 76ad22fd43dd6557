#pragma once

#include "platform/base/Types.h"

#include <cmath>

// Halves go to the even neighbour (the default floating-point rounding mode,
// which nothing in the program changes).
inline Int64 Round(double x) {
    return static_cast<Int64>(std::nearbyint(x));
}

inline Int64 Trunc(double x) {
    return static_cast<Int64>(x);
}

// a * b / c with a 64-bit intermediate, rounded half away from zero; -1 when c is 0.
inline int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    Int64 p = static_cast<Int64>(a) * b;
    bool neg = (p < 0) != (c < 0);
    Int64 ap = p < 0 ? -p : p;
    Int64 ac = c < 0 ? -static_cast<Int64>(c) : c;
    Int64 q = (ap + ac / 2) / ac;
    return static_cast<int>(neg ? -q : q);
}
