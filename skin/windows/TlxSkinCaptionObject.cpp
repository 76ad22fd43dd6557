#include "skin/windows/TlxSkinCaptionObject.h"

#include "skin/engine/DataSkinObjects.h"
#include "skin/engine/SkinData.h"
#include "skin/windows/TlxLumivex.h"

TlxSkinCaptionObject::TlxSkinCaptionObject(TlxLumivex* AParent, TlxDataSkinObject* AData)
    : TlxActiveSkinObject(AParent, AData) {
    auto* d = dynamic_cast<TlxDataSkinCaption*>(AData);
    if (!d) return;
    FontName = d->FontName;
    FontStyle = d->FontStyle;
    FontHeight = d->FontHeight;
    FontColor = d->FontColor;
    ActiveFontColor = d->ActiveFontColor;
    Shadow = d->Shadow;
    ShadowColor = d->ShadowColor;
    ActiveShadowColor = d->ActiveShadowColor;
    Light = d->Light;
    LightColor = d->LightColor;
    ActiveLightColor = d->ActiveLightColor;
    Alignment = d->Alignment;
    TextRct = d->TextRct;
    FrameRect = d->FrameRect;
    ActiveFrameRect = d->ActiveFrameRect;
    FrameLeftOffset = d->FrameLeftOffset;
    FrameRightOffset = d->FrameRightOffset;
    FrameTextRect = d->FrameTextRect;
    FullFrame = d->FullFrame;
    StretchEffect = d->StretchEffect;
    AnimateSkinRect = d->AnimateSkinRect;
    FrameCount = d->FrameCount;
    AnimateInterval = d->AnimateInterval;
    InActiveAnimation = d->InActiveAnimation;
    GlowEffect = d->GlowEffect;
    GlowInActiveEffect = d->GlowInActiveEffect;
    VistaGlowEffect = d->VistaGlowEffect;
    VistaGlowInActiveEffect = d->VistaGlowInActiveEffect;
    GlowSize = d->GlowSize;
    GlowOffset = d->GlowOffset;
    GlowColor = d->GlowColor;
    GlowActiveColor = d->GlowActiveColor;
    ReflectionEffect = d->ReflectionEffect;
    ReflectionColor = d->ReflectionColor;
    ReflectionActiveColor = d->ReflectionActiveColor;
    ReflectionOffset = d->ReflectionOffset;
}

void TlxSkinCaptionObject::Draw(TCanvas*, bool) {}

void TlxSkinCaptionObject::MouseDown(int X, int Y, TMouseButton Button) {
    Parent->DoMouseDownEvent(IDName, X, Y, ObjectRect, Button);
}

void TlxSkinCaptionObject::MouseUp(int X, int Y, TMouseButton Button) {
    Parent->DoMouseUpEvent(IDName, X, Y, ObjectRect, Button);
}

void TlxSkinCaptionObject::MouseMove(int X, int Y) {
    Parent->DoMouseMoveEvent(IDName, X, Y, ObjectRect);
}

void TlxSkinCaptionObject::MouseEnter() {
    FMouseIn = true;
    Parent->DoMouseEnterEvent(IDName);
}

void TlxSkinCaptionObject::MouseLeave() {
    FMouseIn = false;
    Parent->DoMouseLeaveEvent(IDName);
}

bool TlxSkinCaptionObject::EnableAnimation() const {
    TlxSkinData* sd = Parent->SkinData();
    return sd && sd->EnableSkinEffects() && !sd->Empty && !AnimateSkinRect.IsEmpty();
}
