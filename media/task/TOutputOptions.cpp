#include "media/task/TOutputOptions.h"

#include "media/task/NoPts.h"

void InitOutputOptions(TOutputOptions& o) {
    o.FileName.clear();
    o.FileExt.clear();
    o.FileFormat.clear();
    o.PacketSize = -1;
    o.MuxRate = -1;
    o.MuxDelay = -1.0f;
    o.MuxPreload = -1.0f;
    o.AudioCodec.clear();
    o.AudioPreset.clear();
    o.DisableAudio = false;
    o.AudioVolume = -1;
    o.AudioChannels = -1;
    o.AudioSampleRate = -1;
    o.AudioBitrate = -1;
    o.AudioBitRateTolerance = -1;
    o.AudioLanguage.clear();
    o.AudioSyncMethod = 0;
    o.AudioTag.clear();
    o.VideoCodec.clear();
    o.VideoPreset.clear();
    o.DisableVideo = false;
    o.FrameRate.clear();
    o.FrameSize.clear();
    o.FrameAspectRatio.clear();
    o.CropTop = o.CropBottom = o.CropLeft = o.CropRight = -1;
    o.GroupPictureSize = -1;
    o.VideoBitrate = -1;
    o.VideoMaxRate = -1;
    o.VideoMinRate = -1;
    o.VideoBitRateTolerance = -1;
    o.VideoBufSize = -1;
    o.VideoSyncMethod = -1;
    o.VideoTag.clear();
    o.VideoFilters.clear();
    o.VideoLanguage.clear();
    o.SubtitleCodec.clear();
    o.SubtitlePreset.clear();
    o.DisableSubtitle = false;
    o.SubtitleLanguage.clear();
    o.InputSync = false;
    o.CopyTimestamp = false;
    o.TimeStart = kNoPts;
    o.TimeLength = kNoPts;
    o.Info = TStreamInfo{};
    o.TargetType = ttIgnore;
    o.NormType = ntAuto;
    o.NormDefault = ntPAL;
    o.CustomHook = false;
    o.Join = false;
    o.ExtOptions.clear();
    o.Tag = 0;
    o.Data = nullptr;
}
