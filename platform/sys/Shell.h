#pragma once

#include <functional>
#include <string>
#include <vector>

// The desktop's shell: opening folders, files and addresses, powering off,
// and starting programs.

// Opens a folder, file or address with the desktop's handler. The default
// opener starts "xdg-open" with the target as one argument (never through a
// shell) and does not wait for it. False when nothing could be started.
using TShellOpener = std::function<bool(const std::string& Target)>;
bool ShellOpen(const std::string& Target);
// Installs Opener (an empty one restores the default); returns the previous one.
TShellOpener SetShellOpener(TShellOpener Opener);

// Powers the computer off ("systemctl poweroff", not forced). When the
// environment variable DUVA_NO_POWEROFF is set it only logs, before any
// handler is consulted: every test and CI run sets it, so no installed
// handler can power a test machine off. The action and the log are
// replaceable.
using TPowerOffHandler = std::function<bool()>;
using TPowerOffLog = std::function<void(const std::string& Line)>;
bool PowerOff();
TPowerOffHandler SetPowerOffHandler(TPowerOffHandler Handler);
TPowerOffLog SetPowerOffLog(TPowerOffLog Log);

// Starts Argv[0] (searched in PATH) with the given arguments as a process of
// its own that is never waited for and leaves no zombie. False when it could
// not be started.
bool StartDetached(const std::vector<std::string>& Argv);
