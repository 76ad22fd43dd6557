#pragma once

// Small controls that record what reaches them, for the framework's tests.

#include "platform/backend/headless/THeadlessSession.h"
#include "platform/gdi/Gdi.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TCustomForm.h"
#include "platform/vcl/TGraphicControl.h"
#include "tests/support/pictures/PixelArt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline std::vector<std::string>& ProbeLog() {
    static std::vector<std::string> log;
    return log;
}

inline std::string MessageName(uint32_t Msg) {
    switch (Msg) {
    case CM_MOUSEENTER:
        return "enter";
    case CM_MOUSELEAVE:
        return "leave";
    case WM_MOUSEMOVE:
        return "move";
    case WM_LBUTTONDOWN:
        return "down";
    case WM_LBUTTONUP:
        return "up";
    case CM_ENTER:
        return "CM_ENTER";
    case CM_EXIT:
        return "CM_EXIT";
    case CM_CANCELMODE:
        return "CM_CANCELMODE";
    default:
        return "";
    }
}

// Logs the messages named above as "<name> <message>"; the mouse enter and
// leave notices only for itself (its parent hears of its children's too).
template <class Base> class TLogging : public Base {
public:
    using Base::Base;
    bool LogMoves = true;
    std::vector<std::string> FocusChanges;
    int Paints = 0;

    void WndProc(TMessage& M) override {
        std::string name = MessageName(M.Msg);
        bool own = (M.Msg != CM_MOUSEENTER && M.Msg != CM_MOUSELEAVE) ||
                   M.LParam == reinterpret_cast<LPARAM>(static_cast<TControl*>(this));
        bool mouse = M.Msg == WM_MOUSEMOVE || M.Msg == WM_LBUTTONDOWN || M.Msg == WM_LBUTTONUP;
        if (!name.empty() && own && !mouse) {
            std::string entry = this->Name() + " " + name;
            if (M.Msg == CM_CANCELMODE) entry += " from " + reinterpret_cast<TControl*>(M.LParam)->Name();
            ProbeLog().push_back(entry);
        }
        if (M.Msg == CM_FOCUSCHANGED) {
            auto* c = reinterpret_cast<TControl*>(M.LParam);
            FocusChanges.push_back(c ? c->Name() : "nil");
        }
        Base::WndProc(M);
    }

protected:
    // Mouse messages are logged where the control itself handles them, after
    // a parent has passed on those meant for a windowless child.
    void Dispatch(TMessage& M) override {
        bool mouse = M.Msg == WM_MOUSEMOVE || M.Msg == WM_LBUTTONDOWN || M.Msg == WM_LBUTTONUP;
        if (mouse && (LogMoves || M.Msg != WM_MOUSEMOVE))
            ProbeLog().push_back(this->Name() + " " + MessageName(M.Msg));
        Base::Dispatch(M);
    }
};

// A windowed control that fills itself with its colour.
class TProbePanel : public TLogging<TCustomControl> {
public:
    explicit TProbePanel(TComponent* AOwner) : TLogging<TCustomControl>(AOwner) {
        FControlStyle.Include(csAcceptsControls);
        FControlStyle.Include(csOpaque);
        FParentColor = false;
        FColor = clSilver;
        SetBounds(0, 0, 100, 100);
    }
    int Margin = 0; // AdjustClientRect takes it off every side

protected:
    void Paint() override {
        ++Paints;
        Canvas()->Brush()->SetColor(FColor);
        Canvas()->FillRect(ClientRect());
    }
    void AdjustClientRect(TRect& R) override {
        R.Left += Margin;
        R.Top += Margin;
        R.Right -= Margin;
        R.Bottom -= Margin;
    }
};

// A windowless control that fills itself with its colour.
class TProbeGraphic : public TLogging<TGraphicControl> {
public:
    explicit TProbeGraphic(TComponent* AOwner) : TLogging<TGraphicControl>(AOwner) {
        FParentColor = false;
        FColor = clRed;
        SetBounds(0, 0, 20, 20);
    }
    void SetOpaque(bool On) {
        if (On)
            FControlStyle.Include(csOpaque);
        else
            FControlStyle.Exclude(csOpaque);
    }

protected:
    void Paint() override {
        ++Paints;
        Canvas()->Brush()->SetColor(FColor);
        Canvas()->FillRect(ClientRect());
    }
};

// A focusable button: Enter clicks it when Default, Esc when Cancel, its
// accelerator when the form offers it; a click sets the form's ModalResult.
class TProbeButton : public TProbePanel {
public:
    explicit TProbeButton(TComponent* AOwner) : TProbePanel(AOwner) {
        FControlStyle.Exclude(csAcceptsControls);
        FTabStop = true;
        FColor = clGray;
        SetBounds(0, 0, 40, 20);
    }
    bool Default = false;
    bool Cancel = false;
    bool WantsArrows = false;
    TModalResult ModalResult = mrNone;
    int Clicks = 0;
    std::vector<uint16_t> KeysDown;

    void Click() override {
        ++Clicks;
        if (ModalResult != mrNone)
            if (TCustomForm* f = GetParentForm(this)) f->SetModalResult(ModalResult);
        TProbePanel::Click();
    }

protected:
    void Dispatch(TMessage& M) override {
        switch (M.Msg) {
        case CM_DIALOGKEY:
            if ((M.WParam == VK_RETURN && Default) || (M.WParam == VK_ESCAPE && Cancel)) {
                Click();
                M.Result = 1;
                return;
            }
            break;
        case CM_DIALOGCHAR:
            if (IsAccel(static_cast<char32_t>(M.WParam), Caption()) && CanFocus()) {
                Click();
                M.Result = 1;
                return;
            }
            break;
        case CM_WANTSPECIALKEY:
            if (WantsArrows &&
                (M.WParam == VK_LEFT || M.WParam == VK_RIGHT || M.WParam == VK_UP || M.WParam == VK_DOWN)) {
                M.Result = 1;
                return;
            }
            break;
        }
        TProbePanel::Dispatch(M);
    }
    void KeyDown(uint16_t& Key, TShiftState Shift) override {
        KeysDown.push_back(Key);
        TProbePanel::KeyDown(Key, Shift);
    }
};

// A headless window system for the life of a test, and the application on it.
class TVclFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ProbeLog().clear();
        Application->Initialize();
    }
    void TearDown() override {
        // Forms go while the window system still runs.
        for (TComponent* c : Owned)
            c->Free();
        Owned.clear();
        while (Application->ComponentCount() > 0)
            Application->Components(Application->ComponentCount() - 1)->Free();
    }
    template <class T> T* Make(TComponent* Owner = nullptr) {
        T* c = new T(Owner);
        if (!Owner) Owned.insert(Owned.begin(), c);
        return c;
    }
    TForm* MakeForm(int X, int Y, int W, int H) {
        auto* f = Make<TForm>();
        f->SetBorderStyle(bsNone);
        f->SetBounds(X, Y, W, H);
        return f;
    }
    static TPoint Centre(TControl* C) { return C->ClientToScreen({C->Width() / 2, C->Height() / 2}); }
    static uint32_t Pixel(const TBitmap& B, int X, int Y) { return PixelAt(B, X, Y); }
    static uint32_t Rgb(TColor C) { return ColorToPixel(C) & 0xFFFFFF; }

    THeadlessSession Session;
    std::vector<TComponent*> Owned;
};
