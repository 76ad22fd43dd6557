#pragma once

#include "platform/sys/TDesktopServices.h"
#include "platform/win/WinTypes.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TRegion;

// The narrow interface between the window system and a display: screen
// (monitors, capabilities), one surface per top-level window, input, the clock
// and the wake-up. Child windows, painting, hit-testing and the non-client
// protocol stay above it, so a backend only shows pixels and reports input.

using TBackendMonitor = TDesktopMonitor;

enum class TSurfaceKind { skNormal, skPopup, skTool };

struct TSurfaceParams {
    TSurfaceKind Kind = TSurfaceKind::skNormal;
    TRect Bounds; // screen coordinates
    bool Topmost = false;
    std::string Title;
};

// What a top-level window shows on the screen.
class TBackendSurface {
public:
    virtual ~TBackendSurface() = default;
    virtual void SetBounds(const TRect& screenRect) = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void SetTitle(const std::string& title) { (void)title; }
    // The whole window's back buffer (straight alpha); dirty is in window
    // coordinates and only a hint (empty: the whole window).
    virtual void Present(const TBitmap& pixels, const TRect& dirty) = 0;
    // Layered: constant alpha (255 = opaque) and whether the buffer's own
    // alpha counts. Only called when the backend reports the capability.
    virtual void SetLayered(bool layered, Byte constantAlpha, bool perPixel) = 0;
    // The window's shape in window coordinates; null removes it.
    virtual void SetShape(const TRegion* shape) = 0;
};

// Input as a backend reports it, in screen coordinates.
enum class TRawInputKind {
    riMouseMove,
    riButtonDown,
    riButtonUp,
    riWheel,
    riKeyDown,
    riKeyUp,
    riChar,
    // The display took the input focus away from this program or gave it back.
    riAppDeactivate,
    riAppActivate,
    // The display asks a top-level window to close (its close box).
    riClose,
};

struct TRawInput {
    TRawInputKind Kind = TRawInputKind::riMouseMove;
    TPoint Pos;
    TMouseButton Button = TMouseButton::mbLeft;
    int WheelDelta = 0;
    int VKey = 0;
    uint32_t Char = 0;     // riChar: a Unicode code point
    HWND Window = nullptr; // riClose
};

// A real window of the display inside a top-level window, for a library that
// draws into a window id of its own (a video screen). It is a window of the
// display, not of the window system: nothing paints over it and it gets no
// messages. The library selects no events on a borrowed window, so the
// backend watches it and tells of its exposures and size changes (on the GUI
// thread, as the display reports them).
class TNativeChild {
public:
    virtual ~TNativeChild() = default;
    // The display's id of the window (an X window id).
    virtual uintptr_t WindowId() const = 0;
    // Where it lies, in the coordinates of its top-level window, and the
    // part of that which may show (what its host's ancestors leave of it);
    // the window keeps its whole size when only part of it shows.
    virtual void SetBounds(const TRect& rectInTop, const TRect& clipInTop) = 0;
    virtual void SetVisible(bool visible) = 0;
    // Fills the window with its background, taking away what the library
    // last drew into it.
    virtual void Clear() = 0;

    // Part of the window must be drawn again (the last of a run of exposures).
    std::function<void()> OnExpose;
    // The display gave the window a new size.
    std::function<void(int width, int height)> OnResize;
};

class TWindowBackend {
public:
    virtual ~TWindowBackend() = default;

    virtual std::unique_ptr<TBackendSurface> CreateSurface(HWND wnd, const TSurfaceParams& params) = 0;
    // Stacking of the visible surfaces, topmost first.
    virtual void Restack(const std::vector<TBackendSurface*>& topFirst) = 0;
    virtual std::vector<TBackendMonitor> Monitors() = 0;
    // The desktop services this display serves; the window system installs
    // them (DesktopServices()) while it runs on this backend.
    virtual TDesktopServices* Desktop() { return nullptr; }
    virtual bool LayeredSupported() = 0;

    // Milliseconds on the backend's clock. A virtual clock only moves when a
    // test moves it, so the loop never sleeps for a timer on it.
    virtual uint64_t TickCount() = 0;
    virtual bool VirtualClock() = 0;

    // Descriptors the loop polls beside its own wake-up; when one turns
    // readable, ProcessEvents reads them and queues input (QueueRawInput).
    virtual std::vector<int> WaitFds() { return {}; }
    virtual void ProcessEvents() {}

    virtual void SetCursorShape(int cursorId) = 0;
    // The window system activated this surface's window (null: none is active).
    virtual void SetActiveSurface(TBackendSurface* surface) { (void)surface; }
    // The pointer is grabbed for the window system's capture (or released).
    virtual void SetPointerGrab(TBackendSurface* surface) { (void)surface; }
    // A native child of surface at rectInTop, shown, with its id ready for
    // another connection to use; null where the display has none (headless).
    virtual std::unique_ptr<TNativeChild> CreateNativeChild(TBackendSurface* surface,
                                                            const TRect& rectInTop) {
        (void)surface;
        (void)rectInTop;
        return nullptr;
    }
};

// ---- Starting the window system and feeding it (backends, program start-up, tests)
// Starts it on the calling thread (which becomes the GUI thread) with a
// backend, and joins it to the GUI-thread call service.
void InitWindowSystem(std::unique_ptr<TWindowBackend> backend);
TWindowBackend* WindowBackend();
// Queues input from the backend (any thread) and wakes the loop.
void QueueRawInput(const TRawInput& input);
// The display started or stopped compositing (GUI thread): every top-level
// window is shown again by the new capability and is posted
// WM_DWMCOMPOSITIONCHANGED.
void LayeredCapabilityChanged();
