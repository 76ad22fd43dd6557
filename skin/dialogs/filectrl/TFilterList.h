#pragma once

#include <string>
#include <string_view>
#include <vector>

// The entries of a filter combo: a filter text of descriptions and masks
// separated by "|" ("Videos|*.avi;*.mp4|All files|*.*") as parallel lists,
// and the selected entry. The combo control shows Descriptions.
class TFilterList {
public:
    TFilterList();

    const std::string& Filter() const { return FFilter; }
    // Rebuilds the entries and selects entry 0 (none when there are none).
    void SetFilter(std::string value);

    int Count() const { return static_cast<int>(FDescriptions.size()); }
    const std::vector<std::string>& Descriptions() const { return FDescriptions; }
    const std::vector<std::string>& MaskList() const { return FMaskList; }

    int ItemIndex() const { return FItemIndex; }
    // -1 or out of range: no entry selected.
    void SetItemIndex(int index);

    // The selected entry's mask; with none selected the last entry is
    // selected first; "*.*" when there are no entries.
    std::string Mask();

private:
    void FillFilterList();

    std::string FFilter;
    std::vector<std::string> FDescriptions;
    std::vector<std::string> FMaskList;
    int FItemIndex = -1;
};
