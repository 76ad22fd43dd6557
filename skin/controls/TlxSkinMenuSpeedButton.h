#pragma once

#include "platform/vcl/TComponentRef.h"
#include "skin/controls/TlxSkinPopupMenu.h"
#include "skin/controls/TlxSkinSpeedButton.h"

#include <string>

// Where the track part of a new-style menu button lies.
enum TlxTrackPosition { lxtpRight, lxtpBottom };

// The speed button with a drop-down part: a press on the whole button, or
// with TrackButtonMode on its track part only, opens SkinPopupMenu below the
// button, and the button stays pressed until the menu's close message
// (WM_CLOSESKINMENU) arrives. The description is "toolmenubutton", or
// "resizetoolbutton" with NewStyle; the tool button descriptions draw the
// button as a main part and a 15-pixel track part with the arrow in it.
class TlxSkinMenuSpeedButton : public TlxSkinSpeedButton {
public:
    explicit TlxSkinMenuSpeedButton(TComponent* AOwner);

    TlxSkinPopupMenu* SkinPopupMenu() const { return FSkinPopupMenu.Get(); }
    void SetSkinPopupMenu(TlxSkinPopupMenu* Value) { FSkinPopupMenu.Set(Value); }
    bool TrackButtonMode() const { return FTrackButtonMode; }
    void SetTrackButtonMode(bool Value);
    TlxTrackPosition TrackPosition() const { return FTrackPosition; }
    void SetTrackPosition(TlxTrackPosition Value);
    bool NewStyle() const { return FNewStyle; }
    // On: the description becomes "resizetoolbutton" (not while loading).
    void SetNewStyle(bool Value);
    // A menu this button opened is showing.
    bool MenuTracked() const { return FMenuTracked; }
    // The part a press must hit to open the menu, in client coordinates.
    TRect TrackRect();

    // A plain arrow of FArrowType (1 left, 2 right, 3 up, 4 down) in place
    // of the skin's marker; set by the tab bar of MDI forms.
    bool FDrawStandardArrow = false;
    int FArrowType = 4;

    TNotifyEvent OnShowTrackMenu;
    TNotifyEvent OnHideTrackMenu;

protected:
    void GetSkinData() override;
    void CreateButtonImage(TBitmap& B, const TRect& R, bool IsDown, bool IsActive) override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void PaintTransparent() override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    bool ShowsPressed() const override { return FMenuTracked || TlxSkinSpeedButton::ShowsPressed(); }

    TRect TrackButtonRect;

private:
    // The width (or height) of the part that holds the arrow.
    static constexpr int StripSize = 15;
    enum class TFaceKind { ResizeNew, Tool, Own, Resize };

    // How the description named by SkinDataName draws the button.
    TFaceKind FaceKind() const;
    // The strip of 15 pixels the tool and resize descriptions keep for the
    // arrow: at the bottom for a new-style button with lxtpBottom.
    TRect Strip() const;
    bool StripAtBottom() const { return FNewStyle && FTrackPosition == lxtpBottom; }
    // The button less the strip.
    TRect MainRect() const;
    // A state rectangle of the description drawn into Dest of B: three-part
    // by client for the tool descriptions, nine-part for the resize ones.
    void DrawPart(TBitmap& B, const TRect& Dest, const TRect& State, TFaceKind Kind,
                  TlxDataSkinButtonControl* D = nullptr);
    void CreateToolImage(TBitmap& B, bool IsDown, bool IsActive, TFaceKind Kind);
    void CreateNewStyleImage(TBitmap& B, bool IsDown, bool IsActive);
    // The arrow in R: the plain one, the skin's menu marker or the drop-down
    // triangle.
    void DrawArrow(TCanvas& C, const TRect& R, bool IsDown, bool IsActive, TColor Color);
    // The menu closed: up, not hot, OnHideTrackMenu.
    void Release();

    bool FTrackButtonMode = false;
    bool FMenuTracked = false;
    TComponentRef<TlxSkinPopupMenu> FSkinPopupMenu{this};
    bool FNewStyle = false;
    TlxTrackPosition FTrackPosition = lxtpRight;
};
