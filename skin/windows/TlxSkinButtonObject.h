#pragma once

#include "skin/windows/TlxActiveSkinObject.h"

class TMenuItem;

// A push button of the frame, with pressed and disabled images and an
// optional menu that drops down from it.
class TlxSkinButtonObject : public TlxActiveSkinObject {
public:
    TlxSkinButtonObject(TlxLumivex* AParent, TlxDataSkinObject* AData);

    void ShowLayer() override;
    void HideLayer() override;
    bool CanMorphing() override;
    void Draw(TCanvas* Cnvs, bool UpDate) override;
    void MouseDown(int X, int Y, TMouseButton Button) override;
    void MouseUp(int X, int Y, TMouseButton Button) override;
    void MouseEnter() override;
    void MouseLeave() override;

    bool Down() const { return FDown; }
    void SetDown(bool Value);
    void PopupLinkedMenu();

    TRect DownRect, DisableSkinRect;
    // Not owned: the items dropped down from the button.
    TMenuItem* MenuItem = nullptr;
    bool FPopupUp = false;

protected:
    bool FDown = false;
};
