#pragma once

#include <array>
#include <string>
#include <string_view>

#include "app/presets/ChoiceList.h"
#include "app/presets/ParameterBox.h"
#include "app/presets/ParameterChoiceTable.h"

// What the preset application needs of one parameter box. The window's
// combo boxes implement it; a box raises its own change event when
// selecting an entry changes its text, which is the box's business.
class IParameterBoxView {
public:
    virtual ~IParameterBoxView() = default;
    virtual void ClearItems() = 0;
    virtual void AddItem(const std::string& AText) = 0;
    virtual void SetItemIndex(int AIndex) = 0;
    virtual void SetEnabled(bool AEnabled) = 0;
};

// The six boxes, indexed by `TParameterBox`.
using TParameterBoxViews = std::array<IParameterBoxView*, ParameterBoxCount>;

// Prepares the six boxes for a profile: empties and enables them all, fills
// each with the choice list of the key's preset row and selects the row's
// default, one box after the other in `PresetBoxOrder`, and for an
// audio-only row then disables the four video boxes. A key without a row
// leaves all six empty and enabled.
void ApplyPresets(const TParameterBoxViews& ABoxes, int AKey);

// Where a preset row's list names are looked up.
using TChoiceListLookup = const TChoiceList* (*)(std::string_view AName);

// The same steps for a row of another table whose lists `AFindList` names;
// a null row leaves all six boxes empty and enabled.
void ApplyPresetRow(const TParameterBoxViews& ABoxes, const TPresetRow* ARow, TChoiceListLookup AFindList);
