#include "platform/win/TNativeChildWindow.h"

#include "platform/win/WinInternal.h"

#include <algorithm>

namespace {

// Shown: the host and every ancestor visible, its top-level window not minimised.
bool HostShows(TWindow* w) {
    for (; w; w = w->IsChild() ? w->Parent : nullptr) {
        if (!w->Visible()) return false;
        if (w->IsTopLevel() && w->ShowState == TShowState::ssMinimized) return false;
    }
    return true;
}

// A window's client area in its top-level window's coordinates.
TRect ClientInTop(TWindow* w) {
    TWindow* top = TopLevelOf(w);
    TPoint c = ClientOriginOnScreen(w);
    TPoint t = WindowOriginOnScreen(top);
    return Bounds(c.X - t.X, c.Y - t.Y, w->ClientRect.Width(), w->ClientRect.Height());
}

// What every ancestor's client area leaves of the host's.
TRect VisibleInTop(TWindow* w, const TRect& client) {
    TRect visible = client;
    for (TWindow* a = w; a->IsChild(); a = a->Parent) {
        TRect r;
        IntersectRect(r, visible, ClientInTop(a->Parent));
        visible = r;
    }
    return visible;
}

bool IsSelfOrAncestor(TWindow* a, TWindow* w) {
    for (; w; w = w->IsChild() ? w->Parent : nullptr)
        if (w == a) return true;
    return false;
}

} // namespace

void FollowNativeChildren(TWindow* changed) {
    auto* ws = WSOrNull();
    if (!ws || ws->FNativeChildren.empty()) return;
    // Following sends no messages, but a copy keeps the walk safe whatever
    // a backend does.
    const std::vector<TNativeChildWindow*> children = ws->FNativeChildren;
    for (TNativeChildWindow* c : children) {
        TWindow* host = W(c->Host());
        if (host && (!changed || IsSelfOrAncestor(changed, host))) c->Follow();
    }
}

TNativeChildWindow::TNativeChildWindow(HWND host) : FHost(host) {
    TWindow* w = W(host);
    if (!w) return;
    TWindow* top = TopLevelOf(w);
    if (!top->Surface) SyncSurface(top);
    if (!top->Surface) return;
    FChild = WS().Backend().CreateNativeChild(top->Surface.get(), ClientInTop(w));
    if (!FChild) return;
    FChild->OnExpose = [this] {
        if (OnExpose) OnExpose();
    };
    FChild->OnResize = [this](int width, int height) {
        if (OnResize) OnResize(width, height);
    };
    // The window system tells of every move, size and visibility change of
    // the host or any ancestor of it.
    WS().FNativeChildren.push_back(this);
    FHandler = PushWindowHandler(host, [this](HWND wnd, TMessage& m, const TCallNext& next) {
        // Presses in the native window reach the host; a click focuses it
        // first, as it would any control.
        if ((m.Msg == WM_LBUTTONDOWN || m.Msg == WM_RBUTTONDOWN || m.Msg == WM_MBUTTONDOWN) &&
            GetFocus() != wnd)
            SetFocus(wnd);
        next(m);
        if (m.Msg == WM_NCDESTROY) Release();
    });
    Follow();
}

TNativeChildWindow::~TNativeChildWindow() {
    if (OnDestroy) {
        // The handler may reset the event it runs from.
        auto handler = std::move(OnDestroy);
        handler();
    }
    if (FHandler) RemoveWindowHandler(FHost, FHandler);
    Release();
}

void TNativeChildWindow::Release() {
    if (!FChild) return;
    if (auto* ws = WSOrNull()) std::erase(ws->FNativeChildren, this);
    FChild.reset();
}

void TNativeChildWindow::Clear() {
    if (FChild) FChild->Clear();
}

void TNativeChildWindow::Follow() {
    TWindow* w = W(FHost);
    if (!FChild || !w) return;
    const TRect client = ClientInTop(w);
    const TRect visible = VisibleInTop(w, client);
    FChild->SetBounds(client, visible);
    FChild->SetVisible(HostShows(w) && !IsRectEmpty(visible));
}

int TNativeChildWindow::ClientWidth() const {
    TWindow* w = W(FHost);
    return w ? w->ClientRect.Width() : 0;
}

int TNativeChildWindow::ClientHeight() const {
    TWindow* w = W(FHost);
    return w ? w->ClientRect.Height() : 0;
}
