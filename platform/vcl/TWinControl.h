#pragma once

#include "platform/vcl/TControl.h"

#include <vector>

// What CreateWnd passes to the window system; CreateParams fills it.
struct TCreateParams {
    std::string Caption;
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr;
    uint32_t ClassStyle = 0;
    std::string WinClassName;
};

// A control with a window of its own, created when first needed. It parents
// other controls: windowless ones (painted by it, fed its mouse messages) and
// windowed ones; it aligns them, moves the focus among them and routes keys.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    // The window, created on first use (with the parent's).
    HWND Handle();
    HWND WindowHandle() const { return FHandle; }
    bool HandleAllocated() const { return FHandle != nullptr; }
    void HandleNeeded();
    // Destroys the window and makes it again with the same children, text and focus.
    void RecreateWnd();

    // Children: windowless ones first, then windowed ones, each in z-order (bottom first).
    int ControlCount() const;
    TControl* Controls(int Index) const;
    void InsertControl(TControl* AControl);
    void RemoveControl(TControl* AControl);
    bool ContainsControl(const TControl* Control) const;
    // The child at a client point; disabled children only when AllowDisabled.
    TControl* ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls = false) const;
    // Sends Message to every child until one handles it (non-zero Result).
    void Broadcast(TMessage& Message);
    void NotifyControls(uint32_t Msg);

    void DisableAlign();
    void EnableAlign();
    void Realign();
    bool AlignDisabled() const { return FAlignLevel > 0; }
    // Moves every child by (DeltaX, DeltaY).
    void ScrollBy(int DeltaX, int DeltaY);

    bool TabStop() const { return FTabStop; }
    void SetTabStop(bool Value);
    int TabOrder() const;
    void SetTabOrder(int Value);
    virtual bool CanFocus() const;
    virtual bool Focused() const;
    virtual void SetFocus();
    // Windowed descendants in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& List) const;
    TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                 bool CheckParent) const;
    void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

    // Paints this control and its children, as on screen, into DC at (X, Y).
    void PaintTo(HDC DC, int X, int Y);
    // Paints the windowless children on DC from First (all when nullptr) upwards.
    void PaintControls(HDC DC, TControl* First);

    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    bool Showing() const override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void Invalidate() override;
    void Repaint() override;
    void Update() override;
    void SetZOrder(bool TopMost) override;
    void DefaultHandler(TMessage& Message) override;
    void WndProc(TMessage& Message) override;

    void SetParentComponent(TComponent* Value) override;
    void Loaded() override;

    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // The control whose window this is, or nullptr.
    static TWinControl* FindControl(HWND Wnd);

protected:
    virtual void CreateParams(TCreateParams& Params);
    virtual void CreateWnd();
    virtual void CreateHandle();
    virtual void DestroyHandle();
    virtual void CreateWindowHandle(const TCreateParams& Params);
    void UpdateControlState();
    void UpdateBounds();

    virtual void AlignControls(TControl* AControl, TRect& Rect);
    virtual void AdjustClientRect(TRect& Rect);
    void AlignControl(TControl* AControl);
    void AnchorControls();

    void Dispatch(TMessage& Message) override;
    virtual void PaintWindow(HDC DC);
    void PaintHandler(TMessage& Message);
    virtual void WMEraseBkgnd(TMessage& Message);

    // Keys: true when the key was consumed.
    virtual void KeyDown(uint16_t& Key, TShiftState Shift);
    virtual void KeyUp(uint16_t& Key, TShiftState Shift);
    virtual void KeyPress(char32_t& Key);
    bool DoKeyDown(TMessage& Message);
    bool DoKeyUp(TMessage& Message);
    bool DoKeyPress(TMessage& Message);
    virtual void DoEnter();
    virtual void DoExit();

    void CMVisibleChanged(TMessage& Message);
    void CMEnabledChanged(TMessage& Message);
    void CMTextChanged(TMessage& Message);
    void CMDialogKey(TMessage& Message);
    void CMDialogChar(TMessage& Message);
    void CMFocusChanged(TMessage& Message);
    void CMFontChanged(TMessage& Message) override;
    void CMColorChanged(TMessage& Message) override;

    HWND FHandle = nullptr;
    std::vector<TControl*> FControls;       // windowless children
    std::vector<TWinControl*> FWinControls; // windowed children
    std::vector<TWinControl*> FTabList;
    bool FTabStop = false;
    int FTabOrderWanted = -1;
    int FAlignLevel = 0;
    bool FAligning = false;
    bool FAlignAgain = false;
    bool FAlignPending = false;
    THandlerId FHandlerId = 0;
    const TCallNext* FCallNext = nullptr;

private:
    void HandleWindowMessage(HWND Wnd, TMessage& Message, const TCallNext& Next);
    bool IsControlMouseMsg(TMessage& Message);
    bool DialogKeyOffered(TMessage& Message);
    void DestroyChildHandles();
    friend class TControl;
    friend class TCustomForm;
};
