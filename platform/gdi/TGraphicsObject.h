#pragma once

#include "platform/base/Object.h"

// The base of TPen, TBrush and TFont: OnChange fires after every change.
class TGraphicsObject : public TObject {
public:
    TNotifyEvent OnChange;

protected:
    void Changed() {
        if (OnChange) OnChange(this);
    }
};
