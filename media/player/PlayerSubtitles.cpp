// Bitmap subtitles: the subtitle thread decodes them into a small queue, and
// the play thread blends the one that is showing into the overlay, after the
// picture has been copied in (decoded frames are never written).

#include "media/player/PlayerEngine.h"
#include "media/player/TPlayerOwner.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

// A palette entry, native-order ARGB, as Y, U, V and alpha bytes (BT.601,
// limited range, 10-bit fixed point).
uint32_t RGBAToYUVA(uint32_t AArgb) {
    const int a = int(AArgb >> 24) & 0xff;
    const int r = int(AArgb >> 16) & 0xff;
    const int g = int(AArgb >> 8) & 0xff;
    const int b = int(AArgb) & 0xff;
    const int y = (263 * r + 517 * g + 101 * b + 16896) >> 10;
    const int u = ((-152 * r - 298 * g + 450 * b + 511) >> 10) + 128;
    const int v = ((450 * r - 377 * g - 74 * b + 511) >> 10) + 128;
    auto clip = [](int c) { return uint32_t(std::clamp(c, 0, 255)); };
    return clip(y) | clip(u) << 8 | clip(v) << 16 | uint32_t(a) << 24;
}

void FreeSubPicture(TSubPicture& ASp) {
    av::avsubtitle_free(&ASp.Sub);
    ASp.Sub = AVSubtitle{};
}

// Under subpq_mutex.
void PopSubPicture(TVideoState* is) {
    FreeSubPicture(is->subpq[is->subpq_rindex]);
    is->subpq_rindex = (is->subpq_rindex + 1) % SUBPICTURE_QUEUE_SIZE;
    --is->subpq_size;
    is->subpq_cond.notify_all();
}

void ClearSubPictures(TVideoState* is) {
    std::lock_guard lock(is->subpq_mutex);
    while (is->subpq_size > 0)
        PopSubPicture(is);
    is->subpq_rindex = is->subpq_windex = 0;
}

// Decodes one packet; a bitmap subtitle goes into the queue.
void DecodeSubtitle(TVideoState* is, AVPacket* APacket, int ASerial) {
    {
        std::unique_lock lock(is->subpq_mutex);
        is->subpq_cond.wait(
            lock, [&] { return is->subpq_size < SUBPICTURE_QUEUE_SIZE || is->subtitleq.Aborted(); });
        if (is->subtitleq.Aborted()) return;
    }
    AVSubtitle sub{};
    int got = 0;
    if (av::avcodec_decode_subtitle2(is->subtitle_ctx, &sub, &got, APacket) < 0 || !got) return;
    if (sub.format != 0) { // text subtitles are not drawn
        av::avsubtitle_free(&sub);
        return;
    }
    const double pts =
        APacket->pts != AV_NOPTS_VALUE ? double(APacket->pts) * av_q2d(is->subtitle_st->time_base) : 0;
    for (unsigned i = 0; i < sub.num_rects; ++i) {
        AVSubtitleRect* r = sub.rects[i];
        if (r->type != SUBTITLE_BITMAP || !r->data[1]) continue;
        auto* palette = reinterpret_cast<uint32_t*>(r->data[1]);
        for (int c = 0; c < r->nb_colors; ++c)
            palette[c] = RGBAToYUVA(palette[c]);
    }
    std::lock_guard lock(is->subpq_mutex);
    TSubPicture& sp = is->subpq[is->subpq_windex];
    FreeSubPicture(sp);
    sp.Sub = sub;
    sp.Pts = pts;
    sp.Serial = ASerial;
    is->subpq_windex = (is->subpq_windex + 1) % SUBPICTURE_QUEUE_SIZE;
    ++is->subpq_size;
}

void SubtitleThreadBody(TVideoState* is) {
    int serial = 0;
    while (!is->subtitleq.Aborted()) {
        while (is->paused && !is->subtitleq.Aborted() && !is->seek_paused)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        TQueuedPacket qp;
        if (is->subtitleq.Get(qp, true) < 0) break;
        if (qp.Flush) {
            av::avcodec_flush_buffers(is->subtitle_ctx);
            serial = qp.Serial;
            // What was queued before a seek belongs to another time.
            ClearSubPictures(is);
            continue;
        }
        if (qp.Packet->data) DecodeSubtitle(is, qp.Packet, serial);
        FreeQueuedPacket(qp);
    }
}

void SubtitleThread(TVideoState* is) {
    try {
        SubtitleThreadBody(is);
    } catch (const std::exception& e) {
        is->Owner->ReportError(std::string("subtitle thread: ") + e.what(), false);
    } catch (...) {
        is->Owner->ReportError("subtitle thread: unknown error", false);
    }
}

uint8_t Mix(int AOld, int ANew, int AAlpha) {
    return uint8_t((AOld * (255 - AAlpha) + ANew * AAlpha + 127) / 255);
}

// One palettised rectangle into the YV12 overlay (planes Y, V, U), clipped to it.
void BlendSubtitleRect(SDL_Overlay* o, const AVSubtitleRect* r) {
    if (r->type != SUBTITLE_BITMAP || !r->data[0] || !r->data[1]) return;
    const int x0 = std::max(r->x, 0), y0 = std::max(r->y, 0);
    const int x1 = std::min(r->x + r->w, o->w), y1 = std::min(r->y + r->h, o->h);
    if (x0 >= x1 || y0 >= y1) return;
    const auto* palette = reinterpret_cast<const uint32_t*>(r->data[1]);
    auto entry = [&](int x, int y) { return palette[r->data[0][(y - r->y) * r->linesize[0] + (x - r->x)]]; };
    for (int y = y0; y < y1; ++y) {
        uint8_t* row = o->pixels[0] + size_t(y) * o->pitches[0];
        for (int x = x0; x < x1; ++x) {
            const uint32_t c = entry(x, y);
            row[x] = Mix(row[x], int(c & 0xff), int(c >> 24));
        }
    }
    // Chroma per 2 x 2 block with the block's average alpha; blocks cut by an
    // odd edge use the pixels that exist.
    for (int cy = y0 / 2; cy <= (y1 - 1) / 2; ++cy) {
        uint8_t* vrow = o->pixels[1] + size_t(cy) * o->pitches[1];
        uint8_t* urow = o->pixels[2] + size_t(cy) * o->pitches[2];
        for (int cx = x0 / 2; cx <= (x1 - 1) / 2; ++cx) {
            int n = 0, alpha = 0, u = 0, v = 0;
            for (int y = std::max(2 * cy, y0); y < std::min(2 * cy + 2, y1); ++y)
                for (int x = std::max(2 * cx, x0); x < std::min(2 * cx + 2, x1); ++x) {
                    const uint32_t c = entry(x, y);
                    const int a = int(c >> 24);
                    ++n;
                    alpha += a;
                    u += int((c >> 8) & 0xff) * a;
                    v += int((c >> 16) & 0xff) * a;
                }
            if (n == 0 || alpha == 0) continue;
            const int whole = n * 255;
            urow[cx] = uint8_t((urow[cx] * (whole - alpha) + u + whole / 2) / whole);
            vrow[cx] = uint8_t((vrow[cx] * (whole - alpha) + v + whole / 2) / whole);
        }
    }
}

double StartOf(const TSubPicture& sp) {
    return sp.Pts + double(sp.Sub.start_display_time) / 1000.0;
}

double EndOf(const TSubPicture& sp) {
    return sp.Pts + double(sp.Sub.end_display_time) / 1000.0;
}

} // namespace

int StartSubtitleComponent(TVideoState* is, AVCodecContext* ACtx, int AIndex) {
    is->subtitle_ctx = ACtx;
    is->subtitle_stream = AIndex;
    is->subtitle_st = is->ic->streams[AIndex];
    is->subtitle_st->discard = AVDISCARD_DEFAULT;
    is->subtitle_stream_changed = false;
    is->subtitleq.Start();
    is->subtitleq.PutFlush();
    try {
        is->subtitle_tid = std::thread(SubtitleThread, is);
    } catch (const std::exception&) {
        is->Owner->ReportError("SDL_CreateThread() failed.", false);
        is->subtitleq.Abort();
        is->subtitleq.Flush();
        is->subtitle_st->discard = AVDISCARD_ALL;
        is->subtitle_ctx = nullptr;
        is->subtitle_stream = -1;
        is->subtitle_st = nullptr;
        return -1;
    }
    return 0;
}

void StopSubtitleComponent(TVideoState* is) {
    is->subtitleq.Abort();
    {
        std::lock_guard lock(is->subpq_mutex);
        is->subtitle_stream_changed = true;
        is->subpq_cond.notify_all();
    }
    if (is->subtitle_tid.joinable()) is->subtitle_tid.join();
    is->subtitleq.Flush();
    is->subtitle_stream = -1;
    is->subtitle_st = nullptr;
}

void UpdateSubtitles(TVideoState* is, double APts) {
    std::lock_guard lock(is->subpq_mutex);
    if (is->subtitle_stream_changed) {
        while (is->subpq_size > 0)
            PopSubPicture(is);
        is->subpq_rindex = is->subpq_windex = 0;
        is->subtitle_stream_changed = false;
        return;
    }
    const int serial = is->subtitleq.Serial();
    while (is->subpq_size > 0) {
        const TSubPicture& sp = is->subpq[is->subpq_rindex];
        const TSubPicture* next =
            is->subpq_size > 1 ? &is->subpq[(is->subpq_rindex + 1) % SUBPICTURE_QUEUE_SIZE] : nullptr;
        if (sp.Serial != serial || EndOf(sp) < APts || (next && StartOf(*next) <= APts))
            PopSubPicture(is);
        else
            break;
    }
}

void BlendSubtitles(TVideoState* is, SDL_Overlay* AOverlay, double APts) {
    std::lock_guard lock(is->subpq_mutex);
    if (is->subpq_size == 0) return;
    const TSubPicture& sp = is->subpq[is->subpq_rindex];
    if (sp.Serial != is->subtitleq.Serial() || APts < StartOf(sp) || APts > EndOf(sp)) return;
    for (unsigned i = 0; i < sp.Sub.num_rects; ++i)
        BlendSubtitleRect(AOverlay, sp.Sub.rects[i]);
}
