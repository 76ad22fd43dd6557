#pragma once

#include "platform/base/Alignment.h"
#include "platform/vcl/TGraphicControl.h"

enum TTextLayout { tlTop, tlCenter, tlBottom };

class TWinControl;

// A windowless caption. DoDrawText both paints and measures (with
// DT_CALCRECT), so a descendant that draws its text differently sizes itself
// by the same rules.
class TCustomLabel : public TGraphicControl {
public:
    explicit TCustomLabel(TComponent* AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    bool Transparent() const { return !FControlStyle.Contains(csOpaque); }
    void SetTransparent(bool Value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);
    // The control an accelerator in the caption focuses.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);
    void SetAutoSize(bool Value) override;
    void Loaded() override;

protected:
    virtual std::string GetLabelText() const { return Caption(); }
    // Draws (or, with DT_CALCRECT in Flags, measures into Rect) the label's
    // text on Canvas with the label's font.
    virtual void DoDrawText(TRect& Rect, uint32_t Flags);
    // The DrawText flags for the text: tabs, word wrap and alignment.
    uint32_t TextFlags() const;
    void Paint() override;
    // With AutoSize, takes the size of the text; a right-aligned label keeps its right edge.
    virtual void AdjustBounds();
    void Dispatch(TMessage& Message) override;

    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
    bool FShowAccelChar = true;
    TComponentRef<TWinControl> FFocusControl{this};
};

class TLabel : public TCustomLabel {
public:
    using TCustomLabel::TCustomLabel;
};
