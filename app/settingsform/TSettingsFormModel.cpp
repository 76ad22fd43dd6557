#include "app/settingsform/TSettingsFormModel.h"

#include "app/settingsform/LegacyProfileKey.h"
#include "app/settingsform/ProfileBoxFiller.h"
#include "app/settingsform/SettingsChoiceList.h"
#include "app/settingsform/SettingsChoiceTable.h"
#include "app/settingsform/SettingsProfileList.h"

namespace {

std::vector<TOfficeItem> ProfileItems(int ACategory) {
    std::vector<TOfficeItem> items;
    const auto categories = SettingsCategories();
    if (ACategory < 0 || ACategory >= static_cast<int>(categories.size())) return items;
    for (const TLegacyProfileItem& profile : categories[static_cast<size_t>(ACategory)].Profiles)
        items.push_back({profile.Title, profile.Caption, profile.ImageIndex});
    return items;
}

} // namespace

TSettingsFormModel::TSettingsFormModel(const TParameterBoxViews& AParameterBoxes, TLegacyMainFields& AMain)
    : FParameterBoxes(AParameterBoxes), FMain(AMain) {
    std::vector<TOfficeItem> categories;
    for (const TLegacyCategory& category : SettingsCategories())
        categories.push_back({"", category.Caption, category.ImageIndex});
    FCategoryBox.Load(std::move(categories), 0);
    FProfileBox.Load({{"dfdfs", "fddf", -1}}, 0);
    FCategoryBox.OnChange = [this] { Button2Click(); };
    FProfileBox.OnClick = [this] { Button18Click(); };
}

void TSettingsFormModel::FormCreate() {
    Button2Click();
}

void TSettingsFormModel::Button2Click() {
    FillProfileBox(FProfileBox, ProfileItems(FCategoryBox.ItemIndex()));
}

void TSettingsFormModel::Button18Click() {
    const int value = SwitchValue();
    // Cleared before the boxes are filled, and never set here: an audio-only
    // profile only disables the video boxes.
    FMain.All_Trant_Number = value;
    FMain.Profile.Video_DisableVideo = false;
    ApplyPresetRow(FParameterBoxes, FindSettingsChoiceRow(value), FindSettingsChoiceList);
}

void TSettingsFormModel::Button5Click(const TLegacyOutputRequest& AOutput) {
    const int value = SwitchValue();
    WriteLegacyProfile(FMain, value, FindLegacyProfileParameters(LegacyKeyOfSwitchValue(value)), AOutput);
}

int TSettingsFormModel::SwitchValue() const {
    return LegacySwitchValue(FCategoryBox.ItemIndex(), FProfileBox.ItemIndex());
}
