// Hit-testing, mouse routing to the frame objects, moving and sizing, and the
// emulated window states of the form-skinning component.

#include "platform/sys/TDesktopServices.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TTimer.h"
#include "skin/engine/ResourceStrData.h"
#include "skin/engine/SkinRects.h"
#include "skin/windows/SkinObjectSupport.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinAnimateObject.h"
#include "skin/windows/TlxSkinCaptionObject.h"
#include "skin/windows/TlxSkinMenu.h"
#include "skin/windows/TlxSkinStdButtonObject.h"

#include <cstdlib>

namespace {

constexpr int DefBorder = 3;

} // namespace

bool TlxLumivex::CanResize() const {
    return FAlwaysResize || FForm->BorderStyle() == bsSizeable || FForm->BorderStyle() == bsSizeToolWin;
}

TPoint TlxLumivex::PointToFormCoords(TPoint P) const {
    TRect r;
    if (HWND h = FormHandle(); h && GetWindowRect(h, r)) return {P.X - r.Left, P.Y - r.Top};
    return {P.X - FForm->Left(), P.Y - FForm->Top()};
}

TRect TlxLumivex::ClientInWindow() const {
    if (HasSkin()) return NewClRect;
    return {DefBorder, GetDefCaptionHeight() + DefBorder, FFormWidth - DefBorder, FFormHeight - DefBorder};
}

// ---- Hit-testing

void TlxLumivex::WMNCHitTest(TMessage& M) {
    TPoint p = PointToFormCoords(LParamToPoint(M.LParam));
    if (FFormWidth == 0 || FFormHeight == 0) {
        FFormWidth = FForm->Width();
        FFormHeight = FForm->Height();
    }
    M.Result = HasSkin() ? SkinHitTest(p) : DefaultHitTest(p);
    if (M.Result == HTOBJECT && !MouseTimer->Enabled()) {
        TestActive(p.X, p.Y, true);
        MouseTimer->SetEnabled(true);
    }
}

int TlxLumivex::SkinHitTest(TPoint P) {
    CalcNewGeometry();
    const int X = P.X, Y = P.Y;
    if (FRollUpState || FWindowState == wsMinimized) return InCaptionArea(P) ? HTCAPTION : HTOBJECT;
    if (ActiveObject != -1 && !InCaptionArea(P) && !PtInRect(NewClRect, P) && !FSizeMove) return HTOBJECT;
    if (FWindowState != wsMaximized && CanResize()) {
        const int B = FSD->BorderW;
        const TPoint probes[4] = {{X - B, Y}, {X, Y - B}, {X + B, Y}, {X, Y + B}};
        bool nearEdge = false;
        const bool mask = FSD->FMask && !FSD->FMask->Empty();
        const TRect whole{0, 0, FFormWidth, FFormHeight};
        if (!mask) {
            for (const TPoint& q : probes)
                nearEdge = nearEdge || !PtInRect(whole, q);
        } else if (!PtInRect(NewMaskRectArea, P)) {
            for (const TPoint& q : probes)
                nearEdge = nearEdge || !PointInMaskBorder(q);
        }
        if (!nearEdge) {
            if (PtInRect(NewClRect, P)) return HTCLIENT;
            return InCaptionArea(P) ? HTCAPTION : HTOBJECT;
        }
        if (X <= NewHitTestLTPoint.X && Y <= NewHitTestLTPoint.Y) return HTTOPLEFT;
        if (X >= NewHitTestRTPoint.X && Y <= NewHitTestRTPoint.Y) return HTTOPRIGHT;
        if (X <= NewHitTestLBPoint.X && Y >= NewHitTestLBPoint.Y) return HTBOTTOMLEFT;
        if (X >= NewHitTestRBPoint.X && Y >= NewHitTestRBPoint.Y) return HTBOTTOMRIGHT;
        if (PtInRect({NewHitTestLTPoint.X, 0, NewHitTestRTPoint.X, NewClRect.Top}, P)) return HTTOP;
        if (PtInRect({NewHitTestLBPoint.X, NewClRect.Bottom, NewHitTestRBPoint.X, FFormHeight}, P))
            return HTBOTTOM;
        if (PtInRect({0, NewHitTestLTPoint.Y, NewClRect.Left, NewHitTestLBPoint.Y}, P)) return HTLEFT;
        if (PtInRect({NewClRect.Right, NewHitTestRTPoint.Y, FFormWidth, NewHitTestRBPoint.Y}, P))
            return HTRIGHT;
    }
    if (PtInRect(NewClRect, P)) return HTCLIENT;
    return InCaptionArea(P) ? HTCAPTION : HTOBJECT;
}

int TlxLumivex::DefaultHitTest(TPoint P) {
    const int X = P.X, Y = P.Y, W = FFormWidth, H = FFormHeight;
    if (FWindowState == wsNormal && !FRollUpState && CanResize()) {
        if (ActiveObject != -1) return HTOBJECT;
        if (X <= 2 && Y <= 2) return HTTOPLEFT;
        if (X >= W - 2 && Y <= 2) return HTTOPRIGHT;
        if (X <= 2 && Y >= H - 2) return HTBOTTOMLEFT;
        if (X >= W - 2 && Y >= H - 2) return HTBOTTOMRIGHT;
        if (X <= 2) return HTLEFT;
        if (Y <= 2) return HTTOP;
        if (X >= W - 2) return HTRIGHT;
        if (Y >= H - 2) return HTBOTTOM;
    }
    CalcDefRects();
    if (PtInRect(NewDefCaptionRect, P)) return HTCAPTION;
    if (PtInRect(ClientInWindow(), P)) return HTCLIENT;
    return HTOBJECT;
}

bool TlxLumivex::InCaptionArea(TPoint P) const {
    for (auto& o : ObjectList) {
        if (!dynamic_cast<TlxSkinCaptionObject*>(o.get()) || !PtInRect(o->ObjectRect, P)) continue;
        TRect r = o->ObjectRect;
        if (FQuickButtons->Count() > 0 && FQuickImageList)
            r.Left += FQuickButtons->Count() * (FQuickImageList->Width() + 8);
        return PtInRect(r, P);
    }
    return false;
}

bool TlxLumivex::PointInMaskBorder(TPoint P) const {
    if (PtInRect(NewMaskRectArea, P)) return true;
    auto black = [](const TBitmap& B, int X, int Y) {
        return X >= 0 && Y >= 0 && X < B.Width() && Y < B.Height() && (B.ScanLine(Y)[X] & 0xFFFFFF) == 0;
    };
    if (P.Y < NewMaskRectArea.Top) return black(RMTop, P.X, P.Y);
    if (P.Y >= NewMaskRectArea.Bottom) return black(RMBottom, P.X, P.Y - NewMaskRectArea.Bottom);
    if (P.X >= NewMaskRectArea.Left)
        return black(RMRight, P.X - NewMaskRectArea.Right, P.Y - NewMaskRectArea.Top);
    return black(RMLeft, P.X, P.Y - NewMaskRectArea.Top);
}

// ---- Hover and mouse routing

void TlxLumivex::TestActive(int X, int Y, bool InFrame) {
    if (ObjectList.empty() || FSizeMove || PreviewMode || !HasBorder()) return;
    // Leaving (no point) is always allowed, so a deactivated form drops its hover.
    if (!GetFormActive() && InFrame) return;
    OldActiveObject = ActiveObject;
    int found = -1;
    for (size_t i = 0; i < ObjectList.size(); ++i) {
        TlxActiveSkinObject* o = ObjectList[i].get();
        if (o->Enabled && o->Visible && PtInRect(o->ObjectRect, {X, Y}) &&
            o->PtInMask(X - o->ObjectRect.Left, Y - o->ObjectRect.Top)) {
            found = static_cast<int>(i);
            break;
        }
    }
    ActiveObject = InFrame ? found : -1;
    if (MouseCaptureObject != -1 && MouseCaptureObject != ActiveObject) ActiveObject = -1;
    const int count = static_cast<int>(ObjectList.size());
    if (ActiveObject >= count) ActiveObject = -1;
    if (OldActiveObject >= count) OldActiveObject = -1;
    if (ActiveObject == OldActiveObject) return;
    // The objects' handlers may change the skin (freeing every object) or
    // close the form: each object is read again after the one before ran.
    TKeepAlive alive(this);
    const bool hints = FShowObjectHint && FSkinHint;
    const int entered = ActiveObject;
    if (OldActiveObject != -1) {
        TlxActiveSkinObject* o = ObjectList[OldActiveObject].get();
        if (o->Enabled && o->Visible) {
            const bool hinted = !o->Hint.empty();
            o->MouseLeave();
            if (FreePending()) return;
            if (hints && hinted) HideObjectHint();
        }
    }
    if (entered != -1 && entered < static_cast<int>(ObjectList.size())) {
        TlxActiveSkinObject* o = ObjectList[entered].get();
        if (o->Enabled && o->Visible) {
            o->MouseEnter();
            if (FreePending() || entered >= static_cast<int>(ObjectList.size())) return;
            // The hint as MouseEnter left it (a restore hint while maximized).
            if (hints && !ObjectList[entered]->Hint.empty()) ActivateObjectHint(ObjectList[entered]->Hint);
        }
    }
}

void TlxLumivex::MouseTimerProc() {
    if (!GetFormActive()) return;
    HWND h = FormHandle();
    TPoint c;
    GetCursorPos(c);
    if (!h || GetTopLevelWindow(WindowFromPoint(c)) != h) {
        MouseTimer->SetEnabled(false);
        TestActive(-1, -1, false);
        return;
    }
    if (FSizeMove) {
        MouseTimer->SetEnabled(false);
        return;
    }
    const TPoint p = PointToFormCoords(c);
    if (!PtInRect(ClientInWindow(), p))
        TestActive(p.X, p.Y, true);
    else if (ActiveObject != -1)
        TestActive(-1, -1, true);
}

void TlxLumivex::ResetObjectStates() {
    for (auto& o : ObjectList) {
        if (auto* a = dynamic_cast<TlxSkinAnimateObject*>(o.get())) {
            a->FMouseIn = a->Active = false;
            a->FFrame = 1;
        } else if (!dynamic_cast<TlxSkinCaptionObject*>(o.get())) {
            o->Active = o->FMouseIn = false;
            o->SetMorphKf(0);
        }
    }
}

void TlxLumivex::ObjectsMouseDown(TMouseButton Button, int X, int Y) {
    if (ActiveObject < 0 || ActiveObject >= static_cast<int>(ObjectList.size())) return;
    TlxActiveSkinObject* o = ObjectList[ActiveObject].get();
    if (!dynamic_cast<TlxSkinCaptionObject*>(o) && FormHandle()) SetCapture(FormHandle());
    MouseCaptureObject = ActiveObject;
    o->MouseDown(X, Y, Button);
}

void TlxLumivex::ObjectsMouseUp(TMouseButton Button, int X, int Y) {
    if (MouseCaptureObject < 0 || MouseCaptureObject >= static_cast<int>(ObjectList.size())) {
        MouseCaptureObject = -1;
        return;
    }
    // The object is read before anything it runs may close the form.
    TlxActiveSkinObject* o = ObjectList[MouseCaptureObject].get();
    MouseCaptureObject = -1;
    if (!dynamic_cast<TlxSkinCaptionObject*>(o) && GetCapture() == FormHandle()) ReleaseCapture();
    o->MouseUp(X, Y, Button);
}

void TlxLumivex::ObjectsMouseMove(int X, int Y) {
    const int count = static_cast<int>(ObjectList.size());
    if (MouseCaptureObject >= 0 && MouseCaptureObject < count)
        ObjectList[MouseCaptureObject]->MouseMove(X, Y);
    else if (ActiveObject >= 0 && ActiveObject < count)
        ObjectList[ActiveObject]->MouseMove(X, Y);
}

void TlxLumivex::ObjectsDblClick() {
    if (ActiveObject >= 0 && ActiveObject < static_cast<int>(ObjectList.size()))
        ObjectList[ActiveObject]->DblClick();
}

// Before a release with the mouse captured for an object: the object under
// the pointer now decides, so a release off the pressed object runs nothing.
void TlxLumivex::TrackBeforeRelease() {
    if (MouseCaptureObject == -1) return;
    TPoint c;
    GetCursorPos(c);
    const TPoint p = PointToFormCoords(c);
    TestActive(p.X, p.Y, true);
}

void TlxLumivex::CaptionDblClick() {
    const bool resizable = CanResize();
    if (resizable && FWindowState == wsMinimized)
        SetWindowState(wsNormal);
    else if (resizable && FWindowState != wsMaximized && !FRollUpState &&
             FBorderIcons.Contains(TlxBorderIcon::biMaximize))
        SetWindowState(wsMaximized);
    else if (!resizable || FWindowState != wsMaximized || MaxRollUpState)
        SetRollUpState(!FRollUpState);
    else
        SetWindowState(wsNormal);
    MouseCaptureObject = -1;
}

// ---- Size limits

TRect TlxLumivex::MonitorArea(bool WorkArea) const {
    TMonitorInfo mi;
    HMONITOR m = FormHandle() ? MonitorFromWindow(FormHandle(), MONITOR_DEFAULTTONEAREST)
                              : MonitorFromPoint({FForm->Left(), FForm->Top()}, MONITOR_DEFAULTTONEAREST);
    if (!GetMonitorInfo(m, mi)) return GetWorkArea();
    return WorkArea ? mi.rcWork : mi.rcMonitor;
}

int TlxLumivex::GetMinWidth() const {
    if (!HasSkin()) return FMinWidth > 0 ? FMinWidth : 120;
    const int PW = FSD->FPicture ? FSD->FPicture->Width() : 0;
    const bool minimized = FWindowState == wsMinimized;
    if (PW < FMinWidth && !minimized) return FMinWidth;
    if (FSD->FormMinWidth > 0)
        return (FMinWidth > FSD->FormMinWidth && !minimized) ? FMinWidth : FSD->FormMinWidth;
    return PW;
}

int TlxLumivex::GetMinHeight() const {
    int F;
    if (HasSkin())
        F = (FSD->FPicture ? FSD->FPicture->Height() : 0) - RectHeight(FSD->ClRect);
    else
        F = GetDefCaptionHeight() + 6;
    if (F >= FMinHeight || FRollUpState || FWindowState == wsMinimized) return F;
    return FMinHeight;
}

int TlxLumivex::GetMaxWidth() const {
    return FMaxWidth != 0 ? FMaxWidth : MonitorArea(!FMaximizeOnFullScreen).Width();
}

int TlxLumivex::GetMaxHeight() const {
    return FMaxHeight != 0 ? FMaxHeight : MonitorArea(!FMaximizeOnFullScreen).Height();
}

void TlxLumivex::WMGetMinMaxInfo(TMessage& M) {
    CallOld(M);
    if (auto* mm = LParamToPtr<TMinMaxInfo>(M.LParam)) {
        mm->ptMinTrackSize = {GetMinWidth(), GetMinHeight()};
        mm->ptMaxTrackSize = {GetMaxWidth(), GetMaxHeight()};
    }
}

// The platform works the frame out again at an unchanged size (never by
// making a new window); the frame then follows the size it has.
void TlxLumivex::NudgeFormWidth() {
    HWND h = FormHandle();
    if (!h) return;
    SetWindowPos(h, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    FFormWidth = FForm->Width();
    FFormHeight = FForm->Height();
    if (!FSkinnableForm) return;
    if (HasSkin()) {
        UpdateFrame();
    } else {
        SetFormRegion();
        SendNCPaint();
    }
}

// ---- Moving and sizing

void TlxLumivex::WMEnterSizeMove(TMessage&) {
    GetCursorPos(FOnMouseDownCoord);
    ResetObjectStates();
    MouseTimer->SetEnabled(false);
    ActiveObject = MouseCaptureObject = -1;
    FSizeMove = true;
    // The window system always drags with the whole window.
    FFullDrag = true;
}

void TlxLumivex::WMSizing(TMessage& M) {
    FSizing = true;
    HMagnetized = VMagnetized = HMagnetized2 = VMagnetized2 = false;
    CallOld(M);
    auto* r = LParamToPtr<TRect>(M.LParam);
    if (!r) return;
    FFormWidth = r->Width();
    FFormHeight = r->Height();
    if (!FSkinnableForm) return;
    if (!HasSkin())
        SetFormRegion();
    else if (FFormWidth >= GetMinWidth() && FFormHeight >= GetMinHeight())
        UpdateFrame();
}

void TlxLumivex::WMSize(TMessage& M) {
    if (FSizeMove && FFullDrag && FSizing) {
        CallOld(M);
        if (!IsMDIForm() && !FLogoBitMap.Empty()) FForm->Repaint();
        return;
    }
    CallOld(M);
    if (M.WParam == SIZE_MINIMIZED) return;
    FFormWidth = FForm->Width();
    FFormHeight = FForm->Height();
    HMagnetized = VMagnetized = HMagnetized2 = VMagnetized2 = false;
    if (FSkinnableForm) {
        if (HasSkin()) {
            if (FFormWidth >= GetMinWidth() && FFormHeight >= GetMinHeight()) UpdateFrame();
        } else {
            SetFormRegion();
            SendNCPaint();
        }
    }
    if (!IsMDIForm() && !FLogoBitMap.Empty() && FForm->HandleAllocated()) FForm->Invalidate();
}

void TlxLumivex::WMMoving(TMessage& M) {
    auto* r = LParamToPtr<TRect>(M.LParam);
    if (!r) return;
    if (FWindowState == wsMaximized && !IsMDIChild()) {
        *r = FForm->BoundsRect();
        return;
    }
    if (!FMagnetic) return;
    const int w = FForm->Width(), h = FForm->Height();
    int left = r->Left, top = r->Top;
    MagnetizePosition(left, top, w, h);
    *r = {left, top, left + w, top + h};
}

void TlxLumivex::MagnetizePosition(int& Left, int& Top, int Width, int Height) {
    const TRect area = MonitorArea(true);
    const int M = FMagneticSize;
    TPoint c;
    GetCursorPos(c);
    // One edge: snapped while near; once snapped, the pointer must leave the
    // place it snapped at by more than M pixels to pull the form away.
    auto edge = [&](int& Pos, int Target, bool Near, bool& Magnetized, int CursorPos, int& DownPos,
                    int Offset) {
        if (Near && !Magnetized) {
            Pos = Target;
            DownPos = CursorPos;
        } else if (Magnetized) {
            if (std::abs(CursorPos - DownPos) > M)
                Pos = CursorPos + Offset - DownPos;
            else
                Pos = Target;
        }
        Magnetized = Near;
    };
    const bool nearLeft = area.Left - M < Left && Left < area.Left + M;
    edge(Left, area.Left, nearLeft, HMagnetized, c.X, FOnMouseDownCoord.X, area.Left);
    const bool nearTop = area.Top - M < Top && Top < area.Top + M;
    edge(Top, area.Top, nearTop, VMagnetized, c.Y, FOnMouseDownCoord.Y, area.Top);
    const bool nearRight = area.Right - M < Left + Width && Left + Width < area.Right + M;
    edge(Left, area.Right - Width, nearRight, HMagnetized2, c.X, FOnMouseDownCoord.X, area.Right - Width);
    const bool nearBottom = area.Bottom - M < Top + Height && Top + Height < area.Bottom + M;
    edge(Top, area.Bottom - Height, nearBottom, VMagnetized2, c.Y, FOnMouseDownCoord.Y, area.Bottom - Height);
}

void TlxLumivex::WMWindowPosChanged(TMessage& M) {
    CallOld(M);
    if (auto* pos = LParamToPtr<TWindowPos>(M.LParam); pos && !(pos->flags & SWP_NOMOVE)) {
        FFormLeft = pos->x;
        FFormTop = pos->y;
        if (!FSizing) {
            FOldFormLeft = FFormLeft;
            FOldFormTop = FFormTop;
        }
    }
}

void TlxLumivex::WMExitSizeMove(TMessage&) {
    if (FSizing && (FForm->Width() != FFormWidth || FForm->Height() != FFormHeight)) {
        FFormWidth = FForm->Width();
        FFormHeight = FForm->Height();
        UpdateFrame();
    }
    FSizing = FSizeMove = false;
    MouseTimer->SetEnabled(false);
    ActiveObject = OldActiveObject = MouseCaptureObject = -1;
    if (HasSkin()) SendNCPaint();
}

// ---- Window states

void TlxLumivex::SetWindowState(TWindowState Value) {
    if (!FSkinnableForm) {
        if (HWND h = FormHandle())
            ShowWindow(h, Value == wsMaximized   ? SW_MAXIMIZE
                          : Value == wsMinimized ? SW_MINIMIZE
                                                 : SW_RESTORE);
        return;
    }
    if (Value == FWindowState) return;
    const bool platformMinimize = Value == wsMinimized && PlatformMinimizes();
    if (!platformMinimize) FWindowState = Value;
    switch (Value) {
    case wsNormal:
        if (FRollUpState && MaxRollUpState && !FRollUpBeforeMaximize) SetRollUpState(false);
        FRollUpBeforeMaximize = false;
        RestoreForm();
        break;
    case wsMinimized:
        MinimizeForm();
        break;
    case wsMaximized:
        FRollUpBeforeMaximize = FRollUpState;
        MaximizeForm();
        break;
    }
}

// The main form minimises through the window system where the desktop
// gives minimised windows back (a window manager's task bar); without one it
// takes a slot like any other form, so it stays on the screen to restore.
bool TlxLumivex::PlatformMinimizes() const {
    if (FMinimizeDefault) return true;
    return Application && Application->MainForm() == FForm && DesktopServices().RestoresMinimizedWindows();
}

void TlxLumivex::MinimizeForm() {
    if (PlatformMinimizes()) {
        // The window system's own minimize (the task bar keeps the form reachable).
        if (HWND h = FormHandle()) ShowWindow(h, SW_MINIMIZE);
    } else {
        if (IsNullRect(OldBoundsRect)) OldBoundsRect = FForm->BoundsRect();
        const TPoint p = GetMinimizedPosition();
        FForm->SetBounds(p.X, p.Y, GetMinWidth(), GetMinHeight());
    }
    if (IsMDIChild()) MDIChildRestored();
    if (OnMinimize) OnMinimize(this);
}

TPoint TlxLumivex::GetMinimizedPosition() {
    if (IsMDIChild()) return GetMDIMinimizedPosition();
    const int MW = GetMinWidth(), MH = GetMinHeight();
    const TRect area = MonitorArea(true);
    auto taken = [this](int X, int Y) {
        if (!Screen) return false;
        for (int i = 0; i < Screen->FormCount(); ++i) {
            TCustomForm* f = Screen->Forms(i);
            if (f == FForm || !f->Visible()) continue;
            TlxLumivex* c = FindFormSkinComponent(f);
            if (c && c->WindowState() == wsMinimized && f->Left() == X && f->Top() == Y) return true;
        }
        return false;
    };
    int X = area.Left, Y = area.Bottom - MH;
    // Slots never run out: past the top row the first slot of the last row is reused.
    while (taken(X, Y)) {
        X += MW;
        if (X + MW > area.Right) {
            X = area.Left;
            Y -= MH;
        }
        if (Y < area.Top) return {area.Left, area.Bottom - MH};
    }
    return {X, Y};
}

void TlxLumivex::MaximizeForm() {
    if (IsMDIChild()) {
        MaximizeMDIChild();
        return;
    }
    if (IsNullRect(OldBoundsRect)) OldBoundsRect = FForm->BoundsRect();
    TRect area = MonitorArea(!FMaximizeOnFullScreen);
    if (!FMaximizeOnFullScreen) {
        const TRect monitor = MonitorArea(false);
        const TRect screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        // Without a task bar a pixel stays free on every side.
        if (area == monitor && monitor == screen) InflateRect(area, -1, -1);
    }
    const TRect before = FForm->BoundsRect();
    FForm->SetBoundsRect(area);
    if (FForm->BoundsRect().Width() == before.Width() && FForm->BoundsRect().Height() == before.Height())
        NudgeFormWidth();
    if (OnMaximize) OnMaximize(this);
}

void TlxLumivex::RestoreForm() {
    MaxRollUpState = false;
    const TRect before = FForm->BoundsRect();
    if (FStartShow) {
        FStartShow = false;
        if (!IsNullRect(OldBoundsRect)) {
            const TPoint p = GetPositionInMonitor(OldBoundsRect.Left, OldBoundsRect.Top,
                                                  OldBoundsRect.Width(), OldBoundsRect.Height());
            FForm->SetBounds(p.X, p.Y, OldBoundsRect.Width(), OldBoundsRect.Height());
        }
    } else if (!IsNullRect(OldBoundsRect)) {
        FForm->SetBoundsRect(OldBoundsRect);
    }
    MouseTimer->SetEnabled(true);
    if (FForm->Width() == before.Width() && FForm->Height() == before.Height()) NudgeFormWidth();
    if (FForm->HandleAllocated()) FForm->Invalidate();
    if (IsMDIChild()) MDIChildRestored();
    OldBoundsRect = TRect{};
    if (OnRestore) OnRestore(this);
}

void TlxLumivex::SetRollUpState(bool Value) {
    if (!FBorderIcons.Contains(TlxBorderIcon::biRollUp) || FWindowState == wsMinimized) return;
    if (FRollUpState && FWindowState == wsMaximized && !MaxRollUpState) return;
    if (Value == FRollUpState) return;
    if (FWindowState == wsMaximized) MaxRollUpState = Value;
    if (Value) {
        OldHeight = FForm->Height();
        FRollUpState = true;
        FForm->SetHeight(GetMinHeight());
    } else {
        FRollUpState = false;
        if (FClientHeight > 0)
            FForm->SetClientHeight(FClientHeight);
        else
            FForm->SetHeight(OldHeight);
    }
    if (OnChangeRollUpState) OnChangeRollUpState(this);
}

// ---- Placement and the tray

TPoint TlxLumivex::GetPositionInMonitor(int AX, int AY, int AW, int AH) const {
    if (FPositionInMonitor == lxpDefault) return {AX, AY};
    const TRect area = MonitorArea(FPositionInMonitor == lxpDesktopCenter);
    return {area.Left + area.Width() / 2 - AW / 2, area.Top + area.Height() / 2 - AH / 2};
}

void TlxLumivex::ApplyPositionInMonitor() {
    const TPoint p = GetPositionInMonitor(FForm->Left(), FForm->Top(), FForm->Width(), FForm->Height());
    FForm->SetBounds(p.X, p.Y, FForm->Width(), FForm->Height());
}

void TlxLumivex::WMShowWindow(TMessage& M) {
    const bool showing = M.WParam != 0;
    if (showing && FStartShow) {
        if (FPositionInMonitor == lxpDefault) {
            FStartShow = false;
        } else if (FWindowState == wsNormal) {
            FStartShow = false;
            ApplyPositionInMonitor();
        }
    }
    if (showing) BeginShowEffects();
    if (showing && IsMDIForm()) SubclassMDIClient();
    if (IsMDIChild()) MDIChildShowing(showing);
    CallOld(M);
    if (showing && FSkinnableForm && !IsMDIForm()) NudgeFormWidth();
    if (!showing) EndShowEffects();
}

// ---- The system menu

namespace {

const char* const SysItemNames[] = {"LVX_MINITEM", "LVX_MAXITEM",   "LVX_RESTORE",
                                    "LVX_ROLLUP",  "LVX_MINTOTRAY", "LVX_CLOSE"};

} // namespace

std::string TlxLumivex::SysText(const char* Key, const char* BuiltIn) const {
    TlxResourceStrData* strings = FSD ? FSD->ResourceStrData() : nullptr;
    return strings ? strings->GetResStr(Key) : std::string(BuiltIn);
}

TMenuItem* TlxLumivex::MakeSysItem(int Kind) {
    static const char* const Keys[] = {"MI_MINCAPTION",    "MI_MAXCAPTION",       "MI_RESTORECAPTION",
                                       "MI_ROLLUPCAPTION", "MI_MINTOTRAYCAPTION", "MI_CLOSECAPTION"};
    static const char* const Texts[] = {"Mi&nimize", "Ma&ximize",         "&Restore",
                                        "Ro&llUp",   "Minimize to &Tray", "&Close"};
    auto* item = new TMenuItem(this);
    item->SetName(SysItemNames[Kind]);
    item->SetCaption(SysText(Keys[Kind], Texts[Kind]));
    switch (Kind) {
    case 0:
        item->OnClick = [this](TObject*) {
            if (FAlwaysMinimizeToTray)
                MinimizeToTray();
            else
                SetWindowState(wsMinimized);
        };
        break;
    case 1:
        item->OnClick = [this](TObject*) { SetWindowState(wsMaximized); };
        break;
    case 2:
        item->OnClick = [this](TObject*) {
            if (FRollUpState && (MaxRollUpState || FWindowState == wsNormal))
                SetRollUpState(false);
            else
                SetWindowState(wsNormal);
        };
        break;
    case 3:
        item->OnClick = [this](TObject*) { SetRollUpState(true); };
        break;
    case 4:
        item->OnClick = [this](TObject*) { MinimizeToTray(); };
        break;
    case 5:
        item->SetShortCut(IsMDIChild() ? ShortCut(VK_F4, TShiftState{ssCtrl})
                                       : ShortCut(VK_F4, TShiftState{ssAlt}));
        item->OnClick = [this](TObject*) { FForm->Close(); };
        break;
    }
    return item;
}

std::vector<int> TlxLumivex::SysMenuKinds() const {
    std::vector<int> kinds;
    if (FWindowState != wsMinimized && FBorderIcons.Contains(TlxBorderIcon::biMinimize)) kinds.push_back(0);
    if (FWindowState != wsMaximized && FBorderIcons.Contains(TlxBorderIcon::biMaximize)) kinds.push_back(1);
    if (FWindowState != wsNormal || FRollUpState) kinds.push_back(2);
    if (FBorderIcons.Contains(TlxBorderIcon::biRollUp) && !FRollUpState && FWindowState != wsMinimized)
        kinds.push_back(3);
    if (FBorderIcons.Contains(TlxBorderIcon::biMinimizeToTray)) kinds.push_back(4);
    return kinds;
}

TMenuItem* TlxLumivex::GetSystemMenuItems() {
    if (FSystemMenu) {
        TMenuItem* root = FSystemMenu->Items();
        if (!FUseDefaultSysMenu) return root;
        for (int i = root->Count() - 1; i >= 0; --i) {
            TMenuItem* item = root->Items(i);
            for (const char* name : SysItemNames)
                if (item->Name() == name) {
                    root->Delete(i);
                    item->Free();
                    break;
                }
        }
        // Above the user's items: minimize, restore, maximize, roll-up, tray.
        std::vector<int> kinds = SysMenuKinds();
        std::vector<int> order;
        for (int k : {0, 2, 1, 3, 4})
            if (std::find(kinds.begin(), kinds.end(), k) != kinds.end()) order.push_back(k);
        for (size_t i = 0; i < order.size(); ++i)
            root->Insert(static_cast<int>(i), MakeSysItem(order[i]));
        root->Add(MakeSysItem(5));
        return root;
    }
    if (!FSysMenu) return nullptr;
    TMenuItem* root = FSysMenu->Items();
    while (root->Count() > 0) {
        TMenuItem* item = root->Items(root->Count() - 1);
        root->Delete(root->Count() - 1);
        item->Free();
    }
    const std::vector<int> kinds = SysMenuKinds();
    for (int k : kinds)
        root->Add(MakeSysItem(k));
    if (!kinds.empty()) {
        auto* line = new TMenuItem(this);
        line->SetCaption("-");
        root->Add(line);
    }
    root->Add(MakeSysItem(5));
    return root;
}

void TlxLumivex::PopupSystemMenu(int X, int Y) {
    PopupSystemMenuFromRect({X, Y, X, Y});
}

void TlxLumivex::ShowSystemMenuAtButton() {
    TKeepAlive alive(this);
    for (size_t i = 0; i < ObjectList.size() && !FreePending(); ++i) {
        TlxActiveSkinObject* o = ObjectList[i].get();
        TlxStdCommand command;
        if (auto* s = dynamic_cast<TlxSkinStdButtonObject*>(o))
            command = s->Command;
        else if (auto* a = dynamic_cast<TlxSkinAnimateObject*>(o))
            command = a->Command;
        else
            continue;
        if (command == cmSysMenu && o->Enabled)
            PopupSystemMenuFromRect(ObjectScreenRect(this, o->ObjectRect));
    }
}

// ---- Keyboard shortcuts

void TlxLumivex::FormShortCut(TMessage& Msg, bool& Handled) {
    TKeepAlive alive(this);
    if (OnShortCut) {
        OnShortCut(Msg, Handled);
        if (Handled || FreePending()) return;
    }
    if (Msg.WParam == static_cast<WPARAM>(VK_SPACE) && KeyboardStateToShiftState() == TShiftState{ssAlt}) {
        ShowSystemMenuAtButton();
        FInShortCut = false;
        Handled = true;
        return;
    }
    if (FInShortCut) {
        FInShortCut = false;
        Handled = false;
    }
    MainMenuShortCut(Msg, Handled);
}
