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

unsigned long StartFakeCompositor(_XDisplay* Display) {
    Window cm = XCreateSimpleWindow(Display, DefaultRootWindow(Display), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(Display, XInternAtom(Display, "_NET_WM_CM_S0", False), cm, CurrentTime);
    XSync(Display, False);
    return cm;
}

void StopFakeCompositor(_XDisplay* Display, unsigned long Id) {
    XDestroyWindow(Display, Id);
    XSync(Display, False);
}

std::vector<unsigned long> ViewableRootStack(_XDisplay* Display) {
    Window root = 0, parent = 0, *kids = nullptr;
    unsigned n = 0;
    std::vector<unsigned long> out;
    if (!XQueryTree(Display, DefaultRootWindow(Display), &root, &parent, &kids, &n)) return out;
    for (unsigned i = 0; i < n; ++i) {
        XWindowAttributes wa;
        if (XGetWindowAttributes(Display, kids[i], &wa) && wa.map_state == IsViewable) out.push_back(kids[i]);
    }
    if (kids) XFree(kids);
    return out;
}

int WindowDepth(_XDisplay* Display, unsigned long Id) {
    XWindowAttributes wa;
    return XGetWindowAttributes(Display, Id, &wa) ? wa.depth : 0;
}

unsigned long MapRaisedWindow(_XDisplay* Display, const TRect& R) {
    Window w = XCreateSimpleWindow(Display, DefaultRootWindow(Display), R.Left, R.Top,
                                   static_cast<unsigned>(R.Width()), static_cast<unsigned>(R.Height()), 0, 0,
                                   0xFFFFFF);
    XMapRaised(Display, w);
    XSync(Display, False);
    return w;
}
