#pragma once

#include "platform/vcl/TCustomControl.h"

class TPageControl;

// One page of a page control: a windowed child the page control shows while
// its tab is selected, aligned to the page control's display rectangle. Its
// caption, image and visibility are those of its tab.
class TTabSheet : public TCustomControl {
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* Value);
    // Position among the page control's pages (-1 without one).
    int PageIndex() const;
    void SetPageIndex(int Value);
    // Position among the visible tabs (-1 while the tab is hidden).
    int TabIndex() const;
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);

    void SetParent(TWinControl* AParent) override;
    void SetParentComponent(TComponent* Value) override;

protected:
    void Dispatch(TMessage& Message) override;

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
    int FImageIndex = -1;
};
