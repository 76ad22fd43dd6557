#include "skin/controls/TlxSkinToolBar.h"

#include "platform/vcl/TCustomEdit.h"
#include "skin/controls/TlxSkinSpeedButton.h"
#include "tests/support/skin/TSkinControlTest.h"

namespace {

uint32_t Rgb(const TBitmap& B, int X, int Y) {
    return B.ScanLine(Y)[X] & 0xFFFFFF;
}

class TlxSkinToolBarTest : public TSkinControlTest {
protected:
    TlxSkinToolBar* Bar(int W = 300) {
        auto* b = Make<TlxSkinToolBar>(0, 0, W, 25);
        Session.Pump();
        return b;
    }
    TlxSkinSpeedButton* Button(TlxSkinToolBar* Bar, int X) {
        return Make<TlxSkinSpeedButton>(X, 0, 25, 25, Bar);
    }
    // A list of one 8 x 8 image in one colour (0xRRGGBB).
    TCustomImageList* List(uint32_t Rgb) {
        auto* l = new TCustomImageList(Form);
        l->SetWidth(8);
        l->SetHeight(8);
        TBitmap image(8, 8);
        image.Fill(0xFF000000 | Rgb);
        l->AddMasked(&image, clNone);
        return l;
    }
};

} // namespace

TEST_F(TlxSkinToolBarTest, ANewBarIsLowAndBorderless) {
    auto* b = new TlxSkinToolBar(Form);
    EXPECT_EQ(b->Height(), 25);
    EXPECT_EQ(b->BorderStyle(), bvNone);
    EXPECT_EQ(b->SkinDataName(), "toolpanel");
    EXPECT_TRUE(b->AdjustControls());
    EXPECT_EQ(b->DefaultHeight(), 0);
}

TEST_F(TlxSkinToolBarTest, ChildrenAreCentredVertically) {
    auto* b = Bar();
    auto* edit = Make<TEdit>(100, 0, 80, 21, b);
    auto* button = Button(b, 10);
    b->SetBounds(0, 0, 300, 41);
    EXPECT_EQ(edit->Top(), 41 / 2 - 21 / 2);
    EXPECT_EQ(button->Top(), 41 / 2 - 25 / 2);
    // A child placed later centres itself.
    auto* late = Make<TlxSkinSpeedButton>(40, 0, 25, 15, b);
    EXPECT_EQ(late->Top(), 41 / 2 - 15 / 2);

    b->SetAdjustControls(false);
    button->SetBounds(10, 3, 25, 25);
    EXPECT_EQ(button->Top(), 3);
}

TEST_F(TlxSkinToolBarTest, SkinFlatStyleAndCaptionsReachTheSpeedButtons) {
    auto* b = Bar();
    auto* first = Button(b, 0);
    auto* second = Button(b, 30);
    b->SetSkinData(SD);
    b->SetFlat(true);
    for (auto* button : {first, second}) {
        EXPECT_EQ(button->SkinData(), SD);
        EXPECT_TRUE(button->Flat());
        EXPECT_TRUE(button->ShowCaption());
    }
    b->SetShowCaptions(true);
    b->SetShowCaptions(false);
    EXPECT_TRUE(first->ShowCaption()); // only with AutoShowHideCaptions
    b->SetAutoShowHideCaptions(true);
    b->SetShowCaptions(true);
    b->SetShowCaptions(false);
    EXPECT_FALSE(first->ShowCaption() || second->ShowCaption());

    // Both widths set: the bar's width follows.
    b->SetWidthWithCaptions(250);
    b->SetWidthWithoutCaptions(120);
    b->SetShowCaptions(true);
    EXPECT_EQ(b->Width(), 250);
    b->SetShowCaptions(false);
    EXPECT_EQ(b->Width(), 120);
}

TEST_F(TlxSkinToolBarTest, SpeedButtonsDrawTheBarsImagesByState) {
    auto* b = Bar();
    auto* button = Button(b, 10);
    b->SetImages(List(0x2020E0));
    EXPECT_EQ(Rgb(Shot(button), 12, 12), 0x2020E0u);
    b->SetHotImages(List(0xE0E020));
    Session.MouseMove(At(button, 3, 3));
    Session.Pump();
    EXPECT_EQ(Rgb(Shot(button), 12, 12), 0xE0E020u);
    Session.MouseMove({390, 290});
    b->SetDisabledImages(List(0x20E020));
    button->SetEnabled(false);
    EXPECT_EQ(Rgb(Shot(button), 12, 12), 0x20E020u); // drawn as enabled
    // A glyph of its own wins.
    button->SetEnabled(true);
    TBitmap glyph(8, 8);
    glyph.Fill(0xFFFF00FF);
    FillPixels(glyph, {1, 1, 7, 7}, 0x101010);
    button->SetGlyph(glyph);
    EXPECT_EQ(Rgb(Shot(button), 12, 12), 0x101010u);
}

namespace {

class TlxSkinToolBarScrollTest : public TlxSkinToolBarTest {
protected:
    // A scrolling bar 300 wide whose content ends at End.
    TlxSkinToolBar* ScrollingBar(int End) {
        auto* b = Bar(300);
        Last = Make<TlxSkinSpeedButton>(End - 25, 0, 25, 25, b);
        Make<TlxSkinSpeedButton>(0, 0, 25, 25, b);
        b->SetCanScroll(true);
        Session.Pump();
        return b;
    }
    LRESULT HitAt(TWinControl* C, int X) {
        TRect w;
        GetWindowRect(C->Handle(), w);
        return SendMessage(C->Handle(), WM_NCHITTEST, 0, PointToLParam({w.Left + X, w.Top + 10}));
    }
    TPoint RightButton(TWinControl* C) {
        TRect w;
        GetWindowRect(C->Handle(), w);
        return {w.Right - 5, w.Top + 10};
    }
    TPoint LeftButton(TWinControl* C) {
        TRect w;
        GetWindowRect(C->Handle(), w);
        return {w.Left + 5, w.Top + 10};
    }
    TControl* Last = nullptr;
};

} // namespace

TEST_F(TlxSkinToolBarScrollTest, WideContentShowsTwoScrollButtonsWithTheirHitCodes) {
    auto* b = ScrollingBar(500);
    EXPECT_TRUE(b->ScrollButtonsShown());
    EXPECT_EQ(b->ClientWidth(), 300 - 24);
    EXPECT_EQ(HitAt(b, 5), 119);
    EXPECT_EQ(HitAt(b, 295), 120);
    EXPECT_EQ(HitAt(b, 150), HTCLIENT);
    // Drawn in the built-in look, hot under the pointer.
    EXPECT_EQ(Rgb(Shot(b), 0, 0), ColorToPixel(clBtnShadow) & 0xFFFFFF);
    Session.MouseMove(RightButton(b));
    Session.Pump();
    EXPECT_EQ(Rgb(Shot(b), 299, 0), 0x000080u);
    EXPECT_EQ(Rgb(Shot(b), 0, 0), ColorToPixel(clBtnShadow) & 0xFFFFFF);

    // The window was measured again, not made anew.
    HWND before = b->Handle();
    b->SetCanScroll(false);
    EXPECT_EQ(b->Handle(), before);
    EXPECT_FALSE(b->ScrollButtonsShown());
    EXPECT_EQ(b->ClientWidth(), 300);
}

TEST_F(TlxSkinToolBarScrollTest, AClickScrollsOneClientWidthAndStopsAtTheEnd) {
    auto* b = ScrollingBar(1000);
    const int lastLeft = Last->Left();
    for (int expected : {276, 552, 1000 - 276}) {
        Session.Click(RightButton(b));
        Session.Pump();
        EXPECT_EQ(b->ScrollPosition(), expected);
        EXPECT_EQ(Last->Left(), lastLeft - expected);
    }
    Session.Click(RightButton(b));
    Session.Pump();
    EXPECT_EQ(b->ScrollPosition(), 1000 - 276);
    Session.Click(LeftButton(b));
    Session.Click(LeftButton(b));
    Session.Click(LeftButton(b));
    Session.Pump();
    EXPECT_EQ(b->ScrollPosition(), 0);
    EXPECT_EQ(Last->Left(), lastLeft);
}

TEST_F(TlxSkinToolBarScrollTest, HoldingTheButtonScrollsEveryTimerTickAndOnceMoreAtRelease) {
    auto* b = ScrollingBar(1000);
    b->SetScrollOffset(40);
    b->SetScrollOffset(-5); // ignored
    b->SetScrollTimerInterval(100);
    b->SetScrollTimerInterval(0); // ignored
    Session.MouseMove(RightButton(b));
    Session.MouseDown(RightButton(b));
    Session.Advance(99);
    EXPECT_EQ(b->ScrollPosition(), 0);
    Session.Advance(1);
    EXPECT_EQ(b->ScrollPosition(), 40);
    Session.Advance(200);
    EXPECT_EQ(b->ScrollPosition(), 120);
    Session.MouseUp(RightButton(b));
    Session.Pump();
    EXPECT_EQ(b->ScrollPosition(), 160);
    Session.Advance(300);
    EXPECT_EQ(b->ScrollPosition(), 160);
}

TEST_F(TlxSkinToolBarScrollTest, ContentThatFitsAgainScrollsBackAndHidesTheButtons) {
    auto* b = ScrollingBar(500);
    Session.Click(RightButton(b));
    Session.Pump();
    ASSERT_GT(b->ScrollPosition(), 0);
    Last->SetLeft(20 - b->ScrollPosition()); // everything fits now
    Session.Pump();
    EXPECT_EQ(b->ScrollPosition(), 0);
    EXPECT_EQ(Last->Left(), 20);
    EXPECT_FALSE(b->ScrollButtonsShown());
    EXPECT_EQ(b->ClientWidth(), 300);

    // Content left out of view entirely scrolls back too.
    Last->SetLeft(1000);
    Session.Click(RightButton(b));
    Session.Pump();
    ASSERT_GT(b->ScrollPosition(), 0);
    for (int i = 0; i < b->ControlCount(); ++i)
        b->Controls(i)->SetVisible(false);
    Session.Pump();
    EXPECT_EQ(b->ScrollPosition(), 0);
    EXPECT_FALSE(b->ScrollButtonsShown());
}
