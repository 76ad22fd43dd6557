#pragma once

#include "SkinPainter.h"

#include "platform/gdi/TBitmap.h"

#include <functional>

// Draws with the skins' painter onto a transparent 32-bit picture. The
// drawing runs once over black and once over white; the difference of the two
// gives each pixel's coverage, so anti-aliased edges keep their true colour
// over any background instead of a fringe of a key colour.
TBitmap AlphaPicture(int Width, int Height, const std::function<void(TSkinPainter&)>& Draw);

// The disabled look of a picture: its brightness in light grays, faded.
TBitmap DisabledPicture(const TBitmap& Picture);
