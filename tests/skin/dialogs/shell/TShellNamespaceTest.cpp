#include "skin/dialogs/shell/TShellNamespace.h"

#include "tests/support/TTempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// A home with a desktop and documents, a volume mounted beside it, all in a
// temporary folder; the mount table is a fixture text.
struct TNamespaceFixture {
    TTempFolder Temp;
    std::string Root = Temp.Path().substr(0, Temp.Path().size() - 1);
    std::string Home = Root + "/home";
    std::string Volume = Root + "/media/Stick";

    TNamespaceFixture() {
        for (const char* dir :
             {"/home", "/home/Desktop", "/home/Desktop/sub", "/home/Documents", "/home/Videos",
              "/home/Videos/x", "/config", "/media", "/media/Stick", "/media/Stick/clips"})
            mkdir((Root + dir).c_str(), 0755);
        Temp.Write("config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                            "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n"
                                            "XDG_VIDEOS_DIR=\"$HOME/Videos\"\n");
    }

    TShellNamespace Make() const {
        TShellEnvironment env;
        env.Home = Home;
        env.ConfigHome = Root + "/config";
        env.UserDirs = ReadUserDirs(env.ConfigHome, env.Home);
        env.Volumes = ParseMountTable("/dev/sdb1 " + Volume +
                                      " vfat rw 0 0\n"
                                      "nas:/x /net/unreachable nfs4 rw 0 0\n");
        return TShellNamespace(env);
    }
};

// An item as a route step: "places", "computer", or its path.
std::string Step(const TShellItem& item) {
    if (item.Kind == ikPlaces) return "places";
    if (item.Kind == ikComputer) return "computer";
    return item.Path;
}

} // namespace

TEST(TShellNamespace, PlacesAndComputerChildren) {
    TNamespaceFixture f;
    TShellNamespace space = f.Make();
    std::vector<std::string> places;
    for (const TShellItem& item : space.Places())
        places.push_back(Step(item));
    EXPECT_EQ(places, (std::vector<std::string>{f.Home, f.Home + "/Desktop", f.Home + "/Documents",
                                                f.Home + "/Videos", "computer"}));
    EXPECT_EQ(space.Places()[0].DisplayName, "Home");

    std::vector<TShellItem> computer = space.ComputerChildren();
    ASSERT_EQ(computer.size(), 3u);
    EXPECT_EQ(computer[0].Path, "/");
    EXPECT_EQ(computer[0].Volume, vkRoot);
    EXPECT_EQ(computer[1].DisplayName, "Stick");
    EXPECT_EQ(computer[1].Volume, vkFixed); // not below /media: a fixed disk
    EXPECT_EQ(computer[2].Volume, vkNetwork);
    EXPECT_FALSE(computer[2].Stat.Valid) << "a network mount is not stat'ed to be listed";
}

TEST(TShellNamespace, RoutesAncestorsAndUp) {
    TNamespaceFixture f;
    TShellNamespace space = f.Make();
    const std::string& h = f.Home;
    struct Case {
        const char* Name;
        TShellItem Item;
        std::vector<std::string> Route;
    };
    const Case cases[] = {
        {"under home", space.ItemFor(h + "/Videos/x"), {"places", h + "/Videos", h + "/Videos/x"}},
        {"under the desktop",
         space.ItemFor(h + "/Desktop/sub"),
         {"places", h + "/Desktop", h + "/Desktop/sub"}},
        {"under a volume",
         space.ItemFor(f.Volume + "/clips"),
         {"places", "computer", f.Volume, f.Volume + "/clips"}},
        {"a system folder", space.ItemFor("/usr/share"), {"places", "computer", "/", "/usr", "/usr/share"}},
        {"home itself", space.ItemFor(h), {"places", h}},
        {"the root", space.ItemFor("/"), {"places", "computer", "/"}},
        {"the computer", space.ComputerItem(), {"places", "computer"}},
        {"places", space.PlacesItem(), {"places"}},
    };
    for (const Case& c : cases) {
        std::vector<std::string> route;
        for (const TShellItem& item : space.Route(c.Item))
            route.push_back(Step(item));
        EXPECT_EQ(route, c.Route) << c.Name;
        EXPECT_EQ(space.Route(c.Item).back(), c.Item) << c.Name;

        std::vector<TShellItem> ancestors = space.Ancestors(c.Item);
        EXPECT_EQ(ancestors.size(), c.Route.size() - 1) << c.Name;
        std::optional<TShellItem> up = space.Up(c.Item);
        if (c.Route.size() == 1) {
            EXPECT_FALSE(up) << c.Name;
        } else {
            ASSERT_TRUE(up) << c.Name;
            EXPECT_EQ(Step(*up), c.Route[c.Route.size() - 2]) << c.Name;
        }
    }
    // Anchors carry their place names along the route.
    EXPECT_EQ(space.Route(space.ItemFor("/usr"))[2].DisplayName, "File System");
}

TEST(TShellNamespace, ResolvesRootNamesAndPaths) {
    TNamespaceFixture f;
    TShellNamespace space = f.Make();
    EXPECT_EQ(space.Resolve("rfDesktop").Kind, ikPlaces);
    EXPECT_EQ(space.Resolve("RFMYCOMPUTER").Kind, ikComputer) << "root names compare without case";
    EXPECT_EQ(space.Resolve("rfPersonal").Path, f.Home + "/Documents");
    EXPECT_EQ(space.Resolve("rfDesktopDirectory").Path, f.Home + "/Desktop");
    EXPECT_EQ(space.Resolve("rfAppData").Path, f.Root + "/config");
    EXPECT_EQ(space.Resolve(f.Home + "/Videos/").Path, f.Home + "/Videos");
    EXPECT_EQ(TShellNamespace::RootFolderIndex("rftemplates"), static_cast<int>(TRootFolder::rfTemplates));
    EXPECT_EQ(TShellNamespace::RootFolderIndex("rfNothing"), -1);

    for (std::string bad : {std::string(), std::string("rfPrinters"), std::string("home"),
                            f.Home + "/missing", std::string("C:")}) {
        try {
            space.Resolve(bad);
            ADD_FAILURE() << "resolved: " << bad;
        } catch (const EInvalidPath& e) {
            EXPECT_EQ(e.Message(), "Error setting path: \"" + bad + "\"");
        }
    }
}

TEST(TShellNamespace, PathsCompareAsBytes) {
    TNamespaceFixture f;
    TShellNamespace space = f.Make();
    EXPECT_FALSE(space.ItemFor(f.Home + "/videos") == space.ItemFor(f.Home + "/Videos"));
    EXPECT_THROW(space.Resolve(f.Home + "/videos"), EInvalidPath);
}
