#include "skin/controls/TlxSkinCustomSlider.h"

#include "skin/engine/DataSkinControls.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <algorithm>
#include <climits>
#include <functional>

namespace {

class TlxSkinSliderTest : public TSkinControlTest {
protected:
    TlxSkinSlider* Slider(TlxSliderOrientation Orientation = soHorizontal) {
        auto* s = Make<TlxSkinSlider>(10, 10, 150, 40);
        if (Orientation == soVertical) s->SetOrientation(soVertical);
        s->OnChange = [this, s](TObject*) { Events.push_back("change " + std::to_string(s->Value())); };
        s->OnChanged = [this, s](TObject*) { Events.push_back("changed " + std::to_string(s->Value())); };
        Session.Pump();
        return s;
    }
    void Press(TControl* C, TPoint P) {
        Session.MouseMove(At(C, P.X, P.Y));
        Session.MouseDown(At(C, P.X, P.Y));
        Session.Pump();
    }
    void Release(TControl* C, TPoint P) {
        Session.MouseUp(At(C, P.X, P.Y));
        Session.Pump();
    }
    // A skin whose slider description has a ruler strip of 20 x 6 (ends of
    // 3 in red, a green middle) and a thumb of two 7 x 11 states (blue,
    // then yellow), each with a key-coloured (fuchsia) bottom line;
    // horizontal and vertical alike.
    void LoadSkin() {
        TTestSkin skin;
        TBitmap p(40, 40);
        p.Fill(0xFF000000);
        FillPixels(p, {0, 0, 20, 6}, 0x00C000);
        FillPixels(p, {0, 0, 3, 6}, 0xC00000);
        FillPixels(p, {17, 0, 20, 6}, 0xC00000);
        FillPixels(p, {0, 10, 14, 21}, 0x2040E0);
        FillPixels(p, {7, 10, 14, 21}, 0xE0E020);
        FillPixels(p, {20, 0, 26, 20}, 0x00C000);
        FillPixels(p, {20, 0, 26, 3}, 0xC00000);
        FillPixels(p, {20, 17, 26, 20}, 0xC00000);
        FillPixels(p, {26, 0, 33, 7}, 0x2040E0);
        FillPixels(p, {33, 0, 40, 7}, 0xE0E020);
        for (const TRect& keyLine :
             {TRect{0, 5, 20, 6}, TRect{0, 20, 14, 21}, TRect{20, 19, 26, 20}, TRect{26, 6, 40, 7}})
            FillPixels(p, keyLine, 0xFF00FF);
        const int index = skin.AddPicture(p);
        auto& d = skin.Add<TlxDataSkinSlider>("slider");
        d.PictureIndex = index;
        d.MaskPictureIndex = -1;
        d.HRulerRect = {0, 0, 20, 6};
        d.HThumbRect = {0, 10, 14, 21};
        d.VRulerRect = {20, 0, 26, 20};
        d.VThumbRect = {26, 0, 40, 7};
        d.EdgeSize = 3;
        d.BGColor = 0x404040;
        d.PointsColor = 0x00FFFF;
        skin.LoadInto(SD);
    }

    std::vector<std::string> Events;
};

TEST_F(TlxSkinSliderTest, ANewSliderHasTheBuiltInLook) {
    auto* s = Slider();
    EXPECT_EQ(s->Width(), 150);
    EXPECT_EQ(s->Height(), 40);
    EXPECT_EQ(s->MinValue(), 0);
    EXPECT_EQ(s->MaxValue(), 100);
    EXPECT_EQ(s->Increment(), 10);
    EXPECT_EQ(s->Value(), 0);
    EXPECT_EQ(s->SkinDataName(), "slider");
    EXPECT_TRUE(s->TabStop());
    EXPECT_EQ(s->ImageHThumb()->Width(), 18);
    EXPECT_EQ(s->ImageHThumb()->Height(), 17);
    EXPECT_EQ(s->ImageHRuler()->Width(), 10);
    EXPECT_EQ(s->ImageHRuler()->Height(), 8);
    EXPECT_EQ(s->ImageVThumb()->Width(), 38);
    EXPECT_EQ(s->ImageVThumb()->Height(), 9);
    EXPECT_EQ(s->ImageVRuler()->Width(), 8);
    EXPECT_EQ(s->ImageVRuler()->Height(), 10);
    // The ruler (138 long, 8 thick) is thinner than the thumb (9 x 17): the
    // thumb sits at the top, the ruler centred on it, the points below.
    EXPECT_EQ(s->ThumbRect(), (TRect{6, 6, 15, 23}));
    EXPECT_EQ(s->RulerRect(), (TRect{6, 10, 144, 18}));
    EXPECT_EQ(s->PointsRect(), (TRect{6, 24, 144, 39}));
    EXPECT_EQ(s->RulerTravel(), 129);
}

TEST_F(TlxSkinSliderTest, RangeIncrementAndValueRules) {
    auto* s = Slider();
    s->SetValue(150);
    EXPECT_EQ(s->Value(), 100);
    s->SetValue(-5);
    s->SetValue(0); // unchanged: no event
    EXPECT_EQ(Events, (std::vector<std::string>{"change 100", "change 0"}));
    s->SetIncrement(0);
    s->SetIncrement(-3);
    EXPECT_EQ(s->Increment(), 10);
    s->SetRange(40, 40); // equal bounds change nothing
    s->SetRange(50, 20);
    EXPECT_EQ(s->MinValue(), 0);
    EXPECT_EQ(s->MaxValue(), 100);
    s->SetMaxValue(5); // a range smaller than the increment takes it over
    EXPECT_EQ(s->Increment(), 5);
    s->SetValue(5);
    s->SetMaxValue(3);
    EXPECT_EQ(s->Value(), 3);
    EXPECT_EQ(s->Increment(), 3);
    // The thumb follows the value to the far end of its travel.
    EXPECT_EQ(s->ThumbRect().Left, 6 + s->RulerTravel());
}

TEST_F(TlxSkinSliderTest, KeysMoveToTheNextMultipleOfIncrementCountedFromMinValue) {
    struct Case {
        const char* Name;
        TlxSliderOrientation Orientation;
        int Min, Max, Increment, Value;
        int Key;
        int Expected;
    } cases[] = {
        {"right from between steps", soHorizontal, 0, 100, 10, 15, VK_RIGHT, 20},
        {"right from a step", soHorizontal, 0, 100, 10, 20, VK_RIGHT, 30},
        {"right from 25", soHorizontal, 0, 100, 10, 25, VK_RIGHT, 30},
        {"left from between steps", soHorizontal, 0, 100, 10, 15, VK_LEFT, 10},
        {"left from a step", soHorizontal, 0, 100, 10, 20, VK_LEFT, 10},
        {"steps counted from the minimum", soHorizontal, 5, 100, 10, 12, VK_RIGHT, 15},
        {"down from the minimum's steps", soHorizontal, 5, 100, 10, 12, VK_LEFT, 5},
        {"clamped at the maximum", soHorizontal, 0, 95, 10, 91, VK_RIGHT, 95},
        {"clamped at the minimum", soHorizontal, -7, 95, 10, -5, VK_LEFT, -7},
        {"home", soHorizontal, 0, 100, 10, 55, VK_HOME, 0},
        {"end", soHorizontal, 0, 100, 10, 55, VK_END, 100},
        {"vertical: up is next", soVertical, 0, 100, 10, 15, VK_UP, 20},
        {"vertical: down is prior", soVertical, 0, 100, 10, 15, VK_DOWN, 10},
        {"vertical ignores right", soVertical, 0, 100, 10, 15, VK_RIGHT, 15},
        {"horizontal ignores up", soHorizontal, 0, 100, 10, 15, VK_UP, 15},
        {"huge range", soHorizontal, INT_MIN, INT_MAX, 1000000000, 0, VK_RIGHT, 852516352},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* s = Slider(c.Orientation);
        s->SetRange(c.Min, c.Max);
        s->SetIncrement(c.Increment);
        s->SetValue(c.Value);
        s->SetFocus();
        Events.clear();
        Session.Key(c.Key);
        Session.Pump();
        EXPECT_EQ(s->Value(), c.Expected);
        const bool moves = c.Expected != c.Value;
        const bool steps = moves || c.Key == VK_HOME || c.Key == VK_END;
        std::vector<std::string> expected;
        if (moves) expected.push_back("change " + std::to_string(c.Expected));
        if (steps) expected.push_back("changed " + std::to_string(c.Expected));
        if (steps) {
            EXPECT_EQ(Events, expected);
        }
        s->Free();
    }
}

TEST_F(TlxSkinSliderTest, DraggingTheThumbSnapsToIncrementUnlessSmooth) {
    for (bool smooth : {false, true}) {
        SCOPED_TRACE(smooth);
        auto* s = Slider();
        if (!smooth) s->SetOptions(s->Options() - soSmooth);
        Events.clear();
        // A third of the travel (43 of 129) to the right of the start.
        Press(s, {10, 14});
        EXPECT_TRUE(s->Sliding());
        Session.MouseMove(At(s, 30, 14));
        Session.MouseMove(At(s, 53, 14));
        Session.Pump();
        const int expected = smooth ? 33 : 30;
        EXPECT_EQ(s->Value(), expected);
        EXPECT_EQ(s->ThumbRect().Left, 6 + (smooth ? 43 : 39));
        // Beyond the end the thumb stops at the maximum.
        Session.MouseMove(At(s, 400, 14));
        Release(s, {400, 14});
        EXPECT_EQ(s->Value(), 100);
        EXPECT_FALSE(s->Sliding());
        EXPECT_EQ(Events.back(), "changed 100");
        EXPECT_EQ(std::count(Events.begin(), Events.end(), "changed 100"), 1);
        s->Free();
    }
}

TEST_F(TlxSkinSliderTest, PressingTheRulerJumpsEvery400MsUntilTheThumbPassesThePointer) {
    auto* s = Slider();
    Press(s, {56, 14});
    EXPECT_TRUE(s->Tracking());
    EXPECT_EQ(s->Value(), 10);
    Session.Advance(399);
    EXPECT_EQ(s->Value(), 10);
    Session.Advance(1);
    EXPECT_EQ(s->Value(), 20);
    Session.Advance(800);
    EXPECT_EQ(s->Value(), 40); // its thumb (58..67) now lies right of the pointer
    Session.Advance(2000);
    EXPECT_EQ(s->Value(), 40);
    Release(s, {56, 14});
    EXPECT_FALSE(s->Tracking());
    EXPECT_EQ(Events,
              (std::vector<std::string>{"change 10", "change 20", "change 30", "change 40", "changed 40"}));
    // Left of the thumb the jumps go down; off the ruler nothing happens.
    Events.clear();
    Press(s, {20, 14});
    Release(s, {20, 14});
    Press(s, {100, 35});
    Release(s, {100, 35});
    EXPECT_EQ(Events, (std::vector<std::string>{"change 30", "changed 30"}));
}

TEST_F(TlxSkinSliderTest, AVerticalSliderGrowsUpwards) {
    auto* s = Slider(soVertical);
    EXPECT_EQ(s->Width(), 40);
    EXPECT_EQ(s->Height(), 150);
    // The minimum at the bottom: the thumb's bottom at the ruler's end.
    EXPECT_EQ(s->ThumbRect().Bottom, s->RulerRect().Bottom);
    s->SetValue(100);
    EXPECT_EQ(s->ThumbRect().Top, s->RulerRect().Top);
    s->SetValue(50);
    Events.clear();
    // Pressing above the thumb goes up.
    const TRect thumb = s->ThumbRect();
    Press(s, {thumb.Left + 4, thumb.Top - 5});
    Release(s, {thumb.Left + 4, thumb.Top - 5});
    EXPECT_EQ(Events, (std::vector<std::string>{"change 60", "changed 60"}));
}

TEST_F(TlxSkinSliderTest, DegenerateSizesAndRangesNeitherDivideByZeroNorLoop) {
    struct Case {
        const char* Name;
        int W, H;
        int Min, Max, Increment;
        int EdgeSize;
        int RulerWidth;
    } cases[] = {
        {"no ruler at all", 5, 40, 0, 100, 10, 2, 10},
        {"ruler shorter than the thumb", 18, 40, 0, 100, 10, 2, 10},
        {"a huge range of single steps", 300, 40, INT_MIN, INT_MAX, 1, 2, 10},
        {"a user ruler of one pixel", 150, 40, 0, 100, 10, 0, 1},
        {"a user ruler all edge", 150, 40, 0, 100, 10, 2, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* s = Slider();
        TBitmap ruler(c.RulerWidth, 8);
        s->SetImage(siHRuler, &ruler);
        s->SetEdgeSize(c.EdgeSize);
        s->SetBounds(10, 10, c.W, c.H);
        s->SetRange(c.Min, c.Max);
        s->SetIncrement(c.Increment);
        s->SetOptions(s->Options() - soSmooth);
        s->SetValue(c.Max / 2);
        Shot(s);
        Press(s, {s->ThumbRect().Left + 1, s->ThumbRect().Top + 1});
        Session.MouseMove(At(s, 200, 14));
        Release(s, {200, 14});
        Press(s, {2, 14});
        Release(s, {2, 14});
        Shot(s);
        EXPECT_GE(s->Value(), c.Min);
        EXPECT_LE(s->Value(), c.Max);
        s->Free();
    }
}

TEST_F(TlxSkinSliderTest, ImagesOfTheApplicationReplaceTheBuiltInOnes) {
    auto* s = Slider();
    TBitmap ruler(30, 12);
    s->SetOptions(s->Options() + soRulerOpaque + soThumbOpaque);
    s->SetImage(siHRuler, &ruler);
    EXPECT_TRUE(s->UserImages().Contains(siHRuler));
    EXPECT_EQ(s->RulerRect().Height(), 12);
    s->SetEdgeSize(15); // not below half the ruler image
    EXPECT_EQ(s->EdgeSize(), 2);
    s->SetEdgeSize(14);
    EXPECT_EQ(s->EdgeSize(), 14);
    s->SetEdgeSize(2);
    s->SetImage(siHRuler, nullptr);
    EXPECT_FALSE(s->UserImages().Contains(siHRuler));
    EXPECT_EQ(s->ImageHRuler()->Width(), 10);
    EXPECT_FALSE(s->Options().Contains(soRulerOpaque));
    EXPECT_TRUE(s->Options().Contains(soThumbOpaque));
    s->SetImage(siHThumb, nullptr);
    EXPECT_FALSE(s->Options().Contains(soThumbOpaque));
}

TEST_F(TlxSkinSliderTest, LooksAsGoldens) {
    LoadSkin();
    // An image ruler of 16 x 6: edges of 2 (black) and a middle of two
    // halves (red, blue), so the pieces show; a one-state thumb of 5 x 9.
    TBitmap userRuler(16, 6);
    FillPixels(userRuler, {0, 0, 16, 6}, 0xFF00FF);
    FillPixels(userRuler, {0, 1, 16, 5}, 0x000000);
    FillPixels(userRuler, {2, 1, 8, 5}, 0xE00000);
    FillPixels(userRuler, {8, 1, 14, 5}, 0x0000E0);
    TBitmap userThumb(5, 9);
    FillPixels(userThumb, {0, 0, 5, 9}, 0x20A020);
    FillPixels(userThumb, {0, 8, 5, 9}, 0xFF00FF);
    struct Case {
        const char* Name;
        std::function<void(TlxSkinSlider*)> Set;
    } cases[] = {
        {"builtin", [](TlxSkinSlider* s) { s->SetValue(30); }},
        {"builtin-focused-pressed",
         [this](TlxSkinSlider* s) {
             s->SetValue(70);
             s->SetFocus();
             Press(s, {s->ThumbRect().Left + 2, s->ThumbRect().Top + 2});
         }},
        {"builtin-vertical",
         [](TlxSkinSlider* s) {
             s->SetOrientation(soVertical);
             s->SetBounds(10, 10, 40, 120);
             s->SetValue(25);
         }},
        {"builtin-disabled",
         [](TlxSkinSlider* s) {
             s->SetValue(50);
             s->SetEnabled(false);
         }},
        {"skinned",
         [this](TlxSkinSlider* s) {
             s->SetSkinData(SD);
             s->SetValue(40);
         }},
        {"skinned-vertical",
         [this](TlxSkinSlider* s) {
             s->SetOrientation(soVertical);
             s->SetBounds(10, 10, 40, 120);
             s->SetSkinData(SD);
             s->SetValue(60);
         }},
        {"skinned-image-thumb",
         [this](TlxSkinSlider* s) {
             s->SetSkinData(SD);
             s->SetUseSkinThumb(false);
             s->SetValue(40);
         }},
        {"user-images",
         [&](TlxSkinSlider* s) {
             s->SetImage(siHRuler, &userRuler);
             s->SetImage(siHThumb, &userThumb);
             s->SetNumThumbStates(1);
             s->SetIncrement(25);
             s->SetValue(50);
         }},
        {"transparent",
         [](TlxSkinSlider* s) {
             s->SetTransparent(true);
             s->SetOptions(s->Options() - soShowPoints);
             s->SetValue(100);
         }},
    };
    Form->SetColor(0x80C0FF);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* s = Slider();
        c.Set(s);
        EXPECT_TRUE(MatchesGolden(Shot(s), std::string("skin/controls/TlxSkinSlider/") + c.Name));
        Release(s, {0, 0});
        s->Free();
    }
}

TEST_F(TlxSkinSliderTest, TickPointsAreSpacedAtLeastFourPixelsApart) {
    auto* s = Slider();
    s->SetRange(0, 1000);
    s->SetIncrement(1);
    const TBitmap shot = Shot(s);
    // Ticks at the thumb centres of the values drawn, in the points row.
    std::vector<int> ticks;
    for (int x = 0; x < shot.Width(); ++x)
        if ((shot.ScanLine(s->PointsRect().Top)[x] & 0xFFFFFF) == 0) ticks.push_back(x);
    ASSERT_GE(ticks.size(), 2u);
    EXPECT_EQ(ticks.front(), 6 + 4);
    EXPECT_EQ(ticks.back(), 6 + 129 + 4);
    for (size_t i = 1; i + 1 < ticks.size(); ++i)
        EXPECT_GE(ticks[i] - ticks[i - 1], 4);
}

} // namespace

namespace {

TEST_F(TlxSkinSliderTest, AHostileSkinDescriptionPaintsWithinThePicture) {
    const std::function<void(TlxDataSkinSlider&)> damages[] = {
        [](TlxDataSkinSlider& d) {
            d.HRulerRect = d.HThumbRect = {0, 0, 99999, 99999};
        },
        [](TlxDataSkinSlider& d) {
            d.HRulerRect = d.HThumbRect = {30, 30, 5, 5};
        },
        [](TlxDataSkinSlider& d) { d.EdgeSize = 1000; },
        [](TlxDataSkinSlider& d) { d.EdgeSize = -7; },
        [](TlxDataSkinSlider& d) {
            d.HThumbRect = {0, 0, 1, 1};
        },
        [](TlxDataSkinSlider& d) { d.PictureIndex = 9; },
    };
    for (const auto& damage : damages) {
        TTestSkin skin;
        TBitmap p(20, 20);
        const int index = skin.AddPicture(p);
        auto& d = skin.Add<TlxDataSkinSlider>("slider");
        d.PictureIndex = index;
        d.MaskPictureIndex = -1;
        d.HRulerRect = {0, 0, 10, 4};
        d.HThumbRect = {0, 4, 10, 14};
        damage(d);
        skin.LoadInto(SD);
        auto* s = Slider();
        s->SetSkinData(SD);
        s->SetValue(50);
        Shot(s);
        Press(s, {s->ThumbRect().Left, s->ThumbRect().Top});
        Session.MouseMove(At(s, 100, 10));
        Release(s, {100, 10});
        EXPECT_LE(s->RulerRect().Height(), 20);
        s->Free();
    }
}

} // namespace
