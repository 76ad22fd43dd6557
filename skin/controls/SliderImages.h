#pragma once

#include "platform/gdi/TBitmap.h"
#include "skin/controls/TlxSkinCustomSlider.h"

// The slider's four built-in pictures, drawn in sixteen-colour style with a
// fuchsia key in every corner: the horizontal thumb (two 9 x 17 states side
// by side, normal and pressed, pointing down), the horizontal ruler (10 x 8),
// the vertical thumb (two 19 x 9 states, pointing right) and the vertical
// ruler (8 x 10).
TBitmap SliderBuiltInImage(TlxSliderImage Which);
// Their key colour: a thumb's bottom-left pixel is part of its edge.
constexpr TColor SliderImageKey = 0x00FF00FF;
