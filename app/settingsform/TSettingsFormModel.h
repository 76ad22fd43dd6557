#pragma once

#include "app/presets/PresetApplication.h"
#include "app/settingsform/LegacyProfileWriter.h"
#include "app/settingsform/TOfficeComboBoxModel.h"

// The settings form's old catalogue: its category box (twelve old
// categories) and profile box as the form description leaves them, the
// handlers of its hidden buttons and the events that chain them. The six
// parameter boxes and the main window's fields belong to others and are
// handed in.
//
// The category box's change refills the profile list (`Button2Click`); every
// selection in the profile box refills the six boxes (`Button18Click`).
class TSettingsFormModel {
public:
    TSettingsFormModel(const TParameterBoxViews& AParameterBoxes, TLegacyMainFields& AMain);
    TSettingsFormModel(const TSettingsFormModel&) = delete;
    TSettingsFormModel& operator=(const TSettingsFormModel&) = delete;

    // Runs once after the form is loaded: fills the profile list of the
    // first category, whose selection fills the six boxes.
    void FormCreate();

    // Fills the profile box with the chosen category's profiles and selects
    // the first.
    void Button2Click();
    // Fills the six boxes with the choices of the chosen profile.
    void Button18Click();
    // Writes the chosen profile's values and output name into the main
    // window's fields (the first step of the OK button).
    void Button5Click(const TLegacyOutputRequest& AOutput);

    TOfficeComboBoxModel& CategoryBox() { return FCategoryBox; }
    TOfficeComboBoxModel& ProfileBox() { return FProfileBox; }

private:
    int SwitchValue() const;

    TOfficeComboBoxModel FCategoryBox;
    TOfficeComboBoxModel FProfileBox;
    TParameterBoxViews FParameterBoxes;
    TLegacyMainFields& FMain;
};
