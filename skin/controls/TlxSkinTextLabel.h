#pragma once

#include "platform/base/Alignment.h"
#include "platform/base/Strings.h"
#include "platform/vcl/TCustomLabel.h"
#include "platform/vcl/TGraphicControl.h"
#include "skin/controls/TlxSkinnedLabel.h"

// A windowless multi-line label whose text is a string list, drawn in the
// skin's "stdlabel" font; with AutoSize it takes the size of its lines.
class TlxSkinTextLabel : public TlxSkinnedLabel<TGraphicControl> {
public:
    explicit TlxSkinTextLabel(TComponent* AOwner);
    TStringList* Lines() { return &FLines; }
    void SetLines(const TStrings& Value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TTextLayout Layout() const { return FLayout; }
    void SetLayout(TTextLayout Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    void SetAutoSize(bool Value) override;
    void Loaded() override;

protected:
    // The lines as one text, each ended by a line break.
    virtual std::string GetLabelText() const { return FLines.Text(); }
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    // With AutoSize: the size of the lines; a right-aligned label keeps its right edge.
    void AdjustBounds() override;

private:
    uint32_t TextFlags() const;
    // The height of the lines measured on C (less the empty line the final
    // line break adds), and their width.
    TSize MeasureLines(TCanvas& C, const TRect& Within);

    TStringList FLines;
    TAlignment FAlignment = taLeftJustify;
    TTextLayout FLayout = tlTop;
    bool FWordWrap = false;
};
