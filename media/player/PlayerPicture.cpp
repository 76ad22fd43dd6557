// Pictures on their way to the display queue: turned upside down when asked,
// and handed to the component's hook. Runs on the video thread.

#include "media/player/PlayerEngine.h"
#include "media/player/TPlayerOwner.h"

#include <cmath>

namespace {

// A new frame holding the picture upside down.
AVFrame* FlippedCopy(const AVFrame* ASrc) {
    const AVPixFmtDescriptor* desc = av::av_pix_fmt_desc_get(AVPixelFormat(ASrc->format));
    if (!desc || (desc->flags & (AV_PIX_FMT_FLAG_PAL | AV_PIX_FMT_FLAG_BITSTREAM | AV_PIX_FMT_FLAG_HWACCEL)))
        return nullptr;
    AVFrame* dst = av::av_frame_alloc();
    if (!dst) return nullptr;
    dst->format = ASrc->format;
    dst->width = ASrc->width;
    dst->height = ASrc->height;
    if (av::av_frame_get_buffer(dst, 0) < 0 || av::av_frame_copy_props(dst, ASrc) < 0) {
        av::av_frame_free(&dst);
        return nullptr;
    }
    const uint8_t* src[4] = {};
    int linesize[4] = {};
    for (int p = 0; p < 4 && ASrc->data[p]; ++p) {
        const int rows =
            (p == 1 || p == 2) ? AV_CEIL_RSHIFT(ASrc->height, desc->log2_chroma_h) : ASrc->height;
        src[p] = ASrc->data[p] + ptrdiff_t(rows - 1) * ASrc->linesize[p];
        linesize[p] = -ASrc->linesize[p];
    }
    av::av_image_copy(dst->data, dst->linesize, src, linesize, AVPixelFormat(ASrc->format), ASrc->width,
                      ASrc->height);
    return dst;
}

} // namespace

void PreparePicture(TVideoState* is, AVFrame* AFrame, double APts) {
    TPlayerOwner* owner = is->Owner;
    const bool flip = owner->VerticalFlip();
    const bool hook = owner->HookActive();
    if (!flip && !hook) return;
    if (flip) {
        AVFrame* flipped = FlippedCopy(AFrame);
        if (flipped) {
            av::av_frame_unref(AFrame);
            av::av_frame_move_ref(AFrame, flipped);
            av::av_frame_free(&flipped);
        }
    } else if (av::av_frame_make_writable(AFrame) < 0) {
        return; // the decoder's own buffer is never drawn on
    }
    if (hook) {
        const int64_t start = is->StartTime != AV_NOPTS_VALUE ? is->StartTime : 0;
        owner->HookPicture(AFrame, std::llround(APts * 1000000.0) - start);
    }
}
