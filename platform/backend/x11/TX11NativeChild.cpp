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
    : FParent(parent), FDisplay(parent->FDisplay), FBounds(r), FClip(r) {
    Display* dpy = FDisplay;
    int screen = parent->FOwner->Screen();
    XVisualInfo vi;
    if (!XMatchVisualInfo(dpy, screen, 24, TrueColor, &vi))
        throw Exception("The display has no 24-bit visual.");
    FColormap = XCreateColormap(dpy, parent->FOwner->Root(), vi.visual, AllocNone);
    XSetWindowAttributes a{};
    a.colormap = FColormap;
    a.border_pixel = 0;
    // Black: what the server shows in a newly exposed part until the library
    // draws again is the colour of the bars around a fitted picture.
    a.background_pixel = BlackPixel(dpy, screen);
    // The clip window selects nothing: presses go on to the top-level window.
    FClipWindow = XCreateWindow(dpy, parent->XWindow(), r.Left, r.Top, Extent(r.Width()), Extent(r.Height()),
                                0, 24, InputOutput, vi.visual, CWColormap | CWBorderPixel | CWBackPixel, &a);
    // The library that borrows the window selects nothing on it: we watch its
    // exposures and sizes for it. Input stays unselected, so presses go on to
    // the top-level window.
    a.event_mask = ExposureMask | StructureNotifyMask;
    FWindow = XCreateWindow(dpy, FClipWindow, 0, 0, Extent(r.Width()), Extent(r.Height()), 0, 24, InputOutput,
                            vi.visual, CWColormap | CWBorderPixel | CWBackPixel | CWEventMask, &a);
    FWidth = static_cast<int>(Extent(r.Width()));
    FHeight = static_cast<int>(Extent(r.Height()));
    XMapWindow(dpy, FWindow);
    XMapWindow(dpy, FClipWindow);
    // The id goes to another connection: it must exist there already.
    XSync(dpy, False);
    parent->AddNativeChild(this);
}

TX11NativeChild::~TX11NativeChild() {
    if (FParent) {
        FParent->RemoveNativeChild(this);
        XDestroyWindow(FDisplay, FClipWindow); // and the borrowed window in it
    }
    XFreeColormap(FDisplay, FColormap);
    XFlush(FDisplay);
}

void TX11NativeChild::ParentGone() {
    FParent = nullptr;
}

void TX11NativeChild::Exposed(int count) {
    // The last of a run of exposures stands for them all.
    if (count == 0 && OnExpose) OnExpose();
}

void TX11NativeChild::Configured(int width, int height) {
    if (width == FWidth && height == FHeight) return; // moved, not sized
    FWidth = width;
    FHeight = height;
    if (OnResize) OnResize(width, height);
}

void TX11NativeChild::SetBounds(const TRect& r, const TRect& clip) {
    if (!FParent) return;
    // Nothing of it shows (it is hidden meanwhile): the clip window stays,
    // the borrowed window still takes its new size.
    const TRect c = IsRectEmpty(clip) ? FClip : clip;
    if (r == FBounds && c == FClip) return;
    if (c != FClip)
        XMoveResizeWindow(FDisplay, FClipWindow, c.Left, c.Top, Extent(c.Width()), Extent(c.Height()));
    XMoveResizeWindow(FDisplay, FWindow, r.Left - c.Left, r.Top - c.Top, Extent(r.Width()),
                      Extent(r.Height()));
    FBounds = r;
    FClip = c;
    XFlush(FDisplay);
}

void TX11NativeChild::Clear() {
    if (!FParent) return;
    XClearWindow(FDisplay, FWindow);
    XFlush(FDisplay);
}

void TX11NativeChild::SetVisible(bool visible) {
    if (!FParent || visible == FVisible) return;
    FVisible = visible;
    if (visible) {
        XMapWindow(FDisplay, FWindow);
        XMapWindow(FDisplay, FClipWindow);
    } else {
        XUnmapWindow(FDisplay, FClipWindow);
        XUnmapWindow(FDisplay, FWindow);
    }
    XFlush(FDisplay);
}
