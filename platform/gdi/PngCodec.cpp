#include "platform/base/Exception.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TBitmap.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

// Reading uses libpng's full interface so that samples are taken as they
// are stored (16-bit samples keep their high byte, no gamma is applied).
// libpng reports errors by a long jump back to ReadRaw's setjmp; ReadRaw
// holds only plain data, so the jump skips no destructor. Writing uses the
// simplified interface, which recovers inside libpng.

namespace {

struct PngSource {
    const unsigned char* data;
    size_t size;
    size_t pos;
    char message[200];
};

void ReadFn(png_structp png, png_bytep out, png_size_t n) {
    auto* src = static_cast<PngSource*>(png_get_io_ptr(png));
    if (n > src->size - src->pos) png_error(png, "unexpected end of data");
    std::memcpy(out, src->data + src->pos, n);
    src->pos += n;
}

void ErrorFn(png_structp png, png_const_charp msg) {
    auto* src = static_cast<PngSource*>(png_get_error_ptr(png));
    std::snprintf(src->message, sizeof src->message, "%s", msg);
    png_longjmp(png, 1);
}

void WarningFn(png_structp, png_const_charp) {}

struct PngInfo {
    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, channels = 0;
    bool alpha = false;
};

// The bytes of all IDAT chunks present, read from the chunk headers (a chunk
// cut by the end of the data counts what is there).
unsigned long long CompressedBytes(std::string_view data) {
    unsigned long long total = 0;
    for (size_t at = 8; data.size() - at >= 8;) {
        const auto* p = reinterpret_cast<const unsigned char*>(data.data() + at);
        const unsigned long long length = (unsigned long long)p[0] << 24 | (unsigned long long)p[1] << 16 |
                                          (unsigned long long)p[2] << 8 | p[3];
        const unsigned long long present = std::min<unsigned long long>(length, data.size() - at - 8);
        if (std::memcmp(p + 4, "IDAT", 4) == 0) total += present;
        if (std::memcmp(p + 4, "IEND", 4) == 0 || present < length) break;
        at += 8 + size_t(length);
        if (data.size() - at < 4) break;
        at += 4; // CRC
    }
    return total;
}

// Deflate turns one byte into at most 1032 (258-byte matches at one bit each).
constexpr unsigned long long kMaxDeflateRatio = 1032;

// True when the rows the header announces could not come out of the
// compressed data there is, whatever it holds.
bool LargerThanItsData(const PngInfo& info, std::string_view data) {
    const unsigned long long rowBytes =
        ((unsigned long long)info.width * info.channels * info.bitDepth + 7) / 8;
    const unsigned long long raw = (rowBytes + 1) * info.height;
    return CompressedBytes(data) * kMaxDeflateRatio + 64 < raw;
}

// Pass 1 (pixels null): reads the header into info. Pass 2: decodes into pixels (BGRA rows).
bool ReadRaw(PngSource& src, PngInfo& info, uint32_t* pixels, png_bytep* rows) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &src, ErrorFn, WarningFn);
    if (!png) return false;
    png_infop pinfo = png_create_info_struct(png);
    if (!pinfo || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, pinfo ? &pinfo : nullptr, nullptr);
        return false;
    }
    png_set_read_fn(png, &src, ReadFn);
    png_set_user_limits(png, 1u << 24, 1u << 24);
    png_read_info(png, pinfo);
    info.width = png_get_image_width(png, pinfo);
    info.height = png_get_image_height(png, pinfo);
    const int type = png_get_color_type(png, pinfo);
    const bool trns = png_get_valid(png, pinfo, PNG_INFO_tRNS) != 0;
    info.alpha = (type & PNG_COLOR_MASK_ALPHA) != 0 || trns;
    info.bitDepth = png_get_bit_depth(png, pinfo);
    info.channels = png_get_channels(png, pinfo);
    if (!pixels) {
        png_destroy_read_struct(&png, &pinfo, nullptr);
        return true;
    }
    png_set_expand(png); // palette to RGB, gray below 8 bits to 8, tRNS to alpha
    png_set_scale_16(png);
    if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    png_set_bgr(png);
    if (!info.alpha) png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, pinfo);
    if (png_get_rowbytes(png, pinfo) != size_t(info.width) * 4) png_error(png, "unexpected row layout");
    for (png_uint_32 y = 0; y < info.height; ++y)
        rows[y] = reinterpret_cast<png_bytep>(pixels + size_t(y) * info.width);
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &pinfo, nullptr);
    return true;
}

} // namespace

void DecodePng(std::string_view data, TBitmap& out) {
    PngSource src{reinterpret_cast<const unsigned char*>(data.data()), data.size(), 0, "not a PNG image"};
    if (data.size() < 8 || png_sig_cmp(src.data, 0, 8) != 0)
        throw EInvalidGraphic("Invalid PNG image: no signature");
    PngInfo info;
    if (!ReadRaw(src, info, nullptr, nullptr))
        throw EInvalidGraphic(std::string("Invalid PNG image: ") + src.message);
    if (info.width == 0 || info.height == 0 || (long long)info.width * info.height > kMaxImagePixels)
        throw EInvalidGraphic("Invalid PNG image: bad size");
    if (LargerThanItsData(info, data)) throw EInvalidGraphic("Invalid PNG image: size larger than its data");
    std::vector<uint32_t> pixels(size_t(info.width) * info.height);
    std::vector<png_bytep> rows(info.height);
    src.pos = 0;
    if (!ReadRaw(src, info, pixels.data(), rows.data()))
        throw EInvalidGraphic(std::string("Invalid PNG image: ") + src.message);
    out.SetSize(0, 0);
    out.SetSize(int(info.width), int(info.height));
    std::memcpy(out.Bits(), pixels.data(), pixels.size() * 4);
    out.SetPixelFormat(info.alpha ? pf32bit : pf24bit);
    out.SetAlphaFormat(info.alpha ? afDefined : afIgnored);
}

std::string EncodePng(const TBitmap& b, bool withAlpha) {
    if (b.Empty()) throw EInvalidGraphic("Cannot save an empty image");
    png_image img;
    std::memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    img.width = png_uint_32(b.Width());
    img.height = png_uint_32(b.Height());
    std::vector<uint8_t> rgb;
    const void* buffer = b.Bits();
    int stride = b.Width() * 4;
    if (withAlpha) {
        img.format = PNG_FORMAT_BGRA;
    } else {
        img.format = PNG_FORMAT_BGR;
        rgb.resize(size_t(b.Width()) * size_t(b.Height()) * 3);
        const uint32_t* p = b.Bits();
        for (size_t i = 0, n = size_t(b.Width()) * size_t(b.Height()); i < n; ++i) {
            rgb[3 * i] = uint8_t(p[i]);
            rgb[3 * i + 1] = uint8_t(p[i] >> 8);
            rgb[3 * i + 2] = uint8_t(p[i] >> 16);
        }
        buffer = rgb.data();
        stride = b.Width() * 3;
    }
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&img, nullptr, &size, 0, buffer, stride, nullptr))
        throw ECompressionError(std::string("PNG compression failed: ") + img.message);
    std::string outData(size, '\0');
    if (!png_image_write_to_memory(&img, outData.data(), &size, 0, buffer, stride, nullptr))
        throw ECompressionError(std::string("PNG compression failed: ") + img.message);
    outData.resize(size);
    return outData;
}
