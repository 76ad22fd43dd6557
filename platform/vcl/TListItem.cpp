#include "platform/vcl/TListItem.h"

#include "platform/base/Exception.h"
#include "platform/vcl/TListView.h"

#include <algorithm>

TListItem::TListItem(TListItems* AOwner) : FOwner(AOwner), FSubItems(std::make_unique<TStringList>()) {
    FSubItems->OnChange = [this](TObject*) {
        if (FIndex >= 0 && FOwner->Owner() && !FOwner->Owner()->OwnerData()) FOwner->Owner()->Invalidate();
    };
}

TListItem::~TListItem() = default;

TCustomListView* TListItem::ListView() const {
    return FOwner->Owner();
}

void TListItem::SetCaption(const std::string& Value) {
    if (Value == FCaption) return;
    FCaption = Value;
    TCustomListView* view = ListView();
    if (FIndex < 0 || view->OwnerData()) return;
    view->FCellWidthValid = false;
    if (view->SortType() == stText || view->SortType() == stBoth)
        view->AlphaSort();
    else
        view->ContentChanged();
    view->Change(this, ctText);
}

void TListItem::SetImageIndex(int Value) {
    if (Value == FImageIndex) return;
    FImageIndex = Value;
    if (FIndex >= 0 && !ListView()->OwnerData()) {
        ListView()->Invalidate();
        ListView()->Change(this, ctImage);
    }
}

bool TListItem::Selected() const {
    return FIndex >= 0 && ListView()->RowSelectedRaw(FIndex);
}

void TListItem::SetSelected(bool Value) {
    if (FIndex < 0) return;
    TCustomListView* view = ListView();
    std::vector<int> wanted;
    for (int i = 0; i < FOwner->Count(); ++i)
        if (i == FIndex ? Value : view->RowSelectedRaw(i)) {
            if (!view->MultiSelect() && i != FIndex && Value) continue;
            wanted.push_back(i);
        }
    view->ApplySelection(wanted);
}

bool TListItem::Focused() const {
    return FIndex >= 0 && ListView()->FFocused == FIndex;
}

void TListItem::SetFocused(bool Value) {
    if (FIndex < 0) return;
    TCustomListView* view = ListView();
    if (Value)
        view->FFocused = FIndex;
    else if (view->FFocused == FIndex)
        view->FFocused = -1;
    view->Invalidate();
}

TRect TListItem::DisplayRect(TDisplayCode Code) const {
    return FIndex >= 0 ? ListView()->ItemRect(FIndex, Code) : TRect{};
}

void TListItem::MakeVisible(bool PartialOK) {
    if (FIndex >= 0) ListView()->MakeItemVisible(FIndex, PartialOK);
}

void TListItem::Delete() {
    if (FIndex >= 0 && !ListView()->OwnerData()) FOwner->Delete(FIndex);
}

// ---- the rows

TListItems::TListItems(TCustomListView* AOwner) : FOwner(AOwner) {}

TListItems::~TListItems() = default;

int TListItems::Count() const {
    return FOwner->OwnerData() ? FCount : static_cast<int>(FItems.size());
}

void TListItems::SetCount(int Value) {
    if (!FOwner->OwnerData()) return;
    FCount = std::max(0, Value);
    FOwner->FOwnerSelected.resize(static_cast<size_t>(FCount), false);
    if (FOwner->FFocused >= FCount) FOwner->FFocused = -1;
    FOwner->ContentChanged();
}

TListItem* TListItems::Item(int Index) {
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    if (!FOwner->OwnerData()) return FItems[Index].get();
    // One item serves every request, refilled each time (an item handed out
    // before shows the latest row, as it does in any owner-data list).
    if (!FTemp) FTemp = std::make_unique<TListItem>(this);
    FTemp->FIndex = Index;
    FTemp->FCaption.clear();
    FTemp->FSubItems->Clear();
    FTemp->FImageIndex = -1;
    FTemp->FData = nullptr;
    FOwner->OwnerDataFetch(FTemp.get(), TItemRequest{irText, irImage, irParam, irState});
    return FTemp.get();
}

TListItem* TListItems::Add() {
    return Insert(Count());
}

TListItem* TListItems::Insert(int Index) {
    if (FOwner->OwnerData()) return nullptr;
    Index = std::clamp(Index, 0, Count());
    FItems.insert(FItems.begin() + Index, std::make_unique<TListItem>(this));
    Renumber(Index);
    FOwner->ItemsInserted(Index);
    return FItems[Index].get();
}

void TListItems::Delete(int Index) {
    if (FOwner->OwnerData()) return;
    if (Index < 0 || Index >= Count())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    bool wasSelected = FItems[Index]->FSelected;
    std::unique_ptr<TListItem> doomed = std::move(FItems[Index]);
    FItems.erase(FItems.begin() + Index);
    doomed->FIndex = -1;
    Renumber(Index);
    FOwner->ItemsDeleted(Index);
    if (wasSelected) FOwner->Change(nullptr, ctState);
}

void TListItems::Clear() {
    if (FOwner->OwnerData()) {
        SetCount(0);
        return;
    }
    for (auto& item : FItems)
        item->FIndex = -1;
    FItems.clear();
    FOwner->ItemsCleared();
}

int TListItems::IndexOf(const TListItem* Item) const {
    return Item && Item->FOwner == this ? Item->FIndex : -1;
}

void TListItems::BeginUpdate() {
    ++FUpdateCount;
}

void TListItems::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) FOwner->ContentChanged();
}

void TListItems::Renumber(int From) {
    for (int i = From; i < static_cast<int>(FItems.size()); ++i)
        FItems[i]->FIndex = i;
}
