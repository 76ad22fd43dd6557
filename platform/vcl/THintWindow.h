#pragma once

#include "platform/vcl/TCustomControl.h"

// The small window that shows a control's hint. The skinned hints replace it
// through TApplication::HintWindowClass.
class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* AOwner);

    // The size the text needs, at most MaxWidth wide.
    virtual TRect CalcHintRect(int MaxWidth, const std::string& AHint);
    // Shows Hint in Rect (screen coordinates) without taking the focus.
    virtual void ActivateHint(const TRect& Rect, const std::string& AHint);
    virtual void ReleaseHandle();
    bool Active() const { return FActive; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;

private:
    bool FActive = false;
};
