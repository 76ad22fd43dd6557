#pragma once

#include "skin/controls/TlxSkinPanel.h"

#include <functional>

// A panel whose client area the application paints in OnPanelPaint. It does
// not take the frame path: its whole image is built in one bitmap.
class TlxSkinPaintPanel : public TlxSkinPanel {
public:
    explicit TlxSkinPaintPanel(TComponent* AOwner);

    // After the panel's image is drawn, with the skin client rectangle.
    std::function<void(TCanvas* Cnvs, const TRect& R)> OnPanelPaint;

protected:
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void PaintClient(TCanvas* C) override;

private:
    void PanelPaint(TCanvas* C);
};
