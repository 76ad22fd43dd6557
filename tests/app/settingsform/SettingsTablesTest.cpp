#include "app/settingsform/LegacyProfileKey.h"
#include "app/settingsform/LegacyProfileParameterTable.h"
#include "app/settingsform/SettingsChoiceList.h"
#include "app/settingsform/SettingsChoiceTable.h"
#include "app/settingsform/SettingsProfileList.h"
#include "tests/app/settingsform/LegacyTableChecks.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

// The extension a profile title names: ".avi" in "... (*.avi)".
std::string TitleExtension(const std::string& ATitle) {
    const size_t open = ATitle.rfind("(*");
    const size_t close = ATitle.find(')', open);
    return open == std::string::npos ? "" : ATitle.substr(open + 2, close - open - 2);
}

} // namespace

TEST(SettingsProfileList, TwelveCategoriesOf109Profiles) {
    const char* captions[] = {"常用视频", "常用音频",  "HD视频",   "iPod视频", "iPhone视频", "PSP视频",
                              "3GP视频",  "APPLE视频", "XboX视频", "PMP视频",  "MP4视频",    "Flash视频"};
    const size_t counts[] = {15, 13, 10, 14, 6, 5, 14, 5, 10, 8, 5, 4};
    const auto categories = SettingsCategories();
    ASSERT_EQ(categories.size(), 12u);
    size_t total = 0;
    for (size_t c = 0; c < categories.size(); ++c) {
        EXPECT_STREQ(categories[c].Caption, captions[c]);
        EXPECT_EQ(categories[c].ImageIndex, static_cast<int>(c));
        EXPECT_EQ(categories[c].Profiles.size(), counts[c]) << captions[c];
        total += categories[c].Profiles.size();
        for (size_t r = 0; r < categories[c].Profiles.size(); ++r) {
            const TLegacyProfileItem& item = categories[c].Profiles[r];
            // Categories 0 and 1 number their pictures by row; the others use 20 to 26.
            if (c < 2)
                EXPECT_EQ(item.ImageIndex, static_cast<int>(r));
            else
                EXPECT_TRUE(item.ImageIndex >= 20 && item.ImageIndex <= 26) << c << "," << r;
            EXPECT_FALSE(TitleExtension(item.Title).empty()) << item.Title;
        }
    }
    EXPECT_EQ(total, 109u);
}

TEST(SettingsProfileList, TextsAreKeptAsWritten) {
    const auto categories = SettingsCategories();
    auto title = [&](int c, int r) { return std::string(categories[c].Profiles[r].Title); };
    auto caption = [&](int c, int r) { return std::string(categories[c].Profiles[r].Caption); };
    EXPECT_EQ(title(0, 0), "AVI - 音频视频交错格式(*.avi)");
    EXPECT_EQ(title(1, 2), "WAV - 波形音频格式(*.wav) ");
    EXPECT_EQ(title(1, 11), "ALAC-Apple Lossless无损音频格式(*.alac) ");
    EXPECT_EQ(title(6, 2), "3GPP2 -  第三代合作项目2-3G2视频+AMR音频(*.3g2))");
    EXPECT_EQ(caption(2, 3), "高清MPEG-4视频格式)");
    EXPECT_EQ(caption(0, 5), "Matroska是一种新的多媒体封装格式 ，有超清晰的画面，和完美的音质");
    // Repeated texts stay separate rows.
    EXPECT_EQ(title(2, 0), title(2, 1));
    EXPECT_EQ(title(6, 10), title(6, 13));
    EXPECT_EQ(title(8, 1) + caption(8, 1), title(8, 2) + caption(8, 2));
    EXPECT_EQ(title(9, 3) + caption(9, 3), title(9, 4) + caption(9, 4));
}

TEST(SettingsChoiceList, ListsAndTheirSizes) {
    const std::map<std::string, size_t> sizes = {
        {"R1", 28}, {"R2", 11}, {"R3", 1},   {"R4", 11}, {"R5", 7},   {"R6", 12}, {"R7", 13},  {"R8", 5},
        {"R9", 13}, {"R10", 8}, {"R11", 9},  {"R12", 3}, {"R13", 16}, {"R14", 4}, {"R15", 11}, {"R16", 12},
        {"R17", 5}, {"R18", 2}, {"R19", 19}, {"V1", 8},  {"V2", 9},   {"V3", 9},  {"V4", 15},  {"V5", 9},
        {"V6", 1},  {"V7", 8},  {"V8", 9},   {"V9", 7},  {"V10", 17}, {"F1", 12}, {"F2", 7},   {"F3", 1},
        {"F4", 4},  {"F5", 10}, {"F6", 3},   {"F7", 8},  {"A1", 17},  {"A2", 6},  {"A3", 8},   {"A4", 5},
        {"A5", 8},  {"A6", 9},  {"S1", 6},   {"S2", 1},  {"S3", 4},   {"S4", 7},  {"S5", 3},   {"M1", 5},
        {"M2", 2},  {"M3", 1}};
    std::map<std::string, size_t> actual;
    for (const TChoiceList& list : SettingsChoiceLists())
        actual[list.Name] = list.Entries.size();
    EXPECT_EQ(actual, sizes);
    for (const char* name : {"V6", "F3", "M3"}) {
        ASSERT_EQ(FindSettingsChoiceList(name)->Entries.size(), 1u);
        EXPECT_STREQ(FindSettingsChoiceList(name)->Entries[0], "无视频");
    }
    EXPECT_EQ(FindSettingsChoiceList("R20"), nullptr);
    EXPECT_STREQ(FindSettingsChoiceList("F1")->Entries[7], "23.97");
    EXPECT_STREQ(FindSettingsChoiceList("A3")->Entries[0], "4.75 kbps");
}

// One choice row and one parameter row for every profile, keyed alike.
TEST(SettingsChoiceTable, OneValidRowPerProfile) {
    std::set<int> expected;
    const auto categories = SettingsCategories();
    for (int c = 0; c < static_cast<int>(categories.size()); ++c)
        for (int r = 0; r < static_cast<int>(categories[c].Profiles.size()); ++r)
            expected.insert(LegacySwitchValue(c, r));
    std::set<int> values;
    std::set<int> audioOnly;
    for (const TPresetRow& row : SettingsChoiceTable()) {
        values.insert(row.Key);
        ExpectChoiceRowValid(row, FindSettingsChoiceList);
        if (row.AudioOnly) audioOnly.insert(row.Key);
        EXPECT_EQ(FindSettingsChoiceRow(row.Key), &row);
    }
    EXPECT_EQ(values, expected);
    EXPECT_EQ(SettingsChoiceTable().size(), 109u);
    std::set<int> noVideo = {708, 1202, 1203};
    for (int v = 200; v <= 212; ++v)
        noVideo.insert(v);
    EXPECT_EQ(audioOnly, noVideo);
    // Only row 109 offers the two-entry aspect list.
    for (const TPresetRow& row : SettingsChoiceTable())
        EXPECT_EQ(std::string(row.Cell(TParameterBox::Aspect).List) == "M2", row.Key == 109) << row.Key;
    for (int value : {99, 115, 1204, 0, -1})
        EXPECT_EQ(FindSettingsChoiceRow(value), nullptr) << value;
}

TEST(LegacyProfileParameterTable, RowsWriteTheFieldsOfTheirKind) {
    const auto categories = SettingsCategories();
    std::set<int> expected;
    for (int c = 0; c < static_cast<int>(categories.size()); ++c)
        for (int r = 0; r < static_cast<int>(categories[c].Profiles.size()); ++r)
            expected.insert(LegacyProfileKey(c, r));
    std::set<int> keys;
    for (const TLegacyProfileParameters& row : LegacyProfileParameterTable()) {
        keys.insert(row.Key);
        std::string fields = KindFields(row.Kind);
        if (row.Key == 205) fields = Without(fields, "VideoTag");
        if (row.Key >= 303 && row.Key <= 306) fields = Without(fields, "TargetType");
        if (row.Key == 1102 || row.Key == 1103) fields = Without(fields, "FileExt");
        EXPECT_EQ(WrittenFields(row), fields) << row.Key;

        // The kind agrees with the choice row, and the output extension with
        // the title but for three rows.
        const TPresetRow* choices = FindSettingsChoiceRow(LegacySwitchValue(row.Key / 100, row.Key % 100));
        ASSERT_NE(choices, nullptr) << row.Key;
        EXPECT_EQ(choices->AudioOnly, row.Kind == TLegacyRowKind::AudioOnly) << row.Key;
        const std::string title = categories[row.Key / 100].Profiles[row.Key % 100].Title;
        const std::map<int, std::string> otherExt = {
            {111, ".m4a"}, {602, ".3gp"}, {801, ".mpeg"}, {806, ".avi"}, {809, ".mp4"}};
        const auto other = otherExt.find(row.Key);
        EXPECT_EQ(row.Ext, other == otherExt.end() ? TitleExtension(title) : other->second) << title;
        if (row.FileExt && row.Key != 106 && row.Key != 111 && row.Key != 206) {
            EXPECT_STREQ(row.FileExt, row.Ext);
        }
    }
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(FindLegacyProfileParameters(-1), nullptr);
    EXPECT_EQ(FindLegacyProfileParameters(15), nullptr);
}
