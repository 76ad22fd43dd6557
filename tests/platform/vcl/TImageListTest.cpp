#include "platform/vcl/TImageList.h"
#include "platform/base/MemoryStream.h"
#include "platform/gdi/ImageCodecs.h"
#include "tests/support/pictures/PixelArt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TBitmap Decoded(const std::string& data) {
    TMemoryStream stream;
    stream.WriteBuffer(data.data(), Int64(data.size()));
    stream.SetPosition(0);
    TBitmap b;
    b.LoadFromStream(stream);
    return b;
}

// Two 4 x 4 images side by side; 'm' is the key colour.
const TPixelLegend Colours = {{'.', 0xFFFFFF}, {'r', 0xFF0000}, {'b', 0x0000FF},
                              {'#', 0x000000}, {'m', 0xFF00FF}, {'g', 0x00FF00}};
const std::vector<std::string> Strip = {
    "rrmm#mm#",
    "rrmmm##m",
    "mmbbm##m",
    "mmbb#mm#",
};

// Draws images 0 and 1 side by side on a white 10 x 4 canvas, 1 pixel apart.
TBitmap DrawBoth(const TCustomImageList& list, bool enabled) {
    TBitmap target(9, 4);
    target.Fill(0xFFFFFFFF);
    list.Draw(target.Canvas(), 0, 0, 0, enabled);
    list.Draw(target.Canvas(), 5, 0, 1, enabled);
    return target;
}

const std::vector<std::string> NormalGolden = {
    "rr...#..#",
    "rr....##.",
    "..bb..##.",
    "..bb.#..#",
};

} // namespace

TEST(TImageList, BuiltFromAMaskedBmpOrAKeyColourDrawsTheSameGolden) {
    TBitmap strip = Decoded(EncodeBmp(FromPixelArt(Strip, Colours), 24));
    std::vector<std::string> maskArt;
    for (const std::string& row : Strip) {
        std::string m;
        for (char c : row)
            m += c == 'm' ? '.' : '#';
        maskArt.push_back(m);
    }
    TBitmap mask = Decoded(EncodeBmp(FromPixelArt(maskArt, Colours), 24));

    TImageList fromMask(nullptr);
    fromMask.SetWidth(4);
    fromMask.SetHeight(4);
    EXPECT_EQ(fromMask.Add(&strip, &mask), 0);
    EXPECT_EQ(fromMask.Count(), 2);
    EXPECT_EQ(PixelArt(DrawBoth(fromMask, true), Colours), NormalGolden);

    TImageList fromKey(nullptr);
    fromKey.SetWidth(4);
    fromKey.SetHeight(4);
    EXPECT_EQ(fromKey.AddMasked(&strip, TColor(0xFF00FF)), 0);
    EXPECT_EQ(PixelArt(DrawBoth(fromKey, true), Colours), NormalGolden);

    // A background colour fills the transparent pixels; a bad index draws nothing.
    fromKey.SetBkColor(clLime);
    TBitmap target = DrawBoth(fromKey, true);
    fromKey.Draw(target.Canvas(), 0, 0, 7);
    EXPECT_EQ(PixelArt(target, Colours), (std::vector<std::string>{
                                             "rrgg.#gg#",
                                             "rrgg.g##g",
                                             "ggbb.g##g",
                                             "ggbb.#gg#",
                                         }));
}

TEST(TImageList, DisabledImagesAreLightGraysOfTheirBrightness) {
    TBitmap strip = FromPixelArt(Strip, Colours);
    TImageList list(nullptr);
    list.SetWidth(4);
    list.SetHeight(4);
    list.AddMasked(&strip, clDefault); // bottom-left pixel: the key colour
    // Gray = 112 + luma / 2 with luma = (30 R + 59 G + 11 B) / 100.
    TPixelLegend grays = Colours;
    grays.push_back({'R', 0x969696}); // red: luma 76
    grays.push_back({'B', 0x7E7E7E}); // blue: luma 28
    grays.push_back({'K', 0x707070}); // black: luma 0
    EXPECT_EQ(PixelArt(DrawBoth(list, false), grays), (std::vector<std::string>{
                                                          "RR...K..K",
                                                          "RR....KK.",
                                                          "..BB..KK.",
                                                          "..BB.K..K",
                                                      }));
}

TEST(TImageList, PngAlphaIsBlendedOverTheCanvas) {
    TBitmap source(2, 2);
    source.SetPixelFormat(pf32bit);
    source.ScanLine(0)[0] = 0xFFFF0000; // opaque red
    source.ScanLine(0)[1] = 0x80FF0000; // half red
    source.ScanLine(1)[0] = 0x000000FF; // fully transparent blue
    source.ScanLine(1)[1] = 0xFF0000FF; // opaque blue
    TBitmap png = Decoded(EncodePng(source, true));

    TImageList list(nullptr);
    list.SetWidth(2);
    list.SetHeight(2);
    ASSERT_EQ(list.Add(&png, nullptr), 0);
    TBitmap target(2, 2);
    target.Fill(0xFFFFFFFF);
    list.Draw(target.Canvas(), 0, 0, 0);
    EXPECT_EQ(target.ScanLine(0)[0] & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(target.ScanLine(0)[1] & 0xFFFFFF, 0xFF7F7Fu);
    EXPECT_EQ(target.ScanLine(1)[0] & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(target.ScanLine(1)[1] & 0xFFFFFF, 0x0000FFu);
}
