#include "FrameTest.h"

#include "platform/win/WindowBackend.h"
#include "skin/windows/TlxSkinMenu.h"
#include "skin/windows/TlxSkinMenuItem.h"
#include "skin/windows/TlxSkinPopupWindow.h"
#include "skin/windows/TlxSkinStdButtonObject.h"

#include <string>
#include <vector>

namespace {

class TlxLumivexObjectsTest : public TFrameTest {
protected:
    // A right click on the caption; the rows the menu engine then shows are
    // noted, and the menu closed.
    void RightClickCaption() {
        Session.Click(Screen(25, 12), TMouseButton::mbRight);
        Session.Pump();
        if (LVX->SkinMenu->WindowCount() > 0) {
            TlxSkinPopupWindow* w = LVX->SkinMenu->Windows(0);
            std::vector<std::string> names;
            for (int i = 0; i < w->ItemCount(); ++i) {
                TMenuItem* item = w->Items(i)->MenuItem;
                names.push_back(item->IsLine() ? "-" : item->Name());
            }
            Shown.push_back(names);
            EXPECT_TRUE(LVX->InMenu);
            LVX->SkinMenu->Hide();
            Session.Pump();
        }
        // A second click soon after would be a double click.
        Session.Advance(1000);
    }

    std::vector<std::vector<std::string>> Shown;
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
