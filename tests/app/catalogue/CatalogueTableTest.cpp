#include "app/catalogue/CategoryMenu.h"
#include "app/catalogue/ProfileCaptionTable.h"
#include "app/catalogue/ProfileKey.h"
#include "app/catalogue/ProfileParameterTable.h"
#include "app/presets/ParameterChoiceTable.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

TEST(CategoryMenu, TwentySixEntriesReachTwentySixListsOfTheirSizes) {
    struct {
        const char* caption;
        int list;
        size_t profiles;
    } expected[] = {
        {"iPod视频", 7, 14},  {"iPad视频", 5, 11},  {"iPhone视频", 6, 15}, {"H.264视频", 22, 4},
        {"MP4视频", 2, 7},    {"AVI视频", 0, 9},    {"智能手机", 31, 16},  {"MPEG视频", 3, 11},
        {"FLV视频", 4, 6},    {"PSP视频", 8, 5},    {"MKV视频", 9, 7},     {"MOV视频", 10, 4},
        {"WMV视频", 12, 4},   {"SWF视频", 13, 7},   {"DVD视频", 14, 8},    {"HD高清", 15, 10},
        {"电脑视频", 17, 15}, {"平板电脑", 32, 13}, {"Xbox视频", 19, 10},  {"MP5视频", 20, 9},
        {"DV视频", 21, 5},    {"Zune视频", 24, 8},  {"MP3音频", 25, 4},    {"CD音频", 26, 4},
        {"WMA音频", 27, 4},   {"更多音频", 29, 13},
    };
    ASSERT_EQ(CategoryMenu().size(), std::size(expected));
    ASSERT_EQ(CategoryMenuCount, 26);
    std::set<int> lists;
    size_t total = 0;
    for (int entry = 0; entry < CategoryMenuCount; ++entry) {
        const auto& e = expected[entry];
        EXPECT_STREQ(CategoryMenu()[static_cast<size_t>(entry)].Caption, e.caption);
        EXPECT_EQ(CategoryMenuMap(entry), e.list) << entry;
        EXPECT_EQ(ProfileCaptions(e.list).size(), e.profiles) << e.caption;
        lists.insert(e.list);
        total += e.profiles;
    }
    EXPECT_EQ(lists.size(), 26u);
    EXPECT_EQ(total, 223u);
    EXPECT_EQ(ProfileCaptionTable().size(), 26u);
    EXPECT_EQ(CategoryMenuMap(-1), -1);
    EXPECT_EQ(CategoryMenuMap(26), -1);
    EXPECT_TRUE(ProfileCaptions(1).empty()) << "list 1 has no menu entry";
}

// Every profile the menu reaches has its parameters and its presets, and the
// three tables hold the same keys.
TEST(ProfileCaptionTable, EveryCaptionHasParametersAndPresets) {
    std::set<int> captionKeys;
    const std::regex extension(R"(\.[0-9a-z]{2,4})");
    for (const TProfileCaptionList& list : ProfileCaptionTable()) {
        for (size_t row = 0; row < list.Captions.size(); ++row) {
            const int key = ProfileKey(list.CategoryListId, static_cast<int>(row));
            captionKeys.insert(key);
            EXPECT_EQ(ProfileCaption(key), list.Captions[row]);
            const TProfileParameters* parameters = FindProfileParameters(key);
            const TPresetRow* presets = FindPresetRow(key);
            ASSERT_NE(parameters, nullptr) << key;
            ASSERT_NE(presets, nullptr) << key;
            EXPECT_EQ(parameters->Key, key);
            EXPECT_EQ(parameters->DisableVideo, presets->AudioOnly) << key;
            EXPECT_TRUE(std::regex_match(ProfileExtension(key), extension)) << list.Captions[row];
        }
    }
    std::set<int> parameterKeys;
    for (const TProfileParameters& row : ProfileParameterTable())
        parameterKeys.insert(row.Key);
    EXPECT_EQ(parameterKeys, captionKeys);
    EXPECT_EQ(ProfileParameterTable().size(), 223u);
    for (int key : {-1, 9, 100, 1100, 3213})
        EXPECT_EQ(ProfileCaption(key), nullptr) << key;
}

TEST(ProfileCaptionTable, CaptionsAreKeptAsWritten) {
    struct {
        int key;
        const char* caption;
    } cases[] = {
        {1402, "VOB  - DVD视频格式(*.vob)"},
        {1706, "MPEG-1  视频格式(*.mpg)"},
        {2203, "MPEG-4 - 高清MPEG-4  H.264编码视频格式(*.mp4)"},
        {502, "iPad - iPad MPEG-4视频格式 XviD编码 (*.mp4)"},
        {901, "MKV - HD高清MKV视频，采用H.264编码(*.mkv)"},
        {700, "iPod - (320X240) 高清晰视频(*.mp4)"},
        {800, "PSP MPEG-4视频(*.mp4)"},
        {3212, "MP3 - 平板电脑MP3音频(*.mp3)"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(ProfileCaption(c.key), c.caption) << c.key;
    // Twins stay separate profiles.
    EXPECT_STREQ(ProfileCaption(1901), ProfileCaption(1902));
    EXPECT_STREQ(ProfileCaption(2400), ProfileCaption(2401));
}

TEST(ProfileCaptionTable, RowPicturesAlternateExceptTheLastTwoOfList20) {
    const auto pictures = [](int AList, int ACount) {
        std::vector<int> p;
        for (int row = 0; row < ACount; ++row)
            p.push_back(ProfileImageIndex(AList, row));
        return p;
    };
    EXPECT_EQ(pictures(20, 9), (std::vector<int>{0, 1, 0, 1, 0, 1, 0, 0, 1}));
    EXPECT_EQ(pictures(7, 14), (std::vector<int>{0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 1}));
}

TEST(ProfileCaptionTable, ExtensionIsTheTextOfTheLastBracket) {
    struct {
        const char* caption;
        const char* extension;
    } cases[] = {
        {"iPod - (320X240) 高清晰视频(*.mp4)", ".mp4"},
        {"iPhone - MPEG-4视频(320X240)(*.mp4)", ".mp4"},
        {"FLAC - 音频格式(*.flac)", ".flac"},
        {"AIFF - 音频交换文件格式(*.aiff)", ".aiff"},
        {"no bracket", ""},
        {"open (*.mp4", ""},
        {"(*)", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CaptionExtension(c.caption), c.extension) << c.caption;

    // Where the parameters name another container, the caption's extension names the file.
    struct {
        int key;
        const char* extension;
    } profiles[] = {{1502, ".avi"}, {1901, ".mpg"}, {1906, ".wmv"}, {1909, ".avi"}, {2002, ".mp4"},
                    {3100, ".mp4"}, {1506, ".wmv"}, {2906, ".ra"},  {308, ".mpg"},  {1714, ".rm"}};
    for (const auto& p : profiles)
        EXPECT_EQ(ProfileExtension(p.key), p.extension) << p.key;
    EXPECT_EQ(ProfileExtension(9), "");
}

TEST(ProfileParameterTable, DiscTargetsLeaveTheirValuesToTheTarget) {
    std::set<int> targets;
    for (const TProfileParameters& row : ProfileParameterTable()) {
        if (*row.TargetType == '\0') {
            EXPECT_NE(row.VideoBitrate, -1000) << row.Key;
            continue;
        }
        targets.insert(row.Key);
        EXPECT_STREQ(row.VideoCodec, "") << row.Key;
        EXPECT_STREQ(row.AudioCodec, "") << row.Key;
        EXPECT_STREQ(row.FrameRate, "") << row.Key;
        EXPECT_STREQ(row.AudioSampleRate, "") << row.Key;
        EXPECT_STREQ(row.FileExt, "") << row.Key;
        EXPECT_EQ(row.VideoBitrate, -1000) << row.Key;
        EXPECT_EQ(row.AudioBitrate, -1000) << row.Key;
    }
    EXPECT_EQ(targets,
              (std::set<int>{308, 309, 310, 1400, 1401, 1402, 1404, 1405, 1406, 1407, 1711, 1712, 1713}));
    EXPECT_STREQ(FindProfileParameters(1405)->NormType, "NTSC");
    EXPECT_STREQ(FindProfileParameters(1712)->TargetType, "svcd");
    EXPECT_STREQ(FindProfileParameters(1712)->NormType, "PAL");
    EXPECT_EQ(FindProfileParameters(708)->VideoBitrate, 7680000);
}
