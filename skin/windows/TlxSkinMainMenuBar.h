#pragma once

#include "platform/gdi/TFont.h"
#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/TMenu.h"
#include "skin/controls/TlxSkinControl.h"
#include "skin/windows/TlxMenuBarObject.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TTimer;
class TlxLumivex;
class TlxSkinMainMenuBarButton;
class TlxSkinMainMenuBarItem;

using TlxItemEnterEvent = std::function<void(TMenuItem* MenuItem)>;
using TlxItemLeaveEvent = TlxItemEnterEvent;

// The skinned main menu bar: the top-level items of MainMenu in a row along
// the top of its form, opening their menus through the form-skinning
// component (Lumivex) and its popup-menu engine. Items that do not fit are
// hidden and reached through a scroll marker at the right end. While an MDI
// child is maximized the bar also shows that child's system-menu, minimize,
// restore and close buttons. The keyboard (Alt, F10, arrows, accelerators,
// Enter, Escape) is the form-skinning component's, which calls the
// operations below.
//
// The objects are rebuilt on every menu, merge and skin change; their
// indexes (ActiveObject and the others) start again at -1 each time.
class TlxSkinMainMenuBar : public TlxSkinControl {
public:
    explicit TlxSkinMainMenuBar(TComponent* AOwner);
    ~TlxSkinMainMenuBar() override;

    // ---- Published properties
    TMainMenu* MainMenu() const { return FMainMenu; }
    void SetMainMenu(TMainMenu* Value);
    TlxLumivex* Lumivex() const { return FLumivex; }
    void SetLumivex(TlxLumivex* Value);
    bool ScrollMenu() const { return FScrollMenu; }
    void SetScrollMenu(bool Value);
    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value);
    TFont* DefItemFont() { return &FDefItemFont; }
    void SetDefItemFont(const TFont& Value);
    int DefaultWidth() const { return FDefaultWidth; }
    void SetDefaultWidth(int Value);
    int DefaultHeight() const { return FDefaultHeight; }
    void SetDefaultHeight(int Value);
    bool PopupToUp() const { return FPopupToUp; }
    void SetPopupToUp(bool Value) { FPopupToUp = Value; }
    TlxItemEnterEvent OnItemMouseEnter;
    TlxItemLeaveEvent OnItemMouseLeave;

    // ---- Items and merging
    // Rebuilds the objects and repaints.
    void UpDateItems();
    // Every item takes its menu item's Enabled (a hidden item stays disabled
    // until it fits again), then repaints.
    void UpDateEnabledItems();
    // Shows Menu's items among the main menu's (by GroupIndex) until UnMerge.
    void Merge(TMainMenu* Menu);
    void UnMerge();
    // The merged menu, else the main menu of the active MDI child of an MDI
    // main form, else nullptr.
    TMainMenu* GetChildMainMenu();

    // ---- Called by the form-skinning component
    void EnterMenuMode();
    void NextItem();
    void PrevItem();
    // Key (a letter or digit) as the accelerator of an item that fits: that
    // item is entered and pressed; true when found.
    bool ProcessAccel(int Key);
    // Enter and Down: the pressed command item, or the hovered item while no
    // menu is open, is pressed; true when found.
    bool ExecuteActiveItem();
    void LeaveMenuMode();
    // The menu of the pressed item closed while menu mode goes on.
    void ReleaseDownItem();
    void MDIChildMaximize();
    void MDIChildRestore();

    // ---- State read by the objects and tests
    int ObjectCount() const { return static_cast<int>(ObjectList.size()); }
    TlxMenuBarObject* Objects(int Index) const { return ObjectList.at(Index).get(); }
    int ButtonsCount() const { return FButtonsCount; }
    // The bar items (the objects after the child buttons).
    int ItemCount() const { return ObjectCount() - FButtonsCount; }
    TlxSkinMainMenuBarItem* Items(int Index) const;
    // The bar item showing AMenuItem, nullptr when none.
    TlxSkinMainMenuBarItem* FindItem(const TMenuItem* AMenuItem) const;
    int ActiveObject() const { return FActiveObject; }
    bool MenuActive = false;
    bool Scroll() const { return FScroll; }
    bool MarkerActive() const { return FMarkerActive; }
    // Where the scroll marker is drawn and pressed, in client coordinates.
    TRect MarkerRect() const;
    bool ChildMenuIn() const { return FChildMenuIn; }
    bool MDIChildMax() const { return FMDIChildMax; }
    bool SkinSupport() const { return FSkinSupport; }
    bool ItemTransparent() const { return FItemTransparent; }
    const TRect& NewItemsRect() const { return FNewItemsRect; }
    // Draws one object onto the bar now (the whole bar for transparent
    // skinned items).
    void DrawItem(TlxMenuBarObject* AObject);
    // Lays the objects out for the current size (also hides what does not fit).
    void CalcLayout();
    // Opens a menu with exactly the items that do not fit.
    void PopupHiddenItems();
    TlxSkinMainMenuBarButton* ButtonOf(int Command) const;

    TTimer* MouseTimer = nullptr;
    TTimer* MorphTimer = nullptr;
    TTimer* AnimateTimer = nullptr;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // A skin that is empty or none: the built-in look at once.
    void SetSkinData(TlxSkinData* Value) override;

protected:
    void GetSkinData() override;
    void ChangeSkinData() override;
    void BeforeChangeSkinData() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void Resize() override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void CheckParentBackground() override;

private:
    friend class TlxSkinMainMenuBarItem;
    friend class TlxSkinMainMenuBarButton;

    void CreateMenu();
    void CreateButtons();
    void UpdateButtonsEnabled();
    void ClearObjects();
    // The items of the main menu and the child menu, in bar order.
    std::vector<TMenuItem*> BarMenuItems(TMainMenu* Child) const;
    void CheckMouse();
    void TestActiveObject(int X, int Y);
    void MorphTimerTick();
    void AnimateTimerTick();
    // The bar image: background, objects, marker.
    void PaintBar(TBitmap& B);
    void DrawMarker(TCanvas* C);
    // Draws onto the window now, outside a paint.
    void PaintNow(const std::function<void(TCanvas*)>& Draw);
    // The item that is pressed (its menu open), -1 when none.
    int DownItemIndex() const;
    // Enters the item at object index I (moving an open menu to it).
    void EnterObject(int I);
    // The bar items that fit and are enabled, as object indexes.
    std::vector<int> SelectableItems() const;
    void ReleaseSysMenuButton();
    TlxLumivex* MaximizedChildComponent() const;

    std::vector<std::unique_ptr<TlxMenuBarObject>> ObjectList;
    int FButtonsCount = 0;
    int FActiveObject = -1, OldActiveObject = -1, MouseCaptureObject = -1;
    bool FScroll = false, FMarkerActive = false;
    bool FMDIChildMax = false, FChildMenuIn = false;
    bool FSkinSupport = false;
    TRect FNewItemsRect;

    TComponentRef<TMainMenu> FMainMenu{this, [this] { ClearObjects(); }};
    TComponentRef<TlxLumivex> FLumivex{this};
    TComponentRef<TMainMenu> FMergeMenu{this, [this] { UpDateItems(); }};
    bool FScrollMenu = true, FUseSkinFont = true, FPopupToUp = false;
    TFont FDefItemFont;
    int FDefaultWidth = 0, FDefaultHeight = 22;

    // Copied from the skin's bar description.
    TRect SkinRect, ItemsRect;
    std::string MenuBarItem, CloseButton, MaxButton, MinButton, SysMenuButton;
    TColor TrackMarkColor = clBtnText, TrackMarkActiveColor = clBtnText;
    TBitmap* Picture = nullptr;
    bool StretchEffect = false, FItemTransparent = false;
};
