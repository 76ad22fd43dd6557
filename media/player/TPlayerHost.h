#pragma once

#include <cstdint>
#include <functional>

class TNativeChildWindow;

// The window a player shows its video in: a native child window of ours.
// SDL's video init reads its id from SDL_WINDOWID; SDL selects no events on
// a window it borrows, so while forwarding, the window's exposures and size
// changes are pushed to SDL's event queue and the play thread redraws on
// them. The window is let go of when it is destroyed first. GUI thread.
class TPlayerHost {
public:
    TPlayerHost() = default;
    ~TPlayerHost() { SetWindow(nullptr); }
    TPlayerHost(const TPlayerHost&) = delete;
    TPlayerHost& operator=(const TPlayerHost&) = delete;

    // SDL_WINDOWID for the next SDL video init: AId in decimal, or unset for
    // a window of SDL's own. Written only when the value changes (setenv
    // races getenv on other threads), and never over a value someone else
    // put there.
    static void SetWindowIdVariable(uintptr_t AId);

    TNativeChildWindow* Window() const { return FWindow; }
    // Handlers the window had are still called; a new window stops forwarding.
    void SetWindow(TNativeChildWindow* AWindow);
    // Between them SDL must be initialised.
    void StartForwarding() { FForwarding = FWindow != nullptr; }
    void StopForwarding() { FForwarding = false; }

private:
    TNativeChildWindow* FWindow = nullptr;
    bool FForwarding = false;
    std::function<void()> FPrevExpose;
    std::function<void(int, int)> FPrevResize;
    std::function<void()> FPrevDestroy;
};
