#pragma once

#include "skin/controls/TlxPopupOfficeListBox.h"
#include "skin/controls/TlxSkinUpDown.h"

#include <cstdint>

// The owner-draw state of a combo box's item area.
struct TlxOfficeCBItem {
    TRect R;
    uint32_t State = 0; // odFocused or 0
};

// A one-line box showing the selected office item, with a drop-down button,
// that opens a popup office list below (or above) itself. In tool-button
// style the whole control is one button. The popup's ItemIndex is the
// selection; while it is open the box keeps showing FOldItemIndex, which a
// cancelled close restores.
//
// The order of the events is fixed, since applications chain steps on it:
// setting ItemIndex from code, the keys (open or closed) and the wheel while
// closed fire OnClick, then OnChange, on every step, also where nothing
// moved; hovering, dragging and the wheel in the open popup fire nothing; an
// accepted close (Enter, a release over the popup) fires OnClick, OnChange,
// then OnCloseUp; a cancelled close (Escape, Alt+Up, losing the focus, a
// press on the box, a release elsewhere, cancel mode) fires nothing. The
// row's own OnClick fires first whenever the popup's SetItemIndex selects it.
class TlxSkinCustomOfficeComboBox : public TlxSkinCustomControl {
public:
    explicit TlxSkinCustomOfficeComboBox(TComponent* AOwner);
    ~TlxSkinCustomOfficeComboBox() override;

    TlxSkinOfficeItems* Items() { return FListBox->Items(); }
    void SetItems(const TlxSkinOfficeItems& Value) { FListBox->SetItems(Value); }
    int ItemIndex() const { return FListBox->ItemIndex(); }
    // Selects through the popup list, then OnClick and OnChange (not while
    // designed or loaded), also when the index stays.
    void SetItemIndex(int Value);
    TCustomImageList* Images() const { return FListBox->Images(); }
    void SetImages(TCustomImageList* Value);

    void DropDown();
    void CloseUp(bool Accept);
    bool IsPopupVisible() const { return FListBox->Visible(); }
    // Open and the pointer not over the box.
    bool CanCancelDropDown() const;
    // The selection steps; with Commit the popup's index is then set again
    // through SetItemIndex (firing its events), moved or not.
    void SelectPageUp(bool Commit);
    void SelectPageDown(bool Commit);
    void SelectPrior(bool Commit);
    void SelectNext(bool Commit);
    // The box's look with AText as the selected item's caption, into C at (X, Y).
    void PaintSkinTo(TCanvas* C, int X, const std::string& AText, int Y);

    bool ToolButtonStyle() const { return FToolButtonStyle; }
    // On also turns UseSkinSize off.
    void SetToolButtonStyle(bool Value);
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool Value);
    TColor DefaultColor() const { return FDefaultColor; }
    void SetDefaultColor(TColor Value);
    int DropDownCount() const { return FDropDownCount; }
    // Negative values are ignored.
    void SetDropDownCount(int Value);
    bool ShowItemTitle() const { return FShowItemTitle; }
    void SetShowItemTitle(bool Value);
    bool ShowItemImage() const { return FShowItemImage; }
    void SetShowItemImage(bool Value);
    bool ShowItemText() const { return FShowItemText; }
    void SetShowItemText(bool Value);
    int ListBoxWidth() const { return FListBoxWidth; }
    void SetListBoxWidth(int Value) { FListBoxWidth = Value; }
    int ListBoxHeight() const { return FListBoxHeight; }
    void SetListBoxHeight(int Value) { FListBoxHeight = Value; }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value) { FHideSelection = Value; }
    bool AlphaBlend() const { return FAlpha.AlphaBlend; }
    void SetAlphaBlend(bool Value) { FAlpha.AlphaBlend = Value; }
    int AlphaBlendValue() const { return FAlpha.AlphaBlendValue; }
    void SetAlphaBlendValue(int Value) {
        FAlpha.AlphaBlendValue = static_cast<uint8_t>(std::clamp(Value, 0, 255));
    }
    bool AlphaBlendAnimation() const { return FAlpha.AlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool Value) { FAlpha.AlphaBlendAnimation = Value; }

    // The popup's look, forwarded.
    bool ListBoxUseSkinFont() const { return FListBox->UseSkinFont(); }
    void SetListBoxUseSkinFont(bool Value) { FListBox->SetUseSkinFont(Value); }
    TFont* ListBoxDefaultFont() { return FListBox->DefaultFont(); }
    bool ListBoxShowItemTitles() const { return FListBox->ShowItemTitles(); }
    void SetListBoxShowItemTitles(bool Value) { FListBox->SetShowItemTitles(Value); }
    const std::string& ListBoxSkinDataName() const { return FListBox->SkinDataName(); }
    void SetListBoxSkinDataName(const std::string& Value) { FListBox->SetSkinDataName(Value); }
    bool ListBoxShowLines() const { return FListBox->ShowLines(); }
    void SetListBoxShowLines(bool Value) { FListBox->SetShowLines(Value); }
    int ListBoxItemHeight() const { return FListBox->ItemHeight(); }
    void SetListBoxItemHeight(int Value) { FListBox->SetItemHeight(Value); }
    int ListBoxHeaderHeight() const { return FListBox->HeaderHeight(); }
    void SetListBoxHeaderHeight(int Value) { FListBox->SetHeaderHeight(Value); }

    TlxPopupOfficeListBox* ListBox() const { return FListBox; }
    const TlxCBButtonX& DropButton() const { return Button; }
    const TlxOfficeCBItem& ItemArea() const { return CBItem; }
    bool DroppedDown() const { return FDropDown; }
    int TimerMode() const { return FTimerMode; }

    void ChangeSkinData() override;

    TlxDrawSkinOfficeItemEvent OnDrawItem;
    TNotifyEvent OnChange;
    // The selection was set (not the control's click: mouse clicks on the
    // box do not fire it).
    TNotifyEvent OnClick;
    TNotifyEvent OnCloseUp;
    TNotifyEvent OnDropDown;

protected:
    virtual void Change();

    void GetSkinData() override;
    void CalcSize(int& W, int& H) override;
    void SetControlRegion() override;
    void DefaultFontChanged() override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void BoundsSet(bool Changed) override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;

    bool FDropDown = false;
    bool WasInLB = false;
    bool FMouseIn = false;
    int FOldItemIndex = -1;
    bool FLBDown = false;
    TlxOfficeCBItem CBItem;
    TlxCBButtonX Button;

    // Copies of the "combobox" description.
    TRect ActiveSkinRect, SItemRect, FocusItemRect, ActiveItemRect, ItemTextRect;
    TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
    TColor ActiveFontColor = clBlack, FontColor = clBlack, FocusFontColor = clBlack;
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight = 0;
    int ItemLeftOffset = 0, ItemRightOffset = 0;
    std::string ListBoxName;
    bool ItemStretchEffect = false, FocusItemStretchEffect = false, ShowFocus = false;

private:
    void CalcRects();
    // The index the box shows: the one remembered while open.
    int ShownIndex() const { return FDropDown ? FOldItemIndex : FListBox->ItemIndex(); }
    bool Hot() const { return FMouseIn || Focused(); }
    void ListBoxWindowProcHook(TMessage& Message);
    void TrackListMouse();
    void StartTimer();
    void StopTimer();
    void Fire(const TNotifyEvent& Event);
    TPoint PopupOrigin(int PopupWidth, int PopupHeight) const;

    // The looks.
    void PaintImage(TBitmap& B, const std::string* Text);
    void DrawItemContent(TCanvas& C, TRect R, int Index, const std::string* Text);
    void DrawDefaultToolButton(TBitmap& B, const std::string* Text);
    void DrawSkinToolButton(TBitmap& B, const std::string* Text);
    void DrawClassicDefault(TBitmap& B, const std::string* Text);
    void DrawClassicSkin(TBitmap& B, const std::string* Text);
    void DrawButton(TCanvas& C);
    void DrawSkinButton(TCanvas& C);
    void DrawItemBitmap(TCanvas& C, const std::string* Text, bool Skinned);
    bool ButtonPressed() const { return Button.Down && Button.MouseIn; }

    TComponentPtr<TlxPopupOfficeListBox> FListBoxHolder;
    TlxPopupOfficeListBox* FListBox = nullptr;
    TWndMethod FListBoxWindowProc;
    int FTimerMode = 0;
    bool FToolButtonStyle = false;
    bool FUseSkinSize = false;
    TColor FDefaultColor = clWindow;
    int FDropDownCount = 7;
    bool FShowItemTitle = true, FShowItemImage = true, FShowItemText = true;
    int FListBoxWidth = 0, FListBoxHeight = 0;
    bool FHideSelection = true;
    TlxPopupAlpha FAlpha;
    bool FPainting = false; // the box paints itself (its own erase is no erase)
};

// The office combo box of forms; all of its behaviour is the custom one's.
class TlxSkinOfficeComboBox : public TlxSkinCustomOfficeComboBox {
public:
    using TlxSkinCustomOfficeComboBox::TlxSkinCustomOfficeComboBox;
};
