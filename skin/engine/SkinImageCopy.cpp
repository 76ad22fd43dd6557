#include "skin/engine/SkinImageCopy.h"

#include "platform/gdi/TCanvas.h"

#include <algorithm>

void SkinCopyPart(TCanvas& dst, const TRect& d, TCanvas& src, const TRect& s) {
    if (d.IsEmpty() || s.IsEmpty()) return;
    dst.CopyRect(d, src, s);
}

void SkinTileHorz(TCanvas& dst, const TRect& d, TCanvas& src, const TRect& s) {
    const int w = s.Width();
    if (w <= 0 || s.Height() <= 0 || d.IsEmpty()) return;
    for (int x = d.Left; x < d.Right; x += w) {
        const int n = std::min(w, d.Right - x);
        SkinCopyPart(dst, {x, d.Top, x + n, d.Bottom}, src, {s.Left, s.Top, s.Left + n, s.Bottom});
    }
}

void SkinTileVert(TCanvas& dst, const TRect& d, TCanvas& src, const TRect& s) {
    const int h = s.Height();
    if (h <= 0 || s.Width() <= 0 || d.IsEmpty()) return;
    for (int y = d.Top; y < d.Bottom; y += h) {
        const int n = std::min(h, d.Bottom - y);
        SkinCopyPart(dst, {d.Left, y, d.Right, y + n}, src, {s.Left, s.Top, s.Right, s.Top + n});
    }
}

void SkinTileBoth(TCanvas& dst, const TRect& d, TCanvas& src, const TRect& s) {
    const int w = s.Width();
    const int h = s.Height();
    if (w <= 0 || h <= 0 || d.IsEmpty()) return;
    for (int x = d.Left; x < d.Right; x += w) {
        const int nw = std::min(w, d.Right - x);
        for (int y = d.Top; y < d.Bottom; y += h) {
            const int nh = std::min(h, d.Bottom - y);
            SkinCopyPart(dst, {x, y, x + nw, y + nh}, src, {s.Left, s.Top, s.Left + nw, s.Top + nh});
        }
    }
}
