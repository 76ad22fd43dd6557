#include "platform/vcl/TClipboard.h"
#include "platform/vcl/VclMessages.h"
#include "skin/controls/TlxCustomEdit.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinMenu.h"
#include "skin/windows/TlxSkinPopupWindow.h"
#include "tests/support/skin/TSkinControlTest.h"

namespace {

class TlxLumivexMenusTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        Clipboard().SetAsText("");
        Lumivex = new TlxLumivex(Form);
        Edit = Make<TlxCustomEdit>(20, 30, 120, 20);
        Edit->SetText("abc");
        Edit->SetFocus();
        Session.Pump();
    }
    TlxLumivex* Lumivex = nullptr;
    TlxCustomEdit* Edit = nullptr;
};

} // namespace

TEST_F(TlxLumivexMenusTest, AnEditsContextMenuTakesTheKeysAndTheirCharactersUntilItCloses) {
    Edit->Perform(WM_CONTEXTMENU, 0, PointToLParam({-1, -1}));
    Session.Pump();
    ASSERT_TRUE(Lumivex->SkinMenu->Visible());
    EXPECT_TRUE(Lumivex->InMenu);
    HWND menuWindow = Lumivex->SkinMenu->Windows(0)->Handle();
    EXPECT_EQ(GetFocus(), Edit->Handle()) << "the menu never takes the focus";
    Session.KeyDown('Q');
    Session.Type("q"); // the character the key brought with it
    Session.KeyUp('Q');
    Session.Pump();
    EXPECT_EQ(Edit->Text(), "abc");
    Session.Key(VK_ESCAPE);
    Session.Pump();
    EXPECT_FALSE(Lumivex->SkinMenu->Visible());
    EXPECT_FALSE(Lumivex->InMenu);
    EXPECT_FALSE(IsWindowVisible(menuWindow));
    Session.Key(VK_END);
    Session.Type("d");
    Session.Pump();
    EXPECT_EQ(Edit->Text(), "abcd") << "keys reach the edit again";
}

TEST_F(TlxLumivexMenusTest, EnterRunsTheSelectedCommandAfterTheMenuIsGone) {
    Edit->SetSelStart(3);
    Edit->Perform(WM_CONTEXTMENU, 0, PointToLParam({-1, -1}));
    Session.Pump();
    ASSERT_TRUE(Lumivex->SkinMenu->Visible());
    // Everything but Select All is disabled for an unselected text with an
    // empty clipboard: opening selected it.
    Session.Key(VK_RETURN);
    Session.Pump();
    EXPECT_FALSE(Lumivex->SkinMenu->Visible());
    EXPECT_FALSE(Lumivex->InMenu);
    EXPECT_EQ(Edit->SelLength(), 3);
    EXPECT_EQ(Edit->SysPopupMenu(), nullptr) << "freed once the command ran";
}

TEST_F(TlxLumivexMenusTest, APressOnTheFormClosesTheMenu) {
    Edit->Perform(WM_CONTEXTMENU, 0, PointToLParam({-1, -1}));
    Session.Pump();
    ASSERT_TRUE(Lumivex->SkinMenu->Visible());
    Session.Click(Form->ClientToScreen({300, 200}));
    Session.Pump();
    EXPECT_FALSE(Lumivex->SkinMenu->Visible());
    EXPECT_FALSE(Lumivex->InMenu);
}

namespace {

// A popup menu with one visible entry whose click is counted.
TPopupMenu* OneEntryMenu(TComponent* Owner, int& Clicks) {
    auto* menu = new TPopupMenu(Owner);
    auto* item = new TMenuItem(Owner);
    item->SetCaption("Entry");
    item->OnClick = [&Clicks](TObject*) { ++Clicks; };
    menu->Items()->Add(item);
    return menu;
}

} // namespace

TEST_F(TlxLumivexMenusTest, TheComponentsOpeningsShowTheMenuThroughItsEngineWithTheRightSkin) {
    auto* menusSkin = new TlxSkinData(Form);
    Lumivex->SetSkinData(SD);
    Lumivex->SetMenusSkinData(menusSkin);
    int clicks = 0, popups = 0;
    TPopupMenu* menu = OneEntryMenu(Form, clicks);
    menu->OnPopup = [&](TObject*) { ++popups; };
    struct Case {
        const char* Name;
        std::function<void()> Open;
        TlxSkinData* Skin;
        int Popups;
    } cases[] = {
        {"DoPopupMenu", [&] { Lumivex->DoPopupMenu(menu, 100, 120); }, SD, 1},
        {"PopupSkinMenu",
         [&] {
             Lumivex->PopupSkinMenu(menu, {100, 120});
         },
         menusSkin, 0},
        {"PopupSkinMenu1",
         [&] {
             Lumivex->PopupSkinMenu1(menu, {100, 100, 160, 120}, false);
         },
         menusSkin, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        popups = 0;
        c.Open();
        Session.Pump();
        ASSERT_EQ(Lumivex->SkinMenu->WindowCount(), 1);
        EXPECT_TRUE(Lumivex->InMenu);
        EXPECT_EQ(Lumivex->SkinMenu->SkinData(), c.Skin);
        EXPECT_EQ(popups, c.Popups);
        const TPoint at = Lumivex->SkinMenu->Windows(0)->ClientToScreen({0, 0});
        EXPECT_EQ(at, (TPoint{100, 120}));
        Session.Key(VK_RETURN);
        Session.Pump();
        EXPECT_FALSE(Lumivex->SkinMenu->Visible());
        EXPECT_FALSE(Lumivex->InMenu);
    }
    EXPECT_EQ(clicks, 3);

    // A menu without a visible entry opens nothing and leaves no menu mode.
    menu->Items()->Items(0)->SetVisible(false);
    Lumivex->DoPopupMenu(menu, 100, 120);
    Session.Pump();
    EXPECT_FALSE(Lumivex->SkinMenu->Visible());
    EXPECT_FALSE(Lumivex->InMenu);
}

TEST_F(TlxLumivexMenusTest, TheSystemMenuOpensBesideARectangleAndAnMDIChildsNeedsTheMainFormsComponent) {
    Lumivex->PopupSystemMenuFromRect({200, 100, 220, 120});
    Session.Pump();
    ASSERT_EQ(Lumivex->SkinMenu->WindowCount(), 1);
    EXPECT_EQ(Lumivex->SkinMenu->Windows(0)->ClientToScreen({0, 0}), (TPoint{200, 120}));
    EXPECT_TRUE(Lumivex->InMenu);
    // Opening it again while it shows rebuilds its items: the open one goes first.
    Lumivex->PopupSystemMenuFromRect({200, 100, 220, 120});
    Session.Pump();
    EXPECT_EQ(Lumivex->SkinMenu->WindowCount(), 1);
    Lumivex->SkinMenu->Hide();
    Session.Pump();

    // The tests run without a main form: a child's menu has nowhere to open.
    ASSERT_EQ(Application->MainForm(), nullptr);
    auto* child = new TForm(nullptr);
    child->SetFormStyle(fsMDIChild);
    auto* childLumivex = new TlxLumivex(child);
    childLumivex->PopupSystemMenuFromRect({200, 100, 220, 120});
    Session.Pump();
    EXPECT_FALSE(childLumivex->SkinMenu->Visible());
    EXPECT_FALSE(childLumivex->InMenu);
    child->Free();
}

// The menu hooks of several components form one list: while any component is
// in menu mode its hook takes the keys before the application's OnMessage,
// and freeing the components in either order removes exactly their own hooks,
// so OnMessage hears the keys again once the last one is gone.
TEST_F(TlxLumivexMenusTest, MenuHooksOfComponentsFreedInEitherOrder) {
    int heard = 0;
    Application->OnMessage = [&heard](TMsg& Msg, bool&) {
        if (Msg.message == WM_KEYDOWN) ++heard;
    };
    auto keyHeard = [&] {
        const int before = heard;
        Session.Key(VK_F2);
        Session.Pump();
        return heard > before;
    };
    for (bool olderFirst : {true, false}) {
        SCOPED_TRACE(olderFirst ? "older first" : "newer first");
        TForm* forms[2];
        for (TForm*& f : forms) {
            f = new TForm(nullptr);
            (new TlxLumivex(f))->SkinMenuOpen();
        }
        EXPECT_FALSE(keyHeard());
        forms[olderFirst ? 0 : 1]->Free();
        EXPECT_FALSE(keyHeard()) << "the other component is still in menu mode";
        forms[olderFirst ? 1 : 0]->Free();
        EXPECT_TRUE(keyHeard());
    }
    Application->OnMessage = nullptr;
}
