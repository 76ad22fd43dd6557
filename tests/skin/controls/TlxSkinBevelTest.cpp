#include "skin/controls/TlxSkinBevel.h"

#include "skin/controls/TlxSkinToolBar.h"
#include "skin/engine/DataSkinControls.h"
#include "tests/support/skin/TSkinControlTest.h"

namespace {

uint32_t Rgb(const TBitmap& B, int X, int Y) {
    return B.ScanLine(Y)[X] & 0xFFFFFF;
}

class TlxSkinBevelTest : public TSkinControlTest {
protected:
    void LoadSkin() {
        TTestSkin skin;
        auto& d = skin.Add<TlxDataSkinBevel>("bevel");
        d.LightColor = RGB(0xE0, 0xE0, 0x20);
        d.DarkColor = RGB(0x20, 0x20, 0xE0);
        skin.LoadInto(SD);
    }
    const uint32_t Light = 0xE0E020, Dark = 0x2020E0;
    const uint32_t Face = ColorToPixel(clBtnFace) & 0xFFFFFF;
};

} // namespace

TEST_F(TlxSkinBevelTest, ALoweredBoxTakesTheSkinsColours) {
    LoadSkin();
    auto* b = Make<TlxSkinBevel>(10, 10, 40, 30);
    b->SetSkinData(SD);
    TBitmap shot = Shot(b);
    EXPECT_EQ(Rgb(shot, 0, 10), Dark);
    EXPECT_EQ(Rgb(shot, 20, 0), Dark);
    EXPECT_EQ(Rgb(shot, 39, 10), Light);
    EXPECT_EQ(Rgb(shot, 20, 29), Light);
    b->SetStyle(bsRaised);
    shot = Shot(b);
    EXPECT_EQ(Rgb(shot, 0, 10), Light);
    // Without the skin the system's colours again.
    b->SetSkinData(nullptr);
    EXPECT_EQ(Rgb(Shot(b), 0, 10), ColorToPixel(clBtnHighlight) & 0xFFFFFF);
}

TEST_F(TlxSkinBevelTest, DividerModeDrawsATwoPixelLineAcrossTheMiddle) {
    LoadSkin();
    auto* b = Make<TlxSkinBevel>(10, 10, 100, 10);
    b->SetSkinData(SD);
    b->SetShape(bsTopLine);
    b->SetDividerMode(true);
    TBitmap shot = Shot(b);
    for (int x : {2, 50, 97})
        EXPECT_EQ(Rgb(shot, x, 4), Dark) << x;
    for (int x : {3, 50, 98})
        EXPECT_EQ(Rgb(shot, x, 5), Light) << x;
    for (TPoint p : {TPoint{1, 4}, TPoint{99, 4}, TPoint{50, 3}, TPoint{50, 6}, TPoint{50, 0}})
        EXPECT_EQ(Rgb(shot, p.X, p.Y), Face) << p.X << "," << p.Y;

    // The box shapes divide vertically: (W / 2 - 1, 2) to (W / 2, H - 2).
    b->SetBounds(10, 10, 10, 100);
    b->SetShape(bsBox);
    shot = Shot(b);
    EXPECT_EQ(Rgb(shot, 4, 50), Dark);
    EXPECT_EQ(Rgb(shot, 5, 50), Light);
    EXPECT_EQ(Rgb(shot, 3, 50), Face);
    b->SetShape(bsSpacer);
    EXPECT_EQ(Rgb(Shot(b), 4, 50), Face);
}

TEST_F(TlxSkinBevelTest, OnAToolBarItStaysCentredAndTakesTheBarsSkin) {
    LoadSkin();
    auto* bar = Make<TlxSkinToolBar>(0, 0, 300, 40);
    auto* b = Make<TlxSkinBevel>(10, 0, 4, 20, bar);
    EXPECT_EQ(b->Top(), 10);
    b->SetBounds(50, 3, 4, 20);
    EXPECT_EQ(b->Top(), 10);
    EXPECT_EQ(b->Left(), 50);
    bar->SetSkinData(SD);
    EXPECT_EQ(b->SkinData(), SD);
    EXPECT_NE(b->SkinIndex(), -1);
}
