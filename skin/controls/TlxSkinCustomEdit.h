#pragma once

#include "platform/gdi/TFont.h"
#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/TImageList.h"
#include "skin/controls/SkinControlTypes.h"
#include "skin/controls/TlxCustomEdit.h"
#include "skin/controls/TlxSkinClient.h"
#include "skin/engine/SkinData.h"

#include <string>

class TBitmap;
class TCanvas;

// The skinned single-line edit: its frame drawn from the skin description
// ("edit", or "buttonedit" with a push button) in the window's non-client
// area, the skin's client texture painted behind the text, an optional push
// button at the right end (ButtonMode) and two image buttons inside the text
// area. Without a description (or an empty skin) it draws a built-in look.
//
// Input handlers decide the state (FMouseIn, FButtonActive, FButtonDown, the
// image buttons' MouseIn and Down, the focus); the frame and the background
// are drawn from that state only, skinned or built-in.
class TlxSkinCustomEdit : public TlxCustomEdit, public TlxSkinClient {
public:
    // Hit codes of the two image buttons.
    static constexpr int HTLEFTIMAGE = 104;
    static constexpr int HTRIGHTIMAGE = 105;

    explicit TlxSkinCustomEdit(TComponent* AOwner);

    TlxSkinData* SkinData() const override { return FSD.Get(); }
    virtual void SetSkinData(TlxSkinData* Value);
    const std::string& SkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
    // -1: the built-in look.
    int SkinIndex() const { return FIndex; }
    void BeforeChangeSkinData() override { FIndex = -1; }
    void ChangeSkinData() override;

    TColor DefaultColor() const { return FDefaultColor; }
    void SetDefaultColor(TColor Value);
    int DefaultWidth() const { return FDefaultWidth; }
    void SetDefaultWidth(int Value);
    int DefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int Value);
    TFont* DefaultFont() { return &FDefaultFont; }
    void SetDefaultFont(const TFont& Value);
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    bool ButtonMode() const { return FButtonMode; }
    void SetButtonMode(bool Value);

    TCustomImageList* Images() const { return FImages.Get(); }
    void SetImages(TCustomImageList* Value);
    int LeftImageIndex() const { return FLeftImageIndex; }
    void SetLeftImageIndex(int Value);
    int LeftImageHotIndex() const { return FLeftImageHotIndex; }
    void SetLeftImageHotIndex(int Value) { FLeftImageHotIndex = Value; }
    int LeftImageDownIndex() const { return FLeftImageDownIndex; }
    void SetLeftImageDownIndex(int Value) { FLeftImageDownIndex = Value; }
    int RightImageIndex() const { return FRightImageIndex; }
    void SetRightImageIndex(int Value);
    int RightImageHotIndex() const { return FRightImageHotIndex; }
    void SetRightImageHotIndex(int Value) { FRightImageHotIndex = Value; }
    int RightImageDownIndex() const { return FRightImageDownIndex; }
    void SetRightImageDownIndex(int Value) { FRightImageDownIndex = Value; }

    // The push button in window coordinates, the text area (the client area)
    // in window coordinates, and the image buttons in client coordinates.
    const TRect& ButtonRect() const { return FButtonRect; }
    const TRect& EditRect() const { return FEditRect; }
    const TlxCBButtonX& LeftImageButton() const { return LeftButton; }
    const TlxCBButtonX& RightImageButton() const { return RightButton; }
    bool ButtonDown() const { return FButtonDown; }
    bool ButtonActive() const { return FButtonActive; }
    bool MouseIn() const { return FMouseIn; }

    // The edit showing AText drawn onto a foreign canvas at (X, Y).
    void PaintSkinTo(TCanvas* Canvas, int X, int Y, const std::string& AText);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Invalidate() override;
    void Loaded() override;

    TNotifyEvent OnButtonClick;
    TNotifyEvent OnLeftButtonClick;
    TNotifyEvent OnRightButtonClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void PaintWindow(HDC DC) override;
    void PaintBackground(HDC DC, const TRect& Client) override;

    bool Skinned() const { return FIndex != -1; }
    void GetSkinData();
    void CalcEditRect();
    // The height the font asks for: its cell height plus the frame.
    int NaturalHeight();
    void FitHeight();
    void AdjustImageButtons(bool SetRect);
    // Redraws the non-client frame now.
    void RepaintFrame();

    TlxCBButtonX LeftButton;
    TlxCBButtonX RightButton;
    TColor FDefaultColor = clWindow;
    TRect FButtonRect;
    bool FButtonMode = false;
    bool FButtonDown = false;
    bool FButtonActive = false;
    TRect FEditRect;
    bool FMouseIn = false;
    int FIndex = -1;
    TFont FDefaultFont;
    bool FUseSkinFont = true;
    int FDefaultWidth = 0;
    int FDefaultHeight = 0;
    TAlignment FAlignment = taLeftJustify;
    int FLeftImageIndex = -1, FLeftImageHotIndex = -1, FLeftImageDownIndex = -1;
    int FRightImageIndex = -1, FRightImageHotIndex = -1, FRightImageDownIndex = -1;
    // The text area less the image buttons, in client coordinates.
    TRect FTextRect;

    // Copies of the description, refreshed by every lookup.
    int FPictureIndex = -1;
    int LOffset = 0, ROffset = 0;
    TRect ClRect, SkinRect, ActiveSkinRect;
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight = 0;
    TColor FontColor = clBlack, DisabledFontColor = clGrayText, ActiveFontColor = clBlack;
    TRect ButtonRectSkin, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
    bool StretchEffect = false;

private:
    TBitmap* Picture() const;
    // The frame at the control's size (built-in, three-part or nine-part).
    void DrawFrameImage(TBitmap& B);
    void DrawEditButton(TCanvas& C);
    void DrawEditBackground(TCanvas& C, const TRect& Dest);
    void DrawImageButtons(TCanvas& C);
    // AText in R with the font on C, placed by Alignment.
    void DrawAlignedText(TCanvas& C, const TRect& R, const std::string& AText);
    void SetDisplayFont(TFont& F, bool Disabled);
    void NcHitTest(TMessage& Message);
    void NcMouse(TMessage& Message);
    void SetHotImages(bool Left, bool Right);
    void FocusChanged(bool Focus);
    void MouseEnterLeave(bool Enter);

    TComponentRef<TlxSkinData> FSD{this};
    std::string FSkinDataName = "edit";
    TComponentRef<TCustomImageList> FImages{this};
};

// The published form of the skinned edit.
class TlxSkinEdit : public TlxSkinCustomEdit {
public:
    using TlxSkinCustomEdit::TlxSkinCustomEdit;
};
