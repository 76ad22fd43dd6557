#include "skin/controls/TlxSkinSpeedButton.h"

#include "platform/vcl/TImageList.h"
#include "skin/controls/TlxSkinPaintPanel.h"
#include "skin/engine/DataSkinControls.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <functional>
#include <string>
#include <vector>

namespace {

// The border colours of the four state images (blocks of 25 x 25, left to
// right): normal, hot, pressed, disabled.
constexpr uint32_t NormalRgb = 0x808080, HotRgb = 0x2080E0, PressedRgb = 0x204080, DisabledRgb = 0xC0C0C0;
// The two colours of the patterned parent.
constexpr uint32_t PatternA = 0xE02020, PatternB = 0x2020E0;

TBitmap ToolPicture() {
    TBitmap b(100, 25);
    const uint32_t borders[] = {NormalRgb, HotRgb, PressedRgb, DisabledRgb};
    for (int i = 0; i < 4; ++i) {
        FillPixels(b, {i * 25, 0, i * 25 + 25, 25}, borders[i]);
        FillPixels(b, {i * 25 + 3, 3, i * 25 + 22, 22}, 0xF0F0F0);
    }
    return b;
}

uint32_t Rgb(const TBitmap& B, int X, int Y) {
    return B.ScanLine(Y)[X] & 0xFFFFFF;
}

uint32_t SystemRgb(TColor C) {
    return ColorToPixel(C) & 0xFFFFFF;
}

class TlxSkinSpeedButtonTest : public TSkinControlTest {
protected:
    void LoadSkin(const std::function<void(TlxDataSkinButtonControl&)>& Change = {}) {
        TTestSkin skin;
        const int picture = skin.AddPicture(ToolPicture());
        auto& d = skin.Add<TlxDataSkinButtonControl>("toolbutton");
        d.PictureIndex = picture;
        d.MaskPictureIndex = -1;
        d.SkinRect = {0, 0, 25, 25};
        d.LTPoint = {3, 3};
        d.RTPoint = {22, 3};
        d.LBPoint = {3, 22};
        d.RBPoint = {22, 22};
        d.ClRect = {3, 3, 22, 22};
        d.ActiveSkinRect = {25, 0, 50, 25};
        d.DownSkinRect = {50, 0, 75, 25};
        d.DisabledSkinRect = {75, 0, 100, 25};
        d.FontColor = clBlack;
        d.ActiveFontColor = clNavy;
        d.DownFontColor = clWhite;
        d.DisabledFontColor = clBlack;
        d.Morphing = false;
        d.GlowLayerPictureIndex = d.GlowLayerMaskPictureIndex = -1;
        if (Change) Change(d);
        skin.LoadInto(SD);
    }
    TlxSkinSpeedButton* Button(bool Skinned, int X = 10, int Y = 10, TWinControl* Parent = nullptr) {
        auto* b = Make<TlxSkinSpeedButton>(X, Y, 25, 25, Parent);
        if (Skinned) b->SetSkinData(SD);
        b->OnClick = [this, b](TObject*) { Clicks.push_back(b->Name().empty() ? "click" : b->Name()); };
        Session.Pump();
        return b;
    }
    // A panel painted in stripes of 2 pixels, red and blue.
    TlxSkinPaintPanel* PatternedPanel() {
        auto* p = Make<TlxSkinPaintPanel>(100, 100, 120, 80);
        p->SetBorderStyle(bvNone);
        p->OnPanelPaint = [](TCanvas* C, const TRect& R) {
            for (int x = R.Left; x < R.Right; ++x) {
                const uint32_t rgb = (x / 2) % 2 ? PatternB : PatternA;
                C->Brush()->SetColor(RGB(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF));
                C->FillRect({x, R.Top, x + 1, R.Bottom});
            }
        };
        return p;
    }
    void Enter(TControl* C) {
        Session.MouseMove(At(C, 12, 12));
        Session.Pump();
    }
    void Leave() {
        Session.MouseMove({390, 290});
        Session.Pump();
    }
    uint32_t Border(TControl* C) { return Rgb(Shot(C), 1, 1); }

    std::vector<std::string> Clicks;
};

} // namespace

TEST_F(TlxSkinSpeedButtonTest, ANewButtonHasTheDeclaredDefaults) {
    auto* b = new TlxSkinSpeedButton(Form);
    EXPECT_EQ(b->Width(), 25);
    EXPECT_EQ(b->Height(), 25);
    EXPECT_EQ(b->SkinDataName(), "toolbutton");
    EXPECT_EQ(b->ControlStyle(), (TControlStyle{csCaptureMouse, csOpaque, csDoubleClicks}));
    EXPECT_EQ(b->Spacing(), 1);
    EXPECT_EQ(b->Margin(), -1);
    EXPECT_EQ(b->ImageIndex(), 0);
    EXPECT_EQ(b->RepeatInterval(), 100);
    EXPECT_TRUE(b->ShowCaption());
    EXPECT_FALSE(b->Transparent());
    b->SetFlat(true);
    EXPECT_TRUE(b->Transparent());
    b->SetFlat(false);
    EXPECT_FALSE(b->Transparent());
}

TEST_F(TlxSkinSpeedButtonTest, ShowCaptionSwitchesTheWidthWhenBothWidthsAreSet) {
    auto* b = Button(false);
    b->SetCaption("Open");
    b->SetShowCaption(false);
    EXPECT_EQ(b->Width(), 25); // no widths set: only a repaint
    b->SetWidthWithCaption(60);
    b->SetShowCaption(true);
    EXPECT_EQ(b->Width(), 25); // one width alone is not enough
    b->SetWidthWithoutCaption(24);
    b->SetShowCaption(false);
    EXPECT_EQ(b->Width(), 24);
    b->SetShowCaption(true);
    EXPECT_EQ(b->Width(), 60);
}

TEST_F(TlxSkinSpeedButtonTest, EachStateShowsItsImage) {
    struct Case {
        const char* Name;
        std::function<void(TlxSkinSpeedButton*)> Do;
        TlxButtonLook Look;
        uint32_t Border;
    } cases[] = {
        {"normal", [](auto*) {}, TlxButtonLook::Normal, NormalRgb},
        {"hot", [this](auto* b) { Enter(b); }, TlxButtonLook::Hot, HotRgb},
        {"pressed",
         [this](auto* b) {
             Enter(b);
             Session.MouseDown(At(b, 12, 12));
         },
         TlxButtonLook::Pressed, PressedRgb},
        {"down in a group, pointer away",
         [](auto* b) {
             b->SetGroupIndex(1);
             b->SetDown(true);
         },
         TlxButtonLook::Pressed, PressedRgb},
        {"down alone, pointer away: not pressed", [](auto* b) { b->SetDown(true); }, TlxButtonLook::Normal,
         NormalRgb},
        {"disabled", [](auto* b) { b->SetEnabled(false); }, TlxButtonLook::Disabled, DisabledRgb},
    };
    LoadSkin();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* b = Button(true);
        c.Do(b);
        Session.Pump();
        EXPECT_EQ(b->Look(), c.Look);
        EXPECT_EQ(Border(b), c.Border);
        Session.MouseUp({390, 290});
        Leave();
        b->Free();
    }
    // Without a disabled image the normal one.
    LoadSkin([](TlxDataSkinButtonControl& d) { d.DisabledSkinRect = {}; });
    auto* b = Button(true);
    b->SetEnabled(false);
    EXPECT_EQ(Border(b), NormalRgb);
}

TEST_F(TlxSkinSpeedButtonTest, AFlatButtonShowsItsParentUntilThePointerComes) {
    auto* panel = PatternedPanel();
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned);
        LoadSkin([](TlxDataSkinButtonControl& d) { d.Morphing = true; });
        auto* b = Button(skinned, 20, 20, panel);
        b->SetFlat(true);
        TBitmap idle = Shot(b);
        for (int x : {0, 2, 12, 24})
            EXPECT_EQ(Rgb(idle, x, 12), (((x + 20) / 2) % 2 ? PatternB : PatternA)) << x;

        Enter(b);
        EXPECT_EQ(b->MorphKf(), 0); // a transparent button never fades
        EXPECT_EQ(Rgb(Shot(b), 0, 0), skinned ? HotRgb : 0x000080u);
        Session.Advance(100);
        EXPECT_EQ(b->MorphKf(), 0);
        Session.MouseDown(At(b, 12, 12));
        Session.Pump();
        EXPECT_EQ(Rgb(Shot(b), 0, 0), skinned ? PressedRgb : 0x000080u);
        Session.MouseUp(At(b, 12, 12));
        Leave();
        idle = Shot(b);
        EXPECT_EQ(Rgb(idle, 0, 0), PatternA);
        EXPECT_EQ(Rgb(idle, 2, 0), PatternB);
        b->Free();
    }
}

TEST_F(TlxSkinSpeedButtonTest, AnOpaqueButtonWithoutFlatDrawsTheBuiltInFrame) {
    struct Case {
        const char* Name;
        bool Flat, Transparent;
        uint32_t Corner, Inside;
    } cases[] = {
        {"plain", false, false, SystemRgb(clBtnShadow), SystemRgb(clBtnFace)},
        {"flat and opaque", true, false, SystemRgb(clBtnFace), SystemRgb(clBtnFace)},
        {"flat and transparent", true, true, PatternA, PatternA},
    };
    auto* panel = PatternedPanel();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* b = Button(false, 20, 20, panel);
        b->SetFlat(c.Flat);
        b->SetTransparent(c.Transparent);
        const TBitmap shot = Shot(b);
        EXPECT_EQ(Rgb(shot, 0, 0), c.Corner);
        EXPECT_EQ(Rgb(shot, 12, 0), c.Inside == PatternA ? PatternA : c.Corner);
        EXPECT_EQ(Rgb(shot, 12, 12), c.Inside);
        b->Free();
    }
}

TEST_F(TlxSkinSpeedButtonTest, CrossFadesFollowThePointerAFifthEveryTwentyMilliseconds) {
    LoadSkin([](TlxDataSkinButtonControl& d) { d.Morphing = true; });
    auto* b = Button(true);
    Enter(b);
    for (double expected : {0.2, 0.4, 0.6, 0.8, 1.0}) {
        Session.Advance(20);
        EXPECT_NEAR(b->MorphKf(), expected, 1e-9);
    }
    EXPECT_EQ(Border(b), HotRgb);
    Leave();
    Session.Advance(100);
    EXPECT_EQ(b->MorphKf(), 0);
    EXPECT_EQ(Border(b), NormalRgb);

    // Without skin effects the hot image shows at once.
    SD->SetEnableSkinEffects(false);
    Enter(b);
    EXPECT_EQ(Border(b), HotRgb);
    Session.Advance(100);
    EXPECT_EQ(b->MorphKf(), 0);
}

TEST_F(TlxSkinSpeedButtonTest, APlainButtonClicksOnReleaseOverItOnly) {
    LoadSkin();
    auto* b = Button(true);
    Enter(b);
    Session.MouseDown(At(b, 12, 12));
    Session.Pump();
    EXPECT_TRUE(Clicks.empty());
    EXPECT_TRUE(b->Down());
    Session.MouseUp(At(b, 12, 12));
    Session.Pump();
    EXPECT_EQ(Clicks.size(), 1u);
    EXPECT_FALSE(b->Down());

    // Released outside: no click, and the normal look again.
    Session.MouseDown(At(b, 12, 12));
    Session.MouseMove({390, 290});
    Session.MouseUp({390, 290});
    Session.Pump();
    EXPECT_EQ(Clicks.size(), 1u);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(Border(b), NormalRgb);
}

TEST_F(TlxSkinSpeedButtonTest, GroupButtonsClickGoingDownAndToggleExclusivelyOrEachOnItsOwn) {
    for (bool allowAllUp : {false, true}) {
        SCOPED_TRACE(allowAllUp);
        auto* panel = Make<TCustomControl>(10, 200, 200, 40);
        TlxSkinSpeedButton* b[3];
        for (int i = 0; i < 3; ++i) {
            b[i] = Button(false, 10 + i * 40, 10);
            b[i]->SetName("b" + std::to_string(i));
            b[i]->SetGroupIndex(1);
            b[i]->SetAllowAllUp(allowAllUp);
        }
        auto* other = Button(false, 10, 5, panel); // same group, another parent
        other->SetGroupIndex(1);
        other->SetDown(true);

        Clicks.clear();
        Session.MouseMove(At(b[0], 12, 12));
        Session.MouseDown(At(b[0], 12, 12));
        Session.Pump();
        EXPECT_EQ(Clicks, (std::vector<std::string>{"b0"}));
        Session.MouseUp(At(b[0], 12, 12));
        Session.Click(At(b[1], 12, 12));
        Session.Pump();
        EXPECT_EQ(b[0]->Down(), allowAllUp);
        EXPECT_TRUE(b[1]->Down());
        EXPECT_TRUE(other->Down());
        Session.Click(At(b[1], 12, 12));
        Session.Pump();
        EXPECT_EQ(b[1]->Down(), !allowAllUp);
        EXPECT_EQ(Clicks.size(), allowAllUp ? 3u : 2u);
        panel->Free();
        for (auto* x : b)
            x->Free();
    }
}

TEST_F(TlxSkinSpeedButtonTest, RepeatModeClicksAfterHalfASecondThenEveryInterval) {
    auto* b = Button(false);
    b->SetRepeatMode(true);
    b->SetRepeatInterval(100);
    Enter(b);
    Session.MouseDown(At(b, 12, 12));
    Session.Advance(499);
    EXPECT_EQ(Clicks.size(), 0u);
    Session.Advance(1);
    EXPECT_EQ(Clicks.size(), 1u);
    Session.Advance(200);
    EXPECT_EQ(Clicks.size(), 3u);
    // Leaving while held stops the repeats; coming back starts over with 500 ms.
    Session.MouseMove({390, 290});
    Session.Advance(600);
    EXPECT_EQ(Clicks.size(), 3u);
    Session.MouseMove(At(b, 12, 12));
    Session.Advance(499);
    EXPECT_EQ(Clicks.size(), 3u);
    Session.Advance(1);
    EXPECT_EQ(Clicks.size(), 4u);
    Session.MouseUp(At(b, 12, 12));
    Session.Advance(500);
    EXPECT_EQ(Clicks.size(), 5u); // the release over the button clicks once more
}

TEST_F(TlxSkinSpeedButtonTest, TheAcceleratorClicksAnEnabledVisibleButton) {
    auto* b = Button(false);
    b->SetCaption("&Open");
    EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'x'), 0);
    EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'o'), 1);
    EXPECT_EQ(Clicks.size(), 1u);
    b->SetEnabled(false);
    EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'o'), 0);
    b->SetEnabled(true);
    b->SetVisible(false);
    EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'o'), 0);
    EXPECT_EQ(Clicks.size(), 1u);
}

TEST_F(TlxSkinSpeedButtonTest, DisablingUnderThePointerLeavesNoHotLookBehind) {
    LoadSkin();
    auto* b = Button(true);
    Enter(b);
    b->SetEnabled(false);
    Leave();
    b->SetEnabled(true);
    Session.Pump();
    EXPECT_FALSE(b->MouseIn());
    EXPECT_EQ(Border(b), NormalRgb);
}

TEST_F(TlxSkinSpeedButtonTest, ImagesComeFromTheOwnListWhileTheGlyphIsEmpty) {
    auto* images = new TCustomImageList(Form);
    images->SetWidth(8);
    images->SetHeight(8);
    TBitmap image(8, 8);
    image.Fill(0xFF2020E0);
    images->AddMasked(&image, clNone);
    TBitmap glyph(8, 8);
    glyph.Fill(0xFFFF00FF);
    FillPixels(glyph, {1, 1, 7, 7}, 0x20E020);

    auto* b = Button(false);
    b->SetImageList(images);
    EXPECT_EQ(Rgb(Shot(b), 12, 12), 0x2020E0u); // index 0 by default
    b->SetGlyph(glyph);
    EXPECT_EQ(Rgb(Shot(b), 12, 12), 0x20E020u);
}

TEST_F(TlxSkinSpeedButtonTest, AHandlerMayFreeTheButtonsFormFromOnClick) {
    auto* form = new TSkinTestForm(nullptr);
    form->SetBounds(0, 0, 200, 100);
    form->Show();
    auto* b = new TlxSkinSpeedButton(form);
    b->SetParent(form);
    b->SetBounds(10, 10, 25, 25);
    b->SetRepeatMode(true);
    int clicks = 0;
    b->OnClick = [&](TObject*) {
        ++clicks;
        form->Free();
    };
    Session.Pump();
    Session.MouseMove(At(b, 12, 12));
    Session.MouseDown(At(b, 12, 12));
    Session.Advance(600); // the first repeated click frees the form
    Session.MouseUp({20, 20});
    Session.Pump();
    EXPECT_EQ(clicks, 1);
}
