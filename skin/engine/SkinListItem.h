#pragma once

#include "platform/vcl/TCollection.h"
#include "platform/vcl/TComponent.h"
#include "skin/engine/CompressedStoredSkin.h"

#include <string>

class TlxCompressedSkinList;

// One entry of a compressed skin list: a display name and its own stored
// skin, created and freed with the item.
class TlxSkinListItem : public TCollectionItem {
public:
    // Named "lxSkin<n>", n the item's index in the collection at this moment.
    explicit TlxSkinListItem(TCollection* ACollection);

    TlxCompressedStoredSkin* Skin() const { return FSkin.get(); }

    const std::string& Description() const { return FDescription; }
    void SetDescription(const std::string& Value) { FDescription = Value; }
    // While the owning list is being designed (and not read from a
    // description) these read the named skin folder or compressed skin file
    // into the item's skin and keep only the file-name part; otherwise they
    // only store the text.
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& Value);
    const std::string& CompressedFileName() const { return FCompressedFileName; }
    void SetCompressedFileName(const std::string& Value);
    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }

    std::string DisplayName() const override;

    // Copies another item's texts and skin bytes, so that handing a whole
    // collection to the list copies it instead of failing half-way.
    void Assign(const TPersistent* Source) override;

private:
    bool Designing() const;

    TComponentPtr<TlxCompressedStoredSkin> FSkin;
    std::string FDescription;
    std::string FFileName;
    std::string FCompressedFileName;
    std::string FName;
};

// The items of a compressed skin list, which it names as its owner.
class TlxSkinListItems : public TOwnedCollection {
public:
    explicit TlxSkinListItems(TlxCompressedSkinList* ASkinList);

    // The item at Index; EListError outside [0, Count).
    TlxSkinListItem* GetItem(int Index) const;
    TlxCompressedSkinList* SkinList() const { return FSkinList; }
    TlxSkinListItem* Add() { return static_cast<TlxSkinListItem*>(TCollection::Add()); }

private:
    TlxCompressedSkinList* FSkinList;
};
