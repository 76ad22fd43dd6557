// Stock objects are shared by every thread: the first uses may come from
// several threads at once (a worker drawing a snapshot caption while the GUI
// thread paints), and each must see them made, marked and usable.

#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <latch>
#include <thread>
#include <vector>

namespace {

// Text in the default font on a fresh device context, as pixels.
std::vector<uint32_t> DrawDefaultText() {
    TBitmap b(48, 20);
    HDC dc = CreateBitmapDC(&b);
    FillRect(dc, {0, 0, 48, 20}, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    TextOut(dc, 2, 2, "Ag");
    DeleteDC(dc);
    std::vector<uint32_t> pixels;
    for (int y = 0; y < b.Height(); ++y)
        pixels.insert(pixels.end(), b.ScanLine(y), b.ScanLine(y) + b.Width());
    return pixels;
}

} // namespace

TEST(StockObjects, FirstUsesFromManyThreadsAtOnceSeeThemMarkedAndDrawAlike) {
    const int stock[] = {WHITE_BRUSH, LTGRAY_BRUSH, GRAY_BRUSH, DKGRAY_BRUSH, BLACK_BRUSH,     NULL_BRUSH,
                         WHITE_PEN,   BLACK_PEN,    NULL_PEN,   SYSTEM_FONT,  DEFAULT_GUI_FONT};
    constexpr int kThreads = 8;
    std::latch start(kThreads);
    std::vector<std::vector<uint32_t>> drawn(kThreads);
    std::vector<int> unmarked(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            start.arrive_and_wait();
            for (int index : stock) {
                HGDIOBJ o = GetStockObject(index);
                if (!o || !o->Stock) ++unmarked[t];
                DeleteObject(o); // kept: a stock object is never freed
            }
            drawn[t] = DrawDefaultText();
        });
    for (auto& t : threads)
        t.join();
    const std::vector<uint32_t> reference = DrawDefaultText();
    EXPECT_TRUE(std::any_of(reference.begin(), reference.end(), [](uint32_t p) {
        return (p & 0xFFFFFF) != 0xFFFFFF;
    })) << "no ink";
    for (int t = 0; t < kThreads; ++t) {
        EXPECT_EQ(unmarked[t], 0) << t;
        EXPECT_EQ(drawn[t], reference) << t;
    }
}
