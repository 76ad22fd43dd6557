#pragma once

// Another client's reading of a window's pixels, kept apart from the
// framework's headers (Xlib's names clash with them).

struct _XDisplay;

// The pixel at (AX, AY) of window AWindow as the server holds it
// (0xRRGGBB), or 0xDEAD when it cannot be read.
unsigned long WindowPixel(_XDisplay* ADisplay, unsigned long AWindow, int AX, int AY);
