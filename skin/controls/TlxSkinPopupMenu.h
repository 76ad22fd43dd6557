#pragma once

#include "platform/base/Types.h"
#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/TMenu.h"

class TControl;
class TCustomForm;

// The popup menu a skinned control shows for itself. The form named as its
// component form is the one whose skinning draws it; Popup2 shows it at a
// screen point for Control, through the popup menus' installed presenter.
class TlxSkinPopupMenu : public TPopupMenu {
public:
    explicit TlxSkinPopupMenu(TComponent* AOwner) : TPopupMenu(AOwner) {}

    TCustomForm* ComponentForm() const { return FComponentForm; }
    void SetComponentForm(TCustomForm* Value);

    virtual void Popup2(TControl* Control, int X, int Y);
    // Shows the menu for Control beside the screen rectangle R: below it, or
    // above it with PopupUp. Control hears WM_CLOSESKINMENU when it closes.
    virtual void PopupFromRect2(TControl* Control, const TRect& R, bool PopupUp);

private:
    TComponentRef<TCustomForm> FComponentForm{this};
};
