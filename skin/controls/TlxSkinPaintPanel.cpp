#include "skin/controls/TlxSkinPaintPanel.h"

TlxSkinPaintPanel::TlxSkinPaintPanel(TComponent* AOwner) : TlxSkinPanel(AOwner) {
    FForceBackground = false;
}

void TlxSkinPaintPanel::CreateControlDefaultImage(TBitmap& B) {
    TlxSkinPanel::CreateControlDefaultImage(B);
    PanelPaint(B.Canvas());
}

void TlxSkinPaintPanel::CreateControlSkinImage(TBitmap& B) {
    TlxSkinPanel::CreateControlSkinImage(B);
    PanelPaint(B.Canvas());
}

void TlxSkinPaintPanel::PaintClient(TCanvas* C) {
    PanelPaint(C);
}

void TlxSkinPaintPanel::PanelPaint(TCanvas* C) {
    if (!OnPanelPaint) return;
    TRect r;
    GetSkinClientRect(r);
    OnPanelPaint(C, r);
}
