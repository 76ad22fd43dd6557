// The queue and the loop: send, post, get, peek, dispatch, wait, quit, hooks.

#include "platform/win/WinInternal.h"

#include "platform/sys/MainThread.h"
#include "platform/sys/WatchedFd.h"

#include <atomic>

#include <poll.h>

void InitWindowSystem(std::unique_ptr<TWindowBackend> backend) {
    if (WSOrNull()) DoneWindowSystem();
    SetGuiThread();
    TDesktopServices* desktop = backend->Desktop();
    SetWindowSystemInstance(new TWindowSystem(std::move(backend)));
    if (desktop) SetDesktopServices(desktop);
    SetMessagePumpHook([](bool holdInput) { PumpPendingMessages(holdInput); });
}

void DoneWindowSystem() {
    auto* ws = WSOrNull();
    if (!ws) return;
    SetMessagePumpHook(nullptr);
    if (&DesktopServices() == ws->Backend().Desktop()) SetDesktopServices(nullptr);
    while (!ws->TopLevels().empty()) {
        TWindow* w = ws->TopLevels().back();
        w->DispatchDepth = 0;
        ws->DestroyNow(w);
    }
    ReleaseAllDCs();
    SetWindowSystemInstance(nullptr);
    delete ws;
}

bool WindowSystemReady() {
    return WSOrNull() != nullptr;
}

TWindowBackend* WindowBackend() {
    auto* ws = WSOrNull();
    return ws ? &ws->Backend() : nullptr;
}

LRESULT SendMessage(HWND wnd, TMessage& message) {
    auto* ws = WSOrNull();
    if (!ws) return 0;
    if (!IsGuiThread()) {
        // The caller waits while the GUI thread runs the call; the window may be
        // gone by then, which gives 0 like any dead handle.
        CallInMainThread([&] { SendMessage(wnd, message); });
        return message.Result;
    }
    TWindow* w = ws->Find(wnd);
    if (!w) {
        message.Result = 0;
        return 0;
    }
    ws->CallChain(w, message);
    return message.Result;
}

LRESULT SendMessage(HWND wnd, uint32_t msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    return SendMessage(wnd, m);
}

bool PostMessage(HWND wnd, uint32_t msg, WPARAM wParam, LPARAM lParam) {
    auto* ws = WSOrNull();
    if (!ws) return false;
    {
        std::lock_guard lock(ws->FQueueLock);
        TMsg m;
        m.hwnd = wnd;
        m.message = msg;
        m.wParam = wParam;
        m.lParam = lParam;
        ws->FPosted.push_back(m);
    }
    ws->WakeLoop();
    return true;
}

void PostQuitMessage(int exitCode) {
    auto* ws = WSOrNull();
    if (!ws) return;
    {
        std::lock_guard lock(ws->FQueueLock);
        ws->FQuitPending = true;
        ws->FQuitCode = exitCode;
    }
    ws->WakeLoop();
}

bool QuitPending(int* exitCode) {
    auto* ws = WSOrNull();
    if (!ws) return false;
    std::lock_guard lock(ws->FQueueLock);
    if (exitCode && ws->FQuitPending) *exitCode = ws->FQuitCode;
    return ws->FQuitPending;
}

namespace {

TMsg InputPreview(const TRawInput& in) {
    TMsg m;
    switch (in.Kind) {
    case TRawInputKind::riMouseMove:
        m.message = WM_MOUSEMOVE;
        break;
    case TRawInputKind::riButtonDown:
        m.message = WM_LBUTTONDOWN;
        break;
    case TRawInputKind::riButtonUp:
        m.message = WM_LBUTTONUP;
        break;
    case TRawInputKind::riWheel:
        m.message = WM_MOUSEWHEEL;
        break;
    case TRawInputKind::riKeyDown:
        m.message = WM_KEYDOWN;
        break;
    case TRawInputKind::riKeyUp:
        m.message = WM_KEYUP;
        break;
    case TRawInputKind::riChar:
        m.message = WM_CHAR;
        break;
    default:
        m.message = WM_NULL;
    }
    m.pt = in.Pos;
    return m;
}

} // namespace

bool AnyQueued(bool holdInput) {
    auto& ws = WS();
    {
        std::lock_guard lock(ws.FQueueLock);
        if (!ws.FPosted.empty() || ws.FQuitPending || (!holdInput && !ws.FInput.empty())) return true;
    }
    TMsg probe;
    if (NextPaintMessage(probe)) return true;
    return NextTimerDue() <= GetTickCount();
}

bool PeekMessage(TMsg& message, uint32_t removeFlags) {
    auto* ws = WSOrNull();
    if (!ws) return false;
    const bool remove = (removeFlags & PM_REMOVE) != 0;
    const bool holdInput = (removeFlags & PM_NOINPUT) != 0;
    ws->Backend().ProcessEvents();
    // Blocking calls and sends from workers are served here, as the loop
    // would serve sent messages.
    CheckSynchronize(0);
    for (;;) {
        std::unique_lock lock(ws->FQueueLock);
        if (!ws->FPosted.empty()) {
            TMsg m = ws->FPosted.front();
            if (remove) ws->FPosted.pop_front();
            lock.unlock();
            if (m.hwnd && !ws->Find(m.hwnd)) {
                if (!remove) {
                    std::lock_guard relock(ws->FQueueLock);
                    if (!ws->FPosted.empty()) ws->FPosted.pop_front();
                }
                continue; // posted to a window that is gone
            }
            m.time = GetTickCount();
            m.pt = ws->FCursorPos;
            message = m;
            return true;
        }
        if (ws->FQuitPending) {
            message = TMsg{};
            message.message = WM_QUIT;
            message.wParam = static_cast<WPARAM>(ws->FQuitCode);
            if (remove) ws->FQuitPending = false;
            return true;
        }
        if (!holdInput && !ws->FInput.empty() && !ws->FInMoveSize) {
            TRawInput in = ws->FInput.front();
            if (!remove) {
                message = InputPreview(in);
                return true;
            }
            ws->FInput.pop_front();
            lock.unlock();
            if (ConvertRawInput(in, message)) return true;
            continue;
        }
        break;
    }
    if (NextPaintMessage(message)) return true;
    if (remove && NextTimerMessage(message)) return true;
    if (!remove && NextTimerDue() <= GetTickCount()) {
        message = TMsg{};
        message.message = WM_TIMER;
        return true;
    }
    return false;
}

void WaitMessage(int timeoutMs) {
    auto* ws = WSOrNull();
    if (!ws || AnyQueued(false)) return;
    int wait = timeoutMs;
    if (!ws->Backend().VirtualClock()) {
        uint64_t due = NextTimerDue();
        if (due != UINT64_MAX) {
            uint64_t now = GetTickCount();
            int left = due > now ? static_cast<int>(std::min<uint64_t>(due - now, INT32_MAX)) : 0;
            wait = wait < 0 ? left : std::min(wait, left);
        }
    }
    std::vector<pollfd> fds;
    fds.push_back({ws->WakeFd(), POLLIN, 0});
    fds.push_back({MainThreadWakeFd(), POLLIN, 0});
    for (int fd : ws->Backend().WaitFds())
        fds.push_back({fd, POLLIN, 0});
    // Served by the CheckSynchronize at the start of the next PeekMessage.
    for (int fd : WatchedFds())
        fds.push_back({fd, POLLIN, 0});
    int r;
    do
        r = poll(fds.data(), fds.size(), wait);
    while (r < 0 && errno == EINTR);
    ws->DrainWake();
}

bool GetMessage(TMsg& message) {
    for (;;) {
        if (PeekMessage(message, PM_REMOVE)) return message.message != WM_QUIT;
        if (!WSOrNull()) {
            message = TMsg{};
            message.message = WM_QUIT;
            return false;
        }
        WaitMessage();
    }
}

LRESULT DispatchMessage(const TMsg& message) {
    auto* ws = WSOrNull();
    if (!ws) return 0;
    ws->FMessageTime = message.time;
    ws->FMessagePos = message.pt;
    if (message.message == WM_TIMER) {
        for (auto& t : ws->FTimers)
            if (t.Wnd == message.hwnd && t.Id == message.wParam && t.Proc) {
                TTimerProc proc = t.Proc;
                proc(message.hwnd, message.wParam, message.time);
                return 0;
            }
    }
    if (message.message == WM_PAINT) return SendPaint(message.hwnd);
    TWindow* w = ws->Find(message.hwnd);
    if (!w) return 0;
    TMessage m{message.message, message.wParam, message.lParam, 0};
    ws->CallChain(w, m);
    return m.Result;
}

namespace {

bool RunHooks(TMsg& m) {
    auto hooks = WS().FHooks;
    for (auto& [id, hook] : hooks)
        if (hook(m)) return true;
    return false;
}

} // namespace

int RunMessageLoop() {
    TMsg m;
    while (GetMessage(m)) {
        if (!RunHooks(m)) {
            TranslateMessage(m);
            DispatchMessage(m);
        }
    }
    return static_cast<int>(m.wParam);
}

bool PumpPendingMessages(bool holdInput) {
    if (!WSOrNull()) return false;
    TMsg m;
    while (PeekMessage(m, PM_REMOVE | (holdInput ? PM_NOINPUT : 0))) {
        if (m.message == WM_QUIT) {
            // Kept for the outer loop: a nested wait never swallows a quit.
            PostQuitMessage(static_cast<int>(m.wParam));
            return true;
        }
        if (!RunHooks(m)) {
            TranslateMessage(m);
            DispatchMessage(m);
        }
        if (!WSOrNull()) return false;
    }
    return QuitPending();
}

namespace {

// Hook and observer ids are never used twice in a process, also across
// restarts of the window system: a stale id removes nothing.
uint64_t NextHookId() {
    static std::atomic<uint64_t> next{1};
    return next++;
}

} // namespace

uint64_t AddMessageHook(TMessageHook hook) {
    auto& ws = WS();
    uint64_t id = NextHookId();
    ws.FHooks.emplace_back(id, std::move(hook));
    return id;
}

void RemoveMessageHook(uint64_t id) {
    if (auto* ws = WSOrNull()) std::erase_if(ws->FHooks, [id](auto& h) { return h.first == id; });
}

uint64_t AddMessageObserver(TMessageObserver observer) {
    auto& ws = WS();
    uint64_t id = NextHookId();
    ws.FObservers.emplace_back(id, std::move(observer));
    return id;
}

void RemoveMessageObserver(uint64_t id) {
    if (auto* ws = WSOrNull()) std::erase_if(ws->FObservers, [id](auto& h) { return h.first == id; });
}

uint64_t GetMessageTime() {
    return WSOrNull() ? WS().FMessageTime : 0;
}
TPoint GetMessagePos() {
    return WSOrNull() ? WS().FMessagePos : TPoint{};
}
