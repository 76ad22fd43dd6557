#include "app/superseded/SupersededChoiceList.h"

#include "app/settingsform/SettingsChoiceList.h"

namespace {

// clang-format off
constexpr const char* kR20[] = {"640*480", "720*480", "720*576", "960*540", "1024*768", "1280*720"};
constexpr const char* kF8[] = {"保持原帧速率", "23.98", "24.00", "25.00", "29.97", "30.00"};
constexpr const char* kS6[] = {"22050", "24000", "32000", "44100", "48000"};

constexpr TChoiceList kSupersededChoiceLists[] = {
    {"R20", kR20}, {"F8", kF8}, {"S6", kS6},
};
// clang-format on

} // namespace

std::span<const TChoiceList> SupersededChoiceLists() {
    return kSupersededChoiceLists;
}

const TChoiceList* FindSupersededChoiceList(std::string_view AName) {
    for (const TChoiceList& list : kSupersededChoiceLists)
        if (AName == list.Name) return &list;
    return FindSettingsChoiceList(AName);
}
