#include "skin/controls/TlxCentringBar.h"

#include "platform/vcl/TWinControl.h"

int CentredTop(TWinControl* Parent, int ATop, int AHeight) {
    auto* bar = dynamic_cast<TlxCentringBar*>(Parent);
    if (!bar || !bar->AdjustControls()) return ATop;
    TRect r;
    bar->GetSkinClientRect(r);
    return r.Height() / 2 + r.Top - AHeight / 2;
}
