#pragma once

#include "platform/vcl/TBevel.h"
#include "platform/vcl/TComponentRef.h"
#include "skin/controls/TlxSkinClient.h"

#include <string>

// The bevel drawn in the light and dark colours of the description named by
// SkinDataName ("bevel") instead of the system's, with a divider mode; on a
// tool bar that adjusts its controls it stays vertically centred.
class TlxSkinBevel : public TBevel, public TlxSkinClient {
public:
    explicit TlxSkinBevel(TComponent* AOwner);

    TlxSkinData* SkinData() const override { return FSD.Get(); }
    // Applies the skin at once.
    void SetSkinData(TlxSkinData* Value);
    const std::string& SkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
    // A line across the middle: vertical for the box, frame and side-line
    // shapes, horizontal for the top and bottom lines.
    bool DividerMode() const { return FDividerMode; }
    void SetDividerMode(bool Value);
    int SkinIndex() const { return FIndex; }

    void BeforeChangeSkinData() override { FIndex = -1; }
    void ChangeSkinData() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void Paint() override;

private:
    TComponentRef<TlxSkinData> FSD{this};
    std::string FSkinDataName = "bevel";
    bool FDividerMode = false;
    int FIndex = -1;
    TColor LightColor = clBtnHighlight;
    TColor DarkColor = clBtnShadow;
};
