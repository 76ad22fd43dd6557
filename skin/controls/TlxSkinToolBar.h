#pragma once

#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/TImageList.h"
#include "skin/controls/TlxCentringBar.h"
#include "skin/controls/TlxSkinPanel.h"

// A panel drawn from the description "toolpanel" that holds speed buttons
// and other controls in a row: it centres its children vertically, and hands
// its skin, flat style, caption visibility and image lists to its speed
// buttons.
class TlxSkinToolBar : public TlxSkinPanel, public TlxCentringBar {
public:
    explicit TlxSkinToolBar(TComponent* AOwner);

    bool AdjustControls() const override { return FAdjustControls; }
    void SetAdjustControls(bool Value) { FAdjustControls = Value; }
    void GetSkinClientRect(TRect& R) override { TlxSkinPanel::GetSkinClientRect(R); }
    bool Flat() const { return FFlat; }
    // Also sets Flat of every child speed button.
    void SetFlat(bool Value);
    bool ShowCaptions() const { return FShowCaptions; }
    // With AutoShowHideCaptions also ShowCaption of every child speed button;
    // the bar takes WidthWithCaptions or WidthWithoutCaptions when both are set.
    void SetShowCaptions(bool Value);
    bool AutoShowHideCaptions() const { return FAutoShowHideCaptions; }
    void SetAutoShowHideCaptions(bool Value) { FAutoShowHideCaptions = Value; }
    int WidthWithCaptions() const { return FWidthWithCaptions; }
    void SetWidthWithCaptions(int Value) { FWidthWithCaptions = Value; }
    int WidthWithoutCaptions() const { return FWidthWithoutCaptions; }
    void SetWidthWithoutCaptions(int Value) { FWidthWithoutCaptions = Value; }
    // The child speed buttons' images: DisabledImages while disabled and
    // HotImages while hot or down when set, Images otherwise.
    TCustomImageList* Images() const { return FImages.Get(); }
    void SetImages(TCustomImageList* Value);
    TCustomImageList* HotImages() const { return FHotImages.Get(); }
    void SetHotImages(TCustomImageList* Value) { FHotImages.Set(Value); }
    TCustomImageList* DisabledImages() const { return FDisabledImages.Get(); }
    void SetDisabledImages(TCustomImageList* Value) { FDisabledImages.Set(Value); }

    // Every child speed button follows the same skin.
    void SetSkinData(TlxSkinData* Value) override;
    // In a designer (not while loading) the children's description names
    // follow the bar's.
    void SetSkinDataName(const std::string& Value) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void Dispatch(TMessage& Message) override;

private:
    // Each child speed button.
    template <class F> void ForEachSpeedButton(F Do);
    void RepaintSpeedButtons();
    // Children that are not skinned controls and have no alignment are
    // centred here; skinned ones centre themselves in their SetBounds.
    void CentrePlainControls();

    bool FAdjustControls = true;
    bool FFlat = false;
    bool FShowCaptions = false;
    bool FAutoShowHideCaptions = false;
    int FWidthWithCaptions = 0;
    int FWidthWithoutCaptions = 0;
    TComponentRef<TCustomImageList> FImages{this, [this] { RepaintSpeedButtons(); }};
    TComponentRef<TCustomImageList> FHotImages{this};
    TComponentRef<TCustomImageList> FDisabledImages{this};
};
