#include "FrameTest.h"

#include "skin/windows/TlxTrayBalloon.h"
#include "skin/windows/TlxTrayIcon.h"

#include <string>
#include <vector>

namespace {

// The form of TFrameTest owns the icon; the headless desktop is the tray host.
class TlxTrayIconTest : public TFrameTest {
protected:
    void SetUp() override {
        TFrameTest::SetUp();
        Tray = new TlxTrayIcon(Form);
        Tray->OnClick = [this](TObject*) { Events.push_back("click"); };
        Tray->OnDblClick = [this](TObject*) { Events.push_back("double click"); };
    }
    THeadlessDesktop& Host() { return Session.Backend().HeadlessDesktop(); }
    THeadlessTrayIcon* Shown() { return Host().TrayIcons().empty() ? nullptr : Host().TrayIcons().back(); }
    void Mouse(TTrayMouseKind Kind, TTrayButton Button = TTrayButton::tbLeft) {
        ASSERT_TRUE(Shown());
        Shown()->SendMouse(Kind, Button, {900, 740});
        Session.Pump();
    }
    static TBitmap Solid(uint32_t Pixel) {
        TBitmap b(16, 16);
        b.SetPixelFormat(pf32bit);
        b.Fill(Pixel);
        return b;
    }

    TlxTrayIcon* Tray = nullptr;
    std::vector<std::string> Events;
};

TEST_F(TlxTrayIconTest, AddModifyAndDeleteGoToTheTrayHost) {
    ASSERT_TRUE(Tray->AddIcon());
    ASSERT_EQ(Host().TrayIcons().size(), 1u);
    EXPECT_EQ(Shown()->Image().Width, 16) << "an icon-less component shows the built-in picture";

    Tray->SetHint(std::string(130, 'x'));
    EXPECT_EQ(Shown()->Tip(), std::string(127, 'x'));
    Tray->SetHint("转换中");
    EXPECT_EQ(Shown()->Tip(), "转换中");
    Tray->SetShowHint(false);
    EXPECT_EQ(Shown()->Tip(), "");
    Tray->SetIcon(Solid(0xFF00FF00));
    EXPECT_EQ(Shown()->Image().Pixels.at(0), 0xFF00FF00u);

    Tray->SetIconVisible(false);
    EXPECT_TRUE(Host().TrayIcons().empty());
    EXPECT_FALSE(Tray->IconVisible());
    EXPECT_FALSE(Tray->ModifyIcon()) << "nothing to modify without an icon";
}

// A click is told only once the double-click time has passed; a double click
// tells no click at all.
TEST_F(TlxTrayIconTest, ClicksAndDoubleClicks) {
    Tray->AddIcon();
    Mouse(TTrayMouseKind::tmDown);
    Mouse(TTrayMouseKind::tmUp);
    EXPECT_TRUE(Events.empty());
    Session.Advance(GetDoubleClickTime() + 10);
    EXPECT_EQ(Events, (std::vector<std::string>{"click"}));

    Events.clear();
    Mouse(TTrayMouseKind::tmDown);
    Mouse(TTrayMouseKind::tmUp);
    Mouse(TTrayMouseKind::tmDoubleClick);
    Mouse(TTrayMouseKind::tmUp);
    Session.Advance(GetDoubleClickTime() + 10);
    EXPECT_EQ(Events, (std::vector<std::string>{"double click"}));

    // Released after the double-click time: the click comes with the release.
    Events.clear();
    Mouse(TTrayMouseKind::tmDown);
    Session.Advance(GetDoubleClickTime() + 10);
    EXPECT_TRUE(Events.empty());
    Mouse(TTrayMouseKind::tmUp);
    EXPECT_EQ(Events, (std::vector<std::string>{"click"}));

    Events.clear();
    Tray->SetEnabled(false);
    Mouse(TTrayMouseKind::tmDown);
    Mouse(TTrayMouseKind::tmUp);
    Session.Advance(GetDoubleClickTime() + 10);
    EXPECT_TRUE(Events.empty());
}

TEST_F(TlxTrayIconTest, MouseEventsCarryButtonAndScreenPoint) {
    Tray->AddIcon();
    Tray->OnMouseDown = [this](TObject*, TMouseButton B, TShiftState S, int X, int Y) {
        Events.push_back("down " + std::to_string(static_cast<int>(B)) +
                         (S.Contains(ssRight) ? " right " : " ") + std::to_string(X) + "," +
                         std::to_string(Y));
    };
    Tray->OnMouseMove = [this](TObject*, TShiftState, int X, int) {
        Events.push_back("move " + std::to_string(X));
    };
    Mouse(TTrayMouseKind::tmMove, TTrayButton::tbNone);
    Mouse(TTrayMouseKind::tmDown, TTrayButton::tbRight);
    EXPECT_EQ(Events, (std::vector<std::string>{"move 900", "down 1 right 900,740"}));
}

TEST_F(TlxTrayIconTest, AVisibleIconComesBackWhenTheTrayRestarts) {
    Tray->AddIcon();
    Tray->SetHint("tip");
    Tray->SetEnabled(false); // clicks off, the icon still comes back
    Host().RestartTray();    // drops every icon it showed
    ASSERT_EQ(Host().TrayIcons().size(), 1u);
    EXPECT_EQ(Shown()->Tip(), "tip");

    Tray->SetIconVisible(false);
    Host().RestartTray();
    EXPECT_TRUE(Host().TrayIcons().empty()) << "a hidden icon stays hidden";
}

TEST_F(TlxTrayIconTest, IconIndexIsKeptInsideTheList) {
    auto* list = new TImageList(Form);
    for (uint32_t p : {0xFF000001u, 0xFF000002u, 0xFF000003u, 0xFF000004u}) {
        TBitmap b = Solid(p);
        list->Add(&b, nullptr);
    }
    Tray->SetIconList(list);
    struct Case {
        int Set, Expected;
    };
    for (Case c : {Case{7, 3}, Case{-2, 0}, Case{2, 2}}) {
        Tray->SetIconIndex(c.Set);
        EXPECT_EQ(Tray->IconIndex(), c.Expected) << c.Set;
        EXPECT_EQ(Tray->Icon().ScanLine(0)[0] & 0xFF, static_cast<uint32_t>(c.Expected + 1)) << c.Set;
    }
}

TEST_F(TlxTrayIconTest, CyclingShowsEachImageAndReportsTheNext) {
    auto* list = new TImageList(Form);
    for (uint32_t p : {0xFF000000u, 0xFF000001u, 0xFF000002u}) {
        TBitmap b = Solid(p);
        list->Add(&b, nullptr);
    }
    Tray->AddIcon();
    Tray->SetIconList(list);
    std::vector<int> next, shown;
    Tray->OnCycle = [&](TObject*, int Next) { next.push_back(Next); };
    Tray->SetAnimateTimerInterval(100);
    Tray->SetCycleIcons(true);
    for (int i = 0; i < 4; ++i) {
        Session.Advance(100);
        shown.push_back(static_cast<int>(Shown()->Image().Pixels.at(0) & 0xFF));
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 0}));
    EXPECT_EQ(next, (std::vector<int>{1, 2, 0, 1}));
}

TEST_F(TlxTrayIconTest, BalloonBesideTheIconAndItsClick) {
    EXPECT_FALSE(Tray->ShowBalloonHint("t", "no icon", lxbitInfo));
    Tray->AddIcon();
    Shown()->SetScreenRect({980, 700, 1004, 724});
    int clicks = 0;
    Tray->OnBalloonHintClick = [&](TObject*) { ++clicks; };
    ASSERT_TRUE(Tray->ShowBalloonHint("完成", "All files converted", lxbitWarning));
    EXPECT_EQ(Tray->IconData().dwInfoFlags, NIIF_WARNING);
    EXPECT_EQ(Tray->IconData().uFlags, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    TlxTrayBalloon* b = Tray->Balloon();
    ASSERT_TRUE(b);
    EXPECT_EQ(b->Title(), "完成");
    TRect r = b->BoundsRect();
    EXPECT_LE(r.Bottom, 700) << "above an icon in the lower half";
    EXPECT_LE(r.Right, 1004);
    Session.Click({r.Left + 5, r.Top + 5});
    Session.Pump();
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(Tray->Balloon());

    Tray->ShowBalloonHint("", std::string(300, 'y'), lxbitNone);
    EXPECT_EQ(Tray->IconData().szInfo.size(), 255u);
    EXPECT_TRUE(Tray->HideBalloonHint());
    EXPECT_FALSE(Tray->Balloon());
}

TEST_F(TlxTrayIconTest, MinimizeToTrayHidesOnlyOnceTheIconIsShown) {
    Tray->OnDblClick = nullptr;
    Form->SetTag(7); // the program's own: the tray keeps its mark elsewhere
    LVX->SetTrayIcon(Tray);
    EXPECT_FALSE(Tray->IconVisible());
    EXPECT_EQ(Tray->PopupMenu(), LVX->SysTrayMenu());
    LVX->MinimizeToTray();
    Session.Pump();
    EXPECT_FALSE(Form->Visible());
    EXPECT_EQ(Host().TrayIcons().size(), 1u);
    EXPECT_TRUE(LVX->TrayHidden);
    EXPECT_EQ(Form->Tag(), 7);

    // The double click the component gave the icon brings the form back.
    Mouse(TTrayMouseKind::tmDown);
    Mouse(TTrayMouseKind::tmUp);
    Mouse(TTrayMouseKind::tmDoubleClick);
    Session.Pump();
    EXPECT_TRUE(Form->Visible());
    EXPECT_FALSE(IsIconic(Form->Handle()));
    EXPECT_TRUE(Host().TrayIcons().empty()) << "hidden again unless always shown";
    EXPECT_FALSE(LVX->TrayHidden) << "cleared by the restore message";
    EXPECT_EQ(Form->Tag(), 7);
}

TEST_F(TlxTrayIconTest, WithoutATrayTheFormStaysMinimizedAndReachable) {
    Host().SetTrayAvailable(false);
    LVX->SetTrayIcon(Tray);
    LVX->MinimizeToTray();
    Session.Pump();
    EXPECT_TRUE(Form->Visible());
    EXPECT_TRUE(IsIconic(Form->Handle()));
    EXPECT_FALSE(Tray->IconVisible());
    LVX->RestoreFromTray();
    EXPECT_FALSE(IsIconic(Form->Handle()));
}

TEST_F(TlxTrayIconTest, MinimizedOnStartHidesOnlyWithATray) {
    for (bool tray : {true, false}) {
        SCOPED_TRACE(tray);
        Host().SetTrayAvailable(tray);
        auto* form = new TForm(nullptr);
        form->SetBounds(10, 10, 200, 100);
        auto* icon = new TlxTrayIcon(form);
        icon->SetMinimizedOnStart(true);
        icon->Loaded();
        Session.Pump();
        EXPECT_EQ(form->Visible(), !tray);
        EXPECT_EQ(icon->IconVisible(), tray);
        if (!tray) {
            EXPECT_TRUE(IsIconic(form->Handle()));
        }
        form->Free();
        Session.Pump();
        EXPECT_TRUE(Host().TrayIcons().empty());
    }
}

} // namespace
