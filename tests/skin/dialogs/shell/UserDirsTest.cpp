#include "skin/dialogs/shell/UserDirs.h"

#include "tests/support/TTempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(UserDirs, ParsesHomeRelativeAndAbsoluteEntries) {
    const char* text = "# written by the desktop\n"
                       "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                       "XDG_DOWNLOAD_DIR=\"$HOME/下载\"\n"
                       "XDG_MUSIC_DIR=\"/srv/music/\"\n"
                       "XDG_TEMPLATES_DIR=\"$HOME/\"\n"  // home itself: switched off
                       "XDG_PUBLICSHARE_DIR=\"$HOME\"\n" // likewise
                       "XDG_VIDEOS_DIR=\"$HOME/My \\\"Films\\\"\"\n"
                       "XDG_PICTURES_DIR=relative/not/allowed\n"
                       "XDG_DOCUMENTS_DIR=\"Documents\"\n"
                       "NOT_A_DIR=\"$HOME/x\"\n";
    std::vector<TUserDir> dirs = ParseUserDirs(text, "/home/me");
    ASSERT_EQ(dirs.size(), 4u);
    EXPECT_EQ(dirs[0].Key, "DESKTOP");
    EXPECT_EQ(dirs[0].Path, "/home/me/Desktop");
    EXPECT_EQ(dirs[1].Path, "/home/me/下载");
    EXPECT_EQ(dirs[2].Key, "MUSIC");
    EXPECT_EQ(dirs[2].Path, "/srv/music");
    EXPECT_EQ(dirs[3].Path, "/home/me/My \"Films\"");
}

TEST(UserDirs, OnlyExistingFoldersAndTheDesktopFallbackWithoutAFile) {
    TTempFolder home;
    std::string h = home.Path().substr(0, home.Path().size() - 1);
    mkdir((h + "/config").c_str(), 0755);
    mkdir((h + "/Desk").c_str(), 0755);
    mkdir((h + "/Desktop").c_str(), 0755);
    home.Write("config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/Desk\"\nXDG_VIDEOS_DIR=\"$HOME/Missing\"\n");

    std::vector<TUserDir> dirs = ReadUserDirs(h + "/config", h);
    ASSERT_EQ(dirs.size(), 1u) << "the missing folder is left out";
    EXPECT_EQ(dirs[0].Path, h + "/Desk");

    dirs = ReadUserDirs(h + "/no-config", h);
    ASSERT_EQ(dirs.size(), 1u);
    EXPECT_EQ(dirs[0].Key, "DESKTOP");
    EXPECT_EQ(dirs[0].Path, h + "/Desktop");

    rmdir((h + "/Desktop").c_str());
    EXPECT_TRUE(ReadUserDirs(h + "/no-config", h).empty());
}
