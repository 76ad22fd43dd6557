#pragma once

#include "platform/gdi/TBitmap.h"
#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/TImageList.h"
#include "skin/controls/TlxGraphicSkinCustomControl.h"
#include "skin/controls/TlxSkinButtonFaces.h"
#include "skin/controls/TlxSkinImagesMenu.h"
#include "skin/engine/ButtonLayout.h"

class TTimer;

// The windowless tool button drawn from the description named by
// SkinDataName ("toolbutton"): the push button's state images, cross-fade,
// frame animation, repeat and groups, without focus or glow. It can be flat
// (and then transparent on its parent), takes its image from the lists of a
// skinned tool bar it sits on, and switches its width with ShowCaption.
//
// Mouse handlers change FMouseIn, FDown and FMouseDown and the timers'
// positions (FMorphKf, CurrentFrame) and nothing else; Paint reads Look()
// and hands it to the skinned or the built-in drawing routine.
class TlxSkinSpeedButton : public TlxGraphicSkinCustomControl, protected TlxSkinButtonFaces {
public:
    explicit TlxSkinSpeedButton(TComponent* AOwner);
    ~TlxSkinSpeedButton() override;

    // Clears the hot and pressed state after the application changed the
    // button from code, and repaints.
    void RefreshButton();
    // Performs the click: OnClick.
    virtual void ButtonClick();

    TBitmap* Glyph() { return &FGlyph; }
    void SetGlyph(const TBitmap& Value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    TCustomImageList* ImageList() const { return FButtonImages.Get(); }
    void SetImageList(TCustomImageList* Value);
    int ImageIndex() const { return FImageIndex; }
    // Also the index into the lists of a skinned tool bar the button sits on.
    void SetImageIndex(int Value);
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    TlxButtonLayout Layout() const { return FLayout; }
    void SetLayout(TlxButtonLayout Value);
    bool Down() const { return FDown; }
    // Releases the other down speed buttons of the parent's group unless
    // AllowAllUp.
    void SetDown(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value) { FGroupIndex = Value; }
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
    bool RepeatMode() const { return FRepeatMode; }
    void SetRepeatMode(bool Value) { FRepeatMode = Value; }
    int RepeatInterval() const { return FRepeatInterval; }
    void SetRepeatInterval(int Value) { FRepeatInterval = Value; }
    bool Flat() const { return FFlat; }
    // A flat button is transparent.
    void SetFlat(bool Value);
    // True when the control style lacks csOpaque.
    bool Transparent() const { return !ControlStyle().Contains(csOpaque); }
    void SetTransparent(bool Value);
    bool ShowCaption() const { return FShowCaption; }
    // Takes WidthWithCaption or WidthWithoutCaption when both are set.
    void SetShowCaption(bool Value);
    int WidthWithCaption() const { return FWidthWithCaption; }
    void SetWidthWithCaption(int Value) { FWidthWithCaption = Value; }
    int WidthWithoutCaption() const { return FWidthWithoutCaption; }
    void SetWidthWithoutCaption(int Value) { FWidthWithoutCaption = Value; }
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool Value);
    bool UseSkinFontColor() const { return FUseSkinFontColor; }
    void SetUseSkinFontColor(bool Value) { FUseSkinFontColor = Value; }
    // A colour bar under the glyph or caption.
    bool DrawColorMarker() const { return FDrawColorMarker; }
    void SetDrawColorMarker(bool Value);
    TColor ColorMarkerValue() const { return FColorMarkerValue; }
    void SetColorMarkerValue(TColor Value);
    // An images menu whose chosen item the button shows: its picture with
    // UseImagesMenuImage, and also its caption with UseImagesMenuCaption. A
    // new choice in the menu repaints the button.
    TlxSkinImagesMenu* SkinImagesMenu() const { return FSkinImagesMenu.Get(); }
    void SetSkinImagesMenu(TlxSkinImagesMenu* Value);
    bool UseImagesMenuImage() const { return FUseImagesMenuImage; }
    void SetUseImagesMenuImage(bool Value);
    bool UseImagesMenuCaption() const { return FUseImagesMenuCaption; }
    void SetUseImagesMenuCaption(bool Value);

    // State the looks are drawn from, open for tests and derived buttons.
    bool MouseIn() const { return FMouseIn; }
    double MorphKf() const { return FMorphKf; }
    // The look Paint draws for the current state (after a lookup).
    TlxButtonLook Look() const;

    TlxButtonPaintEvent OnPaint;

    void ChangeSkinData() override;

protected:
    // The image of one state: background from rectangle R of the picture,
    // then OnPaint and the content.
    virtual void CreateButtonImage(TBitmap& B, const TRect& R, bool IsDown, bool IsActive);

    void GetSkinData() override;
    void CalcSize(int& W, int& H) override;
    void DrawControl() override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap&) override {}
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    virtual void MouseEnter();
    virtual void MouseLeave();

    bool EffectsOn() const;
    bool MorphOn() const { return EffectsOn() && Morphing; }
    // Down, and the pointer over it or grouped.
    virtual bool ShowsPressed() const { return FDown && (FMouseIn || FGroupIndex != 0); }
    // The caption drawn: empty while ShowCaption is off.
    std::string ShownCaption() const { return FShowCaption ? Caption() : std::string(); }
    // The content of a state in R: the tool bar's or the own image, else the
    // glyph.
    virtual void DrawContent(TCanvas& C, const TRect& R, bool IsDown, bool IsActive, bool PressOffset,
                             int GlyphIndex);
    // The caption font and colour of a state, OnPaint and the content in R.
    void DrawFace(TCanvas& C, const TRect& R, bool IsDown, bool IsActive);
    // The built-in background in R: pressed, hot, framed, or (flat) the
    // button face when opaque and nothing when transparent.
    void DrawDefaultBackground(TCanvas& C, const TRect& R, bool Pressed, bool Hot);
    // The same in the built-in look, from FDown and FMouseIn; Pressed moves
    // the content by a pixel.
    void DrawDefaultFace(TCanvas& C, const TRect& R, bool Pressed);
    // The idle transparent look: the content straight on the parent, no
    // background, no press offset.
    virtual void PaintTransparent();
    // That content in R, in the font and colour of the idle look.
    void PaintTransparentContent(const TRect& R);
    // The bitmap pipeline: the image of Look() drawn in one blit.
    void PaintImage();
    void StopAnimate();
    void StopRepeat();

    // Frame shown by the animation, 1-based; 0 while none runs.
    int CurrentFrame = 0;
    bool AnimateInc = true;
    bool FMouseIn = false;
    bool FDown = false;
    bool FMouseDown = false;
    double FMorphKf = 0;

private:
    void StartMorph();
    void StopMorph();
    void MorphStep();
    // Starts the fade on an opaque skinned button with morph on, else repaints.
    void MorphOrRepaint();
    void StartAnimate(bool Forward);
    void AnimateStep();
    void StartRepeat();
    void RepeatStep();
    bool HasAnimation() const { return Skinned() && EffectsOn() && !AnimateSkinRect.IsEmpty() && !FFlat; }
    bool Reacts() const { return FGroupIndex == 0 || !FDown; }
    bool DialogChar(char32_t Key);
    void DrawMorph(TCanvas& C);

    TComponentRef<TCustomImageList> FButtonImages{this, [this] { Invalidate(); }};
    TComponentRef<TlxSkinImagesMenu> FSkinImagesMenu{this, [this] { Invalidate(); }};
    bool FUseImagesMenuImage = false;
    bool FUseImagesMenuCaption = false;
    int FImageIndex = 0;
    bool FDrawColorMarker = false;
    TColor FColorMarkerValue = 0;
    bool FUseSkinSize = true;
    bool FUseSkinFontColor = true;
    bool FRepeatMode = false;
    int FRepeatInterval = 100;
    bool FFlat = false;
    bool FAllowAllUp = false;
    bool FAllowAllUpCheck = false;
    int FGroupIndex = 0;
    TBitmap FGlyph;
    int FNumGlyphs = 1;
    int FMargin = -1;
    int FSpacing = 1;
    TlxButtonLayout FLayout = blGlyphLeft;
    bool FShowCaption = true;
    int FWidthWithCaption = 0;
    int FWidthWithoutCaption = 0;
    // SkinRect, or the animation's frame while it runs backward.
    TRect FNormalRect;

    // The three timers live as long as the button; each runs while enabled.
    TTimer* MorphTimer;
    TTimer* AnimateTimer;
    TTimer* RepeatTimer;
};
