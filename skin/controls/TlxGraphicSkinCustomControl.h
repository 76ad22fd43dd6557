#pragma once

#include "skin/controls/TlxGraphicSkinControl.h"
#include "skin/controls/TlxSkinCustomBase.h"

// The windowless twin of TlxSkinCustomControl: the same picture model without
// a window region, a frame path or background notices.
class TlxGraphicSkinCustomControl : public TlxSkinCustomBase<TlxGraphicSkinControl> {
public:
    explicit TlxGraphicSkinCustomControl(TComponent* AOwner);
};
