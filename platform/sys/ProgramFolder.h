#pragma once

#include <string>

// The running program's full file name (from /proc/self/exe).
std::string GetExeName();
// Its folder with a trailing "/".
std::string GetExePath();
// The user's home folder ($HOME, else the password database), no trailing "/".
std::string GetHomeFolder();
// The user's folder for settings: $XDG_CONFIG_HOME when it holds an absolute
// path, else the home folder's ".config"; no trailing "/".
std::string GetConfigHome();
