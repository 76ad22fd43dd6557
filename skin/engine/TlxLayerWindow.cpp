#include "skin/engine/TlxLayerWindow.h"

#include "platform/win/WinApi.h"

TlxLayerWindow::TlxLayerWindow(TComponent* AOwner) : TCustomControl(AOwner) {
    FVisible = false;
}

void TlxLayerWindow::ShowAt(int X, int Y, bool TopMost) {
    SetWindowPos(Handle(), TopMost ? HWND_TOPMOST : HWND_NOTOPMOST, X, Y, 0, 0,
                 SWP_NOACTIVATE | SWP_NOSIZE | SWP_SHOWWINDOW);
    FVisible = true;
}

void TlxLayerWindow::HideLayer() {
    FVisible = false;
    if (HandleAllocated())
        SetWindowPos(WindowHandle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
}

void TlxLayerWindow::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT;
    Params.ClassStyle |= CS_SAVEBITS;
    Params.WndParent = nullptr;
}

void TlxLayerWindow::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_MOUSEACTIVATE:
        Message.Result = MA_NOACTIVATE;
        return;
    case WM_NCHITTEST:
        // The mouse passes through to the windows below.
        Message.Result = HTTRANSPARENT;
        return;
    }
    TCustomControl::WndProc(Message);
}
