#pragma once

#include "platform/gdi/TBitmap.h"
#include "skin/controls/TlxSkinButtonFaces.h"
#include "skin/controls/TlxSkinCustomControl.h"
#include "skin/engine/ButtonLayout.h"
#include "skin/engine/SkinTypes.h"

#include <functional>
#include <memory>

class TCanvas;
class TCustomForm;
class TlxLayerManager;

// The windowed push button drawn from the description named by SkinDataName
// ("button"): five state images, a cross-fade between the normal and the hot
// image, a frame animation, a glow layer around it while the pointer is over
// it, repeated clicks while held, groups of toggling buttons, and the form's
// default and cancel button. Without a description it draws a flat built-in
// look.
//
// Input and focus handlers change FMouseIn, FDown, FMouseDown, FActive and
// the three timers' positions (FMorphKf, CurrentFrame) and nothing else; Paint
// reads Look() and hands it to the skinned or the built-in drawing routine.
class TlxSkinButton : public TlxSkinCustomControl, protected TlxSkinButtonFaces {
public:
    explicit TlxSkinButton(TComponent* AOwner);
    ~TlxSkinButton() override;

    // Clears the hot and pressed state after the application changed the
    // button from code, and repaints.
    void RefreshButton();
    // Performs the click: the form's modal result, then OnClick or the action.
    virtual void ButtonClick();
    void ShowLayer();
    void HideLayer();

    TBitmap* Glyph() { return &FGlyph; }
    void SetGlyph(const TBitmap& Value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    TCustomImageList* ImageList() const { return FImageList.Get(); }
    void SetImageList(TCustomImageList* Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    TlxButtonLayout Layout() const { return FLayout; }
    void SetLayout(TlxButtonLayout Value);
    bool Down() const { return FDown; }
    void SetDown(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    // A group button cannot take the focus.
    void SetGroupIndex(int Value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
    bool CanFocused() const { return FCanFocused; }
    // Also sets TabStop.
    void SetCanFocused(bool Value);
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    int ModalResult() const { return FModalResult; }
    void SetModalResult(int Value) { FModalResult = Value; }
    bool RepeatMode() const { return FRepeatMode; }
    void SetRepeatMode(bool Value) { FRepeatMode = Value; }
    int RepeatInterval() const { return FRepeatInterval; }
    void SetRepeatInterval(int Value) { FRepeatInterval = Value; }
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool Value);
    bool UseSkinFontColor() const { return FUseSkinFontColor; }
    void SetUseSkinFontColor(bool Value) { FUseSkinFontColor = Value; }
    bool AlwaysShowLayeredFrame() const { return FAlwaysShowGlowFrame; }
    void SetAlwaysShowLayeredFrame(bool Value) { FAlwaysShowGlowFrame = Value; }
    bool SpaceSupport() const { return FSpaceSupport; }
    void SetSpaceSupport(bool Value) { FSpaceSupport = Value; }

    // State the looks are drawn from, open for tests and derived buttons.
    bool MouseIn() const { return FMouseIn; }
    bool Active() const { return FActive; }
    double MorphKf() const { return FMorphKf; }
    bool LayerVisible() const;
    // The look Paint draws for the current state (after a lookup).
    TlxButtonLook Look() const;

    TlxButtonPaintEvent OnPaint;

    void ChangeSkinData() override;
    void BeforeChangeSkinData() override;

protected:
    // The image of one state: background from rectangle R of the picture,
    // then the focus rectangle, OnPaint and the content.
    virtual void CreateButtonImage(TBitmap& B, const TRect& R, bool IsDown, bool IsActive);

    void GetSkinData() override;
    void CalcSize(int& W, int& H) override;
    void DrawControl() override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap&) override {}
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;

    bool EffectsOn() const;
    bool MorphOn() const { return EffectsOn() && Morphing; }
    bool FocusedHot() const { return FCanFocused && Focused(); }
    // The pressed row of the looks.
    bool ShowsPressed() const;

    // Copies of the description besides the faces.
    TRect FocusedSkinRect;
    bool ShowFocus = false;
    int GlowLayerPictureIndex = -1, GlowLayerMaskPictureIndex = -1;
    int GlowLayerOffsetLeft = 0, GlowLayerOffsetRight = 0, GlowLayerOffsetTop = 0, GlowLayerOffsetBottom = 0;
    int GlowLayerShowOffsetX = 0, GlowLayerShowOffsetY = 0, GlowLayerAlphaBlendValue = 0;

    // Frame shown by the animation, 1-based; 0 while none runs.
    int CurrentFrame = 0;
    bool AnimateInc = true;

    bool FMouseIn = false;
    bool FDown = false;
    bool FMouseDown = false;
    bool FActive = false;

private:
    enum : uintptr_t { MorphTimer = 1, AnimateTimer = 2, RepeatTimer = 3 };

    void StartMorph();
    void StopMorph();
    void MorphStep();
    // Starts the fade on a skinned button with morph on, else repaints.
    void MorphOrRepaint();
    void StartAnimate(bool Forward);
    void StopAnimate();
    void AnimateStep();
    bool Animating() const { return FAnimating; }
    void StartRepeat();
    void StopRepeat();
    bool HasAnimation() const { return Skinned() && EffectsOn() && !AnimateSkinRect.IsEmpty(); }
    // The button reacts to the pointer coming or going.
    bool Reacts() const { return FGroupIndex != 0 ? !FDown : !FocusedHot() || FDown; }
    void MouseEnter();
    void MouseLeave();
    void FocusChanged(TControl* Sender);
    bool DialogKey(uint16_t Key);
    bool DialogChar(char32_t Key);
    void DrawContent(TCanvas& C, const TRect& R, bool IsDown, bool IsActive, bool PressOffset,
                     int GlyphIndex);
    void DrawMorph(TCanvas& C);
    void PaintSkinned();
    // The glow picture Index grown to the button's size; false for none.
    bool GlowPicture(int Index, TBitmap& Out);

    bool FAlwaysShowGlowFrame = false;
    std::unique_ptr<TlxLayerManager> FLayerManager;
    bool FSpaceSupport = true;
    bool FUseSkinFontColor = true;
    bool FUseSkinSize = true;
    bool FRepeatMode = false;
    int FRepeatInterval = 100;
    bool FRepeatStarted = false; // the 500 ms wait is over
    bool FAllowAllUp = false;
    bool FAllowAllUpCheck = false;
    bool FDefault = false;
    bool FCancel = false;
    int FModalResult = 0;
    bool FClicksDisabled = false;
    bool FCanFocused = true;
    int FGroupIndex = 0;
    TBitmap FGlyph;
    int FNumGlyphs = 1;
    int FMargin = -1;
    int FSpacing = 1;
    TlxButtonLayout FLayout = blGlyphLeft;
    bool FMorphing = false; // the morph timer runs
    double FMorphKf = 0;
    bool FAnimating = false;
    // SkinRect, or the animation's frame while it runs backward.
    TRect FNormalRect;
    TComponentRef<TCustomImageList> FImageList{this, [this] { Invalidate(); }};
    int FImageIndex = -1;
};
