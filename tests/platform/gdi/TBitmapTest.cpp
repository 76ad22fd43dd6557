#include "platform/gdi/TBitmap.h"
#include "platform/base/Exception.h"
#include "platform/gdi/TCanvas.h"

#include "tests/support/pictures/PixelArt.h"

#include <gtest/gtest.h>

TEST(TBitmap, FreshPixelsAreWhiteAndResizeKeepsTheOverlap) {
    TBitmap b;
    EXPECT_TRUE(b.Empty());
    b.SetSize(3, 2);
    EXPECT_EQ(b.ScanLine(1)[2], 0xFFFFFFFFu);
    b.ScanLine(1)[0] = 0x11223344;
    b.SetSize(4, 4);
    EXPECT_EQ(b.ScanLine(1)[0], 0x11223344u);
    EXPECT_EQ(b.ScanLine(3)[3], 0xFFFFFFFFu);
    EXPECT_EQ(b.ScanLine(1) - b.ScanLine(0), 4); // rows are Width pixels apart, top-down
    EXPECT_THROW(b.ScanLine(4), EInvalidGraphic);
    EXPECT_THROW(b.ScanLine(-1), EInvalidGraphic);
    b.SetSize(-1, 5);
    EXPECT_TRUE(b.Empty());
}

TEST(TBitmap, CanvasFollowsResizesAndAssignCopiesEverything) {
    TBitmap b(2, 2);
    b.Canvas()->Brush()->SetColor(clBlack);
    b.Canvas()->FillRect({0, 0, 10, 10});
    b.SetSize(4, 3); // the canvas must see the new size
    b.Canvas()->FillRect({0, 0, 10, 10});
    EXPECT_EQ(PixelArt(b), (std::vector<std::string>{"####", "####", "####"}));

    b.SetTransparent(true);
    b.SetTransparentColor(clRed);
    b.SetPixelFormat(pf32bit);
    TBitmap c;
    c.Assign(b);
    EXPECT_EQ(PixelArt(c), PixelArt(b));
    EXPECT_TRUE(c.Transparent());
    EXPECT_EQ(c.TransparentColor(), clRed);
    EXPECT_EQ(c.TransparentMode(), tmFixed);
    EXPECT_EQ(c.PixelFormat(), pf32bit);
}
