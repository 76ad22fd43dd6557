#pragma once

#include "platform/vcl/TImageList.h"
#include "skin/controls/TlxSkinLabel.h"

// The framed label of status bars ("statuspanel") with an image-list image
// or a glyph before its caption.
class TlxSkinStatusPanel : public TlxSkinLabel {
public:
    explicit TlxSkinStatusPanel(TComponent* AOwner);

    TCustomImageList* ImageList() const { return FImageList.Get(); }
    void SetImageList(TCustomImageList* Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    // A strip of NumGlyphs frames: normal, disabled.
    TBitmap* Glyph() { return &FGlyph; }
    void SetGlyph(const TBitmap& Value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value);

protected:
    int GetAutoSizeDelta() override;
    void CreateControlDefaultImage(TBitmap& B) override;
    void CreateControlSkinImage(TBitmap& B) override;
    void Dispatch(TMessage& Message) override;

private:
    // The image-list image is shown only while the glyph is empty.
    bool ShowsImage() const;
    void DrawPanelCaption(TBitmap& B, TRect R, int GlyphX);

    TComponentRef<TCustomImageList> FImageList{this, [this] { Invalidate(); }};
    int FImageIndex = -1;
    TBitmap FGlyph;
    int FNumGlyphs = 1;
};
