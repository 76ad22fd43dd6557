#include "tests/media/player/PlayerTestSupport.h"

#include <cstdlib>

namespace {

class TCustomPlayerTest : public PlayerLibrariesTest {};

TEST_F(TCustomPlayerTest, OpenPausedReportsTheFileThenPlayAndPauseAndShowsFrameZero) {
    TCustomPlayer player;
    PlayerRecorder rec(player);
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, true)) << player.LastErrMsg();
    EXPECT_EQ(rec.FileOpens, 1);
    EXPECT_NEAR(double(rec.OpenDuration), 3000000.0, 40000.0);
    EXPECT_EQ(rec.OpenWidth, 320);
    EXPECT_EQ(rec.OpenHeight, 240);
    ASSERT_TRUE(rec.WaitState(psPause));
    Serve(100);
    EXPECT_EQ(rec.StatesNow(), (std::vector<TPlayState>{psPlay, psPause}));
    EXPECT_TRUE(player.Paused());
    int64_t pts = -2;
    TBitmap* frame = player.CurrentFrame(pts);
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(frame->Width(), 320);
    ASSERT_EQ(frame->Height(), 240);
    EXPECT_EQ(FrameNumberOf(*frame), 0);
    EXPECT_LT(BarError(*frame), 40);
    EXPECT_EQ(pts, 0);
    player.Stop(true);
    EXPECT_EQ(rec.StatesNow(), (std::vector<TPlayState>{psPlay, psPause, psStop}));
    EXPECT_FALSE(rec.OffGuiThread);
}

} // namespace

namespace {

TEST_F(TCustomPlayerTest, PlaysAtWallClockSpeedReportsTheEndOnceAndStopsOnce) {
    TCustomPlayer player;
    PlayerRecorder rec(player);
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, true)) << player.LastErrMsg();
    ASSERT_TRUE(rec.WaitState(psPause));
    player.Resume();
    const double start = WallSeconds();
    Serve(1000);
    const int64_t at_one_second = player.CurrentPTS();
    const double elapsed = WallSeconds() - start;
    EXPECT_NEAR(double(at_one_second) / 1e6, elapsed, 0.150);
    ASSERT_TRUE(rec.WaitState(psEnd, 5000));
    // The position runs on to the duration after the last picture.
    const int64_t duration = player.AVProbe().FileStreamInfo().Duration;
    WaitServingFor(
        [&] {
            auto p = rec.PositionsNow();
            return !p.empty() && p.back().PTS == duration;
        },
        2000);
    Serve(200);
    auto positions = rec.PositionsNow();
    ASSERT_FALSE(positions.empty());
    EXPECT_NEAR(double(duration), 3000000.0, 40000.0);
    EXPECT_EQ(positions.back().PTS, duration);
    EXPECT_EQ(rec.CountOf(psEnd), 1);
    player.Stop(true);
    EXPECT_EQ(rec.CountOf(psStop), 1);
    EXPECT_EQ(rec.StatesNow(), (std::vector<TPlayState>{psPlay, psPause, psResume, psEnd, psStop}));
}

TEST_F(TCustomPlayerTest, MissingFileFailsWithTheLibraryTextAndLeavesNoThread) {
    const int baseline = ThreadCount();
    TCustomPlayer player;
    PlayerRecorder rec(player);
    const std::string name = FixtureFolder() + "/no_such_file.mkv";
    EXPECT_FALSE(player.Open(name, 0, false));
    EXPECT_EQ(player.LastErrMsg(), name + ": No such file or directory");
    EXPECT_EQ(ThreadCountSettlingAt(baseline), baseline);
    EXPECT_EQ(rec.FileOpens, 0);
    EXPECT_TRUE(rec.StatesNow().empty());
    EXPECT_TRUE(player.Paused());
}

TEST_F(TCustomPlayerTest, ThreadsReturnToTheBaselineAfterEveryStop) {
    const int baseline = ThreadCount();
    TCustomPlayer player;
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, i % 2 == 0)) << player.LastErrMsg();
        Serve(20);
        player.Stop(true);
        ASSERT_EQ(ThreadCountSettlingAt(baseline), baseline) << "cycle " << i;
    }
}

} // namespace
