#pragma once

#include <string>

// The running program's full file name (from /proc/self/exe).
std::string GetExeName();
// Its folder with a trailing "/".
std::string GetExePath();
// The user's home folder ($HOME, else the password database), no trailing "/".
std::string GetHomeFolder();
