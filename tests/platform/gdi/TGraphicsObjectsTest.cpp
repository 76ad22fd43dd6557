#include "platform/gdi/Gdi.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"

#include "tests/support/pictures/PixelArt.h"

#include <gtest/gtest.h>

TEST(TFont, SizeHeightOnChangeAndAssign) {
    TFont f;
    int changes = 0;
    f.OnChange = [&](TObject*) { ++changes; };
    f.SetSize(9);
    EXPECT_EQ(f.Height(), -12);
    EXPECT_EQ(f.Size(), 9);
    f.SetSize(9); // no change, no notice
    f.SetStyle({fsBold, fsUnderline});
    EXPECT_EQ(changes, 2);
    LOGFONT lf = f.LogFont();
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfUnderline, 1);
    TFont g;
    g.SetCharset(GB2312_CHARSET);
    g.SetColor(clRed);
    f.Assign(g);
    EXPECT_TRUE(f.SameAs(g));
    EXPECT_EQ(f.Charset(), GB2312_CHARSET);
    EXPECT_EQ(changes, 3);
}

TEST(TPen, HandlesFollowChangesWhileSelected) {
    // A context holding a pen's or brush's handle sees later changes: no stale or freed handle.
    TBitmap b(4, 2);
    HDC dc = b.Canvas()->Handle();
    TPen pen;
    TBrush brush;
    SelectObject(dc, pen.Handle());
    SelectObject(dc, brush.Handle());
    pen.SetColor(RGB(255, 0, 0));
    brush.SetColor(RGB(0, 0, 255));
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 4, 0);
    FillRect(dc, {0, 1, 4, 2}, brush.Handle());
    EXPECT_EQ(PixelArt(b), (std::vector<std::string>{"rrrr", "bbbb"}));
    brush.SetStyle(bsClear);
    TBrush copy;
    copy.Assign(brush);
    EXPECT_EQ(copy.Style(), bsClear);
    copy.SetColor(clBlack); // a colour makes a clear brush solid
    EXPECT_EQ(copy.Style(), bsSolid);
}
