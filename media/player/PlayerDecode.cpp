// The decoding half of the player engine: the video thread with its filter
// graph, SDL's audio callback, and the clocks.

#include "media/MediaUtils.h"
#include "media/player/PlayerEngine.h"
#include "media/player/TPlayerOwner.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>

namespace {

constexpr double AV_NOSYNC_THRESHOLD = 10.0;
constexpr double AV_SYNC_THRESHOLD = 0.01;
constexpr int SAMPLE_CORRECTION_PERCENT_MAX = 10;
constexpr int AUDIO_DIFF_AVG_NB = 20;
constexpr float FRAME_SKIP_FACTOR = 0.05f;
constexpr double AUDIO_CLOCK_SLACK = 0.5;

// ---- Video ---------------------------------------------------------------

// buffer -> [the user's filters] -> buffersink (yuv420p), for frames of this
// size and format. Rebuilt when they change.
int ConfigureVideoFilters(TVideoState* is, const AVFrame* AFrame) {
    av::avfilter_graph_free(&is->graph);
    is->in_video_filter = is->out_video_filter = nullptr;
    is->graph = av::avfilter_graph_alloc();
    if (!is->graph) return AVERROR(ENOMEM);
    is->graph->scale_sws_opts = av::av_strdup("flags=bicubic");
    is->graph->nb_threads = 1; // pictures are small; no worker threads per graph
    const AVRational tb = is->video_st->time_base;
    AVRational sar = AFrame->sample_aspect_ratio;
    if (sar.num <= 0 || sar.den <= 0) sar = {0, 1};
    char args[256];
    std::snprintf(args, sizeof args, "video_size=%dx%d:pix_fmt=%d:time_base=%d/%d:pixel_aspect=%d/%d",
                  AFrame->width, AFrame->height, AFrame->format, tb.num, tb.den, sar.num, sar.den);
    AVFilterContext* src = nullptr;
    int r = av::avfilter_graph_create_filter(&src, av::avfilter_get_by_name("buffer"), "src", args, nullptr,
                                             is->graph);
    if (r < 0) return r;
    AVFilterContext* sink =
        av::avfilter_graph_alloc_filter(is->graph, av::avfilter_get_by_name("buffersink"), "out");
    if (!sink) return AVERROR(ENOMEM);
    const AVPixelFormat fmts[] = {AV_PIX_FMT_YUV420P};
    r = av::av_opt_set_bin(sink, "pix_fmts", reinterpret_cast<const uint8_t*>(fmts), sizeof fmts,
                           AV_OPT_SEARCH_CHILDREN);
    if (r < 0 || (r = av::avfilter_init_str(sink, nullptr)) < 0) return r;
    if (!is->Settings.vfilters.empty()) {
        AVFilterInOut* outputs = av::avfilter_inout_alloc();
        AVFilterInOut* inputs = av::avfilter_inout_alloc();
        if (!outputs || !inputs) {
            av::avfilter_inout_free(&outputs);
            av::avfilter_inout_free(&inputs);
            return AVERROR(ENOMEM);
        }
        outputs->name = av::av_strdup("in");
        outputs->filter_ctx = src;
        inputs->name = av::av_strdup("out");
        inputs->filter_ctx = sink;
        r = av::avfilter_graph_parse_ptr(is->graph, is->Settings.vfilters.c_str(), &inputs, &outputs,
                                         nullptr);
        av::avfilter_inout_free(&outputs);
        av::avfilter_inout_free(&inputs);
    } else {
        r = av::avfilter_link(src, 0, sink, 0);
    }
    if (r < 0 || (r = av::avfilter_graph_config(is->graph, nullptr)) < 0) return r;
    is->in_video_filter = src;
    is->out_video_filter = sink;
    is->graph_w = AFrame->width;
    is->graph_h = AFrame->height;
    is->graph_fmt = AFrame->format;
    return 0;
}

void ClearPictureQueue(TVideoState* is) {
    std::lock_guard lock(is->pictq_mutex);
    for (TVideoPicture& vp : is->pictq)
        if (vp.Frame) av::av_frame_unref(vp.Frame);
    is->pictq_size = is->pictq_rindex = is->pictq_windex = 0;
    is->pictq_cond.notify_all();
}

// Waits for room in the picture queue and moves the frame in. -1 when aborted.
int QueuePicture(TVideoState* is, AVFrame* AFrame, double APts, double ADuration, int64_t APos, int ASerial) {
    std::unique_lock lock(is->pictq_mutex);
    if (is->pictq_size >= VIDEO_PICTURE_QUEUE_SIZE && !is->refresh)
        is->skip_frames = std::max(1.0f - FRAME_SKIP_FACTOR, is->skip_frames * (1.0f - FRAME_SKIP_FACTOR));
    is->pictq_cond.wait(lock,
                        [&] { return is->pictq_size < VIDEO_PICTURE_QUEUE_SIZE || is->videoq.Aborted(); });
    if (is->videoq.Aborted()) return -1;
    TVideoPicture& vp = is->pictq[is->pictq_windex];
    if (!vp.Frame && !(vp.Frame = av::av_frame_alloc())) return -1;
    av::av_frame_unref(vp.Frame);
    av::av_frame_move_ref(vp.Frame, AFrame);
    vp.Pts = APts;
    vp.Duration = ADuration;
    vp.Pos = APos;
    vp.Serial = ASerial;
    vp.DueSet = false;
    is->pictq_windex = (is->pictq_windex + 1) % VIDEO_PICTURE_QUEUE_SIZE;
    ++is->pictq_size;
    return 0;
}

// psPause of a paused open waits for psPlay of the play thread.
void ReportOpenPause(TVideoState* is) {
    std::lock_guard lock(is->open_pause_lock);
    if (is->play_started)
        is->Owner->SetState(psPause);
    else
        is->pause_due = true;
}

void PictureQueued(TVideoState* is, int ASerial) {
    if (is->open_paused == 1)
        is->open_paused = 2;
    else if (is->open_paused == 2) {
        is->open_paused = 0;
        ReportOpenPause(is);
    }
    if (is->seek_paused && ASerial >= is->seek_serial) is->seek_paused = false;
}

// Runs one filtered picture to the queue. -1 ends the thread.
int OutputPicture(TVideoState* is, AVFrame* AFrame, int ASerial) {
    AVRational rate = av::av_guess_frame_rate(is->ic, is->video_st, AFrame);
    double delay = (rate.num > 0 && rate.den > 0) ? av_q2d(av_inv_q(rate)) : 0.04;
    delay += AFrame->repeat_pict * delay * 0.5;
    double pts;
    if (AFrame->pts == AV_NOPTS_VALUE) {
        pts = is->video_clock;
    } else {
        pts = double(AFrame->pts) * av_q2d(av::av_buffersink_get_time_base(is->out_video_filter));
        is->video_clock = pts;
    }
    is->video_clock += delay;
    const int64_t pos = AFrame->pkt_pos;
    PreparePicture(is, AFrame, pts);
    if (QueuePicture(is, AFrame, pts, delay, pos, ASerial) < 0) return -1;
    PictureQueued(is, ASerial);
    return 0;
}

int64_t ChoosePts(TVideoState* is, const AVFrame* AFrame) {
    switch (is->Settings.decoder_reorder_pts) {
    case 1:
        return AFrame->pts;
    case 0:
        return AFrame->pkt_dts;
    default:
        return AFrame->best_effort_timestamp;
    }
}

// Filters one decoded frame and queues what comes out. -1 ends the thread.
int FilterFrame(TVideoState* is, AVFrame* AFrame, AVFrame* AOut, int ASerial) {
    // Skipping keeps up when display falls behind.
    is->skip_frames_index += 1;
    const float skip = is->skip_frames;
    if (is->skip_frames_index < skip) {
        av::av_frame_unref(AFrame);
        return 0;
    }
    is->skip_frames_index -= std::max(skip, 1.0f);
    AFrame->pts = ChoosePts(is, AFrame);
    if (!is->graph || AFrame->width != is->graph_w || AFrame->height != is->graph_h ||
        AFrame->format != is->graph_fmt) {
        const int r = ConfigureVideoFilters(is, AFrame);
        if (r < 0) {
            is->Owner->ReportError("video filters: " + AVErrStr(r), false);
            return -1;
        }
    }
    if (av::av_buffersrc_add_frame_flags(is->in_video_filter, AFrame, 0) < 0) {
        av::av_frame_unref(AFrame);
        return 0;
    }
    for (;;) {
        const int r = av::av_buffersink_get_frame(is->out_video_filter, AOut);
        if (r < 0) return 0; // EAGAIN: needs more input
        if (OutputPicture(is, AOut, ASerial) < 0) return -1;
    }
}

void VideoThreadBody(TVideoState* is) {
    AVFrame* frame = av::av_frame_alloc();
    AVFrame* out = av::av_frame_alloc();
    int serial = 0;
    bool drained = false;
    while (frame && out && !is->videoq.Aborted()) {
        while (is->paused && !is->videoq.Aborted() && !is->seek_paused && !is->open_paused)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        TQueuedPacket qp;
        if (is->videoq.Get(qp, true) < 0) break;
        if (qp.Flush) {
            av::avcodec_flush_buffers(is->video_ctx);
            serial = qp.Serial;
            drained = false;
            ClearPictureQueue(is);
            is->skip_frames = 1;
            is->skip_frames_index = 0;
            continue;
        }
        const bool drain = !qp.Packet->data && qp.Packet->size == 0;
        if (drained) {
            FreeQueuedPacket(qp);
            continue;
        }
        int r = av::avcodec_send_packet(is->video_ctx, drain ? nullptr : qp.Packet);
        FreeQueuedPacket(qp);
        if (r < 0 && r != AVERROR(EAGAIN) && r != AVERROR_EOF) continue;
        bool stop = false;
        while ((r = av::avcodec_receive_frame(is->video_ctx, frame)) >= 0) {
            if (FilterFrame(is, frame, out, serial) < 0) {
                stop = true;
                break;
            }
        }
        if (stop) break;
        if (r == AVERROR_EOF) {
            drained = true;
            // The last picture is decoded: a seek waiting for one returns
            // (not one asked for after this run began).
            if (serial >= is->seek_serial) is->Owner->PictEvent().SetEvent();
            // A file with a single picture never queues the second one a
            // paused open waits for.
            if (is->open_paused) {
                is->open_paused = 0;
                ReportOpenPause(is);
            }
        }
    }
    av::av_frame_free(&frame);
    av::av_frame_free(&out);
}

// ---- Audio ---------------------------------------------------------------

bool IsAudioMaster(TVideoState* is) {
    return is->Settings.av_sync_type == AV_SYNC_AUDIO_MASTER ||
           (is->Settings.av_sync_type == AV_SYNC_VIDEO_MASTER && is->video_stream < 0);
}

int BytesPerFrame(TVideoState* is) {
    return is->audio_tgt_layout.nb_channels * 2;
}

// (Re)makes the converter for the frame's format, layout and rate.
bool PrepareConverter(TVideoState* is, const AVFrame* AFrame) {
    if (is->swr_ctx && AFrame->format == is->swr_src_fmt && AFrame->sample_rate == is->swr_src_rate &&
        av::av_channel_layout_compare(&AFrame->ch_layout, &is->swr_src_layout) == 0)
        return true;
    av::swr_free(&is->swr_ctx);
    int r = av::swr_alloc_set_opts2(&is->swr_ctx, &is->audio_tgt_layout, AV_SAMPLE_FMT_S16,
                                    is->audio_tgt_freq, const_cast<AVChannelLayout*>(&AFrame->ch_layout),
                                    AVSampleFormat(AFrame->format), AFrame->sample_rate, 0, nullptr);
    if (r >= 0) r = av::swr_init(is->swr_ctx);
    if (r < 0) {
        av::swr_free(&is->swr_ctx);
        const char* from = av::av_get_sample_fmt_name(AVSampleFormat(AFrame->format));
        char text[256];
        std::snprintf(text, sizeof text, "Cannot convert %s sample format to %s sample format",
                      from ? from : "?", av::av_get_sample_fmt_name(AV_SAMPLE_FMT_S16));
        is->Owner->ReportError(text, false);
        return false;
    }
    is->swr_src_fmt = AVSampleFormat(AFrame->format);
    is->swr_src_rate = AFrame->sample_rate;
    av::av_channel_layout_uninit(&is->swr_src_layout);
    av::av_channel_layout_copy(&is->swr_src_layout, &AFrame->ch_layout);
    return true;
}

// Converts the held frame into audio_buf; its size in bytes, or -1.
int ConvertFrame(TVideoState* is) {
    AVFrame* f = is->audio_frame;
    if (!PrepareConverter(is, f)) return -1;
    const int out_count = av::swr_get_out_samples(is->swr_ctx, f->nb_samples);
    if (out_count < 0) return -1;
    // Room for lengthening by the sync correction too.
    const size_t capacity = size_t(out_count + out_count / 10 + 16) * size_t(BytesPerFrame(is));
    if (is->audio_buf.size() < capacity) is->audio_buf.resize(capacity);
    uint8_t* outp[] = {is->audio_buf.data()};
    const int n = av::swr_convert(is->swr_ctx, outp, out_count, const_cast<const uint8_t**>(f->extended_data),
                                  f->nb_samples);
    if (n < 0) {
        is->Owner->ReportError("av_audio_convert() failed", false);
        return -1;
    }
    const double frame_seconds = f->sample_rate > 0 ? double(f->nb_samples) / f->sample_rate : 0;
    if (f->best_effort_timestamp != AV_NOPTS_VALUE)
        is->audio_clock = double(f->best_effort_timestamp) * av_q2d(is->audio_st->time_base) + frame_seconds;
    else
        is->audio_clock += frame_seconds;
    return n * BytesPerFrame(is);
}

// Decodes the next piece of audio into audio_buf: its size, or -1 for none now.
int AudioDecodeFrame(TVideoState* is) {
    for (;;) {
        if (!is->audio_drained) {
            const int r = av::avcodec_receive_frame(is->audio_ctx, is->audio_frame);
            if (r >= 0) {
                const int size = ConvertFrame(is);
                av::av_frame_unref(is->audio_frame);
                if (size > 0) return size;
                continue;
            }
            if (r == AVERROR_EOF)
                is->audio_drained = true;
            else if (r != AVERROR(EAGAIN))
                is->Owner->LogMessage(llInfo, "avcodec_decode_audio2() failed");
        }
        if (is->paused || is->audioq.Aborted()) return -1;
        TQueuedPacket qp;
        if (is->audioq.Get(qp, false) <= 0) return -1;
        if (qp.Flush) {
            av::avcodec_flush_buffers(is->audio_ctx);
            is->audio_serial = qp.Serial;
            is->audio_drained = false;
            continue;
        }
        if (!is->audio_drained) {
            const bool drain = !qp.Packet->data && qp.Packet->size == 0;
            const int r = av::avcodec_send_packet(is->audio_ctx, drain ? nullptr : qp.Packet);
            if (r < 0 && r != AVERROR_EOF) is->Owner->LogMessage(llInfo, "avcodec_decode_audio2() failed");
        }
        FreeQueuedPacket(qp);
    }
}

// When audio follows another clock: shortens or lengthens the buffer by at
// most 10 % towards it. Returns the new size.
int SynchronizeAudio(TVideoState* is, int ASize) {
    if (IsAudioMaster(is)) return ASize;
    const int frame_bytes = BytesPerFrame(is);
    const double diff = GetAudioClock(is) - GetMasterClock(is);
    if (std::fabs(diff) >= AV_NOSYNC_THRESHOLD) {
        is->audio_diff_avg_count = 0;
        is->audio_diff_cum = 0;
        return ASize;
    }
    is->audio_diff_cum = diff + is->audio_diff_avg_coef * is->audio_diff_cum;
    if (is->audio_diff_avg_count < AUDIO_DIFF_AVG_NB) {
        ++is->audio_diff_avg_count;
        return ASize;
    }
    const double avg = is->audio_diff_cum * (1.0 - is->audio_diff_avg_coef);
    if (std::fabs(avg) < is->audio_diff_threshold) return ASize;
    const int frames = ASize / frame_bytes;
    int wanted = frames + int(diff * is->audio_tgt_freq);
    wanted = std::clamp(wanted, frames * (100 - SAMPLE_CORRECTION_PERCENT_MAX) / 100,
                        frames * (100 + SAMPLE_CORRECTION_PERCENT_MAX) / 100);
    if (wanted > frames) {
        // Repeat the last sample frame; the buffer has room for 10 % more.
        const size_t need = size_t(wanted) * size_t(frame_bytes);
        if (is->audio_buf.size() < need) is->audio_buf.resize(need);
        uint8_t* last = is->audio_buf.data() + size_t(frames - 1) * size_t(frame_bytes);
        for (int i = frames; i < wanted; ++i)
            std::memcpy(is->audio_buf.data() + size_t(i) * size_t(frame_bytes), last, size_t(frame_bytes));
    }
    return wanted * frame_bytes;
}

void AudioCallbackBody(TVideoState* is, Uint8* AStream, int ALen) {
    Uint8* const out = AStream;
    const int out_len = ALen;
    const double now = NowSeconds();
    const int frame_bytes = BytesPerFrame(is);
    const double bytes_per_sec = double(is->audio_tgt_freq) * frame_bytes;
    int real_bytes = 0;
    bool& silence = is->audio_buf_silence;
    while (ALen > 0) {
        if (is->audio_buf_index >= is->audio_buf_size) {
            const int size = AudioDecodeFrame(is);
            if (size < 0) {
                // Nothing decoded: a short stretch of silence, whole sample frames.
                const int bytes = std::max(frame_bytes, 1024 / frame_bytes * frame_bytes);
                if (is->audio_buf.size() < size_t(bytes)) is->audio_buf.resize(size_t(bytes));
                std::memset(is->audio_buf.data(), 0, size_t(bytes));
                is->audio_buf_size = bytes;
                silence = true;
            } else {
                if (is->show_audio) StoreDisplaySamples(is, is->audio_buf.data(), size);
                is->audio_buf_size = SynchronizeAudio(is, size);
                silence = false;
            }
            is->audio_buf_index = 0;
        }
        const int n = std::min(ALen, is->audio_buf_size - is->audio_buf_index);
        std::memcpy(AStream, is->audio_buf.data() + is->audio_buf_index, size_t(n));
        if (!silence) real_bytes += n;
        ALen -= n;
        AStream += n;
        is->audio_buf_index += n;
    }
    ApplyAudioVolume(is, out, out_len);
    NoteAudioCallback(is, is->audio_buf_size - is->audio_buf_index, now);
    std::lock_guard lock(is->clock_lock);
    if (is->paused) return;
    // Where the device is now: what it was just given starts playing.
    const int pending = silence ? 0 : is->audio_buf_size - is->audio_buf_index;
    const double device = is->audio_clock - pending / bytes_per_sec - real_bytes / bytes_per_sec;
    // The clock runs on the wall clock from its anchor and follows the device
    // only when they part by more than AUDIO_CLOCK_SLACK: a device whose
    // callbacks come late (a loaded machine) would otherwise slow everything.
    const double running = is->audio_device_pts + (now - is->audio_device_time);
    if (!is->audio_clock_anchored || silence || std::fabs(running - device) > AUDIO_CLOCK_SLACK) {
        is->audio_device_pts = device;
        is->audio_device_time = now;
        // After silence the next real sound sets the anchor afresh.
        is->audio_clock_anchored = !silence;
    }
    // When the sound runs out (the end of the file, a stall) the clock stops
    // where it ends.
    is->audio_device_limit = silence ? is->audio_clock : HUGE_VAL;
}

} // namespace

void VideoThread(TVideoState* is) {
    try {
        VideoThreadBody(is);
    } catch (const std::exception& e) {
        is->Owner->ReportError(std::string("video thread: ") + e.what(), false);
    } catch (...) {
        is->Owner->ReportError("video thread: unknown error", false);
    }
}

void AudioCallback(void* AOpaque, Uint8* AStream, int ALen) {
    auto* is = static_cast<TVideoState*>(AOpaque);
    try {
        AudioCallbackBody(is, AStream, ALen);
    } catch (...) {
        std::memset(AStream, 0, size_t(ALen));
    }
}

double GetAudioClock(TVideoState* is) {
    std::lock_guard lock(is->clock_lock);
    if (is->paused) return is->audio_device_pts;
    return std::min(is->audio_device_pts + (NowSeconds() - is->audio_device_time), is->audio_device_limit);
}

double GetVideoClock(TVideoState* is) {
    std::lock_guard lock(is->clock_lock);
    if (!is->video_clock_set)
        return is->StartTime != AV_NOPTS_VALUE ? double(is->StartTime) / AV_TIME_BASE : 0;
    if (is->paused) return is->video_current_pts;
    return is->video_current_pts_drift + NowSeconds();
}

double GetExternalClock(TVideoState* is) {
    std::lock_guard lock(is->clock_lock);
    const double now = is->paused ? is->paused_at : NowSeconds();
    return is->external_clock + (now - is->external_clock_time);
}

double GetMasterClock(TVideoState* is) {
    switch (is->Settings.av_sync_type) {
    case AV_SYNC_VIDEO_MASTER:
        return is->video_st ? GetVideoClock(is) : GetAudioClock(is);
    case AV_SYNC_AUDIO_MASTER:
        return is->audio_st ? GetAudioClock(is) : GetVideoClock(is);
    default:
        return GetExternalClock(is);
    }
}

double ComputeTargetTime(TVideoState* is, double APts) {
    double delay = APts - is->frame_last_pts;
    if (!is->frame_last_pts_set || delay <= 0 || delay >= AV_NOSYNC_THRESHOLD)
        delay = is->frame_last_delay;
    else
        is->frame_last_delay = delay;
    is->frame_last_pts = APts;
    is->frame_last_pts_set = true;
    const bool follows = (is->Settings.av_sync_type == AV_SYNC_AUDIO_MASTER && is->audio_st) ||
                         is->Settings.av_sync_type == AV_SYNC_EXTERNAL_CLOCK;
    if (follows) {
        const double diff = GetVideoClock(is) - GetMasterClock(is);
        if (std::fabs(diff) < AV_NOSYNC_THRESHOLD) {
            const double threshold = std::max(delay, AV_SYNC_THRESHOLD);
            if (diff <= -threshold)
                delay = 0;
            else if (diff >= threshold)
                delay = 2 * delay;
        }
    }
    is->frame_timer += delay;
    return is->frame_timer;
}
