#pragma once

#include "platform/win/WinTypes.h"
#include "platform/win/WindowBackend.h"

#include <functional>
#include <memory>

// A real window of the display covering the client area of a window of ours
// (the host), for a library that needs a window id to draw into: the video
// screen embeds into it. It follows the host's size, place and visibility
// while both live, as its ancestors give them: a hidden ancestor (a page
// control's other tab) hides it, a moved one moves it, and only what every
// ancestor's client area leaves of it shows. The native window is made once and never recreated; with
// a backend that has no native windows (headless) WindowId() is 0.
//
// The library selects no events on the window it borrows: OnExpose and
// OnResize tell it what the display reports (on the GUI thread). A press in
// it gives the host the keyboard focus.
class TNativeChildWindow {
public:
    explicit TNativeChildWindow(HWND host);
    ~TNativeChildWindow();
    TNativeChildWindow(const TNativeChildWindow&) = delete;
    TNativeChildWindow& operator=(const TNativeChildWindow&) = delete;

    HWND Host() const { return FHost; }
    // The display's window id (an X window id), mapped and synced; 0 when none.
    uintptr_t WindowId() const { return FChild ? FChild->WindowId() : 0; }
    // Puts the native window back over the host's client area (done by
    // itself when the host or an ancestor moves, sizes, shows or hides).
    void Follow();
    // Fills the native window with its background (black), taking away the
    // last picture a library drew into it.
    void Clear();
    // The host's client size (what the native window covers).
    int ClientWidth() const;
    int ClientHeight() const;

    // Part of the window must be drawn again.
    std::function<void()> OnExpose;
    // The display has given the window a new size.
    std::function<void(int AWidth, int AHeight)> OnResize;
    // This object is being destroyed: whoever holds it lets go.
    std::function<void()> OnDestroy;

private:
    // The host went (or this object goes): the native window goes with it.
    void Release();

    HWND FHost;
    THandlerId FHandler = 0;
    std::unique_ptr<TNativeChild> FChild;
};
