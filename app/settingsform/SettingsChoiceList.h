#pragma once

#include <span>
#include <string_view>

#include "app/presets/ChoiceList.h"

// The choice lists of the old catalogue, named by box letter and number:
// R1 to R19 (resolution), V1 to V10 (video bit rate), F1 to F7 (frame rate),
// A1 to A6 (audio bit rate), S1 to S5 (sample rate), M1 to M3 (aspect mode).
// Their entries are the texts the OK path parses, in the order the boxes
// offer them.
std::span<const TChoiceList> SettingsChoiceLists();
// The list of a name; nullptr for an unknown name.
const TChoiceList* FindSettingsChoiceList(std::string_view AName);
