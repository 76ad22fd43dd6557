#include "SkinStreams.h"

#include "SkinFixtures.h"
#include "platform/base/MemoryStream.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TBitmap.h"
#include "skin/engine/ZlibStream.h"

#include <zlib.h>

#include <stdexcept>

std::string Int(int32_t v) {
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i)
        s[size_t(i)] = char(uint32_t(v) >> (8 * i));
    return s;
}

std::string Bmp(int w, int h, uint32_t pixel) {
    TBitmap b(w, h);
    b.Fill(pixel);
    return EncodeBmp(b, 24);
}

std::string Pictures(const std::string& names) {
    return SkinText("", "count=0\r\n", "count=0\r\n", "borderwidth=0\r\n", names);
}

std::string GoodImage() {
    return Int(3) + '\0' + Bmp(4, 3) + '\1' + '\1' + Int(2) + Bmp(2, 2) + Bmp(1, 5) +
           Pictures("picture=f.bmp\r\nactivepicturescount=2\r\n0=a.bmp\r\n1=b.bmp\r\n");
}

// zlib at level 9 directly: the stream classes are tested on their own, and
// this builds the 64 MiB case quickly.
std::string Deflate(const std::string& raw) {
    uLongf size = compressBound(uLong(raw.size()));
    std::string out(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
                  uLong(raw.size()), 9) != Z_OK)
        throw std::runtime_error("compress2 failed");
    out.resize(size);
    return out;
}

std::string Head(int32_t version, const std::string& zlib) {
    return Int(version) + Int(int32_t(zlib.size())) + zlib;
}

std::string NamedSkinStream(const std::string& Name, int LayerPictureIndex) {
    const std::string text = "[VERSION]\r\nskinname=" + Name +
                             "\r\n[PICTURES]\r\nactivepicturescount=1\r\n0=a.bmp\r\n"
                             "[FORMINFO]\r\nborderwidth=2\r\n"
                             "[LAYERFRAME]\r\npictureindex=" +
                             std::to_string(LayerPictureIndex) +
                             "\r\n[SKINOBJECTS]\r\ncount=0\r\n"
                             "[SKINCONTROLS]\r\ncount=1\r\n0=BTN:button\r\n[BTN]\r\npictureindex=0\r\n";
    return Head(3, Deflate(Int(3) + '\1' + '\1' + '\1' + Int(1) + Bmp(3, 2) + text));
}

std::vector<MalformedSkinStream> MalformedSkinStreams() {
    const std::string good = GoodImage();
    const std::string zgood = Deflate(good);
    std::string corrupt = zgood;
    corrupt[corrupt.size() / 2] ^= 0x5A;
    corrupt[corrupt.size() / 2 + 1] ^= 0x5A;
    std::string badSize = Bmp(2, 2);
    badSize[2] = char(0x70); // a file length beyond the data
    badSize[3] = char(0x70);
    const std::string big = Bmp(8193, 1);
    const auto image = [](const std::string& pictures, int32_t count, const std::string& names) {
        return Int(3) + '\1' + '\1' + '\1' + Int(count) + pictures + Pictures(names);
    };
    return {
        {"no head", ""},
        {"head of 7 bytes", Int(3) + std::string(3, '\0')},
        {"version 0", Head(0, zgood)},
        {"version -1", Head(-1, zgood)},
        {"negative count", Int(3) + Int(-1) + zgood},
        {"count beyond the data", Int(3) + Int(int32_t(zgood.size() + 1)) + zgood},
        {"truncated zlib", Head(3, zgood.substr(0, zgood.size() - 6))},
        {"corrupt zlib", Head(3, corrupt)},
        {"no zlib at all", Head(3, "not compressed")},
        {"beyond 64 MiB", Head(3, Deflate(std::string((64 << 20) + 1, 'x')))},
        {"image version 0", Head(3, Deflate(Int(0) + good.substr(4)))},
        {"image cut in the flags", Head(3, Deflate(Int(3) + '\1'))},
        {"picture count beyond the data",
         Head(3, Deflate(image(Bmp(2, 2), 1000, "activepicturescount=1\r\n0=a.bmp\r\n")))},
        {"negative picture count", Head(3, Deflate(image("", -1, "activepicturescount=0\r\n")))},
        {"picture count and names disagree",
         Head(3, Deflate(image(Bmp(2, 2), 1, "activepicturescount=2\r\n0=a.bmp\r\n1=b.bmp\r\n")))},
        {"BMP size beyond the data",
         Head(3, Deflate(image(badSize, 1, "activepicturescount=1\r\n0=a.bmp\r\n")))},
        {"BMP too wide", Head(3, Deflate(image(big, 1, "activepicturescount=1\r\n0=a.bmp\r\n")))},
        {"not a BMP",
         Head(3, Deflate(image(std::string(40, 'Q'), 1, "activepicturescount=1\r\n0=a.bmp\r\n")))},
        {"picture name with a folder",
         Head(3, Deflate(image(Bmp(2, 2), 1, "activepicturescount=1\r\n0=x/a.bmp\r\n")))},
        {"picture name ..", Head(3, Deflate(image(Bmp(2, 2), 1, "activepicturescount=1\r\n0=..\r\n")))},
        {"frame picture name ../f.bmp",
         Head(3, Deflate(image("", 0, "picture=../f.bmp\r\nactivepicturescount=0\r\n")))},
        {"duplicate picture names",
         Head(3,
              Deflate(image(Bmp(2, 2) + Bmp(2, 2), 2, "activepicturescount=2\r\n0=a.bmp\r\n1=A.bmp\r\n")))},
        {"text that is no skin",
         Head(3, Deflate(Int(3) + '\1' + '\1' + '\1' + Int(0) + "[VERSION]\r\nx=1\r\n"))},
    };
}
