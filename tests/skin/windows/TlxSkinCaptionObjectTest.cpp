#include "skin/windows/TlxSkinCaptionObject.h"

#include "platform/gdi/TBitmap.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TTimer.h"
#include "skin/windows/SkinObjectSupport.h"
#include "skin/windows/TlxQuickButtonItem.h"
#include "tests/skin/windows/TFrameObjectTest.h"

#include <functional>

namespace {

// Caption pictures (picture 5): the active strip at (0, 0, 50, 20) in green
// with a blue 5-pixel left end; three animation frames of 50 x 20 below it
// at y = 20, in red, yellow and white.
constexpr uint32_t StripRgb = 0x00C000, EndRgb = 0x0000C0;
constexpr uint32_t AnimRgb[] = {0xC00000, 0xC0C000, 0xF0F0F0};

TBitmap CaptionPicture() {
    TBitmap b(150, 40);
    FillPixels(b, {0, 0, 150, 40}, 0x000000);
    FillPixels(b, {0, 0, 50, 20}, StripRgb);
    FillPixels(b, {0, 0, 5, 20}, EndRgb);
    for (int i = 0; i < 3; ++i)
        FillPixels(b, {i * 50, 20, i * 50 + 50, 40}, AnimRgb[i]);
    return b;
}

// The columns where anything other than the paper was drawn.
struct TInk {
    int Left = -1, Right = -1;
    bool Found() const { return Left >= 0; }
};

TInk InkOf(const TBitmap& B, int Y0, int Y1, uint32_t Paper) {
    TInk ink;
    for (int x = 0; x < B.Width(); ++x)
        for (int y = Y0; y < Y1; ++y)
            if (RgbAt(B, x, y) != Paper) {
                if (ink.Left < 0) ink.Left = x;
                ink.Right = x;
                break;
            }
    return ink;
}

class TlxSkinCaptionObjectTest : public TFrameObjectTest {
protected:
    // A caption "caption" of the frame picture at (0, 0, 50, 20), text area
    // (4, 0, 46, 20), black text on no strip of its own, placed at
    // (0, 0, 200, 20).
    TlxSkinCaptionObject* MakeCaption(const std::function<void(TlxDataSkinCaption&)>& Change = {}) {
        TTestSkin skin = MakeSkin();
        skin.AddPicture(CaptionPicture());
        auto& d = skin.AddObject<TlxDataSkinCaption>("caption");
        d.SkinRect = {0, 0, 50, 20};
        d.ActivePictureIndex = 5;
        d.TextRct = {4, 0, 46, 20};
        d.FontName = "Arial";
        d.FontHeight = 14;
        d.FontColor = clBlack;
        d.ActiveFontColor = clBlack;
        if (Change) Change(d);
        Apply(skin);
        TlxSkinCaptionObject* c = Object<TlxSkinCaptionObject>("caption");
        if (c) c->ObjectRect = {0, 0, 200, 20};
        return c;
    }
    TBitmap Paint(TlxSkinCaptionObject* C, bool UpDate = true) {
        TBitmap b(C->ObjectRect.Right + 10, C->ObjectRect.Bottom + 4);
        FillPixels(b, {0, 0, b.Width(), b.Height()}, PaperRgb);
        C->Draw(b.Canvas(), UpDate);
        return b;
    }
};

TEST_F(TlxSkinCaptionObjectTest, TextAlignsInTheTextAreaThatGrowsWithTheObject) {
    Form->SetCaption("Wg");
    struct TCase {
        TAlignment Align;
        bool Quick;
        const char* Name;
    };
    const TCase cases[] = {{taLeftJustify, false, "left"},
                           {taCenter, false, "centre"},
                           {taRightJustify, false, "right"},
                           {taRightJustify, true, "right with quick buttons: centred"}};
    for (const TCase& c : cases) {
        TlxSkinCaptionObject* caption = MakeCaption([&](TlxDataSkinCaption& d) { d.Alignment = c.Align; });
        ASSERT_NE(caption, nullptr);
        EXPECT_EQ(caption->TextArea(), (TRect{4, 0, 196, 20}));
        Lvx->QuickButtons()->Clear();
        if (c.Quick) Lvx->QuickButtons()->Add();
        const TInk ink = InkOf(Paint(caption), 0, 20, PaperRgb);
        ASSERT_TRUE(ink.Found()) << c.Name;
        switch (c.Align) {
        case taLeftJustify:
            EXPECT_NEAR(ink.Left, 4, 2) << c.Name;
            break;
        case taRightJustify:
            if (!c.Quick) {
                EXPECT_NEAR(ink.Right, 195, 2) << c.Name;
                break;
            }
            [[fallthrough]];
        case taCenter:
            EXPECT_NEAR((ink.Left + ink.Right) / 2, 100, 2) << c.Name;
            break;
        }
    }
}

TEST_F(TlxSkinCaptionObjectTest, LongTextIsCutWithDotsToTheTextArea) {
    TlxSkinCaptionObject* caption = MakeCaption();
    caption->ObjectRect = {0, 0, 80, 20}; // text area (4, 0, 76, 20)
    Form->SetCaption("Wg");
    const TInk shortInk = InkOf(Paint(caption), 0, 20, PaperRgb);
    Form->SetCaption("A caption far too long for its place on the frame");
    const TBitmap b = Paint(caption);
    const TInk ink = InkOf(b, 0, 20, PaperRgb);
    ASSERT_TRUE(ink.Found());
    EXPECT_EQ(ink.Left, shortInk.Left);
    EXPECT_LT(ink.Right, 76);
    // It ends in three dots: three small inked blocks on the base line, the
    // last at the end of the text.
    EXPECT_GT(ink.Right, 60);
}

TEST_F(TlxSkinCaptionObjectTest, MDIParentShowsItsMaximizedChildInBrackets) {
    // MDI children live in the application main form.
    TForm* main = nullptr;
    Application->CreateForm(main);
    main->SetCaption("Editor");
    main->SetFormStyle(fsMDIForm);
    auto* mainLvx = new TlxLumivex(main);
    main->Show();
    auto* child = new TForm(nullptr);
    child->SetFormStyle(fsMDIChild);
    child->SetCaption("Doc1");
    auto* childLvx = new TlxLumivex(child);
    child->Show();
    Session.Pump();
    EXPECT_EQ(CaptionText(mainLvx), "Editor");
    childLvx->SetWindowState(wsMaximized);
    EXPECT_EQ(FindMaximizedMDIChild(main), child);
    EXPECT_EQ(CaptionText(mainLvx), "Editor - [Doc1]");
    child->Free();
    main->Free();
}

TEST_F(TlxSkinCaptionObjectTest, LightShadowAndGlowDrawAroundTheText) {
    Form->SetCaption("Wg");
    struct TCase {
        const char* Name;
        std::function<void(TlxDataSkinCaption&)> Set;
        bool Active;
        uint32_t Rgb;
        bool Seen;
    };
    const std::vector<TCase> cases = {
        {"shadow",
         [](auto& d) {
             d.Shadow = true;
             d.ShadowColor = clRed;
         },
         false, 0xFF0000, true},
        {"light",
         [](auto& d) {
             d.Light = true;
             d.ActiveLightColor = clBlue;
         },
         true, 0x0000FF, true},
        {"light, inactive colour",
         [](auto& d) {
             d.Light = true;
             d.LightColor = clRed;
             d.ActiveLightColor = clBlue;
         },
         true, 0xFF0000, false},
        {"plain", [](auto&) {}, true, 0xFF0000, false},
    };
    for (const TCase& c : cases) {
        TlxSkinCaptionObject* caption = MakeCaption(c.Set);
        caption->Active = c.Active;
        const TBitmap b = Paint(caption);
        bool seen = false;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 200; ++x)
                seen |= RgbAt(b, x, y) == c.Rgb;
        EXPECT_EQ(seen, c.Seen) << c.Name;
    }
}

// A glow draws a halo of its colour well beyond the text's own pixels; an
// inactive caption glows only when the skin asks for it.
TEST_F(TlxSkinCaptionObjectTest, GlowHaloFollowsActivity) {
    Form->SetCaption("Wg");
    TlxSkinCaptionObject* p = MakeCaption();
    const TInk plain = InkOf(Paint(p), 0, 20, PaperRgb);
    struct TCase {
        const char* Name;
        std::function<void(TlxDataSkinCaption&)> Set;
        bool Active;
        bool Halo;
    };
    const std::vector<TCase> cases = {
        {"glow, active",
         [](auto& d) {
             d.GlowEffect = true;
             d.GlowSize = 4;
             d.GlowActiveColor = clWhite;
         },
         true, true},
        {"glow, inactive", [](auto& d) { d.GlowEffect = true, d.GlowSize = 4, d.GlowColor = clWhite; }, false,
         false},
        {"glow, inactive on request",
         [](auto& d) {
             d.GlowEffect = true;
             d.GlowInActiveEffect = true;
             d.GlowSize = 4;
             d.GlowColor = clWhite;
         },
         false, true},
        {"vista glow, active", [](auto& d) { d.VistaGlowEffect = true, d.GlowActiveColor = clWhite; }, true,
         true},
        {"vista glow, inactive", [](auto& d) { d.VistaGlowEffect = true, d.GlowColor = clWhite; }, false,
         false},
    };
    for (const TCase& c : cases) {
        TlxSkinCaptionObject* caption = MakeCaption(c.Set);
        caption->Active = c.Active;
        const TInk ink = InkOf(Paint(caption), 0, 20, PaperRgb);
        const bool wider = ink.Left < plain.Left - 1 || ink.Right > plain.Right + 1;
        EXPECT_EQ(wider, c.Halo) << c.Name;
    }
}

TEST_F(TlxSkinCaptionObjectTest, CaptionPaintHandlerReplacesTheText) {
    Form->SetCaption("Wg");
    TlxSkinCaptionObject* caption = MakeCaption();
    TRect where;
    bool active = false;
    Lvx->OnCaptionPaint = [&](TCanvas*, const TRect& R, bool AActive) {
        where = R;
        active = AActive;
    };
    caption->Active = true;
    const TInk ink = InkOf(Paint(caption), 0, 20, PaperRgb);
    EXPECT_FALSE(ink.Found());
    EXPECT_EQ(where, caption->ObjectRect);
    EXPECT_TRUE(active);
}

// With an image of its own, the caption draws its strip (fixed ends from
// the skin's corner points, the middle tiled or stretched) and the inactive
// image of the frame picture, with the skin's inactive effect.
TEST_F(TlxSkinCaptionObjectTest, StripImageForEachActivity) {
    TlxSkinCaptionObject* caption = MakeCaption([](TlxDataSkinCaption& d) {
        d.ActiveSkinRect = {0, 0, 50, 20};
        d.StretchEffect = true;
    });
    caption->Active = true;
    TBitmap b = Paint(caption);
    EXPECT_EQ(RgbAt(b, 1, 10), EndRgb) << "the fixed left end (LTPoint.X 20 - Left 0)";
    EXPECT_EQ(RgbAt(b, 150, 10), StripRgb) << "the middle, stretched";

    caption->Active = false;
    b = Paint(caption);
    EXPECT_EQ(RgbAt(b, 150, 10), 0x404040u) << "the frame picture's caption";
    SD->AutoRenderingInActiveImage = true;
    SD->InActiveEffect = ieInvert;
    b = Paint(caption);
    EXPECT_EQ(RgbAt(b, 150, 10), 0xBFBFBFu);
}

TEST_F(TlxSkinCaptionObjectTest, InactiveCaptionWithoutEffectsDrawsTextOnly) {
    Form->SetCaption("Wg");
    TlxSkinCaptionObject* caption = MakeCaption([](TlxDataSkinCaption& d) {
        d.ActiveSkinRect = {0, 0, 50, 20};
    });
    caption->Active = false;
    const TBitmap b = Paint(caption);
    EXPECT_EQ(RgbAt(b, 150, 10), PaperRgb);
    EXPECT_TRUE(InkOf(b, 0, 20, PaperRgb).Found());
}

// Activation plays frames 1 to FrameCount, then shows the active caption;
// deactivation with InActiveAnimation plays them back down to 0.
TEST_F(TlxSkinCaptionObjectTest, ActivationAnimationOnTheVirtualClock) {
    TlxSkinCaptionObject* caption = MakeCaption([](TlxDataSkinCaption& d) {
        d.ActiveSkinRect = {0, 0, 50, 20};
        d.AnimateSkinRect = {0, 20, 150, 40};
        d.FrameCount = 3;
        d.AnimateInterval = 50;
        d.InActiveAnimation = true;
    });
    ASSERT_TRUE(caption->EnableAnimation());
    // What the component does when the form is activated.
    caption->Active = true;
    caption->FIncTime = 25;
    caption->CurrentFrame = 1;
    Lvx->AnimateTimer->SetEnabled(true);
    std::vector<uint32_t> seen;
    for (int i = 0; i < 4; ++i) {
        seen.push_back(RgbAt(Paint(caption), 150, 10));
        Ticks(2);
    }
    EXPECT_EQ(seen, (std::vector<uint32_t>{AnimRgb[0], AnimRgb[1], AnimRgb[2], StripRgb}));
    EXPECT_EQ(caption->CurrentFrame, 4);

    caption->Active = false;
    caption->CurrentFrame = caption->FrameCount;
    caption->FIncTime = 25;
    Lvx->AnimateTimer->SetEnabled(true);
    Ticks(20);
    EXPECT_EQ(caption->CurrentFrame, 0);
    EXPECT_FALSE(Lvx->AnimateTimer->Enabled());
}

TEST_F(TlxSkinCaptionObjectTest, HostileAnimationValuesStayBounded) {
    TlxSkinCaptionObject* caption = MakeCaption([](TlxDataSkinCaption& d) {
        d.AnimateSkinRect = {0, 20, 2, 40};
        d.FrameCount = 0;
        d.AnimateInterval = 2147483647;
        d.FrameRect = {140, 0, 150, 10};
        d.FrameLeftOffset = 100;
        d.FrameRightOffset = 100;
    });
    EXPECT_EQ(caption->FrameCount, 1);
    EXPECT_LE(caption->AnimateInterval, 60000);
    caption->Active = true;
    caption->CurrentFrame = 1;
    Form->SetCaption("Wg");
    Paint(caption); // no crash, nothing read outside the pictures
}

} // namespace
