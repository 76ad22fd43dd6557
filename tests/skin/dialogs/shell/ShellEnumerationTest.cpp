#include "skin/dialogs/shell/ShellEnumeration.h"
#include "skin/dialogs/shell/ShellSort.h"
#include "skin/dialogs/shell/TShellNamespace.h"

#include "tests/support/TTempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Folders, files, a dot file, a link to a folder, a broken link, a FIFO and a
// name that is no UTF-8.
struct TListingFixture {
    TTempFolder Temp;
    std::string Dir = Temp.Path().substr(0, Temp.Path().size() - 1);

    TListingFixture() {
        mkdir((Dir + "/Folder").c_str(), 0755);
        mkdir((Dir + "/.hidden-folder").c_str(), 0755);
        Temp.Write("clip.avi", "x");
        Temp.Write(".dotfile", "x");
        Temp.Write("bad\xff.txt", "x");
        Temp.Link(Dir + "/Folder", "link-to-folder");
        Temp.Link(Dir + "/nowhere", "broken-link");
        mkfifo((Dir + "/pipe").c_str(), 0644);
    }

    std::set<std::string> Names(TShellObjectTypes types) const {
        TShellListing listing = ListDirectory(Dir, types);
        EXPECT_EQ(listing.Error, "");
        std::set<std::string> names;
        for (const TShellItem& item : listing.Items)
            names.insert(item.Name() + (item.IsFolder() ? "/" : ""));
        return names;
    }
};

using TNames = std::set<std::string>;

// Lists a folder locked with mode 0. Permissions do not hold for root, so
// there the listing is made by a child that has dropped to the unprivileged
// "nobody" and reports the item count and the error through a pipe.
TShellListing ListLocked(const std::string& Parent, const std::string& Locked) {
    if (geteuid() != 0) return ListDirectory(Locked, {otFolders, otNonFolders});
    chmod(Parent.c_str(), 0755); // "nobody" must reach the locked folder
    int out[2];
    if (pipe(out) != 0) return {{}, "no pipe"};
    const pid_t child = fork();
    if (child == 0) {
        close(out[0]);
        std::string report = "setuid failed";
        if (setgid(65534) == 0 && setuid(65534) == 0) {
            TShellListing l = ListDirectory(Locked, {otFolders, otNonFolders});
            report = std::to_string(l.Items.size()) + "|" + l.Error;
        }
        (void)!write(out[1], report.data(), report.size());
        _exit(0);
    }
    close(out[1]);
    std::string report;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, static_cast<size_t>(n));
    close(out[0]);
    waitpid(child, nullptr, 0);
    const size_t bar = report.find('|');
    if (bar == std::string::npos) return {{}, report};
    TShellListing listing;
    listing.Items.resize(std::stoul(report.substr(0, bar)));
    listing.Error = report.substr(bar + 1);
    return listing;
}

} // namespace

TEST(ShellEnumeration, EachFlagSetListsItsItems) {
    TListingFixture f;
    EXPECT_EQ(f.Names({otFolders}), (TNames{"Folder/", "link-to-folder/"}));
    EXPECT_EQ(f.Names({otNonFolders}), (TNames{"clip.avi", "bad\xff.txt", "broken-link", "pipe"}));
    EXPECT_EQ(f.Names({otFolders, otHidden}), (TNames{"Folder/", "link-to-folder/", ".hidden-folder/"}));
    EXPECT_EQ(f.Names({otNonFolders, otHidden}),
              (TNames{"clip.avi", "bad\xff.txt", "broken-link", "pipe", ".dotfile"}));
    EXPECT_EQ(f.Names({}), TNames{});
}

TEST(ShellEnumeration, ItemsKeepTheirBytesAndStat) {
    TListingFixture f;
    TShellListing listing = ListDirectory(f.Dir, {otFolders, otNonFolders});
    auto find = [&](const std::string& name) {
        auto it = std::find_if(listing.Items.begin(), listing.Items.end(),
                               [&](const TShellItem& i) { return i.Name() == name; });
        EXPECT_NE(it, listing.Items.end()) << name;
        return it == listing.Items.end() ? TShellItem{} : *it;
    };
    TShellItem bad = find("bad\xff.txt");
    EXPECT_EQ(bad.Path, f.Dir + "/bad\xff.txt") << "the exact bytes stay in the path";
    EXPECT_EQ(bad.DisplayName, "bad\xEF\xBF\xBD.txt");
    EXPECT_EQ(find("clip.avi").Stat.Size, 1);
    EXPECT_TRUE(find("link-to-folder").Stat.IsLink);
    EXPECT_TRUE(find("broken-link").Stat.IsLink);
    EXPECT_TRUE(S_ISFIFO(find("pipe").Stat.Mode));
}

TEST(ShellEnumeration, UnreadableFolderIsEmptyWithItsError) {
    TListingFixture f;
    TShellListing gone = ListDirectory(f.Dir + "/no-such-folder", {otFolders, otNonFolders});
    EXPECT_TRUE(gone.Items.empty());
    EXPECT_EQ(gone.Error, "No such file or directory");
    EXPECT_EQ(ListDirectory(f.Dir + "/clip.avi", {otFolders}).Error, "Not a directory");

    std::string locked = f.Dir + "/Folder";
    chmod(locked.c_str(), 0);
    TShellListing denied = ListLocked(f.Dir, locked);
    chmod(locked.c_str(), 0755);
    EXPECT_TRUE(denied.Items.empty());
    EXPECT_EQ(denied.Error, "Permission denied");
}

TEST(ShellEnumeration, PlacesAndComputerListTheirChildren) {
    TShellEnvironment env;
    env.Home = "/";
    TShellNamespace space(env);
    EXPECT_EQ(ListFolder(space, space.PlacesItem(), {otFolders}).Items.size(), 2u); // home and the computer
    EXPECT_TRUE(ListFolder(space, space.PlacesItem(), {otNonFolders}).Items.empty());
    EXPECT_EQ(ListFolder(space, space.ComputerItem(), {otFolders}).Items[0].Path, "/");
}

TEST(ShellSort, FoldersFirstNaturalOrderWithoutCaseAndADeterministicTieBreak) {
    auto make = [](TShellItemKind kind, const std::string& name) {
        TShellItem item;
        item.Kind = kind;
        item.Path = "/d/" + name;
        item.DisplayName = DisplayNameOfBytes(name);
        return item;
    };
    std::vector<TShellItem> items = {
        make(ikFile, "file10.avi"), make(ikFile, "File2.avi"),  make(ikDirectory, "zeta"),
        make(ikFile, "file2.avi"),  make(ikDirectory, "Alpha"), make(ikFile, "a\xff"),
        make(ikFile, "a\xfe"),      make(ikFile, "file02.avi"),
    };
    // Every starting order gives the same result.
    std::vector<std::string> first;
    for (int round = 0; round < 8; ++round) {
        std::rotate(items.begin(), items.begin() + 1, items.end());
        std::vector<TShellItem> sorted = items;
        SortShellItems(sorted);
        std::vector<std::string> names;
        for (const TShellItem& i : sorted)
            names.push_back(i.Name());
        if (round == 0)
            first = names;
        else
            EXPECT_EQ(names, first);
    }
    EXPECT_EQ(first, (std::vector<std::string>{"Alpha", "zeta", "a\xfe", "a\xff", "File2.avi", "file02.avi",
                                               "file2.avi", "file10.avi"}));
}

TEST(ShellSort, NaturalCompareTable) {
    struct Case {
        const char* A;
        const char* B;
        int Expected;
    };
    const Case cases[] = {
        {"a2", "a10", -1},       {"A10", "a2", 1}, {"abc", "ABC", 0}, {"x", "x1", -1},
        {"file007", "file7", 0}, {"9", "a", -1},   {"a.b", "a1", -1}, {"99999999999999999999999", "1", 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NaturalCompare(c.A, c.B), c.Expected) << c.A << " vs " << c.B;
        EXPECT_EQ(NaturalCompare(c.B, c.A), -c.Expected) << c.B << " vs " << c.A;
    }
}

TEST(ShellSort, ColumnSortsUseTheListedStatEvenAfterADelete) {
    TTempFolder temp;
    std::string dir = temp.Path().substr(0, temp.Path().size() - 1);
    temp.Write("big.txt", std::string(300, 'x'));
    temp.Write("small.avi", "x");
    temp.Write("mid.mkv", std::string(20, 'x'));
    mkdir((dir + "/folder").c_str(), 0755);
    TShellListing listing = ListDirectory(dir, {otFolders, otNonFolders});
    unlink((dir + "/mid.mkv").c_str());

    auto order = [&](TShellSortColumn column, bool descending) {
        std::vector<TShellItem> items = listing.Items;
        SortShellItems(items, column, descending);
        std::vector<std::string> names;
        for (const TShellItem& i : items)
            names.push_back(i.Name());
        return names;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(order(scSize, false), (V{"folder", "small.avi", "mid.mkv", "big.txt"}));
    EXPECT_EQ(order(scSize, true), (V{"big.txt", "mid.mkv", "small.avi", "folder"}));
    EXPECT_EQ(order(scType, false), (V{"folder", "small.avi", "mid.mkv", "big.txt"})); // AVI, MKV, TXT
    EXPECT_EQ(order(scName, false), (V{"folder", "big.txt", "mid.mkv", "small.avi"}));
}
