#pragma once

#include "app/settings/SettingsLocation.h"
#include "app/settings/TSettingsFile.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The options kept in the section "Options". The radio groups hold the index
// of their checked button, -1 when none is checked (such a group is not written).
struct TConversionOptions {
    int ThreadCount = 1; // simultaneous conversions, 1 to 19
    int AfterDone = 0;   // 0 open the output folder, 1 power off, 2 play a sound, 3 nothing
    bool ShowPreview = false;
    int ThreadPriority = 3; // 0 idle, 1 lowest, 2 lower, 3 normal
    int OverwriteFile = 1;  // 0 overwrite, 1 rename automatically

    bool operator==(const TConversionOptions&) const = default;
};

enum class TSnapshotType { BMP, JPG, GIF, PNG };

// The text stored for a type ("BMP") and its file extension (".bmp").
const char* SnapshotTypeText(TSnapshotType type);
const char* SnapshotExtension(TSnapshotType type);

// The program's settings in "option.ini": the reads and writes the main
// window, the options form and the snapshot commands call.
//
// Every reader replaces a missing, empty, "Error" or unusable value by the
// key's default and writes the default back (the skin index: see
// ReadSkinSetting). Nothing here throws or asks the
// user: a read always gives a usable value, a write says whether it worked,
// and LastErrMsg tells what went wrong during the last call (a folder that
// could not be created, a failed write, an unreadable file kept aside), empty
// when nothing did. Meant for the GUI thread; several objects and programs on
// one file are safe (see TSettingsFile).
class TSettings {
public:
    // The file found by LocateSettingsFile().
    TSettings();
    explicit TSettings(TSettingsLocation location);
    // A file the caller names; it counts as the one beside the program.
    explicit TSettings(std::string fileName);

    // Which file is in use, and whether it lies beside the program.
    const TSettingsLocation& Location() const { return FLocation; }
    const std::string& FileName() const { return FFile.FileName(); }
    const std::string& LastErrMsg() const { return FLastErrMsg; }
    // The name an unreadable file was kept under by the last call, or empty.
    const std::string& SetAsideName() const { return FFile.SetAsideName(); }
    TSettingsFile& File() { return FFile; }

    // [OutPath] OutPath: the stored folder, or the default written back; the
    // folder is created with its parents. A folder that cannot be created is
    // still the setting (LastErrMsg says why it is missing).
    std::string ReadOutputFolder();
    // Writes folder only when it exists and the file can hold its name as it
    // is (no line break, no blanks at either end); false and nothing written otherwise.
    bool WriteOutputFolder(const std::string& folder);

    // [Skin] SetSkin as stored. None: there was no settings file ("0" is
    // written and the skin stays as it is). Index: the stored decimal index,
    // or 0 written back for a missing, empty or "Error" value; whether the
    // skin list holds that index is for the skin to tell. Unusable: the
    // stored text (kept in Text) is no decimal number; nothing is written,
    // so the skin stays and the file is left as it is.
    struct TSkinSetting {
        enum class TKind { None, Index, Unusable } Kind = TKind::None;
        int Index = 0;
        std::string Text;
    };
    TSkinSetting ReadSkinSetting();
    // The stored index when a skin list of skinCount skins holds it; no
    // value for no file, an unusable value or one outside the list.
    std::optional<int> ReadSkinIndex(int skinCount);
    bool WriteSkinIndex(int index);

    // [Options]: reads every key (writing the defaults of unusable ones) and
    // makes the result the current options.
    TConversionOptions ReadOptions();
    // The options form's OK: writes the five keys ("Thread_Count" only while
    // multiThread is set, a group at -1 not at all) and makes them current.
    bool WriteOptions(const TConversionOptions& options, bool multiThread);

    // The options while the program runs: one value that the main window's
    // and the options form's boxes and the converter all follow. The setters
    // store the key at once and tell every listener when the value changed.
    const TConversionOptions& Options() const { return FOptions; }
    bool SetThreadCount(int count);
    bool SetShowPreview(bool show);
    using TOptionsListener = std::function<void(const TConversionOptions&)>;
    int AddOptionsListener(TOptionsListener listener);
    void RemoveOptionsListener(int id);

    // [SnapShot] Dir and Picture, as the snapshot commands read them on every use.
    std::string ReadSnapshotFolder();
    // Writes folder only when it exists.
    bool WriteSnapshotFolder(const std::string& folder);
    TSnapshotType ReadSnapshotType();
    bool WriteSnapshotType(TSnapshotType type);

private:
    std::string ReadFolder(const char* section, const char* key, const std::string& defaultFolder);
    bool WriteFolder(const char* section, const char* key, const std::string& folder);
    // Runs one access; false (with LastErrMsg) when it could not be written.
    bool Update(const TSettingsFile::TChange& change);
    bool WriteValue(const char* section, const char* key, const std::string& value);
    bool StoreOption(const char* key, const std::string& value, const TConversionOptions& options);
    void SetOptions(const TConversionOptions& options);

    TSettingsLocation FLocation;
    TSettingsFile FFile;
    std::string FLastErrMsg;
    TConversionOptions FOptions;
    std::vector<std::pair<int, TOptionsListener>> FListeners;
    int FNextListener = 1;
};
