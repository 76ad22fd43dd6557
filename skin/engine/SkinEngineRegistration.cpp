#include "skin/engine/SkinEngineRegistration.h"

#include "platform/base/MemoryStream.h"
#include "platform/vcl/TClassRegistry.h"
#include "skin/engine/CompressedSkinList.h"
#include "skin/engine/CompressedStoredSkin.h"
#include "skin/engine/ResourceStrData.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/TlxPngImageList.h"

namespace {

TDescValue BytesOf(TMemoryStream& S) {
    const auto* p = static_cast<const uint8_t*>(S.Memory());
    return TDescValue::OfBinary(std::vector<uint8_t>(p, p + S.Size()));
}

std::string BytesFrom(const TDescValue& V) {
    std::vector<uint8_t> bytes = DescConvert::FromDesc<std::vector<uint8_t>>(V);
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

void RegisterSkinEngineClasses() {
    RegisterClass<TlxResourceStrData>("TlxResourceStrData", "TComponent")
        .ObjectProperty("ResStrings", [](TlxResourceStrData* d) -> TStrings* { return &d->ResStrings(); })
        .Property("CharSet", &TlxResourceStrData::CharSet, &TlxResourceStrData::SetCharSet, TFontCharset(1));

    // The zlib bytes alone, always written, also when there are none.
    RegisterClass<TlxCompressedStoredSkin>("TlxCompressedStoredSkin", "TComponent")
        .Property("FileName", &TlxCompressedStoredSkin::FileName, &TlxCompressedStoredSkin::SetFileName)
        .Property("CompressedFileName", &TlxCompressedStoredSkin::CompressedFileName,
                  &TlxCompressedStoredSkin::SetCompressedFileName)
        .Property("Description", &TlxCompressedStoredSkin::Description,
                  &TlxCompressedStoredSkin::SetDescription)
        .CustomProperty(
            "CompressedData", [](TlxCompressedStoredSkin* s) { return BytesOf(s->CompressedStream()); },
            [](TlxCompressedStoredSkin* s, const TDescValue& v) {
                TStringStream bytes(BytesFrom(v));
                s->CompressedStream().Clear();
                s->CompressedStream().LoadFromStream(bytes);
            },
            TDescValue::OfBinary({}))
        .AlwaysStored();

    // "Skin" holds the whole compressed skin stream: version, count, bytes.
    RegisterClass<TlxSkinListItem>("TlxSkinListItem", "TCollectionItem")
        .Property("Description", &TlxSkinListItem::Description, &TlxSkinListItem::SetDescription)
        .Property("FileName", &TlxSkinListItem::FileName, &TlxSkinListItem::SetFileName)
        .Property("CompressedFileName", &TlxSkinListItem::CompressedFileName,
                  &TlxSkinListItem::SetCompressedFileName)
        .Property("Name", &TlxSkinListItem::Name, &TlxSkinListItem::SetName)
        .CustomProperty(
            "Skin",
            [](TlxSkinListItem* i) {
                TMemoryStream s;
                i->Skin()->SaveToCompressStream(s);
                return BytesOf(s);
            },
            [](TlxSkinListItem* i, const TDescValue& v) {
                TStringStream s(BytesFrom(v));
                i->Skin()->LoadFromCompressStream(s);
            },
            TDescValue::OfBinary({}))
        .AlwaysStored();

    RegisterClass<TlxCompressedSkinList>("TlxCompressedSkinList", "TComponent")
        .CollectionProperty("Skins", [](TlxCompressedSkinList* l) -> TCollection* { return l->Skins(); });

    // Every value is written, also when it is the value after construction.
    RegisterClass<TlxSkinData>("TlxSkinData", "TComponent")
        .Property("SkinnableForm", &TlxSkinData::SkinnableForm, &TlxSkinData::SetSkinnableForm)
        .AlwaysStored()
        .Property("AnimationForAllWindows", &TlxSkinData::AnimationForAllWindows,
                  &TlxSkinData::SetAnimationForAllWindows)
        .AlwaysStored()
        .Property("EnableSkinEffects", &TlxSkinData::EnableSkinEffects, &TlxSkinData::SetEnableSkinEffects)
        .AlwaysStored()
        .Property("ShowButtonGlowFrames", &TlxSkinData::ShowButtonGlowFrames,
                  &TlxSkinData::SetShowButtonGlowFrames)
        .AlwaysStored()
        .Property("ShowCaptionButtonGlowFrames", &TlxSkinData::ShowCaptionButtonGlowFrames,
                  &TlxSkinData::SetShowCaptionButtonGlowFrames)
        .AlwaysStored()
        .Property("ShowLayeredBorders", &TlxSkinData::ShowLayeredBorders, &TlxSkinData::SetShowLayeredBorders)
        .AlwaysStored()
        .ReferenceProperty("CompressedStoredSkin", &TlxSkinData::CompressedStoredSkin,
                           &TlxSkinData::SetCompressedStoredSkin)
        .ReferenceProperty("ResourceStrData", &TlxSkinData::ResourceStrData, &TlxSkinData::SetResourceStrData)
        .ReferenceProperty("SkinList", &TlxSkinData::SkinList, &TlxSkinData::SetSkinList)
        .Property("SkinIndex", &TlxSkinData::SkinIndex, &TlxSkinData::SetSkinIndex)
        .AlwaysStored();
    // Each picture as the PNG bytes it was read from.
    RegisterClass<TlxPngImageItem>("TlxPngImageItem", "TCollectionItem")
        .Property("Name", &TlxPngImageItem::Name, &TlxPngImageItem::SetName)
        .CustomProperty(
            "PngImage",
            [](TlxPngImageItem* i) {
                TMemoryStream s;
                if (!i->PngImage()->Empty()) i->PngImage()->SaveToStream(s);
                return BytesOf(s);
            },
            [](TlxPngImageItem* i, const TDescValue& v) {
                std::string bytes = BytesFrom(v);
                if (bytes.empty()) return;
                TStringStream s(bytes);
                TlxPngImage png;
                png.LoadFromStream(s);
                i->SetPngImage(&png);
            },
            TDescValue::OfBinary({}));

    RegisterClass<TlxPngImageList>("TlxPngImageList", "TCustomImageList")
        .CollectionProperty("PngImages", [](TlxPngImageList* l) -> TCollection* { return l->PngImages(); })
        .Property("PngWidth", &TlxPngImageList::PngWidth, &TlxPngImageList::SetPngWidth, 16)
        .Property("PngHeight", &TlxPngImageList::PngHeight, &TlxPngImageList::SetPngHeight, 16);
}
