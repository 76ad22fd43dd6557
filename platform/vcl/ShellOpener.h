#pragma once

#include <functional>
#include <string>
#include <vector>

// Opens a folder, file or address with the desktop's handler. The default
// opener starts "xdg-open" with the target as one argument (never through a
// shell) and does not wait for it; tests and other platforms replace it.
using TShellOpener = std::function<bool(const std::string& Target)>;

bool ShellOpen(const std::string& Target);
// Installs Opener (an empty one restores the default); returns the previous one.
TShellOpener SetShellOpener(TShellOpener Opener);

// Starts Argv[0] (searched in PATH) with the given arguments as a process of
// its own that is never waited for. False when it could not be started.
bool SpawnDetached(const std::vector<std::string>& Argv);
