#include "platform/gdi/ImageCodecs.h"

#include "platform/base/Exception.h"
#include "platform/base/SysUtils.h"

TImageFormat DetectImageFormat(std::string_view d) {
    if (d.size() >= 2 && d.substr(0, 2) == "BM") return ifBmp;
    if (d.size() >= 8 && d.substr(0, 8) == "\x89PNG\r\n\x1a\n") return ifPng;
    if (d.size() >= 3 && d.substr(0, 3) == "\xFF\xD8\xFF") return ifJpeg;
    if (d.size() >= 6 && (d.substr(0, 6) == "GIF87a" || d.substr(0, 6) == "GIF89a")) return ifGif;
    return ifUnknown;
}

TImageFormat ImageFormatFromExtension(std::string_view fileName) {
    size_t dot = fileName.rfind('.');
    size_t slash = fileName.find_last_of("/\\");
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return ifUnknown;
    std::string ext = LowerCase(fileName.substr(dot + 1));
    if (ext == "bmp" || ext == "dib") return ifBmp;
    if (ext == "png") return ifPng;
    if (ext == "jpg" || ext == "jpeg" || ext == "jpe" || ext == "jfif") return ifJpeg;
    if (ext == "gif") return ifGif;
    return ifUnknown;
}

void DecodeImage(std::string_view data, TBitmap& out) {
    switch (DetectImageFormat(data)) {
    case ifBmp:
        DecodeBmp(data, out);
        return;
    case ifPng:
        DecodePng(data, out);
        return;
    case ifJpeg:
        DecodeJpeg(data, out);
        return;
    case ifGif:
        DecodeGif(data, out);
        return;
    default:
        throw EInvalidGraphic("Unknown picture file format");
    }
}
