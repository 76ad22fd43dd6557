#include "skin/controls/TlxSkinHint.h"

#include "platform/gdi/TCanvas.h"
#include "platform/vcl/TImageList.h"
#include "platform/win/WinApi.h"
#include "skin/controls/TlxSkinHintWindow.h"
#include "skin/controls/TlxSkinImagesMenu.h"
#include "skin/controls/TlxSkinImagesMenuPopupWindow.h"
#include "skin/controls/TlxSkinPanel.h"
#include "skin/engine/SkinData.h"
#include "tests/support/skin/TSkinControlTest.h"

namespace {

// A main form carrying the hint component; the test's own form holds the
// hovered controls. The work area is 1024 x 728.
class TlxSkinHintTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        Application->CreateForm(MainForm);
        Hint = new TlxSkinHint(MainForm);
    }
    void TearDown() override {
        MainForm->Free();
        TSkinControlTest::TearDown();
    }
    TRect ScreenRect(TControl* W) const {
        const TPoint o = W->ClientToScreen({0, 0});
        return {o.X, o.Y, o.X + W->Width(), o.Y + W->Height()};
    }
    // The hint picture: StandardPicture's nine-part frame of 48 x 24 taken
    // whole, its client from (4, 4) to (44, 20).
    void LoadHintSkin(const TPoint& LT, const TPoint& RT, const TPoint& LB, const TPoint& RB) {
        TTestSkin skin;
        auto& hw = *skin.Content().HintWindow;
        hw.WindowPictureIndex = skin.AddPicture(TTestSkin::StandardPicture());
        hw.MaskPictureIndex = -1;
        hw.LTPoint = LT;
        hw.RTPoint = RT;
        hw.LBPoint = LB;
        hw.RBPoint = RB;
        hw.ClRect = {4, 4, 44, 20};
        hw.FontName = "Arial";
        hw.FontHeight = 14;
        hw.FontColor = clWhite;
        skin.LoadInto(SD);
        Hint->SetSkinData(SD);
    }

    TForm* MainForm = nullptr;
    TlxSkinHint* Hint = nullptr;
};

} // namespace

TEST_F(TlxSkinHintTest, TheLineSeparatorGivesALineBreak) {
    Hint->ActivateHint({100, 100}, "one");
    const int oneLine = Hint->HW->Height();
    Hint->ActivateHint({100, 100}, "one@two");
    EXPECT_EQ(Hint->HW->Text(), "one\r\ntwo");
    EXPECT_EQ(Hint->HW->Height() - 4, 2 * (oneLine - 4));
    EXPECT_TRUE(Hint->IsVisible());
    Hint->HideHint();
    EXPECT_FALSE(Hint->IsVisible());
}

TEST_F(TlxSkinHintTest, AHintIsKeptInsideTheWorkAreaOnAllFourEdges) {
    Hint->ActivateHint({0, 0}, "Some hint text");
    const int w = Hint->HW->Width(), h = Hint->HW->Height();
    struct Case {
        const char* Name;
        std::function<void()> Show;
        TPoint Expected;
    } cases[] = {
        {"inside: where asked",
         [&] {
             Hint->ActivateHint({100, 100}, "Some hint text");
         },
         {100, 100}},
        {"past the right edge: left by its width and 2",
         [&] {
             Hint->ActivateHint({1020, 100}, "Some hint text");
         },
         {1020 - w - 2, 100}},
        {"past the bottom: up by its height and 2",
         [&] {
             Hint->ActivateHint({100, 720}, "Some hint text");
         },
         {100, 720 - h - 2}},
        {"before the left and top edges",
         [&] {
             Hint->ActivateHint({-40, -30}, "Some hint text");
         },
         {0, 0}},
        {"above a rectangle at the top",
         [&] {
             Hint->HW->ActivateHintFromRect({100, 2, 200, 20}, "Some hint text", true);
         },
         {150 - w / 2, 0}},
        {"below a rectangle",
         [&] {
             Hint->HW->ActivateHintFromRect({100, 2, 200, 20}, "Some hint text", false);
         },
         {150 - w / 2, 20}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        c.Show();
        const TRect r = ScreenRect(Hint->HW);
        EXPECT_EQ((TPoint{r.Left, r.Top}), c.Expected);
    }
}

TEST_F(TlxSkinHintTest, TimedHintsFollowHintPauseAndHintHidePause) {
    Application->SetHintPause(300);
    Application->SetHintHidePause(1000);
    Session.MouseMove({200, 150});
    Session.Pump();
    Hint->ActivateHint2("later");
    Session.Advance(299);
    EXPECT_FALSE(Hint->IsVisible());
    Session.Advance(1);
    ASSERT_TRUE(Hint->IsVisible());
    EXPECT_EQ(ScreenRect(Hint->HW).Left, 200);
    EXPECT_EQ(ScreenRect(Hint->HW).Top, 150 + Hint->GetCursorHeightMargin());
    Session.Advance(999);
    EXPECT_TRUE(Hint->IsVisible());
    Session.Advance(1);
    EXPECT_FALSE(Hint->IsVisible());
    EXPECT_EQ(Hint->HintTimer(), nullptr);

    // A new request replaces a pending one; HideHint drops it.
    Hint->ActivateHint3({100, 100, 140, 120}, "beside", false);
    Session.Advance(100);
    Hint->HideHint();
    Session.Advance(1000);
    EXPECT_FALSE(Hint->IsVisible());
}

TEST_F(TlxSkinHintTest, ASkinnedControlsTitleAndPictureGiveTheExtendedHint) {
    auto* images = new TImageList(Form);
    images->SetWidth(16);
    images->SetHeight(16);
    TBitmap picture(16, 16);
    images->Add(&picture, nullptr);
    auto* plain = Make<TlxSkinPanel>(10, 10, 100, 40);
    auto* titled = Make<TlxSkinPanel>(10, 60, 100, 40);
    for (TlxSkinPanel* p : {plain, titled}) {
        p->SetHint("Hint text");
        p->SetShowHint(true);
    }
    titled->SetHintTitle("Title");
    titled->SetHintImageList(images);
    titled->SetHintImageIndex(0);
    Session.Pump();

    auto hover = [&](TControl* C) {
        Session.MouseMove(At(C, 50, 20));
        Session.Pump();
        Session.Advance(Application->HintPause() + 10);
        auto* w = dynamic_cast<TlxSkinHintWindow*>(Application->HintWindow());
        EXPECT_TRUE(w) << "the application's hint window is the skinned one";
        return w;
    };
    TlxSkinHintWindow* w = hover(plain);
    ASSERT_TRUE(w && w->Visible());
    EXPECT_FALSE(w->AExtendedStyle);
    const int plainWidth = w->Width(), plainHeight = w->Height();

    w = hover(titled);
    ASSERT_TRUE(w && w->Visible());
    EXPECT_TRUE(w->AExtendedStyle);
    EXPECT_GE(w->Width(), plainWidth + 16 + 10);
    EXPECT_GT(w->Height(), plainHeight + 10);
}

TEST_F(TlxSkinHintTest, OnlyOneActiveHintServesAndWithoutOneNothingShows) {
    auto* second = new TlxSkinHint(MainForm);
    second->SetActive(true);
    EXPECT_FALSE(Hint->Active());
    EXPECT_EQ(FindActiveSkinHint(), second);
    Hint->SetActive(true);
    EXPECT_FALSE(second->Active());
    EXPECT_EQ(FindActiveSkinHint(), Hint);

    Hint->SetActive(false);
    EXPECT_EQ(FindActiveSkinHint(), nullptr);
    Hint->ActivateHint({100, 100}, "nobody serves");
    EXPECT_FALSE(Hint->IsVisible());
}

TEST_F(TlxSkinHintTest, TheFadeRunsOnATimerInFifteenStepsAndALastOne) {
    Session.Backend().SetLayeredCapability(true);
    Hint->SetAlphaBlend(true);
    Hint->SetAlphaBlendAnimation(true);
    struct Case {
        int Value, Step, Steps;
    } cases[] = {{200, 13, 16}, {10, 1, 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Value);
        Hint->SetAlphaBlendValue(static_cast<Byte>(c.Value));
        EXPECT_EQ(TlxSkinHintWindow::FadeStepOf(c.Value), c.Step);
        Hint->ActivateHint({100, 100}, "fading");
        EXPECT_EQ(Hint->HW->WindowAlpha(), c.Step) << "the first step at once";
        EXPECT_EQ(Hint->HW->FadeTarget(), c.Value) << "the rest on the timer";
        Session.Advance(4 * (c.Steps - 2));
        EXPECT_LT(Hint->HW->WindowAlpha(), c.Value);
        Session.Advance(4);
        EXPECT_EQ(Hint->HW->WindowAlpha(), c.Value);
        EXPECT_EQ(Hint->HW->FadeTarget(), -1);
        // Hidden during a fade, the window ends at its end state.
        Hint->ActivateHint({100, 100}, "again");
        Hint->HideHint();
        EXPECT_EQ(Hint->HW->FadeTarget(), -1);
        EXPECT_EQ(Hint->HW->WindowAlpha(), c.Value);
    }
}

TEST_F(TlxSkinHintTest, ASkinnedHintKeepsItsStretchedCornersInOrder) {
    // Corner points far inside a 48-pixel picture: a short text would put
    // the right points left of the left ones.
    LoadHintSkin({40, 4}, {44, 4}, {40, 20}, {44, 20});
    Hint->ActivateHint({100, 100}, "a");
    TlxSkinHintWindow* w = Hint->HW;
    EXPECT_GE(w->NewRTPoint.X, w->NewLTPoint.X);
    EXPECT_GE(w->NewRBPoint.X, w->NewLBPoint.X);
    EXPECT_GE(w->NewLBPoint.Y, w->NewLTPoint.Y);
    EXPECT_GE(w->NewRBPoint.Y, w->NewRTPoint.Y);
    Session.Pump();
    const TBitmap shot = Session.WindowShot(w->Handle());
    EXPECT_EQ(shot.ScanLine(0)[0] & 0xFFFFFF, 0xFF0000u) << "the skin's red corner";
}

TEST_F(TlxSkinHintTest, TheImagesMenuShowsItsItemsHintsWhileTheyAreHovered) {
    auto* images = new TImageList(Form);
    images->SetWidth(16);
    images->SetHeight(16);
    TBitmap picture(16, 16);
    images->Add(&picture, nullptr);
    auto* menu = new TlxSkinImagesMenu(Form);
    menu->SetImages(images);
    menu->SetSkinHint(Hint);
    for (const char* text : {"first", ""}) {
        TlxImagesMenuItem* item = menu->ImagesItems()->Add();
        item->SetImageIndex(0);
        item->SetHint(text);
    }
    menu->PopupFromRect({100, 100, 120, 120});
    Session.Pump();
    TlxSkinImagesMenuPopupWindow* grid = menu->PopupWindow();
    ASSERT_TRUE(grid);
    auto cell = [&](int I) {
        const TRect& r = menu->ImagesItems()->Items(I)->ItemRect;
        return grid->ClientToScreen({r.Left + 5, r.Top + 5});
    };
    Session.MouseMove(cell(0));
    Session.Pump();
    Session.Advance(Application->HintPause() + 10);
    EXPECT_TRUE(Hint->IsVisible());
    EXPECT_EQ(Hint->HW->Text(), "first");
    Session.MouseMove(cell(1)); // no hint of its own
    Session.Pump();
    EXPECT_FALSE(Hint->IsVisible());
    Session.MouseMove(cell(0));
    Session.Pump();
    Session.Advance(Application->HintPause() + 10);
    EXPECT_TRUE(Hint->IsVisible());
    menu->Hide();
    Session.Pump();
    EXPECT_FALSE(Hint->IsVisible());
}
