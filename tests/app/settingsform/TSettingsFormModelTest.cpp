#include "app/settingsform/TSettingsFormModel.h"
#include "tests/app/settingsform/FakeParameterBoxes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Strings = std::vector<std::string>;

namespace {

struct TSettingsForm {
    TFakeParameterBoxes Boxes;
    TLegacyMainFields Main;
    TSettingsFormModel Model{Boxes.Views(), Main};

    int Button18Runs() const { return Boxes.Boxes[0].Clears; }
};

const std::vector<bool> AllEnabled(6, true);

} // namespace

TEST(TSettingsFormModel, CreationFillsTheFirstCategoryAndItsFirstProfileOnce) {
    TSettingsForm form;
    ASSERT_EQ(form.Model.ProfileBox().ItemCount(), 1) << "the placeholder of the form description";
    EXPECT_EQ(form.Model.CategoryBox().ItemCount(), 12);
    EXPECT_EQ(form.Button18Runs(), 0) << "loading fires nothing";

    form.Model.FormCreate();

    const auto& items = form.Model.ProfileBox().Items();
    ASSERT_EQ(items.size(), 15u);
    EXPECT_EQ(items[0], (TOfficeItem{"AVI - 音频视频交错格式(*.avi)",
                                     "AVI最常用的视频格式,语音和影像同步组合在一起的文件格式", 0}));
    EXPECT_EQ(items[14].Title, "RM - REAL视频格式(*.rm)");
    EXPECT_EQ(form.Model.ProfileBox().ItemIndex(), 0);
    EXPECT_EQ(form.Button18Runs(), 1);
    EXPECT_EQ(form.Boxes.Texts(),
              (Strings{"保持原分辨率", "816 kbps", "25.00", "128 kbps", "44100", "保持原视频模式"}));
    EXPECT_EQ(form.Boxes[TParameterBox::Resolution].Items.size(), 28u);
    EXPECT_EQ(form.Boxes.Enabled(), AllEnabled);
    EXPECT_EQ(form.Main.All_Trant_Number, 100);
    EXPECT_FALSE(form.Main.Profile.Video_DisableVideo);
}

// Selections in the two boxes run the handlers as the form's events do.
TEST(TSettingsFormModel, SelectionsFillTheSixBoxes) {
    struct {
        int category, row, value;
        Strings texts;
        bool videoEnabled;
    } cases[] = {
        {1, 0, 200, {"该格式无视频", "无视频", "无视频", "128 kbps", "44100", "无视频"}, false},
        {2, 0, 300, {"1280*720", "1600 kbps", "29.97", "128 kbps", "48000", "保持原视频模式"}, true},
        {0, 9, 109, {"176*144", "128 kbps", "12", "12 kbps", "8000", "保持原视频模式"}, true},
        {1, 12, 212, {"该格式无视频", "无视频", "无视频", "7.4 kbps", "8000", "无视频"}, false},
        {6, 8, 708, {"该格式无视频", "无视频", "无视频", "7.4 kbps", "8000", "无视频"}, false},
        {3, 11, 411, {"640*272", "768 kbps", "25.00", "128 kbps", "48000", "宽屏视频16:9模式"}, true},
        {4, 2, 502, {"720*406", "768 kbps", "25.00", "128 kbps", "48000", "宽屏视频16:9模式"}, true},
    };
    TSettingsForm form;
    form.Model.FormCreate();
    for (const auto& c : cases) {
        form.Main.Profile.Video_DisableVideo = true;
        form.Model.CategoryBox().SetItemIndex(c.category); // refills and runs for row 0
        form.Model.ProfileBox().SetItemIndex(c.row);
        EXPECT_EQ(form.Main.All_Trant_Number, c.value);
        EXPECT_EQ(form.Boxes.Texts(), c.texts) << c.value;
        const bool v = c.videoEnabled;
        EXPECT_EQ(form.Boxes.Enabled(), (std::vector<bool>{v, v, v, true, true, v})) << c.value;
        EXPECT_FALSE(form.Main.Profile.Video_DisableVideo) << c.value;
    }
    form.Model.CategoryBox().SetItemIndex(6);
    form.Model.ProfileBox().SetItemIndex(8);
    EXPECT_EQ(form.Boxes[TParameterBox::SampleRate].Items, Strings{"8000"});
    EXPECT_EQ(form.Boxes[TParameterBox::AudioBitrate].Items.size(), 8u);
}

TEST(TSettingsFormModel, CategoryChangeRefillsTheProfileList) {
    TSettingsForm form;
    form.Model.FormCreate();
    form.Model.CategoryBox().SetItemIndex(1);
    EXPECT_EQ(form.Model.ProfileBox().ItemCount(), 13);
    EXPECT_EQ(form.Model.ProfileBox().Items()[11].Title, "ALAC-Apple Lossless无损音频格式(*.alac) ");
    EXPECT_EQ(form.Button18Runs(), 2);
    form.Model.CategoryBox().SetItemIndex(1);
    EXPECT_EQ(form.Model.ProfileBox().ItemCount(), 13) << "a second run does not double the list";
    EXPECT_EQ(form.Button18Runs(), 3);
    EXPECT_EQ(form.Main.All_Trant_Number, 200);
}

TEST(TSettingsFormModel, ValueWithoutRowEmptiesAndEnablesTheBoxes) {
    TSettingsForm form;
    form.Model.FormCreate();
    form.Model.CategoryBox().SetItemIndex(1); // audio only: four boxes disabled
    form.Model.CategoryBox().SetItemIndex(0);
    form.Model.ProfileBox().SetItemIndex(-1);
    EXPECT_EQ(form.Main.All_Trant_Number, 99);
    for (const TFakeParameterBox& box : form.Boxes.Boxes) {
        EXPECT_TRUE(box.Items.empty());
        EXPECT_EQ(box.ItemIndex, -1);
        EXPECT_TRUE(box.Enabled);
        EXPECT_FALSE(box.Text.empty()) << "a box keeps the text it showed";
    }
}

// A category outside the list leaves the profile list empty and selects
// nothing, where the box would raise its list-index error.
TEST(TSettingsFormModel, CategoryOutsideTheListLeavesTheProfileListEmpty) {
    TSettingsForm form;
    form.Model.FormCreate();
    form.Model.CategoryBox().SetItemIndex(-1);
    EXPECT_EQ(form.Model.ProfileBox().ItemCount(), 0);
    EXPECT_EQ(form.Button18Runs(), 1);
    EXPECT_EQ(form.Main.All_Trant_Number, 100);
}
