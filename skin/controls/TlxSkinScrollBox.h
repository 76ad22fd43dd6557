#pragma once

#include "platform/vcl/TComponentRef.h"
#include "skin/controls/TlxSkinCustomControl.h"
#include "skin/controls/TlxSkinScrollBar.h"

// A container whose children may be larger than its client area. It has no
// bars of its own: two skinned scroll bars placed beside it are attached
// through VScrollBar and HScrollBar; the box shows and hides them, keeps
// their ranges in step with the extent of its children (also when it grows
// or shrinks while scrolled) and scrolls the children when a bar moves. It
// draws a skinned non-client frame (one pixel unskinned) and a skinned
// client background from the description "scrollbox".
class TlxSkinScrollBox : public TlxSkinCustomControl {
public:
    explicit TlxSkinScrollBox(TComponent* AOwner);

    TlxSkinScrollBar* VScrollBar() const { return FVScrollBar.Get(); }
    // The bar is steered by the box from now on: not focusable, hidden
    // until the content needs it.
    void SetVScrollBar(TlxSkinScrollBar* Value);
    TlxSkinScrollBar* HScrollBar() const { return FHScrollBar.Get(); }
    void SetHScrollBar(TlxSkinScrollBar* Value);
    TlxSkinBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TlxSkinBorderStyle Value);
    bool CanFocused() const { return FCanFocused; }
    void SetCanFocused(bool Value) { FCanFocused = Value; }

    // Both ranges again (after the content changed from code).
    void UpDateScrollRange();
    // Scrolls the content to Position of the bar.
    void VScroll(int Position);
    void HScroll(int Position);

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void ChangeSkinData() override;

protected:
    void GetSkinData() override;
    void AdjustClientRect(TRect& Rect) override;
    void AlignControls(TControl* AControl, TRect& Rect) override;
    void DrawControl() override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;

    int BGPictureIndex = -1;

private:
    // One direction's range: the vertical one or the horizontal one.
    void GetRange(bool Vertical);
    void ScrollContent(bool Vertical, int Delta);
    void BarChanged(bool Vertical);
    void SetBar(TComponentRef<TlxSkinScrollBar>& Ref, TlxSkinScrollBar* Value, bool Vertical);
    // The frame's widths on each side; empty without a frame.
    TRect FrameInsets();
    void PaintFrame(HDC DC);
    // The window's frame measured again without a new window.
    void FrameChanged();

    TComponentRef<TlxSkinScrollBar> FVScrollBar{this};
    TComponentRef<TlxSkinScrollBar> FHScrollBar{this};
    bool FClicksDisabled = false;
    bool FCanFocused = false;
    bool FInCheckScrollBars = false;
    bool FResizing = false; // inside SetBounds
    int FOldVScrollBarPos = 0, FOldHScrollBarPos = 0;
    int FVSizeOffset = 0, FHSizeOffset = 0;
    TlxSkinBorderStyle FBorderStyle = bvFrame;
};
