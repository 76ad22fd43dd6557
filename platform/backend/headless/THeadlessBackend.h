#pragma once

#include "platform/backend/headless/THeadlessDesktop.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TRegion.h"
#include "platform/win/WindowBackend.h"

#include <atomic>
#include <optional>
#include <vector>

class THeadlessBackend;

// A top-level window's picture on the virtual screen.
class THeadlessSurface : public TBackendSurface {
public:
    THeadlessSurface(THeadlessBackend* owner, HWND wnd, const TSurfaceParams& params);
    ~THeadlessSurface() override;

    void SetBounds(const TRect& screenRect) override { FBounds = screenRect; }
    void SetVisible(bool visible) override { FVisible = visible; }
    void SetTitle(const std::string& title) override { FTitle = title; }
    void Present(const TBitmap& pixels, const TRect& dirty) override;
    void SetLayered(bool layered, Byte constantAlpha, bool perPixel) override;
    void SetShape(const TRegion* shape) override;

    HWND Wnd() const { return FWnd; }
    const TRect& ScreenBounds() const { return FBounds; }
    bool Visible() const { return FVisible; }
    bool Layered() const { return FLayered; }
    Byte ConstantAlpha() const { return FAlpha; }
    bool PerPixelAlpha() const { return FPerPixel; }
    const std::string& Title() const { return FTitle; }
    const TBitmap& Pixels() const { return FPixels; }
    const std::optional<TRegion>& Shape() const { return FShape; }
    TSurfaceKind Kind() const { return FKind; }
    int PresentCount() const { return FPresents; }

private:
    friend class THeadlessBackend;
    THeadlessBackend* FOwner;
    HWND FWnd;
    TSurfaceKind FKind;
    TRect FBounds;
    bool FVisible = false;
    std::string FTitle;
    bool FLayered = false;
    Byte FAlpha = 255;
    bool FPerPixel = false;
    std::optional<TRegion> FShape;
    TBitmap FPixels;
    int FPresents = 0;
};

// A display in memory: monitors and work areas as configured, a window
// manager that stacks surfaces as told, a virtual (or real) clock, and a
// screen composed on demand by z-order and alpha.
class THeadlessBackend : public TWindowBackend {
public:
    THeadlessBackend();
    ~THeadlessBackend() override;

    // ---- Configuration
    // The default is one 1024 x 768 monitor whose work area leaves 40 pixels
    // at the bottom (a task bar).
    void SetMonitors(std::vector<TBackendMonitor> monitors) { FMonitors = std::move(monitors); }
    // A change reaches the window system's windows as it would from a display.
    void SetLayeredCapability(bool on);
    void SetVirtualClock(bool on) { FVirtual = on; }
    void SetTime(uint64_t ms) { FNow = ms; }
    void AdvanceTime(uint64_t ms) { FNow += ms; }
    // The desktop colour behind all windows (0xAARRGGBB).
    void SetDesktopPixel(uint32_t pixel) { FDesktop = pixel; }

    // ---- What shows
    // The whole screen (the union of the monitors); pixel (0, 0) is the
    // union's top-left corner.
    TBitmap Screenshot() const;
    TRect ScreenBounds() const;
    // Visible surfaces, topmost first.
    std::vector<THeadlessSurface*> Stack() const;
    THeadlessSurface* SurfaceOf(HWND wnd) const;
    int CursorShape() const { return FCursor; }
    TBackendSurface* GrabbedSurface() const { return FGrab; }

    // ---- TWindowBackend
    std::unique_ptr<TBackendSurface> CreateSurface(HWND wnd, const TSurfaceParams& params) override;
    void Restack(const std::vector<TBackendSurface*>& topFirst) override;
    std::vector<TBackendMonitor> Monitors() override { return FMonitors; }
    TDesktopServices* Desktop() override { return &FServices; }
    // The desktop: in-process clipboard, these monitors, a recording tray.
    THeadlessDesktop& HeadlessDesktop() { return FServices; }
    bool LayeredSupported() override { return FLayered; }
    uint64_t TickCount() override;
    bool VirtualClock() override { return FVirtual; }
    void SetCursorShape(int cursorId) override { FCursor = cursorId; }
    void SetPointerGrab(TBackendSurface* surface) override { FGrab = surface; }

private:
    friend class THeadlessSurface;
    void Forget(THeadlessSurface* s);

    std::vector<TBackendMonitor> FMonitors;
    THeadlessDesktop FServices{this};
    std::vector<THeadlessSurface*> FSurfaces; // every surface, in creation order
    std::vector<THeadlessSurface*> FStack;    // topmost first
    bool FLayered = true;
    std::atomic<bool> FVirtual{true};
    std::atomic<uint64_t> FNow{0};
    uint64_t FRealStart;
    uint32_t FDesktop = 0xFF3A6EA5;
    int FCursor = 0;
    TBackendSurface* FGrab = nullptr;
};
