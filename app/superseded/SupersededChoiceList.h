#pragma once

#include <span>
#include <string_view>

#include "app/presets/ChoiceList.h"

// The three lists only the main window's superseded filler offers, R20, F8
// and S6.
std::span<const TChoiceList> SupersededChoiceLists();
// A list of that filler: its own three or the settings form's; nullptr for
// an unknown name.
const TChoiceList* FindSupersededChoiceList(std::string_view AName);
