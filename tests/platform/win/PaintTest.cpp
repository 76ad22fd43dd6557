#include "WinTestUtil.h"

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/Text.h"

#include <gtest/gtest.h>

namespace {

constexpr TColor kRed = RGB(255, 0, 0);
constexpr TColor kBlue = RGB(0, 0, 255);
constexpr TColor kGreen = RGB(0, 255, 0);

// A window that paints its whole client area in one colour and counts.
struct TPainter {
    HWND Wnd = nullptr;
    TColor Color;
    int Erases = 0, Paints = 0, NcPaints = 0;
    TRect LastPaint;
    TRegion LastUpdate;

    TPainter(uint32_t style, TRect r, TColor color, HWND parent = nullptr, uint32_t ex = 0) : Color(color) {
        Wnd = MakeWindow(
            style, r, parent,
            [this](HWND w, TMessage& m) {
                if (m.Msg == WM_ERASEBKGND) {
                    ++Erases;
                    m.Result = 1;
                    return true;
                }
                if (m.Msg == WM_NCPAINT) ++NcPaints;
                if (m.Msg == WM_PAINT) {
                    ++Paints;
                    HRGN u = CreateRectRgn(0, 0, 0, 0);
                    GetUpdateRgn(w, u, false);
                    LastUpdate = u->Region;
                    DeleteObject(u);
                    TPaintStruct ps;
                    HDC dc = BeginPaint(w, ps);
                    LastPaint = ps.rcPaint;
                    TRect c;
                    GetClientRect(w, c);
                    dc->FillRect(c, Color);
                    EndPaint(w, ps);
                    return true;
                }
                return false;
            },
            ex);
    }
    void Reset() { Erases = Paints = NcPaints = 0; }
};

} // namespace

TEST(Painting, TwoInvalidationsGiveOneErasePaintOverTheirUnion) {
    THeadlessSession s;
    TPainter p(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 100, 100), kRed);
    s.Pump();
    EXPECT_EQ(p.Paints, 1);
    p.Reset();
    p.Color = kBlue;
    TRect a = Rect(10, 10, 30, 30), b = Rect(50, 50, 70, 80);
    InvalidateRect(p.Wnd, &a, true);
    InvalidateRect(p.Wnd, &b, false);
    s.Pump();
    EXPECT_EQ(p.Paints, 1);
    EXPECT_EQ(p.Erases, 1);
    EXPECT_TRUE(p.LastUpdate.SameAs(TRegion(a).Union(TRegion(b))));
    EXPECT_EQ(p.LastPaint, Rect(10, 10, 70, 80));
    // Only the union was painted, although the handler filled everything.
    TBitmap shot = s.WindowShot(p.Wnd);
    EXPECT_EQ(PixelAt(shot, 15, 15), 0x0000FFu);
    EXPECT_EQ(PixelAt(shot, 60, 75), 0x0000FFu);
    EXPECT_EQ(PixelAt(shot, 40, 40), 0xFF0000u);
}

TEST(Painting, FrameRedrawGivesNonClientPaintAndValidatedAreaNoPaint) {
    THeadlessSession s;
    TPainter p(WS_POPUP | WS_BORDER | WS_VISIBLE, Bounds(0, 0, 100, 100), kRed);
    s.Pump();
    p.Reset();
    RedrawWindow(p.Wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    s.Pump();
    EXPECT_EQ(p.NcPaints, 1);
    EXPECT_EQ(p.Paints, 1);
    p.Reset();
    TRect a = Rect(0, 0, 20, 20);
    InvalidateRect(p.Wnd, &a, true);
    ValidateRect(p.Wnd, nullptr);
    s.Pump();
    EXPECT_EQ(p.Paints, 0);
    EXPECT_EQ(p.Erases, 0);
    // RDW_UPDATENOW paints before returning.
    RedrawWindow(p.Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(p.Paints, 1);
    EXPECT_EQ(p.Erases, 1);
}

TEST(Painting, ChildrenAreClippedByParentSiblingsAboveAndRegion) {
    THeadlessSession s;
    TPainter top(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, Bounds(0, 0, 100, 100), kRed);
    // Below: a blue child sticking out of its parent's client area.
    TPainter below(WS_CHILD | WS_VISIBLE, Bounds(50, 50, 80, 30), kBlue, top.Wnd);
    // Above it: a green child overlapping it.
    TPainter above(WS_CHILD | WS_VISIBLE, Bounds(60, 40, 20, 20), kGreen, top.Wnd);
    SetWindowPos(above.Wnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    s.Pump();
    RedrawWindow(below.Wnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    TBitmap shot = s.WindowShot(top.Wnd);
    EXPECT_EQ(PixelAt(shot, 55, 55), 0x0000FFu); // blue shows
    EXPECT_EQ(PixelAt(shot, 65, 55), 0x00FF00u); // green sibling above wins
    EXPECT_EQ(PixelAt(shot, 40, 40), 0xFF0000u); // parent elsewhere
    ASSERT_EQ(shot.Width(), 100);                // nothing past the parent

    // A region on the child: its pixels show only inside it.
    SetWindowRgn(below.Wnd, CreateRectRgn(0, 0, 5, 30), true);
    s.Pump();
    shot = s.WindowShot(top.Wnd);
    EXPECT_EQ(PixelAt(shot, 52, 75), 0x0000FFu);
    EXPECT_EQ(PixelAt(shot, 58, 75), 0xFF0000u);
}

TEST(Painting, TopLevelWindowsCompositeByZOrderAndAlpha) {
    THeadlessSession s;
    s.Backend().SetMonitors({{Rect(0, 0, 64, 48), Rect(0, 0, 64, 48), true}});
    s.Backend().SetDesktopPixel(0xFF000000);
    TPainter back(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 40, 40), kRed);
    TPainter front(WS_POPUP | WS_VISIBLE, Bounds(20, 20, 40, 20), kBlue, nullptr, WS_EX_LAYERED);
    ASSERT_TRUE(SetLayeredWindowAttributes(front.Wnd, 0, 128, LWA_ALPHA));
    s.Pump();
    // Per-pixel alpha: a green window whose left half is transparent.
    HWND pp = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 10, 10), nullptr, {}, WS_EX_LAYERED);
    TBitmap px;
    px.SetPixelFormat(pf32bit);
    px.SetSize(10, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            px.ScanLine(y)[x] = x < 5 ? 0x0000FF00u : 0xFF00FF00u;
    ASSERT_TRUE(UpdateLayeredWindow(pp, nullptr, nullptr, &px, nullptr, 255, ULW_ALPHA));
    s.Pump();

    TBitmap shot = s.Screenshot();
    // The expected screen, written out: desktop black, red back window, the
    // blue one at half strength over red and over black, the green corner.
    auto expect = [&](int x, int y) -> uint32_t {
        if (x < 10 && y < 10) return x < 5 ? 0xFF0000u : 0x00FF00u;
        bool inFront = x >= 20 && x < 60 && y >= 20 && y < 40;
        bool inBack = x < 40 && y < 40;
        uint32_t under = inBack ? 0xFF0000u : 0;
        if (!inFront) return under;
        uint32_t r = ((under >> 16) * 127 + 127) / 255;
        uint32_t b = (255 * 128 + 127) / 255;
        return (r << 16) | b;
    };
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            ASSERT_EQ(PixelAt(shot, x, y), expect(x, y)) << x << "," << y;
}

TEST(Painting, WindowDcDrawsTheFrameAndDefaultFrameIsPainted) {
    THeadlessSession s;
    HWND w = MakeWindow(WS_POPUP | WS_CAPTION | WS_VISIBLE, Bounds(0, 0, 100, 100));
    s.Pump();
    TRect client;
    GetClientRectInWindow(w, client);
    EXPECT_EQ(client, Rect(1, 21, 99, 99));
    TBitmap shot = s.WindowShot(w);
    EXPECT_EQ(PixelAt(shot, 0, 0), 0x696969u);   // the border
    EXPECT_EQ(PixelAt(shot, 50, 10), 0x99B4D1u); // the active caption colour
    HDC dc = GetWindowDC(w);
    dc->FillRect(Rect(0, 0, 100, 100), kGreen);
    ReleaseDC(w, dc);
    EXPECT_EQ(PixelAt(s.WindowShot(w), 50, 10), 0x00FF00u);
}

TEST(Painting, HandlerThatNeverBeginsPaintingIsNotAskedForever) {
    THeadlessSession s;
    int paints = 0;
    HWND w = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 50, 50), nullptr, [&](HWND, TMessage& m) {
        paints += m.Msg == WM_PAINT;
        return m.Msg == WM_PAINT;
    });
    s.Pump();
    EXPECT_EQ(paints, 1);
    InvalidateRect(w, nullptr, true);
    s.Pump();
    EXPECT_EQ(paints, 2);
}

TEST(Painting, CaretShowsInvertedOnTheScreenOnlyAndBlinks) {
    THeadlessSession s;
    TPainter p(WS_POPUP | WS_VISIBLE, Bounds(0, 0, 50, 50), RGB(255, 255, 255));
    s.Pump();
    SetCaretBlinkTime(0);
    CreateCaret(p.Wnd, 2, 10);
    SetCaretPos(5, 5);
    EXPECT_FALSE(CaretVisible()); // created hidden
    ShowCaret(p.Wnd);
    EXPECT_EQ(PixelAt(s.WindowShot(p.Wnd), 6, 10), 0u);
    EXPECT_EQ(PixelAt(s.WindowShot(p.Wnd), 7, 10), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(*GetWindowBackBuffer(p.Wnd), 6, 10), 0xFFFFFFu); // never in the back buffer
    // Painting over it keeps it on screen.
    InvalidateRect(p.Wnd, nullptr, false);
    s.Pump();
    EXPECT_EQ(PixelAt(s.WindowShot(p.Wnd), 6, 10), 0u);
    SetCaretBlinkTime(500);
    s.Advance(500);
    EXPECT_EQ(PixelAt(s.WindowShot(p.Wnd), 6, 10), 0xFFFFFFu);
    s.Advance(500);
    EXPECT_EQ(PixelAt(s.WindowShot(p.Wnd), 6, 10), 0u);
    HideCaret(p.Wnd);
    EXPECT_EQ(PixelAt(s.WindowShot(p.Wnd), 6, 10), 0xFFFFFFu);
    DestroyCaret();
}

TEST(Painting, BuiltInCaptionShowsTheWindowText) {
    THeadlessSession s;
    HWND w = CreateWindowEx(0, "Test", "Hello", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 120, 60, nullptr);
    s.Pump();
    TBitmap shot = s.WindowShot(w);
    int inked = 0;
    for (int y = 1; y < 21; ++y)
        for (int x = 1; x < 119; ++x)
            inked += PixelAt(shot, x, y) != 0x99B4D1u;
    HDC probe = GetWindowDC(w);
    bool textDrawn = GetTextExtent(probe, "Hello").cx > 0;
    ReleaseDC(w, probe);
    if (textDrawn) { // text output is the raster layer's; checked once it draws
        EXPECT_GT(inked, 10);
    }
    // Deactivated, the caption turns to the inactive colour.
    HWND other = MakeWindow(WS_POPUP | WS_VISIBLE, Bounds(300, 0, 10, 10));
    SetActiveWindow(other);
    s.Pump();
    EXPECT_EQ(PixelAt(s.WindowShot(w), 118, 2), 0xBFCDDBu);
}
