#include "skin/dialogs/shell/ShellTrash.h"

#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/shell/ShellViewContext.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string ParentOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == 0 || slash == std::string::npos ? std::string("/") : path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The folder on whose volume path lies that is the volume's top: the last
// ancestor with the same device.
std::string TopDirOf(const std::string& path, dev_t device) {
    std::string top = path;
    while (top != "/") {
        std::string parent = ParentOf(top);
        struct stat st {};
        if (stat(parent.c_str(), &st) != 0 || st.st_dev != device) break;
        top = parent;
    }
    return top;
}

bool MakeDirs(const std::string& path, mode_t mode) {
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    if (path != "/" && !MakeDirs(ParentOf(path), mode)) return false;
    return mkdir(path.c_str(), mode) == 0 || errno == EEXIST;
}

// A trash folder ready for use: files/ and info/ made, owned by us.
bool PrepareTrash(const std::string& trash, bool create) {
    struct stat st {};
    if (lstat(trash.c_str(), &st) != 0) {
        if (!create || !MakeDirs(trash, 0700)) return false;
    } else if (!S_ISDIR(st.st_mode) || st.st_uid != getuid()) {
        return false;
    }
    return MakeDirs(JoinPath(trash, "files"), 0700) && MakeDirs(JoinPath(trash, "info"), 0700);
}

std::string DeletionDate() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

// Reserves "name", "name.2", "name.3", ... in info/ by creating its info
// file exclusively, then renames the item into files/ under that name.
TTrashResult MoveInto(const std::string& trash, const std::string& path, const std::string& infoPath) {
    TTrashResult result;
    const std::string name = BaseName(path);
    std::string content =
        "[Trash Info]\nPath=" + EscapeTrashPath(infoPath) + "\nDeletionDate=" + DeletionDate() + "\n";
    for (int n = 1; n <= 10000; ++n) {
        std::string candidate = n == 1 ? name : name + "." + std::to_string(n);
        std::string info = JoinPath(JoinPath(trash, "info"), candidate + ".trashinfo");
        int fd = open(info.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST) continue;
            result.Error = std::strerror(errno);
            return result;
        }
        bool written = write(fd, content.data(), content.size()) == static_cast<ssize_t>(content.size());
        written = close(fd) == 0 && written;
        std::string target = JoinPath(JoinPath(trash, "files"), candidate);
        struct stat st {};
        if (!written) {
            result.Error = std::strerror(errno ? errno : EIO);
        } else if (lstat(target.c_str(), &st) == 0) {
            // A stray entry without info: leave it, try the next name.
            unlink(info.c_str());
            continue;
        } else if (rename(path.c_str(), target.c_str()) == 0) {
            result.Ok = true;
            result.TrashedPath = target;
            result.InfoPath = info;
            return result;
        } else {
            result.Error = std::strerror(errno);
        }
        unlink(info.c_str());
        return result;
    }
    result.Error = std::strerror(EEXIST);
    return result;
}

} // namespace

std::string EscapeTrashPath(const std::string& Path) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : Path) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
            c == '_' || c == '.' || c == '~' || c == '/') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

TTrashResult MoveToTrash(const std::string& Path, const std::string& DataHome) {
    TTrashResult result;
    struct stat item {};
    if (Path.empty() || Path == "/" || lstat(Path.c_str(), &item) != 0) {
        result.Error = std::strerror(Path.empty() || Path == "/" ? EINVAL : errno);
        return result;
    }
    std::string dataHome = DataHome;
    if (dataHome.empty()) {
        const char* env = std::getenv("XDG_DATA_HOME");
        dataHome = env && env[0] == '/' ? std::string(env)
                                        : JoinPath(ShellNamespace().Environment().Home, ".local/share");
    }
    const std::string homeTrash = JoinPath(dataHome, "Trash");
    // The home trash's volume is that of its nearest existing folder.
    std::string probe = homeTrash;
    struct stat home {};
    while (stat(probe.c_str(), &home) != 0 && probe != "/")
        probe = ParentOf(probe);
    if (home.st_dev == item.st_dev) {
        if (PrepareTrash(homeTrash, true)) return MoveInto(homeTrash, Path, Path);
        result.Error = "The trash folder \"" + homeTrash + "\" cannot be used";
        return result;
    }

    const std::string top = TopDirOf(ParentOf(Path), item.st_dev);
    const std::string relative = top == "/" ? Path.substr(1) : Path.substr(top.size() + 1);
    const std::string uid = std::to_string(getuid());
    // The administrator's shared ".Trash": a sticky folder, not a link.
    struct stat shared {};
    const std::string sharedTrash = JoinPath(top, ".Trash");
    if (lstat(sharedTrash.c_str(), &shared) == 0 && S_ISDIR(shared.st_mode) && (shared.st_mode & S_ISVTX)) {
        const std::string trash = JoinPath(sharedTrash, uid);
        if (PrepareTrash(trash, true)) return MoveInto(trash, Path, relative);
    }
    const std::string own = JoinPath(top, ".Trash-" + uid);
    if (PrepareTrash(own, true)) return MoveInto(own, Path, relative);
    result.Error = "No trash can be used on the volume of \"" + Path + "\"";
    return result;
}
