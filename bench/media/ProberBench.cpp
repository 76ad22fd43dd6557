// Probing many small files: the prober against the bare library calls it
// wraps (open + stream info + close), measured in the same run. The prober's
// benchmark reports "ratio", its time over the bare loop's; it should stay
// within 1.2.

#include "media/AVBindings.h"
#include "media/TFFmpegLoader.h"
#include "media/prober/TCustomAVProbe.h"
#include "tests/support/FixturePath.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int kFileCount = 200;

// 200 copies of small fixtures of several formats, in a folder of their own
// that goes when the program ends.
struct BenchFiles {
    fs::path Folder = fs::temp_directory_path() / ("duva-prober-bench-" + std::to_string(getpid()));
    std::vector<std::string> List;

    BenchFiles() {
        const char* sources[] = {"clip.mkv", "tone_s16_mono_22050.wav", "tags.mp3", "programs.ts",
                                 "clip.mp4"};
        fs::create_directories(Folder);
        for (int i = 0; i < kFileCount; ++i) {
            const fs::path source = FixturePath(sources[i % std::size(sources)]);
            const fs::path copy = Folder / (std::to_string(i) + source.extension().string());
            fs::copy_file(source, copy, fs::copy_options::overwrite_existing);
            List.push_back(copy.string());
        }
    }
    ~BenchFiles() {
        std::error_code ignored;
        fs::remove_all(Folder, ignored);
    }
};

const std::vector<std::string>& Files() {
    static const BenchFiles files;
    return files.List;
}

bool LoadLibraries(benchmark::State& state) {
    if (FFLoader.Load(ProbeLibraries)) return true;
    state.SkipWithError(FFLoader.LastErrMsg().c_str());
    return false;
}

void BareProbeAll() {
    for (const std::string& file : Files()) {
        AVFormatContext* fc = nullptr;
        if (av::avformat_open_input(&fc, file.c_str(), nullptr, nullptr) < 0) continue;
        av::avformat_find_stream_info(fc, nullptr);
        av::avformat_close_input(&fc);
    }
}

void ProberProbeAll(TCustomAVProbe& probe) {
    for (const std::string& file : Files()) {
        probe.LoadFile(file);
        probe.CloseFile();
    }
}

double Seconds(auto&& body) {
    const auto start = std::chrono::steady_clock::now();
    body();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_BareOpenAndFindStreamInfo(benchmark::State& state) {
    if (!LoadLibraries(state)) return;
    Files();
    for (auto _ : state)
        BareProbeAll();
    state.SetItemsProcessed(state.iterations() * kFileCount);
}
BENCHMARK(BM_BareOpenAndFindStreamInfo)->Unit(benchmark::kMillisecond);

void BM_ProberLoadFile(benchmark::State& state) {
    if (!LoadLibraries(state)) return;
    Files();
    TCustomAVProbe probe;
    double prober = 0, bare = 0;
    for (auto _ : state) {
        prober += Seconds([&] { ProberProbeAll(probe); });
        state.PauseTiming();
        bare += Seconds(BareProbeAll);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kFileCount);
    state.counters["ratio"] = bare > 0 ? prober / bare : 0;
}
BENCHMARK(BM_ProberLoadFile)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
