#include "skin/controls/TlxSkinMenuSpeedButton.h"

#include "skin/engine/DataSkinControls.h"
#include "skin/engine/SkinMessages.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <string>
#include <vector>

namespace {

// A popup menu that only records where it was asked to open.
class TRecordingMenu : public TlxSkinPopupMenu {
public:
    using TlxSkinPopupMenu::TlxSkinPopupMenu;
    struct TOpening {
        TControl* Control;
        TRect R;
        bool Up;
    };
    void PopupFromRect2(TControl* Control, const TRect& R, bool PopupUp) override {
        Openings.push_back({Control, R, PopupUp});
    }
    std::vector<TOpening> Openings;
};

constexpr uint32_t NormalRgb = 0x808080, HotRgb = 0x2080E0, PressedRgb = 0x204080;

uint32_t Rgb(const TBitmap& B, int X, int Y) {
    return B.ScanLine(Y)[X] & 0xFFFFFF;
}

class TlxSkinMenuSpeedButtonTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        Menu = new TRecordingMenu(Form);
    }
    // "toolbutton": three state images of 40 x 25 side by side, each with a
    // border of 3 around a light client.
    void LoadSkin() {
        TTestSkin skin;
        TBitmap picture(120, 25);
        const uint32_t borders[] = {NormalRgb, HotRgb, PressedRgb};
        for (int i = 0; i < 3; ++i) {
            FillPixels(picture, {i * 40, 0, i * 40 + 40, 25}, borders[i]);
            FillPixels(picture, {i * 40 + 3, 3, i * 40 + 37, 22}, 0xF0F0F0);
        }
        auto& d = skin.Add<TlxDataSkinButtonControl>("toolbutton");
        d.PictureIndex = skin.AddPicture(picture);
        d.MaskPictureIndex = -1;
        d.SkinRect = {0, 0, 40, 25};
        d.LTPoint = {3, 3};
        d.RTPoint = {37, 3};
        d.LBPoint = {3, 22};
        d.RBPoint = {37, 22};
        d.ClRect = {3, 3, 37, 22};
        d.ActiveSkinRect = {40, 0, 80, 25};
        d.DownSkinRect = {80, 0, 120, 25};
        d.GlowLayerPictureIndex = d.GlowLayerMaskPictureIndex = -1;
        skin.LoadInto(SD);
    }
    TlxSkinMenuSpeedButton* Button(bool TrackMode) {
        auto* b = Make<TlxSkinMenuSpeedButton>(20, 20, 60, 25);
        b->SetSkinPopupMenu(Menu);
        b->SetTrackButtonMode(TrackMode);
        b->OnClick = [this](TObject*) { Events.push_back("click"); };
        b->OnShowTrackMenu = [this](TObject*) { Events.push_back("show"); };
        b->OnHideTrackMenu = [this](TObject*) { Events.push_back("hide"); };
        Session.Pump();
        return b;
    }
    void Press(TControl* B, int X) {
        Session.MouseMove(At(B, X, 12));
        Session.MouseDown(At(B, X, 12));
        Session.MouseUp(At(B, X, 12));
        Session.Pump();
    }

    TRecordingMenu* Menu = nullptr;
    std::vector<std::string> Events;
};

} // namespace

TEST_F(TlxSkinMenuSpeedButtonTest, APressOpensTheMenuUnderTheButtonWhichStaysDownUntilItCloses) {
    auto* b = Button(false);
    EXPECT_EQ(b->SkinDataName(), "toolmenubutton");
    Press(b, 10);
    ASSERT_EQ(Menu->Openings.size(), 1u);
    const TPoint origin = b->ClientToScreen({0, 0});
    EXPECT_EQ(Menu->Openings[0].Control, b);
    EXPECT_EQ(Menu->Openings[0].R, (TRect{origin.X, origin.Y, origin.X + 60, origin.Y + 25}));
    EXPECT_FALSE(Menu->Openings[0].Up);
    EXPECT_EQ(Events, (std::vector<std::string>{"show"})); // no click for the opening

    // Released and left, the button stays down while the menu shows.
    Session.MouseMove({390, 290});
    Session.Pump();
    EXPECT_TRUE(b->Down());
    EXPECT_TRUE(b->MenuTracked());
    EXPECT_EQ(b->Look(), TlxButtonLook::Pressed);

    b->Perform(WM_CLOSESKINMENU, 0, 0);
    EXPECT_FALSE(b->Down());
    EXPECT_FALSE(b->MenuTracked());
    EXPECT_FALSE(b->MouseIn());
    EXPECT_EQ(b->Look(), TlxButtonLook::Normal);
    EXPECT_EQ(Events, (std::vector<std::string>{"show", "hide"}));
}

TEST_F(TlxSkinMenuSpeedButtonTest, InTrackModeOnlyTheTrackPartOpensTheMenu) {
    LoadSkin();
    auto* b = Button(true);
    b->SetSkinDataName("toolbutton");
    b->SetSkinData(SD);
    EXPECT_EQ(b->TrackRect(), (TRect{45, 0, 60, 25}));

    Press(b, 10); // the main part: a plain speed button
    EXPECT_TRUE(Menu->Openings.empty());
    EXPECT_EQ(Events, (std::vector<std::string>{"click"}));
    EXPECT_FALSE(b->Down());

    for (int x : {45, 59}) {
        SCOPED_TRACE(x);
        Events.clear();
        Press(b, x);
        EXPECT_EQ(Events, (std::vector<std::string>{"show"}));
        EXPECT_TRUE(b->MenuTracked());
        // Tracked: the main part hot, the track part pressed.
        const TBitmap shot = Shot(b);
        EXPECT_EQ(Rgb(shot, 1, 1), HotRgb);
        EXPECT_EQ(Rgb(shot, 46, 1), PressedRgb);
        b->Perform(WM_CLOSESKINMENU, 0, 0);
        Session.MouseMove({390, 290});
        EXPECT_EQ(Rgb(Shot(b), 1, 1), NormalRgb);
    }
    EXPECT_EQ(Menu->Openings.size(), 2u);
}

TEST_F(TlxSkinMenuSpeedButtonTest, TheBuiltInLookFramesTheMainAndTheTrackPart) {
    auto* b = Button(true);
    const uint32_t hotFill = 0xB6BDD2, pressedFill = 0x8593B5, navy = 0x000080;
    Press(b, 50);
    TBitmap shot = Shot(b);
    EXPECT_EQ(Rgb(shot, 0, 0), navy);
    EXPECT_EQ(Rgb(shot, 5, 5), hotFill);
    EXPECT_EQ(Rgb(shot, 46, 2), pressedFill);
    b->Perform(WM_CLOSESKINMENU, 0, 0);

    // Pressed with the pointer in: the main part pressed, the track part hot.
    Session.MouseMove(At(b, 10, 12));
    Session.MouseDown(At(b, 10, 12));
    Session.Pump();
    shot = Shot(b);
    EXPECT_EQ(Rgb(shot, 5, 5), pressedFill);
    EXPECT_EQ(Rgb(shot, 46, 2), hotFill);
    Session.MouseUp(At(b, 10, 12));
}

TEST_F(TlxSkinMenuSpeedButtonTest, WithoutAMenuItIsAPlainSpeedButton) {
    auto* b = Button(false);
    b->SetSkinPopupMenu(nullptr);
    Press(b, 10);
    EXPECT_EQ(Events, (std::vector<std::string>{"click"}));
    EXPECT_FALSE(b->MenuTracked());
    EXPECT_FALSE(b->Down());

    // A menu that goes away is forgotten.
    b->SetSkinPopupMenu(Menu);
    Menu->Free();
    Menu = nullptr;
    EXPECT_EQ(b->SkinPopupMenu(), nullptr);
}

TEST_F(TlxSkinMenuSpeedButtonTest, NewStyleTakesTheResizeDescription) {
    auto* b = Button(false);
    b->SetNewStyle(true);
    EXPECT_EQ(b->SkinDataName(), "resizetoolbutton");
    b->SetTrackPosition(lxtpBottom);
    EXPECT_EQ(b->TrackRect(), (TRect{0, 10, 60, 25}));
}
