#pragma once

#include "media/task/TCustomZorvexion.h"

// The conversion component as the application places it on a form; it adds
// no behaviour.
class TZorvexion : public TCustomZorvexion {
public:
    using TCustomZorvexion::TCustomZorvexion;
    ~TZorvexion() override { Shutdown(); }
};
