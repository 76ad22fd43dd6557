#pragma once

#include "platform/gdi/TBitmap.h"
#include "platform/vcl/TCustomControl.h"

class TCanvas;
class TTimer;
class TlxDataSkinButtonControl;
class TlxImagesMenuItem;
class TlxSkinImagesMenu;
struct TMsg;

// The open grid of an images menu: a top-most window that never takes the
// focus, holds the mouse capture while open, and takes the application's
// keys through a message filter. It lives from one opening to its closing;
// the images menu frees it while closing (CloseUp), so nothing here touches
// the window after asking to close.
class TlxSkinImagesMenuPopupWindow : public TCustomControl {
public:
    explicit TlxSkinImagesMenuPopupWindow(TlxSkinImagesMenu* AImagesMenu);
    ~TlxSkinImagesMenuPopupWindow() override;

    TlxSkinImagesMenu* const ImagesMenu;

    // Sizes the window, places it beside the screen rectangle R inside the
    // work area, shows it without activation, hooks the keys and captures
    // the mouse.
    void Show(const TRect& R);
    // Hides the window, lets the keys and the mouse go and closes the menu;
    // AProcessEvents: a choice was made.
    void Hide(bool AProcessEvents);
    // Hides the window and lets the keys and the mouse go; nobody is told.
    void Dismiss();
    // A key while the grid is open: moves the hovered cell, chooses or closes.
    void ProcessKey(int Key);

    bool FSkinSupport = false;
    TBitmap* WindowPicture = nullptr;
    TBitmap* MaskPicture = nullptr;
    TPoint NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
    TRect NewItemsRect;
    int MouseInItem = -1;
    int OldMouseInItem = -1;
    bool FDown = false;
    bool FItemDown = false;
    // The alpha the window is fading toward; -1 without a fade.
    int FadeTarget() const { return FFadeTarget; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;

private:
    void DecideSkinSupport();
    void CalcSize();
    void LayoutItems();
    TPoint GridOrigin() const;
    int CellWidth() const;
    int CellHeight() const;
    int HeaderHeight() const;
    void HookAppMessage();
    void UnHookAppMessage();
    bool AppMessage(TMsg& Msg);
    void TestActive(int X, int Y);
    // Hides the hint the grid shows, with ShowHints and a SkinHint.
    void HideItemHint();
    int ItemAt(int X, int Y) const;
    bool Choosable(int Index) const;
    void MoveLeft();
    void MoveRight();
    void MoveUp();
    void MoveDown();
    int FirstChoosable() const;
    void FadeStep();
    void EndFade();

    // Painting (TlxSkinImagesMenuPopupWindowLook.cpp).
    void DrawItems(TCanvas* C, int Selected);
    void DrawHeader(TCanvas* C, TlxImagesMenuItem* Item);
    void DrawItemFrame(TCanvas* C, const TRect& R, bool Pressed);
    void DrawButtonCaption(TCanvas* C, TlxImagesMenuItem* Item, const TRect& R, bool Pressed, bool Hot);
    TlxDataSkinButtonControl* PlateDescription() const;

    uint64_t FAppHook = 0;
    bool FClosing = false;
    TTimer* FFadeTimer;
    int FFadeTarget = -1;
    int FFadeAlpha = 0;
};
