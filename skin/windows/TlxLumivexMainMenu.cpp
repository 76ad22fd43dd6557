// The form-skinning component and the skinned main menu bar: main-menu mode,
// the menu keys (Alt, F10) and the shortcuts of the bar's menus.

#include "platform/vcl/TControl.h"
#include "platform/win/WinConst.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinMainMenuBar.h"
#include "skin/windows/TlxSkinMenu.h"

void TlxLumivex::SetMainMenuBar(TlxSkinMainMenuBar* Value) {
    FMainMenuBar.Set(Value);
}

void TlxLumivex::MainMenuExit() {
    TKeepAlive alive(this);
    InMainMenu = false;
    if (SkinMenu->Visible()) {
        SkinMenu->Hide();
        if (FreePending()) return;
    }
    if (TlxSkinMainMenuBar* bar = FMainMenuBar) bar->LeaveMenuMode();
    RemoveMenuHook();
    if (OnMainMenuExit) OnMainMenuExit(this);
}

void TlxLumivex::MainMenuBarClose() {
    InMenu = false;
    if (TlxSkinMainMenuBar* bar = FMainMenuBar) bar->ReleaseDownItem();
    if (OnSkinMenuClose) OnSkinMenuClose(this);
}

void TlxLumivex::KeyMenu() {
    TKeepAlive alive(this);
    if (InMainMenu) {
        MainMenuExit();
        return;
    }
    // An open popup goes with its menu mode, so no window stays up without keys.
    if (SkinMenu->Visible())
        SkinMenu->Hide();
    else if (InMenu)
        SkinMenuClose();
    if (FreePending()) return;
    TlxSkinMainMenuBar* bar = FMainMenuBar;
    if (bar && bar->MainMenu() && bar->Visible()) bar->EnterMenuMode();
}

void TlxLumivex::MainMenuShortCut(TMessage& Msg, bool& Handled) {
    TlxSkinMainMenuBar* bar = FMainMenuBar;
    if (!bar) return;
    TKeepAlive alive(this);
    const auto key = static_cast<uint16_t>(Msg.WParam);
    const TShiftState shift = KeyboardStateToShiftState();
    const bool alt = shift.Contains(ssAlt);
    if (TMainMenu* menu = bar->MainMenu()) {
        if (alt && key != VK_F4 && bar->ProcessAccel(key)) {
            Handled = true;
            return;
        }
        if (FreePending()) return;
        FInShortCut = menu->IsShortCut(ShortCut(key, shift));
        Handled = FInShortCut;
        if (Handled || FreePending()) return;
    }
    TMainMenu* child = bar->GetChildMainMenu();
    if (!child) return;
    if (alt && bar->ProcessAccel(key)) {
        Handled = true;
        return;
    }
    if (FreePending()) return;
    FInShortCut = child->IsShortCut(ShortCut(key, shift));
    Handled = FInShortCut;
}
