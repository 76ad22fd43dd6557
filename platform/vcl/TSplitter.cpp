#include "platform/vcl/TSplitter.h"

#include "platform/vcl/TWinControl.h"

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle.Include(csCaptureMouse);
    FAlign = alLeft;
    FCursor = crSizeWE;
    SetBounds(0, 0, 3, 100);
}

TControl* TSplitter::FindControl() const {
    if (!FParent) return nullptr;
    TPoint p{FLeft, FTop};
    switch (FAlign) {
    case alLeft:
        --p.X;
        break;
    case alRight:
        p.X += FWidth;
        break;
    case alTop:
        --p.Y;
        break;
    case alBottom:
        p.Y += FHeight;
        break;
    default:
        return nullptr;
    }
    for (int i = 0; i < FParent->ControlCount(); ++i) {
        TControl* c = FParent->Controls(i);
        if (c == this || !c->Visible() || !c->Enabled()) continue;
        TRect r = c->BoundsRect();
        // A collapsed neighbour still counts as touching.
        if (r.Width() == 0) (FAlign == alLeft || FAlign == alTop) ? --r.Left : ++r.Right;
        if (r.Height() == 0) (FAlign == alLeft || FAlign == alTop) ? --r.Top : ++r.Bottom;
        if (r.Contains(p)) return c;
    }
    return nullptr;
}

void TSplitter::SetControl(TControl* Value) {
    FControl.Set(Value);
}

void TSplitter::RequestAlign() {
    TGraphicControl::RequestAlign();
    if (FAlign == alTop || FAlign == alBottom)
        SetCursor(crSizeNS);
    else if (FAlign == alLeft || FAlign == alRight)
        SetCursor(crSizeWE);
}

void TSplitter::Paint() {
    Canvas()->Brush()->SetColor(FColor);
    Canvas()->FillRect(ClientRect());
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != TMouseButton::mbLeft || !FParent) return;
    SetControl(FindControl());
    if (!FControl) return;
    FDownPos = {X, Y};
    FDragging = true;
    // The neighbour may take all the room the other aligned controls of its
    // direction leave, less MinSize for the rest.
    const bool horizontal = FAlign == alLeft || FAlign == alRight;
    FMaxSize = (horizontal ? FParent->ClientWidth() : FParent->ClientHeight()) - FMinSize;
    for (int i = 0; i < FParent->ControlCount(); ++i) {
        TControl* c = FParent->Controls(i);
        if (!c->Visible()) continue;
        if (horizontal && (c->Align() == alLeft || c->Align() == alRight)) FMaxSize -= c->Width();
        if (!horizontal && (c->Align() == alTop || c->Align() == alBottom)) FMaxSize -= c->Height();
    }
    FMaxSize += horizontal ? FControl->Width() : FControl->Height();
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging || !FControl) return;
    int split = (FAlign == alLeft || FAlign == alRight) ? X - FDownPos.X : Y - FDownPos.Y;
    int size = 0;
    switch (FAlign) {
    case alLeft:
        size = FControl->Width() + split;
        break;
    case alRight:
        size = FControl->Width() - split;
        break;
    case alTop:
        size = FControl->Height() + split;
        break;
    case alBottom:
        size = FControl->Height() - split;
        break;
    default:
        return;
    }
    size = std::max(std::min(size, FMaxSize), FMinSize);
    switch (FAlign) {
    case alLeft:
        FControl->SetWidth(size);
        break;
    case alTop:
        FControl->SetHeight(size);
        break;
    case alRight:
        FControl->SetBounds(FControl->Left() + FControl->Width() - size, FControl->Top(), size,
                            FControl->Height());
        break;
    case alBottom:
        FControl->SetBounds(FControl->Left(), FControl->Top() + FControl->Height() - size, FControl->Width(),
                            size);
        break;
    default:
        break;
    }
    if (FParent) FParent->Update();
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging) return;
    FDragging = false;
    SetControl(nullptr);
    if (OnMoved) OnMoved(this);
}
