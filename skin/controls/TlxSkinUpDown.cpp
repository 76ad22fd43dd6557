#include "skin/controls/TlxSkinUpDown.h"

#include "skin/controls/SkinControlDrawing.h"
#include "skin/engine/SkinGlyphs.h"
#include "skin/engine/SkinImages.h"

namespace {
constexpr uint32_t FirstDelayMs = 500;
constexpr uint32_t RepeatMs = 100;
constexpr uint32_t ReenterMs = 50;

bool Contains(const TRect& R, int X, int Y) {
    return X >= R.Left && X <= R.Right && Y >= R.Top && Y <= R.Bottom;
}
} // namespace

TlxSkinUpDown::TlxSkinUpDown(TComponent* AOwner) : TlxSkinCustomControl(AOwner) {
    FControlStyle = {csCaptureMouse, csOpaque, csReplicatable};
    SetSkinDataName("hupdown");
    SetBounds(0, 0, 50, 25);
}

void TlxSkinUpDown::SetPosition(int Value) {
    if (Value < FMin || Value > FMax) return;
    FPosition = Value;
    Invalidate();
    TKeepAlive alive(this);
    if (!Designing() && OnChange) OnChange(this);
}

void TlxSkinUpDown::SetMin(int Value) {
    FMin = Value;
    if (FPosition < FMin) FPosition = FMin;
}

void TlxSkinUpDown::SetMax(int Value) {
    FMax = Value;
    if (FPosition > FMax) FPosition = FMax;
}

void TlxSkinUpDown::SetOrientation(TUDOrientation Value) {
    FOrientation = Value;
    if (Designing() && !ComponentState().Contains(csLoading))
        SetSkinDataName(Value == udVertical ? "vupdown" : "hupdown");
    CalcButtonRects();
    Invalidate();
}

void TlxSkinUpDown::SetUseSkinSize(bool Value) {
    if (FUseSkinSize == Value) return;
    FUseSkinSize = Value;
    if (SkinData() && !Designing()) ChangeSkinData();
    Invalidate();
}

void TlxSkinUpDown::GetSkinData() {
    TlxSkinCustomControl::GetSkinData();
    if (auto* d = dynamic_cast<TlxDataSkinUpDownControl*>(Description())) {
        UpButtonRect = d->UpButtonRect;
        ActiveUpButtonRect = d->ActiveUpButtonRect;
        DownUpButtonRect = d->DownUpButtonRect.IsEmpty() ? ActiveUpButtonRect : d->DownUpButtonRect;
        DownButtonRect = d->DownButtonRect;
        ActiveDownButtonRect = d->ActiveDownButtonRect;
        DownDownButtonRect = d->DownDownButtonRect.IsEmpty() ? ActiveDownButtonRect : d->DownDownButtonRect;
        // The whole control is one fixed image.
        Geometry.LTPt = Geometry.RTPt = Geometry.LBPt = Geometry.RBPt = {};
        Geometry.ClRect = {};
    }
    CalcButtonRects();
}

void TlxSkinUpDown::CalcSize(int& W, int& H) {
    if (FUseSkinSize) TlxSkinCustomControl::CalcSize(W, H);
}

void TlxSkinUpDown::SetControlRegion() {
    if (FUseSkinSize) TlxSkinCustomControl::SetControlRegion();
}

void TlxSkinUpDown::CalcButtonRects() {
    const int w = Width(), h = Height();
    if (Skinned() && FUseSkinSize) {
        Buttons[0].R = UpButtonRect;
        Buttons[1].R = DownButtonRect;
    } else if (FOrientation == udVertical) {
        Buttons[0].R = {0, 0, w, h / 2};
        Buttons[1].R = {0, h / 2, w, h};
    } else {
        Buttons[1].R = {0, 0, w / 2, h};
        Buttons[0].R = {w / 2, 0, w, h};
    }
}

int TlxSkinUpDown::ArrowDirection(int I) const {
    if (FOrientation == udVertical) return I == 0 ? 3 : 4;
    return I == 0 ? 2 : 1;
}

// ---- Painting

void TlxSkinUpDown::CreateControlDefaultImage(TBitmap& B) {
    CalcButtonRects();
    TCanvas& c = *B.Canvas();
    for (int i = 0; i < 2; ++i) {
        const TlxCBButtonX& b = Buttons[i];
        DrawPressablePart(c, b.R, b.Down && b.MouseIn, b.MouseIn);
        DrawArrowImage(&c, b.R, clBlack, ArrowDirection(i));
    }
}

void TlxSkinUpDown::CreateControlSkinImage(TBitmap& B) {
    if (!FUseSkinSize) {
        for (int i = 0; i < 2; ++i)
            DrawResizeButton(*B.Canvas(), i);
        return;
    }
    TlxSkinCustomControl::CreateControlSkinImage(B);
    const TRect active[2] = {ActiveUpButtonRect, ActiveDownButtonRect};
    const TRect down[2] = {DownUpButtonRect, DownDownButtonRect};
    for (int i = 0; i < 2; ++i) {
        const TlxCBButtonX& b = Buttons[i];
        const TRect part = b.Down && b.MouseIn ? down[i] : b.MouseIn ? active[i] : TRect{};
        if (part.IsEmpty()) continue;
        CopyPicturePart(*B.Canvas(), {b.R.Left, b.R.Top, b.R.Left + part.Width(), b.R.Top + part.Height()},
                        Picture(), part);
    }
}

void TlxSkinUpDown::DrawResizeButton(TCanvas& C, int I) {
    const TlxCBButtonX& b = Buttons[I];
    const int w = b.R.Width(), h = b.R.Height();
    if (w <= 0 || h <= 0) return;
    TBitmap image(w, h);
    TlxSkinData* sd = SkinData();
    const int index = sd ? sd->GetControlIndex("resizebutton") : -1;
    auto* d = index >= 0 && index < int(sd->CtrlList.size())
                  ? dynamic_cast<TlxDataSkinButtonControl*>(sd->CtrlList[index].get())
                  : nullptr;
    TBitmap* picture = d ? sd->ActivePicture(d->PictureIndex) : nullptr;
    if (!d || !picture) {
        C.Draw(b.R.Left, b.R.Top, &image);
        return;
    }
    const bool pressed = b.Down && b.MouseIn;
    const TRect active = d->ActiveSkinRect.IsEmpty() ? d->SkinRect : d->ActiveSkinRect;
    const TRect r = ClipToPicture(pressed     ? (d->DownSkinRect.IsEmpty() ? active : d->DownSkinRect)
                                  : b.MouseIn ? active
                                              : d->SkinRect,
                                  picture);
    const int dx = w - r.Width(), dy = h - r.Height();
    const TPoint rt{d->RTPoint.X + dx, d->RTPoint.Y};
    const TPoint lb{d->LBPoint.X, d->LBPoint.Y + dy};
    const TPoint rb{d->RBPoint.X + dx, d->RBPoint.Y + dy};
    const TRect cl{d->ClRect.Left, d->ClRect.Top, d->ClRect.Right + dx, d->ClRect.Bottom + dy};
    if (!r.IsEmpty())
        CreateSkinImage(d->LTPoint, d->RTPoint, d->LBPoint, d->RBPoint, d->ClRect, d->LTPoint, rt, lb, rb, cl,
                        &image, picture, r, w, h, true, d->LeftStretch, d->TopStretch, d->RightStretch,
                        d->BottomStretch, d->StretchEffect, d->StretchType);
    C.Draw(b.R.Left, b.R.Top, &image);
    TRect arrow = b.R;
    if (pressed) {
        arrow.Left += 2;
        arrow.Top += 2;
    }
    DrawArrowImage(&C, arrow,
                   pressed     ? d->DownFontColor
                   : b.MouseIn ? d->ActiveFontColor
                               : d->FontColor,
                   ArrowDirection(I));
}

// ---- Input

void TlxSkinUpDown::StartTimer(uint32_t Ms) {
    if (HandleAllocated()) SetTimer(WindowHandle(), RepeatTimer, Ms);
}

void TlxSkinUpDown::StopTimer() {
    if (HandleAllocated()) KillTimer(WindowHandle(), RepeatTimer);
}

void TlxSkinUpDown::TestActive(int X, int Y) {
    OldActiveButton = ActiveButton;
    ActiveButton = -1;
    for (int i = 0; i < 2 && ActiveButton == -1; ++i)
        if (Contains(Buttons[i].R, X, Y)) ActiveButton = i;
    if (CaptureButton != -1 && ActiveButton != CaptureButton) ActiveButton = -1;
    if (ActiveButton == OldActiveButton) return;
    if (OldActiveButton != -1) ButtonLeave(OldActiveButton);
    if (ActiveButton != -1) ButtonEnter(ActiveButton);
}

void TlxSkinUpDown::ButtonEnter(int I) {
    Buttons[1 - I].MouseIn = false;
    Buttons[I].MouseIn = true;
    Invalidate();
    if (FIncrement != 0 && Buttons[I].Down) StartTimer(ReenterMs);
}

void TlxSkinUpDown::ButtonLeave(int I) {
    Buttons[I].MouseIn = false;
    Invalidate();
    // The repeat pauses; TimerMode stays for the return.
    if (FIncrement != 0 && Buttons[I].Down) StopTimer();
}

void TlxSkinUpDown::ButtonDown(int I) {
    Buttons[I].MouseIn = true;
    Buttons[I].Down = true;
    Invalidate();
    if (FIncrement == 0) return;
    TimerMode = I == 0 ? 2 : 1;
    WaitMode = true;
    StartTimer(FirstDelayMs);
}

void TlxSkinUpDown::ButtonUp(int I) {
    if (FIncrement != 0) {
        StopTimer();
        TimerMode = 0;
    }
    Buttons[I].Down = false;
    if (I != ActiveButton) Buttons[I].MouseIn = false;
    Invalidate();
    if (!Buttons[I].MouseIn) return;
    TKeepAlive alive(this);
    if (FIncrement != 0) SetPosition(I == 0 ? FPosition + FIncrement : FPosition - FIncrement);
    if (FreePending()) return;
    const TNotifyEvent& event = I == 0 ? OnUpButtonClick : OnDownButtonClick;
    if (event) event(this);
}

void TlxSkinUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TestActive(X, Y);
    Buttons[ActiveButton == 0 ? 1 : 0].MouseIn = false;
    if (ActiveButton != -1) {
        CaptureButton = ActiveButton;
        ButtonDown(ActiveButton);
    }
    TlxSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TlxSkinUpDown::MouseMove(TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TestActive(X, Y);
    TlxSkinCustomControl::MouseMove(Shift, X, Y);
}

void TlxSkinUpDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    const int captured = CaptureButton;
    CaptureButton = -1;
    if (captured != -1) ButtonUp(captured);
    if (FreePending()) return;
    TlxSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TlxSkinUpDown::Dispatch(TMessage& Message) {
    TKeepAlive alive(this);
    switch (Message.Msg) {
    case WM_TIMER:
        if (Message.WParam != RepeatTimer) break;
        if (WaitMode) {
            WaitMode = false;
            StartTimer(RepeatMs);
        } else if (TimerMode == 1) {
            SetPosition(FPosition - FIncrement);
        } else if (TimerMode == 2) {
            SetPosition(FPosition + FIncrement);
        }
        return;
    case CM_MOUSEENTER:
        if (Message.LParam == reinterpret_cast<LPARAM>(static_cast<TControl*>(this)))
            ActiveButton = OldActiveButton = -1;
        break;
    case CM_MOUSELEAVE:
        if (Message.LParam != reinterpret_cast<LPARAM>(static_cast<TControl*>(this))) break;
        ActiveButton = OldActiveButton = -1;
        TlxSkinCustomControl::Dispatch(Message);
        if (FreePending()) return;
        Buttons[0].MouseIn = Buttons[1].MouseIn = false;
        Invalidate();
        return;
    }
    TlxSkinCustomControl::Dispatch(Message);
}
