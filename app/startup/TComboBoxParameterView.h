#pragma once

#include "app/presets/PresetApplication.h"

class TlxSkinCustomComboBox;

// A skinned combo box seen by the preset application as a parameter box.
class TComboBoxParameterView : public IParameterBoxView {
public:
    explicit TComboBoxParameterView(TlxSkinCustomComboBox& ABox) : FBox(ABox) {}

    void ClearItems() override;
    void AddItem(const std::string& AText) override;
    void SetItemIndex(int AIndex) override;
    void SetEnabled(bool AEnabled) override;

private:
    TlxSkinCustomComboBox& FBox;
};
