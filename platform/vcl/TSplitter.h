#pragma once

#include "platform/vcl/TGraphicControl.h"

// A windowless bar between an aligned control and the rest of its parent:
// dragging it resizes that neighbour live, never below MinSize and never so
// far that the rest of the parent falls below MinSize.
class TSplitter : public TGraphicControl {
public:
    explicit TSplitter(TComponent* AOwner);

    int MinSize() const { return FMinSize; }
    void SetMinSize(int Value) { FMinSize = Value < 1 ? 1 : Value; }
    // The control the splitter resizes: the visible one touching its aligned side.
    TControl* FindControl() const;

    TNotifyEvent OnMoved;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // The cursor follows the direction the splitter moves in.
    void RequestAlign() override;

private:
    void SetControl(TControl* Value);
    TComponentRef<TControl> FControl{this, [this] { FDragging = false; }};
    int FMinSize = 30;
    int FMaxSize = 0;
    TPoint FDownPos;
    bool FDragging = false;
};
