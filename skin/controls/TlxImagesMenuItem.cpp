#include "skin/controls/TlxImagesMenuItem.h"

#include "skin/controls/TlxSkinImagesMenu.h"

void TlxImagesMenuItem::Assign(const TPersistent* Source) {
    auto* other = dynamic_cast<const TlxImagesMenuItem*>(Source);
    if (!other) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetImageIndex(other->FImageIndex);
    SetCaption(other->FCaption);
    FButton = other->FButton;
    FHint = other->FHint;
}

TPersistent* TlxImagesMenuItems::GetOwner() const {
    return ImagesMenu;
}
