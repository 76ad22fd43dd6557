#include "platform/vcl/TWinControl.h"

#include "platform/base/ScopeGuard.h"
#include "platform/vcl/Mouse.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TCustomForm.h"

#include "platform/gdi/Gdi.h"

#include <algorithm>
#include <map>

namespace {

std::map<HWND, TWinControl*>& HandleMap() {
    static std::map<HWND, TWinControl*> map;
    return map;
}

// A control that snaps its own size can ask for another pass; this many are allowed.
constexpr int MaxAlignPasses = 4;

} // namespace

TWinControl* TWinControl::FindControl(HWND Wnd) {
    auto& map = HandleMap();
    auto it = map.find(Wnd);
    return it == map.end() ? nullptr : it->second;
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
    // Leave the parent while this is still a whole TWinControl.
    if (FParent) FParent->RemoveControl(this);
    // Children go with their parent, windowed and windowless alike.
    while (!FControls.empty() || !FWinControls.empty()) {
        TControl* child =
            !FWinControls.empty() ? static_cast<TControl*>(FWinControls.back()) : FControls.back();
        RemoveControl(child);
        child->Free();
    }
    DestroyHandle();
}

// ---- the window

void TWinControl::CreateParams(TCreateParams& Params) {
    Params.Caption = FText;
    Params.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (FVisible) Params.Style |= WS_VISIBLE;
    if (FTabStop) Params.Style |= WS_TABSTOP;
    if (!FEnabled) Params.Style |= WS_DISABLED;
    Params.X = FLeft;
    Params.Y = FTop;
    Params.Width = FWidth;
    Params.Height = FHeight;
    Params.WndParent = FParent ? FParent->Handle() : nullptr;
    if (FControlStyle.Contains(csDoubleClicks)) Params.ClassStyle |= CS_DBLCLKS;
    Params.WinClassName = ClassName();
}

void TWinControl::CreateWnd() {
    TCreateParams params;
    CreateParams(params);
    if ((params.Style & WS_CHILD) && !params.WndParent)
        throw EComponentError("Control '" + Name() + "' has no parent window");
    CreateWindowHandle(params);
    if (!FHandle) throw EOSError("Cannot create a window for '" + Name() + "'");
}

void TWinControl::CreateWindowHandle(const TCreateParams& P) {
    HWND wnd = CreateWindowEx(P.ExStyle, P.WinClassName, P.Caption, P.Style, P.X, P.Y, P.Width, P.Height,
                              P.WndParent, P.ClassStyle);
    if (!wnd) return;
    FHandle = wnd;
    HandleMap()[wnd] = this;
    FHandlerId = PushWindowHandler(
        wnd, [this](HWND w, TMessage& m, const TCallNext& next) { HandleWindowMessage(w, m, next); });
}

void TWinControl::HandleWindowMessage(HWND Wnd, TMessage& Message, const TCallNext& Next) {
    if (Wnd != FHandle) {
        Next(Message);
        return;
    }
    TKeepAlive alive(this);
    const TCallNext* saved = FCallNext;
    FCallNext = &Next;
    try {
        WindowProc(Message);
    } catch (...) {
        // No exception crosses the window system.
        if (Application) Application->HandleException(this);
    }
    FCallNext = saved;
}

void TWinControl::CreateHandle() {
    if (FHandle) return;
    {
        FControlState.Include(csCreating);
        TScopeGuard created([this] { FControlState.Exclude(csCreating); });
        CreateWnd();
    }
    UpdateBounds();
    for (TWinControl* child : std::vector<TWinControl*>(FWinControls))
        child->CreateHandle();
    Realign();
}

void TWinControl::HandleNeeded() {
    if (FHandle) return;
    if (FParent) FParent->HandleNeeded();
    CreateHandle();
}

HWND TWinControl::Handle() {
    HandleNeeded();
    return FHandle;
}

void TWinControl::DestroyChildHandles() {
    for (TWinControl* child : FWinControls)
        child->DestroyHandle();
}

void TWinControl::DestroyHandle() {
    if (!FHandle) return;
    FControlState.Include(csDestroyingHandle);
    DestroyChildHandles();
    HWND wnd = FHandle;
    HandleMap().erase(wnd);
    FHandle = nullptr;
    if (WindowSystemReady()) {
        // Late messages of the dying window must not reach this object.
        RemoveWindowHandler(wnd, FHandlerId);
        DestroyWindow(wnd);
    }
    FControlState.Exclude(csDestroyingHandle);
}

void TWinControl::RecreateWnd() {
    if (!FHandle) return;
    TCustomForm* form = GetParentForm(this);
    HWND focus = WindowSystemReady() ? GetFocus() : nullptr;
    TWinControl* focused = FindControl(focus);
    bool hadFocus = focused && (focused == this || ContainsControl(focused));
    DestroyHandle();
    HandleNeeded();
    if (hadFocus && focused->HandleAllocated() && focused->CanFocus()) {
        ::SetFocus(focused->WindowHandle());
        if (form) form->SetFocusedControl(focused);
    }
}

void TWinControl::UpdateControlState() {
    if (FVisible && FParent && FParent->HandleAllocated()) HandleNeeded();
    if (FHandle) ShowWindow(FHandle, FVisible ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void TWinControl::UpdateBounds() {
    if (!FHandle) return;
    TRect r;
    GetWindowRect(FHandle, r);
    if (FParent && FParent->HandleAllocated()) {
        TPoint tl = r.TopLeft();
        ::ScreenToClient(FParent->WindowHandle(), tl);
        r = {tl.X, tl.Y, tl.X + r.Width(), tl.Y + r.Height()};
    } else if (GetWindowLongPtr(FHandle, GWL_STYLE) & WS_CHILD) {
        // A child window of a window that is not our parent control (an MDI
        // child in its client): its bounds are in that window's client.
        HWND parent = ::GetParent(FHandle);
        if (!parent) return;
        TPoint tl = r.TopLeft();
        ::ScreenToClient(parent, tl);
        r = {tl.X, tl.Y, tl.X + r.Width(), tl.Y + r.Height()};
    }
    if (r == BoundsRect()) return;
    bool resized = r.Width() != FWidth || r.Height() != FHeight;
    FLeft = r.Left;
    FTop = r.Top;
    FWidth = r.Width();
    FHeight = r.Height();
    UpdateAnchorRules();
    RequestAlign();
    if (resized) {
        Realign();
        if (!ComponentState().Contains(csLoading)) Resize();
    }
}

// ---- children

int TWinControl::ControlCount() const {
    return static_cast<int>(FControls.size() + FWinControls.size());
}

TControl* TWinControl::Controls(int Index) const {
    if (Index < 0 || Index >= ControlCount())
        throw EListError("Control index out of bounds (" + std::to_string(Index) + ")");
    int n = static_cast<int>(FControls.size());
    return Index < n ? FControls[Index] : FWinControls[Index - n];
}

void TWinControl::InsertControl(TControl* AControl) {
    AControl->FParent = this;
    if (auto* win = dynamic_cast<TWinControl*>(AControl)) {
        FWinControls.push_back(win);
        FTabList.push_back(win);
        if (FHandle) win->HandleNeeded();
    } else {
        FControls.push_back(AControl);
        AControl->Invalidate();
    }
    AControl->UpdateAnchorRules();
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 1);
    AlignControl(AControl);
}

void TWinControl::RemoveControl(TControl* AControl) {
    if (AControl->FParent != this) return;
    Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(AControl), 0);
    auto windowed = std::find(FWinControls.begin(), FWinControls.end(), AControl);
    if (windowed != FWinControls.end()) {
        TWinControl* win = *windowed;
        if (TCustomForm* form = GetParentForm(this)) form->ControlRemoving(win);
        win->DestroyHandle();
        FWinControls.erase(std::remove(FWinControls.begin(), FWinControls.end(), win), FWinControls.end());
        FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), win), FTabList.end());
    } else {
        AControl->Invalidate();
        FControls.erase(std::remove(FControls.begin(), FControls.end(), AControl), FControls.end());
    }
    if (GetCaptureControl() == AControl) SetCaptureControl(nullptr);
    AControl->FParent = nullptr;
    if (!ComponentState().Contains(csDestroying)) Realign();
}

bool TWinControl::ContainsControl(const TControl* Control) const {
    for (const TControl* c = Control; c; c = c->Parent())
        if (c == this) return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls) const {
    auto hit = [&](TControl* c) {
        return c->Visible() && (AllowDisabled || c->Enabled()) && c->BoundsRect().Contains(Pos);
    };
    if (AllowWinControls)
        for (auto it = FWinControls.rbegin(); it != FWinControls.rend(); ++it)
            if (hit(*it)) return *it;
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
        if (hit(*it)) return *it;
    return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        TKeepAlive alive(c);
        c->WindowProc(Message);
        if (Message.Result != 0) return;
    }
}

void TWinControl::NotifyControls(uint32_t Msg) {
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->Perform(Msg);
}

void TWinControl::SetParentComponent(TComponent* Value) {
    TControl::SetParentComponent(Value);
}

void TWinControl::Loaded() {
    TControl::Loaded();
    if (FTabOrderWanted >= 0) SetTabOrder(FTabOrderWanted);
    if (FAlignPending) Realign();
}

// ---- alignment

void TWinControl::DisableAlign() {
    ++FAlignLevel;
}

void TWinControl::EnableAlign() {
    if (FAlignLevel > 0 && --FAlignLevel == 0 && FAlignPending) Realign();
}

void TWinControl::Realign() {
    AlignControl(nullptr);
}

void TWinControl::AlignControl(TControl* AControl) {
    if (FAlignLevel > 0 || ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) {
        FAlignPending = true;
        return;
    }
    if (FAligning) {
        // A child changed while being aligned: one more pass after this one.
        FAlignAgain = true;
        return;
    }
    FAligning = true;
    FAlignPending = false;
    TScopeGuard aligned([this] { FAligning = false; });
    int passes = 0;
    do {
        FAlignAgain = false;
        TRect r = ClientRect();
        AlignControls(AControl, r);
        AControl = nullptr;
    } while (FAlignAgain && ++passes < MaxAlignPasses);
}

void TWinControl::AdjustClientRect(TRect&) {}

void TWinControl::AlignControls(TControl* AControl, TRect& Rect) {
    AdjustClientRect(Rect);
    auto key = [](TControl* c, TAlign a) {
        switch (a) {
        case alTop:
            return c->FTop;
        case alBottom:
            return -(c->FTop + c->FHeight);
        case alLeft:
            return c->FLeft;
        case alRight:
            return -(c->FLeft + c->FWidth);
        default:
            return 0;
        }
    };
    for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient}) {
        // The control that asked goes first among equals; the rest keep their order.
        std::vector<TControl*> list;
        if (AControl && AControl->FParent == this && AControl->FAlign == a && AControl->FVisible)
            list.push_back(AControl);
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* c = Controls(i);
            if (c == AControl || c->FAlign != a || !c->FVisible) continue;
            auto pos =
                std::find_if(list.begin(), list.end(), [&](TControl* o) { return key(c, a) < key(o, a); });
            list.insert(pos, c);
        }
        for (TControl* c : list) {
            int l = Rect.Left, t = Rect.Top, w = Rect.Width(), h = Rect.Height();
            switch (a) {
            case alTop:
                h = c->FHeight;
                break;
            case alBottom:
                h = c->FHeight;
                t = Rect.Bottom - h;
                break;
            case alLeft:
                w = c->FWidth;
                break;
            case alRight:
                w = c->FWidth;
                l = Rect.Right - w;
                break;
            default:
                break;
            }
            c->FAnchorMove = true;
            c->SetBounds(l, t, w, h);
            c->FAnchorMove = false;
            // The control may have kept another size (constraints, a skin):
            // the space it takes is the size it has.
            switch (a) {
            case alTop:
                Rect.Top += c->FHeight;
                break;
            case alBottom:
                Rect.Bottom -= c->FHeight;
                break;
            case alLeft:
                Rect.Left += c->FWidth;
                break;
            case alRight:
                Rect.Right -= c->FWidth;
                break;
            default:
                break;
            }
        }
    }
    AnchorControls();
}

void TWinControl::AnchorControls() {
    TRect client = ClientRect();
    int cw = client.Width(), ch = client.Height();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->FAlign != alNone || !c->FAnchorRulesSet || c->FAnchors == TAnchors{akLeft, akTop}) continue;
        if (c->FAnchorParentSize == TSize{cw, ch}) continue;
        int l = c->FLeft, t = c->FTop, w = c->FWidth, h = c->FHeight;
        const TRect& g = c->FAnchorGaps;
        bool left = c->FAnchors.Contains(akLeft), right = c->FAnchors.Contains(akRight);
        bool top = c->FAnchors.Contains(akTop), bottom = c->FAnchors.Contains(akBottom);
        if (left && right) {
            l = g.Left;
            w = cw - g.Right - g.Left;
        } else if (right) {
            l = cw - g.Right - w;
        } else if (!left && c->FAnchorParentSize.cx > 0) {
            l = c->FAnchorCentre.X * cw / c->FAnchorParentSize.cx - w / 2;
        }
        if (top && bottom) {
            t = g.Top;
            h = ch - g.Bottom - g.Top;
        } else if (bottom) {
            t = ch - g.Bottom - h;
        } else if (!top && c->FAnchorParentSize.cy > 0) {
            t = c->FAnchorCentre.Y * ch / c->FAnchorParentSize.cy - h / 2;
        }
        c->FAnchorMove = true;
        c->SetBounds(l, t, w, h);
        c->FAnchorMove = false;
    }
}

void TWinControl::ScrollBy(int DeltaX, int DeltaY) {
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        c->SetBounds(c->FLeft + DeltaX, c->FTop + DeltaY, c->FWidth, c->FHeight);
    }
    FAlignPending = false;
    EnableAlign();
    Invalidate();
}

// ---- bounds and painting

TRect TWinControl::ClientRect() const {
    TRect r;
    if (FHandle && WindowSystemReady() && GetClientRect(FHandle, r)) return r;
    return TControl::ClientRect();
}

TPoint TWinControl::ClientOrigin() const {
    if (FHandle && WindowSystemReady()) {
        TPoint p{0, 0};
        ::ClientToScreen(FHandle, p);
        return p;
    }
    return TControl::ClientOrigin();
}

bool TWinControl::Showing() const {
    if (FHandle && WindowSystemReady()) return IsWindowVisible(FHandle);
    return false;
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    FConstraints.Apply(AWidth, AHeight);
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    bool resized = AWidth != FWidth || AHeight != FHeight;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    if (FHandle && WindowSystemReady())
        SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    if (!FAnchorMove) UpdateAnchorRules();
    RequestAlign();
    if (resized) {
        Realign();
        if (!ComponentState().Contains(csLoading)) Resize();
    }
}

void TWinControl::Invalidate() {
    if (FHandle && WindowSystemReady()) InvalidateRect(FHandle, nullptr, !FControlStyle.Contains(csOpaque));
}

void TWinControl::Repaint() {
    Invalidate();
    Update();
}

void TWinControl::Update() {
    if (FHandle && WindowSystemReady()) UpdateWindow(FHandle);
}

void TWinControl::SetZOrder(bool TopMost) {
    if (FParent) {
        auto& list = FParent->FWinControls;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        if (TopMost)
            list.push_back(this);
        else
            list.insert(list.begin(), this);
    }
    if (FHandle && WindowSystemReady())
        SetWindowPos(FHandle, TopMost ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TWinControl::PaintWindow(HDC DC) {
    TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(DC), 0, 0};
    DefaultHandler(m);
}

void TWinControl::PaintControls(HDC DC, TControl* First) {
    size_t start = 0;
    if (First) {
        auto it = std::find(FControls.begin(), FControls.end(), First);
        if (it == FControls.end()) return;
        start = static_cast<size_t>(it - FControls.begin());
    }
    std::vector<TControl*> list(FControls.begin() + static_cast<long>(start), FControls.end());
    for (TControl* c : list) {
        if (!c->FVisible || c->FWidth <= 0 || c->FHeight <= 0) continue;
        if (!RectVisible(DC, c->BoundsRect())) continue;
        int saved = SaveDC(DC);
        OffsetViewportOrgEx(DC, c->FLeft, c->FTop, nullptr);
        IntersectClipRect(DC, 0, 0, c->FWidth, c->FHeight);
        c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
        RestoreDC(DC, saved);
    }
}

void TWinControl::PaintHandler(TMessage& Message) {
    HDC dc = reinterpret_cast<HDC>(Message.WParam);
    TPaintStruct ps;
    bool own = dc == nullptr;
    if (own) {
        dc = BeginPaint(FHandle, ps);
        if (!dc) return;
    }
    if (FControls.empty()) {
        PaintWindow(dc);
    } else {
        int saved = SaveDC(dc);
        // Opaque windowless children paint every pixel of their own: the
        // parent leaves their area alone.
        for (TControl* c : FControls)
            if (c->FVisible && c->FControlStyle.Contains(csOpaque))
                ExcludeClipRect(dc, c->FLeft, c->FTop, c->FLeft + c->FWidth, c->FTop + c->FHeight);
        PaintWindow(dc);
        RestoreDC(dc, saved);
        PaintControls(dc, nullptr);
    }
    if (own) EndPaint(FHandle, ps);
}

void TWinControl::WMEraseBkgnd(TMessage& Message) {
    HDC dc = reinterpret_cast<HDC>(Message.WParam);
    if (dc && !FControlStyle.Contains(csOpaque)) {
        HBRUSH brush = CreateSolidBrush(ColorToRGB(FColor));
        FillRect(dc, ClientRect(), brush);
        DeleteObject(brush);
    }
    Message.Result = 1;
}

void TWinControl::PaintTo(HDC DC, int X, int Y) {
    FControlState.Include(csPaintCopy);
    int saved = SaveDC(DC);
    OffsetViewportOrgEx(DC, X, Y, nullptr);
    IntersectClipRect(DC, 0, 0, FWidth, FHeight);
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), reinterpret_cast<LPARAM>(DC));
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
    // Windowed children cover the parent's drawing, lowest first.
    std::vector<TWinControl*> order = FWinControls;
    if (FHandle && WindowSystemReady()) {
        order.clear();
        std::vector<HWND> kids = GetChildWindows(FHandle);
        for (auto it = kids.rbegin(); it != kids.rend(); ++it)
            if (TWinControl* c = FindControl(*it); c && (c->FParent == this || !c->FParent))
                order.push_back(c);
    }
    for (TWinControl* c : order) {
        if (!c->FVisible) continue;
        // A framed child window of ours that is no child control (an MDI
        // child): its client lies inside its frame.
        TRect client{0, 0, 0, 0};
        if (!c->FParent && c->FHandle && WindowSystemReady()) GetClientRectInWindow(c->FHandle, client);
        c->PaintTo(DC, c->FLeft + client.Left, c->FTop + client.Top);
    }
    RestoreDC(DC, saved);
    FControlState.Exclude(csPaintCopy);
}

// ---- focus

void TWinControl::SetTabStop(bool Value) {
    if (FTabStop == Value) return;
    FTabStop = Value;
    if (FHandle && WindowSystemReady()) {
        intptr_t style = GetWindowLongPtr(FHandle, GWL_STYLE);
        SetWindowLongPtr(FHandle, GWL_STYLE, Value ? (style | WS_TABSTOP) : (style & ~intptr_t(WS_TABSTOP)));
    }
}

int TWinControl::TabOrder() const {
    if (!FParent) return -1;
    auto& list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int Value) {
    if (ComponentState().Contains(csLoading)) FTabOrderWanted = Value;
    if (!FParent) return;
    auto& list = FParent->FTabList;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    Value = std::clamp(Value, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + Value, this);
}

bool TWinControl::CanFocus() const {
    TCustomForm* form = GetParentForm(this);
    for (const TControl* c = this; c && c != form; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    if (form) return form->Visible() && form->Enabled();
    return FParent != nullptr || (FVisible && FEnabled);
}

bool TWinControl::Focused() const {
    return FHandle && WindowSystemReady() && GetFocus() == FHandle;
}

void TWinControl::SetFocus() {
    if (TCustomForm* form = GetParentForm(this)) {
        form->FocusControl(this);
        return;
    }
    if (!CanFocus()) throw EComponentError("Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
    for (TWinControl* c : FTabList) {
        List.push_back(c);
        c->GetTabOrderList(List);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    int n = static_cast<int>(list.size());
    auto found = std::find(list.begin(), list.end(), CurControl);
    int start = found == list.end() ? (GoForward ? n - 1 : 0) : static_cast<int>(found - list.begin());
    int i = start;
    for (int step = 0; step < n; ++step) {
        i = GoForward ? (i + 1) % n : (i - 1 + n) % n;
        TWinControl* c = list[i];
        if (c == CurControl) break;
        if (!c->CanFocus()) continue;
        if (CheckTabStop && !c->FTabStop) continue;
        if (CheckParent && CurControl && c->FParent != CurControl->FParent) continue;
        return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
    if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop))
        next->SetFocus();
}

// ---- messages

void TWinControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_SETFOCUS:
        SetVisualStateItem(vsFocused, true);
        if (TCustomForm* form = GetParentForm(this)) form->SetFocusedControl(this);
        break;
    case WM_KILLFOCUS:
        SetVisualStateItem(vsFocused, false);
        break;
    case WM_SETCURSOR: {
        UpdateMouseControlFromCursor();
        TPoint p;
        if (LoPart(static_cast<uint64_t>(Message.LParam)) == HTCLIENT && GetCursorPos(p)) {
            TControl* over = FindControlAtScreen(p);
            TCursor cursor = over ? over->Cursor() : crDefault;
            if (cursor != crDefault) {
                ::SetCursor(Screen ? Screen->CursorId(cursor) : IDC_ARROW);
                Message.Result = 1;
                return;
            }
        }
        break;
    }
    case WM_MOUSELEAVE:
        UpdateMouseControlFromCursor();
        break;
    case WM_CAPTURECHANGED:
        WindowCaptureChanged(this, LParamToHwnd(Message.LParam));
        break;
    case WM_MOUSEMOVE:
        if (FCallNext) UpdateMouseControl(TControl::ClientToScreen(LParamToPoint(Message.LParam)));
        [[fallthrough]];
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        if (IsControlMouseMsg(Message)) return;
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (DialogKeyOffered(Message) || DoKeyDown(Message)) return;
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        if (DoKeyUp(Message)) return;
        break;
    case WM_CHAR: {
        TCustomForm* form = GetParentForm(this);
        if (form && !(Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) &&
            form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0)
            return;
        if (DoKeyPress(Message)) return;
        break;
    }
    case WM_SYSCHAR:
        if (TCustomForm* form = GetParentForm(this);
            form && form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0)
            return;
        break;
    }
    TControl::WndProc(Message);
}

bool TWinControl::IsControlMouseMsg(TMessage& Message) {
    TControl* target = nullptr;
    TControl* capture = GetCaptureControl();
    TPoint p = LParamToPoint(Message.LParam);
    if (capture && capture != this) {
        if (capture->FParent != this) return false;
        target = capture;
    } else if (!capture) {
        target = ControlAtPos(p, false);
    }
    if (!target) return false;
    TMessage forwarded{Message.Msg, Message.WParam, PointToLParam({p.X - target->FLeft, p.Y - target->FTop}),
                       0};
    TKeepAlive alive(target);
    target->WindowProc(forwarded);
    Message.Result = forwarded.Result;
    return true;
}

bool TWinControl::DialogKeyOffered(TMessage& Message) {
    auto key = static_cast<uint16_t>(Message.WParam);
    TCustomForm* form = GetParentForm(this);
    if (form && form->IsShortCut(key, KeyboardStateToShiftState())) return true;
    uint32_t mask = 0;
    switch (key) {
    case VK_TAB:
        mask = DLGC_WANTTAB;
        break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        mask = DLGC_WANTARROWS;
        break;
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_CANCEL:
        mask = DLGC_WANTALLKEYS;
        break;
    }
    if (!mask || !form) return false;
    if (Perform(CM_WANTSPECIALKEY, key, Message.LParam) != 0) return false;
    if (static_cast<uint32_t>(Perform(WM_GETDLGCODE)) & mask) return false;
    return form->Perform(CM_DIALOGKEY, key, Message.LParam) != 0;
}

bool TWinControl::DoKeyDown(TMessage& Message) {
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() && form->DoKeyDown(Message)) return true;
    auto key = static_cast<uint16_t>(Message.WParam);
    KeyDown(key, KeyboardStateToShiftState());
    Message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& Message) {
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() && form->DoKeyUp(Message)) return true;
    auto key = static_cast<uint16_t>(Message.WParam);
    KeyUp(key, KeyboardStateToShiftState());
    Message.WParam = key;
    return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& Message) {
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() && form->DoKeyPress(Message)) return true;
    auto ch = static_cast<char32_t>(Message.WParam);
    KeyPress(ch);
    Message.WParam = ch;
    return ch == 0;
}

void TWinControl::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(uint16_t& Key, TShiftState Shift) {
    if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(char32_t& Key) {
    if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

void TWinControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_PAINT:
        PaintHandler(Message);
        return;
    case WM_ERASEBKGND:
        WMEraseBkgnd(Message);
        return;
    case WM_WINDOWPOSCHANGED:
        DefaultHandler(Message);
        UpdateBounds();
        return;
    case CM_DIALOGKEY:
        CMDialogKey(Message);
        return;
    case CM_DIALOGCHAR:
        CMDialogChar(Message);
        return;
    case CM_FOCUSCHANGED:
        CMFocusChanged(Message);
        return;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    case CM_VISIBLECHANGED:
        CMVisibleChanged(Message);
        return;
    case CM_ENABLEDCHANGED:
        CMEnabledChanged(Message);
        return;
    case CM_TEXTCHANGED:
        CMTextChanged(Message);
        return;
    case CM_FONTCHANGED:
        CMFontChanged(Message);
        return;
    case CM_COLORCHANGED:
        CMColorChanged(Message);
        return;
    }
    TControl::Dispatch(Message);
}

void TWinControl::DefaultHandler(TMessage& Message) {
    if (FCallNext) {
        (*FCallNext)(Message);
        return;
    }
    if (FHandle && WindowSystemReady() && Message.Msg < CM_BASE) DefWindowProc(FHandle, Message);
}

void TWinControl::CMDialogKey(TMessage& Message) {
    Broadcast(Message);
}

void TWinControl::CMDialogChar(TMessage& Message) {
    Broadcast(Message);
}

void TWinControl::CMFocusChanged(TMessage& Message) {
    // Every control hears of it, whatever the others answer.
    for (int i = 0; i < ControlCount(); ++i) {
        TMessage copy = Message;
        Controls(i)->WindowProc(copy);
    }
}

void TWinControl::CMVisibleChanged(TMessage& Message) {
    if (FHandle && !FVisible && WindowSystemReady()) {
        // Hiding the focused control (or a parent of it) moves the focus on
        // first, so the old control is exited and the next one entered.
        TWinControl* focused = FindControl(GetFocus());
        TCustomForm* form = GetParentForm(this);
        if (focused && form && form != this && focused != form &&
            (focused == this || ContainsControl(focused))) {
            if (TWinControl* next = form->FindNextControl(focused, true, true, false))
                next->SetFocus();
            else
                ::SetFocus(form->Handle());
        }
    }
    if (FHandle) {
        ShowWindow(FHandle, FVisible ? SW_SHOWNOACTIVATE : SW_HIDE);
        if (!FVisible)
            if (TCustomForm* form = GetParentForm(this)) form->ControlRemoving(this);
    } else if (FVisible && FParent && FParent->HandleAllocated()) {
        HandleNeeded();
    }
    (void)Message;
}

void TWinControl::CMEnabledChanged(TMessage&) {
    SetVisualStateItem(vsEnabled, FEnabled);
    if (FHandle) EnableWindow(FHandle, FEnabled);
    Invalidate();
}

void TWinControl::CMTextChanged(TMessage&) {
    if (FHandle) SetWindowText(FHandle, FText);
    Invalidate();
}

void TWinControl::CMFontChanged(TMessage& Message) {
    TControl::CMFontChanged(Message);
    NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::CMColorChanged(TMessage& Message) {
    TControl::CMColorChanged(Message);
    NotifyControls(CM_PARENTCOLORCHANGED);
}
