// What the player draws besides the picture: the audio displays of a file
// without video, and bitmap subtitles over the picture.

#include "tests/media/player/PlayerTestSupport.h"
#include "tests/media/player/ScreenCapture.h"

namespace {

struct AudioDisplayCase {
    const char* Name;
    const char* File;
    TShowAudio Mode;
    bool Grey; // every pixel has equal red, green and blue
};
void PrintTo(const AudioDisplayCase& c, std::ostream* os) {
    *os << c.Name;
}

class TCustomPlayerAudioDisplayTest : public PlayerLibrariesTest,
                                      public ::testing::WithParamInterface<AudioDisplayCase> {};

TEST_P(TCustomPlayerAudioDisplayTest, AnAudioOnlyFileDrawsItsDisplay) {
    const AudioDisplayCase c = GetParam();
    std::atomic<bool> coloured{false};
    std::atomic<int> drawn{0};
    ScreenCapture capture([&](const ScreenShot& s) {
        int lit = 0;
        for (const fixture::Rgb& p : s.Pixels) {
            if (p.r || p.g || p.b) ++lit;
            if (p.r != p.g || p.g != p.b) coloured = true;
        }
        drawn = std::max(drawn.load(), lit);
    });
    TCustomPlayer player;
    PlayerRecorder rec(player);
    player.SetShowAudio(c.Mode);
    player.SetScreenWidth(160);
    player.SetScreenHeight(100);
    ASSERT_TRUE(player.Open(FixturePath(c.File), 0, false)) << player.LastErrMsg();
    EXPECT_TRUE(WaitServingFor([&] { return drawn > 50; }, 5000)) << drawn;
    Serve(200);
    player.Stop(true);
    const ScreenShot last = capture.Last();
    EXPECT_EQ(last.Width, 160);
    EXPECT_EQ(last.Height, 100);
    if (c.Grey) {
        EXPECT_FALSE(coloured.load());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modes, TCustomPlayerAudioDisplayTest,
    ::testing::Values(AudioDisplayCase{"MonoWave", "tone_s16_mono_22050.wav", saWave, true},
                      AudioDisplayCase{"MonoSpectrum", "tone_s16_mono_22050.wav", saRDFT, true},
                      AudioDisplayCase{"StereoSpectrum", "tone_s16_stereo_44100.wav", saRDFT, false}),
    [](const auto& AInfo) { return std::string(AInfo.param.Name); });

TEST_F(TCustomPlayerAudioDisplayTest, ShowAudioNoneDrawsNothingAndToggleSwitchesOnThePlayThread) {
    std::atomic<int> lit_shots{0};
    std::atomic<bool> on_gui{false};
    ScreenCapture capture([&](const ScreenShot& s) {
        if (IsGuiThread()) on_gui = true;
        for (const fixture::Rgb& p : s.Pixels)
            if (p.r || p.g || p.b) {
                ++lit_shots;
                return;
            }
    });
    TCustomPlayer player;
    player.SetShowAudio(saNone);
    player.SetScreenWidth(160);
    player.SetScreenHeight(100);
    ASSERT_TRUE(player.Open(FixturePath("tone_s16_mono_22050.wav"), 0, false)) << player.LastErrMsg();
    Serve(200);
    EXPECT_EQ(lit_shots.load(), 0);
    player.ToggleAudioDisplay(); // none -> wave
    EXPECT_TRUE(WaitServingFor([&] { return lit_shots > 0; }, 3000));
    player.Stop(true);
    EXPECT_FALSE(on_gui.load()) << "drawn on the GUI thread";
}

// bitmap_subs.mkv: 25 frames at 25 fps; a subtitle from 0.1 to 0.4 s and one
// from 0.5 to 0.9 s, 160 x 24 at (80, 208): white rows over black rows over
// white rows. Under it the picture's counter blocks are one colour from top
// to bottom, so a white row over a black one in the same column is the
// subtitle.
bool SubtitleShown(const ScreenShot& s) {
    if (s.Width != 320 || s.Height != 240) return false;
    for (int x : {100, 140, 180, 220}) {
        const fixture::Rgb top = s.At(x, 211), middle = s.At(x, 220);
        if (!(top.r > 160 && top.g > 160 && top.b > 160 && middle.r < 80 && middle.g < 80 && middle.b < 80))
            return false;
    }
    return true;
}

class TCustomPlayerSubtitleTest : public PlayerLibrariesTest {};

TEST_F(TCustomPlayerSubtitleTest, BitmapSubtitlePixelsAppearOnlyBetweenStartAndEnd) {
    struct Seen {
        double Pts;
        bool Shown;
    };
    std::mutex lock;
    std::vector<Seen> seen;
    ScreenCapture capture([&](const ScreenShot& s) {
        if (s.Pts < 0) return;
        std::lock_guard guard(lock);
        seen.push_back({s.Pts, SubtitleShown(s)});
    });
    TCustomPlayer player;
    PlayerRecorder rec(player);
    player.SetScreenWidth(320);
    player.SetScreenHeight(240);
    ASSERT_TRUE(player.Open(FixturePath("bitmap_subs.mkv"), 0, false)) << player.LastErrMsg();
    ASSERT_TRUE(rec.WaitState(psEnd, 5000));
    Serve(100);
    player.Stop(true);

    std::lock_guard guard(lock);
    int shown = 0, hidden = 0;
    for (const Seen& s : seen) {
        const bool inside = (s.Pts > 0.14 && s.Pts < 0.38) || (s.Pts > 0.54 && s.Pts < 0.86);
        const bool outside = s.Pts < 0.09 || (s.Pts > 0.41 && s.Pts < 0.49) || s.Pts > 0.91;
        if (inside) {
            EXPECT_TRUE(s.Shown) << "missing at " << s.Pts;
            shown += s.Shown;
        }
        if (outside) {
            EXPECT_FALSE(s.Shown) << "shown at " << s.Pts;
            hidden += !s.Shown;
        }
    }
    EXPECT_GE(shown, 3);
    EXPECT_GE(hidden, 3);
}

} // namespace
