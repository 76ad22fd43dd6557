#pragma once
// Decodes a whole media file through the loaded libraries and sums up what
// a converted output must show: per stream its codec, size, rate, channels,
// frame count, decoded duration and peak level, and whether any packet
// failed to decode.

#include <cmath>
#include <string>
#include <vector>

#include "media/AVBindings.h"

struct TStreamSummary {
    AVMediaType Type = AVMEDIA_TYPE_UNKNOWN;
    std::string Codec;
    std::string Language;
    uint32_t Tag = 0;
    int Width = 0, Height = 0;
    AVRational FrameRate{0, 1};
    int SampleRate = 0, Channels = 0;
    int Frames = 0;        // decoded pictures, or decoded audio frames
    int64_t Samples = 0;   // decoded samples per channel
    double FirstTime = -1; // seconds, first decoded frame
    double EndTime = 0;    // seconds, end of the last decoded frame
    double Peak = 0;       // audio: largest absolute sample, 1.0 = full scale
    // Audio: the span where the sound is heard (samples above 1 % of full
    // scale), so an encoder's silent priming and padding do not count.
    double SoundStart = -1, SoundEnd = 0;
    double SoundDuration() const { return SoundEnd - std::max(0.0, SoundStart); }
    std::vector<double> FrameTimes; // video: every picture's time in seconds
    double Duration() const { return EndTime - std::max(0.0, FirstTime); }
};

struct TMediaSummary {
    bool Opened = false;
    int DecodeErrors = 0;
    std::string Format;
    std::vector<TStreamSummary> Streams;
    std::string Title;
    const TStreamSummary* First(AVMediaType AType) const {
        for (const TStreamSummary& s : Streams)
            if (s.Type == AType) return &s;
        return nullptr;
    }
};

// The largest absolute sample of a frame; AOnsets gets the index of the first
// and the last sample above 1 % of full scale (-1 when none).
inline double SamplePeak(const AVFrame* f, int* AFirstLoud = nullptr, int* ALastLoud = nullptr) {
    int firstLoud = -1, lastLoud = -1;
    const auto fmt = static_cast<AVSampleFormat>(f->format);
    const bool planar = av::av_sample_fmt_is_planar(fmt) != 0;
    const int ch = f->ch_layout.nb_channels;
    const int planes = planar ? ch : 1;
    const int n = f->nb_samples * (planar ? 1 : ch);
    double peak = 0;
    for (int p = 0; p < planes; ++p) {
        const uint8_t* d = f->extended_data[p];
        for (int i = 0; i < n; ++i) {
            double v = 0;
            switch (av::av_get_packed_sample_fmt(fmt)) {
            case AV_SAMPLE_FMT_U8:
                v = (d[i] - 128) / 128.0;
                break;
            case AV_SAMPLE_FMT_S16:
                v = reinterpret_cast<const int16_t*>(d)[i] / 32768.0;
                break;
            case AV_SAMPLE_FMT_S32:
                v = reinterpret_cast<const int32_t*>(d)[i] / 2147483648.0;
                break;
            case AV_SAMPLE_FMT_FLT:
                v = reinterpret_cast<const float*>(d)[i];
                break;
            case AV_SAMPLE_FMT_DBL:
                v = reinterpret_cast<const double*>(d)[i];
                break;
            default:
                break;
            }
            peak = std::max(peak, std::fabs(v));
            if (std::fabs(v) > 0.01) {
                const int sample = planar ? i : i / ch;
                if (firstLoud < 0 || sample < firstLoud) firstLoud = sample;
                lastLoud = std::max(lastLoud, sample);
            }
        }
    }
    if (AFirstLoud) *AFirstLoud = firstLoud;
    if (ALastLoud) *ALastLoud = lastLoud;
    return peak;
}

inline TMediaSummary InspectMedia(const std::string& AFileName) {
    TMediaSummary r;
    AVFormatContext* ic = nullptr;
    if (av::avformat_open_input(&ic, AFileName.c_str(), nullptr, nullptr) < 0) return r;
    if (av::avformat_find_stream_info(ic, nullptr) < 0) {
        av::avformat_close_input(&ic);
        return r;
    }
    r.Opened = true;
    r.Format = ic->iformat->name;
    if (const AVDictionaryEntry* t = av::av_dict_get(ic->metadata, "title", nullptr, 0)) r.Title = t->value;
    std::vector<AVCodecContext*> dec(ic->nb_streams, nullptr);
    r.Streams.resize(ic->nb_streams);
    for (unsigned i = 0; i < ic->nb_streams; ++i) {
        const AVCodecParameters* par = ic->streams[i]->codecpar;
        TStreamSummary& s = r.Streams[i];
        s.Type = par->codec_type;
        s.Codec = av::avcodec_get_name(par->codec_id);
        s.Tag = par->codec_tag;
        if (const AVDictionaryEntry* l = av::av_dict_get(ic->streams[i]->metadata, "language", nullptr, 0))
            s.Language = l->value;
        s.Width = par->width;
        s.Height = par->height;
        s.FrameRate = ic->streams[i]->avg_frame_rate;
        s.SampleRate = par->sample_rate;
        s.Channels = par->ch_layout.nb_channels;
        const AVCodec* codec = av::avcodec_find_decoder(par->codec_id);
        if (!codec || (s.Type != AVMEDIA_TYPE_VIDEO && s.Type != AVMEDIA_TYPE_AUDIO)) continue;
        dec[i] = av::avcodec_alloc_context3(codec);
        av::avcodec_parameters_to_context(dec[i], par);
        dec[i]->pkt_timebase = ic->streams[i]->time_base;
        if (av::avcodec_open2(dec[i], codec, nullptr) < 0) ++r.DecodeErrors;
    }
    AVPacket* pkt = av::av_packet_alloc();
    AVFrame* frame = av::av_frame_alloc();
    auto drain = [&](unsigned i) {
        TStreamSummary& s = r.Streams[i];
        const AVRational tb = ic->streams[i]->time_base;
        while (av::avcodec_receive_frame(dec[i], frame) >= 0) {
            double t = frame->best_effort_timestamp == AV_NOPTS_VALUE
                           ? s.EndTime
                           : static_cast<double>(frame->best_effort_timestamp) * av_q2d(tb);
            double d = 0;
            if (s.Type == AVMEDIA_TYPE_AUDIO) {
                d = static_cast<double>(frame->nb_samples) / frame->sample_rate;
                s.Samples += frame->nb_samples;
                int first = -1, last = -1;
                s.Peak = std::max(s.Peak, SamplePeak(frame, &first, &last));
                if (first >= 0) {
                    if (s.SoundStart < 0) s.SoundStart = t + static_cast<double>(first) / frame->sample_rate;
                    s.SoundEnd = t + static_cast<double>(last + 1) / frame->sample_rate;
                }
            } else {
                d = frame->pkt_duration > 0 ? static_cast<double>(frame->pkt_duration) * av_q2d(tb)
                    : s.FrameRate.num       ? 1.0 / av_q2d(s.FrameRate)
                                            : 0.04;
                s.FrameTimes.push_back(t);
            }
            if (s.FirstTime < 0) s.FirstTime = t;
            s.EndTime = std::max(s.EndTime, t + d);
            ++s.Frames;
            av::av_frame_unref(frame);
        }
    };
    while (av::av_read_frame(ic, pkt) >= 0) {
        const unsigned i = static_cast<unsigned>(pkt->stream_index);
        if (i < dec.size() && dec[i]) {
            if (av::avcodec_send_packet(dec[i], pkt) < 0) ++r.DecodeErrors;
            drain(i);
        }
        av::av_packet_unref(pkt);
    }
    for (unsigned i = 0; i < dec.size(); ++i)
        if (dec[i]) {
            av::avcodec_send_packet(dec[i], nullptr);
            drain(i);
            av::avcodec_free_context(&dec[i]);
        }
    av::av_frame_free(&frame);
    av::av_packet_free(&pkt);
    av::avformat_close_input(&ic);
    return r;
}
