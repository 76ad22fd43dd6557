#include "app/conversion/TFileList.h"

#include <utility>

int TFileList::Add(TFileRow ARow) {
    FRows.push_back(std::move(ARow));
    return Count() - 1;
}

void TFileList::Delete(int AIndex) {
    (void)Row(AIndex); // range check
    FRows.erase(FRows.begin() + AIndex);
    FItemIndex = -1;
}

void TFileList::Exchange(int AIndex1, int AIndex2) {
    std::swap(Row(AIndex1), Row(AIndex2));
}

void TFileList::Clear() {
    FRows.clear();
    FItemIndex = -1;
}

void TFileList::SetItemIndex(int AIndex) {
    FItemIndex = AIndex >= 0 && AIndex < Count() ? AIndex : -1;
}

std::vector<std::string> TFileList::OutputNames(int AExceptRow) const {
    std::vector<std::string> names;
    for (int i = 0; i < Count(); ++i)
        if (i != AExceptRow) names.push_back(Text(i, fcOutputFile));
    return names;
}
