#pragma once

#include "platform/base/Alignment.h"
#include "platform/base/Color.h"
#include "platform/gdi/TFont.h"
#include "skin/windows/TlxActiveSkinObject.h"

class TBitmap;
class TlxQuickButtonItems;

// The caption of a skinned frame: the form's text with its plate, light,
// shadow, glow or reflection, the caption strip cross-faded between its
// inactive and active images, and the animation played when the form is
// activated or deactivated. Its Active follows the form's activity, never
// the mouse. The component's quick buttons are drawn at its left end and
// take their mouse input through it.
class TlxSkinCaptionObject : public TlxActiveSkinObject {
public:
    TlxSkinCaptionObject(TlxLumivex* AParent, TlxDataSkinObject* AData);

    void Draw(TCanvas* Cnvs, bool UpDate) override;
    void MouseDown(int X, int Y, TMouseButton Button) override;
    void MouseUp(int X, int Y, TMouseButton Button) override;
    void MouseMove(int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;

    // A set, non-empty skin with effects and a caption animation strip.
    bool EnableAnimation() const;
    // The text area for the current width, relative to the object's top-left.
    TRect TextArea() const;

    // ---- Quick buttons (drawn, hit and clicked through the caption)
    bool HasQuickButtons() const;
    void DrawQuickButtons(TCanvas* Cnvs);
    // Hover test at X, Y (window coordinates).
    void TestQuickButtons(int X, int Y);

    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight = 0;
    TColor FontColor = 0, ActiveFontColor = 0;
    bool Shadow = false;
    TColor ShadowColor = 0, ActiveShadowColor = 0;
    bool Light = false;
    TColor LightColor = 0, ActiveLightColor = 0;
    TAlignment Alignment = taLeftJustify;
    // Relative to the object's top-left.
    TRect TextRct;
    // A plate behind the text (in ActivePicture), inactive and active.
    TRect FrameRect, ActiveFrameRect;
    int FrameLeftOffset = 0, FrameRightOffset = 0;
    TRect FrameTextRect;
    bool FullFrame = false;
    bool StretchEffect = false;
    TRect AnimateSkinRect;
    int FrameCount = 1;
    int AnimateInterval = 0;
    bool InActiveAnimation = false;
    // 0: no animation frame; FrameCount + 1: the activation animation ended.
    int CurrentFrame = 0;
    int FIncTime = 0;
    bool GlowEffect = false, GlowInActiveEffect = false;
    bool VistaGlowEffect = false, VistaGlowInActiveEffect = false;
    int GlowSize = 0, GlowOffset = 0;
    TColor GlowColor = 0, GlowActiveColor = 0;
    bool ReflectionEffect = false;
    TColor ReflectionColor = 0, ReflectionActiveColor = 0;
    int ReflectionOffset = 0;
    // The quick button under the mouse (-1: none).
    int ActiveQuickButton = -1;
    int OldActiveQuickButton = -1;

private:
    void SetCaptionFont(TCanvas* Cnvs, TColor Color) const;
    // The caption text at origin X0, Y0 (the object's top-left on Cnvs).
    void DrawCaptionText(TCanvas* Cnvs, const TRect& TA, int X0, int Y0, bool AActive);
    void DrawTextOut(TCanvas* Cnvs, int X, int Y, const std::string& Text, bool AActive);
    void DrawPlate(TCanvas* Cnvs, int X, int Y, int X0, int W, bool AActive);
    // Image R of Source at the object's size, with the skin's fixed corner columns.
    void CreateCaptionImage(TBitmap& B, const TRect& R, TBitmap* Source) const;
    // A caption image of R with the text in Color drawn for AActive.
    void CaptionImage(TBitmap& B, const TRect& R, TBitmap* Source, TColor Color, bool AActive);
    void ApplyInActiveEffect(TBitmap& B) const;
    TRect AnimationFrameRect() const;

    // Quick buttons.
    void DrawQuickButton(TCanvas* Cnvs, int Index);
    // A quick button clicks only when the left button went down and came up on it.
    void QuickMouseDown(int X, int Y, TMouseButton Button);
    void QuickMouseUp(int X, int Y, TMouseButton Button);
};
