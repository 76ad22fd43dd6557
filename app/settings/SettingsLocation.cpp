#include "app/settings/SettingsLocation.h"

#include "platform/base/Directories.h"
#include "platform/base/Exception.h"
#include "platform/base/FileStream.h"
#include "platform/sys/ProgramFolder.h"

#include "app/settings/TSettingsFile.h"

#include <sys/stat.h>

namespace {
std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string ProductFolder() {
    std::string home = GetHomeFolder();
    return (home == "/" ? "" : home) + "/Vantrel视频软件";
}
} // namespace

std::string SettingsConfigFolder() {
    return GetConfigHome() + "/duvavudezaruvove";
}

TSettingsLocation LocateSettingsFile(const std::string& programFolder) {
    std::string beside = WithSlash(programFolder) + SettingsFileName;
    if (IsDirectoryWritable(programFolder)) return {beside, TSettingsPlace::ProgramFolder};

    std::string folder = SettingsConfigFolder();
    TSettingsLocation location{folder + "/" + SettingsFileName, TSettingsPlace::ConfigFolder};
    // A failure here shows later, when the file is written and cannot be.
    struct stat st;
    if (ForceDirectories(folder) && !FileExists(location.FileName) && ::stat(beside.c_str(), &st) == 0 &&
        S_ISREG(st.st_mode) && st.st_size <= TSettingsFile::MaxFileSize) {
        try {
            WriteFileAtomic(location.FileName, ReadFileToString(beside));
        } catch (const Exception&) {
            // The defaults take over, as for a first start.
        }
    }
    return location;
}

TSettingsLocation LocateSettingsFile() {
    return LocateSettingsFile(GetExePath());
}

std::string DefaultOutputFolder() {
    return ProductFolder() + "/输出";
}

std::string DefaultSnapshotFolder() {
    return ProductFolder() + "/快照";
}
