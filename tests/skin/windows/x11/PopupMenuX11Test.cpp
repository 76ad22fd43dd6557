#include "X11Fixture.h"

#include "platform/vcl/TApplication.h"
#include "skin/controls/TlxCustomEdit.h"
#include "skin/controls/TlxSkinPopupMenu.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinMenu.h"
#include "skin/windows/TlxSkinMenuItem.h"
#include "skin/windows/TlxSkinPopupWindow.h"

class PopupMenuX11Test : public X11Fixture {};

TEST_F(PopupMenuX11Test, APopupFromAButtonTakesNoFocusRunsARowOnceAndClosesOnAClickElsewhere) {
    Application->Initialize();
    auto* form = new TForm(nullptr);
    form->SetBounds(100, 100, 400, 300);
    auto* lumivex = new TlxLumivex(form);
    auto* edit = new TlxCustomEdit(form);
    edit->SetParent(form);
    edit->SetBounds(20, 20, 150, 22);
    auto* menu = new TlxSkinPopupMenu(form);
    int runs = 0;
    for (const char* caption : {"First", "Second"}) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        menu->Items()->Add(item);
    }
    menu->Items()->Items(1)->OnClick = [&](TObject*) { ++runs; };
    form->Show();
    PumpUntil([] { return false; }, 300);
    Click(form->ClientToScreen({300, 200}));
    PumpUntil([&] { return GetActiveWindow() == form->Handle(); }, 2000);
    edit->SetFocus();
    Pump();
    ASSERT_EQ(GetFocus(), edit->Handle());

    const TPoint below = form->ClientToScreen({20, 60});
    menu->PopupFromRect2(edit, {below.X, below.Y, below.X + 10, below.Y + 10}, false);
    Pump();
    ASSERT_TRUE(lumivex->SkinMenu->Visible());
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
    EXPECT_EQ(GetFocus(), edit->Handle()) << "the edit kept the focus";

    menu->PopupFromRect2(edit, {below.X, below.Y, below.X + 10, below.Y + 10}, false);
    Pump();
    ASSERT_TRUE(lumivex->SkinMenu->Visible());
    Click(form->ClientToScreen({350, 250}));
    EXPECT_TRUE(PumpUntil([&] { return !lumivex->SkinMenu->Visible(); }, 2000));
    EXPECT_EQ(runs, 1);
    form->Free();
}
