#include "skin/engine/TlxPngImageList.h"
#include "platform/base/MemoryStream.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TCanvas.h"
#include "platform/vcl/TClassRegistry.h"
#include "skin/engine/SkinEngineRegistration.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A PNG written chunk by chunk, so that the colour types the codec never
// writes (grey, palette) and their transparency chunks can be made.
std::string Chunk(const char* type, const std::string& body) {
    std::string out;
    auto be32 = [&out](uint32_t v) {
        for (int s = 24; s >= 0; s -= 8)
            out.push_back(char(v >> s));
    };
    be32(uint32_t(body.size()));
    std::string typed = std::string(type, 4) + body;
    out += typed;
    be32(uint32_t(crc32(0, reinterpret_cast<const Bytef*>(typed.data()), uInt(typed.size()))));
    return out;
}

// 8-bit samples, one row of `samples` bytes per pixel row (filter byte added here).
std::string Png(int w, int h, int colorType, const std::vector<std::string>& rows,
                const std::string& plte = {}, const std::string& trns = {}) {
    std::string ihdr;
    for (uint32_t v : {uint32_t(w), uint32_t(h)})
        for (int s = 24; s >= 0; s -= 8)
            ihdr.push_back(char(v >> s));
    ihdr += std::string{char(8), char(colorType), 0, 0, 0};
    std::string raw;
    for (const std::string& r : rows)
        raw += char(0) + r;
    uLongf size = compressBound(uLong(raw.size()));
    std::string z(size, '\0');
    compress(reinterpret_cast<Bytef*>(z.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
             uLong(raw.size()));
    z.resize(size);
    std::string png = "\x89PNG\r\n\x1a\n";
    png += Chunk("IHDR", ihdr);
    if (!plte.empty()) png += Chunk("PLTE", plte);
    if (!trns.empty()) png += Chunk("tRNS", trns);
    png += Chunk("IDAT", z) + Chunk("IEND", "");
    return png;
}

std::unique_ptr<TlxPngImage> Load(const std::string& data) {
    auto img = std::make_unique<TlxPngImage>();
    TStringStream s(data);
    img->LoadFromStream(s);
    return img;
}

// Draws item 0 of a list of the picture's size onto white; returns the pixels of row 0.
std::vector<uint32_t> DrawnRow(const std::string& png, bool enabled) {
    auto img = Load(png);
    TlxPngImageList list(nullptr);
    list.SetPngWidth(img->Width());
    list.SetPngHeight(img->Height());
    static_cast<TlxPngImageItem*>(list.PngImages()->Add())->SetPngImage(img.get());
    TBitmap target(img->Width(), 1);
    list.Draw(target.Canvas(), 0, 0, 0, enabled);
    return std::vector<uint32_t>(target.ScanLine(0), target.ScanLine(0) + img->Width());
}

} // namespace

TEST(TlxPngImageList, ItemsAreNamedAndCountedAndASizeChangeEmptiesTheList) {
    TlxPngImageList list(nullptr);
    for (int i = 0; i < 3; ++i)
        list.PngImages()->Add();
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.PngImages()->Items(2)->Name(), "PngImage2");
    EXPECT_EQ(list.PngImages()->Items(0)->DisplayName(), "PngImage0");
    list.PngImages()->Delete(1);
    EXPECT_EQ(list.Count(), 2);

    list.SetPngWidth(24);
    EXPECT_EQ(list.PngImages()->Count(), 0);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Width(), 24);

    // While read from a description the items stay, with placeholders of the new size.
    list.PngImages()->Add();
    list.BeginLoading();
    list.SetPngHeight(32);
    list.EndLoading();
    EXPECT_EQ(list.PngImages()->Count(), 1);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Image(0).Height(), 32);
}

TEST(TlxPngImageList, DisabledPicturesDrawAtAboutHalfOpacity) {
    // RGBA, opaque red: alpha nearest(255 / 256 * 128) = 128 over white.
    TBitmap red(1, 1);
    red.SetPixelFormat(pf32bit);
    red.ScanLine(0)[0] = 0xFFFF0000;
    const std::string rgba = EncodePng(red, true);
    EXPECT_EQ(DrawnRow(rgba, true), (std::vector<uint32_t>{0xFFFF0000}));
    EXPECT_EQ(DrawnRow(rgba, false), (std::vector<uint32_t>{0xFFFF7F7F}));

    // Palette: index 0 blue is the transparent colour, index 1 green gets alpha 127.
    const std::string palette =
        Png(2, 1, 3, {std::string{0, 1}}, std::string{0, 0, char(255), 0, char(255), 0}, std::string{0});
    EXPECT_EQ(Load(palette)->ColorType(), 3);
    EXPECT_EQ(Load(palette)->TransparencyMode(), ptmBit);
    EXPECT_EQ(DrawnRow(palette, true), (std::vector<uint32_t>{0xFFFFFFFF, 0xFF00FF00}));
    EXPECT_EQ(DrawnRow(palette, false), (std::vector<uint32_t>{0xFFFFFFFF, 0xFF80FF80}));

    // Grey: 0 is the transparent colour, 100 gets alpha 127.
    const std::string grey = Png(2, 1, 0, {std::string{0, 100}}, {}, std::string{0, 0});
    EXPECT_EQ(Load(grey)->ColorType(), 0);
    EXPECT_EQ(DrawnRow(grey, false), (std::vector<uint32_t>{0xFFFFFFFF, 0xFFB1B1B1}));

    // RGB with a transparent colour: the others get 128, as the alpha channel added.
    const std::string rgb = Png(2, 1, 2, {std::string{0, 0, char(255), char(255), 0, 0}}, {},
                                std::string{0, 0, 0, 0, 0, char(255)});
    EXPECT_EQ(Load(rgb)->TransparencyMode(), ptmBit);
    EXPECT_EQ(DrawnRow(rgb, false), (std::vector<uint32_t>{0xFFFFFFFF, 0xFFFF7F7F}));
}

TEST(TlxPngImageList, StoredInDescriptionsWithTheirOwnBytes) {
    RegisterSkinEngineClasses();
    const TClassInfo* info = ClassRegistry().Find("TlxPngImageList");
    ASSERT_NE(info, nullptr);
    EXPECT_NE(info->FindProperty("PngImages"), nullptr);
    EXPECT_NE(info->FindProperty("PngWidth"), nullptr);
    const TClassInfo* item = ClassRegistry().Find("TlxPngImageItem");
    ASSERT_NE(item, nullptr);
    const TPropInfo* data = item->FindProperty("PngImage");
    ASSERT_NE(data, nullptr);

    // The picture goes out as the bytes it came from and comes back as the same picture.
    const std::string palette =
        Png(2, 1, 3, {std::string{0, 1}}, std::string{0, 0, char(255), 0, char(255), 0}, std::string{0});
    TlxPngImageList list(nullptr);
    auto* first = static_cast<TlxPngImageItem*>(list.PngImages()->Add());
    first->SetPngImage(Load(palette).get());
    TDescValue stored = data->Get(ToVoid<TlxPngImageItem>(first));
    auto* second = static_cast<TlxPngImageItem*>(list.PngImages()->Add());
    data->Set(ToVoid<TlxPngImageItem>(second), stored);
    EXPECT_EQ(second->PngImage()->ColorType(), 3);
    EXPECT_EQ(second->PngImage()->ScanLine(0)[1], 0xFF00FF00u);
    EXPECT_EQ(std::string(stored.Bytes.begin(), stored.Bytes.end()), palette);
}
