#pragma once

#include <span>
#include <string_view>

// `ChoiceList`: a named, ordered list of the entries one parameter box
// offers. A file-list row keeps positions into these lists, so the order of
// the entries is data and never changes.
struct TChoiceList {
    const char* Name; // box prefix and number: "RES0", "ABR1", "ASPECT2"
    std::span<const char* const> Entries;
};

// Every list, grouped by box.
std::span<const TChoiceList> ChoiceLists();
// The list of a name; nullptr for an unknown name.
const TChoiceList* FindChoiceList(std::string_view AName);
