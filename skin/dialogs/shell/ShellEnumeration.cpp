#include "skin/dialogs/shell/ShellEnumeration.h"

#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/shell/TShellNamespace.h"

#include <cerrno>
#include <cstring>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct TDirCloser {
    void operator()(DIR* d) const { closedir(d); }
};

} // namespace

TShellListing ListDirectory(const std::string& path, TShellObjectTypes types) {
    TShellListing listing;
    int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        listing.Error = std::strerror(errno);
        return listing;
    }
    std::unique_ptr<DIR, TDirCloser> dir(fdopendir(fd));
    if (!dir) {
        listing.Error = std::strerror(errno);
        close(fd);
        return listing;
    }
    for (;;) {
        errno = 0;
        dirent* entry = readdir(dir.get());
        if (!entry) {
            if (errno != 0) listing.Error = std::strerror(errno);
            break;
        }
        const char* name = entry->d_name;
        if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0) continue;
        if (name[0] == '.' && !types.Contains(otHidden)) continue;
        TShellItem item;
        struct stat st {};
        bool isLink = entry->d_type == DT_LNK;
        bool ok = fstatat(fd, name, &st, 0) == 0;
        if (!ok) {
            // A broken link (or a name gone meanwhile): the link's own stat.
            ok = fstatat(fd, name, &st, AT_SYMLINK_NOFOLLOW) == 0;
            isLink = ok && S_ISLNK(st.st_mode);
        } else if (entry->d_type == DT_UNKNOWN) {
            struct stat lst {};
            isLink = fstatat(fd, name, &lst, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(lst.st_mode);
        }
        bool folder = ok && S_ISDIR(st.st_mode);
        if (folder ? !types.Contains(otFolders) : !types.Contains(otNonFolders)) continue;
        item.Kind = folder ? ikDirectory : ikFile;
        item.Path = JoinPath(path, name);
        item.DisplayName = DisplayNameOfBytes(name);
        if (ok) item.Stat = ShellStatOf(st, isLink);
        listing.Items.push_back(std::move(item));
    }
    return listing;
}

TShellListing ListFolder(const TShellNamespace& space, const TShellItem& folder, TShellObjectTypes types) {
    TShellListing listing;
    switch (folder.Kind) {
    case ikPlaces:
        if (types.Contains(otFolders)) listing.Items = space.Places();
        return listing;
    case ikComputer:
        if (types.Contains(otFolders)) listing.Items = space.ComputerChildren();
        return listing;
    case ikDirectory:
        return ListDirectory(folder.Path, types);
    case ikFile:
        break;
    }
    listing.Error = std::strerror(ENOTDIR);
    return listing;
}
