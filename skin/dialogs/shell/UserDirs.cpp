#include "skin/dialogs/shell/UserDirs.h"

#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/filectrl/SplitText.h"

#include <fstream>
#include <sstream>

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

} // namespace

std::vector<TUserDir> ParseUserDirs(std::string_view text, const std::string& home) {
    std::vector<TUserDir> dirs;
    for (std::string_view piece : SplitText(text, '\n')) {
        std::string_view line = Trim(piece);
        if (line.empty() || line.front() == '#') continue;
        size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        std::string_view name = Trim(line.substr(0, eq));
        std::string_view value = Trim(line.substr(eq + 1));
        if (!name.starts_with("XDG_") || !name.ends_with("_DIR") || name.size() <= 8) continue;
        if (value.size() < 2 || value.front() != '"' || value.back() != '"') continue;
        value = value.substr(1, value.size() - 2);
        std::string unescaped;
        for (size_t i = 0; i < value.size(); ++i) {
            if (value[i] == '\\' && i + 1 < value.size()) ++i;
            unescaped.push_back(value[i]);
        }
        std::string path;
        if (unescaped.starts_with("$HOME/") || unescaped == "$HOME")
            path = home + unescaped.substr(5);
        else if (unescaped.starts_with('/'))
            path = unescaped;
        else
            continue;
        path = WithoutTrailingSlash(path);
        if (path == WithoutTrailingSlash(home)) continue;
        dirs.push_back({std::string(name.substr(4, name.size() - 8)), path});
    }
    return dirs;
}

std::vector<TUserDir> ReadUserDirs(const std::string& configHome, const std::string& home) {
    std::ifstream in(JoinPath(configHome, "user-dirs.dirs"), std::ios::binary);
    std::vector<TUserDir> dirs;
    if (in) {
        std::ostringstream text;
        text << in.rdbuf();
        dirs = ParseUserDirs(text.str(), home);
    } else {
        dirs.push_back({"DESKTOP", JoinPath(home, "Desktop")});
    }
    std::erase_if(dirs, [](const TUserDir& d) { return !IsExistingDirectory(d.Path); });
    return dirs;
}
