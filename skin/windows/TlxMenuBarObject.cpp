#include "skin/windows/TlxMenuBarObject.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/vcl/TTimer.h"
#include "skin/engine/DataSkinObjects.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinRects.h"
#include "skin/engine/TlxEffectBmp.h"
#include "skin/windows/TlxActiveSkinObject.h"
#include "skin/windows/TlxSkinMainMenuBar.h"

#include <algorithm>

TlxMenuBarObject::TlxMenuBarObject(TlxSkinMainMenuBar* AParent, TlxDataSkinObject* AData) : Parent(AParent) {
    if (!AData) return;
    IDName = AData->IDName;
    SkinRect = AData->SkinRect;
    ActiveSkinRect = AData->ActiveSkinRect;
    DownRect = AData->ActiveSkinRect;
    Morphing = AData->Morphing;
    MorphKind = AData->MorphKind;
    ObjectRect = SkinRect;
    if (TlxSkinData* sd = AParent->SkinData()) Picture = sd->ActivePicture(AData->ActivePictureIndex);
    if (IsNullRect(AData->ActiveSkinRect)) AData->Morphing = false;
}

void TlxMenuBarObject::SetMorphKf(double Value) {
    FMorphKf = std::clamp(Value, 0.0, 1.0);
}

bool TlxMenuBarObject::EnableMorphing() const {
    TlxSkinData* sd = Parent->SkinData();
    return Morphing && Picture && sd && !sd->Empty && sd->EnableSkinEffects();
}

void TlxMenuBarObject::ReDraw() {
    if (EnableMorphing())
        Parent->MorphTimer->SetEnabled(true);
    else
        Parent->DrawItem(this);
}

void TlxMenuBarObject::Draw(TCanvas*) {}

void TlxMenuBarObject::MouseDown(int, int, TMouseButton) {}

void TlxMenuBarObject::MouseUp(int, int, TMouseButton) {}

void TlxMenuBarObject::MouseEnter() {
    FMouseIn = true;
    Active = true;
    ReDraw();
}

void TlxMenuBarObject::MouseLeave() {
    FMouseIn = false;
    Active = false;
    ReDraw();
}

bool TlxMenuBarObject::CanMorphing() {
    if (FDown && !IsNullRect(DownRect)) return false;
    return Active ? FMorphKf < 1 : FMorphKf > 0;
}

void TlxMenuBarObject::DoMorphing() {
    SetMorphKf(FMorphKf + (Active ? 0.2 : -0.2));
    Parent->DrawItem(this);
}

void TlxMenuBarObject::DrawMorph(TCanvas* Cnvs, const TBitmap& From, const TBitmap& To) const {
    TlxEffectBmp a = TlxEffectBmp::CreateFromhWnd(From);
    ApplyMorph(a, TlxEffectBmp::CreateFromhWnd(To), FMorphKf, MorphKind);
    a.Draw(Cnvs->Handle(), ObjectRect.Left, ObjectRect.Top);
}
