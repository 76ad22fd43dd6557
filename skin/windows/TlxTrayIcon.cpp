#include "skin/windows/TlxTrayIcon.h"

#include "platform/base/Utf8.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TTimer.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/controls/TlxSkinPopupMenu.h"
#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxTrayBalloon.h"

#include <algorithm>

namespace {

constexpr size_t TipLength = 127, InfoLength = 255, InfoTitleLength = 63;
constexpr int BalloonTimeoutMs = 10000;

std::string Cut(const std::string& Text, size_t CodePoints) {
    return Utf8Length(Text) <= CodePoints ? Text : Utf8Copy(Text, 0, CodePoints);
}

TShiftState KeyShift() {
    TShiftState s;
    if (GetAsyncKeyState(VK_SHIFT) < 0) s.Include(ssShift);
    if (GetAsyncKeyState(VK_MENU) < 0) s.Include(ssAlt);
    if (GetAsyncKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
    return s;
}

// The built-in picture of an icon-less component (the program has no icon
// resource): a framed square in the highlight colour.
TBitmap DefaultIcon() {
    TBitmap b(16, 16);
    b.SetPixelFormat(pf32bit);
    b.Fill(0xFF1F5FA8);
    for (int y = 3; y < 13; ++y) {
        uint32_t* row = b.ScanLine(y);
        for (int x = 3; x < 13; ++x)
            row[x] = 0xFF3399FF;
    }
    return b;
}

} // namespace

TlxTrayIcon::TlxTrayIcon(TComponent* AOwner) : TComponent(AOwner) {
    AnimateTimer = new TTimer(this);
    AnimateTimer->SetEnabled(false);
    AnimateTimer->SetInterval(FAnimateTimerInterval);
    AnimateTimer->OnTimer = [this](TObject*) { CycleTimerTick(); };
    ClickTimer = new TTimer(this);
    ClickTimer->SetEnabled(false);
    ClickTimer->SetInterval(GetDoubleClickTime());
    ClickTimer->OnTimer = [this](TObject*) { ClickTimerTick(); };
    BalloonTimer = new TTimer(this);
    BalloonTimer->SetEnabled(false);
    BalloonTimer->SetInterval(BalloonTimeoutMs);
    BalloonTimer->OnTimer = [this](TObject*) {
        BalloonTimer->SetEnabled(false);
        if (FBalloon) FBalloon->HideBalloon();
    };
    if (Designing()) return;
    if (FIcon.Empty() && LoadDefaultIcon()) FIcon = DefaultIcon();
    FHostWatch = DesktopServices().AddTrayHostWatch([this] { TrayHostStarted(); });
    HookParent();
}

TlxTrayIcon::~TlxTrayIcon() {
    FIconVisible = false;
    FHostIcon.reset();
    if (FHostWatch) DesktopServices().RemoveTrayHostWatch(FHostWatch);
    UnhookParent();
}

void TlxTrayIcon::Loaded() {
    TComponent::Loaded();
    if (FParentForm && FMinimizedOnStart && !Designing()) {
        FMinimizeToTray = true;
        // The icon first: without a tray the form starts minimized, not hidden.
        if (AddIcon()) {
            HideMainForm();
        } else if (TCustomForm* f = MainForm()) {
            f->Show();
            if (f->HandleAllocated()) ShowWindow(f->Handle(), SW_MINIMIZE);
        }
        return;
    }
    ModifyIcon();
    if (FIconVisible)
        AddIcon();
    else
        HideIcon();
}

void TlxTrayIcon::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FBalloon) FBalloon = nullptr;
    if (AComponent == FParentForm) {
        // The owner goes first: its window procedure goes with it.
        FParentForm = nullptr;
        OldWndProc = nullptr;
    }
}

// ---- Properties

void TlxTrayIcon::SetDesignPreview(bool Value) {
    FDesignPreview = Value;
    if (SettingPreview) SetIconVisible(Value);
}

void TlxTrayIcon::SetIconList(TCustomImageList* Value) {
    FIconList.Set(Value);
    SetIconIndex(0);
}

void TlxTrayIcon::SetCycleIcons(bool Value) {
    FCycleIcons = Value;
    if (Value) SetIconIndex(0);
    AnimateTimer->SetEnabled(Value);
}

void TlxTrayIcon::SetAnimateTimerInterval(uint32_t Value) {
    FAnimateTimerInterval = Value;
    AnimateTimer->SetInterval(Value);
}

void TlxTrayIcon::SetHint(const std::string& Value) {
    FHint = Value;
    ModifyIcon();
}

void TlxTrayIcon::SetShowHint(bool Value) {
    FShowHint = Value;
    ModifyIcon();
}

void TlxTrayIcon::SetIcon(const TBitmap& Value) {
    FIcon.Assign(Value);
    ModifyIcon();
}

void TlxTrayIcon::SetIconVisible(bool Value) {
    if (Value)
        AddIcon();
    else
        HideIcon();
}

void TlxTrayIcon::SetIconIndex(int Value) {
    if (FIconList && FIconList->Count() > 0) {
        // Past the last image: the last one; below the first: the first.
        FIconIndex = std::clamp(Value, 0, FIconList->Count() - 1);
        FIconList->GetBitmap(FIconIndex, &FIcon);
    } else {
        FIconIndex = 0;
    }
    ModifyIcon();
}

void TlxTrayIcon::SetPopupMenu(TlxSkinPopupMenu* Value) {
    FPopupMenu.Set(Value);
}

// ---- Icon operations

bool TlxTrayIcon::PrepareIconData() {
    if (Designing() && !SettingPreview && !FDesignPreview) return false;
    FIconData.szTip = !FHint.empty() && FShowHint ? Cut(FHint, TipLength) : std::string();
    return true;
}

TTrayImage TlxTrayIcon::TrayImage() const {
    TTrayImage image;
    if (FIcon.Empty()) return image;
    TBitmap b(FIcon);
    b.SetPixelFormat(pf32bit);
    image.Width = b.Width();
    image.Height = b.Height();
    image.Pixels.reserve(static_cast<size_t>(image.Width) * static_cast<size_t>(image.Height));
    const bool alpha = FIcon.HasAlpha();
    for (int y = 0; y < image.Height; ++y) {
        const uint32_t* row = b.ScanLine(y);
        for (int x = 0; x < image.Width; ++x)
            image.Pixels.push_back(alpha ? row[x] : (row[x] | 0xFF000000u));
    }
    return image;
}

bool TlxTrayIcon::AddIcon() {
    if (Designing() && !SettingPreview) return false;
    if (!PrepareIconData()) return false;
    if (!FHostIcon) {
        std::string error;
        FHostIcon = DesktopServices().AddTrayIcon(TrayImage(), FIconData.szTip, error);
        if (FHostIcon) {
            FHostIcon->OnMouse = [this](TTrayMouseKind K, TTrayButton B, TPoint P) { HostMouse(K, B, P); };
        }
    }
    const bool ok = FHostIcon != nullptr;
    if (!SettingPreview) FIconVisible = ok;
    return ok;
}

bool TlxTrayIcon::HideIcon() {
    if (Designing() && !SettingPreview) return false;
    if (FBalloon) FBalloon->HideBalloon();
    const bool ok = FHostIcon != nullptr;
    FHostIcon.reset();
    if (!SettingPreview) FIconVisible = false;
    return ok;
}

bool TlxTrayIcon::ModifyIcon() {
    if (!PrepareIconData() || !FHostIcon) return false;
    FHostIcon->SetImage(TrayImage());
    FHostIcon->SetTip(FIconData.szTip);
    if (FIconData.uFlags & NIF_INFO) {
        if (FIconData.szInfo.empty()) {
            if (FBalloon) FBalloon->HideBalloon();
        } else {
            if (!FBalloon) {
                FBalloon = new TlxTrayBalloon(this);
                FBalloon->FreeNotification(this);
                FBalloon->OnClick = [this](TObject*) { HandleIconMessage(NIN_BALLOONUSERCLICK, {}); };
            }
            FBalloon->ShowBeside(FHostIcon->ScreenRect(), FIconData.szInfoTitle, FIconData.szInfo);
            // Balloons go by themselves, as the desktop's own do.
            BalloonTimer->SetEnabled(false);
            BalloonTimer->SetEnabled(true);
        }
    }
    return true;
}

TlxTrayBalloon* TlxTrayIcon::Balloon() const {
    return FBalloon && FBalloon->Active() ? FBalloon : nullptr;
}

bool TlxTrayIcon::ShowBalloonHint(const std::string& Title, const std::string& Text,
                                  TlxBalloonHintIcon IconType) {
    HideBalloonHint();
    FIconData.uFlags |= NIF_INFO;
    FIconData.szInfo = Cut(Text, InfoLength);
    FIconData.szInfoTitle = Cut(Title, InfoTitleLength);
    static const uint32_t flags[] = {NIIF_NONE, NIIF_INFO, NIIF_WARNING, NIIF_ERROR};
    FIconData.dwInfoFlags = flags[IconType];
    const bool ok = ModifyIcon();
    FIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    return ok;
}

bool TlxTrayIcon::HideBalloonHint() {
    FIconData.uFlags |= NIF_INFO;
    FIconData.szInfo.clear();
    return ModifyIcon();
}

bool TlxTrayIcon::BitmapToIcon(const TBitmap* Bitmap, TBitmap* Icon, TColor MaskColor) {
    TImageList list(nullptr);
    list.SetWidth(16);
    list.SetHeight(16);
    list.AddMasked(Bitmap, MaskColor);
    list.GetBitmap(0, Icon);
    return true;
}

// ---- The main form

TCustomForm* TlxTrayIcon::MainForm() const {
    if (Application && Application->MainForm()) return Application->MainForm();
    return FParentForm;
}

void TlxTrayIcon::MarkMainForm(bool Hidden) {
    if (TlxLumivex* c = FindFormSkinComponent(MainForm())) c->TrayHidden = Hidden;
}

void TlxTrayIcon::ShowMainForm() {
    TCustomForm* f = MainForm();
    if (!FParentForm || !f) return;
    f->SetVisible(true);
    if (f->HandleAllocated() && IsIconic(f->Handle())) ShowWindow(f->Handle(), SW_RESTORE);
    MarkMainForm(true);
    if (f->HandleAllocated()) PostMessage(f->Handle(), WM_TRAYRESTORED, 0, 0);
}

void TlxTrayIcon::HideMainForm() {
    TCustomForm* f = MainForm();
    if (!FParentForm || !f) return;
    f->SetVisible(false);
    MarkMainForm(true);
}

void TlxTrayIcon::DoMinimizeToTray() {
    // The icon first: a form hidden without one could not be reached again.
    if (AddIcon()) HideMainForm();
}

// ---- Mouse

void TlxTrayIcon::HostMouse(TTrayMouseKind Kind, TTrayButton Button, TPoint At) {
    static const uint32_t downs[] = {0, WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
    static const uint32_t ups[] = {0, WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP};
    static const uint32_t doubles[] = {0, WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK};
    const int b = static_cast<int>(Button);
    switch (Kind) {
    case TTrayMouseKind::tmMove:
        HandleIconMessage(WM_MOUSEMOVE, At);
        break;
    case TTrayMouseKind::tmDown:
        if (b) HandleIconMessage(downs[b], At);
        break;
    case TTrayMouseKind::tmUp:
        if (b) HandleIconMessage(ups[b], At);
        break;
    case TTrayMouseKind::tmDoubleClick:
        if (b) HandleIconMessage(doubles[b], At);
        break;
    }
}

void TlxTrayIcon::HandleIconMessage(uint32_t MouseMessage, TPoint At) {
    if (!FEnabled) return;
    TKeepAlive alive(this);
    const TShiftState shift = KeyShift();
    switch (MouseMessage) {
    case WM_MOUSEMOVE:
        MouseMove(shift, At.X, At.Y);
        break;
    case WM_LBUTTONDOWN:
        ClickTimer->SetEnabled(false);
        ClickTimer->SetEnabled(true);
        MouseDown(TMouseButton::mbLeft, shift + ssLeft, At.X, At.Y);
        FClickStart = true;
        if (FPopupByLeftButton) PopupAtCursor();
        break;
    case WM_LBUTTONUP: {
        if (FClickStart) FClickReady = true;
        const bool late = FClickStart && !ClickTimer->Enabled();
        FClickStart = false;
        if (late) {
            FClickReady = false;
            Click();
        }
        MouseUp(TMouseButton::mbLeft, shift + ssLeft, At.X, At.Y);
        break;
    }
    case WM_LBUTTONDBLCLK:
        FClickReady = false;
        IsDblClick = true;
        DblClick();
        if (FPopupMenu && FPopupMenu->AutoPopup() && !FPopupByLeftButton) {
            TMenuItem* items = FPopupMenu->Items();
            for (int i = 0; i < items->Count(); ++i)
                if (items->Items(i)->Default()) {
                    items->Items(i)->Click();
                    break;
                }
        }
        break;
    case WM_RBUTTONDOWN:
        MouseDown(TMouseButton::mbRight, shift + ssRight, At.X, At.Y);
        PopupAtCursor();
        break;
    case WM_RBUTTONUP:
        MouseUp(TMouseButton::mbRight, shift + ssRight, At.X, At.Y);
        break;
    case WM_MBUTTONDOWN:
        MouseDown(TMouseButton::mbMiddle, shift + ssMiddle, At.X, At.Y);
        break;
    case WM_MBUTTONUP:
        MouseUp(TMouseButton::mbMiddle, shift + ssMiddle, At.X, At.Y);
        break;
    case NIN_BALLOONUSERCLICK:
        if (OnBalloonHintClick) OnBalloonHintClick(this);
        break;
    default:
        break;
    }
}

void TlxTrayIcon::ClickTimerTick() {
    ClickTimer->SetEnabled(false);
    if (!IsDblClick && FClickReady) {
        FClickReady = false;
        Click();
    }
    IsDblClick = false;
}

void TlxTrayIcon::PopupAtCursor() {
    if (!FPopupMenu || !FPopupMenu->AutoPopup()) return;
    TPoint p;
    if (!GetCursorPos(p)) return;
    if (Application) Application->ProcessMessages();
    if (!FPopupMenu) return;
    if (FParentForm && FParentForm->Visible() && FParentForm->HandleAllocated())
        SetForegroundWindow(FParentForm->Handle());
    FPopupMenu->SetPopupComponent(this);
    FPopupMenu->Popup(p.X, p.Y);
}

void TlxTrayIcon::CycleTimerTick() {
    if (!FIconList || FIconList->Count() == 0) return;
    FIconList->GetBitmap(std::clamp(FIconIndex, 0, FIconList->Count() - 1), &FIcon);
    CycleIcon();
    ModifyIcon();
    FIconIndex = FIconIndex + 1 < FIconList->Count() ? FIconIndex + 1 : 0;
}

void TlxTrayIcon::Click() {
    if (OnClick) OnClick(this);
}

void TlxTrayIcon::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void TlxTrayIcon::CycleIcon() {
    if (!OnCycle || !FIconList) return;
    OnCycle(this, FIconIndex + 1 < FIconList->Count() ? FIconIndex + 1 : 0);
}

void TlxTrayIcon::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TlxTrayIcon::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TlxTrayIcon::MouseMove(TShiftState Shift, int X, int Y) {
    if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

// ---- The tray host and the owner form

void TlxTrayIcon::TrayHostStarted() {
    // The icons of the old host are gone: a visible icon is added again.
    if (!FIconVisible) return;
    FHostIcon.reset();
    AddIcon();
}

void TlxTrayIcon::HookParent() {
    FParentForm = dynamic_cast<TCustomForm*>(Owner());
    if (!FParentForm) return;
    OldWndProc = FParentForm->WindowProc;
    FParentForm->WindowProc = [this](TMessage& M) { HookParentProc(M); };
}

void TlxTrayIcon::UnhookParent() {
    if (!FParentForm || !OldWndProc) return;
    FParentForm->WindowProc = OldWndProc;
    FParentForm = nullptr;
}

void TlxTrayIcon::HookParentProc(TMessage& Message) {
    // The form stands in for the application window: its minimize is the
    // application's.
    if (Message.Msg == WM_SIZE && Message.WParam == SIZE_MINIMIZED && FMinimizeToTray) {
        OldWndProc(Message);
        DoMinimizeToTray();
        return;
    }
    if (Message.Msg == WM_SHOWWINDOW && Message.WParam == 1 && Message.LParam == 0 && FParentForm &&
        FParentForm->HandleAllocated() && IsIconic(FParentForm->Handle())) {
        OldWndProc(Message);
        ShowWindow(FParentForm->Handle(), SW_RESTORE);
        return;
    }
    OldWndProc(Message);
}
