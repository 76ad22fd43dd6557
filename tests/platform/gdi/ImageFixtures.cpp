#include "ImageFixtures.h"

#include <zlib.h>

namespace {
void U32(std::string& s, uint32_t v) {
    s.append(reinterpret_cast<const char*>(&v), 4);
}
void U16(std::string& s, uint16_t v) {
    s.append(reinterpret_cast<const char*>(&v), 2);
}
void BE32(std::string& s, uint32_t v) {
    for (int i = 3; i >= 0; --i)
        s += char((v >> (8 * i)) & 0xFF);
}
void Chunk(std::string& out, const char* type, const std::string& data) {
    BE32(out, uint32_t(data.size()));
    std::string body = std::string(type, 4) + data;
    out += body;
    BE32(out, uint32_t(crc32(0, reinterpret_cast<const Bytef*>(body.data()), uInt(body.size()))));
}
} // namespace

std::string MakeBmp(int bpp, bool topDown, int width, int height, const std::vector<uint32_t>& palette,
                    const std::function<uint32_t(int, int)>& value) {
    const uint32_t stride = ((uint32_t(width) * uint32_t(bpp) + 31) / 32) * 4;
    const uint32_t paletteBytes = uint32_t(palette.size()) * 4;
    const uint32_t off = 14 + 40 + paletteBytes;
    std::string s = "BM";
    U32(s, off + stride * uint32_t(height));
    U32(s, 0);
    U32(s, off);
    U32(s, 40);
    U32(s, uint32_t(width));
    U32(s, uint32_t(topDown ? -height : height));
    U16(s, 1);
    U16(s, uint16_t(bpp));
    U32(s, 0);
    U32(s, stride * uint32_t(height));
    U32(s, 0);
    U32(s, 0);
    U32(s, uint32_t(palette.size()));
    U32(s, 0);
    for (uint32_t c : palette)
        U32(s, c & 0xFFFFFF);
    for (int row = 0; row < height; ++row) {
        int y = topDown ? row : height - 1 - row;
        std::string line(stride, '\0');
        for (int x = 0; x < width; ++x) {
            uint32_t v = value(x, y);
            switch (bpp) {
            case 1:
                line[size_t(x / 8)] = char(line[size_t(x / 8)] | (v & 1) << (7 - x % 8));
                break;
            case 4:
                line[size_t(x / 2)] = char(line[size_t(x / 2)] | (v & 15) << (x % 2 ? 0 : 4));
                break;
            case 8:
                line[size_t(x)] = char(v);
                break;
            case 16:
                line[size_t(2 * x)] = char(v);
                line[size_t(2 * x + 1)] = char(v >> 8);
                break;
            case 24:
                for (int k = 0; k < 3; ++k)
                    line[size_t(3 * x + k)] = char(v >> (8 * k));
                break;
            case 32:
                for (int k = 0; k < 4; ++k)
                    line[size_t(4 * x + k)] = char(v >> (8 * k));
                break;
            }
        }
        s += line;
    }
    return s;
}

std::string MakePng(int width, int height, int bitDepth, int colorType, const std::vector<std::string>& rows,
                    const std::string& plte, const std::string& trns) {
    std::string out = "\x89PNG\r\n\x1a\n";
    std::string ihdr;
    BE32(ihdr, uint32_t(width));
    BE32(ihdr, uint32_t(height));
    ihdr += char(bitDepth);
    ihdr += char(colorType);
    ihdr += std::string(3, '\0');
    Chunk(out, "IHDR", ihdr);
    if (!plte.empty()) Chunk(out, "PLTE", plte);
    if (!trns.empty()) Chunk(out, "tRNS", trns);
    std::string raw;
    for (const std::string& r : rows)
        raw += '\0' + r; // filter type 0 on every row
    uLongf size = compressBound(uLong(raw.size()));
    std::string z(size, '\0');
    compress(reinterpret_cast<Bytef*>(z.data()), &size, reinterpret_cast<const Bytef*>(raw.data()),
             uLong(raw.size()));
    z.resize(size);
    Chunk(out, "IDAT", z);
    Chunk(out, "IEND", "");
    return out;
}
