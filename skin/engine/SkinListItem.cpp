#include "skin/engine/SkinListItem.h"

#include "platform/base/MemoryStream.h"
#include "skin/engine/CompressedSkinList.h"

namespace {

std::string FilePart(const std::string& Path) {
    size_t slash = Path.find_last_of('/');
    return slash == std::string::npos ? Path : Path.substr(slash + 1);
}

} // namespace

TlxSkinListItem::TlxSkinListItem(TCollection* ACollection)
    : TCollectionItem(ACollection), FSkin(new TlxCompressedStoredSkin(nullptr)),
      FName("lxSkin" + std::to_string(Index())) {}

bool TlxSkinListItem::Designing() const {
    auto* items = dynamic_cast<TlxSkinListItems*>(Collection());
    return items && items->SkinList() && items->SkinList()->Designing();
}

void TlxSkinListItem::SetFileName(const std::string& Value) {
    if (Designing()) {
        FSkin->LoadFromIniFile(Value);
        FFileName = FilePart(Value);
    } else {
        FFileName = Value;
    }
}

void TlxSkinListItem::SetCompressedFileName(const std::string& Value) {
    if (Designing()) {
        FSkin->LoadFromCompressFile(Value);
        FCompressedFileName = FilePart(Value);
    } else {
        FCompressedFileName = Value;
    }
}

std::string TlxSkinListItem::DisplayName() const {
    return FName;
}

void TlxSkinListItem::Assign(const TPersistent* Source) {
    auto* other = dynamic_cast<const TlxSkinListItem*>(Source);
    if (!other) {
        TCollectionItem::Assign(Source);
        return;
    }
    TMemoryStream bytes;
    other->FSkin->SaveToCompressStream(bytes);
    FSkin->LoadFromCompressStream(bytes);
    FDescription = other->FDescription;
    FFileName = other->FFileName;
    FCompressedFileName = other->FCompressedFileName;
    FName = other->FName;
}

TlxSkinListItems::TlxSkinListItems(TlxCompressedSkinList* ASkinList)
    : TOwnedCollection(ASkinList, FactoryOf<TlxSkinListItem>()), FSkinList(ASkinList) {}

TlxSkinListItem* TlxSkinListItems::GetItem(int Index) const {
    return static_cast<TlxSkinListItem*>(Items(Index));
}
