#pragma once

#include <string>
#include <string_view>
#include <vector>

// The user's folders named in "user-dirs.dirs" of the config home
// (XDG_DESKTOP_DIR="$HOME/Desktop" and the like).
struct TUserDir {
    std::string Key;  // "DESKTOP", "DOCUMENTS", "DOWNLOAD", ...
    std::string Path; // absolute, without a trailing "/"
};

// Entries in file order. A value is "$HOME/..." or an absolute path in double
// quotes (backslash escapes the next character); anything else, and a value
// that is home itself (the way to switch a folder off), is left out.
std::vector<TUserDir> ParseUserDirs(std::string_view text, const std::string& home);

// The entries of configHome/user-dirs.dirs whose folders exist. Without the
// file only the desktop is known: home/Desktop, when it exists.
std::vector<TUserDir> ReadUserDirs(const std::string& configHome, const std::string& home);
