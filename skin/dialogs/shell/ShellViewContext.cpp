#include "skin/dialogs/shell/ShellViewContext.h"

#include "skin/dialogs/filectrl/FilePaths.h"
#include "skin/dialogs/shell/TMimeDatabase.h"

#include <memory>
#include <strings.h>

namespace {

std::unique_ptr<TShellNamespace>& Current() {
    static std::unique_ptr<TShellNamespace> space;
    return space;
}

} // namespace

const TShellNamespace& ShellNamespace() {
    auto& space = Current();
    if (!space) space = std::make_unique<TShellNamespace>(TShellEnvironment::FromSystem());
    return *space;
}

void SetShellEnvironment(std::optional<TShellEnvironment> Environment) {
    Current() = Environment ? std::make_unique<TShellNamespace>(std::move(*Environment)) : nullptr;
}

const TMimeDatabase& ShellMimeDatabase() {
    static const TMimeDatabase types = TMimeDatabase::FromSystem();
    return types;
}

std::optional<TShellItem> ShellItemOfPath(const std::string& Text) {
    const TShellNamespace& space = ShellNamespace();
    if (Text.empty()) return std::nullopt;
    if (Text == space.PlacesItem().DisplayName) return space.PlacesItem();
    if (Text == space.ComputerItem().DisplayName) return space.ComputerItem();
    std::string path;
    if (Text == "~" || Text.starts_with("~/"))
        path = NormalizePath(space.Environment().Home + Text.substr(1));
    else if (Text.starts_with('/'))
        path = NormalizePath(Text);
    else
        return std::nullopt;
    return space.ItemFor(path);
}

TShellItem NearestExistingFolder(const TShellItem& Item) {
    const TShellNamespace& space = ShellNamespace();
    if (Item.IsVirtual()) return Item;
    std::vector<TShellItem> route = space.Route(Item);
    for (size_t i = route.size(); i-- > 0;) {
        const TShellItem& folder = route[i];
        if (folder.IsVirtual() || folder.Volume == vkNetwork) return folder;
        if (IsExistingDirectory(folder.Path)) return space.ItemFor(folder.Path);
    }
    return space.PlacesItem();
}

bool ShellFolderExists(const TShellItem& Item) {
    return Item.IsVirtual() || Item.Volume == vkNetwork || IsExistingDirectory(Item.Path);
}

bool SameShellRoot(const std::string& A, const std::string& B) {
    return A.size() == B.size() && strncasecmp(A.data(), B.data(), A.size()) == 0;
}
