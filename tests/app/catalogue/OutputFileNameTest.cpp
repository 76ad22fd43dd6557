#include "app/catalogue/OutputFileName.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

TEST(OutputFileName, StemExtensionAndTheFirstFreeNumber) {
    struct {
        const char* input;
        const char* extension;
        bool rename;
        std::set<std::string> onDisk;
        std::vector<std::string> rows;
        const char* output;
    } cases[] = {
        {"/in/movie.avi", ".avi", true, {}, {}, "/out/movie.avi"},
        {"/in/movie.avi", ".avi", true, {"/out/movie.avi"}, {}, "/out/movie_1.avi"},
        {"/in/movie.avi", ".avi", true, {"/out/movie.avi", "/out/movie_1.avi"}, {}, "/out/movie_2.avi"},
        {"/in/movie.avi", ".avi", true, {"/out/movie.avi", "/out/movie_2.avi"}, {}, "/out/movie_1.avi"},
        {"/in/movie.avi", ".avi", false, {"/out/movie.avi"}, {}, "/out/movie.avi"}, // overwritten
        {"/in/a.b.mkv", ".mp4", true, {}, {}, "/out/a.b.mp4"},
        {"/in/clip", ".mp4", true, {}, {}, "/out/clip.mp4"},
        {"/in/.clip", ".mp4", true, {}, {}, "/out/.clip.mp4"},
        {"/in/v.1/clip", ".mp4", true, {}, {}, "/out/clip.mp4"},
        // Another row already holds the name, with nothing on disk yet.
        {"/in/movie.avi", ".avi", true, {}, {"/out/movie.avi"}, "/out/movie_1.avi"},
        {"/in/movie.avi", ".avi", false, {}, {"/out/movie.avi", "/out/movie_1.avi"}, "/out/movie_2.avi"},
        // The input itself is never the output, also when overwriting.
        {"/out/movie.avi", ".avi", false, {"/out/movie.avi"}, {}, "/out/movie_1.avi"},
        {"/out/./movie.avi", ".avi", true, {"/out/movie.avi"}, {}, "/out/movie_1.avi"},
        {"/out/movie.avi", ".avi", false, {"/out/movie.avi", "/out/movie_1.avi"}, {}, "/out/movie_2.avi"},
    };
    for (const auto& c : cases) {
        const TOutputNameRequest request{c.input, "/out", c.extension, c.rename};
        const auto exists = [&](const std::string& APath) { return c.onDisk.count(APath) == 1; };
        EXPECT_EQ(OutputFileName(request, exists, c.rows), c.output) << c.input << " rename " << c.rename;
    }
}

TEST(OutputFileName, FolderSpellingsAndNoFreeName) {
    const auto none = [](const std::string&) { return false; };
    EXPECT_EQ(OutputFileName({"/in/m.avi", "/out/", ".mp4", true}, none, {}), "/out/m.mp4");
    EXPECT_EQ(OutputFileName({"/in/m.avi", "", ".mp4", true}, none, {}), "m.mp4");
    const std::vector<std::string> rows = {"/out//m.mp4"};
    EXPECT_EQ(OutputFileName({"/in/m.avi", "/out", ".mp4", true}, none, rows), "/out/m_1.mp4");

    const auto all = [](const std::string&) { return true; };
    EXPECT_EQ(OutputFileName({"/in/m.avi", "/out", ".mp4", true}, all, {}), "");
}

TEST(OutputFileName, StemRules) {
    EXPECT_EQ(FileNameOfPath("/a/b.c/d.e"), "d.e");
    EXPECT_EQ(FileNameOfPath("d"), "d");
    EXPECT_EQ(FileStem("a.b.mkv"), "a.b");
    EXPECT_EQ(FileStem(".hidden"), ".hidden");
    EXPECT_EQ(FileStem(".hidden.mkv"), ".hidden");
    EXPECT_EQ(FileStem("trailing."), "trailing");
}
