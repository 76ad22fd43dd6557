#include "platform/gdi/TPicture.h"

#include "platform/base/Exception.h"
#include "platform/base/FileStream.h"
#include "platform/base/MemoryStream.h"

namespace {
void WriteAll(TStream& stream, const std::string& data) {
    stream.WriteBuffer(data.data(), Int64(data.size()));
}
} // namespace

void TPngImage::SaveToStream(TStream& stream) {
    WriteAll(stream, EncodePng(*this, HasAlpha() && AlphaFormat() == afDefined));
}

void TJPEGImage::SaveToStream(TStream& stream) {
    WriteAll(stream, EncodeJpeg(*this, FQuality));
}

void TGIFImage::SaveToStream(TStream& stream) {
    WriteAll(stream, EncodeGif(*this));
}

std::unique_ptr<TBitmap> NewGraphicFor(TImageFormat format) {
    switch (format) {
    case ifPng:
        return std::make_unique<TPngImage>();
    case ifJpeg:
        return std::make_unique<TJPEGImage>();
    case ifGif:
        return std::make_unique<TGIFImage>();
    default:
        return std::make_unique<TBitmap>();
    }
}

void TPicture::SetGraphic(std::unique_ptr<TGraphic> graphic) {
    FGraphic = std::move(graphic);
    if (OnChange) OnChange(this);
}

void TPicture::LoadFromStream(TStream& stream) {
    std::string data = stream.ReadAll();
    auto g = NewGraphicFor(DetectImageFormat(data));
    DecodeImage(data, *g);
    SetGraphic(std::move(g));
}

void TPicture::LoadFromFile(const std::string& fileName) {
    std::string data = ReadFileToString(fileName);
    TImageFormat f = DetectImageFormat(data);
    if (f == ifUnknown) {
        TImageFormat byName = ImageFormatFromExtension(fileName);
        throw EInvalidGraphic(byName == ifUnknown ? "Unknown picture file extension (" + fileName + ")"
                                                  : "Invalid picture file \"" + fileName + "\"");
    }
    auto g = NewGraphicFor(f);
    DecodeImage(data, *g);
    SetGraphic(std::move(g));
}

void TPicture::SaveToStream(TStream& stream) {
    if (FGraphic) FGraphic->SaveToStream(stream);
}

void TPicture::SaveToFile(const std::string& fileName) {
    if (!FGraphic) return;
    TStringStream m;
    FGraphic->SaveToStream(m);
    WriteFileAtomic(fileName, m.DataString());
}

void TPicture::Assign(const TPicture& source) {
    if (&source == this) return;
    std::unique_ptr<TGraphic> copy;
    if (const TBitmap* b = source.Bitmap()) {
        std::unique_ptr<TBitmap> nb;
        if (dynamic_cast<const TPngImage*>(b))
            nb = std::make_unique<TPngImage>();
        else if (auto* j = dynamic_cast<const TJPEGImage*>(b)) {
            auto nj = std::make_unique<TJPEGImage>();
            nj->SetCompressionQuality(j->CompressionQuality());
            nb = std::move(nj);
        } else if (dynamic_cast<const TGIFImage*>(b))
            nb = std::make_unique<TGIFImage>();
        else
            nb = std::make_unique<TBitmap>();
        nb->Assign(*b);
        copy = std::move(nb);
    }
    SetGraphic(std::move(copy));
}
