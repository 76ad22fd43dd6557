#pragma once

#include <span>

// `ProfileParameterTable`: a profile's own encoding values, one row per
// `ProfileKey` of the caption table. Texts are empty and bit rates -1 where
// the profile sets nothing; -1000 leaves the bit rate to the disc target.
// The texts are stored as the profile names them (encoder names included);
// substitutions for this platform happen when output options are built.
struct TProfileParameters {
    int Key;
    const char* FileExt; // container extension with the dot; empty in some rows
    const char* VideoCodec;
    const char* VideoTag;
    const char* FrameSize; // "W*H"
    const char* FrameRate;
    const char* FrameAspectRatio;
    int VideoBitrate; // bit/s
    const char* AudioCodec;
    const char* AudioChannels;
    const char* AudioSampleRate;
    int AudioBitrate;       // bit/s
    const char* TargetType; // "dvd", "svcd", "vcd" or empty
    const char* NormType;   // "PAL", "NTSC" or empty
    bool DisableVideo;      // audio-only profile
};

// All rows in ascending key.
std::span<const TProfileParameters> ProfileParameterTable();
// The row of a key; nullptr when the key has none.
const TProfileParameters* FindProfileParameters(int AKey);
