#include "skin/windows/TlxActiveSkinObject.h"

#include "platform/gdi/TBitmap.h"
#include "skin/engine/DataSkinObjects.h"
#include "skin/engine/SkinData.h"
#include "skin/windows/TlxLumivex.h"

#include <algorithm>

TlxActiveSkinObject::TlxActiveSkinObject(TlxLumivex* AParent, TlxDataSkinObject* AData)
    : Parent(AParent), SD(AParent ? AParent->SkinData() : nullptr) {
    if (SD) Picture = SD->FPicture.get();
    if (!AData) return;
    IDName = AData->IDName;
    Hint = AData->Hint;
    SkinRectInAPicture = AData->SkinRectInAPicture;
    SkinRect = AData->SkinRect;
    ActiveSkinRect = AData->ActiveSkinRect;
    InActiveSkinRect = AData->InActiveSkinRect;
    Morphing = AData->Morphing;
    MorphKind = AData->MorphKind;
    GlowLayerPictureIndex = AData->GlowLayerPictureIndex;
    GlowLayerMaskPictureIndex = AData->GlowLayerMaskPictureIndex;
    GlowLayerOffsetX = AData->GlowLayerOffsetX;
    GlowLayerOffsetY = AData->GlowLayerOffsetY;
    GlowLayerAlphaBlendValue = AData->GlowLayerAlphaBlendValue;
    if (SD) {
        ActivePicture = SD->ActivePicture(AData->ActivePictureIndex);
        ActiveMaskPicture = SD->ActivePicture(AData->ActiveMaskPictureIndex);
    }
    // A description without its picture has no hovered image.
    if (!ActivePicture) AData->ActiveSkinRect = TRect{};
    ObjectRect = SkinRect;
    if (ActiveSkinRect.IsEmpty()) Morphing = false;
}

bool TlxActiveSkinObject::PtInMask(int X, int Y) {
    TlxSkinData* sd = Parent ? Parent->SkinData() : nullptr;
    if (!sd || sd->Empty || !ActiveMaskPicture) return true;
    if (X < 0 || Y < 0 || X >= ActiveMaskPicture->Width() || Y >= ActiveMaskPicture->Height()) return false;
    return (ActiveMaskPicture->ScanLine(Y)[X] & 0xFFFFFF) == 0;
}

bool TlxActiveSkinObject::CanMorphing() {
    return (Active && FMorphKf < 1) || (!Active && FMorphKf > 0);
}

void TlxActiveSkinObject::Draw(TCanvas*, bool) {}

void TlxActiveSkinObject::MouseDown(int X, int Y, TMouseButton Button) {
    Parent->DoMouseDownEvent(IDName, X, Y, ObjectRect, Button);
}

void TlxActiveSkinObject::MouseUp(int X, int Y, TMouseButton Button) {
    if (FMouseIn) Parent->DoMouseUpEvent(IDName, X, Y, ObjectRect, Button);
}

void TlxActiveSkinObject::MouseMove(int X, int Y) {
    Parent->DoMouseMoveEvent(IDName, X, Y, ObjectRect);
}

void TlxActiveSkinObject::MouseEnter() {
    FMouseIn = Active = true;
    if (!ActiveSkinRect.IsEmpty()) Redraw();
    Parent->DoMouseEnterEvent(IDName);
    ShowLayer();
}

void TlxActiveSkinObject::MouseLeave() {
    FMouseIn = Active = false;
    if (!ActiveSkinRect.IsEmpty()) Redraw();
    Parent->DoMouseLeaveEvent(IDName);
    HideLayer();
}

bool TlxActiveSkinObject::EnableMorphing() const {
    TlxSkinData* sd = Parent ? Parent->SkinData() : nullptr;
    return Morphing && sd && !sd->Empty && sd->EnableSkinEffects();
}

void TlxActiveSkinObject::DoMorphing() {
    SetMorphKf(Active ? FMorphKf + 0.2 : FMorphKf - 0.2);
    Parent->DrawSkinObject(this);
}

void TlxActiveSkinObject::Redraw() {
    Parent->DrawSkinObject(this);
}

void TlxActiveSkinObject::SetMorphKf(double Value) {
    FMorphKf = std::clamp(Value, 0.0, 1.0);
}
