#include "app/settingsform/TOfficeComboBoxModel.h"

void TOfficeComboBoxModel::SetItemIndex(int AIndex) {
    if (AIndex < -1 || AIndex >= ItemCount()) return;
    FItemIndex = AIndex;
    if (OnClick) OnClick();
    if (OnChange) OnChange();
}

void TOfficeComboBoxModel::Load(std::vector<TOfficeItem> AItems, int AItemIndex) {
    FItems = std::move(AItems);
    FItemIndex = AItemIndex;
}
