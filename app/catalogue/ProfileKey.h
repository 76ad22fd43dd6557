#pragma once

#include <optional>
#include <string>
#include <string_view>

// Addressing the catalogue.
//
// `ProfileKey` addresses a profile by its category list: list id times 100
// plus the row in that list. Every table of the catalogue and of the
// parameter presets is keyed by it.
//
// `RowProfileCode` is what a file-list row keeps: it counts category menu
// entries, not lists, as (menu entry + 1) times 100 plus the row. The two
// differ for almost every profile and must not be mixed up.

constexpr int ProfileKey(int ACategoryListId, int ARow) {
    return ACategoryListId * 100 + ARow;
}
constexpr int ProfileKeyListId(int AKey) {
    return AKey / 100;
}
constexpr int ProfileKeyRow(int AKey) {
    return AKey % 100;
}

// The profile chosen as menu entry and row of the profile box.
struct TMenuProfile {
    int MenuEntry = 0;
    int Row = 0;
    bool operator==(const TMenuProfile&) const = default;
};

constexpr int RowProfileCode(int AMenuEntry, int ARow) {
    return (AMenuEntry + 1) * 100 + ARow;
}
// The menu entry and row of a code; nothing for a code whose entry lies
// outside the category menu or whose row is negative.
std::optional<TMenuProfile> DecodeRowProfileCode(int ACode);
// The `ProfileKey` of a menu entry and row; -1 for an entry outside the menu.
int MenuProfileKey(int AMenuEntry, int ARow);

// `RowParameterIndexes`: the six chosen positions of a file-list row, kept as
// twelve characters, two decimal digits per box (a "0" before values below
// 10), in the order of this record, which is not the fill order of the boxes.
struct TParameterIndexes {
    int Resolution = 0;
    int VideoBitrate = 0;
    int AudioBitrate = 0;
    int Aspect = 0;
    int FrameRate = 0;
    int SampleRate = 0;
    bool operator==(const TParameterIndexes&) const = default;
};

// Positions run from 0 to 99; -1 (no entry selected) is kept as "-1".
std::string EncodeRowParameterIndexes(const TParameterIndexes& AIndexes);
// Nothing for a text that is not six such pairs.
std::optional<TParameterIndexes> DecodeRowParameterIndexes(std::string_view AText);
