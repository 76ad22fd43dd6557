#include "skin/engine/TlxPngImageList.h"

#include "platform/base/Math.h"
#include "platform/base/MemoryStream.h"
#include "platform/gdi/TCanvas.h"

#include <algorithm>

namespace {

uint32_t BigEndian32(const unsigned char* p) {
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

// The colour type and the transparency mode from the chunks before the image
// data; every length is checked against the data.
void ReadPngFacts(const std::string& data, int& colorType, TPngTransparencyMode& mode) {
    colorType = 6;
    mode = ptmNone;
    const auto* d = reinterpret_cast<const unsigned char*>(data.data());
    const size_t n = data.size();
    bool trns = false, partial = false;
    for (size_t pos = 8; pos + 12 <= n;) {
        const uint32_t len = BigEndian32(d + pos);
        if (len > n - pos - 12) break;
        const std::string_view type(data.data() + pos + 4, 4);
        const unsigned char* body = d + pos + 8;
        if (type == "IHDR" && len >= 13) colorType = body[9];
        if (type == "tRNS") {
            trns = true;
            for (uint32_t i = 0; colorType == 3 && i < len; ++i)
                partial |= body[i] != 0 && body[i] != 255;
        }
        if (type == "IDAT" || type == "IEND") break;
        pos += 12 + size_t(len);
    }
    if (colorType == 4 || colorType == 6 || partial)
        mode = ptmPartial;
    else if (trns)
        mode = ptmBit;
}

} // namespace

// ---- TlxPngImage

void TlxPngImage::LoadFromStream(TStream& Stream) {
    std::string data(size_t(std::max<Int64>(Stream.Size() - Stream.Position(), 0)), '\0');
    data.resize(size_t(Stream.Read(data.data(), Int64(data.size()))));
    TStringStream bytes(data);
    TPngImage::LoadFromStream(bytes); // raises for data that is no picture, keeping this one
    FData = std::move(data);
    ReadPngFacts(FData, FColorType, FTransparencyMode);
}

void TlxPngImage::SaveToStream(TStream& Stream) {
    if (FData.empty()) {
        TPngImage::SaveToStream(Stream);
        return;
    }
    Stream.WriteBuffer(FData.data(), Int64(FData.size()));
}

void TlxPngImage::Assign(const TlxPngImage& Source) {
    if (&Source == this) return;
    TBitmap::Assign(Source);
    FColorType = Source.FColorType;
    FTransparencyMode = Source.FTransparencyMode;
    FData = Source.FData;
}

// ---- TlxPngImageItem

TlxPngImageItem::TlxPngImageItem(TCollection* Collection)
    : TCollectionItem(Collection), FPngImage(std::make_unique<TlxPngImage>()) {
    FName = "PngImage" + std::to_string(Index());
    if (TlxPngImageList* list = List()) {
        TBitmap placeholder(list->Width(), list->Height());
        placeholder.SetPixelFormat(pf1bit);
        list->Insert(std::min(Index(), list->Count()), &placeholder, nullptr);
    }
}

TlxPngImageItem::~TlxPngImageItem() {
    TlxPngImageList* list = List();
    if (list && Index() >= 0 && Index() < list->Count()) list->Delete(Index());
}

TlxPngImageList* TlxPngImageItem::List() const {
    auto* items = dynamic_cast<TlxPngImageItems*>(Collection());
    return items ? items->FPngImageList : nullptr;
}

void TlxPngImageItem::SetPngImage(const TlxPngImage* Value) {
    if (Value) FPngImage->Assign(*Value);
    Changed(false);
}

void TlxPngImageItem::Assign(const TPersistent* Source) {
    if (auto* item = dynamic_cast<const TlxPngImageItem*>(Source)) {
        FPngImage->Assign(*item->FPngImage);
        FName = item->FName;
        return;
    }
    TCollectionItem::Assign(Source);
}

std::string TlxPngImageItem::DisplayName() const {
    return FName.empty() ? TCollectionItem::DisplayName() : FName;
}

// ---- TlxPngImageItems

TlxPngImageItems::TlxPngImageItems(TlxPngImageList* AList)
    : TCollection(TCollection::FactoryOf<TlxPngImageItem>()), FPngImageList(AList) {}

TPersistent* TlxPngImageItems::GetOwner() const {
    return FPngImageList;
}

// ---- TlxPngImageList

TlxPngImageList::TlxPngImageList(TComponent* AOwner)
    : TCustomImageList(AOwner), FPngImages(std::make_unique<TlxPngImageItems>(this)) {}

TlxPngImageList::~TlxPngImageList() {
    // The items take their placeholders out of the list while it is still whole.
    FPngImages.reset();
}

void TlxPngImageList::SetPngImages(const TlxPngImageItems* Value) {
    if (Value && Value != FPngImages.get()) FPngImages->Assign(Value);
}

void TlxPngImageList::SizeChanged() {
    if (!ComponentState().Contains(csLoading)) {
        FPngImages->Clear();
        return;
    }
    // While a description is read the items stay; their placeholders follow the new size.
    TBitmap placeholder(Width(), Height());
    placeholder.SetPixelFormat(pf1bit);
    while (Count() < FPngImages->Count())
        Insert(Count(), &placeholder, nullptr);
}

void TlxPngImageList::SetPngWidth(int Value) {
    if (Value == Width()) return;
    SetWidth(Value);
    SizeChanged();
}

void TlxPngImageList::SetPngHeight(int Value) {
    if (Value == Height()) return;
    SetHeight(Value);
    SizeChanged();
}

void TlxPngImageList::DoDraw(int Index, TCanvas* Canvas, int X, int Y, uint32_t, bool Enabled) const {
    if (!Canvas || Index < 0 || Index >= FPngImages->Count()) return;
    TlxPngImage* png = FPngImages->Items(Index)->PngImage();
    if (png->Empty()) return;
    const TRect r{X, Y, X + Width(), Y + Height()};
    if (Enabled) {
        png->Draw(*Canvas, r);
        return;
    }
    // A semi-transparent copy, opacity 127.
    constexpr int o = 127;
    const bool bit = png->TransparencyMode() == ptmBit;
    const bool ownAlpha = png->ColorType() == 2 || png->ColorType() == 4 || png->ColorType() == 6;
    TBitmap copy(*png);
    const bool hadAlpha = copy.HasAlpha();
    copy.SetPixelFormat(pf32bit);
    copy.SetAlphaFormat(afDefined);
    for (int y = 0; y < copy.Height(); ++y) {
        uint32_t* row = copy.ScanLine(y);
        for (int x = 0; x < copy.Width(); ++x) {
            const uint32_t alpha = hadAlpha ? row[x] >> 24 : 255;
            // The transparent colour decodes to alpha 0.
            const bool transparent = bit && alpha == 0;
            uint32_t a;
            if (transparent)
                a = 0;
            else if (ownAlpha)
                a = uint32_t(Round(alpha / 256.0 * (o + 1)));
            else
                a = o;
            row[x] = (row[x] & 0x00FFFFFFu) | (a << 24);
        }
    }
    Canvas->StretchDraw(r, &copy);
}
