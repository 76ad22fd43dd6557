#pragma once

#include <span>

#include "app/settingsform/LegacyProfileParameterTable.h"

// The main window's copy of `LegacyProfileParameterTable` for its seventeen
// old categories: the settings form's rows but four, and rows of its own for
// categories 12 to 16.
std::span<const TLegacyProfileParameters> SupersededProfileParameterRows(); // categories 12 to 16
std::span<const TLegacyProfileParameters>
SupersededProfileParameterOverrides(); // in place of the settings form's
// The row of a `LegacyProfileKey`; nullptr when the key has none.
const TLegacyProfileParameters* FindSupersededProfileParameters(int AKey);
