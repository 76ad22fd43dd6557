#include "skin/windows/TlxActiveSkinObject.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/vcl/TTimer.h"
#include "platform/win/WinApi.h"
#include "skin/controls/SkinControlDrawing.h"
#include "skin/engine/DataSkinObjects.h"
#include "skin/engine/OsVersion.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinRects.h"
#include "skin/engine/TlxEffectBmp.h"
#include "skin/engine/TlxLayerManager.h"
#include "skin/windows/SkinObjectSupport.h"
#include "skin/windows/TlxLumivex.h"

#include <algorithm>

namespace {

// One step of a cross-fade; five take it from one end to the other.
constexpr double MorphStep = 0.2;

} // namespace

void ApplyMorph(TlxEffectBmp& From, const TlxEffectBmp& To, double Kf, TlxMorphKind Kind) {
    switch (Kind) {
    case mkDefault:
        From.Morph(To, Kf);
        break;
    case mkGradient:
        From.MorphGrad(To, Kf);
        break;
    case mkLeftGradient:
        From.MorphLeftGrad(To, Kf);
        break;
    case mkRightGradient:
        From.MorphRightGrad(To, Kf);
        break;
    case mkLeftSlide:
        From.MorphLeftSlide(To, Kf);
        break;
    case mkRightSlide:
        From.MorphRightSlide(To, Kf);
        break;
    case mkPush:
        From.MorphPush(To, Kf);
        break;
    }
}

TlxActiveSkinObject::TlxActiveSkinObject(TlxLumivex* AParent, TlxDataSkinObject* AData)
    : Parent(AParent), SD(AParent->SkinData()) {
    if (SD) Picture = SD->FPicture.get();
    if (!AData) return;
    IDName = AData->IDName;
    Hint = AData->Hint;
    if (SD) {
        ActivePicture = SD->ActivePicture(AData->ActivePictureIndex);
        ActiveMaskPicture = SD->ActivePicture(AData->ActiveMaskPictureIndex);
    }
    SkinRectInAPicture = AData->SkinRectInAPicture;
    SkinRect = AData->SkinRect;
    ActiveSkinRect = AData->ActiveSkinRect;
    InActiveSkinRect = AData->InActiveSkinRect;
    // A description without an existing active picture has no hovered image;
    // the object keeps what it copied.
    if (!ActivePicture) AData->ActiveSkinRect = NullRect();
    Morphing = AData->Morphing;
    MorphKind = AData->MorphKind;
    GlowLayerPictureIndex = AData->GlowLayerPictureIndex;
    GlowLayerMaskPictureIndex = AData->GlowLayerMaskPictureIndex;
    GlowLayerOffsetX = AData->GlowLayerOffsetX;
    GlowLayerOffsetY = AData->GlowLayerOffsetY;
    GlowLayerAlphaBlendValue = AData->GlowLayerAlphaBlendValue;
    ObjectRect = SkinRect;
    if (IsNullRect(ActiveSkinRect)) Morphing = false;
}

bool TlxActiveSkinObject::SkinUsable() const {
    const TlxSkinData* skin = Parent->SkinData();
    return skin && !skin->Empty;
}

bool TlxActiveSkinObject::PtInMask(int X, int Y) {
    if (!SkinUsable() || !ActiveMaskPicture) return true;
    if (X < 0 || Y < 0 || X >= ActiveMaskPicture->Width() || Y >= ActiveMaskPicture->Height()) return false;
    return (ActiveMaskPicture->ScanLine(Y)[X] & 0xFFFFFF) == 0;
}

TlxLayerManager* TlxActiveSkinObject::GlowManager() const {
    return Parent->FLayerManager;
}

bool TlxActiveSkinObject::GlowAllowed() const {
    const TlxSkinData* skin = Parent->SkinData();
    // The glow pictures come from the skin the object was made from.
    return SkinUsable() && skin == SD && GlowLayerPictureIndex != -1 && IsWindows2000OrLater() &&
           LayeredWindowsSupported() && skin->ShowCaptionButtonGlowFrames();
}

TRect TlxActiveSkinObject::ScreenRect() const {
    return ObjectScreenRect(Parent, ObjectRect);
}

void TlxActiveSkinObject::ShowLayer() {
    if (!GlowAllowed()) return;
    TlxLayerManager* manager = GlowManager();
    if (!manager) return;
    const TRect r = ScreenRect();
    manager->Show(r.Left - GlowLayerOffsetX, r.Top - GlowLayerOffsetY,
                  SD->ActivePicture(GlowLayerPictureIndex), SD->ActivePicture(GlowLayerMaskPictureIndex),
                  GlowLayerAlphaBlendValue);
}

void TlxActiveSkinObject::HideLayer() {
    if (!GlowAllowed()) return;
    if (TlxLayerManager* manager = GlowManager()) manager->Hide();
}

bool TlxActiveSkinObject::EnableMorphing() const {
    const TlxSkinData* skin = Parent->SkinData();
    return Morphing && skin && !skin->Empty && skin->EnableSkinEffects();
}

bool TlxActiveSkinObject::CanMorphing() {
    return (Active && FMorphKf < 1) || (!Active && FMorphKf > 0);
}

void TlxActiveSkinObject::SetMorphKf(double Value) {
    // Steps of 0.2 do not add up exactly: a value a hair from an end is the end.
    constexpr double eps = 1e-9;
    if (Value < eps) Value = 0;
    if (Value > 1 - eps) Value = 1;
    FMorphKf = Value;
}

void TlxActiveSkinObject::DoMorphing() {
    SetMorphKf(Active ? FMorphKf + MorphStep : FMorphKf - MorphStep);
    Parent->DrawSkinObject(this);
}

void TlxActiveSkinObject::Redraw() {
    if (EnableMorphing())
        Parent->MorphTimer->SetEnabled(true);
    else
        Parent->DrawSkinObject(this);
}

void TlxActiveSkinObject::DrawPart(TCanvas* Cnvs, TBitmap* Source, const TRect& R) const {
    if (IsNullRect(R) || IsNullRect(ObjectRect)) return;
    CopyPicturePart(*Cnvs, ObjectRect, Source, R);
}

void TlxActiveSkinObject::DrawMorph(TCanvas* Cnvs, TBitmap* FromPicture, const TRect& From,
                                    const TRect& To) const {
    const int w = RectWidth(ObjectRect), h = RectHeight(ObjectRect);
    if (w <= 0 || h <= 0 || !FromPicture || !ActivePicture) return;
    TBitmap normal(w, h), active(w, h);
    CopyPicturePart(*normal.Canvas(), {0, 0, w, h}, FromPicture, From);
    CopyPicturePart(*active.Canvas(), {0, 0, w, h}, ActivePicture, To);
    TlxEffectBmp a = TlxEffectBmp::CreateFromhWnd(normal);
    const TlxEffectBmp b = TlxEffectBmp::CreateFromhWnd(active);
    ApplyMorph(a, b, FMorphKf, MorphKind);
    a.Draw(Cnvs->Handle(), ObjectRect.Left, ObjectRect.Top);
}

void TlxActiveSkinObject::DrawBase(TCanvas* Cnvs, bool UpDate) {
    if (!SkinUsable()) return;
    if (Enabled && !Parent->GetFormActive() && !IsNullRect(InActiveSkinRect))
        DrawPart(Cnvs, ActivePicture, InActiveSkinRect);
    else if (EnableMorphing() && MorphInProgress())
        DrawMorph(Cnvs, NormalPicture(), SkinRect, ActiveSkinRect);
    else if (Active && !IsNullRect(ActiveSkinRect))
        DrawPart(Cnvs, ActivePicture, ActiveSkinRect);
    else if (UpDate || SkinRectInAPicture)
        DrawPart(Cnvs, NormalPicture(), SkinRect);
}

void TlxActiveSkinObject::Draw(TCanvas* Cnvs, bool UpDate) {
    DrawBase(Cnvs, UpDate);
}

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
    FMouseIn = true;
    Active = true;
    if (!IsNullRect(ActiveSkinRect)) Redraw();
    if (!Survives([&] { Parent->DoMouseEnterEvent(IDName); })) return;
    ShowLayer();
}

void TlxActiveSkinObject::MouseLeave() {
    FMouseIn = false;
    Active = false;
    if (!IsNullRect(ActiveSkinRect)) Redraw();
    if (!Survives([&] { Parent->DoMouseLeaveEvent(IDName); })) return;
    HideLayer();
}
