#pragma once

#include "platform/base/Set.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TFont.h"
#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/TCustomForm.h"
#include "platform/vcl/TImageList.h"
#include "platform/vcl/TMDIClient.h"
#include "platform/vcl/TMenu.h"
#include "skin/controls/TlxSkinHint.h"
#include "skin/controls/TlxSkinMenuHost.h"
#include "skin/engine/SkinData.h"
#include "skin/windows/TlxActiveSkinObject.h"
#include "skin/windows/TlxQuickButtonItem.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCanvas;
class TCustomImageList;
class THintWindow;
class TTimer;
class TlxLayerManager;
class TlxSkinData;
class TlxSkinCaptionObject;
class TlxSkinMainMenuBar;
class TlxSkinMenu;
class TlxSkinPopupMenu;
class TlxTrayIcon;
class TlxFormLayerBorder;
class TlxClientInActivePanel;
class TlxSkinMDITabsBar;

// Form messages of the skinned windows (no parameters).
constexpr uint32_t WM_MDICHILDREFIT = 1230;     // parent to each MDI child
constexpr uint32_t WM_MDICHILDMAXIMIZED = 1231; // MDI child to the main form
constexpr uint32_t WM_MDICHILDRESTORED = 1232;  // MDI child to the main form
constexpr uint32_t WM_TRAYRESTORED = 1426;      // the tray icon showed the main form again

// Scoped: the platform's form border icons share the first three names.
enum class TlxBorderIcon { biSystemMenu, biMinimize, biMaximize, biRollUp, biMinimizeToTray };
using TlxBorderIcons = TSet<TlxBorderIcon>;
enum TlxClientInActiveEffect { lxieSemiTransparent, lxieBlur };
enum TlxPositionInMonitor { lxpDefault, lxpScreenCenter, lxpDesktopCenter };
enum TWindowState { wsNormal, wsMinimized, wsMaximized };

using TlxCaptionPaintEvent = std::function<void(TCanvas* Cnvs, const TRect& R, bool AActive)>;
using TlxMouseUpEvent = std::function<void(const std::string& IDName, int X, int Y, const TRect& ObjectRect,
                                           TMouseButton Button)>;
using TlxMouseDownEvent = TlxMouseUpEvent;
using TlxMouseMoveEvent =
    std::function<void(const std::string& IDName, int X, int Y, const TRect& ObjectRect)>;
using TlxMouseEnterEvent = std::function<void(const std::string& IDName)>;
using TlxMouseLeaveEvent = TlxMouseEnterEvent;
using TlxPaintEvent =
    std::function<void(const std::string& IDName, TCanvas* Canvas, const TRect& ObjectRect)>;
using TlxActivateCustomObjectEvent = std::function<void(const std::string& IDName, bool& ObjectVisible)>;
using TlxOnAcceptToMDITabsBar = std::function<void(TObject* Sender, bool& Accept)>;

class EInvalidCast : public Exception {
public:
    using Exception::Exception;
};

// The hit code of a frame part the component handles itself (frame objects,
// frame edges that do not size): the window system keeps away from it.
constexpr int HTOBJECT = 19;

// Skins one whole form: replaces the form's window procedure, draws the frame
// (caption, borders, frame objects) from the skin or a built-in default frame,
// answers hit-testing, emulates minimize, maximize, restore and roll-up, and
// follows skin changes. Exactly one lives on each skinned form, owned by it.
//
// The frame geometry of the current size (the New* fields) is recomputed by
// CalcNewGeometry from FFormWidth x FFormHeight before every use.
class TlxLumivex : public TComponent, public TlxSkinMenuHost {
public:
    // AOwner must be a form (EInvalidCast otherwise).
    explicit TlxLumivex(TComponent* AOwner);
    ~TlxLumivex() override;

    TCustomForm* Form() const { return FForm; }

    // ---- Published properties
    TlxSkinData* SkinData() const { return FSD; }
    void SetSkinData(TlxSkinData* Value);
    TlxSkinData* MenusSkinData() const { return FMSD; }
    void SetMenusSkinData(TlxSkinData* Value) { FMSD.Set(Value); }
    TlxBorderIcons BorderIcons() const { return FBorderIcons; }
    void SetBorderIcons(TlxBorderIcons Value);
    bool HideCaptionButtons() const { return FHideCaptionButtons; }
    void SetHideCaptionButtons(bool Value);
    bool DisableSystemMenu() const { return FDisableSystemMenu; }
    void SetDisableSystemMenu(bool Value) { FDisableSystemMenu = Value; }
    bool AlwaysResize() const { return FAlwaysResize; }
    void SetAlwaysResize(bool Value) { FAlwaysResize = Value; }
    bool ShowIcon() const { return FShowIcon; }
    void SetShowIcon(bool Value);
    bool UseDefaultObjectHint() const { return FUseDefaultObjectHint; }
    void SetUseDefaultObjectHint(bool Value) { FUseDefaultObjectHint = Value; }
    bool ShowObjectHint() const { return FShowObjectHint; }
    void SetShowObjectHint(bool Value) { FShowObjectHint = Value; }
    // The hint component of the frame objects' and quick buttons' hints.
    TlxSkinHint* SkinHint() const { return FSkinHint; }
    void SetSkinHint(TlxSkinHint* Value) { FSkinHint.Set(Value); }
    TlxQuickButtonItems* QuickButtons() const { return FQuickButtons.get(); }
    void SetQuickButtons(const TlxQuickButtonItems* Value);
    TCustomImageList* QuickImageList() const { return FQuickImageList; }
    void SetQuickImageList(TCustomImageList* Value);
    bool QuickButtonsShowHint() const { return FQuickButtonsShowHint; }
    void SetQuickButtonsShowHint(bool Value) { FQuickButtonsShowHint = Value; }
    bool UseFormCursorInNCArea() const { return FUseFormCursorInNCArea; }
    void SetUseFormCursorInNCArea(bool Value) { FUseFormCursorInNCArea = Value; }
    bool AlwaysMinimizeToTray() const { return FAlwaysMinimizeToTray; }
    void SetAlwaysMinimizeToTray(bool Value) { FAlwaysMinimizeToTray = Value; }
    bool MaximizeOnFullScreen() const { return FMaximizeOnFullScreen; }
    void SetMaximizeOnFullScreen(bool Value) { FMaximizeOnFullScreen = Value; }
    int ClientWidth() const { return FClientWidth; }
    void SetClientWidth(int Value) { FClientWidth = Value; }
    int ClientHeight() const { return FClientHeight; }
    void SetClientHeight(int Value) { FClientHeight = Value; }
    TBitmap* LogoBitMap() { return &FLogoBitMap; }
    void SetLogoBitMap(const TBitmap* Value);
    bool LogoBitMapTransparent() const { return FLogoBitMapTransparent; }
    void SetLogoBitMapTransparent(bool Value) { FLogoBitMapTransparent = Value; }
    TFont* DefCaptionFont() { return &FDefCaptionFont; }
    void SetDefCaptionFont(const TFont& Value);
    TFont* DefInActiveCaptionFont() { return &FDefInActiveCaptionFont; }
    void SetDefInActiveCaptionFont(const TFont& Value);
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int Value) { FMinWidth = Value; }
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int Value) { FMinHeight = Value; }
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int Value) { FMaxWidth = Value; }
    int MaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(int Value) { FMaxHeight = Value; }
    bool Magnetic() const { return FMagnetic; }
    void SetMagnetic(bool Value) { FMagnetic = Value; }
    int MagneticSize() const { return FMagneticSize; }
    void SetMagneticSize(int Value) { FMagneticSize = std::clamp(Value, 0, 255); }
    TlxPositionInMonitor PositionInMonitor() const { return FPositionInMonitor; }
    void SetPositionInMonitor(TlxPositionInMonitor Value) { FPositionInMonitor = Value; }
    TPopupMenu* SystemMenu() const { return FSystemMenu; }
    void SetSystemMenu(TPopupMenu* Value) { FSystemMenu.Set(Value); }
    bool UseDefaultSysMenu() const { return FUseDefaultSysMenu; }
    void SetUseDefaultSysMenu(bool Value) { FUseDefaultSysMenu = Value; }
    TControl* StatusBar() const { return FStatusBar; }
    void SetStatusBar(TControl* Value) { FStatusBar.Set(Value); }
    bool AlphaBlend() const { return FAlphaBlend; }
    void SetAlphaBlend(bool Value);
    bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
    void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
    int AlphaBlendValue() const { return FAlphaBlendValue; }
    void SetAlphaBlendValue(int Value);
    bool UseRibbon() const { return FUseRibbon; }
    void SetUseRibbon(bool Value);

    // ---- Public properties
    TWindowState WindowState() const { return FWindowState; }
    void SetWindowState(TWindowState Value);
    bool RollUpState() const { return FRollUpState; }
    void SetRollUpState(bool Value);
    // The height before roll-up while rolled up, else the form height.
    int RealHeight() const;
    void SetRealHeight(int Value) { OldHeight = Value; }
    bool MinimizeDefault() const { return FMinimizeDefault; }
    void SetMinimizeDefault(bool Value) { FMinimizeDefault = Value; }
    bool SkinnableForm() const { return FSkinnableForm; }
    bool GetSkinnableForm() const { return FSkinnableForm; }
    void SetSkinnableForm(bool Value);
    // The skin selection dialog's preview: always active, no hover tracking.
    bool PreviewMode = false;
    bool AlwaysDisableLayeredFrames = false;

    // ---- Events (Sender is the component)
    TlxCaptionPaintEvent OnCaptionPaint;
    TNotifyEvent OnChangeSkinData, OnBeforeChangeSkinData, OnAfterChangeSkinData;
    TlxMouseUpEvent OnMouseUpEvent;
    TlxMouseDownEvent OnMouseDownEvent;
    TlxMouseMoveEvent OnMouseMoveEvent;
    TlxMouseEnterEvent OnMouseEnterEvent;
    TlxMouseLeaveEvent OnMouseLeaveEvent;
    TlxPaintEvent OnPaintEvent;
    TNotifyEvent OnActivate, OnDeActivate;
    TNotifyEvent OnSkinMenuOpen, OnSkinMenuClose;
    TNotifyEvent OnChangeRollUpState;
    TNotifyEvent OnMinimizeToTray, OnRestoreFromTray;
    TlxActivateCustomObjectEvent OnActivateCustomObject;
    TNotifyEvent OnMinimize, OnRestore, OnMaximize;
    // Offered every shortcut of the form first; Handled ends the search.
    TShortCutEvent OnShortCut;

    // ---- Object events, raised by the frame objects
    void DoPaintEvent(const std::string& IDName, TCanvas* Canvas, const TRect& ObjectRect);
    void DoMouseUpEvent(const std::string& IDName, int X, int Y, const TRect& ObjectRect,
                        TMouseButton Button);
    void DoMouseDownEvent(const std::string& IDName, int X, int Y, const TRect& ObjectRect,
                          TMouseButton Button);
    void DoMouseMoveEvent(const std::string& IDName, int X, int Y, const TRect& ObjectRect);
    void DoMouseEnterEvent(const std::string& IDName);
    void DoMouseLeaveEvent(const std::string& IDName);

    // ---- Frame objects
    int ObjectCount() const { return static_cast<int>(ObjectList.size()); }
    TlxActiveSkinObject* Objects(int Index) const { return ObjectList.at(Index).get(); }
    // Index of the first object named exactly AIDName, or -1.
    int GetIndex(const std::string& AIDName) const;
    void SetEnabled(const std::string& AIDName, bool Value);
    void UserObjectDraw(const std::string& AIDName);
    void LinkMenu(const std::string& AIDName, TMenu* AMenu, bool APopupUp);
    void ClearObjects();
    // Paints one object alone into the form's window.
    void DrawSkinObject(TlxActiveSkinObject* AObject);
    // The form counts as active (PreviewMode, or the form's own activity).
    bool GetFormActive() const;
    // Hover tracking at form coordinates X, Y (-1, -1: nothing hovered).
    void TestActive(int X, int Y, bool InFrame);
    // A frame object's or quick button's hint: shown below the mouse after
    // the application's hint pause, hidden after its hide pause or at once.
    // It is drawn by SkinHint while the application has a skinned hint
    // (an active one on the main form), else in the platform's hint window.
    void ActivateObjectHint(const std::string& AHint);
    void HideObjectHint();
    bool ObjectHintVisible() const;
    const std::string& ObjectHintText() const { return FObjectHintText; }
    // The small icon of the system-menu button at X, Y.
    void DrawFormIcon(TCanvas* Cnvs, int X, int Y);
    // The item tree of the system menu, prepared for the current state.
    TMenuItem* GetSystemMenuItems();
    // The system menu at a screen point.
    void PopupSystemMenu(int X, int Y);
    // Alt+Space: the system menu beside each enabled system-menu object.
    void ShowSystemMenuAtButton();
    TTimer* MorphTimer = nullptr;
    TTimer* AnimateTimer = nullptr;
    TTimer* MouseTimer = nullptr;
    TlxLayerManager* FLayerManager = nullptr;
    TlxLayerManager* FMenuLayerManager = nullptr;

    // ---- Window states, sizes and placement
    int GetMinWidth() const;
    int GetMinHeight() const;
    int GetMaxWidth() const;
    int GetMaxHeight() const;
    void MinimizeToTray();
    void RestoreFromTray();
    // The notification-area icon used by minimize to tray (TlxLumivexTray.cpp).
    TlxTrayIcon* TrayIcon() const { return FTrayIcon; }
    void SetTrayIcon(TlxTrayIcon* Value);
    bool AlwaysShowInTray() const { return FAlwaysShowInTray; }
    void SetAlwaysShowInTray(bool Value) { FAlwaysShowInTray = Value; }
    // The tray menu: restore from the tray and close.
    TlxSkinPopupMenu* SysTrayMenu() const { return FSysTrayMenu; }
    // The tray icon hid the form or is showing it again; WM_TRAYRESTORED clears it.
    bool TrayHidden = false;
    void ApplyPositionInMonitor();
    TPoint GetPositionInMonitor(int AX, int AY, int AW, int AH) const;
    // Height of the default frame's caption (15 for tool windows, else 19).
    int GetDefCaptionHeight() const;

    // ---- Layered borders (TlxLumivexLayered.cpp)
    // The skin's soft outer border around the form; shown only where the
    // display composites (layered windows available).
    TlxFormLayerBorder* FBorderLayer = nullptr;
    // A drag on the layered border is resizing the form.
    bool FBorderLayerChangeSize = false;
    bool UseLayeredBorder() const;
    bool CanResizeByBorder() const;
    // The border for the skin just applied: prepared, then shown or hidden.
    void ApplyLayeredBorder();

    // ---- Menus
    void SkinMenuOpen() override;
    void SkinMenuClose() override;
    // The form's popup-menu engine (TlxLumivexMenus.cpp).
    TlxSkinMenu* SkinMenu = nullptr;
    TlxSkinData* SkinDataForMenus() const override;
    bool SkinMenuVisible() const override;
    void PopupSkinMenuItems(TControl* Opener, TlxSkinData* ASkinData, const TRect& R, TMenuItem* AItem,
                            bool PopupUp, TNotifyEvent OnMenuClose) override;
    // A key while a menu is open: to the last open menu window.
    void MenuKeyDown(int Key);
    // Menu's OnPopup, then its items at the screen point X, Y with SkinData.
    void DoPopupMenu(TPopupMenu* Menu, int X, int Y);
    // Menu's items at the screen point P, or beside R (above it with
    // PopupUp), with the menus' skin.
    void PopupSkinMenu(TMenu* Menu, TPoint P);
    void PopupSkinMenu1(TMenu* Menu, const TRect& R, bool PopupUp);
    // The system menu beside the screen rectangle R; an MDI child's opens
    // through the main form's component.
    void PopupSystemMenuFromRect(const TRect& R);
    // An open menu is closed, menu mode starts and AItem's children open
    // beside R with ASkin; nothing happens without a visible child.
    void PopupMenuItems(TMenuItem* AItem, const TRect& R, bool PopupUp, TlxSkinData* ASkin);
    bool InMenu = false;
    bool InMainMenu = false;

    // ---- The skinned main menu bar (TlxLumivexMainMenu.cpp)
    TlxSkinMainMenuBar* MainMenuBar() const { return FMainMenuBar; }
    void SetMainMenuBar(TlxSkinMainMenuBar* Value);
    TNotifyEvent OnMainMenuEnter, OnMainMenuExit;
    // The keys go to the menus until menu mode ends.
    void HookApplicationMessages() { InstallMenuHook(); }
    // Main-menu mode ends: the open menu closes, the bar leaves menu mode.
    void MainMenuExit();

    // ---- Frame geometry of the current size (FFormWidth x FFormHeight)
    void CalcNewGeometry();
    void CalcObjectRects();
    // Rectangle R of the skin's frame picture placed on the frame of the
    // current size (after CalcNewGeometry): the corner zones it lies in decide.
    TRect MapSkinRect(const TRect& R) const;

    // ---- Painting
    void PaintNCSkin(HDC ADC, bool AUseExternalDC);
    void PaintNCDefault(HDC ADC, bool AUseExternalDC);
    void CalcDefRects();
    void PaintBG(HDC DC);
    void PaintBG2(HDC DC);
    void PaintBG3(HDC DC);
    void PaintBGDefault(HDC DC);

    // ---- State read by the frame objects
    bool FSkinSupport = false;
    bool FFormActive = false;
    // Geometry of the current size, in window coordinates of the form.
    TPoint NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
    TRect NewClRect, NewCaptionRect, NewButtonsRect;
    int NewButtonsOffset = 0;
    bool NewButtonsInLeft = false;
    TRect NewMaskRectArea;
    TPoint NewHitTestLTPoint, NewHitTestRTPoint, NewHitTestLBPoint, NewHitTestRBPoint;
    TRect NewDefCaptionRect;
    int FFormWidth = 0, FFormHeight = 0;
    // The mask's border strips at the current size (black = inside).
    TBitmap RMTop, RMBottom, RMLeft, RMRight;

    // ---- MDI and the inactive client panel (TlxLumivexMDI.cpp)
    bool ClientInActiveEffect() const { return FClientInActiveEffect; }
    void SetClientInActiveEffect(bool Value) { FClientInActiveEffect = Value; }
    TlxClientInActiveEffect ClientInActiveEffectType() const { return FClientInActiveEffectType; }
    void SetClientInActiveEffectType(TlxClientInActiveEffect Value) { FClientInActiveEffectType = Value; }
    // Asked (Accept starts true) before a shown MDI child gets a tab.
    TlxOnAcceptToMDITabsBar OnAcceptToMDITabsBar;
    // Arranging the children of an MDI parent (nothing on other forms).
    void RestoreAll();
    void MinimizeAll();
    void MaximizeAll();
    void CloseAll();
    void Tile();
    void Cascade();
    // Maximized children fit the client area again; minimized ones take their slots.
    void RefitMDIChildren();
    void ShowClientInActiveEffect();
    void HideClientInActiveEffect();
    TlxClientInActivePanel* InActivePanel() const { return FInActivePanel; }
    // An MDI parent: one of its children is maximized.
    bool MDIChildMaximized() const { return FMDIChildMaximized; }
    void PaintMDIBGDefault(HDC DC);
    // The Window-menu item of a child, clicked: shows that child.
    void MDIItemClick(TObject* Sender);
    // The main form's MDI tab bar.
    TlxSkinMDITabsBar* MDITabsBar() const;
    void SetMDITabsBar(TlxSkinMDITabsBar* Value);
    // The tab bar's active tab follows the main form's active child.
    void UpdateMDITabsBar();

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool IsMaximizedMDIChild() const { return IsMDIChild() && FWindowState == wsMaximized; }
    void SubclassMDIClient();
    void MDIClientWindowProc(TMessage& Message);
    // WM_MDICHILDREFIT, WM_MDICHILDMAXIMIZED and WM_MDICHILDRESTORED.
    void MDIMessage(TMessage& Message);
    void MDIChildShowing(bool Showing);
    void MDIChildActivated();
    void MDIChildDestroyed();
    void MDIChildCaptionChanged();
    void ArrangeMinimizedChildren();
    TPoint GetMDIMinimizedPosition();
    void MaximizeMDIChild();
    // A child left the maximized state: its frame comes back and the parent hears of it.
    void MDIChildRestored();
    void AddChildToMenu(TCustomForm* Child);
    void DeleteChildFromMenu(TCustomForm* Child);
    void UpDateChildCaptionInMenu(TCustomForm* Child);
    void UpDateChildActiveInMenu();
    void AddChildToBar(TCustomForm* Child);
    void DeleteChildFromBar(TCustomForm* Child);
    void RefreshMDIBarTab(TCustomForm* Child);

    bool Designing() const { return ComponentState().Contains(csDesigning); }
    bool Loading() const { return ComponentState().Contains(csLoading); }
    bool HasSkin() const;
    bool HasBorder() const;
    bool IsMDIChild() const { return FForm->FormStyle() == fsMDIChild; }
    bool IsMDIForm() const { return FForm->FormStyle() == fsMDIForm; }
    bool IsToolWindow() const;
    HWND FormHandle() const;
    void SendNCPaint();

    // The window procedure (TlxLumivex.cpp).
    void LumivexWndProc(TMessage& Message);
    void CallOld(TMessage& Message);
    void CloseMenusOn(const TMessage& Message);
    bool Dispatch(TMessage& Message);
    void PostProcess(TMessage& Message, TPoint At);
    void InstallMenuHook();
    void RemoveMenuHook();
    bool MenuHook(TMsg& Msg);

    // Skin changes (TlxLumivexSkinChange.cpp).
    void ChangeSkinData();
    void WMBeforeChangeSkinData(TMessage& Message);
    void WMChangeSkinData(TMessage& Message);
    void WMAfterChangeSkinData(TMessage& Message);
    void CreateSkinObjects();
    void CreateDefaultObjects();
    void ApplyBorderIcons();
    void UpdateObjectHints();
    void UpdateCaptionActive(bool Animate);
    void AnimateTimerProc();
    void MorphTimerProc();
    void MouseTimerProc();
    void CallBeforeChangeSkinData(TlxSkinData* Skin);
    void CallChangeSkinData(TlxSkinData* Skin);

    // Frame layout and painting (TlxLumivexFrame.cpp).
    void UpdateFrame();
    void SetFormRegion();
    void WMNCCalcSize(TMessage& Message);
    void WMNCPaint(TMessage& Message);
    void WMNCActivate(TMessage& Message);
    void WMEraseBkgnd(TMessage& Message);
    void PaintLogo(TCanvas* Canvas, const TRect& Client);

    // Hit-testing, moving, sizing and window states (TlxLumivexStates.cpp).
    bool CanResize() const;
    TPoint PointToFormCoords(TPoint P) const;
    int SkinHitTest(TPoint P);
    int DefaultHitTest(TPoint P);
    bool InCaptionArea(TPoint P) const;
    bool PointInMaskBorder(TPoint P) const;
    void WMNCHitTest(TMessage& Message);
    void ResetObjectStates();
    void ObjectsMouseDown(TMouseButton Button, int X, int Y);
    void ObjectsMouseUp(TMouseButton Button, int X, int Y);
    void ObjectsMouseMove(int X, int Y);
    void ObjectsDblClick();
    void CaptionDblClick();
    void WMSize(TMessage& Message);
    void WMSizing(TMessage& Message);
    void WMMoving(TMessage& Message);
    void WMWindowPosChanged(TMessage& Message);
    void WMEnterSizeMove(TMessage& Message);
    void WMExitSizeMove(TMessage& Message);
    void WMGetMinMaxInfo(TMessage& Message);
    void MagnetizePosition(int& Left, int& Top, int Width, int Height);
    void NudgeFormWidth();
    bool PlatformMinimizes() const;
    void MinimizeForm();
    void MaximizeForm();
    void RestoreForm();
    TPoint GetMinimizedPosition();
    TRect MonitorArea(bool WorkArea) const;
    void WMShowWindow(TMessage& Message);
    void FormShortCut(TMessage& Msg, bool& Handled);
    // The shortcuts of the menu bar's menus (TlxLumivexMainMenu.cpp).
    void MainMenuShortCut(TMessage& Msg, bool& Handled);
    // Escape closed the last menu window in main-menu mode: the bar stays in it.
    void MainMenuBarClose();
    // SC_KEYMENU: Alt or F10 alone.
    void KeyMenu();
    void PrepareFormIcon();
    void ShowObjectHintNow();
    TRect ClientInWindow() const;
    void TrackBeforeRelease();
    std::string SysText(const char* Key, const char* BuiltIn) const;
    TMenuItem* MakeSysItem(int Kind);
    std::vector<int> SysMenuKinds() const;

    // The layered border follows the form after each message (TlxLumivexLayered.cpp).
    void LayeredBorderAfter(const TMessage& Message);
    void SyncLayeredBorder(bool Restacked);
    void FadeLayeredBorder(int Alpha, bool Update);
    bool FSmartEffectsShow = false;

    // The notification area (TlxLumivexTray.cpp).
    void CreateTrayMenu();
    void TrayRestored();

    // Form effects (TlxLumivexSkinChange.cpp).
    void BeginShowEffects();
    void EndShowEffects();
    bool WantsFade() const;
    void ApplyAlphaBlend();
    void FadeTimerTick();
    void FadeStep();
    void EndFade();

    TCustomForm* FForm = nullptr;
    TComponentRef<TlxSkinData> FSD{this};
    TComponentRef<TlxSkinData> FMSD{this};
    TWndMethod OldWindowProc;

    std::vector<std::unique_ptr<TlxActiveSkinObject>> ObjectList;
    int ActiveObject = -1, OldActiveObject = -1, MouseCaptureObject = -1;

    bool FSkinnableForm = true;
    TWindowState FWindowState = wsNormal;
    bool FRollUpState = false, MaxRollUpState = false, FRollUpBeforeMaximize = false;
    bool FStopPainting = false;
    bool FStartShow = true;
    bool FSizeMove = false, FSizing = false, FFullDrag = false;
    int FFormLeft = 0, FFormTop = 0, FOldFormLeft = 0, FOldFormTop = 0;
    TRect OldBoundsRect;
    int OldHeight = 0;
    bool HMagnetized = false, VMagnetized = false, HMagnetized2 = false, VMagnetized2 = false;
    TPoint FOnMouseDownCoord{-1, -1};
    bool FMinimizeDefault = false;

    TlxBorderIcons FBorderIcons{TlxBorderIcon::biSystemMenu, TlxBorderIcon::biMinimize,
                                TlxBorderIcon::biMaximize, TlxBorderIcon::biRollUp};
    bool FHideCaptionButtons = false;
    bool FDisableSystemMenu = false;
    bool FAlwaysResize = false;
    bool FShowIcon = false;
    bool FUseDefaultObjectHint = true;
    bool FShowObjectHint = false;
    TComponentRef<TlxSkinHint> FSkinHint{this};
    std::unique_ptr<TlxQuickButtonItems> FQuickButtons;
    TComponentRef<TCustomImageList> FQuickImageList{this};
    bool FQuickButtonsShowHint = false;
    bool FUseFormCursorInNCArea = false;
    bool FAlwaysMinimizeToTray = false;
    bool FMaximizeOnFullScreen = false;
    int FClientWidth = 0, FClientHeight = 0;
    TBitmap FLogoBitMap;
    bool FLogoBitMapTransparent = false;
    TFont FDefCaptionFont, FDefInActiveCaptionFont;
    int FMinWidth = 0, FMinHeight = 0, FMaxWidth = 0, FMaxHeight = 0;
    bool FMagnetic = false;
    int FMagneticSize = 5;
    TlxPositionInMonitor FPositionInMonitor = lxpDefault;
    TComponentRef<TPopupMenu> FSystemMenu{this};
    bool FUseDefaultSysMenu = true;
    TComponentRef<TControl> FStatusBar{this};
    bool FAlphaBlend = false, FAlphaBlendAnimation = false;
    int FAlphaBlendValue = 200;
    bool FUseRibbon = false;
    TPopupMenu* FSysMenu = nullptr;
    TComponentRef<TlxTrayIcon> FTrayIcon{this};
    bool FAlwaysShowInTray = false;
    TlxSkinPopupMenu* FSysTrayMenu = nullptr;
    TComponentRef<TlxSkinMainMenuBar> FMainMenuBar{this};
    uint64_t FMenuHook = 0;
    // The last key was a shortcut of the form's menu.
    bool FInShortCut = false;
    // The system-menu button's small icon, made on first use.
    std::unique_ptr<TBitmap> FIcon;
    // The object hint: its window, the timer that shows and hides it, its text.
    THintWindow* FObjectHintWindow = nullptr;
    TTimer* FObjectHintTimer = nullptr;
    std::string FObjectHintText;
    // The last object hint went to SkinHint.
    bool FObjectHintSkinned = false;
    // The fade-in: from the first timer tick after showing to its end state.
    TTimer* FadeTimer = nullptr;
    bool FFading = false;
    int FFadeAlpha = 0, FFadeStep = 1, FFadeTarget = 255;
    // MDI: the parent's client window while subclassed, and its procedure before.
    TComponentRef<TMDIClient> FClientControl{this};
    TComponent* FMDITabsBar = nullptr;
    TWndMethod FPrevClientProc;
    bool FMDIChildMaximized = false;
    bool FClientInActiveEffect = false;
    TlxClientInActiveEffect FClientInActiveEffectType = lxieSemiTransparent;
    TlxClientInActivePanel* FInActivePanel = nullptr;
    // Set while the inactive snapshot is taken: an MDI parent paints its background.
    bool FClientInActiveDraw = false;
};

// The MDI client area of the application's main form: what its visible
// aligned controls leave free, in its client coordinates.
TRect GetMDIClientArea();
// The component of the main form's first maximized MDI child, or of its active one.
TlxLumivex* FindMaximizedChildSkinComponent();
TlxLumivex* FindActiveChildSkinComponent();

// The form-skinning component of Form, or nullptr (also for a null form).
TlxLumivex* FindFormSkinComponent(TCustomForm* Form);
