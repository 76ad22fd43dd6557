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
