#pragma once

#include "platform/vcl/TComponent.h"
#include "skin/engine/SkinListItem.h"

// Several compressed skins kept in a form description, for the user to switch
// between; a skin data object connected to the list loads the item at its
// SkinIndex.
class TlxCompressedSkinList : public TComponent {
public:
    explicit TlxCompressedSkinList(TComponent* AOwner);

    TlxSkinListItems* Skins() { return &FSkins; }
    const TlxSkinListItems* Skins() const { return &FSkins; }
    // Copies Value's items in place of the current ones.
    void SetSkins(const TlxSkinListItems* Value) { FSkins.Assign(Value); }

    bool Designing() const;

private:
    TlxSkinListItems FSkins;
};
