// The task component converting eight 20 s 640x360 clips to mpeg4 + mp2
// (long enough that conversion, not the fixed cost of a run, is measured).
//
// BM_EightTasks: the wall time with one task at a time against eight at
// once, measured in the same run; "speedup" is one over the other (the goal
// is at least 0.8 x cores up to 8 cores), "cores" the hardware threads. Eight
// at once get one codec thread each (the cores shared among them), so the
// one-at-a-time pass runs on one processor to get one codec thread too.
//
// BM_GuiCallLatency: while the eight tasks report every 100 ms, another
// thread keeps calling into the GUI thread; "p99_ms" is the 99th percentile
// of those calls' round trips (goal: under 50 ms).

#include "bench/media/OneProcessor.h"
#include "media/TFFmpegLoader.h"
#include "media/task/TZorvexion.h"
#include "platform/sys/MainThread.h"
#include "tests/support/FixturePath.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <sched.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kTasks = 8;

struct BenchFolder {
    fs::path Path = fs::temp_directory_path() / ("duva-task-bench-" + std::to_string(getpid()));
    BenchFolder() { fs::create_directories(Path); }
    ~BenchFolder() {
        std::error_code ignored;
        fs::remove_all(Path, ignored);
    }
};

const BenchFolder& Folder() {
    static const BenchFolder folder;
    return folder;
}

// Runs the eight conversions with AThreads at once, serving the GUI thread
// as the application's loop would; returns the wall time in seconds.
double Convert(int AThreads, int AProgressInterval = 100) {
    TZorvexion c;
    if (!c.LoadAVLib(FFLoader.LibraryPath())) throw std::runtime_error(c.LastErrMsg());
    c.SetProgressInterval(AProgressInterval);
    c.SetOnProgress([](TCustomZorvexion*, PProgressInfo) {});
    std::atomic<bool> done{false};
    c.SetOnTerminate([&](TCustomZorvexion*, const TTerminateInfo& AInfo) {
        if (AInfo.TaskIndex == -1) done = true;
    });
    for (int i = 0; i < kTasks; ++i) {
        const int index = c.AddTask(FixturePath("long_20s.mkv"));
        if (index < 0) throw std::runtime_error(c.LastErrMsg());
        TOutputOptions o;
        o.VideoCodec = "mpeg4";
        o.AudioCodec = "mp2";
        if (!c.SetOutputFile(index, (Folder().Path / ("out" + std::to_string(i) + ".avi")).string(), &o))
            throw std::runtime_error(c.LastErrMsg());
    }
    const auto start = Clock::now();
    c.Start(AThreads);
    WaitServingFor([&] { return done.load(); }, -1, 5, false);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void BM_EightTasks(benchmark::State& state) {
    double one = 0, eight = 0;
    for (auto _ : state) {
        state.PauseTiming();
        {
            const OneProcessor pinned;
            one += Convert(1);
        }
        state.ResumeTiming();
        eight += Convert(kTasks);
    }
    state.counters["speedup"] = eight > 0 ? one / eight : 0;
    state.counters["cores"] = std::thread::hardware_concurrency();
}
BENCHMARK(BM_EightTasks)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_GuiCallLatency(benchmark::State& state) {
    std::vector<double> latencies;
    for (auto _ : state) {
        std::atomic<bool> running{true}, stopped{false};
        std::thread caller([&] {
            while (running) {
                const auto start = Clock::now();
                CallInMainThread([] {});
                latencies.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
            stopped = true;
        });
        Convert(kTasks, 100);
        running = false;
        // The caller's last call may still need the GUI thread.
        WaitServingFor([&] { return stopped.load(); });
        caller.join();
    }
    std::sort(latencies.begin(), latencies.end());
    state.counters["p99_ms"] = latencies.empty() ? 0 : latencies[latencies.size() * 99 / 100];
    state.counters["calls"] = double(latencies.size());
    state.counters["cores"] = std::thread::hardware_concurrency();
}
BENCHMARK(BM_GuiCallLatency)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
