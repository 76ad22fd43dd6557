#include "X11Fixture.h"

#include "platform/vcl/TApplication.h"
#include "skin/controls/TlxCustomEdit.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinMainMenu.h"
#include "skin/windows/TlxSkinMainMenuBar.h"
#include "skin/windows/TlxSkinMainMenuBarItem.h"
#include "skin/windows/TlxSkinMenu.h"
#include "skin/windows/TlxSkinMenuItem.h"
#include "skin/windows/TlxSkinPopupWindow.h"

class MenuBarX11Test : public X11Fixture {};

TEST_F(MenuBarX11Test, ABarItemOpensItsMenuWithoutTheFocusAndARowRunsOnce) {
    Application->Initialize();
    auto* form = new TForm(nullptr);
    form->SetBounds(100, 100, 400, 300);
    auto* lumivex = new TlxLumivex(form);
    auto* menu = new TlxSkinMainMenu(form);
    int runs = 0;
    for (const char* caption : {"File", "Help"}) {
        auto* top = new TMenuItem(form);
        top->SetCaption(caption);
        menu->Items()->Add(top);
        for (const char* row : {"One", "Two"}) {
            auto* item = new TMenuItem(form);
            item->SetCaption(row);
            top->Add(item);
        }
    }
    menu->Items()->Items(1)->Items(1)->OnClick = [&](TObject*) { ++runs; };
    auto* bar = new TlxSkinMainMenuBar(form);
    bar->SetParent(form);
    bar->SetLumivex(lumivex);
    bar->SetMainMenu(menu);
    lumivex->SetMainMenuBar(bar);
    auto* edit = new TlxCustomEdit(form);
    edit->SetParent(form);
    edit->SetBounds(20, 60, 150, 22);
    form->Show();
    PumpUntil([] { return false; }, 300);
    Click(form->ClientToScreen({300, 200}));
    PumpUntil([&] { return GetActiveWindow() == form->Handle(); }, 2000);
    edit->SetFocus();
    Pump();
    ASSERT_EQ(GetFocus(), edit->Handle());

    const TRect item = bar->Items(1)->ObjectRect;
    Click(bar->ClientToScreen({(item.Left + item.Right) / 2, (item.Top + item.Bottom) / 2}));
    ASSERT_TRUE(PumpUntil([&] { return lumivex->SkinMenu->Visible(); }, 2000));
    EXPECT_TRUE(lumivex->InMainMenu);
    EXPECT_TRUE(bar->Items(1)->FDown);
    EXPECT_EQ(GetFocus(), edit->Handle()) << "the menu never takes the focus";
    TlxSkinPopupWindow* w = lumivex->SkinMenu->Windows(0);
    const TRect row = w->Items(1)->ObjectRect;
    const TPoint at = w->ClientToScreen({(row.Left + row.Right) / 2, (row.Top + row.Bottom) / 2});
    MouseMove(at);
    PumpUntil([&] { return w->ActiveItem == 1; }, 1000);
    Click(at);
    ASSERT_TRUE(PumpUntil([&] { return runs > 0; }, 2000));
    Pump();
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(lumivex->SkinMenu->Visible());
    EXPECT_FALSE(lumivex->InMainMenu);
    EXPECT_FALSE(bar->Items(1)->FDown);
    EXPECT_EQ(GetFocus(), edit->Handle()) << "the edit kept the focus";
    form->Free();
}
