// The reading half of the player engine: opening the file and its streams,
// the reading thread, seeking and pausing.

#include "media/MediaIO.h"
#include "media/MediaUtils.h"
#include "media/TFFmpegLoader.h"
#include "media/player/PlayerEngine.h"
#include "media/player/TPlayerOwner.h"
#include "platform/sys/MainThread.h"

#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>

namespace {

constexpr int64_t MAX_QUEUE_SIZE = 15 * 1024 * 1024;
constexpr int64_t MIN_AUDIOQ_SIZE = 20 * 16 * 1024;
constexpr int MIN_FRAMES = 5;
constexpr int SDL_AUDIO_BUFFER_SIZE = 1024;
constexpr int AUDIO_DIFF_AVG_NB = 20;

void SleepMs(int AMs) {
    std::this_thread::sleep_for(std::chrono::milliseconds(AMs));
}

// Ends blocking library calls: on a stop, and while opening also when the
// open is cancelled or its time is up.
int DecodeInterruptCB(void* AOpaque) {
    auto* is = static_cast<TVideoState*>(AOpaque);
    if (is->abort_request) return 1;
    if (is->Opened.load() != 0) return 0;
    if (is->Owner->OpenCancelled()) return 1;
    if (is->open_deadline > 0 && av::av_gettime_relative() > is->open_deadline) {
        is->open_timed_out = true;
        return 1;
    }
    return 0;
}

// Why opening failed when it was interrupted, else empty.
std::string InterruptedOpenText(TVideoState* is) {
    char text[2048];
    if (is->open_timed_out)
        std::snprintf(text, sizeof text, "%s: the source delivered too little data in time.",
                      is->filename.c_str());
    else if (is->Owner->OpenCancelled())
        std::snprintf(text, sizeof text, "%s: opening was stopped.", is->filename.c_str());
    else
        return {};
    return text;
}

std::string Format(const char* AFormat, const std::string& AText) {
    char buf[2048];
    std::snprintf(buf, sizeof buf, AFormat, AText.c_str());
    return buf;
}

// Old "error_recognition" levels as the decoder's flags.
int ErrRecognitionFlags(int ALevel) {
    int flags = 0;
    if (ALevel >= 1) flags |= AV_EF_CAREFUL;
    if (ALevel >= 2) flags |= AV_EF_COMPLIANT;
    if (ALevel >= 3) flags |= AV_EF_AGGRESSIVE;
    return flags;
}

// The absolute index of the n-th stream of a type; -1 when there is none.
int NthStreamOfType(AVFormatContext* ic, AVMediaType AType, int AWanted) {
    int count = 0;
    for (unsigned i = 0; i < ic->nb_streams; ++i)
        if (ic->streams[i]->codecpar->codec_type == AType && count++ == AWanted) return int(i);
    return -1;
}

int ChooseStream(AVFormatContext* ic, AVMediaType AType, int AWanted, int ARelated) {
    int wanted = -1;
    if (AWanted >= 0) {
        wanted = NthStreamOfType(ic, AType, AWanted);
        if (wanted < 0) return -1;
    }
    const int r = av::av_find_best_stream(ic, AType, wanted, ARelated, nullptr, 0);
    return r >= 0 ? r : -1;
}

void FreeCodec(AVCodecContext** ACtx) {
    if (!*ACtx) return;
    std::lock_guard lock(CodecLock);
    av::avcodec_free_context(ACtx);
}

} // namespace

int StreamComponentOpen(TVideoState* is, int AIndex) {
    AVFormatContext* ic = is->ic;
    if (AIndex < 0 || unsigned(AIndex) >= ic->nb_streams) return -1;
    AVStream* st = ic->streams[AIndex];
    const AVCodecParameters* par = st->codecpar;
    const TPlayerSettings& s = is->Settings;
    const AVCodec* codec = av::avcodec_find_decoder(par->codec_id);
    AVCodecContext* ctx = av::avcodec_alloc_context3(codec);
    if (!ctx || av::avcodec_parameters_to_context(ctx, par) < 0) {
        av::avcodec_free_context(&ctx);
        is->Owner->ReportError("avcodec_open() failed.", false);
        return -1;
    }
    ctx->pkt_timebase = st->time_base;
    ctx->thread_count = 1;
    ctx->workaround_bugs = s.workaround_bugs;
    if (codec && s.lowres > 0) ctx->lowres = std::min<int>(s.lowres, codec->max_lowres);
    ctx->idct_algo = s.idct_algo;
    if (s.fast) ctx->flags2 |= AV_CODEC_FLAG2_FAST;
    ctx->skip_frame = AVDiscard(s.skip_frame);
    ctx->skip_idct = AVDiscard(s.skip_idct);
    ctx->skip_loop_filter = AVDiscard(s.skip_loop_filter);
    ctx->err_recognition = ErrRecognitionFlags(s.error_recognition);
    ctx->error_concealment = s.error_concealment;
    int opened;
    {
        std::lock_guard lock(CodecLock);
        opened = codec ? av::avcodec_open2(ctx, codec, nullptr) : -1;
    }
    if (opened < 0) {
        FreeCodec(&ctx);
        is->Owner->ReportError("avcodec_open() failed.", false);
        return -1;
    }

    if (ctx->codec_type == AVMEDIA_TYPE_AUDIO) {
        // SDL 1.2 plays 1, 2, 4 or 6 channels; anything else is mixed down to stereo.
        const int channels = ctx->ch_layout.nb_channels;
        const int out = (channels == 1 || channels == 2 || channels == 4 || channels == 6) ? channels : 2;
        SDL_AudioSpec wanted{};
        wanted.freq = ctx->sample_rate;
        wanted.format = AUDIO_S16SYS;
        wanted.channels = Uint8(out);
        wanted.silence = 0;
        wanted.samples = SDL_AUDIO_BUFFER_SIZE;
        wanted.callback = AudioCallback;
        wanted.userdata = is;
        // Without an "obtained" record SDL converts to the device itself, so
        // what we hand over is exactly what we asked for.
        if (wanted.freq <= 0 || sdl::SDL_OpenAudio(&wanted, nullptr) < 0) {
            is->Owner->LogMessage(llError, std::string("SDL_OpenAudio() failed: ") +
                                               (wanted.freq <= 0 ? "no sample rate" : sdl::SDL_GetError()));
            FreeCodec(&ctx);
            return -1;
        }
        // SDL's audio thread runs from here on: what its callback reads is
        // handed over under SDL's audio lock, which the callback holds.
        sdl::SDL_LockAudio();
        av::av_channel_layout_default(&is->audio_tgt_layout, out);
        is->audio_tgt_freq = wanted.freq;
        is->audio_hw_buf_size = SDL_AUDIO_BUFFER_SIZE * out * 2;
        is->audio_ctx = ctx;
        is->audio_frame = av::av_frame_alloc();
        is->audio_stream = AIndex;
        is->audio_st = st;
        is->AudioDuration = st->duration != AV_NOPTS_VALUE
                                ? av::av_rescale_q(st->duration, st->time_base, AV_TIME_BASE_Q)
                                : -1;
        is->audio_buf_size = is->audio_buf_index = 0;
        is->audio_diff_avg_coef = std::exp(std::log(0.01) / AUDIO_DIFF_AVG_NB);
        is->audio_diff_avg_count = 0;
        is->audio_diff_cum = 0;
        is->audio_diff_threshold = 2.0 * SDL_AUDIO_BUFFER_SIZE / wanted.freq;
        st->discard = AVDISCARD_DEFAULT;
        is->audioq.Start();
        is->audioq.PutFlush();
        sdl::SDL_UnlockAudio();
        sdl::SDL_PauseAudio(0);
        return 0;
    }
    if (ctx->codec_type == AVMEDIA_TYPE_VIDEO) {
        is->video_ctx = ctx;
        is->video_stream = AIndex;
        is->video_st = st;
        st->discard = AVDISCARD_DEFAULT;
        is->videoq.Start();
        is->videoq.PutFlush();
        try {
            is->video_tid = std::thread(VideoThread, is);
        } catch (const std::exception&) {
            is->Owner->ReportError("SDL_CreateThread() failed.", false);
            is->video_stream = -1;
            is->video_st = nullptr;
            is->videoq.Abort();
            is->videoq.Flush();
            FreeCodec(&is->video_ctx);
            st->discard = AVDISCARD_ALL;
            return -1;
        }
        return 0;
    }
    if (ctx->codec_type == AVMEDIA_TYPE_SUBTITLE) {
        if (StartSubtitleComponent(is, ctx, AIndex) == 0) return 0;
        FreeCodec(&ctx);
        return -1;
    }
    FreeCodec(&ctx);
    return -1;
}

void StreamComponentClose(TVideoState* is, int AIndex) {
    AVFormatContext* ic = is->ic;
    if (AIndex < 0 || unsigned(AIndex) >= ic->nb_streams) return;
    if (AIndex == is->video_stream) {
        is->videoq.Abort();
        {
            std::lock_guard lock(is->pictq_mutex);
            is->pictq_cond.notify_all();
        }
        if (is->video_tid.joinable()) is->video_tid.join();
        is->videoq.Flush();
        av::avfilter_graph_free(&is->graph);
        is->in_video_filter = is->out_video_filter = nullptr;
        FreeCodec(&is->video_ctx);
        is->video_stream = -1;
        is->video_st = nullptr;
    } else if (AIndex == is->audio_stream) {
        is->audioq.Abort();
        sdl::SDL_CloseAudio(); // waits for the audio thread
        is->audioq.Flush();
        av::swr_free(&is->swr_ctx);
        av::av_frame_free(&is->audio_frame);
        FreeCodec(&is->audio_ctx);
        is->audio_stream = -1;
        is->audio_st = nullptr;
        is->AudioDuration = -1;
    } else if (AIndex == is->subtitle_stream) {
        StopSubtitleComponent(is);
        FreeCodec(&is->subtitle_ctx);
    }
    ic->streams[AIndex]->discard = AVDISCARD_ALL;
}

namespace {

// Carries out a pending seek request. False when every attempt failed.
void DoSeek(TVideoState* is) {
    TPlayerOwner* owner = is->Owner;
    const int64_t target = is->seek_pos;
    // The bounds must hold min <= target <= max whatever the step.
    const int64_t lo = is->seek_rel > 0 ? std::min(target - is->seek_rel + 2, target) : INT64_MIN;
    const int64_t hi = is->seek_rel < 0 ? std::max(target - is->seek_rel - 2, target) : INT64_MAX;
    int r = av::avformat_seek_file(is->ic, -1, lo, target, hi, is->seek_flags);
    if (r < 0) r = av::av_seek_frame(is->ic, -1, target, is->seek_flags);
    if (r < 0) r = av::av_seek_frame(is->ic, -1, target, is->seek_flags ^ AVSEEK_FLAG_BACKWARD);
    if (r < 0) {
        owner->LogMessage(llError, Format("%s: error while seeking", is->filename));
        is->seek_paused = false;
        owner->PictEvent().SetEvent();
    } else {
        if (is->audio_stream >= 0) is->audioq.PutFlush();
        if (is->video_stream >= 0) is->videoq.PutFlush();
        if (is->subtitle_stream >= 0) is->subtitleq.PutFlush();
    }
    is->ErrorEOF = false;
    is->ReachEOF = false;
    is->EventEOF = false; // the end is reported again after a seek
    is->seek_req = false;
    owner->SeekEvent().SetEvent();
    if (is->video_stream < 0 || r < 0) owner->SetSeeking(false);
}

// Subtitles do not count: a subtitle track running past the last picture
// would otherwise keep the end from being reported.
bool QueuesEmpty(TVideoState* is) {
    return (is->audio_stream < 0 || is->audioq.NbPackets() == 0) &&
           (is->video_stream < 0 || is->videoq.NbPackets() == 0);
}

// Demuxes until aborted. Returns when the loop is left.
void ReadLoop(TVideoState* is) {
    AVFormatContext* ic = is->ic;
    TPlayerOwner* owner = is->Owner;
    AVPacket* pkt = av::av_packet_alloc();
    if (!pkt) return;
    bool last_paused = false;
    bool eof = false;
    bool drain_sent = false;
    while (!is->abort_request) {
        if (is->paused != last_paused) {
            last_paused = is->paused;
            if (last_paused)
                av::av_read_pause(ic);
            else
                av::av_read_play(ic);
        }
        if (ServeStreamChange(is)) {
            eof = false;
            drain_sent = false;
        }
        if (is->seek_req) {
            DoSeek(is);
            eof = false;
            drain_sent = false;
        }
        const int64_t queued = is->audioq.Size() + is->videoq.Size() + is->subtitleq.Size();
        const bool audio_short = is->audio_stream >= 0 && is->audioq.Size() <= MIN_AUDIOQ_SIZE;
        const bool video_short = is->video_stream >= 0 && is->videoq.NbPackets() <= MIN_FRAMES;
        const bool subtitle_short = is->subtitle_stream >= 0 && is->subtitleq.NbPackets() <= MIN_FRAMES;
        if (queued > MAX_QUEUE_SIZE || !(audio_short || video_short || subtitle_short)) {
            SleepMs(10);
            continue;
        }
        // Only a read that met the end counts: the I/O context's end flag
        // outlives a seek.
        if (eof) {
            // One empty packet per decoder drains it; more would be refused.
            if (!drain_sent) {
                if (is->video_stream >= 0) is->videoq.PutNull(is->video_stream);
                if (is->audio_stream >= 0) is->audioq.PutNull(is->audio_stream);
                drain_sent = true;
            }
            SleepMs(10);
            if (QueuesEmpty(is)) is->ReachEOF = true;
            continue;
        }
        is->Reading = true;
        const int ret = av::av_read_frame(ic, pkt);
        is->Reading = false;
        if (is->abort_request) break;
        if (ret < 0) {
            if (ret == AVERROR(EAGAIN)) {
                SleepMs(10);
                continue;
            }
            if (!is->ErrorEOF && !is->IsImage2) {
                is->ErrorEOF = true;
                if (ret == AVERROR_EOF)
                    owner->LogMessage(llInfo, Format("reach end of file: %s", is->filename));
                else
                    owner->LogMessage(llError, "error #" + std::to_string(ret) +
                                                   " while reading file: " + is->filename);
            }
            if (ret == AVERROR_EOF) {
                eof = true;
                continue;
            }
            if (ic->pb && ic->pb->error) {
                owner->PictEvent().SetEvent(); // no picture will come
                break;
            }
            SleepMs(100);
            continue;
        }
        if (pkt->stream_index == is->audio_stream)
            is->audioq.Put(pkt);
        else if (pkt->stream_index == is->video_stream)
            is->videoq.Put(pkt);
        else if (pkt->stream_index == is->subtitle_stream)
            is->subtitleq.Put(pkt);
        av::av_packet_unref(pkt);
    }
    av::av_packet_free(&pkt);
}

// Opens the file and its streams; false with LastErrMsg set.
bool ReadOpen(TVideoState* is) {
    TPlayerOwner* owner = is->Owner;
    const TPlayerSettings& s = is->Settings;
    AVFormatContext* ic = av::avformat_alloc_context();
    if (!ic) {
        owner->ReportError("av_mallocz() failed.", true);
        return false;
    }
    ic->interrupt_callback = is->interrupt;
    AVDictionary* opts = nullptr;
    if (s.frame_width > 0 && s.frame_height > 0)
        av::av_dict_set(&opts, "video_size",
                        (std::to_string(s.frame_width) + "x" + std::to_string(s.frame_height)).c_str(), 0);
    if (s.frame_pix_fmt >= 0) {
        if (const char* name = av::av_get_pix_fmt_name(AVPixelFormat(s.frame_pix_fmt)))
            av::av_dict_set(&opts, "pixel_format", name, 0);
    }
    const int err = OpenMediaInput(&ic, is->filename, is->iformat, &opts, &is->interrupt);
    av::av_dict_free(&opts);
    if (err < 0) {
        const std::string interrupted = InterruptedOpenText(is);
        owner->ReportError(interrupted.empty() ? AVErrorText(is->filename, err) : interrupted, true);
        return false;
    }
    is->ic = ic;
    if (s.genpts) ic->flags |= AVFMT_FLAG_GENPTS;
    const int found = av::avformat_find_stream_info(ic, nullptr);
    if (const std::string interrupted = InterruptedOpenText(is); !interrupted.empty()) {
        owner->ReportError(interrupted, true);
        return false;
    }
    if (found < 0) {
        owner->ReportError(Format("%s: could not find codec parameters", is->filename), true);
        return false;
    }
    if (ic->pb) ic->pb->eof_reached = 0;
    is->seek_by_bytes =
        s.seek_by_bytes >= 0 ? s.seek_by_bytes : ((ic->iformat->flags & AVFMT_TS_DISCONT) ? 1 : 0);
    is->IsImage2 = std::strcmp(ic->iformat->name, "image2") == 0;
    is->IsDevice = ic->iformat->priv_class && AV_IS_INPUT_DEVICE(ic->iformat->priv_class->category);
    is->StartTime = ic->start_time;
    is->Duration = ic->duration != AV_NOPTS_VALUE ? ic->duration : -1;

    if (s.start_time != AV_NOPTS_VALUE) {
        int64_t target = s.start_time;
        if (ic->start_time != AV_NOPTS_VALUE) target += ic->start_time;
        if (av::avformat_seek_file(ic, -1, INT64_MIN, target, INT64_MAX, 0) < 0) {
            char text[2048];
            std::snprintf(text, sizeof text, "%s: could not seek to position %0.3f", is->filename.c_str(),
                          double(target) / AV_TIME_BASE);
            owner->LogMessage(llError, text);
        }
    }

    for (unsigned i = 0; i < ic->nb_streams; ++i)
        ic->streams[i]->discard = AVDISCARD_ALL;
    int video = -1, audio = -1, subtitle = -1;
    if (!s.video_disable)
        video = ChooseStream(ic, AVMEDIA_TYPE_VIDEO, s.wanted_stream[AVMEDIA_TYPE_VIDEO], -1);
    if (!s.audio_disable)
        audio = ChooseStream(ic, AVMEDIA_TYPE_AUDIO, s.wanted_stream[AVMEDIA_TYPE_AUDIO], video);
    if (!s.video_disable)
        subtitle = ChooseStream(ic, AVMEDIA_TYPE_SUBTITLE, s.wanted_stream[AVMEDIA_TYPE_SUBTITLE],
                                audio >= 0 ? audio : video);

    if (audio >= 0) StreamComponentOpen(is, audio);
    if (video >= 0) StreamComponentOpen(is, video);
    if (is->video_stream < 0 && !s.display_disable) is->show_audio = 2;
    if (subtitle >= 0) StreamComponentOpen(is, subtitle);

    if (is->video_stream < 0 && is->audio_stream < 0) {
        owner->ReportError(Format("%s: could not open codecs, no stream to play.", is->filename), true);
        return false;
    }
    return true;
}

void ReadThreadBody(TVideoState* is) {
    if (ReadOpen(is)) {
        is->Opened = 1;
        // The component looks at the context before demuxing may touch it.
        while (!is->abort_request && is->ReadGate.WaitFor(10) != TWaitResult::wrSignaled) {
        }
        ReadLoop(is);
        while (!is->abort_request) {
            ServeStreamChange(is); // nobody waits for ever
            SleepMs(10);
        }
    }
}

} // namespace

double NowSeconds() {
    return double(av::av_gettime_relative()) / 1000000.0;
}

TVideoState::~TVideoState() {
    for (TVideoPicture& vp : pictq)
        av::av_frame_free(&vp.Frame);
    av::av_frame_free(&displayed);
    for (TSubPicture& sp : subpq)
        av::avsubtitle_free(&sp.Sub);
    if (rdft) av::av_rdft_end(rdft);
    av::av_freep(&rdft_data);
    av::av_frame_free(&audio_frame);
    av::swr_free(&swr_ctx);
    av::avfilter_graph_free(&graph);
    av::av_channel_layout_uninit(&swr_src_layout);
    av::av_channel_layout_uninit(&audio_tgt_layout);
}

void ReadThread(TVideoState* is) {
    try {
        ReadThreadBody(is);
    } catch (const std::exception& e) {
        is->Owner->ReportError(std::string("read thread: ") + e.what(), is->Opened == 0);
    } catch (...) {
        is->Owner->ReportError("read thread: unknown error", is->Opened == 0);
    }
    if (is->Opened != 1) is->Opened = -1;
    try {
        if (is->ic) {
            if (is->audio_stream >= 0) StreamComponentClose(is, is->audio_stream);
            if (is->video_stream >= 0) StreamComponentClose(is, is->video_stream);
            if (is->subtitle_stream >= 0) StreamComponentClose(is, is->subtitle_stream);
            CloseMediaInput(&is->ic);
        }
    } catch (...) {
    }
    int failed = -1;
    is->Opened.compare_exchange_strong(failed, -2);
}

bool StreamOpen(TPlayerOwner* AOwner, const TPlayerSettings& ASettings, const std::string& AFileName,
                const AVInputFormat* AFormat, bool APaused, std::unique_ptr<TVideoState>& AState) {
    std::unique_ptr<TVideoState> is;
    try {
        is = std::make_unique<TVideoState>(AOwner, ASettings);
    } catch (const std::bad_alloc&) {
        AOwner->ReportError("av_mallocz() failed.", true);
        return false;
    }
    if (APaused) {
        is->paused = true;
        is->open_paused = 1;
        is->paused_at = NowSeconds();
    }
    is->filename = AFileName;
    is->iformat = AFormat;
    is->interrupt = {DecodeInterruptCB, is.get()};
    if (ASettings.open_timeout > 0) is->open_deadline = av::av_gettime_relative() + ASettings.open_timeout;
    is->external_clock_time = NowSeconds();
    is->frame_timer = NowSeconds();
    try {
        is->parse_tid = std::thread(ReadThread, is.get());
    } catch (const std::exception&) {
        AOwner->ReportError("SDL_CreateThread() failed.", true);
        return false;
    }
    WaitServingFor([&] { return is->Opened.load() != 0; }, -1, 10);
    if (is->Opened == 1) {
        if (APaused && is->video_stream < 0) is->pause_due = true;
        if (is->video_stream < 0 && !ASettings.display_disable) is->show_audio = int(AOwner->ShowAudio());
        AOwner->FileOpened(is->ic);
        is->ReadGate.SetEvent();
        try {
            is->refresh_tid = std::thread(RefreshThread, is.get());
        } catch (const std::exception&) {
            AOwner->ReportError("SDL_CreateThread() failed.", true);
            is->abort_request = true;
            is->parse_tid.join();
            return false;
        }
        AState = std::move(is);
        return true;
    }
    is->parse_tid.join();
    return false;
}

void StreamClose(TVideoState* is) {
    is->abort_request = true;
    is->ReadGate.SetEvent();
    if (is->parse_tid.joinable()) is->parse_tid.join();
    if (is->refresh_tid.joinable()) is->refresh_tid.join();
    if (is->overlay) {
        sdl::SDL_FreeYUVOverlay(is->overlay);
        is->overlay = nullptr;
    }
}

void StreamSeek(TVideoState* is, int64_t APos, int64_t ARel, int AFlags) {
    if (is->seek_req) return;
    is->Owner->SetSeeking(true);
    // While paused the video thread decodes until the first picture after
    // the seek, whose serial is the next one.
    is->seek_serial = is->videoq.Serial() + 1;
    // Reset before the request is seen: from now on only the first picture
    // of that serial (or the end of its run) sets it again.
    if (is->video_stream >= 0) is->Owner->PictEvent().ResetEvent();
    is->seek_paused = is->paused.load();
    is->seek_pos = APos;
    is->seek_rel = ARel;
    is->seek_flags = AFlags;
    if (is->seek_by_bytes) is->seek_flags |= AVSEEK_FLAG_BYTE;
    is->Owner->SeekEvent().ResetEvent();
    is->seek_req = true;
}

void StreamTogglePause(TVideoState* is) {
    const double now = NowSeconds();
    if (is->paused) {
        // Due times already worked out move back too (the display takes the
        // picture queue's lock before the clock's).
        std::lock_guard queue(is->pictq_mutex);
        double paused_at;
        {
            std::lock_guard lock(is->clock_lock);
            paused_at = is->paused_at;
        }
        for (TVideoPicture& vp : is->pictq)
            if (vp.DueSet) vp.Due += now - paused_at;
    }
    std::lock_guard lock(is->clock_lock);
    if (is->paused) {
        // The time spent paused moves every display deadline back.
        is->frame_timer += now - is->paused_at;
        if (is->video_clock_set) is->video_current_pts_drift = is->video_current_pts - now;
        is->audio_device_time = now;
        is->external_clock_time += now - is->paused_at;
        is->paused = false;
    } else {
        is->paused_at = now;
        if (is->video_clock_set) is->video_current_pts = is->video_current_pts_drift + now;
        is->audio_device_pts =
            std::min(is->audio_device_pts + (now - is->audio_device_time), is->audio_device_limit);
        is->audio_device_time = now;
        is->paused = true;
    }
}
