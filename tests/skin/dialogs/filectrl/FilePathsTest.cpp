#include "skin/dialogs/filectrl/FilePaths.h"

#include "tests/support/TTempFolder.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string CurrentDirectory() {
    char buffer[PATH_MAX];
    return getcwd(buffer, sizeof buffer) ? buffer : "";
}

} // namespace

TEST(FilePaths, ExistingDirectoriesAndFiles) {
    TTempFolder temp;
    std::string dir = temp.Path().substr(0, temp.Path().size() - 1);
    temp.Write("file", "x");
    temp.Link(dir + "/file", "link-to-file");
    temp.Link(dir + "/gone", "broken");
    mkfifo((dir + "/pipe").c_str(), 0644);
    EXPECT_TRUE(IsExistingDirectory(dir));
    EXPECT_FALSE(IsExistingDirectory(dir + "/file"));
    EXPECT_FALSE(IsExistingDirectory(""));
    EXPECT_TRUE(IsExistingFile(dir + "/file"));
    EXPECT_TRUE(IsExistingFile(dir + "/link-to-file"));
    EXPECT_FALSE(IsExistingFile(dir + "/broken"));
    EXPECT_FALSE(IsExistingFile(dir + "/pipe")) << "a FIFO is never a file to open";
    EXPECT_FALSE(IsExistingFile(dir));
    EXPECT_FALSE(IsExistingFile("/dev/null"));
}

TEST(FilePaths, JoinNormalizeAndDepth) {
    EXPECT_EQ(JoinPath("/a", "b"), "/a/b");
    EXPECT_EQ(JoinPath("/a/", "b"), "/a/b");
    EXPECT_EQ(JoinPath("/", "b"), "/b");
    EXPECT_EQ(NormalizePath("/a//b/./c/../d/"), "/a/b/d");
    EXPECT_EQ(NormalizePath("/../.."), "/");
    EXPECT_EQ(NormalizePath("x/../y", "/base"), "/base/y");
    EXPECT_EQ(PathDepth("/a/b/c"), 3);
    EXPECT_EQ(PathDepth("/"), 1);
}

TEST(FilePaths, CutFirstFolderAndShortenToWidth) {
    struct Case {
        const char* Before;
        const char* After;
    };
    const Case cuts[] = {
        {"/", ""}, {"/a/b/", "/.../b/"}, {"/.../b/", "/.../"}, {".../", ""}, {"a", ""}, {"/a", "/"},
    };
    for (const Case& c : cuts) {
        std::string path = c.Before;
        CutFirstFolder(path);
        EXPECT_EQ(path, c.After) << c.Before;
    }

    // One pixel per byte: each width shows one stage.
    auto width = [](std::string_view s) { return static_cast<int>(s.size()); };
    const std::string path = "/first/second/name.avi";
    struct Stage {
        int Width;
        const char* Text;
    };
    const Stage stages[] = {
        {100, "/first/second/name.avi"},
        {21, "/.../second/name.avi"},
        {15, "/.../name.avi"},
        {12, ".../name.avi"},
        {11, "name.avi"},
        {1, "name.avi"},
    };
    for (const Stage& s : stages)
        EXPECT_EQ(ShortenPathToWidth(path, width, s.Width), s.Text) << s.Width;
}

TEST(FilePaths, SplitEditPathNeverChangesTheCurrentDirectory) {
    TTempFolder temp;
    std::string dir = temp.Path().substr(0, temp.Path().size() - 1);
    mkdir((dir + "/sub").c_str(), 0755);
    temp.Write("sub/clip.avi", "x");
    const std::string before = CurrentDirectory();
    struct Case {
        std::string Text;
        std::string Dir;
        std::string File;
    };
    const Case cases[] = {
        {"*.txt", dir, "*.txt"},                    // a bare mask: the folder stays
        {"sub", dir + "/sub", ""},                  // an existing folder is entered
        {"[sub]", dir + "/sub", ""},                // the file list's folder entry
        {"sub/clip.avi", dir + "/sub", "clip.avi"}, // a file
        {"sub/*.avi", dir + "/sub", "*.avi"},       // a folder and a mask
        {"missing.avi", dir, "missing.avi"},        // a name of nothing stays a file part
        {"/", "/", ""},                             // the root
        {"../", NormalizePath(dir + "/.."), ""},    // up
        {dir + "/sub/", dir + "/sub", ""},          // absolute, with its slash
    };
    for (const Case& c : cases) {
        TEditPath split = SplitEditPath(c.Text, dir);
        EXPECT_EQ(split.DirPart, c.Dir) << c.Text;
        EXPECT_EQ(split.FilePart, c.File) << c.Text;
    }
    EXPECT_EQ(CurrentDirectory(), before);
}
