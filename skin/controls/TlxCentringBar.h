#pragma once

#include "platform/base/Types.h"

class TWinControl;

// A bar that centres the skinned controls placed on it vertically in its skin
// client rectangle while AdjustControls is on (the skinned tool bar).
class TlxCentringBar {
public:
    virtual bool AdjustControls() const = 0;
    virtual void GetSkinClientRect(TRect& R) = 0;

protected:
    ~TlxCentringBar() = default;
};

// The top that centres a control of height AHeight on Parent when Parent is a
// centring bar with AdjustControls on (halves truncated toward zero); else ATop.
int CentredTop(TWinControl* Parent, int ATop, int AHeight);
