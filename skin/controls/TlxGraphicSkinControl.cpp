#include "skin/controls/TlxGraphicSkinControl.h"

TlxGraphicSkinControl::TlxGraphicSkinControl(TComponent* AOwner) : TlxSkinBase<TGraphicControl>(AOwner) {
    FControlStyle.Include(csOpaque);
}
