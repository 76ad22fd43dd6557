#pragma once

#include "skin/dialogs/shell/TShellItem.h"

#include <string>
#include <string_view>
#include <vector>

// The user-visible volumes of the kernel's mount table ("/proc/self/mounts"
// format: device, mount point, type, options, two numbers; fields escape
// space, tab, newline and backslash as three octal digits).
struct TVolume {
    std::string Device;
    std::string MountPoint; // decoded, raw bytes
    std::string FsType;
    TVolumeKind Kind = vkFixed;
    std::string Label; // UTF-8, for showing
};

// "\040" and the like back to their bytes; anything else stays as it is.
std::string DecodeMountEscapes(std::string_view field);

// The volumes in table order. Left out: the root itself (the computer lists
// it first on its own), pseudo and memory file systems, snap images, and
// mounts below the system's own folders. A folder mounted twice keeps its
// last entry. Never touches the file system: a network mount is not stat'ed.
std::vector<TVolume> ParseMountTable(std::string_view text);

// The running system's table (empty when unreadable).
std::vector<TVolume> ReadMountTable();
