#include "skin/engine/SkinGlyphs.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "tests/support/pictures/PixelArt.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// A white w x h bitmap after draw, as rows of '#' (clRed), 'b' (clBlue), '.'
// (white) and '?' (anything else).
std::vector<std::string> Art(int w, int h, const std::function<void(TCanvas*)>& draw) {
    TBitmap b(w, h);
    draw(b.Canvas());
    return PixelArt(b, {{'#', 0xFF0000}, {'b', 0x0000FF}, {'.', 0xFFFFFF}});
}

using Rows = std::vector<std::string>;

} // namespace

TEST(SkinGlyphs, FrameButtonSymbolsHaveTheirExactPixels) {
    struct Case {
        const char* name;
        std::function<void(TCanvas*, int, int, TColor)> draw;
        Rows want; // drawn at (0, 0)
    } cases[] = {
        {"check mark",
         DrawCheckMark,
         {".......", "......#", ".....##", "#...###", "##.###.", "#####..", ".###...", "..#...."}},
        {"close",
         DrawCloseImage,
         {"...........", ".##.....##.", "..##...##..", "...##.##...", "....###....", "....###....",
          "...##.##...", "..##...##..", ".##.....##.", "..........."}},
        {"minimize",
         DrawMinimizeImage,
         {"..........", "..........", "..........", "..........", "..........", "..........", "..........",
          "..........", ".########.", ".########."}},
        {"maximize",
         DrawMaximizeImage,
         {"###########", "###########", "#.........#", "#.........#", "#.........#", "#.........#",
          "#.........#", "#.........#", "#.........#", "###########"}},
        {"restore",
         DrawRestoreImage,
         {"..########", "..########", "..#......#", "..#......#", "#######..#", "##########", "#.....#...",
          "#.....#...", "#.....#...", "#######..."}},
        {"system menu",
         DrawSysMenuImage,
         {"..........", "..........", "..........", ".########.", ".#......#.", ".########.", ".........."}},
        {"roll down",
         DrawRollDownImage,
         {"..........", "..........", ".########.", "..######..", "...####...", "....##....", ".........."}},
        {"roll up",
         DrawRollUpImage,
         {"..........", "..........", "..........", "....##....", "...####...", "..######..", ".########."}},
        {"tray",
         DrawTrayImage,
         {"........", "........", "..#####.", "..#####.", "..#####.", "..#####.", "..#####.", "........"}},
    };
    for (const Case& c : cases) {
        const int w = int(c.want[0].size()), h = int(c.want.size());
        // Drawn with a brush left solid and coloured by an earlier glyph:
        // the outline symbols must not fill.
        EXPECT_EQ(Art(w, h,
                      [&](TCanvas* cv) {
                          cv->Brush()->SetColor(clBlue);
                          c.draw(cv, 0, 0, clRed);
                      }),
                  c.want)
            << c.name;
    }
    // The square mark at (1, 1): pen and brush in the colour.
    EXPECT_EQ(Art(8, 8, [](TCanvas* cv) { DrawSquareMark(cv, 1, 1, clRed); }),
              (Rows{"........", ".######.", ".######.", ".######.", ".######.", ".######.", ".######.",
                    "........"}));
}

TEST(SkinGlyphs, ArrowsPointFromTheCentre) {
    struct Case {
        int direction;
        Rows want;
    } cases[] = {
        {1,
         {".........", ".....#...", "....##...", "...###...", "..####...", "...###...", "....##...",
          ".....#...", "........."}},
        {2,
         {".........", "...#.....", "...##....", "...###...", "...####..", "...###...", "...##....",
          "...#.....", "........."}},
        {3,
         {".........", ".........", "....#....", "...###...", "..#####..", ".#######.", ".........",
          ".........", "........."}},
        {4,
         {".........", ".........", ".........", ".#######.", "..#####..", "...###...", "....#....",
          ".........", "........."}},
        {0, Rows(9, ".........")},
        {5, Rows(9, ".........")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Art(9, 9,
                      [&](TCanvas* cv) {
                          DrawArrowImage(cv, {0, 0, 9, 9}, clRed, c.direction);
                      }),
                  c.want)
            << c.direction;
    EXPECT_EQ(Art(10, 8,
                  [](TCanvas* cv) {
                      DrawDropDownArrow(cv, {0, 0, 10, 8}, clRed);
                  }),
              (Rows{"..........", "..........", "..........", "..........", "...#####..", "....###...",
                    ".....#....", ".........."}));
}

TEST(SkinGlyphs, Frame3DOwnsItsCorners) {
    EXPECT_EQ(Art(5, 4,
                  [](TCanvas* cv) {
                      DrawFrame3D(cv, {0, 0, 5, 4}, clRed, clBlue);
                  }),
              (Rows{"####b", "#...b", "#...b", "bbbbb"}));
}

TEST(DrawSkinFocusRect, DotsAtEvenAndOddSizes) {
    struct Case {
        int w, h;
        Rows want;
    } cases[] = {
        // Inner size 4 x 4 (both even): the first corner is off.
        {5, 5, {".#.#.", "#...#", ".....", "#...#", ".#.#."}},
        // Inner size 4 x 3: the first corner is on.
        {5, 4, {"#.#.#", ".....", "#...#", ".#.#."}},
        // Inner size 5 x 5.
        {6, 6, {"#.#.#.", ".....#", "#.....", ".....#", "#.....", ".#.#.#"}},
        // A single row of 2: inner size 1 x 0.
        {2, 1, {"#."}},
        // One pixel: inner size 0 x 0 counts as even.
        {1, 1, {"."}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Art(c.w, c.h,
                      [&](TCanvas* cv) {
                          cv->Font()->SetColor(clRed);
                          DrawSkinFocusRect(cv, {0, 0, c.w, c.h});
                      }),
                  c.want)
            << c.w << "x" << c.h;
    }
    // Empty rectangles draw nothing.
    EXPECT_EQ(Art(3, 3,
                  [](TCanvas* cv) {
                      cv->Font()->SetColor(clRed);
                      DrawSkinFocusRect(cv, {1, 1, 1, 3});
                      DrawSkinFocusRect(cv, {2, 2, 0, 0});
                  }),
              (Rows{"...", "...", "..."}));
}

TEST(DrawSkinFocusRect, AHugeRectangleDrawsOnlyItsVisiblePartInPhase) {
    // Inner width 2,000,000,003 (odd): the top row is on at even distances
    // from the left edge; the bottom row, reached after the top row (flips)
    // and the right column of 4 (flips), starts on at the far right.
    EXPECT_EQ(Art(10, 4,
                  [](TCanvas* cv) {
                      cv->Font()->SetColor(clRed);
                      DrawSkinFocusRect(cv, {-4, 0, 2000000000, 4});
                  }),
              (Rows{"#.#.#.#.#.", "..........", "..........", ".#.#.#.#.#"}));
}
