#include "platform/win/TNativeChildWindow.h"

#include "platform/win/WinInternal.h"

namespace {

bool HostShows(TWindow* w) {
    for (; w; w = w->IsChild() ? w->Parent : nullptr) {
        if (!w->Visible()) return false;
        if (w->IsTopLevel() && w->ShowState == TShowState::ssMinimized) return false;
    }
    return true;
}

// The host's client area in its top-level window's coordinates.
TRect ClientInTop(TWindow* w) {
    TWindow* top = TopLevelOf(w);
    TPoint c = ClientOriginOnScreen(w);
    TPoint t = WindowOriginOnScreen(top);
    return Bounds(c.X - t.X, c.Y - t.Y, w->ClientRect.Width(), w->ClientRect.Height());
}

} // namespace

TNativeChildWindow::TNativeChildWindow(HWND host) : FHost(host) {
    TWindow* w = W(host);
    if (!w) return;
    TWindow* top = TopLevelOf(w);
    if (!top->Surface) SyncSurface(top);
    if (!top->Surface) return;
    FChild = WS().Backend().CreateNativeChild(top->Surface.get(), ClientInTop(w));
    if (!FChild) return;
    FChild->SetVisible(HostShows(w));
    FChild->OnExpose = [this] {
        if (OnExpose) OnExpose();
    };
    FChild->OnResize = [this](int width, int height) {
        if (OnResize) OnResize(width, height);
    };
    FHandler = PushWindowHandler(host, [this](HWND wnd, TMessage& m, const TCallNext& next) {
        // Presses in the native window reach the host; a click focuses it
        // first, as it would any control.
        if ((m.Msg == WM_LBUTTONDOWN || m.Msg == WM_RBUTTONDOWN || m.Msg == WM_MBUTTONDOWN) &&
            GetFocus() != wnd)
            SetFocus(wnd);
        next(m);
        if (m.Msg == WM_WINDOWPOSCHANGED || m.Msg == WM_SIZE || m.Msg == WM_MOVE || m.Msg == WM_SHOWWINDOW ||
            m.Msg == WM_NCCALCSIZE)
            Follow();
        if (m.Msg == WM_NCDESTROY) FChild.reset();
    });
}

TNativeChildWindow::~TNativeChildWindow() {
    if (OnDestroy) {
        // The handler may reset the event it runs from.
        auto handler = std::move(OnDestroy);
        handler();
    }
    if (FHandler) RemoveWindowHandler(FHost, FHandler);
    FChild.reset();
}

void TNativeChildWindow::Follow() {
    TWindow* w = W(FHost);
    if (!FChild || !w) return;
    FChild->SetBounds(ClientInTop(w));
    FChild->SetVisible(HostShows(w));
}

int TNativeChildWindow::ClientWidth() const {
    TWindow* w = W(FHost);
    return w ? w->ClientRect.Width() : 0;
}

int TNativeChildWindow::ClientHeight() const {
    TWindow* w = W(FHost);
    return w ? w->ClientRect.Height() : 0;
}
