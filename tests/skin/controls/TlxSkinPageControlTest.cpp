#include "SkinControlProbes.h"

#include "skin/controls/TlxSkinPageControl.h"

#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TComponentWriter.h"
#include "platform/vcl/TImageList.h"
#include "skin/controls/SkinControlsRegistration.h"
#include "skin/controls/TlxSkinTabSheet.h"
#include "skin/controls/TlxSkinUpDown.h"
#include "skin/engine/DataSkinListControls.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

namespace {

// The platform's own layout, before the skinned control moves it.
class TProbePageControl : public TlxSkinPageControl {
public:
    using TlxSkinPageControl::TlxSkinPageControl;
    using TPageControl::RawDisplayRect;
    using TPageControl::RawTabRect;
};

class TlxSkinPageControlTest : public TSkinControlTest {
protected:
    // A frame from the standard picture's light half, tabs from its dark
    // half (selected: light), a black strip behind the tabs.
    void LoadSkin() {
        TTestSkin skin;
        const int picture = skin.AddPicture(TTestSkin::StandardPicture());
        auto& d = skin.Add<TlxDataSkinTabControl>("tab");
        d.PictureIndex = picture;
        d.MaskPictureIndex = -1;
        d.SkinRect = {0, 0, 20, 20};
        d.LTPoint = {4, 4};
        d.RTPoint = {16, 4};
        d.LBPoint = {4, 16};
        d.RBPoint = {16, 16};
        d.ClRect = {4, 4, 16, 16};
        d.TabRect = {24, 0, 44, 20};
        d.ActiveTabRect = {0, 0, 20, 20};
        d.MouseInTabRect = {0, 2, 20, 22};
        d.TabsBGRect = {44, 0, 48, 4};
        d.TabLeftOffset = d.TabRightOffset = 4;
        d.FontName = "Arial";
        d.FontHeight = 12;
        d.FontColor = 0xFFFFFF;
        d.ActiveFontColor = d.FocusFontColor = 0x000000;
        d.MouseInFontColor = 0x0000FF;
        d.BGPictureIndex = -1;
        skin.LoadInto(SD);
    }

    // Count pages "Page0".. on a 200 x 120 control.
    TProbePageControl* Pages(int Count, TTabPosition Position = tpTop, int W = 200, int H = 120) {
        auto* pc = Make<TProbePageControl>(10, 10, W, H);
        pc->SetTabPosition(Position);
        for (int i = 0; i < Count; ++i) {
            auto* sheet = new TlxSkinTabSheet(Form);
            sheet->SetPageControl(pc);
            sheet->SetCaption("Page" + std::to_string(i));
        }
        Session.Pump();
        return pc;
    }
    TlxSkinCustomTabSheet* Sheet(TlxSkinPageControl* pc, int I) {
        return dynamic_cast<TlxSkinCustomTabSheet*>(pc->Pages(I));
    }
    void Click(TControl* C, TPoint P) {
        Session.MouseMove(At(C, P.X, P.Y));
        Session.MouseDown(At(C, P.X, P.Y));
        Session.MouseUp(At(C, P.X, P.Y));
        Session.Pump();
    }
    static TPoint Middle(const TRect& R) { return {R.Left + R.Width() / 2, R.Top + R.Height() / 2}; }
};

} // namespace

TEST_F(TlxSkinPageControlTest, PropertiesRefuseWhatTheyCannotTake) {
    auto* pc = Pages(2, tpLeft);
    pc->SetMultiLine(true);
    pc->SetTabsInCenter(true); // no fixed tab width: nothing changes
    EXPECT_FALSE(pc->TabsInCenter());
    EXPECT_EQ(pc->TabPosition(), tpLeft);
    EXPECT_TRUE(pc->MultiLine());
    pc->SetTabWidth(50);
    pc->SetTabsInCenter(true);
    EXPECT_TRUE(pc->TabsInCenter());
    EXPECT_EQ(pc->TabPosition(), tpTop);
    EXPECT_FALSE(pc->MultiLine());
    EXPECT_TRUE(pc->TabsBGTransparent());

    pc->SetTabMargin(-2);
    EXPECT_EQ(pc->TabMargin(), -1);
    pc->SetTabMargin(3);
    EXPECT_EQ(pc->TabMargin(), 3);
    EXPECT_EQ(pc->TabSpacing(), 1);
}

TEST_F(TlxSkinPageControlTest, TabSpacingOfTwoIsStoredAndReadsBack) {
    RegisterSkinControls();
    auto* pc = Make<TlxSkinPageControl>(0, 0, 100, 100);
    pc->SetName("Pages1");
    pc->SetTabSpacing(2);
    const std::string text = TComponentWriter::WriteText(pc);
    EXPECT_NE(text.find("TabSpacing = 2"), std::string::npos) << text;
    auto* read = new TlxSkinPageControl(nullptr);
    TComponentReader::ReadText(read, text);
    EXPECT_EQ(read->TabSpacing(), 2);
    read->Free();
    pc->SetTabSpacing(1);
    EXPECT_EQ(TComponentWriter::WriteText(pc).find("TabSpacing"), std::string::npos);
}

TEST_F(TlxSkinPageControlTest, TabAndDisplayRectanglesAreMovedForTheFrame) {
    struct Case {
        TTabPosition Position;
        TPoint Shift; // of every tab rectangle against the platform's layout
    } cases[] = {{tpTop, {-2, -2}}, {tpBottom, {-2, 2}}, {tpLeft, {-2, 0}}, {tpRight, {2, 0}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Position);
        auto* pc = Pages(2, c.Position);
        const TRect raw = pc->RawTabRect(1);
        const TRect r = pc->TabRect(1);
        EXPECT_EQ(r.Left - raw.Left, c.Shift.X);
        EXPECT_EQ(r.Top - raw.Top, c.Shift.Y);
        pc->Free();
    }
}

TEST_F(TlxSkinPageControlTest, TheDisplayRectangleLeavesTheFrameOfTheSkinOrOfTheBuiltInLook) {
    LoadSkin();
    auto* pc = Pages(2);
    const TRect raw = pc->RawDisplayRect();
    EXPECT_EQ(pc->DisplayRect(), (TRect{1, raw.Top - 5, 199, 119}));
    pc->SetSkinData(SD);
    // Skinned: the skin's client rectangle (4 on each side) and 6 up.
    EXPECT_EQ(pc->DisplayRect(), (TRect{4, pc->RawDisplayRect().Top - 6 + 4, 196, 116}));
    EXPECT_EQ(pc->ActivePage()->BoundsRect(), pc->DisplayRect());
    pc->HideBorderAndTabs();
    EXPECT_EQ(pc->DisplayRect(), (TRect{0, -2, 200, 120}));
}

TEST_F(TlxSkinPageControlTest, TheTabHeightComesFromTheSkinOrTheDefault) {
    LoadSkin();
    auto* pc = Pages(2);
    pc->SetDefaultItemHeight(24);
    EXPECT_EQ(pc->TabRect(0).Height(), 24);
    pc->SetSkinData(SD);
    EXPECT_EQ(pc->TabRect(0).Height(), 20); // the skin's tab
    pc->SetTabHeight(30);
    pc->UpDateTabs();
    EXPECT_EQ(pc->TabRect(0).Height(), 30);
}

TEST_F(TlxSkinPageControlTest, ASkinnedUpDownScrollsTabsThatDoNotFit) {
    LoadSkin();
    auto* pc = Pages(6, tpTop, 400);
    pc->SetSkinData(SD);
    EXPECT_EQ(pc->SkinUpDown(), nullptr);
    pc->SetWidth(150);
    Session.Pump();
    TlxSkinUpDown* u = pc->SkinUpDown();
    ASSERT_NE(u, nullptr);
    EXPECT_EQ(u->Parent(), pc);
    EXPECT_EQ(u->Left(), pc->Width() - u->Width());
    EXPECT_EQ(u->Top(), 0);
    EXPECT_GT(u->Max(), 0);
    u->SetPosition(2);
    EXPECT_EQ(pc->FirstVisibleTab(), 2);
    EXPECT_LE(pc->TabRect(1).Right, 0);

    pc->SetTabPosition(tpBottom);
    pc->SetWidth(149);
    Session.Pump();
    ASSERT_NE(pc->SkinUpDown(), nullptr);
    EXPECT_EQ(pc->SkinUpDown()->Top(), pc->Height() - pc->SkinUpDown()->Height());
    pc->SkinUpDown()->SetPosition(0);
    pc->SetWidth(600);
    Session.Pump();
    EXPECT_EQ(pc->SkinUpDown(), nullptr);
}

TEST_F(TlxSkinPageControlTest, HoverFollowsThePointerAndLeavesWithIt) {
    auto* pc = Pages(3);
    Session.MouseMove(At(pc, Middle(pc->TabRect(2)).X, Middle(pc->TabRect(2)).Y));
    Session.Pump();
    EXPECT_EQ(pc->ActiveTabIndex(), 2);
    EXPECT_EQ(pc->ActiveTab(), 2);
    Session.MouseMove({390, 290});
    Session.Pump();
    EXPECT_EQ(pc->ActiveTabIndex(), -1);
}

TEST_F(TlxSkinPageControlTest, CloseButtonsCloseThePageUnlessRefused) {
    auto* pc = Pages(3);
    pc->SetShowCloseButtons(true);
    EXPECT_EQ(pc->TempImages()->Width(), 1 + 14);
    std::vector<std::string> events;
    bool allow = false;
    pc->OnClose = [&](TObject* Sender, bool& CanClose) {
        events.push_back("close " + static_cast<TTabSheet*>(Sender)->Caption());
        CanClose = allow;
    };
    pc->OnAfterClose = [&](TObject* Sender) { events.push_back(Sender == pc ? "after" : "?"); };
    Session.Pump();
    auto button = [&](int Tab) {
        const TRect tab = pc->TabRect(Tab);
        const TRect b = Sheet(pc, pc->TabPage(Tab)->PageIndex())->ButtonRect;
        EXPECT_FALSE(b.IsEmpty());
        return TPoint{tab.Left + Middle(b).X, tab.Top + Middle(b).Y};
    };
    Click(pc, button(1));
    EXPECT_EQ(events, (std::vector<std::string>{"close Page1"}));
    EXPECT_EQ(pc->TabCount(), 3);
    EXPECT_EQ(pc->ActivePageIndex(), 1); // the press selected it

    allow = true;
    pc->SetFreeOnClose(true);
    events.clear();
    TTabSheet* page = pc->Pages(1);
    TComponentRef<TTabSheet> watch(Form);
    watch.Set(page);
    Click(pc, button(1));
    EXPECT_EQ(events, (std::vector<std::string>{"close Page1", "after"}));
    EXPECT_EQ(watch.Get(), nullptr);
    EXPECT_EQ(pc->PageCount(), 2);
}

TEST_F(TlxSkinPageControlTest, HiddenTabsTakeNoMouseAndShowTabsRestoresThem) {
    auto* pc = Pages(3, tpLeft);
    pc->SetMultiLine(true);
    pc->SetTabHeight(22);
    pc->HideTabs();
    EXPECT_TRUE(pc->TabsHidden());
    EXPECT_EQ(pc->TabHeight(), 1);
    EXPECT_EQ(pc->TabPosition(), tpTop);
    Session.MouseMove(At(pc, 5, 0));
    Session.Pump();
    EXPECT_EQ(pc->ActiveTabIndex(), -1);
    pc->ShowTabs();
    EXPECT_FALSE(pc->TabsHidden());
    EXPECT_EQ(pc->TabPosition(), tpLeft);
    EXPECT_TRUE(pc->MultiLine());
    EXPECT_EQ(pc->TabHeight(), 22);
}

TEST_F(TlxSkinPageControlTest, CentredTabsAreHitTestedWhereThePlatformLaidThemOut) {
    auto* pc = Pages(3, tpTop, 300);
    pc->SetTabWidth(60);
    pc->SetTabsInCenter(true);
    EXPECT_EQ(pc->GetTabsOffset(), (300 - 3 * 60) / 2);
    const TRect drawn = pc->TabRect(2);
    EXPECT_EQ(drawn.Left, pc->RawTabRect(2).Left - 2 + 60);
    Click(pc, Middle(drawn));
    EXPECT_EQ(pc->ActivePageIndex(), 2);
    pc->SetTabsOffset(10);
    EXPECT_EQ(pc->GetTabsOffset(), 10);
}

TEST_F(TlxSkinPageControlTest, TheWheelPagesThroughVisibleTabsWithoutWrapping) {
    auto* pc = Pages(4);
    pc->Pages(1)->SetTabVisible(false);
    pc->SetMouseWheelSupport(true);
    pc->Perform(WM_MOUSEWHEEL, MakeWParam(0, -120));
    EXPECT_EQ(pc->ActivePageIndex(), 2);
    pc->Perform(WM_MOUSEWHEEL, MakeWParam(0, -120));
    pc->Perform(WM_MOUSEWHEEL, MakeWParam(0, -120));
    EXPECT_EQ(pc->ActivePageIndex(), 3);
    pc->Perform(WM_MOUSEWHEEL, MakeWParam(0, 120));
    pc->Perform(WM_MOUSEWHEEL, MakeWParam(0, 120));
    pc->Perform(WM_MOUSEWHEEL, MakeWParam(0, 120));
    EXPECT_EQ(pc->ActivePageIndex(), 0);
}

TEST_F(TlxSkinPageControlTest, LooksAsGoldens) {
    LoadSkin();
    auto* images = new TImageList(Form);
    TBitmap strip(32, 16);
    FillPixels(strip, {0, 0, 16, 16}, 0xE04040);
    FillPixels(strip, {16, 0, 32, 16}, 0x40A040);
    images->AddMasked(&strip, clNone);
    // Page 1 is selected; the pointer is over page 2.
    struct Case {
        const char* Golden;
        TTabPosition Position;
        bool Skinned;
        std::function<void(TlxSkinPageControl*)> Setup;
    } cases[] = {
        {"builtin-top", tpTop, false, [](auto* pc) { pc->SetShowCloseButtons(true); }},
        {"skinned-top", tpTop, true, [](auto* pc) { pc->SetShowCloseButtons(true); }},
        {"skinned-bottom", tpBottom, true, {}},
        {"skinned-left", tpLeft, true, {}},
        {"skinned-right", tpRight, true, {}},
        {"builtin-left", tpLeft, false, {}},
        {"skinned-left-upright", tpLeft, true, [](auto* pc) { pc->SetTextInHorizontal(true); }},
        {"skinned-right-upright", tpRight, true, [](auto* pc) { pc->SetTextInHorizontal(true); }},
        {"builtin-images", tpTop, false,
         [&](auto* pc) {
             pc->SetImages(images);
             for (int i = 0; i < 3; ++i)
                 pc->Pages(i)->SetImageIndex(i % 2);
         }},
        {"builtin-extended", tpTop, false,
         [&](auto* pc) {
             pc->SetImages(images);
             pc->Pages(0)->SetImageIndex(1);
             pc->SetTabExtededDraw(true);
             pc->SetTabLayout(blGlyphRight);
             pc->SetTabMargin(2);
         }},
        {"builtin-focused", tpTop, false, [](auto* pc) { pc->SetFocus(); }},
        {"skinned-transparent-strip", tpTop, true, [](auto* pc) { pc->SetTabsBGTransparent(true); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Golden);
        auto* pc = Pages(3, c.Position, 200, 150);
        if (c.Setup) c.Setup(pc);
        if (c.Skinned) pc->SetSkinData(SD);
        pc->SetActivePageIndex(1);
        Session.MouseMove(At(pc, Middle(pc->TabRect(2)).X, Middle(pc->TabRect(2)).Y));
        EXPECT_TRUE(MatchesGolden(Shot(pc), std::string("skin/controls/TlxSkinPageControl/") + c.Golden));
        Session.MouseMove({390, 290});
        pc->Free();
    }
}

// A skin whose selected tab is taller than the others, at a fixed tab
// height: the selected tab grows into the frame, which leaves room for it,
// and the other tabs' contents move down by 2; focused, it shows the skin's
// focus tab and focus mark.
TEST_F(TlxSkinPageControlTest, ATallerSelectedTabGrowsIntoTheFrame) {
    TTestSkin skin;
    TBitmap picture = TTestSkin::StandardPicture();
    const int index = skin.AddPicture(picture);
    auto& d = skin.Add<TlxDataSkinTabControl>("tab");
    d.PictureIndex = index;
    d.SkinRect = {0, 0, 20, 20};
    d.LTPoint = {4, 4};
    d.RTPoint = {16, 4};
    d.LBPoint = {4, 16};
    d.RBPoint = {16, 16};
    d.ClRect = {4, 4, 16, 16};
    d.TabRect = {24, 0, 44, 20};
    d.ActiveTabRect = d.FocusTabRect = {0, 0, 20, 24};
    d.BGPictureIndex = -1;
    d.ShowFocus = true;
    d.FocusOffsetX = d.FocusOffsetY = 3;
    d.FontColor = 0xFFFFFF;
    skin.LoadInto(SD);
    for (TTabPosition position : {tpTop, tpBottom}) {
        SCOPED_TRACE(position);
        auto* pc = Pages(3, position, 200, 120);
        pc->SetTabHeight(20);
        pc->SetSkinData(SD);
        pc->SetActivePageIndex(1);
        pc->SetFocus();
        EXPECT_TRUE(MatchesGolden(Shot(pc), std::string("skin/controls/TlxSkinPageControl/taller-selected-") +
                                                (position == tpTop ? "top" : "bottom")));
        pc->Free();
    }
}

TEST_F(TlxSkinPageControlTest, OwnerDrawnTabsGetTheirStateAndTheWholeTabBitmap) {
    auto* pc = Pages(3);
    pc->SetActivePageIndex(1);
    std::vector<std::string> drawn;
    pc->OnDrawSkinTab = [&](int TabIndex, const TRect& Rct, bool Active, bool MouseIn, TCanvas* Cnvs) {
        drawn.push_back(std::to_string(TabIndex) + (Active ? " active" : "") + (MouseIn ? " hot" : "") + " " +
                        std::to_string(Rct.Left) + "," + std::to_string(Rct.Top));
        Cnvs->Brush()->SetColor(clLime);
        Cnvs->FillRect(Rct);
    };
    Session.MouseMove(At(pc, Middle(pc->TabRect(2)).X, Middle(pc->TabRect(2)).Y));
    drawn.clear();
    const TBitmap shot = Shot(pc);
    std::sort(drawn.begin(), drawn.end());
    EXPECT_EQ(drawn, (std::vector<std::string>{"0 0,0", "1 active 0,0", "2 hot 0,0"}));
    const TPoint middle = Middle(pc->TabRect(0));
    EXPECT_EQ(shot.ScanLine(middle.Y)[middle.X] & 0xFFFFFF, 0x00FF00u); // no caption over it
}

TEST_F(TlxSkinPageControlTest, ACloseButtonThatIsNotDrawnCannotBeHit) {
    auto* pc = Pages(2);
    pc->SetShowCloseButtons(true);
    int closes = 0;
    pc->OnClose = [&](TObject*, bool&) { ++closes; };
    Session.Pump();
    const TRect tab = pc->TabRect(1);
    const TRect b = Sheet(pc, 1)->ButtonRect;
    ASSERT_FALSE(b.IsEmpty());
    // A skin that names no close button picture and has no close button
    // description: nothing is drawn, and nothing is left to hit.
    TTestSkin skin;
    const int index = skin.AddPicture(TTestSkin::StandardPicture());
    auto& d = skin.Add<TlxDataSkinTabControl>("tab");
    d.PictureIndex = index;
    d.SkinRect = {0, 0, 20, 20};
    d.ClRect = {4, 4, 16, 16};
    d.TabRect = {24, 0, 44, 20};
    d.BGPictureIndex = -1;
    skin.LoadInto(SD);
    pc->SetSkinData(SD);
    Session.Pump();
    EXPECT_TRUE(Sheet(pc, 1)->ButtonRect.IsEmpty());
    Click(pc, {tab.Left + Middle(b).X, tab.Top + Middle(b).Y});
    EXPECT_EQ(closes, 0);
}

TEST_F(TlxSkinPageControlTest, ASheetTilesItsWallPaperOverTheSkin) {
    LoadSkin();
    auto* pc = Pages(1);
    pc->SetSkinData(SD);
    TBitmap paper(3, 3);
    paper.Fill(0xFF102030);
    FillPixels(paper, {0, 0, 1, 1}, 0xF0E0D0);
    auto* sheet = Sheet(pc, 0);
    sheet->SetWallPaper(paper);
    sheet->Invalidate();
    const TBitmap shot = Shot(sheet);
    EXPECT_EQ(shot.ScanLine(3)[3] & 0xFFFFFF, 0xF0E0D0u);
    EXPECT_EQ(shot.ScanLine(4)[4] & 0xFFFFFF, 0x102030u);
}

// Tab descriptions broken as a hand-edited or hostile skin breaks them: each
// paints without reading outside its picture or growing without bound.
TEST_F(TlxSkinPageControlTest, BrokenTabDescriptionsPaintSafely) {
    const std::function<void(TlxDataSkinTabControl&)> damages[] = {
        [](auto& d) {
            d.SkinRect = d.TabRect = {900, 900, 99999, 99999};
        },
        [](auto& d) {
            d.TabRect = d.ActiveTabRect = {0, 0, 99999, 99999};
        },
        [](auto& d) {
            d.TabsBGRect = {44, 0, 44, 4};
        },
        [](auto& d) { d.PictureIndex = 7; },
        [](auto& d) {
            d.ClRect = {0, 0, 99999, 99999};
        },
        [](auto& d) {
            d.ClRect = {30, 30, 2, 2};
        },
        [](auto& d) {
            d.CloseButtonRect = {0, 0, 99999, 20};
        },
        [](auto& d) {
            d.LTPoint = {16, 16}, d.RTPoint = {4, 12}, d.RBPoint = {90, 90};
        },
        [](auto& d) { d.TabLeftOffset = 50, d.TabRightOffset = 90; },
    };
    for (const auto& damage : damages) {
        TTestSkin skin;
        skin.AddPicture(TTestSkin::StandardPicture());
        auto& d = skin.Add<TlxDataSkinTabControl>("tab");
        d.PictureIndex = 0;
        d.SkinRect = {0, 0, 20, 20};
        d.ClRect = {4, 4, 16, 16};
        d.TabRect = {24, 0, 44, 20};
        d.BGPictureIndex = -1;
        damage(d);
        skin.LoadInto(SD);
        for (TTabPosition position : {tpTop, tpLeft}) {
            auto* pc = Pages(3, position);
            pc->SetShowCloseButtons(true);
            pc->SetSkinData(SD);
            EXPECT_LE(pc->TabRect(0).Height() * pc->TabRect(0).Width(), 200 * 120);
            EXPECT_LE(pc->ActivePage()->Width() * pc->ActivePage()->Height(), 200 * 120);
            Shot(pc);
            pc->Free();
        }
    }
}

TEST_F(TlxSkinPageControlTest, APageControlWithSheetsRoundTripsThroughADescription) {
    RegisterSkinControls();
    auto* form = new TForm(nullptr);
    auto* pc = new TlxSkinPageControl(form);
    pc->SetName("Pages1");
    pc->SetParent(form);
    pc->SetShowCloseButtons(true);
    pc->SetTabPosition(tpBottom);
    for (const char* name : {"Sheet1", "Sheet2"}) {
        auto* sheet = new TlxSkinTabSheet(form);
        sheet->SetName(name);
        sheet->SetPageControl(pc);
        sheet->SetCaption(name);
    }
    const std::string text = TComponentWriter::WriteText(form);
    form->Free();
    auto* read = new TForm(nullptr);
    TComponentReader::ReadText(read, text);
    auto* copy = dynamic_cast<TlxSkinPageControl*>(read->FindComponent("Pages1"));
    ASSERT_NE(copy, nullptr) << text;
    EXPECT_EQ(copy->PageCount(), 2);
    EXPECT_TRUE(copy->ShowCloseButtons());
    EXPECT_EQ(copy->TabPosition(), tpBottom);
    EXPECT_EQ(copy->TempImages()->Width(), 1 + 14); // the room was made once
    EXPECT_EQ(read->ComponentCount(), 3) << text;
    read->Free();
}

TEST_F(TlxSkinPageControlTest, SheetsShowTheBackgroundPictureAndTellTheirChildrenWhenItStretches) {
    TTestSkin skin;
    skin.AddPicture(TTestSkin::StandardPicture());
    TBitmap background(2, 2);
    background.Fill(0xFF305070);
    const int bg = skin.AddPicture(background);
    auto& d = skin.Add<TlxDataSkinTabControl>("tab");
    d.PictureIndex = 0;
    d.SkinRect = {0, 0, 20, 20};
    d.ClRect = {4, 4, 16, 16};
    d.TabRect = {24, 0, 44, 20};
    d.BGPictureIndex = bg;
    d.StretchEffect = true;
    skin.LoadInto(SD);
    auto* pc = Pages(1);
    pc->SetSkinData(SD);
    auto* child = Make<TProbeSkinControl>(5, 5, 20, 20, pc->Pages(0));
    child->SetName("Child");
    Session.Pump();
    EXPECT_EQ(Shot(pc->Pages(0)).ScanLine(30)[30] & 0xFFFFFF, 0x305070u);
    BackgroundLog().clear();
    pc->SetHeight(110);
    Session.Pump();
    EXPECT_EQ(BackgroundLog(), (std::vector<std::string>{"Child"}));
}
