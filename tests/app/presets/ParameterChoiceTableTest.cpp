#include "app/presets/ParameterChoiceTable.h"
#include "app/presets/ChoiceList.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

TEST(ParameterChoiceTable, EveryCellNamesAListOfItsBoxAndAnEntryInside) {
    int previous = -1;
    for (const TPresetRow& row : ParameterChoiceTable()) {
        EXPECT_GT(row.Key, previous) << "keys ascend without repeats";
        previous = row.Key;
        EXPECT_EQ(FindPresetRow(row.Key), &row);
        for (TParameterBox box : PresetBoxOrder) {
            const TPresetCell& cell = row.Cell(box);
            const TChoiceList* list = FindChoiceList(cell.List);
            ASSERT_NE(list, nullptr) << row.Key << " " << cell.List;
            const std::string name = cell.List;
            const std::string prefix = ChoiceListPrefix(box);
            EXPECT_EQ(name.substr(0, name.find_first_of("0123456789")), prefix) << row.Key;
            ASSERT_GE(cell.Default, 0) << row.Key << " " << cell.List;
            ASSERT_LT(cell.Default, static_cast<int>(list->Entries.size())) << row.Key << " " << cell.List;
            EXPECT_STREQ(list->Entries[static_cast<size_t>(cell.Default)], cell.DefaultText)
                << row.Key << " " << cell.List;
        }
    }
}

// Rows per category list, from row 0 without a gap, and the audio-only keys.
TEST(ParameterChoiceTable, ThirtyFiveListsWithTheirRowsAndAudioOnlyKeys) {
    const std::map<int, int> rowsPerList = {
        {0, 9},  {1, 15},  {2, 7},   {3, 11},  {4, 6},   {5, 11},  {6, 15},  {7, 14}, {8, 5},
        {9, 7},  {10, 4},  {11, 4},  {12, 4},  {13, 7},  {14, 8},  {15, 10}, {16, 8}, {17, 15},
        {18, 5}, {19, 10}, {20, 9},  {21, 5},  {22, 4},  {23, 4},  {24, 8},  {25, 4}, {26, 4},
        {27, 4}, {28, 4},  {29, 13}, {30, 12}, {31, 16}, {32, 13}, {33, 12}, {34, 13}};
    std::set<int> audioOnly = {109, 404, 405, 1305, 1306, 1804, 3115, 3212};
    for (int list : {25, 26, 27, 28})
        for (int row = 0; row < 4; ++row)
            audioOnly.insert(list * 100 + row);
    for (int row = 0; row < 13; ++row)
        audioOnly.insert(2900 + row);
    ASSERT_EQ(audioOnly.size(), 37u);

    std::map<int, int> seen;
    for (const TPresetRow& row : ParameterChoiceTable()) {
        const int list = row.Key / 100;
        EXPECT_EQ(row.Key % 100, seen[list]++) << row.Key;
        EXPECT_EQ(row.AudioOnly, audioOnly.count(row.Key) == 1) << row.Key;
    }
    EXPECT_EQ(seen, rowsPerList);
    EXPECT_EQ(ParameterChoiceTable().size(), 300u);
    for (int key : {-1, 9, 99, 115, 3213, 3413, 3500})
        EXPECT_EQ(FindPresetRow(key), nullptr) << key;
}

// Audio-only rows hold the four single "no video" lists in the video boxes,
// and no other row offers them.
TEST(ParameterChoiceTable, AudioOnlyRowsAloneHoldTheNoVideoLists) {
    const std::map<TParameterBox, std::string> noVideo = {{TParameterBox::Resolution, "RES3"},
                                                          {TParameterBox::VideoBitrate, "VBR5"},
                                                          {TParameterBox::FrameRate, "FPS3"},
                                                          {TParameterBox::Aspect, "ASPECT1"}};
    for (const TPresetRow& row : ParameterChoiceTable())
        for (TParameterBox box : PresetBoxOrder) {
            const TPresetCell& cell = row.Cell(box);
            const auto it = noVideo.find(box);
            const bool holdsNoVideo = it != noVideo.end() && cell.List == it->second;
            if (it != noVideo.end()) {
                EXPECT_EQ(holdsNoVideo, row.AudioOnly) << row.Key;
            }
            for (const auto& [other, list] : noVideo) {
                if (other != box) {
                    EXPECT_NE(cell.List, list) << row.Key;
                }
            }
        }
}
