#pragma once

#include "platform/vcl/TComponentRef.h"
#include "skin/controls/TlxSkinMenuHost.h"

#include <functional>
#include <string>
#include <vector>

class TMenu;

// Stands in for a form's skinning component where a test needs no real
// menus: records each opening (the menu, its rectangle, the opener) and the
// menu-mode calls ("open", "close") in Log. Close tells the opener as the
// real engine does.
class TRecordingMenuHost : public TComponent, public TlxSkinMenuHost {
public:
    using TComponent::TComponent;

    TlxSkinData* MenusSkin = nullptr;
    bool Visible = false;
    std::vector<std::string> Log;
    // The last opening.
    TComponentRef<TMenu> Shown{this};
    TRect ShownRect;
    TComponentRef<TControl> ShownOpener{this};
    bool ShownUp = false;
    TNotifyEvent ShownOnMenuClose;

    // Ends the open menu: the opener hears WM_CLOSESKINMENU, then OnMenuClose runs.
    void Close();

    TlxSkinData* SkinDataForMenus() const override { return MenusSkin; }
    bool SkinMenuVisible() const override { return Visible; }
    void SkinMenuOpen() override { Log.push_back("open"); }
    void SkinMenuClose() override;
    void PopupSkinMenuItems(TControl* Opener, TlxSkinData* ASkinData, const TRect& R, TMenuItem* AItem,
                            bool PopupUp, TNotifyEvent OnMenuClose) override;
};
