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
struct TEngineOptions {
    std::vector<std::string> opt_names; // generic names set so far, in order
    AVCodecContext* avcodec_opts[AVMEDIA_TYPE_NB] = {};
    AVFormatContext* avformat_opts = nullptr;
    SwsContext* sws_opts = nullptr;
    AVDictionary* codec_private[AVMEDIA_TYPE_NB] = {};
    AVDictionary* format_private = nullptr;
};

void ClearEngineOptions(TEngineOptions& AOptions);
void AllocEngineOptions(TEngineOptions& AOptions, unsigned ASwsFlags);
void FreeEngineOptions(TEngineOptions& AOptions);
bool SetEngineOption(TEngineOptions& AOptions, const std::string& AName, const std::string& AValue);
// Copies every generic option set so far from ASource to ATarget when the
// target knows it with all of AFlags.
void ApplyEngineOptions(TEngineOptions& AOptions, void* ATarget, void* ASource, int AFlags);

// The generic codec options context of a media type (null before AllocEngineOptions).
inline AVCodecContext* FOptionsCodecContext(TEngineOptions& AOptions, int AType) {
    return AType >= 0 && AType < AVMEDIA_TYPE_NB ? AOptions.avcodec_opts[AType] : nullptr;
}
// An encoder or decoder context of a media type takes the generic options set
// so far; the private ones of that type are added to APrivate for avcodec_open2.
void ApplyFFCodecOptions(TEngineOptions& AOptions, AVCodecContext* ATarget, int AType,
                         AVDictionary** APrivate, int AFlags);
// A format context takes the generic format options; the private ones (muxer,
// demuxer, I/O) are added to APrivate for avformat_write_header or avformat_open_input.
void ApplyFFFormatOptions(TEngineOptions& AOptions, AVFormatContext* ATarget, AVDictionary** APrivate,
                          int AFlags);
