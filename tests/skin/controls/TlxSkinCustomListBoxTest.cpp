#include "skin/controls/TlxSkinCustomListBox.h"

#include "platform/vcl/StdCtrlsConst.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/controls/TlxListBox.h"
#include "skin/controls/TlxSkinScrollBar.h"
#include "skin/engine/DataSkinListControls.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <string>
#include <vector>

namespace {

// The list skin: the standard nine-part frame (20 x 20, client (4, 4, 16,
// 16)) and item pictures of 30 x 16 at (0, 24): normal grey, selected blue,
// focused green, with ends of 3 pixels in a darker shade.
void AddListSkin(TTestSkin& Skin) {
    TBitmap p = TTestSkin::StandardPicture();
    TBitmap all(48, 72);
    FillPixels(all, {0, 0, 48, 72}, 0);
    all.Canvas()->Draw(0, 0, &p);
    const uint32_t fills[3] = {0xC0C0C0, 0x6080F0, 0x60E060};
    const uint32_t ends[3] = {0x808080, 0x2040A0, 0x208020};
    for (int i = 0; i < 3; ++i) {
        FillPixels(all, {0, 24 + 16 * i, 30, 40 + 16 * i}, ends[i]);
        FillPixels(all, {3, 24 + 16 * i, 27, 40 + 16 * i}, fills[i]);
    }
    const int picture = Skin.AddPicture(all);
    auto& d = Skin.Add<TlxDataSkinListBox>("listbox");
    TTestSkin::SetNinePart(d, picture);
    d.SItemRect = {0, 24, 30, 40};
    d.ActiveItemRect = {0, 40, 30, 56};
    d.FocusItemRect = {0, 56, 30, 72};
    d.ItemLeftOffset = d.ItemRightOffset = 3;
    d.ItemTextRect = {3, 0, 27, 16};
    d.FontName = "Arial";
    d.FontHeight = 12;
    d.FontColor = clBlack;
    d.ActiveFontColor = clWhite;
    d.FocusFontColor = clNavy;
    d.ShowFocus = true;
}

class TlxSkinCustomListBoxTest : public TSkinControlTest {
protected:
    TlxSkinListBox* List(int Count, bool Skinned = false) {
        auto* l = Make<TlxSkinListBox>(10, 10, 120, 120);
        for (int i = 0; i < Count; ++i)
            l->Items()->Add("Item " + std::to_string(i));
        if (Skinned) {
            TTestSkin skin;
            AddListSkin(skin);
            skin.LoadInto(SD);
            l->SetSkinData(SD);
        }
        Session.Pump();
        return l;
    }
    // The main bar's range, page and position, or "none".
    static std::string Bar(TlxSkinScrollBar* B) {
        if (!B) return "none";
        return std::to_string(B->Min()) + ".." + std::to_string(B->Max()) + " page " +
               std::to_string(B->PageSize()) + " at " + std::to_string(B->Position());
    }
    std::vector<std::string> Events;
};

} // namespace

TEST_F(TlxSkinCustomListBoxTest, BarsComeAndGoWithTheContentAndMirrorTheInnerList) {
    auto* l = List(3);
    EXPECT_EQ(l->ScrollBar(), nullptr);
    EXPECT_EQ(l->ListBox()->BoundsRect(), (TRect{2, 2, 118, 118}));

    for (int i = 3; i < 10; ++i)
        l->Items()->Add("Item " + std::to_string(i));
    ASSERT_NE(l->ScrollBar(), nullptr);
    EXPECT_EQ(Bar(l->ScrollBar()), "0..9 page 5 at 0");
    EXPECT_EQ(l->ScrollBar()->Kind(), sbVertical);
    // The inner list makes room for the bar.
    EXPECT_EQ(l->ListBox()->BoundsRect(), (TRect{2, 2, 100, 118}));

    // The list scrolled by itself: the bar follows; the bar moved: the list follows.
    l->SetTopIndex(3);
    EXPECT_EQ(Bar(l->ScrollBar()), "0..9 page 5 at 3");
    l->ScrollBar()->SetPosition(5);
    EXPECT_EQ(l->TopIndex(), 5);
    l->ListBox()->SetFocus();
    Session.Wheel(120, At(l->ListBox(), 10, 10));
    Session.Pump();
    EXPECT_EQ(l->TopIndex(), 4);
    EXPECT_EQ(l->ScrollBar()->Position(), 4);

    // Sorting drops the bar until the next update; clearing frees it.
    l->SetSorted(true);
    EXPECT_EQ(l->ScrollBar(), nullptr);
    l->UpDateScrollBar();
    EXPECT_NE(l->ScrollBar(), nullptr);
    l->Clear();
    EXPECT_EQ(Bar(l->ScrollBar()), "none");
    EXPECT_EQ(l->ListBox()->BoundsRect(), (TRect{2, 2, 118, 118}));
}

TEST_F(TlxSkinCustomListBoxTest, RowCountSizesTheListAndShowsNoBarForAllItems) {
    struct Case {
        const char* Name;
        bool Skinned, CaptionMode;
        int Height;
    } cases[] = {
        {"built-in: rows and a 2-pixel frame", false, false, 4 * 20 + 4},
        {"built-in with a caption", false, true, 4 * 20 + 4 + 20},
        {"skinned: the skin's frame around rows of the item picture", true, false, 20 + 4 * 16 - 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* l = List(4, c.Skinned);
        l->SetCaptionMode(c.CaptionMode);
        l->SetRowCount(4);
        EXPECT_EQ(l->Height(), c.Height);
        EXPECT_EQ(l->ScrollBar(), nullptr);
        // More items than rows: the bar comes.
        l->Items()->Add("More");
        EXPECT_NE(l->ScrollBar(), nullptr);
        l->Free();
    }
}

TEST_F(TlxSkinCustomListBoxTest, AWideItemGetsAHorizontalBarOnlyWithHorizontalExtent) {
    auto* l = List(2);
    l->Items()->Add(std::string(60, 'W'));
    EXPECT_EQ(l->HScrollBar(), nullptr);
    l->SetHorizontalExtent(true);
    ASSERT_NE(l->HScrollBar(), nullptr);
    const int zero = l->ListBox()->Canvas()->TextWidth("0");
    EXPECT_EQ(l->HScrollBar()->SmallChange(), zero);
    EXPECT_EQ(l->HScrollBar()->LargeChange(), zero);
    EXPECT_EQ(l->HScrollBar()->Top(), 120 - 20);

    // Scrolled by 30, then narrowed by 10: the text keeps its place at the right.
    l->HScrollBar()->SetPosition(30);
    EXPECT_EQ(l->ListBox()->HorizontalExtentValue(), 30);
    l->ListBox()->SetBounds(2, 2, l->ListBox()->Width() - 10, 50);
    EXPECT_EQ(l->ListBox()->HorizontalExtentValue(), 40);

    l->SetHorizontalExtent(false);
    EXPECT_EQ(l->HScrollBar(), nullptr);
    EXPECT_EQ(l->ListBox()->HorizontalExtentValue(), 0);
}

TEST_F(TlxSkinCustomListBoxTest, CaptionButtonsFollowTheCaptionHeight) {
    struct Case {
        int CaptionHeight;
        TRect Up, Down, Check;
    } cases[] = {
        {30, {101, 2, 118, 18}, {84, 2, 101, 18}, {67, 2, 84, 18}},
        {18, {103, 2, 118, 16}, {88, 2, 103, 16}, {73, 2, 88, 16}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.CaptionHeight);
        auto* l = List(3);
        l->SetCaptionMode(true);
        l->SetDefaultCaptionHeight(c.CaptionHeight);
        EXPECT_EQ(l->CaptionButton(TlxSkinListBox::UpButton).R, c.Up);
        EXPECT_EQ(l->CaptionButton(TlxSkinListBox::DownButton).R, c.Down);
        EXPECT_EQ(l->CaptionButton(TlxSkinListBox::CheckButton).R, c.Check);
        EXPECT_EQ(l->ListBox()->Top(), c.CaptionHeight + 1);
        l->Free();
    }
}

TEST_F(TlxSkinCustomListBoxTest, CaptionButtonsActOnReleaseOverThemAndRepeatWhileHeld) {
    auto* l = List(10);
    l->SetCaptionMode(true);
    l->SetItemIndex(0);
    const TPoint down = At(l, l->CaptionButton(1).R.Left + 5, 8);
    const TPoint up = At(l, l->CaptionButton(0).R.Left + 5, 8);

    // A click steps once.
    Session.MouseMove(down);
    Session.Click(down);
    Session.Pump();
    EXPECT_EQ(l->ItemIndex(), 1);
    // Held: nothing for 500 ms, then a step every 100 ms, and one more on release.
    Session.MouseDown(down);
    Session.Advance(599);
    EXPECT_EQ(l->ItemIndex(), 1);
    Session.Advance(1);
    EXPECT_EQ(l->ItemIndex(), 2);
    Session.Advance(200);
    EXPECT_EQ(l->ItemIndex(), 4);
    // Off the button the repeat pauses; released away, no step.
    Session.MouseMove(At(l, 10, 60));
    Session.Advance(300);
    EXPECT_EQ(l->ItemIndex(), 4);
    Session.MouseUp(At(l, 10, 60));
    Session.Pump();
    EXPECT_EQ(l->ItemIndex(), 4);
    EXPECT_EQ(l->CaptionButton(1).Down, false);

    // With its event assigned, a button only raises it: no step, no repeat.
    l->OnUpButtonClick = [this](TObject*) { Events.push_back("up"); };
    Session.MouseMove(up);
    Session.MouseDown(up);
    Session.Advance(1000);
    Session.MouseUp(up);
    Session.Pump();
    EXPECT_EQ(l->ItemIndex(), 4);
    EXPECT_EQ(Events, std::vector<std::string>{"up"});
    EXPECT_TRUE(l->CaptionButton(0).MouseIn);
    // Leaving the control clears every hover state.
    Session.MouseMove({390, 290});
    Session.Pump();
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(l->CaptionButton(i).MouseIn);
}

TEST_F(TlxSkinCustomListBoxTest, OnlyAnEmptyListGivesItsBackground) {
    auto* l = List(0);
    TBitmap b(50, 50);
    EXPECT_EQ(l->ListBox()->Perform(CM_SKINPAINTBGEX, reinterpret_cast<WPARAM>(b.Canvas()->Handle()),
                                    SkinPaintExKey),
              SkinPaintExKey);
    l->Items()->Add("One");
    EXPECT_EQ(l->ListBox()->Perform(CM_SKINPAINTBGEX, reinterpret_cast<WPARAM>(b.Canvas()->Handle()),
                                    SkinPaintExKey),
              0);
}

TEST_F(TlxSkinCustomListBoxTest, ItemLooksAsGoldens) {
    struct Case {
        const char* Name;
        bool Skinned, UseSkinItemHeight, CaptionMode;
    } cases[] = {
        {"builtin", false, true, false},
        {"builtin-caption", false, true, true},
        {"skinned-fixed", true, true, false},
        {"skinned-free", true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* l = List(12, c.Skinned);
        l->SetUseSkinItemHeight(c.UseSkinItemHeight);
        l->SetDefaultItemHeight(18);
        l->SetCaption("Caption");
        l->SetCaptionMode(c.CaptionMode);
        if (c.Skinned) l->ChangeSkinData();
        l->SetItemIndex(1);
        l->ListBox()->SetFocus();
        Session.Pump();
        EXPECT_TRUE(MatchesGolden(Shot(l), std::string("skin/controls/TlxSkinListBox/") + c.Name, 40));
        l->Free();
    }
}

TEST_F(TlxSkinCustomListBoxTest, ASkinChangeThatMakesTheItemsFitFreesTheBarInTheFormsWalk) {
    auto* l = List(6);
    l->SetSkinData(SD);
    ASSERT_NE(l->ScrollBar(), nullptr);
    // Rows of 16 in the skin's client: all six fit, and the bar goes while
    // the form walks its controls (the bar among them).
    TTestSkin skin;
    AddListSkin(skin);
    skin.LoadInto(SD);
    EXPECT_EQ(l->ItemHeight(), 16);
    EXPECT_EQ(l->ScrollBar(), nullptr);
    Session.Pump();
}
