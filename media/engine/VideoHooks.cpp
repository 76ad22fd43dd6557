// The hooks a running conversion passes its video pictures through: before
// encoding, deinterlacing and then the custom hook or the frame-hook
// modules; after encoding, the preview bitmap event or the preview window.

#include <cstring>

#include "media/AVBindings.h"
#include "media/engine/Deinterlace.h"
#include "media/engine/EngineHooks.h"
#include "media/engine/EngineLog.h"
#include "media/engine/FrameHooks.h"
#include "media/engine/TCustomFFmpeg.h"
#include "media/engine/TranscodeTables.h"
#include "platform/gdi/TBitmap.h"
#include "platform/sys/MainThread.h"

namespace {

TAVPicture PictureOf(const AVFrame* AFrame) {
    TAVPicture p;
    for (int i = 0; i < 4; ++i) {
        p.data[i] = AFrame->data[i];
        p.linesize[i] = AFrame->linesize[i];
    }
    return p;
}

} // namespace

AVFrame* TCustomFFmpeg::PreProcessVideoFrame(TAVInputStream& ist, AVFrame* frame) {
    ++FHookFrameNumber;
    if (!Fdo_deinterlace && !FOnCustomHook && !Fusing_vhook) return frame;

    // Decoded pictures may be shared with the decoder: the hooks work on a
    // buffer of their own. One the encoder still holds is left to it.
    if (!FHookBuf) FHookBuf = av::av_frame_alloc();
    if (!ist.work) ist.work = av::av_frame_alloc();
    if (!FHookBuf || !ist.work) {
        Log(llError, "hook buf malloc error.");
        return frame;
    }
    if (FHookBuf->width != frame->width || FHookBuf->height != frame->height ||
        FHookBuf->format != frame->format || !av::av_frame_is_writable(FHookBuf)) {
        av::av_frame_unref(FHookBuf);
        FHookBuf->width = frame->width;
        FHookBuf->height = frame->height;
        FHookBuf->format = frame->format;
        if (av::av_frame_get_buffer(FHookBuf, 0) < 0) {
            av::av_frame_unref(FHookBuf);
            Log(llError, "hook buf malloc error.");
            return frame;
        }
    }
    const auto format = static_cast<AVPixelFormat>(frame->format);
    TAVPicture picture = PictureOf(FHookBuf);
    const TAVPicture source = PictureOf(frame);
    bool copied = false;
    if (Fdo_deinterlace) {
        copied = DeinterlacePicture(picture, source, format, frame->width, frame->height);
        if (!copied) Log(llError, "Deinterlacing failed.");
    }
    if (!copied)
        av::av_image_copy(picture.data, picture.linesize, const_cast<const uint8_t**>(source.data),
                          source.linesize, format, frame->width, frame->height);

    if (FOnCustomHook) {
        if (!RunCustomHook(picture, frame, ist.pts)) StopCustomHook();
    } else if (Fusing_vhook) {
        ProcessFrameHooks(FFirstHook.get(), picture, frame->format, frame->width, frame->height, ist.pts);
    }

    // Encoding goes on with the processed picture, timed as the decoded one.
    AVFrame* out = ist.work;
    av::av_frame_unref(out);
    if (av::av_frame_ref(out, FHookBuf) < 0 || av::av_frame_copy_props(out, frame) < 0) {
        av::av_frame_unref(out);
        Log(llError, "hook buf malloc error.");
        return frame;
    }
    return out;
}

bool TCustomFFmpeg::RunCustomHook(TAVPicture& APicture, const AVFrame* ASource, int64_t APTS) {
    TRGBConvertContext& c = FHookContext->Context;
    const auto format = static_cast<AVPixelFormat>(ASource->format);
    const int width = ASource->width, height = ASource->height;
    if (!PictureToBitmap(c, APicture, format, width, height, ASource->color_range, ASource->colorspace)) {
        Log(llError, "Cannot initialize the toRGB conversion context");
        return false;
    }
    bool update = true, stop = false;
    const TCustomHookEvent handler = FOnCustomHook;
    try {
        handler(this, c.Bitmap.get(), FHookFrameNumber, APTS, update, stop);
    } catch (const Exception& e) {
        Log(llError, "Error occurs OnCustomHook: " + e.Message());
        update = false;
    }
    if (update) {
        // The rows go back into the picture the bitmap was made from: the
        // picture itself when it is laid out as the bitmap, else the RGB
        // picture, converted back below.
        const bool same = format == c.RGBPixFmt;
        TAVPicture& rgb = same ? APicture : c.RGBPicture;
        if (!rgb.data[0]) {
            Log(llError, "Cannot initialize the fromRGB conversion context");
            return false;
        }
        const size_t rowBytes = static_cast<size_t>(width) * 4;
        for (int y = 0; y < height; ++y)
            std::memcpy(rgb.data[0] + static_cast<ptrdiff_t>(y) * rgb.linesize[0], c.Bitmap->ScanLine(y),
                        rowBytes);
        if (!same) {
            c.fromRGB_convert_ctx =
                av::sws_getCachedContext(c.fromRGB_convert_ctx, width, height, c.RGBPixFmt, width, height,
                                         format, SWS_BICUBIC, nullptr, nullptr, nullptr);
            if (!c.fromRGB_convert_ctx) {
                Log(llError, "Cannot initialize the fromRGB conversion context");
                return false;
            }
            // Back into the range and colour space the picture came in.
            int* invTable = nullptr;
            int* table = nullptr;
            int srcRange = 0, dstRange = 0, brightness = 0, contrast = 0, saturation = 0;
            if (av::sws_getColorspaceDetails(c.fromRGB_convert_ctx, &invTable, &srcRange, &table, &dstRange,
                                             &brightness, &contrast, &saturation) >= 0) {
                if (ASource->color_range == AVCOL_RANGE_JPEG)
                    dstRange = 1;
                else if (ASource->color_range == AVCOL_RANGE_MPEG)
                    dstRange = 0;
                const int space =
                    ASource->colorspace == AVCOL_SPC_UNSPECIFIED ? SWS_CS_DEFAULT : ASource->colorspace;
                av::sws_setColorspaceDetails(c.fromRGB_convert_ctx, invTable, srcRange,
                                             av::sws_getCoefficients(space), dstRange, brightness, contrast,
                                             saturation);
            }
            av::sws_scale(c.fromRGB_convert_ctx, rgb.data, rgb.linesize, 0, height, APicture.data,
                          APicture.linesize);
        }
    }
    return !stop;
}

void TCustomFFmpeg::StopCustomHook() {
    FOnCustomHook = nullptr;
    Fusing_vhook = false;
}

void TCustomFFmpeg::RunPostHooks(AVFrame* APicture, AVCodecContext* enc) {
    // The set and the window are taken under the lock and used without it:
    // showing a frame waits for the GUI thread, which may be setting the
    // hooks meanwhile.
    TPostHooks hooks;
    std::shared_ptr<TPreviewer> previewer, dropped;
    {
        std::lock_guard lock(PostHookLock());
        hooks = FPostHooks;
        previewer = FPostContext->Previewer;
        dropped = std::move(FPostContext->Retired);
    }
    dropped.reset();
    if (hooks.Empty()) return;
    TPostHookContext& ctx = *FPostContext;
    const int64_t pts = APicture->pts == AV_NOPTS_VALUE
                            ? AV_NOPTS_VALUE
                            : av::av_rescale_q(APicture->pts, enc->time_base, AV_TIME_BASE_Q);
    const TPreviewBitmapEvent bitmapHandler = FOnPreviewBitmap;
    const bool bitmap = hooks.Contains(TPostHook::phBitmap) && bitmapHandler;
    if (!bitmap && !hooks.Contains(TPostHook::phPreview)) return;

    ctx.preview_cur_time = av::av_gettime_relative();
    if (ctx.preview_last_time != 0 && ctx.preview_cur_time - ctx.preview_last_time <= PreviewInterval) return;
    ctx.preview_last_time = ctx.preview_cur_time;

    TPostHooks failed;
    const TPostHook hook = bitmap ? TPostHook::phBitmap : TPostHook::phPreview;
    if (!PictureToBitmap(ctx.Context, APicture)) {
        Log(llError, "Cannot initialize the toRGB conversion context");
        failed.Include(hook);
    } else if (bitmap) {
        bitmapHandler(this, ctx.Context.Bitmap.get(), FHookFrameNumber, pts);
    } else {
        if (!previewer) {
            std::lock_guard lock(PostHookLock());
            // Made only while the window is still wanted.
            if (FPostHooks.Contains(TPostHook::phPreview)) {
                if (!FPostContext->Previewer) FPostContext->Previewer = std::make_shared<TPreviewer>();
                previewer = FPostContext->Previewer;
            }
        }
        if (previewer && !previewer->PaintFrame(ctx.Context.Bitmap.get(), FHookFrameNumber, pts))
            failed.Include(hook);
    }
    if (failed.Empty()) return;
    std::shared_ptr<TPreviewer> retired;
    {
        // Only the hook that failed goes; the owner may have changed the others.
        std::lock_guard lock(PostHookLock());
        TPostHooks now = FPostHooks;
        now.Exclude(hook);
        SetPostHooksUnlocked(now);
        retired = std::move(FPostContext->Retired);
    }
    // The window (when this was its last holder) is freed here, unlocked.
}

void TCustomFFmpeg::RetirePreviewer() {
    std::shared_ptr<TPreviewer>& previewer = FPostContext->Previewer;
    if (!previewer) return;
    // Freeing the window waits for the GUI thread: elsewhere it is left for
    // whoever holds the lock to drop after releasing it.
    if (IsGuiThread())
        previewer.reset();
    else
        FPostContext->Retired = std::move(previewer);
}

void TCustomFFmpeg::ReleaseHooks() {
    ReleaseFrameHooks(FFirstHook);
    av::av_frame_free(&FHookBuf);
    ClearRGBContext(FHookContext->Context);
    std::shared_ptr<TPreviewer> previewer, retired;
    {
        std::lock_guard lock(PostHookLock());
        previewer = std::move(FPostContext->Previewer);
        retired = std::move(FPostContext->Retired);
    }
    previewer.reset();
    retired.reset();
    ClearRGBContext(FPostContext->Context);
    FPostContext->preview_last_time = 0;
    FPostContext->preview_cur_time = 0;
}
