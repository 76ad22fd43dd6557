#include "platform/vcl/TGraphicControl.h"

#include "platform/base/ScopeGuard.h"
#include "platform/gdi/Gdi.h"

void TGraphicControl::WMPaint(TMessage& Message) {
    auto dc = reinterpret_cast<HDC>(Message.WParam);
    if (!dc) return;
    int saved = SaveDC(dc);
    FCanvas.SetHandle(dc);
    TScopeGuard release([&] {
        FCanvas.SetHandle(nullptr);
        RestoreDC(dc, saved);
    });
    Paint();
}
