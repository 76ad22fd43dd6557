#pragma once

#include "platform/base/Types.h"
#include "platform/vcl/VclTypes.h"

class TComponent;
class TControl;
class TMenuItem;
class TlxSkinData;

// What the skinned popup menus need of the form-skinning component of a
// form: the skin of its menus, its menu state and its popup-menu engine. The
// form-skinning component implements it; a menu finds it among the
// components of a form (FindSkinMenuHost).
class TlxSkinMenuHost {
public:
    virtual ~TlxSkinMenuHost() = default;

    // The skin the form's menus are drawn with (its menus' skin, else its own).
    virtual TlxSkinData* SkinDataForMenus() const = 0;
    // A skinned menu of the form is open.
    virtual bool SkinMenuVisible() const = 0;
    // Menu mode: the form takes the keys for the open menu, and leaves it.
    virtual void SkinMenuOpen() = 0;
    virtual void SkinMenuClose() = 0;
    // Opens AItem's children beside the screen rectangle R with the form's
    // engine. Opener hears WM_CLOSESKINMENU and WM_AFTERDISPATCH; OnMenuClose
    // runs once when the menu closes.
    virtual void PopupSkinMenuItems(TControl* Opener, TlxSkinData* ASkinData, const TRect& R,
                                    TMenuItem* AItem, bool PopupUp, TNotifyEvent OnMenuClose) = 0;
};

// The first component owned by Owner that is a menu host; nullptr when none.
TlxSkinMenuHost* FindSkinMenuHost(const TComponent* Owner);

// True when AItem has a visible child from StartIndex on (then AItem2's
// children from StartIndex less AItem's count): a menu that would show rows.
bool HasVisibleMenuItems(TMenuItem* AItem, TMenuItem* AItem2, int StartIndex);

// Sends Msg to a control: by SendMessage to a windowed control with a
// window, else through Perform.
void SendToControl(TControl* Control, uint32_t Msg);
