#include "app/settingsform/LegacyProfileKey.h"
#include "app/settingsform/SettingsChoiceTable.h"
#include "app/superseded/SupersededChoiceList.h"
#include "app/superseded/SupersededChoiceTable.h"
#include "app/superseded/SupersededProfileList.h"
#include "app/superseded/SupersededProfileParameterTable.h"
#include "tests/app/settingsform/LegacyTableChecks.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

std::string Title(int ACategory, int ARow) {
    return SupersededProfile(ACategory, ARow)->Title;
}
std::string Caption(int ACategory, int ARow) {
    return SupersededProfile(ACategory, ARow)->Caption;
}

std::string Cells(const TPresetRow& ARow) {
    std::string text;
    for (const TPresetCell& cell : ARow.Cells)
        text += std::string(cell.List) + ":" + std::to_string(cell.Default) + " ";
    return text;
}

} // namespace

TEST(SupersededProfileList, SeventeenCategoriesOf147Profiles) {
    struct {
        const char* caption;
        int image;
        size_t rows;
    } extra[] = {
        {"iPad视频", 15, 6}, {"MPG视频", 18, 11}, {"SWF视频", 19, 7}, {"AVI视频", 13, 7}, {"MKV视频", 14, 7}};
    const auto categories = SupersededCategories();
    ASSERT_EQ(categories.size(), 17u);
    for (size_t i = 0; i < std::size(extra); ++i) {
        EXPECT_STREQ(categories[12 + i].Caption, extra[i].caption);
        EXPECT_EQ(categories[12 + i].ImageIndex, extra[i].image);
        EXPECT_EQ(categories[12 + i].Profiles.size(), extra[i].rows);
    }
    size_t total = 0;
    for (int c = 0; c < 17; ++c) {
        EXPECT_STREQ(categories[static_cast<size_t>(c)].Caption,
                     c < 12 ? SettingsCategories()[static_cast<size_t>(c)].Caption : extra[c - 12].caption);
        for (int r = 0; r < static_cast<int>(categories[static_cast<size_t>(c)].Profiles.size()); ++r) {
            const auto profile = SupersededProfile(c, r);
            ASSERT_TRUE(profile);
            EXPECT_EQ(profile->ImageIndex, r % 2);
            EXPECT_NE(std::string(profile->Title).back(), ' ') << c << "," << r;
            ++total;
        }
    }
    EXPECT_EQ(total, 147u);
    EXPECT_FALSE(SupersededProfile(-1, 0));
    EXPECT_FALSE(SupersededProfile(17, 0));
    EXPECT_FALSE(SupersededProfile(16, 7));
    EXPECT_FALSE(SupersededProfile(0, -1));
}

TEST(SupersededProfileList, TheMainWindowsOwnTexts) {
    EXPECT_EQ(Title(1, 2), "WAV - 波形音频格式(*.wav)");
    EXPECT_EQ(Title(1, 11), "MP4-MP4音频格式(*.m4a)");
    EXPECT_EQ(Caption(1, 11), "MP4音频格式,具有完美的CD音质");
    EXPECT_EQ(Title(6, 2), "3GPP2 -  第三代合作项目2-3G2视频+AMR音频(*.3g2)");
    EXPECT_EQ(Title(16, 6), "高清的HD MKV视频(*.mkv)");
    EXPECT_EQ(Title(12, 2), "iPad MPEG-4视频格式 XviD编码 (*.mp4)");
    // Rows repeated from other categories.
    for (auto [row, other] : {std::pair{4, 0}, {5, 3}, {6, 2}}) {
        EXPECT_EQ(Title(14, row), Title(11, other));
        EXPECT_EQ(Caption(14, row), Caption(11, other));
    }
    EXPECT_EQ(Caption(16, 3), "电脑上常用的AVI视频视频格式，采用XivD编码");
    EXPECT_EQ(Caption(16, 3), Caption(15, 3));
}

TEST(SupersededChoiceTable, OneValidRowPerProfile) {
    EXPECT_EQ(SupersededChoiceLists().size(), 3u);
    EXPECT_EQ(FindSupersededChoiceList("R20")->Entries.size(), 6u);
    EXPECT_EQ(FindSupersededChoiceList("F8")->Entries.size(), 6u);
    EXPECT_EQ(FindSupersededChoiceList("S6")->Entries.size(), 5u);
    EXPECT_NE(FindSupersededChoiceList("R1"), nullptr);

    std::set<int> audioOnly;
    int rows = 0;
    for (int c = 0; c < 17; ++c)
        for (int r = 0; SupersededProfile(c, r); ++r) {
            const int value = LegacySwitchValue(c, r);
            const TPresetRow* row = FindSupersededChoiceRow(value);
            ASSERT_NE(row, nullptr) << value;
            EXPECT_EQ(row->Key, value);
            ExpectChoiceRowValid(*row, FindSupersededChoiceList);
            if (row->AudioOnly) audioOnly.insert(value);
            ++rows;
        }
    EXPECT_EQ(rows, 147);
    std::set<int> noVideo = {708, 1202, 1203, 1505, 1506};
    for (int v = 200; v <= 212; ++v)
        noVideo.insert(v);
    EXPECT_EQ(audioOnly, noVideo);
    for (int value : {99, 1306, 1411, 1507, 1707, 1800})
        EXPECT_EQ(FindSupersededChoiceRow(value), nullptr) << value;
}

// The three rows that differ from the settings form's do so in the audio
// bit-rate cell alone; the others are the settings form's own.
TEST(SupersededChoiceTable, SharedRowsAndTheirOverrides) {
    ASSERT_EQ(SupersededChoiceOverrides().size(), 3u);
    for (const TPresetRow& row : SettingsChoiceTable()) {
        const TPresetRow* here = FindSupersededChoiceRow(row.Key);
        if (row.Key != 700 && row.Key != 702 && row.Key != 704) {
            EXPECT_EQ(here, &row);
            continue;
        }
        for (TParameterBox box : PresetBoxOrder) {
            if (box != TParameterBox::AudioBitrate) {
                EXPECT_STREQ(here->Cell(box).List, row.Cell(box).List) << row.Key;
            }
        }
        EXPECT_STREQ(here->Cell(TParameterBox::AudioBitrate).List, "A3");
    }
    for (int r = 0; r <= 6; ++r)
        EXPECT_EQ(Cells(*FindSupersededChoiceRow(1700 + r)), Cells(*FindSupersededChoiceRow(1600 + r)));
    EXPECT_EQ(Cells(*FindSupersededChoiceRow(1504)), Cells(*FindSupersededChoiceRow(1500)));
    EXPECT_EQ(Cells(*FindSupersededChoiceRow(1606)), Cells(*FindSupersededChoiceRow(1601)));
}

TEST(SupersededProfileParameterTable, RowsWriteTheFieldsOfTheirKind) {
    int rows = 0;
    for (int c = 0; c < 17; ++c)
        for (int r = 0; SupersededProfile(c, r); ++r) {
            const int key = LegacyProfileKey(c, r);
            const TLegacyProfileParameters* row = FindSupersededProfileParameters(key);
            ASSERT_NE(row, nullptr) << key;
            EXPECT_EQ(row->Key, key);
            EXPECT_EQ(row->Kind == TLegacyRowKind::AudioOnly,
                      FindSupersededChoiceRow(LegacySwitchValue(c, r))->AudioOnly)
                << key;
            std::string fields = KindFields(row->Kind);
            if (key == 205) fields = Without(fields, "VideoTag");
            if (key >= 303 && key <= 306) fields = Without(fields, "TargetType");
            if (key == 1102 || key == 1103 || key == 1405 || key == 1406) fields = Without(fields, "FileExt");
            EXPECT_EQ(WrittenFields(*row), fields) << key;
            ++rows;
        }
    EXPECT_EQ(rows, 147);
    ASSERT_EQ(SupersededProfileParameterOverrides().size(), 4u);
    for (const TLegacyProfileParameters& row : SupersededProfileParameterOverrides())
        EXPECT_NE(FindLegacyProfileParameters(row.Key), FindSupersededProfileParameters(row.Key));
    EXPECT_EQ(FindSupersededProfileParameters(1599), nullptr);
    EXPECT_STREQ(FindSupersededProfileParameters(111)->FileExt, ".m4a");
    EXPECT_STREQ(FindSupersededProfileParameters(602)->Ext, ".3g2");
}
