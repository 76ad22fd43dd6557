#pragma once

// What the prober reports about a file and its streams. Numbers are -1 while
// unknown or not filled; times in microseconds are rescaled from the stream's
// time base, "stream units" are in that time base.

#include <cstdint>
#include <string>

extern "C" {
#include <libavutil/avutil.h>
#include <libavutil/rational.h>
}

struct TFileStreamInfo {
    int64_t StartTime = -1; // microseconds
    int64_t Duration = -1;  // microseconds
    int64_t BitRate = -1;
    int64_t TimeStamp = -1; // Unix seconds of the file's creation time
    int32_t Year = -1;
    int32_t Track = -1;
    std::string Title;
    std::string Author;
    std::string Copyright;
    std::string Comment;
    std::string Album;
    std::string Genre;
};

struct TAudioStreamInfo {
    std::string Language;
    std::string CodecName;
    int64_t StartTime = -1; // stream units
    int64_t StartTimeScaled = -1;
    int64_t Duration = -1; // stream units
    int64_t DurationScaled = -1;
    int64_t BitRate = -1;
    int32_t Channels = -1;
    int32_t SampleRate = -1;
    int32_t SampleFormat = -1; // AVSampleFormat
};

struct TVideoStreamInfo {
    std::string Language;
    std::string CodecName;
    int64_t StartTime = -1; // stream units
    int64_t StartTimeScaled = -1;
    int64_t Duration = -1; // stream units
    int64_t DurationScaled = -1;
    int64_t BitRate = -1;
    int32_t Height = -1;
    int32_t Width = -1;
    float AspectRatio = -1.0f; // display aspect: width x sample aspect / height
    int32_t PixFmt = -1;       // AVPixelFormat
    AVRational FrameRate{-1, -1};
};

struct TSubtitleStreamInfo {
    std::string Language;
    std::string CodecName;
};
