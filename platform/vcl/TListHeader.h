#pragma once

#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/TCustomControl.h"

#include <vector>

class TCustomListView;
class TListHeader;

using THeaderPaintEvent = std::function<void(TListHeader* Sender, TCanvas* Canvas)>;

// The column header of a list view in report style: one section per
// column, laid out in display order (OrderArray) and moved with the view's
// horizontal scrolling. Dragging a divider resizes its column; with the
// view's FullDrag, dragging a section moves it to another place; a click
// on a section is the view's column click. PaintHook, when set, paints the
// whole header in place of the built-in look. Its window answers
// HDM_GETITEMCOUNT, HDM_GETITEMRECT, HDM_HITTEST and HDM_GETORDERARRAY.
class TListHeader : public TCustomControl {
public:
    TListHeader(TComponent* AOwner, TCustomListView* AView);

    TCustomListView* ListView() const { return FView; }
    int SectionCount() const;
    // Rectangle of the section of column Index, in header coordinates.
    TRect SectionRect(int Index) const;
    std::vector<int> OrderArray() const;
    void SetOrderArray(const std::vector<int>& Value);
    // Column whose right divider lies within 3 pixels of X, or -1.
    int DividerAt(int X) const;
    // Column whose section holds the point, or -1.
    int SectionAt(int X, int Y) const;
    // The pressed section (-1) and the column whose divider is dragged (-1).
    int PressedSection() const { return FPressed; }
    int DraggedDivider() const { return FDivider; }

    THeaderPaintEvent PaintHook;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    TCustomListView* FView;
    int FPressed = -1;
    int FDivider = -1;
    int FDownX = 0;
    bool FMoved = false;
};
