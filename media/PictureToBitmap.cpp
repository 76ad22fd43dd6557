#include "media/PictureToBitmap.h"

#include <cstring>

TRGBConvertContext::~TRGBConvertContext() {
    ClearRGBContext(*this);
}

void ClearRGBContext(TRGBConvertContext& AContext) {
    AContext.Bitmap.reset();
    if (AContext.RGBBuf && av::av_freep) av::av_freep(&AContext.RGBBuf);
    AContext.RGBBuf = nullptr;
    AContext.RGBBufSize = 0;
    AContext.RGBPicture = {};
    AContext.RGBPictureRef = nullptr;
    if (AContext.toRGB_convert_ctx && av::sws_freeContext) av::sws_freeContext(AContext.toRGB_convert_ctx);
    if (AContext.fromRGB_convert_ctx && av::sws_freeContext)
        av::sws_freeContext(AContext.fromRGB_convert_ctx);
    AContext.toRGB_convert_ctx = nullptr;
    AContext.fromRGB_convert_ctx = nullptr;
    AContext.RGBPixFmt = AV_PIX_FMT_BGRA;
    AContext.BMPPixFmt = pf24bit;
}

std::unique_ptr<TBitmap> CreateFrameBitmap(int AWidth, int AHeight, TPixelFormat APixelFormat) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(APixelFormat);
    bitmap->SetSize(AWidth, AHeight);
    return bitmap;
}

bool PictureToBitmap(TRGBConvertContext& AContext, const TAVPicture& APicture, AVPixelFormat APixFmt,
                     int AWidth, int AHeight, AVColorRange ARange, AVColorSpace AColorSpace) {
    if (AWidth <= 0 || AHeight <= 0 || !APicture.data[0]) return false;
    if (!AContext.Bitmap) AContext.Bitmap = CreateFrameBitmap(AWidth, AHeight, AContext.BMPPixFmt);
    AContext.Bitmap->SetSize(AWidth, AHeight);

    const int rowBytes = AWidth * 4;
    const bool direct = APixFmt == AContext.RGBPixFmt && APixFmt == AV_PIX_FMT_BGRA && AWidth % 2 == 0 &&
                        APicture.linesize[0] == rowBytes;
    if (direct) {
        AContext.RGBPictureRef = &APicture;
    } else {
        // 32-byte aligned rows keep the scaler on its fast paths.
        const int size = av::av_image_get_buffer_size(AContext.RGBPixFmt, AWidth, AHeight, 32);
        if (size < 0) return false;
        if (!AContext.RGBBuf || AContext.RGBBufSize < size) {
            av::av_freep(&AContext.RGBBuf);
            AContext.RGBBuf = static_cast<uint8_t*>(av::av_malloc(static_cast<size_t>(size)));
            AContext.RGBBufSize = AContext.RGBBuf ? size : 0;
            if (!AContext.RGBBuf) return false;
        }
        if (av::av_image_fill_arrays(AContext.RGBPicture.data, AContext.RGBPicture.linesize, AContext.RGBBuf,
                                     AContext.RGBPixFmt, AWidth, AHeight, 32) < 0)
            return false;
        AContext.toRGB_convert_ctx = av::sws_getCachedContext(
            AContext.toRGB_convert_ctx, AWidth, AHeight, APixFmt, AWidth, AHeight, AContext.RGBPixFmt,
            SWS_BICUBIC | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT, nullptr, nullptr, nullptr);
        if (!AContext.toRGB_convert_ctx) return false;
        // Limited or full range as the picture says (JPEG formats are full by themselves).
        int* invTable = nullptr;
        int* table = nullptr;
        int srcRange = 0, dstRange = 0, brightness = 0, contrast = 0, saturation = 0;
        if (av::sws_getColorspaceDetails(AContext.toRGB_convert_ctx, &invTable, &srcRange, &table, &dstRange,
                                         &brightness, &contrast, &saturation) >= 0) {
            if (ARange == AVCOL_RANGE_JPEG)
                srcRange = 1;
            else if (ARange == AVCOL_RANGE_MPEG)
                srcRange = 0;
            const int space = AColorSpace == AVCOL_SPC_UNSPECIFIED ? SWS_CS_DEFAULT : AColorSpace;
            av::sws_setColorspaceDetails(AContext.toRGB_convert_ctx, av::sws_getCoefficients(space), srcRange,
                                         table, dstRange, brightness, contrast, saturation);
        }
        const uint8_t* const src[4] = {APicture.data[0], APicture.data[1], APicture.data[2],
                                       APicture.data[3]};
        if (av::sws_scale(AContext.toRGB_convert_ctx, src, APicture.linesize, 0, AHeight,
                          AContext.RGBPicture.data, AContext.RGBPicture.linesize) <= 0)
            return false;
        AContext.RGBPictureRef = &AContext.RGBPicture;
    }
    const TAVPicture& ref = *AContext.RGBPictureRef;
    for (int y = 0; y < AHeight; ++y)
        std::memcpy(AContext.Bitmap->ScanLine(y), ref.data[0] + static_cast<ptrdiff_t>(y) * ref.linesize[0],
                    static_cast<size_t>(rowBytes));
    if (direct) AContext.RGBPictureRef = nullptr; // the caller's picture does not outlive this call
    return true;
}

bool PictureToBitmap(TRGBConvertContext& AContext, const AVFrame* AFrame) {
    if (!AFrame) return false;
    TAVPicture picture;
    for (int i = 0; i < 4; ++i) {
        picture.data[i] = AFrame->data[i];
        picture.linesize[i] = AFrame->linesize[i];
    }
    return PictureToBitmap(AContext, picture, static_cast<AVPixelFormat>(AFrame->format), AFrame->width,
                           AFrame->height, AFrame->color_range, AFrame->colorspace);
}
