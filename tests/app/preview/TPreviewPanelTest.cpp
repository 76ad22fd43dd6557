// The preview panel's logic over a recording player: opening, the picture
// buttons, the slider, the player's events and the texts they leave.

#include "app/preview/TPreviewPanel.h"
#include "app/conversion/TConversionLog.h"
#include "tests/app/preview/FakePreviewPlayer.h"

#include <gtest/gtest.h>

namespace {

using Calls = std::vector<std::string>;

class TPreviewPanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        Panel.Log = &Log;
        Panel.T_Movie_PLayer_FileName = "/videos/clip.avi";
        Panel.LibraryFolder = "/opt/duva/LibAV/";
        Panel.ScreenHandle = 77;
        Panel.OnFocusFileList = [this] { ++Focused; };
        Panel.RowSelected = [this] { return Selected; };
    }
    // The open event of a file of ADuration microseconds.
    void Opened(int64_t ADuration) {
        int w = 0, h = 0;
        Panel.VIDedazuFileOpen(ADuration, 320, 240, w, h);
    }
    bool Logged(const std::string& ALine) const {
        for (const std::string& line : Log.Lines())
            if (line == ALine) return true;
        return false;
    }

    FakePreviewPlayer Player;
    TConversionLog Log;
    TPreviewPanel Panel{Player};
    int Focused = 0;
    bool Selected = true;
};

TEST_F(TPreviewPanelTest, OpeningLoadsTheLibrariesOnceAndOpensPausedWithTheChosenDrivers) {
    struct Case {
        int VideoIndex, AudioIndex;
        const char* Drivers;
    };
    // vdDefault 0, vdDirectDraw 1, vdGDI 2; adDefault 0, adDirectSound 1, adWaveOut 2.
    for (const Case& c : {Case{0, 0, "SetDrivers(0,0)"}, Case{1, 2, "SetDrivers(1,2)"},
                          Case{2, 1, "SetDrivers(2,1)"}, Case{5, -1, "SetDrivers(0,0)"}}) {
        Player.Calls.clear();
        Player.Loaded = false;
        Panel.VideoDriverIndex = c.VideoIndex;
        Panel.AudioDriverIndex = c.AudioIndex;
        Panel.Button31Click();
        EXPECT_EQ(Player.Calls,
                  (Calls{"LoadAVLib(/opt/duva/LibAV/)", c.Drivers, "Open(/videos/clip.avi,77,paused)"}));
    }
    Player.Calls.clear();
    Panel.OpenPaused = false;
    Panel.Button31Click();
    EXPECT_EQ(Player.Calls, (Calls{"SetDrivers(0,0)", "Open(/videos/clip.avi,77,playing)"}));
}

TEST_F(TPreviewPanelTest, ALoadOrOpenFailureOnlyLogsTheReason) {
    Player.Loaded = false;
    Player.LoadSucceeds = false;
    Player.ErrMsg = "libavcodec.so.59: cannot open shared object file";
    Panel.Button31Click();
    EXPECT_EQ(Player.Calls, (Calls{"LoadAVLib(/opt/duva/LibAV/)"}));
    EXPECT_TRUE(Logged("libavcodec.so.59: cannot open shared object file"));

    Player.LoadSucceeds = true;
    Player.OpenSucceeds = false;
    Player.ErrMsg = "/videos/clip.avi: Invalid data found when processing input";
    Panel.Button31Click();
    EXPECT_TRUE(Logged("/videos/clip.avi: Invalid data found when processing input"));
    EXPECT_EQ(Panel.DurationText(), "");
    EXPECT_EQ(Panel.SliderValue(), 0);
}

TEST_F(TPreviewPanelTest, TheOpenEventSetsTheTextsTheSliderAndTheScreenSize) {
    Panel.SetSliderWidth(251);
    Panel.OnScreenSize = [](int& w, int& h) {
        w = 251;
        h = 136;
    };
    int w = 0, h = 0;
    Panel.VIDedazuFileOpen(2500000, 320, 240, w, h);
    EXPECT_EQ(w, 251);
    EXPECT_EQ(h, 136);
    EXPECT_EQ(Panel.Duration(), 2500000);
    EXPECT_EQ(Panel.DurationText(), "2.500000");
    EXPECT_EQ(Panel.PositionText(), "0.0");
    EXPECT_EQ(Panel.SliderMaxValue(), 251);
    EXPECT_EQ(Panel.SliderIncrement(), 5);
    EXPECT_EQ(Panel.SliderValue(), 0);
    EXPECT_TRUE(Logged("Input #0, matroska"));
    EXPECT_TRUE(Logged("duration: 2.500000, frame size: 320x240"));
}

TEST_F(TPreviewPanelTest, TheStreamBoxesListTheStreamsAndOpenOnlyWhereThereIsAChoice) {
    using K = TPreviewStreamKind;
    struct Case {
        std::vector<K> Kinds;
        int Video, Audio, Subtitle;
        TPreviewStreamBox VideoBox, AudioBox, SubtitleBox;
    };
    const Case cases[] = {
        // One video and one audio stream: nothing to choose.
        {{K::Video, K::Audio},
         0,
         1,
         -1,
         {{"Video#0"}, 0, false},
         {{"Audio#1"}, 0, false},
         {{"Subtitle#-1"}, 0, false}},
        // Two of each and a subtitle (an attachment between them is skipped).
        {{K::Video, K::Audio, K::Other, K::Video, K::Audio, K::Subtitle},
         3,
         1,
         5,
         {{"Video#0", "Video#3"}, 1, true},
         {{"Audio#1", "Audio#4"}, 0, true},
         {{"Subtitle#-1", "Subtitle#5"}, 1, true}},
        // No video: subtitles have nothing to be shown on.
        {{K::Audio, K::Subtitle},
         -1,
         0,
         -1,
         {{}, -1, false},
         {{"Audio#0"}, 0, false},
         {{"Subtitle#-1", "Subtitle#1"}, 0, false}},
    };
    for (const Case& c : cases) {
        Player.Kinds = c.Kinds;
        Player.Video = c.Video;
        Player.Audio = c.Audio;
        Player.Subtitle = c.Subtitle;
        Opened(1000000);
        for (auto [got, want] :
             {std::pair{&Panel.VideoBox(), &c.VideoBox}, std::pair{&Panel.AudioBox(), &c.AudioBox},
              std::pair{&Panel.SubtitleBox(), &c.SubtitleBox}}) {
            EXPECT_EQ(got->Items, want->Items);
            EXPECT_EQ(got->ItemIndex, want->ItemIndex) << want->Items.back();
            EXPECT_EQ(got->Enabled, want->Enabled) << want->Items.back();
        }
    }
}

TEST_F(TPreviewPanelTest, PositionsMoveTheSliderAndTheLabel) {
    Opened(2000000); // slider 0..256
    struct Case {
        int64_t PTS;
        int Value;
        const char* Label;
    };
    for (const Case& c :
         {Case{1000000, 128, "1.000000"}, Case{7812, 0, "0.007812"}, Case{7813, 1, "0.007813"},
          Case{2000000, 256, "2.000000"}, Case{2500000, 256, "2.500000"}, Case{-40000, 256, "-0.040000"}}) {
        Panel.VIDedazuPosition(c.PTS);
        EXPECT_EQ(Panel.SliderValue(), c.Value) << c.PTS;
        EXPECT_EQ(Panel.PositionText(), c.Label);
    }
    // A file that gives no duration leaves the slider where it is.
    Opened(0);
    Panel.SetSliderValue(40);
    Panel.VIDedazuPosition(1500000);
    EXPECT_EQ(Panel.SliderValue(), 40);
    EXPECT_EQ(Panel.PositionText(), "1.500000");
}

TEST_F(TPreviewPanelTest, TheSliderPausesWhilePressedThenSeeksAndPlaysOnRelease) {
    Opened(3000000);
    Panel.lxSkinSlider1MouseDown();
    EXPECT_TRUE(Panel.SliderDown());
    EXPECT_EQ(Player.Calls, (Calls{"Pause"}));
    // Positions no longer move it while it is held.
    Panel.SetSliderValue(64);
    Panel.VIDedazuPosition(2900000);
    EXPECT_EQ(Panel.SliderValue(), 64);
    EXPECT_EQ(Panel.PositionText(), "0.0");
    Panel.lxSkinSlider1MouseUp();
    EXPECT_FALSE(Panel.SliderDown());
    EXPECT_EQ(Player.Calls, (Calls{"Pause", "Pause", "Seek(750000)", "Resume"}));
    Panel.VIDedazuPosition(800000);
    EXPECT_EQ(Panel.SliderValue(), 68);
}

TEST_F(TPreviewPanelTest, AtTheEndThePreviewGoesBackToTheStartPaused) {
    Opened(1000000);
    Panel.VIDedazuState(psEnd);
    EXPECT_EQ(Player.Calls, (Calls{"Pause", "Seek(0,any)"}));
}

TEST_F(TPreviewPanelTest, StatesAreLoggedByNameAndKeepTheWindowOnTopOnlyWhilePlaying) {
    Panel.StayOnTop = true;
    struct Case {
        TPlayState State;
        const char* Name;
        bool OnTop;
    };
    for (const Case& c :
         {Case{psPlay, "Play", true}, Case{psPause, "Pause", false}, Case{psResume, "Resume", true},
          Case{psStep, "Step", false}, Case{psResume, "Resume", true}, Case{psStop, "Stop", false}}) {
        Panel.VIDedazuState(c.State);
        EXPECT_EQ(Log.Lines().back(), c.Name);
        EXPECT_EQ(Panel.FormStayOnTop(), c.OnTop) << c.Name;
    }
    Panel.StayOnTop = false;
    Panel.VIDedazuState(psPlay);
    EXPECT_FALSE(Panel.FormStayOnTop());
    EXPECT_STREQ(PlayStateName(psEnd), "End");
}

TEST_F(TPreviewPanelTest, StopRepaintsTheScreenOnlyWhenThePlayerHasOne) {
    int repaints = 0;
    Panel.OnRepaintScreen = [&] { ++repaints; };
    Panel.VIDedazuState(psStop);
    EXPECT_EQ(repaints, 0);
    Player.Screen = 4242;
    Panel.VIDedazuState(psStop);
    EXPECT_EQ(repaints, 1);
}

TEST_F(TPreviewPanelTest, PlayAndPauseHandTheFocusBackToTheList) {
    Panel.lxSkinButton13Click();
    Panel.lxSkinButton14Click();
    EXPECT_EQ(Player.Calls, (Calls{"Resume", "Pause"}));
    EXPECT_EQ(Focused, 2);
}

TEST_F(TPreviewPanelTest, StopReopensTheFilePausedOnlyWithARowSelected) {
    Selected = false;
    Panel.lxSkinButton15Click();
    EXPECT_TRUE(Player.Calls.empty());
    EXPECT_EQ(Focused, 0);

    Selected = true;
    Panel.lxSkinButton15Click();
    EXPECT_EQ(Player.Calls, (Calls{"Stop(wait)", "Open(/videos/clip.avi,77,paused)"}));
    EXPECT_EQ(Focused, 1);

    Player.Calls.clear();
    Player.OpenSucceeds = false;
    Player.ErrMsg = "gone";
    Panel.lxSkinButton15Click();
    EXPECT_TRUE(Logged("gone"));

    // A failure on the way ends in another stop, without a message.
    Player.Calls.clear();
    Player.StopThrowsOnce = true;
    EXPECT_NO_THROW(Panel.lxSkinButton15Click());
    EXPECT_EQ(Player.Calls, (Calls{"Stop(wait)", "Stop(wait)"}));
}

TEST_F(TPreviewPanelTest, MuteAndUnmuteSwapTheirPictures) {
    EXPECT_TRUE(Panel.MuteShown());
    Panel.lxSkinButton16Click();
    EXPECT_FALSE(Panel.MuteShown());
    Panel.lxSkinButton20Click();
    EXPECT_TRUE(Panel.MuteShown());
    Panel.TrackBar2Change(64);
    EXPECT_EQ(Panel.Volume(), 64);
    EXPECT_EQ(Player.Calls, (Calls{"Mute", "Unmute", "Volume(64)"}));
}

TEST_F(TPreviewPanelTest, AClearedSelectionStopsThePlayerAndRewindsTheSlider) {
    Opened(2000000);
    Panel.VIDedazuPosition(1000000);
    Panel.StopPreview();
    EXPECT_EQ(Player.Calls, (Calls{"Stop(wait)"}));
    EXPECT_EQ(Panel.SliderValue(), 0);
}

TEST_F(TPreviewPanelTest, AListClickStopsThePlayerOnlyWhenItLeavesNoRowSelected) {
    Panel.lvFilesClick();
    EXPECT_TRUE(Player.Calls.empty());
    Selected = false;
    Panel.lvFilesClick();
    EXPECT_EQ(Player.Calls, (Calls{"Stop(wait)"}));
}

} // namespace
