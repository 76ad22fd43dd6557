#pragma once

#include "app/settingsform/IOfficeComboBoxView.h"

class TlxSkinCustomOfficeComboBox;

// A skinned office combo box seen by the catalogue handlers: they fill it and
// select in it, and its own OnClick and OnChange fire as the box fires them
// (a selection from code: OnClick, then OnChange). As with the model, an
// index other than -1 or an item's changes nothing and fires nothing.
class TOfficeComboBoxView : public IOfficeComboBoxView {
public:
    explicit TOfficeComboBoxView(TlxSkinCustomOfficeComboBox& ABox) : FBox(ABox) {}

    void ClearItems() override;
    void AddItem(const TOfficeItem& AItem) override;
    int ItemCount() const override;
    int ItemIndex() const override;
    void SetItemIndex(int AIndex) override;

private:
    TlxSkinCustomOfficeComboBox& FBox;
};
