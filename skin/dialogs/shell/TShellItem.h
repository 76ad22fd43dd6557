#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// One item of the namespace, as a value. Identity is kind plus path; the
// display name is for showing only: no path is ever rebuilt from it.
enum class TShellItemKind { ikPlaces, ikComputer, ikDirectory, ikFile };
using enum TShellItemKind;

enum class TVolumeKind { vkNone, vkRoot, vkFixed, vkRemovable, vkOptical, vkNetwork };
using enum TVolumeKind;

// What stat told when the item was listed. Sorting and details read only this,
// so an item deleted after listing still sorts and shows.
struct TShellStat {
    bool Valid = false;
    uint32_t Mode = 0; // st_mode of the target (of the link itself when broken)
    int64_t Size = 0;
    int64_t ModifiedSec = 0; // seconds since the epoch
    bool IsLink = false;
};

struct stat;
// The parts of a stat result that are kept.
TShellStat ShellStatOf(const struct stat& st, bool isLink);

struct TShellItem {
    TShellItemKind Kind = ikDirectory;
    std::string Path;        // absolute, raw bytes; empty for places and computer
    std::string DisplayName; // UTF-8
    TVolumeKind Volume = vkNone;
    TShellStat Stat;

    bool IsFolder() const { return Kind != ikFile; }
    // A place or the computer: nothing of the file system.
    bool IsVirtual() const { return Kind == ikPlaces || Kind == ikComputer; }
    // The final component of Path (raw bytes).
    std::string Name() const;
    bool operator==(const TShellItem& o) const { return Kind == o.Kind && Path == o.Path; }
};

// A name's bytes as UTF-8 text: malformed bytes show as U+FFFD.
std::string DisplayNameOfBytes(std::string_view bytes);

// The item for an absolute path, with its stat (following links; the link's
// own when broken). Kind directory for folders and links to them, else file.
TShellItem ItemForPath(const std::string& path);
