#include "app/settings/TSettings.h"

#include "app/settings/SettingsKeys.h"
#include "app/settings/SettingsLocation.h"

#include "platform/base/Directories.h"
#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"

#include <algorithm>
#include <array>

using namespace SettingsKeys;

namespace {

constexpr std::array<const char*, 4> SnapshotTypeTexts = {"BMP", "JPG", "GIF", "PNG"};
constexpr std::array<const char*, 4> SnapshotExtensions = {".bmp", ".jpg", ".gif", ".png"};

// The stored text, or "" when it counts as missing.
std::string Stored(const TMemIniFile& ini, const char* section, const char* key) {
    std::string value = ini.ReadString(section, key, Missing);
    return value == Missing ? std::string() : value;
}

// A value given as plain decimal digits in [low, high]; anything else is none.
std::optional<int> DecimalIn(const std::string& text, int low, int high) {
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int value = std::stoi(text);
    if (value < low || value > high) return std::nullopt;
    return value;
}

// For the keys of "Options": the value must be one of the key's own texts
// ("1" to "19", "0" to "3"), so "03" or "+1" count as missing too.
std::optional<int> ListedIn(const std::string& text, int low, int high) {
    std::optional<int> value = DecimalIn(text, low, high);
    if (value && std::to_string(*value) != text) return std::nullopt;
    return value;
}

// A folder value is a full path; a relative one would land wherever the
// program happened to be started.
bool IsFolderValue(const std::string& text) {
    return !text.empty() && text[0] == '/';
}

std::string DefaultContent() {
    TMemIniFile ini("");
    ini.WriteString(OutPathSection, OutPath, DefaultOutputFolder());
    ini.WriteString(SkinSection, SetSkin, "0");
    TConversionOptions defaults;
    ini.WriteInteger(OptionsSection, ThreadCount, defaults.ThreadCount);
    ini.WriteInteger(OptionsSection, AfterDone, defaults.AfterDone);
    ini.WriteBool(OptionsSection, ShowPreview, defaults.ShowPreview);
    ini.WriteInteger(OptionsSection, ThreadPriority, defaults.ThreadPriority);
    ini.WriteInteger(OptionsSection, OverwriteFile, defaults.OverwriteFile);
    ini.WriteString(SnapShotSection, SnapShotDir, DefaultSnapshotFolder());
    ini.WriteString(SnapShotSection, SnapShotPicture, SnapshotTypeText(TSnapshotType::BMP));
    return ini.Text();
}

} // namespace

const char* SnapshotTypeText(TSnapshotType type) {
    return SnapshotTypeTexts[size_t(type)];
}

const char* SnapshotExtension(TSnapshotType type) {
    return SnapshotExtensions[size_t(type)];
}

TSettings::TSettings() : TSettings(LocateSettingsFile()) {}

TSettings::TSettings(TSettingsLocation location)
    : FLocation(std::move(location)), FFile(FLocation.FileName, DefaultContent()) {}

TSettings::TSettings(std::string fileName) : TSettings(TSettingsLocation{std::move(fileName)}) {}

bool TSettings::Update(const TSettingsFile::TChange& change) {
    try {
        FFile.Update(change);
    } catch (const Exception& e) {
        FLastErrMsg = e.Message();
        return false;
    }
    if (!FFile.SetAsideName().empty()) {
        FLastErrMsg = "The settings file \"" + FFile.FileName() + "\" could not be read; it was kept as \"" +
                      FFile.SetAsideName() + "\" and the default settings were written.";
    }
    return true;
}

std::string TSettings::ReadFolder(const char* section, const char* key, const std::string& defaultFolder) {
    FLastErrMsg.clear();
    std::string folder = defaultFolder;
    Update([&](TMemIniFile& ini, bool) {
        std::string stored = Stored(ini, section, key);
        if (IsFolderValue(stored)) {
            folder = stored;
            return false;
        }
        ini.WriteString(section, key, defaultFolder);
        return true;
    });
    std::string error;
    if (!ForceDirectories(folder, &error))
        FLastErrMsg = FLastErrMsg.empty() ? error : FLastErrMsg + " " + error;
    return folder;
}

bool TSettings::WriteFolder(const char* section, const char* key, const std::string& folder) {
    FLastErrMsg.clear();
    if (!IsFolderValue(folder) || !DirectoryExists(folder)) {
        FLastErrMsg = "The folder \"" + folder + "\" does not exist; the setting was kept.";
        return false;
    }
    // A line break would end the value and start keys of its own; blanks at
    // either end would be trimmed away and so name another folder.
    if (folder.find_first_of("\r\n") != std::string::npos || Trim(folder) != folder) {
        FLastErrMsg =
            "The folder name \"" + folder + "\" cannot be kept in the settings file; the setting was kept.";
        return false;
    }
    return WriteValue(section, key, folder);
}

std::string TSettings::ReadOutputFolder() {
    return ReadFolder(OutPathSection, OutPath, DefaultOutputFolder());
}

bool TSettings::WriteOutputFolder(const std::string& folder) {
    return WriteFolder(OutPathSection, OutPath, folder);
}

std::string TSettings::ReadSnapshotFolder() {
    return ReadFolder(SnapShotSection, SnapShotDir, DefaultSnapshotFolder());
}

bool TSettings::WriteSnapshotFolder(const std::string& folder) {
    return WriteFolder(SnapShotSection, SnapShotDir, folder);
}

TSettings::TSkinSetting TSettings::ReadSkinSetting() {
    FLastErrMsg.clear();
    TSkinSetting setting;
    Update([&](TMemIniFile& ini, bool existed) {
        const std::string stored = existed ? Stored(ini, SkinSection, SetSkin) : std::string();
        if (!stored.empty()) {
            const std::optional<int> index = DecimalIn(stored, 0, 999999999);
            setting.Kind = index ? TSkinSetting::TKind::Index : TSkinSetting::TKind::Unusable;
            setting.Index = index.value_or(0);
            setting.Text = stored;
            return false;
        }
        // Without a file the skin stays as the form stores it; else skin 0.
        if (existed) setting.Kind = TSkinSetting::TKind::Index;
        ini.WriteString(SkinSection, SetSkin, "0");
        return true;
    });
    return setting;
}

std::optional<int> TSettings::ReadSkinIndex(int skinCount) {
    const TSkinSetting setting = ReadSkinSetting();
    if (setting.Kind != TSkinSetting::TKind::Index || setting.Index >= skinCount) return std::nullopt;
    return setting.Index;
}

bool TSettings::WriteSkinIndex(int index) {
    FLastErrMsg.clear();
    return WriteValue(SkinSection, SetSkin, std::to_string(index));
}

TConversionOptions TSettings::ReadOptions() {
    FLastErrMsg.clear();
    TConversionOptions options;
    Update([&](TMemIniFile& ini, bool existed) {
        const TConversionOptions defaults;
        if (!existed) {
            options = defaults;
            ini.WriteInteger(OptionsSection, ThreadCount, defaults.ThreadCount);
            ini.WriteInteger(OptionsSection, AfterDone, defaults.AfterDone);
            ini.WriteBool(OptionsSection, ShowPreview, defaults.ShowPreview);
            ini.WriteInteger(OptionsSection, ThreadPriority, defaults.ThreadPriority);
            ini.WriteInteger(OptionsSection, OverwriteFile, defaults.OverwriteFile);
            return true;
        }
        bool changed = false;
        auto read = [&](const char* key, int low, int high, int def) {
            if (std::optional<int> value = ListedIn(Stored(ini, OptionsSection, key), low, high))
                return *value;
            ini.WriteInteger(OptionsSection, key, def);
            changed = true;
            return def;
        };
        options.ThreadCount = read(ThreadCount, 1, 19, defaults.ThreadCount);
        options.AfterDone = read(AfterDone, 0, 3, defaults.AfterDone);
        options.ThreadPriority = read(ThreadPriority, 0, 3, defaults.ThreadPriority);
        options.OverwriteFile = read(OverwriteFile, 0, 1, defaults.OverwriteFile);
        options.ShowPreview = read(ShowPreview, 0, 1, defaults.ShowPreview) != 0;
        return changed;
    });
    SetOptions(options);
    return options;
}

bool TSettings::WriteOptions(const TConversionOptions& options, bool multiThread) {
    FLastErrMsg.clear();
    auto within = [](int value, int low, int high) { return value >= low && value <= high; };
    const bool threads = multiThread && within(options.ThreadCount, 1, 19);
    const bool afterDone = within(options.AfterDone, 0, 3);
    const bool priority = within(options.ThreadPriority, 0, 3);
    const bool overwrite = within(options.OverwriteFile, 0, 1);
    bool written = Update([&](TMemIniFile& ini, bool) {
        if (threads) ini.WriteInteger(OptionsSection, ThreadCount, options.ThreadCount);
        if (afterDone) ini.WriteInteger(OptionsSection, AfterDone, options.AfterDone);
        ini.WriteBool(OptionsSection, ShowPreview, options.ShowPreview);
        if (priority) ini.WriteInteger(OptionsSection, ThreadPriority, options.ThreadPriority);
        if (overwrite) ini.WriteInteger(OptionsSection, OverwriteFile, options.OverwriteFile);
        return true;
    });
    TConversionOptions current = FOptions;
    if (threads) current.ThreadCount = options.ThreadCount;
    if (afterDone) current.AfterDone = options.AfterDone;
    current.ShowPreview = options.ShowPreview;
    if (priority) current.ThreadPriority = options.ThreadPriority;
    if (overwrite) current.OverwriteFile = options.OverwriteFile;
    SetOptions(current);
    return written;
}

bool TSettings::SetThreadCount(int count) {
    FLastErrMsg.clear();
    if (count < 1 || count > 19) {
        FLastErrMsg = "A thread count of " + std::to_string(count) + " is outside 1 to 19.";
        return false;
    }
    TConversionOptions options = FOptions;
    options.ThreadCount = count;
    return StoreOption(ThreadCount, std::to_string(count), options);
}

bool TSettings::SetShowPreview(bool show) {
    FLastErrMsg.clear();
    TConversionOptions options = FOptions;
    options.ShowPreview = show;
    return StoreOption(ShowPreview, show ? "1" : "0", options);
}

bool TSettings::StoreOption(const char* key, const std::string& value, const TConversionOptions& options) {
    // The running program follows the choice even when the file cannot take it.
    bool written = WriteValue(OptionsSection, key, value);
    SetOptions(options);
    return written;
}

bool TSettings::WriteValue(const char* section, const char* key, const std::string& value) {
    return Update([&](TMemIniFile& ini, bool) {
        ini.WriteString(section, key, value);
        return true;
    });
}

int TSettings::AddOptionsListener(TOptionsListener listener) {
    FListeners.emplace_back(FNextListener, std::move(listener));
    return FNextListener++;
}

void TSettings::RemoveOptionsListener(int id) {
    std::erase_if(FListeners, [id](const auto& entry) { return entry.first == id; });
}

void TSettings::SetOptions(const TConversionOptions& options) {
    if (options == FOptions) return;
    FOptions = options;
    // A listener may remove itself or others while being told.
    auto listeners = FListeners;
    for (const auto& [id, listener] : listeners)
        if (listener) listener(FOptions);
}

TSnapshotType TSettings::ReadSnapshotType() {
    FLastErrMsg.clear();
    TSnapshotType type = TSnapshotType::BMP;
    Update([&](TMemIniFile& ini, bool) {
        std::string stored = Stored(ini, SnapShotSection, SnapShotPicture);
        for (size_t i = 0; i < SnapshotTypeTexts.size(); ++i) {
            if (stored == SnapshotTypeTexts[i]) {
                type = TSnapshotType(i);
                return false;
            }
        }
        ini.WriteString(SnapShotSection, SnapShotPicture, SnapshotTypeText(TSnapshotType::BMP));
        return true;
    });
    return type;
}

bool TSettings::WriteSnapshotType(TSnapshotType type) {
    FLastErrMsg.clear();
    return WriteValue(SnapShotSection, SnapShotPicture, SnapshotTypeText(type));
}
