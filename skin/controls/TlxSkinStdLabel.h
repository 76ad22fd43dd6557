#pragma once

#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/TCustomLabel.h"
#include "skin/controls/SkinControlTypes.h"
#include "skin/controls/SkinLabelText.h"
#include "skin/controls/TlxSkinClient.h"

// The platform's label drawing its caption in the skin's font ("stdlabel"),
// with an ellipsis option and an embossed disabled look.
class TlxSkinStdLabel : public TCustomLabel, public TlxSkinClient {
public:
    explicit TlxSkinStdLabel(TComponent* AOwner);

    TlxSkinData* SkinData() const override { return FSD.Get(); }
    void SetSkinData(TlxSkinData* Value);
    const std::string& SkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
    TlxEllipsType EllipsType() const { return FEllipsType; }
    void SetEllipsType(TlxEllipsType Value);
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
    bool UseSkinColor() const { return FUseSkinColor; }
    void SetUseSkinColor(bool Value) { FUseSkinColor = Value; }
    TFont* DefaultFont() { return &FDefaultFont; }
    void SetDefaultFont(const TFont& Value) { FDefaultFont.Assign(Value); }
    int SkinIndex() const { return FSkin.Index; }

    void BeforeChangeSkinData() override { FSkin = {}; }
    void ChangeSkinData() override;

    // AText drawn as the label draws its caption, with the label's client
    // rectangle moved to (X, Y).
    void PaintSkinTo(TCanvas* C, int X, int Y, const std::string& AText);

protected:
    void DoDrawText(TRect& Rect, uint32_t Flags) override;

private:
    void GetSkinData() { FSkin = LookUpLabelSkin(FSD.Get(), FSkinDataName); }
    void DrawTextOn(TCanvas& C, std::string Text, TRect& Rect, uint32_t Flags);

    TlxEllipsType FEllipsType = lxetNone;
    TComponentRef<TlxSkinData> FSD{this};
    std::string FSkinDataName = "stdlabel";
    TFont FDefaultFont;
    bool FUseSkinFont = true;
    bool FUseSkinColor = true;
    TlxLabelSkin FSkin;
};
