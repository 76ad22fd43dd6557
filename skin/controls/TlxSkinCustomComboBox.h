#pragma once

#include "platform/vcl/TCustomEdit.h"
#include "skin/controls/TlxCustomEdit.h"
#include "skin/controls/TlxPopupListBox.h"
#include "skin/controls/TlxSkinCustomListBox.h"

// The selected item's area of a combo box's face and the state it is drawn
// with (odFocused while the control has the focus).
struct TlxCBItem {
    TRect R;
    TOwnerDrawState State;
};

enum TlxSkinCustomComboBoxStyle { lxcbEditStyle, lxcbFixedStyle };

// The skinned drop-down selector: a face that shows the selected entry of a
// string list and opens the list (TlxPopupListBox) in a popup below itself,
// or above it when the work area ends first. In the fixed style the control
// takes the focus and the keys itself; in the edit style an inner edit covers
// the face, typing completes from the list, and Text follows the edit.
//
// Selection rules: SetItemIndex sets the list's index, copies the item into
// Text (CM_TEXTCHANGED and OnChange only when the text differs), raises
// OnClick and runs Change (not while loading); a close-up that accepts the
// highlighted item does the same; a cancelled one restores the index taken
// when the list opened.
class TlxSkinCustomComboBox : public TlxSkinCustomControl {
public:
    explicit TlxSkinCustomComboBox(TComponent* AOwner);
    ~TlxSkinCustomComboBox() override;

    TStrings* Items() const;
    void SetItems(const TStrings& Value);
    int ItemIndex() const;
    void SetItemIndex(int Value);
    TlxSkinCustomComboBoxStyle Style() const { return FStyle; }
    void SetStyle(TlxSkinCustomComboBoxStyle Value);
    int DropDownCount() const { return FDropDownCount; }
    void SetDropDownCount(int Value);
    int ListBoxWidth() const { return FListBoxWidth; }
    void SetListBoxWidth(int Value) { FListBoxWidth = Value; }
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool Value) { FAutoComplete = Value; }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    TEditCharCase CharCase() const { return FCharCase; }
    void SetCharCase(TEditCharCase Value);
    TColor DefaultColor() const { return FDefaultColor; }
    void SetDefaultColor(TColor Value);
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool Value);
    bool ToolButtonStyle() const { return FToolButtonStyle; }
    void SetToolButtonStyle(bool Value);
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
    Byte AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(Byte Value) { FAlphaBlendValue = Value; }
    bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
    TCustomImageList* Images() const;
    void SetImages(TCustomImageList* Value);
    int ImageIndex() const;
    void SetImageIndex(int Value);
    TStrings* TabWidths() const;
    void SetTabWidths(const TStrings& Value);
    bool HorizontalExtent() const;
    void SetHorizontalExtent(bool Value);
    bool Sorted() const;
    void SetSorted(bool Value);
    const std::string& ListBoxCaption() const;
    void SetListBoxCaption(const std::string& Value);
    bool ListBoxCaptionMode() const;
    void SetListBoxCaptionMode(bool Value);
    TAlignment ListBoxCaptionAlignment() const;
    void SetListBoxCaptionAlignment(TAlignment Value);
    TFont* ListBoxDefaultFont() const;
    TFont* ListBoxDefaultCaptionFont() const;
    int ListBoxDefaultItemHeight() const;
    void SetListBoxDefaultItemHeight(int Value);
    bool ListBoxUseSkinFont() const;
    void SetListBoxUseSkinFont(bool Value);
    bool ListBoxUseSkinItemHeight() const;
    void SetListBoxUseSkinItemHeight(bool Value);
    // The inner edit's selection; 0 and ignored without one.
    int SelStart() const;
    void SetSelStart(int Value);
    int SelLength() const;
    void SetSelLength(int Value);

    virtual void DropDown();
    // Closes the list; Value true accepts the highlighted item.
    void CloseUp(bool Value);
    bool IsPopupVisible() const;
    bool CanCancelDropDown() const;
    // The control, showing AText as its text, drawn onto a foreign canvas.
    void PaintSkinTo(TCanvas* Canvas, int X, int Y, const std::string& AText);

    TlxPopupListBox* ListBox() const { return FListBox; }
    TlxCustomEdit* Edit() const { return FEdit; }
    const TlxCBButtonX& ButtonState() const { return Button; }
    const TlxCBItem& ItemArea() const { return CBItem; }
    bool DroppedDown() const { return FDropDown; }

    void ChangeSkinData() override;
    void Invalidate() override;

    TNotifyEvent OnChange;
    TNotifyEvent OnCloseUp;
    TNotifyEvent OnDropDown;
    TlxDrawSkinItemEvent OnListBoxDrawItem;
    TlxDrawSkinItemEvent OnComboBoxDrawItem;

protected:
    virtual void EditWindowProc(TMessage& Message);
    virtual void CreateEditControl();
    // The selection or the text changed through the user or SetItemIndex;
    // the drive, filter and shell combo boxes act here.
    virtual void Change() {}

    void GetSkinData() override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void DefaultFontChanged() override;
    void CalcSize(int& W, int& H) override;
    void SetControlRegion() override;
    void WndProc(TMessage& Message) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

    // Layout of the face (the button, the item area, the inner edit).
    void CalcRects();
    TColor GetDisabledFontColor();
    TFontCharset GetTextCharset();

    bool Loading() const;
    void DoClick();
    void DestroyEditControl();
    void ListWndProc(TMessage& Message);
    void ListMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void TrackListMouse();
    void StartListTimer();
    void StopListTimer();
    void FindListItem(char32_t Key);
    void SelectPrior(bool Flag);
    void SelectNext(bool Flag);
    void EditSelectPrior(bool Flag);
    void EditSelectNext(bool Flag);
    void EditAutoComplete();
    void EditChange();
    void EditCancelMode(TControl* Sender);
    bool IsOwnPart(TControl* Sender) const;
    void EditFontColour(TColor Colour);

    // The face.
    void DrawButton(TCanvas& C);
    void DrawResizeButton(TCanvas& C);
    void DrawDefaultItem(TCanvas& C);
    void DrawSkinItem(TCanvas& C, bool Resized);
    void DrawItemOf(TCanvas& C, int Index, const TRect& TxtRect, int W, int H, const std::string* AText);
    void CreateDefaultToolImage(TBitmap& B, const std::string* AText);
    void CreateSkinToolImage(TBitmap& B, const std::string* AText);
    int ShownIndex() const;
    // The skinned background alone, at the control's size.
    TBitmap ControlImageWithoutItem();

    bool FDropDown = false;
    bool FToolButtonStyle = false;
    TEditCharCase FCharCase = ecNormal;
    TColor FDefaultColor = clWindow;
    bool FUseSkinSize = true;
    bool WasInLB = false;
    int TimerMode = 0;
    int FListBoxWidth = 0;
    bool FHideSelection = true;
    uint64_t FLastTime = 0;
    std::string FFilter;
    bool FAutoComplete = true;
    bool FAlphaBlend = false, FAlphaBlendAnimation = false;
    Byte FAlphaBlendValue = 0;
    TlxSkinCustomComboBoxStyle FStyle = lxcbFixedStyle;
    bool FMouseIn = false;
    int FOldItemIndex = -1;
    int FDropDownCount = 8;
    bool FLBDown = false;
    TWndMethod FListBoxWindowProc;
    TWndMethod FEditWindowProc;
    TComponentRef<TlxPopupListBox> FListBox{this};
    TlxCBItem CBItem;
    TlxCBButtonX Button;
    TComponentRef<TlxCustomEdit> FEdit{this};
    bool FromEdit = false;

    // Copies of the description ("combobox").
    TRect ActiveSkinRect;
    TColor ActiveFontColor = clWindowText;
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight = 0;
    TRect SItemRect, FocusItemRect, ActiveItemRect;
    int ItemLeftOffset = 0, ItemRightOffset = 0;
    TRect ItemTextRect;
    TColor FontColor = clWindowText, FocusFontColor = clWindowText;
    TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
    std::string ListBoxName;
    bool ItemStretchEffect = false, FocusItemStretchEffect = false;
    bool ShowFocus = false;
};

// The published form of the skinned combo box.
class TlxSkinComboBox : public TlxSkinCustomComboBox {
public:
    using TlxSkinCustomComboBox::TlxSkinCustomComboBox;
};
