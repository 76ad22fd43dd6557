#pragma once

#include <span>

#include "app/presets/ParameterChoiceTable.h"

// The main window's superseded parameter choices, keyed by switch value:
// the settings form's rows for old categories 0 to 11 (100 to 1203) but
// three, and rows of its own for categories 12 to 16 (1300 to 1706). Lists
// are those of `FindSupersededChoiceList`.
std::span<const TPresetRow> SupersededChoiceRows();      // 1300 to 1706
std::span<const TPresetRow> SupersededChoiceOverrides(); // in place of the settings form's rows
// The row of a switch value; nullptr when the value has none.
const TPresetRow* FindSupersededChoiceRow(int AValue);
