#pragma once

#include <cstdint>
#include <functional>

class TNativeChildWindow;

// The window a player shows its video in: a native child window of ours.
// SDL's video init reads its id from SDL_WINDOWID; SDL selects no events on
// a window it borrows, so the window's exposures and size changes are pushed
// to SDL's event queue here and the play thread redraws on them. GUI thread.
class TPlayerHost {
public:
    TPlayerHost() = default;
    ~TPlayerHost() { Detach(); }
    TPlayerHost(const TPlayerHost&) = delete;
    TPlayerHost& operator=(const TPlayerHost&) = delete;

    // SDL_WINDOWID for the next SDL video init: AId in decimal, or unset for
    // a window of SDL's own. Written only when the value changes (setenv
    // races getenv on other threads), and never over a value someone else
    // put there.
    static void SetWindowIdVariable(uintptr_t AId);

    // Forwards AWindow's reports to SDL until Detach (SDL must be
    // initialised meanwhile). Handlers the window had are still called.
    void Attach(TNativeChildWindow* AWindow);
    void Detach();
    TNativeChildWindow* Window() const { return FWindow; }

private:
    TNativeChildWindow* FWindow = nullptr;
    std::function<void()> FPrevExpose;
    std::function<void(int, int)> FPrevResize;
};
