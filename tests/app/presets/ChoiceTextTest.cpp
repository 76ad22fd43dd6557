#include "app/presets/ChoiceText.h"

#include <gtest/gtest.h>

TEST(ChoiceText, BitRatesAreExactIncludingDecimals) {
    struct {
        const char* entry;
        int audio;
    } cases[] = {
        {"4.75 kbps", 4750},
        {"5.15 kbps", 5150},
        {"5.9 kbps", 5900},
        {"6.7 kbps", 6700},
        {"7.4 kbps", 7400},
        {"7.95 kbps", 7950},
        {"10.2 kbps", 10200},
        {"12.2 kbps", 12200},
        {"128 kbps", 128000},
        {" 116 kbps", 116000},
        {"320kbps", 320000},
        {"自动音频比特率", -1000},
        {"", -1},
        {"kbps", -1},
        {"12,2 kbps", -1},
        {"-5 kbps", -1},
        {"99999999 kbps", -1},
        {"1.0005 kbps", 1001},
        {"1.0004 kbps", 1000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AudioBitrateOfEntry(c.entry), c.audio) << c.entry;

    EXPECT_EQ(VideoBitrateOfEntry("816 kbps"), 816000);
    EXPECT_EQ(VideoBitrateOfEntry("4500 kbps"), 4500000);
    EXPECT_EQ(VideoBitrateOfEntry("无视频"), -1000);
    EXPECT_EQ(VideoBitrateOfEntry("保持原分辨率"), -1);
}

TEST(ChoiceText, KeepAndNoVideoEntriesLeaveValuesUnset) {
    struct {
        std::string (*read)(std::string_view);
        const char* entry;
        std::string value;
    } cases[] = {
        {FrameSizeOfEntry, "保持原分辨率", ""},
        {FrameSizeOfEntry, "该格式无视频", ""},
        {FrameSizeOfEntry, "640*353", "640*353"},
        {FrameRateOfEntry, "保持原帧速率", ""},
        {FrameRateOfEntry, "无视频", ""},
        {FrameRateOfEntry, "23.97", "23.97"},
        {FrameRateOfEntry, "12", "12"},
        {AspectOfEntry, "保持原视频模式", ""},
        {AspectOfEntry, "无视频", ""},
        {AspectOfEntry, "普通视频4:3模式", "4:3"},
        {AspectOfEntry, "宽屏视频16:9模式", "16:9"},
        {AspectOfEntry, "宽屏视频37:20模式", "37:20"},
        {AspectOfEntry, "宽屏视频47:20模式", "47:20"},
        {SampleRateOfEntry, "44100", "44100"},
        {SampleRateOfEntry, "自动音频采样率", "AUTO"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.read(c.entry), c.value) << c.entry;
}
