#pragma once
// Shared by the player tests: a test base that loads the player's libraries
// and a recorder of the player's events.

#include "media/player/TCustomPlayer.h"
#include "platform/sys/MainThread.h"
#include "tests/media/ProberTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <dirent.h>
#include <mutex>
#include <thread>
#include <vector>

class PlayerLibrariesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FFLoader.Load(PlayerLibraries)) << FFLoader.LastErrMsg();
        // ThreadSanitizer starts a helper thread with the process's first
        // thread: starting one here puts it in the tests' thread baselines.
        std::thread([] {}).join();
    }
};

inline double WallSeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// Every event of a player, with the wall time it arrived.
struct PlayerRecorder {
    struct Position {
        int64_t PTS;
        double Wall;
    };
    std::mutex Lock;
    std::vector<TPlayState> States;
    std::vector<Position> Positions;
    int64_t OpenDuration = -2;
    int OpenWidth = -2, OpenHeight = -2;
    int FileOpens = 0;
    bool OffGuiThread = false;

    explicit PlayerRecorder(TCustomPlayer& APlayer) {
        APlayer.SetOnFileOpen([this](TCustomPlayer*, int64_t ADuration, int AWidth, int AHeight, int&, int&) {
            std::lock_guard lock(Lock);
            ++FileOpens;
            OpenDuration = ADuration;
            OpenWidth = AWidth;
            OpenHeight = AHeight;
        });
        APlayer.SetOnState([this](TCustomPlayer*, TPlayState AState) {
            std::lock_guard lock(Lock);
            if (!IsGuiThread()) OffGuiThread = true;
            States.push_back(AState);
        });
        APlayer.SetOnPosition([this](TCustomPlayer*, int64_t APTS) {
            std::lock_guard lock(Lock);
            if (!IsGuiThread()) OffGuiThread = true;
            Positions.push_back({APTS, WallSeconds()});
        });
    }

    std::vector<TPlayState> StatesNow() {
        std::lock_guard lock(Lock);
        return States;
    }
    std::vector<Position> PositionsNow() {
        std::lock_guard lock(Lock);
        return Positions;
    }
    int CountOf(TPlayState AState) {
        std::lock_guard lock(Lock);
        return int(std::count(States.begin(), States.end(), AState));
    }
    // Serves the GUI thread while waiting, as the application's loop would.
    bool WaitState(TPlayState AState, int ATimeoutMs = 5000) {
        return WaitServingFor([&] { return CountOf(AState) > 0; }, ATimeoutMs);
    }
};

// Serves the GUI thread for a while.
inline void Serve(int AMs) {
    WaitServingFor([] { return false; }, AMs);
}

inline int ThreadCount() {
    int count = 0;
    if (DIR* d = opendir("/proc/self/task")) {
        while (dirent* e = readdir(d))
            if (e->d_name[0] != '.') ++count;
        closedir(d);
    }
    return count;
}

// The thread count once it reaches Expected, or after a second. A joined
// thread can stay listed in /proc for a moment after the join returns; a
// thread that was really left behind stays for good.
inline int ThreadCountSettlingAt(int Expected) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    int count = ThreadCount();
    while (count != Expected && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        count = ThreadCount();
    }
    return count;
}
