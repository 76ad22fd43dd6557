#include "skin/controls/TlxSkinOfficeItem.h"

#include "skin/controls/TlxSkinOfficeItems.h"
#include "skin/controls/TlxSkinOfficeListBox.h"

TlxSkinOfficeItem::TlxSkinOfficeItem(TCollection* ACollection) : TCollectionItem(ACollection) {
    if (auto* items = dynamic_cast<TlxSkinOfficeItems*>(ACollection))
        if (TlxSkinOfficeListBox* list = items->OfficeListBox()) Active = Index() == list->ItemIndex();
}

void TlxSkinOfficeItem::SetImageIndex(int Value) {
    FImageIndex = Value;
    Changed(false);
}

void TlxSkinOfficeItem::SetTitle(const std::string& Value) {
    FTitle = Value;
    Changed(false);
}

void TlxSkinOfficeItem::SetCaption(const std::string& Value) {
    FCaption = Value;
    Changed(false);
}

void TlxSkinOfficeItem::SetEnabled(bool Value) {
    FEnabled = Value;
    Changed(false);
}

void TlxSkinOfficeItem::SetHeader(bool Value) {
    FHeader = Value;
    Changed(false);
}

void TlxSkinOfficeItem::Assign(const TPersistent* Source) {
    auto* item = dynamic_cast<const TlxSkinOfficeItem*>(Source);
    if (!item) {
        TCollectionItem::Assign(Source);
        return;
    }
    FImageIndex = item->FImageIndex;
    FCaption = item->FCaption;
    FTitle = item->FTitle;
    FEnabled = item->FEnabled;
    FHeader = item->FHeader;
    Changed(false);
}
