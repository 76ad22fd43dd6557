#pragma once

#include "skin/dialogs/shell/ShellTypes.h"
#include "skin/dialogs/shell/TShellItem.h"

#include <string>
#include <vector>

class TShellNamespace;

// A folder's items as listed, in the file system's order (sort them with
// SortShellItems). A folder that cannot be read gives no items and keeps the
// system's error text.
struct TShellListing {
    std::vector<TShellItem> Items;
    std::string Error;
};

// otFolders takes folders (links to folders too), otNonFolders everything
// else (files, and FIFOs, sockets, devices and broken links, which are shown
// but never opened), otHidden adds names starting with ".". Places and the
// computer list their children.
TShellListing ListFolder(const TShellNamespace& space, const TShellItem& folder, TShellObjectTypes types);
TShellListing ListDirectory(const std::string& path, TShellObjectTypes types);
