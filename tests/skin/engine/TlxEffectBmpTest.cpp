#include "skin/engine/TlxEffectBmp.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

uint32_t Grey(int v) {
    return uint32_t(v) * 0x010101u;
}

// A w x h picture whose pixel (x, y) is the grey value(x, y).
template <class F> TlxEffectBmp Picture(int w, int h, F value) {
    TlxEffectBmp e(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            e.SetPixel(x, y, Grey(value(x, y)));
    return e;
}

// The grey values of row y (the blue channel; the fixtures keep the three equal).
std::vector<int> Row(const TlxEffectBmp& e, int y = 0) {
    std::vector<int> out;
    for (int x = 0; x < e.Width(); ++x) {
        uint32_t p = e.Pixel(x, y);
        EXPECT_EQ(p, Grey(p & 0xFF)) << "pixel " << x << "," << y << " lost its grey";
        out.push_back(int(p & 0xFF));
    }
    return out;
}

using Transition = void (TlxEffectBmp::*)(const TlxEffectBmp&, double);

struct Case {
    const char* name;
    Transition op;
    double kf;
    std::vector<int> want;
};

} // namespace

// Fades on 5 x 1: black toward grey 200.
TEST(TlxEffectBmp, FadeTransitionsOnARow) {
    const Case cases[] = {
        {"Morph", &TlxEffectBmp::Morph, 0, {0, 0, 0, 0, 0}},
        {"Morph", &TlxEffectBmp::Morph, 0.5, {100, 100, 100, 100, 100}},
        {"Morph", &TlxEffectBmp::Morph, 1, {200, 200, 200, 200, 200}},
        {"Morph", &TlxEffectBmp::Morph, 1.5, {200, 200, 200, 200, 200}},
        {"MorphGrad", &TlxEffectBmp::MorphGrad, 0, {0, 100, 200, 100, 0}},
        {"MorphGrad", &TlxEffectBmp::MorphGrad, 0.5, {0, 200, 200, 200, 0}},
        {"MorphGrad", &TlxEffectBmp::MorphGrad, 1, {200, 200, 200, 200, 200}},
        {"MorphGrad", &TlxEffectBmp::MorphGrad, 1.5, {200, 200, 200, 200, 200}},
        {"MorphLeftGrad", &TlxEffectBmp::MorphLeftGrad, 0, {200, 0, 0, 0, 0}},
        {"MorphLeftGrad", &TlxEffectBmp::MorphLeftGrad, 0.5, {200, 100, 0, 0, 0}},
        {"MorphLeftGrad", &TlxEffectBmp::MorphLeftGrad, 1, {200, 150, 100, 50, 0}},
        {"MorphLeftGrad", &TlxEffectBmp::MorphLeftGrad, 1.5, {200, 150, 100, 50, 0}},
        {"MorphRightGrad", &TlxEffectBmp::MorphRightGrad, 0, {0, 0, 0, 0, 200}},
        {"MorphRightGrad", &TlxEffectBmp::MorphRightGrad, 0.5, {0, 0, 0, 100, 200}},
        {"MorphRightGrad", &TlxEffectBmp::MorphRightGrad, 1, {40, 80, 120, 160, 200}},
        {"MorphRightGrad", &TlxEffectBmp::MorphRightGrad, 1.5, {40, 80, 120, 160, 200}},
    };
    const TlxEffectBmp target = Picture(5, 1, [](int, int) { return 200; });
    for (const Case& c : cases) {
        TlxEffectBmp e = Picture(5, 1, [](int, int) { return 0; });
        (e.*c.op)(target, c.kf);
        EXPECT_EQ(Row(e), c.want) << c.name << " at " << c.kf;
    }
}

// Moves on 5 x 1: own columns 1..5 toward 101..105.
TEST(TlxEffectBmp, MovingTransitionsOnARow) {
    const Case cases[] = {
        {"MorphPush", &TlxEffectBmp::MorphPush, 0, {105, 1, 2, 3, 4}},
        {"MorphPush", &TlxEffectBmp::MorphPush, 0.5, {103, 104, 105, 1, 2}},
        {"MorphPush", &TlxEffectBmp::MorphPush, 1, {101, 102, 103, 104, 105}},
        {"MorphPush", &TlxEffectBmp::MorphPush, 1.5, {101, 102, 103, 104, 105}},
        {"MorphLeftSlide", &TlxEffectBmp::MorphLeftSlide, 0, {105, 2, 3, 4, 5}},
        {"MorphLeftSlide", &TlxEffectBmp::MorphLeftSlide, 0.5, {104, 105, 3, 4, 5}},
        {"MorphLeftSlide", &TlxEffectBmp::MorphLeftSlide, 1, {102, 103, 104, 105, 5}},
        {"MorphLeftSlide", &TlxEffectBmp::MorphLeftSlide, 1.5, {102, 103, 104, 105, 5}},
        {"MorphRightSlide", &TlxEffectBmp::MorphRightSlide, 0, {1, 2, 3, 4, 101}},
        {"MorphRightSlide", &TlxEffectBmp::MorphRightSlide, 0.5, {1, 2, 3, 101, 102}},
        {"MorphRightSlide", &TlxEffectBmp::MorphRightSlide, 1, {1, 101, 102, 103, 104}},
        {"MorphRightSlide", &TlxEffectBmp::MorphRightSlide, 1.5, {1, 101, 102, 103, 104}},
    };
    const TlxEffectBmp target = Picture(5, 1, [](int x, int) { return 101 + x; });
    for (const Case& c : cases) {
        TlxEffectBmp e = Picture(5, 1, [](int x, int) { return 1 + x; });
        (e.*c.op)(target, c.kf);
        EXPECT_EQ(Row(e), c.want) << c.name << " at " << c.kf;
    }
}

// On 4 x 3 every row moves alike; the vertical gradient runs along the columns.
TEST(TlxEffectBmp, TransitionsOnAGrid) {
    const TlxEffectBmp grey = Picture(4, 3, [](int, int) { return 200; });
    const Case cases[] = {
        {"MorphGrad", &TlxEffectBmp::MorphGrad, 0, {0, 100, 200, 100}},
        {"MorphGrad", &TlxEffectBmp::MorphGrad, 0.5, {0, 200, 200, 200}},
        {"MorphGrad", &TlxEffectBmp::MorphGrad, 1, {200, 200, 200, 200}},
        {"MorphGrad", &TlxEffectBmp::MorphGrad, 1.5, {200, 200, 200, 200}},
        {"Morph", &TlxEffectBmp::Morph, 0.5, {100, 100, 100, 100}},
    };
    for (const Case& c : cases) {
        TlxEffectBmp e = Picture(4, 3, [](int, int) { return 0; });
        (e.*c.op)(grey, c.kf);
        for (int y = 0; y < 3; ++y)
            EXPECT_EQ(Row(e, y), c.want) << c.name << " at " << c.kf << " row " << y;
    }
    // Vertical gradient: column values top to bottom.
    const std::pair<double, std::vector<int>> vertical[] = {
        {0, {0, 200, 0}}, {0.5, {200, 200, 200}}, {1, {200, 200, 200}}, {1.5, {200, 200, 200}}};
    for (const auto& [kf, want] : vertical) {
        TlxEffectBmp e = Picture(4, 3, [](int, int) { return 0; });
        e.MorphVGrad(grey, kf);
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ((std::vector<int>{int(e.Pixel(x, 0) & 0xFF), int(e.Pixel(x, 1) & 0xFF),
                                        int(e.Pixel(x, 2) & 0xFF)}),
                      want)
                << "at " << kf;
    }
    TlxEffectBmp e = Picture(4, 3, [](int x, int) { return 1 + x; });
    e.MorphPush(Picture(4, 3, [](int x, int) { return 101 + x; }), 0.5);
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(Row(e, y), (std::vector<int>{102, 103, 104, 1}));

    // Pictures of another size are left alone.
    TlxEffectBmp other = Picture(4, 3, [](int, int) { return 7; });
    other.Morph(Picture(5, 1, [](int, int) { return 200; }), 1);
    other.MorphPush(Picture(3, 3, [](int, int) { return 200; }), 1);
    EXPECT_EQ(Row(other, 1), (std::vector<int>{7, 7, 7, 7}));
}

TEST(TlxEffectBmp, ColourFilters) {
    TlxEffectBmp e = Picture(3, 1, [](int x, int) { return x == 0 ? 0 : x == 1 ? 1 : 255; });
    e.ChangeDarkness(0.5);
    EXPECT_EQ(Row(e), (std::vector<int>{0, 0, 128})); // nearest(127.5) is 128, nearest(0.5) is 0
    e = Picture(2, 1, [](int x, int) { return x * 255; });
    e.ChangeBrightness(0.5);
    EXPECT_EQ(Row(e), (std::vector<int>{128, 255}));
    e.ChangeBrightness(-3); // limited to 0: unchanged
    EXPECT_EQ(Row(e), (std::vector<int>{128, 255}));
    e.Invert();
    EXPECT_EQ(Row(e), (std::vector<int>{127, 0}));

    TlxEffectBmp c(1, 1);
    c.SetPixel(0, 0, 0x6432C8); // red 100, green 50, blue 200
    c.GrayScale();
    EXPECT_EQ(c.Pixel(0, 0), Grey(82)); // 30 + 29.5 + 22 = 81.5
}

TEST(TlxEffectBmp, BlurMosaicAndWave) {
    TlxEffectBmp e = Picture(3, 1, [](int x, int) { return 40 * x; });
    e.SplitBlur(0);
    e.Mosaic(1);
    EXPECT_EQ(Row(e), (std::vector<int>{0, 40, 80}));
    // In place from the left; the right sample of the last pixel clamps to the edge.
    e.SplitBlur(1);
    EXPECT_EQ(Row(e), (std::vector<int>{20, 50, 65}));

    TlxEffectBmp m = Picture(5, 2, [](int x, int y) { return 10 * x + y; });
    m.Mosaic(2);
    EXPECT_EQ(Row(m, 0), (std::vector<int>{0, 0, 20, 20, 40}));
    EXPECT_EQ(Row(m, 1), (std::vector<int>{0, 0, 20, 20, 40}));

    TlxEffectBmp w = Picture(2, 2, [](int x, int y) { return 1 + x + 2 * y; });
    w.Wave(0, 1, 1); // a zero divisor: nothing
    EXPECT_EQ(Row(w, 1), (std::vector<int>{3, 4}));
    w.Wave(1, 1, 1); // sin(1) moves every sample but the corner by one, limited to the picture
    EXPECT_EQ(Row(w, 0), (std::vector<int>{1, 4}));
    EXPECT_EQ(Row(w, 1), (std::vector<int>{4, 4}));
}

TEST(TlxEffectBmp, NoiseIsRepeatableWithASeed) {
    auto noisy = [](bool colour, int amount) {
        TlxEffectBmp e = Picture(8, 8, [](int, int) { return 128; });
        TlxNoiseGenerator gen(42);
        if (colour)
            e.AddColorNoise(amount, gen);
        else
            e.AddMonoNoise(amount, gen);
        return e;
    };
    for (bool colour : {false, true}) {
        TlxEffectBmp a = noisy(colour, 50), b = noisy(colour, 50);
        EXPECT_TRUE(std::equal(a.Bits(), a.Bits() + a.Size(), b.Bits()));
        bool changed = false, greyKept = true;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) {
                uint32_t p = a.Pixel(x, y);
                changed |= p != Grey(128);
                greyKept &= p == Grey(p & 0xFF);
                int v = int(p & 0xFF);
                EXPECT_TRUE(v >= 128 - 25 && v <= 128 + 24) << v;
            }
        EXPECT_TRUE(changed);
        EXPECT_EQ(greyKept, !colour);
        // Amount 1 adds 0; amount 0 does nothing at all.
        EXPECT_EQ(Row(noisy(colour, 1), 3), std::vector<int>(8, 128));
        EXPECT_EQ(Row(noisy(colour, 0), 3), std::vector<int>(8, 128));
    }
}

TEST(TlxEffectBmp, TurnsFlipsAndResize) {
    const TlxEffectBmp src = Picture(3, 2, [](int x, int y) { return 1 + x + 3 * y; }); // 1 2 3 / 4 5 6
    TlxEffectBmp ccw(2, 3), cw(2, 3), flip(3, 2), wrong(3, 3);
    src.Rotate90_1(ccw);
    EXPECT_EQ(Row(ccw, 0), (std::vector<int>{3, 6}));
    EXPECT_EQ(Row(ccw, 2), (std::vector<int>{1, 4}));
    src.Rotate90_2(cw);
    EXPECT_EQ(Row(cw, 0), (std::vector<int>{4, 1}));
    EXPECT_EQ(Row(cw, 2), (std::vector<int>{6, 3}));
    src.FlipVert(flip);
    EXPECT_EQ(Row(flip, 0), (std::vector<int>{4, 5, 6}));
    src.Rotate90_1(wrong);
    EXPECT_EQ(Row(wrong, 0), (std::vector<int>{0, 0, 0}));

    TlxEffectBmp big(4, 2);
    Picture(2, 1, [](int x, int) { return 10 + x; }).Resize(big);
    EXPECT_EQ(Row(big, 0), (std::vector<int>{10, 10, 11, 11}));
    EXPECT_EQ(Row(big, 1), (std::vector<int>{10, 10, 11, 11}));

    // Rows keep their padding: a 3-pixel row is 12 bytes.
    EXPECT_EQ(src.RowBytes(), 12);
    EXPECT_EQ(src.Size(), 24);
}

TEST(TlxEffectBmp, MaskedFilters) {
    const TlxEffectBmp mask = Picture(3, 1, [](int x, int) { return x == 0 ? 255 : 0; });
    TlxEffectBmp e = Picture(3, 1, [](int x, int) { return 40 * x; });
    e.MaskBlur(mask, 1);
    EXPECT_EQ(Row(e), (std::vector<int>{0, 40, 60}));
    e = Picture(3, 1, [](int x, int) { return 40 * x; });
    e.MaskAntialiasing(mask, 1); // only the pixel that sees a white mask sample
    EXPECT_EQ(Row(e), (std::vector<int>{0, 40, 80}));
    e = Picture(3, 1, [](int x, int) { return 40 * x; });
    e.MaskFillColor(mask, clRed, 0.5);
    EXPECT_EQ(e.Pixel(0, 0), 0u);
    EXPECT_EQ(e.Pixel(1, 0), 0x941414u); // red nearest(147.5), green and blue 20
    // A mask of another width changes nothing.
    e = Picture(3, 1, [](int x, int) { return 40 * x; });
    e.MaskBlur(Picture(2, 1, [](int, int) { return 0; }), 1);
    e.MaskFillColor(Picture(3, 0, [](int, int) { return 0; }), clRed, 1);
    EXPECT_EQ(Row(e), (std::vector<int>{0, 40, 80}));
}

TEST(TlxEffectBmp, FromAndToBitmaps) {
    TBitmap b(2, 1);
    b.ScanLine(0)[0] = 0x80102030;
    TlxEffectBmp e = TlxEffectBmp::CreateFromhWnd(b);
    EXPECT_EQ(e.Pixel(0, 0), 0x102030u);
    EXPECT_EQ(e.Pixel(1, 0), 0xFFFFFFu);
    TBitmap out(3, 1);
    out.Fill(0);
    TCanvas* c = out.Canvas();
    e.Draw(c->Handle(), 1, 0);
    EXPECT_EQ(out.ScanLine(0)[0], 0u);
    EXPECT_EQ(out.ScanLine(0)[1], 0xFF102030u);
    e.Stretch(c->Handle(), 0, 0, 3, 1);
    EXPECT_EQ(out.ScanLine(0)[0], 0xFF102030u);
}

TEST(TlxEffectBmp, RectangleFadeAndCopyStayInsideBothPictures) {
    const TlxEffectBmp other = Picture(3, 3, [](int x, int y) { return 100 + 10 * y + x; });
    TlxEffectBmp e = Picture(4, 2, [](int, int) { return 0; });
    // Columns 2..3 of row 1 toward the other's pixels from (1, 2) on: (1, 2) and (2, 2).
    e.MorphRect(other, 0.5, TRect{2, 1, 9, 2}, 1, 2);
    EXPECT_EQ(Row(e, 1), (std::vector<int>{0, 0, 60, 61}));
    EXPECT_EQ(Row(e, 0), (std::vector<int>{0, 0, 0, 0}));
    // The copy includes the right and bottom edges, limited to the picture.
    e = Picture(4, 2, [](int, int) { return 0; });
    e.CopyRect(other, TRect{1, 0, 2, 5}, 0, 1);
    EXPECT_EQ(Row(e, 0), (std::vector<int>{0, 110, 111, 0}));
    EXPECT_EQ(Row(e, 1), (std::vector<int>{0, 120, 121, 0}));
}
