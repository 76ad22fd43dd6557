#include "skin/controls/TlxSkinOfficeListBox.h"
#include "skin/controls/TlxPopupOfficeListBox.h"
#include "skin/controls/TlxSkinScrollBar.h"

#include "platform/vcl/TImageList.h"
#include "skin/engine/DataSkinListControls.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <functional>

namespace {

struct TRow {
    const char* Caption;
    const char* Title = "";
    bool Header = false;
    bool Enabled = true;
    int ImageIndex = -1;
};

class TlxSkinOfficeListBoxTest : public TSkinControlTest {
protected:
    template <class T = TlxSkinOfficeListBox> T* List(const std::vector<TRow>& Rows, int H = 150) {
        auto* l = Make<T>(10, 10, 150, H);
        Fill(l, Rows);
        l->OnItemClick = [this, l](TObject* Sender) {
            EXPECT_EQ(Sender, l);
            Events.push_back("item " + std::to_string(l->ItemIndex()));
        };
        Session.Pump();
        return l;
    }
    void Fill(TlxSkinOfficeListBox* L, const std::vector<TRow>& Rows) {
        for (const TRow& r : Rows) {
            TlxSkinOfficeItem* item = L->Items()->Add();
            item->SetCaption(r.Caption);
            item->SetTitle(r.Title);
            item->SetHeader(r.Header);
            item->SetEnabled(r.Enabled);
            item->SetImageIndex(r.ImageIndex);
            const int index = item->Index();
            item->OnClick = [this, index](TObject*) { Events.push_back("row " + std::to_string(index)); };
        }
    }
    // Two groups of a header and three rows, the second row of the first
    // group disabled.
    static std::vector<TRow> Groups() {
        return {{"Video", "", true},
                {"MP4"},
                {"AVI", "", false, false},
                {"MKV"},
                {"Audio", "", true},
                {"MP3"},
                {"WAV"},
                {"AAC"}};
    }
    // The point in the middle of row I.
    TPoint RowPoint(TlxSkinOfficeListBox* L, int I) {
        L->CalcItemRects();
        const TRect& r = L->Items()->Items(I)->ItemRect;
        return At(L, r.Left + r.Width() / 2, r.Top + r.Height() / 2);
    }

    std::vector<std::string> Events;
};

TEST_F(TlxSkinOfficeListBoxTest, ScrollBarOnlyWhileTheRowsAreTallerThanTheItemsArea) {
    auto* l = List({});
    EXPECT_EQ(l->ScrollBar(), nullptr);
    EXPECT_EQ(l->ItemsRect(), (TRect{2, 2, 148, 148}));
    for (TPoint p : {TPoint{5, 5}, TPoint{75, 75}, TPoint{147, 147}})
        EXPECT_EQ(l->ItemAtPos(p.X, p.Y), -1);
    // Two rows of 73 fill the 146 pixels exactly: still no bar.
    l->SetItemHeight(73);
    Fill(l, {{"One"}, {"Two"}});
    EXPECT_EQ(l->ScrollBar(), nullptr);
    Fill(l, {{"Three"}});
    ASSERT_NE(l->ScrollBar(), nullptr);
    EXPECT_EQ(l->ScrollBar()->BoundsRect(), (TRect{129, 2, 148, 148}));
    EXPECT_EQ(l->ItemsRect().Right, 129);
    // Scrolled to the end, then the rows go: the bar goes and the content
    // is back at the top.
    l->SetItemIndex(2);
    EXPECT_GT(l->ScrollOffset(), 0);
    l->Items()->Delete(2);
    EXPECT_EQ(l->ScrollBar(), nullptr);
    EXPECT_EQ(l->ScrollOffset(), 0);
    EXPECT_EQ(l->ItemIndex(), -1); // the selected row went
}

TEST_F(TlxSkinOfficeListBoxTest, SetItemIndexFiresTheRowsClickThenOnItemClickEveryTime) {
    auto* l = List(Groups());
    l->SetItemIndex(3);
    l->SetItemIndex(3);
    EXPECT_EQ(Events, (std::vector<std::string>{"row 3", "item 3", "row 3", "item 3"}));
    EXPECT_TRUE(l->Items()->Items(3)->Active);
    // Past the rows counts as -1: nothing fires and no row is touched.
    Events.clear();
    l->SetItemIndex(8);
    EXPECT_EQ(l->ItemIndex(), -1);
    l->SetItemIndex(-5);
    EXPECT_EQ(Events, std::vector<std::string>{});
    // A negative index leaves the highlight as it was.
    EXPECT_TRUE(l->Items()->Items(3)->Active);
    // The highlight alone fires nothing.
    l->SetActiveItem(5);
    EXPECT_EQ(l->ItemIndex(), 5);
    EXPECT_FALSE(l->Items()->Items(3)->Active);
    EXPECT_TRUE(Events.empty());
}

TEST_F(TlxSkinOfficeListBoxTest, SelectingTheRowUnderATopHeaderScrollsTheHeaderIntoView) {
    auto* l = List(Groups(), 80); // 76 pixels: two rows and a bit
    l->SetItemIndex(7);
    EXPECT_GT(l->ScrollOffset(), 0);
    const int bottom = l->Items()->Items(7)->ItemRect.Bottom;
    EXPECT_LT(bottom, l->ItemsRect().Bottom);
    l->SetItemIndex(1);
    EXPECT_EQ(l->ScrollOffset(), 0);
    l->SetItemIndex(5);
    const int offset = l->ScrollOffset();
    l->SetItemIndex(3); // scrolled so that row 3's top is the area's
    EXPECT_LT(l->ScrollOffset(), offset);
    EXPECT_EQ(l->Items()->Items(3)->ItemRect.Top, l->ItemsRect().Top);
}

TEST_F(TlxSkinOfficeListBoxTest, KeysSkipHeadersAndDisabledRowsAndPageWithinGroups) {
    struct Case {
        const char* Name;
        int From;
        int Key;
        int To;
    } cases[] = {
        {"down from none takes the first selectable", -1, VK_DOWN, 1},
        {"down skips the disabled row", 1, VK_DOWN, 3},
        {"right crosses the header", 3, VK_RIGHT, 5},
        {"down at the end stays", 7, VK_DOWN, 7},
        {"up skips the disabled row", 3, VK_UP, 1},
        {"left crosses the header", 5, VK_LEFT, 3},
        {"up at the first selectable stays", 1, VK_UP, 1},
        {"page down stops after the header it passes", 3, VK_NEXT, 5},
        {"page down within a group takes the farthest", 5, VK_NEXT, 7},
        {"page up crosses into the previous group's last row", 6, VK_PRIOR, 3},
        {"page up within a group takes the topmost", 3, VK_PRIOR, 1},
        {"page down from none", -1, VK_NEXT, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* l = List(Groups(), 100); // a page of 3 rows
        l->SetActiveItem(c.From);
        l->SetFocus();
        Events.clear();
        Session.Key(c.Key);
        Session.Pump();
        EXPECT_EQ(l->ItemIndex(), c.To);
        if (c.To != c.From) {
            ASSERT_FALSE(Events.empty());
            EXPECT_EQ(Events.back(), "item " + std::to_string(c.To));
        }
        l->Free();
    }
}

TEST_F(TlxSkinOfficeListBoxTest, TheMouseHighlightsOnPressAndSelectsOnRelease) {
    auto* l = List(Groups(), 300);
    // A header and a disabled row are not hit.
    Session.Click(RowPoint(l, 0));
    Session.Click(RowPoint(l, 2));
    Session.Pump();
    EXPECT_EQ(l->ItemIndex(), -1);
    EXPECT_TRUE(Events.empty());
    // Pressed on 1, dragged over 3: the highlight follows without events;
    // the release selects the row under the pointer.
    Session.MouseMove(RowPoint(l, 1));
    Session.MouseDown(RowPoint(l, 1));
    Session.Pump();
    EXPECT_EQ(l->ItemIndex(), 1);
    EXPECT_TRUE(l->Focused());
    Session.MouseMove(RowPoint(l, 3));
    Session.Pump();
    EXPECT_EQ(l->ItemIndex(), 3);
    EXPECT_TRUE(Events.empty());
    Session.MouseUp(RowPoint(l, 3));
    Session.Pump();
    EXPECT_EQ(Events, (std::vector<std::string>{"row 3", "item 3"}));
    // Without a button, hover moves the highlight only with MouseMoveChangeIndex.
    Session.MouseMove(RowPoint(l, 5));
    Session.Pump();
    EXPECT_EQ(l->ItemIndex(), 3);
    l->SetMouseMoveChangeIndex(true);
    Session.MouseMove(RowPoint(l, 6));
    Session.Pump();
    EXPECT_EQ(l->ItemIndex(), 6);
    Session.MouseMove(RowPoint(l, 2)); // disabled: the highlight stays
    Session.Pump();
    EXPECT_EQ(l->ItemIndex(), 6);
    EXPECT_EQ(Events.size(), 2u);
}

TEST_F(TlxSkinOfficeListBoxTest, TheWheelScrollsByARow) {
    auto* l = List(Groups(), 100);
    l->SetFocus();
    ASSERT_NE(l->ScrollBar(), nullptr);
    Session.Wheel(-120, At(l, 20, 20));
    Session.Pump();
    EXPECT_EQ(l->ScrollOffset(), 30);
    Session.Wheel(120, At(l, 20, 20));
    Session.Wheel(120, At(l, 20, 20));
    Session.Pump();
    EXPECT_EQ(l->ScrollOffset(), 0);
    EXPECT_TRUE(Events.empty());
}

TEST_F(TlxSkinOfficeListBoxTest, CalcHeightCountsEveryRowAsAnOrdinaryOne) {
    auto* l = List(Groups());
    EXPECT_EQ(l->CalcHeight(3), 3 * 30 + 5);
    EXPECT_EQ(l->CalcHeight(20), 8 * 30 + 5);
    EXPECT_EQ(l->CalcHeight(-1), 5);
}

// Pictures: a 16 x 16 image list of two squares, a "listbox" description
// with a nine-part active and focused row, a "menuheader" strip.
class TlxSkinOfficeListBoxLookTest : public TlxSkinOfficeListBoxTest {
protected:
    void SetUp() override {
        TlxSkinOfficeListBoxTest::SetUp();
        Images = new TImageList(Form);
        TBitmap squares(32, 16);
        FillPixels(squares, {0, 0, 16, 16}, 0xE04020);
        FillPixels(squares, {16, 0, 32, 16}, 0x20A040);
        FillPixels(squares, {4, 4, 12, 12}, 0xFFFFFF);
        Images->Add(&squares, nullptr);
    }
    void LoadSkin(bool WithListBox, bool WithHeader) {
        TTestSkin skin;
        const int picture = skin.AddPicture(TTestSkin::StandardPicture());
        auto& frame = skin.Add<TlxDataSkinListBox>(WithListBox ? "listbox" : "otherlist");
        TTestSkin::SetNinePart(frame, picture);
        frame.SItemRect = {24, 0, 44, 20};
        frame.ActiveItemRect = {24, 0, 44, 20};
        frame.FocusItemRect = {0, 0, 20, 20};
        frame.ItemTextRect = {4, 4, 16, 16};
        frame.FontName = "Arial";
        frame.FontHeight = 13;
        frame.FontColor = 0x400000;
        frame.ActiveFontColor = 0xFFFFFF;
        frame.FocusFontColor = 0x00FFFF;
        if (WithHeader) {
            auto& header = skin.Add<TlxDataSkinLabelControl>("menuheader");
            TTestSkin::SetNinePart(header, picture, 24);
            header.FontName = "Arial";
            header.FontHeight = 12;
            header.FontStyle = {fsBold};
            header.FontColor = 0xFFFFFF;
        }
        skin.LoadInto(SD);
    }
    std::vector<TRow> LookRows() {
        return {{"Devices", "", true},
                {"Portable player", "iPod", false, true, 0},
                {"A caption long enough to wrap onto two lines", "Wrapped"},
                {"No title, no image"},
                {"Disabled", "Off", false, false, 1}};
    }
    TImageList* Images = nullptr;
};

TEST_F(TlxSkinOfficeListBoxLookTest, RowsLookAsGoldens) {
    struct Case {
        const char* Golden;
        int Skin; // 0 none, 1 full, 2 without "listbox", 3 without any
        bool Focus;
        bool Lines;
        int Height; // 150 needs a scroll bar
    } cases[] = {
        {"builtin", 0, false, false, 220},      {"builtin-focused-lines-scrolled", 0, true, true, 150},
        {"skinned", 1, false, true, 220},       {"skinned-focused", 1, true, false, 220},
        {"headers-only", 2, false, false, 220}, {"nothing-drawn", 3, false, false, 220},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Golden);
        if (c.Skin) LoadSkin(c.Skin == 1, c.Skin != 3);
        auto* l = List(LookRows(), c.Height);
        l->SetImages(Images);
        l->SetShowLines(c.Lines);
        l->SetItemHeight(48);
        // A list of the listbox kind under another name, for the skins
        // without "listbox".
        if (c.Skin >= 2) l->SetSkinDataName("otherlist");
        if (c.Skin) l->SetSkinData(SD);
        l->SetActiveItem(1);
        if (c.Focus) l->SetFocus();
        EXPECT_TRUE(MatchesGolden(Shot(l), std::string("skin/controls/TlxSkinOfficeListBox/") + c.Golden));
        l->Free();
    }
}

TEST_F(TlxSkinOfficeListBoxLookTest, OnDrawItemDrawsOrdinaryRowsOnly) {
    auto* l = List(LookRows());
    std::vector<int> drawn;
    l->OnDrawItem = [&](TCanvas*, int Index, TRect) { drawn.push_back(Index); };
    l->Invalidate();
    Shot(l);
    EXPECT_EQ(drawn, (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(TlxSkinOfficeListBoxTest, ThePopupFadesInOnTheVirtualClockWithoutTakingTheFocus) {
    auto* edit = Make<TlxSkinOfficeListBox>(200, 10, 50, 50);
    edit->SetFocus();
    auto* p = List<TlxPopupOfficeListBox>(Groups(), 100);
    EXPECT_FALSE(p->Visible());
    const TPoint origin = Form->ClientToScreen({30, 200});
    p->Show(origin, {true, 150, true});
    EXPECT_TRUE(p->Visible());
    EXPECT_EQ(p->BoundsRect(), (TRect{origin.X, origin.Y, origin.X + 150, origin.Y + 100}));
    EXPECT_EQ(p->WindowAlpha(), 10); // 150 div 15, the first step at once
    Session.Advance(6);
    EXPECT_EQ(p->WindowAlpha(), 20);
    Session.Advance(5);
    EXPECT_EQ(p->WindowAlpha(), 20);
    Session.Advance(6 * 13);
    EXPECT_EQ(p->WindowAlpha(), 150);
    EXPECT_FALSE(p->Fading());
    Session.Advance(100);
    EXPECT_EQ(p->WindowAlpha(), 150);
    // A press in the popup leaves the focus where it was.
    Session.Click(RowPoint(p, 5));
    Session.Pump();
    EXPECT_TRUE(edit->Focused());
    p->Hide();
    EXPECT_FALSE(p->Visible());
    // A small value fades by 1; no animation shows the value at once.
    p->Show(origin, {true, 10, true});
    EXPECT_EQ(p->WindowAlpha(), 1);
    EXPECT_EQ(TlxPopupOfficeListBox::FadeStep(10), 1);
    p->Hide();
    p->Show(origin, {true, 200, false});
    EXPECT_EQ(p->WindowAlpha(), 200);
    EXPECT_FALSE(p->Fading());
}

} // namespace
