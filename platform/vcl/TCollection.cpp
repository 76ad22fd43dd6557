#include "platform/vcl/TCollection.h"

#include "platform/base/Exception.h"
#include "platform/base/ScopeGuard.h"

#include <algorithm>

TCollectionItem::TCollectionItem(TCollection* ACollection) {
    SetCollection(ACollection);
}

TCollectionItem::~TCollectionItem() {
    if (FCollection) FCollection->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* Value) {
    if (FCollection == Value) return;
    if (FCollection) FCollection->RemoveItem(this);
    if (Value) Value->InsertItem(this);
}

int TCollectionItem::Index() const {
    if (!FCollection) return -1;
    auto& items = FCollection->FItems;
    return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void TCollectionItem::SetIndex(int Value) {
    if (FCollection && Value != Index()) FCollection->MoveItem(this, Value);
}

std::string TCollectionItem::DisplayName() const {
    return ClassName();
}

TPersistent* TCollectionItem::GetOwner() const {
    return FCollection;
}

void TCollectionItem::Changed(bool AllItems) {
    if (!FCollection || FCollection->FUpdateCount > 0) return;
    FCollection->ItemChanged(AllItems ? nullptr : this);
}

TCollection::TCollection(TItemFactory ItemFactory) : FItemFactory(std::move(ItemFactory)) {}

TCollection::~TCollection() {
    // Update is not called from here: a derived class is already gone.
    ++FUpdateCount;
    while (!FItems.empty())
        delete FItems.back();
}

TCollectionItem* TCollection::Add() {
    TCollectionItem* item = FItemFactory(this);
    if (item->FCollection != this) item->SetCollection(this);
    Changed();
    return item;
}

TCollectionItem* TCollection::Insert(int Index) {
    BeginUpdate();
    TScopeGuard endUpdate([this] { EndUpdate(); });
    TCollectionItem* item = Add();
    item->SetIndex(Index);
    return item;
}

void TCollection::Delete(int Index) {
    delete Items(Index);
}

void TCollection::Clear() {
    if (FItems.empty()) return;
    BeginUpdate();
    while (!FItems.empty())
        delete FItems.back();
    EndUpdate();
}

TCollectionItem* TCollection::Items(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FItems[Index];
}

TCollectionItem* TCollection::FindItemID(int ID) const {
    for (TCollectionItem* item : FItems)
        if (item->FID == ID) return item;
    return nullptr;
}

void TCollection::BeginUpdate() {
    ++FUpdateCount;
}

void TCollection::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) Changed();
}

void TCollection::Assign(const TPersistent* Source) {
    auto* other = dynamic_cast<const TCollection*>(Source);
    if (!other) {
        TPersistent::Assign(Source);
        return;
    }
    BeginUpdate();
    TScopeGuard endUpdate([this] { EndUpdate(); });
    Clear();
    for (TCollectionItem* item : other->FItems)
        Add()->Assign(item);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Changed() {
    if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::ItemChanged(TCollectionItem* Item) {
    Update(Item);
}

void TCollection::InsertItem(TCollectionItem* Item) {
    FItems.push_back(Item);
    Item->FCollection = this;
    Item->FID = FNextID++;
}

void TCollection::RemoveItem(TCollectionItem* Item) {
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    if (it == FItems.end()) return;
    FItems.erase(it);
    Item->FCollection = nullptr;
    Changed();
}

void TCollection::MoveItem(TCollectionItem* Item, int NewIndex) {
    int count = Count();
    NewIndex = std::clamp(NewIndex, 0, count - 1);
    FItems.erase(std::find(FItems.begin(), FItems.end(), Item));
    FItems.insert(FItems.begin() + NewIndex, Item);
    Changed();
}
