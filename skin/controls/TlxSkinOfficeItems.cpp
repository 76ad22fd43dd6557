#include "skin/controls/TlxSkinOfficeItems.h"

#include "skin/controls/TlxSkinOfficeListBox.h"

TlxSkinOfficeItems::TlxSkinOfficeItems(TlxSkinOfficeListBox* AListBox)
    : TCollection(FactoryOf<TlxSkinOfficeItem>()), FOfficeListBox(AListBox) {}

TPersistent* TlxSkinOfficeItems::GetOwner() const {
    return FOfficeListBox;
}

void TlxSkinOfficeItems::Update(TCollectionItem* Item) {
    TCollection::Update(Item);
    if (FOfficeListBox) FOfficeListBox->ItemsChanged();
}
