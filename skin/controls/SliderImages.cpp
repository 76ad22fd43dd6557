#include "skin/controls/SliderImages.h"

namespace {

constexpr uint32_t Key = 0xFFFF00FF;
constexpr uint32_t White = 0xFFFFFFFF;
constexpr uint32_t Silver = 0xFFC0C0C0;
constexpr uint32_t Gray = 0xFF808080;
constexpr uint32_t Black = 0xFF000000;

// One thumb state: a body with a pointer of four steps towards the far edge
// of Across and a key line beyond it. Along/Across are the thumb's axes:
// along the slider (the body's width) and across it (towards the pointer).
uint32_t ThumbPixel(int Along, int Across, int AlongSize, bool Pressed) {
    constexpr int Body = 12;
    const int far = AlongSize - 1;
    if (Across > Body + 3) return Key;
    int lo = 0, hi = far;
    if (Across >= Body) {
        const int inset = Across - Body + 1;
        lo = inset;
        hi = far - inset;
        if (Along < lo || Along > hi) return Key;
    }
    if (Along == hi) return Black;
    if (Along == lo || Across == 0) return White;
    if (Along == hi - 1) return Gray;
    if (Pressed) return (Along + Across) % 2 ? White : Silver;
    return Silver;
}

TBitmap Thumb(bool Horizontal) {
    // Each state is 9 along the slider and 17 (horizontal) or 19 across.
    const int across = Horizontal ? 17 : 19;
    TBitmap b;
    b.SetPixelFormat(pf24bit);
    b.SetSize(Horizontal ? 18 : 38, Horizontal ? 17 : 9);
    for (int state = 0; state < 2; ++state)
        for (int a = 0; a < 9; ++a)
            for (int c = 0; c < across; ++c) {
                const uint32_t p = ThumbPixel(a, c, 9, state == 1);
                if (Horizontal)
                    b.ScanLine(c)[state * 9 + a] = p;
                else
                    b.ScanLine(a)[state * 19 + c] = p;
            }
    return b;
}

// A sunken groove: shadow above and left, black and face inside, highlight
// below and right, key lines on both sides of it.
uint32_t RulerPixel(int Along, int Across, int AlongSize) {
    const int far = AlongSize - 1;
    switch (Across) {
    case 2:
        return Along == far ? White : Gray;
    case 3:
    case 4:
        if (Along == 0) return Gray;
        if (Along == far) return White;
        return Across == 3 ? Black : Silver;
    case 5:
        return White;
    default:
        return Key;
    }
}

TBitmap Ruler(bool Horizontal) {
    TBitmap b;
    b.SetPixelFormat(pf24bit);
    b.SetSize(Horizontal ? 10 : 8, Horizontal ? 8 : 10);
    for (int a = 0; a < 10; ++a)
        for (int c = 0; c < 8; ++c) {
            const uint32_t p = RulerPixel(a, c, 10);
            if (Horizontal)
                b.ScanLine(c)[a] = p;
            else
                b.ScanLine(a)[c] = p;
        }
    return b;
}

} // namespace

TBitmap SliderBuiltInImage(TlxSliderImage Which) {
    switch (Which) {
    case siHThumb:
        return Thumb(true);
    case siVThumb:
        return Thumb(false);
    case siHRuler:
        return Ruler(true);
    case siVRuler:
        return Ruler(false);
    }
    return {};
}
