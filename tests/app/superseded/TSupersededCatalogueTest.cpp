#include "app/superseded/TSupersededCatalogue.h"
#include "app/settingsform/TOfficeComboBoxModel.h"
#include "tests/app/settingsform/FakeParameterBoxes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using Strings = std::vector<std::string>;

namespace {

// The main window's boxes and fields as the superseded handlers find them.
struct TMainWindow {
    TOfficeComboBoxModel CategoryBox;
    TOfficeComboBoxModel ProfileBox;
    TFakeParameterBoxes Boxes;
    TLegacyMainFields Main;
    TSupersededCatalogue Catalogue{CategoryBox, ProfileBox, Boxes.Views(), Main};
    int ProfileChanges = 0; // the profile box's live change handler

    TMainWindow() {
        CategoryBox.Load(SupersededCategoryItems(), 0);
        ProfileBox.Load({{"dfd", "dfsdsf", -1}}, 0);
        ProfileBox.OnChange = [this] { ++ProfileChanges; };
        Main.Profile.Video_AddFileName = "/media/clip.mov";
    }

    // The profile box holds the live rows; only its index matters here.
    void Choose(int AImagesMenuIndex, int AProfileRow) {
        ProfileBox.Load(std::vector<TOfficeItem>(30), AProfileRow);
        Catalogue.Button18Click(AImagesMenuIndex);
    }
    // Old category and row chosen in the old boxes, then the writer.
    void Write(int ACategory, int ARow, TFileRowTexts* ASelectedRow = nullptr,
               std::set<std::string> AFiles = {}, bool ARename = true) {
        CategoryBox.Load(SupersededCategoryItems(), ACategory);
        ProfileBox.Load(std::vector<TOfficeItem>(30), ARow);
        Catalogue.Button5Click(
            {"/out", ARename, [AFiles](const std::string& APath) { return AFiles.count(APath) > 0; }},
            ASelectedRow);
    }
};

} // namespace

TEST(TSupersededCatalogue, OldCategoryBoxItems) {
    const auto items = SupersededCategoryItems();
    ASSERT_EQ(items.size(), 17u);
    EXPECT_EQ(items[0], (TOfficeItem{"", "常用视频", 0}));
    EXPECT_EQ(items[12], (TOfficeItem{"", "iPad视频", 15}));
    EXPECT_EQ(items[16], (TOfficeItem{"", "MKV视频", 14}));
}

TEST(TSupersededCatalogue, ProfileListOfAnOldCategory) {
    TMainWindow window;
    window.Catalogue.Button2Click();
    const auto& items = window.ProfileBox.Items();
    ASSERT_EQ(items.size(), 15u);
    for (size_t r = 0; r < items.size(); ++r)
        EXPECT_EQ(items[r].ImageIndex, static_cast<int>(r % 2));
    EXPECT_EQ(items[0].Title, "AVI - 音频视频交错格式(*.avi)");
    EXPECT_EQ(window.ProfileBox.ItemIndex(), 0);
    EXPECT_EQ(window.ProfileChanges, 1) << "selecting row 0 fires the live change handler";

    window.CategoryBox.SetItemIndex(16);
    window.Catalogue.Button2Click();
    window.Catalogue.Button2Click();
    ASSERT_EQ(window.ProfileBox.ItemCount(), 7);
    EXPECT_EQ(window.ProfileBox.Items()[6].Title, "高清的HD MKV视频(*.mkv)");
    EXPECT_EQ(window.ProfileChanges, 3);
    EXPECT_EQ(window.Main.All_Trant_Number, 0) << "the list filler stores no value";

    window.CategoryBox.SetItemIndex(-1);
    window.Catalogue.Button2Click();
    EXPECT_EQ(window.ProfileBox.ItemCount(), 0);
    EXPECT_EQ(window.ProfileChanges, 3);
}

// The images menu's entry stands for the old category.
TEST(TSupersededCatalogue, ChoicesKeyedByTheImagesMenuEntry) {
    const Strings none(6, "");
    struct {
        int menu, row, value;
        Strings texts;
        bool videoEnabled;
    } cases[] = {
        {0, 0, 100, {"保持原分辨率", "816 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"}, true},
        {14, 1, 1501, {"1280*720", "1600 kbps", "29.97", "128 kbps", "22050", "保持原视频模式"}, true},
        {14, 5, 1505, {"该格式无视频", "无视频", "无视频", "128 kbps", "22050", "无视频"}, false},
        {6, 0, 700, {"176*144", "128 kbps", "12", "7.4 kbps", "8000", "保持原视频模式"}, true},
        {12, 3, 1303, {"720*576", "1500 kbps", "30.00", "160 kbps", "48000", "保持原视频模式"}, true},
        {14, 7, 1507, none, true},
        {17, 0, 1800, none, true},
        {25, 3, 2603, none, true},
        {-1, 0, 0, none, true},
        {0, -1, 99, none, true},
    };
    for (const auto& c : cases) {
        TMainWindow window;
        window.Choose(14, 5); // four boxes disabled before
        window.Main.Profile.Video_DisableVideo = true;
        window.Choose(c.menu, c.row);
        EXPECT_EQ(window.Main.All_Trant_Number, c.value);
        EXPECT_FALSE(window.Main.Profile.Video_DisableVideo) << c.value;
        const bool v = c.videoEnabled;
        EXPECT_EQ(window.Boxes.Enabled(), (std::vector<bool>{v, v, v, true, true, v})) << c.value;
        EXPECT_EQ(window.Boxes.Texts(), c.texts) << c.value;
        if (c.texts == none) {
            for (const TFakeParameterBox& box : window.Boxes.Boxes)
                EXPECT_TRUE(box.Items.empty()) << c.value;
        }
    }
}

TEST(TSupersededCatalogue, ChangeEventsOnlyForChangedTexts) {
    TMainWindow window;
    window.Choose(15, 0);
    const Strings avi = window.Boxes.Texts();
    for (const TFakeParameterBox& box : window.Boxes.Boxes)
        EXPECT_EQ(box.Changes, 1);
    window.Choose(15, 0);
    for (const TFakeParameterBox& box : window.Boxes.Boxes)
        EXPECT_EQ(box.Changes, 1) << "the same texts again fire nothing";
    window.Choose(16, 0);
    EXPECT_EQ(window.Boxes.Texts(), avi);
    window.Choose(15, 1);
    EXPECT_EQ(window.Boxes[TParameterBox::Resolution].Changes, 2);
    EXPECT_EQ(window.Boxes[TParameterBox::Aspect].Changes, 1);
}

TEST(TSupersededCatalogue, WriterResetsThenWritesTheRowAndItsColumns) {
    struct {
        int category, row;
        const char* videoCodec;
        const char* tag;
        const char* videoBitrate;
        const char* audioBitrate;
        const char* disableVideo;
        const char* fileExt;
        const char* target;
        const char* norm;
    } cases[] = {
        {0, 0, "mpeg4", "XVID", "816000", "128000", "False", ".avi", "", ""},
        {1, 0, "", "", "-1", "128000", "True", ".mp3", "", ""},
        {13, 8, "", "", "-1000", "-1000", "False", "", "dvd", "PAL"},
        {16, -1, "", "", "-1", "-1", "False", "", "", ""},
        {15, 1, "libx264", "", "1600000", "256000", "False", ".avi", "", ""},
    };
    for (const auto& c : cases) {
        TMainWindow window;
        window.Main.Profile.Video_VideoCodec = "left over";
        window.Main.Profile.Video_FileExt = "left over";
        TFileRowTexts row;
        window.Write(c.category, c.row, &row);
        EXPECT_EQ(row[fcVideoCodec], c.videoCodec) << c.category << "," << c.row;
        EXPECT_EQ(row[fcVideoTag], c.tag);
        EXPECT_EQ(row[fcVideoBitrate], c.videoBitrate);
        EXPECT_EQ(row[fcAudioBitrate], c.audioBitrate);
        EXPECT_EQ(row[fcDisableVideo], c.disableVideo);
        EXPECT_EQ(row[fcFileExt], c.fileExt);
        EXPECT_EQ(row[fcTargetType], c.target);
        EXPECT_EQ(row[fcNormType], c.norm);
        EXPECT_EQ(window.Main.Profile.Video_VideoCodec, c.videoCodec);
        EXPECT_EQ(row[fcOutputFile], "") << "the output column is not written";
    }
    TMainWindow window;
    window.Write(16, -1);
    EXPECT_EQ(window.Main.All_Trant_Number, 1699);
    EXPECT_EQ(window.Main.Profile.Video_OutPutFileName, "/out/");
    EXPECT_EQ(window.Main.Profile.Video_AddFileName, "/media/clip.mov");
}

TEST(TSupersededCatalogue, WriterNamesTheOutput) {
    const std::set<std::string> taken = {"/out/clip.mp4"};
    TMainWindow window;
    window.Write(12, 0, nullptr, taken, false);
    EXPECT_EQ(window.Main.Profile.Video_OutPutFileName, "/out/clip.mp4");
    window.Write(12, 0, nullptr, taken, true);
    EXPECT_EQ(window.Main.Profile.Video_OutPutFileName, "/out/clip_1.mp4");
    for (int r = 0; r <= 3; ++r) {
        window.Write(12, r);
        EXPECT_EQ(window.Main.Profile.Video_FrameRate, "30") << r;
    }
    window.Write(16, 1);
    EXPECT_EQ(window.Main.Profile.Video_VideoCodec, "libx264");
    EXPECT_EQ(window.Main.Profile.Video_AudioBitrate, 256000);
    window.Write(6, 2);
    EXPECT_EQ(window.Main.Profile.Video_OutPutFileName, "/out/clip.3g2");
    EXPECT_EQ(window.Main.Profile.Video_AudioCodec, "libopencore_amrnb");
    EXPECT_EQ(window.Main.Profile.Video_AudioBitrate, 10200);
}
