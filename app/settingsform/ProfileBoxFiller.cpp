#include "app/settingsform/ProfileBoxFiller.h"

void FillProfileBox(IOfficeComboBoxView& ABox, const std::vector<TOfficeItem>& AProfiles) {
    ABox.ClearItems();
    for (const TOfficeItem& item : AProfiles)
        ABox.AddItem(item);
    if (ABox.ItemCount() > 0) ABox.SetItemIndex(0);
}
