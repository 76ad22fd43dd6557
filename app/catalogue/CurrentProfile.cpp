#include "app/catalogue/CurrentProfile.h"

#include "app/catalogue/ProfileParameterTable.h"
#include "app/presets/ChoiceText.h"

void ResetCurrentProfile(TCurrentProfile& AProfile) {
    TCurrentProfile reset;
    reset.Video_AddFileName = std::move(AProfile.Video_AddFileName);
    AProfile = std::move(reset);
}

bool ApplyProfile(TCurrentProfile& AProfile, int AKey) {
    ResetCurrentProfile(AProfile);
    const TProfileParameters* row = FindProfileParameters(AKey);
    if (!row) return false;
    AProfile.Video_FileExt = row->FileExt;
    AProfile.Video_VideoCodec = row->VideoCodec;
    AProfile.Video_VideoTag = row->VideoTag;
    AProfile.Video_FrameSize = row->FrameSize;
    AProfile.Video_FrameRate = row->FrameRate;
    AProfile.Video_FrameAspectRatio = row->FrameAspectRatio;
    AProfile.Video_VideoBitrate = row->VideoBitrate;
    AProfile.Video_AudioCodec = row->AudioCodec;
    AProfile.Video_AudioChannels = row->AudioChannels;
    AProfile.Video_AudioSampleRate = row->AudioSampleRate;
    AProfile.Video_AudioBitrate = row->AudioBitrate;
    AProfile.Video_TargetType = row->TargetType;
    AProfile.Video_NormType = row->NormType;
    AProfile.Video_DisableVideo = row->DisableVideo;
    return true;
}

void ApplyParameterTexts(TCurrentProfile& AProfile, const TParameterTexts& ATexts) {
    AProfile.Video_FrameSize = FrameSizeOfEntry(ATexts.Resolution);
    AProfile.Video_FrameRate = FrameRateOfEntry(ATexts.FrameRate);
    AProfile.Video_VideoBitrate = VideoBitrateOfEntry(ATexts.VideoBitrate);
    AProfile.Video_AudioSampleRate = SampleRateOfEntry(ATexts.SampleRate);
    AProfile.Video_AudioBitrate = AudioBitrateOfEntry(ATexts.AudioBitrate);
    AProfile.Video_FrameAspectRatio = AspectOfEntry(ATexts.Aspect);
}
