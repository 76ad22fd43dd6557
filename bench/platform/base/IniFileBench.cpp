// Reading an ini text and every key in it, as a skin is loaded. The cost per
// section is reported against the cost per section of a small file measured
// in the same run: it stays near 1 when reading is linear in the sections.

#include "platform/base/IniFile.h"

#include <benchmark/benchmark.h>

#include <ctime>
#include <string>

namespace {

constexpr int kSmall = 500;
constexpr int kKeys = 6;

std::string SkinLikeText(int sections) {
    std::string text;
    for (int s = 0; s < sections; ++s) {
        text += "[Control" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < kKeys; ++k)
            text += "Key" + std::to_string(k) + "=" + std::to_string(s * 31 + k) + ",0,0,16,16\r\n";
        text += "\r\n";
    }
    return text;
}

// Processor time of this thread, so that other work on the machine does not
// count.
double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Seconds to read the text and look up every key of every section, best of a few runs.
double ReadAllSeconds(const std::string& text, int sections) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        const double t0 = ThreadSeconds();
        TMemIniFile ini("");
        ini.SetText(text);
        size_t total = 0;
        for (int s = 0; s < sections; ++s)
            for (int k = 0; k < kKeys; ++k)
                total += ini.ReadString("control" + std::to_string(s), "KEY" + std::to_string(k), "").size();
        benchmark::DoNotOptimize(total);
        best = std::min(best, ThreadSeconds() - t0);
    }
    return best;
}

void BM_IniReadAll(benchmark::State& state) {
    const int sections = int(state.range(0));
    const std::string small = SkinLikeText(kSmall), text = SkinLikeText(sections);
    const double basePerSection = ReadAllSeconds(small, kSmall) / kSmall;
    double best = 1e9;
    for (auto _ : state)
        best = std::min(best, ReadAllSeconds(text, sections));
    state.counters["per_section_vs_500"] = best / sections / basePerSection;
    state.SetBytesProcessed(state.iterations() * int64_t(text.size()));
}

} // namespace

// 8000 sections make a text of about 300 KB, the size of a large skin.
BENCHMARK(BM_IniReadAll)->Arg(2000)->Arg(8000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
