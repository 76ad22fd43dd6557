#include "tests/media/player/PlayerTestSupport.h"

namespace {

class TCustomPlayerSeekTest : public PlayerLibrariesTest {};

TEST_F(TCustomPlayerSeekTest, SeekWithWaitReportsAPositionNearTheTargetFirst) {
    TCustomPlayer player;
    PlayerRecorder rec(player);
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, false)) << player.LastErrMsg();
    Serve(300);
    const std::vector<PlayerRecorder::Position> before = rec.PositionsNow();
    ASSERT_FALSE(before.empty());
    player.Seek(int64_t(1500000), {}, true);
    EXPECT_FALSE(player.Seeking());
    // The seek's first position may be delivered during the wait. Before it
    // at most one position from before the seek, already on its way to the
    // handler, may still arrive; queued ones are dropped.
    const int64_t last_before = before.back().PTS;
    size_t stale = 0;
    int64_t first = -1;
    ASSERT_TRUE(WaitServingFor(
        [&] {
            const std::vector<PlayerRecorder::Position> now = rec.PositionsNow();
            stale = 0;
            for (size_t i = before.size(); i < now.size(); ++i) {
                if (now[i].PTS > last_before + 100000) {
                    first = now[i].PTS;
                    return true;
                }
                ++stale;
            }
            return false;
        },
        2000));
    EXPECT_LE(stale, 1u);
    EXPECT_GE(first, 1000000);
    EXPECT_LE(first, 1600000);
    player.Stop(true);
    EXPECT_EQ(rec.CountOf(psStop), 1);
}

TEST_F(TCustomPlayerSeekTest, SeekWhilePausedShowsTheNewPictureAndStaysPaused) {
    TCustomPlayer player;
    PlayerRecorder rec(player);
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, true)) << player.LastErrMsg();
    ASSERT_TRUE(rec.WaitState(psPause));
    int64_t pts = -1;
    // Frame 0 on the screen (the time of a picture shown; -1 before any).
    ASSERT_TRUE(WaitServingFor([&] { return (player.CurrentFrame(pts), pts == 0); }, 2000));
    ASSERT_EQ(FrameNumberOf(*player.CurrentFrame()), 0);
    // A waited seek returns with the new picture already on the screen.
    player.Seek(int64_t(2000000), {}, true);
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

TEST_F(TCustomPlayerSeekTest, SeekRightAfterAPausedOpenWaitsForTheSeeksPicture) {
    // The first picture of the open may still be on its way to the screen
    // when the seek is asked for; it must not end the seek's wait.
    TCustomPlayer player;
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, true)) << player.LastErrMsg();
    player.Seek(int64_t(2000000), {}, true);
    int64_t pts = -1;
    const int frame = FrameNumberOf(*player.CurrentFrame(pts));
    EXPECT_GE(frame, 36);
    EXPECT_LE(frame, 50);
    EXPECT_EQ(pts, int64_t(frame) * 40000);
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
