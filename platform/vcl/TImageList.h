#pragma once

#include "platform/base/Color.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/vcl/TComponent.h"

#include <vector>

// A list of equally sized images. Each image is kept as a 32-bit bitmap whose
// alpha marks the transparent pixels (from a mask or a mask colour).
class TCustomImageList : public TComponent {
public:
    explicit TCustomImageList(TComponent* AOwner);

    int Width() const { return FWidth; }
    void SetWidth(int Value);
    int Height() const { return FHeight; }
    void SetHeight(int Value);
    int Count() const { return static_cast<int>(FImages.size()); }
    // Background filled behind the images when drawn; clNone draws them transparent.
    TColor BkColor() const { return FBkColor; }
    void SetBkColor(TColor Value);

    // Adds Image cut into Width-wide pieces (at least one); a set pixel of
    // Mask (not black) makes the pixel transparent. Returns the index of the
    // first image added.
    int Add(const TBitmap* Image, const TBitmap* Mask);
    // Pixels of MaskColor (RGB compared; clDefault: the bottom-left pixel) are transparent.
    int AddMasked(const TBitmap* Image, TColor MaskColor);
    // Inserts Image, cut as Add cuts it, before image Index (Count: at the end).
    int Insert(int Index, const TBitmap* Image, const TBitmap* Mask);
    void Delete(int Index);
    void Clear();
    // Copies image Index (32-bit, transparent pixels with alpha 0) into Image.
    void GetBitmap(int Index, TBitmap* Image) const;
    const TBitmap& Image(int Index) const;
    // Draws image Index with its top-left at (X, Y), blended by its alpha over
    // a BkColor square (none when BkColor is clNone). A disabled image is drawn
    // in light grays of its brightness. An index out of range draws nothing.
    // The drawing itself is DoDraw's.
    void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true) const;

    TNotifyEvent OnChange;

protected:
    void Change();
    // Draws image Index as Draw describes (Style, the list's drawing style, is
    // unused here). Lists that keep their pictures elsewhere draw them here.
    virtual void DoDraw(int Index, TCanvas* Canvas, int X, int Y, uint32_t Style, bool Enabled) const;

private:
    int AddPieces(const TBitmap* Image, const std::function<bool(int X, int Y)>& Transparent, int At = -1);

    int FWidth = 16;
    int FHeight = 16;
    TColor FBkColor = clNone;
    std::vector<TBitmap> FImages;
};

class TImageList : public TCustomImageList {
public:
    using TCustomImageList::TCustomImageList;
};
