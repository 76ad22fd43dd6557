#include "skin/dialogs/filectrl/TFilterList.h"
#include "skin/dialogs/filectrl/FileMasks.h"

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

TEST(TFilterList, TheApplicationsFourFiltersGiveFourEntries) {
    // The open-file dialogs' filter, joined from its four parts.
    const std::string filter =
        std::string("所有文件格式 (*.*)|*.*|") +
        "支持的视频/"
        "音频文件格式|*.AVI;*.ASF;*.asx;*.WMV;*.AVS;*.FLV;*.MKV;*.MOV;*.3GP;*.MP4;*.MPG;*.MPEG;*.DAT;"
        "*.OGM;*.VOB;*.RM;*.RMVB;*.TS;*.TP;*.IFO;*.NSV;*.MP3;*.AAC;*.WAV;*.WMA;*.CDA;*.SWF;"
        "*.FLAC;*.M4A;*.MID;*.MKA;*.MP2;*.MPA;*.MPC;*.APE;*.OFR;*.OGG;*.RA;*.WV;*.TTA;*.AC3;*.DTS;*.DV;*.m4v;"
        "*.3g2;*.mkv;*.dv;*.yuv;*.h261;*.h264;*.mjpeg;*.dif;*.m4v;*.3gpp;*.3gp2;*.qt|" +
        "支持的视频文件格式|*.AVI;*.ASF;*.asx;*.WMV;*.AVS;*.FLV;*.MKV;*.MOV;*.3GP;*.MP4;*.MPG;*.MPEG;*.DAT;*."
        "OGM;"
        "*.VOB;*.RM;*.RMVB;*.TS;*.TP;*.IFO;*.NSV;*.SWF;*.WV;*.TTA;*.AC3;*.DTS;*.DV;*.m4v;*.3g2;*.mkv;*.dv;*."
        "yuv;"
        "*.h261;*.h264;*.mjpeg;*.dif;*.m4v;*.3gpp;*.3gp2;*.qt|" +
        "支持的音频文件格式|*.MP3;*.AAC;*.WAV;*.WMA;*.CDA;*.FLAC;*.M4A;*.MID;*.MKA;*.MP2;*.MPA;*.MPC;*.APE;*."
        "OFR;"
        "*.OGG;*.RA;*.WV;*.TTA;*.AC3|";
    TFilterList list;
    list.SetFilter(filter);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Descriptions()[0], "所有文件格式 (*.*)");
    EXPECT_EQ(list.Descriptions()[3], "支持的音频文件格式");
    EXPECT_EQ(list.Mask(), "*.*");

    // The masks as the file list applies them.
    list.SetItemIndex(2);
    EXPECT_TRUE(MatchesMaskList("holiday.mkv", list.Mask()));
    EXPECT_FALSE(MatchesMaskList("song.mp3", list.Mask()));
    list.SetItemIndex(3);
    EXPECT_TRUE(MatchesMaskList("song.Mp3", list.Mask()));
    list.SetItemIndex(0);
    EXPECT_TRUE(MatchesMaskList("no-extension", list.Mask()));
}
