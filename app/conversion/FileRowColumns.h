#pragma once

#include <array>
#include <span>
#include <string>

#include "app/catalogue/CurrentProfile.h"
#include "media/task/TaskEventInfo.h"

// `FileRowColumns`: the 25 columns of a file-list row. Column 0 is the
// input's full path; the hidden columns 8 to 24 carry the row's settings as
// text until the run rebuilds its task from them.
enum TFileRowColumn : int {
    fcInputFile,        // full path of the input
    fcDuration,         // "HH:MM:SS" or "N/A"
    fcFileSize,         // "1.5MB"
    fcOutputFile,       // output name without folder
    fcProgress,         // "45%", "N/A", "100%" or "失败"
    fcFPS,              // frames per second while converting
    fcCurrentTime,      // converted time "HH:MM:SS"
    fcCurrentSize,      // converted size "MB"
    fcTaskNumber,       // task index plus 1
    fcProfileCode,      // `RowProfileCode`
    fcParameterIndexes, // `RowParameterIndexes`
    fcVideoCodec,
    fcAudioCodec,
    fcAudioChannels,
    fcVideoTag,
    fcFileExt,
    fcFrameSize,
    fcVideoBitrate,
    fcFrameRate,
    fcAudioBitrate,
    fcAudioSampleRate,
    fcFrameAspectRatio,
    fcDisableVideo, // "True", "False" or empty
    fcTargetType,
    fcNormType,
};

constexpr int FileRowColumnCount = 25;

struct TFileRowColumnInfo {
    const char* Caption; // empty for the two columns without a caption
    int Width;           // 0: never seen
};

// Caption and width of every column, in order.
std::span<const TFileRowColumnInfo> FileRowColumns();

using TFileRowTexts = std::array<std::string, FileRowColumnCount>;

// Text shown by a failed row in its progress column.
inline constexpr const char* FailedProgressText = "失败";

// Percentage of a task, clamped to 0..100; "N/A" when the total is unknown.
std::string ProgressPercentText(int64_t ACurrentDuration, int64_t ATotalDuration);

// Columns 4 to 7 from a progress report.
void ApplyProgress(TFileRowTexts& ARow, const TProgressInfo& AInfo);

// Columns 11 to 24 from a profile record.
void WriteProfileColumns(TFileRowTexts& ARow, const TCurrentProfile& AProfile);
