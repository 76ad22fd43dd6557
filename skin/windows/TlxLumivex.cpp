#include "skin/windows/TlxLumivex.h"
#include "skin/windows/TlxSkinMainMenuBar.h"
#include "skin/windows/TlxSkinMenu.h"

#include "platform/vcl/TApplication.h"
#include "platform/vcl/TTimer.h"
#include "skin/controls/SkinControlMessages.h"
#include "skin/controls/TlxSkinPopupMenu.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/TlxLayerManager.h"
#include "skin/windows/TlxClientInActivePanel.h"
#include "skin/windows/TlxFormLayerBorder.h"
#include "skin/windows/TlxSkinAnimateObject.h"
#include "skin/windows/TlxSkinButtonObject.h"
#include "skin/windows/TlxSkinCaptionObject.h"
#include "skin/windows/TlxSkinStdButtonObject.h"
#include "skin/windows/TlxUserObject.h"

namespace {

TTimer* MakeTimer(TComponent* Owner, uint32_t Interval, std::function<void()> Proc) {
    auto* t = new TTimer(Owner);
    t->SetEnabled(false);
    t->SetInterval(Interval);
    t->OnTimer = [Proc = std::move(Proc)](TObject*) { Proc(); };
    return t;
}

void SetCaptionFont(TFont& Font, TColor Color) {
    Font.SetName("Arial");
    Font.SetStyle(TFontStyles{fsBold});
    Font.SetHeight(14);
    Font.SetColor(Color);
}

} // namespace

TlxLumivex* FindFormSkinComponent(TCustomForm* Form) {
    if (!Form) return nullptr;
    for (int i = 0; i < Form->ComponentCount(); ++i)
        if (auto* c = dynamic_cast<TlxLumivex*>(Form->Components(i))) return c;
    return nullptr;
}

TlxLumivex::TlxLumivex(TComponent* AOwner) : TComponent(AOwner) {
    FForm = dynamic_cast<TCustomForm*>(AOwner);
    if (!FForm) throw EInvalidCast("Invalid class typecast");
    FQuickButtons = std::make_unique<TlxQuickButtonItems>(this);
    FLayerManager = new TlxLayerManager(this);
    FMenuLayerManager = new TlxLayerManager(this);
    FBorderLayer = new TlxFormLayerBorder(this);
    SetCaptionFont(FDefCaptionFont, clBtnText);
    SetCaptionFont(FDefInActiveCaptionFont, clBtnShadow);
    MouseTimer = MakeTimer(this, 50, [this] { MouseTimerProc(); });
    MorphTimer = MakeTimer(this, 25, [this] { MorphTimerProc(); });
    AnimateTimer = MakeTimer(this, 25, [this] { AnimateTimerProc(); });
    FadeTimer = MakeTimer(this, 6, [this] { FadeStep(); });

    FForm->SetBorderIcons({});
    FForm->OnShortCut = [this](TMessage& Msg, bool& Handled) { FormShortCut(Msg, Handled); };
    FForm->SetAutoSize(false);
    FSysMenu = new TPopupMenu(this);
    CreateTrayMenu();
    SkinMenu = new TlxSkinMenu(this, FForm);

    if (Designing()) return;
    OldWindowProc = FForm->WindowProc;
    FForm->WindowProc = [this](TMessage& M) { LumivexWndProc(M); };
    // The window stays (its shape, opacity and native children with it); it
    // only works its frame out again through the new procedure.
    if (FForm->HandleAllocated())
        SetWindowPos(FForm->Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

TlxLumivex::~TlxLumivex() {
    EndFade();
    if (FBorderLayer) FBorderLayer->Hide();
    RemoveMenuHook();
    ObjectList.clear();
    if (FForm) FForm->OnShortCut = nullptr;
    if (TMDIClient* client = FClientControl) client->WindowProc = FPrevClientProc;
    if (!Designing() && FForm) {
        FForm->WindowProc = OldWindowProc;
        if (FForm->HandleAllocated() && !FForm->ComponentState().Contains(csDestroying)) {
            SetWindowRgn(FForm->Handle(), nullptr, true);
            SetWindowPos(FForm->Handle(), nullptr, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        }
    }
}

void TlxLumivex::Notification(TComponent* AComponent, TOperation Operation) {
    // The references (skin data, menus, hint, status bar, image list) clear themselves.
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FSysMenu) FSysMenu = nullptr;
    if (Operation == opRemove && AComponent == FBorderLayer) FBorderLayer = nullptr;
    if (Operation == opRemove && AComponent == FInActivePanel) FInActivePanel = nullptr;
    if (Operation == opRemove && AComponent == FMDITabsBar) FMDITabsBar = nullptr;
}

// ---- Small queries

bool TlxLumivex::HasSkin() const {
    return FSD && !FSD->Empty;
}

bool TlxLumivex::HasBorder() const {
    // A maximized MDI child shows no frame: its whole window is client.
    return FForm->BorderStyle() != bsNone && !IsMaximizedMDIChild();
}

bool TlxLumivex::IsToolWindow() const {
    return FForm->BorderStyle() == bsToolWindow || FForm->BorderStyle() == bsSizeToolWin;
}

HWND TlxLumivex::FormHandle() const {
    return FForm->HandleAllocated() ? FForm->Handle() : nullptr;
}

void TlxLumivex::SendNCPaint() {
    if (HWND h = FormHandle()) SendMessage(h, WM_NCPAINT, 1);
}

bool TlxLumivex::GetFormActive() const {
    if (PreviewMode) return true;
    if (IsMDIChild() || IsMDIForm()) return FFormActive;
    return FForm->Active();
}

int TlxLumivex::GetDefCaptionHeight() const {
    return IsToolWindow() ? 15 : 19;
}

// ---- Properties

void TlxLumivex::SetSkinData(TlxSkinData* Value) {
    FSD.Set(Value);
    if (Value && !IsMDIChild()) FSkinnableForm = Value->SkinnableForm() && !FUseRibbon;
    if (FSysTrayMenu) FSysTrayMenu->SetSkinData(Value);
    if (!Designing()) ChangeSkinData();
}

void TlxLumivex::SetBorderIcons(TlxBorderIcons Value) {
    FBorderIcons = Value;
    ApplyBorderIcons();
    if (!Loading() && !Designing()) SendNCPaint();
}

void TlxLumivex::SetHideCaptionButtons(bool Value) {
    FHideCaptionButtons = Value;
    ApplyBorderIcons();
    if (!Loading() && !Designing()) SendNCPaint();
}

void TlxLumivex::SetShowIcon(bool Value) {
    FShowIcon = Value;
    if (!Loading() && !Designing()) SendNCPaint();
}

void TlxLumivex::SetQuickButtons(const TlxQuickButtonItems* Value) {
    FQuickButtons->Assign(Value);
}

void TlxLumivex::SetQuickImageList(TCustomImageList* Value) {
    FQuickImageList.Set(Value);
}

void TlxLumivex::SetLogoBitMap(const TBitmap* Value) {
    if (Value)
        FLogoBitMap.Assign(*Value);
    else
        FLogoBitMap.SetSize(0, 0);
}

void TlxLumivex::SetDefCaptionFont(const TFont& Value) {
    FDefCaptionFont.Assign(Value);
    if (!FSkinSupport) SendNCPaint();
}

void TlxLumivex::SetDefInActiveCaptionFont(const TFont& Value) {
    FDefInActiveCaptionFont.Assign(Value);
    if (!FSkinSupport) SendNCPaint();
}

void TlxLumivex::SetUseRibbon(bool Value) {
    FUseRibbon = Value;
    if (Value && !Designing()) SetSkinnableForm(false);
}

int TlxLumivex::RealHeight() const {
    return FRollUpState ? OldHeight : FForm->Height();
}

// ---- Object events

void TlxLumivex::DoPaintEvent(const std::string& IDName, TCanvas* Canvas, const TRect& ObjectRect) {
    if (OnPaintEvent) OnPaintEvent(IDName, Canvas, ObjectRect);
}

void TlxLumivex::DoMouseUpEvent(const std::string& IDName, int X, int Y, const TRect& ObjectRect,
                                TMouseButton Button) {
    if (OnMouseUpEvent) OnMouseUpEvent(IDName, X, Y, ObjectRect, Button);
}

void TlxLumivex::DoMouseDownEvent(const std::string& IDName, int X, int Y, const TRect& ObjectRect,
                                  TMouseButton Button) {
    if (OnMouseDownEvent) OnMouseDownEvent(IDName, X, Y, ObjectRect, Button);
}

void TlxLumivex::DoMouseMoveEvent(const std::string& IDName, int X, int Y, const TRect& ObjectRect) {
    if (OnMouseMoveEvent) OnMouseMoveEvent(IDName, X, Y, ObjectRect);
}

void TlxLumivex::DoMouseEnterEvent(const std::string& IDName) {
    if (OnMouseEnterEvent) OnMouseEnterEvent(IDName);
}

void TlxLumivex::DoMouseLeaveEvent(const std::string& IDName) {
    if (OnMouseLeaveEvent) OnMouseLeaveEvent(IDName);
}

// ---- Frame objects by name

int TlxLumivex::GetIndex(const std::string& AIDName) const {
    for (size_t i = 0; i < ObjectList.size(); ++i)
        if (ObjectList[i]->IDName == AIDName) return static_cast<int>(i);
    return -1;
}

void TlxLumivex::SetEnabled(const std::string& AIDName, bool Value) {
    if (int i = GetIndex(AIDName); i >= 0) ObjectList[i]->Enabled = Value;
}

void TlxLumivex::UserObjectDraw(const std::string& AIDName) {
    int i = GetIndex(AIDName);
    if (i < 0 || !dynamic_cast<TlxUserObject*>(ObjectList[i].get())) return;
    DrawSkinObject(ObjectList[i].get());
}

void TlxLumivex::LinkMenu(const std::string& AIDName, TMenu* AMenu, bool APopupUp) {
    int i = GetIndex(AIDName);
    if (i < 0 || !AMenu) return;
    TlxActiveSkinObject* o = ObjectList[i].get();
    if (auto* b = dynamic_cast<TlxSkinButtonObject*>(o)) {
        b->MenuItem = AMenu->Items();
        b->FPopupUp = APopupUp;
    } else if (auto* a = dynamic_cast<TlxSkinAnimateObject*>(o); a && a->ButtonStyle) {
        a->MenuItem = AMenu->Items();
        a->FPopupUp = APopupUp;
    }
}

void TlxLumivex::ClearObjects() {
    ActiveObject = OldActiveObject = MouseCaptureObject = -1;
    ObjectList.clear();
}

// ---- The window procedure

void TlxLumivex::CallOld(TMessage& Message) {
    if (OldWindowProc) OldWindowProc(Message);
}

void TlxLumivex::LumivexWndProc(TMessage& Message) {
    // A handler may free the form (and this component with it): both stay
    // until the message is done.
    TComponent::TKeepAlive keepForm(FForm);
    TComponent::TKeepAlive keepSelf(this);
    CloseMenusOn(Message);
    // A press on the caption may move the window before the old procedure
    // returns: the point is taken in the form where the press happened.
    const TPoint at = Message.Msg >= WM_NCMOUSEMOVE && Message.Msg <= WM_NCMBUTTONDBLCLK
                          ? PointToFormCoords(LParamToPoint(Message.LParam))
                          : TPoint{-1, -1};
    if (!Dispatch(Message)) CallOld(Message);
    if (FreePending() || FForm->FreePending()) return;
    LayeredBorderAfter(Message);
    PostProcess(Message, at);
}

void TlxLumivex::CloseMenusOn(const TMessage& Message) {
    switch (Message.Msg) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY:
        break;
    default:
        return;
    }
    if (FShowObjectHint && FSkinHint) HideObjectHint();
    if (InMainMenu && !SkinMenu->Visible()) {
        MainMenuExit();
        return;
    }
    if (SkinMenu->Visible())
        SkinMenu->Hide();
    else if (InMenu)
        SkinMenuClose();
}

// ---- Menu mode

void TlxLumivex::SkinMenuOpen() {
    if (!InMainMenu) InstallMenuHook();
    if (InMenu) return;
    InMenu = true;
    if (OnSkinMenuOpen) OnSkinMenuOpen(this);
}

void TlxLumivex::SkinMenuClose() {
    if (FMenuLayerManager->IsVisible) FMenuLayerManager->Hide();
    InMenu = false;
    for (auto& o : ObjectList) {
        if (auto* b = dynamic_cast<TlxSkinButtonObject*>(o.get()); b && b->MenuItem && b->Down()) {
            b->SetDown(false);
            break;
        }
        if (auto* a = dynamic_cast<TlxSkinAnimateObject*>(o.get()); a && a->MenuItem && a->FMenuTracking) {
            a->Active = true;
            a->FFrame = a->CountFrames;
            a->FDown = a->FMenuTracking = a->Increment = false;
            AnimateTimer->SetEnabled(true);
            break;
        }
    }
    RemoveMenuHook();
    if (OnSkinMenuClose) OnSkinMenuClose(this);
    if (!InMainMenu) return;
    InMainMenu = false;
    if (TlxSkinMainMenuBar* bar = FMainMenuBar) bar->LeaveMenuMode();
    if (OnMainMenuExit) OnMainMenuExit(this);
}

// Taken from the front of the application's hooks and removed by token, so
// components come and go in any order without restoring a stale handler.
void TlxLumivex::InstallMenuHook() {
    if (FMenuHook || !WindowSystemReady()) return;
    FMenuHook = Application ? Application->AddMessageFilter([this](TMsg& M) { return MenuHook(M); }) : 0;
}

void TlxLumivex::RemoveMenuHook() {
    if (!FMenuHook) return;
    if (Application) Application->RemoveMessageFilter(FMenuHook);
    FMenuHook = 0;
}

bool TlxLumivex::MenuHook(TMsg& Msg) {
    // A form without a focused control gets its keys as system keys; those
    // without Alt held, and other than F10, are menu keys all the same.
    const bool sysKey = Msg.message == WM_SYSKEYDOWN && GetKeyState(VK_MENU) >= 0 &&
                        Msg.wParam != static_cast<WPARAM>(VK_F10);
    if (Msg.message != WM_KEYDOWN && Msg.message != WM_MOUSEWHEEL && !sysKey) return false;
    const bool key = Msg.message != WM_MOUSEWHEEL;
    const int vk = static_cast<int>(Msg.wParam);
    Msg.message = WM_NULL;
    if (key) MenuKeyDown(vk);
    return true;
}

// ---- Dispatch: true when the message was handled (the old procedure called
// inside where it applies); false sends it on to the old procedure.

namespace {
constexpr uint32_t CM_QUERYSKINNABLEFORM = 45490;
constexpr uint32_t CM_SMARTEFFECTSPREPARE = 45491;
constexpr uint32_t CM_SMARTEFFECTSSHOW = 45492;
} // namespace

bool TlxLumivex::Dispatch(TMessage& M) {
    const bool skinnable = FSkinnableForm;
    switch (M.Msg) {
    case WM_TIMER:
        if (M.WParam == 1) FadeTimerTick();
        return false;
    case WM_DESTROY:
        EndFade();
        MouseTimer->SetEnabled(false);
        MorphTimer->SetEnabled(false);
        AnimateTimer->SetEnabled(false);
        if (IsMDIChild()) MDIChildDestroyed();
        return false;
    case WM_SIZE:
        WMSize(M);
        return true;
    case WM_ACTIVATE:
        if (!skinnable) return false;
        CallOld(M);
        SendNCPaint();
        ResetObjectStates();
        UpdateCaptionActive(true);
        return true;
    case WM_SETTEXT:
        if (!skinnable) return false;
        CallOld(M);
        if (HasBorder()) SendNCPaint();
        if (IsMDIChild()) MDIChildCaptionChanged();
        return true;
    case WM_ERASEBKGND:
        WMEraseBkgnd(M);
        return true;
    case WM_SHOWWINDOW:
        WMShowWindow(M);
        return true;
    case WM_SETCURSOR:
        if (skinnable && FUseFormCursorInNCArea) {
            int hit = LoPart(static_cast<uint64_t>(M.LParam));
            if (hit != HTCLIENT && (hit < HTLEFT || hit > HTBOTTOMRIGHT))
                M.LParam = MakeLParam(HTCLIENT, HiPart(static_cast<uint64_t>(M.LParam)));
        }
        return false;
    case WM_GETMINMAXINFO:
        if (!skinnable) return false;
        WMGetMinMaxInfo(M);
        return true;
    case WM_WINDOWPOSCHANGED:
        WMWindowPosChanged(M);
        return true;
    case WM_NCCALCSIZE:
        if (!skinnable) return false;
        WMNCCalcSize(M);
        return true;
    case WM_NCHITTEST:
        if (!skinnable) return false;
        WMNCHitTest(M);
        return true;
    case WM_NCPAINT:
        if (!skinnable) return false;
        WMNCPaint(M);
        return true;
    case WM_NCACTIVATE:
        if (!skinnable) return false;
        WMNCActivate(M);
        return true;
    case WM_SYNCPAINT:
        if (!skinnable || !FRollUpState) return false;
        SendNCPaint();
        M.Result = 0;
        return true;
    case WM_NCLBUTTONDOWN:
        // Sizing edges are ours to decide: a fixed frame with AlwaysResize
        // sizes too, and the window system never sizes a form that may not.
        if (skinnable) {
            int hit = static_cast<int>(static_cast<intptr_t>(M.WParam));
            if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) {
                if (CanResize() && FWindowState == wsNormal && !FRollUpState)
                    SendMessage(FormHandle(), WM_SYSCOMMAND, SC_SIZE | static_cast<WPARAM>(hit - HTLEFT + 1),
                                M.LParam);
                return true;
            }
        }
        return false;
    case WM_NCLBUTTONDBLCLK:
        // The caption double-click is the component's (post-processing); the
        // window system's own maximize must not act as well.
        return skinnable;
    case WM_SYSCOMMAND:
        switch (M.WParam & 0xFFF0) {
        case SC_RESTORE:
            CallOld(M);
            if (OnRestore) OnRestore(this);
            return true;
        case SC_KEYMENU:
            KeyMenu();
            return true;
        case SC_MAXIMIZE:
            // A window-manager request: the emulated state, not the platform's.
            if (!skinnable) return false;
            SetWindowState(wsMaximized);
            return true;
        case SC_MINIMIZE:
            if (!skinnable) return false;
            SetWindowState(wsMinimized);
            return true;
        }
        return false;
    case WM_SIZING:
        if (!(FSizeMove && FFullDrag)) return false;
        WMSizing(M);
        return true;
    case WM_MOVING:
        if (!skinnable) return false;
        CallOld(M);
        WMMoving(M);
        return true;
    case WM_ENTERSIZEMOVE:
        if (!skinnable) return false;
        CallOld(M);
        WMEnterSizeMove(M);
        return true;
    case WM_EXITSIZEMOVE:
        if (!skinnable) return false;
        CallOld(M);
        WMExitSizeMove(M);
        return true;
    case WM_BEFORECHANGESKINDATA:
        WMBeforeChangeSkinData(M);
        CallOld(M);
        return true;
    case WM_CHANGESKINDATA:
        WMChangeSkinData(M);
        CallOld(M);
        return true;
    case WM_AFTERCHANGESKINDATA:
        WMAfterChangeSkinData(M);
        CallOld(M);
        return true;
    case WM_CLOSESKINMENU:
        SkinMenuClose();
        return false;
    case WM_CHANGERESSTRDATA:
        UpdateObjectHints();
        return false;
    case WM_CHANGEFORMSKINNABLE:
        if (!FUseRibbon && FSD && reinterpret_cast<TlxSkinData*>(M.WParam) == FSD.Get() && !IsMDIChild())
            SetSkinnableForm(FSD->SkinnableForm());
        return false;
    case WM_MDICHILDREFIT:
    case WM_MDICHILDMAXIMIZED:
    case WM_MDICHILDRESTORED:
        CallOld(M);
        MDIMessage(M);
        return true;
    case WM_TRAYRESTORED:
        TrayRestored();
        return false;
    case CM_QUERYSKINNABLEFORM:
        M.Result = skinnable ? 12853 : 12852;
        return true;
    case CM_SMARTEFFECTSPREPARE:
    case CM_SMARTEFFECTSSHOW:
        return false;
    case CM_SKINPAINTNC:
    case CM_SKINPAINTNCEX:
        if (!skinnable || (M.Msg == CM_SKINPAINTNCEX && M.LParam != SkinPaintExKey)) return false;
        if (M.WParam && HasBorder()) {
            if (HasSkin())
                PaintNCSkin(reinterpret_cast<HDC>(M.WParam), true);
            else
                PaintNCDefault(reinterpret_cast<HDC>(M.WParam), true);
        }
        M.Result = M.Msg == CM_SKINPAINTNC ? SkinPaintNCAnswer : SkinPaintExKey;
        return true;
    }
    return false;
}

void TlxLumivex::PostProcess(TMessage& M, TPoint At) {
    const bool skinnable = FSkinnableForm;
    auto point = [At] { return At; };
    const int hit = static_cast<int>(static_cast<intptr_t>(M.WParam));
    switch (M.Msg) {
    case WM_NCMOUSEMOVE:
        if (skinnable) {
            TPoint p = point();
            ObjectsMouseMove(p.X, p.Y);
        }
        break;
    case WM_NCLBUTTONDOWN:
        if (!skinnable) break;
        if (FSizeMove) {
            FSizeMove = false;
            break;
        }
        {
            TPoint p = point();
            TestActive(p.X, p.Y, true);
            ObjectsMouseDown(TMouseButton::mbLeft, p.X, p.Y);
            if (hit == HTCAPTION) MouseCaptureObject = -1;
        }
        break;
    case WM_NCLBUTTONUP:
        if (skinnable) {
            TrackBeforeRelease();
            TPoint p = point();
            ObjectsMouseUp(TMouseButton::mbLeft, p.X, p.Y);
        }
        break;
    case WM_NCLBUTTONDBLCLK:
        if (!skinnable) break;
        {
            TPoint p = point();
            TestActive(p.X, p.Y, true);
            ObjectsMouseDown(TMouseButton::mbLeft, p.X, p.Y);
            if (FreePending() || FForm->FreePending()) break;
            ObjectsDblClick();
            if (FreePending() || FForm->FreePending()) break;
            if (hit == HTCAPTION) CaptionDblClick();
        }
        break;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONDBLCLK:
        if (!skinnable) break;
        {
            TPoint p = point();
            TestActive(p.X, p.Y, true);
            ObjectsMouseDown(TMouseButton::mbRight, p.X, p.Y);
            if (hit == HTCAPTION) {
                MouseCaptureObject = -1;
                if (M.Msg == WM_NCRBUTTONDOWN && !FDisableSystemMenu) {
                    TPoint c;
                    GetCursorPos(c);
                    PopupSystemMenu(c.X, c.Y);
                }
            }
        }
        break;
    case WM_NCRBUTTONUP:
        if (skinnable) {
            TrackBeforeRelease();
            TPoint p = point();
            ObjectsMouseUp(TMouseButton::mbRight, p.X, p.Y);
        }
        break;
    case WM_LBUTTONUP:
        TrackBeforeRelease();
        ObjectsMouseUp(TMouseButton::mbLeft, -1, -1);
        break;
    case WM_RBUTTONUP:
        TrackBeforeRelease();
        ObjectsMouseUp(TMouseButton::mbRight, -1, -1);
        break;
    }
}
