#pragma once

#include "skin/windows/TlxActiveSkinObject.h"

// An area of the frame that the application paints itself: drawing raises
// the component's OnPaintEvent with the object's name and rectangle.
class TlxUserObject : public TlxActiveSkinObject {
public:
    using TlxActiveSkinObject::TlxActiveSkinObject;

    void Draw(TCanvas* Cnvs, bool UpDate) override;
};
