#pragma once

#include "skin/dialogs/shell/TShellItem.h"

#include <string_view>
#include <vector>

class TMimeDatabase;

// Names in natural order without case: runs of digits compare by value
// ("file2" before "file10"), letters without case. 0 only for names equal
// in that order (ties are for the caller to break).
int NaturalCompare(std::string_view a, std::string_view b) noexcept;

// The plain order: folders first, then names in natural order, then the
// name's bytes and the path, so no two different items tie.
int CompareShellItems(const TShellItem& a, const TShellItem& b) noexcept;

enum class TShellSortColumn { scName, scSize, scType, scModified };
using enum TShellSortColumn;

// Sorts by a column on the stat taken when listed (an item deleted since
// still sorts). Folders come first for every column, ties fall back to the
// plain order, and descending reverses the whole order (folders last).
// Type names come from types (the extension's fallback without one).
void SortShellItems(std::vector<TShellItem>& items, TShellSortColumn column = scName, bool descending = false,
                    const TMimeDatabase* types = nullptr);
