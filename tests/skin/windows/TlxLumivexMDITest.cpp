// An MDI parent and its children, each with a form-skinning component and the
// default frame: maximized children, the Window menu, tiling and cascading.

#include "platform/backend/headless/THeadlessSession.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TMenu.h"
#include "skin/windows/SkinObjectSupport.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinMainMenuBar.h"
#include "tests/support/pictures/PixelArt.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The parent's client area under the default frame: 494 x 375.
class TlxLumivexMDITest : public ::testing::Test {
protected:
    void SetUp() override {
        Application->Initialize();
        Application->CreateForm(Main);
        Main->SetName("Main");
        Main->SetCaption("Main");
        Main->SetFormStyle(fsMDIForm);
        Main->SetBounds(0, 0, 500, 400);
        MainLVX = new TlxLumivex(Main);
        Main->Show();
        Session.Pump();
        Observer = AddMessageObserver([this](HWND W, const TMessage& M) {
            if (W == Main->WindowHandle() && (M.Msg == WM_MDICHILDMAXIMIZED || M.Msg == WM_MDICHILDRESTORED))
                ToMain.push_back(M.Msg);
        });
    }
    void TearDown() override {
        RemoveMessageObserver(Observer);
        while (Application->ComponentCount() > 0)
            Application->Components(Application->ComponentCount() - 1)->Free();
        Session.Pump();
    }
    TForm* Child(const std::string& Name, int X = 10, int Y = 10) {
        auto* f = new TForm(Application);
        f->SetName(Name);
        f->SetCaption(Name);
        f->SetFormStyle(fsMDIChild);
        f->SetBounds(X, Y, 200, 150);
        new TlxLumivex(f);
        f->Show();
        Session.Pump();
        return f;
    }
    static TlxLumivex* LVX(TForm* F) { return FindFormSkinComponent(F); }

    THeadlessSession Session;
    TForm* Main = nullptr;
    TlxLumivex* MainLVX = nullptr;
    uint64_t Observer = 0;
    std::vector<uint32_t> ToMain;
};

} // namespace

TEST_F(TlxLumivexMDITest, ClientAreaIsWhatAlignedControlsLeaveAndShowsTheWorkspace) {
    EXPECT_EQ(GetMDIClientArea(), (TRect{0, 0, 494, 375}));
    TBitmap shot = Session.WindowShot(Main->Handle());
    EXPECT_EQ(PixelAt(shot, 250, 200) & 0xFFFFFF, ColorToPixel(clAppWorkSpace) & 0xFFFFFF);
}

// The frame goes, the caption of the parent names the child, and the parent
// keeps its maximized-child state while any child stays maximized.
TEST_F(TlxLumivexMDITest, MaximizedChildrenShowInTheParentsCaption) {
    TForm* a = Child("A");
    TForm* b = Child("B", 40, 40);
    LVX(a)->SetWindowState(wsMaximized);
    EXPECT_EQ(a->BoundsRect(), (TRect{0, 0, 494, 375}));
    TRect client;
    GetClientRectInWindow(a->Handle(), client);
    EXPECT_EQ(client, (TRect{0, 0, 494, 375}));
    EXPECT_TRUE(MainLVX->MDIChildMaximized());
    a->Show();
    EXPECT_EQ(CaptionText(MainLVX), "Main - [A]");
    LVX(b)->SetWindowState(wsMaximized);
    LVX(a)->SetWindowState(wsNormal);
    EXPECT_EQ(a->BoundsRect(), (TRect{10, 10, 210, 160}));
    GetClientRectInWindow(a->Handle(), client);
    EXPECT_GT(client.Top, 0);
    EXPECT_TRUE(MainLVX->MDIChildMaximized());
    LVX(b)->SetWindowState(wsMinimized);
    EXPECT_FALSE(MainLVX->MDIChildMaximized());
    EXPECT_EQ(CaptionText(MainLVX), "Main");
    EXPECT_EQ(ToMain, (std::vector<uint32_t>{WM_MDICHILDMAXIMIZED, WM_MDICHILDMAXIMIZED, WM_MDICHILDRESTORED,
                                             WM_MDICHILDRESTORED}));
    // A maximized child follows the client area when the parent is resized.
    LVX(a)->SetWindowState(wsMaximized);
    Main->SetBounds(0, 0, 400, 300);
    Session.Pump();
    EXPECT_EQ(a->BoundsRect(), (TRect{0, 0, 394, 275}));
}

// A maximized child's frame buttons stand on the parent's menu bar while it
// stays maximized, and go when no child is maximized any more.
TEST_F(TlxLumivexMDITest, AMaximizedChildsButtonsStandOnTheMenuBar) {
    auto* menu = new TMainMenu(Main);
    auto* file = new TMenuItem(menu);
    file->SetCaption("File");
    menu->Items()->Add(file);
    auto* bar = new TlxSkinMainMenuBar(Main);
    bar->SetParent(Main);
    bar->SetLumivex(MainLVX);
    bar->SetMainMenu(menu);
    MainLVX->SetMainMenuBar(bar);
    Session.Pump();
    TForm* a = Child("A");
    TForm* b = Child("B", 40, 40);
    EXPECT_FALSE(bar->MDIChildMax());
    LVX(a)->SetWindowState(wsMaximized);
    Session.Pump();
    EXPECT_TRUE(bar->MDIChildMax());
    EXPECT_EQ(bar->ButtonsCount(), 4);
    EXPECT_EQ(bar->ItemCount(), 1);
    // Another child maximized in its place keeps the buttons.
    LVX(b)->SetWindowState(wsMaximized);
    LVX(a)->SetWindowState(wsNormal);
    Session.Pump();
    EXPECT_TRUE(bar->MDIChildMax());
    LVX(b)->SetWindowState(wsNormal);
    Session.Pump();
    EXPECT_FALSE(bar->MDIChildMax());
    EXPECT_EQ(bar->ButtonsCount(), 0);
    EXPECT_EQ(bar->ItemCount(), 1);
}

TEST_F(TlxLumivexMDITest, WindowMenuFollowsTheChildren) {
    auto* menu = new TMainMenu(Main);
    auto* window = new TMenuItem(Main);
    window->SetCaption("Window");
    menu->Items()->Add(window);
    Main->SetWindowMenu(window);
    auto captions = [window] {
        std::vector<std::string> list;
        for (int i = 0; i < window->Count(); ++i)
            list.push_back(window->Items(i)->Caption() + (window->Items(i)->Checked() ? "*" : ""));
        return list;
    };
    TForm* a = Child("A");
    TForm* b = Child("B", 250, 150);
    EXPECT_EQ(captions(), (std::vector<std::string>{"A", "B*"}));
    a->SetCaption("Report");
    Session.Click(a->ClientToScreen({5, 5}));
    Session.Pump();
    EXPECT_EQ(captions(), (std::vector<std::string>{"Report*", "B"}));
    // A child minimized by its component comes back through its item.
    LVX(b)->SetWindowState(wsMinimized);
    window->Items(1)->Click();
    Session.Pump();
    EXPECT_EQ(LVX(b)->WindowState(), wsNormal);
    EXPECT_EQ(Main->ActiveMDIChild(), b);
    a->Hide();
    Session.Pump();
    EXPECT_EQ(captions(), (std::vector<std::string>{"B*"}));
    b->Free();
    Session.Pump();
    EXPECT_EQ(window->Count(), 0);
}

// Five children: two columns from the right; the right one holds the last
// three children (the bottom-most of the z-order) in three rows.
TEST_F(TlxLumivexMDITest, FiveChildrenTileIntoThreeAndTwo) {
    std::vector<TForm*> shown;
    for (const char* n : {"C1", "C2", "C3", "C4", "C5"})
        shown.push_back(Child(n));
    LVX(shown[1])->SetWindowState(wsMaximized);
    MainLVX->Tile();
    // Topmost first C5 ... C1; placed from the last (C1) to the first.
    std::vector<std::string> order;
    for (int i = 0; i < Main->MDIChildCount(); ++i)
        order.push_back(Main->MDIChildren(i)->Name());
    ASSERT_EQ(order, (std::vector<std::string>{"C5", "C4", "C3", "C2", "C1"}));
    const std::vector<std::pair<const char*, TRect>> expected{
        {"C1", {247, 250, 494, 375}}, {"C2", {247, 125, 494, 250}}, {"C3", {247, 0, 494, 125}},
        {"C4", {0, 188, 247, 375}},   {"C5", {0, 1, 247, 188}},
    };
    for (auto& [name, r] : expected) {
        TForm* f = dynamic_cast<TForm*>(Application->FindComponent(name));
        EXPECT_EQ(f->BoundsRect(), r) << name;
        EXPECT_EQ(LVX(f)->WindowState(), wsNormal) << name;
    }
}

TEST_F(TlxLumivexMDITest, TileWithoutChildrenDoesNothing) {
    MainLVX->Tile();
    MainLVX->Cascade();
    EXPECT_EQ(Main->MDIChildCount(), 0);
}

// Step 22 (caption 19 + 3); six children of 406 x 287 from the bottom-most:
// the sixth would pass the right edge and starts again at the top-left.
TEST_F(TlxLumivexMDITest, CascadeStartsAgainAtTheTopLeft) {
    for (const char* n : {"C1", "C2", "C3", "C4", "C5", "C6"})
        Child(n);
    MainLVX->Cascade();
    const std::vector<std::pair<const char*, TPoint>> expected{{"C1", {0, 0}},   {"C2", {22, 22}},
                                                               {"C3", {44, 44}}, {"C4", {66, 66}},
                                                               {"C5", {88, 88}}, {"C6", {0, 0}}};
    for (auto& [name, p] : expected) {
        auto* f = dynamic_cast<TForm*>(Application->FindComponent(name));
        EXPECT_EQ(f->BoundsRect(), (TRect{p.X, p.Y, p.X + 406, p.Y + 287})) << name;
    }
}
