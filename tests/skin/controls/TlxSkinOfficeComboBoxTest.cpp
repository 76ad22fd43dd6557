#include "skin/controls/TlxSkinCustomOfficeComboBox.h"

#include "platform/vcl/TImageList.h"
#include "skin/controls/TlxSkinScrollBar.h"
#include "skin/engine/DataSkinListControls.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <functional>

namespace {

class TlxSkinOfficeComboBoxTest : public TSkinControlTest {
protected:
    // A box of 150 x 30 over Count rows "Row 0" ... of 30 pixels; the
    // popup shows 7 of them (215 pixels high).
    TlxSkinOfficeComboBox* Combo(int Count = 5) {
        auto* c = Make<TlxSkinOfficeComboBox>(10, 10, 150, 30);
        c->SetListBoxItemHeight(30);
        for (int i = 0; i < Count; ++i) {
            TlxSkinOfficeItem* item = c->Items()->Add();
            item->SetCaption("Row " + std::to_string(i));
            item->OnClick = [this, i](TObject*) { Events.push_back("row " + std::to_string(i)); };
        }
        c->OnClick = [this, c](TObject*) { Events.push_back("click " + std::to_string(c->ItemIndex())); };
        c->OnChange = [this, c](TObject*) { Events.push_back("change " + std::to_string(c->ItemIndex())); };
        c->OnCloseUp = [this](TObject*) { Events.push_back("closeup"); };
        c->OnDropDown = [this](TObject*) { Events.push_back("dropdown"); };
        Session.Pump();
        return c;
    }
    // The screen point in the middle of popup row I.
    TPoint RowPoint(TlxSkinOfficeComboBox* C, int I) {
        TlxPopupOfficeListBox* p = C->ListBox();
        p->CalcItemRects();
        const TRect& r = p->Items()->Items(I)->ItemRect;
        return p->ClientToScreen({r.Left + r.Width() / 2, r.Top + r.Height() / 2});
    }
    void Open(TlxSkinOfficeComboBox* C) {
        Session.Click(At(C, 20, 15));
        Session.Pump();
    }

    using TStep = std::function<void(TlxSkinOfficeComboBox*)>;
    std::vector<std::string> Events;
};

TEST_F(TlxSkinOfficeComboBoxTest, EveryWayTheSelectionChangesFiresItsEventsInOrder) {
    auto key = [this](int Key) {
        return [this, Key](TlxSkinOfficeComboBox*) {
            Session.Key(Key);
            Session.Pump();
        };
    };
    auto altKey = [this](int Key) {
        return [this, Key](TlxSkinOfficeComboBox*) {
            Session.KeyDown(VK_MENU);
            Session.Key(Key);
            Session.KeyUp(VK_MENU);
            Session.Pump();
        };
    };
    auto wheel = [this](int Delta) {
        return [this, Delta](TlxSkinOfficeComboBox* C) {
            Session.Wheel(Delta, At(C, 20, 15));
            Session.Pump();
        };
    };
    const TStep open = [this](TlxSkinOfficeComboBox* C) {
        Open(C);
        Events.clear();
    };
    const TStep hover3 = [this](TlxSkinOfficeComboBox* C) {
        Session.MouseMove(RowPoint(C, 3));
        Session.Pump();
    };
    // A step runs the popup's SetItemIndex (the row's own OnClick), then a
    // committing step sets the index again: the row is told twice.
    struct Case {
        const char* Name;
        std::vector<TStep> Steps;
        std::vector<std::string> Events;
        int ItemIndex;
        bool Open;
    } cases[] = {
        {"ItemIndex from code",
         {[](TlxSkinOfficeComboBox* C) { C->SetItemIndex(2); }},
         {"row 2", "click 2", "change 2"},
         2,
         false},
        {"ItemIndex from code, unchanged",
         {[](TlxSkinOfficeComboBox* C) { C->SetItemIndex(1); }},
         {"row 1", "click 1", "change 1"},
         1,
         false},
        {"down, closed", {key(VK_DOWN)}, {"row 2", "row 2", "click 2", "change 2"}, 2, false},
        {"right, closed", {key(VK_RIGHT)}, {"row 2", "row 2", "click 2", "change 2"}, 2, false},
        {"page down, closed", {key(VK_NEXT)}, {"row 4", "row 4", "click 4", "change 4"}, 4, false},
        {"up on the first row: nothing moves, all fires",
         {key(VK_UP), key(VK_UP)},
         {"row 0", "row 0", "click 0", "change 0", "row 0", "click 0", "change 0"},
         0,
         false},
        {"wheel towards the user, closed",
         {wheel(-120)},
         {"row 2", "row 2", "click 2", "change 2"},
         2,
         false},
        {"wheel away, closed", {wheel(120)}, {"row 0", "row 0", "click 0", "change 0"}, 0, false},
        {"a click opens", {[this](TlxSkinOfficeComboBox* C) { Open(C); }}, {"dropdown"}, 1, true},
        {"alt+down opens", {altKey(VK_DOWN)}, {"dropdown"}, 1, true},
        {"wheel while open: the highlight only", {open, wheel(-120)}, {"row 2"}, 2, true},
        {"hover while open: the highlight only", {open, hover3}, {}, 3, true},
        {"enter accepts the highlight",
         {open, hover3, key(VK_RETURN)},
         {"click 3", "change 3", "closeup"},
         3,
         false},
        {"enter without a move fires all the same",
         {open, key(VK_RETURN)},
         {"click 1", "change 1", "closeup"},
         1,
         false},
        {"escape restores", {open, hover3, key(VK_ESCAPE)}, {}, 1, false},
        {"alt+up cancels", {open, hover3, altKey(VK_UP)}, {}, 1, false},
        {"a key while open commits what a cancel restores",
         {open, key(VK_DOWN), hover3, key(VK_ESCAPE)},
         {"row 2", "row 2", "click 2", "change 2"},
         2,
         false},
        {"a press on the box while open cancels",
         {open, hover3, [this](TlxSkinOfficeComboBox* C) { Open(C); }},
         {},
         1,
         false},
        {"a click in the popup accepts its row",
         {open,
          [this](TlxSkinOfficeComboBox* C) {
              Session.MouseMove(RowPoint(C, 4));
              Session.Click(RowPoint(C, 4));
              Session.Pump();
          }},
         {"click 4", "change 4", "closeup"},
         4,
         false},
        {"press on the box, drag into the popup, release over a row",
         {[this](TlxSkinOfficeComboBox* C) {
             Session.MouseMove(At(C, 20, 15));
             Session.MouseDown(At(C, 20, 15));
             Session.Pump();
             Session.MouseMove(RowPoint(C, 2));
             Session.MouseMove(RowPoint(C, 3));
             Session.MouseUp(RowPoint(C, 3));
             Session.Pump();
         }},
         {"dropdown", "click 3", "change 3", "closeup"},
         3,
         false},
        {"the same drag released outside the popup cancels",
         {[this](TlxSkinOfficeComboBox* C) {
             Session.MouseMove(At(C, 20, 15));
             Session.MouseDown(At(C, 20, 15));
             Session.Pump();
             Session.MouseMove(RowPoint(C, 3));
             Session.MouseMove({390, 20});
             Session.MouseUp({390, 20});
             Session.Pump();
         }},
         {"dropdown"},
         1,
         false},
        {"losing the focus cancels",
         {open, hover3,
          [this](TlxSkinOfficeComboBox*) {
              Form->ActiveControl()->Perform(WM_KILLFOCUS, 0, 0);
              Session.Pump();
          }},
         {},
         1,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* combo = Combo();
        combo->SetItemIndex(1);
        combo->SetFocus();
        Session.Pump();
        Events.clear();
        for (const TStep& step : c.Steps)
            step(combo);
        EXPECT_EQ(Events, c.Events);
        EXPECT_EQ(combo->IsPopupVisible(), c.Open);
        EXPECT_EQ(c.Open ? combo->ListBox()->ItemIndex() : combo->ItemIndex(), c.ItemIndex);
        combo->CloseUp(false);
        combo->Free();
        Session.Pump();
    }
}

TEST_F(TlxSkinOfficeComboBoxTest, ThePopupOpensRightAlignedBelowOrAboveAndScrolledToTheTop) {
    auto* c = Combo(12);
    c->SetListBoxWidth(100);
    c->ListBox()->SetActiveItem(11); // scrolled to the end
    c->SetItemIndex(0);
    Events.clear();
    c->DropDown();
    TlxPopupOfficeListBox* p = c->ListBox();
    const TPoint bottomRight = c->ClientToScreen({150, 30});
    EXPECT_EQ(p->BoundsRect(),
              (TRect{bottomRight.X - 100, bottomRight.Y, bottomRight.X, bottomRight.Y + 215}));
    EXPECT_EQ(p->ScrollOffset(), 0);
    EXPECT_EQ(Events, (std::vector<std::string>{"dropdown"})); // no row told
    c->CloseUp(false);
    // Too low for the work area: above the box.
    c->SetBounds(10, 700, 150, 30);
    c->SetListBoxWidth(0);
    c->SetDropDownCount(3);
    c->DropDown();
    const TPoint topRight = c->ClientToScreen({150, 0});
    EXPECT_EQ(p->BoundsRect(), (TRect{topRight.X - 150, topRight.Y - 95, topRight.X, topRight.Y}));
    c->CloseUp(false);
    // Nothing to show: nothing opens.
    c->Items()->Clear();
    Events.clear();
    c->DropDown();
    EXPECT_FALSE(c->IsPopupVisible());
    EXPECT_TRUE(Events.empty());
}

TEST_F(TlxSkinOfficeComboBoxTest, DraggingPastThePopupScrollsItEvery25Ms) {
    auto* c = Combo(12);
    c->SetItemIndex(1);
    Events.clear();
    Session.MouseMove(At(c, 20, 15));
    Session.MouseDown(At(c, 20, 15));
    Session.Pump();
    Session.MouseMove(RowPoint(c, 5));
    Session.Pump();
    ASSERT_NE(c->ListBox()->ScrollBar(), nullptr);
    EXPECT_EQ(c->ListBox()->ItemIndex(), 5);
    const TRect popup = c->ListBox()->BoundsRect();
    Session.MouseMove({popup.Left + 20, popup.Bottom + 10});
    Session.Pump();
    EXPECT_EQ(c->TimerMode(), 2);
    Session.Advance(25);
    EXPECT_EQ(c->ListBox()->ItemIndex(), 6);
    Session.Advance(100);
    EXPECT_EQ(c->ListBox()->ItemIndex(), 10);
    EXPECT_GT(c->ListBox()->ScrollOffset(), 0);
    // Back inside, the scrolling stops and the highlight follows the pointer.
    Session.MouseMove(RowPoint(c, 9));
    Session.Pump();
    EXPECT_EQ(c->TimerMode(), 0);
    EXPECT_EQ(c->ListBox()->ItemIndex(), 9);
    Session.MouseUp(RowPoint(c, 9));
    Session.Pump();
    EXPECT_EQ(c->ItemIndex(), 9);
    EXPECT_EQ(Events.back(), "closeup");
}

TEST_F(TlxSkinOfficeComboBoxTest, PropertiesForwardToThePopup) {
    auto* c = Combo();
    c->SetListBoxShowLines(true);
    c->SetListBoxItemHeight(44);
    c->SetListBoxHeaderHeight(12);
    c->SetListBoxShowItemTitles(false);
    c->SetListBoxSkinDataName("memo");
    EXPECT_TRUE(c->ListBox()->ShowLines());
    EXPECT_EQ(c->ListBox()->ItemHeight(), 44);
    EXPECT_EQ(c->ListBox()->HeaderHeight(), 12);
    EXPECT_FALSE(c->ListBox()->ShowItemTitles());
    EXPECT_EQ(c->ListBox()->SkinDataName(), "memo");
    c->SetDropDownCount(-1);
    EXPECT_EQ(c->DropDownCount(), 7);
    c->SetToolButtonStyle(true);
    EXPECT_FALSE(c->UseSkinSize());
    EXPECT_EQ(c->DropButton().R, (TRect{131, 2, 148, 28}));
    EXPECT_EQ(c->ItemArea().R, (TRect{2, 2, 130, 28}));
}

// Pictures: an image list of one square; "combobox" with an item and a
// button; "resizetoolbutton" with three states.
class TlxSkinOfficeComboBoxLookTest : public TlxSkinOfficeComboBoxTest {
protected:
    void LoadSkin() {
        TTestSkin skin;
        const int picture = skin.AddPicture(TTestSkin::StandardPicture());
        auto& box = skin.Add<TlxDataSkinComboBox>("combobox");
        TTestSkin::SetNinePart(box, picture);
        box.SItemRect = {24, 0, 44, 20};
        box.ItemTextRect = {4, 4, 16, 16};
        box.FontName = "Arial";
        box.FontHeight = 13;
        box.FontColor = 0x000080;
        box.FocusFontColor = 0x00FFFF;
        box.ShowFocus = true;
        box.ButtonRect = {16, 4, 20, 16};
        auto& button = skin.Add<TlxDataSkinButtonControl>("combobutton");
        TTestSkin::SetNinePart(button, picture, 24);
        button.FontColor = 0xFFFFFF;
        auto& tool = skin.Add<TlxDataSkinButtonControl>("resizetoolbutton");
        TTestSkin::SetNinePart(tool, picture);
        tool.ActiveSkinRect = {24, 0, 44, 20};
        tool.DownSkinRect = {24, 0, 44, 20};
        tool.FontName = "Arial";
        tool.FontHeight = 13;
        tool.FontColor = 0x000000;
        tool.ActiveFontColor = 0xFFFFFF;
        tool.DownFontColor = 0x00FFFF;
        skin.LoadInto(SD);
    }
};

TEST_F(TlxSkinOfficeComboBoxLookTest, LooksAsGoldens) {
    LoadSkin();
    auto* images = new TImageList(Form);
    TBitmap square(16, 16);
    FillPixels(square, {0, 0, 16, 16}, 0xE04020);
    images->Add(&square, nullptr);
    struct Case {
        const char* Golden;
        bool Tool, Skinned;
        std::function<void(TlxSkinOfficeComboBox*)> Set;
    } cases[] = {
        {"tool-builtin", true, false, [](TlxSkinOfficeComboBox*) {}},
        {"tool-builtin-hot", true, false,
         [this](TlxSkinOfficeComboBox* C) { Session.MouseMove(At(C, 5, 5)); }},
        {"tool-builtin-open", true, false, [](TlxSkinOfficeComboBox* C) { C->DropDown(); }},
        {"tool-skinned", true, true, [](TlxSkinOfficeComboBox*) {}},
        {"tool-skinned-open", true, true, [](TlxSkinOfficeComboBox* C) { C->DropDown(); }},
        {"classic-builtin", false, false, [](TlxSkinOfficeComboBox*) {}},
        {"classic-builtin-focused", false, false, [](TlxSkinOfficeComboBox* C) { C->SetFocus(); }},
        {"classic-skinned", false, true, [](TlxSkinOfficeComboBox*) {}},
        {"classic-skinned-focused", false, true, [](TlxSkinOfficeComboBox* C) { C->SetFocus(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Golden);
        auto* combo = Combo();
        combo->Items()->Items(1)->SetTitle("Title");
        combo->Items()->Items(1)->SetImageIndex(0);
        combo->SetImages(images);
        combo->SetShowItemImage(true);
        combo->SetToolButtonStyle(c.Tool);
        if (c.Skinned) combo->SetSkinData(SD);
        combo->SetBounds(10, 10, 150, 40);
        combo->SetItemIndex(1);
        c.Set(combo);
        Session.Pump();
        EXPECT_TRUE(
            MatchesGolden(Shot(combo), std::string("skin/controls/TlxSkinOfficeComboBox/") + c.Golden));
        combo->CloseUp(false);
        Session.MouseMove({390, 290});
        combo->Free();
        Session.Pump();
    }
}

} // namespace

namespace {

// Rectangles past, across and outside the picture in every description the
// box and its popup read; painted open and closed at sizes from nothing up.
TEST_F(TlxSkinOfficeComboBoxTest, AHostileSkinPaintsWithoutFault) {
    TTestSkin skin;
    const int picture = skin.AddPicture(TTestSkin::StandardPicture());
    const TRect huge{0, 0, 99999, 99999}, crossing{40, 20, 10, 5}, outside{900, 900, 950, 950};
    auto& box = skin.Add<TlxDataSkinComboBox>("combobox");
    TTestSkin::SetNinePart(box, picture);
    box.ClRect = huge;
    box.SItemRect = crossing;
    box.FocusItemRect = outside;
    box.ActiveItemRect = huge;
    box.ActiveSkinRect = outside;
    box.ItemTextRect = crossing;
    box.ButtonRect = huge;
    box.DownButtonRect = outside;
    box.FontHeight = 200000;
    box.ShowFocus = true;
    auto& list = skin.Add<TlxDataSkinListBox>("listbox");
    TTestSkin::SetNinePart(list, picture);
    list.ActiveItemRect = huge;
    list.FocusItemRect = crossing;
    list.ItemTextRect = outside;
    list.FontHeight = -200000;
    auto& header = skin.Add<TlxDataSkinLabelControl>("menuheader");
    TTestSkin::SetNinePart(header, picture);
    header.SkinRect = huge;
    header.ClRect = crossing;
    for (const char* name : {"resizetoolbutton", "combobutton"}) {
        auto& b = skin.Add<TlxDataSkinButtonControl>(name);
        TTestSkin::SetNinePart(b, picture);
        b.ActiveSkinRect = outside;
        b.DownSkinRect = crossing;
        b.MenuMarkerRect = huge;
        b.MenuMarkerDownRect = crossing;
    }
    skin.LoadInto(SD);
    for (bool tool : {false, true}) {
        auto* c = Combo(12);
        c->Items()->Items(0)->SetHeader(true);
        c->Items()->Items(2)->SetTitle("Title");
        c->SetToolButtonStyle(tool);
        c->SetSkinData(SD);
        c->SetItemIndex(2);
        c->SetFocus();
        for (TSize size : {TSize{0, 0}, TSize{1, 1}, TSize{7, 5}, TSize{300, 60}}) {
            c->SetBounds(10, 10, size.cx, size.cy);
            Shot(c);
            c->DropDown();
            Session.Pump();
            c->CloseUp(false);
        }
        c->Free();
    }
}

} // namespace
