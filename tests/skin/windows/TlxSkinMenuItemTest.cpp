#include "skin/windows/TlxSkinMenuItem.h"

#include "platform/vcl/TImageList.h"
#include "platform/vcl/TTimer.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/DataSkinObjects.h"
#include "skin/windows/TlxSkinMenu.h"
#include "skin/windows/TlxSkinPopupWindow.h"
#include "tests/skin/windows/MenuFixture.h"
#include "tests/skin/windows/MenuSkin.h"
#include "tests/support/pictures/GoldenPicture.h"

namespace {

class TlxSkinMenuItemTest : public TMenuTestBase {
protected:
    void SetUp() override {
        TMenuTestBase::SetUp();
        Engine = new TlxSkinMenu(Form, Form);
    }
    // Every kind of row: a header, a separator, a caption with a shortcut,
    // checked check and radio items, an image with a check, a sub-menu
    // arrow, a frame-command glyph, a disabled row, a row framed by hyphens
    // that is enabled.
    TPopupMenu* AllRows() {
        TPopupMenu* m = Menu(
            {"-Header-", "-", "Save", "Check", "Radio", "Picture", "More", "Close", "Disabled", "-word-"});
        TMenuItem* root = m->Items();
        root->Items(0)->SetEnabled(false);
        root->Items(2)->SetShortCut(scCtrl | 'S');
        root->Items(3)->SetChecked(true);
        root->Items(4)->SetRadioItem(true);
        root->Items(4)->SetChecked(true);
        TBitmap picture(12, 12);
        picture.Fill(0xFF20A040);
        root->Items(5)->Bitmap()->Assign(picture);
        root->Items(5)->SetChecked(true);
        Item(root->Items(6), "Inner");
        root->Items(7)->SetName("LVX_CLOSE");
        root->Items(7)->SetChecked(true); // the glyph wins over the check
        root->Items(8)->SetEnabled(false);
        return m;
    }
    TBitmap Open(TPopupMenu* M, TlxSkinData* Skin) {
        Engine->Popup(Opener, Skin, 0, {100, 100, 100, 100}, M->Items(), false);
        Session.Pump();
        return Session.WindowShot(Engine->Windows(0)->Handle());
    }
    TlxSkinMenu* Engine = nullptr;
};

} // namespace

TEST_F(TlxSkinMenuItemTest, RowsInTheBuiltInLook) {
    TBitmap shot = Open(AllRows(), nullptr);
    EXPECT_TRUE(MatchesGolden(shot, "skin/windows/TlxSkinMenuItem/builtin", 16));
}

TEST_F(TlxSkinMenuItemTest, RowsInTheTestSkinsLook) {
    MenuSkin().LoadInto(SD);
    TBitmap shot = Open(AllRows(), SD);
    EXPECT_TRUE(Engine->Windows(0)->PW);
    EXPECT_TRUE(MatchesGolden(shot, "skin/windows/TlxSkinMenuItem/skinned", 16));
}

TEST_F(TlxSkinMenuItemTest, HeaderRowsAreDisabledCaptionsFramedByHyphens) {
    TPopupMenu* m = Menu({"-Word-", "-Word-", "-", "--"});
    m->Items()->Items(0)->SetEnabled(false);
    m->Items()->Items(3)->SetEnabled(false);
    Open(m, nullptr);
    TlxSkinPopupWindow* w = Engine->Windows(0);
    EXPECT_TRUE(w->Items(0)->IsHeader());
    EXPECT_FALSE(w->Items(1)->IsHeader()) << "enabled: an ordinary row";
    EXPECT_TRUE(w->Items(3)->IsHeader());
    EXPECT_EQ(MenuHeaderCaption("-Word-"), "Word");
    EXPECT_EQ(MenuHeaderCaption("--"), "");
}

TEST_F(TlxSkinMenuItemTest, ARowThatTheMouseLeavesMorphsBackInFiveSteps) {
    TTestSkin skin = MenuSkin();
    for (auto& o : skin.Content().ObjectList)
        if (auto* mi = dynamic_cast<TlxDataSkinMenuItem*>(o.get())) mi->Morphing = true;
    skin.LoadInto(SD);
    Open(Menu({"A", "B"}), SD);
    TlxSkinPopupWindow* w = Engine->Windows(0);
    TlxSkinMenuItem* a = w->Items(0);
    Session.Advance(100);
    EXPECT_EQ(a->MorphKf(), 1.0) << "selected at opening";
    w->PopupKeyDown(VK_DOWN);
    std::vector<double> seen;
    for (int i = 0; i < 6; ++i) {
        Session.Advance(20);
        seen.push_back(a->MorphKf());
    }
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_NEAR(seen[0], 0.8, 1e-9);
    EXPECT_NEAR(seen[3], 0.2, 1e-9);
    EXPECT_NEAR(seen[4], 0.0, 1e-9);
    EXPECT_FALSE(w->MorphTimer->Enabled()) << "the timer stops once no row changes";
}

TEST_F(TlxSkinMenuItemTest, AnOwnerDrawnRowShowsTheBackgroundAndWhatItsHandlerDraws) {
    MenuSkin().LoadInto(SD);
    TPopupMenu* m = Menu({"Drawn"});
    std::vector<std::string> calls;
    m->Items()->Items(0)->OnDrawItem = [&](TObject* Sender, TCanvas* C, const TRect& R, bool Selected) {
        calls.push_back(std::string(dynamic_cast<TlxSkinMenuItem*>(Sender) ? "row" : "other") +
                        (Selected ? " selected" : " normal"));
        C->Brush()->SetColor(clRed);
        C->FillRect({R.Left, R.Top, R.Left + 4, R.Top + 4});
    };
    TBitmap shot = Open(m, SD);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), "row selected");
    const TRect row = Engine->Windows(0)->Items(0)->ObjectRect;
    EXPECT_EQ(PixelAt(shot, row.Left + MenuSkinTextLeft, row.Top), 0xFF0000u);
}
