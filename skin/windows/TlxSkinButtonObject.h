#pragma once

#include "skin/windows/TlxActiveSkinObject.h"

class TMenuItem;

// A push button on the frame: a pressed and a disabled image besides the
// base object's, and optionally a menu that drops down from it while it is
// pressed. A button whose menu is open stays pressed, with its glow, until
// the component closes the menu and releases it.
class TlxSkinButtonObject : public TlxActiveSkinObject {
public:
    TlxSkinButtonObject(TlxLumivex* AParent, TlxDataSkinObject* AData);

    bool CanMorphing() override;
    void Draw(TCanvas* Cnvs, bool UpDate) override;
    void MouseDown(int X, int Y, TMouseButton Button) override;
    void MouseUp(int X, int Y, TMouseButton Button) override;
    void MouseEnter() override;
    void MouseLeave() override;

    bool Down() const { return FDown; }
    void SetDown(bool Value);
    // Opens MenuItem's children beside the button (nothing without children).
    void PopupLinkedMenu();
    // A linked menu that opens (it has entries and a menu to show them);
    // without one a release lets the button up.
    bool HasMenu() const;

    // In ActivePicture.
    TRect DownRect;
    TRect DisableSkinRect;
    // A menu dropping down from the button (not owned).
    TMenuItem* MenuItem = nullptr;
    bool FPopupUp = false;

protected:
    TlxLayerManager* GlowManager() const override;
    // The button's own image choice (disabled, pressed, then the base's).
    void DrawButton(TCanvas* Cnvs, bool UpDate);

    bool FDown = false;
};
