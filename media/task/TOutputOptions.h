#pragma once

#include <cstdint>
#include <string>

enum TOptionTargetType { ttIgnore, ttVCD, ttSVCD, ttDVD };
enum TOptionNormType { ntAuto, ntPAL, ntNTSC };
using TOptionNormDefault = TOptionNormType; // ntPAL or ntNTSC

// Metadata of an output.
struct TStreamInfo {
    double TimeStamp = -1.0; // days since 1899-12-30, local time; 0: now; below 0: not set
    int Year = -1;
    int Track = -1;
    std::string Title;
    std::string Author;
    std::string Copyright;
    std::string Comment;
    std::string Album;
    std::string Genre;
};

struct TOutputOptions;
void InitOutputOptions(TOutputOptions& AOptions);

// The options of one output file of a task. InitOutputOptions gives every
// field its "not set" value; set values become engine settings when the
// output is added (see TFFmpeg::ApplyOutputRecord for the order).
struct TOutputOptions {
    std::string FileName;
    std::string FileExt; // kept with the task, never read
    std::string FileFormat;
    int PacketSize;
    int MuxRate;
    float MuxDelay;   // seconds
    float MuxPreload; // seconds
    std::string AudioCodec;
    std::string AudioPreset;
    bool DisableAudio;
    int AudioVolume; // 0 and up; 256 is unchanged
    int AudioChannels;
    int AudioSampleRate;
    int AudioBitrate;
    int AudioBitRateTolerance;
    std::string AudioLanguage; // always assigned
    int AudioSyncMethod;       // always assigned
    std::string AudioTag;
    std::string VideoCodec;
    std::string VideoPreset;
    bool DisableVideo;
    std::string FrameRate;
    std::string FrameSize;
    std::string FrameAspectRatio;
    int CropTop;
    int CropBottom;
    int CropLeft;
    int CropRight;
    int GroupPictureSize;
    int VideoBitrate;
    int VideoMaxRate;
    int VideoMinRate;
    int VideoBitRateTolerance;
    int VideoBufSize;
    int VideoSyncMethod; // always assigned
    std::string VideoTag;
    std::string VideoFilters;
    std::string VideoLanguage; // always assigned
    std::string SubtitleCodec;
    std::string SubtitlePreset;
    bool DisableSubtitle;
    std::string SubtitleLanguage; // always assigned
    bool InputSync;               // always assigned
    bool CopyTimestamp;
    int64_t TimeStart;  // microseconds; AV_NOPTS_VALUE: not set
    int64_t TimeLength; // microseconds; AV_NOPTS_VALUE: not set
    TStreamInfo Info;
    TOptionTargetType TargetType;
    TOptionNormType NormType;
    TOptionNormDefault NormDefault;
    bool CustomHook;
    bool Join;
    std::string ExtOptions;
    int Tag; // caller's values, never read
    void* Data;

    TOutputOptions() { InitOutputOptions(*this); }
};

using POutputOptions = TOutputOptions*;
