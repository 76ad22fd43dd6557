#include "tests/media/player/PlayerTestSupport.h"

#include <atomic>
#include <cstdio>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class TCustomPlayerErrorTest : public PlayerLibrariesTest {};

// Sets an environment variable for the length of a test.
struct ScopedEnv {
    std::string Name;
    std::string Old;
    bool Had;
    ScopedEnv(const char* AName, const char* AValue) : Name(AName) {
        const char* old = getenv(AName);
        Had = old != nullptr;
        if (Had) Old = old;
        setenv(AName, AValue, 1);
    }
    ~ScopedEnv() {
        if (Had)
            setenv(Name.c_str(), Old.c_str(), 1);
        else
            unsetenv(Name.c_str());
    }
};

// Audio drivers that cannot play: one that fails to open its device, one SDL
// does not know.
const char* const DeadAudioDrivers[] = {"disk", "no_such_driver"};

TEST_F(TCustomPlayerErrorTest, WithoutAnAudioDeviceVideoPlaysAtItsPaceAndAudioOnlyFails) {
    for (const char* driver : DeadAudioDrivers) {
        SCOPED_TRACE(driver);
        ScopedEnv audio("SDL_AUDIODRIVER", driver);
        ScopedEnv file("SDL_DISKAUDIOFILE", "/nonexistent/folder/sdlaudio.raw");
        TCustomPlayer player;
        PlayerRecorder rec(player);
        ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, false)) << player.LastErrMsg();
        ASSERT_TRUE(WaitServingFor([&] { return !rec.PositionsNow().empty(); }, 2000));
        const int64_t pts0 = player.CurrentPTS();
        const double wall0 = WallSeconds();
        Serve(1000);
        const double played = double(player.CurrentPTS() - pts0) / 1e6;
        EXPECT_NEAR(played, WallSeconds() - wall0, 0.15);
        player.Stop(true);

        const std::string tone = FixturePath("tone_s16_stereo_44100.wav");
        EXPECT_FALSE(player.Open(tone, 0, false));
        EXPECT_EQ(player.LastErrMsg(), tone + ": could not open codecs, no stream to play.");
    }
}

TEST_F(TCustomPlayerErrorTest, StopReturnsPromptlyWhileTheReaderBlocks) {
    // A FIFO fed with the first part of a clip and then left open: the reader
    // waits for bytes that never come.
    char folder[] = "/tmp/duva_player_XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string fifo = std::string(folder) + "/stalled.mkv";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::ifstream in(FixturePath("clip3s.mkv"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const int baseline = ThreadCount();
    std::atomic<bool> done{false};
    std::thread writer([&] {
        FILE* f = std::fopen(fifo.c_str(), "wb");
        if (!f) return;
        std::fwrite(bytes.data(), 1, bytes.size() * 6 / 10, f);
        std::fflush(f);
        while (!done)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::fclose(f);
    });
    {
        TCustomPlayer player;
        PlayerRecorder rec(player);
        ASSERT_TRUE(player.Open(fifo, 0, false)) << player.LastErrMsg();
        Serve(2000); // plays what there is, then the reader blocks
        const double start = WallSeconds();
        player.Stop(true);
        EXPECT_LT(WallSeconds() - start, 1.5);
        EXPECT_EQ(rec.CountOf(psStop), 1);
    }
    done = true;
    writer.join();
    EXPECT_EQ(ThreadCountSettlingAt(baseline), baseline);
    unlink(fifo.c_str());
    rmdir(folder);
}

TEST_F(TCustomPlayerErrorTest, OnlyOnePlayerIsOpenAtATime) {
    TCustomPlayer first, second;
    ASSERT_TRUE(first.Open(FixturePath("clip3s.mkv"), 0, true)) << first.LastErrMsg();
    EXPECT_FALSE(second.Open(FixturePath("clip3s.mkv"), 0, true));
    EXPECT_EQ(second.LastErrMsg(), "Another player is already open.");
    first.Stop(true);
    EXPECT_TRUE(second.Open(FixturePath("clip3s.mkv"), 0, true)) << second.LastErrMsg();
    second.Stop(true);
}

TEST_F(TCustomPlayerErrorTest, OpenStopAndSeekFromAHandlerInsideAWaitAreRefused) {
    TCustomPlayer player;
    PlayerRecorder rec(player);
    bool reopened = true;
    int stops_inside = 0;
    player.SetOnState([&](TCustomPlayer* ASender, TPlayState AState) {
        std::lock_guard lock(rec.Lock);
        rec.States.push_back(AState);
        if (AState == psStop) {
            // Delivered inside Stop's wait.
            reopened = ASender->Open(FixturePath("clip3s.mkv"), 0, true);
            ASender->Seek(int64_t(1000000), {}, true);
            ASender->Stop(true);
            ++stops_inside;
        }
    });
    ASSERT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, true)) << player.LastErrMsg();
    ASSERT_TRUE(rec.WaitState(psPause));
    player.Stop(true);
    EXPECT_FALSE(reopened);
    EXPECT_EQ(stops_inside, 1);
    EXPECT_EQ(rec.CountOf(psStop), 1);
    // Afterwards the player opens as usual.
    player.SetOnState(nullptr);
    EXPECT_TRUE(player.Open(FixturePath("clip3s.mkv"), 0, true)) << player.LastErrMsg();
    player.Stop(true);
}

TEST_F(TCustomPlayerErrorTest, WithoutTheLibrariesOpenFailsClearly) {
    // The loader's state is process-wide; this case runs in its own process.
    FFLoader.Unload(PlayerLibraries);
    if (TCustomPlayer::AVLibLoaded()) GTEST_SKIP() << "the libraries stay loaded while other components live";
    TCustomPlayer player;
    EXPECT_FALSE(player.Open(FixturePath("clip3s.mkv"), 0, false));
    EXPECT_EQ(player.LastErrMsg(), "libav or libsdl not loaded.");
}

} // namespace
