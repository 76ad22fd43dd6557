#include "platform/backend/x11/TX11Backend.h"

#include "platform/base/Exception.h"
#include "platform/win/WinApi.h"

#include "platform/backend/x11/TX11NativeChild.h"
#include "platform/backend/x11/TX11Surface.h"
#include "platform/backend/x11/X11Keys.h"

#include <X11/XKBlib.h>
#include <X11/cursorfont.h>
#include <X11/extensions/Xfixes.h>
#include <X11/extensions/Xrandr.h>
#include <X11/extensions/shape.h>

#include <poll.h>

#include <algorithm>
#include <clocale>
#include <cstring>
#include <mutex>

namespace {

void InitThreadsOnce() {
    // Xlib must know of threads before its first call of the process.
    static std::once_flag once;
    std::call_once(once, [] { XInitThreads(); });
}

constexpr const char* kAtomNames[] = {
    "WM_PROTOCOLS",
    "WM_DELETE_WINDOW",
    "WM_TRANSIENT_FOR",
    "WM_CHANGE_STATE",
    "WM_STATE",
    "UTF8_STRING",
    "CLIPBOARD",
    "TARGETS",
    "TEXT",
    "DUVA_SELECTION",
    "_MOTIF_WM_HINTS",
    "_NET_WM_NAME",
    "_NET_WM_PID",
    "_NET_WM_STATE",
    "_NET_WM_STATE_ABOVE",
    "_NET_WM_STATE_MODAL",
    "_NET_WM_STATE_HIDDEN",
    "_NET_WM_WINDOW_TYPE",
    "_NET_WM_WINDOW_TYPE_NORMAL",
    "_NET_WM_WINDOW_TYPE_DIALOG",
    "_NET_WM_WINDOW_TYPE_POPUP_MENU",
    "_NET_WM_WINDOW_TYPE_TOOLTIP",
    "_NET_WM_WINDOW_TYPE_UTILITY",
    "_NET_WM_WINDOW_OPACITY",
    "_NET_ACTIVE_WINDOW",
    "_NET_WORKAREA",
    "_NET_CURRENT_DESKTOP",
    "_NET_SUPPORTING_WM_CHECK",
    "_NET_WM_CM_S0",
};
static_assert(sizeof(kAtomNames) / sizeof(kAtomNames[0]) == sizeof(TX11Atoms) / sizeof(Atom));

// A window property as longs (format 32) or bytes; empty when missing.
std::vector<long> LongProperty(Display* dpy, Window w, Atom prop, Atom type) {
    std::vector<long> out;
    Atom actual;
    int format;
    unsigned long n, after;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy, w, prop, 0, 4096, False, type, &actual, &format, &n, &after, &data) ==
            Success &&
        data && format == 32)
        out.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + n);
    if (data) XFree(data);
    return out;
}

void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::vector<uint32_t> DecodeUtf8(const char* s, size_t n) {
    std::vector<uint32_t> out;
    size_t i = 0;
    while (i < n) {
        auto c = static_cast<unsigned char>(s[i]);
        int len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        uint32_t cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
        for (int k = 1; k < len && i + k < n; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        i += static_cast<size_t>(len);
        out.push_back(cp);
    }
    return out;
}

std::string Latin1ToUtf8(const unsigned char* s, size_t n) {
    std::string out;
    for (size_t i = 0; i < n; ++i)
        AppendUtf8(out, s[i]);
    return out;
}

std::string Utf8ToLatin1(const std::string& s) {
    std::string out;
    for (uint32_t cp : DecodeUtf8(s.data(), s.size()))
        out += cp <= 0xFF ? static_cast<char>(cp) : '?';
    return out;
}

void QueueMouse(TRawInputKind kind, int x, int y, TMouseButton b = TMouseButton::mbLeft, int wheel = 0) {
    TRawInput in;
    in.Kind = kind;
    in.Pos = {x, y};
    in.Button = b;
    in.WheelDelta = wheel;
    QueueRawInput(in);
}

} // namespace

TX11Backend::TX11Backend(const char* displayName) : FAtoms(std::make_unique<TX11Atoms>()) {
    InitThreadsOnce();
    FDisplay = XOpenDisplay(displayName);
    if (!FDisplay) {
        const char* name = displayName ? displayName : getenv("DISPLAY");
        throw Exception(std::string("Cannot open the X display \"") + (name ? name : "") + "\".");
    }
    InstallX11ErrorHandler();
    FScreen = DefaultScreen(FDisplay);
    FRoot = RootWindow(FDisplay, FScreen);
    FStart = std::chrono::steady_clock::now();
    XInternAtoms(FDisplay, const_cast<char**>(kAtomNames), sizeof(kAtomNames) / sizeof(kAtomNames[0]), False,
                 reinterpret_cast<Atom*>(FAtoms.get()));

    FShm = XShmQueryExtension(FDisplay);
    int evBase, errBase;
    FShape = XShapeQueryExtension(FDisplay, &evBase, &errBase);
    int major = 0, minor = 0;
    FRandr = XRRQueryExtension(FDisplay, &FRandrEvent, &errBase) &&
             XRRQueryVersion(FDisplay, &major, &minor) && (major > 1 || (major == 1 && minor >= 5));
    if (FRandr) XRRSelectInput(FDisplay, FRoot, RRScreenChangeNotifyMask);
    // Structure events bring the MANAGER announcement of a (re)started tray.
    XSelectInput(FDisplay, FRoot, PropertyChangeMask | StructureNotifyMask);
    // Compositing is a property of the display at run time: a compositing
    // manager owns the screen's selection, and may come and go.
    FCompositorSelection = XInternAtom(FDisplay, ("_NET_WM_CM_S" + std::to_string(FScreen)).c_str(), False);
    int fixesError = 0;
    FFixes = XFixesQueryExtension(FDisplay, &FFixesEvent, &fixesError);
    if (FFixes)
        XFixesSelectSelectionInput(FDisplay, FRoot, FCompositorSelection,
                                   XFixesSetSelectionOwnerNotifyMask |
                                       XFixesSelectionWindowDestroyNotifyMask |
                                       XFixesSelectionClientCloseNotifyMask);
    FCompositor = XGetSelectionOwner(FDisplay, FCompositorSelection) != None;
    // Held keys repeat as presses only, as the window system expects.
    XkbSetDetectableAutoRepeat(FDisplay, True, nullptr);
    FDesktop = std::make_unique<TX11Desktop>(this);
    if (XSupportsLocale()) {
        XSetLocaleModifiers("");
        FInputMethod = XOpenIM(FDisplay, nullptr, nullptr, nullptr);
    }
    XSetWindowAttributes a{};
    a.override_redirect = True;
    a.event_mask = PropertyChangeMask;
    FHelper = XCreateWindow(FDisplay, FRoot, -10, -10, 1, 1, 0, CopyFromParent, InputOnly, CopyFromParent,
                            CWOverrideRedirect | CWEventMask, &a);
    XFlush(FDisplay);
}

TX11Backend::~TX11Backend() {
    FDesktop.reset(); // tray icons still shown are left without their windows
    // Surfaces normally went with their windows; any left lose their owner.
    for (auto* s : FSurfaces)
        s->FOwner = nullptr;
    if (FInputMethod) XCloseIM(static_cast<XIM>(FInputMethod));
    for (auto& [id, c] : FCursors)
        XFreeCursor(FDisplay, c);
    XDestroyWindow(FDisplay, FHelper);
    XCloseDisplay(FDisplay);
}

void TX11Backend::Forget(TX11Surface* s) {
    std::erase(FSurfaces, s);
    std::erase(FStackOrder, s);
    if (FGrab == s) FGrab = nullptr;
    if (FWantActive == s) FWantActive = nullptr;
}

TX11Surface* TX11Backend::SurfaceOfWindow(unsigned long xwnd) const {
    for (auto* s : FSurfaces)
        if (s->XWindow() == xwnd) return s;
    return nullptr;
}

unsigned long TX11Backend::WindowOf(HWND wnd) const {
    for (auto* s : FSurfaces)
        if (s->Wnd() == wnd) return s->XWindow();
    return 0;
}

std::unique_ptr<TBackendSurface> TX11Backend::CreateSurface(HWND wnd, const TSurfaceParams& params) {
    auto s = std::make_unique<TX11Surface>(this, wnd, params);
    FSurfaces.push_back(s.get());
    return s;
}

void TX11Backend::Restack(const std::vector<TBackendSurface*>& topFirst) {
    std::vector<Window> order;
    for (auto* b : topFirst)
        for (auto* s : FSurfaces)
            if (s == b && s->Mapped()) order.push_back(s->XWindow());
    if (order.size() > 1)
        XRestackWindows(FDisplay, order.data(), static_cast<int>(order.size()));
    else if (order.size() == 1)
        XRaiseWindow(FDisplay, order[0]);
    FStackOrder.clear();
    for (auto* b : topFirst)
        for (auto* s : FSurfaces)
            if (s == b) FStackOrder.push_back(s);
    std::vector<TX11Surface*> owners;
    for (auto* s : FStackOrder)
        if (s->OverrideRedirect() && s->Mapped())
            if (TX11Surface* o = SurfaceOfWnd(GetWindow(s->Wnd(), GW_OWNER));
                o && !std::count(owners.begin(), owners.end(), o))
                owners.push_back(o);
    for (auto* o : owners)
        StackOwnedAbove(o);
}

TX11Surface* TX11Backend::SurfaceOfWnd(HWND wnd) const {
    if (!wnd) return nullptr;
    for (auto* s : FSurfaces)
        if (s->Wnd() == wnd) return s;
    return nullptr;
}

void TX11Backend::StackOwnedAbove(TX11Surface* owner) {
    if (!owner->Mapped()) return;
    // Each goes directly above the owner, under the ones placed before it.
    for (auto* s : FStackOrder) {
        if (!s->OverrideRedirect() || !s->Mapped() || GetWindow(s->Wnd(), GW_OWNER) != owner->Wnd()) continue;
        XWindowChanges c{};
        c.sibling = owner->StackWindow();
        c.stack_mode = Above;
        XConfigureWindow(FDisplay, s->XWindow(), CWSibling | CWStackMode, &c);
    }
}

void TX11Backend::Reparented(TX11Surface* s, unsigned long parent) {
    // The frame is the root's child above the window; a window manager may
    // nest it further.
    Window frame = parent;
    while (frame && frame != FRoot) {
        Window root = 0, up = 0, *kids = nullptr;
        unsigned n = 0;
        if (!XQueryTree(FDisplay, frame, &root, &up, &kids, &n)) break;
        if (kids) XFree(kids);
        if (up == FRoot || !up) break;
        frame = up;
    }
    s->FFrame = (frame == FRoot || frame == s->XWindow()) ? 0 : frame;
    // Its restacking (a click the window manager raised it on) tells us to
    // bring the owned windows along.
    if (s->FFrame) XSelectInput(FDisplay, s->FFrame, StructureNotifyMask);
    StackOwnedAbove(s);
}

void TX11Backend::CheckCompositor() {
    const bool now = XGetSelectionOwner(FDisplay, FCompositorSelection) != None;
    if (now == FCompositor) return;
    FCompositor = now;
    LayeredCapabilityChanged();
}

std::vector<TBackendMonitor> TX11Backend::Monitors() {
    if (FMonitors) return *FMonitors;
    std::vector<TBackendMonitor> out;
    if (FRandr) {
        int n = 0;
        XRRMonitorInfo* m = XRRGetMonitors(FDisplay, FRoot, True, &n);
        for (int i = 0; m && i < n; ++i) {
            TRect b = Bounds(m[i].x, m[i].y, m[i].width, m[i].height);
            out.push_back({b, b, m[i].primary != 0});
        }
        if (m) XRRFreeMonitors(m);
    }
    if (out.empty()) {
        // No XRandR: the root window is the one monitor.
        TRect b = Rect(0, 0, DisplayWidth(FDisplay, FScreen), DisplayHeight(FDisplay, FScreen));
        out.push_back({b, b, true});
    }
    if (std::none_of(out.begin(), out.end(), [](auto& m) { return m.Primary; })) out[0].Primary = true;
    // The window manager's work area (one per desktop) trims each monitor.
    std::vector<long> area = LongProperty(FDisplay, FRoot, FAtoms->_NET_WORKAREA, XA_CARDINAL);
    std::vector<long> desk = LongProperty(FDisplay, FRoot, FAtoms->_NET_CURRENT_DESKTOP, XA_CARDINAL);
    size_t d = desk.empty() ? 0 : static_cast<size_t>(std::max(desk[0], 0L));
    if (area.size() < (d + 1) * 4) d = 0;
    if (area.size() >= (d + 1) * 4) {
        TRect wa = Bounds(static_cast<int>(area[d * 4]), static_cast<int>(area[d * 4 + 1]),
                          static_cast<int>(area[d * 4 + 2]), static_cast<int>(area[d * 4 + 3]));
        for (auto& m : out) {
            TRect r;
            IntersectRect(r, m.Bounds, wa);
            if (!IsRectEmpty(r)) m.WorkArea = r;
        }
    }
    FMonitors = out;
    return out;
}

uint64_t TX11Backend::TickCount() {
    using namespace std::chrono;
    return static_cast<uint64_t>(duration_cast<milliseconds>(steady_clock::now() - FStart).count());
}

void TX11Backend::WaitForShm() {
    if (!FShmBusy) return;
    XSync(FDisplay, False);
    FShmBusy = false;
}

void TX11Backend::Flush() {
    FLastFlush = std::chrono::steady_clock::now();
    for (auto* s : FSurfaces)
        s->Flush();
    XFlush(FDisplay);
}

void TX11Backend::Sync() {
    Flush();
    XSync(FDisplay, False);
    FShmBusy = false;
    ProcessEvents();
}

std::vector<int> TX11Backend::WaitFds() {
    // The loop is about to sleep: the queue is idle, so what was painted goes
    // out now, and events Xlib already read (the descriptor would not show
    // them) are handled before the wait.
    Flush();
    if (XEventsQueued(FDisplay, QueuedAlready) > 0) ProcessEvents();
    return {ConnectionNumber(FDisplay)};
}

void TX11Backend::ProcessEvents() {
    // Busy loops and nested waits (a worker being joined) may not go idle
    // for a while: what they painted still shows within a few frames.
    if (std::chrono::steady_clock::now() - FLastFlush >= std::chrono::milliseconds(30)) Flush();
    while (XPending(FDisplay) > 0) {
        XEvent ev;
        XNextEvent(FDisplay, &ev);
        if (XFilterEvent(&ev, None)) continue;
        HandleEvent(ev);
    }
    if (FLeavePending) {
        // The pointer left our windows for another client's: the window
        // system hears of it as a move there.
        FLeavePending = false;
        FPointerKnown = true;
        FPointer = {FLeaveX, FLeaveY};
        QueueMouse(TRawInputKind::riMouseMove, FLeaveX, FLeaveY);
    }
    if (FFocusSeen) CheckFocus();
}

TX11NativeChild* TX11Backend::NativeChildOfWindow(unsigned long xwnd) const {
    for (auto* s : FSurfaces)
        for (auto* c : s->FChildren)
            if (c->WindowId() == xwnd) return c;
    return nullptr;
}

void TX11Backend::WatchWindow(unsigned long xwnd, std::function<void(XEvent&)> Handler) {
    FWatched[xwnd] = std::move(Handler);
}

void TX11Backend::UnwatchWindow(unsigned long xwnd) {
    FWatched.erase(xwnd);
}

void TX11Backend::HandleEvent(XEvent& ev) {
    if (auto watched = FWatched.find(ev.xany.window); watched != FWatched.end()) {
        // A copy: the handler may unwatch the window.
        auto handler = watched->second;
        handler(ev);
        return;
    }
    TX11Surface* s = SurfaceOfWindow(ev.xany.window);
    if (!s && ev.type == ConfigureNotify) {
        // A window manager's frame of ours was restacked or moved.
        for (auto* f : FSurfaces)
            if (f->FFrame && f->FFrame == ev.xconfigure.window) {
                StackOwnedAbove(f);
                return;
            }
    }
    if (!s && (ev.type == Expose || ev.type == ConfigureNotify)) {
        // A native child's: told to the library drawing into it. Looked up
        // by id, since one destroyed meanwhile may still have events queued.
        if (TX11NativeChild* c = NativeChildOfWindow(ev.xany.window)) {
            if (ev.type == Expose)
                c->Exposed(ev.xexpose.count);
            else if (ev.xconfigure.window == ev.xconfigure.event)
                c->Configured(ev.xconfigure.width, ev.xconfigure.height);
            return;
        }
    }
    switch (ev.type) {
    case Expose:
        if (s) s->ExposeArea(Bounds(ev.xexpose.x, ev.xexpose.y, ev.xexpose.width, ev.xexpose.height));
        break;
    case ButtonPress:
    case ButtonRelease: {
        FLeavePending = false;
        const XButtonEvent& b = ev.xbutton;
        bool down = ev.type == ButtonPress;
        FPointerKnown = true;
        FPointer = {b.x_root, b.y_root};
        if (b.button >= 4 && b.button <= 7) {
            // Wheel notches come as presses of buttons 4 to 7.
            if (down)
                QueueMouse(TRawInputKind::riWheel, b.x_root, b.y_root, TMouseButton::mbLeft,
                           (b.button == 4 || b.button == 6) ? WHEEL_DELTA : -WHEEL_DELTA);
            break;
        }
        TMouseButton mb = b.button == 1   ? TMouseButton::mbLeft
                          : b.button == 2 ? TMouseButton::mbMiddle
                          : b.button == 3 ? TMouseButton::mbRight
                                          : TMouseButton::mbLeft;
        if (b.button > 3) break;
        QueueMouse(down ? TRawInputKind::riButtonDown : TRawInputKind::riButtonUp, b.x_root, b.y_root, mb);
        break;
    }
    case MotionNotify:
        FLeavePending = false;
        // Synthetic input may report a move to where the pointer already is.
        if (FPointerKnown && ev.xmotion.x_root == FPointer.X && ev.xmotion.y_root == FPointer.Y) break;
        FPointerKnown = true;
        FPointer = {ev.xmotion.x_root, ev.xmotion.y_root};
        QueueMouse(TRawInputKind::riMouseMove, ev.xmotion.x_root, ev.xmotion.y_root);
        break;
    case EnterNotify:
        FLeavePending = false;
        break;
    case LeaveNotify:
        if (ev.xcrossing.mode == NotifyNormal && ev.xcrossing.detail != NotifyInferior) {
            FLeavePending = true;
            FLeaveX = ev.xcrossing.x_root;
            FLeaveY = ev.xcrossing.y_root;
        }
        break;
    case KeyPress:
    case KeyRelease:
        HandleKey(ev, s);
        break;
    case FocusIn:
    case FocusOut:
        if (ev.xfocus.detail != NotifyPointer) FFocusSeen = true;
        break;
    case ClientMessage:
        if (s && ev.xclient.message_type == FAtoms->WM_PROTOCOLS &&
            static_cast<Atom>(ev.xclient.data.l[0]) == FAtoms->WM_DELETE_WINDOW) {
            TRawInput in;
            in.Kind = TRawInputKind::riClose;
            in.Window = s->Wnd();
            QueueRawInput(in);
        } else if (ev.xclient.window == FRoot && FDesktop) {
            FDesktop->RootClientMessage(ev.xclient.message_type,
                                        static_cast<unsigned long>(ev.xclient.data.l[1]));
        }
        break;
    case ConfigureNotify:
        // A window manager tells where it put a window with a synthetic
        // event in root coordinates; one older than our last move of the
        // window is stale.
        if (s && ev.xconfigure.send_event && !s->OverrideRedirect() &&
            ev.xconfigure.serial >= s->FMoveSerial) {
            TPoint p{ev.xconfigure.x, ev.xconfigure.y};
            if (p != s->Bounds().TopLeft()) {
                s->Moved(p);
                SetWindowPos(s->Wnd(), nullptr, p.X, p.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
        }
        break;
    case MapNotify:
        // The window manager gave back a window it had iconified.
        if (s && s->FIconified) {
            s->FIconified = false;
            s->FMapped = true;
            if (IsIconic(s->Wnd())) ShowWindow(s->Wnd(), SW_RESTORE);
        }
        break;
    case UnmapNotify:
        // Iconified by the window manager (its task bar, a key).
        if (s && s->FMapped && !s->OverrideRedirect() && !ev.xunmap.send_event) {
            std::vector<long> state =
                LongProperty(FDisplay, s->XWindow(), FAtoms->WM_STATE, FAtoms->WM_STATE);
            if (!state.empty() && state[0] == IconicState) {
                s->FMapped = false;
                s->FIconified = true;
                if (!IsIconic(s->Wnd())) ShowWindow(s->Wnd(), SW_MINIMIZE);
            }
        }
        break;
    case SelectionRequest:
        HandleSelectionRequest(ev);
        break;
    case SelectionClear:
        if (ev.xselectionclear.selection == FAtoms->CLIPBOARD) FOwnClipboard = false;
        break;
    case PropertyNotify:
        if (ev.xproperty.window == FRoot &&
            (ev.xproperty.atom == FAtoms->_NET_WORKAREA || ev.xproperty.atom == FAtoms->_NET_CURRENT_DESKTOP))
            FMonitors.reset();
        break;
    case MappingNotify:
        XRefreshKeyboardMapping(&ev.xmapping);
        break;
    case ReparentNotify:
        if (s && ev.xreparent.window == s->XWindow()) Reparented(s, ev.xreparent.parent);
        break;
    default:
        if (FFixes && ev.type == FFixesEvent + XFixesSelectionNotify) {
            CheckCompositor();
            break;
        }
        if (FRandr && ev.type == FRandrEvent + RRScreenChangeNotify) {
            XRRUpdateConfiguration(&ev);
            FMonitors.reset();
        }
        break;
    }
}

void TX11Backend::HandleKey(XEvent& ev, TX11Surface* s) {
    XKeyEvent& k = ev.xkey;
    // Text an input method composed comes without a key.
    int vk = k.keycode ? KeySymToVKey(XLookupKeysym(&k, 0)) : 0;
    if (ev.type == KeyRelease) {
        if (vk) {
            TRawInput in;
            in.Kind = TRawInputKind::riKeyUp;
            in.VKey = vk;
            QueueRawInput(in);
        }
        return;
    }
    if (vk) {
        TRawInput in;
        in.Kind = TRawInputKind::riKeyDown;
        in.VKey = vk;
        QueueRawInput(in);
    }
    // The window system makes the characters of these keys from the key
    // itself; keys with Ctrl or Alt are commands, not text.
    if ((vk && VKeyMakesChar(vk)) || (k.keycode && (k.state & (ControlMask | Mod1Mask)))) return;
    std::vector<uint32_t> chars;
    XIC ic = s ? static_cast<XIC>(s->InputContext()) : nullptr;
    if (ic) {
        char buf[64];
        KeySym sym = 0;
        Status status = 0;
        int n = Xutf8LookupString(ic, &k, buf, sizeof buf, &sym, &status);
        std::string text(buf, static_cast<size_t>(std::max(n, 0)));
        if (status == XBufferOverflow) {
            text.resize(static_cast<size_t>(n));
            n = Xutf8LookupString(ic, &k, text.data(), n, &sym, &status);
            text.resize(static_cast<size_t>(std::max(n, 0)));
        }
        if (status == XLookupChars || status == XLookupBoth) chars = DecodeUtf8(text.data(), text.size());
    } else {
        char buf[32];
        KeySym sym = 0;
        XLookupString(&k, buf, sizeof buf, &sym, nullptr);
        if (uint32_t cp = KeySymToUnicode(sym)) chars.push_back(cp);
    }
    for (uint32_t cp : chars) {
        if (cp < 0x20 || cp == 0x7F) continue;
        TRawInput in;
        in.Kind = TRawInputKind::riChar;
        in.Char = cp;
        QueueRawInput(in);
    }
}

void TX11Backend::CheckFocus() {
    FFocusSeen = false;
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(FDisplay, &focus, &revert);
    bool ours = focus == FHelper;
    for (auto* s : FSurfaces) {
        if (s->XWindow() == focus) ours = true;
        for (auto* c : s->FChildren)
            if (c->WindowId() == focus) ours = true;
    }
    if (ours == FHaveFocus) return;
    FHaveFocus = ours;
    TRawInput in;
    in.Kind = ours ? TRawInputKind::riAppActivate : TRawInputKind::riAppDeactivate;
    QueueRawInput(in);
}

bool TX11Backend::WindowManagerRunning() {
    std::vector<long> w = LongProperty(FDisplay, FRoot, FAtoms->_NET_SUPPORTING_WM_CHECK, XA_WINDOW);
    return !w.empty() && w[0] != 0;
}

void TX11Backend::SetActiveSurface(TBackendSurface* surface) {
    auto* s = dynamic_cast<TX11Surface*>(surface);
    FWantActive = nullptr;
    if (!s || s->OverrideRedirect()) return;
    if (!s->Mapped()) {
        // Shown a moment later: it takes the focus when it is mapped.
        FWantActive = s;
        return;
    }
    Focus(s);
}

void TX11Backend::Focus(TX11Surface* s) {
    if (WindowManagerRunning()) {
        XEvent ev{};
        ev.xclient.type = ClientMessage;
        ev.xclient.window = s->XWindow();
        ev.xclient.message_type = FAtoms->_NET_ACTIVE_WINDOW;
        ev.xclient.format = 32;
        ev.xclient.data.l[0] = 1; // an application's request
        ev.xclient.data.l[1] = CurrentTime;
        XSendEvent(FDisplay, FRoot, False, SubstructureRedirectMask | SubstructureNotifyMask, &ev);
    } else {
        XSetInputFocus(FDisplay, s->XWindow(), RevertToParent, CurrentTime);
    }
    XFlush(FDisplay);
}

void TX11Backend::SurfaceMapped(TX11Surface* s) {
    if (FWantActive != s) return;
    FWantActive = nullptr;
    Focus(s);
}

void TX11Backend::SetPointerGrab(TBackendSurface* surface) {
    auto* s = dynamic_cast<TX11Surface*>(surface);
    if (s && s->Mapped()) {
        XGrabPointer(FDisplay, s->XWindow(), True,
                     ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask |
                         LeaveWindowMask,
                     GrabModeAsync, GrabModeAsync, None, None, CurrentTime);
        FGrab = s;
    } else {
        XUngrabPointer(FDisplay, CurrentTime);
        FGrab = nullptr;
    }
    XFlush(FDisplay);
}

unsigned long TX11Backend::CursorFor(int id) {
    auto it = FCursors.find(id);
    if (it != FCursors.end()) return it->second;
    unsigned shape;
    switch (id) {
    case IDC_IBEAM:
        shape = XC_xterm;
        break;
    case IDC_WAIT:
    case IDC_APPSTARTING:
        shape = XC_watch;
        break;
    case IDC_CROSS:
        shape = XC_crosshair;
        break;
    case IDC_SIZENWSE:
        shape = XC_bottom_right_corner;
        break;
    case IDC_SIZENESW:
        shape = XC_bottom_left_corner;
        break;
    case IDC_SIZEWE:
        shape = XC_sb_h_double_arrow;
        break;
    case IDC_SIZENS:
        shape = XC_sb_v_double_arrow;
        break;
    case IDC_SIZEALL:
        shape = XC_fleur;
        break;
    case IDC_NO:
        shape = XC_circle;
        break;
    case IDC_HAND:
        shape = XC_hand2;
        break;
    default:
        shape = XC_left_ptr;
        break;
    }
    Cursor c = XCreateFontCursor(FDisplay, shape);
    FCursors[id] = c;
    return c;
}

void TX11Backend::SetCursorShape(int cursorId) {
    if (cursorId == FCursorId) return;
    FCursorId = cursorId;
    Cursor c = CursorFor(cursorId);
    for (auto* s : FSurfaces)
        s->ApplyCursor(c);
}

std::unique_ptr<TNativeChild> TX11Backend::CreateNativeChild(TBackendSurface* surface,
                                                             const TRect& rectInTop) {
    auto* s = dynamic_cast<TX11Surface*>(surface);
    if (!s) return nullptr;
    return std::make_unique<TX11NativeChild>(s, rectInTop);
}

TBitmap TX11Backend::Screenshot(const TRect& area) {
    Sync();
    TBitmap out;
    out.SetPixelFormat(pf32bit);
    XWindowAttributes ra;
    XGetWindowAttributes(FDisplay, FRoot, &ra);
    TRect r;
    IntersectRect(r, area, Rect(0, 0, ra.width, ra.height));
    if (IsRectEmpty(r)) return out;
    XImage* img = XGetImage(FDisplay, FRoot, r.Left, r.Top, static_cast<unsigned>(r.Width()),
                            static_cast<unsigned>(r.Height()), AllPlanes, ZPixmap);
    if (!img) return out;
    out.SetSize(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y) {
        uint32_t* row = out.ScanLine(y);
        for (int x = 0; x < r.Width(); ++x) {
            unsigned long p = XGetPixel(img, x, y);
            row[x] = 0xFF000000u | static_cast<uint32_t>(p & 0xFFFFFF);
        }
    }
    XDestroyImage(img);
    return out;
}

// ---- The CLIPBOARD selection

void TX11Backend::SetClipboardText(const std::string& text) {
    FClipboard = text;
    XSetSelectionOwner(FDisplay, FAtoms->CLIPBOARD, FHelper, CurrentTime);
    FOwnClipboard = XGetSelectionOwner(FDisplay, FAtoms->CLIPBOARD) == FHelper;
}

void TX11Backend::HandleSelectionRequest(XEvent& ev) {
    const XSelectionRequestEvent& req = ev.xselectionrequest;
    XEvent reply{};
    XSelectionEvent& n = reply.xselection;
    n.type = SelectionNotify;
    n.requestor = req.requestor;
    n.selection = req.selection;
    n.target = req.target;
    n.time = req.time;
    n.property = None;
    // Old clients name no property: the target's name serves.
    Atom prop = req.property != None ? req.property : req.target;
    if (req.selection == FAtoms->CLIPBOARD && FOwnClipboard) {
        if (req.target == FAtoms->TARGETS) {
            Atom targets[] = {FAtoms->TARGETS, FAtoms->UTF8_STRING, FAtoms->TEXT, XA_STRING};
            XChangeProperty(FDisplay, req.requestor, prop, XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<unsigned char*>(targets), 4);
            n.property = prop;
        } else if (req.target == FAtoms->UTF8_STRING || req.target == FAtoms->TEXT) {
            XChangeProperty(FDisplay, req.requestor, prop, FAtoms->UTF8_STRING, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(FClipboard.data()),
                            static_cast<int>(FClipboard.size()));
            n.property = prop;
        } else if (req.target == XA_STRING) {
            std::string latin = Utf8ToLatin1(FClipboard);
            XChangeProperty(FDisplay, req.requestor, prop, XA_STRING, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(latin.data()),
                            static_cast<int>(latin.size()));
            n.property = prop;
        }
    }
    XSendEvent(FDisplay, req.requestor, False, NoEventMask, &reply);
    XFlush(FDisplay);
}

std::string TX11Backend::ClipboardText(int timeoutMs) {
    if (FOwnClipboard) return FClipboard;
    if (XGetSelectionOwner(FDisplay, FAtoms->CLIPBOARD) == None) return {};
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (Atom target : {FAtoms->UTF8_STRING, static_cast<Atom>(XA_STRING)}) {
        XDeleteProperty(FDisplay, FHelper, FAtoms->DUVA_SELECTION);
        XConvertSelection(FDisplay, FAtoms->CLIPBOARD, target, FAtoms->DUVA_SELECTION, FHelper, CurrentTime);
        XFlush(FDisplay);
        XEvent ev;
        bool got = false;
        while (!(got = XCheckTypedWindowEvent(FDisplay, FHelper, SelectionNotify, &ev))) {
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                            deadline - std::chrono::steady_clock::now())
                            .count();
            if (left <= 0) break;
            pollfd p{ConnectionNumber(FDisplay), POLLIN, 0};
            poll(&p, 1, static_cast<int>(std::min<long long>(left, 20)));
        }
        if (!got) return {};
        if (ev.xselection.property == None) continue; // refused: try the next form
        Atom type;
        int format;
        unsigned long count, after;
        unsigned char* data = nullptr;
        std::string text;
        if (XGetWindowProperty(FDisplay, FHelper, FAtoms->DUVA_SELECTION, 0, 0x1000000, True, AnyPropertyType,
                               &type, &format, &count, &after, &data) == Success &&
            data && format == 8) {
            // Large texts sent in pieces (INCR) are not read.
            if (type == FAtoms->UTF8_STRING)
                text.assign(reinterpret_cast<char*>(data), count);
            else if (type == XA_STRING)
                text = Latin1ToUtf8(data, count);
        }
        if (data) XFree(data);
        return text;
    }
    return {};
}
