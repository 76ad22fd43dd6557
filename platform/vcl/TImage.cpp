#include "platform/vcl/TImage.h"

#include "platform/gdi/TGraphic.h"

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle.Include(csReplicatable);
    FPicture.OnChange = [this](TObject*) { PictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

void TImage::SetCenter(bool Value) {
    if (FCenter == Value) return;
    FCenter = Value;
    Invalidate();
}

void TImage::SetStretch(bool Value) {
    if (FStretch == Value) return;
    FStretch = Value;
    Invalidate();
}

void TImage::SetTransparent(bool Value) {
    if (FTransparent == Value) return;
    FTransparent = Value;
    PictureChanged();
}

void TImage::PictureChanged() {
    if (TGraphic* g = FPicture.Graphic()) {
        g->SetTransparent(FTransparent);
        // Drawing on the picture itself shows too.
        g->OnChange = [this](TObject*) { Invalidate(); };
    }
    AdjustSize();
    Invalidate();
}

bool TImage::CanAutoSize(int& NewWidth, int& NewHeight) {
    if (FPicture.Empty()) return false;
    NewWidth = FPicture.Width();
    NewHeight = FPicture.Height();
    return true;
}

TRect TImage::DestRect() const {
    if (FStretch) return ClientRect();
    const int w = FPicture.Width(), h = FPicture.Height();
    if (FCenter) {
        const int x = FWidth / 2 - w / 2, y = FHeight / 2 - h / 2;
        return {x, y, x + w, y + h};
    }
    return {0, 0, w, h};
}

void TImage::Paint() {
    if (FPicture.Empty()) return;
    Canvas()->StretchDraw(DestRect(), FPicture.Graphic());
}
