#include "app/catalogue/ProfileKey.h"

#include <cctype>

#include "app/catalogue/CategoryMenu.h"

std::optional<TMenuProfile> DecodeRowProfileCode(int ACode) {
    if (ACode < 100) return std::nullopt;
    const TMenuProfile profile{ACode / 100 - 1, ACode % 100};
    if (profile.MenuEntry >= CategoryMenuCount) return std::nullopt;
    return profile;
}

int MenuProfileKey(int AMenuEntry, int ARow) {
    const int list = CategoryMenuMap(AMenuEntry);
    if (list < 0 || ARow < 0 || ARow >= 100) return -1;
    return ProfileKey(list, ARow);
}

namespace {

std::string TwoDigits(int AIndex) {
    if (AIndex < 0) return "-1";
    if (AIndex > 99) AIndex = 99;
    return {static_cast<char>('0' + AIndex / 10), static_cast<char>('0' + AIndex % 10)};
}

std::optional<int> ReadTwoDigits(std::string_view APair) {
    if (APair == "-1") return -1;
    if (!std::isdigit(static_cast<unsigned char>(APair[0])) ||
        !std::isdigit(static_cast<unsigned char>(APair[1])))
        return std::nullopt;
    return (APair[0] - '0') * 10 + (APair[1] - '0');
}

} // namespace

std::string EncodeRowParameterIndexes(const TParameterIndexes& AIndexes) {
    return TwoDigits(AIndexes.Resolution) + TwoDigits(AIndexes.VideoBitrate) +
           TwoDigits(AIndexes.AudioBitrate) + TwoDigits(AIndexes.Aspect) + TwoDigits(AIndexes.FrameRate) +
           TwoDigits(AIndexes.SampleRate);
}

std::optional<TParameterIndexes> DecodeRowParameterIndexes(std::string_view AText) {
    if (AText.size() != 12) return std::nullopt;
    TParameterIndexes indexes;
    int* fields[] = {&indexes.Resolution, &indexes.VideoBitrate, &indexes.AudioBitrate,
                     &indexes.Aspect,     &indexes.FrameRate,    &indexes.SampleRate};
    for (size_t i = 0; i < 6; ++i) {
        const std::optional<int> value = ReadTwoDigits(AText.substr(i * 2, 2));
        if (!value) return std::nullopt;
        *fields[i] = *value;
    }
    return indexes;
}
