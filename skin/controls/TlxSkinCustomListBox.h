#pragma once

#include "platform/base/Strings.h"
#include "platform/gdi/TBitmap.h"
#include "platform/vcl/TCustomListBox.h"
#include "skin/controls/SkinControlTypes.h"
#include "skin/controls/TlxListBox.h"
#include "skin/controls/TlxSkinCustomControl.h"
#include "skin/controls/TlxSkinScrollBar.h"

#include <functional>
#include <memory>

// Owner drawing of an item into Cnvs, a bitmap of ItemWidth x ItemHeight,
// inside TxtRect.
using TlxDrawSkinItemEvent = std::function<void(TCanvas* Cnvs, int Index, int ItemWidth, int ItemHeight,
                                                const TRect& TxtRect, TOwnerDrawState State)>;

// Frames of a list caption's glyph strip.
using TlxSkinPanelNumGlyphs = int;

// The skinned list: a frame drawn from the skin ("listbox") holding the inner
// list box (TlxListBox) that keeps and paints the items, and up to two
// skinned scroll bars that show the inner list's scroll state, made when the
// content needs them and freed when it fits. A caption bar may carry a text,
// a glyph and three caption buttons (up, down, check) that act when released
// over them and repeat while the up and down buttons are held.
//
// The inner list's events surface as OnListBox... events of the frame; the
// frame's own mouse events belong to the frame and its caption.
class TlxSkinCustomListBox : public TlxSkinCustomControl {
public:
    enum { UpButton = 0, DownButton = 1, CheckButton = 2 };

    explicit TlxSkinCustomListBox(TComponent* AOwner);
    ~TlxSkinCustomListBox() override;

    TlxListBox* ListBox() const { return FListBox; }
    TlxSkinScrollBar* ScrollBar() const { return FScrollBar; }
    TlxSkinScrollBar* HScrollBar() const { return FHScrollBar; }

    // The inner list's items and selection.
    TStrings* Items() const;
    void SetItems(const TStrings& Value);
    int ItemIndex() const;
    void SetItemIndex(int Value);
    int TopIndex() const;
    void SetTopIndex(int Value);
    int SelCount() const;
    bool Selected(int Index) const;
    void SetSelected(int Index, bool Value);
    bool MultiSelect() const;
    void SetMultiSelect(bool Value);
    bool ExtandedSelect() const;
    void SetExtandedSelect(bool Value);
    bool Sorted() const;
    void SetSorted(bool Value);
    int Columns() const;
    void SetColumns(int Value);
    int ItemAtPos(TPoint Pos, bool Existing) const;
    TRect ItemRect(int Item) const;
    void Clear();
    int ItemHeight() const;

    bool ShowCaptionButtons() const { return FShowCaptionButtons; }
    void SetShowCaptionButtons(bool Value);
    TStrings* TabWidths() { return &FTabWidths; }
    void SetTabWidths(const TStrings& Value);
    bool UseSkinItemHeight() const { return FUseSkinItemHeight; }
    void SetUseSkinItemHeight(bool Value) { FUseSkinItemHeight = Value; }
    bool HorizontalExtent() const { return FHorizontalExtent; }
    void SetHorizontalExtent(bool Value);
    int RowCount() const { return FRowCount; }
    void SetRowCount(int Value);
    TBitmap* Glyph() { return &FGlyph; }
    void SetGlyph(const TBitmap& Value);
    TlxSkinPanelNumGlyphs NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(TlxSkinPanelNumGlyphs Value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int Value);
    TCustomImageList* Images() const { return FImages.Get(); }
    void SetImages(TCustomImageList* Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    int DefaultItemHeight() const { return FDefaultItemHeight; }
    void SetDefaultItemHeight(int Value);
    int DefaultCaptionHeight() const { return FDefaultCaptionHeight; }
    void SetDefaultCaptionHeight(int Value);
    TFont* DefaultCaptionFont() { return &FDefaultCaptionFont; }
    void SetDefaultCaptionFont(const TFont& Value) { FDefaultCaptionFont.Assign(Value); }
    bool CaptionMode() const { return FCaptionMode; }
    void SetCaptionMode(bool Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);

    // The height that shows AItemsCount rows.
    int CalcHeight(int AItemsCount);
    // Makes, updates or frees the scroll bars for the inner list's content.
    void UpDateScrollBar();
    // The client rectangle of the skin grown to the current size and the
    // inner list's bounds.
    const TRect& ListRect() const { return FListRect; }
    const TlxCBButtonX& CaptionButton(int Index) const { return Buttons[Index]; }
    int ActiveButton() const { return FActiveButton; }

    // What the inner list's look reads.
    TCanvas* ListBoxCanvas();
    TFont* ListBoxFont();

    TlxDrawSkinItemEvent OnDrawItem;
    TNotifyEvent OnUpButtonClick;
    TNotifyEvent OnDownButtonClick;
    TNotifyEvent OnCheckButtonClick;
    TNotifyEvent OnListBoxClick;
    TNotifyEvent OnListBoxDblClick;
    TMouseEvent OnListBoxMouseDown;
    TMouseMoveEvent OnListBoxMouseMove;
    TMouseEvent OnListBoxMouseUp;
    TKeyEvent OnListBoxKeyDown;
    TKeyPressEvent OnListBoxKeyPress;
    TKeyEvent OnListBoxKeyUp;

    // Hooks the inner list calls; each raises the matching event with the
    // frame as sender.
    virtual int GetItemWidth(int Index, TCanvas* Canvas);
    virtual void ListBoxMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void ListBoxMouseMove(TShiftState Shift, int X, int Y);
    virtual void ListBoxMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void ListBoxClick();
    virtual void ListBoxDblClick();
    virtual void ListBoxKeyDown(uint16_t& Key, TShiftState Shift);
    virtual void ListBoxKeyUp(uint16_t& Key, TShiftState Shift);
    virtual void ListBoxKeyPress(char32_t& Key);
    virtual void ListBoxEnter() {}
    virtual void ListBoxExit() {}
    // Sees every message of the inner list first; CallDefault false drops it.
    virtual void ListBoxWndProc(TMessage& Message, bool& CallDefault);
    virtual void ListBoxCreateWnd() {}

protected:
    friend class TlxListBox;

    void CreateParams(TCreateParams& Params) override;
    void GetSkinData() override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void DefaultFontChanged() override;
    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

public:
    void ChangeSkinData() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void AdjustListRect();
    // The caption buttons' rectangles and the caption text's for the current size.
    void LayoutCaption();
    void CreateScrollBar();
    void CreateHScrollBar();
    void RemoveScrollBar();
    void RemoveHScrollBar();
    void TestActive(int X, int Y);
    void StopRepeat();
    void DrawCaptionButton(TCanvas& C, int Index);
    void DrawCaption(TCanvas& C, const TRect& R, TFont& F, int TextY, bool Skinned);
    bool Unskinned() const { return !Skinned(); }

    bool FShowCaptionButtons = true;
    TStringList FTabWidths;
    bool FUseSkinItemHeight = true;
    bool FHorizontalExtent = false;
    bool FStopUpDateHScrollBar = false;
    int FRowCount = 0;
    TBitmap FGlyph;
    TlxSkinPanelNumGlyphs FNumGlyphs = 1;
    int FSpacing = 2;
    TComponentRef<TCustomImageList> FImages{this};
    int FImageIndex = -1;
    int FDefaultItemHeight = 20;
    int FDefaultCaptionHeight = 20;
    TFont FDefaultCaptionFont;
    TRect NewClRect;
    TRect FListRect;
    bool FCaptionMode = false;
    TAlignment FAlignment = taLeftJustify;
    TlxCBButtonX Buttons[3];
    int OldActiveButton = -1, FActiveButton = -1, CaptureButton = -1;
    TRect NewCaptionRect;
    int TimerMode = 0;
    bool WaitMode = false;
    // Owned; cleared when freed (also while the frame's owned components go).
    TComponentRef<TlxSkinScrollBar> FScrollBar{this};
    TComponentRef<TlxSkinScrollBar> FHScrollBar{this};
    TComponentRef<TlxListBox> FListBox{this};

public:
    // Copies of the description ("listbox"), refreshed by every lookup.
    std::string FontName;
    TFontStyles FontStyle;
    int FontHeight = 0;
    TRect SItemRect, ActiveItemRect, FocusItemRect;
    int ItemLeftOffset = 0, ItemRightOffset = 0;
    TRect ItemTextRect;
    TColor FontColor = clWindowText, ActiveFontColor = clWindowText, FocusFontColor = clWindowText;
    TRect CaptionRect;
    std::string CaptionFontName;
    TFontStyles CaptionFontStyle;
    int CaptionFontHeight = 0;
    TColor CaptionFontColor = clWindowText;
    TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
    TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
    TRect CheckButtonRect, ActiveCheckButtonRect, DownCheckButtonRect;
    std::string VScrollBarName, HScrollBarName, BothScrollBarName;
    bool ShowFocus = false;
    TRect ButtonsArea, DisabledButtonsRect;

    // What the inner list's looks read of the frame.
    bool IsSkinned() const { return Skinned(); }
    TBitmap* SkinPictureForItems() const { return Picture(); }
    const TlxSkinGeometry& SkinGeometry() const { return Geometry; }
};

// The published form of the skinned list.
class TlxSkinListBox : public TlxSkinCustomListBox {
public:
    using TlxSkinCustomListBox::TlxSkinCustomListBox;
};
