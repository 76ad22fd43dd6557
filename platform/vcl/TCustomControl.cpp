#include "platform/vcl/TCustomControl.h"

#include "platform/base/ScopeGuard.h"
#include "platform/gdi/Gdi.h"

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

TCustomControl::~TCustomControl() {
    ReleaseCanvasDC();
}

TCanvas* TCustomControl::Canvas() {
    if (!FPainting && !FCanvas.HandleAllocated() && WindowSystemReady()) {
        FCanvasWnd = Handle();
        FCanvasDC = GetDC(FCanvasWnd);
        FCanvas.SetHandle(FCanvasDC);
    }
    return &FCanvas;
}

void TCustomControl::ReleaseCanvasDC() {
    if (!FCanvasDC) return;
    FCanvas.SetHandle(nullptr);
    if (WindowSystemReady()) ReleaseDC(FCanvasWnd, FCanvasDC);
    FCanvasDC = nullptr;
    FCanvasWnd = nullptr;
}

void TCustomControl::PaintWindow(HDC DC) {
    ReleaseCanvasDC();
    int saved = SaveDC(DC);
    FPainting = true;
    FCanvas.SetHandle(DC);
    TScopeGuard release([&] {
        FCanvas.SetHandle(nullptr);
        FPainting = false;
        RestoreDC(DC, saved);
    });
    Paint();
}

void TCustomControl::DestroyHandle() {
    ReleaseCanvasDC();
    TWinControl::DestroyHandle();
}
