#pragma once

#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TRegion.h"
#include "platform/win/WindowBackend.h"

#include "platform/backend/x11/X11Internal.h"

#include <X11/extensions/XShm.h>

#include <optional>
#include <vector>

class TX11Backend;
class TX11NativeChild;

// One top-level window's X window. Forms are managed windows without
// decorations; popups, menus, hints and glow layers are override-redirect
// windows that never take the focus. Presented pixels are kept in an image
// (shared memory when the server offers it) that also serves Expose.
class TX11Surface : public TBackendSurface {
public:
    TX11Surface(TX11Backend* owner, HWND wnd, const TSurfaceParams& params);
    ~TX11Surface() override;

    void SetBounds(const TRect& screenRect) override;
    void SetVisible(bool visible) override;
    void SetTitle(const std::string& title) override;
    void Present(const TBitmap& pixels, const TRect& dirty) override;
    void SetLayered(bool layered, Byte constantAlpha, bool perPixel) override;
    void SetShape(const TRegion* shape) override;

    HWND Wnd() const { return FWnd; }
    Window XWindow() const { return FWindow; }
    bool OverrideRedirect() const { return FOverride; }
    bool Mapped() const { return FMapped; }
    // The root's child that holds the window: a window manager's frame, or
    // the window itself.
    Window StackWindow() const { return FFrame ? FFrame : FWindow; }
    const TRect& Bounds() const { return FBounds; }
    void* InputContext() const { return FInputContext; }

    // Pushes the area presented since the last push.
    void Flush();
    // Puts an area (window coordinates) from the image on the screen again.
    void ExposeArea(const TRect& area);
    // The window manager moved the window: where it lies now.
    void Moved(TPoint topLeft);
    void ApplyCursor(Cursor cursor);
    void AddNativeChild(TX11NativeChild* c) { FChildren.push_back(c); }
    void RemoveNativeChild(TX11NativeChild* c);

private:
    friend class TX11Backend;
    friend class TX11NativeChild;
    void WriteProperties();
    void SetState(Atom state, bool on);
    void MakeImage();
    void DropImage();
    void Convert(const TRect& area);
    void PutArea(const TRect& area);

    TX11Backend* FOwner;
    Display* FDisplay;
    HWND FWnd;
    Window FWindow = 0;
    bool FOverride = false;
    bool FArgb = false;
    int FDepth = 24;
    Visual* FVisual = nullptr;
    Colormap FColormap = 0;
    GC FGc = nullptr;
    void* FInputContext = nullptr; // XIC
    TRect FBounds;
    bool FVisible = false;
    bool FMapped = false;
    bool FIconified = false;
    bool FTopmost = false;
    unsigned long FMoveSerial = 0; // the request of our last move
    Window FFrame = 0;             // the window manager's frame, 0 when none
    std::string FTitle;

    bool FLayered = false;
    Byte FAlpha = 255;
    bool FPerPixel = false;

    TBitmap FPixels; // what was presented, straight alpha
    XImage* FImage = nullptr;
    XShmSegmentInfo FShmInfo{};
    bool FShmImage = false;
    TRect FDirty; // window coordinates, pushed by Flush
    std::vector<TX11NativeChild*> FChildren;
};
