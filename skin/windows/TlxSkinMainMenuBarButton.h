#pragma once

#include "skin/engine/SkinTypes.h"
#include "skin/windows/TlxMenuBarObject.h"

class TlxDataSkinMainMenuBarButton;

// A window button of a maximized MDI child shown on the main menu bar:
// close, restore, minimize or the system menu. The system-menu button acts
// on the press; the others on a release over them.
class TlxSkinMainMenuBarButton : public TlxMenuBarObject {
public:
    // AData may be nullptr: the built-in look for ACommand.
    TlxSkinMainMenuBarButton(TlxSkinMainMenuBar* AParent, TlxDataSkinMainMenuBarButton* AData,
                             TlxStdCommand ACommand);

    TlxStdCommand Command;
    bool FSkinSupport = false;

    void Draw(TCanvas* Cnvs) override;
    void MouseDown(int X, int Y, TMouseButton Button) override;
    void MouseUp(int X, int Y, TMouseButton Button) override;
    void DblClick() override;
    void MouseEnter() override;
    void MouseLeave() override;

    // What the button does to the maximized child.
    void ButtonClick();

private:
    void DefaultDraw(TCanvas* Cnvs);
};
