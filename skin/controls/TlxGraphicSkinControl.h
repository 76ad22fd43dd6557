#pragma once

#include "platform/vcl/TGraphicControl.h"
#include "skin/controls/TlxSkinBase.h"

// The base of the windowless skinned controls: the skin lookup and paint
// pipeline of TlxSkinBase on the parent's window. The control is opaque: it
// paints every pixel of its rectangle.
class TlxGraphicSkinControl : public TlxSkinBase<TGraphicControl> {
public:
    explicit TlxGraphicSkinControl(TComponent* AOwner);
};
