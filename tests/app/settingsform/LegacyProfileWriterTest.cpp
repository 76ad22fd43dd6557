#include "app/settingsform/TSettingsFormModel.h"
#include "tests/app/settingsform/FakeParameterBoxes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// Every field set to a mark, so what a click leaves alone stays visible.
TCurrentProfile Marked() {
    TCurrentProfile p;
    p.Video_AddFileName = "/media/clip.mov";
    for (std::string* field :
         {&p.Video_OutPutFileName, &p.Video_FileExt, &p.Video_VideoCodec, &p.Video_VideoTag,
          &p.Video_FrameSize, &p.Video_FrameRate, &p.Video_FrameAspectRatio, &p.Video_AudioCodec,
          &p.Video_AudioChannels, &p.Video_AudioSampleRate, &p.Video_AudioVolume, &p.Video_TargetType,
          &p.Video_NormType, &p.Video_VideoFilters, &p.Video_CopyTimestamp, &p.Video_FileFormat})
        *field = "mark";
    p.Video_VideoBitrate = 7;
    p.Video_AudioBitrate = 7;
    return p;
}

// The names of the fields that differ from the marks.
std::string Changed(const TCurrentProfile& p) {
    std::string changed;
    auto check = [&](bool ADiffers, const char* AName) {
        if (ADiffers) changed += std::string(changed.empty() ? "" : " ") + AName;
    };
    check(p.Video_FileExt != "mark", "FileExt");
    check(p.Video_VideoCodec != "mark", "VideoCodec");
    check(p.Video_VideoTag != "mark", "VideoTag");
    check(p.Video_FrameRate != "mark", "FrameRate");
    check(p.Video_FrameAspectRatio != "mark", "FrameAspectRatio");
    check(p.Video_FrameSize != "mark", "FrameSize");
    check(p.Video_VideoBitrate != 7, "VideoBitrate");
    check(p.Video_VideoFilters != "mark", "VideoFilters");
    check(p.Video_AudioCodec != "mark", "AudioCodec");
    check(p.Video_AudioChannels != "mark", "AudioChannels");
    check(p.Video_AudioSampleRate != "mark", "AudioSampleRate");
    check(p.Video_AudioVolume != "mark", "AudioVolume");
    check(p.Video_AudioBitrate != 7, "AudioBitrate");
    check(p.Video_NormType != "mark", "NormType");
    check(p.Video_CopyTimestamp != "mark", "CopyTimestamp");
    check(p.Video_FileFormat != "mark", "FileFormat");
    check(p.Video_TargetType != "mark", "TargetType");
    check(p.Video_DisableVideo, "DisableVideo");
    return changed;
}

struct TSettingsForm {
    TFakeParameterBoxes Boxes;
    TLegacyMainFields Main;
    TSettingsFormModel Model{Boxes.Views(), Main};
    std::set<std::string> Files; // the files that exist

    TSettingsForm() { Model.FormCreate(); }

    void Click(int ACategory, int ARow, std::string AFolder = "/out", bool ARename = true) {
        Model.CategoryBox().SetItemIndex(ACategory);
        Model.ProfileBox().SetItemIndex(ARow);
        Model.Button5Click({std::move(AFolder), ARename,
                            [this](const std::string& APath) { return Files.count(APath) > 0; }});
    }
};

} // namespace

TEST(LegacyProfileWriter, EachKindWritesItsFields) {
    struct {
        int category, row;
        const char* fields;
    } cases[] = {
        {0, 0,
         "FileExt VideoCodec VideoTag FrameRate FrameAspectRatio FrameSize VideoBitrate VideoFilters "
         "AudioCodec "
         "AudioChannels AudioSampleRate AudioVolume AudioBitrate NormType CopyTimestamp FileFormat "
         "TargetType"},
        {1, 0,
         "FileExt AudioCodec AudioChannels AudioSampleRate AudioVolume AudioBitrate NormType CopyTimestamp "
         "FileFormat TargetType DisableVideo"},
        {0, 11,
         "VideoCodec VideoTag FrameRate FrameAspectRatio FrameSize VideoBitrate AudioCodec AudioChannels "
         "AudioSampleRate AudioVolume AudioBitrate NormType FileFormat TargetType"},
        {0, 14, "VideoCodec FrameSize NormType CopyTimestamp FileFormat TargetType"},
        // Rows that skip one field of their kind.
        {3, 4,
         "FileExt VideoCodec VideoTag FrameRate FrameAspectRatio FrameSize VideoBitrate VideoFilters "
         "AudioCodec "
         "AudioChannels AudioSampleRate AudioVolume AudioBitrate NormType CopyTimestamp FileFormat"},
        {11, 2,
         "AudioCodec AudioChannels AudioSampleRate AudioVolume AudioBitrate NormType CopyTimestamp "
         "FileFormat "
         "TargetType DisableVideo"},
    };
    for (const auto& c : cases) {
        TSettingsForm form;
        form.Main.Profile = Marked();
        form.Click(c.category, c.row);
        EXPECT_EQ(Changed(form.Main.Profile), c.fields) << c.category << "," << c.row;
    }
}

TEST(LegacyProfileWriter, RowValues) {
    TSettingsForm form;
    form.Main.Profile.Video_AddFileName = "/media/clip.mov";
    form.Click(0, 0, "/out");
    const TCurrentProfile& p = form.Main.Profile;
    EXPECT_EQ(form.Main.All_Trant_Number, 100);
    EXPECT_EQ(p.Video_OutPutFileName, "/out/clip.avi");
    EXPECT_EQ(p.Video_VideoBitrate, 816000);
    EXPECT_EQ(p.Video_VideoTag, "XVID");

    form.Click(0, 11);
    EXPECT_EQ(p.Video_VideoBitrate, -1000);
    EXPECT_EQ(p.Video_AudioBitrate, -1000);
    EXPECT_EQ(p.Video_NormType, "PAL");
    EXPECT_EQ(p.Video_TargetType, "dvd");
    EXPECT_EQ(p.Video_FileExt, ".avi") << "kept from the row before";
    EXPECT_EQ(p.Video_OutPutFileName, "/out/clip.mpg");

    form.Click(3, 8);
    EXPECT_EQ(p.Video_VideoBitrate, 7680000);
    form.Click(3, 11);
    EXPECT_EQ(p.Video_FrameAspectRatio, "16:9");

    form.Click(1, 11);
    EXPECT_EQ(p.Video_OutPutFileName, "/out/clip.m4a");
    EXPECT_EQ(p.Video_FileExt, ".alac");
    form.Click(1, 6);
    EXPECT_EQ(p.Video_OutPutFileName, "/out/clip.ra");
    EXPECT_EQ(p.Video_FileExt, ".rm");
}

TEST(LegacyProfileWriter, OutputNames) {
    struct {
        const char* source;
        const char* folder;
        bool rename;
        std::set<std::string> existing;
        const char* expected;
    } cases[] = {
        {"/media/clip.mov", "/out", true, {}, "/out/clip.avi"},
        {"/media/clip.mov", "/out", true, {"/out/clip.avi", "/out/clip_1.avi"}, "/out/clip_2.avi"},
        {"/media/clip.mov", "/out", false, {"/out/clip.avi", "/out/clip_1.avi"}, "/out/clip.avi"},
        {"/media/clip", "/out", true, {}, "/out/clip.avi"},
        {"/media/clip.part.mov", "/out", true, {}, "/out/clip.part.avi"},
        {"", "/out", true, {}, "/out/.avi"},
        {"/media/clip.mov", "/out/", true, {}, "/out//clip.avi"},
        {"/media/clip.mov", "", true, {}, "/clip.avi"},
    };
    for (const auto& c : cases) {
        TSettingsForm form;
        form.Files = c.existing;
        form.Main.Profile.Video_AddFileName = c.source;
        form.Click(0, 0, c.folder, c.rename);
        EXPECT_EQ(form.Main.Profile.Video_OutPutFileName, c.expected) << c.source << " in " << c.folder;
    }
}

// No profile selected: no row, but the previous name still moves into the
// current folder and is made unique.
TEST(LegacyProfileWriter, ValueWithoutRowOnlyMovesTheOutputName) {
    TSettingsForm form;
    form.Main.Profile = Marked();
    form.Main.Profile.Video_DisableVideo = true;
    form.Main.Profile.Video_OutPutFileName = "/old/clip.mp4";
    form.Files = {"/new/clip.mp4"};
    form.Click(0, -1, "/new");
    EXPECT_EQ(form.Main.All_Trant_Number, 99);
    EXPECT_EQ(Changed(form.Main.Profile), "");
    EXPECT_EQ(form.Main.Profile.Video_OutPutFileName, "/new/clip_1.mp4");

    form.Main.Profile.Video_OutPutFileName.clear();
    form.Click(0, -1, "/new");
    EXPECT_EQ(form.Main.Profile.Video_OutPutFileName, "/new/");
}

// A folder where every numbered name is taken gives no name rather than
// one that overwrites, and the search ends.
TEST(LegacyProfileWriter, NoFreeNameGivesNoName) {
    TSettingsForm form;
    form.Model.Button5Click({"/out", true, [](const std::string&) { return true; }});
    EXPECT_EQ(form.Main.Profile.Video_OutPutFileName, "");
}
