#include "media/engine/Deinterlace.h"

#include <algorithm>
#include <cstring>

namespace {

void DeinterlacePlane(uint8_t* ADest, int ADestStride, const uint8_t* ASource, int ASourceStride, int AWidth,
                      int AHeight) {
    auto line = [&](int y) {
        return ASource + static_cast<ptrdiff_t>(std::clamp(y, 0, AHeight - 1)) * ASourceStride;
    };
    for (int y = 0; y < AHeight; ++y) {
        uint8_t* out = ADest + static_cast<ptrdiff_t>(y) * ADestStride;
        if (y % 2 == 0) {
            std::memcpy(out, line(y), static_cast<size_t>(AWidth));
            continue;
        }
        const uint8_t *m2 = line(y - 2), *m1 = line(y - 1), *c = line(y), *p1 = line(y + 1),
                      *p2 = line(y + 2);
        for (int x = 0; x < AWidth; ++x) {
            const int sum = -m2[x] + 4 * m1[x] + 2 * c[x] + 4 * p1[x] - p2[x];
            out[x] = static_cast<uint8_t>(std::clamp((sum + 4) >> 3, 0, 255));
        }
    }
}

} // namespace

bool DeinterlacePicture(TAVPicture& ADest, const TAVPicture& ASource, AVPixelFormat APixFmt, int AWidth,
                        int AHeight) {
    int shiftW = 0, shiftH = 0, planes = 3;
    switch (APixFmt) {
    case AV_PIX_FMT_YUV420P:
    case AV_PIX_FMT_YUVJ420P:
        shiftW = shiftH = 1;
        break;
    case AV_PIX_FMT_YUV422P:
    case AV_PIX_FMT_YUVJ422P:
        shiftW = 1;
        break;
    case AV_PIX_FMT_YUV444P:
    case AV_PIX_FMT_YUVJ444P:
        break;
    case AV_PIX_FMT_YUV411P:
        shiftW = 2;
        break;
    case AV_PIX_FMT_GRAY8:
        planes = 1;
        break;
    default:
        return false;
    }
    if (AWidth <= 0 || AHeight <= 0 || AWidth % 4 != 0 || AHeight % 4 != 0) return false;
    for (int p = 0; p < planes; ++p) {
        if (!ASource.data[p] || !ADest.data[p]) return false;
        const int w = p == 0 ? AWidth : AWidth >> shiftW;
        const int h = p == 0 ? AHeight : AHeight >> shiftH;
        DeinterlacePlane(ADest.data[p], ADest.linesize[p], ASource.data[p], ASource.linesize[p], w, h);
    }
    return true;
}
