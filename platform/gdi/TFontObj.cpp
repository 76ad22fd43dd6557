#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/TFontFace.h"

#include <mutex>

std::shared_ptr<TFontFace> TFontObj::Face() {
    if (!Stock) {
        if (!FFace) FFace = TFontFace::Get(LogFont);
        return FFace;
    }
    // The stock font is every device context's default, on whatever thread
    // draws: its face is resolved once, under a lock.
    static std::mutex lock;
    std::lock_guard guard(lock);
    if (!FFace) FFace = TFontFace::Get(LogFont);
    return FFace;
}
