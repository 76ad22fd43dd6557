#pragma once

#include "platform/base/Exception.h"
#include "platform/base/Types.h"
#include "platform/gdi/TDeviceContext.h"

#include <cstdint>

// The skin engine's 32-bit pixel, 0xAARRGGBB (bytes blue, green, red, alpha
// in memory); alpha 0 is fully transparent, 255 opaque.
using TlxColor = uint32_t;
using PlxColorArray = TlxColor*;

// Pixels whose low 24 bits are this value (red 127, green 0, blue 127) are
// transparent in bitmaps whose Transparent flag is set.
constexpr TlxColor lxKeyColor = 0x007F007F;

// Clamps red, green and blue to 0..255 and packs A shl 24 + R shl 16 + G shl 8 + B.
TlxColor MakeBitmapColor(int R, int G, int B, int A);
// A colour 0x00BBGGRR (system colours resolved) as the opaque pixel 0xFFRRGGBB.
TlxColor ToBitmapColor(TColor Color);

// Every blend of the engine is the one straight-alpha source-over of the
// drawing layer (platform/gdi/Blend.h): F's alpha 0 keeps B, 255 stores F,
// anything between mixes by the formula, whatever the processor.
TlxColor PixelBlend(TlxColor F, TlxColor B);

// Line routines; a count of 0 or less does nothing.
void LineBlend(const TlxColor* Src, TlxColor* Dst, int Count);
// Source pixels whose low 24 bits are the key colour leave Dst unchanged (the
// alpha byte is not part of the test); the others are stored opaque.
void LineKeyCopy(const TlxColor* Src, TlxColor* Dst, int Count);
// Overlapping runs are allowed.
void LineCopy(const TlxColor* Src, TlxColor* Dst, int Count);
void LineFill(TlxColor* Dst, int Count, TlxColor Color);
void LineAlpha(TlxColor* Dst, int Count, Byte Alpha);
// Rectangle routines over a top-down array of row length Width; the
// coordinates are inclusive and an empty rectangle does nothing.
void RectFill(TlxColor* Bits, int Width, TlxColor Color, int Left, int Top, int Right, int Bottom);
void RectAlpha(TlxColor* Bits, int Width, Byte Alpha, int Left, int Top, int Right, int Bottom);

// The source index of destination index U when SrcLen samples are scaled to
// DstLen with the end points aligned: nearest(U * (SrcLen - 1) / (DstLen - 1)),
// ties to even; a destination of fewer than 2 samples takes the middle one.
// The result is relative to the source's start.
int ScaledSourceIndex(int U, int SrcLen, int DstLen);

class TlxBitmap;

// A broken call contract (a missing bitmap); message "Assertion failure".
class EAssertionFailed : public Exception {
public:
    EAssertionFailed() : Exception("Assertion failure") {}
};

// How a bitmap is put onto its target: copied, blended by its alpha, or
// copied skipping key-colour pixels.
enum class TlxDrawMode { dmCopy, dmBlend, dmKey };
using enum TlxDrawMode;

// The mode a bitmap's flags select: AlphaBlend first, then Transparent.
TlxDrawMode DrawModeOf(const TlxBitmap& Bitmap);

// Bitmap engines: SrcRect of Bitmap into DstRect of Target, clipped to the
// target. Nothing when SrcRect is empty or not inside Bitmap, or when nothing
// of DstRect is inside Target. Equal sizes copy row by row (the source start
// moves with the clipped destination corner); other sizes sample the nearest
// source pixel with ScaledSourceIndex. A missing bitmap is a programming
// error: EAssertionFailed.
void BitmapDraw(TlxBitmap* Target, const TRect& DstRect, const TlxBitmap* Bitmap, const TRect& SrcRect,
                TlxDrawMode Mode);

// Device-context engines. Copy: a stretching copy through the context.
// Blend and key: the pixels under DstRect are read into a temporary bitmap,
// Bitmap is drawn into it with the bitmap engine, and the result is copied
// back, so the context's clipping and origin apply.
void DCDraw(HDC DC, const TRect& DstRect, const TlxBitmap* Bitmap, const TRect& SrcRect, TlxDrawMode Mode);
