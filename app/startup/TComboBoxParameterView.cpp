#include "app/startup/TComboBoxParameterView.h"

#include "skin/controls/TlxSkinCustomComboBox.h"

void TComboBoxParameterView::ClearItems() {
    FBox.Items()->Clear();
    FBox.SetItemIndex(-1);
}

void TComboBoxParameterView::AddItem(const std::string& AText) {
    FBox.Items()->Add(AText);
}

void TComboBoxParameterView::SetItemIndex(int AIndex) {
    FBox.SetItemIndex(AIndex);
}

void TComboBoxParameterView::SetEnabled(bool AEnabled) {
    FBox.SetEnabled(AEnabled);
}
