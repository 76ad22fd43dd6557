#include "skin/windows/TlxSkinMainMenuBar.h"
#include "platform/vcl/TCustomForm.h"
#include "platform/vcl/TTimer.h"
#include "platform/win/WinApi.h"
#include "skin/engine/DataSkinListControls.h"
#include "skin/engine/DataSkinObjects.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinMainMenu.h"
#include "skin/windows/TlxSkinMainMenuBarButton.h"
#include "skin/windows/TlxSkinMainMenuBarItem.h"
#include "skin/windows/TlxSkinMenu.h"
#include "skin/windows/TlxSkinMenuItem.h"
#include "skin/windows/TlxSkinPopupWindow.h"
#include "tests/support/pictures/GoldenPicture.h"
#include "tests/support/skin/TSkinControlTest.h"

#include <string>
#include <vector>

namespace {

// A bar skin: a strip with dark ends for the bar, and three item states
// (normal, hovered, pressed) with ends of 3 pixels; with Morphing the items
// cross-fade between normal and hovered.
TTestSkin BarSkin(bool Morphing = false) {
    TTestSkin skin;
    TBitmap p(60, 84);
    p.Fill(0xFF000000);
    FillPixels(p, {0, 0, 60, 24}, 0x203060);
    FillPixels(p, {4, 2, 56, 22}, 0xA0B0D0);
    const uint32_t states[3][2] = {{0x406040, 0xD0E8D0}, {0x804000, 0xF0A040}, {0x400000, 0xA04020}};
    for (int s = 0; s < 3; ++s) {
        const int top = 24 + 20 * s;
        FillPixels(p, {0, top, 30, top + 20}, states[s][0]);
        FillPixels(p, {3, top, 27, top + 20}, states[s][1]);
    }
    const int pic = skin.AddPicture(p);
    auto& bar = skin.Add<TlxDataSkinMainMenuBar>("mainmenubar");
    bar.PictureIndex = pic;
    bar.MaskPictureIndex = -1;
    bar.SkinRect = {0, 0, 60, 24};
    bar.ItemsRect = {4, 2, 56, 22};
    bar.MenuBarItem = "menubaritem";
    bar.TrackMarkColor = 0x808080;
    bar.TrackMarkActiveColor = 0x0000FF;
    bar.StretchEffect = false;
    bar.ItemTransparent = false;
    auto& item = skin.AddObject<TlxDataSkinMainMenuBarItem>("menubaritem");
    item.ActivePictureIndex = pic;
    item.SkinRect = {0, 24, 30, 44};
    item.ActiveSkinRect = {0, 44, 30, 64};
    item.DownRect = {0, 64, 30, 84};
    item.TextRct = {6, 2, 24, 18};
    item.ItemLO = item.ItemRO = 3;
    item.FontName = "Arial";
    item.FontHeight = 14;
    item.FontStyle = {};
    item.FontColor = clBlack;
    item.ActiveFontColor = clWhite;
    item.DownFontColor = clYellow;
    item.UnEnabledFontColor = clGray;
    item.Morphing = Morphing;
    item.FrameCount = 0;
    item.AnimateSkinRect = {};
    return skin;
}

class TlxSkinMainMenuBarTest : public TSkinControlTest {
protected:
    void SetUp() override {
        TSkinControlTest::SetUp();
        Lumivex = new TlxLumivex(Form);
        Menu = new TlxSkinMainMenu(Form);
        for (const char* caption : {"&File", "&Edit", "&View", "&Tools", "&Help"}) {
            TMenuItem* top = Item(Menu->Items(), caption);
            Item(top, std::string(caption + 1) + " one");
            Item(top, std::string(caption + 1) + " two");
        }
        Bar = new TlxSkinMainMenuBar(Form);
        Bar->SetParent(Form);
        Bar->SetLumivex(Lumivex);
        Bar->SetMainMenu(Menu);
        Lumivex->SetMainMenuBar(Bar);
        Session.Pump();
    }
    TMenuItem* Item(TMenuItem* Parent, const std::string& Caption) {
        auto* item = new TMenuItem(Form);
        item->SetCaption(Caption);
        item->OnClick = [this, Caption](TObject*) { Log.push_back(Caption); };
        Parent->Add(item);
        return item;
    }
    // A key pressed and released, and what follows from it done.
    void Press(int VKey) {
        Session.Key(VKey);
        Session.Pump();
    }
    TPoint Centre(int Index) const {
        const TRect& r = Bar->Items(Index)->ObjectRect;
        return Bar->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    }
    // The captions of the rows of the open menu's root window.
    std::vector<std::string> OpenRows() const {
        std::vector<std::string> rows;
        if (!Lumivex->SkinMenu->Visible()) return rows;
        TlxSkinPopupWindow* w = Lumivex->SkinMenu->Windows(0);
        for (int i = 0; i < w->ItemCount(); ++i)
            rows.push_back(w->Items(i)->MenuItem->Caption());
        return rows;
    }
    // The item that is hovered or pressed, -1 for none.
    int HotItem() const {
        for (int i = 0; i < Bar->ItemCount(); ++i)
            if (Bar->Items(i)->Active || Bar->Items(i)->FDown) return i;
        return -1;
    }
    TBitmap BarShot() {
        Session.Pump();
        TBitmap all = Session.WindowShot(Form->Handle());
        TRect window;
        GetWindowRect(Form->Handle(), window);
        const TPoint at = Bar->ClientToScreen({0, 0});
        TBitmap out(Bar->Width(), Bar->Height());
        out.Canvas()->CopyRect({0, 0, Bar->Width(), Bar->Height()}, *all.Canvas(),
                               {at.X - window.Left, at.Y - window.Top, at.X - window.Left + Bar->Width(),
                                at.Y - window.Top + Bar->Height()});
        return out;
    }

    TlxLumivex* Lumivex = nullptr;
    TlxSkinMainMenu* Menu = nullptr;
    TlxSkinMainMenuBar* Bar = nullptr;
    std::vector<std::string> Log;
};

} // namespace

TEST_F(TlxSkinMainMenuBarTest, ItemsThatDoNotFitHideAndTheMarkerOpensExactlyThem) {
    // An invisible entry before the hidden ones: the marker's menu still
    // starts at the first item the bar could not show.
    TMenuItem* invisible = Item(Menu->Items(), "Secret");
    Menu->Items()->Remove(invisible);
    Menu->Items()->Insert(2, invisible);
    invisible->SetVisible(false);
    Bar->UpDateItems();
    ASSERT_EQ(Bar->ItemCount(), 5);
    Bar->SetAlign(alNone);
    Bar->SetBounds(0, 0, 390, Bar->Height());
    Session.Pump();
    ASSERT_FALSE(Bar->Scroll());
    // Room for File, Edit and View only (5 pixels stay for the marker).
    const int width = Bar->Items(2)->ObjectRect.Right + 2 + 5;
    Bar->SetBounds(0, 0, width, Bar->Height());
    Session.Pump();
    EXPECT_TRUE(Bar->Scroll());
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Bar->Items(i)->ItemVisible, i < 3) << i;
        EXPECT_EQ(Bar->Items(i)->Enabled, i < 3) << "hidden items are disabled: " << i;
    }
    const TRect marker = Bar->MarkerRect();
    Session.Click(Bar->ClientToScreen({marker.Left + 2, (marker.Top + marker.Bottom) / 2}));
    Session.Pump();
    EXPECT_EQ(OpenRows(), (std::vector<std::string>{"&Tools", "&Help"}));
    Press(VK_ESCAPE);
    EXPECT_FALSE(Lumivex->SkinMenu->Visible());
    EXPECT_FALSE(Lumivex->InMenu);

    // While hidden, Tools was disabled and Help enabled in the menu: widening
    // brings each back as its menu item is now.
    Bar->Items(3)->MenuItem->SetEnabled(false);
    Bar->UpDateEnabledItems();
    EXPECT_FALSE(Bar->Items(4)->Enabled) << "still hidden";
    Bar->SetBounds(0, 0, 390, Bar->Height());
    Session.Pump();
    EXPECT_FALSE(Bar->Scroll());
    EXPECT_TRUE(Bar->Items(3)->ItemVisible);
    EXPECT_FALSE(Bar->Items(3)->Enabled);
    EXPECT_TRUE(Bar->Items(4)->Enabled);
}

TEST_F(TlxSkinMainMenuBarTest, AltEntersMenuModeAndTheArrowsWrapOpenAndClose) {
    Press(VK_MENU);
    ASSERT_TRUE(Lumivex->InMainMenu);
    EXPECT_TRUE(Bar->MenuActive);
    EXPECT_EQ(HotItem(), 0);
    EXPECT_FALSE(Lumivex->SkinMenu->Visible());
    // Right from the last item wraps to the first, Left from the first to the last.
    for (int i = 0; i < 4; ++i)
        Press(VK_RIGHT);
    EXPECT_EQ(HotItem(), 4);
    Press(VK_RIGHT);
    EXPECT_EQ(HotItem(), 0);
    Press(VK_LEFT);
    EXPECT_EQ(HotItem(), 4);
    Press(VK_RIGHT);
    // Down opens the hovered item's menu; Right moves the open menu.
    Press(VK_DOWN);
    EXPECT_EQ(OpenRows(), (std::vector<std::string>{"File one", "File two"}));
    EXPECT_TRUE(Bar->Items(0)->FDown);
    Press(VK_RIGHT);
    EXPECT_EQ(OpenRows(), (std::vector<std::string>{"Edit one", "Edit two"}));
    EXPECT_FALSE(Bar->Items(0)->FDown);
    // Escape closes the menu and keeps the item; a second one leaves menu mode.
    Press(VK_ESCAPE);
    EXPECT_FALSE(Lumivex->SkinMenu->Visible());
    EXPECT_TRUE(Lumivex->InMainMenu);
    EXPECT_EQ(HotItem(), 1);
    EXPECT_FALSE(Bar->Items(1)->FDown);
    Press(VK_ESCAPE);
    EXPECT_FALSE(Lumivex->InMainMenu);
    EXPECT_FALSE(Lumivex->InMenu);
    EXPECT_EQ(HotItem(), -1);
    EXPECT_TRUE(Log.empty());
}

TEST_F(TlxSkinMainMenuBarTest, F10AltAndAltWithALetterReachTheBar) {
    // F10 alone enters menu mode like Alt; Alt again leaves it.
    Press(VK_F10);
    EXPECT_TRUE(Lumivex->InMainMenu);
    Press(VK_MENU);
    EXPECT_FALSE(Lumivex->InMainMenu);
    // Alt+V opens View at once; Enter on a row runs it after the menu is gone.
    Session.KeyDown(VK_MENU);
    Press('V');
    Session.KeyUp(VK_MENU);
    Session.Pump();
    ASSERT_EQ(OpenRows(), (std::vector<std::string>{"View one", "View two"}));
    EXPECT_TRUE(Lumivex->InMainMenu) << "Alt released after a letter is no menu key";
    // The first row is selected on opening.
    Press(VK_RETURN);
    EXPECT_EQ(Log, (std::vector<std::string>{"View one"}));
    EXPECT_FALSE(Lumivex->SkinMenu->Visible());
    EXPECT_FALSE(Lumivex->InMainMenu);
    EXPECT_EQ(HotItem(), -1);
}

TEST_F(TlxSkinMainMenuBarTest, AltWhileAPopupMenuIsOpenClosesItAndEntersTheBar) {
    auto* popup = new TPopupMenu(Form);
    Item(popup->Items(), "Cut");
    Lumivex->PopupSkinMenu(popup, Form->ClientToScreen({100, 100}));
    Session.Pump();
    ASSERT_TRUE(Lumivex->SkinMenu->Visible());
    Press(VK_MENU);
    EXPECT_FALSE(Lumivex->SkinMenu->Visible());
    EXPECT_TRUE(Lumivex->InMainMenu);
    EXPECT_EQ(HotItem(), 0);
    Press(VK_ESCAPE);
    EXPECT_FALSE(Lumivex->InMainMenu);
    EXPECT_FALSE(Lumivex->InMenu);
    EXPECT_TRUE(Log.empty());
}

TEST_F(TlxSkinMainMenuBarTest, ArrowKeysAreNoAccelerators) {
    // "&%" and "&(" would take VK_LEFT (0x25) and VK_DOWN (0x28) as characters.
    Menu->Items()->Items(3)->SetCaption("&%");
    Menu->Items()->Items(4)->SetCaption("&(");
    Bar->UpDateItems();
    Press(VK_MENU);
    Press(VK_LEFT);
    EXPECT_EQ(HotItem(), 4) << "Left moved to the last item";
    Press(VK_LEFT);
    Press(VK_DOWN);
    EXPECT_EQ(OpenRows(), (std::vector<std::string>{"Tools one", "Tools two"}));
}

TEST_F(TlxSkinMainMenuBarTest, HoveringAnotherItemWhileAMenuIsOpenMovesTheMenu) {
    Session.Click(Centre(1));
    Session.Pump();
    ASSERT_EQ(OpenRows(), (std::vector<std::string>{"Edit one", "Edit two"}));
    EXPECT_TRUE(Lumivex->InMainMenu);
    Session.MouseMove(Centre(3));
    Session.Pump();
    EXPECT_EQ(OpenRows(), (std::vector<std::string>{"Tools one", "Tools two"}));
    EXPECT_EQ(Lumivex->SkinMenu->WindowCount(), 1);
    EXPECT_TRUE(Bar->Items(3)->FDown);
    EXPECT_FALSE(Bar->Items(1)->FDown);
    // Off the bar the open item stays highlighted.
    Session.MouseMove(Form->ClientToScreen({200, 250}));
    Session.Advance(100);
    Session.Pump();
    EXPECT_EQ(HotItem(), 3);
    EXPECT_TRUE(Lumivex->SkinMenu->Visible());
    // A row click runs its command once and ends menu mode.
    TlxSkinPopupWindow* w = Lumivex->SkinMenu->Windows(0);
    const TRect row = w->Items(1)->ObjectRect;
    Session.Click(w->ClientToScreen({(row.Left + row.Right) / 2, (row.Top + row.Bottom) / 2}));
    Session.Pump();
    EXPECT_EQ(Log, (std::vector<std::string>{"Tools two"}));
    EXPECT_FALSE(Lumivex->InMainMenu);
    EXPECT_FALSE(Lumivex->InMenu);
    EXPECT_FALSE(Bar->Items(3)->FDown);
}

TEST_F(TlxSkinMainMenuBarTest, AnItemWhoseRowsAreAllHiddenOpensNothingAndLeavesTheKeysAlone) {
    for (int i = 0; i < 2; ++i)
        Menu->Items()->Items(1)->Items(i)->SetVisible(false);
    TMenuItem* entered = nullptr;
    Bar->OnItemMouseEnter = [&](TMenuItem* M) { entered = M; };
    Session.Click(Centre(1));
    Session.Pump();
    EXPECT_EQ(entered, Menu->Items()->Items(1)) << "the press reached the item";
    EXPECT_FALSE(Lumivex->SkinMenu->Visible());
    EXPECT_FALSE(Lumivex->InMenu);
    EXPECT_FALSE(Lumivex->InMainMenu);
    EXPECT_FALSE(Bar->Items(1)->FDown);
    // No hook left behind: Alt still enters menu mode, Right still moves.
    Press(VK_MENU);
    EXPECT_TRUE(Lumivex->InMainMenu);
    Press(VK_RIGHT);
    EXPECT_EQ(HotItem(), 1);
    Press(VK_ESCAPE);
    EXPECT_FALSE(Lumivex->InMainMenu);
}

TEST_F(TlxSkinMainMenuBarTest, AShortcutOfTheBarsMenuReachesItsItem) {
    TMenuItem* contents = Menu->Items()->Items(4)->Items(0);
    contents->SetShortCut(ShortCut(VK_F1, {}));
    Press(VK_F1);
    EXPECT_EQ(Log, (std::vector<std::string>{"Help one"}));
    EXPECT_FALSE(Lumivex->SkinMenu->Visible());
}

TEST_F(TlxSkinMainMenuBarTest, AnItemWithoutChildrenRunsAtOnce) {
    TMenuItem* about = Item(Menu->Items(), "&About");
    Bar->UpDateItems();
    (void)about;
    Session.Click(Centre(5));
    Session.Pump();
    EXPECT_EQ(Log, (std::vector<std::string>{"&About"}));
    EXPECT_FALSE(Lumivex->SkinMenu->Visible());
    EXPECT_FALSE(Lumivex->InMainMenu);
    // By its accelerator in menu mode too.
    Press(VK_MENU);
    Press('A');
    EXPECT_EQ(Log, (std::vector<std::string>{"&About", "&About"}));
    EXPECT_FALSE(Lumivex->InMainMenu);
}

TEST_F(TlxSkinMainMenuBarTest, AMergedMenuSortsByGroupKeepingMenuOrder) {
    // Main: File 0, Edit 0, View 2, Tools 5, Help 9; merged: Doc 1, Win 2, Format 1.
    const int mainGroups[] = {0, 0, 2, 5, 9};
    for (int i = 0; i < 5; ++i)
        Menu->Items()->Items(i)->SetGroupIndex(static_cast<uint8_t>(mainGroups[i]));
    auto* child = new TMainMenu(Form);
    for (auto [caption, group] : {std::pair{"Doc", 1}, {"Win", 2}, {"Format", 1}})
        Item(child->Items(), caption)->SetGroupIndex(static_cast<uint8_t>(group));
    Bar->Merge(child);
    std::vector<std::string> order;
    for (int i = 0; i < Bar->ItemCount(); ++i)
        order.push_back(Bar->Items(i)->MenuItem->Caption());
    EXPECT_EQ(order, (std::vector<std::string>{"&File", "&Edit", "Doc", "Format", "Win", "&Tools", "&Help"}));
    EXPECT_TRUE(Bar->ChildMenuIn());
    EXPECT_FALSE(Bar->ScrollMenu()) << "a child menu turns the marker off for good";
    Bar->UnMerge();
    EXPECT_EQ(Bar->ItemCount(), 5);
    EXPECT_FALSE(Bar->ChildMenuIn());
}

TEST_F(TlxSkinMainMenuBarTest, ChildButtonsStandAtBothEndsAndGoOnRestore) {
    Bar->MDIChildMaximize();
    ASSERT_EQ(Bar->ButtonsCount(), 4);
    ASSERT_EQ(Bar->ItemCount(), 5);
    const TRect items = Bar->NewItemsRect();
    const int height = items.Bottom - items.Top;
    auto rectOf = [&](TlxStdCommand c) { return Bar->ButtonOf(c)->ObjectRect; };
    EXPECT_EQ(rectOf(cmSysMenu), (TRect{2, 2, 2 + height, 2 + height}));
    EXPECT_EQ(rectOf(cmClose).Right, Bar->Width() - 2) << "close is rightmost";
    EXPECT_LT(rectOf(cmMaximize).Right, rectOf(cmClose).Left);
    EXPECT_LT(rectOf(cmMinimize).Right, rectOf(cmMaximize).Left);
    EXPECT_EQ(Bar->Items(0)->ObjectRect.Left, 2 + height + 2);
    EXPECT_EQ(items.Right, rectOf(cmMinimize).Left - 2);
    Bar->MDIChildRestore();
    EXPECT_EQ(Bar->ButtonsCount(), 0);
    EXPECT_EQ(Bar->ObjectCount(), 5);
    EXPECT_EQ(Bar->Items(0)->ObjectRect.Left, 2);
}

TEST_F(TlxSkinMainMenuBarTest, AnItemsOwnDrawingGetsTheBarItemAsSender) {
    std::vector<TObject*> senders;
    Menu->Items()->Items(2)->OnDrawItem = [&](TObject* Sender, TCanvas*, const TRect&, bool) {
        senders.push_back(Sender);
    };
    Bar->Repaint();
    ASSERT_FALSE(senders.empty());
    EXPECT_EQ(senders.back(), Bar->Items(2));
}

TEST_F(TlxSkinMainMenuBarTest, TheBarInTheBuiltInLook) {
    Menu->Items()->Items(2)->SetEnabled(false);
    Bar->UpDateEnabledItems();
    Session.MouseMove(Centre(1));
    Session.Pump();
    Bar->SetAlign(alNone);
    Bar->SetBounds(0, 0, Bar->Items(3)->ObjectRect.Right + 4, Bar->Height());
    Session.Pump();
    ASSERT_TRUE(Bar->Scroll());
    EXPECT_EQ(Bar->Height(), 22);
    EXPECT_TRUE(MatchesGolden(BarShot(), "skin/windows/TlxSkinMainMenuBar/builtin", 16));
}

TEST_F(TlxSkinMainMenuBarTest, AHoveredItemCrossFadesOnTheTimerAndBack) {
    BarSkin(true).LoadInto(SD);
    Bar->SetSkinData(SD);
    Session.Pump();
    TlxSkinMainMenuBarItem* item = Bar->Items(1);
    ASSERT_TRUE(item->EnableMorphing());
    Session.MouseMove(Centre(1));
    Session.Pump();
    EXPECT_TRUE(item->Active);
    EXPECT_EQ(item->MorphKf(), 0) << "not at once";
    std::vector<double> steps;
    for (int i = 0; i < 6; ++i) {
        Session.Advance(25);
        Session.Pump();
        steps.push_back(item->MorphKf());
    }
    ASSERT_EQ(steps.size(), 6u);
    EXPECT_NEAR(steps[0], 0.2, 1e-9);
    EXPECT_NEAR(steps[4], 1.0, 1e-9);
    EXPECT_FALSE(Bar->MorphTimer->Enabled()) << "stops at its end state";
    // Off the bar: back to the normal image on the same timer.
    Session.MouseMove(Form->ClientToScreen({200, 250}));
    Session.Pump();
    Session.Advance(200);
    Session.Pump();
    EXPECT_FALSE(item->Active);
    EXPECT_EQ(item->MorphKf(), 0);
    EXPECT_FALSE(Bar->MorphTimer->Enabled());
}

TEST_F(TlxSkinMainMenuBarTest, TheBarInTheTestSkinsLook) {
    BarSkin().LoadInto(SD);
    Bar->SetSkinData(SD);
    Session.Pump();
    ASSERT_TRUE(Bar->SkinSupport());
    EXPECT_EQ(Bar->Height(), 24) << "the description's height";
    ASSERT_EQ(Bar->ItemCount(), 5);
    EXPECT_TRUE(Bar->Items(0)->FSkinSupport);
    Menu->Items()->Items(2)->SetEnabled(false);
    Bar->UpDateEnabledItems();
    Session.Click(Centre(0));
    Session.MouseMove(Form->ClientToScreen({200, 250}));
    Session.Pump();
    ASSERT_TRUE(Bar->Items(0)->FDown);
    TBitmap pressed = BarShot();
    Press(VK_ESCAPE);
    Press(VK_ESCAPE);
    Session.MouseMove(Centre(1));
    Session.Pump();
    TBitmap both(pressed.Width(), pressed.Height() * 2);
    both.Canvas()->Draw(0, 0, &pressed);
    TBitmap hovered = BarShot();
    both.Canvas()->Draw(0, pressed.Height(), &hovered);
    EXPECT_TRUE(MatchesGolden(both, "skin/windows/TlxSkinMainMenuBar/skinned", 16));
    // Back to no skin: the built-in look and height.
    Bar->SetSkinData(nullptr);
    EXPECT_FALSE(Bar->SkinSupport());
    EXPECT_EQ(Bar->Height(), 22);
    EXPECT_FALSE(Bar->Items(0)->FSkinSupport);
}
