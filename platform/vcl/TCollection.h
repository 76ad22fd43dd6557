#pragma once

#include "platform/vcl/TPersistent.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCollection;

// One entry of a TCollection. The collection owns its items; freeing an item
// (delete) takes it out of its collection.
class TCollectionItem : public TPersistent {
public:
    explicit TCollectionItem(TCollection* ACollection);
    ~TCollectionItem() override;

    TCollection* Collection() const { return FCollection; }
    void SetCollection(TCollection* Value);
    int Index() const;
    virtual void SetIndex(int Value);
    int ID() const { return FID; }
    virtual std::string DisplayName() const;
    TPersistent* GetOwner() const override;

protected:
    // Tells the collection this item changed; AllItems when the change affects
    // the others too.
    void Changed(bool AllItems);

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
    int FID = 0;
};

// An ordered, owned list of items of one class. Every change ends in Update
// (nullptr: the whole collection), held back between BeginUpdate and EndUpdate.
class TCollection : public TPersistent {
public:
    using TItemFactory = std::function<TCollectionItem*(TCollection*)>;
    explicit TCollection(TItemFactory ItemFactory);
    ~TCollection() override;

    template <class TItem> static TItemFactory FactoryOf() {
        return [](TCollection* c) -> TCollectionItem* { return new TItem(c); };
    }

    TCollectionItem* Add();
    TCollectionItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    int Count() const { return static_cast<int>(FItems.size()); }
    TCollectionItem* Items(int Index) const;
    TCollectionItem* FindItemID(int ID) const;

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    void Assign(const TPersistent* Source) override;

protected:
    // Runs after every change unless updates are held; Item is the one item
    // that changed, or nullptr when the change touches the whole collection.
    virtual void Update(TCollectionItem* Item);
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* Item);
    void RemoveItem(TCollectionItem* Item);
    void MoveItem(TCollectionItem* Item, int NewIndex);
    void ItemChanged(TCollectionItem* Item);

    TItemFactory FItemFactory;
    std::vector<TCollectionItem*> FItems;
    int FUpdateCount = 0;
    int FNextID = 0;
};

// A collection that names an owner (a control or component it belongs to).
class TOwnedCollection : public TCollection {
public:
    TOwnedCollection(TPersistent* AOwner, TItemFactory ItemFactory)
        : TCollection(std::move(ItemFactory)), FOwner(AOwner) {}
    TPersistent* GetOwner() const override { return FOwner; }

private:
    TPersistent* FOwner;
};
