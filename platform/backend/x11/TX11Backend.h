#pragma once

#include "platform/backend/x11/TX11Desktop.h"
#include "platform/gdi/TBitmap.h"
#include "platform/win/WinConst.h"
#include "platform/win/WindowBackend.h"

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct _XDisplay;
union _XEvent;
class TX11Surface;
class TX11NativeChild;
struct TX11Atoms;

// The window system on an X display: one X window per top-level window, our
// back buffers pushed to them (MIT-SHM when the server offers it), input
// turned into the window system's raw input, the CLIPBOARD selection, and
// monitors from XRandR. Everything runs on the GUI thread; the loop polls the
// connection through WaitFds and ProcessEvents.
class TX11Backend : public TWindowBackend {
public:
    // Opens displayName (null: $DISPLAY); raises Exception when it cannot.
    explicit TX11Backend(const char* displayName = nullptr);
    ~TX11Backend() override;
    TX11Backend(const TX11Backend&) = delete;
    TX11Backend& operator=(const TX11Backend&) = delete;

    _XDisplay* Display() const { return FDisplay; }
    int Screen() const { return FScreen; }
    unsigned long Root() const { return FRoot; }
    const TX11Atoms& Atoms() const { return *FAtoms; }

    // ---- TWindowBackend
    std::unique_ptr<TBackendSurface> CreateSurface(HWND wnd, const TSurfaceParams& params) override;
    void Restack(const std::vector<TBackendSurface*>& topFirst) override;
    std::vector<TBackendMonitor> Monitors() override;
    TDesktopServices* Desktop() override { return FDesktop.get(); }
    bool LayeredSupported() override { return FCompositor; }
    uint64_t TickCount() override;
    bool VirtualClock() override { return false; }
    std::vector<int> WaitFds() override;
    void ProcessEvents() override;
    void SetCursorShape(int cursorId) override;
    void SetActiveSurface(TBackendSurface* surface) override;
    void SetPointerGrab(TBackendSurface* surface) override;
    std::unique_ptr<TNativeChild> CreateNativeChild(TBackendSurface* surface,
                                                    const TRect& rectInTop) override;

    // ---- Beyond the window system
    // Pushes what was presented since the last push; the loop does it when
    // it goes idle (and every 30 ms while it stays busy).
    void Flush();
    // A round trip: the server has handled every request, and every event it
    // had for us is read and turned into input.
    void Sync();
    // The screen's pixels in a rectangle of root coordinates (alpha 255).
    TBitmap Screenshot(const TRect& area);
    // The CLIPBOARD selection as UTF-8 text ("" when nobody owns it or the
    // owner does not answer within timeoutMs); our own text when we own it.
    std::string ClipboardText(int timeoutMs = 1000);
    // Takes the CLIPBOARD selection and serves text to whoever asks.
    void SetClipboardText(const std::string& text);
    // Events of an X window of ours that is no surface (a tray icon) go to
    // Handler, on the GUI thread.
    void WatchWindow(unsigned long xwnd, std::function<void(_XEvent&)> Handler);
    void UnwatchWindow(unsigned long xwnd);
    // The X window of a top-level window's surface, or 0.
    unsigned long WindowOf(HWND wnd) const;
    bool ShmAvailable() const { return FShm; }
    // A window manager announces itself on the root window.
    bool WindowManagerRunning();
    int CurrentCursor() const { return FCursorId; }

private:
    friend class TX11Surface;
    friend class TX11NativeChild;
    void Forget(TX11Surface* s);
    // Waits until the server has read the shared images it was given.
    void WaitForShm();
    TX11Surface* SurfaceOfWindow(unsigned long xwnd) const;
    TX11Surface* SurfaceOfWnd(HWND wnd) const;
    TX11NativeChild* NativeChildOfWindow(unsigned long xwnd) const;
    void HandleEvent(_XEvent& ev);
    void HandleSelectionRequest(_XEvent& ev);
    // A compositing manager took or left the screen's selection.
    void CheckCompositor();
    // Unmanaged windows owned by owner go directly above it (its frame), in
    // the order of the last restack: they stand and fall with it and never
    // above another program's windows.
    void StackOwnedAbove(TX11Surface* owner);
    void Reparented(TX11Surface* s, unsigned long parent);
    void HandleKey(_XEvent& ev, TX11Surface* s);
    void Focus(TX11Surface* s);
    // A surface was mapped: it takes the focus if it was waiting for that.
    void SurfaceMapped(TX11Surface* s);
    void CheckFocus();
    unsigned long CursorFor(int cursorId);

    _XDisplay* FDisplay = nullptr;
    int FScreen = 0;
    unsigned long FRoot = 0;
    std::unique_ptr<TX11Atoms> FAtoms;
    bool FShm = false;
    bool FShmBusy = false;
    bool FShape = false;
    bool FRandr = false;
    int FRandrEvent = 0;
    bool FCompositor = false;
    // _NET_WM_CM_S<screen>, watched through XFixes where the server has it.
    unsigned long FCompositorSelection = 0;
    bool FFixes = false;
    int FFixesEvent = 0;
    // The surfaces of the last restack, topmost first.
    std::vector<TX11Surface*> FStackOrder;
    void* FInputMethod = nullptr; // XIM
    // A hidden window of ours: owns the selection, receives conversions.
    unsigned long FHelper = 0;
    std::chrono::steady_clock::time_point FStart;
    std::chrono::steady_clock::time_point FLastFlush;

    std::vector<TX11Surface*> FSurfaces;
    std::map<int, unsigned long> FCursors;
    int FCursorId = IDC_ARROW; // as the window system starts
    TX11Surface* FGrab = nullptr;
    TX11Surface* FWantActive = nullptr;

    bool FFocusSeen = false; // a focus event came in this batch
    bool FHaveFocus = false; // the X input focus is in one of our windows
    bool FPointerKnown = false;
    TPoint FPointer; // where the window system last heard the pointer was
    bool FLeavePending = false;
    int FLeaveX = 0, FLeaveY = 0;

    std::optional<std::vector<TBackendMonitor>> FMonitors;

    bool FOwnClipboard = false;
    std::string FClipboard;

    std::map<unsigned long, std::function<void(_XEvent&)>> FWatched;
    std::unique_ptr<TX11Desktop> FDesktop;
};
