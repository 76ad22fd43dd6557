#include "skin/controls/TlxSkinCustomOfficeComboBox.h"

#include "platform/sys/TDesktopServices.h"
#include "skin/controls/TlxSkinScrollBar.h"
#include "skin/engine/DataSkinListControls.h"

#include <algorithm>

namespace {

constexpr uintptr_t ScrollTimer = 1;
constexpr uint32_t ScrollMs = 25;

} // namespace

TlxSkinCustomOfficeComboBox::TlxSkinCustomOfficeComboBox(TComponent* AOwner) : TlxSkinCustomControl(AOwner) {
    FControlStyle = {csAcceptsControls, csCaptureMouse, csOpaque, csDoubleClicks, csReplicatable};
    SetTabStop(true);
    FDefaultFont.SetName("Arial");
    FDefaultFont.SetHeight(14);
    FDefaultFont.SetColor(clWindowText);
    FDefaultFont.SetStyle({});
    SetFont(FDefaultFont);
    SetSkinDataName("combobox");
    // Held by the box itself, not among its components: it must outlive
    // everything the box's teardown may still send it.
    FListBoxHolder.reset(new TlxPopupOfficeListBox(nullptr));
    FListBox = FListBoxHolder.get();
    FListBox->SetMouseMoveChangeIndex(true);
    FListBox->SetVisible(false);
    // Every message of the popup passes here first.
    FListBoxWindowProc = FListBox->WindowProc;
    FListBox->WindowProc = [this](TMessage& M) { ListBoxWindowProcHook(M); };
    SetBounds(Left(), Top(), 120, 41);
    CalcRects();
}

TlxSkinCustomOfficeComboBox::~TlxSkinCustomOfficeComboBox() {
    if (HandleAllocated()) KillTimer(WindowHandle(), ScrollTimer);
    // The popup goes first, with its own window procedure back: the hook
    // reaches into this box.
    FListBox->WindowProc = FListBoxWindowProc;
    FListBoxHolder.reset();
}

void TlxSkinCustomOfficeComboBox::Fire(const TNotifyEvent& Event) {
    if (Event) Event(this);
}

void TlxSkinCustomOfficeComboBox::Change() {
    Fire(OnChange);
}

// ---- Properties

void TlxSkinCustomOfficeComboBox::SetItemIndex(int Value) {
    TKeepAlive alive(this);
    FListBox->SetItemIndex(Value);
    if (FreePending()) return;
    FOldItemIndex = FListBox->ItemIndex();
    Invalidate();
    if (Designing() || ComponentState().Contains(csLoading) || ComponentState().Contains(csReading)) return;
    Fire(OnClick);
    if (FreePending()) return;
    Change();
}

void TlxSkinCustomOfficeComboBox::SetImages(TCustomImageList* Value) {
    FListBox->SetImages(Value);
    Invalidate();
}

void TlxSkinCustomOfficeComboBox::SetToolButtonStyle(bool Value) {
    if (FToolButtonStyle == Value) return;
    FToolButtonStyle = Value;
    if (Value) FUseSkinSize = false;
    CalcRects();
    Invalidate();
}

void TlxSkinCustomOfficeComboBox::SetUseSkinSize(bool Value) {
    if (FUseSkinSize == Value) return;
    FUseSkinSize = Value;
    ChangeSkinData();
}

void TlxSkinCustomOfficeComboBox::SetDefaultColor(TColor Value) {
    FDefaultColor = Value;
    if (!Skinned()) Invalidate();
}

void TlxSkinCustomOfficeComboBox::SetDropDownCount(int Value) {
    if (Value >= 0) FDropDownCount = Value;
}

void TlxSkinCustomOfficeComboBox::SetShowItemTitle(bool Value) {
    if (FShowItemTitle == Value) return;
    FShowItemTitle = Value;
    Invalidate();
}

void TlxSkinCustomOfficeComboBox::SetShowItemImage(bool Value) {
    if (FShowItemImage == Value) return;
    FShowItemImage = Value;
    Invalidate();
}

void TlxSkinCustomOfficeComboBox::SetShowItemText(bool Value) {
    if (FShowItemText == Value) return;
    FShowItemText = Value;
    Invalidate();
}

void TlxSkinCustomOfficeComboBox::DefaultFontChanged() {
    SetFont(FDefaultFont);
}

// ---- Skin and geometry

void TlxSkinCustomOfficeComboBox::GetSkinData() {
    TlxSkinCustomControl::GetSkinData();
    auto* d = dynamic_cast<TlxDataSkinComboBox*>(Description());
    if (!d) return;
    ActiveSkinRect = d->ActiveSkinRect;
    ActiveFontColor = d->ActiveFontColor;
    FontName = d->FontName;
    FontStyle = d->FontStyle;
    FontHeight = d->FontHeight;
    SItemRect = d->SItemRect;
    FocusItemRect = d->FocusItemRect.IsEmpty() ? d->SItemRect : d->FocusItemRect;
    ActiveItemRect = d->ActiveItemRect;
    ItemLeftOffset = d->ItemLeftOffset;
    ItemRightOffset = d->ItemRightOffset;
    ItemTextRect = d->ItemTextRect;
    FontColor = d->FontColor;
    FocusFontColor = d->FocusFontColor;
    ButtonRect = d->ButtonRect;
    ActiveButtonRect = d->ActiveButtonRect;
    DownButtonRect = d->DownButtonRect;
    UnEnabledButtonRect = d->UnEnabledButtonRect;
    ListBoxName = d->ListBoxName;
    ItemStretchEffect = d->ItemStretchEffect;
    FocusItemStretchEffect = d->FocusItemStretchEffect;
    ShowFocus = d->ShowFocus;
}

void TlxSkinCustomOfficeComboBox::CalcSize(int& W, int& H) {
    if (FUseSkinSize) {
        TlxSkinCustomControl::CalcSize(W, H);
        return;
    }
    // Only the width follows the skin's parts; the height is the user's.
    if (!Skinned()) return;
    TlxSkinSize s = CalcSkinSizeFreeWidth(Geometry, W, H);
    if (s.ResizeMode != TlxResizeMode::None) Sized = s;
}

void TlxSkinCustomOfficeComboBox::SetControlRegion() {
    if (FUseSkinSize) TlxSkinCustomControl::SetControlRegion();
}

void TlxSkinCustomOfficeComboBox::CalcRects() {
    GetSkinData();
    const int w = Width(), h = Height();
    if (!Skinned() || FToolButtonStyle) {
        Button.R = {w - 19, 2, w - 2, h - 2};
        CBItem.R = {2, 2, Button.R.Left - 1, h - 2};
        return;
    }
    const int dw = w - Geometry.SkinRect.Width();
    const int dh = h - Geometry.SkinRect.Height();
    Button.R = ButtonRect;
    if (ButtonRect.Left >= Geometry.SkinRect.Width() - Geometry.RTPt.X) OffsetRect(Button.R, dw, 0);
    CBItem.R = Geometry.ClRect;
    CBItem.R.Right += dw;
    if (!FUseSkinSize) {
        Button.R.Bottom += dh;
        CBItem.R.Bottom += dh;
    }
}

void TlxSkinCustomOfficeComboBox::BoundsSet(bool Changed) {
    TlxSkinCustomControl::BoundsSet(Changed);
    CalcRects();
    Invalidate();
}

void TlxSkinCustomOfficeComboBox::ChangeSkinData() {
    TlxSkinCustomControl::ChangeSkinData();
    CalcRects();
    Invalidate();
    // An unskinned box drops down an unskinned list.
    FListBox->SetSkinDataName(Skinned() ? FListBox->SkinDataName() : std::string());
    FListBox->SetSkinData(SkinData());
    CalcRects();
}

// ---- Opening and closing

TPoint TlxSkinCustomOfficeComboBox::PopupOrigin(int PopupWidth, int PopupHeight) const {
    TPoint p{Left() + Width() - PopupWidth, Top() + Height()};
    if (Parent()) p = Parent()->ClientToScreen(p);
    // The work area of the monitor the box is on (else the primary one).
    const TPoint centre = ClientToScreen({Width() / 2, Height() / 2});
    TRect work{0, 0, 1024, 768};
    bool found = false;
    for (const TDesktopMonitor& m : DesktopServices().Monitors()) {
        if (m.Bounds.Contains(centre) || (!found && m.Primary)) {
            work = m.WorkArea;
            found = m.Bounds.Contains(centre);
            if (found) break;
        }
    }
    if (work.Bottom < p.Y + PopupHeight) p.Y -= Height() + PopupHeight;
    return p;
}

void TlxSkinCustomOfficeComboBox::DropDown() {
    if (Items()->Count() == 0) return;
    TKeepAlive alive(this);
    WasInLB = false;
    StopTimer();
    Fire(OnDropDown);
    if (FreePending()) return;
    const int width = FListBoxWidth != 0 ? FListBoxWidth : Width();
    FListBox->OnDrawItem = OnDrawItem;
    FListBox->SetSkinData(SkinData());
    int height = FListBox->Height();
    if (FListBoxHeight > 0)
        height = FListBoxHeight;
    else if (FDropDownCount > 0)
        height = FListBox->CalcHeight(FDropDownCount);
    FListBox->SetBounds(FListBox->Left(), FListBox->Top(), width, height);
    const TPoint origin = PopupOrigin(width, height);
    FOldItemIndex = FListBox->ItemIndex();
    // Scrolled to the top for the first row, without telling anyone.
    if (FOldItemIndex == 0 && Items()->Count() > 1) {
        FListBox->SetActiveItem(1);
        FListBox->SetActiveItem(0);
    }
    FDropDown = true;
    if (FToolButtonStyle) Repaint();
    if (FAlpha.AlphaBlend && FAlpha.AlphaBlendAnimation) FLBDown = false;
    FListBox->Show(origin, FAlpha);
}

void TlxSkinCustomOfficeComboBox::CloseUp(bool Accept) {
    TKeepAlive alive(this);
    StopTimer();
    if (!FListBox->Visible()) return;
    FListBox->Hide();
    const int index = FListBox->ItemIndex();
    if (Accept && index >= 0 && index < Items()->Count()) {
        FDropDown = false;
        Invalidate();
        Fire(OnClick);
        if (FreePending()) return;
        Change();
        if (FreePending()) return;
    } else {
        FListBox->SetActiveItem(FOldItemIndex);
    }
    FDropDown = false;
    Invalidate();
    if (Accept) Fire(OnCloseUp);
}

bool TlxSkinCustomOfficeComboBox::CanCancelDropDown() const {
    return FListBox->Visible() && !FMouseIn;
}

// ---- Selection steps

void TlxSkinCustomOfficeComboBox::SelectPageUp(bool Commit) {
    FListBox->FindPageUp();
    if (Commit) SetItemIndex(FListBox->ItemIndex());
}

void TlxSkinCustomOfficeComboBox::SelectPageDown(bool Commit) {
    FListBox->FindPageDown();
    if (Commit) SetItemIndex(FListBox->ItemIndex());
}

void TlxSkinCustomOfficeComboBox::SelectPrior(bool Commit) {
    FListBox->FindUp();
    if (Commit) SetItemIndex(FListBox->ItemIndex());
}

void TlxSkinCustomOfficeComboBox::SelectNext(bool Commit) {
    FListBox->FindDown();
    if (Commit) SetItemIndex(FListBox->ItemIndex());
}

// ---- Mouse

void TlxSkinCustomOfficeComboBox::MouseDown(TMouseButton AButton, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TlxSkinCustomControl::MouseDown(AButton, Shift, X, Y);
    if (FreePending()) return;
    if (!Focused() && CanFocus()) SetFocus();
    if (FreePending() || AButton != TMouseButton::mbLeft) return;
    if (Button.MouseIn || PtInRect(CBItem.R, {X, Y}) || FToolButtonStyle) {
        Button.Down = true;
        Invalidate();
        if (!FListBox->Visible()) {
            WasInLB = false;
            FLBDown = true;
            DropDown();
        } else {
            CloseUp(false);
        }
    } else if (FListBox->Visible()) {
        CloseUp(false);
    }
}

void TlxSkinCustomOfficeComboBox::MouseMove(TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TlxSkinCustomControl::MouseMove(Shift, X, Y);
    if (FreePending()) return;
    if (FListBox->Visible()) TrackListMouse();
    const bool in = PtInRect(Button.R, {X, Y});
    if (in != Button.MouseIn) {
        Button.MouseIn = in;
        Invalidate();
    }
}

void TlxSkinCustomOfficeComboBox::MouseUp(TMouseButton AButton, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    if (FLBDown && WasInLB) {
        if (MouseCapture()) SetMouseCapture(false);
        FLBDown = false;
        const TPoint p = ClientToScreen({X, Y});
        CloseUp(FListBox->Visible() && FListBox->BoundsRect().Contains(p));
        if (FreePending()) return;
    } else {
        FLBDown = false;
    }
    TlxSkinCustomControl::MouseUp(AButton, Shift, X, Y);
    if (FreePending()) return;
    if (Button.Down) {
        Button.Down = false;
        Invalidate();
    }
}

void TlxSkinCustomOfficeComboBox::TrackListMouse() {
    TPoint cursor;
    GetCursorPos(cursor);
    const TPoint p{cursor.X - FListBox->Left(), cursor.Y - FListBox->Top()};
    const bool canScroll = FListBox->ScrollBar() != nullptr && WasInLB;
    if (p.Y < 0 && canScroll) {
        if (FTimerMode != 1) {
            FTimerMode = 1;
            StartTimer();
        }
    } else if (p.Y > FListBox->Height() && canScroll) {
        if (FTimerMode != 2) {
            FTimerMode = 2;
            StartTimer();
        }
    } else if (p.Y >= 0 && p.Y <= FListBox->Height()) {
        StopTimer();
        FListBox->Perform(WM_MOUSEMOVE, 0, PointToLParam(p));
        WasInLB = true;
        if (!FLBDown) {
            FLBDown = true;
            WasInLB = false;
        }
    }
}

void TlxSkinCustomOfficeComboBox::StartTimer() {
    if (!HandleAllocated()) return;
    KillTimer(WindowHandle(), ScrollTimer);
    SetTimer(WindowHandle(), ScrollTimer, ScrollMs);
}

void TlxSkinCustomOfficeComboBox::StopTimer() {
    if (HandleAllocated()) KillTimer(WindowHandle(), ScrollTimer);
    FTimerMode = 0;
}

void TlxSkinCustomOfficeComboBox::ListBoxWindowProcHook(TMessage& Message) {
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
        // A click in the popup ends in the box's release handling.
        FLBDown = true;
        WasInLB = true;
        SetMouseCapture(true);
        return;
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return;
    case WM_MOUSEACTIVATE:
        if (FListBoxWindowProc) FListBoxWindowProc(Message);
        Message.Result = MA_NOACTIVATE;
        return;
    }
    if (FListBoxWindowProc) FListBoxWindowProc(Message);
}

// ---- Keys, focus and the rest

void TlxSkinCustomOfficeComboBox::KeyDown(uint16_t& Key, TShiftState Shift) {
    TKeepAlive alive(this);
    TlxSkinCustomControl::KeyDown(Key, Shift);
    if (FreePending()) return;
    const bool open = FListBox->Visible();
    const bool alt = Shift.Contains(ssAlt);
    switch (Key) {
    case VK_RETURN:
        if (open) CloseUp(true);
        break;
    case VK_ESCAPE:
        if (open) CloseUp(false);
        break;
    case VK_PRIOR:
        SelectPageUp(true);
        break;
    case VK_NEXT:
        SelectPageDown(true);
        break;
    case VK_UP:
    case VK_LEFT:
        if (!alt)
            SelectPrior(true);
        else if (open)
            CloseUp(false);
        break;
    case VK_DOWN:
    case VK_RIGHT:
        if (!alt)
            SelectNext(true);
        else if (!open)
            DropDown();
        break;
    }
}

void TlxSkinCustomOfficeComboBox::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case CM_WANTSPECIALKEY:
        // The arrows always; Enter and Escape while the list is open.
        if (Message.WParam == VK_UP || Message.WParam == VK_DOWN || Message.WParam == VK_LEFT ||
            Message.WParam == VK_RIGHT ||
            (FListBox->Visible() && (Message.WParam == VK_RETURN || Message.WParam == VK_ESCAPE))) {
            Message.Result = 1;
            return;
        }
        break;
    case WM_GETDLGCODE:
        Message.Result = DLGC_WANTARROWS;
        return;
    case WM_TIMER:
        if (Message.WParam == ScrollTimer) {
            TKeepAlive alive(this);
            if (FTimerMode == 1) FListBox->FindUp();
            if (FTimerMode == 2) FListBox->FindDown();
            return;
        }
        break;
    case WM_MOUSEWHEEL: {
        TKeepAlive alive(this);
        const int delta = HiPart(Message.WParam);
        const bool commit = !FListBox->Visible();
        if (delta <= 0)
            SelectNext(commit);
        else
            SelectPrior(commit);
        Message.Result = 1;
        return;
    }
    case WM_SETFOCUS:
        TlxSkinCustomControl::Dispatch(Message);
        Invalidate();
        return;
    case WM_KILLFOCUS: {
        TKeepAlive alive(this);
        TlxSkinCustomControl::Dispatch(Message);
        if (FListBox->Visible()) CloseUp(false);
        Invalidate();
        return;
    }
    case CM_CANCELMODE: {
        TKeepAlive alive(this);
        TlxSkinCustomControl::Dispatch(Message);
        auto* sender = reinterpret_cast<TControl*>(Message.LParam);
        const bool own = sender == this || sender == FListBox ||
                         (sender && sender == static_cast<TControl*>(FListBox->ScrollBar()));
        if (!own && FListBox->Visible()) CloseUp(false);
        return;
    }
    case CM_ENABLEDCHANGED:
        TlxSkinCustomControl::Dispatch(Message);
        Invalidate();
        return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
        TlxSkinCustomControl::Dispatch(Message);
        if (Message.LParam != reinterpret_cast<LPARAM>(static_cast<TControl*>(this))) return;
        FMouseIn = Message.Msg == CM_MOUSEENTER;
        if (!FMouseIn) Button.MouseIn = false;
        Invalidate();
        return;
    }
    }
    TlxSkinCustomControl::Dispatch(Message);
}
