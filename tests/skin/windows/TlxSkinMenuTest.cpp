#include "skin/windows/TlxSkinMenu.h"

#include "platform/vcl/TTimer.h"
#include "skin/windows/TlxSkinMenuItem.h"
#include "skin/windows/TlxSkinPopupWindow.h"
#include "tests/skin/windows/MenuFixture.h"

namespace {

class TlxSkinMenuTest : public TMenuTestBase {
protected:
    void SetUp() override {
        TMenuTestBase::SetUp();
        Engine = new TlxSkinMenu(Form, Form);
    }
    void Open(TPopupMenu* M, TPoint P, bool PopupUp = false) {
        Engine->Popup(Opener, nullptr, 0, {P.X, P.Y, P.X, P.Y}, M->Items(), PopupUp);
        Session.Pump();
    }
    TlxSkinPopupWindow* Window(int Index = 0) { return Engine->Windows(Index); }
    TRect ScreenRect(TlxSkinPopupWindow* W) {
        TRect r;
        GetWindowRect(W->Handle(), r);
        return r;
    }
    // The screen point at the middle of row Row of window W.
    TPoint RowPoint(TlxSkinPopupWindow* W, int Row) {
        const TRect& r = W->Items(Row)->ObjectRect;
        return W->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    }
    std::vector<std::string> Captions(int N) {
        std::vector<std::string> out;
        for (int i = 0; i < N; ++i)
            out.push_back("Item " + std::to_string(i));
        return out;
    }
    TlxSkinMenu* Engine = nullptr;
};

} // namespace

// The work area is the default monitor's: 1024 x 728 (its lower half starts
// at 364). Built-in rows are 20 high and the frame adds 4, so n rows make a
// window 20n + 4 high.
TEST_F(TlxSkinMenuTest, PlacementInTheWorkArea) {
    // Expected left X (less the width with LessWidth) and top Y (less the
    // height with LessHeight).
    struct Case {
        const char* Name;
        int Rows, Max; // Max: MaxMenuItemsInWindow
        TPoint At;
        bool Up;
        int X;
        bool LessWidth;
        int Y;
        bool LessHeight;
        int Height;
        bool Scroll;
        int VisibleRows;
    } cases[] = {
        // clang-format off
        {"down",                                           5,  0, {100, 100}, false,  100, false, 100, false, 104, false, 5},
        {"up",                                             5,  0, {100, 400}, true,   100, false, 400, true,  104, false, 5},
        {"down at the bottom of the lower half: above",    5,  0, {100, 700}, false,  100, false, 700, true,  104, false, 5},
        {"down low in the upper half: bottom, beside",     20, 0, {100, 340}, false,  101, false, 728, true,  404, false, 20},
        {"up without room above in the upper half: below", 5,  0, {100, 50},  true,   100, false, 50,  false, 104, false, 5},
        {"kept inside the right edge",                     5,  0, {1020, 100}, false, 1024, true, 100, false, 104, false, 5},
        {"taller than the work area: its top, beside",     50, 0, {100, 300}, false,  101, false, 0,   false, 728, true,  35},
        {"MaxMenuItemsInWindow 3 with five rows",          5,  3, {100, 100}, false,  100, false, 100, false, 84,  true,  3},
        {"MaxMenuItemsInWindow 0 never limits",            5,  0, {100, 100}, false,  100, false, 100, false, 104, false, 5},
        // clang-format on
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Engine->MaxMenuItemsInWindow = c.Max;
        Open(Menu(Captions(c.Rows)), c.At, c.Up);
        ASSERT_EQ(Engine->WindowCount(), 1);
        TlxSkinPopupWindow* w = Window();
        const TRect r = ScreenRect(w);
        EXPECT_EQ(r.Height(), c.Height);
        EXPECT_EQ(r.Left, c.X - (c.LessWidth ? r.Width() : 0));
        EXPECT_EQ(r.Top, c.Y - (c.LessHeight ? r.Height() : 0));
        EXPECT_EQ(w->Scroll, c.Scroll);
        EXPECT_EQ(w->VisibleCount, c.VisibleRows);
        Engine->Hide();
    }
}

TEST_F(TlxSkinMenuTest, SubMenusOpenBesideTheirRowAndFlipAtTheRightEdge) {
    for (int x : {100, 1000}) {
        SCOPED_TRACE(x);
        TPopupMenu* m = Menu({"One", "Two"});
        Item(m->Items()->Items(1), "Inner");
        Open(m, {x, 100});
        Window()->PopupKeyDown(VK_DOWN);
        Window()->PopupKeyDown(VK_RIGHT);
        Session.Pump();
        ASSERT_EQ(Engine->WindowCount(), 2);
        const TRect parent = ScreenRect(Window(0)), sub = ScreenRect(Window(1));
        const TRect row = Window(0)->Items(1)->ObjectRect;
        EXPECT_EQ(sub.Top, parent.Top + row.Top - 2) << "its first row level with the parent row";
        if (x == 100)
            EXPECT_EQ(sub.Left, parent.Left + row.Right + 1);
        else
            EXPECT_EQ(sub.Right, parent.Left + row.Left - 1);
        EXPECT_TRUE(Window(0)->Items(1)->Down);
        Engine->Hide();
    }
}

TEST_F(TlxSkinMenuTest, ScrollMarkersScrollOneRowEveryTenthOfASecondWhileHovered) {
    Engine->MaxMenuItemsInWindow = 3;
    Open(Menu(Captions(5)), {100, 100});
    TlxSkinPopupWindow* w = Window();
    const TRect bottom = w->BottomMarkerRect();
    Session.MouseMove(w->ClientToScreen({bottom.Left + 20, bottom.Top + 4}));
    Session.Advance(50); // the cursor poll sees it
    EXPECT_EQ(w->ScrollCode, 2);
    EXPECT_EQ(w->VisibleStartIndex, 0);
    Session.Advance(100);
    EXPECT_EQ(w->VisibleStartIndex, 1);
    Session.Advance(100);
    EXPECT_EQ(w->VisibleStartIndex, 2);
    Session.Advance(300); // at the end it stops
    EXPECT_EQ(w->VisibleStartIndex, 2);
    EXPECT_EQ(w->ScrollCode, 0);
    EXPECT_FALSE(w->Items(0)->FVisible);
    EXPECT_TRUE(w->Items(4)->FVisible);
}

TEST_F(TlxSkinMenuTest, KeyboardMovesOverSelectableRowsOnly) {
    TPopupMenu* m = Menu({"A", "-", "B", "C", "D"});
    m->Items()->Items(3)->SetEnabled(false);
    m->Items()->Items(4)->SetEnabled(false);
    Open(m, {100, 100});
    TlxSkinPopupWindow* w = Window();
    EXPECT_EQ(w->ActiveItem, 0) << "opening selects the first selectable row";
    struct Step {
        int Key;
        int Active;
    } steps[] = {
        {VK_DOWN, 2}, // over the separator
        {VK_DOWN, 2}, // only disabled rows follow: the selection stays
        {VK_UP, 0},
        {VK_UP, 2}, // from the first row to the last enabled row
    };
    for (const Step& s : steps) {
        w->PopupKeyDown(s.Key);
        EXPECT_EQ(w->ActiveItem, s.Active);
    }
    EXPECT_TRUE(w->Items(2)->Active);
    EXPECT_FALSE(w->Items(0)->Active);

    // Down on the last row wraps to the first enabled row.
    TPopupMenu* m2 = Menu({"X", "A", "B"});
    m2->Items()->Items(0)->SetEnabled(false);
    Open(m2, {100, 100});
    Window()->PopupKeyDown(VK_DOWN);
    EXPECT_EQ(Window()->ActiveItem, 2);
    Window()->PopupKeyDown(VK_DOWN);
    EXPECT_EQ(Window()->ActiveItem, 1);
}

TEST_F(TlxSkinMenuTest, EscapeClosesOneLevelAndTheRootTellsTheOpenerOnce) {
    TPopupMenu* m = Menu({"One"});
    Item(m->Items()->Items(0), "Inner");
    Open(m, {100, 100});
    Window()->PopupKeyDown(VK_RIGHT);
    ASSERT_EQ(Engine->WindowCount(), 2);
    EXPECT_EQ(Log, (std::vector<std::string>{"click One"})) << "Right clicks the row: its own click runs";
    Log.clear();
    Engine->LastWindow()->PopupKeyDown(VK_ESCAPE);
    EXPECT_EQ(Engine->WindowCount(), 1);
    EXPECT_FALSE(Window()->Items(0)->Down);
    EXPECT_TRUE(Log.empty());
    Window()->PopupKeyDown(VK_LEFT); // nothing in the root window
    EXPECT_EQ(Engine->WindowCount(), 1);
    Window()->PopupKeyDown(VK_ESCAPE);
    EXPECT_FALSE(Engine->Visible());
    EXPECT_EQ(Engine->WindowCount(), 0);
    Session.Pump();
    EXPECT_EQ(Log, (std::vector<std::string>{"opener closed"}));
}

TEST_F(TlxSkinMenuTest, AcceleratorsAreLettersAndDigitsWithoutCase) {
    // VK_LEFT is '%' and VK_DOWN '(': an arrow must never pick these rows.
    TPopupMenu* m = Menu({"&%", "&(", "&save", "&2 two"});
    Open(m, {100, 100});
    Window()->PopupKeyDown(VK_LEFT);
    Window()->PopupKeyDown(VK_DOWN);
    EXPECT_TRUE(Log.empty());
    EXPECT_EQ(Window()->ActiveItem, 1) << "Down moved instead";
    Window()->PopupKeyDown('S');
    EXPECT_EQ(Log,
              (std::vector<std::string>{"opener closed", "form closed", "click &save", "after dispatch"}));
    Log.clear();
    Open(m, {100, 100});
    Window()->PopupKeyDown('2');
    EXPECT_EQ(Log.back(), "after dispatch");
    EXPECT_EQ(Log[2], "click &2 two");
}

TEST_F(TlxSkinMenuTest, ACommandRunsAfterEveryWindowIsGoneInTheDesignedOrder) {
    TPopupMenu* m = Menu({"Run"});
    Engine->OnMenuClose = [this](TObject*) { Log.push_back("menu close"); };
    Opener->OnMenuMessage = [this](uint32_t Msg) {
        if (Msg == WM_CLOSESKINMENU) Log.push_back("windows " + std::to_string(Engine->WindowCount()));
    };
    Open(m, {100, 100});
    HWND wnd = Window()->Handle();
    Session.Click(RowPoint(Window(), 0));
    Session.Pump();
    EXPECT_EQ(Log, (std::vector<std::string>{"opener closed", "windows 0", "menu close", "form closed",
                                             "click Run", "after dispatch"}));
    EXPECT_FALSE(IsWindow(wnd)) << "the window was freed once its handler returned";
    EXPECT_FALSE(Engine->OnMenuClose) << "fired once, then cleared";
}

TEST_F(TlxSkinMenuTest, AClickOnARowWithChildrenRunsItsClickThenOpensItsSubMenu) {
    TPopupMenu* m = Menu({"One", "Parent"});
    Item(m->Items()->Items(1), "Inner");
    Open(m, {100, 100});
    Session.Click(RowPoint(Window(), 1));
    Session.Pump();
    EXPECT_EQ(Log, (std::vector<std::string>{"click Parent"}));
    EXPECT_EQ(Engine->WindowCount(), 2);
}

TEST_F(TlxSkinMenuTest, ASubMenuOpensAfterHalfASecondOnItsRowAndLeavingCancelsIt) {
    TPopupMenu* m = Menu({"One", "Parent", "Three"});
    Item(m->Items()->Items(1), "Inner");
    Open(m, {100, 100});
    Session.MouseMove(RowPoint(Window(), 1));
    Session.Advance(50); // the poll enters the row and arms the wait
    Session.Advance(499);
    EXPECT_EQ(Engine->WindowCount(), 1);
    Session.Advance(1);
    EXPECT_EQ(Engine->WindowCount(), 2);
    EXPECT_EQ(Log, (std::vector<std::string>{"click Parent"})) << "the wait ends in a click of the row";

    Engine->Hide();
    Log.clear();
    Open(m, {100, 100});
    Session.MouseMove(RowPoint(Window(), 1));
    Session.Advance(300);
    Session.MouseMove(RowPoint(Window(), 2));
    Session.Advance(1000);
    EXPECT_EQ(Engine->WindowCount(), 1);
    EXPECT_FALSE(Engine->WaitTimer()->Enabled());
}

TEST_F(TlxSkinMenuTest, TheFirstRowWithChildrenOpensWhenTheMouseReachesIt) {
    TPopupMenu* m = Menu({"Parent"});
    Item(m->Items()->Items(0), "Inner");
    Open(m, {100, 100});
    EXPECT_TRUE(Window()->Items(0)->WaitCommand);
    Session.MouseMove(RowPoint(Window(), 0));
    Session.Advance(600);
    EXPECT_EQ(Engine->WindowCount(), 2);
}

TEST_F(TlxSkinMenuTest, OpeningAgainTellsThePreviousOpenerAndANewOneOnlyAtItsClose) {
    std::vector<std::string> second;
    auto* other = Make<TMenuOpener>(100, 10, 80, 24, nullptr, second);
    Session.Pump();
    Open(Menu({"A"}), {100, 100});
    Engine->Popup(other, nullptr, 0, {50, 50, 50, 50}, Menu({"B"})->Items(), false);
    EXPECT_EQ(Log, (std::vector<std::string>{"opener closed"}));
    EXPECT_TRUE(second.empty());
    Engine->Hide();
    EXPECT_EQ(second, (std::vector<std::string>{"opener closed"}));
}

TEST_F(TlxSkinMenuTest, AMenuWithoutVisibleRowsOpensNothingAndTellsTheOpener) {
    TPopupMenu* m = Menu({"A", "B"});
    m->Items()->Items(0)->SetVisible(false);
    m->Items()->Items(1)->SetVisible(false);
    Open(m, {100, 100});
    EXPECT_FALSE(Engine->Visible());
    EXPECT_EQ(Engine->WindowCount(), 0);
    EXPECT_EQ(Log, (std::vector<std::string>{"opener closed", "form closed"}));
    Log.clear();
    Engine->Popup(Opener, nullptr, 2, {1, 1, 1, 1}, Menu({"A", "B"})->Items(),
                  false); // StartIndex past the end
    EXPECT_FALSE(Engine->Visible());
    EXPECT_EQ(Log.size(), 2u);
}

TEST_F(TlxSkinMenuTest, ClickingElsewhereIsTheFormsToHandleAndTheWindowsNeverTakeTheFocus) {
    auto* edit = Make<TMenuOpener>(10, 60, 80, 24, nullptr, Log);
    edit->SetTabStop(true);
    edit->SetFocus();
    Session.Pump();
    Open(Menu({"A"}), {200, 200});
    Session.MouseMove(RowPoint(Window(), 0));
    Session.MouseDown(RowPoint(Window(), 0));
    Session.Pump();
    EXPECT_EQ(GetFocus(), edit->Handle());
    EXPECT_TRUE(IsMenuCloseMessage(WM_LBUTTONDOWN));
    EXPECT_TRUE(IsMenuCloseMessage(WM_KILLFOCUS));
    EXPECT_FALSE(IsMenuCloseMessage(WM_KEYDOWN));
}

TEST_F(TlxSkinMenuTest, RethinkingLinesHidesRedundantSeparators) {
    TPopupMenu* m = Menu({"-", "A", "-", "-", "B", "-"});
    Open(m, {100, 100});
    ASSERT_EQ(Window()->ItemCount(), 3);
    EXPECT_EQ(Window()->Items(1)->MenuItem, m->Items()->Items(2));
    Engine->Hide();
    m->SetAutoLineReduction(maManual);
    m->Items()->Items(0)->SetVisible(true);
    Open(m, {100, 100});
    EXPECT_EQ(Window()->ItemCount(), 4) << "manual keeps the lines as they were left";
}
