#include "platform/backend/x11/TX11NativeChild.h"

#include "platform/backend/x11/TX11Backend.h"
#include "platform/backend/x11/TX11Surface.h"

#include "platform/base/Exception.h"

#include <algorithm>

namespace {

unsigned Extent(int v) {
    return static_cast<unsigned>(std::max(v, 1));
}

} // namespace

TX11NativeChild::TX11NativeChild(TX11Surface* parent, const TRect& r)
    : FParent(parent), FDisplay(parent->FDisplay), FBounds(r) {
    Display* dpy = FDisplay;
    int screen = parent->FOwner->Screen();
    XVisualInfo vi;
    if (!XMatchVisualInfo(dpy, screen, 24, TrueColor, &vi))
        throw Exception("The display has no 24-bit visual.");
    FColormap = XCreateColormap(dpy, parent->FOwner->Root(), vi.visual, AllocNone);
    XSetWindowAttributes a{};
    a.colormap = FColormap;
    a.border_pixel = 0;
    a.background_pixel = BlackPixel(dpy, screen);
    FWindow = XCreateWindow(dpy, parent->XWindow(), r.Left, r.Top, Extent(r.Width()), Extent(r.Height()), 0,
                            24, InputOutput, vi.visual, CWColormap | CWBorderPixel | CWBackPixel, &a);
    XMapWindow(dpy, FWindow);
    // The id goes to another connection: it must exist there already.
    XSync(dpy, False);
    parent->AddNativeChild(this);
}

TX11NativeChild::~TX11NativeChild() {
    if (FParent) {
        FParent->RemoveNativeChild(this);
        XDestroyWindow(FDisplay, FWindow);
    }
    XFreeColormap(FDisplay, FColormap);
    XFlush(FDisplay);
}

void TX11NativeChild::ParentGone() {
    FParent = nullptr;
}

void TX11NativeChild::SetBounds(const TRect& r) {
    if (!FParent || r == FBounds) return;
    FBounds = r;
    XMoveResizeWindow(FDisplay, FWindow, r.Left, r.Top, Extent(r.Width()), Extent(r.Height()));
    XFlush(FDisplay);
}

void TX11NativeChild::SetVisible(bool visible) {
    if (!FParent || visible == FVisible) return;
    FVisible = visible;
    if (visible)
        XMapWindow(FDisplay, FWindow);
    else
        XUnmapWindow(FDisplay, FWindow);
    XFlush(FDisplay);
}
