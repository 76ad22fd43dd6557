// The form-skinning component's popup menus: it serves the skinned popup
// menus of its form through its engine and hands it the keys while a menu
// is open.

#include "platform/vcl/TApplication.h"
#include "platform/win/WinConst.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinMainMenuBar.h"
#include "skin/windows/TlxSkinMenu.h"
#include "skin/windows/TlxSkinMenuItem.h"
#include "skin/windows/TlxSkinPopupWindow.h"

TlxSkinData* TlxLumivex::SkinDataForMenus() const {
    return FMSD ? FMSD.Get() : FSD.Get();
}

bool TlxLumivex::SkinMenuVisible() const {
    return SkinMenu && SkinMenu->Visible();
}

void TlxLumivex::PopupSkinMenuItems(TControl* Opener, TlxSkinData* ASkinData, const TRect& R,
                                    TMenuItem* AItem, bool PopupUp, TNotifyEvent OnMenuClose) {
    TKeepAlive alive(this);
    SkinMenu->Popup(Opener, ASkinData, 0, R, AItem, PopupUp);
    if (FreePending()) return;
    if (SkinMenu->Visible()) SkinMenu->OnMenuClose = std::move(OnMenuClose);
}

void TlxLumivex::MenuKeyDown(int Key) {
    TKeepAlive alive(this);
    // An MDI child's keys belong to the main form's open menu.
    if (IsMDIChild() && Application) {
        TlxLumivex* main = FindFormSkinComponent(Application->MainForm());
        if (main && main != this && (main->InMenu || main->InMainMenu || main->SkinMenuVisible())) {
            main->MenuKeyDown(Key);
            return;
        }
    }
    TlxSkinMainMenuBar* bar = InMainMenu ? FMainMenuBar.Get() : nullptr;
    if (bar) {
        if (bar->ProcessAccel(Key)) return;
        if (FreePending()) return;
        TlxSkinPopupWindow* last = SkinMenu->LastWindow();
        if (Key == VK_ESCAPE && !SkinMenu->Visible()) {
            MainMenuExit();
            return;
        }
        if (Key == VK_LEFT && SkinMenu->WindowCount() <= 1) {
            bar->PrevItem();
            return;
        }
        if (Key == VK_RIGHT) {
            const bool subMenu = last && last->ActiveItem >= 0 && last->ActiveItem < last->ItemCount() &&
                                 last->Items(last->ActiveItem)->HasChildren();
            if (!subMenu) {
                bar->NextItem();
                return;
            }
        }
    }
    if ((Key == VK_RETURN || Key == VK_DOWN) && bar && bar->ExecuteActiveItem()) return;
    if (FreePending()) return;
    if (TlxSkinPopupWindow* w = SkinMenu->LastWindow()) w->PopupKeyDown(Key);
    if (FreePending()) return;
    // Escape in the root window closed the menu: menu mode ends with it, or
    // in main-menu mode the bar keeps its item.
    if (Key != VK_ESCAPE || SkinMenu->WindowCount() != 0) return;
    if (InMainMenu)
        MainMenuBarClose();
    else if (InMenu)
        SkinMenuClose();
}

void TlxLumivex::PopupMenuItems(TMenuItem* AItem, const TRect& R, bool PopupUp, TlxSkinData* ASkin) {
    // Nothing to show: no menu mode, the keys stay with the form.
    if (!HasVisibleMenuItems(AItem, nullptr, 0)) return;
    TKeepAlive alive(this);
    if (SkinMenu->Visible()) {
        SkinMenu->Hide();
        if (FreePending()) return;
    }
    if (InMenu) SkinMenuClose();
    SkinMenuOpen();
    SkinMenu->Popup(nullptr, ASkin, 0, R, AItem, PopupUp);
}

void TlxLumivex::DoPopupMenu(TPopupMenu* Menu, int X, int Y) {
    if (!Menu) return;
    TKeepAlive alive(this);
    TComponentRef<TPopupMenu> menu{this};
    menu.Set(Menu);
    if (Menu->OnPopup) {
        TNotifyEvent handler = Menu->OnPopup;
        handler(Menu);
        if (FreePending() || !menu) return;
    }
    PopupMenuItems(Menu->Items(), {X, Y, X, Y}, false, FSD);
}

void TlxLumivex::PopupSkinMenu(TMenu* Menu, TPoint P) {
    PopupSkinMenu1(Menu, {P.X, P.Y, P.X, P.Y}, false);
}

void TlxLumivex::PopupSkinMenu1(TMenu* Menu, const TRect& R, bool PopupUp) {
    if (Menu) PopupMenuItems(Menu->Items(), R, PopupUp, SkinDataForMenus());
}

void TlxLumivex::PopupSystemMenuFromRect(const TRect& R) {
    TlxLumivex* engine = this;
    if (IsMDIChild()) {
        // A child's menus are the main form's.
        engine = Application ? FindFormSkinComponent(Application->MainForm()) : nullptr;
        if (!engine) return;
    }
    TKeepAlive alive(this);
    TKeepAlive engineAlive(engine);
    // The items are rebuilt below: a menu showing them closes first.
    if (engine->SkinMenu->Visible()) {
        engine->SkinMenu->Hide();
        if (FreePending() || engine->FreePending()) return;
    }
    if (engine->InMenu) engine->SkinMenuClose();
    TMenuItem* items = GetSystemMenuItems();
    if (!items) return;
    engine->PopupMenuItems(items, R, false, engine->SkinDataForMenus());
}
