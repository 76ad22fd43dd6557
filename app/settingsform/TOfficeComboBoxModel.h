#pragma once

#include <functional>
#include <vector>

#include "app/settingsform/IOfficeComboBoxView.h"

// The state of an office combo box: its items and the selected one. The
// control draws from it and binds its events to `OnClick` and `OnChange`.
class TOfficeComboBoxModel : public IOfficeComboBoxView {
public:
    void ClearItems() override { FItems.clear(); }
    void AddItem(const TOfficeItem& AItem) override { FItems.push_back(AItem); }
    int ItemCount() const override { return static_cast<int>(FItems.size()); }
    int ItemIndex() const override { return FItemIndex; }
    // -1 or an item's index; both fire `OnClick`, then `OnChange`. Any other
    // index changes nothing and fires nothing.
    void SetItemIndex(int AIndex) override;

    // Items and selection as a form description gives them, firing nothing.
    void Load(std::vector<TOfficeItem> AItems, int AItemIndex);

    const std::vector<TOfficeItem>& Items() const { return FItems; }

    std::function<void()> OnClick;
    std::function<void()> OnChange;

private:
    std::vector<TOfficeItem> FItems;
    int FItemIndex = -1;
};
