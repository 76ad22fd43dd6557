#include "media/player/TPlayerHost.h"

#include "media/AVBindings.h"
#include "platform/win/TNativeChildWindow.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace {

constexpr const char* WindowIdName = "SDL_WINDOWID";

// What this process last wrote (nullopt: nothing yet; "": unset by us).
std::optional<std::string>& Written() {
    static std::optional<std::string> value;
    return value;
}

void PushScreenEvent(SDL_Event& AEvent) {
    // Thread-safe; a full queue drops the event (the next one redraws).
    sdl::SDL_PushEvent(&AEvent);
}

} // namespace

void TPlayerHost::SetWindowIdVariable(uintptr_t AId) {
    const char* now = std::getenv(WindowIdName);
    std::optional<std::string>& written = Written();
    // Someone else's value (present before our first write, or changed since
    // our last one) stays.
    const bool ours = written ? (now ? *written == now : written->empty()) : now == nullptr;
    if (!ours) return;
    const std::string wanted = AId ? std::to_string(AId) : std::string();
    if (written && *written == wanted) return;
    if (wanted.empty())
        unsetenv(WindowIdName);
    else
        setenv(WindowIdName, wanted.c_str(), 1);
    written = wanted;
}

void TPlayerHost::SetWindow(TNativeChildWindow* AWindow) {
    if (AWindow == FWindow) return;
    FForwarding = false;
    if (FWindow) {
        FWindow->OnExpose = std::move(FPrevExpose);
        FWindow->OnResize = std::move(FPrevResize);
        FWindow->OnDestroy = std::move(FPrevDestroy);
        FPrevExpose = nullptr;
        FPrevResize = nullptr;
        FPrevDestroy = nullptr;
    }
    FWindow = AWindow;
    if (!AWindow) return;
    FPrevExpose = AWindow->OnExpose;
    FPrevResize = AWindow->OnResize;
    FPrevDestroy = AWindow->OnDestroy;
    AWindow->OnExpose = [this] {
        if (FPrevExpose) FPrevExpose();
        if (!FForwarding) return;
        SDL_Event event{};
        event.type = SDL_VIDEOEXPOSE;
        PushScreenEvent(event);
    };
    AWindow->OnResize = [this](int AWidth, int AHeight) {
        if (FPrevResize) FPrevResize(AWidth, AHeight);
        if (!FForwarding) return;
        SDL_Event event{};
        event.type = SDL_VIDEORESIZE;
        event.resize.w = AWidth;
        event.resize.h = AHeight;
        PushScreenEvent(event);
    };
    AWindow->OnDestroy = [this] {
        // The window goes first: SDL may still draw into its dead id (the
        // server reports errors, nothing worse); nothing more reaches it.
        auto prev = std::move(FPrevDestroy);
        FPrevExpose = nullptr;
        FPrevResize = nullptr;
        FForwarding = false;
        FWindow = nullptr;
        if (prev) prev();
    };
}
