#pragma once

#include "skin/dialogs/shell/TShellItem.h"

#include <string>
#include <string_view>
#include <vector>

struct TShellEnvironment;

// The "drives" of the file controls: the places a path can start from. Here
// they are the home folder, the root directory and the mounted volumes.
struct TDriveRoot {
    std::string Path;  // absolute, raw bytes
    std::string Label; // UTF-8, for showing
    TVolumeKind Kind = vkFixed;
};

// Home ("Home"), the root ("File System"), then the volumes in table order.
std::vector<TDriveRoot> DriveRootsOf(const TShellEnvironment& Environment);
// The running system's roots.
std::vector<TDriveRoot> SystemDriveRoots();

// The deepest root holding Path (a volume before the root, home before the
// root); empty when none does (Path not absolute).
std::string RootOfPath(const std::vector<TDriveRoot>& Roots, std::string_view Path);

// The folders from Root down to Path, Root first and Path last; only Root
// when they are the same. Path must lie below Root.
std::vector<std::string> FoldersFromRoot(const std::string& Root, const std::string& Path);
