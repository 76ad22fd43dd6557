#include "SkinControlProbes.h"

#include "platform/gdi/Gdi.h"
#include "skin/engine/DataSkinControls.h"
#include "tests/support/pictures/PixelArt.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <functional>

namespace {

// The corner points of the standard frame, and the ways of taking some away.
struct TCorners {
    TPoint LT, RT, LB, RB;
};
const TCorners NinePart{{4, 4}, {16, 4}, {4, 16}, {16, 16}};
const TCorners HorzStrip{{4, 0}, {16, 0}, {0, 0}, {0, 0}};
const TCorners VertStrip{{0, 4}, {0, 0}, {0, 16}, {0, 0}};
const TCorners NoPoints{{0, 0}, {0, 0}, {0, 0}, {0, 0}};

class TlxSkinCustomControlTest : public TSkinControlTest {
protected:
    // A skin with the standard picture and one panel description "probe"
    // of the given corners, SkinRect and client rectangle, edited by Edit.
    void LoadSkin(const TCorners& C, std::function<void(TlxDataSkinPanelControl&)> Edit = {}) {
        TTestSkin skin;
        int picture = skin.AddPicture(TTestSkin::StandardPicture());
        auto& d = skin.Add<TlxDataSkinPanelControl>("probe");
        TTestSkin::SetNinePart(d, picture);
        d.LTPoint = C.LT;
        d.RTPoint = C.RT;
        d.LBPoint = C.LB;
        d.RBPoint = C.RB;
        if (Edit) Edit(d);
        skin.LoadInto(SD);
    }
    TProbeSkinControl* Probe(int W = 28, int H = 24) {
        auto* p = Make<TProbeSkinControl>(10, 10, W, H);
        p->SetName("probe");
        p->SetSkinDataName("probe");
        p->SetSkinData(SD);
        return p;
    }
    static TPixelRows Art(const TBitmap& B) { return PixelArt(B, TestSkinLegend()); }
};

} // namespace

TEST_F(TlxSkinCustomControlTest, ResizeModeFromTheCornerPointsDecidesWhatSetBoundsKeeps) {
    struct Case {
        const char* Name;
        TCorners Corners;
        TRect SkinRect;
        TlxResizeMode Mode;
        TSize After; // of SetBounds(.., 50, 30)
        TRect Client;
    } cases[] = {
        {"nine parts", NinePart, {0, 0, 20, 20}, TlxResizeMode::Both, {50, 30}, {4, 4, 46, 26}},
        {"horizontal strip", HorzStrip, {0, 0, 20, 20}, TlxResizeMode::Horizontal, {50, 20}, {4, 4, 46, 16}},
        {"vertical strip", VertStrip, {0, 0, 20, 20}, TlxResizeMode::Vertical, {20, 30}, {4, 4, 16, 26}},
        {"fixed", NoPoints, {0, 0, 20, 20}, TlxResizeMode::Fixed, {20, 20}, {4, 4, 16, 16}},
        {"RB with one zero coordinate",
         {{4, 4}, {16, 4}, {4, 16}, {16, 0}},
         {0, 0, 20, 20},
         TlxResizeMode::Horizontal,
         {50, 20},
         {4, 4, 46, 16}},
        {"empty skin rect", NinePart, {0, 0, 0, 20}, TlxResizeMode::None, {50, 30}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        LoadSkin(c.Corners, [&](TlxDataSkinPanelControl& d) { d.SkinRect = c.SkinRect; });
        auto* p = Probe(20, 20);
        EXPECT_EQ(p->ResizeMode(), c.Mode);
        p->SetBounds(10, 10, 50, 30);
        EXPECT_EQ(p->Width(), c.After.cx);
        EXPECT_EQ(p->Height(), c.After.cy);
        if (c.Mode != TlxResizeMode::None) {
            EXPECT_EQ(
                (TRect{p->RealClientLeft(), p->RealClientTop(), p->RealClientLeft() + p->RealClientWidth(),
                       p->RealClientTop() + p->RealClientHeight()}),
                c.Client);
        }
        p->Free();
    }
}

TEST_F(TlxSkinCustomControlTest, ApplyingASkinSnapsTheSizeAndAMissingDescriptionTakesTheDefaultSize) {
    LoadSkin(NoPoints);
    struct Case {
        const char* Name;
        const char* SkinDataName;
        bool WithSkin;
        TSize After;
        int Index;
    } cases[] = {
        {"fixed description", "probe", true, {20, 20}, 0},
        {"name not in the skin", "nosuch", true, {33, 17}, -1},
        {"no skin data", "probe", false, {33, 17}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* p = Make<TProbeSkinControl>(10, 10, 50, 50);
        p->SetDefaultWidth(33);
        p->SetDefaultHeight(17);
        EXPECT_EQ(p->Width(), 33); // unskinned: the default size applies at once
        p->SetBounds(10, 10, 50, 50);
        p->SetSkinDataName(c.SkinDataName);
        if (c.WithSkin) p->SetSkinData(SD);
        p->ChangeSkinData();
        EXPECT_EQ(p->SkinIndex(), c.Index);
        EXPECT_EQ(p->Width(), c.After.cx);
        EXPECT_EQ(p->Height(), c.After.cy);
        if (c.Index == -1) {
            TBitmap shot = Shot(p);
            EXPECT_EQ(PixelArt(shot, {0, 0, 3, 2}, TestSkinLegend()), (TPixelRows{"fff", "fff"}));
        }
        p->Free();
    }
}

TEST_F(TlxSkinCustomControlTest, SettingTheSkinAppliesItAtOnceOnlyAtRunTime) {
    LoadSkin(NoPoints);
    auto* designed = Make<TProbeSkinControl>(10, 10, 50, 50);
    designed->SetDesigning(true);
    designed->SetSkinDataName("probe");
    designed->SetSkinData(SD);
    EXPECT_EQ(designed->Width(), 50);
    EXPECT_EQ(designed->SkinIndex(), -1);
    auto* running = Probe(50, 50);
    EXPECT_EQ(running->Width(), 20);
    EXPECT_EQ(running->SkinIndex(), 0);
}

TEST_F(TlxSkinCustomControlTest, NinePartImageGrowsWithTheControl) {
    LoadSkin(NinePart);
    auto* p = Probe(24, 22);
    // Corners keep their 4 x 4, sides and client tile from their origin.
    EXPECT_EQ(Art(Shot(p)),
              (TPixelRows{
                  "rrrrggggggggggggggggrrrr", "rrrrggggggggggggggggrrrr", "rrrrggggggggggggggggrrrr",
                  "rrrrggggggggggggggggrrrr", "yyyybb..bb..bb..bb..yyyy", "yyyybb..bb..bb..bb..yyyy",
                  "yyyy..bb..bb..bb..bbyyyy", "yyyy..bb..bb..bb..bbyyyy", "yyyybb..bb..bb..bb..yyyy",
                  "yyyybb..bb..bb..bb..yyyy", "yyyy..bb..bb..bb..bbyyyy", "yyyy..bb..bb..bb..bbyyyy",
                  "yyyybb..bb..bb..bb..yyyy", "yyyybb..bb..bb..bb..yyyy", "yyyy..bb..bb..bb..bbyyyy",
                  "yyyy..bb..bb..bb..bbyyyy", "yyyybb..bb..bb..bb..yyyy", "yyyybb..bb..bb..bb..yyyy",
                  "rrrrggggggggggggggggrrrr", "rrrrggggggggggggggggrrrr", "rrrrggggggggggggggggrrrr",
                  "rrrrggggggggggggggggrrrr",
              }));
}

TEST_F(TlxSkinCustomControlTest, FramePathDrawsTheStripsAndTheClientAndLetsTheTopStripBeDrawnOn) {
    LoadSkin(NinePart);
    auto* p = Make<TProbeSkinControl>(10, 10, 24, 22);
    p->SetForceBackground(true);
    p->MarkTopStrip = true;
    p->SetSkinDataName("probe");
    p->SetSkinData(SD);
    TPixelRows art = Art(Shot(p));
    EXPECT_EQ(art[0], "#rrrggggggggggggggggrrrr"); // the mark in the top strip
    EXPECT_EQ(art[4], "yyyybb..bb..bb..bb..yyyy");
    EXPECT_EQ(art[21], "rrrrggggggggggggggggrrrr");

    // Without the client fill the strips still come, the client is left alone.
    auto* bare = Make<TProbeSkinControl>(50, 10, 24, 22);
    bare->SetForceBackground(true);
    bare->SetDrawBackground(false);
    bare->SetSkinDataName("probe");
    bare->SetSkinData(SD);
    art = Art(Shot(bare));
    EXPECT_EQ(art[0], "rrrrggggggggggggggggrrrr");
    EXPECT_EQ(art[5].substr(0, 4), "yyyy");
    EXPECT_EQ(art[5].substr(20), "yyyy");
    EXPECT_EQ(art[5].find('b'), std::string::npos);

    // A stretched client fills the new client rectangle whole.
    LoadSkin(NinePart, [](TlxDataSkinPanelControl& d) {
        d.StretchEffect = true;
        d.StretchType = lxstFull;
    });
    art = Art(Shot(p));
    EXPECT_EQ(art[4], "yyyybbb..bbb...bb...yyyy");
}

TEST_F(TlxSkinCustomControlTest, GetNewRectInEachMode) {
    struct Case {
        const char* Name;
        TCorners Corners;
        TRect In, Out; // asked for 50 x 30
    } cases[] = {
        {"nine: in the left-top corner", NinePart, {1, 1, 3, 3}, {1, 1, 3, 3}},
        {"nine: in the right-top corner", NinePart, {17, 1, 19, 3}, {47, 1, 49, 3}},
        {"nine: in the left-bottom corner", NinePart, {1, 17, 3, 19}, {1, 27, 3, 29}},
        {"nine: in the right-bottom corner", NinePart, {17, 17, 19, 19}, {47, 27, 49, 29}},
        {"nine: left-top to right-bottom", NinePart, {2, 2, 18, 18}, {2, 2, 48, 28}},
        {"nine: along the top", NinePart, {2, 1, 18, 3}, {2, 1, 48, 3}},
        {"nine: along the bottom", NinePart, {2, 17, 18, 19}, {2, 27, 48, 29}},
        {"nine: down the left", NinePart, {1, 2, 3, 18}, {1, 2, 3, 28}},
        {"nine: down the right", NinePart, {17, 2, 19, 18}, {47, 2, 49, 28}},
        {"nine: in the middle", NinePart, {6, 6, 10, 10}, {6, 6, 10, 10}},
        {"horizontal: spanning the middle", HorzStrip, {2, 5, 18, 9}, {2, 5, 48, 9}},
        {"horizontal: past the middle", HorzStrip, {16, 5, 19, 9}, {46, 5, 49, 9}},
        {"horizontal: before the middle", HorzStrip, {1, 5, 10, 9}, {1, 5, 10, 9}},
        {"vertical: spanning the middle", VertStrip, {5, 2, 9, 18}, {5, 2, 9, 28}},
        {"vertical: past the middle", VertStrip, {5, 16, 9, 19}, {5, 26, 9, 29}},
        {"fixed", NoPoints, {17, 17, 19, 19}, {17, 17, 19, 19}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        LoadSkin(c.Corners);
        auto* p = Probe(50, 30);
        EXPECT_EQ(p->GetNewRect(c.In), c.Out);
        p->Free();
    }
}

TEST_F(TlxSkinCustomControlTest, RegionFromTheMaskFollowsTheSize) {
    // The mask cuts the outermost corner pixels away.
    TBitmap mask(20, 20);
    mask.Fill(0xFF000000);
    for (TPoint corner : {TPoint{0, 0}, TPoint{19, 0}, TPoint{0, 19}, TPoint{19, 19}})
        mask.ScanLine(corner.Y)[corner.X] = 0xFFFFFFFF;
    TTestSkin skin;
    int picture = skin.AddPicture(TTestSkin::StandardPicture());
    int maskIndex = skin.AddPicture(mask);
    auto& d = skin.Add<TlxDataSkinPanelControl>("probe");
    TTestSkin::SetNinePart(d, picture);
    d.MaskPictureIndex = maskIndex;
    skin.LoadInto(SD);
    auto* p = Probe(20, 20);
    for (TSize size : {TSize{20, 20}, TSize{41, 30}, TSize{64, 57}}) {
        SCOPED_TRACE(size.cx);
        p->SetBounds(10, 10, size.cx, size.cy);
        HRGN rgn = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(p->Handle(), rgn), 0);
        TRect box;
        GetRgnBox(rgn, &box);
        EXPECT_EQ(box, (TRect{0, 0, size.cx, size.cy}));
        for (TPoint out :
             {TPoint{0, 0}, TPoint{size.cx - 1, 0}, TPoint{0, size.cy - 1}, TPoint{size.cx - 1, size.cy - 1}})
            EXPECT_FALSE(PtInRegion(rgn, out.X, out.Y)) << out.X << "," << out.Y;
        for (TPoint in : {TPoint{1, 0}, TPoint{size.cx / 2, size.cy / 2}, TPoint{size.cx - 2, size.cy - 1}})
            EXPECT_TRUE(PtInRegion(rgn, in.X, in.Y)) << in.X << "," << in.Y;
        DeleteObject(rgn);
    }
    // A skin without the mask takes the region away.
    LoadSkin(NinePart);
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(p->Handle(), rgn), 0);
    DeleteObject(rgn);
}

TEST_F(TlxSkinCustomControlTest, CheckParentBackgroundReachesTheChildrenOfAStretchedControl) {
    struct Case {
        const char* Name;
        bool Stretch;
        std::vector<std::string> Log;
    } cases[] = {
        {"stretched: each move tells every child", true, {"windowless", "windowed"}},
        {"tiled: nothing", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        LoadSkin(NinePart, [&](TlxDataSkinPanelControl& d) { d.StretchEffect = c.Stretch; });
        auto* p = Probe(100, 80);
        auto* windowed = Make<TProbeSkinControl>(5, 5, 20, 20, p);
        windowed->SetName("windowed");
        auto* windowless = Make<TProbeGraphicSkinControl>(30, 5, 20, 20, p);
        windowless->SetName("windowless");
        BackgroundLog().clear();
        p->SetBounds(20, 20, 100, 80); // moved, the same size
        EXPECT_EQ(BackgroundLog(), c.Log);
        p->Free();
    }
}

TEST_F(TlxSkinCustomControlTest, DefaultFontChangeRepaintsOnlyAnUnskinnedControl) {
    LoadSkin(NinePart);
    auto* skinned = Probe();
    auto* plain = Make<TProbeSkinControl>(50, 10, 20, 20);
    Session.Pump();
    for (TProbeSkinControl* p : {skinned, plain}) {
        p->Paints = 0;
        p->FontChanges = 0;
        p->DefaultFont()->SetHeight(20);
        Session.Pump();
        EXPECT_EQ(p->FontChanges, 1);
    }
    EXPECT_EQ(skinned->Paints, 0);
    EXPECT_EQ(plain->Paints, 1);
}

TEST_F(TlxSkinCustomControlTest, MouseEnterAndLeaveEventsOfTheControlOnly) {
    auto* p = Make<TProbeSkinControl>(10, 10, 40, 40);
    auto* child = Make<TProbeSkinControl>(10, 10, 10, 10, p);
    std::vector<std::string> events;
    p->OnMouseEnter = [&](TObject*) { events.push_back("enter"); };
    p->OnMouseLeave = [&](TObject*) { events.push_back("leave"); };
    child->OnMouseEnter = [&](TObject*) { events.push_back("child enter"); };
    Session.MouseMove(At(p, 2, 2));
    Session.Pump();
    Session.MouseMove(At(child, 2, 2));
    Session.Pump();
    Session.MouseMove({300, 250});
    Session.Pump();
    EXPECT_EQ(events, (std::vector<std::string>{"enter", "leave", "child enter"}));
}

TEST_F(TlxSkinCustomControlTest, ControlsOnACentringBarAreCentredVertically) {
    auto* bar = Make<TCentringProbeBar>(0, 0, 200, 34);
    struct Case {
        const char* Name;
        bool Adjust;
        int Height, Top;
    } cases[] = {
        {"even height", true, 10, 12}, // 26 div 2 + 4 - 10 div 2
        {"odd height", true, 11, 12},
        {"taller than the bar", true, 40, -3},
        {"adjusting off", false, 10, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        bar->Adjust = c.Adjust;
        auto* windowed = Make<TProbeSkinControl>(5, 7, 20, c.Height, bar);
        auto* windowless = Make<TProbeGraphicSkinControl>(30, 7, 20, c.Height, bar);
        EXPECT_EQ(windowed->Top(), c.Top);
        EXPECT_EQ(windowless->Top(), c.Top);
        windowed->Free();
        windowless->Free();
    }
}

TEST_F(TlxSkinCustomControlTest, PaintingInTheMiddleOfASkinChangeShowsTheBuiltInLook) {
    LoadSkin(NinePart);
    auto* windowed = Probe(24, 22);
    auto* windowless = Make<TProbeGraphicSkinControl>(50, 10, 24, 22);
    windowless->SetSkinDataName("probe");
    windowless->SetSkinData(SD);
    ASSERT_EQ(Art(Shot(windowless))[0], "rrrrggggggggggggggggrrrr");
    std::vector<std::string> seen;
    Form->OnSkinMessage = [&](uint32_t Msg) {
        if (Msg != WM_BEFORECHANGESKINDATA) return;
        // The old descriptions are still there but going; nothing may use them.
        EXPECT_EQ(windowed->SkinIndex(), -1);
        EXPECT_EQ(windowless->SkinIndex(), -1);
        windowed->Repaint();
        windowless->Repaint();
        seen.push_back(Art(Shot(windowed))[0]);
        seen.push_back(Art(Shot(windowless))[0]);
    };
    // The new skin draws the frame in its darker state.
    LoadSkin(NinePart, [](TlxDataSkinPanelControl& d) { TTestSkin::SetNinePart(d, 0, 24, 0); });
    EXPECT_EQ(Form->Messages,
              (std::vector<std::string>{"before", "change", "after", "before", "change", "after"}));
    EXPECT_EQ(seen, (std::vector<std::string>{std::string(24, 'f'), std::string(24, 'f')}));
    EXPECT_EQ(Art(Shot(windowed))[0], "RRRRGGGGGGGGGGGGGGGGRRRR");
    EXPECT_EQ(Art(Shot(windowless))[0], "RRRRGGGGGGGGGGGGGGGGRRRR");
}
