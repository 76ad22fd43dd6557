#include "XPixelProbe.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

unsigned long WindowPixel(_XDisplay* ADisplay, unsigned long AWindow, int AX, int AY) {
    XImage* image = XGetImage(ADisplay, AWindow, AX, AY, 1, 1, AllPlanes, ZPixmap);
    if (!image) return 0xDEAD;
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
    XDestroyImage(image);
    return pixel;
}
