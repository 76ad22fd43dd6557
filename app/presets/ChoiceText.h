#pragma once

#include <string>
#include <string_view>

// What the selected entry of each parameter box means for the current
// profile. Every entry of every choice list reads without failure; a text
// that is no entry at all reads as "not set".

// The frame size "W*H"; empty (the source's size) for "保持原分辨率" and
// "该格式无视频".
std::string FrameSizeOfEntry(std::string_view AEntry);
// The frame rate as written ("25.00", "12"); empty for "保持原帧速率" and "无视频".
std::string FrameRateOfEntry(std::string_view AEntry);
// Bit/s from "N kbps"; -1000 for "无视频"; -1 for a text that is no rate.
int VideoBitrateOfEntry(std::string_view AEntry);
// Bit/s from "N kbps", decimals read exactly ("12.2 kbps" is 12200);
// -1000 for "自动音频比特率"; -1 for a text that is no rate.
int AudioBitrateOfEntry(std::string_view AEntry);
// The rate in Hz as written; "AUTO" for "自动音频采样率".
std::string SampleRateOfEntry(std::string_view AEntry);
// "4:3", "16:9", "37:20" or "47:20" for the picture modes; empty for
// "保持原视频模式", "无视频" and any other text.
std::string AspectOfEntry(std::string_view AEntry);

// A number of kilobits ("128", "4.75", blanks around it allowed) in bit/s,
// computed in whole numbers so no rate is off by one; -1 for anything else.
int KilobitsToBits(std::string_view AText);
