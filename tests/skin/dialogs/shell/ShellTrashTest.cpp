#include "skin/dialogs/shell/ShellTrash.h"

#include "skin/dialogs/filectrl/FilePaths.h"
#include "tests/support/TTempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Read(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(ShellTrash, EscapesAllButUnreservedCharactersAndSlashes) {
    struct TCase {
        const char* Path;
        const char* Escaped;
    };
    for (const TCase& c :
         {TCase{"/home/u/a.b~c_d-e", "/home/u/a.b~c_d-e"},
          TCase{"/home/u/my file%.txt", "/home/u/my%20file%25.txt"},
          TCase{"/home/u/视频", "/home/u/%E8%A7%86%E9%A2%91"}, TCase{"/x/\n\xff", "/x/%0A%FF"}})
        EXPECT_EQ(EscapeTrashPath(c.Path), c.Escaped);
}

TEST(ShellTrash, MovesIntoTheHomeTrashWithAnInfoFileAndFreeNames) {
    TTempFolder temp;
    const std::string data = temp.Path() + "data";
    const std::string first = temp.Write("clip one.avi", "1");
    TTrashResult a = MoveToTrash(first, data);
    ASSERT_TRUE(a.Ok) << a.Error;
    EXPECT_EQ(a.TrashedPath, data + "/Trash/files/clip one.avi");
    EXPECT_TRUE(IsExistingFile(a.TrashedPath));
    EXPECT_FALSE(IsExistingFile(first));
    const std::string info = Read(data + "/Trash/info/clip one.avi.trashinfo");
    EXPECT_EQ(info.rfind("[Trash Info]\nPath=" + EscapeTrashPath(first) + "\nDeletionDate=", 0), 0u) << info;
    EXPECT_EQ(info.size(),
              info.find("DeletionDate=") + std::string("DeletionDate=YYYY-MM-DDThh:mm:ss\n").size());

    // The same name again takes the next free one; a folder goes the same way.
    temp.Write("clip one.avi", "2");
    TTrashResult b = MoveToTrash(first, data);
    ASSERT_TRUE(b.Ok) << b.Error;
    EXPECT_EQ(b.TrashedPath, data + "/Trash/files/clip one.avi.2");
    EXPECT_EQ(b.InfoPath, data + "/Trash/info/clip one.avi.2.trashinfo");
    mkdir((temp.Path() + "dir").c_str(), 0755);
    temp.Write("dir/inside", "x");
    EXPECT_TRUE(MoveToTrash(temp.Path() + "dir", data).Ok);
    EXPECT_TRUE(IsExistingFile(data + "/Trash/files/dir/inside"));
}

TEST(ShellTrash, AnItemThatCannotGoLeavesEverythingAsItWas) {
    TTempFolder temp;
    const std::string data = temp.Path() + "data";
    EXPECT_FALSE(MoveToTrash(temp.Path() + "missing", data).Ok);
    EXPECT_FALSE(MoveToTrash("/", data).Ok);
    // A trash that is a file, not a folder: the item stays.
    mkdir(data.c_str(), 0755);
    temp.Write("data/Trash", "not a folder");
    const std::string file = temp.Write("keep.txt", "k");
    TTrashResult r = MoveToTrash(file, data);
    EXPECT_FALSE(r.Ok);
    EXPECT_FALSE(r.Error.empty());
    EXPECT_EQ(Read(file), "k");
}

TEST(ShellTrash, AnItemOnAnotherVolumeGoesToThatVolumesOwnTrash) {
    // A second writable volume: the shared-memory file system, when it is one.
    TTempFolder temp;
    struct stat home {
    }, shm{};
    if (stat(temp.Path().c_str(), &home) != 0 || stat("/dev/shm", &shm) != 0 || home.st_dev == shm.st_dev ||
        access("/dev/shm", W_OK) != 0)
        GTEST_SKIP() << "no second writable volume at /dev/shm";
    std::string folder = "/dev/shm/duva-test-XXXXXX";
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    const std::string trash = "/dev/shm/.Trash-" + std::to_string(getuid());
    const std::string name = folder.substr(std::string("/dev/shm/").size()) + "/clip.avi";
    std::ofstream(folder + "/clip.avi") << "c";

    TTrashResult r = MoveToTrash(folder + "/clip.avi", temp.Path() + "data");
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    ASSERT_TRUE(r.Ok) << r.Error;
    const std::string info = Read(r.InfoPath);
    const std::string trashed = Read(r.TrashedPath);
    unlink(r.TrashedPath.c_str());
    unlink(r.InfoPath.c_str());
    // Only empty trash folders go: another run may be using the same trash.
    for (const std::string& made : {trash + "/files", trash + "/info", trash})
        rmdir(made.c_str());

    EXPECT_EQ(r.TrashedPath, trash + "/files/clip.avi");
    EXPECT_EQ(trashed, "c");
    EXPECT_FALSE(IsExistingDirectory(temp.Path() + "data/Trash")) << "not the home trash";
    EXPECT_EQ(info.rfind("[Trash Info]\nPath=" + EscapeTrashPath(name) + "\nDeletionDate=", 0), 0u)
        << "a volume trash keeps the path below the volume's top: " << info;
}
