#include "skin/windows/TlxSkinMenu.h"

#include "platform/vcl/TCustomForm.h"
#include "platform/vcl/TMenu.h"
#include "platform/vcl/TTimer.h"
#include "platform/win/WinApi.h"
#include "skin/controls/TlxSkinMenuHost.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinMessages.h"
#include "skin/engine/SkinMonitors.h"
#include "skin/windows/TlxSkinMenuItem.h"
#include "skin/windows/TlxSkinPopupWindow.h"

#include <algorithm>

bool IsMenuCloseMessage(uint32_t Msg) {
    switch (Msg) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY:
        return true;
    }
    return false;
}

TlxSkinMenu::TlxSkinMenu(TComponent* AOwner, TCustomForm* AForm) : TComponent(AOwner) {
    FForm.Set(AForm);
    FDefaultMenuItemFont.SetName("Arial");
    FDefaultMenuItemFont.SetHeight(14);
    FDefaultMenuItemFont.SetStyle({});
    FWaitTimer = new TTimer(this);
    FWaitTimer->SetEnabled(false);
    FWaitTimer->SetInterval(500);
    FWaitTimer->OnTimer = [this](TObject*) { WaitTimerTick(); };
}

TlxSkinMenu::~TlxSkinMenu() {
    WatchSkin(false);
}

void TlxSkinMenu::Destroying() {
    // Nobody is told: the owner (the form's skinning) is going too.
    FPopupCtrl.Set(nullptr);
    OnMenuClose = nullptr;
    CloseFrom(0);
    WatchSkin(false);
    TComponent::Destroying();
}

void TlxSkinMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    auto it = std::find(FPopupList.begin(), FPopupList.end(), AComponent);
    if (it == FPopupList.end()) return;
    if (FWItem && FWItem->Parent == *it) StopWait();
    FPopupList.erase(it);
}

int TlxSkinMenu::IndexOfWindow(const TlxSkinPopupWindow* Window) const {
    auto it = std::find(FPopupList.begin(), FPopupList.end(), Window);
    return it == FPopupList.end() ? -1 : static_cast<int>(it - FPopupList.begin());
}

bool TlxSkinMenu::BeginOpening(TControl* APopupCtrl, TlxSkinData* ASkinData) {
    FFirst = !FVisible;
    if (!FPopupList.empty() || FVisible) CloseFrom(0);
    FPopupCtrl.Set(APopupCtrl);
    FWorkArea = GetMonitorWorkArea(FForm && FForm->HandleAllocated() ? FForm->Handle() : nullptr, true);
    FSkinData.Set(ASkinData);
    return true;
}

void TlxSkinMenu::EndEmptyOpening(TControl* APopupCtrl) {
    // Nothing to show: the opener and the form hear that the menu closed, so
    // a pressed opener comes up and no menu state is left behind.
    FFirst = false;
    FPopupCtrl.Set(nullptr);
    TKeepAlive alive(this);
    SendToControl(APopupCtrl, WM_CLOSESKINMENU);
    if (FreePending()) return;
    if (FForm && FForm->HandleAllocated()) SendMessage(FForm->Handle(), WM_CLOSESKINMENU, 0, 0);
}

void TlxSkinMenu::Popup(TControl* APopupCtrl, TlxSkinData* ASkinData, int StartIndex, const TRect& R,
                        TMenuItem* AItem, bool PopupUp) {
    OpenRoot(APopupCtrl, ASkinData, StartIndex, R, AItem, nullptr, false, PopupUp);
}

void TlxSkinMenu::Popup2(TControl* APopupCtrl, TlxSkinData* ASkinData, int StartIndex, const TRect& R,
                         TMenuItem* AItem, TMenuItem* AItem2, bool PopupUp) {
    OpenRoot(APopupCtrl, ASkinData, StartIndex, R, AItem, AItem2, true, PopupUp);
}

void TlxSkinMenu::OpenRoot(TControl* APopupCtrl, TlxSkinData* ASkinData, int StartIndex, const TRect& R,
                           TMenuItem* AItem, TMenuItem* AItem2, bool Two, bool PopupUp) {
    TKeepAlive alive(this);
    BeginOpening(APopupCtrl, ASkinData);
    if (FreePending()) return;
    if (!HasVisibleMenuItems(AItem, AItem2, StartIndex)) {
        EndEmptyOpening(APopupCtrl);
        return;
    }
    FVisible = true;
    WatchSkin(true);
    TlxSkinPopupWindow* w = NewWindow();
    if (Two)
        w->Show2(R, AItem, AItem2, StartIndex, PopupUp);
    else
        w->Show(R, AItem, StartIndex, PopupUp, false);
    FFirst = false;
}

TlxSkinPopupWindow* TlxSkinMenu::NewWindow() {
    TlxDataSkinPopupWindow* pw = nullptr;
    if (FSkinData && !FSkinData->Empty && FSkinData->PopupWindow &&
        FSkinData->PopupWindow->WindowPictureIndex != -1)
        pw = FSkinData->PopupWindow.get();
    auto* w = new TlxSkinPopupWindow(this, pw);
    FPopupList.push_back(w);
    return w;
}

void TlxSkinMenu::AddWindow(const TRect& R, TMenuItem* AItem, int StartIndex, bool PopupUp,
                            bool PopupByItem) {
    if (!HasVisibleMenuItems(AItem, nullptr, StartIndex)) return;
    NewWindow()->Show(R, AItem, StartIndex, PopupUp, PopupByItem);
}

void TlxSkinMenu::StopWait() {
    FWaitTimer->SetEnabled(false);
    FWItem = nullptr;
}

void TlxSkinMenu::CancelWait(const TlxSkinMenuItem* Row) {
    if (FWItem == Row) StopWait();
}

void TlxSkinMenu::WaitTimerTick() {
    FWaitTimer->SetEnabled(false);
    TlxSkinMenuItem* row = FWItem;
    FWItem = nullptr;
    if (row && IndexOfWindow(row->Parent) >= 0) ProcessItem(row->Parent, row, false, true);
}

void TlxSkinMenu::ProcessItem(TlxSkinPopupWindow* Window, TlxSkinMenuItem* Row, bool Kb, bool Click) {
    TKeepAlive alive(this);
    TMenuItem* item = Row->MenuItem;
    const int index = IndexOfWindow(Window);
    if (item->Count() == 0) {
        StopWait();
        if (!Click) {
            if (index >= 0) CloseFrom(index + 1);
            return;
        }
        // What runs is read before the windows go: they own the rows.
        TComponentRef<TMenu> menu{this};
        menu.Set(item->GetParentMenu());
        TComponentRef<TMenuItem> target{this};
        target.Set(item);
        const uint16_t command = item->Command();
        Hide();
        if (FreePending()) return;
        if (menu)
            menu->DispatchCommand(command);
        else if (target)
            target->Click();
        if (FreePending()) return;
        if (TControl* d = FDCtrl) {
            FDCtrl.Set(nullptr);
            SendToControl(d, WM_AFTERDISPATCH);
        }
        return;
    }
    if (!Click) {
        if (Kb) return;
        FWaitTimer->SetEnabled(false);
        if (index >= 0) CloseFrom(index + 1);
        FWItem = Row;
        FWaitTimer->SetEnabled(true);
        return;
    }
    // A click on a row with children runs the item's own click first.
    {
        TComponentRef<TMenuItem> target{this};
        target.Set(item);
        if (TMenu* menu = item->GetParentMenu())
            menu->DispatchCommand(item->Command());
        else
            item->Click();
        if (FreePending() || !target || IndexOfWindow(Window) < 0 || !FVisible) return;
    }
    StopWait();
    Row->Down = true;
    TRect r = Row->ObjectRect;
    TPoint origin = Window->ClientToScreen({0, 0});
    OffsetRect(r, origin.X, origin.Y);
    CloseFrom(IndexOfWindow(Window) + 1);
    AddWindow(r, item, 0, false, true);
}

void TlxSkinMenu::CloseFrom(int Index) {
    TKeepAlive alive(this);
    Index = std::max(Index, 0);
    while (static_cast<int>(FPopupList.size()) > Index) {
        TlxSkinPopupWindow* w = FPopupList.back();
        FPopupList.pop_back();
        if (FWItem && FWItem->Parent == w) StopWait();
        w->HideWindow();
        // Deferred when the window is inside one of its own handlers.
        w->Free();
    }
    if (Index != 0) return;
    const bool wasVisible = FVisible;
    FVisible = false;
    FWaitTimer->SetEnabled(false);
    WatchSkin(false);
    if (!wasVisible) return;
    FDCtrl.Set(FPopupCtrl);
    if (TControl* ctrl = FPopupCtrl) {
        FPopupCtrl.Set(nullptr);
        SendToControl(ctrl, WM_CLOSESKINMENU);
        if (FreePending()) return;
    }
    if (OnMenuClose) {
        TNotifyEvent handler = std::move(OnMenuClose);
        OnMenuClose = nullptr;
        handler(this);
    }
}

void TlxSkinMenu::Hide() {
    TKeepAlive alive(this);
    CloseFrom(0);
    if (FreePending()) return;
    StopWait();
    if (FForm && FForm->HandleAllocated()) SendMessage(FForm->Handle(), WM_CLOSESKINMENU, 0, 0);
}

void TlxSkinMenu::WatchSkin(bool On) {
    // The rows point into the skin's descriptions: a skin change closes the
    // menu before they go.
    if (On && !FSkinObserver && FSkinData) {
        FSkinObserver = AddMessageObserver([this](HWND, const TMessage& M) {
            if (M.Msg != WM_BEFORECHANGESKINDATA || !FVisible) return;
            if (reinterpret_cast<TlxSkinData*>(M.WParam) == FSkinData.Get()) Hide();
        });
    } else if (!On && FSkinObserver) {
        if (WindowSystemReady()) RemoveMessageObserver(FSkinObserver);
        FSkinObserver = 0;
    }
}
