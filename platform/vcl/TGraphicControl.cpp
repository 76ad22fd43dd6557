#include "platform/vcl/TGraphicControl.h"

#include "platform/gdi/Gdi.h"

void TGraphicControl::WMPaint(TMessage& Message) {
    auto dc = reinterpret_cast<HDC>(Message.WParam);
    if (!dc) return;
    int saved = SaveDC(dc);
    FCanvas.SetHandle(dc);
    try {
        Paint();
    } catch (...) {
        FCanvas.SetHandle(nullptr);
        RestoreDC(dc, saved);
        throw;
    }
    FCanvas.SetHandle(nullptr);
    RestoreDC(dc, saved);
}
