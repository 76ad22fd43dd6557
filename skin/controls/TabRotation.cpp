#include "skin/controls/TabRotation.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "skin/engine/TlxEffectBmp.h"

namespace {

TlxEffectBmp Turned(const TBitmap& Bitmap, bool Left) {
    const TlxEffectBmp source = TlxEffectBmp::CreateFromhWnd(Bitmap);
    TlxEffectBmp turned(Bitmap.Height(), Bitmap.Width());
    if (Left)
        source.Rotate90_1(turned);
    else
        source.Rotate90_2(turned);
    return turned;
}

} // namespace

void DrawRotated90Left(TCanvas* Canvas, const TBitmap& Bitmap, int X, int Y) {
    if (!Bitmap.Empty()) Turned(Bitmap, true).Draw(Canvas->Handle(), X, Y);
}

void DrawRotated90Right(TCanvas* Canvas, const TBitmap& Bitmap, int X, int Y) {
    if (!Bitmap.Empty()) Turned(Bitmap, false).Draw(Canvas->Handle(), X, Y);
}

void RotateBitmap90Left(TBitmap& Bitmap) {
    if (!Bitmap.Empty()) Turned(Bitmap, true).ToBitmap(Bitmap);
}

void RotateBitmap90Right(TBitmap& Bitmap) {
    if (!Bitmap.Empty()) Turned(Bitmap, false).ToBitmap(Bitmap);
}

void FlipBitmapVert(TBitmap& Bitmap) {
    if (Bitmap.Empty()) return;
    const TlxEffectBmp source = TlxEffectBmp::CreateFromhWnd(Bitmap);
    TlxEffectBmp flipped(Bitmap.Width(), Bitmap.Height());
    source.FlipVert(flipped);
    flipped.ToBitmap(Bitmap);
}
