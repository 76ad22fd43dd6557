#pragma once

#include "skin/engine/SkinTypes.h"

class TBitmap;
class TlxEffectBmp;

// From moved toward To by Kf (0 From, 1 To) with the transition Kind names.
void MorphImage(TlxEffectBmp& From, const TlxEffectBmp& To, TlxMorphKind Kind, double Kf);

// The same on two bitmaps of one size: Out is the 24-bit result, opaque.
void MorphBitmaps(const TBitmap& From, const TBitmap& To, TlxMorphKind Kind, double Kf, TBitmap& Out);
