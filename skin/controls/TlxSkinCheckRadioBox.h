#pragma once

#include "skin/controls/TlxSkinCustomControl.h"

enum TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// One control for the check box (with an optional grayed third state) and,
// with Radio on, the radio button whose checked siblings of the same group
// are unchecked. The flat look (the default) is transparent: the parent's
// image, a check image cut from the description named by SkinDataName
// ("checkbox") and the caption. The framed look is a full skinned control
// with its own background and the check image and caption in areas the
// description gives.
//
// Input and focus handlers change FState, FChecked and FMouseIn and nothing
// else; painting reads them (enabled, hot, state) and draws one of the looks.
class TlxSkinCheckRadioBox : public TlxSkinCustomControl {
public:
    explicit TlxSkinCheckRadioBox(TComponent* AOwner);

    bool Checked() const { return FChecked; }
    // OnClick follows: for a radio button only when it is now checked.
    void SetChecked(bool Value);
    TCheckBoxState State() const { return FState; }
    // OnClick follows.
    void SetState(TCheckBoxState Value);
    // The user's action: a check box inverts, a radio button becomes checked.
    virtual void Toggle();

    bool Radio() const { return FRadio; }
    // In a designer (not while loading) also picks "radiobox" and group 1,
    // or "checkbox" and group 0.
    void SetRadio(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value) { FGroupIndex = Value; }
    bool AllowGrayed() const { return FAllowGrayed; }
    void SetAllowGrayed(bool Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    bool UseSkinFontColor() const { return FUseSkinFontColor; }
    void SetUseSkinFontColor(bool Value) { FUseSkinFontColor = Value; }
    TCustomImageList* Images() const { return FImages.Get(); }
    void SetImages(TCustomImageList* Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    bool CanFocused() const { return FCanFocused; }
    // Also sets TabStop.
    void SetCanFocused(bool Value);
    bool MouseIn() const { return FMouseIn; }

    // The control as it would look with Checked = AChecked, drawn into C at
    // (X, Y); the framed look without a description draws nothing.
    void PaintSkinTo(TCanvas* C, int X, int Y, bool AChecked);

    void ChangeSkinData() override;

protected:
    void GetSkinData() override;
    void CalcSize(int& W, int& H) override;
    void DrawControl() override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void CheckParentBackground() override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;

    // Copies of the description.
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight = 0;
    TColor FontColor = clBtnText, ActiveFontColor = clBtnText, FrameFontColor = clBtnText;
    TColor UnEnabledFontColor = clBtnShadow;
    TRect ActiveSkinRect, CheckImageArea, TextArea, CheckImageRect, UnCheckImageRect;
    TRect ActiveCheckImageRect, ActiveUnCheckImageRect, UnEnabledCheckImageRect, UnEnabledUnCheckImageRect;
    TRect GrayedCheckImageRect, ActiveGrayedCheckImageRect;
    // The framed look's check and caption areas at the current size.
    TRect CIRect, NewTextArea;

private:
    bool FocusedToShow() const { return FCanFocused && Focused(); }
    // The check image of a state (Hot: the pointer is over the control).
    TBitmap CheckImage(TCheckBoxState State, bool Hot);
    // The built-in box and mark at the left, vertically centred in H.
    void DrawBuiltInBox(TCanvas& C, int H, TCheckBoxState State, bool Hot);
    void DrawFlat(TBitmap& B, TCheckBoxState State, bool Hot);
    void DrawFramed(TBitmap& B, TCheckBoxState State, bool Active, bool Hot);
    // OnClick under a keep-alive; false when the control was freed.
    bool DoClick();

    bool FUseSkinFontColor = true;
    bool FWordWrap = false;
    bool FAllowGrayed = false;
    TCheckBoxState FState = cbUnchecked;
    TComponentRef<TCustomImageList> FImages{this, [this] { Invalidate(); }};
    int FImageIndex = 0;
    bool FFlat = true;
    bool FClicksDisabled = false;
    bool FCanFocused = true;
    bool FMouseIn = false;
    int FGroupIndex = 0;
    bool FChecked = false;
    bool FRadio = false;
};
