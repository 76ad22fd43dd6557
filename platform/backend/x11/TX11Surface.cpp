#include "platform/win/WinApi.h"

#include "platform/backend/x11/TX11Backend.h"
#include "platform/backend/x11/TX11NativeChild.h"
#include "platform/backend/x11/TX11Surface.h"

#include <X11/extensions/shape.h>

#include <sys/ipc.h>
#include <sys/shm.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace {

inline uint32_t Div255(uint32_t v) {
    return (v + 127) / 255;
}

// Motif hints: the decorations field alone, set to none.
struct TMotifHints {
    unsigned long Flags = 2;
    unsigned long Functions = 0;
    unsigned long Decorations = 0;
    long InputMode = 0;
    unsigned long StatusField = 0;
};

bool Contains(const std::string& s, const char* part) {
    return s.find(part) != std::string::npos;
}

const char* ProgramName() {
    static std::string name = [] {
        char buf[4096];
        ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
        if (n <= 0) return std::string("duvavudezaruvove");
        std::string path(buf, static_cast<size_t>(n));
        return path.substr(path.find_last_of('/') + 1);
    }();
    return name.c_str();
}

} // namespace

TX11Surface::TX11Surface(TX11Backend* owner, HWND wnd, const TSurfaceParams& params)
    : FOwner(owner), FDisplay(owner->Display()), FWnd(wnd), FBounds(params.Bounds), FTitle(params.Title) {
    const auto style = static_cast<uint32_t>(GetWindowLongPtr(wnd, GWL_STYLE));
    const auto ex = static_cast<uint32_t>(GetWindowLongPtr(wnd, GWL_EXSTYLE));
    // Windows that must never take the focus or be placed by a window
    // manager: popups that refuse activation, tool popups (menus, hints,
    // glow layers) and click-through layers.
    FOverride = (ex & WS_EX_NOACTIVATE) || ((style & WS_POPUP) && (ex & WS_EX_TOOLWINDOW)) ||
                ((ex & WS_EX_LAYERED) && (ex & WS_EX_TRANSPARENT));
    FTopmost = params.Topmost;

    int screen = owner->Screen();
    FVisual = DefaultVisual(FDisplay, screen);
    FDepth = DefaultDepth(FDisplay, screen);
    XVisualInfo vi;
    if ((ex & WS_EX_LAYERED) && owner->LayeredSupported() &&
        XMatchVisualInfo(FDisplay, screen, 32, TrueColor, &vi)) {
        FArgb = true;
        FVisual = vi.visual;
        FDepth = 32;
    }
    XSetWindowAttributes a{};
    unsigned long mask = CWOverrideRedirect | CWEventMask | CWBackPixmap | CWBorderPixel | CWBitGravity;
    a.override_redirect = FOverride ? True : False;
    a.background_pixmap = None;
    a.border_pixel = 0;
    a.bit_gravity = NorthWestGravity;
    a.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask |
                   LeaveWindowMask | KeyPressMask | KeyReleaseMask | FocusChangeMask | StructureNotifyMask;
    if (FArgb) {
        FColormap = XCreateColormap(FDisplay, owner->Root(), FVisual, AllocNone);
        a.colormap = FColormap;
        mask |= CWColormap;
    }
    FWindow = XCreateWindow(FDisplay, owner->Root(), FBounds.Left, FBounds.Top,
                            static_cast<unsigned>(std::max(FBounds.Width(), 1)),
                            static_cast<unsigned>(std::max(FBounds.Height(), 1)), 0, FDepth, InputOutput,
                            FVisual, mask, &a);
    FGc = XCreateGC(FDisplay, FWindow, 0, nullptr);
    if (owner->FInputMethod && !FOverride) {
        XIC ic = XCreateIC(static_cast<XIM>(owner->FInputMethod), XNInputStyle,
                           XIMPreeditNothing | XIMStatusNothing, XNClientWindow, FWindow, XNFocusWindow,
                           FWindow, nullptr);
        FInputContext = ic;
        long extra = 0;
        if (ic && !XGetICValues(ic, XNFilterEvents, &extra, nullptr) && extra)
            XSelectInput(FDisplay, FWindow, a.event_mask | extra);
    }
    if ((ex & WS_EX_TRANSPARENT) && (ex & WS_EX_LAYERED) && owner->FShape)
        // Click-through: an empty input shape lets the pointer reach what is below.
        XShapeCombineRectangles(FDisplay, FWindow, ShapeInput, 0, 0, nullptr, 0, ShapeSet, Unsorted);
    WriteProperties();
    SetTitle(FTitle);
    if (owner->FCursorId) ApplyCursor(owner->CursorFor(owner->FCursorId));
    MakeImage();
}

TX11Surface::~TX11Surface() {
    for (auto* c : FChildren)
        c->ParentGone();
    if (FInputContext) XDestroyIC(static_cast<XIC>(FInputContext));
    DropImage();
    if (FGc) XFreeGC(FDisplay, FGc);
    if (FWindow) XDestroyWindow(FDisplay, FWindow);
    if (FColormap) XFreeColormap(FDisplay, FColormap);
    if (FOwner) FOwner->Forget(this);
}

void TX11Surface::RemoveNativeChild(TX11NativeChild* c) {
    std::erase(FChildren, c);
}

void TX11Surface::WriteProperties() {
    const TX11Atoms& at = FOwner->Atoms();
    const auto style = static_cast<uint32_t>(GetWindowLongPtr(FWnd, GWL_STYLE));
    const auto ex = static_cast<uint32_t>(GetWindowLongPtr(FWnd, GWL_EXSTYLE));
    HWND ownerWnd = GetWindow(FWnd, GW_OWNER);
    Window owner = ownerWnd ? FOwner->WindowOf(ownerWnd) : 0;

    XClassHint ch;
    std::string resName = ProgramName();
    std::string resClass = "Duvavudezaruvove";
    ch.res_name = resName.data();
    ch.res_class = resClass.data();
    XSetClassHint(FDisplay, FWindow, &ch);

    XWMHints hints{};
    hints.flags = InputHint | StateHint;
    hints.input = FOverride ? False : True;
    hints.initial_state = NormalState;
    XSetWMHints(FDisplay, FWindow, &hints);

    if (owner)
        XSetTransientForHint(FDisplay, FWindow, owner);
    else
        XDeleteProperty(FDisplay, FWindow, at.WM_TRANSIENT_FOR);

    Atom type;
    if (FOverride)
        type = Contains(GetClassName(FWnd), "Hint") ? at._NET_WM_WINDOW_TYPE_TOOLTIP
                                                    : at._NET_WM_WINDOW_TYPE_POPUP_MENU;
    else if (ex & WS_EX_TOOLWINDOW)
        type = at._NET_WM_WINDOW_TYPE_UTILITY;
    else
        type = owner ? at._NET_WM_WINDOW_TYPE_DIALOG : at._NET_WM_WINDOW_TYPE_NORMAL;
    XChangeProperty(FDisplay, FWindow, at._NET_WM_WINDOW_TYPE, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&type), 1);
    long pid = getpid();
    XChangeProperty(FDisplay, FWindow, at._NET_WM_PID, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&pid), 1);
    if (FOverride) return;

    // Our frame is drawn by us: the window manager adds none.
    TMotifHints motif;
    XChangeProperty(FDisplay, FWindow, at._MOTIF_WM_HINTS, at._MOTIF_WM_HINTS, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&motif), 5);
    Atom protocols[] = {at.WM_DELETE_WINDOW};
    XSetWMProtocols(FDisplay, FWindow, protocols, 1);

    TMinMaxInfo mm;
    mm.ptMinTrackSize = {1, 1};
    mm.ptMaxTrackSize = {INT32_MAX / 4, INT32_MAX / 4};
    if (style & WS_THICKFRAME) SendMessage(FWnd, WM_GETMINMAXINFO, 0, PtrToLParam(&mm));
    XSizeHints size{};
    size.flags = PPosition | USPosition | PMinSize;
    size.x = FBounds.Left;
    size.y = FBounds.Top;
    size.min_width = std::max(mm.ptMinTrackSize.X, 1);
    size.min_height = std::max(mm.ptMinTrackSize.Y, 1);
    XSetWMNormalHints(FDisplay, FWindow, &size);

    std::vector<Atom> states;
    if (FTopmost) states.push_back(at._NET_WM_STATE_ABOVE);
    if (ownerWnd && !IsWindowEnabled(ownerWnd)) states.push_back(at._NET_WM_STATE_MODAL);
    XChangeProperty(FDisplay, FWindow, at._NET_WM_STATE, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(states.data()), static_cast<int>(states.size()));
}

void TX11Surface::SetState(Atom state, bool on) {
    // A mapped window asks the window manager (EWMH); an unmapped one only
    // carries the property.
    const TX11Atoms& at = FOwner->Atoms();
    if (!FMapped) {
        WriteProperties();
        return;
    }
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = FWindow;
    ev.xclient.message_type = at._NET_WM_STATE;
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = on ? 1 : 0;
    ev.xclient.data.l[1] = static_cast<long>(state);
    ev.xclient.data.l[3] = 1;
    XSendEvent(FDisplay, FOwner->Root(), False, SubstructureRedirectMask | SubstructureNotifyMask, &ev);
}

void TX11Surface::SetBounds(const TRect& r) {
    if (r == FBounds) return;
    bool sized = r.Width() != FBounds.Width() || r.Height() != FBounds.Height();
    FBounds = r;
    FMoveSerial = NextRequest(FDisplay);
    XMoveResizeWindow(FDisplay, FWindow, r.Left, r.Top, static_cast<unsigned>(std::max(r.Width(), 1)),
                      static_cast<unsigned>(std::max(r.Height(), 1)));
    if (sized) MakeImage();
    SetVisible(FVisible); // an empty window is unmapped, a non-empty one mapped again
}

void TX11Surface::Moved(TPoint p) {
    OffsetRect(FBounds, p.X - FBounds.Left, p.Y - FBounds.Top);
}

void TX11Surface::SetVisible(bool visible) {
    FVisible = visible;
    bool want = visible && !IsRectEmpty(FBounds);
    bool topmost = (GetWindowLongPtr(FWnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (want && !FMapped) {
        FTopmost = topmost;
        if (!FIconified) WriteProperties();
        XMapWindow(FDisplay, FWindow);
        FMapped = true;
        FIconified = false;
        FDirty = Rect(0, 0, FBounds.Width(), FBounds.Height());
        FOwner->SurfaceMapped(this);
    } else if (!want && FMapped) {
        FMapped = false;
        if (!FOverride && IsIconic(FWnd) && FOwner->WindowManagerRunning()) {
            XIconifyWindow(FDisplay, FWindow, FOwner->Screen());
            FIconified = true;
        } else if (!FOverride) {
            XWithdrawWindow(FDisplay, FWindow, FOwner->Screen());
        } else {
            XUnmapWindow(FDisplay, FWindow);
        }
    } else if (want && topmost != FTopmost && !FOverride) {
        FTopmost = topmost;
        SetState(FOwner->Atoms()._NET_WM_STATE_ABOVE, topmost);
    }
}

void TX11Surface::SetTitle(const std::string& title) {
    FTitle = title;
    const TX11Atoms& at = FOwner->Atoms();
    auto* data = reinterpret_cast<const unsigned char*>(title.data());
    int n = static_cast<int>(title.size());
    XChangeProperty(FDisplay, FWindow, at._NET_WM_NAME, at.UTF8_STRING, 8, PropModeReplace, data, n);
    XChangeProperty(FDisplay, FWindow, XA_WM_NAME, at.UTF8_STRING, 8, PropModeReplace, data, n);
}

void TX11Surface::MakeImage() {
    DropImage();
    int w = std::max(FBounds.Width(), 1), h = std::max(FBounds.Height(), 1);
    if (FOwner->ShmAvailable()) {
        FImage = XShmCreateImage(FDisplay, FVisual, static_cast<unsigned>(FDepth), ZPixmap, nullptr,
                                 &FShmInfo, static_cast<unsigned>(w), static_cast<unsigned>(h));
        if (FImage) {
            FShmInfo.shmid = shmget(IPC_PRIVATE, size_t(FImage->bytes_per_line) * h, IPC_CREAT | 0600);
            void* mem = FShmInfo.shmid >= 0 ? shmat(FShmInfo.shmid, nullptr, 0) : reinterpret_cast<void*>(-1);
            if (mem != reinterpret_cast<void*>(-1)) {
                FShmInfo.shmaddr = FImage->data = static_cast<char*>(mem);
                FShmInfo.readOnly = False;
                unsigned long before = X11ErrorCount();
                bool ok = XShmAttach(FDisplay, &FShmInfo);
                XSync(FDisplay, False);
                // Removed now, it goes when both sides have detached.
                shmctl(FShmInfo.shmid, IPC_RMID, nullptr);
                if (ok && X11ErrorCount() == before) {
                    FShmImage = true;
                } else {
                    shmdt(FShmInfo.shmaddr);
                    FImage->data = nullptr;
                    XDestroyImage(FImage);
                    FImage = nullptr;
                }
            } else {
                if (FShmInfo.shmid >= 0) shmctl(FShmInfo.shmid, IPC_RMID, nullptr);
                XDestroyImage(FImage);
                FImage = nullptr;
            }
        }
    }
    if (!FImage) {
        FImage = XCreateImage(FDisplay, FVisual, static_cast<unsigned>(FDepth), ZPixmap, 0, nullptr,
                              static_cast<unsigned>(w), static_cast<unsigned>(h), 32, 0);
        FImage->data = static_cast<char*>(calloc(size_t(FImage->bytes_per_line), size_t(h)));
    }
    if (!FPixels.Empty()) Convert(Rect(0, 0, w, h));
    FDirty = Rect(0, 0, w, h);
}

void TX11Surface::DropImage() {
    if (!FImage) return;
    if (FShmImage) {
        XShmDetach(FDisplay, &FShmInfo);
        XSync(FDisplay, False);
        shmdt(FShmInfo.shmaddr);
        FImage->data = nullptr;
        FShmImage = false;
    }
    XDestroyImage(FImage); // frees calloc'd data
    FImage = nullptr;
}

void TX11Surface::Present(const TBitmap& pixels, const TRect& dirty) {
    if (pixels.Empty()) return;
    TRect area = dirty;
    if (FPixels.Width() != pixels.Width() || FPixels.Height() != pixels.Height()) {
        FPixels.SetPixelFormat(pf32bit);
        FPixels.SetSize(pixels.Width(), pixels.Height());
        area = TRect{};
    }
    TRect whole = Rect(0, 0, pixels.Width(), pixels.Height());
    if (IsRectEmpty(area)) area = whole;
    IntersectRect(area, area, whole);
    if (IsRectEmpty(area)) return;
    for (int y = area.Top; y < area.Bottom; ++y)
        std::memcpy(FPixels.ScanLine(y) + area.Left, pixels.ScanLine(y) + area.Left,
                    size_t(area.Width()) * 4);
    Convert(area);
    UnionRect(FDirty, FDirty, area);
}

void TX11Surface::Convert(const TRect& area) {
    if (!FImage || FPixels.Empty()) return;
    FOwner->WaitForShm();
    TRect r;
    IntersectRect(
        r, area,
        Rect(0, 0, std::min(FImage->width, FPixels.Width()), std::min(FImage->height, FPixels.Height())));
    if (IsRectEmpty(r)) return;
    const bool fast = FImage->bits_per_pixel == 32 && FImage->byte_order == LSBFirst &&
                      FImage->red_mask == 0xFF0000 && FImage->green_mask == 0xFF00 &&
                      FImage->blue_mask == 0xFF;
    for (int y = r.Top; y < r.Bottom; ++y) {
        const uint32_t* src = FPixels.ScanLine(y);
        auto* dst = reinterpret_cast<uint32_t*>(FImage->data + size_t(FImage->bytes_per_line) * y);
        for (int x = r.Left; x < r.Right; ++x) {
            uint32_t p = src[x];
            uint32_t out;
            if (!FArgb) {
                out = p | 0xFF000000u;
            } else {
                // The compositor takes premultiplied pixels.
                uint32_t a = FLayered ? FAlpha : 255;
                if (FLayered && FPerPixel) a = Div255(a * (p >> 24));
                out = (a << 24) | (Div255(((p >> 16) & 0xFF) * a) << 16) |
                      (Div255(((p >> 8) & 0xFF) * a) << 8) | Div255((p & 0xFF) * a);
            }
            if (fast)
                dst[x] = out;
            else
                XPutPixel(FImage, x, y, out & (FArgb ? 0xFFFFFFFFu : 0x00FFFFFFu));
        }
    }
}

void TX11Surface::PutArea(const TRect& area) {
    if (!FImage || !FMapped) return;
    TRect r;
    IntersectRect(r, area, Rect(0, 0, FImage->width, FImage->height));
    if (IsRectEmpty(r)) return;
    if (FShmImage) {
        XShmPutImage(FDisplay, FWindow, FGc, FImage, r.Left, r.Top, r.Left, r.Top,
                     static_cast<unsigned>(r.Width()), static_cast<unsigned>(r.Height()), False);
        FOwner->FShmBusy = true;
    } else {
        XPutImage(FDisplay, FWindow, FGc, FImage, r.Left, r.Top, r.Left, r.Top,
                  static_cast<unsigned>(r.Width()), static_cast<unsigned>(r.Height()));
    }
}

void TX11Surface::Flush() {
    if (!FMapped || IsRectEmpty(FDirty)) return;
    PutArea(FDirty);
    FDirty = TRect{};
}

void TX11Surface::ExposeArea(const TRect& area) {
    PutArea(area);
}

void TX11Surface::SetLayered(bool layered, Byte constantAlpha, bool perPixel) {
    if (layered == FLayered && constantAlpha == FAlpha && perPixel == FPerPixel) return;
    FLayered = layered;
    FAlpha = constantAlpha;
    FPerPixel = perPixel;
    if (FArgb) {
        Convert(Rect(0, 0, FPixels.Width(), FPixels.Height()));
        FDirty = Rect(0, 0, FBounds.Width(), FBounds.Height());
        return;
    }
    // Without an alpha visual only the constant alpha can show, through the
    // compositor's window opacity.
    Atom opacity = FOwner->Atoms()._NET_WM_WINDOW_OPACITY;
    if (layered && constantAlpha < 255) {
        unsigned long v = static_cast<unsigned long>(constantAlpha) * 0x01010101ul;
        XChangeProperty(FDisplay, FWindow, opacity, XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(&v), 1);
    } else {
        XDeleteProperty(FDisplay, FWindow, opacity);
    }
}

void TX11Surface::SetShape(const TRegion* shape) {
    if (!FOwner->FShape) return;
    if (!shape) {
        XShapeCombineMask(FDisplay, FWindow, ShapeBounding, 0, 0, None, ShapeSet);
        return;
    }
    std::vector<XRectangle> rects;
    for (const TRect& r : shape->Rects())
        rects.push_back({static_cast<short>(r.Left), static_cast<short>(r.Top),
                         static_cast<unsigned short>(r.Width()), static_cast<unsigned short>(r.Height())});
    XShapeCombineRectangles(FDisplay, FWindow, ShapeBounding, 0, 0, rects.data(),
                            static_cast<int>(rects.size()), ShapeSet, Unsorted);
}

void TX11Surface::ApplyCursor(Cursor cursor) {
    XDefineCursor(FDisplay, FWindow, cursor);
}
