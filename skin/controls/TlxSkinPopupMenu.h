#pragma once

#include "platform/base/Types.h"
#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/TMenu.h"

class TControl;
class TCustomForm;
class TlxSkinData;
class TlxSkinMenuHost;

// A popup menu shown by the skinned popup-menu engine of a form-skinning
// component instead of by the system. The component is SkinComponent when
// set, else the first one of ComponentForm, else the first of the owner's
// form (or of the owner's owner's form); on an MDI child the main form's.
// Without one nothing is shown.
class TlxSkinPopupMenu : public TPopupMenu {
public:
    explicit TlxSkinPopupMenu(TComponent* AOwner) : TPopupMenu(AOwner) {}

    // The skin the menu is shown with; taken from the skinning component at
    // the first opening when not set.
    TlxSkinData* SkinData() const { return FSD; }
    void SetSkinData(TlxSkinData* Value) { FSD.Set(Value); }
    TCustomForm* ComponentForm() const { return FComponentForm; }
    void SetComponentForm(TCustomForm* Value);
    TComponent* SkinComponent() const { return FSkinComponent; }
    void SetSkinComponent(TComponent* Value) { FSkinComponent.Set(Value); }

    // At the screen point X, Y.
    void Popup(int X, int Y) override;
    // Beside the screen rectangle R: below it, or above it with PopupUp.
    void PopupFromRect(const TRect& R, bool PopupUp);
    // The same for Control, which hears WM_CLOSESKINMENU when the menu closes
    // and WM_AFTERDISPATCH after a command ran.
    virtual void Popup2(TControl* Control, int X, int Y);
    virtual void PopupFromRect2(TControl* Control, const TRect& R, bool PopupUp);

    // Runs once when the menu closes.
    TNotifyEvent OnMenuClose;

    // The skinning component the menu would be shown through, or nullptr.
    TlxSkinMenuHost* FindHost() const;

private:
    void Open(TControl* Control, const TRect& R, bool PopupUp);

    TComponentRef<TlxSkinData> FSD{this};
    TComponentRef<TCustomForm> FComponentForm{this};
    TComponentRef<TComponent> FSkinComponent{this};
};
