#include "app/conversion/FileRowColumns.h"

#include <algorithm>

#include "app/catalogue/ProgressText.h"

namespace {

constexpr TFileRowColumnInfo Columns[FileRowColumnCount] = {
    {"输入文件", 80},  {"视频时间", 70},  {"文件大小", 70},  {"输出文件", 80},  {"转换进度", 70},
    {"", 0},           {"当前时间", 80},  {"转换大小", 80},  {"视频序号", 0},   {"视频类别", 0},
    {"视频选项", 0},   {"视频编码", 0},   {"音频编码", 0},   {"声音频道", 0},   {"VideoTag", 0},
    {"FileExt", 0},    {"视频分辨率", 0}, {"视频比特率", 0}, {"视频帧率", 0},   {"音频比特率", 0},
    {"音频采样率", 0}, {"视频缩放", 0},   {"视频能否", 0},   {"TargetType", 0}, {"", 0},
};

} // namespace

std::span<const TFileRowColumnInfo> FileRowColumns() {
    return Columns;
}

std::string ProgressPercentText(int64_t ACurrentDuration, int64_t ATotalDuration) {
    if (ATotalDuration <= 0) return "N/A";
    // The engine may overshoot the probed length (or report a negative start);
    // the column never shows more than a whole file.
    const int64_t current = std::clamp<int64_t>(ACurrentDuration, 0, ATotalDuration);
    // Wide product: a bogus total near the 64-bit limit must not overflow.
    const auto percent = static_cast<__int128>(current) * 100 / ATotalDuration;
    return std::to_string(static_cast<int>(percent)) + "%";
}

void ApplyProgress(TFileRowTexts& ARow, const TProgressInfo& AInfo) {
    ARow[fcProgress] = ProgressPercentText(AInfo.CurrentDuration, AInfo.TotalDuration);
    if (AInfo.FPS > 0) ARow[fcFPS] = std::to_string(AInfo.FPS);
    ARow[fcCurrentTime] = SecToDate(AInfo.CurrentDuration / 1000000);
    ARow[fcCurrentSize] = MegabyteText(AInfo.CurrentSize);
}

void WriteProfileColumns(TFileRowTexts& ARow, const TCurrentProfile& AProfile) {
    ARow[fcVideoCodec] = AProfile.Video_VideoCodec;
    ARow[fcAudioCodec] = AProfile.Video_AudioCodec;
    ARow[fcAudioChannels] = AProfile.Video_AudioChannels;
    ARow[fcVideoTag] = AProfile.Video_VideoTag;
    ARow[fcFileExt] = AProfile.Video_FileExt;
    ARow[fcFrameSize] = AProfile.Video_FrameSize;
    ARow[fcVideoBitrate] = std::to_string(AProfile.Video_VideoBitrate);
    ARow[fcFrameRate] = AProfile.Video_FrameRate;
    ARow[fcAudioBitrate] = std::to_string(AProfile.Video_AudioBitrate);
    ARow[fcAudioSampleRate] = AProfile.Video_AudioSampleRate;
    ARow[fcFrameAspectRatio] = AProfile.Video_FrameAspectRatio;
    ARow[fcDisableVideo] = AProfile.Video_DisableVideo ? "True" : "False";
    ARow[fcTargetType] = AProfile.Video_TargetType;
    ARow[fcNormType] = AProfile.Video_NormType;
}
