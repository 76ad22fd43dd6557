#include "platform/vcl/THintWindow.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/Text.h"
#include "platform/vcl/TScreen.h"

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
    FVisible = false;
    FParentColor = false;
    FParentFont = false;
    FColor = clInfoBk;
    if (Screen) FFont.Assign(*Screen->HintFont());
}

void THintWindow::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_BORDER;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    Params.WndParent = nullptr;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& AHint) {
    TBitmap scratch(1, 1);
    TCanvas canvas(&scratch);
    canvas.Font()->Assign(FFont);
    TRect r{0, 0, MaxWidth, 0};
    DrawText(canvas.Handle(), AHint, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    r.Right += 6;
    r.Bottom += 4;
    return r;
}

void THintWindow::ActivateHint(const TRect& Rect, const std::string& AHint) {
    SetText(AHint);
    SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
    HandleNeeded();
    SetWindowPos(FHandle, HWND_TOPMOST, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(),
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    FVisible = true;
    FActive = true;
    Invalidate();
}

void THintWindow::ReleaseHandle() {
    FActive = false;
    FVisible = false;
    DestroyHandle();
}

void THintWindow::Paint() {
    TCanvas* c = Canvas();
    c->Brush()->SetColor(FColor);
    c->FillRect(ClientRect());
    c->Font()->Assign(FFont);
    TRect r = ClientRect();
    r.Left += 2;
    r.Top += 2;
    DrawText(c->Handle(), FText, r, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

void THintWindow::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_NCHITTEST) {
        // The pointer passes through a hint.
        Message.Result = HTTRANSPARENT;
        return;
    }
    TCustomControl::Dispatch(Message);
}
