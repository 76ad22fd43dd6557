#include "platform/gdi/Blend.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TDeviceContext.h"

#include <cstring>
#include <vector>

bool TDeviceContext::BitBlt(int x, int y, int w, int h, TDeviceContext& src, int sx, int sy, uint32_t rop) {
    return StretchBlt(x, y, w, h, src, sx, sy, w, h, rop);
}

bool TDeviceContext::StretchBlt(int x, int y, int w, int h, TDeviceContext& src, int sx, int sy, int sw,
                                int sh, uint32_t rop) {
    BlitParams p;
    p.Mode = rop == SRCCOPY ? BlitMode::Copy : BlitMode::Rop;
    p.Rop = rop;
    return Blit(x, y, w, h, src, sx, sy, sw, sh, p);
}

bool TDeviceContext::TransparentBlt(int x, int y, int w, int h, TDeviceContext& src, int sx, int sy, int sw,
                                    int sh, TColor key) {
    BlitParams p;
    p.Mode = BlitMode::Key;
    TColor k = ColorToRGB(key);
    p.Key = (uint32_t(GetRValue(k)) << 16) | (uint32_t(GetGValue(k)) << 8) | GetBValue(k);
    return Blit(x, y, w, h, src, sx, sy, sw, sh, p);
}

bool TDeviceContext::AlphaBlend(int x, int y, int w, int h, TDeviceContext& src, int sx, int sy, int sw,
                                int sh, BLENDFUNCTION blend) {
    BlitParams p;
    p.Mode = BlitMode::Alpha;
    p.Blend = blend;
    return Blit(x, y, w, h, src, sx, sy, sw, sh, p);
}

bool TDeviceContext::Blit(int x, int y, int w, int h, TDeviceContext& src, int sx, int sy, int sw, int sh,
                          const BlitParams& params) {
    if (!FTarget || w <= 0 || h <= 0) return false;
    // Operations that read no source.
    if (params.Mode == BlitMode::Rop) {
        TRect d = LogicalToBitmap(Bounds(x, y, w, h));
        switch (params.Rop) {
        case BLACKNESS:
            FillBitmapRect(d, 0);
            return true;
        case WHITENESS:
            FillBitmapRect(d, 0xFFFFFF);
            return true;
        case DSTINVERT:
            InvertRect(Bounds(x, y, w, h));
            return true;
        case PATCOPY:
            if (FState.Brush && FState.Brush->Style != BS_NULL)
                FillRect(Bounds(x, y, w, h), FState.Brush->Color);
            return true;
        default:
            break;
        }
    }
    if (!src.FTarget || sw <= 0 || sh <= 0) return false;

    const TRect dst = LogicalToBitmap(Bounds(x, y, w, h));
    const TRect srcRect = src.LogicalToBitmap(Bounds(sx, sy, sw, sh));
    TRect avail; // the source pixels that exist
    if (!IntersectRect(avail, srcRect, {0, 0, src.FTarget->Width(), src.FTarget->Height()})) return true;

    // Reading and writing one bitmap: read from a copy of the source part.
    const TBitmap* S = src.FTarget;
    int offX = 0, offY = 0;
    TBitmap copy;
    if (S == FTarget) {
        copy.SetSize(avail.Width(), avail.Height());
        for (int row = 0; row < avail.Height(); ++row)
            std::memcpy(copy.ScanLine(row), S->ScanLine(avail.Top + row) + avail.Left,
                        size_t(avail.Width()) * 4);
        S = &copy;
        offX = avail.Left;
        offY = avail.Top;
    }

    std::vector<int> cols(static_cast<size_t>(w)), rows(static_cast<size_t>(h));
    for (int u = 0; u < w; ++u) {
        int i = srcRect.Left + StretchIndex(u, sw, w);
        cols[size_t(u)] = (i >= avail.Left && i < avail.Right) ? i - offX : -1;
    }
    for (int v = 0; v < h; ++v) {
        int i = srcRect.Top + StretchIndex(v, sh, h);
        rows[size_t(v)] = (i >= avail.Top && i < avail.Bottom) ? i - offY : -1;
    }

    const bool identityX = sw == w;
    const bool dstAlpha = FTarget->HasAlpha();
    const bool useSrcAlpha = (params.Blend.AlphaFormat & AC_SRC_ALPHA) != 0;
    const bool srcAlpha = src.FTarget->HasAlpha();
    const uint32_t sca = params.Blend.SourceConstantAlpha;

    std::vector<uint32_t> row; // a stretched source row, for the blend
    for (const TRect& c : EffectiveClip().Rects()) {
        TRect t;
        if (!IntersectRect(t, c, dst)) continue;
        // The destination columns whose source exists (contiguous, the tables are monotonic).
        int u0 = t.Left - dst.Left, u1 = t.Right - dst.Left;
        while (u0 < u1 && cols[size_t(u0)] < 0)
            ++u0;
        while (u1 > u0 && cols[size_t(u1 - 1)] < 0)
            --u1;
        if (u0 >= u1) continue;
        for (int yy = t.Top; yy < t.Bottom; ++yy) {
            int sr = rows[size_t(yy - dst.Top)];
            if (sr < 0) continue;
            const uint32_t* sp = S->ScanLine(sr);
            uint32_t* dp = FTarget->ScanLine(yy) + dst.Left;
            switch (params.Mode) {
            case BlitMode::Copy:
                if (identityX) {
                    std::memcpy(dp + u0, sp + cols[size_t(u0)], size_t(u1 - u0) * 4);
                } else {
                    for (int u = u0; u < u1; ++u)
                        dp[u] = sp[cols[size_t(u)]];
                }
                break;
            case BlitMode::Key:
                for (int u = u0; u < u1; ++u) {
                    uint32_t s = sp[cols[size_t(u)]];
                    if (((s ^ params.Key) & 0xFFFFFFu) != 0) dp[u] = s;
                }
                break;
            case BlitMode::Alpha:
                // A source without alpha counts as opaque: 255 * sca / 255 is sca.
                if (identityX) {
                    BlendLine(dp + u0, sp + cols[size_t(u0)], u1 - u0, sca, useSrcAlpha && srcAlpha,
                              dstAlpha);
                } else {
                    row.resize(size_t(u1 - u0));
                    for (int u = u0; u < u1; ++u)
                        row[size_t(u - u0)] = sp[cols[size_t(u)]];
                    BlendLine(dp + u0, row.data(), u1 - u0, sca, useSrcAlpha && srcAlpha, dstAlpha);
                }
                break;
            case BlitMode::Rop:
                for (int u = u0; u < u1; ++u) {
                    uint32_t s = sp[cols[size_t(u)]] & 0xFFFFFFu, d = dp[u];
                    uint32_t rgb;
                    switch (params.Rop) {
                    case SRCPAINT:
                        rgb = d | s;
                        break;
                    case SRCAND:
                        rgb = d & s;
                        break;
                    case SRCINVERT:
                        rgb = d ^ s;
                        break;
                    case NOTSRCCOPY:
                        rgb = ~s;
                        break;
                    default:
                        rgb = s;
                        break;
                    }
                    dp[u] = (d & 0xFF000000u) | (rgb & 0xFFFFFFu);
                }
                break;
            }
        }
    }
    return true;
}
