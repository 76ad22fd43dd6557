#include "skin/controls/TlxSkinImagesMenu.h"

#include "platform/vcl/TImageList.h"
#include "skin/controls/TlxSkinHint.h"
#include "skin/controls/TlxSkinImagesMenuPopupWindow.h"
#include "skin/engine/SkinData.h"

TlxSkinImagesMenu::TlxSkinImagesMenu(TComponent* AOwner)
    : TComponent(AOwner), FImagesItems(std::make_unique<TlxImagesMenuItems>(this)) {
    FDefaultFont.SetName("Arial");
    FDefaultFont.SetStyle({});
    FDefaultFont.SetHeight(14);
}

TlxSkinImagesMenu::~TlxSkinImagesMenu() = default;

void TlxSkinImagesMenu::Destroying() {
    // The grid goes with its owner: it lets the mouse and the keys go, and
    // nobody is told.
    if (TlxSkinImagesMenuPopupWindow* w = FPopupWindow) {
        FPopupWindow = nullptr;
        w->Dismiss();
    }
    TComponent::Destroying();
}

void TlxSkinImagesMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupWindow) FPopupWindow = nullptr;
}

void TlxSkinImagesMenu::SetImages(TCustomImageList* Value) {
    FImages.Set(Value);
}

void TlxSkinImagesMenu::SetSkinData(TlxSkinData* Value) {
    FSD.Set(Value);
}

void TlxSkinImagesMenu::SetSkinHint(TlxSkinHint* Value) {
    FSkinHint.Set(Value);
}

void TlxSkinImagesMenu::SetColumnsCount(int Value) {
    if (Value >= 1 && Value <= 50) FColumnsCount = Value;
}

TlxImagesMenuItem* TlxSkinImagesMenu::SelectedItem() const {
    if (FItemIndex < 0 || FItemIndex >= FImagesItems->Count()) return nullptr;
    return FImagesItems->Items(FItemIndex);
}

void TlxSkinImagesMenu::Popup(int X, int Y) {
    PopupFromRect({X, Y, X, Y});
}

void TlxSkinImagesMenu::PopupFromRect(const TRect& R) {
    TKeepAlive alive(this);
    Hide();
    if (FreePending()) return;
    if (OnMenuPopup) {
        OnMenuPopup(this);
        if (FreePending()) return;
    }
    if (!FImages || FImages->Count() == 0 || FPopupWindow) return;
    FOldItemIndex = FItemIndex;
    FPopupWindow = new TlxSkinImagesMenuPopupWindow(this);
    FPopupWindow->Show(R);
}

void TlxSkinImagesMenu::Hide() {
    if (FPopupWindow) FPopupWindow->Hide(false);
}

void TlxSkinImagesMenu::CloseUp(bool AProcessEvents) {
    TKeepAlive alive(this);
    if (TlxSkinImagesMenuPopupWindow* w = FPopupWindow) {
        FPopupWindow = nullptr;
        // Deferred while the window is inside one of its own handlers.
        w->Free();
    }
    auto fire = [this](const TNotifyEvent& Event) {
        if (!Event) return true;
        TNotifyEvent handler = Event;
        handler(this);
        return !FreePending();
    };
    if (!fire(OnInternalMenuClose) || !fire(OnMenuClose)) return;
    if (!AProcessEvents || FItemIndex == -1) return;
    if (TlxImagesMenuItem* item = SelectedItem(); item && !fire(item->OnClick)) return;
    if (!fire(OnItemClick)) return;
    if (FItemIndex == FOldItemIndex) return;
    if (!fire(OnInternalChange)) return;
    fire(OnChange);
}
