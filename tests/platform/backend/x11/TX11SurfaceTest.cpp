// What other X clients (a window manager) see of our windows.

#include "X11Fixture.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

#include <string>
#include <vector>

namespace {

// A property's raw items (format 8 as bytes, 32 as longs).
template <class T> std::vector<T> Property(Display* dpy, Window w, const char* name) {
    Atom actual;
    int format;
    unsigned long n, after;
    unsigned char* data = nullptr;
    std::vector<T> out;
    if (XGetWindowProperty(dpy, w, XInternAtom(dpy, name, False), 0, 4096, False, AnyPropertyType, &actual,
                           &format, &n, &after, &data) == Success &&
        data)
        out.assign(reinterpret_cast<T*>(data), reinterpret_cast<T*>(data) + n);
    if (data) XFree(data);
    return out;
}

std::string StringProperty(Display* dpy, Window w, const char* name) {
    auto bytes = Property<char>(dpy, w, name);
    return std::string(bytes.begin(), bytes.end());
}

Window FocusWindow(Display* dpy) {
    Window f = 0;
    int revert = 0;
    XGetInputFocus(dpy, &f, &revert);
    return f;
}

} // namespace

using TX11Surfaces = X11Fixture;

TEST_F(TX11Surfaces, FormsCarryTheirWindowManagerProperties) {
    const std::string title = "视频转换器 Converter";
    HWND main =
        MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(100, 80, 400, 300), nullptr, {}, 0, 0, title.c_str());
    HWND second = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(150, 120, 200, 100), main);
    Pump();
    Display* dpy = Other();
    Window mw = Backend().WindowOf(main), sw = Backend().WindowOf(second);
    ASSERT_NE(mw, 0u);

    // No decorations: the Motif hints name decorations and give none.
    auto motif = Property<long>(dpy, mw, "_MOTIF_WM_HINTS");
    ASSERT_EQ(motif.size(), 5u);
    EXPECT_TRUE(motif[0] & 2);
    EXPECT_EQ(motif[2], 0);
    EXPECT_EQ(StringProperty(dpy, mw, "_NET_WM_NAME"), title);
    XClassHint ch{};
    ASSERT_TRUE(XGetClassHint(dpy, mw, &ch));
    EXPECT_STRNE(ch.res_name, "");
    XFree(ch.res_name);
    XFree(ch.res_class);
    auto protocols = Property<long>(dpy, mw, "WM_PROTOCOLS");
    EXPECT_EQ(protocols, std::vector<long>{static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False))});
    XSizeHints size{};
    long supplied = 0;
    ASSERT_TRUE(XGetWMNormalHints(dpy, mw, &size, &supplied));
    EXPECT_TRUE(size.flags & USPosition);
    EXPECT_EQ(TPoint(size.x, size.y), TPoint(100, 80));

    // The title follows SetWindowText.
    SetWindowText(main, "第二 title");
    Pump();
    EXPECT_EQ(StringProperty(dpy, mw, "_NET_WM_NAME"), "第二 title");

    // A secondary form is transient for the main one; the main one for none.
    Window owner = 0;
    EXPECT_TRUE(XGetTransientForHint(dpy, sw, &owner));
    EXPECT_EQ(owner, mw);
    EXPECT_FALSE(XGetTransientForHint(dpy, mw, &owner));
    XWindowAttributes wa;
    XGetWindowAttributes(dpy, mw, &wa);
    EXPECT_FALSE(wa.override_redirect);
}

TEST_F(TX11Surfaces, ShapeEqualsTheRegionSetAndGoesWithIt) {
    HWND w = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(50, 50, 60, 60));
    TRegion ring = TRegion(Rect(0, 0, 60, 60)).Subtract(TRegion(Rect(20, 20, 40, 40)));
    SetWindowRgn(w, new TRgnObj(ring), true);
    Pump();
    int count = 0, ordering = 0;
    XRectangle* rects = XShapeGetRectangles(Other(), Backend().WindowOf(w), ShapeBounding, &count, &ordering);
    std::vector<TRect> got;
    for (int i = 0; i < count; ++i)
        got.push_back(Bounds(rects[i].x, rects[i].y, rects[i].width, rects[i].height));
    XFree(rects);
    EXPECT_TRUE(TRegion::FromRects(got).SameAs(ring));

    SetWindowRgn(w, nullptr, true);
    Pump();
    rects = XShapeGetRectangles(Other(), Backend().WindowOf(w), ShapeBounding, &count, &ordering);
    got.clear();
    for (int i = 0; i < count; ++i)
        got.push_back(Bounds(rects[i].x, rects[i].y, rects[i].width, rects[i].height));
    XFree(rects);
    EXPECT_TRUE(TRegion::FromRects(got).SameAs(TRegion(Rect(0, 0, 60, 60))));
}

TEST_F(TX11Surfaces, PopupsAreOverrideRedirectAndNeverFocused) {
    HWND form = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 300, 300));
    struct TCase {
        const char* Name;
        uint32_t Style, ExStyle;
        const char* Type;
    };
    const TCase cases[] = {
        {"menu", WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "_NET_WM_WINDOW_TYPE_POPUP_MENU"},
        {"no-activate", WS_POPUP, WS_EX_NOACTIVATE, "_NET_WM_WINDOW_TYPE_POPUP_MENU"},
        {"glow", WS_POPUP, WS_EX_LAYERED | WS_EX_TRANSPARENT, "_NET_WM_WINDOW_TYPE_POPUP_MENU"},
    };
    Pump();
    ASSERT_EQ(FocusWindow(Other()), Backend().WindowOf(form));
    for (const auto& c : cases) {
        HWND p = MakeWindow(c.Style, Bounds(320, 20, 100, 100), form, {}, c.ExStyle);
        ShowWindow(p, SW_SHOWNA);
        Pump();
        Window pw = Backend().WindowOf(p);
        XWindowAttributes wa;
        XGetWindowAttributes(Other(), pw, &wa);
        EXPECT_TRUE(wa.override_redirect) << c.Name;
        EXPECT_EQ(wa.map_state, IsViewable) << c.Name;
        auto type = Property<long>(Other(), pw, "_NET_WM_WINDOW_TYPE");
        ASSERT_EQ(type.size(), 1u) << c.Name;
        EXPECT_EQ(type[0], static_cast<long>(XInternAtom(Other(), c.Type, False))) << c.Name;
        Click({350, 50});
        Pump();
        EXPECT_EQ(FocusWindow(Other()), Backend().WindowOf(form)) << c.Name;
        DestroyWindow(p);
        Pump();
    }
}

TEST_F(TX11Surfaces, ClickThroughLayerPassesThePressToTheWindowBelow) {
    HWND below = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 200, 200));
    HWND glow = MakeWindow(WS_POPUP, Bounds(0, 0, 200, 200), below, {}, WS_EX_LAYERED | WS_EX_TRANSPARENT);
    ShowWindow(glow, SW_SHOWNA);
    Pump();
    int count = -1, ordering = 0;
    XRectangle* rects = XShapeGetRectangles(Other(), Backend().WindowOf(glow), ShapeInput, &count, &ordering);
    if (rects) XFree(rects);
    EXPECT_EQ(count, 0);
    TMessageRecorder rec({}, {WM_LBUTTONDOWN});
    Click({100, 100});
    Pump();
    ASSERT_EQ(rec.Messages().size(), 1u);
    EXPECT_EQ(rec.Messages()[0].Wnd, below);
}

TEST_F(TX11Surfaces, CloseRequestBecomesAClose) {
    HWND form = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100));
    Pump();
    TMessageRecorder rec({form}, {WM_SYSCOMMAND, WM_CLOSE});
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = Backend().WindowOf(form);
    ev.xclient.message_type = XInternAtom(Other(), "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(XInternAtom(Other(), "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(Other(), ev.xclient.window, False, NoEventMask, &ev);
    Pump();
    EXPECT_EQ(rec.Msgs(), (std::vector<uint32_t>{WM_SYSCOMMAND, WM_CLOSE}));
    EXPECT_FALSE(IsWindow(form));
}

TEST_F(TX11Surfaces, StayOnTopAndHiddenWindowsShowOnTheServer) {
    HWND form = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100), nullptr, {}, WS_EX_TOPMOST);
    Pump();
    Window fw = Backend().WindowOf(form);
    auto state = Property<long>(Other(), fw, "_NET_WM_STATE");
    EXPECT_EQ(state,
              std::vector<long>{static_cast<long>(XInternAtom(Other(), "_NET_WM_STATE_ABOVE", False))});
    ShowWindow(form, SW_HIDE);
    Pump();
    XWindowAttributes wa;
    XGetWindowAttributes(Other(), fw, &wa);
    EXPECT_EQ(wa.map_state, IsUnmapped);
    // Without a window manager a minimised form is simply not shown.
    ShowWindow(form, SW_SHOW);
    ShowWindow(form, SW_MINIMIZE);
    Pump();
    XGetWindowAttributes(Other(), fw, &wa);
    EXPECT_EQ(wa.map_state, IsUnmapped);
    ShowWindow(form, SW_RESTORE);
    Pump();
    XGetWindowAttributes(Other(), fw, &wa);
    EXPECT_EQ(wa.map_state, IsViewable);
}
