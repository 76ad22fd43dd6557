#pragma once

#include "skin/controls/SkinControlTypes.h"
#include "skin/controls/TlxSkinCustomControl.h"

enum TUDOrientation { udHorizontal, udVertical };

// A pair of skinned arrow buttons stepping Position between Min and Max by
// Increment, repeating while a button is held (500 ms, then every 100 ms;
// 50 ms after the pointer comes back onto the held button). Button 0 is the
// up (increasing) button: the top one, or the right one when horizontal.
//
// The mouse handlers decide the buttons' state and nothing else; painting
// reads Buttons and draws them.
class TlxSkinUpDown : public TlxSkinCustomControl {
public:
    explicit TlxSkinUpDown(TComponent* AOwner);

    int Position() const { return FPosition; }
    // Ignored outside Min..Max; OnChange follows every accepted value.
    void SetPosition(int Value);
    int Min() const { return FMin; }
    void SetMin(int Value);
    int Max() const { return FMax; }
    void SetMax(int Value);
    int Increment() const { return FIncrement; }
    // 0 makes both buttons plain click buttons.
    void SetIncrement(int Value) { FIncrement = Value; }
    TUDOrientation Orientation() const { return FOrientation; }
    void SetOrientation(TUDOrientation Value);
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool Value);
    const TlxCBButtonX& Button(int Index) const { return Buttons[Index]; }

    TNotifyEvent OnUpButtonClick;
    TNotifyEvent OnDownButtonClick;
    TNotifyEvent OnChange;

protected:
    void GetSkinData() override;
    void CalcSize(int& W, int& H) override;
    void SetControlRegion() override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

    TlxCBButtonX Buttons[2];
    int OldActiveButton = -1, ActiveButton = -1, CaptureButton = -1;
    // 0 none, 1 decrease, 2 increase.
    int TimerMode = 0;
    bool WaitMode = false;

    // Copies of the up-down description.
    TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
    TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;

private:
    enum : uintptr_t { RepeatTimer = 1 };

    void CalcButtonRects();
    void TestActive(int X, int Y);
    void ButtonEnter(int I);
    void ButtonLeave(int I);
    void ButtonDown(int I);
    void ButtonUp(int I);
    void StartTimer(uint32_t Ms);
    void StopTimer();
    int ArrowDirection(int I) const;
    void DrawResizeButton(TCanvas& C, int I);

    bool FUseSkinSize = true;
    TUDOrientation FOrientation = udHorizontal;
    int FIncrement = 1;
    int FPosition = 0;
    int FMin = 0;
    int FMax = 100;
};
