// The display half of the player engine: the refresh step that shows due
// pictures, the video surface and overlay, and the SDL events of the play
// thread. Every SDL video call here runs on the play thread.

#include "media/player/PlayerEngine.h"
#include "media/player/TPlayerOwner.h"

#include <chrono>
#include <cmath>
#include <cstring>
#include <mutex>
#include <thread>

namespace {

constexpr Uint32 SurfaceFlags = SDL_HWSURFACE | SDL_ASYNCBLIT | SDL_HWACCEL | SDL_RESIZABLE;

std::mutex ProbeLock;
TScreenProbe ScreenProbe;

// The display's depth, except that a palettised display (SDL's dummy driver
// says 8 bits) gets 32: overlays dithered to 256 colours lose the picture.
int SurfaceBpp() {
    const SDL_VideoInfo* info = sdl::SDL_GetVideoInfo();
    if (info && info->vfmt && info->vfmt->BitsPerPixel <= 8) return 32;
    return 0;
}

SDL_Surface* SetVideoMode(int AWidth, int AHeight) {
    return sdl::SDL_SetVideoMode(AWidth, AHeight, SurfaceBpp(), SurfaceFlags);
}

// The picture's rectangle in the area: the aspect fitted in, even sizes,
// centred (halves toward zero).
SDL_Rect FitPicture(const TVideoState* is, double AAspect) {
    int dh = is->height;
    int dw = int(std::lrint(dh * AAspect)) & ~1;
    if (dw > is->width) {
        dw = is->width;
        dh = int(std::lrint(dw / AAspect)) & ~1;
    }
    dw = std::max(dw, 0);
    dh = std::max(dh, 0);
    SDL_Rect rect;
    rect.x = Sint16(is->xleft + (is->width - dw) / 2);
    rect.y = Sint16(is->ytop + (is->height - dh) / 2);
    rect.w = Uint16(dw);
    rect.h = Uint16(dh);
    return rect;
}

// Paints the area around the picture black: nothing of an earlier, larger
// picture stays in the bars.
void FillBars(TVideoState* is, const SDL_Rect& APicture) {
    const int x0 = is->xleft, y0 = is->ytop, x1 = x0 + is->width, y1 = y0 + is->height;
    const int px0 = APicture.x, py0 = APicture.y, px1 = px0 + APicture.w, py1 = py0 + APicture.h;
    SDL_Rect bars[4] = {
        {Sint16(x0), Sint16(y0), Uint16(is->width), Uint16(std::max(py0 - y0, 0))},
        {Sint16(x0), Sint16(py1), Uint16(is->width), Uint16(std::max(y1 - py1, 0))},
        {Sint16(x0), Sint16(py0), Uint16(std::max(px0 - x0, 0)), Uint16(APicture.h)},
        {Sint16(px1), Sint16(py0), Uint16(std::max(x1 - px1, 0)), Uint16(APicture.h)},
    };
    const Uint32 black = sdl::SDL_MapRGB(is->screen->format, 0, 0, 0);
    SDL_Rect painted[4];
    int n = 0;
    for (SDL_Rect& bar : bars) {
        if (bar.w == 0 || bar.h == 0) continue;
        sdl::SDL_FillRect(is->screen, &bar, black);
        painted[n++] = bar;
    }
    if (n) sdl::SDL_UpdateRects(is->screen, n, painted);
}

void PushUserEvent(Uint8 AType, void* AData) {
    SDL_Event event{};
    event.type = AType;
    event.user.data1 = AData;
    sdl::SDL_PushEvent(&event);
}

void FreeOverlay(TVideoState* is) {
    if (is->overlay) {
        sdl::SDL_FreeYUVOverlay(is->overlay);
        is->overlay = nullptr;
    }
}

void CopyPlane(uint8_t* ADst, int ADstPitch, const uint8_t* ASrc, int ASrcPitch, int AWidth, int AHeight) {
    for (int y = 0; y < AHeight; ++y)
        std::memcpy(ADst + size_t(y) * size_t(ADstPitch), ASrc + ptrdiff_t(y) * ASrcPitch, size_t(AWidth));
}

// The displayed picture into the overlay, letter-boxed into the surface.
void ShowVideoImage(TVideoState* is) {
    if (!is->screen || is->width <= 0 || is->height <= 0) return; // nothing to draw into
    std::lock_guard lock(is->displayed_lock);
    const AVFrame* f = is->displayed;
    if (!f || f->format != AV_PIX_FMT_YUV420P) return;
    const int w = f->width & ~1;
    const int h = f->height & ~1;
    if (w <= 0 || h <= 0) return;
    if (!is->overlay || is->overlay->w != w || is->overlay->h != h) {
        FreeOverlay(is);
        is->overlay = sdl::SDL_CreateYUVOverlay(w, h, SDL_YV12_OVERLAY, is->screen);
        if (!is->overlay) return;
    }
    SDL_Overlay* o = is->overlay;
    sdl::SDL_LockYUVOverlay(o);
    // YV12: the second plane is V, the third U.
    CopyPlane(o->pixels[0], o->pitches[0], f->data[0], f->linesize[0], w, h);
    CopyPlane(o->pixels[2], o->pitches[2], f->data[1], f->linesize[1], w / 2, h / 2);
    CopyPlane(o->pixels[1], o->pitches[1], f->data[2], f->linesize[2], w / 2, h / 2);
    if (is->subtitle_st) BlendSubtitles(is, o, is->displayed_pts);
    sdl::SDL_UnlockYUVOverlay(o);

    const float wanted = is->Owner->AspectRatio();
    double aspect;
    if (wanted < 0) {
        aspect = double(is->width) / is->height;
    } else if (wanted > 0) {
        aspect = wanted;
    } else {
        const AVRational sar = f->sample_aspect_ratio;
        const double s = (sar.num > 0 && sar.den > 0) ? av_q2d(sar) : 1.0;
        aspect = s * f->width / f->height;
    }
    if (!(aspect > 0) || !std::isfinite(aspect)) aspect = double(w) / h;
    SDL_Rect rect = FitPicture(is, aspect);
    FillBars(is, rect);
    if (rect.w > 0 && rect.h > 0) sdl::SDL_DisplayYUVOverlay(o, &rect);
}

// Takes the head picture off the queue (it has been shown or is dropped).
void PopPicture(TVideoState* is) {
    TVideoPicture& vp = is->pictq[is->pictq_rindex];
    if (vp.Frame) av::av_frame_unref(vp.Frame);
    is->pictq_rindex = (is->pictq_rindex + 1) % VIDEO_PICTURE_QUEUE_SIZE;
    --is->pictq_size;
    is->pictq_cond.notify_all();
}

void SetVideoClock(TVideoState* is, double APts, double ATime, int64_t APos) {
    std::lock_guard lock(is->clock_lock);
    is->video_current_pts = APts;
    is->video_current_pts_drift = APts - ATime;
    is->video_current_pos = APos;
    is->video_clock_set = true;
}

} // namespace

void PostQuitEvent() {
    PushUserEvent(FF_QUIT_EVENT, nullptr);
}

void PostScreenEvent() {
    PushUserEvent(FF_SCREEN_EVENT, nullptr);
}

void PostAudioDisplayEvent(int AMode) {
    PushUserEvent(FF_AUDIO_DISPLAY_EVENT, reinterpret_cast<void*>(intptr_t(AMode)));
}

void SetScreenProbe(TScreenProbe AProbe) {
    std::lock_guard lock(ProbeLock);
    ScreenProbe = std::move(AProbe);
}

void CallScreenProbe(SDL_Surface* ASurface, double APts) {
    std::lock_guard lock(ProbeLock);
    if (!ScreenProbe || !ASurface) return;
    if (sdl::SDL_LockSurface(ASurface) < 0) return;
    ScreenProbe(ASurface, APts);
    sdl::SDL_UnlockSurface(ASurface);
}

int OpenVideoSurface(TVideoState* is, bool AForce) {
    int w = is->Owner->ScreenWidth();
    int h = is->Owner->ScreenHeight();
    if (w <= 0 || h <= 0) {
        if (is->video_ctx && is->video_ctx->width > 0 && is->video_ctx->height > 0) {
            w = is->video_ctx->width & ~1;
            h = is->video_ctx->height & ~1;
        } else {
            w = 640;
            h = 480;
        }
    }
    if (!AForce && is->screen && is->width == w && is->height == h) return 0;
    FreeOverlay(is); // overlays belong to the surface they were made for
    is->screen = SetVideoMode(w, h);
    if (!is->screen) {
        is->Owner->LogMessage(llError, "SDL: could not set video mode.");
        return -1;
    }
    if (!is->Owner->HasScreenHandle()) sdl::SDL_WM_SetCaption("VIDedazu", "VIDedazu");
    is->width = is->screen->w;
    is->height = is->screen->h;
    return 0;
}

void DisplayVideo(TVideoState* is) {
    if (!is->screen && OpenVideoSurface(is, false) < 0) return;
    if (is->audio_st && is->show_audio)
        ShowAudioDisplay(is);
    else if (is->video_st)
        ShowVideoImage(is);
    else
        return;
    double pts = -1;
    if (is->video_st) {
        std::lock_guard lock(is->displayed_lock);
        if (is->displayed) pts = is->displayed_pts;
    }
    CallScreenProbe(is->screen, pts);
}

void RefreshVideo(TVideoState* is, bool AConsume) {
    bool dropped = false;
    bool seek_shown = false; // the first picture of the pending seek is on the screen
    if (is->video_st) {
        for (;;) {
            std::unique_lock lock(is->pictq_mutex);
            if (is->pictq_size == 0) {
                lock.unlock();
                if (!AConsume) DisplayVideo(is);
                break;
            }
            TVideoPicture& vp = is->pictq[is->pictq_rindex];
            if (vp.Serial != is->videoq.Serial()) { // queued before a seek
                PopPicture(is);
                continue;
            }
            const bool first = vp.Serial != is->displayed_serial;
            if (is->paused && !first) {
                // Paused: only the first picture after an open or a seek is shown.
                lock.unlock();
                if (!AConsume) DisplayVideo(is);
                break;
            }
            if (!AConsume && !first) {
                lock.unlock();
                DisplayVideo(is);
                break;
            }
            double time = NowSeconds();
            if (first) {
                // A new run of pictures starts its timing now (while paused:
                // when the pause began, which resuming moves to the present).
                is->frame_timer = time;
                if (is->paused) {
                    std::lock_guard clock(is->clock_lock);
                    is->frame_timer = is->paused_at;
                }
                is->frame_last_pts_set = false;
                is->frame_last_delay = 0;
            }
            if (!vp.DueSet) {
                vp.Due = ComputeTargetTime(is, vp.Pts);
                vp.DueSet = true;
            }
            if (!first && time < vp.Due) return;
            double next_target = vp.Due + vp.Duration;
            if (is->pictq_size > 1) {
                TVideoPicture& next = is->pictq[(is->pictq_rindex + 1) % VIDEO_PICTURE_QUEUE_SIZE];
                if (next.Serial == vp.Serial) {
                    if (!next.DueSet) {
                        next.Due = ComputeTargetTime(is, next.Pts);
                        next.DueSet = true;
                    }
                    // Due times never go back.
                    next.Due = std::max(next.Due, vp.Due);
                    next_target = next.Due;
                }
            }
            // A step shows the very next picture, however late.
            if (!first && is->Settings.framedrop && time > next_target && !is->IsDevice && !is->step) {
                is->skip_frames = is->skip_frames * (1.0f + 0.05f);
                if (is->pictq_size > 1 || time > next_target + 0.5) {
                    PopPicture(is);
                    dropped = true;
                    continue;
                }
            }
            // The clock follows the schedule, not the moment this thread got
            // round to showing the picture: a busy machine shows it late.
            SetVideoClock(is, vp.Pts, time - vp.Due < 0.5 ? vp.Due : time, vp.Pos);
            {
                std::lock_guard shown(is->displayed_lock);
                if (!is->displayed) is->displayed = av::av_frame_alloc();
                if (is->displayed) {
                    av::av_frame_unref(is->displayed);
                    av::av_frame_ref(is->displayed, vp.Frame);
                }
                is->displayed_pts = vp.Pts;
                is->displayed_serial = vp.Serial;
            }
            // Only a picture of the seek's own serial ends a seek: the first
            // picture of an earlier run may still be coming up after the
            // seek was asked for.
            seek_shown = first && vp.Serial >= is->seek_serial;
            const double shown_pts = vp.Pts;
            PopPicture(is);
            lock.unlock();
            if (is->subtitle_st) UpdateSubtitles(is, shown_pts);
            DisplayVideo(is);
            PictureShownWhileStepping(is);
            break;
        }
    } else if (is->audio_st) {
        DisplayVideo(is);
    }
    if (seek_shown) is->Owner->SetSeeking(false);
    if (!dropped) is->Owner->CheckPosition(*is);
    // After the position, so a seek that waits for this sees it reported.
    if (seek_shown) is->Owner->PictEvent().SetEvent();
}

void RefreshThread(TVideoState* is) {
    while (!is->abort_request) {
        if (!is->refresh.exchange(true)) {
            SDL_Event event{};
            event.type = FF_REFRESH_EVENT;
            event.user.data1 = is;
            if (sdl::SDL_PushEvent(&event) < 0) is->refresh = false;
        }
        const int ms = is->show_audio && !is->video_st ? is->Settings.rdftspeed : 5;
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}

bool HandleEngineEvent(TVideoState* is, const SDL_Event& AEvent) {
    switch (AEvent.type) {
    case SDL_QUIT:
    case FF_QUIT_EVENT:
        return false;
    case SDL_VIDEORESIZE:
        FreeOverlay(is);
        is->screen = SetVideoMode(AEvent.resize.w, AEvent.resize.h);
        if (is->screen) {
            is->Owner->SetScreenSize(is->screen->w, is->screen->h);
            is->width = is->screen->w;
            is->height = is->screen->h;
            if (is->paused) RefreshVideo(is, false);
        }
        break;
    case SDL_VIDEOEXPOSE:
        if (is->paused)
            RefreshVideo(is, false);
        else
            DisplayVideo(is);
        break;
    case FF_REFRESH_EVENT:
        RefreshVideo(is, true);
        is->refresh = false;
        break;
    case FF_SCREEN_EVENT:
        OpenVideoSurface(is, true);
        DisplayVideo(is);
        break;
    case FF_AUDIO_DISPLAY_EVENT:
        if (!is->screen && OpenVideoSurface(is, false) < 0) break;
        SetAudioDisplay(is, int(reinterpret_cast<intptr_t>(AEvent.user.data1)));
        DisplayVideo(is);
        break;
    default: // FF_ALLOC_EVENT and anything else: nothing to do
        break;
    }
    return true;
}
