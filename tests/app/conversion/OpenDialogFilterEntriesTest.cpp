#include "app/conversion/OpenDialogFilter.h"

#include "skin/dialogs/filectrl/FileMasks.h"
#include "skin/dialogs/filectrl/TFilterList.h"

#include <gtest/gtest.h>

TEST(OpenDialogFilter, GivesTheFilterComboFourEntries) {
    TFilterList list;
    list.SetFilter(OpenDialogFilter());
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Descriptions()[0], "所有文件格式 (*.*)");
    EXPECT_EQ(list.Descriptions()[1], "支持的视频/音频文件格式");
    EXPECT_EQ(list.Descriptions()[2], "支持的视频文件格式");
    EXPECT_EQ(list.Descriptions()[3], "支持的音频文件格式");
    EXPECT_EQ(list.Mask(), "*.*");

    // The masks as the file list applies them.
    list.SetItemIndex(2);
    EXPECT_TRUE(MatchesMaskList("holiday.mkv", list.Mask()));
    EXPECT_TRUE(MatchesMaskList("HOLIDAY.qt", list.Mask()));
    EXPECT_FALSE(MatchesMaskList("song.mp3", list.Mask()));
    list.SetItemIndex(3);
    EXPECT_TRUE(MatchesMaskList("song.Mp3", list.Mask()));
    EXPECT_FALSE(MatchesMaskList("clip.avi", list.Mask()));
    list.SetItemIndex(0);
    EXPECT_TRUE(MatchesMaskList("no-extension", list.Mask()));
}
