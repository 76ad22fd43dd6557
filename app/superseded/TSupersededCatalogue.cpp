#include "app/superseded/TSupersededCatalogue.h"

#include "app/settingsform/LegacyProfileKey.h"
#include "app/settingsform/ProfileBoxFiller.h"
#include "app/superseded/SupersededChoiceList.h"
#include "app/superseded/SupersededChoiceTable.h"
#include "app/superseded/SupersededProfileList.h"
#include "app/superseded/SupersededProfileParameterTable.h"

TSupersededCatalogue::TSupersededCatalogue(IOfficeComboBoxView& ACategoryBox,
                                           IOfficeComboBoxView& AProfileBox,
                                           const TParameterBoxViews& AParameterBoxes,
                                           TLegacyMainFields& AMain)
    : FCategoryBox(ACategoryBox), FProfileBox(AProfileBox), FParameterBoxes(AParameterBoxes), FMain(AMain) {}

void TSupersededCatalogue::Button2Click() {
    const int category = FCategoryBox.ItemIndex();
    std::vector<TOfficeItem> items;
    for (int row = 0; const auto profile = SupersededProfile(category, row); ++row)
        items.push_back({profile->Title, profile->Caption, profile->ImageIndex});
    FillProfileBox(FProfileBox, items);
}

void TSupersededCatalogue::Button5Click(const TLegacyOutputRequest& AOutput, TFileRowTexts* ASelectedRow) {
    ResetCurrentProfile(FMain.Profile);
    const int value = LegacySwitchValue(FCategoryBox.ItemIndex(), FProfileBox.ItemIndex());
    WriteLegacyProfile(FMain, value, FindSupersededProfileParameters(LegacyKeyOfSwitchValue(value)), AOutput);
    if (ASelectedRow) WriteProfileColumns(*ASelectedRow, FMain.Profile);
}

void TSupersededCatalogue::Button18Click(int AImagesMenuIndex) {
    const int value = LegacySwitchValue(AImagesMenuIndex, FProfileBox.ItemIndex());
    FMain.All_Trant_Number = value;
    FMain.Profile.Video_DisableVideo = false;
    ApplyPresetRow(FParameterBoxes, FindSupersededChoiceRow(value), FindSupersededChoiceList);
}

std::vector<TOfficeItem> SupersededCategoryItems() {
    std::vector<TOfficeItem> items;
    for (const TLegacyCategory& category : SupersededCategories())
        items.push_back({"", category.Caption, category.ImageIndex});
    return items;
}
