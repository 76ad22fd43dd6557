// The settings file reader: whatever "option.ini" holds, every read gives a
// usable value, a file it cannot parse is kept aside byte for byte, keys it
// does not own survive, and what it writes back reads again unchanged.
//
// The folder reads are left out: they create the folder a file names, and a
// fuzzed file names any folder of the machine.

#include "app/settings/SettingsKeys.h"
#include "app/settings/TSettings.h"
#include "platform/base/SysUtils.h"
#include "tests/fuzz/FuzzTarget.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace {

namespace fs = std::filesystem;

// A private folder for the file, removed when the program ends.
class TFuzzFolder {
public:
    TFuzzFolder() {
        std::string pattern = (fs::temp_directory_path() / "duva-fuzz-settings-XXXXXX").string();
        FuzzCheck(::mkdtemp(pattern.data()) != nullptr, "no temporary folder");
        FPath = pattern;
    }
    ~TFuzzFolder() {
        std::error_code ignored;
        fs::remove_all(FPath, ignored);
    }
    const fs::path& Path() const { return FPath; }

private:
    fs::path FPath;
};

const fs::path& Folder() {
    static const TFuzzFolder folder;
    return folder.Path();
}

std::string ReadAll(const fs::path& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool IsOwnKey(const std::string& section, const std::string& key) {
    using namespace SettingsKeys;
    const std::pair<const char*, const char*> own[] = {{SkinSection, SetSkin},
                                                       {OptionsSection, ThreadCount},
                                                       {OptionsSection, AfterDone},
                                                       {OptionsSection, ShowPreview},
                                                       {OptionsSection, ThreadPriority},
                                                       {OptionsSection, OverwriteFile},
                                                       {SnapShotSection, SnapShotPicture}};
    for (const auto& [s, k] : own)
        if (SameText(section, s) && SameText(key, k)) return true;
    return false;
}

// Every key of text with its value, as the ini reader sees them.
std::map<std::pair<std::string, std::string>, std::string> Keys(const std::string& text) {
    TMemIniFile ini("");
    ini.SetText(text);
    TStringList sections, keys;
    ini.ReadSections(sections);
    std::map<std::pair<std::string, std::string>, std::string> values;
    for (int s = 0; s < sections.Count(); ++s) {
        ini.ReadSection(sections[s], keys);
        for (int k = 0; k < keys.Count(); ++k)
            values.emplace(std::pair{sections[s], keys[k]}, ini.ReadString(sections[s], keys[k], ""));
    }
    return values;
}

bool Within(int value, int low, int high) {
    return value >= low && value <= high;
}

} // namespace

std::vector<std::string> FuzzSeeds() {
    return {
        "[OutPath]\r\nOutPath=/home/user/out\r\n[Skin]\r\nSetSkin=3\r\n[Options]\r\nThread_Count=4\r\n"
        "After_Done=3\r\nShow_Preview=1\r\nThread_Priority=0\r\nOverwrite_File=0\r\n[SnapShot]\r\n"
        "Dir=/home/user/shots\r\nPicture=PNG\r\n[Other]\r\nKept=yes\r\n",
        "\xEF\xBB\xBF; edited by hand\n[options]\nthread_count=03\nAfter_Done=Error\nShow_Preview=\n"
        "Thread_Priority=+1\n[Skin]\nSetSkin=99999999999\n[SnapShot]\nPicture=png\n",
        "no section at all\nSetSkin=1\n",
        std::string("[Skin]\nSetSkin=1\0\n", 17),
        "[Skin]\nSetSkin=\xC3\x28\n",
        "",
    };
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    const fs::path name = Folder() / "option.ini";
    const std::string input(FuzzText(Data, Size));
    std::ofstream(name, std::ios::binary | std::ios::trunc)
        .write(input.data(), std::streamsize(input.size()));

    TSettings settings(name.string());
    const std::optional<int> skin = settings.ReadSkinIndex(11);
    const bool setAside = !settings.SetAsideName().empty();
    if (setAside) {
        FuzzCheck(ReadAll(settings.SetAsideName()) == input, "a file kept aside lost its content");
    } else {
        // A file that was read keeps every key the reads do not own.
        const std::string written = ReadAll(name);
        const auto after = Keys(written);
        for (const auto& [where, value] : Keys(input)) {
            if (IsOwnKey(where.first, where.second)) continue;
            auto found = after.find(where);
            FuzzCheck(found != after.end() && found->second == value, "a key the reads do not own changed");
        }
    }
    FuzzCheck(!skin || Within(*skin, 0, 10), "the skin index is outside the list");

    const TConversionOptions options = settings.ReadOptions();
    FuzzCheck(Within(options.ThreadCount, 1, 19) && Within(options.AfterDone, 0, 3) &&
                  Within(options.ThreadPriority, 0, 3) && Within(options.OverwriteFile, 0, 1),
              "an option is outside its range");
    const TSnapshotType type = settings.ReadSnapshotType();
    FuzzCheck(Within(int(type), 0, 3), "the snapshot type is unknown");

    // What the reads wrote is sound: reading it again keeps it byte for byte
    // and gives the same values.
    const std::string settled = ReadAll(name);
    TSettings again(name.string());
    FuzzCheck(again.ReadSkinIndex(11) == skin, "the skin index read differently the second time");
    FuzzCheck(again.ReadOptions() == options, "the options read differently the second time");
    FuzzCheck(again.ReadSnapshotType() == type, "the snapshot type read differently the second time");
    FuzzCheck(again.SetAsideName().empty() && again.LastErrMsg().empty(), "a written file did not read back");
    FuzzCheck(ReadAll(name) == settled, "reading settled values wrote the file again");

    // A write keeps the other keys and reads back.
    TConversionOptions changed = options;
    changed.ThreadCount = options.ThreadCount % 19 + 1;
    FuzzCheck(again.WriteOptions(changed, true), "the options could not be written");
    FuzzCheck(TSettings(name.string()).ReadOptions() == changed, "written options read back differently");

    std::error_code ignored;
    for (const fs::directory_entry& entry : fs::directory_iterator(Folder(), ignored))
        fs::remove_all(entry.path(), ignored);
    return 0;
}
