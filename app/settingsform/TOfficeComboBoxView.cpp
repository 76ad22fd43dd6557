#include "app/settingsform/TOfficeComboBoxView.h"

#include "skin/controls/TlxSkinCustomOfficeComboBox.h"

void TOfficeComboBoxView::ClearItems() {
    FBox.Items()->Clear();
}

void TOfficeComboBoxView::AddItem(const TOfficeItem& AItem) {
    TlxSkinOfficeItem* item = FBox.Items()->Add();
    item->SetTitle(AItem.Title);
    item->SetCaption(AItem.Caption);
    item->SetImageIndex(AItem.ImageIndex);
}

int TOfficeComboBoxView::ItemCount() const {
    return FBox.Items()->Count();
}

int TOfficeComboBoxView::ItemIndex() const {
    return FBox.ItemIndex();
}

void TOfficeComboBoxView::SetItemIndex(int AIndex) {
    if (AIndex < -1 || AIndex >= ItemCount()) return;
    FBox.SetItemIndex(AIndex);
}
