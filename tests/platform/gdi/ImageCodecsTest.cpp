#include "platform/gdi/ImageCodecs.h"
#include "platform/base/Exception.h"
#include "platform/base/FileStream.h"
#include "platform/gdi/TBitmap.h"
#include "platform/gdi/TPicture.h"

#include "ImageFixtures.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <random>
#include <unistd.h>

namespace {

// A 5 x 3 picture with distinct colours.
uint32_t Colour(int x, int y) {
    return 0xFF000000u | uint32_t(x * 50) << 16 | uint32_t(y * 100) << 8 | uint32_t(x * 7 + y);
}

void ExpectPixels(const TBitmap& b, int w, int h, const std::function<uint32_t(int, int)>& expected,
                  const std::string& what) {
    ASSERT_EQ(b.Width(), w) << what;
    ASSERT_EQ(b.Height(), h) << what;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            ASSERT_EQ(b.ScanLine(y)[x], expected(x, y))
                << what << " at " << x << "," << y << std::hex << " got " << b.ScanLine(y)[x];
}

TBitmap Gradient(int w, int h) {
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.ScanLine(y)[x] = 0xFF000000u | uint32_t(x * 255 / w) << 16 | uint32_t(y * 255 / h) << 8 | 128;
    return b;
}

} // namespace

TEST(ImageCodecs, BmpOfEveryDepthBothRowOrders) {
    const std::vector<uint32_t> pal2{0x000000, 0xFFFFFF},
        pal16{0x000000, 0x102030, 0x405060, 0x708090, 0xA0B0C0},
        pal256{0x000000, 0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0x010203};
    struct Case {
        int bpp;
        std::vector<uint32_t> palette;
        std::function<uint32_t(int, int)> value, expected;
    } cases[] = {
        {1, pal2, [](int x, int y) { return uint32_t((x + y) & 1); },
         [](int x, int y) { return (x + y) & 1 ? 0xFFFFFFFFu : 0xFF000000u; }},
        {4, pal16, [](int x, int y) { return uint32_t((x + y) % 5); },
         [&](int x, int y) { return 0xFF000000u | pal16[size_t((x + y) % 5)]; }},
        {8, pal256, [](int x, int y) { return uint32_t((x * 3 + y) % 7); },
         [&](int x, int y) { return 0xFF000000u | pal256[size_t((x * 3 + y) % 7)]; }},
        {16,
         {},
         [](int x, int y) { return uint32_t(x << 10 | y << 5 | 31); },
         [](int x, int y) {
             auto s = [](uint32_t v) { return (v * 255 + 15) / 31; };
             return 0xFF000000u | s(uint32_t(x)) << 16 | s(uint32_t(y)) << 8 | 255;
         }},
        {24, {}, Colour, Colour},
        {32, {}, [](int x, int y) { return Colour(x, y) & 0x00FFFFFF; }, Colour}, // all-zero alpha: opaque
    };
    for (const Case& c : cases)
        for (bool topDown : {false, true}) {
            TBitmap b;
            DecodeBmp(MakeBmp(c.bpp, topDown, 5, 3, c.palette, c.value), b);
            ExpectPixels(b, 5, 3, c.expected, std::to_string(c.bpp) + (topDown ? " top-down" : " bottom-up"));
        }
    // A palette index past the palette reads black rather than past the table.
    TBitmap b;
    DecodeBmp(MakeBmp(8, false, 2, 1, {0xFFFFFF}, [](int x, int) { return uint32_t(x * 200); }), b);
    EXPECT_EQ(b.ScanLine(0)[1], 0xFF000000u);
}

TEST(ImageCodecs, BmpRoundTripsAt24And32Bits) {
    TBitmap src(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            src.ScanLine(y)[x] = (uint32_t(x * 60) << 24) | (Colour(x, y) & 0xFFFFFF);
    TBitmap b24, b32;
    DecodeBmp(EncodeBmp(src, 24), b24);
    DecodeBmp(EncodeBmp(src, 32), b32);
    ExpectPixels(b24, 5, 3, Colour, "24");
    ExpectPixels(
        b32, 5, 3, [&](int x, int y) { return src.ScanLine(y)[x]; }, "32 keeps alpha");
    EXPECT_EQ(b32.AlphaFormat(), afDefined);
}

TEST(ImageCodecs, PngOfEveryColourType) {
    auto gray = [](int x, int y) { return uint32_t(x * 40 + y * 10); };
    std::vector<std::string> g8, g1, rgb, rgb16, pal, ga, rgba;
    for (int y = 0; y < 3; ++y) {
        std::string a, b, c, d, e, f, h;
        for (int x = 0; x < 5; ++x) {
            uint32_t col = Colour(x, y);
            a += char(gray(x, y));
            c += {char(col >> 16), char(col >> 8), char(col)};
            d += {char(col >> 16), char(col >> 16), char(col >> 8), char(col >> 8), char(col), char(col)};
            e += char((x + y) % 3);
            f += {char(gray(x, y)), char(x * 60)};
            h += {char(col >> 16), char(col >> 8), char(col), char(y * 100)};
        }
        b += char(y == 1 ? 0xA8 : 0x50); // 1-bit: 10101 or 01010 (then padding)
        g8.push_back(a);
        g1.push_back(b);
        rgb.push_back(c);
        rgb16.push_back(d);
        pal.push_back(e);
        ga.push_back(f);
        rgba.push_back(h);
    }
    auto grayPx = [&](int x, int y) { return 0xFF000000u | gray(x, y) * 0x010101u; };
    const std::string plte("\xFF\x00\x00\x00\xFF\x00\x00\x00\xFF", 9);
    struct Case {
        const char* name;
        std::string file;
        std::function<uint32_t(int, int)> expected;
        bool alpha;
    } cases[] = {
        {"gray 8", MakePng(5, 3, 8, 0, g8), grayPx, false},
        {"gray 1", MakePng(5, 3, 1, 0, g1),
         [](int x, int y) { return ((y == 1) == (x % 2 == 0)) ? 0xFFFFFFFFu : 0xFF000000u; }, false},
        {"gray with a transparent value", MakePng(5, 3, 8, 0, g8, "", std::string("\x00\x32", 2)),
         [&](int x, int y) { return gray(x, y) == 0x32 ? (grayPx(x, y) & 0xFFFFFF) : grayPx(x, y); }, true},
        {"rgb 8", MakePng(5, 3, 8, 2, rgb), Colour, false},
        {"rgb 16", MakePng(5, 3, 16, 2, rgb16), Colour, false},
        {"rgb with a transparent colour",
         MakePng(5, 3, 8, 2, rgb, "", std::string("\x00\x32\x00\x64\x00\x08", 6)), // Colour(1, 1)
         [](int x, int y) { return x == 1 && y == 1 ? Colour(1, 1) & 0xFFFFFF : Colour(x, y); }, true},
        {"palette with alpha", MakePng(5, 3, 8, 3, pal, plte, std::string("\xFF\x80", 2)),
         [](int x, int y) {
             const uint32_t c[] = {0xFFFF0000u, 0x8000FF00u, 0xFF0000FFu};
             return c[(x + y) % 3];
         },
         true},
        {"gray alpha", MakePng(5, 3, 8, 4, ga),
         [&](int x, int y) { return (uint32_t(x * 60) << 24) | (grayPx(x, y) & 0xFFFFFF); }, true},
        {"rgba", MakePng(5, 3, 8, 6, rgba),
         [](int x, int y) { return (uint32_t(y * 100) << 24) | (Colour(x, y) & 0xFFFFFF); }, true},
    };
    for (const Case& c : cases) {
        TBitmap b;
        DecodePng(c.file, b);
        ExpectPixels(b, 5, 3, c.expected, c.name);
        EXPECT_EQ(b.AlphaFormat() == afDefined, c.alpha) << c.name;
        EXPECT_EQ(b.PixelFormat(), c.alpha ? pf32bit : pf24bit) << c.name;
    }
}

TEST(ImageCodecs, PngJpegAndGifRoundTrips) {
    TBitmap src = Gradient(40, 30);
    src.SetPixelFormat(pf32bit);
    src.ScanLine(3)[4] = 0x40123456;
    TBitmap png;
    DecodePng(EncodePng(src, true), png);
    ExpectPixels(
        png, 40, 30, [&](int x, int y) { return src.ScanLine(y)[x]; }, "png rgba");
    DecodePng(EncodePng(src, false), png);
    ExpectPixels(
        png, 40, 30, [&](int x, int y) { return src.ScanLine(y)[x] | 0xFF000000u; }, "png rgb");

    TBitmap smooth = Gradient(64, 48), jpeg;
    std::string hi = EncodeJpeg(smooth, 95), lo = EncodeJpeg(smooth, 10);
    EXPECT_LT(lo.size(), hi.size());
    DecodeJpeg(hi, jpeg);
    ASSERT_EQ(jpeg.Width(), 64);
    int worst = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            for (int k = 0; k < 24; k += 8)
                worst = std::max(worst, std::abs(int((jpeg.ScanLine(y)[x] >> k) & 0xFF) -
                                                 int((smooth.ScanLine(y)[x] >> k) & 0xFF)));
    EXPECT_LE(worst, 8);
    EXPECT_EQ(jpeg.ScanLine(0)[0] >> 24, 0xFFu);

    // At most 256 colours survive exactly; a transparent pixel becomes the transparent index.
    TBitmap few(16, 16);
    few.SetPixelFormat(pf32bit);
    few.SetAlphaFormat(afDefined);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            few.ScanLine(y)[x] = 0xFF000000u | uint32_t(x * 16) << 16 | uint32_t(y * 16);
    few.ScanLine(0)[0] = 0x00000000;
    TBitmap gif;
    DecodeGif(EncodeGif(few), gif);
    ExpectPixels(
        gif, 16, 16, [&](int x, int y) { return few.ScanLine(y)[x]; }, "gif");
    // More colours than a palette holds: reduced, same size, close.
    DecodeGif(EncodeGif(smooth), gif);
    EXPECT_EQ(gif.Width(), 64);
    EXPECT_EQ(gif.AlphaFormat(), afIgnored);
}

TEST(ImageCodecs, TruncatedAndCorruptFilesRaiseInvalidGraphic) {
    TBitmap src = Gradient(24, 20);
    const std::string files[] = {
        EncodeBmp(src, 24), EncodePng(src, false), EncodeJpeg(src, 80), EncodeGif(src),
        MakeBmp(4, false, 7, 5, {0, 0xFFFFFF}, [](int x, int) { return uint32_t(x & 1); })};
    for (const std::string& f : files) {
        TImageFormat kind = DetectImageFormat(f);
        ASSERT_NE(kind, ifUnknown);
        for (size_t cut : {size_t(0), size_t(1), size_t(10), size_t(30), f.size() / 2, f.size() * 3 / 4}) {
            TBitmap b;
            EXPECT_THROW(DecodeImage(f.substr(0, cut), b), EInvalidGraphic) << int(kind) << " cut at " << cut;
        }
        std::mt19937 rng(7);
        for (int round = 0; round < 60; ++round) {
            std::string bad = f;
            for (int k = 0; k < 4; ++k)
                bad[rng() % bad.size()] = char(rng());
            TBitmap b;
            try {
                DecodeImage(bad, b); // may still be a picture; must not crash or read outside
            } catch (const EInvalidGraphic&) {
            }
        }
    }
    // A BMP header claiming a huge picture is refused before allocating it.
    std::string huge = files[0];
    uint32_t big = 0x7FFFFFFF;
    std::memcpy(huge.data() + 18, &big, 4);
    TBitmap b;
    EXPECT_THROW(DecodeBmp(huge, b), EInvalidGraphic);
    EXPECT_THROW(DecodeImage("not a picture at all", b), EInvalidGraphic);
}

TEST(TPicture, LoadsBySignatureAndKeepsTheOldPictureOnFailure) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("duva-picture-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string misnamed = (dir / "really-a-png.bmp").string(), junk = (dir / "junk.png").string();
    WriteFileAtomic(misnamed, EncodePng(Gradient(6, 4), false));
    WriteFileAtomic(junk, "garbage");

    TPicture p;
    int changes = 0;
    p.OnChange = [&](TObject*) { ++changes; };
    p.LoadFromFile(misnamed);
    ASSERT_NE(dynamic_cast<TPngImage*>(p.Graphic()), nullptr);
    EXPECT_EQ(p.Width(), 6);
    EXPECT_THROW(p.LoadFromFile(junk), EInvalidGraphic);
    EXPECT_THROW(p.LoadFromFile((dir / "missing.png").string()), EFOpenError);
    EXPECT_EQ(p.Height(), 4); // still the old picture
    EXPECT_EQ(changes, 1);

    const std::string jpg = (dir / "copy.jpg").string();
    auto j = std::make_unique<TJPEGImage>();
    j->Assign(*p.Bitmap());
    j->SetCompressionQuality(50);
    p.SetGraphic(std::move(j));
    p.SaveToFile(jpg);
    TPicture q;
    q.LoadFromFile(jpg);
    EXPECT_NE(dynamic_cast<TJPEGImage*>(q.Graphic()), nullptr);
    TPicture r;
    r.Assign(q);
    EXPECT_EQ(r.Width(), 6);
    fs::remove_all(dir);
}

namespace {

void BigEndian16(std::string& s, size_t at, int v) {
    s[at] = char(v >> 8);
    s[at + 1] = char(v);
}

// A real JPEG with its frame header changed: another size, and optionally
// marked progressive (the scans stay baseline; the size is refused first).
std::string JpegClaiming(int width, int height, bool progressive) {
    std::string f = EncodeJpeg(Gradient(16, 16), 80);
    const size_t sof = f.find("\xFF\xC0");
    if (progressive) f[sof + 1] = '\xC2';
    BigEndian16(f, sof + 5, height);
    BigEndian16(f, sof + 7, width);
    return f;
}

// A GIF with one frame of a single pixel on a logical screen of the given size.
std::string OnePixelGif(int screenWidth, int screenHeight) {
    std::string f = "GIF89a";
    f += {
        char(screenWidth), char(screenWidth >> 8), char(screenHeight), char(screenHeight >> 8), '\x80', 0, 0};
    f += std::string("\x00\x00\x00\xFF\xFF\xFF", 6);
    f += std::string("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);
    f += std::string("\x02\x02\x44\x01\x00\x3B", 6);
    return f;
}

} // namespace

// Headers that announce more than the program would hold, or more than the
// data after them could fill, are refused from the header alone.
TEST(ImageCodecs, HostileHeadersAreRefusedBeforeDecoding) {
    struct Case {
        const char* name;
        std::string data;
        const char* message;
    };
    const Case cases[] = {
        {"PNG of 16384 x 16384", MakePng(16384, 16384, 8, 6, {}), "Invalid PNG image: bad size"},
        {"PNG of 8192 x 8192 in a few bytes", MakePng(8192, 8192, 8, 6, {}),
         "Invalid PNG image: size larger than its data"},
        {"PNG of 1-bit rows in a few bytes", MakePng(8192, 4096, 1, 0, {}),
         "Invalid PNG image: size larger than its data"},
        {"GIF screen of 16384 x 16384", OnePixelGif(16384, 16384), "Invalid GIF image: bad size"},
        {"GIF screen of 4096 x 4096", OnePixelGif(4096, 4096),
         "Invalid GIF image: size larger than its data"},
        {"progressive JPEG of 60000 x 60000", JpegClaiming(60000, 60000, true),
         "Invalid JPEG image: bad size"},
        {"progressive JPEG of 8000 x 8000", JpegClaiming(8000, 8000, true),
         "Invalid JPEG image: size larger than its data"},
        {"baseline JPEG of 4000 x 3000", JpegClaiming(4000, 3000, false),
         "Invalid JPEG image: size larger than its data"},
    };
    for (const Case& c : cases) {
        TBitmap b;
        try {
            DecodeImage(c.data, b);
            ADD_FAILURE() << c.name << " decoded as " << b.Width() << " x " << b.Height();
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message(), c.message) << c.name << " (" << c.data.size() << " bytes)";
        }
        EXPECT_TRUE(b.Empty()) << c.name;
    }
}

// The limits leave real pictures alone: the most compressible rows there are,
// and a small frame on a larger screen.
TEST(ImageCodecs, HighlyCompressedPicturesStillDecode) {
    const std::string zeroRow(2048 * 4, '\0');
    TBitmap b;
    DecodePng(MakePng(2048, 512, 8, 6, std::vector<std::string>(512, zeroRow)), b);
    EXPECT_EQ(b.Width(), 2048);
    EXPECT_EQ(b.ScanLine(511)[2047], 0u);

    DecodeGif(OnePixelGif(20, 20), b);
    ASSERT_EQ(b.Width(), 20);
    EXPECT_EQ(b.ScanLine(0)[0], 0xFF000000u);
    EXPECT_EQ(b.ScanLine(19)[19], 0xFF000000u); // background, index 0

    TBitmap black(1024, 1024);
    black.Fill(0xFF000000u);
    DecodeJpeg(EncodeJpeg(black, 75), b);
    EXPECT_EQ(b.Width(), 1024);
}

// Scan data cut short is damage, also when a marker follows the cut.
TEST(ImageCodecs, JpegWithItsScanCutShortIsDamaged) {
    const std::string whole = EncodeJpeg(Gradient(64, 48), 90);
    const size_t scan = whole.find("\xFF\xDA");
    ASSERT_NE(scan, std::string::npos);
    const std::string cut = whole.substr(0, scan + (whole.size() - scan) / 2);
    for (const std::string& f : {cut, cut + "\xFF\xD9"}) {
        TBitmap b;
        EXPECT_THROW(DecodeJpeg(f, b), EInvalidGraphic) << f.size() << " bytes";
    }
}
