#pragma once

#include "platform/gdi/TBitmap.h"
#include "platform/vcl/TTabSheet.h"

class TlxSkinPageControl;

// A page of the skinned page control: its background is the page control's
// skin (or WallPaper, tiled, when set), and it keeps the rectangle and the
// hover and press state of its tab's close button.
class TlxSkinCustomTabSheet : public TTabSheet {
public:
    explicit TlxSkinCustomTabSheet(TComponent* AOwner);
    ~TlxSkinCustomTabSheet() override;

    TBitmap* WallPaper() { return &FWallPaper; }
    void SetWallPaper(const TBitmap& Value);
    // Paints the page's background on C.
    void PaintBG(TCanvas* C);

    // The close button in its tab's own coordinates, written by the tab drawing.
    TRect ButtonRect;
    bool ButtonMouseIn = false;
    bool ButtonMouseDown = false;

protected:
    void CreateParams(TCreateParams& Params) override;
    void WndProc(TMessage& Message) override;

private:
    TlxSkinPageControl* SkinPageControl() const;
    TBitmap FWallPaper{0, 0};
};

class TlxSkinTabSheet : public TlxSkinCustomTabSheet {
public:
    using TlxSkinCustomTabSheet::TlxSkinCustomTabSheet;
};
