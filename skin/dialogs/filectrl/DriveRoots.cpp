#include "skin/dialogs/filectrl/DriveRoots.h"

#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/shell/TShellNamespace.h"

namespace {

bool IsBelowOrSame(std::string_view path, std::string_view folder) {
    if (folder == "/") return path.starts_with('/');
    return path == folder ||
           (path.size() > folder.size() && path.starts_with(folder) && path[folder.size()] == '/');
}

} // namespace

std::vector<TDriveRoot> DriveRootsOf(const TShellEnvironment& Environment) {
    std::vector<TDriveRoot> roots;
    if (!Environment.Home.empty() && Environment.Home != "/")
        roots.push_back({Environment.Home, "Home", vkFixed});
    roots.push_back({"/", "File System", vkRoot});
    for (const TVolume& v : Environment.Volumes)
        roots.push_back({v.MountPoint, v.Label, v.Kind});
    return roots;
}

std::vector<TDriveRoot> SystemDriveRoots() {
    return DriveRootsOf(TShellEnvironment::FromSystem());
}

std::string RootOfPath(const std::vector<TDriveRoot>& Roots, std::string_view Path) {
    const TDriveRoot* best = nullptr;
    for (const TDriveRoot& r : Roots)
        if (IsBelowOrSame(Path, r.Path) && (!best || r.Path.size() > best->Path.size())) best = &r;
    if (best) return best->Path;
    return Path.starts_with('/') ? "/" : "";
}

std::vector<std::string> FoldersFromRoot(const std::string& Root, const std::string& Path) {
    std::vector<std::string> folders{Root};
    if (Path.size() <= Root.size()) return folders;
    std::string_view rest = std::string_view(Path).substr(Root.size());
    std::string folder = Root;
    while (!rest.empty()) {
        if (rest.front() == '/') {
            rest.remove_prefix(1);
            continue;
        }
        size_t slash = rest.find('/');
        folder = JoinPath(folder, rest.substr(0, slash));
        folders.push_back(folder);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash);
    }
    return folders;
}
