#pragma once

#include "media/player/PlayerTypes.h"

#include <mutex>
#include <string>

// SDL's driver names on this platform; null leaves the choice to SDL.
const char* SDLAudioDriverName(TAudioDriver ADriver);
const char* SDLVideoDriverName(TVideoDriver ADriver);

// Keeps one driver variable of the process environment (SDL_AUDIODRIVER,
// SDL_VIDEODRIVER) at the player's setting, but only while nobody else owns
// it: a value present at the first use (the caller's, a test harness's) or
// changed since our last write is never overwritten again. Written with
// setenv (SDL keeps the pointer of a putenv string) and only when the wanted
// value changes, since setenv races every getenv of other threads.
class TSDLDriverEnvironment {
public:
    explicit TSDLDriverEnvironment(std::string AVariable) : FVariable(std::move(AVariable)) {}

    // AName null: the default, the variable is removed (if we set it).
    void Apply(const char* AName);
    bool CallerOwned() const;

    // The process's two variables.
    static TSDLDriverEnvironment& Audio();
    static TSDLDriverEnvironment& Video();

private:
    const std::string FVariable;
    mutable std::mutex FLock;
    bool FChecked = false;
    bool FCallerOwned = false;
    bool FWritten = false; // FValue is what we wrote
    std::string FValue;
};
