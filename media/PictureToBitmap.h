#pragma once

#include "media/AVBindings.h"
#include "platform/gdi/TBitmap.h"

#include <memory>

// A decoded picture as the library lays it out: four planes and their line sizes.
struct TAVPicture {
    uint8_t* data[4] = {};
    int linesize[4] = {};
};

// Cached state for turning decoded pictures into bitmaps (one per task,
// prober or player, used by one thread at a time). Bitmaps are 32-bit BGRA.
struct TRGBConvertContext {
    AVPixelFormat RGBPixFmt = AV_PIX_FMT_BGRA; // the layout of a bitmap row
    TPixelFormat BMPPixFmt = pf24bit;
    std::unique_ptr<TBitmap> Bitmap;
    uint8_t* RGBBuf = nullptr; // av_malloc'ed
    int RGBBufSize = 0;
    TAVPicture RGBPicture;                     // laid over RGBBuf
    const TAVPicture* RGBPictureRef = nullptr; // the picture whose rows were copied last
    SwsContext* toRGB_convert_ctx = nullptr;
    SwsContext* fromRGB_convert_ctx = nullptr;

    TRGBConvertContext() = default;
    TRGBConvertContext(const TRGBConvertContext&) = delete;
    TRGBConvertContext& operator=(const TRGBConvertContext&) = delete;
    ~TRGBConvertContext();
};

// Frees the bitmap, the buffer and both scalers and resets every field.
void ClearRGBContext(TRGBConvertContext& AContext);
std::unique_ptr<TBitmap> CreateFrameBitmap(int AWidth, int AHeight, TPixelFormat APixelFormat);

// Copies a picture into AContext.Bitmap (made or resized as needed). Rows are
// copied directly only from BGRA with line size = width * 4 and an even width;
// anything else goes through the cached scaler, honouring the picture's colour
// range and space. False when the picture cannot be converted.
bool PictureToBitmap(TRGBConvertContext& AContext, const TAVPicture& APicture, AVPixelFormat APixFmt,
                     int AWidth, int AHeight, AVColorRange ARange = AVCOL_RANGE_UNSPECIFIED,
                     AVColorSpace AColorSpace = AVCOL_SPC_UNSPECIFIED);
// The same for a decoded frame (its size, format, range and colour space).
bool PictureToBitmap(TRGBConvertContext& AContext, const AVFrame* AFrame);
