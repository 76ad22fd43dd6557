#pragma once

#include "skin/controls/TlxSkinOfficeItem.h"

class TlxSkinOfficeListBox;

// The rows of one office list. Every change of a row or of the collection
// repaints the list and recomputes its scroll range.
class TlxSkinOfficeItems : public TCollection {
public:
    explicit TlxSkinOfficeItems(TlxSkinOfficeListBox* AListBox);

    TlxSkinOfficeItem* Items(int Index) const {
        return static_cast<TlxSkinOfficeItem*>(TCollection::Items(Index));
    }
    TlxSkinOfficeItem* Add() { return static_cast<TlxSkinOfficeItem*>(TCollection::Add()); }
    TlxSkinOfficeItem* Insert(int Index) {
        return static_cast<TlxSkinOfficeItem*>(TCollection::Insert(Index));
    }

    TlxSkinOfficeListBox* OfficeListBox() const { return FOfficeListBox; }
    TPersistent* GetOwner() const override;
    // The list is going: changes no longer reach it.
    void DetachListBox() { FOfficeListBox = nullptr; }

protected:
    void Update(TCollectionItem* Item) override;

private:
    TlxSkinOfficeListBox* FOfficeListBox;
};
