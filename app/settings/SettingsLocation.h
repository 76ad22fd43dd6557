#pragma once

#include <string>

// Where "option.ini" lives. It belongs beside the program; when that folder
// cannot be written (an installed program), it lives in the user's settings
// folder instead.
enum class TSettingsPlace { ProgramFolder, ConfigFolder };

struct TSettingsLocation {
    std::string FileName; // full name of "option.ini"
    TSettingsPlace Place = TSettingsPlace::ProgramFolder;
};

inline constexpr const char* SettingsFileName = "option.ini";

// The user's settings folder of this program: GetConfigHome() + "/duvavudezaruvove".
std::string SettingsConfigFolder();

// Chooses the place for a program in programFolder (with or without a
// trailing "/"). When the settings folder is chosen it is created, and a
// settings file left in the read-only program folder is copied there the
// first time, so the user's settings carry over.
TSettingsLocation LocateSettingsFile(const std::string& programFolder);
// The same for the running program.
TSettingsLocation LocateSettingsFile();

// The default output and snapshot folders, below the home folder.
std::string DefaultOutputFolder();
std::string DefaultSnapshotFolder();
