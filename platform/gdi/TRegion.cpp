#include "platform/gdi/TRegion.h"

#include "platform/gdi/TBitmap.h"

#include <algorithm>
#include <utility>

namespace {

using Spans = std::vector<std::pair<int, int>>; // [left, right) sorted, disjoint, not touching

struct Band {
    int Top, Bottom;
    Spans Xs;
};

std::vector<Band> ToBands(const std::vector<TRect>& rects) {
    std::vector<Band> bands;
    for (const TRect& r : rects) {
        if (bands.empty() || bands.back().Top != r.Top || bands.back().Bottom != r.Bottom)
            bands.push_back({r.Top, r.Bottom, {}});
        bands.back().Xs.emplace_back(r.Left, r.Right);
    }
    return bands;
}

// Sorted spans, possibly overlapping, merged into disjoint ones.
Spans MergeSpans(Spans s) {
    std::sort(s.begin(), s.end());
    Spans out;
    for (auto& x : s) {
        if (!out.empty() && x.first <= out.back().second)
            out.back().second = std::max(out.back().second, x.second);
        else
            out.push_back(x);
    }
    return out;
}

template <typename Pred> Spans CombineSpans(const Spans& a, const Spans& b, Pred keep) {
    std::vector<int> xs;
    xs.reserve((a.size() + b.size()) * 2);
    for (auto& s : a)
        xs.insert(xs.end(), {s.first, s.second});
    for (auto& s : b)
        xs.insert(xs.end(), {s.first, s.second});
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    Spans out;
    size_t ia = 0, ib = 0;
    for (size_t k = 0; k + 1 < xs.size(); ++k) {
        int x0 = xs[k], x1 = xs[k + 1];
        while (ia < a.size() && a[ia].second <= x0)
            ++ia;
        while (ib < b.size() && b[ib].second <= x0)
            ++ib;
        bool inA = ia < a.size() && a[ia].first <= x0;
        bool inB = ib < b.size() && b[ib].first <= x0;
        if (!keep(inA, inB)) continue;
        if (!out.empty() && out.back().second == x0)
            out.back().second = x1;
        else
            out.emplace_back(x0, x1);
    }
    return out;
}

void AppendBand(std::vector<TRect>& out, int top, int bottom, const Spans& xs) {
    for (auto& s : xs)
        out.push_back({s.first, top, s.second, bottom});
}

} // namespace

TRegion::TRegion(const TRect& r) {
    if (!r.IsEmpty()) FRects.push_back(r);
}

TRegion TRegion::FromRects(std::span<const TRect> rects) {
    std::vector<TRect> rs;
    rs.reserve(rects.size());
    for (const TRect& r : rects)
        if (!r.IsEmpty()) rs.push_back(r);
    std::sort(rs.begin(), rs.end(), [](const TRect& a, const TRect& b) { return a.Top < b.Top; });
    std::vector<int> ys;
    for (const TRect& r : rs)
        ys.insert(ys.end(), {r.Top, r.Bottom});
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

    TRegion out;
    std::vector<const TRect*> active;
    size_t next = 0;
    for (size_t k = 0; k + 1 < ys.size(); ++k) {
        int y0 = ys[k], y1 = ys[k + 1];
        while (next < rs.size() && rs[next].Top <= y0)
            active.push_back(&rs[next++]);
        std::erase_if(active, [&](const TRect* r) { return r->Bottom <= y0; });
        if (active.empty()) continue;
        Spans xs;
        for (const TRect* r : active)
            xs.emplace_back(r->Left, r->Right);
        AppendBand(out.FRects, y0, y1, MergeSpans(std::move(xs)));
    }
    return out;
}

TRegion TRegion::FromMask(const TBitmap& mask, int x, int y) {
    TRegion out;
    for (int row = 0; row < mask.Height(); ++row) {
        const uint32_t* p = mask.ScanLine(row);
        for (int col = 0; col < mask.Width();) {
            if ((p[col] & 0xFFFFFF) != 0) {
                ++col;
                continue;
            }
            int start = col;
            while (col < mask.Width() && (p[col] & 0xFFFFFF) == 0)
                ++col;
            out.FRects.push_back({start + x, row + y, col + x, row + y + 1});
        }
    }
    return out;
}

TRegion TRegion::FromByteMask(const uint8_t* mask, int width, int height, int stride) {
    TRegion out;
    for (int row = 0; row < height; ++row) {
        const uint8_t* p = mask + size_t(row) * size_t(stride);
        for (int col = 0; col < width;) {
            if (!p[col]) {
                ++col;
                continue;
            }
            int start = col;
            while (col < width && p[col])
                ++col;
            out.FRects.push_back({start, row, col, row + 1});
        }
    }
    return out;
}

TRect TRegion::Bounds() const {
    if (FRects.empty()) return {};
    TRect b{FRects.front().Left, FRects.front().Top, FRects.front().Right, FRects.back().Bottom};
    for (const TRect& r : FRects) {
        b.Left = std::min(b.Left, r.Left);
        b.Right = std::max(b.Right, r.Right);
    }
    return b;
}

bool TRegion::Contains(int x, int y) const {
    for (const TRect& r : FRects) {
        if (r.Top > y) break;
        if (y < r.Bottom && x >= r.Left && x < r.Right) return true;
    }
    return false;
}

bool TRegion::Intersects(const TRect& rc) const {
    if (rc.IsEmpty()) return false;
    for (const TRect& r : FRects) {
        if (r.Top >= rc.Bottom) break;
        TRect t;
        if (IntersectRect(t, r, rc)) return true;
    }
    return false;
}

void TRegion::Offset(int dx, int dy) {
    for (TRect& r : FRects)
        OffsetRect(r, dx, dy);
}

TRegion TRegion::Combine(const TRegion& a, const TRegion& b, Op op) {
    std::vector<Band> ba = ToBands(a.FRects), bb = ToBands(b.FRects);
    std::vector<int> ys;
    for (auto& x : ba)
        ys.insert(ys.end(), {x.Top, x.Bottom});
    for (auto& x : bb)
        ys.insert(ys.end(), {x.Top, x.Bottom});
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

    auto keep = [op](bool inA, bool inB) {
        switch (op) {
        case Op::Or:
            return inA || inB;
        case Op::And:
            return inA && inB;
        case Op::Diff:
            return inA && !inB;
        case Op::Xor:
            return inA != inB;
        }
        return false;
    };
    static const Spans kNone;
    std::vector<Band> out;
    size_t ia = 0, ib = 0;
    for (size_t k = 0; k + 1 < ys.size(); ++k) {
        int y0 = ys[k], y1 = ys[k + 1];
        while (ia < ba.size() && ba[ia].Bottom <= y0)
            ++ia;
        while (ib < bb.size() && bb[ib].Bottom <= y0)
            ++ib;
        const Spans& sa = (ia < ba.size() && ba[ia].Top <= y0) ? ba[ia].Xs : kNone;
        const Spans& sb = (ib < bb.size() && bb[ib].Top <= y0) ? bb[ib].Xs : kNone;
        Spans xs = CombineSpans(sa, sb, keep);
        if (xs.empty()) continue;
        if (!out.empty() && out.back().Bottom == y0 && out.back().Xs == xs)
            out.back().Bottom = y1;
        else
            out.push_back({y0, y1, std::move(xs)});
    }
    TRegion r;
    for (auto& band : out)
        AppendBand(r.FRects, band.Top, band.Bottom, band.Xs);
    return r;
}

TRegion TRegion::Union(const TRegion& o) const {
    return Combine(*this, o, Op::Or);
}
TRegion TRegion::Intersect(const TRegion& o) const {
    return Combine(*this, o, Op::And);
}
TRegion TRegion::Subtract(const TRegion& o) const {
    return Combine(*this, o, Op::Diff);
}
TRegion TRegion::Xor(const TRegion& o) const {
    return Combine(*this, o, Op::Xor);
}

TRegion TRegion::Intersect(const TRect& rc) const {
    TRegion out;
    if (rc.IsEmpty()) return out;
    for (const TRect& r : FRects) {
        TRect t;
        if (IntersectRect(t, r, rc)) out.FRects.push_back(t);
    }
    return out; // clipping keeps bands valid (each band's rectangles are cut alike)
}

bool TRegion::SameAs(const TRegion& o) const {
    TRegion empty;
    return Combine(*this, empty, Op::Or).FRects == Combine(o, empty, Op::Or).FRects;
}
