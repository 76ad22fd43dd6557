#pragma once

#include "platform/vcl/TComponentRef.h"
#include "skin/controls/SkinLabelText.h"
#include "skin/controls/TlxSkinClient.h"
#include "skin/engine/SkinData.h"

#include <string>

// What the standard and the text label add to their platform base (TBase):
// the skin they follow, their description ("stdlabel") and the choice of
// font. A label looks its description up before every drawing.
template <class TBase> class TlxSkinnedLabel : public TBase, public TlxSkinClient {
public:
    explicit TlxSkinnedLabel(TComponent* AOwner) : TBase(AOwner) {}

    TlxSkinData* SkinData() const override { return FSD.Get(); }
    // A skin that is set applies at once.
    void SetSkinData(TlxSkinData* Value) {
        FSD.Set(Value);
        if (Value) ChangeSkinData();
    }
    const std::string& SkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
    bool UseSkinColor() const { return FUseSkinColor; }
    void SetUseSkinColor(bool Value) { FUseSkinColor = Value; }
    TFont* DefaultFont() { return &FDefaultFont; }
    void SetDefaultFont(const TFont& Value) { FDefaultFont.Assign(Value); }
    int SkinIndex() const { return FSkin.Index; }

    void BeforeChangeSkinData() override { FSkin = {}; }
    void ChangeSkinData() override {
        GetSkinData();
        if (this->AutoSize()) AdjustBounds();
        this->Invalidate();
    }

protected:
    virtual void AdjustBounds() = 0;
    void GetSkinData() { FSkin = LookUpLabelSkin(FSD.Get(), FSkinDataName); }
    // The description's font as last looked up.
    const TlxLabelSkin& LabelSkin() const { return FSkin; }
    // The label's font for drawing, on C.
    void SetLabelFont(TCanvas& C) {
        ChooseLabelFont(*C.Font(), FSkin, FSD.Get(), FUseSkinFont, FUseSkinColor, FDefaultFont, this->FFont);
    }
    void DrawLabel(TCanvas& C, const std::string& Text, TRect& R, uint32_t Flags) {
        DrawLabelText(C, Text, R, Flags, this->Enabled(), FSkin, FSD.Get());
    }

private:
    TComponentRef<TlxSkinData> FSD{this};
    std::string FSkinDataName = "stdlabel";
    TFont FDefaultFont;
    bool FUseSkinFont = true;
    bool FUseSkinColor = true;
    TlxLabelSkin FSkin;
};
