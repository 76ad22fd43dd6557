#pragma once

#include "platform/vcl/TCustomLabel.h"
#include "skin/controls/SkinControlTypes.h"
#include "skin/controls/TlxSkinnedLabel.h"

// The platform's label drawing its caption in the skin's font ("stdlabel"),
// with an ellipsis option and an embossed disabled look.
class TlxSkinStdLabel : public TlxSkinnedLabel<TCustomLabel> {
public:
    explicit TlxSkinStdLabel(TComponent* AOwner);

    TlxEllipsType EllipsType() const { return FEllipsType; }
    void SetEllipsType(TlxEllipsType Value);

    // AText drawn as the label draws its caption, with the label's client
    // rectangle moved to (X, Y).
    void PaintSkinTo(TCanvas* C, int X, int Y, const std::string& AText);

protected:
    void DoDrawText(TRect& Rect, uint32_t Flags) override;
    void AdjustBounds() override { TCustomLabel::AdjustBounds(); }

private:
    void DrawTextOn(TCanvas& C, std::string Text, TRect& Rect, uint32_t Flags);

    TlxEllipsType FEllipsType = lxetNone;
};
