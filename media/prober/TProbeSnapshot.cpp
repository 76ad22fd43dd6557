#include "media/prober/TProbeSnapshot.h"

#include "media/AVBindings.h"
#include "media/MediaUtils.h"
#include "media/UnicodeFileName.h"

#include <cinttypes>
#include <cstdio>
#include <ctime>
#include <memory>

#include <strings.h>

namespace {

TMetadataList CopyMetadata(const AVDictionary* dict) {
    TMetadataList list;
    const AVDictionaryEntry* e = nullptr;
    while ((e = av::av_dict_get(dict, "", e, AV_DICT_IGNORE_SUFFIX)))
        list.emplace_back(e->key, e->value ? e->value : "");
    return list;
}

// A denominator of 0 takes the numerator, or 1 when that is 0 too.
AVRational RepairedTimeBase(AVRational tb) {
    if (tb.den == 0) tb.den = tb.num != 0 ? tb.num : 1;
    return tb;
}

struct CodecContextFree {
    void operator()(AVCodecContext* c) const { av::avcodec_free_context(&c); }
};

// The codec's name and the library's description: both want a codec
// context, so a temporary one over the parameters.
void DescribeCodec(const AVCodecParameters* par, TProbeStream& s) {
    std::unique_ptr<AVCodecContext, CodecContextFree> ctx(av::avcodec_alloc_context3(nullptr));
    if (!ctx || av::avcodec_parameters_to_context(ctx.get(), par) < 0) return;
    s.CodecName = CodecNameText(ctx.get(), false);
    char text[256] = {};
    av::avcodec_string(text, sizeof text, ctx.get(), 0);
    s.Description = text;
}

} // namespace

std::string MetadataLookup(const TMetadataList& AList, const std::string& AKey, const std::string& ADefault) {
    // Keys compare without case, as the libraries' own lookup does: Matroska
    // stores its tags in capitals ("COPYRIGHT", "ARTIST").
    for (const auto& [key, value] : AList)
        if (key.size() == AKey.size() && strncasecmp(key.c_str(), AKey.c_str(), key.size()) == 0)
            return value;
    return ADefault;
}

int64_t CreationTimeSeconds(const TMetadataList& AList) {
    const std::string text = MetadataLookup(AList, "creation_time");
    std::tm t{};
    if (std::sscanf(text.c_str(), "%d-%d-%d%*[T ]%d:%d:%d", &t.tm_year, &t.tm_mon, &t.tm_mday, &t.tm_hour,
                    &t.tm_min, &t.tm_sec) < 3)
        return 0;
    t.tm_year -= 1900;
    t.tm_mon -= 1;
    return int64_t(timegm(&t));
}

TProbeSnapshot TakeProbeSnapshot(const AVFormatContext* AContext, bool ADescribe) {
    TProbeSnapshot info;
    const AVFormatContext* fc = AContext;
    info.FileName = FileNameFromURL(fc->url ? fc->url : "");
    if (fc->iformat) {
        info.FormatName = fc->iformat->name ? fc->iformat->name : "";
        info.FormatLongName = fc->iformat->long_name ? fc->iformat->long_name : "";
        info.ShowIds = (fc->iformat->flags & AVFMT_SHOW_IDS) != 0;
    }
    const int64_t ioSize = fc->pb ? av::avio_size(fc->pb) : -1;
    if (ioSize > 0)
        info.FileSize = ioSize;
    else if (!info.FileName.empty() && GetFileSizeByName(info.FileName) >= 0)
        info.FileSize = GetFileSizeByName(info.FileName);
    else
        info.FileSize = ioSize;
    info.StartTime = fc->start_time;
    info.Duration = fc->duration;
    info.BitRate = fc->bit_rate;
    info.Metadata = CopyMetadata(fc->metadata);

    for (unsigned i = 0; i < fc->nb_streams; ++i) {
        const AVStream* st = fc->streams[i];
        const AVCodecParameters* par = st->codecpar;
        TProbeStream s;
        s.Type = par->codec_type;
        s.Id = st->id;
        s.Metadata = CopyMetadata(st->metadata);
        s.Language = MetadataLookup(s.Metadata, "language");
        s.TimeBase = RepairedTimeBase(st->time_base);
        s.StartTime = st->start_time;
        s.Duration = st->duration;
        s.BitRate = par->bit_rate;
        s.Channels = par->ch_layout.nb_channels;
        s.SampleRate = par->sample_rate;
        s.Width = par->width;
        s.Height = par->height;
        if (par->codec_type == AVMEDIA_TYPE_AUDIO)
            s.SampleFormat = par->format;
        else if (par->codec_type == AVMEDIA_TYPE_VIDEO)
            s.PixFmt = par->format;
        s.StreamAspect = st->sample_aspect_ratio;
        s.CodecAspect = par->sample_aspect_ratio;
        s.AvgFrameRate = st->avg_frame_rate;
        s.RealFrameRate = st->r_frame_rate;
        s.CodecTimeBase = av::av_stream_get_codec_timebase(st);
        info.Streams.push_back(std::move(s));
    }
    for (unsigned i = 0; i < fc->nb_programs; ++i) {
        const AVProgram* p = fc->programs[i];
        TProbeProgram program;
        program.Id = p->id;
        program.Metadata = CopyMetadata(p->metadata);
        for (unsigned k = 0; k < p->nb_stream_indexes; ++k)
            if (p->stream_index[k] < fc->nb_streams) program.Streams.push_back(int(p->stream_index[k]));
        info.Programs.push_back(std::move(program));
    }
    if (ADescribe) DescribeStreams(fc, info);
    return info;
}

void DescribeStreams(const AVFormatContext* AContext, TProbeSnapshot& AInfo) {
    for (size_t i = 0; i < AInfo.Streams.size() && i < AContext->nb_streams; ++i)
        DescribeCodec(AContext->streams[i]->codecpar, AInfo.Streams[i]);
    AInfo.Described = true;
}
