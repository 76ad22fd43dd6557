#pragma once

#include "TXvfbServer.h"

#include "platform/backend/headless/TMessageRecorder.h"
#include "platform/backend/x11/TX11Backend.h"
#include "platform/win/WinApi.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// Every X11 test runs the window system on a private Xvfb and drives it with
// real input (XTest) from a second connection, which also serves as "another
// client". The test is skipped when Xvfb is not installed.
class X11Fixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TX11Backend& Backend() { return *FBackend; }
    // The second connection.
    _XDisplay* Other() { return FOther; }
    const std::string& DisplayName() const { return FServer->Display(); }
    // Restarts the window system on a fresh connection (after changing what
    // the backend looks at when it starts).
    void Reconnect();

    // ---- Real input (buttons: 1 left, 2 middle, 3 right, 4/5 wheel)
    void MouseMove(TPoint p);
    void MouseDown(TPoint p, int button = 1);
    void MouseUp(TPoint p, int button = 1);
    void Click(TPoint p, int button = 1);
    void Drag(TPoint from, TPoint to, int steps = 4);
    void KeyDown(unsigned long keySym);
    void KeyUp(unsigned long keySym);
    void Key(unsigned long keySym);

    // Lets the server deliver what was injected, then dispatches until idle
    // and pushes the painted pixels.
    void Pump();
    // Pumps (serving the window system's loop) until done() or timeoutMs.
    bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 3000);
    TBitmap Screenshot(const TRect& area) { return FBackend->Screenshot(area); }

    // ---- Another client's view of a window of the display (by id)
    // Mapped with every ancestor.
    bool WindowViewable(uintptr_t id);
    TPoint WindowOnScreen(uintptr_t id);
    TSize WindowSize(uintptr_t id);
    // Fills the whole window in a colour (0xRRGGBB) and waits until it is done.
    void FillWindow(uintptr_t id, uint32_t rgb);

private:
    std::unique_ptr<TXvfbServer> FServer;
    TX11Backend* FBackend = nullptr;
    _XDisplay* FOther = nullptr;
};

// A window whose handler offers each message to fn first; fn returns true
// when it handled the message.
using TTestHandler = std::function<bool(HWND, TMessage&)>;
HWND MakeWindow(uint32_t style, TRect r, HWND parent = nullptr, TTestHandler fn = {}, uint32_t exStyle = 0,
                uint32_t classStyle = 0, const char* text = "");
// A window painting its client area in one colour.
HWND MakeColorWindow(uint32_t style, TRect r, TColor color, HWND parent = nullptr, uint32_t exStyle = 0);
