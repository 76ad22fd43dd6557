// Frame layout and non-client painting of the form-skinning component.

#include "skin/windows/TlxLumivex.h"

void TlxLumivex::CalcNewGeometry() {}
void TlxLumivex::CalcObjectRects() {}
TRect TlxLumivex::MapSkinRect(const TRect& R) const {
    return R;
}
void TlxLumivex::UpdateFrame() {}
void TlxLumivex::SetFormRegion() {}
void TlxLumivex::WMNCCalcSize(TMessage&) {}
void TlxLumivex::WMNCPaint(TMessage&) {}
void TlxLumivex::WMNCActivate(TMessage& M) {
    FFormActive = M.WParam != 0;
    M.Result = 1;
}
void TlxLumivex::WMEraseBkgnd(TMessage&) {}
void TlxLumivex::PaintLogo(TCanvas*, const TRect&) {}
void TlxLumivex::PaintNCSkin(HDC, bool) {}
void TlxLumivex::PaintNCDefault(HDC, bool) {}
void TlxLumivex::CalcDefRects() {}
void TlxLumivex::PaintBG(HDC) {}
void TlxLumivex::PaintBG2(HDC) {}
void TlxLumivex::PaintBG3(HDC) {}
void TlxLumivex::PaintBGDefault(HDC) {}
void TlxLumivex::DrawSkinObject(TlxActiveSkinObject*) {}
void TlxLumivex::DrawFormIcon(TCanvas*, int, int) {}
