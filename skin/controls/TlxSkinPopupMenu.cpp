#include "skin/controls/TlxSkinPopupMenu.h"

#include "platform/vcl/TApplication.h"
#include "platform/vcl/TControl.h"
#include "platform/vcl/TCustomForm.h"
#include "skin/controls/TlxSkinMenuHost.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinMessages.h"

void TlxSkinPopupMenu::SetComponentForm(TCustomForm* Value) {
    FComponentForm.Set(Value);
}

TlxSkinMenuHost* TlxSkinPopupMenu::FindHost() const {
    if (auto* host = dynamic_cast<TlxSkinMenuHost*>(FSkinComponent.Get())) return host;
    if (FComponentForm) return FindSkinMenuHost(FComponentForm);
    TCustomForm* form = dynamic_cast<TCustomForm*>(Owner());
    if (!form && Owner()) form = dynamic_cast<TCustomForm*>(Owner()->Owner());
    if (!form) return nullptr;
    // An MDI child's menus are the main form's.
    if (form->FormStyle() == fsMDIChild && Application && Application->MainForm())
        form = Application->MainForm();
    return FindSkinMenuHost(form);
}

void TlxSkinPopupMenu::Open(TControl* Control, const TRect& R, bool PopupUp) {
    TKeepAlive alive(this);
    SetPopupComponent(Control);
    if (OnPopup) OnPopup(this);
    if (FreePending()) return;
    TlxSkinMenuHost* host = FindHost();
    if (!host) return;
    if (!FSD) FSD.Set(host->SkinDataForMenus());
    if (!HasVisibleMenuItems(Items(), nullptr, 0)) {
        // Nothing to show: no menu mode, and the opener comes up again.
        SendToControl(Control, WM_CLOSESKINMENU);
        if (FreePending()) return;
        if (TNotifyEvent handler = OnMenuClose) handler(this);
        return;
    }
    if (host->SkinMenuVisible()) host->SkinMenuClose();
    host->SkinMenuOpen();
    SetPopupPoint({R.Left, R.Top});
    host->PopupSkinMenuItems(Control, FSD, R, Items(), PopupUp, OnMenuClose);
}

void TlxSkinPopupMenu::Popup(int X, int Y) {
    Open(nullptr, {X, Y, X, Y}, false);
}

void TlxSkinPopupMenu::PopupFromRect(const TRect& R, bool PopupUp) {
    Open(nullptr, R, PopupUp);
}

void TlxSkinPopupMenu::Popup2(TControl* Control, int X, int Y) {
    Open(Control, {X, Y, X, Y}, false);
}

void TlxSkinPopupMenu::PopupFromRect2(TControl* Control, const TRect& R, bool PopupUp) {
    Open(Control, R, PopupUp);
}
