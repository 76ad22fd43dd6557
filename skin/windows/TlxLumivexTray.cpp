#include "skin/windows/TlxLumivex.h"

#include "platform/vcl/TApplication.h"
#include "skin/controls/TlxSkinPopupMenu.h"
#include "skin/engine/ResourceStrData.h"
#include "skin/windows/TlxTrayIcon.h"

// ---- Minimizing to the notification area

void TlxLumivex::CreateTrayMenu() {
    FSysTrayMenu = new TlxSkinPopupMenu(this);
    FSysTrayMenu->SetComponentForm(FForm);
    auto add = [this](const char* Name, const char* Key, const char* Text) {
        auto* item = new TMenuItem(this);
        item->SetName(Name);
        if (Key)
            item->SetCaption(SysText(Key, Text));
        else
            item->SetCaption(Text);
        FSysTrayMenu->Items()->Add(item);
        return item;
    };
    add("TRAY_LVX_RESTORE", "MI_RESTORECAPTION", "&Restore")->OnClick = [this](TObject*) {
        RestoreFromTray();
    };
    add("", nullptr, "-");
    TMenuItem* close = add("TRAY_LVX_CLOSE", "MI_CLOSECAPTION", "&Close");
    close->SetShortCut(IsMDIChild() ? ShortCut(VK_F4, TShiftState{ssCtrl})
                                    : ShortCut(VK_F4, TShiftState{ssAlt}));
    close->OnClick = [this](TObject*) { FForm->Close(); };
}

void TlxLumivex::SetTrayIcon(TlxTrayIcon* Value) {
    FTrayIcon.Set(Value);
    if (!Value) return;
    if (!FAlwaysShowInTray) Value->SetIconVisible(false);
    Value->SetMinimizeToTray(false);
    if (Designing()) return;
    if (!Value->PopupMenu()) Value->SetPopupMenu(FSysTrayMenu);
    if (!Value->OnDblClick) Value->OnDblClick = [this](TObject*) { RestoreFromTray(); };
}

void TlxLumivex::MinimizeToTray() {
    if (!FTrayIcon) return;
    FTrayIcon->SetMinimizeToTray(true);
    // The application minimizes; the icon takes the form to the tray when
    // the tray takes the icon, else the form stays minimized.
    TCustomForm* main = FTrayIcon->MainForm();
    if (main && main->HandleAllocated()) ShowWindow(main->Handle(), SW_MINIMIZE);
    if (OnMinimizeToTray) OnMinimizeToTray(this);
}

void TlxLumivex::RestoreFromTray() {
    if (!FTrayIcon) return;
    TComponent::TKeepAlive alive(this);
    FTrayIcon->SetMinimizeToTray(false);
    FTrayIcon->ShowMainForm();
    TCustomForm* main = FTrayIcon->MainForm();
    if (main && main->HandleAllocated() && IsIconic(main->Handle())) ShowWindow(main->Handle(), SW_RESTORE);
    if (FTrayIcon && !FAlwaysShowInTray) FTrayIcon->SetIconVisible(false);
    if (OnRestoreFromTray) OnRestoreFromTray(this);
}

void TlxLumivex::TrayRestored() {
    if (!TrayHidden) return;
    TrayHidden = false;
    if (HWND h = FormHandle()) SetForegroundWindow(h);
}
