#pragma once

#include <vector>

#include "app/conversion/FileRowColumns.h"
#include "app/presets/PresetApplication.h"
#include "app/settingsform/IOfficeComboBoxView.h"
#include "app/settingsform/LegacyProfileWriter.h"

// The main window's older catalogue handlers for its seventeen old
// categories. Nothing in the window clicks their hidden buttons; they stay
// callable and act on the window's live boxes and fields: the old category
// box, the profile box, the six parameter boxes and the current-profile
// fields.
class TSupersededCatalogue {
public:
    TSupersededCatalogue(IOfficeComboBoxView& ACategoryBox, IOfficeComboBoxView& AProfileBox,
                         const TParameterBoxViews& AParameterBoxes, TLegacyMainFields& AMain);

    // Fills the profile box with the old category's profiles and selects the
    // first, which fires the profile box's events.
    void Button2Click();
    // Resets the current-profile fields, writes the chosen profile's values
    // and output name, and shows them in the selected file-list row, if any
    // (its columns 11 to 24). `AOutput.Rename` is entry 1, "自动重命名", of
    // the box beside "输出文件存在时："; any other entry keeps the name.
    void Button5Click(const TLegacyOutputRequest& AOutput, TFileRowTexts* ASelectedRow);
    // Fills the six boxes for the profile row of the profile box, taking the
    // images menu's entry as the old category: menu entry m reaches the rows
    // of old category m, and entries from 17 on reach none.
    void Button18Click(int AImagesMenuIndex);

private:
    IOfficeComboBoxView& FCategoryBox;
    IOfficeComboBoxView& FProfileBox;
    TParameterBoxViews FParameterBoxes;
    TLegacyMainFields& FMain;
};

// The old category box's seventeen items as the main window's form
// description gives them.
std::vector<TOfficeItem> SupersededCategoryItems();
