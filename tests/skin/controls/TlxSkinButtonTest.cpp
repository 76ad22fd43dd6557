#include "skin/controls/TlxSkinButton.h"

#include "platform/vcl/TCustomEdit.h"
#include "platform/vcl/TImageList.h"
#include "skin/engine/DataSkinControls.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <functional>

namespace {

// The border colours of the five state images (the picture's blocks of
// 40 x 20, left to right): normal, hot, pressed, focused, disabled.
constexpr uint32_t NormalRgb = 0x808080, HotRgb = 0x2080E0, PressedRgb = 0x204080, FocusedRgb = 0x20A020,
                   DisabledRgb = 0xC0C0C0;

void Fill(TBitmap& B, const TRect& R, uint32_t Rgb) {
    for (int y = R.Top; y < R.Bottom; ++y)
        for (int x = R.Left; x < R.Right; ++x)
            B.ScanLine(y)[x] = 0xFF000000 | Rgb;
}

// Five nine-part state images of 40 x 20 with a border of 3 around a light
// client.
TBitmap ButtonPicture() {
    TBitmap b(200, 20);
    const uint32_t borders[] = {NormalRgb, HotRgb, PressedRgb, FocusedRgb, DisabledRgb};
    for (int i = 0; i < 5; ++i) {
        Fill(b, {i * 40, 0, i * 40 + 40, 20}, borders[i]);
        Fill(b, {i * 40 + 3, 3, i * 40 + 37, 17}, 0xF0F0F0);
    }
    return b;
}

TBitmap Plain(int W, int H, uint32_t Rgb) {
    TBitmap b(W, H);
    Fill(b, {0, 0, W, H}, Rgb);
    return b;
}

// The state images with the actions that lead to them.
struct TStateCase {
    const char* Name;
    std::function<void(THeadlessSession&, TlxSkinButton*)> Do;
    TlxButtonLook Look;
    uint32_t Border;
};

const std::vector<TStateCase>& StateCases() {
    static const std::vector<TStateCase> cases = {
        {"normal", [](auto&, auto*) {}, TlxButtonLook::Normal, NormalRgb},
        {"hot",
         [](auto& s, auto* b) {
             s.MouseMove(b->ClientToScreen({20, 10}));
         },
         TlxButtonLook::Hot, HotRgb},
        {"pressed",
         [](auto& s, auto* b) {
             s.MouseMove(b->ClientToScreen({20, 10}));
             s.MouseDown(b->ClientToScreen({20, 10}));
         },
         TlxButtonLook::Pressed, PressedRgb},
        {"focused", [](auto&, auto* b) { b->SetFocus(); }, TlxButtonLook::Focused, FocusedRgb},
        {"disabled", [](auto&, auto* b) { b->SetEnabled(false); }, TlxButtonLook::Disabled, DisabledRgb},
    };
    return cases;
}

uint32_t Rgb(const TBitmap& B, int X, int Y) {
    return B.ScanLine(Y)[X] & 0xFFFFFF;
}

class TlxSkinButtonTest : public TSkinControlTest {
public:
    using TSkinControlTest::Session;

    // Picture 0 holds the state images, 1 a glow of 48 x 28, 2 its mask.
    void LoadSkin(const std::function<void(TlxDataSkinButtonControl&)>& Change = {}) {
        TTestSkin skin;
        const int picture = skin.AddPicture(ButtonPicture());
        skin.AddPicture(Plain(48, 28, 0xFFC040));
        skin.AddPicture(Plain(48, 28, 0x808080));
        auto& d = skin.Add<TlxDataSkinButtonControl>("button");
        d.PictureIndex = picture;
        d.MaskPictureIndex = -1;
        d.SkinRect = {0, 0, 40, 20};
        d.LTPoint = {3, 3};
        d.RTPoint = {37, 3};
        d.LBPoint = {3, 17};
        d.RBPoint = {37, 17};
        d.ClRect = {3, 3, 37, 17};
        d.ActiveSkinRect = {40, 0, 80, 20};
        d.DownSkinRect = {80, 0, 120, 20};
        d.FocusedSkinRect = {120, 0, 160, 20};
        d.DisabledSkinRect = {160, 0, 200, 20};
        d.FontColor = clBlack;
        d.ActiveFontColor = clNavy;
        d.DownFontColor = clWhite;
        d.DisabledFontColor = clBlack;
        d.Morphing = false;
        d.GlowLayerPictureIndex = d.GlowLayerMaskPictureIndex = -1;
        if (Change) Change(d);
        skin.LoadInto(SD);
    }
    TlxSkinButton* Button(bool Skinned, int X = 10, int Y = 10, TWinControl* Parent = nullptr) {
        auto* b = Make<TlxSkinButton>(X, Y, 75, 25, Parent);
        if (Skinned) b->SetSkinData(SD);
        b->OnClick = [this, b](TObject*) { Clicks.push_back(b->Name().empty() ? "click" : b->Name()); };
        Session.Pump();
        return b;
    }
    void Enter(TControl* C) {
        Session.MouseMove(At(C, 20, 10));
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

TEST_F(TlxSkinButtonTest, ANewButtonHasTheDeclaredDefaults) {
    auto* b = new TlxSkinButton(Form);
    EXPECT_EQ(b->Width(), 75);
    EXPECT_EQ(b->Height(), 25);
    EXPECT_EQ(b->SkinDataName(), "button");
    EXPECT_TRUE(b->TabStop());
    EXPECT_TRUE(b->CanFocused());
    EXPECT_EQ(b->Spacing(), 1);
    EXPECT_EQ(b->Margin(), -1);
    EXPECT_EQ(b->NumGlyphs(), 1);
    EXPECT_EQ(b->RepeatInterval(), 100);
    EXPECT_EQ(b->ImageIndex(), -1);
    b->SetGroupIndex(2);
    EXPECT_FALSE(b->CanFocused());
    EXPECT_FALSE(b->TabStop());
    b->SetMargin(-5);
    EXPECT_EQ(b->Margin(), -1);
    b->SetNumGlyphs(9);
    EXPECT_EQ(b->NumGlyphs(), 4);
}

TEST_F(TlxSkinButtonTest, EachStateShowsItsLookInBothLooks) {
    LoadSkin();
    for (bool skinned : {true, false})
        for (const TStateCase& c : StateCases()) {
            const std::string golden = std::string(skinned ? "skinned-" : "builtin-") + c.Name;
            SCOPED_TRACE(golden);
            auto* b = Button(skinned);
            b->SetCaption("&Save");
            c.Do(Session, b);
            Session.Pump();
            if (skinned) {
                EXPECT_EQ(b->Look(), c.Look);
                EXPECT_EQ(Border(b), c.Border);
            }
            EXPECT_TRUE(MatchesGolden(Shot(b), "skin/controls/TlxSkinButton/" + golden, 0));
            Session.MouseUp({390, 290});
            Leave();
            b->Free();
            Session.Pump();
        }
}

TEST_F(TlxSkinButtonTest, CaptionWithAGlyphStripOrAnImageListImage) {
    // A strip of two 8 x 8 frames: red normal, grey disabled; magenta is the
    // transparent key (the strip's bottom-left pixel).
    TBitmap glyph(16, 8);
    glyph.Fill(0xFFFF00FF);
    Fill(glyph, {1, 1, 7, 7}, 0xE02020);
    Fill(glyph, {9, 1, 15, 7}, 0x909090);
    auto* images = new TCustomImageList(Form);
    images->SetWidth(8);
    images->SetHeight(8);
    TBitmap image(8, 8);
    image.Fill(0xFF2020E0);
    images->AddMasked(&image, clNone);

    struct Case {
        const char* Golden;
        std::function<void(TlxSkinButton*)> Set;
    } cases[] = {
        {"glyph-left", [&](TlxSkinButton* b) { b->SetGlyph(glyph), b->SetNumGlyphs(2); }},
        {"glyph-top-disabled",
         [&](TlxSkinButton* b) {
             b->SetGlyph(glyph);
             b->SetNumGlyphs(2);
             b->SetLayout(blGlyphTop);
             b->SetEnabled(false);
         }},
        {"image-right",
         [&](TlxSkinButton* b) {
             b->SetImageList(images);
             b->SetImageIndex(0);
             b->SetLayout(blGlyphRight);
             b->SetSpacing(4);
         }},
        // An index outside the list draws the glyph.
        {"glyph-left",
         [&](TlxSkinButton* b) {
             b->SetGlyph(glyph);
             b->SetNumGlyphs(2);
             b->SetImageList(images);
             b->SetImageIndex(5);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Golden);
        auto* b = Button(false);
        b->SetBounds(10, 10, 75, 40);
        b->SetCaption("Go");
        c.Set(b);
        EXPECT_TRUE(MatchesGolden(Shot(b), std::string("skin/controls/TlxSkinButton/") + c.Golden, 0));
        b->Free();
    }
}

TEST_F(TlxSkinButtonTest, OnPaintCanReplaceTheContent) {
    auto* b = Button(false);
    b->SetCaption("Go");
    b->OnPaint = [](TObject*, TCanvas* C, const TRect& R, bool, bool, bool& DrawDefault) {
        C->Brush()->SetColor(clRed);
        C->FillRect({R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2});
        DrawDefault = false;
    };
    b->Invalidate();
    const TBitmap shot = Shot(b);
    EXPECT_EQ(Rgb(shot, 37, 12), 0xFF0000u);
    EXPECT_EQ(Rgb(shot, 0, 0), ColorToPixel(clBtnShadow) & 0xFFFFFF); // the built-in frame is still drawn
}

TEST_F(TlxSkinButtonTest, MissingStateRectanglesFallBack) {
    LoadSkin([](TlxDataSkinButtonControl& d) {
        d.DownSkinRect = {};
        d.FocusedSkinRect = {};
        d.DisabledSkinRect = {};
    });
    auto* b = Button(true);
    Enter(b);
    Session.MouseDown(At(b, 20, 10));
    EXPECT_EQ(Border(b), HotRgb); // pressed without a down image: the hot one
    Session.MouseUp(At(b, 20, 10));
    Leave();
    b->SetEnabled(false);
    EXPECT_EQ(Border(b), NormalRgb);

    LoadSkin([](TlxDataSkinButtonControl& d) {
        d.ActiveSkinRect = {};
        d.DownSkinRect = {};
    });
    b->SetEnabled(true);
    Enter(b);
    Session.MouseDown(At(b, 20, 10));
    EXPECT_EQ(Border(b), NormalRgb); // neither hot nor down image: the normal one
    Session.MouseUp(At(b, 20, 10));
}

TEST_F(TlxSkinButtonTest, CrossFadesStepAFifthEveryTwentyMillisecondsAndEndOnTheTarget) {
    for (TlxMorphKind kind :
         {mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush}) {
        SCOPED_TRACE(kind);
        LoadSkin([kind](TlxDataSkinButtonControl& d) {
            d.Morphing = true;
            d.MorphKind = kind;
        });
        auto* b = Button(true);
        Enter(b);
        EXPECT_EQ(b->MorphKf(), 0);
        for (double expected : {0.2, 0.4, 0.6, 0.8}) {
            Session.Advance(20);
            EXPECT_NEAR(b->MorphKf(), expected, 1e-9);
        }
        const TBitmap midway = Shot(b);
        Session.Advance(20);
        EXPECT_EQ(b->MorphKf(), 1);
        EXPECT_EQ(Border(b), HotRgb);
        // Some pixel of the last step still differed from the hot image.
        const TBitmap hot = Shot(b);
        bool differed = false;
        for (int y = 0; y < hot.Height() && !differed; ++y)
            for (int x = 0; x < hot.Width() && !differed; ++x)
                differed = Rgb(midway, x, y) != Rgb(hot, x, y);
        EXPECT_TRUE(differed);

        Leave();
        Session.Advance(60);
        EXPECT_NEAR(b->MorphKf(), 0.4, 1e-9);
        Session.Advance(60);
        EXPECT_EQ(b->MorphKf(), 0);
        EXPECT_EQ(Border(b), NormalRgb);
        b->Free();
    }
}

TEST_F(TlxSkinButtonTest, WithoutSkinEffectsTheHotImageShowsAtOnce) {
    LoadSkin([](TlxDataSkinButtonControl& d) { d.Morphing = true; });
    SD->SetEnableSkinEffects(false);
    auto* b = Button(true);
    Enter(b);
    EXPECT_EQ(Border(b), HotRgb);
    Session.Advance(100);
    EXPECT_EQ(b->MorphKf(), 0);
}

TEST_F(TlxSkinButtonTest, TheGlowLayerShowsAndHidesThroughThePostedMessages) {
    LoadSkin([](TlxDataSkinButtonControl& d) {
        d.GlowLayerPictureIndex = 1;
        d.GlowLayerMaskPictureIndex = 2;
        d.GlowLayerOffsetLeft = d.GlowLayerOffsetRight = d.GlowLayerOffsetTop = d.GlowLayerOffsetBottom = 4;
        d.GlowLayerShowOffsetX = d.GlowLayerShowOffsetY = 4;
        d.GlowLayerAlphaBlendValue = 200;
    });
    struct Case {
        const char* Name;
        bool GlowFrames, Always, Shown;
    } cases[] = {
        {"the skin's glow frames", true, false, true},
        {"glow frames off", false, false, false},
        {"always shown with glow frames off", false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        SD->SetShowButtonGlowFrames(c.GlowFrames);
        auto* b = Button(true);
        b->SetAlwaysShowLayeredFrame(c.Always);
        Session.MouseMove(At(b, 20, 10));
        EXPECT_FALSE(b->LayerVisible()); // not before the posted message is handled
        Session.Pump();
        EXPECT_EQ(b->LayerVisible(), c.Shown);
        Leave();
        EXPECT_FALSE(b->LayerVisible());
        b->Free();
    }
}

TEST_F(TlxSkinButtonTest, APlainButtonClicksOnReleaseOverItOnly) {
    LoadSkin();
    auto* b = Button(true);
    Enter(b);
    Session.MouseDown(At(b, 20, 10));
    Session.Pump();
    EXPECT_TRUE(Clicks.empty());
    Session.MouseUp(At(b, 20, 10));
    Session.Pump();
    EXPECT_EQ(Clicks.size(), 1u);
    EXPECT_FALSE(b->Down());

    // Released outside: no click, and the normal look again.
    Session.MouseDown(At(b, 20, 10));
    Session.MouseMove({390, 290});
    Session.MouseUp({390, 290});
    Session.Pump();
    EXPECT_EQ(Clicks.size(), 1u);
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(b->Look(), TlxButtonLook::Focused); // the click took the focus
    b->SetCanFocused(false);
    b->Invalidate();
    EXPECT_EQ(Border(b), NormalRgb);
}

TEST_F(TlxSkinButtonTest, RepeatModeClicksAfterHalfASecondThenEveryInterval) {
    auto* b = Button(false);
    b->SetRepeatMode(true);
    b->SetRepeatInterval(100);
    Enter(b);
    Session.MouseDown(At(b, 20, 10));
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
    Session.MouseMove(At(b, 20, 10));
    Session.Advance(499);
    EXPECT_EQ(Clicks.size(), 3u);
    Session.Advance(1);
    EXPECT_EQ(Clicks.size(), 4u);
    Session.MouseUp(At(b, 20, 10));
    Session.Advance(500);
    EXPECT_EQ(Clicks.size(), 5u); // the release over the button clicks once more
}

TEST_F(TlxSkinButtonTest, GroupButtonsToggleExclusivelyOrEachOnItsOwn) {
    for (bool allowAllUp : {false, true}) {
        SCOPED_TRACE(allowAllUp);
        auto* panel = Make<TCustomControl>(10, 200, 200, 40);
        TlxSkinButton* b[3];
        for (int i = 0; i < 3; ++i) {
            b[i] = Button(false, 10 + i * 80, 10);
            b[i]->SetName("b" + std::to_string(i));
            b[i]->SetGroupIndex(1);
            b[i]->SetAllowAllUp(allowAllUp);
        }
        auto* other = Button(false, 10, 5, panel); // same group, another parent
        other->SetGroupIndex(1);
        other->SetDown(true);

        Clicks.clear();
        Session.Click(At(b[0], 20, 10));
        Session.Pump();
        EXPECT_EQ(Clicks, (std::vector<std::string>{"b0"})); // clicked as it went down
        Session.Click(At(b[1], 20, 10));
        Session.Pump();
        EXPECT_EQ(b[0]->Down(), allowAllUp);
        EXPECT_TRUE(b[1]->Down());
        EXPECT_TRUE(other->Down());
        // Clicking a pressed group button releases it only with AllowAllUp.
        Session.Click(At(b[1], 20, 10));
        Session.Pump();
        EXPECT_EQ(b[1]->Down(), !allowAllUp);
        EXPECT_EQ(Clicks.size(), allowAllUp ? 3u : 2u);
        panel->Free();
        for (auto* x : b)
            x->Free();
    }
}

TEST_F(TlxSkinButtonTest, DefaultCancelAndModalResultThroughTheFormsDialogKeys) {
    auto* edit = Make<TEdit>(10, 100, 100, 22);
    auto* ok = Button(false, 10, 10);
    ok->SetName("ok");
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    auto* cancel = Button(false, 100, 10);
    cancel->SetName("cancel");
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    auto* other = Button(false, 200, 10);
    other->SetName("other");

    edit->SetFocus();
    Session.Pump();
    EXPECT_TRUE(ok->Active());
    EXPECT_EQ(ok->Look(), TlxButtonLook::Hot); // the default looks hot while an edit has the focus
    Session.Key(VK_RETURN);
    Session.Pump();
    EXPECT_EQ(Clicks, (std::vector<std::string>{"ok"}));
    EXPECT_EQ(Form->ModalResult(), mrOk);

    Session.Key(VK_ESCAPE);
    Session.Pump();
    EXPECT_EQ(Clicks.back(), "cancel");
    EXPECT_EQ(Form->ModalResult(), mrCancel);
    Session.KeyDown(VK_SHIFT);
    Session.Key(VK_ESCAPE);
    Session.KeyUp(VK_SHIFT);
    Session.Pump();
    EXPECT_EQ(Clicks.size(), 2u); // not with a shift key held

    // Another skinned button with the focus takes Enter and the hot look.
    other->SetFocus();
    Session.Pump();
    EXPECT_FALSE(ok->Active());
    EXPECT_EQ(ok->Look(), TlxButtonLook::Normal);
    Session.Key(VK_RETURN);
    Session.Pump();
    EXPECT_EQ(Clicks.back(), "other");
}

TEST_F(TlxSkinButtonTest, SpaceAndTheAcceleratorClickAFocusableButton) {
    auto* b = Button(false);
    b->SetCaption("&Save");
    b->SetFocus();
    Session.KeyDown(VK_SPACE);
    Session.Pump();
    EXPECT_TRUE(b->Down());
    EXPECT_TRUE(Clicks.empty());
    Session.KeyUp(VK_SPACE);
    Session.Pump();
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(Clicks.size(), 1u);

    auto* edit = Make<TEdit>(10, 100, 100, 22);
    edit->SetFocus();
    EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 'x'), 0);
    EXPECT_EQ(Form->Perform(CM_DIALOGCHAR, 's'), 1);
    EXPECT_TRUE(b->Focused());
    EXPECT_EQ(Clicks.size(), 2u);
}

TEST_F(TlxSkinButtonTest, AHandlerMayFreeTheButtonsFormFromOnClick) {
    auto* form = new TSkinTestForm(nullptr);
    form->SetBounds(0, 0, 200, 100);
    form->Show();
    auto* b = new TlxSkinButton(form);
    b->SetParent(form);
    b->SetBounds(10, 10, 75, 25);
    b->SetRepeatMode(true);
    int clicks = 0;
    b->OnClick = [&](TObject*) {
        ++clicks;
        form->Free();
    };
    Session.Pump();
    Session.MouseMove(At(b, 20, 10));
    Session.MouseDown(At(b, 20, 10));
    Session.Advance(600); // the first repeated click frees the form
    Session.MouseUp({20, 20});
    Session.Pump();
    EXPECT_EQ(clicks, 1);
}
