#pragma once

#include "skin/controls/TlxSkinCustomControl.h"
#include "skin/controls/TlxSkinOfficeItems.h"

#include <functional>

class TlxSkinScrollBar;

// Draws the contents of an ordinary row (not a header, not the background)
// on Cnvs within TextRct.
using TlxDrawSkinOfficeItemEvent = std::function<void(TCanvas* Cnvs, int Index, TRect TextRct)>;

// A custom-drawn, vertically scrolling list of office items (header rows and
// rows with title, image and word-wrapped caption) with its own selection,
// its own skinned vertical scroll bar (present only while the rows are
// taller than the items area) and its own keys and mouse. The office combo
// box drops down a popup variant of it.
//
// ItemIndex and the rows' Active flags are the state; the mouse, the keys
// and SetItemIndex change them, CalcItemRects lays the rows out, and the two
// looks (DefaultDrawItem, SkinDrawItem) read both. An ItemIndex that names
// no row counts as -1.
class TlxSkinOfficeListBox : public TlxSkinCustomControl {
public:
    explicit TlxSkinOfficeListBox(TComponent* AOwner);
    ~TlxSkinOfficeListBox() override;

    TlxSkinOfficeItems* Items() { return &FItems; }
    void SetItems(const TlxSkinOfficeItems& Value);
    TCustomImageList* Images() const { return FImages.Get(); }
    void SetImages(TCustomImageList* Value) { FImages.Set(Value); }

    int ItemIndex() const { return FItemIndex; }
    // Selects a row (-1: none; past the rows counts as -1), highlights it,
    // scrolls it into view and fires the row's OnClick, then OnItemClick,
    // also when the index does not change.
    void SetItemIndex(int Value);
    // Highlights a row and scrolls it into view, firing nothing.
    void SetActiveItem(int Index);

    bool ShowLines() const { return FShowLines; }
    void SetShowLines(bool Value);
    bool ShowItemTitles() const { return FShowItemTitles; }
    void SetShowItemTitles(bool Value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value);
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int Value);
    bool MouseMoveChangeIndex() const { return FMouseMoveChangeIndex; }
    void SetMouseMoveChangeIndex(bool Value) { FMouseMoveChangeIndex = Value; }

    // The height that shows ACount rows (at most every row).
    int CalcHeight(int ACount);
    // The enabled row at a point of the control, or -1.
    int ItemAtPos(int X, int Y);
    // The scroll bar while the rows need one, else nullptr.
    TlxSkinScrollBar* ScrollBar() const { return FScrollBar; }
    int ScrollOffset() const { return FScrollOffset; }
    void Scroll(int Offset);
    // The items area and the rows' rectangles for the current size and offset.
    void CalcItemRects();
    TRect ItemsRect() const { return FItemsRect; }

    // The keyboard's moves; each selects through SetItemIndex.
    void FindUp();
    void FindDown();
    void FindPageUp();
    void FindPageDown();

    void ChangeSkinData() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // The rows changed: repaint and recompute the scroll range.
    void ItemsChanged();

    TlxDrawSkinOfficeItemEvent OnDrawItem;
    TNotifyEvent OnItemClick;

protected:
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;

    void ScrollToItem(int Index);
    void UpdateScrollInfo();
    void ShowScrollbar();
    void HideScrollBar();
    void AdjustScrollBar();
    void DrawItem(int Index, TCanvas& C);
    void DefaultDrawItem(int Index, TCanvas& C);
    void SkinDrawItem(int Index, TCanvas& C);
    void SkinDrawHeaderItem(int Index, TCanvas& C);
    // Title, image and caption of an ordinary row in R.
    void DrawItemContents(int Index, TCanvas& C, TRect R, bool Skinned);

    bool ValidIndex(int Index) const { return Index >= 0 && Index < FItems.Count(); }
    bool Selectable(int Index) const;
    // The area the rows are laid out in, before the scroll bar's share.
    TRect AreaRect();

    TColor FDisabledFontColor = 0x808080;
    bool FClicksDisabled = false;
    bool FMouseDown = false;
    int FMouseActive = -1;
    int FMax = 0;
    int FRealMax = 0;
    TRect FItemsRect;
    int FScrollOffset = 0;
    int FOldHeight = -1;
    int FItemIndex = -1;

private:
    void DrawRows(TCanvas& C);
    // The row under the pointer for the mouse: enabled and no header, or -1.
    int MouseRow(int X, int Y);

    TlxSkinOfficeItems FItems{this};
    TComponentRef<TCustomImageList> FImages{this, [this] { Invalidate(); }};
    TlxSkinScrollBar* FScrollBar = nullptr;
    bool FMouseMoveChangeIndex = false;
    bool FShowLines = false;
    bool FShowItemTitles = true;
    int FItemHeight = 30;
    int FHeaderHeight = 20;
};
