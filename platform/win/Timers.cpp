// Timers keyed by (window, id) and the clock.

#include "platform/win/WinInternal.h"

#include <chrono>

uint64_t GetTickCount() {
    if (auto* ws = WSOrNull()) return ws->Backend().TickCount();
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

uintptr_t SetTimer(HWND wnd, uintptr_t id, uint32_t elapseMs, TTimerProc proc) {
    auto& ws = WS();
    if (wnd && !ws.Find(wnd)) return 0;
    if (!wnd) {
        if (!proc) return 0;
        // Window-less timers get an id of their own unless an existing one is renewed.
        bool known = false;
        for (auto& t : ws.FTimers)
            known |= !t.Wnd && t.Id == id;
        if (!known) id = ws.FNextTimerId++;
    }
    uint32_t elapse = std::max<uint32_t>(elapseMs, 1);
    uint64_t due = GetTickCount() + elapse;
    for (auto& t : ws.FTimers)
        if (t.Wnd == wnd && t.Id == id) {
            // Setting again replaces: new interval, counted from now.
            t.Elapse = elapse;
            t.Due = due;
            t.Proc = std::move(proc);
            return wnd ? 1 : id;
        }
    ws.FTimers.push_back({wnd, id, elapse, due, std::move(proc)});
    return wnd ? 1 : id;
}

bool KillTimer(HWND wnd, uintptr_t id) {
    auto* ws = WSOrNull();
    if (!ws) return false;
    return std::erase_if(ws->FTimers, [&](auto& t) { return t.Wnd == wnd && t.Id == id; }) > 0;
}

void KillTimersOf(HWND wnd) {
    std::erase_if(WS().FTimers, [&](auto& t) { return t.Wnd == wnd; });
}

uint64_t NextTimerDue() {
    uint64_t due = UINT64_MAX;
    for (auto& t : WS().FTimers)
        due = std::min(due, t.Due);
    return due;
}

bool NextTimerMessage(TMsg& out) {
    auto& ws = WS();
    uint64_t now = GetTickCount();
    // The most overdue timer first; a tick is made only when it is taken, so
    // each timer has at most one waiting, however long the loop was away.
    TTimerRecord* pick = nullptr;
    for (auto& t : ws.FTimers)
        if (t.Due <= now && (!pick || t.Due < pick->Due)) pick = &t;
    if (!pick) return false;
    pick->Due = now + pick->Elapse;
    out = TMsg{};
    out.hwnd = pick->Wnd;
    out.message = WM_TIMER;
    out.wParam = pick->Id;
    out.time = now;
    out.pt = ws.FCursorPos;
    return true;
}
