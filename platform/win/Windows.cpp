// Window objects: creation, destruction, the tree, geometry, z-order, showing.

#include "platform/win/WinInternal.h"

#include <algorithm>

namespace {

void InsertAtTop(std::vector<TWindow*>& list, TWindow* w) {
    // Topmost windows stay above the others.
    auto it = list.begin();
    if (!(w->ExStyle & WS_EX_TOPMOST))
        while (it != list.end() && ((*it)->ExStyle & WS_EX_TOPMOST))
            ++it;
    list.insert(it, w);
}

void Unlink(TWindow* w) {
    auto& list = WS().SiblingList(w);
    list.erase(std::remove(list.begin(), list.end(), w), list.end());
}

void ParentNotify(TWindow* child, uint32_t event, LPARAM lp) {
    HWND wnd = child->Handle;
    for (TWindow* c = W(wnd); c && c->IsChild() && !(c->ExStyle & WS_EX_NOPARENTNOTIFY);) {
        HWND parent = c->Parent->Handle;
        SendMessage(parent, WM_PARENTNOTIFY, MakeWParam(static_cast<int32_t>(event), 0), lp);
        c = W(parent);
    }
}

void MarkDestroying(TWindow* w) {
    w->Destroying = true;
    for (TWindow* c : w->Children)
        MarkDestroying(c);
}

void SendDestroy(HWND wnd) {
    SendMessage(wnd, WM_DESTROY);
    TWindow* w = W(wnd);
    if (!w) return;
    std::vector<HWND> kids;
    for (TWindow* c : w->Children)
        kids.push_back(c->Handle);
    for (HWND k : kids)
        SendDestroy(k);
}

void SendNcDestroyAndForget(HWND wnd) {
    TWindow* w = W(wnd);
    if (!w) return;
    std::vector<HWND> kids;
    for (TWindow* c : w->Children)
        kids.push_back(c->Handle);
    for (HWND k : kids)
        SendNcDestroyAndForget(k);
    KillTimersOf(wnd);
    SendMessage(wnd, WM_NCDESTROY);
    w = W(wnd);
    if (!w) return;
    if (w->Surface) w->Surface->SetVisible(false);
    Unlink(w);
    WS().ForgetWindow(w);
}

} // namespace

TWindow* TopLevelOf(TWindow* w) {
    while (w && w->IsChild())
        w = w->Parent;
    return w;
}

void TWindowSystem::DestroyNow(TWindow* w) {
    HWND wnd = w->Handle;
    // Owned windows go first, as their owner's lifetime bounds theirs.
    std::vector<HWND> owned;
    for (TWindow* t : FTopLevels)
        if (t->Owner == w) owned.push_back(t->Handle);
    for (HWND o : owned)
        DestroyWindow(o);
    w = Find(wnd);
    if (!w || w->Destroying) return;
    MarkDestroying(w);
    bool wasVisible = w->Visible();
    TRect screen = ScreenWindowRect(w);
    TWindow* parent = w->IsChild() ? w->Parent : nullptr;
    w->Style &= ~WS_VISIBLE;
    if (w->Surface) w->Surface->SetVisible(false);
    ForgetInputState(w);
    if (wasVisible && parent) ExposeScreenArea(parent, screen);
    if (w->IsChild()) ParentNotify(w, WM_DESTROY, HwndToLParam(wnd));
    SendDestroy(wnd);
    SendNcDestroyAndForget(wnd);
    RestackSurfaces();
}

void RecalcClient(TWindow* w) {
    TNCCalcSizeParams p;
    p.rgrc[0] = w->WindowRect;
    p.rgrc[1] = w->WindowRect;
    p.rgrc[2] = w->WindowRect;
    HWND wnd = w->Handle;
    SendMessage(wnd, WM_NCCALCSIZE, 1, PtrToLParam(&p));
    w = W(wnd);
    if (!w) return;
    TRect c = p.rgrc[0];
    const TRect& r = w->WindowRect;
    c.Left = std::clamp(c.Left, r.Left, r.Right);
    c.Right = std::clamp(c.Right, c.Left, r.Right);
    c.Top = std::clamp(c.Top, r.Top, r.Bottom);
    c.Bottom = std::clamp(c.Bottom, c.Top, r.Bottom);
    OffsetRect(c, -r.Left, -r.Top);
    w->ClientRect = c;
}

TPoint WindowOriginOnScreen(const TWindow* w) {
    if (w->IsChild()) {
        TPoint p = ClientOriginOnScreen(w->Parent);
        return {p.X + w->WindowRect.Left, p.Y + w->WindowRect.Top};
    }
    return w->WindowRect.TopLeft();
}

TPoint ClientOriginOnScreen(const TWindow* w) {
    TPoint p = WindowOriginOnScreen(w);
    return {p.X + w->ClientRect.Left, p.Y + w->ClientRect.Top};
}

TRect ScreenWindowRect(const TWindow* w) {
    TPoint p = WindowOriginOnScreen(w);
    return Bounds(p.X, p.Y, w->WindowRect.Width(), w->WindowRect.Height());
}

HWND CreateWindowEx(uint32_t exStyle, std::string_view className, std::string_view text, uint32_t style,
                    int x, int y, int width, int height, HWND parent, uint32_t classStyle,
                    TWindowHandler handler, LPARAM createParam) {
    auto& ws = WS();
    TWindow* p = ws.Find(parent);
    if ((style & WS_CHILD) && !p) return nullptr;
    TWindow* w = ws.NewWindow();
    HWND wnd = w->Handle;
    w->ClassName = className;
    w->Text = text;
    w->Style = style & ~WS_VISIBLE;
    w->ExStyle = exStyle;
    w->ClassStyle = classStyle;
    w->WindowRect = Bounds(x, y, std::max(width, 0), std::max(height, 0));
    if (style & WS_CHILD) {
        w->Parent = p;
        InsertAtTop(p->Children, w);
    } else {
        w->Owner = TopLevelOf(p);
        InsertAtTop(ws.TopLevels(), w);
    }
    if (handler) PushWindowHandler(wnd, std::move(handler));

    if (SendMessage(wnd, WM_NCCREATE, 0, createParam) == 0 || !W(wnd)) {
        DestroyWindow(wnd);
        return nullptr;
    }
    RecalcClient(W(wnd));
    if (!W(wnd) || SendMessage(wnd, WM_CREATE, 0, createParam) == -1) {
        DestroyWindow(wnd);
        return nullptr;
    }
    w = W(wnd);
    if (!w) return nullptr;
    w->Created = true;
    if (!w->IsChild())
        SyncSurface(w);
    else
        ParentNotify(w, WM_CREATE, HwndToLParam(wnd));
    if (!W(wnd)) return nullptr;
    SendMessage(wnd, WM_SIZE, SIZE_RESTORED, MakeLParam(w->ClientRect.Width(), w->ClientRect.Height()));
    if ((w = W(wnd)) != nullptr)
        SendMessage(
            wnd, WM_MOVE, 0,
            PointToLParam({w->WindowRect.Left + w->ClientRect.Left, w->WindowRect.Top + w->ClientRect.Top}));
    if (!W(wnd)) return nullptr;
    if (style & WS_VISIBLE)
        ShowWindow(wnd, (style & WS_CHILD) || (exStyle & WS_EX_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    return W(wnd) ? wnd : nullptr;
}

bool DestroyWindow(HWND wnd) {
    auto* ws = WSOrNull();
    TWindow* w = W(wnd);
    if (!ws || !w) return false;
    if (w->Destroying) return true;
    if (ws->SubtreeBusy(w)) {
        w->DestroyPending = true;
        return true;
    }
    ws->DestroyNow(w);
    return true;
}

bool IsWindow(HWND wnd) {
    return W(wnd) != nullptr;
}

bool IsWindowVisible(HWND wnd) {
    for (TWindow* w = W(wnd); w; w = w->IsChild() ? w->Parent : nullptr)
        if (!w->Visible()) return false;
    return W(wnd) != nullptr;
}

bool IsWindowEnabled(HWND wnd) {
    TWindow* w = W(wnd);
    return w && w->Enabled();
}

bool EnableWindow(HWND wnd, bool enable) {
    TWindow* w = W(wnd);
    if (!w) return false;
    bool wasDisabled = !w->Enabled();
    if (enable == !wasDisabled) return wasDisabled;
    if (enable)
        w->Style &= ~WS_DISABLED;
    else {
        w->Style |= WS_DISABLED;
        // A disabled window keeps neither focus nor capture.
        auto& ws = WS();
        if (ws.FCapture && (ws.FCapture == wnd || IsChild(wnd, ws.FCapture))) ReleaseCapture();
        if (ws.FFocus && (ws.FFocus == wnd || IsChild(wnd, ws.FFocus))) SetFocus(nullptr);
    }
    SendMessage(wnd, WM_ENABLE, enable ? 1 : 0);
    return wasDisabled;
}

HWND GetParent(HWND wnd) {
    TWindow* w = W(wnd);
    if (!w) return nullptr;
    if (w->IsChild()) return w->Parent->Handle;
    return w->Owner ? w->Owner->Handle : nullptr;
}

HWND SetParent(HWND wnd, HWND newParent) {
    TWindow* w = W(wnd);
    TWindow* np = W(newParent);
    if (!w || (newParent && !np)) return nullptr;
    for (TWindow* a = np; a; a = a->IsChild() ? a->Parent : nullptr)
        if (a == w) return nullptr; // would make a cycle
    HWND old = GetParent(wnd);
    bool vis = w->Visible();
    TRect screen = ScreenWindowRect(w);
    if (vis && w->IsChild()) ExposeScreenArea(w->Parent, screen);
    Unlink(w);
    if (np) {
        if (!w->IsChild()) {
            // Becoming a child drops the surface and top-level state.
            w->Surface.reset();
            w->Style |= WS_CHILD;
            w->Style &= ~WS_POPUP;
        }
        w->Parent = np;
        w->Owner = nullptr;
        InsertAtTop(np->Children, w);
    } else {
        w->Style &= ~WS_CHILD;
        w->Parent = nullptr;
        InsertAtTop(WS().TopLevels(), w);
        SyncSurface(w);
    }
    if (vis) InvalidateWhole(w, true, true);
    RestackSurfaces();
    FollowNativeChildren(w);
    return old;
}

HWND GetTopLevelWindow(HWND wnd) {
    TWindow* w = TopLevelOf(W(wnd));
    return w ? w->Handle : nullptr;
}

bool IsChild(HWND parent, HWND wnd) {
    TWindow* p = W(parent);
    TWindow* w = W(wnd);
    if (!p || !w) return false;
    for (w = w->IsChild() ? w->Parent : nullptr; w; w = w->IsChild() ? w->Parent : nullptr)
        if (w == p) return true;
    return false;
}

std::string GetClassName(HWND wnd) {
    TWindow* w = W(wnd);
    return w ? w->ClassName : std::string();
}

intptr_t GetWindowLongPtr(HWND wnd, int index) {
    TWindow* w = W(wnd);
    if (!w) return 0;
    switch (index) {
    case GWL_STYLE:
        return w->Style;
    case GWL_EXSTYLE:
        return w->ExStyle;
    case GWLP_USERDATA:
        return w->UserData;
    case GCL_STYLE:
        return w->ClassStyle;
    case GWL_HWNDPARENT:
        return !w->IsChild() && w->Owner ? reinterpret_cast<intptr_t>(w->Owner->Handle) : 0;
    }
    return 0;
}

intptr_t SetWindowLongPtr(HWND wnd, int index, intptr_t value) {
    TWindow* w = W(wnd);
    if (!w) return 0;
    intptr_t old = GetWindowLongPtr(wnd, index);
    switch (index) {
    case GWL_STYLE: {
        // Visibility changes through ShowWindow/SetWindowPos only.
        uint32_t keep = w->Style & (WS_VISIBLE | WS_CHILD);
        w->Style = (static_cast<uint32_t>(value) & ~(WS_VISIBLE | WS_CHILD)) | keep;
        break;
    }
    case GWL_EXSTYLE: {
        uint32_t before = w->ExStyle;
        w->ExStyle = static_cast<uint32_t>(value);
        if ((before ^ w->ExStyle) & (WS_EX_LAYERED | WS_EX_TOPMOST)) {
            if ((before ^ w->ExStyle) & WS_EX_LAYERED) w->LayeredAlphaSet = false;
            if (!w->IsChild()) {
                SyncSurface(w);
                RestackSurfaces();
            }
        }
        break;
    }
    case GWLP_USERDATA:
        w->UserData = value;
        break;
    case GCL_STYLE:
        w->ClassStyle = static_cast<uint32_t>(value);
        break;
    case GWL_HWNDPARENT: {
        // A new owner for a top-level window; the display learns of it when
        // the window is next shown. An owner chain never loops back.
        if (w->IsChild()) return 0;
        TWindow* owner = TopLevelOf(W(reinterpret_cast<HWND>(value)));
        for (TWindow* o = owner; o; o = o->Owner)
            if (o == w) return 0;
        w->Owner = owner;
        break;
    }
    }
    return old;
}

uint32_t GetClassStyle(HWND wnd) {
    return static_cast<uint32_t>(GetWindowLongPtr(wnd, GCL_STYLE));
}
void SetClassStyle(HWND wnd, uint32_t classStyle) {
    SetWindowLongPtr(wnd, GCL_STYLE, classStyle);
}

bool SetWindowText(HWND wnd, std::string_view text) {
    std::string copy(text);
    return IsWindow(wnd) && SendMessage(wnd, WM_SETTEXT, 0, PtrToLParam(&copy)) != 0;
}

std::string GetWindowText(HWND wnd) {
    std::string out;
    if (IsWindow(wnd)) SendMessage(wnd, WM_GETTEXT, 0, PtrToLParam(&out));
    return out;
}

HWND GetWindow(HWND wnd, unsigned cmd) {
    TWindow* w = W(wnd);
    if (!w) return nullptr;
    if (cmd == GW_CHILD) return w->Children.empty() ? nullptr : w->Children.front()->Handle;
    if (cmd == GW_OWNER) return !w->IsChild() && w->Owner ? w->Owner->Handle : nullptr;
    auto& list = WS().SiblingList(w);
    auto it = std::find(list.begin(), list.end(), w);
    switch (cmd) {
    case GW_HWNDFIRST:
        return list.front()->Handle;
    case GW_HWNDLAST:
        return list.back()->Handle;
    case GW_HWNDNEXT:
        return it + 1 != list.end() ? (*(it + 1))->Handle : nullptr;
    case GW_HWNDPREV:
        return it != list.begin() ? (*(it - 1))->Handle : nullptr;
    }
    return nullptr;
}

std::vector<HWND> GetChildWindows(HWND parent) {
    std::vector<HWND> out;
    if (!parent) {
        for (TWindow* t : WS().TopLevels())
            out.push_back(t->Handle);
    } else if (TWindow* p = W(parent)) {
        for (TWindow* c : p->Children)
            out.push_back(c->Handle);
    }
    return out;
}

bool GetWindowRect(HWND wnd, TRect& rect) {
    TWindow* w = W(wnd);
    if (!w) return false;
    rect = ScreenWindowRect(w);
    return true;
}

bool GetClientRect(HWND wnd, TRect& rect) {
    TWindow* w = W(wnd);
    if (!w) return false;
    rect = Rect(0, 0, w->ClientRect.Width(), w->ClientRect.Height());
    return true;
}

bool GetClientRectInWindow(HWND wnd, TRect& rect) {
    TWindow* w = W(wnd);
    if (!w) return false;
    rect = w->ClientRect;
    return true;
}

bool ClientToScreen(HWND wnd, TPoint& pt) {
    TWindow* w = W(wnd);
    if (!w) return false;
    TPoint o = ClientOriginOnScreen(w);
    pt = {pt.X + o.X, pt.Y + o.Y};
    return true;
}

bool ScreenToClient(HWND wnd, TPoint& pt) {
    TWindow* w = W(wnd);
    if (!w) return false;
    TPoint o = ClientOriginOnScreen(w);
    pt = {pt.X - o.X, pt.Y - o.Y};
    return true;
}

void MapWindowPoints(HWND from, HWND to, TPoint* pts, int count) {
    TPoint a{}, b{};
    if (TWindow* f = W(from)) a = ClientOriginOnScreen(f);
    if (TWindow* t = W(to)) b = ClientOriginOnScreen(t);
    for (int i = 0; i < count; ++i)
        pts[i] = {pts[i].X + a.X - b.X, pts[i].Y + a.Y - b.Y};
}

namespace {

void Restack(TWindow* w, HWND after) {
    auto& list = WS().SiblingList(w);
    if (after == HWND_TOPMOST && !w->IsChild())
        w->ExStyle |= WS_EX_TOPMOST;
    else if (after == HWND_NOTOPMOST && !w->IsChild())
        w->ExStyle &= ~WS_EX_TOPMOST;
    list.erase(std::remove(list.begin(), list.end(), w), list.end());
    if (after == HWND_BOTTOM) {
        list.push_back(w);
        return;
    }
    if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
        InsertAtTop(list, w);
        return;
    }
    TWindow* a = W(after);
    auto it = std::find(list.begin(), list.end(), a);
    if (it == list.end())
        InsertAtTop(list, w);
    else
        list.insert(it + 1, w);
}

} // namespace

bool SetWindowPos(HWND wnd, HWND insertAfter, int x, int y, int cx, int cy, uint32_t flags) {
    TWindow* w = W(wnd);
    if (!w) return false;
    TWindowPos pos{wnd, insertAfter, x, y, cx, cy, flags};
    if (flags & SWP_NOMOVE) {
        pos.x = w->WindowRect.Left;
        pos.y = w->WindowRect.Top;
    }
    if (flags & SWP_NOSIZE) {
        pos.cx = w->WindowRect.Width();
        pos.cy = w->WindowRect.Height();
    }
    if (!(flags & SWP_NOSENDCHANGING)) {
        SendMessage(wnd, WM_WINDOWPOSCHANGING, 0, PtrToLParam(&pos));
        if (!(w = W(wnd))) return false;
    }
    flags = pos.flags;
    TRect oldScreen = ScreenWindowRect(w);
    bool wasVisible = IsWindowVisible(wnd);
    TRect newRect = Bounds(pos.x, pos.y, std::max(pos.cx, 0), std::max(pos.cy, 0));
    bool moved = newRect.TopLeft() != w->WindowRect.TopLeft();
    bool sized = newRect.Width() != w->WindowRect.Width() || newRect.Height() != w->WindowRect.Height();
    TRect oldClient = w->ClientRect;
    w->WindowRect = newRect;
    if (sized || moved || (flags & SWP_FRAMECHANGED)) {
        RecalcClient(w);
        if (!(w = W(wnd))) return false;
    }
    bool clientMoved = moved || oldClient.TopLeft() != w->ClientRect.TopLeft();
    bool clientSized =
        oldClient.Width() != w->ClientRect.Width() || oldClient.Height() != w->ClientRect.Height();
    if (!(flags & SWP_NOZORDER)) Restack(w, pos.hwndInsertAfter);
    if (flags & SWP_SHOWWINDOW) w->Style |= WS_VISIBLE;
    if (flags & SWP_HIDEWINDOW) w->Style &= ~WS_VISIBLE;
    bool nowVisible = IsWindowVisible(wnd);
    if (!w->IsChild()) SyncSurface(w);
    RestackSurfaces();
    FollowNativeChildren(w);

    if (!(flags & SWP_NOREDRAW)) {
        TWindow* parent = w->IsChild() ? w->Parent : nullptr;
        if (wasVisible && (!nowVisible || moved || sized || !(flags & SWP_NOZORDER)))
            ExposeScreenArea(parent, oldScreen);
        if (nowVisible && (!wasVisible || sized || (flags & SWP_FRAMECHANGED) || (moved && parent)))
            InvalidateWhole(w, true, true);
        else if (nowVisible && !(flags & SWP_NOZORDER) && parent)
            InvalidateWhole(w, true, true);
    }

    if (!moved && !clientMoved) pos.flags |= SWP_NOMOVE;
    if (!sized && !clientSized) pos.flags |= SWP_NOSIZE;
    pos.x = w->WindowRect.Left;
    pos.y = w->WindowRect.Top;
    pos.cx = w->WindowRect.Width();
    pos.cy = w->WindowRect.Height();

    if (!w->IsChild() && nowVisible && !wasVisible && !(flags & SWP_NOACTIVATE) &&
        !(w->ExStyle & WS_EX_NOACTIVATE) && w->ShowState != TShowState::ssMinimized)
        ActivateWindow(wnd, WA_ACTIVE);
    if (wasVisible && !nowVisible) {
        if (TWindow* hw = W(wnd)) ActivateNextAfter(hw);
        if (TWindow* hw = W(wnd)) ForgetInputState(hw);
    }
    if (!W(wnd)) return true;
    SendMessage(wnd, WM_WINDOWPOSCHANGED, 0, PtrToLParam(&pos));
    return true;
}

bool MoveWindow(HWND wnd, int x, int y, int width, int height, bool repaint) {
    return SetWindowPos(wnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

namespace {

TRect MaximizedRect(TWindow* w) {
    TMonitorInfo mi;
    GetMonitorInfo(MonitorFromWindow(w->Handle, MONITOR_DEFAULTTONEAREST), mi);
    TMinMaxInfo mm;
    mm.ptMaxPosition = mi.rcWork.TopLeft();
    mm.ptMaxSize = {mi.rcWork.Width(), mi.rcWork.Height()};
    mm.ptMinTrackSize = {0, 0};
    mm.ptMaxTrackSize = {INT32_MAX / 2, INT32_MAX / 2};
    SendMessage(w->Handle, WM_GETMINMAXINFO, 0, PtrToLParam(&mm));
    return Bounds(mm.ptMaxPosition.X, mm.ptMaxPosition.Y, mm.ptMaxSize.X, mm.ptMaxSize.Y);
}

void SendSizeState(HWND wnd, WPARAM kind) {
    if (TWindow* w = W(wnd))
        SendMessage(wnd, WM_SIZE, kind, MakeLParam(w->ClientRect.Width(), w->ClientRect.Height()));
}

} // namespace

bool ShowWindow(HWND wnd, int cmd) {
    TWindow* w = W(wnd);
    if (!w) return false;
    bool wasVisible = w->Visible();
    const uint32_t keep = SWP_NOMOVE | SWP_NOSIZE;
    switch (cmd) {
    case SW_HIDE:
        if (wasVisible) {
            SendMessage(wnd, WM_SHOWWINDOW, 0);
            SetWindowPos(wnd, nullptr, 0, 0, 0, 0, keep | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        }
        break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
        if (w->ShowState != TShowState::ssNormal) {
            TRect r = w->RestoreRect;
            w->ShowState = TShowState::ssNormal;
            w->Style &= ~(WS_MINIMIZE | WS_MAXIMIZE);
            if (!wasVisible) SendMessage(wnd, WM_SHOWWINDOW, 1);
            SetWindowPos(wnd, nullptr, r.Left, r.Top, r.Width(), r.Height(),
                         SWP_SHOWWINDOW | SWP_FRAMECHANGED);
            SendSizeState(wnd, SIZE_RESTORED);
            break;
        }
        [[fallthrough]];
    case SW_SHOW:
    case SW_SHOWNA:
    case SW_SHOWNOACTIVATE:
        if (!wasVisible) {
            SendMessage(wnd, WM_SHOWWINDOW, 1);
            uint32_t f = keep | SWP_SHOWWINDOW;
            if (cmd == SW_SHOWNA || cmd == SW_SHOWNOACTIVATE) f |= SWP_NOACTIVATE | SWP_NOZORDER;
            SetWindowPos(wnd, nullptr, 0, 0, 0, 0, f);
        } else if (cmd == SW_SHOW || cmd == SW_SHOWNORMAL) {
            if (!w->IsChild() && !(w->ExStyle & WS_EX_NOACTIVATE)) ActivateWindow(wnd, WA_ACTIVE);
        }
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
        if (w->ShowState != TShowState::ssMinimized) {
            if (w->ShowState == TShowState::ssNormal) w->RestoreRect = w->WindowRect;
            w->ShowState = TShowState::ssMinimized;
            w->Style = (w->Style & ~WS_MAXIMIZE) | WS_MINIMIZE | WS_VISIBLE;
            if (!wasVisible) SendMessage(wnd, WM_SHOWWINDOW, 1);
            if ((w = W(wnd)) != nullptr) {
                SyncSurface(w);
                RestackSurfaces();
                FollowNativeChildren(w);
                ActivateNextAfter(w);
                SendSizeState(wnd, SIZE_MINIMIZED);
            }
        }
        break;
    case SW_MAXIMIZE:
        if (w->ShowState != TShowState::ssMaximized) {
            if (w->ShowState == TShowState::ssNormal) w->RestoreRect = w->WindowRect;
            w->ShowState = TShowState::ssMaximized;
            w->Style = (w->Style & ~WS_MINIMIZE) | WS_MAXIMIZE;
            TRect r = MaximizedRect(w);
            if (!wasVisible) SendMessage(wnd, WM_SHOWWINDOW, 1);
            SetWindowPos(wnd, nullptr, r.Left, r.Top, r.Width(), r.Height(),
                         SWP_SHOWWINDOW | SWP_FRAMECHANGED);
            if ((w = W(wnd)) != nullptr && !w->IsChild()) ActivateWindow(wnd, WA_ACTIVE);
            SendSizeState(wnd, SIZE_MAXIMIZED);
        }
        break;
    }
    return wasVisible;
}

bool IsIconic(HWND wnd) {
    TWindow* w = W(wnd);
    return w && w->ShowState == TShowState::ssMinimized;
}

bool IsZoomed(HWND wnd) {
    TWindow* w = W(wnd);
    return w && w->ShowState == TShowState::ssMaximized;
}

bool BringWindowToTop(HWND wnd) {
    return SetWindowPos(wnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool GetRestoredRect(HWND wnd, TRect& rect) {
    TWindow* w = W(wnd);
    if (!w) return false;
    rect = w->ShowState == TShowState::ssNormal ? w->WindowRect : w->RestoreRect;
    return true;
}

void BringTopLevelToTop(TWindow* w) {
    HWND wnd = w->Handle;
    Restack(w, HWND_TOP);
    // Owned windows stay above their owner.
    std::vector<HWND> owned;
    for (TWindow* t : WS().TopLevels())
        if (t->Owner == w && t->Visible()) owned.push_back(t->Handle);
    for (auto it = owned.rbegin(); it != owned.rend(); ++it)
        if (TWindow* o = W(*it)) Restack(o, HWND_TOP);
    (void)wnd;
    RestackSurfaces();
}
