#pragma once

#include "platform/base/Object.h"
#include "platform/gdi/ImageCodecs.h"
#include "platform/gdi/TBitmap.h"

#include <memory>
#include <string>

// Pictures of the other formats: bitmaps that load any format and save as their own.
class TPngImage : public TBitmap {
public:
    void SaveToStream(TStream& stream) override;
    std::string DefaultExtension() const override { return "png"; }
};

class TJPEGImage : public TBitmap {
public:
    int CompressionQuality() const { return FQuality; }
    void SetCompressionQuality(int q) { FQuality = q; }
    void SaveToStream(TStream& stream) override;
    std::string DefaultExtension() const override { return "jpg"; }

private:
    int FQuality = 90;
};

class TGIFImage : public TBitmap {
public:
    void SaveToStream(TStream& stream) override;
    std::string DefaultExtension() const override { return "gif"; }
};

// Holds one graphic of any supported format. Loading chooses the format by
// the data's signature (the extension only names the format for data of an
// unknown kind, which then fails); bad data raises EInvalidGraphic and
// leaves the picture as it was.
class TPicture : public TObject {
public:
    TGraphic* Graphic() const { return FGraphic.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> graphic);
    // The graphic as a bitmap (null when empty or not a bitmap).
    TBitmap* Bitmap() const { return dynamic_cast<TBitmap*>(FGraphic.get()); }
    int Width() const { return FGraphic ? FGraphic->Width() : 0; }
    int Height() const { return FGraphic ? FGraphic->Height() : 0; }
    bool Empty() const { return !FGraphic || FGraphic->Empty(); }

    void LoadFromFile(const std::string& fileName);
    void LoadFromStream(TStream& stream);
    // Saved in the graphic's own format.
    void SaveToFile(const std::string& fileName);
    void SaveToStream(TStream& stream);
    void Assign(const TPicture& source);
    void Clear() { SetGraphic(nullptr); }

    TNotifyEvent OnChange;

private:
    std::unique_ptr<TGraphic> FGraphic;
};

// A new, empty graphic of the format (a TBitmap for BMP and unknown formats).
std::unique_ptr<TBitmap> NewGraphicFor(TImageFormat format);
