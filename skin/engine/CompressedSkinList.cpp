#include "skin/engine/CompressedSkinList.h"

TlxCompressedSkinList::TlxCompressedSkinList(TComponent* AOwner) : TComponent(AOwner), FSkins(this) {}

bool TlxCompressedSkinList::Designing() const {
    return ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading);
}
