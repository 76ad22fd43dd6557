// The inactive client panel: a blurred or veiled picture of the client area
// shown while the form is inactive, made from the form's own painting.

#include "skin/windows/TlxClientInActivePanel.h"
#include "platform/backend/headless/THeadlessSession.h"
#include "platform/vcl/TApplication.h"
#include "skin/windows/TlxLumivex.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/pictures/PixelArt.h"

#include <gtest/gtest.h>

namespace {

// A form at (40, 30), 200 x 140 under the default frame (client 194 x 115),
// with a red and blue logo in the middle of its background and black and
// white stripes painted in its top-left corner.
class TlxClientInActivePanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        Form = new TForm(nullptr);
        Form->SetBounds(40, 30, 200, 140);
        Form->OnPaint = [this](TObject*) {
            TCanvas* c = Form->Canvas();
            for (int i = 0; i < 6; ++i) {
                c->Brush()->SetColor(i % 2 ? clWhite : clBlack);
                c->FillRect({4 + i * 6, 4, 10 + i * 6, 40});
            }
        };
        LVX = new TlxLumivex(Form);
        TBitmap logo(40, 24);
        logo.Canvas()->Brush()->SetColor(clRed);
        logo.Canvas()->FillRect({0, 0, 20, 24});
        logo.Canvas()->Brush()->SetColor(clBlue);
        logo.Canvas()->FillRect({20, 0, 40, 24});
        LVX->SetLogoBitMap(&logo);
        LVX->SetClientInActiveEffect(true);
        Form->Show();
        Session.Pump();
    }
    void TearDown() override {
        if (Other) Other->Free();
        Form->Free();
        Session.Pump();
    }
    // Another form takes the activation, at X, Y.
    void Deactivate(int X = 600, int Y = 400) {
        Other = new TForm(nullptr);
        Other->SetBorderStyle(bsNone);
        Other->SetColor(clLime);
        Other->SetBounds(X, Y, 120, 80);
        Other->Show();
        Session.Pump();
        ASSERT_FALSE(Form->Active());
    }
    THeadlessSession Session;
    TForm* Form = nullptr;
    TForm* Other = nullptr;
    TlxLumivex* LVX = nullptr;
};

} // namespace

TEST_F(TlxClientInActivePanelTest, BlurAndVeilWhileInactiveGoneWhenActiveAgain) {
    for (auto [effect, name] : {std::pair{lxieBlur, "blur"}, std::pair{lxieSemiTransparent, "veil"}}) {
        LVX->SetClientInActiveEffectType(effect);
        Deactivate();
        TlxClientInActivePanel* panel = LVX->InActivePanel();
        ASSERT_NE(panel, nullptr) << name;
        EXPECT_TRUE(panel->Visible());
        EXPECT_EQ(panel->BoundsRect(), (TRect{0, 0, 194, 115}));
        EXPECT_TRUE(MatchesGolden(Session.WindowShot(Form->Handle()),
                                  std::string("skin/windows/TlxClientInActivePanel/") + name));
        Form->Show();
        Session.Pump();
        EXPECT_EQ(LVX->InActivePanel(), nullptr);
        Other->Free();
        Other = nullptr;
    }
}

// A window lying over the form when it goes inactive never shows in the
// picture: the form paints it off-screen.
TEST_F(TlxClientInActivePanelTest, SnapshotIgnoresWindowsLyingOverTheForm) {
    LVX->SetClientInActiveEffectType(lxieBlur);
    Deactivate(120, 100);
    TlxBitmap* buffer = LVX->InActivePanel()->Buffer();
    ASSERT_NE(buffer, nullptr);
    // (100, 90) of the client lies under the other window, far from the logo.
    TBitmap copy;
    buffer->AssignTo(copy);
    EXPECT_EQ(PixelAt(copy, 170, 100) & 0xFFFFFF, ColorToPixel(clBtnFace) & 0xFFFFFF);
}

// An MDI parent's picture holds its client window's background and its children.
TEST_F(TlxClientInActivePanelTest, MDIParentPictureHoldsTheWorkspaceAndChildren) {
    TForm* main = nullptr;
    Application->CreateForm(main);
    main->SetFormStyle(fsMDIForm);
    main->SetBounds(0, 0, 300, 200);
    auto* lvx = new TlxLumivex(main);
    lvx->SetClientInActiveEffect(true);
    lvx->SetClientInActiveEffectType(lxieBlur);
    main->Show();
    Session.Pump();
    auto* child = new TForm(Application);
    child->SetFormStyle(fsMDIChild);
    child->SetColor(clYellow);
    child->SetBounds(150, 100, 100, 60);
    child->Show();
    Session.Pump();
    Deactivate();
    TBitmap copy;
    ASSERT_NE(lvx->InActivePanel(), nullptr);
    lvx->InActivePanel()->Buffer()->AssignTo(copy);
    EXPECT_EQ(PixelAt(copy, 40, 40) & 0xFFFFFF, ColorToPixel(clAppWorkSpace) & 0xFFFFFF);
    EXPECT_EQ(PixelAt(copy, 200, 130) & 0xFFFFFF, ColorToPixel(clYellow) & 0xFFFFFF);
    main->Free();
}
