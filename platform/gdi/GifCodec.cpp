#include "platform/base/Exception.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TBitmap.h"

#include <gif_lib.h>

#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace {

struct MemReader {
    std::string_view data;
    size_t pos = 0;
};

int ReadMem(GifFileType* gif, GifByteType* buf, int n) {
    auto* r = static_cast<MemReader*>(gif->UserData);
    size_t k = std::min(size_t(std::max(n, 0)), r->data.size() - r->pos);
    std::memcpy(buf, r->data.data() + r->pos, k);
    r->pos += k;
    return int(k);
}

int WriteMem(GifFileType* gif, const GifByteType* buf, int n) {
    static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(buf), size_t(n));
    return n;
}

struct DecoderCloser {
    void operator()(GifFileType* g) const {
        int err;
        DGifCloseFile(g, &err);
    }
};

// LZW codes are at least 2 bits wide here and a code stands for at most 4096
// pixels.
constexpr long long kMaxGifPixelsPerByte = 4096 * 4;

[[noreturn]] void Bad(const std::string& why) {
    throw EInvalidGraphic("Invalid GIF image: " + why);
}

} // namespace

void DecodeGif(std::string_view data, TBitmap& out) {
    MemReader reader{data};
    int err = 0;
    std::unique_ptr<GifFileType, DecoderCloser> gif(DGifOpen(&reader, ReadMem, &err));
    if (!gif) Bad(GifErrorString(err) ? GifErrorString(err) : "cannot open");
    auto failed = [&](const char* what) {
        const char* msg = GifErrorString(gif->Error);
        Bad(msg ? msg : what);
    };

    // Only the first image is read, record by record, so that every size is
    // checked against the data before anything is allocated for it.
    GraphicsControlBlock gcb;
    gcb.TransparentColor = NO_TRANSPARENT_COLOR;
    for (bool image = false; !image;) {
        GifRecordType type;
        if (DGifGetRecordType(gif.get(), &type) != GIF_OK) failed("cannot read");
        switch (type) {
        case IMAGE_DESC_RECORD_TYPE:
            if (DGifGetImageDesc(gif.get()) != GIF_OK) failed("cannot read");
            image = true;
            break;
        case EXTENSION_RECORD_TYPE: {
            int code = 0;
            GifByteType* ext = nullptr;
            if (DGifGetExtension(gif.get(), &code, &ext) != GIF_OK) failed("cannot read");
            if (code == GRAPHICS_EXT_FUNC_CODE && ext && ext[0] >= 4 &&
                DGifExtensionToGCB(ext[0], ext + 1, &gcb) != GIF_OK)
                failed("bad control block");
            while (ext)
                if (DGifGetExtensionNext(gif.get(), &ext) != GIF_OK) failed("cannot read");
            break;
        }
        case TERMINATE_RECORD_TYPE:
            Bad("no image");
        default:
            Bad("unknown record");
        }
    }

    const GifImageDesc& desc = gif->Image;
    const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
    if (!map) Bad("no colour table");
    const int width = gif->SWidth > 0 ? gif->SWidth : desc.Width;
    const int height = gif->SHeight > 0 ? gif->SHeight : desc.Height;
    if (width <= 0 || height <= 0 || (long long)width * height > kMaxImagePixels) Bad("bad size");
    if (desc.Width <= 0 || desc.Height <= 0) Bad("no pixels");
    // Compressed codes expand to at most a few thousand pixels a byte: a frame
    // or a screen far larger than the data could paint is a damaged header.
    const long long painted = (long long)kMaxGifPixelsPerByte * (long long)data.size();
    if ((long long)desc.Width * desc.Height > painted || (long long)width * height > painted)
        Bad("size larger than its data");

    std::vector<GifPixelType> raster(size_t(desc.Width) * size_t(desc.Height));
    auto readRow = [&](int y) {
        if (DGifGetLine(gif.get(), raster.data() + size_t(y) * size_t(desc.Width), desc.Width) != GIF_OK)
            failed("cannot read");
    };
    if (desc.Interlace) {
        static const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int y = start[pass]; y < desc.Height; y += step[pass])
                readRow(y);
    } else {
        for (int y = 0; y < desc.Height; ++y)
            readRow(y);
    }

    const int transparent = gcb.TransparentColor;
    const bool alpha = transparent != NO_TRANSPARENT_COLOR;

    uint32_t background = 0xFF000000u;
    if (alpha) {
        background = 0;
    } else if (gif->SColorMap && gif->SBackGroundColor < gif->SColorMap->ColorCount) {
        const GifColorType& c = gif->SColorMap->Colors[gif->SBackGroundColor];
        background = 0xFF000000u | (uint32_t(c.Red) << 16) | (uint32_t(c.Green) << 8) | c.Blue;
    }
    out.SetSize(0, 0);
    out.SetSize(width, height);
    out.Fill(background);
    for (int y = 0; y < desc.Height; ++y) {
        int ty = desc.Top + y;
        if (ty < 0 || ty >= height) continue;
        uint32_t* dst = out.ScanLine(ty);
        const GifPixelType* src = raster.data() + size_t(y) * size_t(desc.Width);
        for (int x = 0; x < desc.Width; ++x) {
            int tx = desc.Left + x;
            if (tx < 0 || tx >= width) continue;
            int i = src[x];
            if (i == transparent) {
                dst[tx] = 0;
            } else if (i < map->ColorCount) {
                const GifColorType& c = map->Colors[i];
                dst[tx] = 0xFF000000u | (uint32_t(c.Red) << 16) | (uint32_t(c.Green) << 8) | c.Blue;
            } else {
                dst[tx] = 0xFF000000u;
            }
        }
    }
    out.SetPixelFormat(alpha ? pf32bit : pf24bit);
    out.SetAlphaFormat(alpha ? afDefined : afIgnored);
}

std::string EncodeGif(const TBitmap& b) {
    if (b.Empty()) throw EInvalidGraphic("Cannot save an empty image");
    const int w = b.Width(), h = b.Height();
    const size_t n = size_t(w) * size_t(h);
    const bool useAlpha = b.HasAlpha() && b.AlphaFormat() == afDefined;
    auto isClear = [&](uint32_t p) { return useAlpha && (p >> 24) < 128; };

    bool anyClear = false;
    std::map<uint32_t, int> exact;
    const uint32_t* px = b.Bits();
    for (size_t i = 0; i < n; ++i) {
        if (isClear(px[i])) {
            anyClear = true;
            continue;
        }
        if (exact.size() <= 256) exact.emplace(px[i] & 0xFFFFFF, 0);
    }
    const int maxColours = anyClear ? 255 : 256;
    std::vector<GifByteType> indexes(n);
    std::vector<GifColorType> colours;
    if (int(exact.size()) <= maxColours) {
        for (auto& [rgb, idx] : exact) {
            idx = int(colours.size());
            colours.push_back({GifByteType(rgb >> 16), GifByteType(rgb >> 8), GifByteType(rgb)});
        }
        for (size_t i = 0; i < n; ++i)
            indexes[i] = isClear(px[i]) ? GifByteType(0) : GifByteType(exact[px[i] & 0xFFFFFF]);
    } else {
        std::vector<GifByteType> r(n), g(n), bl(n);
        for (size_t i = 0; i < n; ++i) {
            r[i] = GifByteType(px[i] >> 16);
            g[i] = GifByteType(px[i] >> 8);
            bl[i] = GifByteType(px[i]);
        }
        int size = maxColours;
        colours.resize(256);
        if (GifQuantizeBuffer(unsigned(w), unsigned(h), &size, r.data(), g.data(), bl.data(), indexes.data(),
                              colours.data()) != GIF_OK)
            throw ECompressionError("GIF colour reduction failed");
        colours.resize(size_t(size));
    }
    int transparent = NO_TRANSPARENT_COLOR;
    if (anyClear) {
        transparent = int(colours.size());
        colours.push_back({0, 0, 0});
        for (size_t i = 0; i < n; ++i)
            if (isClear(px[i])) indexes[i] = GifByteType(transparent);
    }
    int bits = 1;
    while ((1 << bits) < int(colours.size()))
        ++bits;
    colours.resize(size_t(1) << bits, GifColorType{0, 0, 0});

    std::string out;
    int err = 0;
    GifFileType* gif = EGifOpen(&out, WriteMem, &err);
    if (!gif) throw ECompressionError("GIF writer failed to start");
    ColorMapObject* map = GifMakeMapObject(1 << bits, colours.data());
    bool ok = map && EGifPutScreenDesc(gif, w, h, bits, 0, map) == GIF_OK;
    if (ok && anyClear) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
        gcb.UserInputFlag = false;
        gcb.DelayTime = 0;
        gcb.TransparentColor = transparent;
        GifByteType ext[4];
        size_t len = EGifGCBToExtension(&gcb, ext);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(len), ext) == GIF_OK;
    }
    ok = ok && EGifPutImageDesc(gif, 0, 0, w, h, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < h; ++y)
        ok = EGifPutLine(gif, indexes.data() + size_t(y) * size_t(w), w) == GIF_OK;
    if (map) GifFreeMapObject(map);
    if (EGifCloseFile(gif, &err) != GIF_OK) ok = false;
    if (!ok) throw ECompressionError("GIF compression failed");
    return out;
}
