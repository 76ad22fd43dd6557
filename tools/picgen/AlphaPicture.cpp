#include "AlphaPicture.h"

#include <algorithm>
#include <cmath>

TBitmap AlphaPicture(int Width, int Height, const std::function<void(TSkinPainter&)>& Draw) {
    TBitmap black(Width, Height), white(Width, Height);
    black.SetPixelFormat(pf32bit);
    white.SetPixelFormat(pf32bit);
    black.Fill(0xFF000000u);
    white.Fill(0xFFFFFFFFu);
    {
        TSkinPainter p(black);
        Draw(p);
    }
    {
        TSkinPainter p(white);
        Draw(p);
    }
    TBitmap out(Width, Height);
    out.SetPixelFormat(pf32bit);
    out.SetAlphaFormat(afDefined);
    for (int y = 0; y < Height; ++y) {
        const uint32_t* b = black.ScanLine(y);
        const uint32_t* w = white.ScanLine(y);
        uint32_t* o = out.ScanLine(y);
        for (int x = 0; x < Width; ++x) {
            int spread = 0;
            for (int s = 0; s < 24; s += 8)
                spread += int((w[x] >> s) & 0xFF) - int((b[x] >> s) & 0xFF);
            const int alpha = std::clamp(255 - int(std::lround(spread / 3.0)), 0, 255);
            uint32_t px = uint32_t(alpha) << 24;
            if (alpha > 0)
                for (int s = 0; s < 24; s += 8) {
                    const int c = int(std::lround(((b[x] >> s) & 0xFF) * 255.0 / alpha));
                    px |= uint32_t(std::min(c, 255)) << s;
                }
            o[x] = px;
        }
    }
    return out;
}

TBitmap DisabledPicture(const TBitmap& Picture) {
    TBitmap out = Picture;
    for (int y = 0; y < out.Height(); ++y) {
        uint32_t* row = out.ScanLine(y);
        for (int x = 0; x < out.Width(); ++x) {
            const uint32_t px = row[x];
            const uint32_t luma =
                (((px >> 16) & 0xFF) * 30 + ((px >> 8) & 0xFF) * 59 + (px & 0xFF) * 11) / 100;
            const uint32_t gray = 120 + luma / 3;
            const uint32_t alpha = (px >> 24) * 3 / 5;
            row[x] = (alpha << 24) | (gray << 16) | (gray << 8) | gray;
        }
    }
    return out;
}
