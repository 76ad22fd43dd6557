#include "app/conversion/TParameterBoxModel.h"

void TParameterBoxModel::ClearItems() {
    FItems.clear();
    FItemIndex = -1;
}

void TParameterBoxModel::AddItem(const std::string& AText) {
    FItems.push_back(AText);
}

void TParameterBoxModel::SetItemIndex(int AIndex) {
    FItemIndex = AIndex >= 0 && AIndex < static_cast<int>(FItems.size()) ? AIndex : -1;
    if (OnChange) OnChange();
}

std::string TParameterBoxModel::Text() const {
    return FItemIndex >= 0 ? FItems[static_cast<std::size_t>(FItemIndex)] : std::string();
}
