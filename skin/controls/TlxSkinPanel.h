#pragma once

#include "platform/gdi/TBitmap.h"
#include "skin/controls/SkinControlTypes.h"
#include "skin/controls/TlxSkinCustomControl.h"

#include <vector>

// The container of the skinned controls: background and frame from its
// description ("panel") or a built-in frame, and optionally a caption bar with
// a glyph or image, a check box that enables the children, and a roll-up
// marker that folds the panel to its caption.
class TlxSkinPanel : public TlxSkinCustomControl {
public:
    explicit TlxSkinPanel(TComponent* AOwner);

    TlxSkinBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TlxSkinBorderStyle Value);
    bool CaptionMode() const { return FCaptionMode; }
    virtual void SetCaptionMode(bool Value);
    int DefaultCaptionHeight() const { return FDefaultCaptionHeight; }
    virtual void SetDefaultCaptionHeight(int Value);
    TAlignment DefaultAlignment() const { return FDefaultAlignment; }
    void SetDefaultAlignment(TAlignment Value);
    bool RibbonStyle() const { return FRibbonStyle; }
    void SetRibbonStyle(bool Value);
    // A strip of NumGlyphs frames; frame 2 is shown while disabled.
    TBitmap* Glyph() { return &FGlyph; }
    void SetGlyph(const TBitmap& Value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);
    TCustomImageList* CaptionImageList() const { return FCaptionImageList.Get(); }
    void SetCaptionImageList(TCustomImageList* Value);
    int CaptionImageIndex() const { return FCaptionImageIndex; }
    void SetCaptionImageIndex(int Value);
    TlxImagePosition ImagePosition() const { return FImagePosition; }
    void SetImagePosition(TlxImagePosition Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    bool CheckedMode() const { return FCheckedMode; }
    void SetCheckedMode(bool Value);
    bool Checked() const { return FChecked; }
    // OnChecked follows every call, also when the value stays.
    void SetChecked(bool Value);
    bool AutoEnabledControls() const { return FAutoEnabledControls; }
    void SetAutoEnabledControls(bool Value) { FAutoEnabledControls = Value; }
    bool RollUpMode() const { return FRollUpMode; }
    void SetRollUpMode(bool Value);
    bool RollUpState() const { return FRollUpState; }
    void SetRollUpState(bool Value);
    // The height before folding; -1 while unfolded.
    int RealHeight() const { return FRealHeight; }
    bool TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(bool Value);

    // Folds (ARollUp) or unfolds the panel; any other call changes nothing.
    void DoRollUp(bool ARollUp);
    // (0, 0, Width, Height) through AdjustClientRect.
    void GetSkinClientRect(TRect& R);
    // The panel's built-in or skinned image drawn into C at (X, Y).
    void PaintSkinTo(TCanvas* C, int X, int Y);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void ChangeSkinData() override;

    TNotifyEvent OnChecked;
    TNotifyEvent OnChangeRollUpState;

protected:
    // Draws the client area in the transparent paint paths; nothing here.
    virtual void PaintClient(TCanvas* C) { (void)C; }

    bool CanAutoSize(int& NewWidth, int& NewHeight) override;
    void AdjustClientRect(TRect& Rect) override;
    void CreateParams(TCreateParams& Params) override;
    void GetSkinData() override;
    void DrawControl() override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void Dispatch(TMessage& Message) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

    // Copies of the panel description.
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight = 0;
    TColor FontColor = clBtnText;
    TAlignment Alignment = taLeftJustify;
    TRect CaptionRect;
    int BGPictureIndex = -1;
    TRect CheckImageRect, UnCheckImageRect, MarkFrameRect, FrameRect, FrameTextRect;
    int FrameLeftOffset = 0, FrameRightOffset = 0;
    // The caption rectangle at the current size.
    TRect NewCaptionRect;

private:
    // The image or glyph of the caption and its width (0: none).
    int CaptionImageWidth() const;
    void DrawCaptionImage(TCanvas& C, int X, const TRect& R);
    void DrawSkinCaption(TBitmap& B);
    void DrawCaptionFrame(TCanvas& C, int& TextX, int& ImageX, int TextWidth);
    void PaintTransparent(bool WithCaption);
    void PaintBackgroundPicture(TBitmap* BG);
    void SetCaptionFont(TCanvas& C);
    bool InCaption(int X, int Y) const;
    // The caption rectangle of the description at the current size.
    TRect SkinCaptionRect() const;

    TlxSkinBorderStyle FBorderStyle = bvFrame;
    bool FCaptionMode = false;
    int FDefaultCaptionHeight = 22;
    TAlignment FDefaultAlignment = taLeftJustify;
    bool FRibbonStyle = false;
    TBitmap FGlyph;
    int FNumGlyphs = 1;
    TComponentRef<TCustomImageList> FCaptionImageList{this, [this] { Invalidate(); }};
    int FCaptionImageIndex = -1;
    TlxImagePosition FImagePosition = lxipDefault;
    int FSpacing = 2;
    bool FCheckedMode = false;
    bool FChecked = false;
    bool FAutoEnabledControls = true;
    bool FRollUpMode = false;
    bool FRollUpState = false;
    int FRealHeight = -1;
    bool FTransparentMode = false;
    bool FInChangingRollUp = false;
    // The size limits a fold took away, put back when it unfolds.
    bool FConstraintsSaved = false;
    int FCMaxWidth = 0, FCMinWidth = 0, FCMaxHeight = 0, FCMinHeight = 0;
    // The children a fold hid; an unfold shows only these.
    std::vector<TControl*> FFoldHidden;
};
