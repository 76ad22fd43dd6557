#pragma once

#include <vector>

#include "app/settingsform/IOfficeComboBoxView.h"

// Refills a profile box with one item per profile and selects the first,
// which fires the box's click and change events. Without profiles (a
// category outside the list) the box stays empty, nothing is selected and
// no event fires.
void FillProfileBox(IOfficeComboBoxView& ABox, const std::vector<TOfficeItem>& AProfiles);
