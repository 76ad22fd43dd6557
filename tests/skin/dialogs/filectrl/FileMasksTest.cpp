#include "skin/dialogs/filectrl/FileMasks.h"

#include <gtest/gtest.h>

TEST(FileMasks, MatchesMaskTable) {
    struct Case {
        const char* Name;
        const char* Mask;
        bool Expected;
    };
    const Case cases[] = {
        {"movie.avi", "*.AVI", true},
        {"MOVIE.AVI", "*.avi", true},
        {"movie.avi.part", "*.avi", false},
        {"README", "*.*", true}, // "*.*" takes names without a dot
        {".hidden", "*.*", true},
        {"", "*", true},
        {"a.b", "?.?", true},
        {"ab.b", "?.?", false},
        {"clip1.mp4", "clip[0-9].mp4", true},
        {"clipX.mp4", "clip[0-9].mp4", false},
        {"clipX.mp4", "clip[!0-9].mp4", true},
        {"a[b", "a[b", true}, // an unclosed set is a plain "["
        {"song.flac", "*.fla", false},
        {"视频.MKV", "视频.mkv", true},
        {"Ärger.txt", "ä*.TXT", true},
        {"name", "", false},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*a*c", false}, // no blow-up
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchesMask(c.Name, c.Mask), c.Expected) << c.Name << " ~ " << c.Mask;
}

TEST(FileMasks, MaskListsSplitAtSemicolons) {
    EXPECT_TRUE(MatchesMaskList("a.mp4", "*.avi; *.MP4"));
    EXPECT_TRUE(MatchesMaskList("a.avi", "*.avi;*.mp4;"));
    EXPECT_FALSE(MatchesMaskList("a.mkv", "*.avi;*.mp4"));
    EXPECT_FALSE(MatchesMaskList("a.mkv", ""));
    EXPECT_FALSE(MatchesMaskList("a.mkv", ";;"));
}
