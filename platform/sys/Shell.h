#pragma once

#include <functional>
#include <string>
#include <vector>

// Opens a folder, file or address with the desktop's handler. The default
// starts "xdg-open <target>" from an argument vector (never through a shell)
// and does not wait for it. Returns false when nothing could be started.
bool ShellOpen(const std::string& target);

using TShellOpener = std::function<bool(const std::string& target)>;
// Replaces the opener (tests); an empty function restores the default.
void SetShellOpener(TShellOpener opener);

// Powers the machine off ("systemctl poweroff", not forced). When the
// environment variable DUVA_NO_POWEROFF is set it only logs to stderr.
bool PowerOff();

using TPowerOffHandler = std::function<bool()>;
// Replaces the power-off routine (tests); an empty function restores the default.
void SetPowerOffHandler(TPowerOffHandler handler);

// Starts a program from an argument vector without waiting; the child is
// reaped in the background. False when it could not be started.
bool StartDetached(const std::vector<std::string>& argv);
