#include "skin/dialogs/filectrl/TFilterList.h"

#include <gtest/gtest.h>

#include <vector>

TEST(TFilterList, DefaultFilterIsAllFiles) {
    TFilterList list;
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Descriptions()[0], "All files (*.*)");
    EXPECT_EQ(list.Mask(), "*.*");
}

TEST(TFilterList, PairsBecomeEntriesAndTheFirstIsSelected) {
    TFilterList list;
    list.SetFilter("Videos|*.avi;*.mp4|Text|*.txt");
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Descriptions(), (std::vector<std::string>{"Videos", "Text"}));
    EXPECT_EQ(list.MaskList(), (std::vector<std::string>{"*.avi;*.mp4", "*.txt"}));
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_EQ(list.Mask(), "*.avi;*.mp4");
    list.SetItemIndex(1);
    EXPECT_EQ(list.Mask(), "*.txt");
}

TEST(TFilterList, EdgeCases) {
    TFilterList list;
    list.SetFilter("no bar at all");
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.Mask(), "*.*");

    list.SetFilter("A|*.a|Dropped");
    EXPECT_EQ(list.Count(), 1) << "a trailing description without a mask is dropped";

    list.SetFilter("A|*.a|B|");
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.MaskList()[1], "");

    list.SetFilter("A|*.a|B|*.b|C|*.c");
    list.SetItemIndex(-1);
    EXPECT_EQ(list.Mask(), "*.c") << "reading the mask with no selection selects the last entry";
    EXPECT_EQ(list.ItemIndex(), 2);
    list.SetItemIndex(7);
    EXPECT_EQ(list.ItemIndex(), -1);
}
