#pragma once

#include "platform/base/Alignment.h"
#include "platform/base/Color.h"
#include "platform/gdi/TFont.h"
#include "skin/windows/TlxActiveSkinObject.h"

// The caption of a skinned frame: the form's text with its effects, the
// caption strip cross-faded between its inactive and active images, and the
// animation played when the form is activated or deactivated. Its Active
// follows the form's activity, never the mouse.
class TlxSkinCaptionObject : public TlxActiveSkinObject {
public:
    TlxSkinCaptionObject(TlxLumivex* AParent, TlxDataSkinObject* AData);

    void Draw(TCanvas* Cnvs, bool UpDate) override;
    void MouseDown(int X, int Y, TMouseButton Button) override;
    void MouseUp(int X, int Y, TMouseButton Button) override;
    void MouseMove(int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;

    bool EnableAnimation() const;

    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight = 0;
    TColor FontColor = 0, ActiveFontColor = 0;
    bool Shadow = false;
    TColor ShadowColor = 0, ActiveShadowColor = 0;
    bool Light = false;
    TColor LightColor = 0, ActiveLightColor = 0;
    TAlignment Alignment = taLeftJustify;
    TRect TextRct;
    TRect FrameRect, ActiveFrameRect;
    int FrameLeftOffset = 0, FrameRightOffset = 0;
    TRect FrameTextRect;
    bool FullFrame = false;
    bool StretchEffect = false;
    TRect AnimateSkinRect;
    int FrameCount = 0;
    int AnimateInterval = 0;
    bool InActiveAnimation = false;
    int CurrentFrame = 0;
    int FIncTime = 0;
    bool GlowEffect = false, GlowInActiveEffect = false;
    bool VistaGlowEffect = false, VistaGlowInActiveEffect = false;
    int GlowSize = 0, GlowOffset = 0;
    TColor GlowColor = 0, GlowActiveColor = 0;
    bool ReflectionEffect = false;
    TColor ReflectionColor = 0, ReflectionActiveColor = 0;
    int ReflectionOffset = 0;
    int ActiveQuickButton = -1;
    int OldActiveQuickButton = -1;
};
