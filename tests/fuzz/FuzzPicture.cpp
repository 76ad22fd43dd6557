// The picture decoders, chosen by signature: a clear EInvalidGraphic or a
// picture within the size limit, never more.

#include "platform/base/Exception.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TBitmap.h"
#include "tests/fuzz/FuzzTarget.h"

std::vector<std::string> FuzzSeeds() {
    TBitmap b(7, 5);
    b.SetPixelFormat(pf32bit);
    b.SetAlphaFormat(afDefined);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            b.ScanLine(y)[x] = uint32_t(x * 36) << 24 | uint32_t(x * 40) << 16 | uint32_t(y * 60) << 8 | 99;
    b.ScanLine(0)[0] = 0;
    return {EncodeBmp(b, 24),    EncodeBmp(b, 32),  EncodePng(b, true),
            EncodePng(b, false), EncodeJpeg(b, 80), EncodeGif(b)};
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size) {
    TBitmap out;
    try {
        DecodeImage(FuzzText(Data, Size), out);
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    FuzzCheck(!out.Empty() && (long long)out.Width() * out.Height() <= kMaxImagePixels,
              "a decoded picture is empty or beyond the limit");
    return 0;
}
