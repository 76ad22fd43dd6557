#pragma once

#include "skin/dialogs/shell/MountTable.h"
#include "skin/dialogs/shell/ShellTypes.h"
#include "skin/dialogs/shell/TShellItem.h"
#include "skin/dialogs/shell/UserDirs.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Where the namespace comes from: the home folder, the config home, the
// user's folders and the mounted volumes. Tests build one from fixtures.
struct TShellEnvironment {
    std::string Home;       // absolute
    std::string ConfigHome; // absolute
    std::vector<TUserDir> UserDirs;
    std::vector<TVolume> Volumes;

    // HOME, XDG_CONFIG_HOME (else home/.config), the user-dirs file and the
    // kernel's mount table.
    static TShellEnvironment FromSystem();
};

// The namespace the shell views browse: "places" at the top (home, the
// user's folders, the computer), the computer (the root directory and the
// volumes), and the file system below them.
class TShellNamespace {
public:
    explicit TShellNamespace(TShellEnvironment environment);

    const TShellEnvironment& Environment() const { return FEnvironment; }

    TShellItem PlacesItem() const;
    TShellItem ComputerItem() const;
    // Home, then the user's folders (desktop, documents, downloads, music,
    // pictures, videos: those that exist and differ from home), then the computer.
    std::vector<TShellItem> Places() const;
    // The root directory, then the volumes in table order.
    std::vector<TShellItem> ComputerChildren() const;

    // The user's folder for a key ("DESKTOP"), empty when there is none.
    std::string UserDir(std::string_view key) const;
    // The desktop and documents folders (home when the user has none).
    std::string DesktopFolder() const;
    std::string DocumentsFolder() const;

    // The TRootFolder value whose name equals name without case, else -1.
    static int RootFolderIndex(std::string_view name);
    // A root name (rfDesktop: places, rfMyComputer: computer, rfPersonal:
    // documents, rfDesktopDirectory: desktop, rfAppData: config home) or an
    // absolute path of an existing folder. Anything else, an empty root
    // included, raises EInvalidPath "Error setting path: \"root\"".
    TShellItem Resolve(std::string_view root) const;

    // The item for a folder or file path, named as the namespace shows it
    // (home, the root and volumes carry their place names).
    TShellItem ItemFor(const std::string& path) const;

    // The chain from places down to item, item last.
    std::vector<TShellItem> Route(const TShellItem& item) const;
    // The route without the item: places first, the direct parent last.
    std::vector<TShellItem> Ancestors(const TShellItem& item) const;
    // The direct parent; none for places.
    std::optional<TShellItem> Up(const TShellItem& item) const;

private:
    struct TAnchor {
        TShellItem Item;
        bool UnderComputer = false;
    };
    std::vector<TAnchor> Anchors() const;

    TShellEnvironment FEnvironment;
};
