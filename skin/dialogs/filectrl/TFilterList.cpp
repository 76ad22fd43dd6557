#include "skin/dialogs/filectrl/TFilterList.h"

TFilterList::TFilterList() {
    SetFilter("All files (*.*)|*.*");
}

void TFilterList::SetFilter(std::string value) {
    FFilter = std::move(value);
    FillFilterList();
}

void TFilterList::FillFilterList() {
    FDescriptions.clear();
    FMaskList.clear();
    std::string_view rest(FFilter);
    // A description needs its "|"; a trailing description without one is dropped.
    for (size_t bar = rest.find('|'); bar != std::string_view::npos; bar = rest.find('|')) {
        std::string_view description = rest.substr(0, bar);
        rest.remove_prefix(bar + 1);
        size_t next = rest.find('|');
        std::string_view mask = rest.substr(0, next);
        rest = next == std::string_view::npos ? std::string_view() : rest.substr(next + 1);
        FDescriptions.emplace_back(description);
        FMaskList.emplace_back(mask);
    }
    FItemIndex = FDescriptions.empty() ? -1 : 0;
}

void TFilterList::SetItemIndex(int index) {
    FItemIndex = index >= 0 && index < Count() ? index : -1;
}

std::string TFilterList::Mask() {
    if (FItemIndex < 0) FItemIndex = Count() - 1;
    if (FItemIndex < 0) return "*.*";
    return FMaskList[FItemIndex];
}
