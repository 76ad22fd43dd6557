#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/presets/PresetApplication.h"

// The state of one parameter box: its entries, the selected one and whether
// it is enabled. Selecting an entry raises the change event, whether the
// user or code selects it, as the window's combo box does.
class TParameterBoxModel : public IParameterBoxView {
public:
    void ClearItems() override;
    void AddItem(const std::string& AText) override;
    void SetItemIndex(int AIndex) override;
    void SetEnabled(bool AEnabled) override { FEnabled = AEnabled; }

    const std::vector<std::string>& Items() const { return FItems; }
    int ItemIndex() const { return FItemIndex; }
    bool Enabled() const { return FEnabled; }
    // The selected entry's text; empty when none is selected.
    std::string Text() const;

    std::function<void()> OnChange;

private:
    std::vector<std::string> FItems;
    int FItemIndex = -1;
    bool FEnabled = true;
};
