#pragma once

#include <optional>
#include <span>

// `LegacyProfileParameterTable`: the encoding values of the old catalogue's
// profiles, keyed by `LegacyProfileKey`. The kind of a row fixes which of the
// main window's current-profile fields it writes; a null text or an empty
// bit rate marks a field the row leaves as it was (a few rows skip one field
// their kind otherwise writes).
enum class TLegacyRowKind { Video, AudioOnly, Disc, RealVideo };

struct TLegacyProfileParameters {
    int Key;
    TLegacyRowKind Kind;
    const char* Ext;     // the extension the output name gets, with its dot
    const char* FileExt; // `Video_FileExt`; not always `Ext`
    const char* VideoCodec;
    const char* VideoTag;
    const char* FrameRate;
    const char* FrameAspectRatio;
    const char* FrameSize;           // "W*H"
    std::optional<int> VideoBitrate; // bit/s; -1000 leaves it to the disc target
    const char* AudioCodec;
    const char* AudioChannels;
    const char* AudioSampleRate;
    std::optional<int> AudioBitrate;
    const char* NormType;
    const char* TargetType;
};

// The settings form's rows, old categories 0 to 11, in ascending key.
std::span<const TLegacyProfileParameters> LegacyProfileParameterTable();
// The row of a key; nullptr when the key has none.
const TLegacyProfileParameters* FindLegacyProfileParameters(int AKey);
// The row of a key in any table of rows in ascending key.
const TLegacyProfileParameters*
FindLegacyProfileParametersIn(std::span<const TLegacyProfileParameters> ATable, int AKey);
