#include "tests/media/player/PlayerTestSupport.h"

namespace {

class TCustomPlayerStepTest : public PlayerLibrariesTest {};

// The frame number on the screen once a picture with that time is shown.
bool WaitFrame(TCustomPlayer& APlayer, int AFrame, int ATimeoutMs = 3000) {
    return WaitServingFor(
        [&] {
            int64_t pts = -1;
            APlayer.CurrentFrame(pts);
            return pts == int64_t(AFrame) * 40000;
        },
        ATimeoutMs);
}

TEST_F(TCustomPlayerStepTest, EachStepShowsTheNextPictureAndPausesAgain) {
    TCustomPlayer player;
    PlayerRecorder rec(player);
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, true)) << player.LastErrMsg();
    ASSERT_TRUE(rec.WaitState(psPause));
    ASSERT_TRUE(WaitFrame(player, 0));
    for (int k = 0; k < 3; ++k) {
        player.StepToNextFrame();
        player.StepToNextFrame(); // before the picture: the same step
        ASSERT_TRUE(WaitFrame(player, k + 1)) << "step " << k;
        EXPECT_EQ(FrameNumberOf(*player.CurrentFrame()), k + 1);
        ASSERT_TRUE(WaitServingFor([&] { return player.Paused(); }, 1000));
        EXPECT_EQ(rec.CountOf(psStep), k + 1);
    }
    // Paused again: nothing moves on.
    Serve(300);
    int64_t pts = -1;
    EXPECT_EQ(FrameNumberOf(*player.CurrentFrame(pts)), 3);
    EXPECT_EQ(pts, 3 * 40000);
    EXPECT_TRUE(player.Paused());
    // Resume plays on from there.
    player.Resume();
    Serve(300);
    EXPECT_GT(FrameNumberOf(*player.CurrentFrame()), 3);
    player.Stop(true);
    EXPECT_EQ(rec.StatesNow(),
              (std::vector<TPlayState>{psPlay, psPause, psStep, psStep, psStep, psResume, psStop}));
}

TEST_F(TCustomPlayerStepTest, AudioOnlyFilesDoNotStep) {
    // A step ends with a picture; without one it would play on for ever.
    TCustomPlayer player;
    PlayerRecorder rec(player);
    ASSERT_TRUE(player.Open(FixturePath("tone_s16_mono_22050.wav"), 0, true)) << player.LastErrMsg();
    ASSERT_TRUE(rec.WaitState(psPause));
    player.StepToNextFrame();
    Serve(100);
    EXPECT_TRUE(player.Paused());
    EXPECT_EQ(rec.CountOf(psStep), 0);
    player.Stop(true);
}

class TCustomPlayerRepeatTest : public PlayerLibrariesTest {};

TEST_F(TCustomPlayerRepeatTest, LoopWrapsToTheStartAtTheEndOfThePlayTime) {
    TCustomPlayer player;
    PlayerRecorder rec(player);
    player.SetRepeatType(rtLoop);
    player.SetPlayTime(1000000);
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, false)) << player.LastErrMsg();
    // Up to the end of the window, then back near the start, twice over.
    int wraps = 0;
    ASSERT_TRUE(WaitServingFor(
        [&] {
            const auto positions = rec.PositionsNow();
            wraps = 0;
            for (size_t i = 1; i < positions.size(); ++i)
                if (positions[i - 1].PTS >= 950000 && positions[i].PTS < 300000) ++wraps;
            return wraps >= 2;
        },
        6000));
    for (const auto& p : rec.PositionsNow())
        EXPECT_LE(p.PTS, 1300000); // never far past the window
    EXPECT_EQ(rec.CountOf(psEnd), 0);
    EXPECT_EQ(rec.CountOf(psStop), 0);
    player.Stop(true);
    EXPECT_EQ(rec.CountOf(psStop), 1);
}

TEST_F(TCustomPlayerRepeatTest, StopEndsPlaybackAfterThePlayTime) {
    TCustomPlayer player;
    PlayerRecorder rec(player);
    player.SetRepeatType(rtStop);
    player.SetPlayTime(1000000);
    const double start = WallSeconds();
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, false)) << player.LastErrMsg();
    ASSERT_TRUE(rec.WaitState(psStop, 5000));
    const double elapsed = WallSeconds() - start;
    EXPECT_GE(elapsed, 0.9);
    EXPECT_LT(elapsed, 2.5); // the file lasts 3 s
    const auto positions = rec.PositionsNow();
    ASSERT_FALSE(positions.empty());
    EXPECT_GE(positions.back().PTS, 1000000);
    EXPECT_LE(positions.back().PTS, 1300000);
    EXPECT_EQ(rec.StatesNow(), (std::vector<TPlayState>{psPlay, psStop}));
    // Closing what is left; psStop is not repeated.
    player.Stop(true);
    EXPECT_EQ(rec.CountOf(psStop), 1);
    // The play window belongs to the file that closed.
    EXPECT_EQ(player.PlayTime(), AV_NOPTS_VALUE);
    EXPECT_EQ(player.RepeatType(), rtStop);
}

} // namespace
