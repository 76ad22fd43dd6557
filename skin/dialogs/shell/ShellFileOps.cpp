#include "skin/dialogs/shell/ShellFileOps.h"

#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/shell/ShellTypes.h"

#include "platform/sys/Shell.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

#include <fcntl.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string ParentOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == 0 || slash == std::string::npos ? std::string("/") : path.substr(0, slash);
}

[[noreturn]] void Fail(std::string_view newName, int error) {
    throw EInvalidPath("Rename to " + std::string(newName) + " failed: " + std::strerror(error));
}

int NameError(std::string_view name) {
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string_view::npos ||
        name.find('\0') != std::string_view::npos)
        return EINVAL;
    if (name.size() > NAME_MAX) return ENAMETOOLONG;
    return 0;
}

// Renames without ever replacing: the kernel's no-replace rename, and where a
// file system lacks it, a check just before a plain rename.
int RenameNoReplace(const std::string& from, const std::string& to) {
    if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    if (errno != EINVAL && errno != ENOSYS) return errno;
    struct stat st {};
    if (lstat(to.c_str(), &st) == 0) return EEXIST;
    return rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

} // namespace

bool CanRenameShellItem(const TShellItem& item) {
    if (item.IsVirtual() || item.Path.empty() || item.Path == "/") return false;
    struct stat self {
    }, parent{};
    if (lstat(item.Path.c_str(), &self) != 0) return true; // the rename reports what is wrong
    if (S_ISDIR(self.st_mode) && stat(ParentOf(item.Path).c_str(), &parent) == 0 &&
        (parent.st_dev != self.st_dev || parent.st_ino == self.st_ino))
        return false; // a mount point
    return true;
}

bool RenameShellItem(TShellItem& item, std::string_view newName) {
    if (!CanRenameShellItem(item)) return false;
    if (int error = NameError(newName)) Fail(newName, error);
    std::string target = JoinPath(ParentOf(item.Path), newName);
    if (target == item.Path) return true;
    if (int error = RenameNoReplace(item.Path, target)) Fail(newName, error);
    item.Path = target;
    item.DisplayName = DisplayNameOfBytes(newName);
    return true;
}

TShellItem CreateNewFolder(const std::string& parent, std::string_view baseName) {
    for (int n = 1; n <= 10000; ++n) {
        std::string name(baseName);
        if (n > 1) name += " (" + std::to_string(n) + ")";
        std::string path = JoinPath(parent, name);
        if (mkdir(path.c_str(), 0777) == 0) return ItemForPath(path);
        if (errno != EEXIST)
            throw EInvalidPath("Cannot create folder \"" + DisplayNameOfBytes(path) +
                               "\": " + std::strerror(errno));
    }
    throw EInvalidPath("Cannot create folder in \"" + DisplayNameOfBytes(parent) +
                       "\": " + std::strerror(EEXIST));
}

bool ExecuteDefault(const TShellItem& item) {
    if (item.IsVirtual() || item.Path.empty()) return false;
    return ShellOpen(item.Path);
}
