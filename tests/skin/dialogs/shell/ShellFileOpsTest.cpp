#include "skin/dialogs/shell/ShellFileOps.h"
#include "skin/dialogs/shell/ShellTypes.h"

#include "platform/sys/Shell.h"

#include "tests/support/TTempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include <sys/stat.h>

namespace {

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Folder(const TTempFolder& t) {
    return t.Path().substr(0, t.Path().size() - 1);
}

} // namespace

TEST(ShellFileOps, RenameMovesTheItemAndNeverReplaces) {
    TTempFolder temp;
    std::string dir = Folder(temp);
    temp.Write("a.txt", "A");
    temp.Write("b.txt", "B");
    TShellItem a = ItemForPath(dir + "/a.txt");

    try {
        RenameShellItem(a, "b.txt");
        ADD_FAILURE() << "renamed onto an existing name";
    } catch (const EInvalidPath& e) {
        EXPECT_EQ(e.Message(), "Rename to b.txt failed: File exists");
    }
    EXPECT_EQ(Read(dir + "/a.txt"), "A");
    EXPECT_EQ(Read(dir + "/b.txt"), "B");
    EXPECT_EQ(a.Path, dir + "/a.txt");

    EXPECT_TRUE(RenameShellItem(a, "c \xff.txt"));
    EXPECT_EQ(a.Path, dir + "/c \xff.txt");
    EXPECT_EQ(a.DisplayName, "c \xEF\xBF\xBD.txt");
    EXPECT_EQ(Read(dir + "/c \xff.txt"), "A");
}

TEST(ShellFileOps, RenameRefusesBadNamesAndItemsThatCannotBeRenamed) {
    TTempFolder temp;
    std::string dir = Folder(temp);
    temp.Write("a.txt", "A");
    TShellItem a = ItemForPath(dir + "/a.txt");
    struct Case {
        std::string Name;
        const char* Error;
    };
    const Case cases[] = {
        {"", "Invalid argument"},
        {".", "Invalid argument"},
        {"..", "Invalid argument"},
        {"x/y", "Invalid argument"},
        {std::string(256, 'n'), "File name too long"},
    };
    for (const Case& c : cases) {
        try {
            RenameShellItem(a, c.Name);
            ADD_FAILURE() << "accepted " << c.Name;
        } catch (const EInvalidPath& e) {
            EXPECT_EQ(e.Message(), "Rename to " + c.Name + " failed: " + c.Error);
        }
    }
    EXPECT_EQ(Read(dir + "/a.txt"), "A");
    EXPECT_TRUE(RenameShellItem(a, std::string(255, 'n'))) << "255 bytes is allowed";

    TShellItem places;
    places.Kind = ikPlaces;
    EXPECT_FALSE(RenameShellItem(places, "x"));
    TShellItem root = ItemForPath("/");
    EXPECT_FALSE(RenameShellItem(root, "x"));
    TShellItem proc = ItemForPath("/proc"); // a mount point everywhere
    EXPECT_FALSE(CanRenameShellItem(proc));
}

TEST(ShellFileOps, NewFolderTakesTheFirstFreeName) {
    TTempFolder temp;
    std::string dir = Folder(temp);
    EXPECT_EQ(CreateNewFolder(dir).Path, dir + "/New Folder");
    temp.Write("New Folder (2)", "a file in the way");
    TShellItem third = CreateNewFolder(dir);
    EXPECT_EQ(third.Path, dir + "/New Folder (3)");
    EXPECT_TRUE(third.IsFolder());
    EXPECT_THROW(CreateNewFolder(dir + "/missing"), EInvalidPath);
}

TEST(ShellFileOps, LauncherHandsThePathVerbatimToTheOpener) {
    std::vector<std::string> calls;
    TShellOpener previous = SetShellOpener([&](const std::string& target) {
        calls.push_back(target);
        return true;
    });
    TShellItem file;
    file.Kind = ikFile;
    file.Path = "/tmp/a \"quoted\" $(touch pwned) 'x'.avi";
    EXPECT_TRUE(ExecuteDefault(file));
    TShellItem computer;
    computer.Kind = ikComputer;
    EXPECT_FALSE(ExecuteDefault(computer));
    SetShellOpener(previous);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], file.Path);
}
