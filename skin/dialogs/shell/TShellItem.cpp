#include "skin/dialogs/shell/TShellItem.h"

#include "platform/base/Utf8.h"

#include <sys/stat.h>

std::string TShellItem::Name() const {
    if (Path == "/") return Path;
    size_t slash = Path.find_last_of('/');
    return slash == std::string::npos ? Path : Path.substr(slash + 1);
}

TShellStat ShellStatOf(const struct stat& st, bool isLink) {
    TShellStat s;
    s.Valid = true;
    s.Mode = st.st_mode;
    s.Size = st.st_size;
    s.ModifiedSec = st.st_mtim.tv_sec;
    s.IsLink = isLink;
    return s;
}

std::string DisplayNameOfBytes(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    size_t pos = 0;
    while (pos < bytes.size())
        Utf8Append(out, Utf8Next(bytes, pos));
    return out;
}

TShellItem ItemForPath(const std::string& path) {
    TShellItem item;
    item.Path = path;
    struct stat st {};
    struct stat lst {};
    bool isLink = lstat(path.c_str(), &lst) == 0 && S_ISLNK(lst.st_mode);
    bool ok = stat(path.c_str(), &st) == 0;
    if (!ok && isLink) {
        st = lst;
        ok = true;
    }
    if (ok) item.Stat = ShellStatOf(st, isLink);
    item.Kind = ok && S_ISDIR(st.st_mode) ? ikDirectory : ikFile;
    item.DisplayName = DisplayNameOfBytes(item.Name());
    return item;
}
