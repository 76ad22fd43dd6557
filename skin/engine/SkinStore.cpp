#include "skin/engine/SkinStore.h"

#include "platform/base/MemoryStream.h"
#include "skin/engine/SkinError.h"
#include "skin/engine/SkinFolder.h"

void StoreSkinToDisk(const std::string& FileName, TlxSkinContent& Content) {
    Content.CheckSkinNames();
    if (int(Content.FActivePictures.size()) != Content.FActivePicturesNames.Count())
        throw ESkinError("the numbered pictures and their names disagree");
    SaveSkinFolder(FileName, Content);
    auto write = [&](const std::string& name, TBitmap& bitmap) {
        TMemoryStream out;
        bitmap.SaveToStream(out);
        out.SaveToFile(SkinPicturePath(FileName, name));
    };
    const std::pair<const std::string*, TBitmap*> frames[] = {
        {&Content.FPictureName, Content.FPicture.get()},
        {&Content.FInActivePictureName, Content.FInActivePicture.get()},
        {&Content.FMaskName, Content.FMask.get()},
    };
    for (const auto& [name, bitmap] : frames)
        if (!name->empty() && !bitmap->Empty()) write(*name, *bitmap);
    for (int i = 0; i < Content.FActivePicturesNames.Count(); ++i)
        write(Content.FActivePicturesNames[i], *Content.FActivePictures[size_t(i)]);
}
