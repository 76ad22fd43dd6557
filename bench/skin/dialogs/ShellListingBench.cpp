// Listing a folder of 20,000 entries as the shell views do (read, stat, sort
// folders first in natural order), against a bare readdir of the same folder
// measured in the same run. The folder is made in a temporary place and
// removed afterwards.

#include "skin/dialogs/shell/ShellEnumeration.h"
#include "skin/dialogs/shell/ShellSort.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <dirent.h>

namespace {

constexpr int kEntries = 20000;

class TBigFolder {
public:
    TBigFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "duva-bench-XXXXXX").string();
        FPath = mkdtemp(pattern.data()) ? pattern : std::string();
        for (int i = 0; i < kEntries; ++i) {
            std::string name = (i % 20 == 0 ? "Folder " : "clip ") + std::to_string(kEntries - i);
            if (i % 20 == 0)
                std::filesystem::create_directory(FPath + "/" + name);
            else
                std::ofstream(FPath + "/" + name + ".avi") << i;
        }
    }
    ~TBigFolder() {
        std::error_code ec;
        std::filesystem::remove_all(FPath, ec);
    }
    const std::string& Path() const { return FPath; }

private:
    std::string FPath;
};

TBigFolder& Folder() {
    static TBigFolder folder;
    return folder;
}

// The best of a few bare readdir passes over the folder.
double ReaddirSeconds() {
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        auto t0 = std::chrono::steady_clock::now();
        DIR* dir = opendir(Folder().Path().c_str());
        size_t n = 0;
        while (dirent* e = readdir(dir))
            n += e->d_name[0] != 0;
        closedir(dir);
        benchmark::DoNotOptimize(n);
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    return best;
}

void BM_ListAndSort20000(benchmark::State& state) {
    double baseline = ReaddirSeconds();
    double best = 1e9;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        TShellListing listing = ListDirectory(Folder().Path(), {otFolders, otNonFolders});
        SortShellItems(listing.Items);
        benchmark::DoNotOptimize(listing.Items.data());
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
        if (listing.Items.size() != static_cast<size_t>(kEntries)) state.SkipWithError("wrong entry count");
    }
    state.counters["seconds"] = best;
    state.counters["vs_readdir"] = best / baseline;
    state.SetItemsProcessed(state.iterations() * kEntries);
}

void BM_SortBySize20000(benchmark::State& state) {
    TShellListing listing = ListDirectory(Folder().Path(), {otFolders, otNonFolders});
    for (auto _ : state) {
        std::vector<TShellItem> items = listing.Items;
        SortShellItems(items, scSize, true);
        benchmark::DoNotOptimize(items.data());
    }
    state.SetItemsProcessed(state.iterations() * kEntries);
}

} // namespace

BENCHMARK(BM_ListAndSort20000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_SortBySize20000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
