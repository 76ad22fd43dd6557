#pragma once

#include <string>
#include <vector>

extern "C" {
#include <libavutil/avutil.h>
}

struct AVCodecContext;
struct AVDictionary;
struct AVFormatContext;
struct SwsContext;

// The option contexts of one engine: names without a setter of their own are
// written here. Generic options land on a codec context per media type, a
// format context and a scaler context; codec-private and muxer/demuxer-private
// options (libx264 "crf", mpeg "muxrate") are kept by name in dictionaries
// for the open calls, after their value was checked on their owner.
struct TFFOptions {
    std::vector<std::string> opt_names; // generic names set so far, in order
    AVCodecContext* avcodec_opts[AVMEDIA_TYPE_NB] = {};
    AVFormatContext* avformat_opts = nullptr;
    SwsContext* sws_opts = nullptr;
    AVDictionary* codec_private[AVMEDIA_TYPE_NB] = {};
    AVDictionary* format_private = nullptr;
};

void ClearFFOptions(TFFOptions& AOptions);
void AllocFFOptions(TFFOptions& AOptions, unsigned ASwsFlags);
void FreeFFOptions(TFFOptions& AOptions);
bool SetFFOption(TFFOptions& AOptions, const std::string& AName, const std::string& AValue);
// Copies every generic option set so far from ASource to ATarget when the
// target knows it with all of AFlags.
void ApplyFFOptions(TFFOptions& AOptions, void* ATarget, void* ASource, int AFlags);

// The generic codec options context of a media type (null before AllocFFOptions).
inline AVCodecContext* FOptionsCodecContext(TFFOptions& AOptions, int AType) {
    return AType >= 0 && AType < AVMEDIA_TYPE_NB ? AOptions.avcodec_opts[AType] : nullptr;
}
// An encoder or decoder context of a media type takes the generic options set
// so far; the private ones of that type are added to APrivate for avcodec_open2.
void ApplyFFCodecOptions(TFFOptions& AOptions, AVCodecContext* ATarget, int AType, AVDictionary** APrivate,
                         int AFlags);
// A format context takes the generic format options; the private ones (muxer,
// demuxer, I/O) are added to APrivate for avformat_write_header or avformat_open_input.
void ApplyFFFormatOptions(TFFOptions& AOptions, AVFormatContext* ATarget, AVDictionary** APrivate,
                          int AFlags);
