#include "skin/controls/TlxSkinImagesMenuPopupWindow.h"

#include "platform/vcl/TApplication.h"
#include "platform/vcl/TCustomForm.h"
#include "platform/vcl/TImageList.h"
#include "platform/vcl/TScreen.h"
#include "platform/vcl/TTimer.h"
#include "platform/vcl/VclMessages.h"
#include "platform/win/WinApi.h"
#include "skin/controls/TlxSkinHint.h"
#include "skin/controls/TlxSkinImagesMenu.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinMonitors.h"
#include "skin/engine/SkinRegions.h"

#include <algorithm>

namespace {

constexpr int FadeStepAlpha = 10;
constexpr uint32_t FadeMs = 6; // "more than 5 ms" between steps

bool ClosesGrid(uint32_t Msg) {
    switch (Msg) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_SYSKEYDOWN:
    case WM_SYSCHAR:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY:
        return true;
    }
    return false;
}

// Edges included.
bool Holds(const TRect& R, int X, int Y) {
    return X >= R.Left && X <= R.Right && Y >= R.Top && Y <= R.Bottom;
}

} // namespace

TlxSkinImagesMenuPopupWindow::TlxSkinImagesMenuPopupWindow(TlxSkinImagesMenu* AImagesMenu)
    : TCustomControl(AImagesMenu), ImagesMenu(AImagesMenu) {
    FVisible = false;
    // The window takes and gives back the capture itself.
    FControlStyle = {csOpaque};
    FFadeTimer = new TTimer(this);
    FFadeTimer->SetEnabled(false);
    FFadeTimer->SetInterval(FadeMs);
    FFadeTimer->OnTimer = [this](TObject*) { FadeStep(); };
}

TlxSkinImagesMenuPopupWindow::~TlxSkinImagesMenuPopupWindow() {
    UnHookAppMessage();
}

void TlxSkinImagesMenuPopupWindow::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    Params.ClassStyle |= CS_SAVEBITS;
    Params.WndParent = nullptr;
}

// ---- size and layout

void TlxSkinImagesMenuPopupWindow::DecideSkinSupport() {
    TlxSkinData* sd = ImagesMenu->SkinData();
    WindowPicture = MaskPicture = nullptr;
    FSkinSupport = false;
    if (!sd || sd->Empty || !sd->PopupWindow || sd->PopupWindow->WindowPictureIndex == -1) return;
    // A window picture past the picture list gives the built-in look.
    TBitmap* picture = sd->ActivePicture(sd->PopupWindow->WindowPictureIndex);
    if (!picture || picture->Empty()) return;
    FSkinSupport = true;
    WindowPicture = picture;
    MaskPicture = sd->ActivePicture(sd->PopupWindow->MaskPictureIndex);
}

int TlxSkinImagesMenuPopupWindow::CellWidth() const {
    return ImagesMenu->Images()->Width() + 10;
}

int TlxSkinImagesMenuPopupWindow::CellHeight() const {
    return ImagesMenu->Images()->Height() + 10;
}

TPoint TlxSkinImagesMenuPopupWindow::GridOrigin() const {
    if (!FSkinSupport) return {5, 5};
    const TRect& r = ImagesMenu->SkinData()->PopupWindow->ItemsRect;
    return {r.Left, r.Top};
}

int TlxSkinImagesMenuPopupWindow::HeaderHeight() const {
    TlxSkinData* sd = ImagesMenu->SkinData();
    if (sd && !sd->Empty) {
        const int index = sd->GetControlIndex("label");
        if (index >= 0)
            if (auto* label = dynamic_cast<TlxDataSkinLabelControl*>(sd->CtrlList[index].get()))
                return std::max(RectHeight(label->SkinRect), 0);
    }
    return CellHeight();
}

void TlxSkinImagesMenuPopupWindow::LayoutItems() {
    const TPoint origin = GridOrigin();
    const int left = origin.X;
    const int cw = CellWidth(), ch = CellHeight();
    const int rowWidth = ImagesMenu->ColumnsCount() * cw;
    int x = left, y = origin.Y;
    auto closeRow = [&] {
        if (x == left) return;
        y += ch + 1;
        x = left;
    };
    TlxImagesMenuItems* items = ImagesMenu->ImagesItems();
    for (int i = 0; i < items->Count(); ++i) {
        TlxImagesMenuItem* item = items->Items(i);
        if (item->Header()) {
            closeRow();
            const int h = HeaderHeight();
            item->ItemRect = {left, y, left + rowWidth, y + h};
            y += h + 1;
        } else if (item->Button()) {
            closeRow();
            item->ItemRect = {left, y, left + rowWidth, y + ch};
            y += ch + 1;
        } else {
            item->ItemRect = {x, y, x + cw, y + ch};
            x += cw;
            if (x + cw > left + rowWidth) {
                x = left;
                y += ch + 1;
            }
        }
    }
}

void TlxSkinImagesMenuPopupWindow::CalcSize() {
    DecideSkinSupport();
    LayoutItems();
    const TPoint origin = GridOrigin();
    const int rowWidth = ImagesMenu->ColumnsCount() * CellWidth();
    TlxImagesMenuItems* items = ImagesMenu->ImagesItems();
    TRect q{origin.X, origin.Y, origin.X + rowWidth, origin.Y};
    if (items->Count() > 0) {
        const TRect& first = items->Items(0)->ItemRect;
        q = {first.Left, first.Top, first.Left + rowWidth, items->Items(items->Count() - 1)->ItemRect.Bottom};
    }
    int w, h;
    if (FSkinSupport) {
        const TlxDataSkinPopupWindow& pw = *ImagesMenu->SkinData()->PopupWindow;
        const int pwd = WindowPicture->Width(), pht = WindowPicture->Height();
        w = pwd + RectWidth(q) - RectWidth(pw.ItemsRect);
        h = pht + RectHeight(q) - RectHeight(pw.ItemsRect);
        NewLTPoint = pw.LTPoint;
        NewRTPoint = {w - (pwd - pw.RTPoint.X), pw.RTPoint.Y};
        NewLBPoint = {pw.LBPoint.X, h - (pht - pw.LBPoint.Y)};
        NewRBPoint = {w - (pwd - pw.RBPoint.X), h - (pht - pw.RBPoint.Y)};
        NewItemsRect = {pw.ItemsRect.Left, pw.ItemsRect.Top, w - (pwd - pw.ItemsRect.Right),
                        h - (pht - pw.ItemsRect.Bottom)};
    } else {
        w = RectWidth(q) + 10;
        h = RectHeight(q) + 10;
        NewItemsRect = {5, 5, w - 5, h - 5};
    }
    // A skin's geometry is untrusted: the window keeps a size.
    SetBounds(FLeft, FTop, std::max(w, 1), std::max(h, 1));
}

// ---- showing and closing

void TlxSkinImagesMenuPopupWindow::Show(const TRect& R) {
    TKeepAlive alive(this);
    CalcSize();
    // The work area of the monitor of the active form, else of the visible
    // main form, else of the menu's owner.
    TCustomForm* form = Screen ? Screen->ActiveForm() : nullptr;
    if (!form && Application && Application->MainForm() && Application->MainForm()->Visible())
        form = Application->MainForm();
    if (!form) form = dynamic_cast<TCustomForm*>(ImagesMenu->Owner());
    const TRect wa = GetMonitorWorkArea(form && form->HandleAllocated() ? form->Handle() : nullptr, true);
    // A grid of a form description's making never outgrows the work area.
    const int w = std::min(Width(), std::max(RectWidth(wa), 1));
    const int h = std::min(Height(), std::max(RectHeight(wa), 1));
    int x = R.Left, y = R.Bottom;
    if (y + h > wa.Bottom) y = R.Top - h;
    if (x + w > wa.Right) x = wa.Right - w;
    x = std::max(x, wa.Left);
    y = std::max(y, wa.Top);
    SetBounds(x, y, w, h);
    HandleNeeded();
    HWND wnd = Handle();
    if (FSkinSupport && MaskPicture) {
        const TlxDataSkinPopupWindow& pw = *ImagesMenu->SkinData()->PopupWindow;
        HRGN rgn = nullptr;
        CreateSkinRgn(rgn, pw.LTPoint, pw.RTPoint, pw.LBPoint, pw.RBPoint, pw.ItemsRect, NewLTPoint,
                      NewRTPoint, NewLBPoint, NewRBPoint, NewItemsRect, MaskPicture, w, h);
        SetWindowRgn(wnd, rgn, true);
    }
    const bool layered = ImagesMenu->AlphaBlend() && LayeredWindowsSupported();
    const bool fade = layered && ImagesMenu->AlphaBlendAnimation();
    if (layered) {
        SetWindowLongPtr(wnd, GWL_EXSTYLE, GetWindowLongPtr(wnd, GWL_EXSTYLE) | WS_EX_LAYERED);
        SetLayeredWindowAttributes(wnd, 0, fade ? 0 : ImagesMenu->AlphaBlendValue(), LWA_ALPHA);
    }
    SetWindowPos(wnd, HWND_TOPMOST, x, y, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    FVisible = true;
    if (fade) {
        // On a timer: the loop serves input while the grid fades in.
        FFadeAlpha = 0;
        FFadeTarget = ImagesMenu->AlphaBlendValue();
        FFadeTimer->SetEnabled(true);
    }
    HookAppMessage();
    SetCapture(wnd);
}

void TlxSkinImagesMenuPopupWindow::FadeStep() {
    if (FFadeTarget < 0 || !HandleAllocated()) {
        EndFade();
        return;
    }
    FFadeAlpha = std::min(FFadeAlpha + FadeStepAlpha, FFadeTarget);
    SetLayeredWindowAttributes(Handle(), 0, static_cast<Byte>(FFadeAlpha), LWA_ALPHA);
    if (FFadeAlpha >= FFadeTarget) EndFade();
}

void TlxSkinImagesMenuPopupWindow::EndFade() {
    FFadeTimer->SetEnabled(false);
    if (FFadeTarget >= 0 && HandleAllocated())
        SetLayeredWindowAttributes(Handle(), 0, static_cast<Byte>(FFadeTarget), LWA_ALPHA);
    FFadeTarget = -1;
}

void TlxSkinImagesMenuPopupWindow::Dismiss() {
    HideItemHint();
    EndFade();
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    FVisible = false;
    UnHookAppMessage();
    if (HandleAllocated() && GetCapture() == Handle()) ReleaseCapture();
}

void TlxSkinImagesMenuPopupWindow::Hide(bool AProcessEvents) {
    if (FClosing) return;
    FClosing = true;
    TKeepAlive alive(this);
    Dismiss();
    ImagesMenu->CloseUp(AProcessEvents);
}

void TlxSkinImagesMenuPopupWindow::HookAppMessage() {
    if (FAppHook || !Application) return;
    FAppHook = Application->AddMessageFilter([this](TMsg& M) { return AppMessage(M); });
}

void TlxSkinImagesMenuPopupWindow::UnHookAppMessage() {
    if (!FAppHook) return;
    if (Application) Application->RemoveMessageFilter(FAppHook);
    FAppHook = 0;
}

bool TlxSkinImagesMenuPopupWindow::AppMessage(TMsg& Msg) {
    TKeepAlive alive(this);
    if (Msg.message == WM_KEYDOWN) {
        ProcessKey(static_cast<int>(Msg.wParam));
        return true;
    }
    // Closed without a choice, then handled as usual.
    if (ClosesGrid(Msg.message)) Hide(false);
    return false;
}

// ---- the mouse

int TlxSkinImagesMenuPopupWindow::ItemAt(int X, int Y) const {
    TlxImagesMenuItems* items = ImagesMenu->ImagesItems();
    for (int i = 0; i < items->Count(); ++i)
        if (!items->Items(i)->Header() && Holds(items->Items(i)->ItemRect, X, Y)) return i;
    return -1;
}

void TlxSkinImagesMenuPopupWindow::HideItemHint() {
    if (ImagesMenu->ShowHints() && ImagesMenu->SkinHint()) ImagesMenu->SkinHint()->HideHint();
}

void TlxSkinImagesMenuPopupWindow::TestActive(int X, int Y) {
    MouseInItem = ItemAt(X, Y);
    TlxSkinHint* hint = ImagesMenu->SkinHint();
    if (MouseInItem < 0 && hint) hint->HideHint();
    if (MouseInItem == OldMouseInItem) return;
    OldMouseInItem = MouseInItem;
    Invalidate();
    if (!ImagesMenu->ShowHints() || MouseInItem < 0 || !hint) return;
    hint->HideHint();
    const std::string& text = ImagesMenu->ImagesItems()->Items(MouseInItem)->Hint();
    if (!text.empty()) hint->ActivateHint2(text);
}

void TlxSkinImagesMenuPopupWindow::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (!FClosing) TestActive(X, Y);
}

void TlxSkinImagesMenuPopupWindow::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (FreePending() || FClosing || Button != TMouseButton::mbLeft) return;
    HideItemHint();
    FDown = true;
    FItemDown = ItemAt(X, Y) >= 0;
    Invalidate();
}

void TlxSkinImagesMenuPopupWindow::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TKeepAlive alive(this);
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FreePending() || FClosing || Button != TMouseButton::mbLeft) return;
    const int item = ItemAt(X, Y);
    if (FDown && item >= 0) {
        ImagesMenu->SetItemIndex(item);
        Hide(true);
        return;
    }
    // The release of the press that opened the grid, or one off the cells:
    // the grid stays open and keeps the mouse.
    FDown = FItemDown = false;
    Invalidate();
    if (HandleAllocated()) {
        ReleaseCapture();
        SetCapture(Handle());
    }
}

void TlxSkinImagesMenuPopupWindow::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_MOUSEACTIVATE:
        Message.Result = MA_NOACTIVATE;
        return;
    case WM_ERASEBKGND:
        // Paint draws the whole window.
        Message.Result = 1;
        return;
    case CM_MOUSELEAVE:
        if (ImagesMenu->SkinHint()) ImagesMenu->SkinHint()->HideHint();
        MouseInItem = OldMouseInItem = -1;
        Invalidate();
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        TKeepAlive alive(this);
        TCustomControl::WndProc(Message);
        if (FreePending() || FClosing) return;
        // A press outside the grid closes it without a choice.
        TPoint p;
        if (GetCursorPos(p) && HandleAllocated() && WindowFromPoint(p) != Handle()) Hide(false);
        return;
    }
    }
    TCustomControl::WndProc(Message);
}

// ---- keys

int TlxSkinImagesMenuPopupWindow::FirstChoosable() const {
    TlxImagesMenuItems* items = ImagesMenu->ImagesItems();
    const int n = items->Count();
    if (n == 0) return -1;
    return items->Items(0)->Header() && n >= 2 ? 1 : 0;
}

void TlxSkinImagesMenuPopupWindow::MoveLeft() {
    TlxImagesMenuItems* items = ImagesMenu->ImagesItems();
    const int n = items->Count();
    if (n == 0) return;
    if (MouseInItem < 0 || MouseInItem <= FirstChoosable()) {
        MouseInItem = n - 1;
        return;
    }
    for (int i = MouseInItem - 1; i >= 0; --i)
        if (!items->Items(i)->Header()) {
            MouseInItem = i;
            return;
        }
}

void TlxSkinImagesMenuPopupWindow::MoveRight() {
    TlxImagesMenuItems* items = ImagesMenu->ImagesItems();
    const int n = items->Count();
    if (n == 0) return;
    if (MouseInItem < 0 || MouseInItem >= n - 1) {
        MouseInItem = FirstChoosable();
        return;
    }
    for (int i = MouseInItem + 1; i < n; ++i)
        if (!items->Items(i)->Header()) {
            MouseInItem = i;
            return;
        }
}

void TlxSkinImagesMenuPopupWindow::MoveUp() {
    TlxImagesMenuItems* items = ImagesMenu->ImagesItems();
    const int n = items->Count();
    if (n == 0) return;
    if (MouseInItem < 0 || MouseInItem >= n) {
        MouseInItem = n - 1;
        return;
    }
    const TRect from = items->Items(MouseInItem)->ItemRect;
    for (int i = MouseInItem - 1; i >= 0; --i) {
        TlxImagesMenuItem* item = items->Items(i);
        if (item->Header() || item->ItemRect.Top >= from.Top) continue;
        if (item->Button() || item->ItemRect.Left == from.Left) {
            MouseInItem = i;
            return;
        }
    }
}

void TlxSkinImagesMenuPopupWindow::MoveDown() {
    TlxImagesMenuItems* items = ImagesMenu->ImagesItems();
    const int n = items->Count();
    if (n == 0) return;
    if (MouseInItem < 0 || MouseInItem >= n) {
        MouseInItem = FirstChoosable();
        return;
    }
    const TRect from = items->Items(MouseInItem)->ItemRect;
    for (int i = MouseInItem + 1; i < n; ++i) {
        TlxImagesMenuItem* item = items->Items(i);
        if (item->Header() || item->ItemRect.Top <= from.Top) continue;
        if (item->Button() || item->ItemRect.Left == from.Left) {
            MouseInItem = i;
            return;
        }
    }
}

void TlxSkinImagesMenuPopupWindow::ProcessKey(int Key) {
    if (FClosing) return;
    switch (Key) {
    case VK_RETURN:
    case VK_SPACE:
        if (MouseInItem >= 0) ImagesMenu->SetItemIndex(MouseInItem);
        Hide(true);
        return;
    case VK_ESCAPE:
        Hide(false);
        return;
    case VK_LEFT:
        MoveLeft();
        break;
    case VK_RIGHT:
        MoveRight();
        break;
    case VK_UP:
        MoveUp();
        break;
    case VK_DOWN:
        MoveDown();
        break;
    default:
        return;
    }
    OldMouseInItem = MouseInItem;
    Invalidate();
}
