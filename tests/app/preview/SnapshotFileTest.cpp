// Snapshot names, the exclusive write and the four picture formats.

#include "app/preview/SnapshotFile.h"
#include "platform/base/Exception.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TBitmap.h"
#include "tests/support/FixtureFrames.h"
#include "tests/support/TTempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

std::string Names(const std::string& AFolder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(AFolder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string text;
    for (const std::string& n : names)
        text += (text.empty() ? "" : " ") + n;
    return text;
}

std::string ReadText(const std::string& AName) {
    std::ifstream in(AName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(SnapshotFile, TheBaseNameIsTheFileNameWithoutFolderAndExtension) {
    EXPECT_EQ(SnapshotBaseName("/videos/clip.avi"), "clip");
    EXPECT_EQ(SnapshotBaseName("/a/b.c/movie.part1.mkv"), "movie.part1");
    EXPECT_EQ(SnapshotBaseName("/videos/noext"), "noext");
    EXPECT_EQ(SnapshotBaseName("/视频/我的 视频.mp4"), "我的 视频");
    EXPECT_EQ(SnapshotFileName("/shots", "clip", 12, ".png"), "/shots/clip_12.png");
    EXPECT_EQ(SnapshotFileName("/shots/", "clip", 1, ".bmp"), "/shots/clip_1.bmp");
}

TEST(SnapshotFile, NamesTakeTheFirstFreeNumberPerExtension) {
    struct Case {
        std::vector<std::string> Present;
        const char* Extension;
        const char* First;
        const char* Second;
    };
    const Case cases[] = {
        {{}, ".png", "clip_1.png", "clip_2.png"},
        {{"clip_1.png", "clip_3.png"}, ".png", "clip_2.png", "clip_4.png"},
        {{"clip_1.bmp", "clip_2.bmp"}, ".jpg", "clip_1.jpg", "clip_2.jpg"},
        {{"clip_1.gif", "other_2.gif", "clip_2.GIF"}, ".gif", "clip_2.gif", "clip_3.gif"},
    };
    for (const Case& c : cases) {
        TTempFolder folder;
        for (const std::string& name : c.Present)
            folder.Write(name, "present");
        EXPECT_EQ(WriteNewSnapshotFile(folder.Path(), "clip", c.Extension, "one"), folder.Path() + c.First);
        EXPECT_EQ(WriteNewSnapshotFile(folder.Path(), "clip", c.Extension, "two"), folder.Path() + c.Second);
        EXPECT_EQ(ReadText(folder.Path() + c.Second), "two");
        for (const std::string& name : c.Present)
            EXPECT_EQ(ReadText(folder.Path() + name), "present");
    }
    // Anything holding the name counts, a folder too.
    TTempFolder folder;
    fs::create_directory(folder.Path() + "clip_1.png");
    EXPECT_EQ(WriteNewSnapshotFile(folder.Path(), "clip", ".png", "x"), folder.Path() + "clip_2.png");
}

TEST(SnapshotFile, ANameTakenJustBeforeTheWriteIsSkippedAndKept) {
    TTempFolder folder;
    int calls = 0;
    const std::string name =
        WriteNewSnapshotFile(folder.Path(), "clip", ".png", "snapshot", [&](const std::string& n) {
            if (calls++ == 0) std::ofstream(n) << "another program's";
        });
    EXPECT_EQ(name, folder.Path() + "clip_2.png");
    EXPECT_EQ(ReadText(folder.Path() + "clip_1.png"), "another program's");
    EXPECT_EQ(ReadText(name), "snapshot");
    EXPECT_EQ(Names(folder.Path()), "clip_1.png clip_2.png");
}

TEST(SnapshotFile, AFailedWriteLeavesNoFileBehind) {
    TTempFolder folder;
    EXPECT_THROW(WriteNewSnapshotFile(folder.Path(), "clip", ".png", "data",
                                      [](const std::string&) { throw EWriteError("disk gone"); }),
                 EWriteError);
    EXPECT_EQ(Names(folder.Path()), "");
    EXPECT_THROW(WriteNewSnapshotFile(folder.Path() + "missing", "clip", ".png", "data"), EFCreateError);
    EXPECT_EQ(Names(folder.Path()), "");
}

// The fixture picture's bars over a smooth ramp: far more than 256 colours,
// so the GIF palette has to be chosen.
TBitmap TestFrame() {
    TBitmap frame;
    frame.SetPixelFormat(pf24bit);
    frame.SetSize(320, 240);
    for (int y = 0; y < 240; ++y) {
        uint32_t* row = frame.ScanLine(y);
        for (int x = 0; x < 320; ++x) {
            fixture::Rgb c = fixture::PixelAt(x, y, 320, 240, 5);
            if (y >= 120) c = {uint8_t(x * 255 / 319), uint8_t((y - 120) * 2), uint8_t(255 - x * 255 / 319)};
            row[x] = 0xFF000000u | uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
        }
    }
    return frame;
}

TEST(SnapshotFile, EveryTypeDecodesToTheFrameWithinItsFormatsLoss) {
    const TBitmap frame = TestFrame();
    struct Case {
        TSnapshotType Type;
        TImageFormat Format;
        double MeanError; // per channel, over the whole picture
        int MaxError;     // at any pixel away from an edge between colours (JPEG rings there)
    };
    for (const Case& c : {Case{TSnapshotType::BMP, ifBmp, 0, 0}, Case{TSnapshotType::PNG, ifPng, 0, 0},
                          Case{TSnapshotType::JPG, ifJpeg, 3, 16}, Case{TSnapshotType::GIF, ifGif, 5, 40}}) {
        const std::string data = EncodeSnapshot(frame, c.Type);
        ASSERT_EQ(DetectImageFormat(data), c.Format) << SnapshotTypeText(c.Type);
        TBitmap decoded;
        DecodeImage(data, decoded);
        ASSERT_EQ(decoded.Width(), 320);
        ASSERT_EQ(decoded.Height(), 240);
        double sum = 0;
        int worst = 0;
        for (int y = 0; y < 240; ++y)
            for (int x = 0; x < 320; ++x) {
                const uint32_t a = frame.ScanLine(y)[x], b = decoded.ScanLine(y)[x];
                const bool edge = std::abs(y - 120) < 8 || (y < 120 && fixture::ColumnOf(x + 8, 320, 8) !=
                                                                           fixture::ColumnOf(x - 8, 320, 8));
                for (int shift : {0, 8, 16}) {
                    const int d = std::abs(int(a >> shift & 0xFF) - int(b >> shift & 0xFF));
                    sum += d;
                    if (!edge) worst = std::max(worst, d);
                }
            }
        EXPECT_LE(sum / (320.0 * 240 * 3), c.MeanError) << SnapshotTypeText(c.Type);
        EXPECT_LE(worst, c.MaxError) << SnapshotTypeText(c.Type);
    }
}

} // namespace
