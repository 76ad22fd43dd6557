#include "skin/dialogs/shell/MountTable.h"

#include "skin/dialogs/filectrl/SplitText.h"
#include "skin/dialogs/shell/TShellItem.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>

namespace {

constexpr std::array kPseudoTypes = {
    "autofs",        "binfmt_misc", "bpf",      "cgroup",  "cgroup2",         "configfs",    "debugfs",
    "devpts",        "devtmpfs",    "efivarfs", "fusectl", "hugetlbfs",       "mqueue",      "nsfs",
    "overlay",       "proc",        "pstore",   "ramfs",   "rpc_pipefs",      "securityfs",  "selinuxfs",
    "squashfs",      "sysfs",       "tmpfs",    "tracefs", "fuse.gvfsd-fuse", "fuse.portal", "fuse.lxcfs",
    "fuse.snapfuse", "nfsd",        "devfs",
};

constexpr std::array kNetworkTypes = {
    "nfs",   "nfs4",        "cifs",        "smb3",           "smbfs",          "ncpfs",
    "afs",   "9p",          "ceph",        "glusterfs",      "sshfs",          "fuse.sshfs",
    "davfs", "fuse.davfs2", "fuse.rclone", "fuse.glusterfs", "fuse.curlftpfs",
};

// Mount points below these folders belong to the system, not the user
// ("/run/media" is the exception: removable media mount there).
constexpr std::array kSystemFolders = {"/proc", "/sys", "/dev", "/run", "/boot", "/snap", "/var/lib/snapd"};

template <size_t N> bool OneOf(std::string_view s, const std::array<const char*, N>& list) {
    return std::any_of(list.begin(), list.end(), [&](const char* e) { return s == e; });
}

bool IsBelow(std::string_view path, std::string_view folder) {
    return path == folder ||
           (path.size() > folder.size() && path.starts_with(folder) && path[folder.size()] == '/');
}

bool IsOctal(char c) {
    return c >= '0' && c <= '7';
}

TVolumeKind KindOf(const TVolume& v) {
    if (OneOf(v.FsType, kNetworkTypes) || v.Device.starts_with("//")) return vkNetwork;
    if (v.FsType == "iso9660" || v.FsType == "udf" || v.Device.starts_with("/dev/sr") ||
        v.Device.starts_with("/dev/cdrom"))
        return vkOptical;
    if (IsBelow(v.MountPoint, "/media") || IsBelow(v.MountPoint, "/run/media")) return vkRemovable;
    return vkFixed;
}

} // namespace

std::string DecodeMountEscapes(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && IsOctal(field[i + 1]) && IsOctal(field[i + 2]) &&
            IsOctal(field[i + 3])) {
            int value = (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
            if (value <= 255) {
                out.push_back(static_cast<char>(value));
                i += 3;
                continue;
            }
        }
        out.push_back(field[i]);
    }
    return out;
}

std::vector<TVolume> ParseMountTable(std::string_view text) {
    std::vector<TVolume> volumes;
    for (std::string_view line : SplitText(text, '\n')) {
        std::vector<std::string_view> fields;
        size_t p = 0;
        while (p < line.size() && fields.size() < 3) {
            while (p < line.size() && (line[p] == ' ' || line[p] == '\t'))
                ++p;
            size_t q = p;
            while (q < line.size() && line[q] != ' ' && line[q] != '\t')
                ++q;
            if (q > p) fields.push_back(line.substr(p, q - p));
            p = q;
        }
        if (fields.size() < 3) continue;

        TVolume v;
        v.Device = DecodeMountEscapes(fields[0]);
        v.MountPoint = DecodeMountEscapes(fields[1]);
        v.FsType = std::string(fields[2]);
        if (!v.MountPoint.starts_with('/') || v.MountPoint == "/") continue;
        if (OneOf(v.FsType, kPseudoTypes)) continue;
        bool system = std::any_of(kSystemFolders.begin(), kSystemFolders.end(),
                                  [&](const char* f) { return IsBelow(v.MountPoint, f); });
        if (system && !IsBelow(v.MountPoint, "/run/media")) continue;
        v.Kind = KindOf(v);
        size_t slash = v.MountPoint.find_last_of('/');
        v.Label = DisplayNameOfBytes(std::string_view(v.MountPoint).substr(slash + 1));

        std::erase_if(volumes, [&](const TVolume& o) { return o.MountPoint == v.MountPoint; });
        volumes.push_back(std::move(v));
    }
    return volumes;
}

std::vector<TVolume> ReadMountTable() {
    std::ifstream in("/proc/self/mounts", std::ios::binary);
    if (!in) return {};
    std::ostringstream text;
    text << in.rdbuf();
    return ParseMountTable(text.str());
}
