#pragma once

#include "platform/vcl/TButtonBehaviour.h"
#include "skin/controls/SkinControlTypes.h"
#include "skin/controls/TlxSkinCustomControl.h"

// One part of the scroll bar as it is drawn: its rectangle, the pointer over
// it, held down by the left button.
struct TlxScrollBarPart {
    TRect R;
    bool MouseIn = false;
    bool Down = false;
};

// The one scroll bar of the skinned controls: two arrow buttons, a track and
// a thumb from the description named by SkinDataName ("hscrollbar",
// "vscrollbar", "bothhscrollbar") or in a built-in flat look. Hosts (list
// boxes, scroll boxes, tree and list views) drive it through Kind, SetRange,
// Position, SmallChange, LargeChange and OnChange.
//
// The thumb and the arrows are parts with a button behaviour each, which
// decides their hot and pressed state; the handlers add the drag and the
// repetition (FDown, TimerMode) and nothing else; painting lays the parts
// out and draws them.
class TlxSkinScrollBar : public TlxSkinCustomControl {
public:
    enum { ThumbPart = 0, UpPart = 1, DownPart = 2 };

    explicit TlxSkinScrollBar(TComponent* AOwner);

    TScrollBarKind Kind() const { return FKind; }
    void SetKind(TScrollBarKind Value);
    int Min() const { return FMin; }
    void SetMin(int Value);
    int Max() const { return FMax; }
    void SetMax(int Value);
    int Position() const { return FPosition; }
    // Clamped to Min .. UpperBound(); a change repaints and calls OnChange.
    void SetPosition(int Value);
    // The same without OnChange, for hosts that follow their content.
    void SimplySetPosition(int Value);
    // Stores the range and page and the clamped position; calls no event.
    void SetRange(int AMin, int AMax, int APageSize, int APosition);
    int PageSize() const { return FPageSize; }
    // Kept only while Position + Value <= Max - Min + 1.
    void SetPageSize(int Value);
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int Value);
    int LargeChange() const { return FLargeChange; }
    void SetLargeChange(int Value);
    bool CanFocused() const { return FCanFocused; }
    // Also sets TabStop.
    void SetCanFocused(bool Value);
    bool Both() const { return FBoth; }
    void SetBoth(bool Value);
    int BothMarkerWidth() const { return FBothMarkerWidth; }
    void SetBothMarkerWidth(int Value);
    const std::string& BothSkinDataName() const { return FBothSkinDataName; }
    void SetBothSkinDataName(const std::string& Value) { FBothSkinDataName = Value; }

    // The highest position: Max, less the page but never below Min.
    int UpperBound() const;
    // The parts as last laid out (thumb, up, down) and the track.
    TlxScrollBarPart Part(int Index) const;
    const TRect& TrackArea() const { return NewTrackArea; }
    // Lays the parts out for the current size, skin and position.
    void LayoutParts();

    TNotifyEvent OnChange;
    TNotifyEvent OnLastChange;
    TNotifyEvent OnUpButtonClick;
    TNotifyEvent OnDownButtonClick;
    TNotifyEvent OnPageUp;
    TNotifyEvent OnPageDown;

protected:
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void GetSkinData() override;
    void CalcSize(int& W, int& H) override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;

private:
    bool Horizontal() const { return FKind == sbHorizontal; }
    int Clamped(int Value) const;
    // Position changes made by the user: through SetPosition (OnChange).
    void MoveBy(int64_t Delta);
    // A press or a repeat of an arrow button; false when the bar was freed.
    bool ArrowStep(int Part);
    bool PageStep(bool Up);
    void PressButton(int Index);
    // The part the left button holds, or -1.
    int HeldPart() const;
    // Ends the drag or the repetition of the part the press captured.
    void ReleaseCapturedPart();
    void StartRepeat(uint32_t Ms);
    void StopRepeat();
    void Timer();
    int PositionFromOffset(int Coordinate);
    int ThumbLength(int TrackLength) const;
    bool ThumbPressed() const;
    void DrawSkinThumb(TCanvas& C);

    TScrollBarKind FKind = sbHorizontal;
    int FMin = 0, FMax = 100, FPosition = 0, FPageSize = 0;
    int FSmallChange = 1, FLargeChange = 1;
    bool FCanFocused = false;
    bool FBoth = false;
    int FBothMarkerWidth = 19;
    std::string FBothSkinDataName = "bothhscrollbar";
    std::string FNormalSkinDataName;

    // Layout: the thumb centre's range, its distance from Offset1, the track.
    int Offset1 = 0, Offset2 = 0, BOffset = 0;
    TRect NewTrackArea;
    TRect FPartRects[3];
    TButtonBehaviour FParts[3]{{this, [this] { return FPartRects[0]; }},
                               {this, [this] { return FPartRects[1]; }},
                               {this, [this] { return FPartRects[2]; }}};
    // Input state.
    bool FDown = false; // the thumb is dragged
    int OMPos = 0, OldBOffset = 0;
    int MX = 0, MY = 0;
    bool MouseD = false;
    bool WaitMode = false;
    // 0 nothing, 1 down button, 2 up button, 3 page up, 4 page down.
    int TimerMode = 0;
    // The part pressed by the left button, until its release.
    int CaptureButton = -1;
    // The held arrow's repetition runs (the pointer is on the arrow).
    bool FRepeating = false;
    bool FInRelease = false; // a left-button release is being handled

    // Copies of the scroll bar description.
    TRect SkinTrackArea, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect;
    TRect DownButtonRect, ActiveDownButtonRect, DownDownButtonRect;
    TRect ThumbRect, ActiveThumbRect, DownThumbRect;
    int ThumbOffset1 = 0, ThumbOffset2 = 0;
    bool ThumbTransparent = false;
    TColor ThumbTransparentColor = clNone;
    bool ThumbStretchEffect = false;
    int ThumbMinSize = 0, ThumbMinPageSize = 0;
    TRect GlyphRect, ActiveGlyphRect, DownGlyphRect;
    bool GlyphTransparent = false;
    TColor GlyphTransparentColor = clNone;
};
