#include "skin/controls/TlxSkinMenuHost.h"

#include "platform/vcl/TMenu.h"
#include "platform/vcl/TWinControl.h"
#include "platform/win/WinApi.h"

#include <algorithm>

TlxSkinMenuHost* FindSkinMenuHost(const TComponent* Owner) {
    if (!Owner) return nullptr;
    for (int i = 0; i < Owner->ComponentCount(); ++i)
        if (auto* host = dynamic_cast<TlxSkinMenuHost*>(Owner->Components(i))) return host;
    return nullptr;
}

bool HasVisibleMenuItems(TMenuItem* AItem, TMenuItem* AItem2, int StartIndex) {
    auto any = [](TMenuItem* Item, int From) {
        if (!Item) return false;
        for (int i = std::max(From, 0); i < Item->Count(); ++i)
            if (Item->Items(i)->Visible()) return true;
        return false;
    };
    if (!AItem) return false;
    return any(AItem, StartIndex) || any(AItem2, StartIndex - AItem->Count());
}

void SendToControl(TControl* Control, uint32_t Msg) {
    if (!Control) return;
    auto* win = dynamic_cast<TWinControl*>(Control);
    if (win && win->HandleAllocated())
        SendMessage(win->Handle(), Msg, 0, 0);
    else
        Control->Perform(Msg, 0, 0);
}
