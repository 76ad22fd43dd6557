#include "XClientProbe.h"

#include "platform/backend/x11/X11Internal.h"

#include <X11/Xlib.h>
#include <X11/extensions/shape.h>

std::vector<TRect> BoundingShape(_XDisplay* Display, unsigned long Id) {
    int count = 0, ordering = 0;
    XRectangle* rects = XShapeGetRectangles(Display, Id, ShapeBounding, &count, &ordering);
    std::vector<TRect> out;
    for (int i = 0; i < count; ++i)
        out.push_back(Bounds(rects[i].x, rects[i].y, rects[i].width, rects[i].height));
    if (rects) XFree(rects);
    return out;
}

void SendCloseRequest(_XDisplay* Display, unsigned long Id) {
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = Id;
    ev.xclient.message_type = XInternAtom(Display, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(XInternAtom(Display, "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(Display, Id, False, NoEventMask, &ev);
    XFlush(Display);
}

unsigned long WindowSystemXErrors() {
    return X11ErrorCount();
}
