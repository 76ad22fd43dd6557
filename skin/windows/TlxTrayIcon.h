#pragma once

#include "platform/gdi/TBitmap.h"
#include "platform/sys/TDesktopServices.h"
#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/TControl.h"
#include "platform/vcl/TImageList.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TCustomForm;
class TTimer;
class TlxSkinPopupMenu;
class TlxTrayBalloon;

enum TlxBalloonHintIcon { lxbitNone, lxbitInfo, lxbitWarning, lxbitError };
using TlxCycleEvent = std::function<void(TObject* Sender, int NextIndex)>;

// The icon's mouse messages: lParam of WM_TRAYNOTIFY names the mouse message.
constexpr uint32_t WM_TRAYNOTIFY = 0x800;
constexpr uint32_t NIN_BALLOONUSERCLICK = 1029;
// Which parts of IconData an icon operation hands to the tray.
constexpr uint32_t NIF_MESSAGE = 1, NIF_ICON = 2, NIF_TIP = 4, NIF_INFO = 16;
constexpr uint32_t NIIF_NONE = 0, NIIF_INFO = 1, NIIF_WARNING = 2, NIIF_ERROR = 3;

// What the icon operations hand to the tray host; texts are cut to the
// sizes the tray takes (tip 127, balloon text 255, balloon title 63 code points).
struct TlxTrayIconData {
    uint32_t uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    std::string szTip;
    std::string szInfo;
    std::string szInfoTitle;
    uint32_t dwInfoFlags = NIIF_NONE;
};

// An icon in the desktop's notification area (through the desktop's tray
// host), which hides and restores the program's main form: clicks, double
// clicks and mouse events from the icon, a skinned popup menu at the cursor,
// an image list to cycle through, balloon tips shown in a hint window beside
// the icon, and the icon added again when the tray host restarts.
//
// The form that owns the icon is watched: minimized while MinimizeToTray is
// on, the icon is added first and the main form hidden only once the tray
// took the icon; without a tray the form stays minimized, so the program is
// never left without a window.
class TlxTrayIcon : public TComponent {
public:
    explicit TlxTrayIcon(TComponent* AOwner);
    ~TlxTrayIcon() override;

    // ---- Published properties
    bool DesignPreview() const { return FDesignPreview; }
    void SetDesignPreview(bool Value);
    TCustomImageList* IconList() const { return FIconList; }
    void SetIconList(TCustomImageList* Value);
    bool CycleIcons() const { return FCycleIcons; }
    void SetCycleIcons(bool Value);
    uint32_t AnimateTimerInterval() const { return FAnimateTimerInterval; }
    void SetAnimateTimerInterval(uint32_t Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value);
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    // The picture shown (32-bit with alpha); the setter copies.
    const TBitmap& Icon() const { return FIcon; }
    void SetIcon(const TBitmap& Value);
    bool IconVisible() const { return FIconVisible; }
    void SetIconVisible(bool Value);
    int IconIndex() const { return FIconIndex; }
    void SetIconIndex(int Value);
    TlxSkinPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TlxSkinPopupMenu* Value);
    bool PopupByLeftButton() const { return FPopupByLeftButton; }
    void SetPopupByLeftButton(bool Value) { FPopupByLeftButton = Value; }
    bool MinimizedOnStart() const { return FMinimizedOnStart; }
    void SetMinimizedOnStart(bool Value) { FMinimizedOnStart = Value; }
    bool MinimizeToTray() const { return FMinimizeToTray; }
    void SetMinimizeToTray(bool Value) { FMinimizeToTray = Value; }

    TNotifyEvent OnClick, OnDblClick;
    TMouseEvent OnMouseDown, OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TlxCycleEvent OnCycle;
    TNotifyEvent OnBalloonHintClick;

    // ---- Operations
    // Each answers whether the tray host took the request.
    virtual bool LoadDefaultIcon() { return true; }
    virtual bool AddIcon();
    virtual bool HideIcon();
    virtual bool ModifyIcon();
    bool Refresh() { return ModifyIcon(); }
    void ShowMainForm();
    void HideMainForm();
    bool ShowBalloonHint(const std::string& Title, const std::string& Text, TlxBalloonHintIcon IconType);
    bool HideBalloonHint();
    // Bitmap with MaskColor transparent (clDefault: its bottom-left pixel), as a 16 x 16 icon.
    static bool BitmapToIcon(const TBitmap* Bitmap, TBitmap* Icon, TColor MaskColor);

    // One mouse message of the icon (WM_LBUTTONDOWN ..., NIN_BALLOONUSERCLICK)
    // with the cursor at the screen point At.
    void HandleIconMessage(uint32_t MouseMessage, TPoint At);

    const TlxTrayIconData& IconData() const { return FIconData; }
    // The balloon window while one is shown, else nullptr.
    TlxTrayBalloon* Balloon() const;
    // The form shown and hidden: the application's main form, else the owner form.
    TCustomForm* MainForm() const;

    void Loaded() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void Click();
    virtual void DblClick();
    virtual void CycleIcon();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void DoMinimizeToTray();

private:
    bool Designing() const { return ComponentState().Contains(csDesigning); }
    bool PrepareIconData();
    TTrayImage TrayImage() const;
    void HostMouse(TTrayMouseKind Kind, TTrayButton Button, TPoint At);
    void TrayHostStarted();
    void ClickTimerTick();
    void CycleTimerTick();
    void PopupAtCursor();
    void HookParent();
    void UnhookParent();
    void HookParentProc(TMessage& Message);
    void MarkMainForm(bool Hidden);

    bool FDesignPreview = false;
    TComponentRef<TCustomImageList> FIconList{this};
    bool FCycleIcons = false;
    uint32_t FAnimateTimerInterval = 0;
    bool FEnabled = true;
    std::string FHint;
    bool FShowHint = true;
    TBitmap FIcon;
    bool FIconVisible = true;
    int FIconIndex = 0;
    TComponentRef<TlxSkinPopupMenu> FPopupMenu{this};
    bool FPopupByLeftButton = false;
    bool FMinimizedOnStart = false;
    bool FMinimizeToTray = true;

    TlxTrayIconData FIconData;
    std::unique_ptr<TTrayIcon> FHostIcon;
    uint64_t FHostWatch = 0;
    TTimer* AnimateTimer = nullptr;
    TTimer* ClickTimer = nullptr;
    TTimer* BalloonTimer = nullptr;
    bool FClickStart = false, FClickReady = false, IsDblClick = false;
    bool SettingPreview = false;
    TlxTrayBalloon* FBalloon = nullptr;
    TCustomForm* FParentForm = nullptr;
    TWndMethod OldWndProc;
};
