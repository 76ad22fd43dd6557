#include "SkinControlProbes.h"

#include "skin/controls/TlxSkinScrollBar.h"
#include "skin/engine/DataSkinListControls.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <functional>

namespace {

// Rows of 17: the bar of 60 (down button, track, up button) and a thumb of
// 20 at (60, 0); below, the hot states; below them, the pressed states; a
// grip of 6 x 7 at (20, 22).
TBitmap ScrollBarPicture() {
    TBitmap b(80, 51);
    b.Fill(0xFF000000);
    const uint32_t button[] = {0xA0A0A0, 0x60A0E0, 0x2060A0};
    const uint32_t thumb[] = {0xC08040, 0xE0A060, 0x804020};
    for (int row = 0; row < 3; ++row) {
        const int y = row * 17;
        FillPixels(b, {0, y, 17, y + 17}, button[row]);
        FillPixels(b, {43, y, 60, y + 17}, button[row]);
        FillPixels(b, {60, y, 80, y + 17}, 0x303030);
        FillPixels(b, {64, y, 76, y + 17}, thumb[row]);
    }
    FillPixels(b, {17, 0, 43, 17}, 0xD8D8D8);
    FillPixels(b, {20, 22, 26, 29}, 0x000000);
    return b;
}

class TlxSkinScrollBarTest : public TSkinControlTest {
protected:
    void LoadSkin() {
        TTestSkin skin;
        int picture = skin.AddPicture(ScrollBarPicture());
        auto& d = skin.Add<TlxDataSkinScrollBarControl>("hscrollbar");
        d.PictureIndex = picture;
        d.MaskPictureIndex = -1;
        d.SkinRect = {0, 0, 60, 17};
        d.LTPoint = {17, 0};
        d.RTPoint = {43, 0};
        d.ClRect = {17, 0, 43, 17};
        d.TrackArea = {17, 0, 43, 17};
        d.DownButtonRect = {0, 0, 17, 17};
        d.UpButtonRect = {43, 0, 60, 17};
        d.ActiveDownButtonRect = {0, 17, 17, 34};
        d.ActiveUpButtonRect = {43, 17, 60, 34};
        d.DownDownButtonRect = {0, 34, 17, 51};
        d.DownUpButtonRect = {43, 34, 60, 51};
        d.ThumbRect = {60, 0, 80, 17};
        d.ActiveThumbRect = {60, 17, 80, 34};
        d.DownThumbRect = {60, 34, 80, 51};
        d.ThumbOffset1 = d.ThumbOffset2 = 4;
        d.GlyphRect = {20, 22, 26, 29};
        skin.LoadInto(SD);
    }
    TlxSkinScrollBar* Bar(TScrollBarKind Kind = sbHorizontal, int W = 200, int H = 19) {
        auto* b = Make<TlxSkinScrollBar>(10, 10, W, H);
        b->SetKind(Kind);
        if (Kind == sbVertical) b->SetSkinDataName("vscrollbar");
        b->SetBounds(10, 10, W, H);
        b->OnChange = [this](TObject*) { Events.push_back("change " + std::to_string(Last->Position())); };
        b->OnPageUp = [this](TObject*) { Events.push_back("page up"); };
        b->OnPageDown = [this](TObject*) { Events.push_back("page down"); };
        b->OnLastChange = [this](TObject*) { Events.push_back("last change"); };
        Last = b;
        return b;
    }
    void Press(TlxSkinScrollBar* B, TPoint P) {
        Session.MouseMove(At(B, P.X, P.Y));
        Session.MouseDown(At(B, P.X, P.Y));
        Session.Pump();
    }
    void Release(TlxSkinScrollBar* B, TPoint P) {
        Session.MouseUp(At(B, P.X, P.Y));
        Session.Pump();
    }

    std::vector<std::string> Events;
    TlxSkinScrollBar* Last = nullptr;
};

} // namespace

TEST_F(TlxSkinScrollBarTest, ANewBarIsHorizontalFromZeroToAHundredAndNotFocusable) {
    auto* b = new TlxSkinScrollBar(Form);
    EXPECT_EQ(b->Width(), 200);
    EXPECT_EQ(b->Height(), 19);
    EXPECT_EQ(b->Kind(), sbHorizontal);
    EXPECT_EQ(b->Min(), 0);
    EXPECT_EQ(b->Max(), 100);
    EXPECT_EQ(b->Position(), 0);
    EXPECT_FALSE(b->CanFocused());
    EXPECT_FALSE(b->TabStop());
    EXPECT_EQ(b->SkinDataName(), "hscrollbar");
    EXPECT_EQ(b->DefaultHeight(), 19);
}

TEST_F(TlxSkinScrollBarTest, BuiltInLayoutOfArrowsTrackAndThumb) {
    struct Case {
        const char* Name;
        TScrollBarKind Kind;
        int Min, Max, Page, Position;
        TRect Down, Up, Track, Thumb;
    } cases[] = {
        {"horizontal at the start",
         sbHorizontal,
         0,
         100,
         0,
         0,
         {1, 1, 17, 18},
         {183, 1, 199, 18},
         {17, 1, 183, 18},
         {17, 1, 33, 18}},
        {"horizontal half way",
         sbHorizontal,
         0,
         100,
         0,
         50,
         {1, 1, 17, 18},
         {183, 1, 199, 18},
         {17, 1, 183, 18},
         {92, 1, 108, 18}},
        {"horizontal at the end",
         sbHorizontal,
         0,
         100,
         0,
         100,
         {1, 1, 17, 18},
         {183, 1, 199, 18},
         {17, 1, 183, 18},
         {167, 1, 183, 18}},
        {"a page of a fifth",
         sbHorizontal,
         0,
         99,
         20,
         40,
         {1, 1, 17, 18},
         {183, 1, 199, 18},
         {17, 1, 183, 18},
         {84, 1, 116, 18}},
        {"a page larger than the range fills the track",
         sbHorizontal,
         0,
         9,
         10,
         5,
         {1, 1, 17, 18},
         {183, 1, 199, 18},
         {17, 1, 183, 18},
         {17, 1, 183, 18}},
        {"vertical",
         sbVertical,
         0,
         100,
         0,
         100,
         {1, 1, 18, 17},
         {1, 183, 18, 199},
         {1, 17, 18, 183},
         {1, 167, 18, 183}},
        {"vertical, page larger than the range",
         sbVertical,
         0,
         9,
         10,
         5,
         {1, 1, 18, 17},
         {1, 183, 18, 199},
         {1, 17, 18, 183},
         {1, 17, 18, 183}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* b = c.Kind == sbHorizontal ? Bar() : Bar(sbVertical, 19, 200);
        b->SetRange(c.Min, c.Max, c.Page, c.Position);
        b->LayoutParts();
        EXPECT_EQ(b->Part(TlxSkinScrollBar::DownPart).R, c.Down);
        EXPECT_EQ(b->Part(TlxSkinScrollBar::UpPart).R, c.Up);
        EXPECT_EQ(b->TrackArea(), c.Track);
        EXPECT_EQ(b->Part(TlxSkinScrollBar::ThumbPart).R, c.Thumb);
        b->Free();
    }
}

TEST_F(TlxSkinScrollBarTest, PositionWritersClampAndOnlyTheUsersChangesAreReported) {
    auto* b = Bar();
    struct Step {
        const char* Name;
        std::function<void()> Act;
        int Position;
        std::vector<std::string> Events;
    } steps[] = {
        {"SetRange stores the clamped position", [&] { b->SetRange(0, 9, 10, 5); }, 0, {}},
        {"a page larger than the range never falls below Min", [&] { b->SetRange(5, 10, 20, 7); }, 5, {}},
        {"SimplySetPosition clamps quietly",
         [&] {
             b->SetRange(0, 100, 10, 0);
             b->SimplySetPosition(200);
         },
         91,
         {}},
        {"Position to its value calls nothing", [&] { b->SetPosition(91); }, 91, {}},
        {"Position reports a change", [&] { b->SetPosition(-5); }, 0, {"change 0"}},
        {"a page that would not fit is refused", [&] { b->SetPageSize(200); }, 0, {}},
        {"Max below the position pulls it back",
         [&] {
             b->SetPosition(80);
             b->SetMax(50);
         },
         41,
         {"change 80"}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.Name);
        Events.clear();
        s.Act();
        EXPECT_EQ(b->Position(), s.Position);
        EXPECT_EQ(Events, s.Events);
    }
    EXPECT_EQ(b->PageSize(), 10);
}

TEST_F(TlxSkinScrollBarTest, ArrowRepeatsAfter500MsThenEvery50WhileThePointerIsOnIt) {
    auto* b = Bar();
    const TPoint up{190, 9};
    Press(b, up);
    struct Step {
        const char* Name;
        std::function<void()> Act;
        int Position;
    } steps[] = {
        {"the press steps at once", [] {}, 1},
        {"nothing before 550 ms", [&] { Session.Advance(549); }, 1},
        {"the first repeat at 550 ms", [&] { Session.Advance(1); }, 2},
        {"then every 50 ms", [&] { Session.Advance(100); }, 4},
        {"off the button the steps pause",
         [&] {
             Session.MouseMove(At(b, 100, 9));
             Session.Pump();
             Session.Advance(300);
         },
         4},
        {"back on it they resume at 50 ms",
         [&] {
             Session.MouseMove(At(b, 190, 9));
             Session.Pump();
             Session.Advance(50);
         },
         5},
        {"the release ends them",
         [&] {
             Release(b, up);
             Session.Advance(500);
         },
         5},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.Name);
        s.Act();
        EXPECT_EQ(b->Position(), s.Position);
    }
    EXPECT_EQ(std::count(Events.begin(), Events.end(), "last change"), 0);
}

TEST_F(TlxSkinScrollBarTest, AssignedArrowEventsReplaceTheStep) {
    auto* b = Bar();
    int ups = 0;
    b->OnUpButtonClick = [&](TObject*) { ++ups; };
    Press(b, {190, 9});
    Session.Advance(600);
    Release(b, {190, 9});
    EXPECT_EQ(b->Position(), 0);
    EXPECT_EQ(ups, 3); // the press, 550 ms, 600 ms
}

TEST_F(TlxSkinScrollBarTest, PageStepsRepeatUntilTheThumbReachesThePointer) {
    auto* b = Bar();
    b->SetRange(0, 100, 0, 100);
    b->SetLargeChange(10);
    Events.clear();
    Press(b, {60, 9}); // left of the thumb at the end
    EXPECT_EQ(b->Position(), 90);
    Session.Advance(2000);
    Release(b, {60, 9});
    // The thumb (16 long, centre 25 + 1.5 x position) passes 60 at position 20.
    EXPECT_EQ(b->Position(), 20);
    EXPECT_EQ(Events.front(), "change 90");
    EXPECT_EQ(Events[1], "page up");
    EXPECT_EQ(Events.back(), "page up");
    EXPECT_EQ(std::count(Events.begin(), Events.end(), "page up"), 8);
}

TEST_F(TlxSkinScrollBarTest, LeavingTheBarEndsEitherPageRepetition) {
    for (bool up : {true, false}) {
        SCOPED_TRACE(up);
        auto* b = Bar();
        b->SetRange(0, 100, 0, up ? 100 : 0);
        b->SetLargeChange(10);
        Press(b, {100, 9});
        const int afterPress = b->Position();
        Session.MouseMove({390, 290});
        Session.Pump();
        Session.Advance(1000);
        EXPECT_EQ(b->Position(), afterPress);
        Release(b, {100, 9});
        b->Free();
    }
}

TEST_F(TlxSkinScrollBarTest, DraggingTheThumbPinsAtTheEndsAndReportsTheLastChangeOnce) {
    auto* b = Bar();
    Session.Drag(At(b, 25, 9), At(b, 400, 9));
    Session.Pump();
    EXPECT_EQ(b->Position(), 100);
    Session.Drag(At(b, 175, 9), At(b, -300, 9));
    Session.Pump();
    EXPECT_EQ(b->Position(), 0);
    EXPECT_EQ(std::count(Events.begin(), Events.end(), "last change"), 2);
    EXPECT_EQ(Events.back(), "last change");
    // Half way along the track's free span.
    Session.Drag(At(b, 25, 9), At(b, 100, 9));
    Session.Pump();
    EXPECT_EQ(b->Position(), 50);
}

TEST_F(TlxSkinScrollBarTest, KeysAndWheelMoveOnlyAFocusedFocusableBar) {
    auto* b = Bar();
    b->SetRange(0, 100, 0, 50);
    b->SetSmallChange(2);
    Session.Click(At(b, 100, 9)); // a page step; no focus taken
    Session.Pump();
    EXPECT_FALSE(b->Focused());
    const int start = b->Position();
    Session.Key(VK_RIGHT);
    Session.Wheel(-120, At(b, 100, 9));
    Session.Pump();
    EXPECT_EQ(b->Position(), start);

    b->SetCanFocused(true);
    EXPECT_TRUE(b->TabStop());
    Session.Click(At(b, 190, 9)); // takes the focus, then steps
    Session.Pump();
    EXPECT_TRUE(b->Focused());
    EXPECT_EQ(b->Position(), start + 2);
    struct Step {
        std::function<void()> Act;
        int Delta;
    } steps[] = {
        {[&] { Session.Key(VK_RIGHT); }, 2},
        {[&] { Session.Key(VK_UP); }, -2},
        {[&] { Session.Wheel(-120, At(b, 100, 9)); }, 2},
        {[&] { Session.Wheel(360, At(b, 100, 9)); }, -6}, // one step per 120
    };
    for (const Step& s : steps) {
        const int before = b->Position();
        s.Act();
        Session.Pump();
        EXPECT_EQ(b->Position(), before + s.Delta);
    }
}

TEST_F(TlxSkinScrollBarTest, LooksAsGoldens) {
    struct Case {
        const char* Golden;
        bool Skinned;
        TScrollBarKind Kind;
        std::function<void(TlxSkinScrollBar*)> Set;
    } cases[] = {
        {"builtin", false, sbHorizontal, [](TlxSkinScrollBar* b) { b->SetPosition(30); }},
        {"builtin-vertical-page", false, sbVertical, [](TlxSkinScrollBar* b) { b->SetRange(0, 99, 25, 50); }},
        {"builtin-disabled", false, sbHorizontal, [](TlxSkinScrollBar* b) { b->SetEnabled(false); }},
        {"builtin-both", false, sbHorizontal, [](TlxSkinScrollBar* b) { b->SetBoth(true); }},
        {"skinned", true, sbHorizontal, [](TlxSkinScrollBar* b) { b->SetPosition(30); }},
        {"skinned-page", true, sbHorizontal, [](TlxSkinScrollBar* b) { b->SetRange(0, 99, 25, 50); }},
    };
    LoadSkin();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Golden);
        auto* b = c.Kind == sbHorizontal ? Bar(sbHorizontal, 120, 19) : Bar(sbVertical, 19, 120);
        if (c.Skinned) b->SetSkinData(SD);
        c.Set(b);
        EXPECT_TRUE(MatchesGolden(Shot(b), std::string("skin/controls/TlxSkinScrollBar/") + c.Golden, 0));
        b->Free();
    }
}

TEST_F(TlxSkinScrollBarTest, PartsShowHotAndPressedStates) {
    LoadSkin();
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned);
        auto* b = Bar(sbHorizontal, 120, 19);
        if (skinned) b->SetSkinData(SD);
        const int h = b->Height();
        Session.MouseMove(At(b, 110, h / 2));
        Session.Pump();
        EXPECT_TRUE(MatchesGolden(Shot(b), std::string("skin/controls/TlxSkinScrollBar/") +
                                               (skinned ? "skinned" : "builtin") + "-up-hot"));
        Session.MouseDown(At(b, 110, h / 2));
        Session.Pump();
        EXPECT_TRUE(MatchesGolden(Shot(b), std::string("skin/controls/TlxSkinScrollBar/") +
                                               (skinned ? "skinned" : "builtin") + "-up-pressed"));
        Session.MouseUp(At(b, 110, h / 2));
        Session.Pump();
        b->Free();
    }
}

TEST_F(TlxSkinScrollBarTest, SkinnedLayoutMovesTheFarButtonAndSizesTheThumbFromTheSkin) {
    LoadSkin();
    struct Case {
        const char* Name;
        int Page, Position;
        TRect Thumb;
    } cases[] = {
        {"no page: the skin thumb's length", 0, 0, {17, 0, 37, 17}},
        {"a page: proportional, at least the skin thumb", 25, 50, {60, 0, 82, 17}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* b = Bar(sbHorizontal, 120, 19);
        b->SetSkinData(SD);
        EXPECT_EQ(b->Height(), 17);
        b->SetRange(0, 99, c.Page, c.Position);
        b->LayoutParts();
        EXPECT_EQ(b->Part(TlxSkinScrollBar::DownPart).R, (TRect{0, 0, 17, 17}));
        EXPECT_EQ(b->Part(TlxSkinScrollBar::UpPart).R, (TRect{103, 0, 120, 17}));
        EXPECT_EQ(b->TrackArea(), (TRect{17, 0, 103, 17}));
        EXPECT_EQ(b->Part(TlxSkinScrollBar::ThumbPart).R, c.Thumb);
        b->Free();
    }
}

TEST_F(TlxSkinScrollBarTest, LosingTheMouseCaptureEndsTheRepetition) {
    auto* b = Bar();
    Press(b, {190, 9});
    EXPECT_EQ(b->Position(), 1);
    b->SetMouseCapture(false); // a dialog took the mouse
    Session.Pump();
    Session.Advance(1000);
    EXPECT_EQ(b->Position(), 1);
    EXPECT_FALSE(b->Part(TlxSkinScrollBar::UpPart).Down);
}
