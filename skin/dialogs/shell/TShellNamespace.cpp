#include "skin/dialogs/shell/TShellNamespace.h"

#include "skin/dialogs/filectrl/FilePaths.h"

#include <array>
#include <cstdlib>
#include <strings.h>

namespace {

constexpr std::array<const char*, 23> kRootNames = {
    "rfDesktop",        "rfMyComputer",       "rfNetwork",
    "rfRecycleBin",     "rfAppData",          "rfCommonDesktopDirectory",
    "rfCommonPrograms", "rfCommonStartMenu",  "rfCommonStartup",
    "rfControlPanel",   "rfDesktopDirectory", "rfFavorites",
    "rfFonts",          "rfInternet",         "rfPersonal",
    "rfPrinters",       "rfPrintHood",        "rfPrograms",
    "rfRecent",         "rfSendTo",           "rfStartMenu",
    "rfStartup",        "rfTemplates",
};

// The user's folders that are places, in the order they are shown.
constexpr std::array kPlaceKeys = {"DESKTOP", "DOCUMENTS", "DOWNLOAD", "MUSIC", "PICTURES", "VIDEOS"};

bool IsBelowOrSame(std::string_view path, std::string_view folder) {
    if (folder == "/") return path.starts_with('/');
    return path == folder ||
           (path.size() > folder.size() && path.starts_with(folder) && path[folder.size()] == '/');
}

std::string EnvOr(const char* name, const std::string& fallback) {
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? std::string(value) : fallback;
}

TShellItem Named(TShellItem item, std::string name, TVolumeKind volume = vkNone) {
    item.DisplayName = std::move(name);
    item.Volume = volume;
    return item;
}

} // namespace

TShellEnvironment TShellEnvironment::FromSystem() {
    TShellEnvironment env;
    env.Home = NormalizePath(EnvOr("HOME", "/"));
    env.ConfigHome = NormalizePath(EnvOr("XDG_CONFIG_HOME", JoinPath(env.Home, ".config")));
    env.UserDirs = ReadUserDirs(env.ConfigHome, env.Home);
    env.Volumes = ReadMountTable();
    return env;
}

TShellNamespace::TShellNamespace(TShellEnvironment environment) : FEnvironment(std::move(environment)) {}

TShellItem TShellNamespace::PlacesItem() const {
    TShellItem item;
    item.Kind = ikPlaces;
    item.DisplayName = "Places";
    return item;
}

TShellItem TShellNamespace::ComputerItem() const {
    TShellItem item;
    item.Kind = ikComputer;
    item.DisplayName = "Computer";
    return item;
}

std::string TShellNamespace::UserDir(std::string_view key) const {
    for (const TUserDir& d : FEnvironment.UserDirs)
        if (d.Key == key) return d.Path;
    return {};
}

std::string TShellNamespace::DesktopFolder() const {
    std::string dir = UserDir("DESKTOP");
    return dir.empty() ? FEnvironment.Home : dir;
}

std::string TShellNamespace::DocumentsFolder() const {
    std::string dir = UserDir("DOCUMENTS");
    return dir.empty() ? FEnvironment.Home : dir;
}

std::vector<TShellItem> TShellNamespace::Places() const {
    std::vector<TShellItem> places;
    for (const TAnchor& a : Anchors())
        if (!a.UnderComputer) places.push_back(a.Item);
    places.push_back(ComputerItem());
    return places;
}

std::vector<TShellItem> TShellNamespace::ComputerChildren() const {
    std::vector<TShellItem> children;
    for (const TAnchor& a : Anchors())
        if (a.UnderComputer) children.push_back(a.Item);
    return children;
}

std::vector<TShellNamespace::TAnchor> TShellNamespace::Anchors() const {
    std::vector<TAnchor> anchors;
    anchors.push_back({Named(ItemForPath(FEnvironment.Home), "Home"), false});
    for (const char* key : kPlaceKeys) {
        std::string dir = UserDir(key);
        if (dir.empty() || dir == FEnvironment.Home) continue;
        anchors.push_back({ItemForPath(dir), false});
    }
    anchors.push_back({Named(ItemForPath("/"), "File System", vkRoot), true});
    for (const TVolume& v : FEnvironment.Volumes) {
        // Never stat'ed here: a network mount may hang, and listing needs no stat.
        TShellItem item;
        item.Kind = ikDirectory;
        item.Path = v.MountPoint;
        anchors.push_back({Named(item, v.Label, v.Kind), true});
    }
    return anchors;
}

int TShellNamespace::RootFolderIndex(std::string_view name) {
    for (size_t i = 0; i < kRootNames.size(); ++i)
        if (name.size() == std::char_traits<char>::length(kRootNames[i]) &&
            strncasecmp(name.data(), kRootNames[i], name.size()) == 0)
            return static_cast<int>(i);
    return -1;
}

TShellItem TShellNamespace::Resolve(std::string_view root) const {
    switch (RootFolderIndex(root)) {
    case static_cast<int>(TRootFolder::rfDesktop):
        return PlacesItem();
    case static_cast<int>(TRootFolder::rfMyComputer):
        return ComputerItem();
    case static_cast<int>(TRootFolder::rfPersonal):
        return ItemFor(DocumentsFolder());
    case static_cast<int>(TRootFolder::rfDesktopDirectory):
        return ItemFor(DesktopFolder());
    case static_cast<int>(TRootFolder::rfAppData):
        if (IsExistingDirectory(FEnvironment.ConfigHome)) return ItemFor(FEnvironment.ConfigHome);
        break;
    case -1:
        // Only absolute paths: there is no current directory to lean on.
        if (root.starts_with('/') && IsExistingDirectory(std::string(root)))
            return ItemFor(NormalizePath(root));
        break;
    default:
        break;
    }
    throw EInvalidPath("Error setting path: \"" + std::string(root) + "\"");
}

TShellItem TShellNamespace::ItemFor(const std::string& path) const {
    for (const TAnchor& a : Anchors())
        if (a.Item.Path == path) {
            TShellItem item = ItemForPath(path);
            return a.Item.Volume == vkNetwork ? a.Item : Named(item, a.Item.DisplayName, a.Item.Volume);
        }
    return ItemForPath(path);
}

std::vector<TShellItem> TShellNamespace::Route(const TShellItem& item) const {
    std::vector<TShellItem> route{PlacesItem()};
    if (item.Kind == ikPlaces) return route;
    if (item.Kind == ikComputer) {
        route.push_back(ComputerItem());
        return route;
    }
    // The deepest anchor holding the item: a user's folder under home wins
    // over home, a volume over the root.
    std::vector<TAnchor> anchors = Anchors();
    const TAnchor* best = nullptr;
    for (const TAnchor& a : anchors)
        if (!a.Item.Path.empty() && IsBelowOrSame(item.Path, a.Item.Path) &&
            (!best || a.Item.Path.size() > best->Item.Path.size()))
            best = &a;
    if (!best) return {PlacesItem(), item}; // not absolute: nothing holds it
    if (best->UnderComputer) route.push_back(ComputerItem());
    route.push_back(best->Item);
    std::string path = best->Item.Path;
    std::string_view rest = std::string_view(item.Path).substr(path.size());
    while (!rest.empty()) {
        if (rest.front() == '/') rest.remove_prefix(1);
        size_t slash = rest.find('/');
        std::string_view part = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash);
        if (part.empty()) continue;
        path = JoinPath(path, part);
        route.push_back(rest.empty() ? item : ItemForPath(path));
    }
    return route;
}

std::vector<TShellItem> TShellNamespace::Ancestors(const TShellItem& item) const {
    std::vector<TShellItem> route = Route(item);
    route.pop_back();
    return route;
}

std::optional<TShellItem> TShellNamespace::Up(const TShellItem& item) const {
    std::vector<TShellItem> ancestors = Ancestors(item);
    if (ancestors.empty()) return std::nullopt;
    return ancestors.back();
}
