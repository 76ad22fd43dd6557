#include "skin/windows/TlxSkinAnimateObject.h"

#include "skin/engine/DataSkinObjects.h"
#include "skin/windows/TlxLumivex.h"

#include <algorithm>

TlxSkinAnimateObject::TlxSkinAnimateObject(TlxLumivex* AParent, TlxDataSkinObject* AData)
    : TlxActiveSkinObject(AParent, AData) {
    FTempHint = Hint;
    if (auto* d = dynamic_cast<TlxDataSkinAnimate*>(AData)) {
        CountFrames = std::max(1, d->CountFrames);
        Cycle = d->Cycle;
        ButtonStyle = d->ButtonStyle;
        TimerInterval = std::max(25, d->TimerInterval);
        Command = d->Command;
        DownSkinRect = d->DownSkinRect;
        RestoreHint = d->RestoreHint;
        RestoreRect = d->RestoreRect;
        RestoreActiveRect = d->RestoreActiveRect;
        RestoreDownRect = d->RestoreDownRect;
        RestoreInActiveRect = d->RestoreInActiveRect;
    }
}

void TlxSkinAnimateObject::ShowLayer() {}
void TlxSkinAnimateObject::HideLayer() {}
void TlxSkinAnimateObject::Draw(TCanvas*, bool) {}
void TlxSkinAnimateObject::DblClick() {}
void TlxSkinAnimateObject::MouseDown(int X, int Y, TMouseButton Button) {
    TlxActiveSkinObject::MouseDown(X, Y, Button);
}
void TlxSkinAnimateObject::MouseUp(int X, int Y, TMouseButton Button) {
    TlxActiveSkinObject::MouseUp(X, Y, Button);
}
void TlxSkinAnimateObject::MouseEnter() {
    FMouseIn = true;
}
void TlxSkinAnimateObject::MouseLeave() {
    FMouseIn = false;
}
void TlxSkinAnimateObject::SetFrame(int Value) {
    FFrame = Value;
}
void TlxSkinAnimateObject::Start() {}
void TlxSkinAnimateObject::Stop() {}
void TlxSkinAnimateObject::ChangeFrame() {}
void TlxSkinAnimateObject::DoCommand() {}
void TlxSkinAnimateObject::PopupLinkedMenu() {}
