// The alpha bitmap's pixel work on a full-HD picture: the stack blur, whose
// cost must not grow with the radius (each radius is reported as a ratio to
// radius 1 measured in the same run), and the blend and scaled copy engines
// against a plain copy of the same pixels.

#include "skin/engine/PixelRoutines.h"
#include "skin/engine/StackBlur.h"
#include "skin/engine/TlxBitmap.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int W = 1920, H = 1080;

void Pattern(TlxBitmap& b) {
    b.SetSize(W, H);
    for (int i = 0; i < W * H; ++i)
        b.Bits()[i] = uint32_t(i * 2654435761u);
}

template <class F> double BestSeconds(F f) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        auto t0 = std::chrono::steady_clock::now();
        f();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    return best;
}

void BM_StackBlur(benchmark::State& state) {
    const int radius = int(state.range(0));
    TlxBitmap b;
    Pattern(b);
    const double base = BestSeconds([&] { StackBlur(&b, 1); });
    double best = 1e9;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        StackBlur(&b, radius);
        benchmark::ClobberMemory();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    state.counters["vs_radius_1"] = best / base;
    state.SetItemsProcessed(state.iterations() * int64_t(W) * H);
}

void BM_BitmapEngine(benchmark::State& state) {
    const auto mode = TlxDrawMode(state.range(0));
    const bool scaled = state.range(1) != 0;
    TlxBitmap src, dst;
    Pattern(src);
    dst.SetSize(W, H);
    const TRect all{0, 0, W, H};
    const TRect half{0, 0, W / 2, H / 2};
    const double copy = BestSeconds([&] { BitmapDraw(&dst, all, &src, all, dmCopy); });
    double best = 1e9;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        BitmapDraw(&dst, all, &src, scaled ? half : all, mode);
        benchmark::ClobberMemory();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    state.counters["vs_copy"] = best / copy;
    state.SetItemsProcessed(state.iterations() * int64_t(W) * H);
}

} // namespace

BENCHMARK(BM_StackBlur)->Arg(1)->Arg(6)->Arg(30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BitmapEngine)
    ->Args({int(dmCopy), 1})
    ->Args({int(dmBlend), 0})
    ->Args({int(dmBlend), 1})
    ->Args({int(dmKey), 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
