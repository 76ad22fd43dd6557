#include "tests/media/player/PlayerTestSupport.h"

#include "media/player/TPlayEvent.h"

namespace {

class TCustomPlayerEventTest : public PlayerLibrariesTest {};

TEST(TPlayEvent, PositionsCoalesceWhileStatesAreKeptInOrder) {
    TPlayEvent q;
    q.Put(TPlayEvent::ekPosition, 1);
    q.Put(TPlayEvent::ekPosition, 2);
    q.Put(TPlayEvent::ekState, int64_t(psPause));
    q.Put(TPlayEvent::ekState, int64_t(psResume));
    q.Put(TPlayEvent::ekPosition, 3);
    for (int i = 4; i < 100; ++i)
        q.Put(TPlayEvent::ekPosition, i);
    q.Put(TPlayEvent::ekState, int64_t(psStop));
    std::vector<std::pair<int, int64_t>> got;
    EXPECT_TRUE(q.Event().IsSet());
    for (TPlayEvent::TItem item = q.Get(); item.Kind != TPlayEvent::ekNone; item = q.Get())
        got.emplace_back(item.Kind, item.Value);
    EXPECT_EQ(got, (std::vector<std::pair<int, int64_t>>{{TPlayEvent::ekPosition, 2},
                                                         {TPlayEvent::ekState, int64_t(psPause)},
                                                         {TPlayEvent::ekState, int64_t(psResume)},
                                                         {TPlayEvent::ekPosition, 99},
                                                         {TPlayEvent::ekState, int64_t(psStop)}}));
    EXPECT_FALSE(q.Event().IsSet());
}

TEST_F(TCustomPlayerEventTest, ASlowHandlerGetsEveryStateInOrderWhilePositionsCoalesce) {
    TCustomPlayer player;
    PlayerRecorder rec(player);
    auto slow_state = player.OnState();
    auto slow_position = player.OnPosition();
    player.SetOnState([&](TCustomPlayer* s, TPlayState a) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        slow_state(s, a);
    });
    player.SetOnPosition([&](TCustomPlayer* s, int64_t a) {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        slow_position(s, a);
    });
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, false)) << player.LastErrMsg();
    const double start = WallSeconds();
    Serve(600);
    player.Pause();
    player.Resume();
    player.Pause();
    player.Resume();
    Serve(600);
    player.Stop(true);
    const double elapsed = WallSeconds() - start;
    EXPECT_EQ(rec.StatesNow(),
              (std::vector<TPlayState>{psPlay, psPause, psResume, psPause, psResume, psStop}));
    // About 30 positions were produced; a 200 ms handler sees a few of them.
    const auto positions = rec.PositionsNow();
    EXPECT_GE(positions.size(), 2u);
    EXPECT_LE(double(positions.size()), elapsed / 0.2 + 1);
    for (size_t i = 1; i < positions.size(); ++i)
        EXPECT_GE(positions[i].PTS, positions[i - 1].PTS);
}

TEST_F(TCustomPlayerEventTest, HandlersRunOnTheEventThreadWhenAsked) {
    TCustomPlayer player;
    PlayerRecorder rec(player);
    player.SetTriggerEventInMainThread(false);
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, false)) << player.LastErrMsg();
    // Nobody serves the GUI thread here: events still arrive.
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    EXPECT_FALSE(rec.PositionsNow().empty());
    player.Stop(true);
    EXPECT_EQ(rec.StatesNow(), (std::vector<TPlayState>{psPlay, psStop}));
    EXPECT_TRUE(rec.OffGuiThread);
}

// Audio-only sources of several formats: the position follows the wall clock.
struct ToneCase {
    const char* File;
};
void PrintTo(const ToneCase& c, std::ostream* os) {
    *os << c.File;
}
class TCustomPlayerToneTest : public PlayerLibrariesTest, public ::testing::WithParamInterface<ToneCase> {};

TEST_P(TCustomPlayerToneTest, AdvancesAtWallClockSpeedAndEndsAtTheDuration) {
    TCustomPlayer player;
    PlayerRecorder rec(player);
    player.SetTriggerEventInMainThread(false); // wall times taken as positions are made
    ASSERT_TRUE(player.Open(FixturePath(GetParam().File), 0, false)) << player.LastErrMsg();
    ASSERT_TRUE(WaitServingFor([&] { return rec.CountOf(psEnd) > 0; }, 4000));
    Serve(100);
    const auto p = rec.PositionsNow();
    // The slope between the positions nearest 0.2 s and 0.8 s.
    auto nearest = [&](double AWanted) {
        size_t best = 0;
        for (size_t i = 0; i < p.size(); ++i)
            if (std::fabs(p[i].PTS / 1e6 - AWanted) < std::fabs(p[best].PTS / 1e6 - AWanted)) best = i;
        return p[best];
    };
    ASSERT_GE(p.size(), 10u);
    const auto a = nearest(0.2), b = nearest(0.8);
    ASSERT_GT(b.Wall, a.Wall);
    const double speed = double(b.PTS - a.PTS) / 1e6 / (b.Wall - a.Wall);
    EXPECT_NEAR(speed, 1.0, 0.05);
    EXPECT_EQ(p.back().PTS, player.AVProbe().FileStreamInfo().Duration);
    EXPECT_EQ(rec.CountOf(psEnd), 1);
    player.Stop(true);
}

INSTANTIATE_TEST_SUITE_P(Formats, TCustomPlayerToneTest,
                         ::testing::Values(ToneCase{"tone_flt_stereo_48000.wav"},
                                           ToneCase{"tone_s16_mono_22050.wav"},
                                           ToneCase{"tone_s16_6ch_48000.wav"}),
                         [](const auto& info) {
                             std::string name = info.param.File;
                             return name.substr(5, name.find('.') - 5);
                         });

} // namespace
