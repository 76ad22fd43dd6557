#include "platform/base/Directories.h"

#include <filesystem>
#include <system_error>

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

bool DirectoryExists(const std::string& dir) {
    struct stat st;
    return !dir.empty() && ::stat(dir.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ForceDirectories(const std::string& dir, std::string* error) {
    if (DirectoryExists(dir)) return true;
    std::error_code ec;
    if (dir.empty())
        ec = std::make_error_code(std::errc::no_such_file_or_directory);
    else
        fs::create_directories(fs::path(dir), ec);
    if (!ec && DirectoryExists(dir)) return true;
    if (!ec) ec = std::make_error_code(std::errc::not_a_directory);
    if (error) *error = "Cannot create the folder \"" + dir + "\": " + ec.message();
    return false;
}

bool IsDirectoryWritable(const std::string& dir) {
    if (!DirectoryExists(dir)) return false;
    std::string probe = dir;
    if (probe.back() != '/') probe += '/';
    probe += ".duva-probe-XXXXXX";
    int fd = ::mkstemp(probe.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}
