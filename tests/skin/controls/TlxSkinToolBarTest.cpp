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
