#include "platform/base/Exception.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TBitmap.h"

#include <png.h>

#include <cstring>
#include <vector>

// libpng's simplified interface: it keeps its own error recovery inside, so
// no long jump crosses our frames.

void DecodePng(std::string_view data, TBitmap& out) {
    png_image img;
    std::memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&img, data.data(), data.size()))
        throw EInvalidGraphic(std::string("Invalid PNG image: ") + img.message);
    const bool alpha = (img.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    if (img.width == 0 || img.height == 0 || (long long)img.width * img.height > kMaxImagePixels) {
        png_image_free(&img);
        throw EInvalidGraphic("Invalid PNG image: bad size");
    }
    img.format = PNG_FORMAT_BGRA;
    std::vector<uint32_t> pixels(size_t(img.width) * img.height);
    if (!png_image_finish_read(&img, nullptr, pixels.data(), int(img.width * 4), nullptr)) {
        std::string msg = img.message;
        png_image_free(&img);
        throw EInvalidGraphic("Invalid PNG image: " + msg);
    }
    out.SetSize(0, 0);
    out.SetSize(int(img.width), int(img.height));
    std::memcpy(out.Bits(), pixels.data(), pixels.size() * 4);
    out.SetPixelFormat(alpha ? pf32bit : pf24bit);
    out.SetAlphaFormat(alpha ? afDefined : afIgnored);
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
