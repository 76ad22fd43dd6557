#include "platform/vcl/TListColumn.h"

#include "platform/vcl/TListView.h"

TListColumn::TListColumn(TCollection* ACollection) : TCollectionItem(ACollection) {}

void TListColumn::SetCaption(const std::string& Value) {
    if (Value == FCaption) return;
    FCaption = Value;
    Changed(false);
}

void TListColumn::SetWidth(int Value) {
    if (Value < 0) Value = 0;
    if (Value == FWidth) return;
    FWidth = Value;
    Changed(false);
}

void TListColumn::SetAlignment(TAlignment Value) {
    if (Value == FAlignment) return;
    FAlignment = Value;
    Changed(false);
}

void TListColumn::SetImageIndex(int Value) {
    if (Value == FImageIndex) return;
    FImageIndex = Value;
    Changed(false);
}

TListColumns::TListColumns(TCustomListView* AOwner)
    : TOwnedCollection(AOwner, TCollection::FactoryOf<TListColumn>()), FView(AOwner) {}

void TListColumns::Update(TCollectionItem*) {
    if (FView) FView->ColumnsChanged();
}
