#pragma once

#include <string>
#include <vector>

#include "app/presets/PresetApplication.h"

// Six parameter boxes as the window's combo boxes behave: selecting sets the
// text, and only a changed text counts as a change event. Every clear is
// logged, so a fill of the six boxes shows as six clears.
class TFakeParameterBox : public IParameterBoxView {
public:
    void ClearItems() override {
        Items.clear();
        ItemIndex = -1;
        ++Clears;
    }
    void AddItem(const std::string& AText) override { Items.push_back(AText); }
    void SetItemIndex(int AIndex) override {
        ItemIndex = AIndex >= 0 && AIndex < static_cast<int>(Items.size()) ? AIndex : -1;
        if (ItemIndex >= 0 && Text != Items[static_cast<size_t>(ItemIndex)]) {
            Text = Items[static_cast<size_t>(ItemIndex)];
            ++Changes;
        }
    }
    void SetEnabled(bool AEnabled) override { Enabled = AEnabled; }

    std::vector<std::string> Items;
    int ItemIndex = -1;
    std::string Text;
    bool Enabled = true;
    int Clears = 0;
    int Changes = 0;
};

struct TFakeParameterBoxes {
    TFakeParameterBox Boxes[ParameterBoxCount]; // indexed by `TParameterBox`

    TFakeParameterBox& operator[](TParameterBox ABox) { return Boxes[static_cast<int>(ABox)]; }
    TParameterBoxViews Views() {
        TParameterBoxViews views;
        for (int i = 0; i < ParameterBoxCount; ++i)
            views[static_cast<size_t>(i)] = &Boxes[i];
        return views;
    }
    // The six selected texts in `PresetBoxOrder`.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const TFakeParameterBox& box : Boxes)
            texts.push_back(box.ItemIndex >= 0 ? box.Text : "");
        return texts;
    }
    // Which boxes are enabled, in `PresetBoxOrder`.
    std::vector<bool> Enabled() const {
        std::vector<bool> enabled;
        for (const TFakeParameterBox& box : Boxes)
            enabled.push_back(box.Enabled);
        return enabled;
    }
};
