#pragma once

#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/TSplitter.h"
#include "skin/controls/TlxSkinClient.h"

#include <string>

class TBitmap;

// The splitter drawn from the description named by SkinDataName ("vsplitter",
// "hsplitter" when top- or bottom-aligned in a designer): a three-part
// picture along its length with an optional centred gripper, its thickness
// taken from the skin. Dragging resizes its neighbour live, as the platform's
// splitter does.
class TlxSkinSplitter : public TSplitter, public TlxSkinClient {
public:
    explicit TlxSkinSplitter(TComponent* AOwner);

    TlxSkinData* SkinData() const override { return FSD.Get(); }
    // Applies the skin at once, also in a designer.
    void SetSkinData(TlxSkinData* Value);
    const std::string& SkinDataName() const { return FSkinDataName; }
    void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
    // The thickness without a description or while transparent.
    int DefaultSize() const { return FDefaultSize; }
    void SetDefaultSize(int Value) { FDefaultSize = Value; }
    bool Transparent() const { return FTransparent; }
    // A transparent splitter paints nothing and takes DefaultSize.
    void SetTransparent(bool Value);
    int SkinIndex() const { return FIndex; }

    void BeforeChangeSkinData() override { FIndex = -1; }
    // Looks the description up and takes the skin's thickness.
    void ChangeSkinData() override;

protected:
    void GetSkinData();
    void Paint() override;
    void RequestAlign() override;

private:
    bool Horizontal() const { return Align() == alTop || Align() == alBottom; }

    TComponentRef<TlxSkinData> FSD{this, [this] { Invalidate(); }};
    std::string FSkinDataName = "vsplitter";
    int FDefaultSize = 10;
    bool FTransparent = false;
    int FIndex = -1;
    // Copies of the description.
    TPoint LTPt, RTPt, LBPt;
    TRect SkinRect, GripperRect;
    bool StretchEffect = false;
    bool GripperTransparent = false;
    TColor GripperTransparentColor = clNone;
    TBitmap* FSkinPicture = nullptr; // the skin's, valid until the next lookup
};
