// Opening and probing an input file.

#include <cmath>

#include "media/AVBindings.h"
#include "media/MediaIO.h"
#include "media/MediaUtils.h"
#include "media/TFFmpegLoader.h"
#include "media/engine/EngineLog.h"
#include "media/engine/EngineText.h"
#include "media/engine/TCustomFFmpeg.h"

using namespace EngineText;

namespace {

// Frees what a failed open leaves; the context itself is freed by the caller.
struct TInputDict {
    AVDictionary* Dict = nullptr;
    ~TInputDict() { av::av_dict_free(&Dict); }
};

void SetForcedCodecId(AVCodecID& AField, const AVCodec* ACodec) {
    if (ACodec) AField = ACodec->id;
}

} // namespace

int TCustomFFmpeg::InterruptCallback(void* AOpaque) {
    return static_cast<TCustomFFmpeg*>(AOpaque)->FBroken.load() ? 1 : 0;
}

int TCustomFFmpeg::OutputInterruptCallback(void* AOpaque) {
    return static_cast<TCustomFFmpeg*>(AOpaque)->FAbortOutput.load() ? 1 : 0;
}

void TCustomFFmpeg::CloseInputFile(int AIndex) {
    CloseMediaInput(&Finput_files[static_cast<size_t>(AIndex)]);
}

bool TCustomFFmpeg::OpenInputFile(const std::string& AFileName) {
    if (!Loaded()) {
        FLastErrMsg = FFLoader.NotLoadedText(ComponentLibraries);
        return false;
    }
    const AVInputFormat* fmt = nullptr;
    if (!Flast_asked_format.empty()) {
        fmt = av::av_find_input_format(Flast_asked_format.c_str());
        if (!fmt) throw FFmpegException("Unknown input format: \"" + Flast_asked_format + "\"");
        Flast_asked_format.clear();
    }

    auto fail = [&](AVFormatContext*& ic, const std::string& AText) {
        if (ic) av::avformat_free_context(ic);
        ic = nullptr;
        Fvideo_codec_name.clear();
        Faudio_codec_name.clear();
        Fsubtitle_codec_name.clear();
        Fvideo_channel = 0;
        FLastErrMsg = AText;
        return false;
    };

    AVFormatContext* ic = nullptr;
    if (Fnb_input_files >= FMaxFiles) return fail(ic, Format("Too many input files (at most %d)", FMaxFiles));

    ic = av::avformat_alloc_context();
    if (!ic) throw FFmpegException("avformat_alloc_context failed");

    // Demuxer options: only those this task sets.
    TInputDict options;
    if (Faudio_sample_rate_given) av::av_dict_set_int(&options.Dict, "sample_rate", Faudio_sample_rate, 0);
    if (Faudio_channels_given) av::av_dict_set_int(&options.Dict, "channels", Faudio_channels, 0);
    if (Fframe_rate.num > 0 && Fframe_rate.den > 0)
        av::av_dict_set(&options.Dict, "framerate", Format("%d/%d", Fframe_rate.num, Fframe_rate.den).c_str(),
                        0);
    if (Fframe_width > 0 && Fframe_height > 0)
        av::av_dict_set(&options.Dict, "video_size", Format("%dx%d", Fframe_width, Fframe_height).c_str(), 0);
    if (Fframe_pix_fmt >= 0)
        av::av_dict_set(&options.Dict, "pixel_format",
                        av::av_get_pix_fmt_name(static_cast<AVPixelFormat>(Fframe_pix_fmt)), 0);
    if (Fvideo_channel != 0) av::av_dict_set_int(&options.Dict, "channel", Fvideo_channel, 0);
    if (!Fvideo_standard.empty()) av::av_dict_set(&options.Dict, "standard", Fvideo_standard.c_str(), 0);
    if (Floop_input) av::av_dict_set(&options.Dict, "loop", "1", 0);
    ApplyFFFormatOptions(FOptions, ic, &options.Dict, AV_OPT_FLAG_DECODING_PARAM);

    const AVCodec* forced[3] = {nullptr, nullptr, nullptr};
    if (!FindCodecByName(Fvideo_codec_name, AVMEDIA_TYPE_VIDEO, false, CodecStrictness(AVMEDIA_TYPE_VIDEO),
                         forced[0]) ||
        !FindCodecByName(Faudio_codec_name, AVMEDIA_TYPE_AUDIO, false, CodecStrictness(AVMEDIA_TYPE_AUDIO),
                         forced[1]) ||
        !FindCodecByName(Fsubtitle_codec_name, AVMEDIA_TYPE_SUBTITLE, false,
                         CodecStrictness(AVMEDIA_TYPE_SUBTITLE), forced[2]))
        return fail(ic, FLastErrMsg);
    SetForcedCodecId(ic->video_codec_id, forced[0]);
    SetForcedCodecId(ic->audio_codec_id, forced[1]);
    SetForcedCodecId(ic->subtitle_codec_id, forced[2]);

    ic->flags |= AVFMT_FLAG_NONBLOCK;
    if (Fpgmyuv_compatibility_hack) ic->video_codec_id = AV_CODEC_ID_PGMYUV;
    const AVIOInterruptCB interrupt{&TCustomFFmpeg::InterruptCallback, this};
    int err = OpenMediaInput(&ic, AFileName, fmt, &options.Dict, &interrupt);
    if (err < 0) {
        ic = nullptr; // freed by the failed open
        return fail(ic, AVErrorText(AFileName, err));
    }
    for (const AVDictionaryEntry* e = av::av_dict_get(options.Dict, "", nullptr, AV_DICT_IGNORE_SUFFIX); e;
         e = av::av_dict_get(options.Dict, "", e, AV_DICT_IGNORE_SUFFIX))
        Log(llVerbose, Format("Option %s not used by the demuxer of %s", e->key, AFileName.c_str()));

    // From here on a failure closes the opened input.
    auto failOpened = [&](const std::string& AText) {
        CloseMediaInput(&ic);
        AVFormatContext* none = nullptr;
        return fail(none, AText);
    };

    if (Fopt_programid != 0) {
        bool found = false;
        for (unsigned s = 0; s < ic->nb_streams; ++s)
            ic->streams[s]->discard = AVDISCARD_ALL;
        for (unsigned p = 0; p < ic->nb_programs; ++p) {
            AVProgram* program = ic->programs[p];
            if (program->id != Fopt_programid) {
                program->discard = AVDISCARD_ALL;
                continue;
            }
            found = true;
            for (unsigned k = 0; k < program->nb_stream_indexes; ++k)
                ic->streams[program->stream_index[k]]->discard = AVDISCARD_DEFAULT;
        }
        if (!found) return failOpened("Specified program id not found");
        Fopt_programid = 0;
    }

    int probe = 0;
    {
        std::lock_guard lock(CodecLock);
        probe = av::avformat_find_stream_info(ic, nullptr);
    }
    if (probe < 0 && Fverbose >= 0) {
        std::string text = Format("%s: could not find codec parameters", AFileName.c_str());
        Log(llVerbose, text);
        return failOpened(text);
    }

    int64_t timestamp = Fstart_time;
    if (ic->start_time != AV_NOPTS_VALUE) timestamp += ic->start_time;
    Finput_files_seeked[static_cast<size_t>(Fnb_input_files)] = Fstart_time != 0;
    if (Fstart_time != 0) {
        if (av::av_seek_frame(ic, -1, timestamp, AVSEEK_FLAG_BACKWARD) < 0 && Fverbose > 0)
            Log(llVerbose, Format("%s: could not seek to position %0.3f", AFileName.c_str(),
                                  static_cast<double>(timestamp) / AV_TIME_BASE));
        Fstart_time = 0;
    }

    AVCodecContext* videoOpts = FOptionsCodecContext(FOptions, AVMEDIA_TYPE_VIDEO);
    for (unsigned s = 0; s < ic->nb_streams; ++s) {
        AVStream* st = ic->streams[s];
        AVCodecParameters* par = st->codecpar;
        if (par->codec_type < AVMEDIA_TYPE_UNKNOWN || par->codec_type > AVMEDIA_TYPE_ATTACHMENT) {
            CloseMediaInput(&ic);
            throw FFmpegException("invalid codec_type");
        }
        const AVCodec* slot = nullptr;
        switch (par->codec_type) {
        case AVMEDIA_TYPE_VIDEO: {
            int w = par->width, h = par->height;
            int64_t lowres = 0;
            if (videoOpts && av::av_opt_get_int(videoOpts, "lowres", 0, &lowres) >= 0 && lowres > 0) {
                w >>= lowres;
                h >>= lowres;
            }
            Fframe_width = w;
            Fframe_height = h;
            AVRational sar = st->sample_aspect_ratio.num ? st->sample_aspect_ratio : par->sample_aspect_ratio;
            double ratio = sar.num && sar.den ? av_q2d(sar) : 0;
            if (w * h != 0)
                Fframe_aspect_ratio = static_cast<float>((ratio != 0 ? ratio : 1.0) * w / h);
            else if (ratio == 0)
                Fframe_aspect_ratio = 4.0f / 3.0f;
            else
                Fframe_aspect_ratio = static_cast<float>(ratio);
            Fframe_pix_fmt = par->format < 0 ? AV_PIX_FMT_YUV420P : par->format;
            AVRational rate = st->r_frame_rate;
            AVRational avg = st->avg_frame_rate;
            if (Fverbose >= 0 && rate.num && rate.den && avg.num && avg.den && av_cmp_q(rate, avg) != 0)
                Log(llInfo, Format("Seems stream %u codec frame rate differs from container frame rate: "
                                   "%2.2f (%d/%d) -> %2.2f (%d/%d)",
                                   s, av_q2d(avg), avg.num, avg.den, av_q2d(rate), rate.num, rate.den));
            Fframe_rate = rate;
            slot = forced[0];
            if (Fvideo_disable)
                st->discard = AVDISCARD_ALL;
            else if (Fvideo_discard)
                st->discard = static_cast<AVDiscard>(Fvideo_discard);
            break;
        }
        case AVMEDIA_TYPE_AUDIO:
            Fchannel_layout = par->ch_layout.order == AV_CHANNEL_ORDER_NATIVE ? par->ch_layout.u.mask : 0;
            if (par->ch_layout.nb_channels > 0) Faudio_channels = par->ch_layout.nb_channels;
            if (par->sample_rate > 0) Faudio_sample_rate = par->sample_rate;
            Faudio_sample_fmt = par->format;
            slot = forced[1];
            if (Faudio_disable) st->discard = AVDISCARD_ALL;
            break;
        case AVMEDIA_TYPE_SUBTITLE:
            slot = forced[2];
            if (Fsubtitle_disable) st->discard = AVDISCARD_ALL;
            break;
        default:
            break;
        }
        if (par->codec_type != AVMEDIA_TYPE_DATA) {
            // Streams beyond the table's rows get room: a file may carry many.
            if (Fnb_icodecs >= static_cast<int>(Finput_codecs.size()))
                Finput_codecs.resize(static_cast<size_t>(Fnb_icodecs) + 1, nullptr);
            Finput_codecs[static_cast<size_t>(Fnb_icodecs++)] = slot;
        }
    }

    // Progress needs the expected length: the longest input, unless a
    // recording time was given, which stays the length.
    if (ic->duration > FTotalOutputDuration && Frecording_time == INT64_MAX)
        FTotalOutputDuration = ic->duration;

    const size_t n = static_cast<size_t>(Fnb_input_files);
    Finput_files_ts_offset[n] = Fcopy_ts ? Finput_ts_offset : Finput_ts_offset - timestamp;
    if (Fverbose >= 0) av::av_dump_format(ic, Fnb_input_files, AFileName.c_str(), 0);
    Finput_files[n] = ic;
    ++Fnb_input_files;
    // An input opened after a joined output is joined too: it adds its length.
    if (FJoinMode) FTotalOutputDuration = JoinedDuration();
    Fvideo_channel = 0;
    Fvideo_codec_name.clear();
    Faudio_codec_name.clear();
    Fsubtitle_codec_name.clear();
    return true;
}
