#pragma once

#include "skin/windows/TlxActiveSkinObject.h"

class TMenuItem;

// A frame animation: frames in a horizontal strip, stepped on the
// component's animation timer; with ButtonStyle it plays forward while
// hovered and back when left, and may carry a command.
class TlxSkinAnimateObject : public TlxActiveSkinObject {
public:
    TlxSkinAnimateObject(TlxLumivex* AParent, TlxDataSkinObject* AData);

    void ShowLayer() override;
    void HideLayer() override;
    void Draw(TCanvas* Cnvs, bool UpDate) override;
    void DblClick() override;
    void MouseDown(int X, int Y, TMouseButton Button) override;
    void MouseUp(int X, int Y, TMouseButton Button) override;
    void MouseEnter() override;
    void MouseLeave() override;

    int Frame() const { return FFrame; }
    void SetFrame(int Value);
    void Start();
    void Stop();
    void ChangeFrame();
    void DoCommand();
    void PopupLinkedMenu();

    int FFrame = 1;
    int FInc = 25;
    int TimerInterval = 25;
    int CountFrames = 1;
    bool Cycle = false;
    bool ButtonStyle = false;
    bool Increment = true;
    TlxStdCommand Command = cmDefault;
    TRect DownSkinRect, RestoreRect, RestoreActiveRect, RestoreInActiveRect, RestoreDownRect;
    std::string RestoreHint, FTempHint;
    TMenuItem* MenuItem = nullptr;
    bool FPopupUp = false;
    bool FDown = false;
    bool FMenuTracking = false;
};
