#pragma once

#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/TImageList.h"
#include "skin/controls/TlxCentringBar.h"
#include "skin/controls/TlxSkinPanel.h"

// A panel drawn from the description "toolpanel" that holds speed buttons
// and other controls in a row: it centres its children vertically, and hands
// its skin, flat style, caption visibility and image lists to its speed
// buttons. With CanScroll, content wider than the bar is scrolled by two
// buttons in its non-client area (hit codes 119 and 120): by click, by
// holding (window timer 1) or, with HotScroll, by hovering.
//
// The scroll state (SPosition of SMax + 1 content pixels, SPage visible) is
// changed only by the range update and the scroll steps; the buttons' hot and
// pressed flags only by the non-client mouse messages.
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

    bool CanScroll() const { return FCanScroll; }
    void SetCanScroll(bool Value);
    bool HotScroll() const { return FHotScroll; }
    void SetHotScroll(bool Value) { FHotScroll = Value; }
    int ScrollOffset() const { return FScrollOffset; }
    // Pixels per step; 0: one client width. Negative values are ignored.
    void SetScrollOffset(int Value);
    int ScrollTimerInterval() const { return FScrollTimerInterval; }
    // Values of 0 or less are ignored.
    void SetScrollTimerInterval(int Value);
    // The content's scroll offset and whether the scroll buttons show.
    int ScrollPosition() const { return SPosition; }
    bool ScrollButtonsShown() const { return Buttons[0].Visible; }
    // Measures the children and shows, hides and places the scroll buttons.
    void UpdateScrollRange();

    // Every child speed button follows the same skin.
    void SetSkinData(TlxSkinData* Value) override;
    // In a designer (not while loading) the children's description names
    // follow the bar's.
    void SetSkinDataName(const std::string& Value) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void Dispatch(TMessage& Message) override;
    void AdjustClientRect(TRect& Rect) override;
    // Any child's change measures the content again.
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void GetSkinData() override;
    void CreateControlSkinImage(TBitmap& B) override;

private:
    struct TlxToolBarScrollButton {
        TRect R; // window coordinates
        bool MouseIn = false;
        bool Down = false;
        bool Visible = false;
    };
    enum : uintptr_t { ScrollTimer = 1 };
    static constexpr int ScrollButtonWidth = 12;

    // The scroll messages; true when handled.
    bool ScrollMessage(TMessage& Message);
    // Shows or hides both buttons; the non-client area is measured again.
    void ShowScrollButtons(bool Show);
    void PlaceScrollButtons();
    // 119 or 120 over a visible scroll button, else 0.
    int ScrollHit(TPoint Screen);
    void ScrollStep(bool Left);
    void StartScrollTimer(int Mode);
    void StopScrollTimer();
    void PaintScrollButtons();
    void DrawScrollButton(TCanvas& C, int Index);
    // The pointer left the buttons: none is hot, the timer stops.
    void ScrollButtonsLeft();

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
    bool FCanScroll = false;
    bool FHotScroll = false;
    int FScrollOffset = 0;
    int FScrollTimerInterval = 50;
    // 0 idle, 1 scrolling left, 2 scrolling right.
    int TimerMode = 0;
    int SMax = 0, SPosition = 0, SPage = 0, SOldPosition = 0;
    // The bar's growth at the last SetBounds, or 0.
    int FHSizeOffset = 0;
    bool FUpdatingRange = false;
    TlxToolBarScrollButton Buttons[2];
    // The skin's "resizebutton" description the scroll buttons are drawn
    // from; -1 for the built-in look.
    int ButtonDataIndex = -1;
    TComponentRef<TCustomImageList> FImages{this, [this] { RepaintSpeedButtons(); }};
    TComponentRef<TCustomImageList> FHotImages{this};
    TComponentRef<TCustomImageList> FDisabledImages{this};
};
