#include "skin/controls/TlxGraphicSkinCustomControl.h"

TlxGraphicSkinCustomControl::TlxGraphicSkinCustomControl(TComponent* AOwner)
    : TlxSkinCustomBase<TlxGraphicSkinControl>(AOwner) {}
