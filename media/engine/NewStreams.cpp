// Creating the video, audio and subtitle streams of an output file from the
// option values current at that moment.

#include <cstdio>
#include <cstdlib>

#include "media/AVBindings.h"
#include "media/engine/EngineLog.h"
#include "media/engine/EngineText.h"
#include "media/engine/TCustomFFmpeg.h"

using namespace EngineText;

namespace {

// Aspect ratio of the picture as the ratio of one pixel, terms up to 255.
AVRational SampleAspect(float AAspect, int AWidth, int AHeight) {
    if (AAspect == 0) return AVRational{0, 1};
    double ratio = AWidth && AHeight ? AAspect * AHeight / AWidth : AAspect * 3.0 / 4.0;
    return av::av_d2q(ratio, 255);
}

// "start,end,value/start,end,value..." into the encoder's overrides.
void ParseRcOverride(AVCodecContext* enc, const std::string& AText) {
    std::vector<RcOverride> list;
    size_t pos = 0;
    while (pos < AText.size()) {
        size_t slash = AText.find('/', pos);
        std::string entry = AText.substr(pos, slash == std::string::npos ? std::string::npos : slash - pos);
        int start = 0, end = 0, used = 0;
        if (sscanf(entry.c_str(), "%d,%d,%n", &start, &end, &used) < 2 || used == 0)
            throw FFmpegException("error parsing rc_override");
        int q = atoi(entry.c_str() + used);
        RcOverride o{};
        o.start_frame = start;
        o.end_frame = end;
        if (q > 0) {
            o.qscale = q;
            o.quality_factor = 1.0f;
        } else {
            o.qscale = 0;
            o.quality_factor = -q / 100.0f;
        }
        list.push_back(o);
        if (slash == std::string::npos) break;
        pos = slash + 1;
    }
    if (list.empty()) return;
    enc->rc_override = static_cast<RcOverride*>(av::av_malloc(list.size() * sizeof(RcOverride)));
    if (!enc->rc_override) throw FFmpegException("error parsing rc_override");
    std::copy(list.begin(), list.end(), enc->rc_override);
    enc->rc_override_count = static_cast<int>(list.size());
}

uint16_t* CopyMatrix(const std::array<uint16_t, 64>& AMatrix) {
    auto* m = static_cast<uint16_t*>(av::av_malloc(sizeof(uint16_t) * 64));
    if (m) std::copy(AMatrix.begin(), AMatrix.end(), m);
    return m;
}

void SetLanguage(AVStream* st, std::string& ALanguage) {
    if (!ALanguage.empty()) av::av_dict_set(&st->metadata, "language", ALanguage.c_str(), 0);
    ALanguage.clear();
}

} // namespace

AVCodecContext* TCustomFFmpeg::NewEncoderContext(AVFormatContext* oc, int AType, const AVCodec* ACodec,
                                                 bool ACopy) {
    const int file = CurrentOutputIndex(oc);
    if (file < 0) throw FFmpegException("At least one output file must be specified");
    if (oc->nb_streams >= static_cast<unsigned>(MAX_STREAMS))
        throw FFmpegException(Format("stream index over MAX_STREAMS(%d)", MAX_STREAMS));
    AVStream* st = av::avformat_new_stream(oc, nullptr);
    if (!st) throw FFmpegException("Could not alloc stream");
    const size_t index = static_cast<size_t>(st->index);
    if (Fstreamid_map[index] != 0) st->id = Fstreamid_map[index];

    TOutputStreamSetup& setup = Foutput_streams[static_cast<size_t>(file)][index];
    setup.Encoder = av::avcodec_alloc_context3(ACopy ? nullptr : ACodec);
    if (!setup.Encoder) throw FFmpegException("avcodec_alloc_context failed");
    setup.Codec = ACopy ? nullptr : ACodec;
    setup.StreamCopy = ACopy;
    setup.Encoder->codec_type = static_cast<AVMediaType>(AType);
    if (ACodec && !ACopy) setup.Encoder->codec_id = ACodec->id;
    setup.Encoder->thread_count = Fthread_count;

    TBitstreamFilterChain& pending = AType == AVMEDIA_TYPE_VIDEO   ? Fvideo_bitstream_filters
                                     : AType == AVMEDIA_TYPE_AUDIO ? Faudio_bitstream_filters
                                                                   : Fsubtitle_bitstream_filters;
    Fbitstream_filters[static_cast<size_t>(file)][index] = std::move(pending);
    pending.clear();

    if (Fnb_ocodecs >= static_cast<int>(Foutput_codecs.size()))
        Foutput_codecs.resize(static_cast<size_t>(Fnb_ocodecs) + 1, nullptr);
    return setup.Encoder;
}

// The encoder named by the option, or the one the format and file name suggest.
static const AVCodec* GuessEncoder(TCustomFFmpeg& e, AVFormatContext* oc, const std::string& AName,
                                   AVMediaType AType, int AStrict, AVCodecID& AId) {
    const AVCodec* codec = nullptr;
    AId = AV_CODEC_ID_NONE;
    if (!AName.empty()) {
        if (!e.FindCodecByName(AName, AType, true, AStrict, codec)) throw FFmpegException(e.LastErrMsg());
        AId = codec->id;
        return codec;
    }
    AId = av::av_guess_codec(oc->oformat, nullptr, oc->url, nullptr, AType);
    return AId == AV_CODEC_ID_NONE ? nullptr : av::avcodec_find_encoder(AId);
}

void TCustomFFmpeg::NewVideoStream(AVFormatContext* oc) {
    const bool copy = Fvideo_stream_copy != 0;
    AVCodecID id = AV_CODEC_ID_NONE;
    const AVCodec* codec = copy ? nullptr
                                : GuessEncoder(*this, oc, Fvideo_codec_name, AVMEDIA_TYPE_VIDEO,
                                               CodecStrictness(AVMEDIA_TYPE_VIDEO), id);
    AVCodecContext* enc = NewEncoderContext(oc, AVMEDIA_TYPE_VIDEO, codec, copy);
    AVStream* st = oc->streams[oc->nb_streams - 1];
    TOutputStreamSetup& setup =
        Foutput_streams[static_cast<size_t>(CurrentOutputIndex(oc))][static_cast<size_t>(st->index)];
    if (Fvideo_codec_tag) enc->codec_tag = Fvideo_codec_tag;

    AVCodecContext* generic = FOptionsCodecContext(FOptions, AVMEDIA_TYPE_VIDEO);
    if ((Fvideo_global_header & 1) ||
        (Fvideo_global_header == 0 && (oc->oformat->flags & AVFMT_GLOBALHEADER))) {
        enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        if (generic) generic->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }
    if (Fvideo_global_header & 2) {
        enc->flags2 |= AV_CODEC_FLAG2_LOCAL_HEADER;
        if (generic) generic->flags2 |= AV_CODEC_FLAG2_LOCAL_HEADER;
    }

    const AVRational sar = SampleAspect(Fframe_aspect_ratio, Fframe_width, Fframe_height);
    if (copy) {
        enc->sample_aspect_ratio = st->sample_aspect_ratio = sar;
    } else {
        enc->codec_id = id;
        ApplyFFCodecOptions(FOptions, enc, AVMEDIA_TYPE_VIDEO, &setup.Options,
                            AV_OPT_FLAG_VIDEO_PARAM | AV_OPT_FLAG_ENCODING_PARAM);
        AVRational rate = Fframe_rate.num > 0 && Fframe_rate.den > 0 ? Fframe_rate : AVRational{25, 1};
        if (codec && codec->supported_framerates && !Fforce_fps)
            rate = codec->supported_framerates[av::av_find_nearest_q_idx(rate, codec->supported_framerates)];
        enc->time_base = av_inv_q(rate);
        enc->framerate = rate;
        st->time_base = enc->time_base;
        enc->width = Fframe_width;
        enc->height = Fframe_height;
        enc->sample_aspect_ratio = st->sample_aspect_ratio = sar;
        enc->pix_fmt = static_cast<AVPixelFormat>(Fframe_pix_fmt);
        if (codec && codec->pix_fmts) {
            bool listed = false;
            for (const AVPixelFormat* p = codec->pix_fmts; *p != AV_PIX_FMT_NONE; ++p)
                listed |= *p == enc->pix_fmt;
            bool mjpegKeeps = codec->id == AV_CODEC_ID_MJPEG && enc->strict_std_compliance < 0 &&
                              (enc->pix_fmt == AV_PIX_FMT_YUV420P || enc->pix_fmt == AV_PIX_FMT_YUV422P);
            if (!listed && !mjpegKeeps) enc->pix_fmt = codec->pix_fmts[0];
        }
        if (Fintra_only) enc->gop_size = 0;
        if (Fvideo_qscale != 0 || Fsame_quality) {
            enc->flags |= AV_CODEC_FLAG_QSCALE;
            enc->global_quality = static_cast<int>(FF_QP2LAMBDA * Fvideo_qscale);
        }
        if (Fintra_matrix) enc->intra_matrix = CopyMatrix(*Fintra_matrix);
        if (Finter_matrix) enc->inter_matrix = CopyMatrix(*Finter_matrix);
        ParseRcOverride(enc, Fvideo_rc_override_string);
        if (!enc->rc_initial_buffer_occupancy) enc->rc_initial_buffer_occupancy = enc->rc_buffer_size * 3 / 4;
        enc->intra_dc_precision = Fintra_dc_precision - 8;
        if (Fdo_psnr) enc->flags |= AV_CODEC_FLAG_PSNR;
        if (Fdo_pass == 1) enc->flags |= AV_CODEC_FLAG_PASS1;
        if (Fdo_pass == 2) enc->flags |= AV_CODEC_FLAG_PASS2;
    }

    Foutput_codecs[static_cast<size_t>(Fnb_ocodecs++)] = codec;
    SetLanguage(st, Fvideo_language);
    Fvideo_disable = false;
    Fvideo_codec_name.clear();
    Fvideo_stream_copy = 0;
    Fframe_pix_fmt = -1;
}

void TCustomFFmpeg::ClampChannelLayout(AVCodecContext* enc, const AVCodec* codec) {
    if (Faudio_channels_given || !codec || !codec->ch_layouts) return;
    const AVChannelLayout* best = nullptr;
    const int count = enc->ch_layout.nb_channels;
    for (const AVChannelLayout* l = codec->ch_layouts; l->nb_channels; ++l) {
        if (av::av_channel_layout_compare(l, &enc->ch_layout) == 0) return;
        if (l->nb_channels == count && (!best || best->nb_channels != count)) best = l;
    }
    if (!best)
        for (const AVChannelLayout* l = codec->ch_layouts; l->nb_channels; ++l)
            if (l->nb_channels < count && (!best || l->nb_channels > best->nb_channels)) best = l;
    if (!best)
        for (const AVChannelLayout* l = codec->ch_layouts; l->nb_channels; ++l)
            if (l->nb_channels > count && (!best || l->nb_channels < best->nb_channels)) best = l;
    if (!best) return;
    av::av_channel_layout_uninit(&enc->ch_layout);
    av::av_channel_layout_copy(&enc->ch_layout, best);
    char name[128] = "";
    av::av_channel_layout_describe(&enc->ch_layout, name, sizeof name);
    Log(llWarning, Format("Requested channel layout unsupported using closest supported (%s)", name));
}

void TCustomFFmpeg::NewAudioStream(AVFormatContext* oc) {
    const bool copy = Faudio_stream_copy != 0;
    AVCodecID id = AV_CODEC_ID_NONE;
    const AVCodec* codec = copy ? nullptr
                                : GuessEncoder(*this, oc, Faudio_codec_name, AVMEDIA_TYPE_AUDIO,
                                               CodecStrictness(AVMEDIA_TYPE_AUDIO), id);
    AVCodecContext* enc = NewEncoderContext(oc, AVMEDIA_TYPE_AUDIO, codec, copy);
    AVStream* st = oc->streams[oc->nb_streams - 1];
    TOutputStreamSetup& setup =
        Foutput_streams[static_cast<size_t>(CurrentOutputIndex(oc))][static_cast<size_t>(st->index)];
    if (Faudio_codec_tag) enc->codec_tag = Faudio_codec_tag;
    if (oc->oformat->flags & AVFMT_GLOBALHEADER) {
        enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        if (AVCodecContext* generic = FOptionsCodecContext(FOptions, AVMEDIA_TYPE_AUDIO))
            generic->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }

    av::av_channel_layout_uninit(&enc->ch_layout);
    if (Fchannel_layout && __builtin_popcountll(Fchannel_layout) == Faudio_channels)
        av::av_channel_layout_from_mask(&enc->ch_layout, Fchannel_layout);
    else
        av::av_channel_layout_default(&enc->ch_layout, Faudio_channels);
    enc->sample_rate = Faudio_sample_rate;

    if (!copy) {
        enc->codec_id = id;
        ApplyFFCodecOptions(FOptions, enc, AVMEDIA_TYPE_AUDIO, &setup.Options,
                            AV_OPT_FLAG_AUDIO_PARAM | AV_OPT_FLAG_ENCODING_PARAM);
        if (Faudio_qscale > -99999) {
            enc->flags |= AV_CODEC_FLAG_QSCALE;
            enc->global_quality = static_cast<int>(FF_QP2LAMBDA * Faudio_qscale);
        }
        enc->sample_fmt = static_cast<AVSampleFormat>(Faudio_sample_fmt);
        if (codec && codec->sample_fmts) {
            bool listed = false;
            for (const AVSampleFormat* p = codec->sample_fmts; *p != AV_SAMPLE_FMT_NONE; ++p)
                listed |= *p == enc->sample_fmt;
            if (!listed) enc->sample_fmt = codec->sample_fmts[0];
        }
        if (codec && codec->supported_samplerates) {
            int best = 0;
            for (const int* r = codec->supported_samplerates; *r; ++r)
                if (!best || std::abs(*r - enc->sample_rate) < std::abs(best - enc->sample_rate)) best = *r;
            if (best != enc->sample_rate) {
                Log(llWarning,
                    Format("Requested sampling rate unsupported using closest supported (%d)", best));
                enc->sample_rate = best;
            }
        }
        ClampChannelLayout(enc, codec);
    }
    enc->time_base = AVRational{1, enc->sample_rate > 0 ? enc->sample_rate : 1};
    st->time_base = enc->time_base;

    Foutput_codecs[static_cast<size_t>(Fnb_ocodecs++)] = codec;
    SetLanguage(st, Faudio_language);
    Faudio_disable = false;
    Faudio_codec_name.clear();
    Faudio_stream_copy = 0;
}

void TCustomFFmpeg::NewSubtitleStream(AVFormatContext* oc) {
    const bool copy = Fsubtitle_stream_copy != 0;
    const AVCodec* codec = nullptr;
    if (!copy && !Fsubtitle_codec_name.empty() &&
        !FindCodecByName(Fsubtitle_codec_name, AVMEDIA_TYPE_SUBTITLE, true,
                         CodecStrictness(AVMEDIA_TYPE_SUBTITLE), codec))
        throw FFmpegException(FLastErrMsg);
    AVCodecContext* enc = NewEncoderContext(oc, AVMEDIA_TYPE_SUBTITLE, codec, copy);
    AVStream* st = oc->streams[oc->nb_streams - 1];
    if (Fsubtitle_codec_tag) enc->codec_tag = Fsubtitle_codec_tag;

    Foutput_codecs[static_cast<size_t>(Fnb_ocodecs++)] = codec;
    SetLanguage(st, Fsubtitle_language);
    Fsubtitle_disable = false;
    Fsubtitle_codec_name.clear();
    Fsubtitle_stream_copy = 0;
}
