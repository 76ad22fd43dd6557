#pragma once

#include "platform/base/Color.h"
#include "platform/base/Types.h"
#include "platform/gdi/TFont.h"
#include "platform/vcl/TComponent.h"
#include "platform/vcl/TComponentRef.h"
#include "platform/vcl/TVisualState.h"
#include "platform/vcl/VclMessages.h"
#include "platform/vcl/VclTypes.h"
#include "platform/win/WinApi.h"

#include <functional>
#include <string>

class TWinControl;
class TCustomForm;
class TPopupMenu;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;
enum TControlStyleItem {
    csAcceptsControls,
    csCaptureMouse,
    csDesignInteractive,
    csClickEvents,
    csFramed,
    csSetCaption,
    csOpaque,
    csDoubleClicks,
    csFixedWidth,
    csFixedHeight,
    csNoDesignVisible,
    csReplicatable,
    csNoStdEvents,
    csDisplayDragImage,
    csReflector,
    csActionClient,
    csMenuEvents,
};
using TControlStyle = TSet<TControlStyleItem>;
enum TControlStateItem {
    csLButtonDown,
    csClicked,
    csPalette,
    csReadingState,
    csAlignmentNeeded,
    csFocusing,
    csCreating,
    csPaintCopy,
    csCustomPaint,
    csDestroyingHandle,
    csDocking,
};
using TControlState = TSet<TControlStateItem>;

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

class TControl;

// Limits a control's size; 0 means no limit. A change re-applies the limits.
class TSizeConstraints : public TPersistent {
public:
    explicit TSizeConstraints(TControl* AControl) : FControl(AControl) {}
    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int Value);
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int Value);
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int Value);
    int MaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(int Value);
    void Assign(const TPersistent* Source) override;
    void Apply(int& Width, int& Height) const;

private:
    void Changed();
    TControl* FControl;
    int FMinWidth = 0;
    int FMinHeight = 0;
    int FMaxWidth = 0;
    int FMaxHeight = 0;
};

using TWndMethod = std::function<void(TMessage& Message)>;
using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;

// Anything placed on a form: bounds within its parent's client area,
// visibility, text, font and colour, alignment, the mouse and a message
// procedure. Windowless controls (TGraphicControl) live on their parent's
// window; TWinControl adds a window of its own.
class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    TWinControl* Parent() const { return FParent; }
    virtual void SetParent(TWinControl* AParent);

    int Left() const { return FLeft; }
    void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
    int Top() const { return FTop; }
    void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
    int Width() const { return FWidth; }
    void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
    int Height() const { return FHeight; }
    void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return {FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
    void SetBoundsRect(const TRect& R) { SetBounds(R.Left, R.Top, R.Width(), R.Height()); }
    virtual TRect ClientRect() const;
    int ClientWidth() const { return ClientRect().Width(); }
    void SetClientWidth(int Value);
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientHeight(int Value);
    // Screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint P) const;
    TPoint ScreenToClient(TPoint P) const;

    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible itself and every parent up to a showing window.
    virtual bool Showing() const;
    virtual bool Enabled() const { return FEnabled; }
    virtual void SetEnabled(bool Value);

    const std::string& Caption() const { return FText; }
    void SetCaption(const std::string& Value) { SetText(Value); }
    const std::string& Text() const { return FText; }
    void SetText(const std::string& Value);

    TFont* Font() { return &FFont; }
    void SetFont(const TFont& Value) { FFont.Assign(Value); }
    bool ParentFont() const { return FParentFont; }
    void SetParentFont(bool Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value);

    TAlign Align() const { return FAlign; }
    // Writing Align, even its current value, realigns the parent.
    void SetAlign(TAlign Value);
    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors Value);
    TSizeConstraints* Constraints() { return &FConstraints; }
    bool AutoSize() const { return FAutoSize; }
    virtual void SetAutoSize(bool Value);
    // Asks the control for the size AutoSize gives it; false to keep the size.
    virtual bool CanAutoSize(int& NewWidth, int& NewHeight);
    void AdjustSize();

    TControlStyle ControlStyle() const { return FControlStyle; }
    void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
    TControlState ControlState() const { return FControlState; }
    void SetControlState(TControlState Value) { FControlState = Value; }
    TCursor Cursor() const { return FCursor; }
    void SetCursor(TCursor Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    bool ShowHint() const { return FShowHint; }
    void SetShowHint(bool Value);
    bool ParentShowHint() const { return FParentShowHint; }
    void SetParentShowHint(bool Value);
    TPopupMenu* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TPopupMenu* Value);
    // Enabled, focused and hot as the handlers last decided them; what the
    // control's drawing reads (see TVisualState.h).
    TVisualState VisualState() const { return FVisualState; }
    bool MouseCapture() const;
    void SetMouseCapture(bool Value);

    // Sends a message through WindowProc and returns its result.
    LRESULT Perform(uint32_t Msg, WPARAM WParam = 0, LPARAM LParam = 0);
    // The message procedure in use: WndProc unless another object's method replaced it.
    TWndMethod WindowProc;
    virtual void WndProc(TMessage& Message);
    // Messages nobody handled.
    virtual void DefaultHandler(TMessage& Message);

    // Marks the control for painting at the next pump.
    virtual void Invalidate();
    // Paints the control before returning.
    virtual void Repaint();
    virtual void Update();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();
    virtual void SetZOrder(bool TopMost);

    virtual void Click();
    virtual void DblClick();

    void SetParentComponent(TComponent* Value) override;
    TComponent* GetParentComponent() const override;
    bool HasParent() const override { return true; }
    void Loaded() override;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnResize;

protected:
    // Dispatches a message to the named handlers below; unhandled ones go to DefaultHandler.
    virtual void Dispatch(TMessage& Message);
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void Resize();
    virtual void VisibleChanging() {}
    // Only handlers call this; a change calls VisualStateChanged.
    void SetVisualStateItem(TVisualStateItem Item, bool On);
    // The flags that changed; a control whose look depends on them invalidates.
    virtual void VisualStateChanged(TVisualState Changed) { (void)Changed; }
    virtual void Changed();

    virtual void WMPaint(TMessage& Message);
    void WMMouseButton(TMessage& Message, TMouseButton Button, bool Down, bool Double);
    void WMMouseMove(TMessage& Message);
    void CMEnabledChanged(TMessage& Message);
    void CMVisibleChanged(TMessage& Message);
    void CMTextChanged(TMessage& Message);
    virtual void CMFontChanged(TMessage& Message);
    virtual void CMColorChanged(TMessage& Message);
    void CMParentFontChanged(TMessage& Message);
    void CMParentColorChanged(TMessage& Message);
    void CMParentShowHintChanged(TMessage& Message);
    void CMMouseEnter(TMessage& Message);
    void CMMouseLeave(TMessage& Message);

    // The parent realigns after a change of this control's bounds or alignment.
    virtual void RequestAlign();
    void UpdateAnchorRules();
    void SendCancelMode(TControl* Sender);
    virtual void SetParentColorFrom(TColor Value);

    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
    TWinControl* FParent = nullptr;
    bool FVisible = true;
    bool FEnabled = true;
    std::string FText;
    TFont FFont;
    bool FParentFont = true;
    TColor FColor = clWindow;
    bool FParentColor = true;
    TAlign FAlign = alNone;
    TAnchors FAnchors{akLeft, akTop};
    TSizeConstraints FConstraints{this};
    bool FAutoSize = false;
    TControlStyle FControlStyle;
    TControlState FControlState;
    TCursor FCursor = crDefault;
    std::string FHint;
    bool FShowHint = false;
    bool FParentShowHint = true;
    TComponentRef<TPopupMenu> FPopupMenu{this};
    TVisualState FVisualState{vsEnabled};
    bool FAnchorMove = false;
    // Distances kept by anchors: left, top, right and bottom gaps, and the
    // parent size they were measured at; the centre for unanchored sides.
    TRect FAnchorGaps;
    TSize FAnchorParentSize;
    TPoint FAnchorCentre;
    bool FAnchorRulesSet = false;

    friend class TWinControl;
    friend class TSizeConstraints;
    friend class TButtonBehaviour;
};

// The form a control stands on, or nullptr.
TCustomForm* GetParentForm(const TControl* Control);

// True when Caption marks Key as its accelerator ("&Save" for S or s).
bool IsAccel(char32_t Key, const std::string& Caption);

TShiftState KeysToShiftState(WPARAM Keys);
TShiftState KeyboardStateToShiftState();
