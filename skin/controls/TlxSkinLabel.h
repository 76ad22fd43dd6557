#pragma once

#include "platform/base/Alignment.h"
#include "skin/controls/SkinControlTypes.h"
#include "skin/controls/TlxSkinCustomControl.h"

// A framed single-line label: a skin picture ("label") or a built-in bevel
// behind a caption that may carry a blurred shadow or a reflection and may
// size the label to itself.
class TlxSkinLabel : public TlxSkinCustomControl {
public:
    explicit TlxSkinLabel(TComponent* AOwner);

    bool ShadowEffect() const { return FShadowEffect; }
    void SetShadowEffect(bool Value);
    int ShadowOffset() const { return FShadowOffset; }
    void SetShadowOffset(int Value);
    int ShadowSize() const { return FShadowSize; }
    void SetShadowSize(int Value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor Value);
    bool ReflectionEffect() const { return FReflectionEffect; }
    void SetReflectionEffect(bool Value);
    int ReflectionOffset() const { return FReflectionOffset; }
    void SetReflectionOffset(int Value);
    TlxEllipsType2 EllipsType() const { return FEllipsType; }
    void SetEllipsType(TlxEllipsType2 Value);
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TlxSkinBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TlxSkinBorderStyle Value);
    bool UseSkinFontColor() const { return FUseSkinFontColor; }
    void SetUseSkinFontColor(bool Value) { FUseSkinFontColor = Value; }
    // On, the width follows the caption.
    void SetAutoSize(bool Value) override;

protected:
    // How many pixels wider the label must be to show its caption.
    virtual int GetAutoSizeDelta();
    // Grows or shrinks the width by GetAutoSizeDelta (with AutoSize).
    void AdjustWidth();
    // The text rectangle of the current look.
    TRect TextRect() const;
    void DrawLabelCaption(TCanvas& C, TRect R, const std::string& Text);

    void GetSkinData() override;
    void CalcSize(int& W, int& H) override;
    void SetControlRegion() override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void Dispatch(TMessage& Message) override;
    void SetLabelFont(TFont& F) const;

    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight = 0;
    TColor FontColor = clBtnText;

private:
    bool FShadowEffect = false;
    int FShadowOffset = 0;
    int FShadowSize = 3;
    TColor FShadowColor = clBlack;
    bool FReflectionEffect = false;
    int FReflectionOffset = -5;
    TlxEllipsType2 FEllipsType = lxetNoneEllips;
    bool FUseSkinSize = true;
    TAlignment FAlignment = taLeftJustify;
    TlxSkinBorderStyle FBorderStyle = bvFrame;
    bool FUseSkinFontColor = true;
};
