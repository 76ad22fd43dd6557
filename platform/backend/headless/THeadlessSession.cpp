#include "platform/backend/headless/THeadlessSession.h"

#include "platform/sys/MainThread.h"
#include "platform/win/WinInternal.h"

#include <chrono>

THeadlessSession::THeadlessSession(bool virtualClock) {
    auto backend = std::make_unique<THeadlessBackend>();
    backend->SetVirtualClock(virtualClock);
    FBackend = backend.get();
    InitWindowSystem(std::move(backend));
}

THeadlessSession::~THeadlessSession() {
    DoneWindowSystem();
}

namespace {

void Queue(TRawInputKind kind, TPoint p, TMouseButton b = TMouseButton::mbLeft) {
    TRawInput in;
    in.Kind = kind;
    in.Pos = p;
    in.Button = b;
    QueueRawInput(in);
}

} // namespace

void THeadlessSession::MouseMove(TPoint p) {
    Queue(TRawInputKind::riMouseMove, p);
}
void THeadlessSession::MouseDown(TPoint p, TMouseButton b) {
    Queue(TRawInputKind::riButtonDown, p, b);
}
void THeadlessSession::MouseUp(TPoint p, TMouseButton b) {
    Queue(TRawInputKind::riButtonUp, p, b);
}

void THeadlessSession::Click(TPoint p, TMouseButton b) {
    MouseMove(p);
    MouseDown(p, b);
    MouseUp(p, b);
}

void THeadlessSession::Drag(TPoint from, TPoint to, int steps, TMouseButton b) {
    MouseMove(from);
    MouseDown(from, b);
    steps = std::max(steps, 1);
    for (int i = 1; i <= steps; ++i)
        MouseMove({from.X + (to.X - from.X) * i / steps, from.Y + (to.Y - from.Y) * i / steps});
    MouseUp(to, b);
}

void THeadlessSession::Wheel(int delta, TPoint p) {
    TRawInput in;
    in.Kind = TRawInputKind::riWheel;
    in.Pos = p;
    in.WheelDelta = delta;
    QueueRawInput(in);
}

void THeadlessSession::KeyDown(int vkey) {
    TRawInput in;
    in.Kind = TRawInputKind::riKeyDown;
    in.VKey = vkey;
    QueueRawInput(in);
}

void THeadlessSession::KeyUp(int vkey) {
    TRawInput in;
    in.Kind = TRawInputKind::riKeyUp;
    in.VKey = vkey;
    QueueRawInput(in);
}

void THeadlessSession::Key(int vkey) {
    KeyDown(vkey);
    KeyUp(vkey);
}

void THeadlessSession::Type(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        auto c = static_cast<unsigned char>(text[i]);
        int len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        uint32_t cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
        for (int k = 1; k < len && i + k < text.size(); ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        i += len;
        TRawInput in;
        in.Kind = TRawInputKind::riChar;
        in.Char = cp;
        QueueRawInput(in);
    }
}

void THeadlessSession::Pump() {
    PumpPendingMessages(false);
}

void THeadlessSession::Advance(uint64_t ms) {
    uint64_t target = FBackend->TickCount() + ms;
    for (;;) {
        Pump();
        if (QuitPending()) break;
        uint64_t due = NextTimerDue();
        if (due > target) break;
        FBackend->SetTime(std::max(due, FBackend->TickCount()));
        // Timers are made only when the queue is empty: one pass takes them all.
        Pump();
        if (NextTimerDue() <= FBackend->TickCount() && !AnyQueued(false))
            break; // cannot happen: a due timer always gives a message
    }
    FBackend->SetTime(std::max(target, FBackend->TickCount()));
    Pump();
}

void THeadlessSession::Skip(uint64_t ms) {
    FBackend->AdvanceTime(ms);
}

bool THeadlessSession::RunUntil(const std::function<bool()>& done, int timeoutMs) {
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end) return done();
        Pump();
        if (done()) return true;
        WaitMessage(5);
    }
    return true;
}

TBitmap THeadlessSession::WindowShot(HWND wnd) const {
    if (auto* s = FBackend->SurfaceOf(wnd)) return s->Pixels();
    return {};
}
