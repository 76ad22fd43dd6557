#pragma once

#include "skin/dialogs/shell/TShellItem.h"

#include <cstdint>
#include <string>

class TMimeDatabase;

// The detail columns of the shell views: size, type, modified. All read the
// stat taken when the item was listed.

// "0 bytes", "1 byte", "999 bytes", then one decimal in units of 1024:
// "1.0 KB", "1.5 MB", "4.0 GB", "2.0 TB".
std::string FormatShellSize(int64_t bytes);
// Blank for folders and items without a stat.
std::string ShellSizeText(const TShellItem& item);

// "yyyy-mm-dd hh:mm" in the local time zone (TZ); blank for no stat.
std::string ShellModifiedText(const TShellItem& item);

// "Folder" for folders; for files the MIME database's comment of the type,
// else "<EXT> file" from the extension ("AVI file"), else "File".
std::string ShellTypeName(const TShellItem& item, const TMimeDatabase* types);
