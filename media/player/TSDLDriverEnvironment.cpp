#include "media/player/TSDLDriverEnvironment.h"

#include <cstdlib>

const char* SDLAudioDriverName(TAudioDriver ADriver) {
    switch (ADriver) {
    case adDirectSound:
        return "pulse";
    case adWaveOut:
        return "alsa";
    case adDummy:
        return "dummy";
    case adDisk:
        return "disk";
    default:
        return nullptr;
    }
}

const char* SDLVideoDriverName(TVideoDriver ADriver) {
    switch (ADriver) {
    case vdDirectDraw:
    case vdGDI:
        return "x11";
    case vdDummy:
        return "dummy";
    default:
        return nullptr;
    }
}

void TSDLDriverEnvironment::Apply(const char* AName) {
    std::lock_guard lock(FLock);
    const char* now = std::getenv(FVariable.c_str());
    if (!FChecked) {
        FChecked = true;
        FCallerOwned = now != nullptr;
    } else if (!FCallerOwned) {
        // Somebody else wrote it since our last look.
        if (FWritten ? (!now || FValue != now) : now != nullptr) FCallerOwned = true;
    }
    if (FCallerOwned) return;
    if (AName) {
        if (FWritten && FValue == AName) return;
        setenv(FVariable.c_str(), AName, 1);
        FValue = AName;
        FWritten = true;
    } else if (FWritten) {
        unsetenv(FVariable.c_str());
        FValue.clear();
        FWritten = false;
    }
}

bool TSDLDriverEnvironment::CallerOwned() const {
    std::lock_guard lock(FLock);
    return FCallerOwned;
}

TSDLDriverEnvironment& TSDLDriverEnvironment::Audio() {
    static TSDLDriverEnvironment env("SDL_AUDIODRIVER");
    return env;
}

TSDLDriverEnvironment& TSDLDriverEnvironment::Video() {
    static TSDLDriverEnvironment env("SDL_VIDEODRIVER");
    return env;
}
