#include "platform/vcl/TApplication.h"

#include "platform/vcl/Mouse.h"
#include "platform/vcl/THintWindow.h"

#include <algorithm>
#include <iostream>

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

namespace {

// The two objects live for the whole process and are never freed: forms
// still open at exit go with the process, after the window system.
struct TGlobals {
    TGlobals() {
        Screen = new TScreen(nullptr);
        Application = new TApplication(nullptr);
    }
} Globals;

} // namespace

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {}

TApplication::~TApplication() {
    StopHintTimer();
    if (FHookId && WindowSystemReady()) RemoveMessageHook(FHookId);
}

void TApplication::Initialize() {
    if (!WindowSystemReady()) return;
    // Loops this object does not run (a test's pump, a nested wait) see the
    // same filtering. A restarted window system has lost the old hook; ids
    // are never reused, so removing a stale one is harmless.
    if (FHookId) RemoveMessageHook(FHookId);
    FHookId = AddMessageHook([this](TMsg& m) { return FilterMessage(m); });
}

void TApplication::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FMainForm) FMainForm = nullptr;
    if (AComponent == FHintWindow) FHintWindow = nullptr;
    if (AComponent == FHintControl) FHintControl = nullptr;
}

uint64_t TApplication::AddMessageFilter(TMessageFilter Filter) {
    uint64_t token = FNextFilter++;
    FFilters.emplace_back(token, std::move(Filter));
    return token;
}

void TApplication::RemoveMessageFilter(uint64_t Token) {
    std::erase_if(FFilters, [Token](auto& f) { return f.first == Token; });
}

bool TApplication::FilterMessage(TMsg& Msg) {
    // A character comes with the key-down before it: when a filter took that
    // key (an open menu does), its characters go with it and never reach
    // the focused control.
    const bool key = Msg.message == WM_KEYDOWN || Msg.message == WM_SYSKEYDOWN;
    if (Msg.message == WM_CHAR && FKeyTaken) return true;
    if (key || Msg.message == WM_KEYUP || Msg.message == WM_SYSKEYUP) FKeyTaken = false;
    const bool handled = RunFilters(Msg);
    if (handled && key) FKeyTaken = true;
    return handled;
}

bool TApplication::RunFilters(TMsg& Msg) {
    if (!FFilters.empty()) {
        // A copy: the filter may remove itself.
        TMessageFilter top = FFilters.back().second;
        try {
            return top(Msg);
        } catch (...) {
            HandleException(this);
            return false;
        }
    }
    if (!OnMessage) return false;
    bool handled = false;
    try {
        OnMessage(Msg, handled);
    } catch (...) {
        HandleException(this);
    }
    return handled;
}

bool TApplication::ProcessMessage(TMsg& Msg) {
    if (!WindowSystemReady() || !PeekMessage(Msg, PM_REMOVE)) return false;
    if (Msg.message == WM_QUIT) {
        FTerminated = true;
        return true;
    }
    // The window system's own pumps run the hook; this loop calls it itself.
    if (FilterMessage(Msg)) return true;
    try {
        TranslateMessage(Msg);
        DispatchMessage(Msg);
    } catch (...) {
        HandleException(this);
    }
    return true;
}

void TApplication::ProcessMessages() {
    TMsg m;
    while (!FTerminated && ProcessMessage(m)) {
    }
}

void TApplication::HandleMessage() {
    TMsg m;
    if (!ProcessMessage(m)) Idle();
}

void TApplication::Idle() {
    bool done = true;
    if (OnIdle) {
        try {
            OnIdle(this, done);
        } catch (...) {
            HandleException(this);
        }
    }
    if (done && !FTerminated && WindowSystemReady()) WaitMessage();
}

void TApplication::Run() {
    Initialize();
    if (FMainForm) FMainForm->Show();
    while (!FTerminated)
        HandleMessage();
}

void TApplication::Terminate() {
    if (FTerminated) return;
    FTerminated = true;
    if (WindowSystemReady()) PostQuitMessage(0);
}

void TApplication::HandleException(TObject* Sender) {
    try {
        throw;
    } catch (const std::exception& e) {
        if (OnException) {
            try {
                OnException(Sender, e);
            } catch (...) {
                std::cerr << "Exception in the exception handler" << std::endl;
            }
        } else {
            std::cerr << e.what() << std::endl;
        }
    } catch (...) {
        std::cerr << "Unknown exception" << std::endl;
    }
}

// ---- hints

void TApplication::SetHint(const std::string& Value) {
    if (FHint == Value) return;
    FHint = Value;
    if (OnHint) OnHint(this);
}

void TApplication::SetShowHint(bool Value) {
    FShowHint = Value;
    if (!Value) CancelHint();
}

void TApplication::HintMouseMessage(TControl* Control) {
    // The part of a hint after "|" is the long hint, shown by OnHint.
    std::string text = Control ? Control->Hint() : std::string();
    size_t bar = text.find('|');
    SetHint(bar == std::string::npos ? text : text.substr(bar + 1));
    if (Control == FHintControl) return;
    CancelHint();
    if (!Control || !FShowHint || !Control->ShowHint() || Control->Hint().empty()) return;
    if (FHintControl) FHintControl->RemoveFreeNotification(this);
    FHintControl = Control;
    FHintControl->FreeNotification(this);
    StartHintTimer(static_cast<uint32_t>(std::max(FHintPause, 1)), 1);
}

void TApplication::StartHintTimer(uint32_t Ms, uintptr_t Id) {
    StopHintTimer();
    if (!WindowSystemReady()) return;
    FHintTimer = SetTimer(nullptr, 0, Ms, [this, Id](HWND, uintptr_t, uint64_t) {
        StopHintTimer();
        if (Id == 1)
            ShowHintNow();
        else
            HideHint();
    });
}

void TApplication::StopHintTimer() {
    if (FHintTimer && WindowSystemReady()) KillTimer(nullptr, FHintTimer);
    FHintTimer = 0;
}

void TApplication::ShowHintNow() {
    if (!FHintControl) return;
    if (!FHintWindow) {
        FHintWindow = HintWindowClass ? HintWindowClass(this) : new THintWindow(this);
        if (!FHintWindow) return;
    }
    std::string text = FHintControl->Hint();
    size_t bar = text.find('|');
    if (bar != std::string::npos) text = text.substr(0, bar);
    TPoint p;
    GetCursorPos(p);
    TRect r = FHintWindow->CalcHintRect(300, text);
    int w = r.Width(), h = r.Height();
    r = {p.X, p.Y + 20, p.X + w, p.Y + 20 + h};
    FHintWindow->ActivateHint(r, text);
    StartHintTimer(static_cast<uint32_t>(std::max(FHintHidePause, 1)), 2);
}

void TApplication::HideHint() {
    if (FHintWindow && FHintWindow->Active()) FHintWindow->ReleaseHandle();
}

void TApplication::CancelHint() {
    StopHintTimer();
    HideHint();
    if (FHintControl) FHintControl->RemoveFreeNotification(this);
    FHintControl = nullptr;
}
