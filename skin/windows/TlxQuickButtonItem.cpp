#include "skin/windows/TlxQuickButtonItem.h"

#include "skin/windows/TlxLumivex.h"

TlxQuickButtonItem::TlxQuickButtonItem(TCollection* ACollection) : TCollectionItem(ACollection) {}

void TlxQuickButtonItem::Assign(const TPersistent* Source) {
    if (auto* s = dynamic_cast<const TlxQuickButtonItem*>(Source)) {
        FImageIndex = s->FImageIndex;
        FHint = s->FHint;
        FEnabled = s->FEnabled;
        FVisible = s->FVisible;
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
    : TCollection(FactoryOf<TlxQuickButtonItem>()), LVX(ALVX) {}

TPersistent* TlxQuickButtonItems::GetOwner() const {
    return LVX;
}

void TlxQuickButtonItems::Update(TCollectionItem*) {
    if (!LVX || LVX->ComponentState().Contains(csLoading) || LVX->ComponentState().Contains(csDesigning))
        return;
    if (LVX->Form() && LVX->Form()->HandleAllocated()) SendMessage(LVX->Form()->Handle(), WM_NCPAINT, 1);
}
