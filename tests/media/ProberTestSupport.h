#pragma once
// Shared by the prober tests: a test base that loads the prober's libraries,
// and readers of the fixture picture from a bitmap.

#include "media/TFFmpegLoader.h"
#include "platform/gdi/TBitmap.h"
#include "tests/support/FixtureFrames.h"
#include "tests/support/FixturePath.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

class ProberLibrariesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(FFLoader.Load(ProbeLibraries)) << FFLoader.LastErrMsg(); }
};

inline fixture::Rgb BitmapPixel(const TBitmap& bitmap, int x, int y) {
    const uint32_t p = bitmap.ScanLine(y)[x];
    return {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)};
}

// The frame number the counter blocks spell.
inline int FrameNumberOf(const TBitmap& bitmap) {
    int number = 0;
    for (int bit = 0; bit < fixture::kCounterBits; ++bit) {
        const int x = fixture::ColumnCentre(bit, bitmap.Width(), fixture::kCounterBits);
        if (BitmapPixel(bitmap, x, fixture::CounterRow(bitmap.Height())).g > 128) number |= 1 << bit;
    }
    return number;
}

// The largest difference of any channel from the bar colours, sampled at the
// centre of each bar.
inline int BarError(const TBitmap& bitmap) {
    int worst = 0;
    for (int i = 0; i < fixture::kBarCount; ++i) {
        const int x = fixture::ColumnCentre(i, bitmap.Width(), fixture::kBarCount);
        const fixture::Rgb got = BitmapPixel(bitmap, x, fixture::BarRow(bitmap.Height()));
        const fixture::Rgb want = fixture::kBars[i];
        for (int d : {got.r - want.r, got.g - want.g, got.b - want.b})
            worst = std::max(worst, std::abs(d));
    }
    return worst;
}

// Lines of a text, split on LF or CR LF.
inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}
