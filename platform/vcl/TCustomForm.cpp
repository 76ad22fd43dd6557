#include "platform/vcl/TCustomForm.h"

#include "platform/base/ScopeGuard.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TComponentReader.h"
#include "platform/vcl/TMDIClient.h"
#include "platform/vcl/TMenu.h"

#include "platform/vcl/Mouse.h"

#include <algorithm>

TCustomForm::TCustomForm(TComponent* AOwner) : TCustomControl(AOwner) {
    FVisible = false;
    FParentColor = false;
    FParentFont = false;
    FColor = clBtnFace;
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    FWidth = 320;
    FHeight = 240;
    if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
    // The MDI client goes while the form is still whole, since it reads the
    // form on its way out.
    if (TMDIClient* client = FMDIClient) {
        FMDIClient = nullptr;
        client->Free();
    }
    if (Screen) Screen->RemoveForm(this);
}

void TCustomForm::InitInheritedComponent() {
    std::string name = ClassName();
    bool found = TComponentReader::ReadInherited(this);
    if (!found && name != "TForm" && name != "TCustomForm")
        throw EResNotFound("Resource " + name + " not found");
}

void TCustomForm::DoCreate() {
    if (!OnCreate) return;
    TKeepAlive alive(this);
    OnCreate(this);
}

void TCustomForm::Destroying() {
    if (!FDestroyDone) {
        FDestroyDone = true;
        if (OnDestroy) {
            try {
                OnDestroy(this);
            } catch (...) {
                if (Application) Application->HandleException(this);
            }
        }
        if (Screen) Screen->RemoveForm(this);
        if (TMDIClient* client = ParentMDIClient()) client->ChildGone(this);
    }
    TCustomControl::Destroying();
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FActiveControl) FActiveControl = nullptr;
    if (AComponent == FFocusedControl) FFocusedControl = nullptr;
}

void TCustomForm::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    // A form placed inside another control (a preview) is a child window
    // with its frame; any other is a top-level window.
    const bool child = FParent != nullptr;
    Params.Style &= ~uint32_t(WS_VISIBLE);
    TMDIClient* client = child ? nullptr : ParentMDIClient();
    if (client) {
        // An MDI child: a child window of the main form's client, framed.
        Params.Style |= WS_CHILD | WS_CLIPSIBLINGS;
        Params.WndParent = client->Handle();
    } else if (!child) {
        Params.Style &= ~uint32_t(WS_CHILD);
        Params.WndParent = nullptr;
    }
    switch (FBorderStyle) {
    case bsNone:
        if (!child && !client) Params.Style |= WS_POPUP;
        break;
    case bsSingle:
    case bsToolWindow:
        Params.Style |= WS_CAPTION | WS_BORDER;
        break;
    case bsDialog:
        Params.Style |= WS_CAPTION | WS_DLGFRAME;
        break;
    case bsSizeable:
    case bsSizeToolWin:
        Params.Style |= WS_CAPTION | WS_THICKFRAME;
        break;
    }
    if (FBorderStyle != bsNone) {
        if (FBorderIcons.Contains(biSystemMenu)) Params.Style |= WS_SYSMENU;
        if (FBorderIcons.Contains(biMinimize) && FBorderStyle != bsDialog) Params.Style |= WS_MINIMIZEBOX;
        if (FBorderIcons.Contains(biMaximize) && FBorderStyle != bsDialog) Params.Style |= WS_MAXIMIZEBOX;
    }
    if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) Params.ExStyle |= WS_EX_TOOLWINDOW;
    if (FFormStyle == fsStayOnTop && !child) Params.ExStyle |= WS_EX_TOPMOST;
    Params.ExStyle |= WS_EX_CONTROLPARENT;
}

void TCustomForm::CreateHandle() {
    PlaceByPosition();
    TCustomControl::CreateHandle();
}

void TCustomForm::PlaceByPosition() {
    if (!Screen) return;
    TRect area;
    switch (FPosition) {
    case poScreenCenter:
    case poDesktopCenter:
        area = CentringArea();
        break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        TCustomForm* other = FPosition == poMainFormCenter && Application
                                 ? Application->MainForm()
                                 : dynamic_cast<TCustomForm*>(Owner());
        if (!other || other == this) {
            area = CentringArea();
        } else {
            area = other->BoundsRect();
        }
        break;
    }
    default:
        return;
    }
    const int left = area.Left + area.Width() / 2 - FWidth / 2;
    const int top = area.Top + area.Height() / 2 - FHeight / 2;
    if (HandleAllocated())
        SetBounds(left, top, FWidth, FHeight);
    else {
        FLeft = left;
        FTop = top;
    }
}

TRect TCustomForm::CentringArea() const {
    // A window with an owner (a modal dialog) is centred on its owner's
    // monitor, any other on the screen.
    HWND owner = HandleAllocated() && WindowSystemReady() ? GetWindow(FHandle, GW_OWNER) : nullptr;
    TMonitorInfo info;
    if (owner && GetMonitorInfo(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), info) &&
        !info.rcMonitor.IsEmpty())
        return info.rcMonitor;
    return {0, 0, Screen->Width(), Screen->Height()};
}

bool TCustomForm::CanFocus() const {
    return FVisible && FEnabled;
}

bool TCustomForm::Showing() const {
    return HandleAllocated() && WindowSystemReady() && IsWindowVisible(FHandle);
}

void TCustomForm::SetFocus() {
    if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
    if (FFormStyle == Value) return;
    FFormStyle = Value;
    if (Value == fsMDIForm && !FMDIClient) {
        FMDIClient = new TMDIClient(this);
    } else if (Value != fsMDIForm && FMDIClient) {
        TMDIClient* client = FMDIClient;
        FMDIClient = nullptr;
        client->Free();
    }
    if (HandleAllocated() && WindowSystemReady() && !(GetWindowLongPtr(FHandle, GWL_STYLE) & WS_CHILD))
        SetWindowPos(FHandle, Value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    UpdateWindowStyle();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
    if (FBorderIcons == Value) return;
    FBorderIcons = Value;
    UpdateWindowStyle();
}

// The same window takes the new styles and works its frame out again: a new
// window would lose its shape, its opacity and any native child.
void TCustomForm::UpdateWindowStyle() {
    if (!HandleAllocated()) return;
    TCreateParams params;
    CreateParams(params);
    HWND wnd = WindowHandle();
    const auto style = static_cast<uint32_t>(GetWindowLongPtr(wnd, GWL_STYLE));
    const auto exStyle = static_cast<uint32_t>(GetWindowLongPtr(wnd, GWL_EXSTYLE));
    SetWindowLongPtr(wnd, GWL_STYLE, params.Style | (style & (WS_MINIMIZE | WS_MAXIMIZE)));
    SetWindowLongPtr(wnd, GWL_EXSTYLE, params.ExStyle | (exStyle & WS_EX_LAYERED));
    SetWindowPos(wnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TCustomForm::SetMenu(TMainMenu* Value) {
    FMenu.Set(Value);
}

// ---- MDI

TMenuItem* TCustomForm::WindowMenu() const {
    return FWindowMenu;
}

void TCustomForm::SetWindowMenu(TMenuItem* Value) {
    FWindowMenu.Set(Value);
}

HWND TCustomForm::ClientHandle() {
    return FMDIClient ? FMDIClient->Handle() : nullptr;
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
    return FMDIClient ? FMDIClient->ActiveChild() : nullptr;
}

int TCustomForm::MDIChildCount() const {
    return FMDIClient ? static_cast<int>(FMDIClient->Children().size()) : 0;
}

TCustomForm* TCustomForm::MDIChildren(int Index) const {
    if (!FMDIClient) return nullptr;
    const auto list = FMDIClient->Children();
    return Index >= 0 && Index < static_cast<int>(list.size()) ? list[Index] : nullptr;
}

TMDIClient* TCustomForm::ParentMDIClient() const {
    if (FFormStyle != fsMDIChild || FParent) return nullptr;
    if (FHandle && WindowSystemReady()) return dynamic_cast<TMDIClient*>(FindControl(::GetParent(FHandle)));
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    return main && main != this ? main->FMDIClient : nullptr;
}

void TCustomForm::MDIActivated(bool Active) {
    if (Active == FActive) return;
    FActive = Active;
    if (Active) {
        if (FActiveControl && FActiveControl->CanFocus())
            FActiveControl->SetFocus();
        else
            FocusFirstControl();
        if (!FActiveControl && HandleAllocated() && WindowSystemReady()) ::SetFocus(FHandle);
        Activate();
    } else {
        Deactivate();
    }
}

// ---- showing and closing

void TCustomForm::Show() {
    SetVisible(true);
    if (HandleAllocated() && WindowSystemReady()) {
        if (TMDIClient* client = ParentMDIClient()) {
            client->ActivateChild(this);
            return;
        }
        BringWindowToTop(FHandle);
        if (!FParent) SetActiveWindow(FHandle);
    }
}

void TCustomForm::DoShow() {
    if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
    if (OnHide) OnHide(this);
}

void TCustomForm::Activate() {
    if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
    if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::DoClose(TCloseAction& Action) {
    if (OnClose) OnClose(this, Action);
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close() {
    TKeepAlive alive(this);
    if (FFormState.Contains(fsModal)) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    if (Application && Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide:
        Hide();
        break;
    case caMinimize:
        if (HandleAllocated()) ShowWindow(FHandle, SW_MINIMIZE);
        break;
    case caFree:
        Release();
        break;
    case caNone:
        break;
    }
}

void TCustomForm::Release() {
    if (WindowSystemReady()) PostMessage(Handle(), CM_RELEASE);
}

void TCustomForm::CloseModal() {
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    switch (action) {
    case caNone:
        FModalResult = mrNone;
        break;
    case caFree:
        Release();
        break;
    default:
        break;
    }
}

HWND TCustomForm::ModalOwnerWindow() const {
    // The program's active window, else its shown main form.
    HWND active = GetActiveWindow();
    if (active && active != FHandle) return active;
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    if (main && main != this && main->HandleAllocated() && IsWindowVisible(main->WindowHandle()))
        return main->WindowHandle();
    return nullptr;
}

void TCustomForm::RestoreActiveWindow(HWND Previous, HWND PreviousFocus) {
    auto usable = [](HWND w) { return w && IsWindow(w) && IsWindowVisible(w) && IsWindowEnabled(w); };
    if (!usable(Previous)) return;
    SetActiveWindow(Previous);
    if (usable(PreviousFocus) && GetTopLevelWindow(PreviousFocus) == Previous) ::SetFocus(PreviousFocus);
}

TModalResult TCustomForm::ShowModal() {
    if (FVisible || !FEnabled || FFormState.Contains(fsModal))
        throw EInvalidOperation("Cannot make a visible window modal");
    TKeepAlive alive(this);
    if (GetCaptureControl()) SetCaptureControl(nullptr);
    if (GetCapture()) ReleaseCapture();
    FFormState.Include(fsModal);
    // The window that was active takes the focus back afterwards; meanwhile
    // it owns the dialog, which stays above it (on X11 a modal dialog
    // transient for it) and is centred on its monitor.
    const HWND previous = GetActiveWindow();
    const HWND previousFocus = GetFocus();
    HandleNeeded();
    const HWND formerOwner = GetWindow(FHandle, GW_OWNER);
    SetWindowLongPtr(FHandle, GWL_HWNDPARENT, reinterpret_cast<intptr_t>(ModalOwnerWindow()));
    PlaceByPosition();
    // Every other form takes no input while this one is up; they still paint.
    std::vector<HWND> disabled;
    if (Screen)
        for (int i = 0; i < Screen->FormCount(); ++i) {
            TCustomForm* f = Screen->Forms(i);
            // A form inside another goes with the window that holds it.
            if (f != this && !f->Parent() && f->HandleAllocated() && IsWindowEnabled(f->WindowHandle())) {
                EnableWindow(f->WindowHandle(), false);
                disabled.push_back(f->WindowHandle());
            }
        }
    FModalResult = mrNone;
    auto enableOthers = [&] {
        for (HWND w : disabled)
            EnableWindow(w, true);
    };
    {
        TScopeGuard onFailure([&] {
            enableOthers();
            FFormState.Exclude(fsModal);
        });
        Show();
        do {
            Application->HandleMessage();
            if (Application->Terminated())
                FModalResult = mrCancel;
            else if (FModalResult != mrNone)
                CloseModal();
        } while (FModalResult == mrNone && !FreePending());
        onFailure.Dismiss();
    }
    // The others take input again before this form hides, so one of them
    // can become active.
    enableOthers();
    if (!FreePending()) Hide();
    FFormState.Exclude(fsModal);
    if (!FreePending() && HandleAllocated())
        SetWindowLongPtr(FHandle, GWL_HWNDPARENT, reinterpret_cast<intptr_t>(formerOwner));
    RestoreActiveWindow(previous, previousFocus);
    return FModalResult;
}

// ---- focus

void TCustomForm::SetActiveControl(TWinControl* Control) {
    if (FActiveControl == Control) return;
    if (Control && (Control == this || GetParentForm(Control) != this ||
                    (!ComponentState().Contains(csLoading) && !Control->CanFocus())))
        throw EInvalidOperation("Cannot focus a disabled or invisible window");
    FActiveControl = Control;
    if (!ComponentState().Contains(csLoading) && FActive && Control) ::SetFocus(Control->Handle());
}

void TCustomForm::FocusControl(TWinControl* Control) {
    if (!Control->CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    FActiveControl = Control;
    if (FActive || (HandleAllocated() && WindowSystemReady() && GetActiveWindow() == FHandle))
        ::SetFocus(Control->Handle());
}

bool TCustomForm::SetFocusedControl(TWinControl* Control) {
    if (FFocusedControl == Control) return true;
    TKeepAlive alive(this);
    TWinControl* old = FFocusedControl;
    FFocusedControl = Control;
    if (Control != this) FActiveControl = Control;
    // The old control and its parents that do not hold the new one are left
    // first, then the new one's parents and itself are entered, outermost first.
    if (old)
        for (TWinControl* c = old; c && c != this && !c->ContainsControl(Control); c = c->Parent()) {
            c->Perform(CM_EXIT);
            if (FFocusedControl != Control) return false;
        }
    std::vector<TWinControl*> entering;
    for (TWinControl* c = Control; c && c != this && !(old && c->ContainsControl(old)); c = c->Parent())
        entering.insert(entering.begin(), c);
    for (TWinControl* c : entering) {
        c->Perform(CM_ENTER);
        if (FFocusedControl != Control) return false;
    }
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Control));
    return true;
}

void TCustomForm::ControlRemoving(TWinControl* Control) {
    if (FActiveControl && Control->ContainsControl(FActiveControl)) FActiveControl = nullptr;
    if (FFocusedControl && Control->ContainsControl(FFocusedControl)) FFocusedControl = nullptr;
}

void TCustomForm::SendCancelMode(TControl* Sender) {
    if (FActiveControl) FActiveControl->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(Sender));
}

bool TCustomForm::IsShortCut(uint16_t Key, TShiftState Shift) {
    if (OnShortCut) {
        TMessage msg{Shift.Contains(ssAlt) ? WM_SYSKEYDOWN : WM_KEYDOWN, Key, 0, 0};
        bool handled = false;
        TKeepAlive alive(this);
        OnShortCut(msg, handled);
        if (handled || FreePending()) return true;
    }
    return FMenu && FMenu->IsShortCut(::ShortCut(Key, Shift));
}

void TCustomForm::FocusFirstControl() {
    TWinControl* target = FActiveControl;
    if (!target || !target->CanFocus()) target = FindNextControl(nullptr, true, true, false);
    if (target && target->CanFocus())
        ::SetFocus(target->Handle());
    else
        ::SetFocus(FHandle);
}

// ---- messages

void TCustomForm::Paint() {
    if (OnPaint) OnPaint(this);
}

void TCustomForm::CMDialogKey(TMessage& Message) {
    auto key = static_cast<uint16_t>(Message.WParam);
    TShiftState shift = KeyboardStateToShiftState();
    if (!shift.Contains(ssAlt) && !shift.Contains(ssCtrl)) {
        switch (key) {
        case VK_TAB:
            SelectNext(FActiveControl, !shift.Contains(ssShift), true);
            Message.Result = 1;
            return;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            if (FActiveControl && FActiveControl->Parent()) {
                FActiveControl->Parent()->SelectNext(FActiveControl, key == VK_RIGHT || key == VK_DOWN,
                                                     false);
                Message.Result = 1;
                return;
            }
            break;
        }
    }
    TCustomControl::CMDialogKey(Message);
}

void TCustomForm::WMGetMinMaxInfo(TMessage& Message) {
    DefaultHandler(Message);
    // The user's sizing (and maximising) keeps within the constraints, as
    // SetBounds does.
    auto* mm = LParamToPtr<TMinMaxInfo>(Message.LParam);
    const TSizeConstraints& c = FConstraints;
    if (c.MinWidth() > 0) mm->ptMinTrackSize.X = std::max(mm->ptMinTrackSize.X, c.MinWidth());
    if (c.MinHeight() > 0) mm->ptMinTrackSize.Y = std::max(mm->ptMinTrackSize.Y, c.MinHeight());
    if (c.MaxWidth() > 0) {
        mm->ptMaxTrackSize.X = std::min(mm->ptMaxTrackSize.X, c.MaxWidth());
        mm->ptMaxSize.X = std::min(mm->ptMaxSize.X, c.MaxWidth());
    }
    if (c.MaxHeight() > 0) {
        mm->ptMaxTrackSize.Y = std::min(mm->ptMaxTrackSize.Y, c.MaxHeight());
        mm->ptMaxSize.Y = std::min(mm->ptMaxSize.Y, c.MaxHeight());
    }
}

void TCustomForm::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case CM_DIALOGKEY:
        CMDialogKey(Message);
        return;
    case CM_RELEASE:
        Free();
        return;
    case WM_CLOSE:
        Close();
        return;
    case WM_GETMINMAXINFO:
        WMGetMinMaxInfo(Message);
        return;
    case CM_VISIBLECHANGED:
        if (FVisible) {
            HandleNeeded();
            DoShow();
            ShowWindow(FHandle, SW_SHOW);
            if (TMDIClient* client = ParentMDIClient()) client->ActivateChild(this);
        } else {
            if (FHandle) ShowWindow(FHandle, SW_HIDE);
            if (TMDIClient* client = ParentMDIClient()) client->ChildGone(this);
            DoHide();
        }
        return;
    case WM_ACTIVATE: {
        DefaultHandler(Message);
        bool active = LoPart(Message.WParam) != WA_INACTIVE;
        if (active == FActive) return;
        FActive = active;
        if (active) {
            if (Screen) Screen->SetActiveForm(this);
            FocusFirstControl();
            Activate();
        } else {
            Deactivate();
        }
        return;
    }
    }
    TCustomControl::Dispatch(Message);
}
