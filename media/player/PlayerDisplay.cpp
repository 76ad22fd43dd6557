// The display half of the player engine: the refresh step that shows due
// pictures, the video surface and overlay, and the SDL events of the play
// thread. Every SDL video call here runs on the play thread.

#include "media/player/PlayerEngine.h"
#include "media/player/TPlayerOwner.h"

#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>

namespace {

constexpr Uint32 SurfaceFlags = SDL_HWSURFACE | SDL_ASYNCBLIT | SDL_HWACCEL | SDL_RESIZABLE;

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
    int dh = is->height;
    int dw = int(std::lrint(dh * aspect)) & ~1;
    if (dw > is->width) {
        dw = is->width;
        dh = int(std::lrint(dw / aspect)) & ~1;
    }
    SDL_Rect rect;
    rect.x = Sint16(is->xleft + (is->width - dw) / 2);
    rect.y = Sint16(is->ytop + (is->height - dh) / 2);
    rect.w = Uint16(std::max(dw, 0));
    rect.h = Uint16(std::max(dh, 0));
    sdl::SDL_DisplayYUVOverlay(o, &rect);
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
    is->screen = sdl::SDL_SetVideoMode(w, h, 0, SurfaceFlags);
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
    if (is->video_st) ShowVideoImage(is);
    // Audio displays come with the audio display modes.
}

void RefreshVideo(TVideoState* is, bool AConsume) {
    bool dropped = false;
    bool first_of_serial = false;
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
            if (!first && is->Settings.framedrop && time > next_target && !is->IsDevice) {
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
            PopPicture(is);
            lock.unlock();
            first_of_serial = first;
            DisplayVideo(is);
            break;
        }
    } else if (is->audio_st) {
        DisplayVideo(is);
    }
    if (first_of_serial) is->Owner->SetSeeking(false);
    if (!dropped) is->Owner->CheckPosition(*is);
    // After the position, so a seek that waits for this sees it reported.
    if (first_of_serial) is->Owner->PictEvent().SetEvent();
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
        is->screen = sdl::SDL_SetVideoMode(AEvent.resize.w, AEvent.resize.h, 0, SurfaceFlags);
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
    default: // FF_ALLOC_EVENT and anything else: nothing to do
        break;
    }
    return true;
}
