#pragma once

// Picture codecs over the 32-bit raster. Decoders raise EInvalidGraphic for
// data that is not a complete picture of their kind, and never read outside
// the data. A decoded picture with transparency (an alpha channel, a
// transparent colour or index) becomes pf32bit with straight alpha and
// afDefined; others pf24bit with alpha 255.

#include <string>
#include <string_view>

class TBitmap;

enum class TImageFormat { ifUnknown, ifBmp, ifPng, ifJpeg, ifGif };
using enum TImageFormat;

// By the first bytes of the data.
TImageFormat DetectImageFormat(std::string_view data);
// By the file name's extension, ignoring case (".jpg", ".jpeg", ".png", ...).
TImageFormat ImageFormatFromExtension(std::string_view fileName);

// Any of the formats, chosen by signature.
void DecodeImage(std::string_view data, TBitmap& out);

// BMP: 1, 4, 8, 16, 24 and 32 bits, uncompressed or with bit fields, top-down and bottom-up.
void DecodeBmp(std::string_view data, TBitmap& out);
// 24 or 32 bits (32 keeps the alpha bytes), bottom-up.
std::string EncodeBmp(const TBitmap& bitmap, int bitsPerPixel);

void DecodePng(std::string_view data, TBitmap& out);
// RGBA when withAlpha, else RGB.
std::string EncodePng(const TBitmap& bitmap, bool withAlpha);

void DecodeJpeg(std::string_view data, TBitmap& out);
// quality 1..100 (clamped).
std::string EncodeJpeg(const TBitmap& bitmap, int quality);

// The first frame.
void DecodeGif(std::string_view data, TBitmap& out);
// A palette of at most 256 colours made from the picture (exact when it has
// no more); pixels with alpha below 128 of an afDefined bitmap become the
// transparent index.
std::string EncodeGif(const TBitmap& bitmap);

// The largest bitmap, and so the largest picture decoders accept, in pixels:
// 8192 x 8192 (256 MiB), far beyond any screen or video frame. Decoders also
// refuse a size that the data after the header could not fill.
constexpr long long kMaxImagePixels = 1LL << 26;
