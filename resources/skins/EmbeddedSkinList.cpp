#include "resources/skins/EmbeddedSkinList.h"

#include "platform/vcl/TComponentReader.h"
#include "skin/engine/CompressedSkinList.h"
#include "skin/engine/SkinEngineRegistration.h"

void LoadEmbeddedSkinList(TlxCompressedSkinList& List) {
    RegisterSkinEngineClasses();
    // Read into a list of its own, so that List keeps its name and owner.
    TlxCompressedSkinList read(nullptr);
    TComponentReader::ReadText(&read, EmbeddedSkinListText());
    List.SetSkins(read.Skins());
}
