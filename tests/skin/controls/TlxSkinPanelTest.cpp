#include "SkinControlProbes.h"

#include "skin/controls/TlxSkinGroupBox.h"
#include "skin/controls/TlxSkinPaintPanel.h"
#include "skin/controls/TlxSkinPanel.h"
#include "skin/engine/DataSkinControls.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/pictures/PixelArt.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <functional>

namespace {

// A panel of 40 x 40 at (0, 0): a caption band of 16 rows, sides of 4, a
// pale client; beside it a check image (40, 0, 52, 12), an uncheck image
// (52, 0, 64, 12) and a roll-up marker frame (40, 12, 50, 22).
TBitmap PanelPicture() {
    TBitmap b(64, 40);
    b.Fill(0xFF000000);
    FillPixels(b, {0, 0, 40, 40}, 0x204080);
    FillPixels(b, {0, 0, 40, 16}, 0x3060A0);
    FillPixels(b, {4, 16, 36, 36}, 0xE0E8F0);
    FillPixels(b, {40, 0, 52, 12}, 0x7F007F); // key colour round the box
    FillPixels(b, {41, 1, 51, 11}, 0x00A000);
    FillPixels(b, {52, 0, 64, 12}, 0x7F007F);
    FillPixels(b, {53, 1, 63, 11}, 0xFFFFFF);
    FillPixels(b, {40, 12, 50, 22}, 0xFFD000);
    return b;
}

TBitmap GlyphStrip() {
    TBitmap g(16, 8); // two frames of 8 x 8: red enabled, grey disabled
    FillPixels(g, {0, 0, 8, 8}, 0xD00000);
    FillPixels(g, {8, 0, 16, 8}, 0x909090);
    FillPixels(g, {0, 7, 1, 8}, 0xFF00FF); // the transparent corners
    FillPixels(g, {8, 7, 9, 8}, 0xFF00FF);
    return g;
}

class TlxSkinPanelTest : public TSkinControlTest {
protected:
    // The panel description "panel" (and "groupbox") over PanelPicture.
    void LoadSkin(std::function<void(TlxDataSkinPanelControl&)> Edit = {}) {
        TTestSkin skin;
        int picture = skin.AddPicture(PanelPicture());
        for (const char* name : {"panel", "groupbox"}) {
            auto& d = skin.Add<TlxDataSkinPanelControl>(name);
            d.PictureIndex = picture;
            d.MaskPictureIndex = -1;
            d.SkinRect = {0, 0, 40, 40};
            d.LTPoint = {4, 16};
            d.RTPoint = {36, 16};
            d.LBPoint = {4, 36};
            d.RBPoint = {36, 36};
            d.ClRect = {4, 16, 36, 36};
            d.CaptionRect = {4, 0, 36, 16};
            d.FontName = "Arial";
            d.FontHeight = 12;
            d.FontColor = clWhite;
            d.Alignment = taLeftJustify;
            d.BGPictureIndex = -1;
            d.CheckImageRect = {40, 0, 52, 12};
            d.UnCheckImageRect = {52, 0, 64, 12};
            d.MarkFrameRect = {40, 12, 50, 22};
            if (Edit) Edit(d);
        }
        skin.LoadInto(SD);
    }
    template <class T = TlxSkinPanel> T* Panel(bool Skinned, int W = 120, int H = 60) {
        T* p = Make<T>(10, 10, W, H);
        p->DefaultFont()->SetName("Arial");
        p->DefaultFont()->SetHeight(12);
        if (Skinned) p->SetSkinData(SD);
        return p;
    }
    static TRect ClientOf(TlxSkinPanel* P) {
        TRect r;
        P->GetSkinClientRect(r);
        return r;
    }
};

} // namespace

TEST_F(TlxSkinPanelTest, ANewPanelIsFramedWithoutCaption) {
    auto* p = Make<TlxSkinPanel>(10, 10, 150, 150);
    p->SetBounds(10, 10, 150, 150);
    auto* fresh = new TlxSkinPanel(Form);
    EXPECT_EQ(fresh->Width(), 150);
    EXPECT_EQ(fresh->Height(), 150);
    EXPECT_FALSE(fresh->CaptionMode());
    fresh->Free();
    EXPECT_EQ(ClientOf(p), (TRect{1, 1, 149, 149}));
    TBitmap shot = Shot(p);
    EXPECT_EQ(PixelArt(shot, {0, 0, 3, 3}, TestSkinLegend()), (TPixelRows{"sss", "sff", "sff"}));
    EXPECT_EQ(PixelArt(shot, {147, 147, 150, 150}, TestSkinLegend()), (TPixelRows{"ffs", "ffs", "sss"}));
}

TEST_F(TlxSkinPanelTest, ClientRectangleByFrameCaptionAndSkin) {
    struct Case {
        const char* Name;
        bool Skinned;
        TlxSkinBorderStyle Style;
        bool Caption, Ribbon;
        TRect Client; // of a panel of 120 x 60
    } cases[] = {
        {"frame", false, bvFrame, false, false, {1, 1, 119, 59}},
        {"frame and caption", false, bvFrame, true, false, {1, 23, 119, 59}},
        {"no frame and caption", false, bvNone, true, false, {0, 22, 120, 60}},
        {"ribbon caption at the bottom", false, bvRaised, true, true, {1, 1, 119, 37}},
        {"skinned: the grown client", true, bvFrame, false, false, {4, 16, 116, 56}},
        {"skinned, no frame, no caption: all of it", true, bvNone, false, false, {0, 0, 120, 60}},
        {"skinned, no frame, caption: the grown client", true, bvNone, true, false, {4, 16, 116, 56}},
    };
    LoadSkin();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* p = Panel(c.Skinned);
        p->SetBorderStyle(c.Style);
        p->SetCaptionMode(c.Caption);
        p->SetRibbonStyle(c.Ribbon);
        EXPECT_EQ(ClientOf(p), c.Client);
        auto* child = Make<TProbeSkinControl>(0, 0, 10, 10, p);
        child->SetAlign(alClient);
        EXPECT_EQ(child->BoundsRect(), c.Client);
        p->Free();
    }
}

TEST_F(TlxSkinPanelTest, CheckedEnablesTheChildrenAndAlwaysTellsOnChecked) {
    auto* p = Panel(false);
    p->SetCaptionMode(true);
    p->SetCheckedMode(true);
    auto* a = Make<TProbeSkinControl>(5, 30, 10, 10, p);
    auto* b = Make<TProbeGraphicSkinControl>(20, 30, 10, 10, p);
    int told = 0;
    p->OnChecked = [&](TObject*) { ++told; };
    struct Step {
        bool Checked;
        bool Auto;
        bool ChildrenEnabled;
        int Told;
    } steps[] = {
        {false, true, false, 1},
        {false, true, false, 2}, // unchanged, told again
        {true, true, true, 3},
        {false, false, true, 4}, // without AutoEnabledControls the children stay
    };
    for (const Step& s : steps) {
        p->SetAutoEnabledControls(s.Auto);
        p->SetChecked(s.Checked);
        EXPECT_EQ(a->Enabled(), s.ChildrenEnabled);
        EXPECT_EQ(b->Enabled(), s.ChildrenEnabled);
        EXPECT_EQ(told, s.Told);
    }
    // A release on the caption's box toggles it.
    Session.Click(At(p, 10, 10));
    Session.Pump();
    EXPECT_TRUE(p->Checked());
}

TEST_F(TlxSkinPanelTest, RollingUpFoldsToTheCaptionAndBackKeepingHiddenChildrenHidden) {
    auto* p = Panel(false, 120, 150);
    p->SetCaptionMode(true);
    p->SetRollUpMode(true);
    auto* shown = Make<TProbeSkinControl>(5, 40, 10, 10, p);
    auto* hidden = Make<TProbeGraphicSkinControl>(20, 40, 10, 10, p);
    hidden->Hide();
    std::vector<bool> told;
    p->OnChangeRollUpState = [&](TObject*) { told.push_back(p->RollUpState()); };

    struct Step {
        const char* Name;
        TPoint Release; // in the panel
        bool Rolled;
        int Height;
    } steps[] = {
        {"release outside the caption", {60, 80}, false, 150},
        {"release on the caption folds", {60, 10}, true, 23},
        {"release on the caption unfolds", {60, 10}, false, 150},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.Name);
        Session.Click(At(p, s.Release.X, s.Release.Y));
        Session.Pump();
        EXPECT_EQ(p->RollUpState(), s.Rolled);
        EXPECT_EQ(p->Height(), s.Height);
        EXPECT_EQ(p->RealHeight(), s.Rolled ? 150 : -1);
        EXPECT_EQ(shown->Visible(), !s.Rolled);
        EXPECT_FALSE(hidden->Visible());
    }
    EXPECT_EQ(told, (std::vector<bool>{true, false}));
}

TEST_F(TlxSkinPanelTest, RollUpStateRestoresOnlyConstraintsAFoldSaved) {
    auto* p = Panel(false, 120, 150);
    p->SetCaptionMode(true);
    p->Constraints()->SetMinHeight(100);
    // Mode off: nothing was saved, the limits stay and the state stays false.
    p->SetRollUpState(true);
    EXPECT_FALSE(p->RollUpState());
    EXPECT_EQ(p->Constraints()->MinHeight(), 100);
    // A fold lifts the limit, the unfold puts it back.
    p->SetRollUpMode(true);
    p->SetRollUpState(true);
    EXPECT_EQ(p->Height(), 23);
    EXPECT_EQ(p->Constraints()->MinHeight(), 0);
    p->SetRollUpState(false);
    EXPECT_EQ(p->Height(), 150);
    EXPECT_EQ(p->Constraints()->MinHeight(), 100);
    // Folded, then the mode goes off: the saved limit comes back.
    p->SetRollUpState(true);
    p->SetRollUpMode(false);
    p->SetRollUpState(false);
    EXPECT_FALSE(p->RollUpState());
    EXPECT_EQ(p->Constraints()->MinHeight(), 100);
}

TEST_F(TlxSkinPanelTest, AFoldedPanelFoldsAgainForANewSkin) {
    auto* p = Panel(false, 120, 150);
    p->SetCaptionMode(true);
    p->SetRollUpMode(true);
    p->SetRollUpState(true);
    EXPECT_EQ(p->Height(), 23);
    p->SetSkinData(SD);
    LoadSkin();
    EXPECT_EQ(p->Height(), 20); // the caption band and the bottom side
    EXPECT_EQ(p->RealHeight(), 150);
    p->SetRollUpState(false);
    EXPECT_EQ(p->Height(), 150);
}

TEST_F(TlxSkinPanelTest, LooksAsGoldens) {
    LoadSkin();
    TCustomImageList* images = new TImageList(Form);
    images->SetWidth(10);
    images->SetHeight(10);
    TBitmap blue(10, 10);
    blue.Fill(0xFF2040E0);
    images->Add(&blue, nullptr);
    struct Case {
        const char* Golden;
        bool Skinned;
        std::function<void(TlxSkinPanel*)> Set;
    } cases[] = {
        {"builtin-frame", false, [](TlxSkinPanel*) {}},
        {"builtin-raised", false, [](TlxSkinPanel* p) { p->SetBorderStyle(bvRaised); }},
        {"builtin-lowered", false, [](TlxSkinPanel* p) { p->SetBorderStyle(bvLowered); }},
        {"builtin-caption", false,
         [](TlxSkinPanel* p) {
             p->SetCaptionMode(true);
             p->SetCaption("Files");
         }},
        {"builtin-caption-glyph-check-rollup", false,
         [](TlxSkinPanel* p) {
             p->SetCaptionMode(true);
             p->SetCaption("Files");
             p->SetGlyph(GlyphStrip());
             p->SetNumGlyphs(2);
             p->SetCheckedMode(true);
             p->SetChecked(true);
             p->SetRollUpMode(true);
         }},
        {"builtin-caption-centre-disabled", false,
         [](TlxSkinPanel* p) {
             p->SetCaptionMode(true);
             p->SetCaption("Files");
             p->SetGlyph(GlyphStrip());
             p->SetNumGlyphs(2);
             p->SetDefaultAlignment(taCenter);
             p->SetEnabled(false);
         }},
        {"builtin-ribbon", false,
         [](TlxSkinPanel* p) {
             p->SetCaptionMode(true);
             p->SetRibbonStyle(true);
             p->SetCaption("Files");
         }},
        {"skinned", true, [](TlxSkinPanel* p) { p->SetCaption("Files"); }},
        {"skinned-check-image-rollup", true,
         [images](TlxSkinPanel* p) {
             p->SetCaption("Files");
             p->SetCheckedMode(true);
             p->SetChecked(true);
             p->SetCaptionImageList(images);
             p->SetCaptionImageIndex(0);
             p->SetRollUpMode(true);
         }},
        {"skinned-image-left", true,
         [images](TlxSkinPanel* p) {
             p->SetCaption("Files");
             p->SetCaptionImageList(images);
             p->SetCaptionImageIndex(0);
             p->SetImagePosition(lxipLeft);
         }},
        {"skinned-no-frame-tiled", true, [](TlxSkinPanel* p) { p->SetBorderStyle(bvNone); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Golden);
        auto* p = Panel(c.Skinned, 120, 60);
        c.Set(p);
        EXPECT_TRUE(MatchesGolden(Shot(p), std::string("skin/controls/TlxSkinPanel/") + c.Golden, 0));
        p->Free();
    }
}

TEST_F(TlxSkinPanelTest, TransparentModeDrawsOverTheParentAndTellsTheChildren) {
    LoadSkin();
    Form->SetColor(clTeal);
    auto* p = Panel(true);
    auto* child = Make<TProbeSkinControl>(10, 30, 10, 10, p);
    child->SetName("child");
    BackgroundLog().clear();
    p->SetTransparentMode(true);
    EXPECT_EQ(BackgroundLog(), (std::vector<std::string>{"child"}));
    BackgroundLog().clear();
    p->SetLeft(12); // moving a transparent panel tells the children again
    Session.Pump();
    EXPECT_EQ(BackgroundLog(), (std::vector<std::string>{"child"}));
    EXPECT_TRUE(MatchesGolden(Shot(p), "skin/controls/TlxSkinPanel/transparent", 0));
    p->SetCaptionMode(true);
    p->SetCaption("Files");
    EXPECT_TRUE(MatchesGolden(Shot(p), "skin/controls/TlxSkinPanel/transparent-caption", 0));
}

TEST_F(TlxSkinPanelTest, PaintPanelHandsItsCanvasAndClientToTheApplication) {
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned);
        if (skinned) LoadSkin();
        auto* p = Panel<TlxSkinPaintPanel>(skinned);
        std::vector<TRect> areas;
        p->OnPanelPaint = [&](TCanvas* C, const TRect& R) {
            areas.push_back(R);
            C->Brush()->SetColor(clRed);
            C->FillRect({R.Left, R.Top, R.Left + 2, R.Top + 2});
        };
        TBitmap shot = Shot(p);
        ASSERT_FALSE(areas.empty());
        const TRect client = skinned ? TRect{4, 16, 116, 56} : TRect{1, 1, 119, 59};
        EXPECT_EQ(areas.back(), client);
        EXPECT_EQ(PixelAt(shot, client.Left, client.Top), 0xFF0000u);
        p->Free();
    }
}

TEST_F(TlxSkinPanelTest, GroupBoxDrawsWholeWhenItsClientEndsAboveTheCaption) {
    struct Case {
        const char* Name;
        TRect ClRect;
        TRect CaptionRect;
        bool Framed;
    } cases[] = {
        {"client below the caption: a frame", {4, 16, 36, 36}, {4, 0, 36, 16}, true},
        {"client above the caption: whole", {4, 4, 36, 10}, {4, 20, 36, 30}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        LoadSkin([&](TlxDataSkinPanelControl& d) {
            d.ClRect = c.ClRect;
            d.CaptionRect = c.CaptionRect;
        });
        auto* g = Panel<TlxSkinGroupBox>(true);
        EXPECT_TRUE(g->CaptionMode());
        EXPECT_EQ(g->SkinDataName(), "groupbox");
        g->Repaint();
        EXPECT_EQ(g->ForceBackground(), c.Framed);
        g->Free();
    }
}

TEST_F(TlxSkinPanelTest, PaintSkinToDrawsWhatTheScreenShows) {
    LoadSkin();
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned);
        auto* p = Panel(skinned);
        p->SetCaption("Files");
        p->SetCaptionMode(!skinned);
        TBitmap copy(p->Width() + 5, p->Height() + 5);
        p->PaintSkinTo(copy.Canvas(), 5, 5);
        TBitmap shot = Shot(p);
        int differing = 0;
        for (int y = 0; y < p->Height(); ++y)
            for (int x = 0; x < p->Width(); ++x)
                differing += PixelAt(copy, x + 5, y + 5) != PixelAt(shot, x, y);
        EXPECT_EQ(differing, 0);
        p->Free();
    }
}
