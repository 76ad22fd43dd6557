#pragma once

#include "platform/base/Set.h"
#include "skin/controls/TlxSkinControl.h"

#include <cstdint>

enum TlxSliderOrientation { soHorizontal, soVertical };
enum TlxSliderOption { soShowFocus, soShowPoints, soSmooth, soRulerOpaque, soThumbOpaque };
using TlxSliderOptions = TSet<TlxSliderOption>;
enum TlxSliderImage { siHThumb, siHRuler, siVThumb, siVRuler };
using TlxSliderImages = TSet<TlxSliderImage>;
enum TlxJumpMode { jmNone, jmHome, jmEnd, jmNext, jmPrior };

// A track bar: a thumb moving along a ruler between MinValue and MaxValue,
// with tick points beside the ruler. Thumb and ruler come from the skin's
// "slider" description, or from four pictures: built in, or supplied by the
// application (ImageHThumb .. ImageVRuler). The user drags the thumb (snapped
// to Increment without soSmooth), presses the ruler to jump one step at a
// time towards the pointer (again every 400 ms while held) or uses Home, End
// and the arrows. A vertical slider has its minimum at the bottom.
//
// Input handlers change Value and the drag and tracking state; UpdateLayout
// decides the ruler, thumb and points geometry; painting reads both.
class TlxSkinCustomSlider : public TlxSkinControl {
public:
    explicit TlxSkinCustomSlider(TComponent* AOwner);

    int MinValue() const { return FMinValue; }
    void SetMinValue(int Value);
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int Value);
    // Ignored when AMin >= AMax (outside reading a form); an Increment larger
    // than the range becomes the range.
    void SetRange(int AMin, int AMax);
    int Value() const { return FValue; }
    // Clamped to the range; OnChange follows a change.
    void SetValue(int AValue);
    int Increment() const { return FIncrement; }
    // Values <= 0 are ignored.
    void SetIncrement(int Value);
    TlxSliderOrientation Orientation() const { return FOrientation; }
    // Swaps width and height outside form reading.
    void SetOrientation(TlxSliderOrientation Value);
    TlxSliderOptions Options() const { return FOptions; }
    void SetOptions(TlxSliderOptions Value);
    int EdgeSize() const { return FEdgeSize; }
    // Accepted only while twice the value is shorter than the image ruler.
    void SetEdgeSize(int Value);
    int NumThumbStates() const { return FNumThumbStates; }
    // 1 or 2 thumb images side by side.
    void SetNumThumbStates(int Value);
    bool UseSkinThumb() const { return FUseSkinThumb; }
    void SetUseSkinThumb(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);

    TBitmap* ImageHThumb() { return &FImages[siHThumb]; }
    TBitmap* ImageHRuler() { return &FImages[siHRuler]; }
    TBitmap* ImageVThumb() { return &FImages[siVThumb]; }
    TBitmap* ImageVRuler() { return &FImages[siVRuler]; }
    // A picture becomes the application's own; nullptr restores the built-in
    // one and drops soRulerOpaque (rulers) or soThumbOpaque (thumbs).
    void SetImage(TlxSliderImage Which, const TBitmap* Picture);
    // Which pictures the application supplied (stored with the form).
    TlxSliderImages UserImages() const { return FUserImages; }
    void SetUserImages(TlxSliderImages Value) { FUserImages = Value; }

    // The layout as last built, in client coordinates.
    TRect ThumbRect() const { return FThumbRect; }
    TRect RulerRect() const;
    TRect PointsRect() const { return FPointsRect; }
    // The thumb's travel along the ruler: ruler length less thumb length.
    int RulerTravel() const;
    bool Sliding() const { return FSliding; }
    // Where tick points are drawn: the paint's off-screen image while the
    // slider paints (OnDrawPoints draws there), else nullptr.
    TCanvas* PointsCanvas() const { return FPaintCanvas; }
    bool Tracking() const { return FTracking; }

    void ChangeSkinData() override;
    void Loaded() override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // After every change of Value.
    TNotifyEvent OnChange;
    // After a user action ends: a drag or a ruler press released, a key step.
    TNotifyEvent OnChanged;
    // Replaces the built-in tick points.
    TNotifyEvent OnDrawPoints;

protected:
    // Guards every change the user makes.
    virtual bool CanChangeValue() { return true; }
    // The area the slider lays itself out in.
    virtual void GetTrackArea(TRect& R) { R = {0, 0, Width(), Height()}; }
    virtual int GetCurrentValue() { return FValue; }
    virtual void UpdateLayout();
    virtual void RangeChanged() {}
    virtual void ThumbMouseDown(TMouseButton Button, int X, int Y);
    virtual void ThumbMouseMove(int X, int Y);
    virtual void ThumbMouseUp(TMouseButton Button);
    virtual void DefaultDrawPoints(int PointsStep, int PointsHeight, int ExtremePointsHeight);

    void GetSkinData() override;
    void Paint() override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void CheckParentBackground() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;

    bool Vertical() const { return FOrientation == soVertical; }
    // The thumb's size: the skin's (one of its two halves) or an image's state.
    TSize ThumbSize() const;
    // The thumb's left (top when vertical) for a value, and back.
    int OffsetOfValue(int AValue);
    int ValueOfOffset(int Offset);
    void ApplyJump(TlxJumpMode Mode);
    TlxJumpMode JumpDirection(TPoint P) const;

    int FMinValue = 0, FMaxValue = 100, FValue = 0, FIncrement = 10;
    TlxSliderOrientation FOrientation = soHorizontal;
    TlxSliderOptions FOptions{soShowFocus, soShowPoints, soSmooth};
    int FEdgeSize = 2;
    int FNumThumbStates = 2;
    bool FUseSkinThumb = true;
    bool FTransparent = false;
    TlxSliderImages FUserImages;
    TBitmap FImages[4];

    TBitmap FRuler;
    TPoint FRulerOrg;
    TRect FThumbRect;
    TRect FPointsRect;
    bool FThumbDown = false, FFocused = false, FSliding = false, FTracking = false, FTimerActive = false;
    int FHit = 0;
    TPoint FMousePos;
    TlxJumpMode FStartJump = jmNone;

    // Copies of the slider description.
    TRect HRulerRect, HThumbRect, VRulerRect, VThumbRect;
    int SkinEdgeSize = 0;
    TColor BGColor = clBtnFace;
    TColor PointsColor = clWindowText;

private:
    bool Reading() const;
    bool FCreating = true;
    bool FInRelease = false; // a left-button release is being handled
    TCanvas* FPaintCanvas = nullptr;
    void BuildRuler(const TRect& Area);
    void BuildImageRuler(int Length);
    void MoveThumb();
    void StopTracking();
    void TrackingStep();
    void Changed();
    void DrawThumb(TCanvas& C, const TRect& R);
    TBitmap* SkinPicture() const;
};

// The slider of forms; all of its behaviour is the custom slider's.
class TlxSkinSlider : public TlxSkinCustomSlider {
public:
    using TlxSkinCustomSlider::TlxSkinCustomSlider;
};
