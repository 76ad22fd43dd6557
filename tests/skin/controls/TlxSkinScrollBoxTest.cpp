#include "skin/controls/TlxSkinScrollBox.h"

#include "skin/engine/DataSkinControls.h"
#include "tests/support/skin/TSkinControlTest.h"

namespace {

class TlxSkinScrollBoxTest : public TSkinControlTest {
protected:
    // A box of 150 x 150 (a client of 148 x 148 in its one-pixel frame) with
    // a child of W x H at the top-left, and bars as asked.
    TlxSkinScrollBox* Box(int W, int H, bool Vertical = true, bool Horizontal = true) {
        auto* box = Make<TlxSkinScrollBox>(10, 10, 150, 150);
        Child = Make<TCustomControl>(0, 0, W, H, box);
        if (Vertical) {
            VBar = Make<TlxSkinScrollBar>(170, 10, 19, 150);
            VBar->SetKind(sbVertical);
            box->SetVScrollBar(VBar);
        }
        if (Horizontal) {
            HBar = Make<TlxSkinScrollBar>(10, 170, 150, 19);
            box->SetHScrollBar(HBar);
        }
        Session.Pump();
        return box;
    }
    TControl* Child = nullptr;
    TlxSkinScrollBar* VBar = nullptr;
    TlxSkinScrollBar* HBar = nullptr;
};

} // namespace

TEST_F(TlxSkinScrollBoxTest, TallContentShowsTheVerticalBarWhichScrollsIt) {
    auto* box = Box(100, 400);
    EXPECT_EQ(box->ClientHeight(), 148);
    EXPECT_TRUE(VBar->Visible());
    EXPECT_FALSE(HBar->Visible());
    EXPECT_FALSE(VBar->CanFocused());
    EXPECT_EQ(VBar->Max(), 399);
    EXPECT_EQ(VBar->PageSize(), 148);
    EXPECT_TRUE(HBar->Both()); // it leaves the corner to the vertical bar
    VBar->SetPosition(100);
    EXPECT_EQ(Child->Top(), -100);
    box->VScroll(1000); // limited to the end: the last row shows
    EXPECT_EQ(VBar->Position(), 400 - 148);
    EXPECT_EQ(Child->Top(), -(400 - 148));
}

TEST_F(TlxSkinScrollBoxTest, ContentThatFitsHidesTheBarsAndSnapsBack) {
    auto* box = Box(300, 400);
    EXPECT_TRUE(VBar->Visible() && HBar->Visible());
    EXPECT_TRUE(HBar->Both());
    VBar->SetPosition(50);
    HBar->SetPosition(30);
    Child->SetBounds(Child->Left(), Child->Top(), 100, 100);
    Session.Pump();
    EXPECT_FALSE(VBar->Visible() || HBar->Visible());
    EXPECT_FALSE(HBar->Both());
    for (TlxSkinScrollBar* bar : {VBar, HBar}) {
        EXPECT_EQ(bar->Min(), 0);
        EXPECT_EQ(bar->Max(), 0);
        EXPECT_EQ(bar->Position(), 0);
        EXPECT_EQ(bar->PageSize(), 0);
    }
    EXPECT_EQ(Child->Left(), 0);
    EXPECT_EQ(Child->Top(), 0);
    (void)box;
}

TEST_F(TlxSkinScrollBoxTest, GrowingWhileScrolledToTheEndPullsTheContentBack) {
    auto* box = Box(100, 400, true, false);
    box->VScroll(1000);
    ASSERT_EQ(Child->Top(), -252);
    box->SetBounds(10, 10, 150, 200); // 50 taller
    EXPECT_EQ(Child->Top(), -202);
    EXPECT_EQ(VBar->Position(), 202);
    EXPECT_EQ(Child->Top() + Child->Height(), box->ClientHeight()); // no empty space below
}

TEST_F(TlxSkinScrollBoxTest, OnlyAHorizontalBarKeepsItsBothFlag) {
    Box(400, 100, false, true);
    EXPECT_TRUE(HBar->Visible());
    EXPECT_FALSE(HBar->Both());
    HBar->SetBoth(true);
    HBar->SetPosition(10);
    EXPECT_TRUE(HBar->Both());
}

TEST_F(TlxSkinScrollBoxTest, TheFrameIsOnePixelUnskinnedTheSkinsOwnSkinnedAndNoneWithBvNone) {
    auto* box = Box(10, 10, false, false);
    EXPECT_EQ(box->ClientWidth(), 148);
    const TBitmap shot = Shot(box);
    EXPECT_EQ(shot.ScanLine(0)[50] & 0xFFFFFF, ColorToPixel(clBtnShadow) & 0xFFFFFF);
    EXPECT_EQ(shot.ScanLine(50)[50] & 0xFFFFFF, ColorToPixel(clWindow) & 0xFFFFFF);

    TTestSkin skin;
    const int picture = skin.AddPicture(TTestSkin::StandardPicture());
    auto& d = skin.Add<TlxDataSkinScrollBoxControl>("scrollbox");
    TTestSkin::SetNinePart(d, picture);
    d.BGPictureIndex = -1;
    skin.LoadInto(SD);
    box->SetSkinData(SD);
    EXPECT_EQ(box->ClientWidth(), 150 - 8); // corners of 4
    EXPECT_EQ(PixelArt(Shot(box), TestSkinLegend())[0].substr(0, 6), "rrrrgg");

    for (bool skinned : {true, false}) {
        box->SetSkinData(skinned ? SD : nullptr);
        box->SetBorderStyle(bvNone);
        EXPECT_EQ(box->ClientWidth(), 150) << skinned;
        box->SetBorderStyle(bvFrame);
    }
}
