#include "app/presets/ChoiceText.h"

#include <cctype>

#include "platform/base/SysUtils.h"

namespace {

constexpr std::string_view KeepSize = "保持原分辨率";
constexpr std::string_view NoVideoFormat = "该格式无视频";
constexpr std::string_view NoVideo = "无视频";
constexpr std::string_view KeepRate = "保持原帧速率";
constexpr std::string_view AutoAudioBitrate = "自动音频比特率";
constexpr std::string_view AutoSampleRate = "自动音频采样率";

// The number before "kbps"; the whole text when it has no "kbps".
std::string_view BeforeKbps(std::string_view AEntry) {
    const size_t unit = AEntry.find("kbps");
    return unit == std::string_view::npos ? AEntry : AEntry.substr(0, unit);
}

} // namespace

int KilobitsToBits(std::string_view AText) {
    const std::string text = Trim(AText);
    // Up to 2 000 000 kbit/s keeps the result inside an int.
    constexpr long long MaxBits = 2'000'000'000LL;
    long long bits = 0;
    size_t i = 0;
    bool digits = false;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        bits = bits * 10 + (text[i] - '0') * 1000;
        if (bits > MaxBits) return -1;
        digits = true;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        int place = 100; // bits per unit of the next fraction digit: 100, 10, 1, then below one bit
        bool roundUp = false;
        bool belowOneBit = false;
        for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
            const int digit = text[i] - '0';
            if (place > 0) {
                bits += digit * place;
            } else if (!belowOneBit) {
                roundUp = digit >= 5;
                belowOneBit = true;
            }
            place /= 10;
            digits = true;
        }
        if (roundUp) ++bits;
    }
    if (!digits || i != text.size() || bits > MaxBits) return -1;
    return static_cast<int>(bits);
}

std::string FrameSizeOfEntry(std::string_view AEntry) {
    if (AEntry == KeepSize || AEntry == NoVideoFormat) return {};
    return std::string(AEntry);
}

std::string FrameRateOfEntry(std::string_view AEntry) {
    if (AEntry == KeepRate || AEntry == NoVideo) return {};
    return std::string(AEntry);
}

int VideoBitrateOfEntry(std::string_view AEntry) {
    if (AEntry == NoVideo) return -1000;
    return KilobitsToBits(BeforeKbps(AEntry));
}

int AudioBitrateOfEntry(std::string_view AEntry) {
    if (AEntry == AutoAudioBitrate) return -1000;
    return KilobitsToBits(BeforeKbps(AEntry));
}

std::string SampleRateOfEntry(std::string_view AEntry) {
    if (AEntry == AutoSampleRate) return "AUTO";
    return std::string(AEntry);
}

std::string AspectOfEntry(std::string_view AEntry) {
    if (AEntry == "普通视频4:3模式") return "4:3";
    if (AEntry == "宽屏视频16:9模式") return "16:9";
    if (AEntry == "宽屏视频37:20模式") return "37:20";
    if (AEntry == "宽屏视频47:20模式") return "47:20";
    // "保持原视频模式", "无视频" and any other text keep the source's aspect.
    return {};
}
