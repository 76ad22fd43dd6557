#include "skin/controls/TlxSkinCustomComboBox.h"

#include "platform/vcl/VclMessages.h"
#include "platform/win/WinApi.h"
#include "skin/engine/DataSkinControls.h"
#include "skin/engine/DataSkinListControls.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <string>
#include <vector>

namespace {

// Records the virtual Change next to the events.
class TRecordingCombo : public TlxSkinComboBox {
public:
    using TlxSkinComboBox::TlxSkinComboBox;
    std::vector<std::string>* Log = nullptr;

protected:
    void Change() override {
        if (Log) Log->push_back("Change");
    }
};

// The combo skin: a 60 x 20 face (a frame with a light item area and the
// button from x 44), the hot face below it, item pictures and button states.
void AddComboSkin(TTestSkin& Skin) {
    TBitmap p(80, 80);
    FillPixels(p, {0, 0, 80, 80}, 0);
    FillPixels(p, {0, 0, 60, 20}, 0x406080);
    FillPixels(p, {3, 3, 42, 17}, 0xE0E0C0);
    FillPixels(p, {44, 3, 57, 17}, 0x8080F0);
    FillPixels(p, {0, 20, 60, 40}, 0x6080A0);
    FillPixels(p, {3, 23, 42, 37}, 0xF0F0D0);
    FillPixels(p, {44, 23, 57, 37}, 0xA0A0FF);
    FillPixels(p, {0, 40, 39, 54}, 0xE0E0C0); // item
    FillPixels(p, {0, 54, 39, 68}, 0x40C040); // focused item
    FillPixels(p, {60, 0, 73, 14}, 0xF04040); // pressed button
    const int picture = Skin.AddPicture(p);
    auto& d = Skin.Add<TlxDataSkinComboBox>("combobox");
    d.PictureIndex = picture;
    d.MaskPictureIndex = -1;
    d.SkinRect = {0, 0, 60, 20};
    d.ActiveSkinRect = {0, 20, 60, 40};
    d.LTPoint = {3, 0};
    d.RTPoint = {42, 0};
    d.ClRect = {3, 3, 42, 17};
    d.SItemRect = {0, 40, 39, 54};
    d.FocusItemRect = {0, 54, 39, 68};
    d.ItemLeftOffset = d.ItemRightOffset = 1;
    d.ItemTextRect = {2, 0, 37, 14};
    d.FontName = "Arial";
    d.FontHeight = 12;
    d.FontColor = clBlack;
    d.FocusFontColor = clWhite;
    d.ActiveFontColor = clNavy;
    d.ButtonRect = {44, 3, 57, 17};
    d.DownButtonRect = {60, 0, 73, 14};
    auto& b = Skin.Add<TlxDataSkinButtonControl>("resizebutton");
    b.PictureIndex = picture;
    b.MaskPictureIndex = -1;
    b.SkinRect = {0, 0, 60, 20};
    b.ActiveSkinRect = {0, 20, 60, 40};
    b.LTPoint = {3, 3};
    b.RTPoint = {57, 3};
    b.LBPoint = {3, 17};
    b.RBPoint = {57, 17};
    b.ClRect = {3, 3, 57, 17};
    b.FontColor = clBlack;
    b.ActiveFontColor = clNavy;
}

class TlxSkinCustomComboBoxTest : public TSkinControlTest {
protected:
    TRecordingCombo* Combo(int Count, TlxSkinCustomComboBoxStyle Style = lxcbFixedStyle, int X = 20,
                           int Y = 20) {
        auto* c = Make<TRecordingCombo>(X, Y, 120, 20);
        c->Log = &Events;
        for (int i = 0; i < Count; ++i)
            c->Items()->Add("Item " + std::string(1, static_cast<char>('A' + i)));
        c->SetStyle(Style);
        c->OnClick = [this](TObject*) { Events.push_back("click"); };
        c->OnChange = [this, c](TObject*) { Events.push_back("change " + c->Text()); };
        Session.Pump();
        return c;
    }
    TPoint Face(TlxSkinCustomComboBox* C) { return At(C, 30, 10); }
    TPoint ButtonPoint(TlxSkinCustomComboBox* C) { return At(C, C->ButtonState().R.Left + 5, 10); }
    // The screen point of row Row of the open list.
    TPoint Row(TlxSkinCustomComboBox* C, int Row) {
        TlxListBox* list = C->ListBox()->ListBox();
        const TRect r = list->ItemRect(Row);
        return list->ClientToScreen({5, r.Top + r.Height() / 2});
    }
    // A letter typed as the keyboard sends it: key down, the character, key up.
    void TypeKey(char Letter) {
        const int vk = Letter - 'a' + 'A';
        Session.KeyDown(vk);
        Session.KeyUp(vk);
        Session.Pump();
    }
    std::vector<std::string> Events;
};

using Log = std::vector<std::string>;

} // namespace

TEST_F(TlxSkinCustomComboBoxTest, EveryWayOfChangingTheSelectionRaisesItsEventsInOrder) {
    struct Case {
        const char* Name;
        TlxSkinCustomComboBoxStyle Style;
        std::function<void(TRecordingCombo*, TSkinControlTest&)> Act;
        int ItemIndex;
        std::string Text;
        Log Events;
    };
    const Case cases[] = {
        {"ItemIndex from code",
         lxcbFixedStyle,
         [](TRecordingCombo* C, TSkinControlTest&) { C->SetItemIndex(2); },
         2,
         "Item C",
         {"change Item C", "click", "Change"}},
        {"the same text again: no OnChange",
         lxcbFixedStyle,
         [](TRecordingCombo* C, TSkinControlTest&) { C->SetItemIndex(1); },
         1,
         "Item B",
         {"click", "Change"}},
        {"-1: the text stays",
         lxcbFixedStyle,
         [](TRecordingCombo* C, TSkinControlTest&) { C->SetItemIndex(-1); },
         -1,
         "Item B",
         {"click", "Change"}},
        {"while loading: OnChange only",
         lxcbFixedStyle,
         [](TRecordingCombo* C, TSkinControlTest&) {
             C->BeginLoading();
             C->SetItemIndex(3);
             C->EndLoading();
         },
         3,
         "Item D",
         {"change Item D"}},
        {"Down key",
         lxcbFixedStyle,
         [](TRecordingCombo* C, TSkinControlTest&) { C->Perform(WM_KEYDOWN, VK_DOWN); },
         2,
         "Item C",
         {"change Item C", "click", "Change"}},
        {"list opened and cancelled",
         lxcbFixedStyle,
         [](TRecordingCombo* C, TSkinControlTest&) {
             C->DropDown();
             C->ListBox()->ListBox()->SetItemIndex(3);
             C->Perform(WM_KEYDOWN, VK_ESCAPE);
         },
         1,
         "Item B",
         {}},
        {"list opened and accepted",
         lxcbFixedStyle,
         [](TRecordingCombo* C, TSkinControlTest&) {
             C->DropDown();
             C->ListBox()->ListBox()->SetItemIndex(3);
             C->Perform(WM_KEYDOWN, VK_RETURN);
         },
         3,
         "Item D",
         {"change Item D", "click", "Change"}},
        {"edit style: Up commits once",
         lxcbEditStyle,
         [](TRecordingCombo* C, TSkinControlTest&) { C->Edit()->Perform(WM_KEYDOWN, VK_UP); },
         0,
         "Item A",
         {"change Item A", "click", "Change"}},
        {"edit style: Down commits once",
         lxcbEditStyle,
         [](TRecordingCombo* C, TSkinControlTest&) { C->Edit()->Perform(WM_KEYDOWN, VK_DOWN); },
         2,
         "Item C",
         {"change Item C", "click", "Change"}},
        {"edit style: typing",
         lxcbEditStyle,
         [](TRecordingCombo* C, TSkinControlTest&) {
             C->Edit()->SetFocus();
             C->Edit()->SelectAll();
             C->Edit()->Perform(WM_CHAR, 'x');
         },
         1,
         "x",
         {"change x", "Change"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* combo = Combo(5, c.Style);
        combo->SetFocus();
        combo->SetItemIndex(1);
        Session.Pump();
        Events.clear();
        c.Act(combo, *this);
        Session.Pump();
        EXPECT_EQ(combo->ItemIndex(), c.ItemIndex);
        EXPECT_EQ(combo->Text(), c.Text);
        if (c.Style == lxcbEditStyle) EXPECT_EQ(combo->Edit()->Text(), c.Text);
        EXPECT_EQ(Events, c.Events);
        EXPECT_FALSE(combo->IsPopupVisible());
        combo->Free();
        Session.Pump();
    }
}

TEST_F(TlxSkinCustomComboBoxTest, TheListOpensBelowOrAboveInsideTheWorkArea) {
    const TRect work = GetWorkArea();
    struct Case {
        const char* Name;
        int Items;
        TPoint At; // form client position of the combo
        int Rows;
        bool Above;
    } cases[] = {
        {"3 items open 3 rows below", 3, {20, 20}, 3, false},
        {"20 items open 8 rows with a bar", 20, {20, 20}, 8, false},
        {"near the bottom it opens above", 20, {20, 270}, 8, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Form->SetBounds(0, work.Bottom - 300, 400, 300);
        auto* combo = Combo(c.Items, lxcbFixedStyle, c.At.X, c.At.Y);
        combo->DropDown();
        Session.Pump();
        TlxPopupListBox* popup = combo->ListBox();
        ASSERT_TRUE(combo->IsPopupVisible());
        EXPECT_EQ(popup->ListBox()->Height(), c.Rows * popup->ItemHeight());
        EXPECT_EQ(popup->ScrollBar() != nullptr, c.Items > 8);
        const TPoint top = combo->ClientToScreen({0, 0});
        if (c.Above)
            EXPECT_EQ(popup->Top() + popup->Height(), top.Y);
        else
            EXPECT_EQ(popup->Top(), top.Y + combo->Height());
        EXPECT_LE(popup->Top() + popup->Height(), work.Bottom);
        combo->CloseUp(false);
        combo->Free();
    }
    // At the right edge it moves left to stay on screen.
    Form->SetBounds(work.Right - 150, 0, 400, 300);
    auto* combo = Combo(3);
    combo->SetListBoxWidth(300);
    combo->DropDown();
    EXPECT_EQ(combo->ListBox()->Left() + combo->ListBox()->Width(), work.Right);
}

TEST_F(TlxSkinCustomComboBoxTest, PressDragReleaseSelectsAndAClickLeavesTheListOpen) {
    auto* combo = Combo(20);
    // Pressed on the face, dragged onto row 3 and released: chosen.
    Session.MouseMove(Face(combo));
    Session.MouseDown(Face(combo));
    Session.Pump();
    ASSERT_TRUE(combo->IsPopupVisible());
    EXPECT_TRUE(combo->Focused());
    Session.MouseMove(Row(combo, 3));
    Session.Pump();
    EXPECT_EQ(combo->ListBox()->ItemIndex(), 3);
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_EQ(combo->Text(), "");
    Session.MouseUp(Row(combo, 3));
    Session.Pump();
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->Text(), "Item D");

    // A click on the button opens it and leaves it open; hovering moves the
    // highlight; a click on a row chooses it.
    Events.clear();
    Session.Click(ButtonPoint(combo));
    Session.Pump();
    ASSERT_TRUE(combo->IsPopupVisible());
    Session.MouseMove(Row(combo, 5));
    Session.Pump();
    EXPECT_EQ(combo->ItemIndex(), 5);
    Session.Click(Row(combo, 5));
    Session.Pump();
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(Events, (Log{"change Item F", "click", "Change"}));

    // Dragged below the list: it scrolls every 25 ms, the highlight with it.
    Session.MouseDown(Face(combo));
    Session.Pump();
    Session.MouseMove(Row(combo, 6));
    Session.Pump();
    const int before = combo->ListBox()->ItemIndex();
    const TlxPopupListBox* popup = combo->ListBox();
    Session.MouseMove({Row(combo, 0).X, popup->Top() + popup->Height() + 10});
    Session.Advance(24);
    EXPECT_EQ(combo->ListBox()->ItemIndex(), before);
    Session.Advance(1);
    EXPECT_EQ(combo->ListBox()->ItemIndex(), before + 1);
    Session.Advance(50);
    EXPECT_EQ(combo->ListBox()->ItemIndex(), before + 3);
    // Released off the list: cancelled.
    Session.MouseUp({Row(combo, 0).X, popup->Top() + popup->Height() + 10});
    Session.Pump();
    EXPECT_FALSE(combo->IsPopupVisible());
    EXPECT_EQ(combo->ItemIndex(), 5);
}

TEST_F(TlxSkinCustomComboBoxTest, APressElsewhereClosesTheList) {
    auto* combo = Combo(5);
    auto* other = Make<TRecordingCombo>(20, 200, 120, 20);
    combo->SetFocus();
    combo->DropDown();
    Session.Pump();
    ASSERT_TRUE(combo->IsPopupVisible());
    // A press on a scroll bar or the list of its own popup does not close it.
    combo->Perform(CM_CANCELMODE, 0,
                   reinterpret_cast<LPARAM>(static_cast<TControl*>(combo->ListBox()->ListBox())));
    EXPECT_TRUE(combo->IsPopupVisible());
    Session.Click(At(Form, 300, 280));
    Session.Pump();
    EXPECT_FALSE(combo->IsPopupVisible());
    (void)other;
}

TEST_F(TlxSkinCustomComboBoxTest, KeysPageAndSearchIncrementally) {
    auto* combo = Combo(0);
    for (const char* s : {"Apple", "Apricot", "Banana", "Blueberry", "Cherry"})
        combo->Items()->Add(s);
    for (int i = 0; i < 20; ++i)
        combo->Items()->Add("Z" + std::to_string(i));
    combo->SetFocus();
    Session.Pump();
    // PgDn and PgUp move the same distance: DropDownCount - 1.
    combo->SetItemIndex(0);
    Session.Key(VK_NEXT);
    Session.Pump();
    EXPECT_EQ(combo->ItemIndex(), 7);
    combo->SetItemIndex(20);
    Session.Key(VK_PRIOR);
    Session.Pump();
    EXPECT_EQ(combo->ItemIndex(), 13);
    Session.Key(VK_PRIOR);
    Session.Key(VK_PRIOR);
    Session.Key(VK_PRIOR);
    Session.Pump();
    EXPECT_EQ(combo->ItemIndex(), 0);

    // Two letters within 500 ms search for both from the start.
    combo->SetItemIndex(4);
    Session.Type("ap");
    Session.Pump();
    EXPECT_EQ(combo->Text(), "Apple");
    Session.Advance(300);
    Session.Type("r");
    Session.Pump();
    EXPECT_EQ(combo->Text(), "Apricot");
    // The same letter again after 500 ms walks to the next item with it.
    Session.Advance(600);
    Session.Type("b");
    Session.Pump();
    EXPECT_EQ(combo->Text(), "Banana");
    Session.Advance(600);
    Session.Type("b");
    Session.Pump();
    EXPECT_EQ(combo->Text(), "Blueberry");
    // Alt+Down opens, Alt+Up closes.
    Session.KeyDown(VK_MENU);
    Session.Key(VK_DOWN);
    Session.Pump();
    EXPECT_TRUE(combo->IsPopupVisible());
    Session.Key(VK_UP);
    Session.KeyUp(VK_MENU);
    Session.Pump();
    EXPECT_FALSE(combo->IsPopupVisible());
}

TEST_F(TlxSkinCustomComboBoxTest, TheEditStyleCompletesTypingAfter200Ms) {
    auto* combo = Combo(0, lxcbEditStyle);
    combo->Items()->Add("Abc");
    combo->Items()->Add("Abd");
    combo->Edit()->SetFocus();
    Session.Pump();
    Session.Advance(1000);
    // One letter completes to the first item with it, the rest selected.
    TypeKey('a');
    EXPECT_EQ(combo->Text(), "Abc");
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->SelStart(), 1);
    EXPECT_EQ(combo->SelLength(), 2);
    // Typed within 200 ms: not completed.
    TypeKey('b');
    EXPECT_EQ(combo->Edit()->Text(), "Ab");
    EXPECT_EQ(combo->SelLength(), 0);
    Session.Advance(250);
    TypeKey('d');
    EXPECT_EQ(combo->Text(), "Abd");
    EXPECT_EQ(combo->ItemIndex(), 1);
}

TEST_F(TlxSkinCustomComboBoxTest, ThePopupFadesInOnATimer) {
    auto* combo = Combo(3);
    combo->SetAlphaBlend(true);
    combo->SetAlphaBlendAnimation(true);
    combo->SetAlphaBlendValue(255);
    combo->DropDown();
    TlxPopupListBox* popup = combo->ListBox();
    // The first step at once, then one every few milliseconds: 15 steps of 17.
    EXPECT_EQ(popup->CurrentAlpha(), 17);
    Session.Advance(6);
    EXPECT_EQ(popup->CurrentAlpha(), 34);
    Session.Advance(200);
    EXPECT_EQ(popup->CurrentAlpha(), 255);
    combo->CloseUp(false);
    // Every opening starts again from nothing.
    combo->DropDown();
    EXPECT_EQ(popup->CurrentAlpha(), 17);
    combo->CloseUp(false);
    // A final alpha of 0 would hide the list: it is shown opaque.
    combo->SetAlphaBlendValue(0);
    combo->DropDown();
    Session.Advance(200);
    EXPECT_EQ(popup->CurrentAlpha(), 255);
}

TEST_F(TlxSkinCustomComboBoxTest, FaceLayoutAndLooksAsGoldens) {
    auto* plain = Make<TlxSkinComboBox>(10, 10, 157, 20);
    EXPECT_EQ(plain->ButtonState().R, (TRect{138, 2, 155, 18}));
    EXPECT_EQ(plain->ItemArea().R, (TRect{2, 2, 137, 18}));
    plain->Free();

    TTestSkin skin;
    AddComboSkin(skin);
    skin.LoadInto(SD);
    struct Case {
        const char* Name;
        bool Skinned, UseSkinSize, ToolButton, Focused;
    } cases[] = {
        {"builtin", false, true, false, true},
        {"skinned-fixed", true, true, false, false},
        {"skinned-free", true, false, false, true},
        {"toolbutton-builtin", false, false, true, false},
        {"toolbutton-skinned", true, false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* combo = Combo(3);
        combo->SetItemIndex(1);
        if (c.ToolButton) combo->SetToolButtonStyle(true);
        combo->SetUseSkinSize(c.UseSkinSize);
        if (c.Skinned) combo->SetSkinData(SD);
        combo->SetBounds(20, 20, 150, 24);
        if (c.Focused) combo->SetFocus();
        Session.Pump();
        if (c.Skinned && c.UseSkinSize) {
            // The skin's height, the button kept at the right edge.
            EXPECT_EQ(combo->Height(), 20);
            EXPECT_EQ(combo->ButtonState().R, (TRect{134, 3, 147, 17}));
        }
        EXPECT_TRUE(MatchesGolden(Shot(combo), std::string("skin/controls/TlxSkinComboBox/") + c.Name, 40));
        combo->Free();
    }
}
