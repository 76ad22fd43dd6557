#pragma once

#include "platform/gdi/TPicture.h"
#include "platform/vcl/TCollection.h"
#include "platform/vcl/TImageList.h"

#include <memory>
#include <string>

// How a PNG picture marks transparency: not at all, one transparent colour
// (or palette entries that are fully transparent), or partial alpha.
enum class TPngTransparencyMode { ptmNone, ptmBit, ptmPartial };
using enum TPngTransparencyMode;

// A PNG picture that remembers how it was stored: its colour type (0 grey,
// 2 RGB, 3 palette, 4 grey with alpha, 6 RGBA) and its transparency mode, and
// the stored bytes themselves, which it saves back unchanged.
class TlxPngImage : public TPngImage {
public:
    void LoadFromStream(TStream& Stream) override;
    void SaveToStream(TStream& Stream) override;
    void Assign(const TlxPngImage& Source);

    int ColorType() const { return FColorType; }
    TPngTransparencyMode TransparencyMode() const { return FTransparencyMode; }

private:
    int FColorType = 6;
    TPngTransparencyMode FTransparencyMode = ptmPartial;
    std::string FData;
};

class TlxPngImageList;

// One picture of the list with its name.
class TlxPngImageItem : public TCollectionItem {
public:
    // Named "PngImage" and its index; puts a placeholder image into the owning list.
    explicit TlxPngImageItem(TCollection* Collection);
    ~TlxPngImageItem() override;

    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }
    TlxPngImage* PngImage() const { return FPngImage.get(); }
    // Copies the picture into the item's own.
    void SetPngImage(const TlxPngImage* Value);

    void Assign(const TPersistent* Source) override;
    std::string DisplayName() const override;

private:
    TlxPngImageList* List() const;
    std::unique_ptr<TlxPngImage> FPngImage;
    std::string FName;
};

class TlxPngImageItems : public TCollection {
public:
    explicit TlxPngImageItems(TlxPngImageList* AList);
    TlxPngImageItem* Items(int Index) const {
        return static_cast<TlxPngImageItem*>(TCollection::Items(Index));
    }
    TPersistent* GetOwner() const override;

    TlxPngImageList* FPngImageList;
};

// An image list of PNG pictures with alpha. The list itself holds one
// placeholder per item (so Count is the number of items); the pictures live
// in the items and are drawn by DoDraw: enabled as they are, disabled at
// about half opacity.
class TlxPngImageList : public TCustomImageList {
public:
    explicit TlxPngImageList(TComponent* AOwner);
    ~TlxPngImageList() override;

    TlxPngImageItems* PngImages() const { return FPngImages.get(); }
    void SetPngImages(const TlxPngImageItems* Value);
    int PngWidth() const { return Width(); }
    // A new size clears every item, except while the list is read from a description.
    void SetPngWidth(int Value);
    int PngHeight() const { return Height(); }
    void SetPngHeight(int Value);

    void DoDraw(int Index, TCanvas* Canvas, int X, int Y, uint32_t Style, bool Enabled) const override;

private:
    void SizeChanged();
    std::unique_ptr<TlxPngImageItems> FPngImages;
};
