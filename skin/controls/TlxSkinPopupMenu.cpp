#include "skin/controls/TlxSkinPopupMenu.h"

#include "platform/vcl/TControl.h"
#include "platform/vcl/TCustomForm.h"

void TlxSkinPopupMenu::SetComponentForm(TCustomForm* Value) {
    FComponentForm.Set(Value);
}

void TlxSkinPopupMenu::Popup2(TControl* Control, int X, int Y) {
    SetPopupComponent(Control);
    Popup(X, Y);
}

void TlxSkinPopupMenu::PopupFromRect2(TControl* Control, const TRect& R, bool PopupUp) {
    Popup2(Control, R.Left, PopupUp ? R.Top : R.Bottom);
}
