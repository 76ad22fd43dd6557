#include "skin/windows/TlxQuickButtonItem.h"

#include "skin/windows/SkinObjectSupport.h"
#include "skin/windows/TlxLumivex.h"

TlxQuickButtonItem::TlxQuickButtonItem(TCollection* ACollection) : TCollectionItem(ACollection) {}

void TlxQuickButtonItem::Assign(const TPersistent* Source) {
    if (auto* item = dynamic_cast<const TlxQuickButtonItem*>(Source)) {
        FImageIndex = item->FImageIndex;
        FHint = item->FHint;
        FEnabled = item->FEnabled;
        FVisible = item->FVisible;
        Changed(false);
        return;
    }
    TCollectionItem::Assign(Source);
}

void TlxQuickButtonItem::SetImageIndex(int Value) {
    FImageIndex = Value;
    Changed(false);
}

void TlxQuickButtonItem::SetEnabled(bool Value) {
    FEnabled = Value;
    Changed(false);
}

void TlxQuickButtonItem::SetVisible(bool Value) {
    FVisible = Value;
    Changed(false);
}

TlxQuickButtonItems::TlxQuickButtonItems(TlxLumivex* ALVX)
    : TCollection(TCollection::FactoryOf<TlxQuickButtonItem>()), LVX(ALVX) {}

TPersistent* TlxQuickButtonItems::GetOwner() const {
    return LVX;
}

void TlxQuickButtonItems::Update(TCollectionItem*) {
    if (!LVX) return;
    if (LVX->ComponentState().Contains(csDesigning) || LVX->ComponentState().Contains(csLoading)) return;
    RepaintFrame(LVX);
}
