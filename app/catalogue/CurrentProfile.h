#pragma once

#include <string>

// The current-profile record: the settings of the file being added (or of
// the selected row whose profile changes), filled from the profile's own
// values and then from the six parameter boxes. Texts are empty and bit
// rates -1 where nothing is set; -1000 leaves a bit rate to the disc target
// or, for the video rate, says there is no video.
struct TCurrentProfile {
    std::string Video_AddFileName; // the input; kept by a reset
    std::string Video_OutPutFileName;
    std::string Video_FileExt;
    std::string Video_VideoCodec;
    std::string Video_VideoTag;
    std::string Video_FrameSize; // "W*H"
    std::string Video_FrameRate;
    std::string Video_FrameAspectRatio;
    int Video_VideoBitrate = -1;
    std::string Video_AudioCodec;
    std::string Video_AudioChannels;
    std::string Video_AudioSampleRate; // Hz, or "AUTO"
    int Video_AudioBitrate = -1;
    std::string Video_AudioVolume = "256";
    std::string Video_TargetType;
    std::string Video_NormType;
    bool Video_DisableVideo = false;
    std::string Video_VideoFilters;
    std::string Video_CopyTimestamp;
    std::string Video_FileFormat;
    int Video_TimeStart = -1;
    int Video_TimeLength = -1;
};

// Every field back to "not set", except the input file name.
void ResetCurrentProfile(TCurrentProfile& AProfile);

// Resets the record and sets the profile's own values from
// `ProfileParameterTable`. False, with the record reset, for a key without a
// row.
bool ApplyProfile(TCurrentProfile& AProfile, int AKey);

// The texts selected in the six parameter boxes.
struct TParameterTexts {
    std::string Resolution;
    std::string VideoBitrate;
    std::string FrameRate;
    std::string AudioBitrate;
    std::string SampleRate;
    std::string Aspect;
};

// The boxes override frame size, frame rate, both bit rates, sample rate and
// aspect, whatever the profile named.
void ApplyParameterTexts(TCurrentProfile& AProfile, const TParameterTexts& ATexts);
