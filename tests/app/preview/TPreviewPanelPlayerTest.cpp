// The preview panel over the media engine's player, with a generated one-second
// clip and SDL's dummy drivers: it opens paused on the first picture, plays,
// returns to the start at the end, seeks from the slider and reopens on stop.

#include "app/conversion/IConversionDialogs.h"
#include "app/conversion/TConversionLog.h"
#include "app/preview/TPlayerPreview.h"
#include "app/preview/TPreviewPanel.h"
#include "app/preview/TSnapshotCommands.h"
#include "platform/gdi/ImageCodecs.h"
#include "tests/media/player/PlayerTestSupport.h"
#include "tests/support/TTempFolder.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

class TPreviewPanelPlayerTest : public PlayerLibrariesTest {
protected:
    void SetUp() override {
        PlayerLibrariesTest::SetUp();
        Adapter.BindEvents(&Panel);
        Panel.Log = &Log;
        Panel.RowSelected = [] { return true; };
        Panel.T_Movie_PLayer_FileName = FixturePath("clip_1s.mkv");
    }
    void TearDown() override {
        Player.Stop(true);
        Adapter.BindEvents(nullptr);
    }
    int Count(const std::string& AState) const {
        return int(std::count(Log.Lines().begin(), Log.Lines().end(), AState));
    }
    // Serves the GUI thread until the state has been logged ATimes times.
    bool WaitLogged(const std::string& AState, int ATimes = 1) {
        return WaitServingFor([&] { return Count(AState) >= ATimes; }, 5000);
    }
    // The number of the picture on the screen; -1 while none shows (a black screen).
    int ShownFrameNumber() {
        TBitmap frame;
        Adapter.CurrentFrame(frame);
        return frame.Width() == 320 && frame.Height() == 240 && BarError(frame) < 40 ? FrameNumberOf(frame)
                                                                                     : -1;
    }

    TCustomPlayer Player;
    TPlayerPreview Adapter{Player};
    TConversionLog Log;
    TPreviewPanel Panel{Adapter};
};

TEST_F(TPreviewPanelPlayerTest, OpensPausedOnTheFirstPicturePlaysAndStandsAtTheStartAfterTheEnd) {
    Panel.Button31Click();
    ASSERT_TRUE(WaitLogged("Pause")) << Player.LastErrMsg();
    EXPECT_NEAR(double(Panel.Duration()), 1000000.0, 40000.0);
    EXPECT_EQ(Panel.SliderValue(), 0);
    EXPECT_TRUE(Player.Paused());
    EXPECT_TRUE(WaitServingFor([&] { return ShownFrameNumber() == 0; }, 3000));

    Panel.lxSkinButton13Click();
    ASSERT_TRUE(WaitLogged("Resume"));
    ASSERT_TRUE(WaitLogged("End"));
    // Back to the start, paused there.
    ASSERT_TRUE(WaitLogged("Pause", 2));
    ASSERT_TRUE(WaitServingFor([&] { return ShownFrameNumber() == 0; }, 3000));
    EXPECT_TRUE(Player.Paused());
    Serve(200);
    EXPECT_TRUE(Player.Paused());
    EXPECT_LT(Player.CurrentPTS(), 100000);

    // Play runs the file again from its start.
    Panel.lxSkinButton13Click();
    ASSERT_TRUE(WaitLogged("Resume", 2));
    ASSERT_TRUE(WaitServingFor([&] { return Panel.SliderValue() > 0; }, 3000));
    EXPECT_LT(Panel.SliderValue(), Panel.SliderMaxValue());
}

TEST_F(TPreviewPanelPlayerTest, TheSliderPausesWhileHeldAndPlaysFromWhereItIsReleased) {
    Panel.Button31Click();
    ASSERT_TRUE(WaitLogged("Pause")) << Player.LastErrMsg();
    Panel.lxSkinButton13Click();
    ASSERT_TRUE(WaitLogged("Resume"));
    Panel.lxSkinSlider1MouseDown();
    ASSERT_TRUE(WaitLogged("Pause", 2));
    EXPECT_TRUE(Player.Paused());
    Panel.SetSliderValue(Panel.SliderMaxValue() * 3 / 4);
    Panel.lxSkinSlider1MouseUp();
    EXPECT_FALSE(Player.Paused());
    // The position the slider names is played from: past the half, before the end.
    ASSERT_TRUE(WaitServingFor([&] { return Player.CurrentPTS() >= 700000; }, 3000));
    EXPECT_GE(Panel.SliderValue(), Panel.SliderMaxValue() / 2);
}

TEST_F(TPreviewPanelPlayerTest, StopReopensTheFilePausedAndMuteReachesThePlayer) {
    Panel.Button31Click();
    ASSERT_TRUE(WaitLogged("Pause")) << Player.LastErrMsg();
    Panel.lxSkinButton13Click();
    ASSERT_TRUE(WaitServingFor([&] { return Player.CurrentPTS() > 200000; }, 3000));
    Panel.lxSkinButton15Click();
    EXPECT_EQ(Count("Stop"), 1);
    ASSERT_TRUE(WaitLogged("Pause", 2));
    EXPECT_TRUE(WaitServingFor([&] { return ShownFrameNumber() == 0; }, 3000));

    Panel.lxSkinButton16Click();
    EXPECT_TRUE(Player.Mute());
    Panel.lxSkinButton20Click();
    EXPECT_FALSE(Player.Mute());
    Panel.TrackBar2Change(40);
    EXPECT_EQ(Player.AudioVolume(), 40);
}

struct NoDesktop : IDesktopServices {
    bool OpenFolder(const std::string&) override { return false; }
    bool PowerOff() override { return false; }
};

TEST_F(TPreviewPanelPlayerTest, ASnapshotWritesThePictureShownInEveryFormat) {
    TTempFolder folder;
    folder.Write("option.ini", "[SnapShot]\nDir=" + folder.Path() + "shots\n");
    TSettings settings(folder.Path() + "option.ini");
    NoDesktop desktop;
    TSnapshotCommands commands(Panel, settings, desktop);
    // Nothing open yet: nothing is written.
    EXPECT_EQ(commands.lxSkinButton22Click(), "");

    Panel.Button31Click();
    ASSERT_TRUE(WaitLogged("Pause")) << Player.LastErrMsg();
    ASSERT_TRUE(WaitServingFor([&] { return ShownFrameNumber() == 0; }, 3000));
    struct Case {
        void (TSnapshotCommands::*Click)();
        const char* File;
        int BarTolerance;
    };
    for (const Case& c : {Case{&TSnapshotCommands::BMP1Click, "clip_1s_1.bmp", 40},
                          Case{&TSnapshotCommands::JPG1Click, "clip_1s_1.jpg", 48},
                          Case{&TSnapshotCommands::GIF1Click, "clip_1s_1.gif", 48},
                          Case{&TSnapshotCommands::PNG1Click, "clip_1s_1.png", 40}}) {
        (commands.*c.Click)();
        const std::string name = commands.lxSkinButton22Click();
        ASSERT_EQ(name, folder.Path() + "shots/" + c.File);
        std::ifstream in(name, std::ios::binary);
        TBitmap picture;
        DecodeImage(std::string(std::istreambuf_iterator<char>(in), {}), picture);
        ASSERT_EQ(picture.Width(), 320) << c.File;
        ASSERT_EQ(picture.Height(), 240) << c.File;
        EXPECT_EQ(FrameNumberOf(picture), 0) << c.File;
        EXPECT_LT(BarError(picture), c.BarTolerance) << c.File;
    }
}

} // namespace
