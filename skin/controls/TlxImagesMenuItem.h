#pragma once

#include "platform/base/Types.h"
#include "platform/vcl/TCollection.h"
#include "platform/vcl/VclTypes.h"

#include <string>

class TlxSkinImagesMenu;

// One entry of an images menu: a picture cell, or with Button a full-width
// row with image and caption, or with Header a caption row that cannot be
// chosen.
class TlxImagesMenuItem : public TCollectionItem {
public:
    explicit TlxImagesMenuItem(TCollection* ACollection) : TCollectionItem(ACollection) {}
    // From another item: image, caption, button and hint (not the header
    // flag nor OnClick).
    void Assign(const TPersistent* Source) override;

    bool Button() const { return FButton; }
    void SetButton(bool Value) { FButton = Value; }
    bool Header() const { return FHeader; }
    void SetHeader(bool Value) { FHeader = Value; }
    const std::string& Caption() const { return FCaption; }
    virtual void SetCaption(const std::string& Value) { FCaption = Value; }
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    int ImageIndex() const { return FImageIndex; }
    virtual void SetImageIndex(int Value) { FImageIndex = Value; }
    // Sender is the images menu.
    TNotifyEvent OnClick;

    // The cell in the grid window's coordinates, set by the layout.
    TRect ItemRect;

private:
    bool FButton = false;
    bool FHeader = false;
    std::string FCaption;
    std::string FHint;
    int FImageIndex = -1;
};

// The entries of one images menu, which owns them.
class TlxImagesMenuItems : public TCollection {
public:
    explicit TlxImagesMenuItems(TlxSkinImagesMenu* AImagesMenu)
        : TCollection(FactoryOf<TlxImagesMenuItem>()), ImagesMenu(AImagesMenu) {}
    TlxImagesMenuItem* Items(int Index) const {
        return static_cast<TlxImagesMenuItem*>(TCollection::Items(Index));
    }
    TlxImagesMenuItem* Add() { return static_cast<TlxImagesMenuItem*>(TCollection::Add()); }
    TPersistent* GetOwner() const override;

    TlxSkinImagesMenu* const ImagesMenu;
};
