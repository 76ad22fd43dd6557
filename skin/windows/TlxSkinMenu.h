#pragma once

#include "platform/base/Types.h"
#include "platform/gdi/TFont.h"
#include "platform/vcl/TComponent.h"
#include "platform/vcl/TComponentRef.h"

#include <vector>

class TControl;
class TCustomForm;
class TMenu;
class TMenuItem;
class TTimer;
class TlxSkinData;
class TlxSkinMenuItem;
class TlxSkinPopupWindow;

// The popup-menu engine of one skinned form: shows a tree of menu items in
// windows of its own, drawn from the skin's popup-window and menu-item
// descriptions or in the built-in look. The open windows form a stack: the
// root menu first, then each sub-menu opened from a row of the window before.
//
// Closing tells the opener (WM_CLOSESKINMENU); a command runs only after
// every window is gone, and the opener then hears WM_AFTERDISPATCH.
class TlxSkinMenu : public TComponent {
public:
    TlxSkinMenu(TComponent* AOwner, TCustomForm* AForm);
    ~TlxSkinMenu() override;

    // Opens the root window beside the screen rectangle R (a point is the
    // empty rectangle X, Y, X, Y), listing AItem's children from StartIndex.
    // An open menu is closed first. APopupCtrl (may be null) hears the close.
    void Popup(TControl* APopupCtrl, TlxSkinData* ASkinData, int StartIndex, const TRect& R, TMenuItem* AItem,
               bool PopupUp);
    // The same, listing AItem's children from StartIndex and then AItem2's
    // from StartIndex less AItem's child count.
    void Popup2(TControl* APopupCtrl, TlxSkinData* ASkinData, int StartIndex, const TRect& R,
                TMenuItem* AItem, TMenuItem* AItem2, bool PopupUp);
    // Closes the whole menu and tells the form.
    void Hide();
    // Frees the windows from the last down to Index; Index 0 ends the menu.
    void CloseFrom(int Index);

    bool Visible() const { return FVisible; }
    bool First() const { return FFirst; }
    // Fired once when the menu closes, then cleared.
    TNotifyEvent OnMenuClose;

    // Set by the form-skinning component.
    bool AlphaBlend = false;
    Byte AlphaBlendValue = 150;
    bool AlphaBlendAnimation = false;
    int MaxMenuItemsInWindow = 0; // 0: no limit

    bool UseSkinFont() const { return FUseSkinFont; }
    void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
    int DefaultMenuItemHeight() const { return FDefaultMenuItemHeight; }
    void SetDefaultMenuItemHeight(int Value) { FDefaultMenuItemHeight = Value; }
    TFont* DefaultMenuItemFont() { return &FDefaultMenuItemFont; }
    void SetDefaultMenuItemFont(const TFont& Value) { FDefaultMenuItemFont.Assign(Value); }

    // The open windows, the root first.
    int WindowCount() const { return static_cast<int>(FPopupList.size()); }
    TlxSkinPopupWindow* Windows(int Index) const { return FPopupList[Index]; }
    TlxSkinPopupWindow* LastWindow() const { return FPopupList.empty() ? nullptr : FPopupList.back(); }
    int IndexOfWindow(const TlxSkinPopupWindow* Window) const;

    TCustomForm* Form() const { return FForm; }
    TlxSkinData* SkinData() const { return FSkinData; }
    TControl* PopupCtrl() const { return FPopupCtrl; }
    const TRect& WorkArea() const { return FWorkArea; }
    TTimer* WaitTimer() const { return FWaitTimer; }
    TlxSkinMenuItem* WItem() const { return FWItem; }

    // What rows do to the engine (entering, clicking): opens a sub-menu,
    // closes the windows after Window, or runs the item's command.
    void ProcessItem(TlxSkinPopupWindow* Window, TlxSkinMenuItem* Row, bool Kb, bool Click);
    // Stops the wait for a sub-menu when it waits on Row.
    void CancelWait(const TlxSkinMenuItem* Row);

protected:
    void Destroying() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Two: the root lists AItem2's children after AItem's (Popup2).
    void OpenRoot(TControl* APopupCtrl, TlxSkinData* ASkinData, int StartIndex, const TRect& R,
                  TMenuItem* AItem, TMenuItem* AItem2, bool Two, bool PopupUp);
    bool BeginOpening(TControl* APopupCtrl, TlxSkinData* ASkinData);
    void EndEmptyOpening(TControl* APopupCtrl);
    TlxSkinPopupWindow* NewWindow();
    void AddWindow(const TRect& R, TMenuItem* AItem, int StartIndex, bool PopupUp, bool PopupByItem);
    void StopWait();
    void WaitTimerTick();
    void WatchSkin(bool On);

    TComponentRef<TCustomForm> FForm{this};
    std::vector<TlxSkinPopupWindow*> FPopupList;
    TComponentRef<TControl> FPopupCtrl{this};
    TComponentRef<TControl> FDCtrl{this};
    TComponentRef<TlxSkinData> FSkinData{this};
    TTimer* FWaitTimer;
    TlxSkinMenuItem* FWItem = nullptr;
    TRect FWorkArea;
    bool FVisible = false;
    bool FFirst = false;
    bool FUseSkinFont = true;
    int FDefaultMenuItemHeight = 20;
    TFont FDefaultMenuItemFont;
    uint64_t FSkinObserver = 0;
};

// True for the messages of a form that close its open skinned menu: moving,
// sizing, activation, losing the focus, cancel mode, mouse activation and
// any mouse press on the form or its frame.
bool IsMenuCloseMessage(uint32_t Msg);
