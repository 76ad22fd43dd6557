#pragma once

#include "media/AVBindings.h"

#include <string>
#include <string_view>
#include <vector>

// The option contexts of one conversion task: generic codec options per media
// type, format options and scaler options are set on scratch contexts; options
// private to one codec or muxer (libx264 "crf", mpegts "muxrate") go into the
// dictionaries handed to avcodec_open2, avformat_write_header or
// avformat_open_input.
struct TFFOptions {
    std::vector<std::string> opt_names; // the names set so far, in order
    AVCodecContext* avcodec_opts[AVMEDIA_TYPE_NB] = {}; // video, audio, data, subtitle, attachment
    AVFormatContext* avformat_opts = nullptr;
    SwsContext* sws_opts = nullptr;
    AVDictionary* codec_dict[AVMEDIA_TYPE_NB] = {}; // private codec options per media type
    AVDictionary* format_dict = nullptr;            // private muxer or demuxer options
};

void ClearFFOptions(TFFOptions& AOptions);
// Allocates every context; false when one could not be made (the others are freed).
bool AllocFFOptions(TFFOptions& AOptions, int ASwsFlags);
void FreeFFOptions(TFFOptions& AOptions);

// Sets an option by name: generic codec options (per media type), then format
// and scaler options, then private options of any codec or muxer (their value
// checked on a scratch context of the owner), then "a"/"v"/"s" + codec option
// for one media type. An unknown name gives false; a bad value logs
// "Invalid value "%s" for option "%s"" at the error level and gives false.
bool SetFFOption(TFFOptions& AOptions, std::string_view AName, std::string_view AValue);

// Copies every option set so far from ASource to ATarget (both option-enabled
// structures), when it exists in ASource and carries all of AFlags.
void ApplyFFOptions(const TFFOptions& AOptions, void* ATarget, void* ASource, int AFlags);
