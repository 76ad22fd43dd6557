#include "app/presets/PresetApplication.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

// A box as the window's combo box behaves: selecting sets the text, and a
// change of text is counted as its change event.
class TFakeBox : public IParameterBoxView {
public:
    TFakeBox(const char* AName, std::vector<std::string>& ALog) : FName(AName), FLog(ALog) {}

    void ClearItems() override {
        Items.clear();
        ItemIndex = -1;
        FLog.push_back(FName + " clear");
    }
    void AddItem(const std::string& AText) override { Items.push_back(AText); }
    void SetItemIndex(int AIndex) override {
        ItemIndex = AIndex >= 0 && AIndex < static_cast<int>(Items.size()) ? AIndex : -1;
        if (ItemIndex >= 0 && Text != Items[static_cast<size_t>(ItemIndex)]) {
            Text = Items[static_cast<size_t>(ItemIndex)];
            ++Changes;
        }
        FLog.push_back(FName + " select " + std::to_string(Items.size()));
    }
    void SetEnabled(bool AEnabled) override {
        if (Enabled != AEnabled) FLog.push_back(FName + (AEnabled ? " enable" : " disable"));
        Enabled = AEnabled;
    }

    std::vector<std::string> Items;
    int ItemIndex = -1;
    std::string Text;
    bool Enabled = true;
    int Changes = 0;

private:
    std::string FName;
    std::vector<std::string>& FLog;
};

struct TBoxes {
    std::vector<std::string> Log;
    TFakeBox Resolution{"res", Log}, VideoBitrate{"vbr", Log}, FrameRate{"fps", Log};
    TFakeBox AudioBitrate{"abr", Log}, SampleRate{"asr", Log}, Aspect{"aspect", Log};

    TParameterBoxViews Views() {
        return {&Resolution, &VideoBitrate, &FrameRate, &AudioBitrate, &SampleRate, &Aspect};
    }
    std::vector<TFakeBox*> All() {
        return {&Resolution, &VideoBitrate, &FrameRate, &AudioBitrate, &SampleRate, &Aspect};
    }
};

} // namespace

TEST(PresetApplication, FirstStartKeyFillsTheBoxesInOrder) {
    TBoxes boxes;
    ApplyPresets(boxes.Views(), 700);

    struct {
        TFakeBox& box;
        size_t entries;
        std::string text;
    } expected[] = {
        {boxes.Resolution, 7, "320*240"}, {boxes.VideoBitrate, 9, "1000 kbps"},
        {boxes.FrameRate, 10, "25.00"},   {boxes.AudioBitrate, 5, "128 kbps"},
        {boxes.SampleRate, 4, "48000"},   {boxes.Aspect, 5, "保持原视频模式"},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(e.box.Items.size(), e.entries) << e.text;
        EXPECT_EQ(e.box.Text, e.text);
        EXPECT_TRUE(e.box.Enabled);
        EXPECT_EQ(e.box.Changes, 1) << e.text;
    }
    const std::vector<std::string> order = {
        "res clear",    "vbr clear",    "abr clear",     "aspect clear", "fps clear",    "asr clear",
        "res select 7", "vbr select 9", "fps select 10", "abr select 5", "asr select 4", "aspect select 5"};
    EXPECT_EQ(boxes.Log, order);

    // The same key again rebuilds the lists but changes no text.
    ApplyPresets(boxes.Views(), 700);
    for (TFakeBox* box : boxes.All())
        EXPECT_EQ(box->Changes, 1);
}

TEST(PresetApplication, AudioOnlyKeyDisablesTheFourVideoBoxesAfterFilling) {
    TBoxes boxes;
    ApplyPresets(boxes.Views(), 0);
    boxes.Log.clear();
    ApplyPresets(boxes.Views(), 109);

    EXPECT_EQ(boxes.Resolution.Items, std::vector<std::string>{"该格式无视频"});
    for (TFakeBox* box : {&boxes.VideoBitrate, &boxes.FrameRate, &boxes.Aspect})
        EXPECT_EQ(box->Items, std::vector<std::string>{"无视频"});
    for (TFakeBox* box : {&boxes.Resolution, &boxes.VideoBitrate, &boxes.FrameRate, &boxes.Aspect}) {
        EXPECT_FALSE(box->Enabled);
        EXPECT_EQ(box->ItemIndex, 0);
    }
    EXPECT_TRUE(boxes.AudioBitrate.Enabled);
    EXPECT_TRUE(boxes.SampleRate.Enabled);
    EXPECT_EQ(boxes.AudioBitrate.Text, "7.4 kbps");
    EXPECT_EQ(boxes.SampleRate.Items, std::vector<std::string>{"8000"});
    const std::vector<std::string> tail(boxes.Log.end() - 4, boxes.Log.end());
    EXPECT_EQ(tail,
              (std::vector<std::string>{"res disable", "vbr disable", "aspect disable", "fps disable"}));

    // A video key afterwards enables every box before filling any.
    boxes.Log.clear();
    ApplyPresets(boxes.Views(), 3109);
    for (TFakeBox* box : boxes.All())
        EXPECT_TRUE(box->Enabled);
    EXPECT_EQ(boxes.Log[6], "res enable");
    EXPECT_EQ(boxes.Resolution.Text, "176*144");
    EXPECT_EQ(boxes.FrameRate.Text, "12");
}

TEST(PresetApplication, KeyWithoutRowLeavesTheBoxesEmptyAndEnabled) {
    for (int key : {-1, 9, 3213, 3413}) {
        TBoxes boxes;
        ApplyPresets(boxes.Views(), 404); // audio only: disabled boxes first
        ApplyPresets(boxes.Views(), key);
        for (TFakeBox* box : boxes.All()) {
            EXPECT_TRUE(box->Items.empty()) << key;
            EXPECT_EQ(box->ItemIndex, -1) << key;
            EXPECT_TRUE(box->Enabled) << key;
        }
    }
}

TEST(PresetApplication, DefaultsAtOtherPositionsOfOtherLists) {
    struct {
        int key;
        TParameterBox box;
        size_t entries;
        int index;
        std::string text;
    } cases[] = {
        {0, TParameterBox::AudioBitrate, 17, 10, "128 kbps"},
        {500, TParameterBox::AudioBitrate, 5, 2, "128 kbps"},
        {200, TParameterBox::Resolution, 19, 4, "320*240"},
        {3301, TParameterBox::Resolution, 18, 17, "3840*2160"},
        {3304, TParameterBox::Resolution, 10, 2, "1280*720"},
        {3201, TParameterBox::VideoBitrate, 8, 0, "816 kbps"},
        {3115, TParameterBox::SampleRate, 6, 4, "44100"},
    };
    for (const auto& c : cases) {
        TBoxes boxes;
        ApplyPresets(boxes.Views(), c.key);
        const TFakeBox& box = *boxes.All()[static_cast<size_t>(c.box)];
        EXPECT_EQ(box.Items.size(), c.entries) << c.key;
        EXPECT_EQ(box.ItemIndex, c.index) << c.key;
        EXPECT_EQ(box.Text, c.text) << c.key;
    }
}
