#pragma once

// A copy of everything the prober reports about an open file, taken once.
// Reports are made from the copy, never from the context: a context adopted
// from the engine is being demuxed by another thread, and repairs (a time base
// with a zero denominator) must not touch a context the prober does not own.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

extern "C" {
#include <libavutil/avutil.h>
#include <libavutil/rational.h>
}

struct AVFormatContext;

using TMetadataList = std::vector<std::pair<std::string, std::string>>;

struct TProbeStream {
    AVMediaType Type = AVMEDIA_TYPE_UNKNOWN;
    int Id = 0;
    std::string Language;
    std::string CodecName;              // CodecNameText of the decoder
    std::string Description;            // the library's own description (avcodec_string)
    AVRational TimeBase{0, 1};          // repaired: never a zero denominator
    int64_t StartTime = AV_NOPTS_VALUE; // stream units
    int64_t Duration = AV_NOPTS_VALUE;  // stream units
    int64_t BitRate = 0;
    int Channels = 0;
    int SampleRate = 0;
    int SampleFormat = -1;
    int Width = 0;
    int Height = 0;
    int PixFmt = -1;
    AVRational StreamAspect{0, 1}; // the container's sample aspect ratio
    AVRational CodecAspect{0, 1};  // the codec's
    AVRational AvgFrameRate{0, 1};
    AVRational RealFrameRate{0, 1};
    AVRational CodecTimeBase{0, 1};
    TMetadataList Metadata;
};

struct TProbeProgram {
    int Id = 0;
    TMetadataList Metadata;
    std::vector<int> Streams;
};

struct TProbeSnapshot {
    std::string FileName; // as shown: UTF-8, without the I/O prefix
    std::string FormatName;
    std::string FormatLongName;
    bool ShowIds = false;
    int64_t FileSize = -1;
    int64_t StartTime = AV_NOPTS_VALUE; // microseconds
    int64_t Duration = AV_NOPTS_VALUE;  // microseconds
    int64_t BitRate = 0;
    TMetadataList Metadata;
    std::vector<TProbeStream> Streams;
    std::vector<TProbeProgram> Programs;
    bool Described = false; // CodecName and Description of the streams are filled
};

// Reads the context; every library call goes through the loader's slots.
// The codec names and descriptions need a codec context per stream: with
// ADescribe false they are left for DescribeStreams, when they are asked for.
TProbeSnapshot TakeProbeSnapshot(const AVFormatContext* AContext, bool ADescribe);
void DescribeStreams(const AVFormatContext* AContext, TProbeSnapshot& AInfo);

// The value of the first entry with that exact key, or ADefault.
std::string MetadataLookup(const TMetadataList& AList, const std::string& AKey,
                           const std::string& ADefault = "");

// The "creation_time" entry (ISO 8601, UTC) as Unix seconds; 0 when absent
// or unreadable.
int64_t CreationTimeSeconds(const TMetadataList& AList);

// The multi-line report of FileInfoText, lines ended by LF.
std::string ProbeInfoText(const TProbeSnapshot& AInfo);
