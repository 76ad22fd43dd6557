#pragma once

#include <span>

// One profile of an old category as its office item shows it: the name as
// the heading, a one-line description under it, and a picture index.
struct TLegacyProfileItem {
    const char* Title;
    const char* Caption;
    int ImageIndex;
};

// An entry of an old category box and the profiles it lists, in row order.
struct TLegacyCategory {
    const char* Caption;
    int ImageIndex;
    std::span<const TLegacyProfileItem> Profiles;
};

// The settings form's twelve old categories, in category order; texts are
// kept exactly as the form shows them, trailing blanks included.
std::span<const TLegacyCategory> SettingsCategories();
