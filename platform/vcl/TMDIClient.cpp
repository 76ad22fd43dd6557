#include "platform/vcl/TMDIClient.h"

#include "platform/vcl/TCustomForm.h"

#include <algorithm>

TMDIClient::TMDIClient(TCustomForm* AForm) : TWinControl(nullptr), FForm(AForm) {
    FColor = clAppWorkSpace;
    FParentColor = false;
    SetParent(AForm);
    SetAlign(alClient);
}

TMDIClient::~TMDIClient() {
    DestroyHandle();
    if (FForm->FMDIClient == this) FForm->FMDIClient = nullptr;
}

std::vector<TCustomForm*> TMDIClient::Children() const {
    std::vector<TCustomForm*> list;
    if (!FHandle || !WindowSystemReady()) return list;
    for (HWND w : GetChildWindows(FHandle))
        if (auto* f = dynamic_cast<TCustomForm*>(FindControl(w)); f && f->FormStyle() == fsMDIChild)
            list.push_back(f);
    return list;
}

void TMDIClient::ActivateChild(TCustomForm* Child) {
    if (!Child || !Child->HandleAllocated() || !WindowSystemReady()) return;
    TKeepAlive alive(Child);
    SetWindowPos(Child->WindowHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (Child == FActiveChild) return;
    TCustomForm* old = FActiveChild;
    FActiveChild = Child;
    if (old && old->HandleAllocated()) {
        SendMessage(old->WindowHandle(), WM_NCACTIVATE, 0);
        old->MDIActivated(false);
    }
    if (Child->FreePending() || FActiveChild != Child) return;
    SendMessage(Child->WindowHandle(), WM_NCACTIVATE, 1);
    Child->MDIActivated(true);
}

void TMDIClient::ChildGone(TCustomForm* Child) {
    if (Child != FActiveChild) return;
    FActiveChild = nullptr;
    Child->MDIActivated(false);
    for (TCustomForm* f : Children())
        if (f != Child && f->Visible() && !f->ComponentState().Contains(csDestroying)) {
            ActivateChild(f);
            return;
        }
}

void TMDIClient::WndProc(TMessage& Message) {
    // A press anywhere in a child (its frame or one of its controls)
    // activates it; the children are not top-level windows of their own.
    if (Message.Msg == WM_PARENTNOTIFY) {
        const auto event = static_cast<uint32_t>(LoPart(Message.WParam));
        if (event == WM_LBUTTONDOWN || event == WM_RBUTTONDOWN || event == WM_MBUTTONDOWN) {
            const TPoint p = LParamToPoint(Message.LParam);
            for (TCustomForm* f : Children()) {
                if (!f->Visible()) continue;
                if (f->BoundsRect().Contains(p)) {
                    ActivateChild(f);
                    break;
                }
            }
        }
    }
    TWinControl::WndProc(Message);
}

void TMDIClient::DestroyHandle() {
    // The children's windows go first, so their forms never hold a dead handle.
    for (TCustomForm* f : Children())
        f->DestroyHandle();
    FActiveChild = nullptr;
    TWinControl::DestroyHandle();
}
