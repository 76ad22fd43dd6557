#pragma once

#include "skin/windows/TlxActiveSkinObject.h"

class TMenuItem;

// A frame animation: frames laid side by side in ActivePicture, stepped on
// the component's 25 ms animation timer every TimerInterval ms. It may run
// once or in a loop, or act as a button (ButtonStyle) that plays forward
// while hovered and back to its first frame on leave, and carry a window
// command or a menu like the standard buttons.
class TlxSkinAnimateObject : public TlxActiveSkinObject {
public:
    TlxSkinAnimateObject(TlxLumivex* AParent, TlxDataSkinObject* AData);

    void Draw(TCanvas* Cnvs, bool UpDate) override;
    void DblClick() override;
    void MouseDown(int X, int Y, TMouseButton Button) override;
    void MouseUp(int X, int Y, TMouseButton Button) override;
    void MouseEnter() override;
    void MouseLeave() override;

    // 1-based; a value beyond the run's end wraps to its other end.
    int Frame() const { return FFrame; }
    void SetFrame(int Value);
    void Start();
    void Stop();
    // One tick of the animation timer.
    void ChangeFrame();
    void DoCommand();
    // Opens MenuItem's children beside the object (nothing without children).
    void PopupLinkedMenu();
    // Frame N of the strip that starts at Strip, frames the size of Size.
    static TRect FrameRect(const TRect& Strip, const TRect& Size, int N);

    int FFrame = 1;
    // Milliseconds since the last frame change, in steps of 25.
    int FInc = 25;
    // Milliseconds per frame, at least 25.
    int TimerInterval = 25;
    // At least 1.
    int CountFrames = 1;
    bool Cycle = false;
    bool ButtonStyle = false;
    // Frames run forward.
    bool Increment = true;
    TlxStdCommand Command = cmDefault;
    TRect DownSkinRect;
    TRect RestoreRect, RestoreActiveRect, RestoreInActiveRect, RestoreDownRect;
    std::string RestoreHint;
    std::string FTempHint;
    TMenuItem* MenuItem = nullptr;
    bool FPopupUp = false;
    bool FDown = false;
    // The object's menu is open.
    bool FMenuTracking = false;

protected:
    TlxLayerManager* GlowManager() const override;

private:
    // Runs the animation timer, or shows the pressed image while held down.
    void Animate();
};
