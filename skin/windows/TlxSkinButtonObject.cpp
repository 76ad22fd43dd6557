#include "skin/windows/TlxSkinButtonObject.h"

#include "skin/engine/DataSkinObjects.h"
#include "skin/windows/TlxLumivex.h"

TlxSkinButtonObject::TlxSkinButtonObject(TlxLumivex* AParent, TlxDataSkinObject* AData)
    : TlxActiveSkinObject(AParent, AData) {
    if (auto* d = dynamic_cast<TlxDataSkinButton*>(AData)) {
        DownRect = d->DownRect;
        DisableSkinRect = d->DisableSkinRect;
    }
}

void TlxSkinButtonObject::ShowLayer() {}
void TlxSkinButtonObject::HideLayer() {}

bool TlxSkinButtonObject::CanMorphing() {
    return TlxActiveSkinObject::CanMorphing() && !(MenuItem && FDown);
}

void TlxSkinButtonObject::Draw(TCanvas* Cnvs, bool UpDate) {
    TlxActiveSkinObject::Draw(Cnvs, UpDate);
}

void TlxSkinButtonObject::SetDown(bool Value) {
    FDown = Value;
    Parent->DrawSkinObject(this);
}

void TlxSkinButtonObject::MouseDown(int X, int Y, TMouseButton Button) {
    if (!Enabled) return;
    if (Button == TMouseButton::mbLeft && !FDown) SetDown(true);
    TlxActiveSkinObject::MouseDown(X, Y, Button);
}

void TlxSkinButtonObject::MouseUp(int X, int Y, TMouseButton Button) {
    if (!Enabled) return;
    if (Button == TMouseButton::mbLeft && !MenuItem && FDown) SetDown(false);
    TlxActiveSkinObject::MouseUp(X, Y, Button);
}

void TlxSkinButtonObject::MouseEnter() {
    TlxActiveSkinObject::MouseEnter();
}

void TlxSkinButtonObject::MouseLeave() {
    TlxActiveSkinObject::MouseLeave();
}

void TlxSkinButtonObject::PopupLinkedMenu() {}
