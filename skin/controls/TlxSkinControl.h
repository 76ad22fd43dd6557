#pragma once

#include "platform/vcl/TCustomControl.h"
#include "skin/controls/TlxSkinBase.h"

// The base of every windowed skinned control: the skin lookup and paint
// pipeline of TlxSkinBase on a window that never erases its background (every
// paint covers the whole control) and answers WM_CHECKPARENTBG.
class TlxSkinControl : public TlxSkinBase<TCustomControl> {
public:
    explicit TlxSkinControl(TComponent* AOwner);

    // True only while the control serves WM_PAINT.
    bool FromWMPaint() const { return FFromWMPaint; }
    // Nothing calls it; kept for controls of other toolkits that expect it.
    virtual void AfterChangeSkinData() {}

protected:
    // The parent's background changed (WM_CHECKPARENTBG).
    virtual void CheckParentBackground() {}
    void Dispatch(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override;

private:
    bool FFromWMPaint = false;
};
