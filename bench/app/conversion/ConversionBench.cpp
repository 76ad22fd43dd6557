// The conversion road (the controller over the real converter) converting
// eight small files through one profile ("AVI - 标准音频视频交错格式").
//
// BM_EightFiles: the wall time of the run with one file at a time against
// eight at once, both measured in the same run; "speedup" is one over the
// other (goal: at least 5 on 8 cores), "cores" the hardware threads.

#include "app/conversion/TConversionController.h"
#include "app/conversion/TZorvexionConverter.h"
#include "media/TFFmpegLoader.h"
#include "media/task/TZorvexion.h"
#include "platform/sys/MainThread.h"
#include "tests/support/FixturePath.h"
#include "tests/support/TTempFolder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>

namespace fs = std::filesystem;

namespace {

constexpr int kFiles = 8;
constexpr int kAviMenuEntry = 5; // "AVI视频"

// The eight inputs ("in/"), links to one clip under names of their own.
const TTempFolder& Folder() {
    static const TTempFolder folder;
    static const bool linked = [] {
        fs::create_directories(folder.Path() + "in");
        for (int i = 0; i < kFiles; ++i)
            folder.Link(FixturePath("clip_3s.mkv"), "in/file" + std::to_string(i) + ".mkv");
        return true;
    }();
    (void)linked;
    return folder;
}

struct TBenchDialogs : IConversionDialogs {
    std::optional<std::string> OpenFile() override { return std::nullopt; }
    std::optional<std::vector<std::string>> OpenFiles() override { return std::nullopt; }
    std::optional<std::string> SelectDirectory() override { return Folder().Path() + "in"; }
    std::optional<std::string> SelectOutputDirectory() override { return std::nullopt; }
    void SetOpenFilter(const std::string&, int) override {}
    void ShowInformation(const std::string&) override {}
    void ShowTaskFailure(const std::string& AText) override { throw std::runtime_error(AText); }
};

struct TNoDesktop : IDesktopServices {
    bool OpenFolder(const std::string&) override { return true; }
    bool PowerOff() override { return true; }
};

// Adds the eight files and converts them with AThreads at once, serving the
// GUI thread as the program's loop does; returns the run's wall time in seconds.
double Convert(int AThreads) {
    TZorvexion zorvex;
    TZorvexionConverter converter(zorvex);
    TZorvexionProber prober(zorvex);
    TBenchDialogs dialogs;
    TNoDesktop desktop;
    TConversionController controller(converter, prober, dialogs, desktop);
    controller.LibraryFolder = FFLoader.LibraryPath();
    const fs::path out = Folder().Path() + "out" + std::to_string(AThreads);
    fs::remove_all(out);
    fs::create_directories(out);
    controller.OutputFolder = out.string();
    controller.Initialize();
    controller.lxSkinImagesMenu1Change(kAviMenuEntry);
    controller.Button12Click();
    if (controller.Files().Count() != kFiles) throw std::runtime_error(controller.StatusText());

    controller.ThreadCount = AThreads;
    const auto start = std::chrono::steady_clock::now();
    if (!controller.btnStartClick()) throw std::runtime_error(controller.StatusText());
    WaitServingFor([&] { return controller.State() == TRunState::Finished; }, -1, 5, false);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_EightFiles(benchmark::State& state) {
    double one = 0, eight = 0;
    for (auto _ : state) {
        state.PauseTiming();
        one += Convert(1);
        state.ResumeTiming();
        eight += Convert(kFiles);
    }
    state.counters["speedup"] = eight > 0 ? one / eight : 0;
    state.counters["one_s"] = one;
    state.counters["cores"] = std::thread::hardware_concurrency();
}
BENCHMARK(BM_EightFiles)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
