#include "SkinFixtures.h"
#include "SkinImagePixels.h"
#include "platform/gdi/ImageCodecs.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace skinimg;

namespace {

// A 12 x 10 button at (1, 1) of a cell picture, borders 3, 2, 3, 2, the
// corner points on the client corners, everything tiled; the same with a
// mask whose top-left pixel is outside the region; a description without
// corner points.
const std::string kControls = "count=3\r\n0=btn:button\r\n1=masked:button\r\n2=plain:stdlabel\r\n";
const std::string kGeometry =
    "pictureindex=0\r\nskinrect=1,1,13,11\r\nlefttoppoint=3,2\r\nrighttoppoint=9,2\r\n"
    "leftbottompoint=3,8\r\nrightbottompoint=9,8\r\nclientrect=3,2,9,8\r\n";
const std::string kSections = "[btn]\r\n" + kGeometry + "[masked]\r\n" + kGeometry +
                              "maskpictureindex=1\r\n" + "[plain]\r\npictureindex=0\r\nskinrect=1,1,5,3\r\n";

void WriteSkin(const TempFolder& folder) {
    WriteTextFile(folder.File("skin.ini"),
                  SkinText(kSections, "count=0\r\n", kControls, "borderwidth=0\r\n",
                           "activepicturescount=2\r\n0=cells.bmp\r\n1=mask.bmp\r\n"));
    WriteTextFile(folder.File("cells.bmp"), EncodeBmp(CellBitmap(14, 12), 24));
    TBitmap mask(12, 10);
    mask.Fill(0xFF000000);
    mask.ScanLine(0)[0] = 0xFFFFFFFF;
    WriteTextFile(folder.File("mask.bmp"), EncodeBmp(mask, 24));
}

TBitmap ReadPng(const std::string& path) {
    TBitmap b;
    DecodePng(ReadTextFile(path), b);
    return b;
}

// Source offset along one axis of a part grown from 3 | 6 | 3 (or 2 | 6 | 2) by tiling.
int Tiled(int d, int first, int middle, int grownMiddle) {
    if (d < first) return d;
    if (d < first + grownMiddle) return first + (d - first) % middle;
    return first + middle + (d - first - grownMiddle);
}

} // namespace

TEST(SkinToolRender, DrawsADescriptionAtASizeFromAFolderOrACompressedSkin) {
    TempFolder folder;
    WriteSkin(folder);
    const std::string out = folder.File("btn.png");
    SkintoolRun run = RunSkintool("render " + folder.Path() + " btn 17x13 " + out);
    ASSERT_EQ(run.Status, 0) << run.Output;
    TBitmap image = ReadPng(out);
    ASSERT_EQ(image.Width(), 17);
    ASSERT_EQ(image.Height(), 13);
    EXPECT_EQ(FirstMismatch(image,
                            [](int x, int y) { return Cell(1 + Tiled(x, 3, 6, 11), 1 + Tiled(y, 2, 6, 9)); }),
              "");

    // The same skin compressed draws the same image.
    ASSERT_EQ(RunSkintool("pack " + folder.Path() + " " + folder.File("skin.skn")).Status, 0);
    run = RunSkintool("render " + folder.File("skin.skn") + " btn 17x13 " + folder.File("packed.png"));
    ASSERT_EQ(run.Status, 0) << run.Output;
    EXPECT_EQ(ReadTextFile(folder.File("packed.png")), ReadTextFile(out));

    // Without corner points the skin rectangle is stretched.
    run = RunSkintool("render " + folder.File("skin.ini") + " plain 8x4 " + folder.File("plain.png"));
    ASSERT_EQ(run.Status, 0) << run.Output;
    TBitmap plain = ReadPng(folder.File("plain.png"));
    EXPECT_EQ(FirstMismatch(plain, [](int x, int y) { return Cell(1 + Near(x, 4, 8), 1 + Near(y, 2, 4)); }),
              "");
}

TEST(SkinToolRender, MaskMakesThePixelsOutsideTheRegionTransparent) {
    TempFolder folder;
    WriteSkin(folder);
    SkintoolRun run = RunSkintool("render " + folder.Path() + " masked 17x13 " + folder.File("m.png"));
    ASSERT_EQ(run.Status, 0) << run.Output;
    TBitmap image = ReadPng(folder.File("m.png"));
    ASSERT_TRUE(image.HasAlpha());
    EXPECT_EQ(FirstMismatch(image,
                            [](int x, int y) {
                                const uint32_t c = Cell(1 + Tiled(x, 3, 6, 11), 1 + Tiled(y, 2, 6, 9));
                                return x == 0 && y == 0 ? c & 0x00FFFFFFu : c;
                            }),
              "");
}

TEST(SkinToolRender, RefusesBadRequestsWithAMessage) {
    TempFolder folder;
    WriteSkin(folder);
    TempFolder other;
    WriteTextFile(other.File("nopic.ini"), SkinText("[b]\r\npictureindex=5\r\nskinrect=0,0,4,4\r\n",
                                                    "count=0\r\n", "count=1\r\n0=b:button\r\n"));
    const std::string out = folder.File("x.png");
    struct Case {
        std::string arguments;
        int status;
        const char* message;
    } cases[] = {
        {"render " + folder.Path() + " nosuch 10x10 " + out, 1, "no control description named \"nosuch\""},
        {"render " + folder.Path() + " btn 0x10 " + out, 1, "outside"},
        {"render " + folder.Path() + " btn 10by10 " + out, 1, "is not WIDTHxHEIGHT"},
        {"render " + folder.Path() + " btn 99999x10 " + out, 1, "outside"},
        {"render " + other.File("nopic.ini") + " b 10x10 " + out, 1, "names no picture"},
        {"render " + folder.Path() + " btn 10x10", 2, "usage"},
    };
    for (const Case& c : cases) {
        SkintoolRun run = RunSkintool(c.arguments);
        EXPECT_EQ(run.Status, c.status) << c.arguments;
        EXPECT_NE(run.Output.find(c.message), std::string::npos) << run.Output;
    }
    EXPECT_FALSE(std::filesystem::exists(out));
}
