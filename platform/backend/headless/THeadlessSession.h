#pragma once

#include "platform/backend/headless/THeadlessBackend.h"
#include "platform/win/WinApi.h"

#include <functional>
#include <string_view>

// The test driver: starts the window system on a headless backend for the
// life of the object (virtual clock by default), injects input at screen
// coordinates, pumps until idle, moves the clock with timers ticking on
// time, and takes screenshots.
class THeadlessSession {
public:
    explicit THeadlessSession(bool virtualClock = true);
    ~THeadlessSession();
    THeadlessSession(const THeadlessSession&) = delete;
    THeadlessSession& operator=(const THeadlessSession&) = delete;

    THeadlessBackend& Backend() { return *FBackend; }

    // ---- Input (queued; Pump delivers it)
    void MouseMove(TPoint p);
    void MouseDown(TPoint p, TMouseButton button = TMouseButton::mbLeft);
    void MouseUp(TPoint p, TMouseButton button = TMouseButton::mbLeft);
    // Move there, press, release.
    void Click(TPoint p, TMouseButton button = TMouseButton::mbLeft);
    // Press at from, move in steps to to, release there.
    void Drag(TPoint from, TPoint to, int steps = 4, TMouseButton button = TMouseButton::mbLeft);
    void Wheel(int delta, TPoint p);
    void KeyDown(int vkey);
    void KeyUp(int vkey);
    void Key(int vkey); // down and up
    // Characters of a UTF-8 text, one WM_CHAR each.
    void Type(std::string_view text);

    // ---- Running
    // Dispatches until nothing is left (a quit request stops it and stays pending).
    void Pump();
    // Moves the virtual clock on by ms, stopping at each timer's due time to
    // let it tick, and pumps.
    void Advance(uint64_t ms);
    // Moves the virtual clock only; nothing runs.
    void Skip(uint64_t ms);
    // Pumps and serves queued calls until done() holds or timeoutMs of real
    // time passed; returns done().
    bool RunUntil(const std::function<bool()>& done, int timeoutMs = 5000);

    // ---- Pixels
    TBitmap Screenshot() const { return FBackend->Screenshot(); }
    // The window's picture as its surface last showed it (top-level windows).
    TBitmap WindowShot(HWND wnd) const;

private:
    THeadlessBackend* FBackend;
};
