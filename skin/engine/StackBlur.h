#pragma once

class TlxBitmap;

// Blurs blue, green and red with the stack blur: weights Radius + 1 - |k|
// over 2 * Radius + 1 samples, along every row, then along every column of the
// row results, each pass dividing by (Radius + 1) squared. Samples beyond an
// edge take the edge pixel. Every pixel ends opaque. Nothing for Radius <= 0.
void StackBlur(TlxBitmap* Bitmap, int Radius);

// Bitmap's alpha := nearest((red + green + blue) / 3) of Mask's pixel at the
// same position (where Mask has one).
void SetAlphaFromMask(TlxBitmap* Bitmap, const TlxBitmap* Mask);
