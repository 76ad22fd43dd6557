#include "platform/base/Exception.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TBitmap.h"

#include <cstring>
#include <vector>

namespace {

[[noreturn]] void Bad(const char* why) {
    throw EInvalidGraphic(std::string("Invalid bitmap: ") + why);
}

struct Reader {
    std::string_view d;
    uint32_t U32(size_t at) const {
        if (at + 4 > d.size()) Bad("truncated header");
        uint32_t v;
        std::memcpy(&v, d.data() + at, 4);
        return v;
    }
    uint16_t U16(size_t at) const {
        if (at + 2 > d.size()) Bad("truncated header");
        uint16_t v;
        std::memcpy(&v, d.data() + at, 2);
        return v;
    }
};

// Position and width of a channel mask, scaled to 8 bits on extraction.
struct Mask {
    uint32_t m = 0;
    int shift = 0;
    int bits = 0;
    explicit Mask(uint32_t mask) : m(mask) {
        if (!m) return;
        while (!((m >> shift) & 1))
            ++shift;
        while (shift + bits < 32 && ((m >> (shift + bits)) & 1))
            ++bits;
    }
    uint32_t Get(uint32_t v) const {
        if (!m) return 0;
        uint32_t x = (v & m) >> shift;
        if (bits >= 8) return x >> (bits - 8);
        uint32_t max = (1u << bits) - 1;
        return (x * 255 + max / 2) / max;
    }
};

void Put32(std::string& s, uint32_t v) {
    s.append(reinterpret_cast<const char*>(&v), 4);
}
void Put16(std::string& s, uint16_t v) {
    s.append(reinterpret_cast<const char*>(&v), 2);
}

} // namespace

void DecodeBmp(std::string_view data, TBitmap& out) {
    Reader r{data};
    if (data.size() < 14 + 12 || data.substr(0, 2) != "BM") Bad("no bitmap signature");
    const uint32_t offBits = r.U32(10);
    const uint32_t hdr = r.U32(14);
    int64_t width, height;
    int bpp;
    uint32_t compression = 0, clrUsed = 0;
    size_t paletteAt, paletteEntry;
    uint32_t masks[4] = {0, 0, 0, 0};
    if (hdr == 12) {
        width = r.U16(18);
        height = int16_t(r.U16(20));
        bpp = r.U16(24);
        paletteAt = 14 + 12;
        paletteEntry = 3;
    } else if (hdr >= 40 && hdr <= 124) {
        width = int32_t(r.U32(18));
        height = int32_t(r.U32(22));
        bpp = r.U16(28);
        compression = r.U32(30);
        clrUsed = r.U32(46);
        paletteAt = 14 + hdr;
        paletteEntry = 4;
        if (compression == 3 || compression == 6) { // bit fields (6: with alpha)
            if (hdr >= 52) {
                for (int i = 0; i < (hdr >= 56 ? 4 : 3); ++i)
                    masks[i] = r.U32(54 + 4 * size_t(i));
            } else {
                for (int i = 0; i < (compression == 6 ? 4 : 3); ++i)
                    masks[i] = r.U32(paletteAt + 4 * size_t(i));
                paletteAt += (compression == 6 ? 16 : 12);
            }
        } else if (compression != 0) {
            Bad("unsupported compression");
        }
    } else {
        Bad("unknown header");
    }
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (width <= 0 || height <= 0 || width * height > kMaxImagePixels) Bad("bad size");
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) Bad("unsupported depth");

    std::vector<uint32_t> palette;
    if (bpp <= 8) {
        uint32_t n = clrUsed ? clrUsed : (1u << bpp);
        if (n > 256) n = 256;
        for (uint32_t i = 0; i < n; ++i) {
            size_t at = paletteAt + i * paletteEntry;
            if (at + 3 > data.size()) Bad("truncated palette");
            const auto* p = reinterpret_cast<const uint8_t*>(data.data() + at);
            palette.push_back(0xFF000000u | (uint32_t(p[2]) << 16) | (uint32_t(p[1]) << 8) | p[0]);
        }
        palette.resize(size_t(1) << bpp, 0xFF000000u); // indexes past the palette read black
    }
    if (bpp == 16 && !masks[0] && !masks[1] && !masks[2]) {
        masks[0] = 0x7C00;
        masks[1] = 0x03E0;
        masks[2] = 0x001F;
    }
    const bool fields = masks[0] || masks[1] || masks[2];
    Mask mr(masks[0]), mg(masks[1]), mb(masks[2]), ma(masks[3]);

    const uint64_t stride = ((uint64_t(width) * uint64_t(bpp) + 31) / 32) * 4;
    if (offBits > data.size() || stride * uint64_t(height) > data.size() - offBits)
        Bad("truncated pixel data");

    out.SetSize(0, 0);
    out.SetSize(int(width), int(height));
    bool anyAlpha = false;
    for (int64_t y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const uint8_t*>(data.data() + offBits + stride * uint64_t(y));
        uint32_t* dst = out.ScanLine(int(topDown ? y : height - 1 - y));
        for (int64_t x = 0; x < width; ++x) {
            uint32_t px;
            switch (bpp) {
            case 1:
                px = palette[(row[x >> 3] >> (7 - (x & 7))) & 1];
                break;
            case 4:
                px = palette[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15];
                break;
            case 8:
                px = palette[row[x]];
                break;
            case 16: {
                uint32_t v = uint32_t(row[2 * x]) | (uint32_t(row[2 * x + 1]) << 8);
                px = (mr.Get(v) << 16) | (mg.Get(v) << 8) | mb.Get(v);
                px |= masks[3] ? (ma.Get(v) << 24) : 0xFF000000u;
                break;
            }
            case 24:
                px = 0xFF000000u | (uint32_t(row[3 * x + 2]) << 16) | (uint32_t(row[3 * x + 1]) << 8) |
                     row[3 * x];
                break;
            default: {
                uint32_t v;
                std::memcpy(&v, row + 4 * x, 4);
                if (fields) {
                    px = (mr.Get(v) << 16) | (mg.Get(v) << 8) | mb.Get(v);
                    px |= masks[3] ? (ma.Get(v) << 24) : 0xFF000000u;
                } else {
                    px = v; // BGRA; an all-zero alpha channel means "no alpha", settled below
                    if (v >> 24) anyAlpha = true;
                }
                break;
            }
            }
            dst[x] = px;
        }
    }
    if (bpp == 32 && !fields && !anyAlpha) {
        for (int y = 0; y < out.Height(); ++y) {
            uint32_t* p = out.ScanLine(y);
            for (int x = 0; x < out.Width(); ++x)
                p[x] |= 0xFF000000u;
        }
    }
    const bool alpha = (bpp == 32 && (anyAlpha || masks[3])) || (bpp == 16 && masks[3]);
    out.SetPixelFormat(alpha ? pf32bit : bpp == 32 ? pf32bit : pf24bit);
    out.SetAlphaFormat(alpha ? afDefined : afIgnored);
}

std::string EncodeBmp(const TBitmap& b, int bitsPerPixel) {
    const int bpp = bitsPerPixel == 32 ? 32 : 24;
    const uint32_t w = uint32_t(b.Width()), h = uint32_t(b.Height());
    const uint32_t stride = ((w * uint32_t(bpp) + 31) / 32) * 4;
    const uint32_t imageSize = stride * h;
    std::string s;
    s.reserve(54 + imageSize);
    s += "BM";
    Put32(s, 54 + imageSize);
    Put32(s, 0);
    Put32(s, 54);
    Put32(s, 40);
    Put32(s, w);
    Put32(s, h); // bottom-up
    Put16(s, 1);
    Put16(s, uint16_t(bpp));
    Put32(s, 0);
    Put32(s, imageSize);
    Put32(s, 3780); // 96 dpi
    Put32(s, 3780);
    Put32(s, 0);
    Put32(s, 0);
    std::string row(stride, '\0');
    for (uint32_t y = h; y-- > 0;) {
        const uint32_t* p = b.ScanLine(int(y));
        if (bpp == 32) {
            std::memcpy(row.data(), p, size_t(w) * 4);
        } else {
            for (uint32_t x = 0; x < w; ++x) {
                row[3 * x] = char(p[x]);
                row[3 * x + 1] = char(p[x] >> 8);
                row[3 * x + 2] = char(p[x] >> 16);
            }
        }
        s += row;
    }
    return s;
}
