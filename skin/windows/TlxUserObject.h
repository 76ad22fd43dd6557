#pragma once

#include "skin/windows/TlxActiveSkinObject.h"

// An area of the frame the application paints itself (OnPaintEvent).
class TlxUserObject : public TlxActiveSkinObject {
public:
    using TlxActiveSkinObject::TlxActiveSkinObject;
    void Draw(TCanvas* Cnvs, bool UpDate) override;
};
