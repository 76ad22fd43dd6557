// The MDI tab bar on an MDI main form: layout, looks, dragging, the close
// button, the child menu and the list menus.

#include "skin/windows/TlxSkinMDITabsBar.h"
#include "platform/backend/headless/THeadlessSession.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TMenu.h"
#include "skin/controls/TlxSkinMenuSpeedButton.h"
#include "skin/controls/TlxSkinPopupMenu.h"
#include "skin/engine/DataSkinListControls.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinMenu.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TestSkin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The main form's client is 494 pixels wide, so with three children the
// tabs are 100 wide from x = 15.
class TlxSkinMDITabsBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        Application->CreateForm(Main);
        Main->SetFormStyle(fsMDIForm);
        Main->SetBounds(0, 0, 500, 300);
        MainLVX = new TlxLumivex(Main);
        SD = new TlxSkinData(Main);
        Bar = new TlxSkinMDITabsBar(Main);
        Bar->SetParent(Main);
        Bar->SetAlign(alTop);
        Bar->SetLumivex(MainLVX);
        MainLVX->SetMDITabsBar(Bar);
        Bar->OnTabMouseEnter = [this](TlxMDITab* T) { Log.push_back("enter " + T->Child->Name()); };
        Bar->OnTabMouseLeave = [this](TlxMDITab* T) { Log.push_back("leave " + T->Child->Name()); };
        Bar->OnTabMouseDown = [this](TMouseButton B, TShiftState, TlxMDITab* T) {
            Log.push_back(std::string(B == TMouseButton::mbLeft ? "down " : "rdown ") + T->Child->Name());
        };
        Main->Show();
        Session.Pump();
    }
    void TearDown() override {
        while (Application->ComponentCount() > 0)
            Application->Components(Application->ComponentCount() - 1)->Free();
        Session.Pump();
    }
    TForm* Child(const std::string& Name) {
        auto* f = new TForm(Application);
        f->SetName(Name);
        f->SetCaption(Name);
        f->SetFormStyle(fsMDIChild);
        f->SetBounds(20, 40, 150, 100);
        new TlxLumivex(f);
        f->OnClose = [this, f](TObject*, TCloseAction&) { Log.push_back("close " + f->Name()); };
        f->Show();
        Session.Pump();
        return f;
    }
    void Children(std::initializer_list<const char*> Names) {
        for (const char* n : Names)
            Child(n);
    }
    std::string Order() const {
        std::string s;
        for (int i = 0; i < Bar->TabCount(); ++i)
            s += Bar->Tabs(i)->Child->Name();
        return s;
    }
    // A screen point of tab I (bar client X offset from its left, Y from the top).
    TPoint At(int I, int X, int Y = 10) {
        Bar->CalcTabRects();
        const TRect& r = Bar->Tabs(I)->ObjectRect;
        return Bar->ClientToScreen({r.Left + X, r.Top + Y});
    }
    // The close button of tab I (the built-in look: 14 x 14 beside the text).
    TPoint CloseOf(int I) {
        const TRect& b = Bar->Tabs(I)->ButtonRect;
        return At(I, b.Left + b.Width() / 2, b.Top + b.Height() / 2);
    }
    TBitmap BarShot() {
        TBitmap shot = Session.WindowShot(Main->Handle());
        TRect main, bar;
        GetWindowRect(Main->Handle(), main);
        GetWindowRect(Bar->Handle(), bar);
        TBitmap out(bar.Width(), bar.Height());
        out.Canvas()->CopyRect(
            {0, 0, bar.Width(), bar.Height()}, *shot.Canvas(),
            {bar.Left - main.Left, bar.Top - main.Top, bar.Right - main.Left, bar.Bottom - main.Top});
        return out;
    }

    THeadlessSession Session;
    TForm* Main = nullptr;
    TlxLumivex* MainLVX = nullptr;
    TlxSkinData* SD = nullptr;
    TlxSkinMDITabsBar* Bar = nullptr;
    std::vector<std::string> Log;
};

// A tab skin (picture 0, 90 x 40): tabs 30 x 20 (the active one 4 taller),
// a background piece, a frame strip of 3 under the tabs and a close button;
// the standard nine-part frame (picture 1) as the "resizebutton".
void LoadTabSkin(TlxSkinData* SD) {
    TTestSkin skin;
    TBitmap p(90, 40);
    FillPixels(p, {0, 0, 90, 40}, 0x000000);
    FillPixels(p, {0, 0, 30, 20}, 0x808080);
    FillPixels(p, {0, 0, 3, 20}, 0x404040);
    FillPixels(p, {27, 0, 30, 20}, 0x404040);
    FillPixels(p, {30, 0, 60, 24}, 0xF0F0F0);
    FillPixels(p, {30, 0, 33, 24}, 0x2060C0);
    FillPixels(p, {0, 20, 30, 40}, 0xA0C0F0);
    FillPixels(p, {60, 0, 64, 4}, 0x206060);
    FillPixels(p, {60, 20, 80, 40}, 0x30A030);
    FillPixels(p, {64, 4, 74, 14}, 0xC02020);
    FillPixels(p, {74, 4, 84, 14}, 0xF08080);
    const int tabs = skin.AddPicture(p);
    const int frame = skin.AddPicture(TTestSkin::StandardPicture());
    auto& d = skin.Add<TlxDataSkinTabControl>("tab");
    d.PictureIndex = tabs;
    d.MaskPictureIndex = -1;
    d.SkinRect = {60, 20, 80, 40};
    d.LTPoint = {4, 3};
    d.RTPoint = {16, 3};
    d.LBPoint = {4, 17};
    d.RBPoint = {16, 17};
    d.ClRect = {4, 3, 16, 17};
    d.TabRect = {0, 0, 30, 20};
    d.ActiveTabRect = {30, 0, 60, 24};
    d.MouseInTabRect = {0, 20, 30, 40};
    d.TabsBGRect = {60, 0, 64, 4};
    d.TabLeftOffset = d.TabRightOffset = 3;
    d.FontName = "Arial";
    d.FontHeight = 12;
    d.FontColor = 0xFFFFFF;
    d.FocusFontColor = 0x000000;
    d.MouseInFontColor = 0x800000;
    d.BGPictureIndex = -1;
    d.CloseButtonRect = {64, 4, 74, 14};
    d.CloseButtonActiveRect = {74, 4, 84, 14};
    auto& b = skin.Add<TlxDataSkinButtonControl>("resizebutton");
    TTestSkin::SetNinePart(b, frame);
    b.ActiveSkinRect = {24, 0, 44, 20};
    b.FontColor = 0x000000;
    b.ActiveFontColor = b.DownFontColor = 0xFFFFFF;
    skin.LoadInto(SD);
}

} // namespace

// The Part's layout cases: tabs of the default width, a last tab stretched to
// the edge, and tabs of the least width with those that do not fit hidden.
TEST(TlxSkinMDITabsBarLayout, TabRectsFollowTheBarWidth) {
    struct TCase {
        int Tabs, Width, MinTabWidth;
        std::vector<TRect> Expected;
        int Hidden;
    };
    const std::vector<TCase> cases{
        {3, 315, 0, {{15, 0, 115, 21}, {115, 0, 215, 21}, {215, 0, 315, 21}}, 0},
        {3, 302, 0, {{15, 0, 110, 21}, {110, 0, 205, 21}, {205, 0, 302, 21}}, 0},
        {10, 200, 60, {{15, 0, 75, 21}, {75, 0, 135, 21}, {0, 0, 0, 0}}, 8},
    };
    THeadlessSession session;
    Application->Initialize();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Width);
        auto* form = new TForm(nullptr);
        auto* bar = new TlxSkinMDITabsBar(form);
        bar->SetParent(form);
        bar->SetBounds(0, 0, c.Width, 21);
        bar->SetMinTabWidth(c.MinTabWidth);
        for (int i = 0; i < c.Tabs; ++i) {
            auto* f = new TForm(form);
            f->SetName("F" + std::to_string(i));
            bar->AddTab(f);
        }
        bar->CalcTabRects();
        for (size_t i = 0; i < c.Expected.size(); ++i)
            EXPECT_EQ(bar->Tabs(static_cast<int>(i))->ObjectRect, c.Expected[i]) << i;
        EXPECT_EQ(bar->InVisibleCount(), c.Hidden);
        EXPECT_NE(bar->ListButton(), nullptr);
        form->Show();
        session.Pump();
        bar->Repaint();
        ASSERT_EQ(bar->HideListButton() != nullptr, c.Hidden > 0);
        if (c.Hidden) {
            // The hide-list menu lists the children whose tabs do not fit.
            bar->HideListButton()->OnShowTrackMenu(bar->HideListButton());
            ASSERT_EQ(bar->HideListMenu()->Items()->Count(), 8);
            EXPECT_EQ(bar->HideListMenu()->Items()->Items(0)->Caption(), "");
            EXPECT_EQ(bar->HideListMenu()->Items()->Items(0)->Name(), "F2_LVXCHILDITEMBARHIDE");
        }
        form->Free();
        session.Pump();
    }
}

TEST_F(TlxSkinMDITabsBarTest, ShownChildrenGetTabsUnlessRefusedAndLoseThemWhenHidden) {
    TForm* a = Child("A");
    auto* refused = new TForm(Application);
    refused->SetName("R");
    refused->SetFormStyle(fsMDIChild);
    FindFormSkinComponent(refused) == nullptr ? (void)new TlxLumivex(refused) : (void)0;
    FindFormSkinComponent(refused)->OnAcceptToMDITabsBar = [](TObject*, bool& Accept) { Accept = false; };
    refused->Show();
    TForm* b = Child("B");
    Session.Pump();
    EXPECT_EQ(Order(), "AB");
    EXPECT_FALSE(Bar->Tabs(0)->Active);
    EXPECT_TRUE(Bar->Tabs(1)->Active);
    a->Hide();
    Session.Pump();
    EXPECT_EQ(Order(), "B");
    b->Free();
    Session.Pump();
    EXPECT_EQ(Bar->TabCount(), 0);
    EXPECT_EQ(Bar->ListButton(), nullptr);
}

// A press brings the child forward; dragging the second tab past the middle
// of the third puts it after the third; stopping short keeps the order.
TEST_F(TlxSkinMDITabsBarTest, DraggingReordersTabs) {
    Children({"A", "B", "C"});
    Session.Click(At(0, 50));
    Session.Pump();
    EXPECT_EQ(Main->ActiveMDIChild()->Name(), "A");
    Session.Drag(At(1, 50), At(1, 110));
    Session.Pump();
    EXPECT_EQ(Order(), "ACB");
    EXPECT_EQ(Main->ActiveMDIChild()->Name(), "B");
    Session.Drag(At(1, 50), At(1, 90));
    Session.Pump();
    EXPECT_EQ(Order(), "ACB");
    // Dragging left past the middle of the first tab.
    Session.Drag(At(2, 50), At(2, -160));
    Session.Pump();
    EXPECT_EQ(Order(), "BAC");
    // Without MoveTabs nothing moves.
    Bar->SetMoveTabs(false);
    Session.Drag(At(0, 50), At(0, 200));
    Session.Pump();
    EXPECT_EQ(Order(), "BAC");
}

// A close acts only on a press and a release on the same tab's close button.
TEST_F(TlxSkinMDITabsBarTest, CloseNeedsPressAndReleaseOnTheSameButton) {
    Children({"A", "B", "C"});
    Bar->SetShowCloseButtons(true);
    Session.Pump();
    Log.clear();
    // Press on A's close, move off it (the hover look goes), release on B's.
    Session.MouseDown(CloseOf(0));
    Session.Pump();
    EXPECT_TRUE(Bar->Tabs(0)->ButtonMouseDown);
    Session.MouseMove(At(0, 20));
    Session.Pump();
    EXPECT_FALSE(Bar->Tabs(0)->ButtonMouseIn);
    EXPECT_FALSE(Bar->Tabs(0)->ButtonMouseDown);
    Session.MouseMove(CloseOf(1));
    Session.MouseUp(CloseOf(1));
    Session.Pump();
    // A drag released over a close button closes nothing either.
    Session.Drag(At(2, 20), CloseOf(1));
    Session.Pump();
    for (const std::string& e : Log)
        EXPECT_EQ(e.rfind("close", 0), std::string::npos) << e;
    Log.clear();
    const std::string name = Bar->Tabs(1)->Child->Name();
    Session.Click(CloseOf(1));
    Session.Pump();
    // The closed child's tab goes from under the mouse.
    EXPECT_EQ(Log, (std::vector<std::string>{"down " + name, "close " + name, "leave " + name}));
    EXPECT_EQ(Bar->TabCount(), 2);
}

TEST_F(TlxSkinMDITabsBarTest, RightClickOpensTheChildsSystemMenuWhenAllowed) {
    Children({"A", "B"});
    Bar->SetSupportChildMenus(false);
    Log.clear();
    Session.Click(At(0, 50), TMouseButton::mbRight);
    Session.Pump();
    EXPECT_EQ(Log, (std::vector<std::string>{"enter A", "rdown A"}));
    EXPECT_FALSE(MainLVX->SkinMenu->Visible());
    Bar->SetSupportChildMenus(true);
    Session.Click(At(0, 50), TMouseButton::mbRight);
    Session.Pump();
    EXPECT_TRUE(MainLVX->SkinMenu->Visible());
    MainLVX->SkinMenu->Hide();
}

TEST_F(TlxSkinMDITabsBarTest, HoverEventsAndDeletingTheHoveredTab) {
    Children({"A", "B"});
    Log.clear();
    Session.MouseMove(At(0, 50));
    Session.MouseMove(At(1, 50));
    Session.Pump();
    EXPECT_TRUE(Bar->Tabs(1)->MouseIn);
    Bar->DeleteTab(Bar->Tabs(1)->Child);
    EXPECT_EQ(Log, (std::vector<std::string>{"enter A", "leave A", "enter B", "leave B"}));
}

// The list menu holds every child, the active one checked; an item shows its
// child, restoring it when minimized.
TEST_F(TlxSkinMDITabsBarTest, ListMenuShowsAChild) {
    Children({"A", "B"});
    TlxSkinMenuSpeedButton* list = Bar->ListButton();
    ASSERT_NE(list, nullptr);
    list->OnShowTrackMenu(list);
    TMenuItem* items = Bar->ListMenu()->Items();
    ASSERT_EQ(items->Count(), 2);
    EXPECT_EQ(items->Items(0)->Caption(), "A");
    EXPECT_FALSE(items->Items(0)->Checked());
    EXPECT_TRUE(items->Items(1)->Checked());
    EXPECT_TRUE(items->Items(1)->RadioItem());
    auto* a = dynamic_cast<TForm*>(Application->FindComponent("A"));
    FindFormSkinComponent(a)->SetWindowState(wsMinimized);
    items->Items(0)->Click();
    Session.Pump();
    EXPECT_EQ(FindFormSkinComponent(a)->WindowState(), wsNormal);
    EXPECT_EQ(Main->ActiveMDIChild(), a);
}

// The looks: built in, the skin's tabs (three-part, and of free height with
// the taller active tab), and buttons; B active, C hovered, close buttons on.
TEST_F(TlxSkinMDITabsBarTest, Looks) {
    Children({"A", "B", "C"});
    Session.Click(At(1, 20));
    Bar->SetShowCloseButtons(true);
    Session.MouseMove(At(2, 20));
    Session.Pump();
    EXPECT_TRUE(MatchesGolden(BarShot(), "skin/windows/TlxSkinMDITabsBar/default", 16));
    LoadTabSkin(SD);
    Bar->SetSkinData(SD);
    Session.Pump();
    EXPECT_EQ(Bar->Height(), 23);
    EXPECT_EQ(Bar->FCloseSize, 10);
    EXPECT_TRUE(MatchesGolden(BarShot(), "skin/windows/TlxSkinMDITabsBar/tab", 16));
    Bar->SetUseSkinSize(false);
    Bar->SetDefaultHeight(26);
    Bar->SetSkinData(SD);
    Session.Pump();
    EXPECT_TRUE(MatchesGolden(BarShot(), "skin/windows/TlxSkinMDITabsBar/tab-free-height", 16));
    Bar->SetTabKind(lxtkButton);
    Session.Pump();
    EXPECT_TRUE(MatchesGolden(BarShot(), "skin/windows/TlxSkinMDITabsBar/button", 16));
}
