#pragma once

#include "platform/vcl/TCustomListBox.h"

class TlxSkinCustomListBox;

// The list box inside a skinned list (TlxSkinCustomListBox): it keeps the
// items and their scroll state, has no border and no scroll bars of its own
// (the frame's skinned bars show its scroll state), paints every visible item
// itself from the frame's skin or in a built-in look, and hands its input to
// hooks of the frame. The combo box's drop-down list is such a list.
class TlxListBox : public TListBox {
public:
    explicit TlxListBox(TComponent* AOwner);

    // How far the item text is scrolled sideways, in pixels; set by the
    // frame's horizontal bar.
    int HorizontalExtentValue() const { return FHorizontalExtentValue; }
    void SetHorizontalExtentValue(int Value);
    TlxSkinCustomListBox* SkinListBox() const { return FSkinListBox; }
    void SetSkinListBox(TlxSkinCustomListBox* Value) { FSkinListBox = Value; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // The state an item is drawn with: the item at ItemIndex is selected (and
    // focused while the list has the focus), others only when selected in a
    // multi-selection.
    TOwnerDrawState ItemDrawState(int Index) const;
    // Item Index as the current look draws it, into a bitmap of Rect's size
    // drawn at Rect.
    void DrawListItem(TCanvas& C, int Index, const TRect& Rect, TOwnerDrawState State);
    // The frame's skin client part tiled over R (clWindow without a skin).
    void PaintListBackground(TCanvas& C, const TRect& R);

protected:
    friend class TlxSkinCustomListBox;

    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void Paint() override;
    void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(char32_t& Key) override;
    void Click() override;
    void DblClick() override;
    void DoEnter() override;
    void DoExit() override;

    int FHorizontalExtentValue = 0;
    TlxSkinCustomListBox* FSkinListBox = nullptr;

private:
    void DrawDefaultItem(TCanvas& C, int Index, int W, int H, TOwnerDrawState State);
    void DrawSkinItem(TCanvas& C, int Index, int W, int H, TOwnerDrawState State);
    void DrawSkinItemFixed(TCanvas& C, int Index, int W, int H, TOwnerDrawState State);
    // The owner drawing or the image and text of an item.
    void DrawItemContent(TCanvas& C, int Index, int W, int H, const TRect& TxtRect, TOwnerDrawState State);
};
