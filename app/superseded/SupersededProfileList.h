#pragma once

#include <optional>
#include <span>

#include "app/settingsform/SettingsProfileList.h"

// The main window's older catalogue of seventeen old categories: the
// settings form's twelve, then "iPad视频", "MPG视频", "SWF视频", "AVI视频" and
// "MKV视频". Picture indexes of categories point into the main window's image
// list; a profile's picture index is its row modulo 2.
std::span<const TLegacyCategory> SupersededCategories();

// A profile of the main window's list whose texts differ from the settings
// form's.
struct TSupersededProfileText {
    int Category;
    int Row;
    const char* Title;
    const char* Caption;
};
// The rows of categories 0 to 11 whose texts differ from the settings form's.
std::span<const TSupersededProfileText> SupersededProfileOverrides();
// The profile of a category and row, its picture index the row modulo 2;
// nothing outside the catalogue.
std::optional<TLegacyProfileItem> SupersededProfile(int ACategory, int ARow);
