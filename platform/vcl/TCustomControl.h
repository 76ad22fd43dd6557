#pragma once

#include "platform/gdi/TCanvas.h"
#include "platform/vcl/TWinControl.h"

// A windowed control that paints itself on a canvas in Paint. The canvas
// also works outside paint messages (it then draws through the window's
// device context).
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;

    TCanvas* Canvas();

protected:
    virtual void Paint() {}
    void PaintWindow(HDC DC) override;
    void DestroyHandle() override;

private:
    void ReleaseCanvasDC();
    TCanvas FCanvas;
    HDC FCanvasDC = nullptr;
    HWND FCanvasWnd = nullptr;
    bool FPainting = false;
};
