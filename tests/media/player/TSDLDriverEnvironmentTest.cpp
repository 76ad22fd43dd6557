#include "media/player/TSDLDriverEnvironment.h"
#include "tests/media/player/PlayerTestSupport.h"

#include <cstdlib>
#include <string>

namespace {

std::string Value(const char* AName) {
    const char* v = std::getenv(AName);
    return v ? v : "<unset>";
}

TEST(TSDLDriverEnvironment, DriversMapToThisPlatformsNames) {
    struct Case {
        TAudioDriver Driver;
        const char* Name;
    };
    for (const Case& c : {Case{adDefault, nullptr}, Case{adDirectSound, "pulse"}, Case{adWaveOut, "alsa"},
                          Case{adDummy, "dummy"}, Case{adDisk, "disk"}}) {
        const char* name = SDLAudioDriverName(c.Driver);
        EXPECT_EQ(std::string(name ? name : "<none>"), std::string(c.Name ? c.Name : "<none>"));
    }
    EXPECT_EQ(SDLVideoDriverName(vdDefault), nullptr);
    EXPECT_STREQ(SDLVideoDriverName(vdDirectDraw), "x11");
    EXPECT_STREQ(SDLVideoDriverName(vdGDI), "x11");
    EXPECT_STREQ(SDLVideoDriverName(vdDummy), "dummy");
}

TEST(TSDLDriverEnvironment, WritesOnlyAVariableNobodyElseSet) {
    const char* var = "DUVA_TEST_DRIVER_OURS";
    unsetenv(var);
    TSDLDriverEnvironment env(var);
    env.Apply("pulse");
    EXPECT_EQ(Value(var), "pulse");
    env.Apply("alsa");
    EXPECT_EQ(Value(var), "alsa");
    env.Apply(nullptr); // the default: SDL chooses
    EXPECT_EQ(Value(var), "<unset>");
    env.Apply("disk");
    // The caller changes it: from then on it is theirs.
    setenv(var, "dummy", 1);
    env.Apply("pulse");
    env.Apply(nullptr);
    EXPECT_EQ(Value(var), "dummy");
    EXPECT_TRUE(env.CallerOwned());
    unsetenv(var);

    const char* given = "DUVA_TEST_DRIVER_GIVEN";
    setenv(given, "dummy", 1); // present before the first use: a harness's
    TSDLDriverEnvironment harness(given);
    harness.Apply("alsa");
    harness.Apply(nullptr);
    EXPECT_EQ(Value(given), "dummy");
    unsetenv(given);
}

class TCustomPlayerDriverTest : public PlayerLibrariesTest {};

TEST_F(TCustomPlayerDriverTest, TheCallersDriversStayAsTheyAre) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    TCustomPlayer player;
    player.SetAudioDriver(adDirectSound);
    player.SetVideoDriver(vdGDI);
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, true)) << player.LastErrMsg();
    EXPECT_EQ(Value("SDL_AUDIODRIVER"), "dummy");
    EXPECT_EQ(Value("SDL_VIDEODRIVER"), "dummy");
    player.Stop(true);
}

} // namespace
