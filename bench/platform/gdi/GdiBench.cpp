// Raster throughput on a full-HD bitmap: operations per second, and the copy
// against memcpy of the same bytes measured in the same run.

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/gdi/Text.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <vector>

namespace {

constexpr int W = 1920, H = 1080;

TBitmap Pattern(int w, int h, bool alpha) {
    TBitmap b(w, h);
    b.SetPixelFormat(alpha ? pf32bit : pf24bit);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.ScanLine(y)[x] = uint32_t((x * 7 + y) & 0xFF) << 24 | uint32_t(x * 31 + y * 17);
    return b;
}

// Seconds per memcpy of one full-HD 32-bit frame, the best of a few runs.
double MemcpySeconds(const TBitmap& src, TBitmap& dst) {
    double best = 1e9;
    for (int run = 0; run < 5; ++run) {
        auto t0 = std::chrono::steady_clock::now();
        std::memcpy(dst.Bits(), src.Bits(), size_t(W) * H * 4);
        benchmark::ClobberMemory();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    return best;
}

void BM_FillRect(benchmark::State& state) {
    TBitmap b(W, H);
    HDC dc = b.Canvas()->Handle();
    HBRUSH brush = CreateSolidBrush(RGB(10, 20, 30));
    for (auto _ : state) {
        FillRect(dc, {0, 0, W, H}, brush);
        benchmark::ClobberMemory();
    }
    DeleteObject(brush);
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(state.iterations() * int64_t(W) * H * 4);
}

void BM_BitBlt(benchmark::State& state) {
    TBitmap src = Pattern(W, H, false), dst(W, H);
    TDeviceContext s(&src), d(&dst);
    double blit = 1e9;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        BitBlt(&d, 0, 0, W, H, &s, 0, 0, SRCCOPY);
        benchmark::ClobberMemory();
        blit = std::min(blit, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    state.SetItemsProcessed(state.iterations());
    state.SetBytesProcessed(state.iterations() * int64_t(W) * H * 4);
    // Goal: 0.8 or more.
    state.counters["fraction_of_memcpy"] = MemcpySeconds(src, dst) / blit;
}

void BM_StretchBlt(benchmark::State& state) {
    TBitmap src = Pattern(W / 2, H / 2, false), dst(W, H);
    TDeviceContext s(&src), d(&dst);
    for (auto _ : state) {
        StretchBlt(&d, 0, 0, W, H, &s, 0, 0, W / 2, H / 2, SRCCOPY);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_TransparentBlt(benchmark::State& state) {
    TBitmap src = Pattern(W, H, false), dst(W, H);
    TDeviceContext s(&src), d(&dst);
    for (auto _ : state) {
        TransparentBlt(&d, 0, 0, W, H, &s, 0, 0, W, H, UINT(RGB(255, 0, 255)));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_AlphaBlend(benchmark::State& state) {
    TBitmap src = Pattern(W, H, true), dst = Pattern(W, H, true), copy(W, H);
    TDeviceContext s(&src), d(&dst), c(&copy);
    BLENDFUNCTION bf{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    double blend = 1e9;
    for (auto _ : state) {
        auto t0 = std::chrono::steady_clock::now();
        AlphaBlend(&d, 0, 0, W, H, &s, 0, 0, W, H, bf);
        benchmark::ClobberMemory();
        blend = std::min(blend, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    double plain = 1e9;
    for (int run = 0; run < 5; ++run) {
        auto t0 = std::chrono::steady_clock::now();
        BitBlt(&c, 0, 0, W, H, &s, 0, 0, SRCCOPY);
        benchmark::ClobberMemory();
        plain = std::min(plain, std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count());
    }
    state.SetItemsProcessed(state.iterations());
    // Against a plain copy of the same pixels.
    state.counters["vs_copy"] = blend / plain;
}

void BM_TextOut(benchmark::State& state) {
    TBitmap b(W, H);
    TCanvas& c = *b.Canvas();
    c.Font()->SetName("Arial");
    c.Font()->SetHeight(-14);
    c.Brush()->SetStyle(bsClear);
    const char* line = "The quick brown fox jumps over the lazy dog 0123456789";
    c.TextOut(0, 0, line); // glyphs cached before timing
    int y = 0;
    for (auto _ : state) {
        c.TextOut(10, y, line);
        y = (y + 17) % (H - 20);
    }
    state.SetItemsProcessed(state.iterations()); // lines of text
}

void BM_DrawTextWrapped(benchmark::State& state) {
    TBitmap b(W, H);
    HDC dc = b.Canvas()->Handle();
    const char* text =
        "A longer paragraph of text that wraps at spaces inside a narrow box, as a label would draw it.";
    for (auto _ : state) {
        TRect r{0, 0, 200, 400};
        DrawText(dc, text, r, DT_WORDBREAK);
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_FillRect)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BitBlt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StretchBlt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TransparentBlt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlphaBlend)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextOut)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DrawTextWrapped)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
