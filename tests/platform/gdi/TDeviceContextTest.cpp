#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"

#include "tests/support/pictures/PixelArt.h"

#include <functional>
#include <gtest/gtest.h>

using Art = std::vector<std::string>;

namespace {
// Draws with black pen, black brush on a white w x h bitmap.
Art Draw(int w, int h, const std::function<void(TCanvas&)>& draw) {
    TBitmap b(w, h);
    TCanvas& c = *b.Canvas();
    c.Pen()->SetColor(clBlack);
    c.Brush()->SetColor(clBlack);
    draw(c);
    return PixelArt(b);
}
} // namespace

TEST(TDeviceContext, PrimitivesMatchTheirGoldenImages) {
    struct Case {
        const char* name;
        std::function<void(TCanvas&)> draw;
        Art expected;
    } cases[] = {
        {"fill excludes right and bottom",
         [](TCanvas& c) {
             c.FillRect({1, 1, 4, 3});
         },
         {"......", ".###..", ".###..", "......"}},
        {"frame of a 1x1 rect is one pixel",
         [](TCanvas& c) {
             c.FrameRect({2, 1, 3, 2});
         },
         {"......", "..#...", "......", "......"}},
        {"frame",
         [](TCanvas& c) {
             c.FrameRect({0, 0, 4, 4});
         },
         {"####..", "#..#..", "#..#..", "####.."}},
        {"rectangle: red brush inside a black outline",
         [](TCanvas& c) {
             c.Brush()->SetColor(RGB(255, 0, 0));
             c.Rectangle(0, 0, 5, 4);
         },
         {"#####.", "#rrr#.", "#rrr#.", "#####."}},
        {"rectangle with a clear pen fills all of it",
         [](TCanvas& c) {
             c.Pen()->SetStyle(psClear);
             c.Rectangle(1, 1, 3, 3);
         },
         {"......", ".##...", ".##...", "......"}},
        {"LineTo leaves out the end point",
         [](TCanvas& c) {
             c.MoveTo(0, 0);
             c.LineTo(4, 0);
             c.MoveTo(5, 0);
             c.LineTo(5, 3);
             c.MoveTo(0, 1);
             c.LineTo(3, 4);
         },
         {"####.#", "#....#", ".#...#", "..#..."}},
        {"polyline",
         [](TCanvas& c) {
             c.Polyline(std::vector<TPoint>{{0, 3}, {0, 0}, {3, 0}, {3, 3}});
         },
         {"####..", "#..#..", "#..#..", "#....."}},
        {"empty and inverted rectangles draw nothing",
         [](TCanvas& c) {
             c.FillRect({3, 3, 3, 5});
             c.FrameRect({4, 2, 1, 1});
             c.Rectangle(2, 2, 2, 2);
         },
         {"......", "......", "......", "......"}},
        {"focus rectangle 5 wide (odd)",
         [](TCanvas& c) {
             c.DrawFocusRect({0, 0, 5, 4});
         },
         {"#.#.#.", "......", "#...#.", ".#.#.."}},
        {"focus rectangle 4 wide (even)",
         [](TCanvas& c) {
             c.DrawFocusRect({0, 0, 4, 4});
         },
         {"#.#...", "...#..", "#.....", ".#.#.."}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Draw(6, 4, c.draw), c.expected) << c.name;
}

TEST(TDeviceContext, FocusRectangleTwiceRestoresAndPrimitivesKeepAlpha) {
    TBitmap b(5, 5);
    b.Fill(0x12FFFFFF);
    TCanvas& c = *b.Canvas();
    c.DrawFocusRect({0, 0, 5, 5});
    c.DrawFocusRect({0, 0, 5, 5});
    c.Brush()->SetColor(clBlack);
    c.FillRect({0, 0, 2, 2});
    c.MoveTo(0, 4);
    c.LineTo(5, 4);
    c.SetPixels(4, 0, clRed);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(b.ScanLine(y)[x] >> 24, 0x12u) << x << "," << y;
    EXPECT_EQ(PixelArt(b), (Art{"##..r", "##...", ".....", ".....", "#####"}));
    EXPECT_EQ(c.Pixels(4, 0), clRed);
    EXPECT_EQ(c.Pixels(5, 0), CLR_INVALID);
}

TEST(TDeviceContext, ClipAndViewportSequence) {
    TBitmap b(8, 6);
    HDC dc = b.Canvas()->Handle();
    HBRUSH black = CreateSolidBrush(clBlack), red = CreateSolidBrush(RGB(255, 0, 0));
    TPoint old;

    int level = SaveDC(dc);
    SetViewportOrgEx(dc, 3, 1, &old);
    EXPECT_EQ(old, (TPoint{0, 0}));
    IntersectClipRect(dc, 0, 0, 4, 3);
    ExcludeClipRect(dc, 1, 1, 2, 2);
    FillRect(dc, {-10, -10, 20, 20}, black); // clipped to the logical 4 x 3 box less one pixel
    MoveToEx(dc, -5, 0, nullptr);            // a line clipped on both sides
    SelectObject(dc, CreatePen(PS_SOLID, 1, RGB(255, 0, 0)));
    LineTo(dc, 20, 0);
    DeleteObject(SelectObject(dc, GetStockObject(BLACK_PEN)));
    TRect box;
    EXPECT_EQ(GetClipBox(dc, &box), COMPLEXREGION);
    EXPECT_EQ(box, (TRect{0, 0, 4, 3}));
    EXPECT_TRUE(RestoreDC(dc, level));

    FillRect(dc, {0, 0, 2, 2}, red); // origin and clip are back
    EXPECT_EQ(PixelArt(b), (Art{"rr......", "rr.rrrr.", "...#.##.", "...####.", "........", "........"}));
    EXPECT_FALSE(RestoreDC(dc, 1)); // nothing saved any more
    DeleteObject(black);
    DeleteObject(red);
}

TEST(TDeviceContext, WindowSystemOriginAndClipCannotBeEscaped) {
    TBitmap b(8, 4);
    TDeviceContext dc(&b);
    dc.SetDeviceOrigin({2, 1});
    TRegion visible(TRect{2, 1, 6, 3});
    dc.SetSystemClip(&visible);
    TCanvas canvas(&dc);
    canvas.Brush()->SetColor(clBlack);

    SetViewportOrgEx(&dc, 1, 0, nullptr);
    SelectClipRgn(&dc, nullptr);            // no region: still only the visible part
    canvas.FillRect({-1, 0, 1, 1});         // logical -1 is device 0 is bitmap 2
    HRGN rgn = CreateRectRgn(3, 1, 10, 10); // device coordinates: the origin does not move it
    SelectClipRgn(&dc, rgn);
    DeleteObject(rgn);
    canvas.FillRect({-10, -10, 10, 10});
    EXPECT_EQ(PixelArt(b), (Art{"........", "..##....", ".....#..", "........"}));
}

TEST(TDeviceContext, StretchSamplesTheDocumentedSourcePixels) {
    // Each source pixel holds its own coordinates, so the copy shows which one was taken.
    auto source = [](int w, int h) {
        TBitmap s(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                s.ScanLine(y)[x] = 0xFF000000u | uint32_t(y << 8) | uint32_t(x);
        return s;
    };
    struct Case {
        int sw, sh, dw, dh;
        std::vector<int> xs, ys;
    } cases[] = {
        {3, 1, 7, 1, {0, 0, 1, 1, 1, 2, 2}, {0}},
        {7, 1, 3, 1, {1, 3, 5}, {0}},
        {3, 7, 7, 3, {0, 0, 1, 1, 1, 2, 2}, {1, 3, 5}},
        {4, 4, 4, 4, {0, 1, 2, 3}, {0, 1, 2, 3}},
    };
    for (const Case& c : cases) {
        TBitmap s = source(c.sw, c.sh), d(c.dw, c.dh);
        TDeviceContext sdc(&s), ddc(&d);
        ASSERT_TRUE(StretchBlt(&ddc, 0, 0, c.dw, c.dh, &sdc, 0, 0, c.sw, c.sh, SRCCOPY));
        for (int v = 0; v < c.dh; ++v)
            for (int u = 0; u < c.dw; ++u)
                EXPECT_EQ(d.ScanLine(v)[u],
                          0xFF000000u | uint32_t(c.ys[size_t(v)] << 8) | uint32_t(c.xs[size_t(u)]))
                    << c.sw << "x" << c.sh << "->" << c.dw << "x" << c.dh << " at " << u << "," << v;
    }
}

TEST(TDeviceContext, SourceOutsideTheBitmapIsClippedAndOverlapCopiesCorrectly) {
    TBitmap s = FromPixelArt({"rg", "b#"});
    TBitmap d(4, 4);
    TDeviceContext sdc(&s), ddc(&d);
    BitBlt(&ddc, 0, 0, 4, 4, &sdc, -1, -1, SRCCOPY);          // partly outside: the rest stays
    BitBlt(&ddc, 0, 0, 4, 4, &sdc, 100000, -100000, SRCCOPY); // wholly outside: nothing
    StretchBlt(&ddc, 3, 3, 40, 40, &sdc, 1, 1, 30, 30, SRCCOPY);
    EXPECT_EQ(PixelArt(d), (Art{"....", ".rg.", ".b#.", "...#"}));

    TBitmap m = FromPixelArt({"rgb#.."});
    TDeviceContext mdc(&m);
    BitBlt(&mdc, 1, 0, 4, 1, &mdc, 0, 0, SRCCOPY); // overlapping copy within one bitmap
    EXPECT_EQ(PixelArt(m), (Art{"rrgb#."}));
}

TEST(TDeviceContext, KeyColourCopiesKeepExactlyTheOtherPixels) {
    TBitmap s = FromPixelArt({"r#r", "#g#", "b#."});
    s.ScanLine(0)[0] = 0x00FF0000; // the key compares RGB only
    TBitmap d = FromPixelArt({"...", "...", "..."});
    TDeviceContext sdc(&s), ddc(&d);
    TransparentBlt(&ddc, 0, 0, 3, 3, &sdc, 0, 0, 3, 3, UINT(RGB(255, 0, 0)));
    EXPECT_EQ(PixelArt(d), (Art{".#.", "#g#", "b#."}));

    // Automatic mode: the bottom-left pixel is the key.
    TBitmap g = FromPixelArt({"gg", "rg", "bg"});
    g.SetTransparent(true);
    EXPECT_EQ(g.TransparentColor(), RGB(0, 0, 255));
    TBitmap canvas = FromPixelArt({"####", "####", "####"});
    canvas.Canvas()->Draw(1, 0, &g);
    EXPECT_EQ(PixelArt(canvas), (Art{"#gg#", "#rg#", "##g#"}));
    g.SetTransparentColor(clLime); // fixed
    canvas.Canvas()->StretchDraw({0, 0, 4, 3}, &g);
    EXPECT_EQ(PixelArt(canvas), (Art{"#gg#", "rrg#", "bbg#"}));
}

TEST(TDeviceContext, AlphaBlendSpecialValues) {
    struct Case {
        const char* name;
        uint32_t dst, src;
        Byte constant;
        bool perPixel, dstAlpha;
        uint32_t expected;
    } cases[] = {
        {"alpha 0 keeps the destination", 0xFF102030, 0x00C8C8C8, 255, true, true, 0xFF102030},
        {"constant 0 keeps the destination", 0xFF102030, 0xFFC8C8C8, 0, false, true, 0xFF102030},
        {"alpha 255 stores the source", 0x80102030, 0xFFC8C8C8, 255, true, true, 0xFFC8C8C8},
        {"over transparent keeps the colour", 0x00000000, 0x80C86432, 255, true, true, 0x80C86432},
        {"half over opaque", 0xFF646464, 0x80C8C8C8, 255, true, true, 0xFF969696},
        {"constant scales per-pixel alpha", 0x00000000, 0x80C8C8C8, 128, true, true, 0x40C8C8C8},
        {"constant only ignores the source alpha", 0xFF646464, 0x00C8C8C8, 128, false, true, 0xFF969696},
        {"a destination without alpha counts as opaque", 0x00646464, 0x80C8C8C8, 255, true, false,
         0xFF969696},
    };
    for (const Case& c : cases) {
        TBitmap s(1, 1), d(1, 1);
        s.SetPixelFormat(pf32bit);
        d.SetPixelFormat(c.dstAlpha ? pf32bit : pf24bit);
        s.ScanLine(0)[0] = c.src;
        d.ScanLine(0)[0] = c.dst;
        TDeviceContext sdc(&s), ddc(&d);
        BLENDFUNCTION bf{AC_SRC_OVER, 0, c.constant, Byte(c.perPixel ? AC_SRC_ALPHA : 0)};
        AlphaBlend(&ddc, 0, 0, 1, 1, &sdc, 0, 0, 1, 1, bf);
        EXPECT_EQ(d.ScanLine(0)[0], c.expected) << c.name << std::hex << " got " << d.ScanLine(0)[0];
    }
}
