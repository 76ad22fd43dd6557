// Presets: named option lists for an encoder, built in or read from a file.

#include <fstream>
#include <sstream>
#include <sys/stat.h>

#include "media/engine/BuiltinPresets.h"
#include "media/engine/EngineText.h"
#include "media/engine/PresetTranslation.h"
#include "media/engine/TCustomFFmpeg.h"

using namespace EngineText;

std::string TCustomFFmpeg::FindPreset(std::string_view AName) {
    for (const TOptionsPreset& preset : BuiltinPresets())
        if (SameText(preset.Name, AName)) return preset.Value;
    return {};
}

bool TCustomFFmpeg::SetTranslatedOption(const std::string& AName, const std::string& AValue) {
    bool ok = true;
    for (const TOptionLine& line : TranslatePresetLine(AName, AValue))
        ok = SetGenericOption(line.first, line.second) && ok;
    return ok;
}

void TCustomFFmpeg::ApplyPreset(const std::string& AOption, const std::string& AValue) {
    if (AOption.empty() || AValue.empty()) return;
    std::string presetName = AValue;
    std::string text;
    if (AOption[0] != 'f') {
        text = FindPreset(presetName);
        if (text.empty()) {
            if (AOption[0] == 'v' && !Fvideo_codec_name.empty())
                presetName = Fvideo_codec_name + "-" + AValue;
            else if (AOption[0] == 'a' && !Faudio_codec_name.empty())
                presetName = Faudio_codec_name + "-" + AValue;
            else if (!Fsubtitle_codec_name.empty())
                presetName = Fsubtitle_codec_name + "-" + AValue;
            text = FindPreset(presetName);
        }
    }
    if (text.empty()) {
        struct stat st {};
        if (stat(AValue.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            throw FFmpegException("Preset \"" + AValue + "\" not found");
        std::ifstream file(AValue, std::ios::binary);
        std::ostringstream content;
        content << file.rdbuf();
        text = content.str();
    }
    ApplyPresetText(presetName, text);
}

void TCustomFFmpeg::ApplyPresetText(const std::string& APresetName, const std::string& AText) {
    std::string text = Trim(AText);
    std::string normalised;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            normalised += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            normalised += text[i];
        }
    }
    std::istringstream lines(normalised);
    std::string raw;
    while (std::getline(lines, raw)) {
        std::string line = Trim(raw);
        if (line.empty()) continue;
        size_t eq = line.find('=');
        std::string name = eq == std::string::npos ? line : line.substr(0, eq);
        std::string value = eq == std::string::npos ? std::string() : line.substr(eq + 1);
        if (name.empty() || value.empty())
            throw FFmpegException(Format("%s: Invalid syntax: \"%s\"", APresetName.c_str(), line.c_str()));
        if (SameText(name, "acodec"))
            SetAudioCodec(value);
        else if (SameText(name, "vcodec"))
            SetVideoCodec(value);
        else if (SameText(name, "scodec"))
            SetSubtitleCodec(value);
        else if (!SetTranslatedOption(name, value))
            throw FFmpegException(Format("%s: Invalid option or argument: \"%s\", parsed as \"%s\" = \"%s\"",
                                         APresetName.c_str(), line.c_str(), name.c_str(), value.c_str()));
    }
}
