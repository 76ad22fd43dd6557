#pragma once
// Copies the player's SDL surface on the play thread after each drawing,
// through the engine's screen probe.

#include "media/player/PlayerEngine.h"
#include "platform/sys/MainThread.h"
#include "tests/support/FixtureFrames.h"

#include <cstdlib>
#include <functional>
#include <mutex>
#include <vector>

struct ScreenShot {
    int Width = 0, Height = 0;
    double Pts = -1; // of the picture shown, seconds; -1 none
    std::vector<fixture::Rgb> Pixels;

    fixture::Rgb At(int x, int y) const { return Pixels[size_t(y) * size_t(Width) + size_t(x)]; }
    bool IsBlack(int x, int y, int ATolerance = 24) const {
        const fixture::Rgb p = At(x, y);
        return p.r <= ATolerance && p.g <= ATolerance && p.b <= ATolerance;
    }
};

class ScreenCapture {
public:
    // AEach, when given, sees every shot on the play thread.
    explicit ScreenCapture(std::function<void(const ScreenShot&)> AEach = {}) : FEach(std::move(AEach)) {
        SetScreenProbe([this](SDL_Surface* s, double pts) { Take(s, pts); });
    }
    ~ScreenCapture() { SetScreenProbe(nullptr); }
    ScreenCapture(const ScreenCapture&) = delete;
    ScreenCapture& operator=(const ScreenCapture&) = delete;

    int Count() {
        std::lock_guard lock(FLock);
        return FCount;
    }
    ScreenShot Last() {
        std::lock_guard lock(FLock);
        return FLast;
    }
    // Serves the GUI thread until a shot after the first AAfter ones meets APred.
    bool WaitFor(int AAfter, const std::function<bool(const ScreenShot&)>& APred, int ATimeoutMs = 5000) {
        return WaitServingFor(
            [&] {
                std::lock_guard lock(FLock);
                return FCount > AAfter && APred(FLast);
            },
            ATimeoutMs);
    }

private:
    void Take(SDL_Surface* s, double APts) {
        ScreenShot shot;
        shot.Width = s->w;
        shot.Height = s->h;
        shot.Pts = APts;
        const SDL_PixelFormat* f = s->format;
        if (f->BytesPerPixel == 4) {
            shot.Pixels.resize(size_t(s->w) * size_t(s->h));
            for (int y = 0; y < s->h; ++y) {
                const auto* row = reinterpret_cast<const Uint32*>(static_cast<const uint8_t*>(s->pixels) +
                                                                  size_t(y) * s->pitch);
                for (int x = 0; x < s->w; ++x) {
                    const Uint32 p = row[x];
                    shot.Pixels[size_t(y) * size_t(s->w) + size_t(x)] = {
                        uint8_t(((p & f->Rmask) >> f->Rshift) << f->Rloss),
                        uint8_t(((p & f->Gmask) >> f->Gshift) << f->Gloss),
                        uint8_t(((p & f->Bmask) >> f->Bshift) << f->Bloss)};
                }
            }
        }
        if (FEach) FEach(shot);
        std::lock_guard lock(FLock);
        FLast = std::move(shot);
        ++FCount;
    }

    std::function<void(const ScreenShot&)> FEach;
    std::mutex FLock;
    ScreenShot FLast;
    int FCount = 0;
};
