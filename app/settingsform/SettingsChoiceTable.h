#pragma once

#include <span>

#include "app/presets/ParameterChoiceTable.h"

// The settings form's parameter choices: for each switch value of its old
// catalogue (100 to 1203), the list of `SettingsChoiceList` each of the six
// boxes offers and the entry it selects. An audio-only row disables the four
// video boxes.
std::span<const TPresetRow> SettingsChoiceTable();
// The row of a switch value; nullptr when the value has none.
const TPresetRow* FindSettingsChoiceRow(int AValue);
