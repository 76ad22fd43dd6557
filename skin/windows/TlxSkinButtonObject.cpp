#include "skin/windows/TlxSkinButtonObject.h"

#include "platform/vcl/TMenu.h"
#include "platform/vcl/TTimer.h"
#include "skin/engine/DataSkinObjects.h"
#include "skin/engine/SkinRects.h"
#include "skin/engine/TlxLayerManager.h"
#include "skin/windows/SkinObjectSupport.h"
#include "skin/windows/TlxLumivex.h"

TlxSkinButtonObject::TlxSkinButtonObject(TlxLumivex* AParent, TlxDataSkinObject* AData)
    : TlxActiveSkinObject(AParent, AData) {
    if (auto* button = dynamic_cast<TlxDataSkinButton*>(AData)) {
        DownRect = button->DownRect;
        DisableSkinRect = button->DisableSkinRect;
    }
}

TlxLayerManager* TlxSkinButtonObject::GlowManager() const {
    return MenuItem ? Parent->FMenuLayerManager : Parent->FLayerManager;
}

bool TlxSkinButtonObject::CanMorphing() {
    // A button whose menu is open keeps its pressed image.
    if (MenuItem && FDown) return false;
    return TlxActiveSkinObject::CanMorphing();
}

void TlxSkinButtonObject::DrawButton(TCanvas* Cnvs, bool UpDate) {
    if (!SkinUsable()) return;
    if (!Enabled && !IsNullRect(DisableSkinRect))
        DrawPart(Cnvs, ActivePicture, DisableSkinRect);
    else if (FDown && FMouseIn && !IsNullRect(DownRect))
        DrawPart(Cnvs, ActivePicture, DownRect);
    else
        DrawBase(Cnvs, UpDate);
}

void TlxSkinButtonObject::Draw(TCanvas* Cnvs, bool UpDate) {
    DrawButton(Cnvs, UpDate);
}

void TlxSkinButtonObject::SetDown(bool Value) {
    FDown = Value;
    if (EnableMorphing() && Active) SetMorphKf(1);
    Parent->DrawSkinObject(this);
    if (EnableMorphing() && !FDown) Redraw();
}

void TlxSkinButtonObject::MouseDown(int X, int Y, TMouseButton Button) {
    if (!Enabled) return;
    if (Button == TMouseButton::mbLeft && !FDown) {
        SetDown(true);
        if (!Survives([&] { PopupLinkedMenu(); })) return;
    }
    TlxActiveSkinObject::MouseDown(X, Y, Button);
}

void TlxSkinButtonObject::MouseUp(int X, int Y, TMouseButton Button) {
    if (!Enabled) return;
    // A button whose menu opened is released when the menu closes.
    if (Button == TMouseButton::mbLeft && !HasMenu() && FDown) SetDown(false);
    TlxActiveSkinObject::MouseUp(X, Y, Button);
}

void TlxSkinButtonObject::MouseEnter() {
    FMouseIn = true;
    Active = true;
    if (IsNullRect(DownRect) || !FDown) {
        if (!IsNullRect(ActiveSkinRect)) Redraw();
        if (MenuItem) ShowLayer();
    } else {
        // Back over a pressed button: its pressed image at once.
        if (EnableMorphing()) SetMorphKf(1);
        Parent->DrawSkinObject(this);
    }
    if (!Survives([&] { Parent->DoMouseEnterEvent(IDName); })) return;
    if (!MenuItem) ShowLayer();
}

void TlxSkinButtonObject::MouseLeave() {
    FMouseIn = false;
    Active = false;
    if (!MenuItem || !FDown) {
        if (MenuItem) HideLayer();
        Parent->DrawSkinObject(this);
        Redraw();
    }
    if (!Survives([&] { Parent->DoMouseLeaveEvent(IDName); })) return;
    if (!MenuItem) HideLayer();
}

bool TlxSkinButtonObject::HasMenu() const {
    return CanPopupObjectMenu(MenuItem);
}

void TlxSkinButtonObject::PopupLinkedMenu() {
    if (!HasMenu()) return;
    for (TlxLayerManager* manager : {Parent->FLayerManager, Parent->FMenuLayerManager})
        if (manager && manager->IsVisible) manager->Hide();
    if (FMouseIn) ShowLayer();
    PopupObjectMenu(Parent, MenuItem, ScreenRect(), FPopupUp);
}
