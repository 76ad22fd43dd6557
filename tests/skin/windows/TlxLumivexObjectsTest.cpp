#include "FrameTest.h"

#include "platform/vcl/THintWindow.h"
#include "platform/win/WindowBackend.h"
#include "skin/controls/TlxSkinHint.h"
#include "skin/controls/TlxSkinHintWindow.h"
#include "skin/windows/TlxSkinMenu.h"
#include "skin/windows/TlxSkinMenuItem.h"
#include "skin/windows/TlxSkinPopupWindow.h"
#include "skin/windows/TlxSkinStdButtonObject.h"

#include <memory>
#include <string>
#include <vector>

namespace {

class TlxLumivexObjectsTest : public TFrameTest {
protected:
    // The rows the menu engine shows and the top-left of its window are
    // noted, and the menu closed.
    void NoteOpenMenu() {
        if (LVX->SkinMenu->WindowCount() == 0) return;
        TlxSkinPopupWindow* w = LVX->SkinMenu->Windows(0);
        std::vector<std::string> names;
        for (int i = 0; i < w->ItemCount(); ++i) {
            TMenuItem* item = w->Items(i)->MenuItem;
            names.push_back(item->IsLine() ? "-" : item->Name());
        }
        Shown.push_back(names);
        ShownAt.push_back(w->ClientToScreen({0, 0}));
        EXPECT_TRUE(LVX->InMenu);
        LVX->SkinMenu->Hide();
        Session.Pump();
    }
    void RightClickCaption() {
        Session.Click(Screen(25, 12), TMouseButton::mbRight);
        Session.Pump();
        NoteOpenMenu();
        // A second click soon after would be a double click.
        Session.Advance(1000);
    }
    void AltSpace() {
        Session.KeyDown(VK_MENU);
        Session.Key(VK_SPACE);
        Session.KeyUp(VK_MENU);
        Session.Pump();
        NoteOpenMenu();
    }

    std::vector<std::vector<std::string>> Shown;
    std::vector<TPoint> ShownAt;
};

using TNames = std::vector<std::string>;

// The close button acts on a press and a release over it, and is drawn
// normal before the form closes.
TEST_F(TlxLumivexObjectsTest, CloseButtonNeedsPressAndReleaseOverIt) {
    TFrameSkin skin;
    Load(skin);
    bool closed = false, drawnNormal = false;
    Form->OnClose = [&](TObject*, TCloseAction&) {
        auto* close = static_cast<TlxSkinStdButtonObject*>(Object("close"));
        closed = true;
        drawnNormal = !close->Down() && !close->Active;
    };
    const TPoint over = Screen(146, 10), off = Screen(100, 50);
    Session.MouseMove(over);
    Session.MouseDown(over);
    Session.Pump();
    EXPECT_TRUE(static_cast<TlxSkinStdButtonObject*>(Object("close"))->Down());
    Session.MouseMove(off);
    Session.MouseUp(off);
    Session.Pump();
    EXPECT_FALSE(closed);
    EXPECT_FALSE(static_cast<TlxSkinStdButtonObject*>(Object("close"))->Down());

    Session.MouseMove(over);
    Session.MouseDown(over);
    Session.MouseUp(over);
    Session.Pump();
    EXPECT_TRUE(closed);
    EXPECT_TRUE(drawnNormal);
}

// Names of the system menu's items by window state and border icons.
TEST_F(TlxLumivexObjectsTest, SystemMenuByStateAndIcons) {
    using enum TlxBorderIcon;
    const TlxBorderIcons standard{biSystemMenu, biMinimize, biMaximize, biRollUp};
    const struct {
        const char* What;
        TlxBorderIcons Icons;
        TWindowState State;
        bool RolledUp;
        TNames Items;
    } cases[] = {
        {"normal", standard, wsNormal, false, {"LVX_MINITEM", "LVX_MAXITEM", "LVX_ROLLUP", "-", "LVX_CLOSE"}},
        {"maximized",
         standard,
         wsMaximized,
         false,
         {"LVX_MINITEM", "LVX_RESTORE", "LVX_ROLLUP", "-", "LVX_CLOSE"}},
        {"minimized", standard, wsMinimized, false, {"LVX_MAXITEM", "LVX_RESTORE", "-", "LVX_CLOSE"}},
        {"rolled up",
         standard,
         wsNormal,
         true,
         {"LVX_MINITEM", "LVX_MAXITEM", "LVX_RESTORE", "-", "LVX_CLOSE"}},
        {"no icons", {}, wsNormal, false, {"LVX_CLOSE"}},
        {"tray icon",
         {biSystemMenu, biMinimize, biMaximize, biRollUp, biMinimizeToTray},
         wsNormal,
         false,
         {"LVX_MINITEM", "LVX_MAXITEM", "LVX_ROLLUP", "LVX_MINTOTRAY", "-", "LVX_CLOSE"}},
    };
    for (auto& c : cases) {
        LVX->SetWindowState(wsNormal);
        LVX->SetRollUpState(false);
        LVX->SetBorderIcons(c.Icons);
        if (c.RolledUp) LVX->SetRollUpState(true);
        LVX->SetWindowState(c.State);
        Session.Pump();
        Shown.clear();
        RightClickCaption();
        ASSERT_EQ(Shown.size(), 1u) << c.What;
        EXPECT_EQ(Shown[0], c.Items) << c.What;
    }
}

TEST_F(TlxLumivexObjectsTest, UserSystemMenuGetsTheStandardItemsAroundItsOwn) {
    auto* menu = new TPopupMenu(Form);
    auto* own = new TMenuItem(Form);
    own->SetName("Own");
    menu->Items()->Add(own);
    LVX->SetSystemMenu(menu);
    RightClickCaption();
    RightClickCaption();
    ASSERT_EQ(Shown.size(), 2u);
    const TNames want{"LVX_MINITEM", "LVX_MAXITEM", "LVX_ROLLUP", "Own", "LVX_CLOSE"};
    EXPECT_EQ(Shown[0], want);
    EXPECT_EQ(Shown[1], want) << "opening again must not add the items twice";
}

// Alt+Space opens the system menu below the system-menu button, in the
// skinned and in the default frame; without that button nothing opens.
TEST_F(TlxLumivexObjectsTest, AltSpaceOpensTheSystemMenuBelowItsButton) {
    const struct {
        const char* What;
        bool Skinned, SysMenu;
        TPoint At; // window point below the button's bottom-left
    } cases[] = {
        {"default frame", false, true, {3, 21}},
        {"skin", true, true, {8, 18}},
        {"skin without the button", true, false, {}},
    };
    for (auto& c : cases) {
        std::unique_ptr<TFrameSkin> skin;
        if (c.Skinned) {
            skin = std::make_unique<TFrameSkin>(c.SysMenu);
            Load(*skin);
        }
        Shown.clear();
        ShownAt.clear();
        AltSpace();
        if (!c.SysMenu) {
            EXPECT_TRUE(Shown.empty()) << c.What;
            continue;
        }
        ASSERT_EQ(Shown.size(), 1u) << c.What;
        EXPECT_EQ(Shown[0], (TNames{"LVX_MINITEM", "LVX_MAXITEM", "LVX_ROLLUP", "-", "LVX_CLOSE"})) << c.What;
        EXPECT_EQ(ShownAt[0], Screen(c.At.X, c.At.Y)) << c.What;
    }
}

// The component's OnShortCut sees every shortcut first and may take it;
// Space alone is no shortcut.
TEST_F(TlxLumivexObjectsTest, OnShortCutComesFirst) {
    std::vector<WPARAM> offered;
    bool take = true;
    LVX->OnShortCut = [&](TMessage& Msg, bool& Handled) {
        offered.push_back(Msg.WParam);
        Handled = take;
    };
    AltSpace();
    ASSERT_FALSE(offered.empty());
    EXPECT_EQ(offered.back(), static_cast<WPARAM>(VK_SPACE));
    EXPECT_TRUE(Shown.empty());
    take = false;
    AltSpace();
    EXPECT_EQ(Shown.size(), 1u);
    Session.Key(VK_SPACE);
    Session.Pump();
    EXPECT_EQ(Shown.size(), 1u);
}

// With ShowObjectHint and a hint component, a frame button's hint shows
// after the hint pause and goes when the mouse leaves it; the maximize
// button of a maximized form hints its restore. No skinned hint is active on
// a main form here, so the platform's hint window shows it.
TEST_F(TlxLumivexObjectsTest, FrameButtonHints) {
    TFrameSkin skin;
    Load(skin);
    LVX->SetShowObjectHint(true);
    const TPoint close = Screen(146, 10), caption = Screen(60, 12);
    Session.MouseMove(close);
    Session.Advance(600);
    EXPECT_FALSE(LVX->ObjectHintVisible()) << "no hint component";
    Session.MouseMove(caption);
    Session.Advance(100);

    auto* hint = new TlxSkinHint(Form);
    LVX->SetSkinHint(hint);
    Session.MouseMove(close);
    Session.Advance(400);
    EXPECT_FALSE(LVX->ObjectHintVisible());
    Session.Advance(200);
    EXPECT_TRUE(LVX->ObjectHintVisible());
    EXPECT_FALSE(hint->IsVisible()) << "the skinned window needs an active hint on the main form";
    EXPECT_EQ(LVX->ObjectHintText(), "Close");
    Session.MouseMove(caption);
    Session.Advance(100);
    EXPECT_FALSE(LVX->ObjectHintVisible());

    LVX->SetWindowState(wsMaximized);
    Session.Pump();
    const TRect max = Object("max")->ObjectRect;
    Session.MouseMove(Screen((max.Left + max.Right) / 2, (max.Top + max.Bottom) / 2));
    Session.Advance(600);
    EXPECT_TRUE(LVX->ObjectHintVisible());
    EXPECT_EQ(LVX->ObjectHintText(), "Restore");
    Application->HintWindowClass = {};
}

// While the main form has an active skinned hint, the frame buttons' hints
// are drawn by the component's SkinHint in its skinned window (placed below
// the pointer, hidden after the hide pause and on leaving); the platform's
// window is never made. When the main form's hint goes off, the platform's
// window serves again.
TEST_F(TlxLumivexObjectsTest, FrameButtonHintsThroughTheSkinnedHint) {
    TFrameSkin skin;
    Load(skin);
    TForm* mainForm = nullptr;
    Application->CreateForm(mainForm);
    auto* hint = new TlxSkinHint(mainForm);
    LVX->SetShowObjectHint(true);
    LVX->SetSkinHint(hint);
    auto platformHintShown = [&] {
        for (int i = 0; i < LVX->ComponentCount(); ++i)
            if (auto* w = dynamic_cast<THintWindow*>(LVX->Components(i)); w && w->Active()) return true;
        return false;
    };
    const TPoint close = Screen(146, 10), caption = Screen(60, 12);

    Session.MouseMove(close);
    Session.Advance(400);
    EXPECT_FALSE(hint->IsVisible()) << "before the pause";
    Session.Advance(200);
    ASSERT_TRUE(hint->IsVisible());
    EXPECT_TRUE(LVX->ObjectHintVisible());
    EXPECT_EQ(hint->HW->Text(), "Close");
    EXPECT_EQ(hint->HW->Left(), close.X);
    EXPECT_EQ(hint->HW->Top(), close.Y + hint->GetCursorHeightMargin());
    EXPECT_FALSE(platformHintShown());
    Session.Advance(Application->HintHidePause());
    EXPECT_FALSE(hint->IsVisible()) << "after the hide pause";

    Session.MouseMove(caption);
    Session.Advance(100);
    Session.MouseMove(close);
    Session.Advance(600);
    EXPECT_TRUE(hint->IsVisible());
    Session.MouseMove(caption);
    Session.Advance(100);
    EXPECT_FALSE(hint->IsVisible()) << "leaving the button";
    EXPECT_FALSE(LVX->ObjectHintVisible());

    hint->SetActive(false);
    Session.MouseMove(close);
    Session.Advance(600);
    EXPECT_FALSE(hint->IsVisible());
    EXPECT_TRUE(platformHintShown());
    EXPECT_TRUE(LVX->ObjectHintVisible());

    mainForm->Free();
    Application->HintWindowClass = {};
}

TEST_F(TlxLumivexObjectsTest, DisableSystemMenuOpensNothing) {
    LVX->SetDisableSystemMenu(true);
    RightClickCaption();
    EXPECT_TRUE(Shown.empty());
}

} // namespace

namespace {

// The display's close request (a window manager's close box) runs the form's
// own close logic.
TEST_F(TlxLumivexObjectsTest, CloseRequestOfTheDisplayClosesTheForm) {
    TFrameSkin skin;
    Load(skin);
    bool closed = false;
    Form->OnClose = [&](TObject*, TCloseAction&) { closed = true; };
    TRawInput in;
    in.Kind = TRawInputKind::riClose;
    in.Window = Form->Handle();
    QueueRawInput(in);
    Session.Pump();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(Form->Visible());
}

} // namespace
