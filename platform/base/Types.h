#pragma once

#include <algorithm>
#include <cstdint>

// Integer aliases of the design's basic types.
using Integer = int;
using Cardinal = uint32_t;
using Int64 = int64_t;
using UInt64 = uint64_t;
using Byte = uint8_t;
using Word = uint16_t;
using LongWord = uint32_t;
using SmallInt = int16_t;
using ShortInt = int8_t;

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

// Right and bottom are exclusive; a width or height of 0 or less is empty.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    TPoint TopLeft() const { return {Left, Top}; }
    TPoint BottomRight() const { return {Right, Bottom}; }
    bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TPoint Point(int x, int y) {
    return {x, y};
}
inline TRect Rect(int left, int top, int right, int bottom) {
    return {left, top, right, bottom};
}
inline TRect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}
inline int RectWidth(const TRect& r) {
    return r.Right - r.Left;
}
inline int RectHeight(const TRect& r) {
    return r.Bottom - r.Top;
}
inline bool IsRectEmpty(const TRect& r) {
    return r.IsEmpty();
}
inline bool EqualRect(const TRect& a, const TRect& b) {
    return a == b;
}
inline bool PtInRect(const TRect& r, TPoint p) {
    return r.Contains(p);
}
inline TPoint CenterPoint(const TRect& r) {
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

inline void SetRect(TRect& r, int left, int top, int right, int bottom) {
    r = {left, top, right, bottom};
}
inline void SetRectEmpty(TRect& r) {
    r = {};
}

inline bool OffsetRect(TRect& r, int dx, int dy) {
    r.Left += dx;
    r.Right += dx;
    r.Top += dy;
    r.Bottom += dy;
    return true;
}

inline bool InflateRect(TRect& r, int dx, int dy) {
    r.Left -= dx;
    r.Right += dx;
    r.Top -= dy;
    r.Bottom += dy;
    return true;
}

// The common part of a and b; an empty result is stored as all zeros.
inline bool IntersectRect(TRect& out, const TRect& a, const TRect& b) {
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
    if (r.IsEmpty()) {
        out = {};
        return false;
    }
    out = r;
    return true;
}

// The smallest rectangle holding both; empty inputs are ignored.
inline bool UnionRect(TRect& out, const TRect& a, const TRect& b) {
    if (a.IsEmpty()) {
        out = b.IsEmpty() ? TRect{} : b;
    } else if (b.IsEmpty()) {
        out = a;
    } else {
        out = {std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
               std::max(a.Bottom, b.Bottom)};
    }
    return !out.IsEmpty();
}
