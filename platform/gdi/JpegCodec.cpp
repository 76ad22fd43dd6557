#include "platform/base/Exception.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TBitmap.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

// libjpeg reports fatal errors through error_exit, which must not return: it
// jumps back to the setjmp of the function that called into the library.
// Those functions hold only plain data, so the jump skips no destructor.

namespace {

struct ErrorMgr {
    jpeg_error_mgr pub;
    jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorMgr*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr cinfo, int level) {
    // Scan data cut short (by the end of the file or by the next marker) is
    // an error here, not a picture padded with gray.
    if (level < 0 && (cinfo->err->msg_code == JWRN_JPEG_EOF || cinfo->err->msg_code == JWRN_HIT_MARKER))
        OnError(cinfo);
}

// Every 8 x 8 block of a Huffman-coded picture costs at least one bit of scan
// data; arithmetic coding has no such floor, so only the pixel limit holds there.
bool LargerThanItsData(const jpeg_decompress_struct& cinfo, unsigned long size) {
    if (cinfo.arith_code) return false;
    const unsigned long long blocks =
        ((unsigned long long)cinfo.image_width + 7) / 8 * (((unsigned long long)cinfo.image_height + 7) / 8);
    return blocks > (unsigned long long)size * 8;
}

struct Decoded {
    int width = 0, height = 0;
    std::vector<uint8_t> pixels; // BGRA
};

// Fills d; returns false with the library's message in err.message.
bool DecodeRaw(const unsigned char* data, unsigned long size, Decoded& d, ErrorMgr& err) {
    jpeg_decompress_struct cinfo;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.pub.emit_message = OnMessage;
    err.message[0] = 0;
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, size);
    jpeg_read_header(&cinfo, TRUE);
    // The size is checked before jpeg_start_decompress, which allocates for the
    // whole picture (a progressive one keeps every coefficient).
    const char* refusal = nullptr;
    if (cinfo.image_width == 0 || cinfo.image_height == 0 ||
        (long long)cinfo.image_width * cinfo.image_height > kMaxImagePixels)
        refusal = "bad size";
    else if (LargerThanItsData(cinfo, size))
        refusal = "size larger than its data";
    if (refusal) {
        std::strcpy(err.message, refusal);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    // The library's own working memory, beside the picture itself.
    cinfo.mem->max_memory_to_use = long(kMaxImagePixels) * 10;
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    jpeg_start_decompress(&cinfo);
    d.width = int(cinfo.output_width);
    d.height = int(cinfo.output_height);
    d.pixels.resize(size_t(d.width) * size_t(d.height) * 4);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = d.pixels.data() + size_t(cinfo.output_scanline) * size_t(d.width) * 4;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    if (cmyk) {
        // Adobe writes CMYK inverted; the plain product gives the colour.
        const bool inverted = cinfo.saw_Adobe_marker;
        for (size_t i = 0; i < d.pixels.size(); i += 4) {
            unsigned c = d.pixels[i], m = d.pixels[i + 1], y = d.pixels[i + 2], k = d.pixels[i + 3];
            if (!inverted) {
                c = 255 - c;
                m = 255 - m;
                y = 255 - y;
                k = 255 - k;
            }
            d.pixels[i] = uint8_t(y * k / 255);
            d.pixels[i + 1] = uint8_t(m * k / 255);
            d.pixels[i + 2] = uint8_t(c * k / 255);
            d.pixels[i + 3] = 255;
        }
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

bool EncodeRaw(const uint8_t* rgb, int width, int height, int quality, unsigned char** out,
               unsigned long* outSize, ErrorMgr& err) {
    jpeg_compress_struct cinfo;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = OnError;
    err.message[0] = 0;
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, out, outSize);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb + size_t(cinfo.next_scanline) * size_t(width) * 3);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

} // namespace

void DecodeJpeg(std::string_view data, TBitmap& out) {
    if (data.size() < 3) throw EInvalidGraphic("Invalid JPEG image: too short");
    Decoded d;
    ErrorMgr err;
    if (!DecodeRaw(reinterpret_cast<const unsigned char*>(data.data()),
                   static_cast<unsigned long>(data.size()), d, err))
        throw EInvalidGraphic(std::string("Invalid JPEG image: ") + err.message);
    out.SetSize(0, 0);
    out.SetSize(d.width, d.height);
    std::memcpy(out.Bits(), d.pixels.data(), d.pixels.size());
    for (int y = 0; y < d.height; ++y) {
        uint32_t* p = out.ScanLine(y);
        for (int x = 0; x < d.width; ++x)
            p[x] |= 0xFF000000u;
    }
    out.SetPixelFormat(pf24bit);
    out.SetAlphaFormat(afIgnored);
}

std::string EncodeJpeg(const TBitmap& b, int quality) {
    if (b.Empty()) throw EInvalidGraphic("Cannot save an empty image");
    quality = std::max(1, std::min(100, quality));
    std::vector<uint8_t> rgb(size_t(b.Width()) * size_t(b.Height()) * 3);
    const uint32_t* p = b.Bits();
    for (size_t i = 0, n = size_t(b.Width()) * size_t(b.Height()); i < n; ++i) {
        rgb[3 * i] = uint8_t(p[i] >> 16);
        rgb[3 * i + 1] = uint8_t(p[i] >> 8);
        rgb[3 * i + 2] = uint8_t(p[i]);
    }
    unsigned char* buf = nullptr;
    unsigned long size = 0;
    ErrorMgr err;
    bool ok = EncodeRaw(rgb.data(), b.Width(), b.Height(), quality, &buf, &size, err);
    std::string s = ok ? std::string(reinterpret_cast<char*>(buf), size) : std::string();
    std::free(buf);
    if (!ok) throw ECompressionError(std::string("JPEG compression failed: ") + err.message);
    return s;
}
