#pragma once
// The picture every generated video fixture shows, shared by the generator
// and the tests that check decoded frames: eight vertical colour bars over
// the top five sixths, and below them eight blocks that spell the frame
// number in binary (block i white when bit i is set).

#include <cstdint>

namespace fixture {

struct Rgb {
    uint8_t r, g, b;
};

constexpr int kBarCount = 8;
constexpr Rgb kBars[kBarCount] = {
    {255, 255, 255}, {255, 255, 0}, {0, 255, 255}, {0, 255, 0},
    {255, 0, 255},   {255, 0, 0},   {0, 0, 255},   {0, 0, 0},
};
constexpr int kCounterBits = 8;

inline int CounterTop(int height) {
    return height * 5 / 6;
}
inline int ColumnOf(int x, int width, int columns) {
    return x * columns / width;
}

inline Rgb PixelAt(int x, int y, int width, int height, int frame) {
    if (y < CounterTop(height)) return kBars[ColumnOf(x, width, kBarCount)];
    const int bit = ColumnOf(x, width, kCounterBits);
    return ((frame >> bit) & 1) ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
}

// Centre of bar i and of counter block i, where compression leaves the
// colour flat.
inline int ColumnCentre(int i, int width, int columns) {
    const int left = (i * width + columns - 1) / columns;
    const int right = ((i + 1) * width + columns - 1) / columns;
    return (left + right) / 2;
}
inline int BarRow(int height) {
    return CounterTop(height) / 2;
}
inline int CounterRow(int height) {
    return (CounterTop(height) + height) / 2;
}

// The corner-marker picture: mid grey with a white square in the top-left
// corner, so mirroring and cropping show where the corner went.
constexpr int kMarkerSize = 40;
constexpr uint8_t kMarkerGrey = 128;
inline Rgb MarkerPixelAt(int x, int y) {
    return x < kMarkerSize && y < kMarkerSize ? Rgb{255, 255, 255}
                                              : Rgb{kMarkerGrey, kMarkerGrey, kMarkerGrey};
}

} // namespace fixture
