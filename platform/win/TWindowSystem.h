#pragma once

#include "platform/win/TWindow.h"
#include "platform/win/WinApi.h"

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

class TNativeChildWindow;

struct TTimerRecord {
    HWND Wnd = nullptr;
    uintptr_t Id = 0;
    uint32_t Elapse = 0;
    uint64_t Due = 0;
    TTimerProc Proc;
};

// The state of the window system: one per process, owned by the GUI thread
// except for the queue, which any thread may post to (FQueueLock).
class TWindowSystem {
public:
    explicit TWindowSystem(std::unique_ptr<TWindowBackend> backend);
    ~TWindowSystem();

    TWindowBackend& Backend() { return *FBackend; }

    // ---- Window table
    TWindow* Find(HWND wnd) const;
    TWindow* NewWindow();
    void ForgetWindow(TWindow* w);
    std::vector<TWindow*>& TopLevels() { return FTopLevels; }
    // Siblings of w (children of its parent, or the top-level list).
    std::vector<TWindow*>& SiblingList(TWindow* w);

    // ---- Chains
    void CallChain(TWindow* w, TMessage& m);
    void CallBelow(HWND wnd, THandlerId below, TMessage& m);
    void LeaveDispatch(TWindow* w);
    void DestroyNow(TWindow* w);
    bool SubtreeBusy(TWindow* w) const;

    // ---- Queue (any thread)
    std::mutex FQueueLock;
    std::deque<TMsg> FPosted;
    std::deque<TRawInput> FInput;
    bool FQuitPending = false;
    int FQuitCode = 0;
    void WakeLoop();
    int WakeFd() const { return FWakeFd; }
    void DrainWake();

    // ---- GUI-thread state
    std::vector<TTimerRecord> FTimers;
    uintptr_t FNextTimerId = 0x10000;
    std::vector<std::pair<uint64_t, TMessageHook>> FHooks;
    std::vector<std::pair<uint64_t, TMessageObserver>> FObservers;

    HWND FCapture = nullptr;
    HWND FFocus = nullptr;
    HWND FActive = nullptr;
    HWND FLastActive = nullptr; // restored when the program gets the input back
    bool FAppActive = false;
    // Alt or F10 went down with no other key or button since: its release opens the menu bar.
    bool FMenuKeyAlone = false;
    HWND FTracking = nullptr; // TrackMouseEvent
    uint32_t FTrackFlags = 0;
    HWND FLastMouseWindow = nullptr;

    TPoint FCursorPos;
    uint8_t FKeys[256] = {};
    int FWheelRest = 0;
    uint64_t FMessageTime = 0;
    TPoint FMessagePos;
    int FCursorId = IDC_ARROW;

    // Double-click detection: the last press.
    HWND FClickWnd = nullptr;
    uint32_t FClickMsg = 0;
    uint64_t FClickTime = 0;
    TPoint FClickPos;
    bool FClickWasDouble = false;
    uint32_t FDoubleClickTime = 500;

    // Caret
    HWND FCaretWnd = nullptr;
    TRect FCaretRect;
    int FCaretHide = 1;
    uint32_t FCaretBlink = 530;
    bool FCaretPhase = true; // blinking: shown or not right now
    uintptr_t FCaretTimer = 0;
    HWND FCaretShownIn = nullptr; // where the caret was last presented

    // Set while the move/size loop runs: it takes input itself.
    bool FInMoveSize = false;

    // Native windows over hosts of ours, told of every change of a host's
    // place or visibility (FollowNativeChildren).
    std::vector<TNativeChildWindow*> FNativeChildren;

private:
    std::unique_ptr<TWindowBackend> FBackend;
    std::map<HWND, std::unique_ptr<TWindow>> FWindows;
    std::vector<TWindow*> FTopLevels; // topmost first
    uintptr_t FNextHandle = 0x100;
    int FWakeFd = -1;
};

// The running window system; raises when none was started.
TWindowSystem& WS();
TWindowSystem* WSOrNull();
// The record of a live window, or null.
TWindow* W(HWND wnd);

// Helpers shared by the parts of the window system.
TPoint WindowOriginOnScreen(const TWindow* w);
TPoint ClientOriginOnScreen(const TWindow* w);
TRect ScreenWindowRect(const TWindow* w);
bool AnyQueued(bool holdInput);
