#include "tests/media/player/PlayerTestSupport.h"

#include <atomic>
#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class TCustomPlayerStallTest : public PlayerLibrariesTest {
protected:
    void SetUp() override {
        PlayerLibrariesTest::SetUp();
        ASSERT_NE(mkdtemp(FFolder), nullptr);
        Fifo = std::string(FFolder) + "/stalled.mkv";
        ASSERT_EQ(mkfifo(Fifo.c_str(), 0600), 0);
    }
    void TearDown() override {
        Done = true;
        if (FWriter.joinable()) FWriter.join();
        unlink(Fifo.c_str());
        rmdir(FFolder);
    }

    // Feeds the FIFO the first APart of the player's clip, then keeps it open
    // without writing more until the test ends.
    void FeedAndStall(double APart) {
        std::ifstream in(FixturePath("clip3s.mkv"), std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        bytes.resize(size_t(double(bytes.size()) * APart));
        FWriter = std::thread([this, bytes = std::move(bytes)] {
            const int fd = OpenWriter();
            if (fd < 0) return;
            for (size_t at = 0; at < bytes.size() && !Done;) {
                const ssize_t n = write(fd, bytes.data() + at, bytes.size() - at);
                if (n > 0)
                    at += size_t(n);
                else
                    std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
            while (!Done)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            close(fd);
        });
    }

    std::string Fifo;
    std::atomic<bool> Done{false};

private:
    // Waits for the reader without blocking, so the test can always end.
    int OpenWriter() {
        while (!Done) {
            const int fd = open(Fifo.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) return fd;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return -1;
    }

    char FFolder[32] = "/tmp/duva_player_XXXXXX";
    std::thread FWriter;
};

// A source that delivers nothing (a FIFO nobody writes) neither freezes Open
// nor keeps it from being stopped: the open is given up after its time
// limit, or at once on a Stop from another thread.
TEST_F(TCustomPlayerStallTest, OpeningASilentSourceEndsAtItsTimeLimitOrOnStop) {
    // Ends an open that would wait for ever with junk after a while, so a
    // failure shows as a late return instead of a hung test.
    std::thread rescue([&] {
        for (int i = 0; i < 800 && !Done; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        while (!Done) {
            const int fd = open(Fifo.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                const std::string junk(4096, 'j');
                (void)!write(fd, junk.data(), junk.size());
                close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    TCustomPlayer player;
    player.SetOpenTimeout(1000);
    double start = WallSeconds();
    EXPECT_FALSE(player.Open(Fifo, 0, false));
    EXPECT_LT(WallSeconds() - start, 3.0);
    EXPECT_EQ(player.LastErrMsg(), Fifo + ": the source delivered too little data in time.");

    player.SetOpenTimeout(0);
    std::thread stopper([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        player.Stop(false);
    });
    start = WallSeconds();
    EXPECT_FALSE(player.Open(Fifo, 0, false));
    EXPECT_LT(WallSeconds() - start, 3.0);
    EXPECT_EQ(player.LastErrMsg(), Fifo + ": opening was stopped.");
    stopper.join();
    Done = true;
    rescue.join();
}

// While the source stalls, the position stays at the last picture shown
// instead of running on with the wall clock.
TEST_F(TCustomPlayerStallTest, ThePositionHoldsAtTheLastPictureWhileTheSourceStalls) {
    FeedAndStall(0.4); // about 1.2 s of the 3 s clip
    TCustomPlayer player;
    PlayerRecorder rec(player);
    ASSERT_TRUE(player.Open(Fifo, 0, false)) << player.LastErrMsg();
    Serve(2500); // plays what there is, then stalls
    const int64_t stalled = player.CurrentPTS();
    Serve(1000);
    EXPECT_EQ(player.CurrentPTS(), stalled);
    EXPECT_LT(stalled, 2000000);
    const auto positions = rec.PositionsNow();
    ASSERT_FALSE(positions.empty());
    EXPECT_LE(positions.back().PTS, stalled);
    EXPECT_EQ(rec.CountOf(psEnd), 0);
    player.Stop(true);
}

} // namespace
