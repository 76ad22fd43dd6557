#include "platform/backend/x11/TX11TrayIcon.h"

#include "platform/backend/x11/TX11Backend.h"
#include "platform/backend/x11/TX11Desktop.h"
#include "platform/backend/x11/X11Internal.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr long SYSTEM_TRAY_REQUEST_DOCK = 0;
constexpr long XEMBED_MAPPED = 1;
constexpr unsigned long DoubleClickMs = 400;
constexpr int DefaultSize = 22;

} // namespace

unsigned long TX11TrayIcon::TrayAtom(TX11Backend* Backend) {
    std::string name = "_NET_SYSTEM_TRAY_S" + std::to_string(Backend->Screen());
    return XInternAtom(Backend->Display(), name.c_str(), False);
}

unsigned long TX11TrayIcon::FindManager(TX11Backend* Backend) {
    return XGetSelectionOwner(Backend->Display(), TrayAtom(Backend));
}

TX11TrayIcon::TX11TrayIcon(TX11Backend* Backend, unsigned long Manager, const TTrayImage& Image,
                           const std::string& Tip)
    : FBackend(Backend), FImage(Image) {
    Display* d = FBackend->Display();
    int w = FImage.Width > 0 ? FImage.Width : DefaultSize;
    int h = FImage.Height > 0 ? FImage.Height : DefaultSize;
    XSetWindowAttributes a{};
    a.background_pixmap = ParentRelative;
    a.event_mask =
        ButtonPressMask | ButtonReleaseMask | PointerMotionMask | ExposureMask | StructureNotifyMask;
    FWindow = XCreateWindow(d, FBackend->Root(), 0, 0, static_cast<unsigned>(w), static_cast<unsigned>(h), 0,
                            CopyFromParent, InputOutput, CopyFromParent, CWBackPixmap | CWEventMask, &a);
    long info[2] = {0, XEMBED_MAPPED};
    Atom xembedInfo = XInternAtom(d, "_XEMBED_INFO", False);
    XChangeProperty(d, FWindow, xembedInfo, xembedInfo, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(info), 2);
    SetTip(Tip);
    FBackend->WatchWindow(FWindow, [this](XEvent& ev) { HandleEvent(ev); });

    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = Manager;
    ev.xclient.message_type = XInternAtom(d, "_NET_SYSTEM_TRAY_OPCODE", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = CurrentTime;
    ev.xclient.data.l[1] = SYSTEM_TRAY_REQUEST_DOCK;
    ev.xclient.data.l[2] = static_cast<long>(FWindow);
    XSendEvent(d, Manager, False, NoEventMask, &ev);
    XFlush(d);
}

TX11TrayIcon::~TX11TrayIcon() {
    if (FAlive) *FAlive = false;
    if (FDesktop) std::erase(FDesktop->FIcons, this);
    if (!FBackend) return;
    FBackend->UnwatchWindow(FWindow);
    XDestroyWindow(FBackend->Display(), FWindow);
    XFlush(FBackend->Display());
}

void TX11TrayIcon::Detach() {
    FBackend->UnwatchWindow(FWindow);
    XDestroyWindow(FBackend->Display(), FWindow);
    FBackend = nullptr;
    FDesktop = nullptr;
}

void TX11TrayIcon::SetImage(const TTrayImage& Image) {
    FImage = Image;
    if (!FBackend) return;
    XClearArea(FBackend->Display(), FWindow, 0, 0, 0, 0, True);
    XFlush(FBackend->Display());
}

void TX11TrayIcon::SetTip(const std::string& Tip) {
    if (!FBackend) return;
    // Trays show the icon window's name as its tooltip.
    Display* d = FBackend->Display();
    auto* text = reinterpret_cast<const unsigned char*>(Tip.c_str());
    XChangeProperty(d, FWindow, FBackend->Atoms()._NET_WM_NAME, FBackend->Atoms().UTF8_STRING, 8,
                    PropModeReplace, text, static_cast<int>(Tip.size()));
    XStoreName(d, FWindow, Tip.c_str());
    XFlush(d);
}

void TX11TrayIcon::HandleEvent(XEvent& Event) {
    if (Event.type == Expose) {
        if (Event.xexpose.count == 0) Draw();
        return;
    }
    if (Event.type == MotionNotify) {
        TTrayMouseEvent mouse = OnMouse;
        if (mouse)
            mouse(TTrayMouseKind::tmMove, TTrayButton::tbNone, {Event.xmotion.x_root, Event.xmotion.y_root});
        return;
    }
    if (Event.type != ButtonPress && Event.type != ButtonRelease) return;
    const XButtonEvent& b = Event.xbutton;
    const TPoint at{b.x_root, b.y_root};
    const TTrayButton button = b.button == Button1   ? TTrayButton::tbLeft
                               : b.button == Button2 ? TTrayButton::tbMiddle
                               : b.button == Button3 ? TTrayButton::tbRight
                                                     : TTrayButton::tbNone;
    if (button == TTrayButton::tbNone) return;
    if (Event.type == ButtonRelease) {
        TTrayMouseEvent mouse = OnMouse;
        if (mouse) mouse(TTrayMouseKind::tmUp, button, at);
        return;
    }
    TTrayEventKind kind = TTrayEventKind::tkMenu;
    TTrayMouseKind press = TTrayMouseKind::tmDown;
    if (button == TTrayButton::tbLeft) {
        bool twice = FLastClick && b.time - FLastClick <= DoubleClickMs;
        kind = twice ? TTrayEventKind::tkDoubleClick : TTrayEventKind::tkClick;
        press = twice ? TTrayMouseKind::tmDoubleClick : TTrayMouseKind::tmDown;
        FLastClick = twice ? 0 : b.time;
    }
    // Copies: a handler may destroy the icon (and with it this object).
    TTrayMouseEvent mouse = OnMouse;
    TTrayEvent event = button == TTrayButton::tbMiddle ? nullptr : OnEvent;
    bool alive = true;
    FAlive = &alive;
    if (mouse) mouse(press, button, at);
    if (!alive) return;
    FAlive = nullptr;
    if (event) event(kind, at);
}

TRect TX11TrayIcon::ScreenRect() const {
    if (!FBackend) return {};
    Display* d = FBackend->Display();
    Window root, child;
    int x, y;
    unsigned w, h, border, depth;
    if (!XGetGeometry(d, FWindow, &root, &x, &y, &w, &h, &border, &depth)) return {};
    if (!XTranslateCoordinates(d, FWindow, root, 0, 0, &x, &y, &child)) return {};
    return {x, y, x + static_cast<int>(w), y + static_cast<int>(h)};
}

void TX11TrayIcon::Draw() {
    Display* d = FBackend->Display();
    Window root;
    int x, y;
    unsigned w, h, border, depth;
    if (!XGetGeometry(d, FWindow, &root, &x, &y, &w, &h, &border, &depth) || w == 0 || h == 0) return;
    if (FImage.Width <= 0 || FImage.Height <= 0 ||
        FImage.Pixels.size() < static_cast<size_t>(FImage.Width) * static_cast<size_t>(FImage.Height))
        return;
    // The picture scaled to the window (nearest pixel); pixels less than
    // half opaque leave the tray's own background.
    std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
    std::vector<unsigned char> mask(static_cast<size_t>((w + 7) / 8) * h, 0);
    for (unsigned row = 0; row < h; ++row)
        for (unsigned col = 0; col < w; ++col) {
            size_t sx = (2 * col + 1) * static_cast<size_t>(FImage.Width) / (2 * w);
            size_t sy = (2 * row + 1) * static_cast<size_t>(FImage.Height) / (2 * h);
            uint32_t p = FImage.Pixels[sy * static_cast<size_t>(FImage.Width) + sx];
            pixels[row * w + col] = p | 0xFF000000u;
            if ((p >> 24) >= 128)
                mask[row * ((w + 7) / 8) + col / 8] |= static_cast<unsigned char>(1 << (col % 8));
        }
    XImage* image = XCreateImage(d, DefaultVisual(d, FBackend->Screen()), DefaultDepth(d, FBackend->Screen()),
                                 ZPixmap, 0, reinterpret_cast<char*>(pixels.data()), w, h, 32, 0);
    if (!image) return;
    Pixmap clip = XCreateBitmapFromData(d, FWindow, reinterpret_cast<char*>(mask.data()), w, h);
    GC gc = XCreateGC(d, FWindow, 0, nullptr);
    XSetClipMask(d, gc, clip);
    XPutImage(d, FWindow, gc, image, 0, 0, 0, 0, w, h);
    XFreeGC(d, gc);
    XFreePixmap(d, clip);
    image->data = nullptr; // the vector owns the pixels
    XDestroyImage(image);
    XFlush(d);
}
