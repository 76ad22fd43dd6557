#pragma once

#include <array>
#include <span>

#include "app/presets/ParameterBox.h"

// `ParameterChoiceTable`: for each `ProfileKey`, the choice list each of the
// six boxes offers and the position selected in it. The default entry's
// text is kept beside its position, so the table can be checked against the
// lists. The defaults are data of their own, not the profile's values.
struct TPresetCell {
    const char* List;        // a `ChoiceList` name
    int Default;             // position in that list
    const char* DefaultText; // the list's entry at that position
};

struct TPresetRow {
    int Key;
    bool AudioOnly;                                   // the four video boxes hold "no video" and are disabled
    std::array<TPresetCell, ParameterBoxCount> Cells; // in `PresetBoxOrder`

    const TPresetCell& Cell(TParameterBox ABox) const { return Cells[static_cast<int>(ABox)]; }
};

// All rows in ascending key.
std::span<const TPresetRow> ParameterChoiceTable();
// The row of a key; nullptr when the key has none.
const TPresetRow* FindPresetRow(int AKey);
// The row of a key in any table of rows in ascending key.
const TPresetRow* FindPresetRowIn(std::span<const TPresetRow> ATable, int AKey);
