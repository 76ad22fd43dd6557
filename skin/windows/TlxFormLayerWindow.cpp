#include "skin/windows/TlxFormLayerWindow.h"

#include "platform/vcl/TCustomForm.h"
#include "platform/win/WinApi.h"
#include "skin/engine/SkinData.h"
#include "skin/windows/TlxLumivex.h"

#include <algorithm>

namespace {

bool Inside(TPoint P, int L, int T, int R, int B) {
    return P.X >= L && P.X < R && P.Y >= T && P.Y < B;
}

// Beside the form, below its top or above its bottom: the side handles.
TlxFormLayerBorderHit SideHit(TPoint C, const TRect& F, const TRect& S) {
    if (F.Left - S.Left <= C.X && C.X < F.Left) return lxflhLeft;
    if (F.Right < C.X && C.X <= F.Right + S.Right) return lxflhRight;
    return lxflhNone;
}

int ClampSize(int V, int Min, int Max) {
    return std::min(std::max(V, Min), Max);
}

} // namespace

TlxFormLayerBorderHit LayerBorderHitMode(TlxFormLayerBorderType Type, TPoint C, const TRect& F,
                                         const TRect& S) {
    const int FL = F.Left, FT = F.Top, FR = F.Right, FB = F.Bottom;
    switch (Type) {
    case lxflLeft:
        return C.X >= FL - S.Left ? lxflhLeft : lxflhNone;
    case lxflRight:
        return C.X <= FR + S.Right ? lxflhRight : lxflhNone;
    case lxflTop:
        if (Inside(C, FL - S.Left, FT - S.Top, FL + 3, FT + 3)) return lxflhTopLeft;
        if (Inside(C, FL, FT - S.Top, FR, FT)) return lxflhTop;
        if (Inside(C, FR - 3, FT - S.Top, FR + S.Right, FT + 3)) return lxflhTopRight;
        return C.Y > FT ? SideHit(C, F, S) : lxflhNone;
    case lxflBottom:
        if (Inside(C, FL - S.Left, FB - 3, FL + 3, FB + S.Bottom)) return lxflhBottomLeft;
        if (Inside(C, FL, FB, FR, FB + S.Bottom)) return lxflhBottom;
        if (Inside(C, FR - 3, FB - 3, FR + S.Right, FB + S.Bottom)) return lxflhBottomRight;
        return C.Y < FB ? SideHit(C, F, S) : lxflhNone;
    }
    return lxflhNone;
}

TRect LayerBorderDragBounds(TlxFormLayerBorderHit Mode, const TRect& Start, TPoint Delta, TSize Min,
                            TSize Max) {
    const bool left = Mode == lxflhLeft || Mode == lxflhTopLeft || Mode == lxflhBottomLeft;
    const bool right = Mode == lxflhRight || Mode == lxflhTopRight || Mode == lxflhBottomRight;
    const bool top = Mode == lxflhTop || Mode == lxflhTopLeft || Mode == lxflhTopRight;
    const bool bottom = Mode == lxflhBottom || Mode == lxflhBottomLeft || Mode == lxflhBottomRight;
    TRect r = Start;
    if (left) r.Left = Start.Right - ClampSize(Start.Width() - Delta.X, Min.cx, Max.cx);
    if (right) r.Right = Start.Left + ClampSize(Start.Width() + Delta.X, Min.cx, Max.cx);
    if (top) r.Top = Start.Bottom - ClampSize(Start.Height() - Delta.Y, Min.cy, Max.cy);
    if (bottom) r.Bottom = Start.Top + ClampSize(Start.Height() + Delta.Y, Min.cy, Max.cy);
    return r;
}

TlxFormLayerWindow::TlxFormLayerWindow(TlxFormLayerBorder* AOwner, TCustomForm* AForm,
                                       TlxFormLayerBorderType AType)
    : TCustomControl(AOwner), BorderType(AType), FLayerBorder(AOwner), FForm(AForm) {
    FVisible = false;
}

bool TlxFormLayerWindow::HitTestEnabled() const {
    return FLayerBorder->Data() && FLayerBorder->Data()->HitTestEnable;
}

bool TlxFormLayerWindow::CanResizeForm() const {
    TlxLumivex* c = FLayerBorder->LVX();
    return c && c->CanResizeByBorder();
}

TlxFormLayerBorderHit TlxFormLayerWindow::GetHitMode() const {
    TPoint c;
    if (!GetCursorPos(c)) return lxflhNone;
    const TRect sizes{FLayerBorder->LeftSize, FLayerBorder->TopSize, FLayerBorder->RightSize,
                      FLayerBorder->BottomSize};
    return LayerBorderHitMode(BorderType, c, FForm->BoundsRect(), sizes);
}

void TlxFormLayerWindow::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_LAYERED;
    const TlxDataSkinLayerFrame* d = FLayerBorder->Data();
    // Without handles the mouse passes through to what lies below.
    if (!d || d->BorderRect.Width() <= 0 || d->BorderRect.Height() <= 0) Params.ExStyle |= WS_EX_TRANSPARENT;
    if (FForm->FormStyle() == fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
    // Owned by the form: it goes with the form and never stands above
    // another program's windows.
    Params.WndParent = FForm->HandleAllocated() ? FForm->Handle() : nullptr;
}

void TlxFormLayerWindow::ShowNoActivate() {
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    FVisible = true;
}

void TlxFormLayerWindow::MoveTo(int X, int Y) {
    if (!HandleAllocated()) return;
    SetWindowPos(WindowHandle(), nullptr, X, Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TlxFormLayerWindow::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_MOUSEACTIVATE:
        Message.Result = MA_NOACTIVATE;
        if (HitTestEnabled()) {
            FHitMode = GetHitMode();
            if (FHitMode != lxflhNone && !FForm->Active() && FForm->HandleAllocated())
                SetForegroundWindow(FForm->Handle());
        }
        return;
    case WM_NCHITTEST:
        if (GetWindowLongPtr(WindowHandle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT) {
            Message.Result = HTTRANSPARENT;
            return;
        }
        break;
    }
    TCustomControl::WndProc(Message);
}

void TlxFormLayerWindow::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive keep(this);
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (FreePending() || !HitTestEnabled() || !CanResizeForm() || Button != TMouseButton::mbLeft) return;
    FHitMode = GetHitMode();
    FDown = FHitMode != lxflhNone;
    GetCursorPos(FPressPos);
    FStartBounds = FForm->BoundsRect();
}

void TlxFormLayerWindow::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive keep(this);
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FreePending()) return;
    if (TlxLumivex* c = FLayerBorder->LVX()) c->FBorderLayerChangeSize = false;
    if (Button == TMouseButton::mbLeft) FDown = false;
}

void TlxFormLayerWindow::MouseMove(TShiftState Shift, int X, int Y) {
    TKeepAlive keep(this);
    TCustomControl::MouseMove(Shift, X, Y);
    if (FreePending() || !HitTestEnabled()) return;
    if (!CanResizeForm()) {
        FDown = false;
        if (Cursor() != crDefault) SetCursor(crDefault);
        return;
    }
    TlxLumivex* c = FLayerBorder->LVX();
    if (!FDown) {
        if (c) c->FBorderLayerChangeSize = false;
        FHitMode = GetHitMode();
        static constexpr TCursor cursors[] = {crDefault,  crSizeWE,   crSizeNS,   crSizeWE,  crSizeNS,
                                              crSizeNWSE, crSizeNESW, crSizeNESW, crSizeNWSE};
        SetCursor(cursors[FHitMode]);
        return;
    }
    // Measured from the press, so no step is lost and the dragged edge stays
    // under the pointer as far as the size limits let it.
    TPoint now;
    if (!GetCursorPos(now) || !c) return;
    const TRect r =
        LayerBorderDragBounds(FHitMode, FStartBounds, {now.X - FPressPos.X, now.Y - FPressPos.Y},
                              {c->GetMinWidth(), c->GetMinHeight()}, {c->GetMaxWidth(), c->GetMaxHeight()});
    if (r == FForm->BoundsRect()) return;
    c->FBorderLayerChangeSize = true;
    FForm->SetBounds(r.Left, r.Top, r.Width(), r.Height());
}
