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

Atom TrayAtom(Display* D, int Screen) {
    std::string name = "_NET_SYSTEM_TRAY_S" + std::to_string(Screen);
    return XInternAtom(D, name.c_str(), False);
}

} // namespace

unsigned long TX11TrayIcon::FindManager(TX11Backend* Backend) {
    return XGetSelectionOwner(Backend->Display(), TrayAtom(Backend->Display(), Backend->Screen()));
}

TX11TrayIcon::TX11TrayIcon(TX11Backend* Backend, unsigned long Manager, const TTrayImage& Image,
                           const std::string& Tip)
    : FBackend(Backend), FImage(Image) {
    Display* d = FBackend->Display();
    int w = FImage.Width > 0 ? FImage.Width : DefaultSize;
    int h = FImage.Height > 0 ? FImage.Height : DefaultSize;
    XSetWindowAttributes a{};
    a.background_pixmap = ParentRelative;
    a.event_mask = ButtonPressMask | ExposureMask | StructureNotifyMask;
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
    if (Event.type != ButtonPress) return;
    const XButtonEvent& b = Event.xbutton;
    TTrayEventKind kind;
    if (b.button == Button1) {
        bool twice = FLastClick && b.time - FLastClick <= DoubleClickMs;
        kind = twice ? TTrayEventKind::tkDoubleClick : TTrayEventKind::tkClick;
        FLastClick = twice ? 0 : b.time;
    } else if (b.button == Button3) {
        kind = TTrayEventKind::tkMenu;
    } else {
        return;
    }
    // A copy: the handler may destroy the icon.
    TTrayEvent event = OnEvent;
    if (event) event(kind, {b.x_root, b.y_root});
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
