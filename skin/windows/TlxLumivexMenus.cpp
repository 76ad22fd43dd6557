// The form-skinning component's popup menus: it serves the skinned popup
// menus of its form through its engine and hands it the keys while a menu
// is open.

#include "platform/win/WinConst.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinMenu.h"
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
    if (TlxSkinPopupWindow* w = SkinMenu->LastWindow()) w->PopupKeyDown(Key);
    if (FreePending()) return;
    // Escape in the root window closed the menu: menu mode ends with it.
    if (Key == VK_ESCAPE && SkinMenu->WindowCount() == 0 && InMenu) SkinMenuClose();
}
