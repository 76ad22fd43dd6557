#include "skin/windows/TlxSkinStdButtonObject.h"

#include "skin/engine/DataSkinObjects.h"
#include "skin/windows/TlxLumivex.h"

TlxSkinStdButtonObject::TlxSkinStdButtonObject(TlxLumivex* AParent, TlxDataSkinObject* AData)
    : TlxSkinButtonObject(AParent, AData) {
    FTempHint = Hint;
    if (auto* d = dynamic_cast<TlxDataSkinStdButton*>(AData)) {
        FSkinSupport = true;
        Command = d->Command;
        RestoreHint = d->RestoreHint;
        RestoreRect = d->RestoreRect;
        RestoreActiveRect = d->RestoreActiveRect;
        RestoreInActiveRect = d->RestoreInActiveRect;
        RestoreDownRect = d->RestoreDownRect;
    }
}

bool TlxSkinStdButtonObject::PtInMask(int X, int Y) {
    return TlxSkinButtonObject::PtInMask(X, Y);
}

void TlxSkinStdButtonObject::ShowLayer() {}
void TlxSkinStdButtonObject::HideLayer() {}

bool TlxSkinStdButtonObject::CanMorphing() {
    return TlxSkinButtonObject::CanMorphing();
}

void TlxSkinStdButtonObject::Draw(TCanvas* Cnvs, bool UpDate) {
    if (!FSkinSupport)
        DefaultDraw(Cnvs);
    else
        TlxSkinButtonObject::Draw(Cnvs, UpDate);
}

void TlxSkinStdButtonObject::DefaultDraw(TCanvas*) {}

void TlxSkinStdButtonObject::DblClick() {
    if (Command == cmSysMenu) Parent->Form()->Close();
}

void TlxSkinStdButtonObject::MouseDown(int, int, TMouseButton Button) {
    if (Enabled && Button == TMouseButton::mbLeft && !FDown) SetDown(true);
}

void TlxSkinStdButtonObject::MouseUp(int X, int Y, TMouseButton Button) {
    const bool run = Active && Button == TMouseButton::mbLeft;
    if (Command == cmClose) {
        TlxSkinButtonObject::MouseUp(X, Y, Button);
        if (run) DoCommand();
    } else {
        if (run) DoCommand();
        TlxSkinButtonObject::MouseUp(X, Y, Button);
    }
}

void TlxSkinStdButtonObject::MouseEnter() {
    TlxSkinButtonObject::MouseEnter();
}

void TlxSkinStdButtonObject::DoCommand() {}
