#pragma once

#include "platform/base/Types.h"

#include <cstdint>
#include <span>
#include <vector>

class TBitmap;

// A set of pixels as a union of rectangles. The rectangles are kept in bands:
// sorted top to bottom, then left to right, never overlapping; all
// rectangles of a band share their top and bottom. Set operations merge
// equal neighbouring bands; a region built from rectangles or a mask keeps
// one band per distinct row span, so a mask gives one rectangle per run of
// pixels per row, rows top to bottom, runs left to right.
class TRegion {
public:
    TRegion() = default;
    explicit TRegion(const TRect& r);
    // Any rectangles, overlapping or not; empty ones are dropped.
    static TRegion FromRects(std::span<const TRect> rects);
    // The pure black pixels (RGB 0, alpha ignored) of a bitmap, moved by (x, y).
    static TRegion FromMask(const TBitmap& mask, int x = 0, int y = 0);
    // The pixels where inside(mask row byte) is nonzero of a byte mask of w x h.
    static TRegion FromByteMask(const uint8_t* mask, int width, int height, int stride);

    const std::vector<TRect>& Rects() const { return FRects; }
    bool IsEmpty() const { return FRects.empty(); }
    bool IsRect() const { return FRects.size() == 1; }
    // The smallest rectangle holding the region ({} when empty).
    TRect Bounds() const;
    bool Contains(int x, int y) const;
    bool Contains(TPoint p) const { return Contains(p.X, p.Y); }
    // True when any pixel of r is in the region.
    bool Intersects(const TRect& r) const;

    void Offset(int dx, int dy);
    TRegion Union(const TRegion& o) const;
    TRegion Intersect(const TRegion& o) const;
    TRegion Subtract(const TRegion& o) const;
    TRegion Xor(const TRegion& o) const;
    TRegion Intersect(const TRect& r) const;

    // Same pixels (whatever the split into rectangles).
    bool SameAs(const TRegion& o) const;

private:
    enum class Op { Or, And, Diff, Xor };
    static TRegion Combine(const TRegion& a, const TRegion& b, Op op);
    std::vector<TRect> FRects;
};
