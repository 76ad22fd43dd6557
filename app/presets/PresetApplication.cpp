#include "app/presets/PresetApplication.h"

#include "app/presets/ChoiceList.h"
#include "app/presets/ParameterChoiceTable.h"

namespace {

// Emptying and enabling run in the order of the window's box numbers, which
// is not the fill order.
constexpr TParameterBox ResetOrder[] = {TParameterBox::Resolution,   TParameterBox::VideoBitrate,
                                        TParameterBox::AudioBitrate, TParameterBox::Aspect,
                                        TParameterBox::FrameRate,    TParameterBox::SampleRate};
constexpr TParameterBox VideoBoxes[] = {TParameterBox::Resolution, TParameterBox::VideoBitrate,
                                        TParameterBox::Aspect, TParameterBox::FrameRate};

IParameterBoxView& Box(const TParameterBoxViews& ABoxes, TParameterBox ABox) {
    return *ABoxes[static_cast<size_t>(ABox)];
}

} // namespace

void ApplyPresets(const TParameterBoxViews& ABoxes, int AKey) {
    ApplyPresetRow(ABoxes, FindPresetRow(AKey), FindChoiceList);
}

void ApplyPresetRow(const TParameterBoxViews& ABoxes, const TPresetRow* ARow, TChoiceListLookup AFindList) {
    for (TParameterBox box : ResetOrder)
        Box(ABoxes, box).ClearItems();
    for (TParameterBox box : ResetOrder)
        Box(ABoxes, box).SetEnabled(true);

    if (!ARow) return;

    for (TParameterBox box : PresetBoxOrder) {
        const TPresetCell& cell = ARow->Cell(box);
        IParameterBoxView& view = Box(ABoxes, box);
        if (const TChoiceList* list = AFindList(cell.List))
            for (const char* entry : list->Entries)
                view.AddItem(entry);
        view.SetItemIndex(cell.Default);
    }

    if (ARow->AudioOnly)
        for (TParameterBox box : VideoBoxes)
            Box(ABoxes, box).SetEnabled(false);
}
