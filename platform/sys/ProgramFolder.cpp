#include "platform/sys/ProgramFolder.h"

#include <cstdlib>
#include <vector>

#include <pwd.h>
#include <unistd.h>

std::string GetExeName() {
    std::vector<char> buf(4096);
    for (;;) {
        ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size());
        if (n < 0) return {};
        if (static_cast<size_t>(n) < buf.size()) return std::string(buf.data(), static_cast<size_t>(n));
        buf.resize(buf.size() * 2);
    }
}

std::string GetExePath() {
    std::string name = GetExeName();
    auto slash = name.rfind('/');
    if (slash == std::string::npos) return {};
    return name.substr(0, slash + 1);
}

std::string GetHomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return home;
    if (passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "/";
}

std::string GetConfigHome() {
    // A relative value is to be ignored, as the base-directory rules say.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/') {
        std::string folder = config;
        while (folder.size() > 1 && folder.back() == '/')
            folder.pop_back();
        return folder;
    }
    std::string home = GetHomeFolder();
    return (home == "/" ? "" : home) + "/.config";
}
