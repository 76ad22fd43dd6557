#include "WindowManagerView.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

unsigned long TransientFor(_XDisplay* Dpy, unsigned long W) {
    Window owner = 0;
    return XGetTransientForHint(Dpy, W, &owner) ? owner : 0;
}

std::vector<std::string> AtomNames(_XDisplay* Dpy, unsigned long W, const char* Property) {
    Atom actual;
    int format;
    unsigned long n, after;
    unsigned char* data = nullptr;
    std::vector<std::string> out;
    if (XGetWindowProperty(Dpy, W, XInternAtom(Dpy, Property, False), 0, 64, False, XA_ATOM, &actual, &format,
                           &n, &after, &data) == Success &&
        data)
        for (unsigned long i = 0; i < n; ++i) {
            char* name = XGetAtomName(Dpy, reinterpret_cast<Atom*>(data)[i]);
            out.emplace_back(name ? name : "");
            if (name) XFree(name);
        }
    if (data) XFree(data);
    return out;
}
