#pragma once

#include "platform/gdi/TRegion.h"
#include "platform/win/WinConst.h"
#include "platform/win/WinTypes.h"
#include "platform/win/WindowBackend.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class TBitmap;

struct THandlerEntry {
    THandlerId Id = 0;
    TWindowHandler Proc;
    bool Removed = false;
};

enum class TShowState { ssNormal, ssMinimized, ssMaximized };

// The window system's record of one window. Only the GUI thread touches it.
struct TWindow {
    TWindow();
    ~TWindow();

    HWND Handle = nullptr;
    TWindow* Parent = nullptr;
    TWindow* Owner = nullptr;
    // Children, topmost first.
    std::vector<TWindow*> Children;

    std::string ClassName;
    std::string Text;
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    uint32_t ClassStyle = 0;
    intptr_t UserData = 0;

    // Parent client coordinates for a child, screen coordinates otherwise.
    TRect WindowRect;
    // The client area in window coordinates (origin at the window's corner).
    TRect ClientRect;

    TShowState ShowState = TShowState::ssNormal;
    TRect RestoreRect;

    // The handler chain, bottom first. Entries stay alive while a call runs
    // through them (shared ownership), so removal in any order is safe.
    std::vector<std::shared_ptr<THandlerEntry>> Handlers;

    // Calls into this window's chain that have not returned yet.
    int DispatchDepth = 0;
    bool DestroyPending = false;
    bool Destroying = false;
    bool Created = false;

    // Window region in window coordinates; none means the whole rectangle.
    std::optional<TRegion> Region;
    // Area waiting for WM_PAINT, in client coordinates.
    TRegion UpdateRegion;
    bool ErasePending = false;
    bool NcPaintPending = false;
    bool InternalPaint = false;
    // Counts BeginPaint calls: a WM_PAINT handler that never called it is
    // not asked again and again.
    uint64_t PaintSerial = 0;

    // Top-level windows only.
    std::unique_ptr<TBackendSurface> Surface;
    std::unique_ptr<TBitmap> BackBuffer;
    bool LayeredAlphaSet = false;
    Byte LayeredAlpha = 255;
    bool PerPixelAlpha = false;
    // UpdateLayeredWindow gave the content: no paint messages.
    bool ContentGiven = false;

    TScrollInfo Scroll[2];
    int CursorId = 0;

    bool Visible() const { return (Style & WS_VISIBLE) != 0; }
    bool Enabled() const { return (Style & WS_DISABLED) == 0; }
    bool IsChild() const { return (Style & WS_CHILD) != 0 && Parent != nullptr; }
    bool IsTopLevel() const { return !IsChild(); }
};
