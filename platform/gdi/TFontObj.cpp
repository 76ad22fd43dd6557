#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/TFontFace.h"

std::shared_ptr<TFontFace> TFontObj::Face() {
    if (!FFace) FFace = TFontFace::Get(LogFont);
    return FFace;
}
