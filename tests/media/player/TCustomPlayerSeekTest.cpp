#include "tests/media/player/PlayerTestSupport.h"

namespace {

class TCustomPlayerSeekTest : public PlayerLibrariesTest {};

TEST_F(TCustomPlayerSeekTest, SeekWithWaitReportsAPositionNearTheTargetFirst) {
    TCustomPlayer player;
    PlayerRecorder rec(player);
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, false)) << player.LastErrMsg();
    Serve(300);
    player.Seek(int64_t(1500000), {}, true);
    const size_t seen = rec.PositionsNow().size();
    ASSERT_TRUE(WaitServingFor([&] { return rec.PositionsNow().size() > seen; }, 2000));
    const int64_t first = rec.PositionsNow()[seen].PTS;
    EXPECT_GE(first, 1000000);
    EXPECT_LE(first, 1600000);
    EXPECT_FALSE(player.Seeking());
    player.Stop(true);
    EXPECT_EQ(rec.CountOf(psStop), 1);
}

TEST_F(TCustomPlayerSeekTest, SeekWhilePausedShowsTheNewPictureAndStaysPaused) {
    TCustomPlayer player;
    PlayerRecorder rec(player);
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, true)) << player.LastErrMsg();
    ASSERT_TRUE(rec.WaitState(psPause));
    ASSERT_TRUE(WaitServingFor([&] { return player.CurrentPTS() == 0; }, 2000)); // frame 0 is on the screen
    ASSERT_EQ(FrameNumberOf(*player.CurrentFrame()), 0);
    player.Seek(int64_t(2000000), {}, true);
    // The wait can end just before the new picture is shown (seen on a
    // loaded machine); give it a moment.
    WaitServingFor([&] { return FrameNumberOf(*player.CurrentFrame()) != 0; }, 2000);
    int64_t pts = -1;
    const int frame = FrameNumberOf(*player.CurrentFrame(pts));
    // The key frame at or before the target: every 12th frame at 25 fps.
    EXPECT_GE(frame, 36);
    EXPECT_LE(frame, 50);
    EXPECT_EQ(pts, int64_t(frame) * 40000);
    Serve(300);
    EXPECT_TRUE(player.Paused());
    EXPECT_EQ(FrameNumberOf(*player.CurrentFrame()), frame);
    EXPECT_EQ(rec.StatesNow(), (std::vector<TPlayState>{psPlay, psPause}));
    // Playing on from there.
    player.Resume();
    Serve(400);
    EXPECT_GT(FrameNumberOf(*player.CurrentFrame()), frame);
    player.Stop(true);
}

TEST_F(TCustomPlayerSeekTest, SeekPastTheEndIsClampedAndReportsTheEndAgain) {
    TCustomPlayer player;
    PlayerRecorder rec(player);
    ASSERT_TRUE(player.Open(FixturePath("tone_s16_mono_22050.wav"), 0, false)) << player.LastErrMsg();
    ASSERT_TRUE(rec.WaitState(psEnd, 4000));
    // Far beyond the duration: limited to it, and the end is reported once more.
    player.Seek(int64_t(3600) * 1000000, {}, true);
    ASSERT_TRUE(WaitServingFor([&] { return rec.CountOf(psEnd) == 2; }, 3000));
    player.Seek(int64_t(0), {}, true);
    ASSERT_TRUE(WaitServingFor([&] { return rec.CountOf(psEnd) == 3; }, 4000));
    Serve(200);
    EXPECT_EQ(rec.CountOf(psEnd), 3);
    player.Stop(true);
}

} // namespace
