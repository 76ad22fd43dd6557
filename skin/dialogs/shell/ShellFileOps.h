#pragma once

#include "skin/dialogs/shell/TShellItem.h"

#include <string>
#include <string_view>

// Changes the shell views make to the file system, and the launcher.

// Whether an item may be renamed: not a place, the computer, the root or a
// mount point.
bool CanRenameShellItem(const TShellItem& item);

// Renames item inside its folder and updates it. False, with nothing changed,
// for an item that cannot be renamed. Never replaces an existing name.
// Raises EInvalidPath "Rename to <name> failed: <system text>" for a refused
// name (empty, ".", "..", holding "/" or over 255 bytes) or a refusal of the
// file system; the item then stays as it was.
bool RenameShellItem(TShellItem& item, std::string_view newName);

// Makes a folder named baseName in parent, or "baseName (2)", "(3)", ...:
// the first free name. Raises EInvalidPath with the system's text.
TShellItem CreateNewFolder(const std::string& parent, std::string_view baseName = "New Folder");

// Opens the item with the desktop's handler through the shell opener (one
// argument, no shell, not waited for). False for places and the computer, or
// when nothing could be started.
bool ExecuteDefault(const TShellItem& item);
