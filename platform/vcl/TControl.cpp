#include "platform/vcl/TControl.h"

#include "platform/vcl/Mouse.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TCustomForm.h"
#include "platform/vcl/TMenu.h"
#include "platform/vcl/TWinControl.h"

#include <algorithm>
#include <cctype>

// ---- TSizeConstraints

void TSizeConstraints::SetMinWidth(int Value) {
    if (Value == FMinWidth) return;
    FMinWidth = std::max(Value, 0);
    if (FMaxWidth > 0 && FMinWidth > FMaxWidth) FMaxWidth = FMinWidth;
    Changed();
}

void TSizeConstraints::SetMinHeight(int Value) {
    if (Value == FMinHeight) return;
    FMinHeight = std::max(Value, 0);
    if (FMaxHeight > 0 && FMinHeight > FMaxHeight) FMaxHeight = FMinHeight;
    Changed();
}

void TSizeConstraints::SetMaxWidth(int Value) {
    if (Value == FMaxWidth) return;
    FMaxWidth = std::max(Value, 0);
    if (FMaxWidth > 0 && FMinWidth > FMaxWidth) FMinWidth = FMaxWidth;
    Changed();
}

void TSizeConstraints::SetMaxHeight(int Value) {
    if (Value == FMaxHeight) return;
    FMaxHeight = std::max(Value, 0);
    if (FMaxHeight > 0 && FMinHeight > FMaxHeight) FMinHeight = FMaxHeight;
    Changed();
}

void TSizeConstraints::Assign(const TPersistent* Source) {
    if (auto* s = dynamic_cast<const TSizeConstraints*>(Source)) {
        FMinWidth = s->FMinWidth;
        FMinHeight = s->FMinHeight;
        FMaxWidth = s->FMaxWidth;
        FMaxHeight = s->FMaxHeight;
        Changed();
        return;
    }
    TPersistent::Assign(Source);
}

void TSizeConstraints::Apply(int& Width, int& Height) const {
    if (FMaxWidth > 0 && Width > FMaxWidth) Width = FMaxWidth;
    if (FMinWidth > 0 && Width < FMinWidth) Width = FMinWidth;
    if (FMaxHeight > 0 && Height > FMaxHeight) Height = FMaxHeight;
    if (FMinHeight > 0 && Height < FMinHeight) Height = FMinHeight;
}

void TSizeConstraints::Changed() {
    if (FControl->ComponentState().Contains(csLoading)) return;
    FControl->SetBounds(FControl->Left(), FControl->Top(), FControl->Width(), FControl->Height());
}

// ---- helpers

TCustomForm* GetParentForm(const TControl* Control) {
    const TControl* c = Control;
    while (c && c->Parent())
        c = c->Parent();
    return const_cast<TCustomForm*>(dynamic_cast<const TCustomForm*>(c));
}

bool IsAccel(char32_t Key, const std::string& Caption) {
    for (size_t i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != '&') continue;
        if (Caption[i + 1] == '&') {
            ++i;
            continue;
        }
        auto c = static_cast<unsigned char>(Caption[i + 1]);
        return c < 0x80 && Key < 0x80 && std::toupper(c) == std::toupper(static_cast<int>(Key));
    }
    return false;
}

TShiftState KeysToShiftState(WPARAM Keys) {
    TShiftState s;
    if (Keys & MK_SHIFT) s.Include(ssShift);
    if (Keys & MK_CONTROL) s.Include(ssCtrl);
    if (Keys & MK_LBUTTON) s.Include(ssLeft);
    if (Keys & MK_RBUTTON) s.Include(ssRight);
    if (Keys & MK_MBUTTON) s.Include(ssMiddle);
    if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
    return s;
}

TShiftState KeyboardStateToShiftState() {
    TShiftState s;
    if (!WindowSystemReady()) return s;
    if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
    if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
    if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
    return s;
}

// ---- TControl

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
    WindowProc = [this](TMessage& m) { WndProc(m); };
    FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    FFont.OnChange = [this](TObject*) {
        FParentFont = false;
        Perform(CM_FONTCHANGED);
    };
}

TControl::~TControl() {
    ForgetMouseControl(this);
    SetPopupMenu(nullptr);
    if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* AParent) {
    if (FParent == AParent) return;
    if (AParent == this) throw EComponentError("A control cannot be its own parent");
    if (FParent) FParent->RemoveControl(this);
    if (AParent) {
        AParent->InsertControl(this);
        if (FParentFont) {
            FFont.Assign(*AParent->Font());
            FParentFont = true;
        }
        if (FParentColor) SetParentColorFrom(AParent->Color());
    }
}

void TControl::SetParentColorFrom(TColor Value) {
    if (FColor == Value) return;
    FColor = Value;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentComponent(TComponent* Value) {
    if (auto* win = dynamic_cast<TWinControl*>(Value)) SetParent(win);
}

TComponent* TControl::GetParentComponent() const {
    return FParent;
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    FConstraints.Apply(AWidth, AHeight);
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
    bool visibleOnParent = FParent && FVisible && FParent->HandleAllocated();
    if (visibleOnParent) Invalidate();
    bool resized = AWidth != FWidth || AHeight != FHeight;
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    if (visibleOnParent) Invalidate();
    if (!FAnchorMove) UpdateAnchorRules();
    RequestAlign();
    if (resized && !ComponentState().Contains(csLoading)) Resize();
}

void TControl::Resize() {
    if (OnResize) OnResize(this);
}

TRect TControl::ClientRect() const {
    return {0, 0, FWidth, FHeight};
}

void TControl::SetClientWidth(int Value) {
    SetWidth(FWidth - ClientWidth() + Value);
}

void TControl::SetClientHeight(int Value) {
    SetHeight(FHeight - ClientHeight() + Value);
}

TPoint TControl::ClientOrigin() const {
    if (!FParent) return {FLeft, FTop};
    TPoint p = FParent->ClientOrigin();
    return {p.X + FLeft, p.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint P) const {
    TPoint o = ClientOrigin();
    return {P.X + o.X, P.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint P) const {
    TPoint o = ClientOrigin();
    return {P.X - o.X, P.Y - o.Y};
}

void TControl::SetVisible(bool Value) {
    if (FVisible == Value) return;
    VisibleChanging();
    FVisible = Value;
    Perform(CM_VISIBLECHANGED, Value);
    RequestAlign();
}

bool TControl::Showing() const {
    return FVisible && FParent && FParent->Showing();
}

void TControl::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    FEnabled = Value;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const std::string& Value) {
    if (FText == Value) return;
    FText = Value;
    Perform(CM_TEXTCHANGED);
}

void TControl::SetParentFont(bool Value) {
    if (FParentFont == Value) return;
    FParentFont = Value;
    if (Value && FParent) {
        FFont.Assign(*FParent->Font());
        FParentFont = true;
    }
}

void TControl::SetColor(TColor Value) {
    if (FColor == Value) {
        FParentColor = false;
        return;
    }
    FColor = Value;
    FParentColor = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool Value) {
    if (FParentColor == Value) return;
    FParentColor = Value;
    if (Value && FParent) SetParentColorFrom(FParent->Color());
}

void TControl::SetAlign(TAlign Value) {
    TAlign old = FAlign;
    FAlign = Value;
    // Like the original framework, a control that is aligned to a side keeps
    // its own extent across it, and the parent always realigns.
    if (old != Value && Value == alNone && !ComponentState().Contains(csLoading)) UpdateAnchorRules();
    RequestAlign();
}

void TControl::SetAnchors(TAnchors Value) {
    if (FAnchors == Value) return;
    FAnchors = Value;
    if (!ComponentState().Contains(csLoading)) UpdateAnchorRules();
}

void TControl::SetAutoSize(bool Value) {
    if (FAutoSize == Value) return;
    FAutoSize = Value;
    if (Value) AdjustSize();
}

bool TControl::CanAutoSize(int&, int&) {
    return false;
}

void TControl::AdjustSize() {
    if (!FAutoSize || ComponentState().Contains(csLoading)) return;
    int w = FWidth, h = FHeight;
    if (CanAutoSize(w, h)) SetBounds(FLeft, FTop, w, h);
}

void TControl::SetCursor(TCursor Value) {
    if (FCursor == Value) return;
    FCursor = Value;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetShowHint(bool Value) {
    FParentShowHint = false;
    if (FShowHint == Value) return;
    FShowHint = Value;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool Value) {
    if (FParentShowHint == Value) return;
    FParentShowHint = Value;
    if (Value && FParent) {
        FShowHint = FParent->ShowHint();
        FParentShowHint = true;
    }
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
    FPopupMenu.Set(Value);
}

bool TControl::MouseCapture() const {
    return GetCaptureControl() == this;
}

void TControl::SetMouseCapture(bool Value) {
    if (MouseCapture() == Value) return;
    SetCaptureControl(Value ? this : nullptr);
}

LRESULT TControl::Perform(uint32_t Msg, WPARAM WParam, LPARAM LParam) {
    TMessage m{Msg, WParam, LParam, 0};
    TKeepAlive alive(this);
    WindowProc(m);
    return m.Result;
}

void TControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK: {
        // A press ends the hint shown or awaited: what it opens (a menu, a
        // dialog) must not have a hint left over it.
        if (Application) Application->CancelHint();
        // The focused control hears of every press before the pressed control does.
        TKeepAlive alive(this);
        SendCancelMode(this);
        if (FreePending()) return;
        break;
    }
    }
    switch (Message.Msg) {
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        // Without double clicks the second press is a press.
        if (!FControlStyle.Contains(csDoubleClicks)) Message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
        break;
    }
    Dispatch(Message);
}

void TControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_PAINT:
        WMPaint(Message);
        return;
    case WM_MOUSEMOVE:
        WMMouseMove(Message);
        return;
    case WM_LBUTTONDOWN:
        WMMouseButton(Message, TMouseButton::mbLeft, true, false);
        return;
    case WM_LBUTTONUP:
        WMMouseButton(Message, TMouseButton::mbLeft, false, false);
        return;
    case WM_LBUTTONDBLCLK:
        WMMouseButton(Message, TMouseButton::mbLeft, true, true);
        return;
    case WM_RBUTTONDOWN:
        WMMouseButton(Message, TMouseButton::mbRight, true, false);
        return;
    case WM_RBUTTONUP:
        WMMouseButton(Message, TMouseButton::mbRight, false, false);
        return;
    case WM_RBUTTONDBLCLK:
        WMMouseButton(Message, TMouseButton::mbRight, true, true);
        return;
    case WM_MBUTTONDOWN:
        WMMouseButton(Message, TMouseButton::mbMiddle, true, false);
        return;
    case WM_MBUTTONUP:
        WMMouseButton(Message, TMouseButton::mbMiddle, false, false);
        return;
    case WM_MBUTTONDBLCLK:
        WMMouseButton(Message, TMouseButton::mbMiddle, true, true);
        return;
    case CM_ENABLEDCHANGED:
        CMEnabledChanged(Message);
        return;
    case CM_VISIBLECHANGED:
        CMVisibleChanged(Message);
        return;
    case CM_TEXTCHANGED:
        CMTextChanged(Message);
        return;
    case CM_FONTCHANGED:
        CMFontChanged(Message);
        return;
    case CM_COLORCHANGED:
        CMColorChanged(Message);
        return;
    case CM_PARENTFONTCHANGED:
        CMParentFontChanged(Message);
        return;
    case CM_PARENTCOLORCHANGED:
        CMParentColorChanged(Message);
        return;
    case CM_PARENTSHOWHINTCHANGED:
        CMParentShowHintChanged(Message);
        return;
    case CM_MOUSEENTER:
        CMMouseEnter(Message);
        return;
    case CM_MOUSELEAVE:
        CMMouseLeave(Message);
        return;
    }
    DefaultHandler(Message);
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::WMPaint(TMessage& Message) {
    DefaultHandler(Message);
}

void TControl::SendCancelMode(TControl* Sender) {
    if (TCustomForm* form = GetParentForm(this)) form->SendCancelMode(Sender);
}

void TControl::WMMouseButton(TMessage& Message, TMouseButton Button, bool Down, bool Double) {
    TPoint p = LParamToPoint(Message.LParam);
    TShiftState shift = KeysToShiftState(Message.WParam);
    TKeepAlive alive(this);
    if (Down) {
        if (Button == TMouseButton::mbLeft) {
            if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
            if (FControlStyle.Contains(csClickEvents)) FControlState.Include(csClicked);
        }
        if (Double) {
            shift.Include(ssDouble);
            if (Button == TMouseButton::mbLeft) DblClick();
            if (FreePending()) return;
        }
        MouseDown(Button, shift, p.X, p.Y);
    } else {
        if (Button == TMouseButton::mbLeft) {
            if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
            if (FControlState.Contains(csClicked)) {
                FControlState.Exclude(csClicked);
                if (ClientRect().Contains(p)) Click();
                if (FreePending()) return;
            }
        }
        MouseUp(Button, shift, p.X, p.Y);
    }
    DefaultHandler(Message);
}

void TControl::WMMouseMove(TMessage& Message) {
    TPoint p = LParamToPoint(Message.LParam);
    MouseMove(KeysToShiftState(Message.WParam), p.X, p.Y);
    DefaultHandler(Message);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
    if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::Click() {
    if (!OnClick) return;
    TKeepAlive alive(this);
    OnClick(this);
}

void TControl::DblClick() {
    if (!OnDblClick) return;
    TKeepAlive alive(this);
    OnDblClick(this);
}

void TControl::CMEnabledChanged(TMessage&) {
    SetVisualStateItem(vsEnabled, FEnabled);
    Invalidate();
}

void TControl::SetVisualStateItem(TVisualStateItem Item, bool On) {
    if (FVisualState.Contains(Item) == On) return;
    if (On)
        FVisualState.Include(Item);
    else
        FVisualState.Exclude(Item);
    VisualStateChanged(TVisualState{Item});
}

void TControl::CMVisibleChanged(TMessage&) {
    if (FParent && FParent->HandleAllocated()) {
        // Shown or hidden: the parent repaints the area either way.
        TRect r = BoundsRect();
        InvalidateRect(FParent->WindowHandle(), &r, !FControlStyle.Contains(csOpaque) || !FVisible);
    }
}

void TControl::CMTextChanged(TMessage&) {
    Invalidate();
}

void TControl::CMFontChanged(TMessage&) {
    Invalidate();
}

void TControl::CMColorChanged(TMessage&) {
    Invalidate();
}

void TControl::CMParentFontChanged(TMessage&) {
    if (!FParentFont || !FParent) return;
    FFont.Assign(*FParent->Font());
    FParentFont = true;
}

void TControl::CMParentColorChanged(TMessage&) {
    if (FParentColor && FParent) SetParentColorFrom(FParent->Color());
}

void TControl::CMParentShowHintChanged(TMessage&) {
    if (!FParentShowHint || !FParent) return;
    FShowHint = FParent->ShowHint();
    FParentShowHint = true;
}

void TControl::CMMouseEnter(TMessage& Message) {
    if (Message.LParam == reinterpret_cast<LPARAM>(this)) SetVisualStateItem(vsHot, true);
    if (FParent) FParent->Perform(CM_MOUSEENTER, 0, Message.LParam);
}

void TControl::CMMouseLeave(TMessage& Message) {
    if (Message.LParam == reinterpret_cast<LPARAM>(this)) SetVisualStateItem(vsHot, false);
    if (FParent) FParent->Perform(CM_MOUSELEAVE, 0, Message.LParam);
}

void TControl::Invalidate() {
    if (!FParent || !FVisible || !FParent->HandleAllocated()) return;
    TRect r = BoundsRect();
    InvalidateRect(FParent->WindowHandle(), &r, !FControlStyle.Contains(csOpaque));
}

void TControl::Repaint() {
    if (!FParent || !FVisible || !FParent->HandleAllocated() || !Showing()) return;
    if (FControlStyle.Contains(csOpaque)) {
        // Paints straight onto the parent's window, this control and the
        // windowless ones above it, before returning.
        HDC dc = GetDC(FParent->WindowHandle());
        if (!dc) return;
        int saved = SaveDC(dc);
        IntersectClipRect(dc, FLeft, FTop, FLeft + FWidth, FTop + FHeight);
        FParent->PaintControls(dc, this);
        RestoreDC(dc, saved);
        ReleaseDC(FParent->WindowHandle(), dc);
        TRect r = BoundsRect();
        ValidateRect(FParent->WindowHandle(), &r);
    } else {
        Invalidate();
        FParent->Update();
    }
}

void TControl::Update() {
    if (FParent) FParent->Update();
}

void TControl::BringToFront() {
    SetZOrder(true);
}

void TControl::SendToBack() {
    SetZOrder(false);
}

void TControl::SetZOrder(bool TopMost) {
    if (!FParent) return;
    auto& list = FParent->FControls;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    if (TopMost)
        list.push_back(this);
    else
        list.insert(list.begin(), this);
    Invalidate();
}

void TControl::Changed() {
    Invalidate();
}

void TControl::Loaded() {
    TComponent::Loaded();
    UpdateAnchorRules();
    RequestAlign();
}

void TControl::RequestAlign() {
    if (FParent) FParent->AlignControl(this);
}

void TControl::UpdateAnchorRules() {
    if (FAnchorMove || ComponentState().Contains(csLoading)) return;
    if (!FParent) {
        FAnchorRulesSet = false;
        return;
    }
    TRect client = FParent->ClientRect();
    FAnchorParentSize = {client.Width(), client.Height()};
    FAnchorGaps = {FLeft, FTop, client.Width() - (FLeft + FWidth), client.Height() - (FTop + FHeight)};
    FAnchorCentre = {FLeft + FWidth / 2, FTop + FHeight / 2};
    FAnchorRulesSet = true;
}
