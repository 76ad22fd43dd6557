#pragma once

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

private:
    TComponentRef<TCustomForm> FComponentForm{this};
};
